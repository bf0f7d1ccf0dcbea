// A chart of a few thousand accounts through the real window: every account is listed,
// totalled, printed onto as many pages as it needs and carried into the closed copy.
#include "data/file_error.h"
#include "data/file_faults.h"
#include "data/text_rules.h"
#include "support/books_fixture.h"
#include "ui/listing_view.h"
#include <QAbstractItemView>
#include <QRegularExpression>

using folio::statements::Business;
using folio::ui::Tab;

namespace {

constexpr int kAccounts = 3000;
constexpr int kBlank = 1234; // a record left blank by a deletion elsewhere

// One account of each balance sheet code, then revenue, returns and expenses in turn,
// with amounts in cents that differ from account to account.
std::vector<AccountRecord> largeChart() {
    const char* codes[] = {"D1", "C1", "C2", "C3C", "C3", "C4", "D4", "D6"};
    std::vector<AccountRecord> records;
    for (int i = 1; i <= kAccounts; ++i) {
        const char* code = codes[i <= 5 ? i - 1 : 5 + i % 3];
        records.push_back({QStringLiteral("Account %1 %2").arg(QLatin1String(code)).arg(i),
                           QLatin1String(code), Money::fromRaw((i * 7919 % 100000) * 100),
                           Money::fromRaw((i * 104729 % 1000000) * 100)});
    }
    records[kBlank - 1] = AccountRecord::blank();
    return records;
}

class LargeChart : public BooksFixture {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        file = openBooks(chart);
        setCompany(Business::Service);
    }
    Amounts sumOf(const QStringList& codes) const {
        Amounts sum;
        for (const AccountRecord& a : chart) {
            sum += codes.contains(a.type) ? a.balances() : Amounts();
        }
        return sum;
    }
    // The rows a grid lists: the statements' grids hold a window of them only.
    int rows(const char* grid) const {
        auto* view = find<QAbstractItemView>(QLatin1String(grid));
        if (auto* listing = qobject_cast<ui::ListingView*>(view)) {
            return static_cast<int>(listing->listedRows());
        }
        return view->model()->rowCount();
    }
    // The cell of a listed row, brought into view.
    QModelIndex cell(const char* grid, int row, int column) const {
        auto* view = find<QAbstractItemView>(QLatin1String(grid));
        if (auto* listing = qobject_cast<ui::ListingView*>(view)) {
            return listing->cellOf(row, column);
        }
        return view->model()->index(row, column);
    }

    const std::vector<AccountRecord> chart = largeChart();
    QString file;
};

// Every account is listed and totalled. The grids read the accounts from the file as they
// are scrolled to: the rows at the start, on both sides of each block read at a time, past
// the blank record and at the end are the right ones, in whatever order they are asked for.
TEST_F(LargeChart, EveryAccountIsListedAndTotalledAndShownAnywhere) {
    const Amounts debits = sumOf({"D1", "D4", "D6"});
    const Amounts credits = sumOf({"C1", "C2", "C3C", "C3", "C4"});
    const Amounts net = sumOf({"C4"}) - sumOf({"D4"}) - sumOf({"D6"});
    const struct {
        Tab tab;
        const char* grid;
        std::vector<std::pair<const char*, Money>> boxes;
    } cases[] = {
        {Tab::Posting, "MSFlexGrid3", {}},
        {Tab::TrialBalance,
         "grdTAble",
         {{"txtDebit", debits.current},
          {"txtYtdDebits", debits.ytd},
          {"txtCredits", credits.current},
          {"txtYtdCredits", credits.ytd}}},
        {Tab::IncomeStatement, "MSFlexGrid1", {{"txtNI", net.current}, {"txtYtdNI", net.ytd}}},
        {Tab::BalanceSheet,
         "MSFlexGrid2",
         {{"txtTotalCurrentAssets", sumOf({"D1"}).current - sumOf({"C1"}).current}}},
    };
    std::vector<int> listed;
    for (std::size_t i = 0; i < chart.size(); ++i) {
        if (!chart[i].isBlank()) {
            listed.push_back(static_cast<int>(i) + 1);
        }
    }
    for (const auto& c : cases) {
        showTab(c.tab);
        EXPECT_EQ(rows(c.grid), kAccounts - 1) << c.grid;
        for (const auto& [box, amount] : c.boxes) {
            EXPECT_EQ(text(QLatin1String(box)), formatCurrency(amount)) << box;
        }
        for (int row : {0, 1, 2998, 1022, 1023, 1232, 1233, 2046, 2047, 1500, 0, 2998}) {
            const int number = listed[static_cast<std::size_t>(row)];
            const AccountRecord& a = chart[static_cast<std::size_t>(number - 1)];
            if (c.tab != Tab::Posting) { // the posting grid lists names only
                EXPECT_EQ(cell(c.grid, row, 0).data().toInt(), number) << c.grid << " row " << row;
                EXPECT_EQ(cell(c.grid, row, 4).data().toString(), formatCurrency(a.ytd));
            }
            EXPECT_EQ(cell(c.grid, row, 1).data().toString(), a.name) << c.grid << " row " << row;
        }
    }
}

