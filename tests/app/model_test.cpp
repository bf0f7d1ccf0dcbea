#include "data/file_table.h"
#include "data/text_rules.h"
#include "journal/journal_model.h"
#include "support/books_fixture.h"
#include "support/sample_books.h"
#include <QAbstractItemView>
#include <QAction>
#include <QCheckBox>
#include <QTest>
#include <random>

using folio::statements::Business;
using folio::ui::Tab;

namespace {

// The books as the test keeps them: the accounts in file order and what the statements
// must show, worked out here by hand and not by the program's own rules.
struct Model {
    std::vector<AccountRecord> accounts;
    Money ending = Money::fromWhole(2500);

    // The balances of the accounts of a type code, or of a side (a code of one letter).
    Amounts sum(const QString& code) const {
        Amounts total;
        for (const AccountRecord& a : accounts) {
            total += (code.size() == 1 ? a.type.startsWith(code) : a.type == code) ? a.balances()
                                                                                   : Amounts();
        }
        return total;
    }
    Amounts netIncome() const {
        const Amounts cogs = sum("D1I") + sum("D5") - sum("C5") - Amounts::both(ending);
        return sum("C4") - sum("D4") - cogs - sum("D6");
    }
    bool balanced() const { return sum("D") == sum("C"); }
    Amounts endingRetained() const { return sum("C3") + netIncome() - sum("D3"); }
    Amounts assets() const { return sum("D1") + Amounts::both(ending) - sum("C1"); }
};

class ModelBased : public BooksFixture {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        FileTable::setDurable(false); // syncs change no outcome here, only the pace
        printInto(document);
    }
    void company() { setCompany(Business::Merchandising, model.ending, "1/31/2026"); }
    void postTo(std::size_t account, Money debit, Money credit) {
        postOnTab(static_cast<int>(account), formatCurrency(debit), formatCurrency(credit));
        move(account, debit, credit);
    }
    void move(std::size_t account, Money debit, Money credit) {
        AccountRecord& a = model.accounts[account];
        const Money by = a.type.startsWith(u'D') ? debit - credit : credit - debit;
        a.setBalances(a.balances() + Amounts::both(by));
    }

