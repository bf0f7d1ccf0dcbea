#include "data/file_table.h"
#include "data/text_rules.h"
#include "support/books_fixture.h"
#include "support/recording_page_printer.h"
#include "support/sample_books.h"
#include <QAbstractItemView>
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

    Amounts sum(const char* code) const {
        Amounts total;
        for (const AccountRecord& a : accounts) {
            total += a.type == QLatin1String(code) ? a.balances() : Amounts();
        }
        return total;
    }
    Amounts side(QChar letter) const {
        Amounts total;
        for (const AccountRecord& a : accounts) {
            total += a.type.startsWith(letter) ? a.balances() : Amounts();
        }
        return total;
    }
    Amounts netIncome() const {
        const Amounts cogs = sum("D1I") + sum("D5") - sum("C5") - Amounts::both(ending);
        return sum("C4") - sum("D4") - cogs - sum("D6");
    }
    Amounts endingRetained() const { return sum("C3") + netIncome() - sum("D3"); }
    Amounts assets() const { return sum("D1") + Amounts::both(ending) - sum("C1"); }
};

class ModelBased : public BooksFixture {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        FileTable::setDurable(false); // syncs change no outcome here, only the pace
        window->reports().setPrinterFactory([this](QPrinter&, reports::PrinterSettings&) {
            return std::make_unique<reports::RecordingPagePrinter>(document, 0, 0);
        });
        dialogs.onPrint = [](QPrinter&) { return std::optional<int>(1); };
    }
    void company() {
        window->company() = {QStringLiteral("Model Co."), QStringLiteral("1/31/2026"),
                             Business::Merchandising, model.ending};
    }
    void postTo(std::size_t account, Money debit, Money credit) {
        showTab(Tab::Posting);
        auto* grid = find<QAbstractItemView>(QStringLiteral("MSFlexGrid3"));
        grid->setCurrentIndex(grid->model()->index(static_cast<int>(account), 1));
        setText(QStringLiteral("txtPostDebit"), formatCurrency(debit));
        setText(QStringLiteral("txtPostCredit"), formatCurrency(credit));
        click(QStringLiteral("cmdOKPost"));
        AccountRecord& a = model.accounts[account];
        const Money move = a.type.startsWith(u'D') ? debit - credit : credit - debit;
        a.setBalances(a.balances() + Amounts::both(move));
    }
    void check() {
        showTab(Tab::TrialBalance);
        const int rows = find<QAbstractItemView>(QStringLiteral("grdTAble"))->model()->rowCount();
        ASSERT_EQ(rows, static_cast<int>(model.accounts.size()));
        EXPECT_EQ(text(QStringLiteral("txtDebit")), formatCurrency(model.side(u'D').current));
        EXPECT_EQ(text(QStringLiteral("txtYtdCredits")), formatCurrency(model.side(u'C').ytd));
        document = {};
        window->reports().print(reports::Report::TrialBalance);
        EXPECT_TRUE(
            document.lines().join("\n").contains(formatCurrency(model.side(u'D').current).mid(1)));
        showTab(Tab::BalanceSheet);
        EXPECT_EQ(text(QStringLiteral("txtCapital")),
                  formatCurrency(model.endingRetained().current));
        EXPECT_EQ(text(QStringLiteral("txtTotalCurrentAssets")),
                  formatCurrency(model.assets().current));
        showTab(Tab::Equity);
        EXPECT_EQ(text(QStringLiteral("txtYearNet")), formatCurrency(model.netIncome().ytd));
    }
    void closeBooks(std::mt19937& random) {
        const bool monthly = random() % 2 == 0;
        showTab(Tab::BalanceSheet);
        dialogs.yesNoAnswers.push_back(true);
        QTest::mouseClick(
            find<QCheckBox>(monthly ? QStringLiteral("chkMonthly") : QStringLiteral("chkYearly")),
            Qt::LeftButton);
        const QString closed = file + (monthly ? " closed monthly" : " closed ytd");
        const auto records = readAccounts(closed);
        Model after{records, model.ending};
        EXPECT_EQ(after.side(u'D'), after.side(u'C')) << "closed copy out of balance";
        EXPECT_EQ(after.sum("C3").current, model.endingRetained().current);
        file = closed;
        model = after;
        selectFile(file);
        company();
    }

    // Shows an account on the setup tab through Search.
    void show(std::size_t account) {
        showTab(Tab::Setup);
        dialogs.inputAnswers.push_back(model.accounts[account].name);
        click(QStringLiteral("cmdSearch"));
    }
    void rename(std::size_t account, const QString& name) {
        show(account);
        setText(QStringLiteral("txtAcctName"), name);
        click(model.accounts.size() > 1 && account == 0 ? QStringLiteral("cmdNext")
                                                        : QStringLiteral("cmdPrevious"));
        model.accounts[account].name = name;
    }
    void remove(std::size_t account) {
        show(account);
        dialogs.yesNoAnswers.push_back(true);
        click(QStringLiteral("cmdDelete"));
        model.accounts.erase(model.accounts.begin() + static_cast<std::ptrdiff_t>(account));
    }

    void TearDown() override {
        FileTable::setDurable(true);
        BooksFixture::TearDown();
    }

    reports::RecordedDocument document;
    Model model;
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
        for (int step = 0; step < 120 && !HasFailure(); ++step) {
            const std::size_t a = random() % model.accounts.size();
            const std::size_t b = random() % model.accounts.size();
            const Money amount = Money::fromRaw(static_cast<std::int64_t>(random() % 500000) * 100);
            switch (random() % 10) {
            case 0:
            case 1:
            case 2: // a balanced posting in two steps
                postTo(a, amount, Money());
                postTo(b, Money(), amount);
                break;
            case 3: { // a new account with no balance
                showTab(Tab::Setup);
                click(QStringLiteral("cmdNew"));
                const QString name = QStringLiteral("Account %1").arg(step);
                setText(QStringLiteral("txtAcctName"), name);
                const QString typed = random() % 2 ? QStringLiteral("d6") : QStringLiteral("C2");
                setText(QStringLiteral("txtAcctType"), typed);
                click(QStringLiteral("cmdPrevious"));
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
            default:
                if (step % 50 > 40) {
                    closeBooks(random);
                }
            }
            // The file and the model hold the same accounts.
            std::vector<AccountRecord> held;
            for (const AccountRecord& r : readAccounts(file)) {
                if (!r.isBlank()) {
                    held.push_back(r);
                }
            }
            ASSERT_EQ(held.size(), model.accounts.size()) << "seed " << seed << " step " << step;
            for (std::size_t i = 0; i < held.size(); ++i) {
                ASSERT_EQ(held[i], model.accounts[i]) << "seed " << seed << " step " << step;
            }
        }
        check();
    }
}

} // namespace