// A read that fails while the statements stream through the file is said in the
// program's words, and nothing stays listed.
TEST_F(LargeChart, AFailedReadIsSaid) {
    for (const auto& [tab, grid] :
         {std::pair{Tab::TrialBalance, "grdTAble"}, {Tab::BalanceSheet, "MSFlexGrid2"}}) {
        showTab(Tab::Blank);
        FileFaults::failAt(2, 57); // the file opened again, then its first chunk read
        showTab(tab);
        FileFaults::clear();
        EXPECT_EQ(dialogs.messages().last(), errorMessage(57)) << grid;
        EXPECT_EQ(rows(grid), 0);
    }
}

TEST_F(LargeChart, SearchFindsTheLastAccount) {
    showTab(Tab::Setup);
    dialogs.inputAnswers.push_back(chart.back().name.toLower());
    click(QStringLiteral("cmdSearch"));
    EXPECT_EQ(text(QStringLiteral("txtAcctName")), chart.back().name);
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

// How a page repeats its heading and ends with its number is held by the golden pages.
TEST_F(LargeChart, PrintoutRunsOntoAsManyPagesAsItNeeds) {
    reports::RecordedDocument paged;
    printInto(paged, 60);
    window->reports().print(reports::Report::TrialBalance);
    // Each page holds at most 60 lines and ends with its number; the pages hold every account,
    // in file order.
    ASSERT_GT(paged.pages.size(), static_cast<std::size_t>(kAccounts / 60));
    QStringList listed;
    for (std::size_t i = 0; i < paged.pages.size(); ++i) {
        EXPECT_LE(paged.pages[i].size(), 60);
        EXPECT_EQ(paged.pages[i].last().trimmed(), QStringLiteral("Page %1").arg(i + 1));
        listed << paged.pages[i].filter(QRegularExpression(QStringLiteral("^Account [CD]")));
    }
    QStringList expected;
    for (const AccountRecord& a : chart) {
        if (!a.isBlank()) {
            expected << a.name;
        }
    }
    ASSERT_EQ(listed.size(), expected.size());
    for (qsizetype i = 0; i < listed.size(); ++i) {
        EXPECT_TRUE(listed[i].contains(expected[i] + u' ')) << listed[i].toStdString();
    }
}

TEST_F(LargeChart, MonthlyClosingWritesEveryRecord) {
    const Amounts net = sumOf({"C4"}) - sumOf({"D4"}) - sumOf({"D6"});
    std::vector<AccountRecord> expected;
    for (AccountRecord a : chart) {
        if (a.isBlank()) {
            continue;
        }
        if (a.type == "C4" || a.type == "D4" || a.type == "D6") {
            a.current = Money();
        } else if (a.type == "C3") {
            a.current = a.current + net.current;
        }
        expected.push_back(a);
    }
    closeMonthly();
    EXPECT_EQ(readAccounts(file + QStringLiteral(" closed monthly")), expected);
    EXPECT_EQ(readAccounts(file), chart);
}

} // namespace
