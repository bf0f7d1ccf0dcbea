#include "data/text_rules.h"
#include "journal/entry.h"
#include "statements/statement_chain.h"
#include "support/books_fixture.h"
#include "support/sample_books.h"
#include <QAbstractItemView>
#include <QAction>
#include <functional>

using folio::statements::Business;
using folio::statements::Statements;
using folio::ui::Tab;

namespace {

class ShownFigures : public BooksFixture {};

// A tab entered again over unchanged books shows what it computed before; after each change
// below it shows the books as they are now, as the statements of the whole file say.
TEST_F(ShownFigures, AreThoseOfTheBooksAfterEveryChange) {
    const QString service = openBooks(serviceBooks());
    const QString merchandising = path("merchandising.dat");
    writeAccounts(merchandising, merchandisingBooks());
    setCompany(Business::Service);
    const auto debits = [](const Statements& s) { return s.trial.debits.current; };
    const auto assets = [](const Statements& s) { return s.balance->totalAssets.current; };
    struct Step {
        const char* change;
        Tab tab;
        const char* box;
        std::function<void()> act;
        std::function<Money(const Statements&)> figure;
    };
    const std::vector<Step> steps = {
        {"nothing", Tab::TrialBalance, "txtDebit", [] {}, debits},
        {"a posting", Tab::TrialBalance, "txtDebit", [&] { postOnTab(0, "1,000"); }, debits},
        {"Undo", Tab::TrialBalance, "txtDebit", [&] { find<QAction>("mnuUndo")->trigger(); },
         debits},
        {"Redo", Tab::BalanceSheet, "txtTotalCurrentAssets",
         [&] { find<QAction>("mnuRedo")->trigger(); }, assets},
        {"an import", Tab::Posting, "",
         [&] {
             window->session().postBalanced({QDate(2026, 3, 2), "import"},
                                            {{1, money("250"), {}}, {6, {}, money("250")}},
                                            folio::journal::EntryKind::Import);
         },
         debits},
        {"a closing", Tab::BalanceSheet, "txtTotalCurrentAssets", [&] { closeMonthly(); }, assets},
        {"a change outside Folio", Tab::TrialBalance, "txtDebit",
         [&] {
             auto records = readAccounts(service);
             records.push_back(account("Land", "D1", "5000", "5000"));
             writeAccounts(service, records);
         },
         debits},
        {"other books", Tab::TrialBalance, "txtDebit",
         [&] {
             selectFile(merchandising);
             setCompany(Business::Merchandising, money("2500"));
         },
         debits},
        {"the ending inventory", Tab::BalanceSheet, "txtTotalCurrentAssets",
         [&] { setCompany(Business::Merchandising, money("4000")); }, assets},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.change);
        showTab(step.tab); // the figures kept from this entry must not outlive the change
        showTab(Tab::Blank);
        step.act();
        showTab(step.tab);
        const QString books = window->books().path();
        const Statements now =
            folio::statements::computeStatements(tableOf(readAccounts(books)), window->company());
        if (step.tab == Tab::Posting) {
            const auto* grid = find<QAbstractItemView>("MSFlexGrid3");
            EXPECT_EQ(grid->model()->index(0, 3).data().toString(),
                      formatCurrency(readAccounts(books)[0].current));
            continue;
        }
        EXPECT_EQ(text(QString::fromLatin1(step.box)), formatCurrency(step.figure(now)));
    }
}

} // namespace
