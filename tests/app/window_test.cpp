#include "support/books_fixture.h"
#include "support/sample_books.h"
#include "support/widget_checks.h"
#include <QAbstractItemView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollArea>
#include <QTabWidget>
#include <QTest>

using folio::statements::Business;
using folio::ui::Tab;

namespace {

class Window : public BooksFixture {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        printInto(document);
    }
    reports::RecordedDocument document;
};

// The ending inventory is read as the other amounts are, or refused.
TEST_F(Window, EndingInventoryIsReadAsTyped) {
    openBooks(merchandisingBooks());
    showTab(Tab::Company);
    for (const auto& [typed, stored] : {std::pair{"$4,200.00", std::optional<Money>(money("4200"))},
                                        std::pair{"12abc", std::optional<Money>()}}) {
        dialogs.inputAnswers.push_back(QString::fromLatin1(typed));
        QTest::mouseClick(find<QRadioButton>(QStringLiteral("optMdse")), Qt::LeftButton);
        EXPECT_EQ(window->company().endingInventory, stored) << typed;
    }
    EXPECT_TRUE(
        dialogs.messages().last().contains("The ending inventory \"12abc\" is not an amount"));
}

// Printouts need no visit to their tab: the golden reports print without one.
TEST_F(Window, FigureBoxesAreReadOnly) {
    openBooks(merchandisingBooks());
    setCompany(Business::Merchandising, money("2500"));
    for (const char* tab :
         {"TrialBalanceTab", "IncomeStatementTab", "EquityTab", "BalanceSheetTab"}) {
        for (QLineEdit* box : find<QWidget>(QString::fromLatin1(tab))->findChildren<QLineEdit*>()) {
            EXPECT_TRUE(box->isReadOnly()) << box->objectName().toStdString();
            EXPECT_EQ(box->focusPolicy(), Qt::ClickFocus) << box->objectName().toStdString();
        }
    }
}

// A posting leaves a blank record after the accounts; New takes it, and the trial balance
// on screen counts the new account as the printed one does.
TEST_F(Window, NewAccountAfterAPostingIsCounted) {
    const QString file = openBooks(serviceBooks());
    postOnTab(0, QStringLiteral("150"));
    ASSERT_EQ(readAccounts(file).size(), 9u);
    showTab(Tab::Setup);
    click(QStringLiteral("cmdNew"));
    EXPECT_EQ(readAccounts(file).size(), 9u);
    EXPECT_TRUE(find<QLineEdit>(QStringLiteral("txtAcctName"))->hasFocus());
    setText(QStringLiteral("txtAcctName"), QStringLiteral("Notes Payable"));
    setText(QStringLiteral("txtAcctType"), QStringLiteral("c2"));
    setText(QStringLiteral("txtCurrentBalance"), QStringLiteral("150"));
    setText(QStringLiteral("txtYtdBalance"), QStringLiteral("150"));
    click(QStringLiteral("cmdPrevious"));
    EXPECT_EQ(readAccounts(file)[8], account("Notes Payable", "C2", "150", "150"));
    showTab(Tab::TrialBalance);
    EXPECT_EQ(find<QAbstractItemView>(QStringLiteral("grdTAble"))->model()->rowCount(), 9);
    EXPECT_EQ(text(QStringLiteral("txtDebit")), text(QStringLiteral("txtCredits")));
    EXPECT_EQ(find<QLabel>(QStringLiteral("lblBalance"))->text(), "In balance");
    window->reports().print(reports::Report::TrialBalance);
    EXPECT_TRUE(document.lines().join("\n").contains("Notes Payable"));
}

TEST_F(Window, ClosingAsksFirstNoWritesNothingAndYesNamesTheCopy) {
    const QString file = openBooks(serviceBooks());
    window->company().business = Business::Service;
    closeMonthly(false);
    EXPECT_TRUE(dialogs.shown.back().text.contains(file + QStringLiteral(" closed monthly")));
    EXPECT_FALSE(QFile::exists(file + QStringLiteral(" closed monthly")));
    EXPECT_TRUE(window->tabControl()->isVisible());
    closeMonthly(); // Yes: the closing names the copy it wrote
    EXPECT_TRUE(dialogs.messages().last().contains(file + QStringLiteral(" closed monthly")));
}

