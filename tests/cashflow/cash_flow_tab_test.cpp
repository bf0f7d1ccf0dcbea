#include "journal/cash_flow_classes.h"
#include "support/books_fixture.h"
#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QTableWidget>

namespace {

class CashFlowTabTest : public BooksFixture {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        openBooks({
            account("Cash", "D1", "5000", "5000"),
            account("Truck", "D1", "0", "0"),
            account("Accounts Payable", "C2", "0", "0"),
            account("Capital Stock", "C3C", "5000", "5000"),
            account("Fees Earned", "C4", "0", "0"),
        });
        window->company() = {QStringLiteral("Kestrow Hauling"), QStringLiteral("1/31/2026"),
                             statements::Business::Service, std::nullopt};
        // a truck for 3,000 cash and 1,000 on account; 800 of fees in cash
        window->journalMenu().postBalanced({}, {{2, money("3000"), {}}, {1, {}, money("3000")}});
        window->journalMenu().postBalanced({}, {{2, money("1000"), {}}, {3, {}, money("1000")}});
        window->journalMenu().postBalanced({}, {{1, money("800"), {}}, {5, {}, money("800")}});
    }
    QStringList rows() const {
        QStringList lines;
        auto* grid = find<QTableWidget>(QStringLiteral("grdCashFlows"));
        for (int row = 0; row < grid->rowCount(); ++row) {
            lines << grid->item(row, 0)->text().trimmed() + u'=' + grid->item(row, 1)->text();
        }
        return lines;
    }
};

// The first showing asks for the classes; the truck made investing, the statement lists
// its cash purchase there and the purchase on account apart, and the net change equals
// the change in cash.
TEST_F(CashFlowTabTest, TheClassesAskedFirstAreKeptAndShapeTheStatement) {
    showTab(ui::Tab::CashFlows);
    auto* dialog = find<QDialog>(QStringLiteral("dlgCashFlowClasses"));
    ASSERT_TRUE(dialog->isVisible());
    auto* truck = find<QComboBox>(QStringLiteral("cboCashFlowClass1"));
    EXPECT_EQ(truck->accessibleName(), QStringLiteral("Cash-flow class of Truck"));
    truck->setCurrentText(QStringLiteral("Investing"));
    dialog->accept();

    const QStringList shown = rows();
    EXPECT_TRUE(shown.contains(QStringLiteral("Net Income=$800.00")))
        << shown.join('|').toStdString();
    EXPECT_TRUE(shown.contains(QStringLiteral("Purchase of Truck=($3,000.00)")));
    EXPECT_TRUE(
        shown.contains(QStringLiteral("Truck acquired through Accounts Payable=$1,000.00")));
    EXPECT_FALSE(shown.contains(QStringLiteral("Increase in Accounts Payable=$1,000.00")));
    EXPECT_EQ(text(QStringLiteral("txtNetChange")), QStringLiteral("($2,200.00)"));
    EXPECT_EQ(text(QStringLiteral("txtCashChange")), QStringLiteral("($2,200.00)"));
    const auto kept = window->session().cashFlowClasses();
    ASSERT_TRUE(kept);
    EXPECT_EQ(kept->at(QStringLiteral("Truck")), statements::CashFlowClass::Investing);

    // shown again: no dialog, the same figures
    showTab(ui::Tab::BalanceSheet);
    showTab(ui::Tab::CashFlows);
    for (QDialog* open : window->findChildren<QDialog*>(QStringLiteral("dlgCashFlowClasses"))) {
        EXPECT_FALSE(open->isVisible());
    }
    EXPECT_EQ(rows(), shown);
}

TEST_F(CashFlowTabTest, CompareWithPriorPeriodSaysWhenTheBooksWereNeverClosed) {
    find<QAction>(QStringLiteral("mnuCompare"))->trigger();
    EXPECT_TRUE(window->reports().comparing());
    EXPECT_FALSE(window->reports().layout(reports::Report::BalanceSheet));
    EXPECT_TRUE(dialogs.messages().join('|').contains(QStringLiteral("no prior period")))
        << dialogs.messages().join('|').toStdString();
}

} // namespace