    // Undo and Redo as the model keeps them: the books before each journal entry a step
    // made (a step may make more than one), and those an Undo took back.
    std::int64_t lastSeq() { return window->session().journalStore().lastSeq(); }
    void recordSteps(const Model& before, std::int64_t seqBefore) {
        const std::int64_t made = lastSeq() - seqBefore;
        for (std::int64_t i = 0; i < made; ++i) {
            done.push_back(before);
            undone.clear();
        }
    }
    void undo() { step("mnuUndo", window->session().canUndo(), done, undone); }
    void redo() { step("mnuRedo", window->session().canRedo(), undone, done); }
    // The menu's Undo or Redo, and the model's: its books from one stack, the books now
    // onto the other.
    void step(const char* action, bool can, std::vector<Model>& from, std::vector<Model>& to) {
        EXPECT_EQ(can, !from.empty()) << action;
        window->findChild<QAction*>(QLatin1String(action))->trigger();
        if (!from.empty()) {
            to.push_back(model);
            model = from.back();
            from.pop_back();
        }
    }
    // A balanced entry of two debits and one credit; the last posting or balanced entry,
    // when nothing came after it, can then be reversed.
    void postBalanced(std::size_t a, std::size_t b, std::size_t c, Money amount) {
        const Money half = Money::fromRaw(amount.raw() / 200 * 100);
        const std::vector<journal::AmountLine> lines{
            {static_cast<int>(a) + 1, half, Money()},
            {static_cast<int>(b) + 1, amount - half, Money()},
            {static_cast<int>(c) + 1, Money(), amount}};
        const Model before = model;
        const std::int64_t seq = lastSeq();
        ASSERT_TRUE(
            window->session().postBalanced({QDate(2026, 2, 20), "balanced"}, lines).succeeded());
        for (const journal::AmountLine& line : lines) {
            move(static_cast<std::size_t>(line.record - 1), line.debit, line.credit);
        }
        recordSteps(before, seq);
        reversible = {lastSeq(), before};
    }
    void reverseLast() {
        const Model before = model;
        const std::int64_t seq = lastSeq();
        ASSERT_TRUE(window->session().reverse(reversible->first, "a mistake").succeeded());
        model = reversible->second;
        recordSteps(before, seq);
        reversible.reset();
    }
    // The journal view's running balance of each account, on its newest line, is the
    // account's balance as the model keeps it.
    void checkJournal() {
        journal::JournalModel view(window->session().journalStore());
        for (const AccountRecord& account : model.accounts) {
            view.setFilter({account.name, {}, {}});
            while (view.canFetchMore({})) {
                view.fetchMore({});
            }
            int last = 0; // the newest entry's last line for the account holds its balance
            while (last + 1 < view.rowCount() && view.entryAt(last + 1) == view.entryAt(0)) {
                ++last;
            }
            ASSERT_GT(view.rowCount(), 0) << account.name.toStdString();
            EXPECT_EQ(view.data(view.index(last, journal::JournalModel::Balance)).toString(),
                      formatCurrency(account.current))
                << account.name.toStdString();
        }
    }
    void check() {
        checkJournal();
        showTab(Tab::TrialBalance);
        const int rows = find<QAbstractItemView>("grdTAble")->model()->rowCount();
        ASSERT_EQ(rows, static_cast<int>(model.accounts.size()));
        EXPECT_EQ(text("txtDebit"), formatCurrency(model.sum("D").current));
        EXPECT_EQ(text("txtYtdCredits"), formatCurrency(model.sum("C").ytd));
        document = {};
        window->reports().print(reports::Report::TrialBalance);
        EXPECT_TRUE(
            document.lines().join("\n").contains(formatCurrency(model.sum("D").current).mid(1)));
        showTab(Tab::BalanceSheet);
        EXPECT_EQ(text("txtCapital"), formatCurrency(model.endingRetained().current));
        EXPECT_EQ(text("txtTotalCurrentAssets"), formatCurrency(model.assets().current));
        showTab(Tab::Equity);
        EXPECT_EQ(text("txtYearNet"), formatCurrency(model.netIncome().ytd));
    }
    void closeBooks(std::mt19937& random) {
        const bool monthly = random() % 2 == 0;
        showTab(Tab::BalanceSheet);
        dialogs.yesNoAnswers.push_back(true);
        QTest::mouseClick(find<QCheckBox>(monthly ? "chkMonthly" : "chkYearly"), Qt::LeftButton);
        const QString closed = file + (monthly ? " closed monthly" : " closed ytd");
        Model after{readAccounts(closed), model.ending};
        EXPECT_EQ(after.sum("D"), after.sum("C")) << "closed copy out of balance";
        EXPECT_EQ(after.sum("C3").current, model.endingRetained().current);
        file = closed;
        model = after;
        done.clear(); // Undo does not reach past a closing
        undone.clear();
        reversible.reset();
        selectFile(file);
        company();
    }

    // Shows an account on the setup tab through Search.
    void show(std::size_t account) {
        showTab(Tab::Setup);
        dialogs.inputAnswers.push_back(model.accounts[account].name);
        click("cmdSearch");
    }
    void rename(std::size_t account, const QString& name) {
        show(account);
        setText("txtAcctName", name);
        click(model.accounts.size() > 1 && account == 0 ? "cmdNext" : "cmdPrevious");
        model.accounts[account].name = name;
    }
    void remove(std::size_t account) {
        show(account);
        dialogs.yesNoAnswers.push_back(true);
        click("cmdDelete");
        model.accounts.erase(model.accounts.begin() + static_cast<std::ptrdiff_t>(account));
    }