TEST_F(Window, AMissingInputLeadsToTheCompanyTab) {
    openBooks(merchandisingBooks());
    window->company().business = Business::Merchandising;
    showTab(Tab::BalanceSheet);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->shownTab(), Tab::Company);
    EXPECT_TRUE(dialogs.messages().last().contains("ending inventory"));
}

// Every box, list and grid carries a name for screen readers, every label is tied to a
// box, and no two controls of a tab share a mnemonic, nor one of a statement's tab and the
// comparison shown beside it.
TEST_F(Window, EveryControlIsNamedAndMnemonicsAreUnique) {
    auto* tabs = window->tabControl();
    for (int i = 0; i < tabs->count(); ++i) {
        QList<QWidget*> controls = tabs->widget(i)->findChildren<QWidget*>();
        if (i >= ui::indexOf(Tab::TrialBalance) && i <= ui::indexOf(Tab::CashFlows)) {
            controls += window->findChild<QWidget*>(QStringLiteral("ComparativePanel"))
                            ->findChildren<QWidget*>();
        }
        expectNamedWithUniqueMnemonics(controls, {}, tabs->tabText(i));
    }
}

// The trial balance and balance sheet tabs say in words whether the books balance; the
// balance sheet totals the liabilities and equity.
TEST_F(Window, TabsSayWhetherTheBooksBalance) {
    for (const char* cash : {"1000", "1100"}) {
        const bool balanced = QLatin1String(cash) == QLatin1String("1000");
        openBooks({account("Cash", "D1", cash, "1000"),
                   account("Capital Stock", "C3C", "600", "600"),
                   account("Sales", "C4", "400", "400")});
        window->company().business = Business::Service;
        showTab(Tab::TrialBalance);
        EXPECT_EQ(find<QLabel>(QStringLiteral("lblBalance"))->text(),
                  balanced ? "In balance"
                           : "Out of balance by $100.00 current; year to date in balance");
        showTab(Tab::BalanceSheet);
        EXPECT_EQ(text(QStringLiteral("txtTotalLiabilitiesEquity")), "$1,000.00");
        EXPECT_EQ(find<QLabel>(QStringLiteral("lblInBalance"))->text().section(u':', 0, 0),
                  balanced ? "In balance" : "Out of balance by $100.00");
    }
}

// Reopened books show the type of business Folio kept with them and uses.
TEST_F(Window, KeptBusinessTypeIsShownAfterReopening) {
    const QString file = openBooks(merchandisingBooks());
    setCompany(Business::Merchandising, money("2500"));
    showTab(Tab::Company);
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("optMdse"))->isChecked());
    showTab(Tab::TrialBalance);
    window = std::make_unique<app::MainWindow>(dialogs);
    selectFile(file);
    showTab(Tab::Company);
    EXPECT_TRUE(find<QRadioButton>(QStringLiteral("optMdse"))->isChecked());
    EXPECT_FALSE(find<QRadioButton>(QStringLiteral("optService"))->isChecked());
}

// In the smallest window every page scrolls and the tab row has arrows, so nothing is
// out of reach.
TEST_F(Window, EveryTabScrollsInTheSmallestWindow) {
    openBooks(merchandisingBooks());
    window->resize(window->minimumSize());
    auto* tabs = window->tabControl();
    EXPECT_TRUE(tabs->usesScrollButtons());
    for (int i = 0; i < tabs->count(); ++i) {
        auto* scroll = qobject_cast<QScrollArea*>(tabs->widget(i));
        ASSERT_NE(scroll, nullptr) << tabs->tabText(i).toStdString();
        EXPECT_NE(scroll->widget(), nullptr);
    }
    EXPECT_EQ(
        static_cast<QWidget*>(window->page(Tab::BalanceSheet))->parentWidget()->parentWidget(),
        tabs->widget(ui::indexOf(Tab::BalanceSheet)));
}

} // namespace
