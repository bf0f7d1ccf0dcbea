#include "report_fixture.h"
#include <QDir>
#include <QFile>
#include <functional>

namespace {

// Golden page texts: an accounts file in, the recorded page lines out. Run with
// FOLIO_UPDATE_GOLDEN=1 to write the files afresh after a deliberate layout change.
class GoldenReports : public ReportFixture {
  protected:
    void SetUp() override {
        ReportFixture::SetUp();
        books.CompanyName = "Kestrow Supply Co.";
        window.boxes["txtDateOfStatements"] = "3/31/2024";
    }

    void expectGolden(const QString& name) {
        const QString file = QDir::cleanPath(QStringLiteral(FOLIO_TEST_DATA "/../golden/") + name);
        const QStringList actual = printed();
        if (qEnvironmentVariableIsSet("FOLIO_UPDATE_GOLDEN")) {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write((actual.join(u'\n') + u'\n').toUtf8());
        }
        QStringList expected = QString::fromUtf8(fileBytes(file)).split(u'\n');
        ASSERT_FALSE(expected.isEmpty()) << file.toStdString();
        expected.removeLast(); // the file ends with a line feed
        for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i) {
            EXPECT_EQ(actual.value(i, "<missing>").toStdString(),
                      expected.value(i, "<missing>").toStdString())
                << name.toStdString() << " line " << i + 1;
        }
    }
};

std::vector<AccountRecord> chartOfAccounts() {
    return {
        account("Cash", "D1", "12500.75", "30120.4"),
        account("Accounts Receivable", "D1", "3200", "3200"),
        account("Merchandise Inventory", "D1I", "2000", "2000"),
        account("Equipment", "D1", "8000", "8000"),
        account("Accum Deprec Equip", "C1", "800", "1600"),
        account("Accounts Payable", "C2", "1450.5", "1450.5"),
        account("Federal Unemp. Tax Payable", "C2", "-75", "42"),
        account("Capital Stock", "C3C", "10000", "10000"),
        account("Retained Earnings", "C3", "4100", "2500"),
        account("Sales", "C4", "18000", "52000"),
        account("Other Income", "C4", "250", "250"),
        account("Sales Returns & Allow.", "D4", "500", "1500"),
        account("Purchases", "D5", "6000", "21000"),
        account("Purchase Returns & Allow.", "C5", "300", "900"),
        account("Rent Expense", "D6", "1200", "3600"),
        account("Miscellaneous Expense", "D6", "85.255", "310"),
    };
}

TEST_F(GoldenReports, TrialBalance) {
    openBooks(chartOfAccounts());
    answerPrint(2);
    reports.cmdPrint_Click();
    expectGolden("trial_balance.txt");
}

TEST_F(GoldenReports, MerchandisingIncomeStatement) {
    openBooks(chartOfAccounts());
    books.BusinessType = "Mdse";
    books.EndingInventory = "2500";
    answerPrint(1);
    reports.cmdIsPrint_Click();
    expectGolden("income_merchandising.txt");
}

TEST_F(GoldenReports, ServiceIncomeStatement) {
    openBooks(chartOfAccounts());
    books.BusinessType = "Service";
    answerPrint(1);
    reports.cmdIsPrint_Click();
    expectGolden("income_service.txt");
}

TEST_F(GoldenReports, StockholdersEquity) {
    openBooks(chartOfAccounts());
    books.NetIncome = money("7414.75");
    books.YtdCapStock = money("10000");
    window.boxes["txtCapStock"] = "$10,000.00";
    window.boxes["txtEndCap"] = "$11,514.75";
    window.boxes["txtYtdEndCap"] = "$27,000.00";
    answerPrint(1);
    reports.cmdCapitalPrint_Click();
    expectGolden("equity.txt");
}

TEST_F(GoldenReports, BalanceSheet) {
    openBooks(chartOfAccounts());
    books.EndingInventory = "2500";
    books.BegCap = money("4100");
    books.YtdBegCap = money("2500");
    books.CapStock = money("10000");
    window.boxes["txtCapStock"] = "$10,000.00";
    window.boxes["txtytdCapStock"] = "$10,000.00";
    window.boxes["txtCapital"] = "$11,514.75";
    window.boxes["txtYtdEndCap"] = "$27,000.00";
    window.boxes["txtNI"] = "$7,414.75";
    window.boxes["txtYtdNI"] = "$24,500.00";
    answerPrint(1);
    reports.cmdPrintBs_Click();
    expectGolden("balance_sheet.txt");
}

} // namespace