    // The accounts of the file, its blank records left out.
    std::vector<AccountRecord> accountsHeld() const {
        std::vector<AccountRecord> held = readAccounts(file);
        std::erase_if(held, [](const AccountRecord& r) { return r.isBlank(); });
        return held;
    }

    void TearDown() override {
        FileTable::setDurable(true);
        BooksFixture::TearDown();
    }

    reports::RecordedDocument document;
    Model model;
    std::vector<Model> done;
    std::vector<Model> undone;
    std::optional<std::pair<std::int64_t, Model>> reversible;
    QString file;
};

TEST_F(ModelBased, RandomSessionsKeepTheBooksRight) {
    for (unsigned seed : {1u, 2u, 3u}) {
        std::mt19937 random(seed);
        model = Model{merchandisingBooks()};
        file = path(QStringLiteral("books%1.dat").arg(seed));
        writeAccounts(file, model.accounts);
        selectFile(file);
        company();
        done.clear();
        undone.clear();
        for (int step = 0; step < 120 && !HasFailure(); ++step) {
            const std::size_t a = random() % model.accounts.size();
            const std::size_t b = random() % model.accounts.size();
            const std::size_t c = random() % model.accounts.size();
            const Money amount =
                Money::fromRaw(static_cast<std::int64_t>(random() % 500000 + 1) * 100);
            const Model before = model;
            const std::int64_t seq = lastSeq();
            const bool wasReversible = reversible.has_value();
            bool recorded = false; // the step kept the model's Undo itself
            switch (random() % 14) {
            case 0:
            case 1:
            case 2: { // a balanced posting in two steps
                postTo(a, amount, Money());
                recordSteps(before, seq);
                const Model first = model;
                const std::int64_t firstSeq = lastSeq();
                postTo(b, Money(), amount);
                recordSteps(first, firstSeq);
                recorded = true;
                break;
            }
            case 3: { // a new account with no balance
                showTab(Tab::Setup);
                click("cmdNew");
                const QString name = QStringLiteral("Account %1").arg(step);
                setText("txtAcctName", name);
                const QString typed = random() % 2 ? "d6" : "C2";
                setText("txtAcctType", typed);
                click("cmdPrevious");
                model.accounts.push_back({name, typed.toUpper(), {}, {}});
                break;
            }
            case 4:
            case 5:
                check();
                break;
            case 6:
                showTab(random() % 2 ? Tab::IncomeStatement : Tab::Company);
                break;
            case 7:
                rename(a, QStringLiteral("Renamed %1").arg(step));
                break;
            case 8: // an account without a balance goes, so the books stay in balance
                if (model.accounts[a].balances().isZero()) {
                    remove(a);
                }
                break;
            case 9: // both halves of a two-step posting, so the books stay in balance
                undo();
                if (!model.balanced()) {
                    undo();
                }
                recorded = true;
                break;
            case 10:
                redo();
                if (!model.balanced()) {
                    redo();
                }
                recorded = true;
                break;
            case 11:
                postBalanced(a, b, c, amount);
                recorded = true;
                break;
            case 12:
                if (wasReversible) {
                    reverseLast();
                }
                recorded = true;
                break;
            default:
                if (step % 50 > 40) {
                    closeBooks(random);
                }
                recorded = true;
            }
            if (!recorded) {
                recordSteps(before, seq);
            }
            // Only a posting or balanced entry with nothing after it is reversed here.
            if (reversible && reversible->first != lastSeq()) {
                reversible.reset();
            }
            // The file and the model hold the same accounts.
            ASSERT_EQ(accountsHeld(), model.accounts) << "seed " << seed << " step " << step;
        }
        check();
        // Undoing every entry since the books were opened gives back the opening books.
        const std::vector<AccountRecord> opening =
            done.empty() ? model.accounts : done.front().accounts;
        while (!done.empty() && !HasFailure()) {
            undo();
        }
        EXPECT_FALSE(window->session().canUndo()) << "seed " << seed;
        EXPECT_EQ(accountsHeld(), opening) << "seed " << seed;
    }
}

} // namespace
