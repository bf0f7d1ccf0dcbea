#include "data/books_state.h"
#include "support/books_fixture.h"
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTest>

namespace {

class CompanyTabTest : public BooksFixture {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        openBooks({account("Cash", "D1", "10")});
        showTab(7);
    }
    // Types into the date box and moves the focus on to the name box.
    void leaveDateBox(const QString& typed) {
        auto* date = find<QLineEdit>("txtDateOfStatements");
        date->setFocus(Qt::MouseFocusReason);
        date->setText(typed);
        find<QLineEdit>("txtCompany")->setFocus(Qt::MouseFocusReason);
    }
    bool checked(const char* option) { return find<QRadioButton>(option)->isChecked(); }
    BooksState& books() { return window->books(); }
};

TEST_F(CompanyTabTest, NameKeepsItsFirstFortyCharacters) {
    auto* name = find<QLineEdit>("txtCompany");
    name->setFocus();
    const QString typed = QStringLiteral("Northwind Trading Company of the Great Lakes"); // 44
    QTest::keyClicks(name, typed + QStringLiteral("XYZ"));
    EXPECT_EQ(name->text(), typed.left(40));
    EXPECT_EQ(books().CompanyName, typed.left(40));

    setText("txtCompany", QString(45, QLatin1Char('a'))); // pasted in one piece
    EXPECT_EQ(books().CompanyName, QString(40, QLatin1Char('a')));
}

TEST_F(CompanyTabTest, LeavingTheDateBoxWithANonDateEmptiesIt) {
    int beepsAtMessage = -1;
    dialogs.onMessage = [&](const QString&) { beepsAtMessage = dialogs.beeps; };
    for (const char* typed : {"hello", "", "31/31/06"}) {
        dialogs.reset();
        const int beeps = dialogs.beeps;
        leaveDateBox(QString::fromLatin1(typed));
        EXPECT_EQ(dialogs.messages(),
                  QStringList{QString::fromLatin1(typed) + " is not a valid date."});
        EXPECT_EQ(dialogs.last()->icon, MessageIcon::None);
        EXPECT_EQ(beepsAtMessage, beeps) << "the beep follows the message";
        EXPECT_EQ(dialogs.beeps, beeps + 1);
        EXPECT_EQ(text("txtDateOfStatements"), QString()) << typed;
        EXPECT_TRUE(find<QLineEdit>("txtDateOfStatements")->hasFocus()) << typed;
        EXPECT_EQ(window->tabControl()->currentIndex(), 7);
    }
}

TEST_F(CompanyTabTest, LeavingTheDateBoxWithADateKeepsIt) {
    for (const char* typed : {"1/5/06", "12/31/2006", "2006-01-05", "January 5, 2006"}) {
        leaveDateBox(QString::fromLatin1(typed));
        EXPECT_EQ(text("txtDateOfStatements"), QString::fromLatin1(typed));
    }
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(CompanyTabTest, ClickingAnotherTabAfterANonDateComesBackHere) {
    auto* date = find<QLineEdit>("txtDateOfStatements");
    date->setFocus(Qt::MouseFocusReason);
    date->setText("2/30/2006");
    showTab(3);
    QCoreApplication::processEvents();
    EXPECT_EQ(dialogs.messages(), QStringList{"2/30/2006 is not a valid date."});
    EXPECT_EQ(window->tabControl()->currentIndex(), 7);
    EXPECT_EQ(window->tabControl()->currentWidget()->objectName(), "CompanyTab");
    EXPECT_EQ(date->text(), QString());

    date->setFocus(Qt::MouseFocusReason);
    date->setText("3/1/2006");
    showTab(3);
    QCoreApplication::processEvents();
    EXPECT_EQ(window->tabControl()->currentIndex(), 3);
    EXPECT_EQ(window->tabControl()->currentWidget()->objectName(), "TrialBalanceTab");
    EXPECT_EQ(date->text(), "3/1/2006");
}

TEST_F(CompanyTabTest, MerchandisingCancelledStillChoosesMerchandising) {
    click("optMdse");
    ASSERT_GE(dialogs.shown.size(), 2u);
    const ShownDialog& prompt = dialogs.shown[dialogs.shown.size() - 2];
    EXPECT_EQ(prompt.kind, ShownDialog::Kind::Input);
    EXPECT_EQ(prompt.text, "Ending Inventory");
    EXPECT_EQ(prompt.title, "Ending Inventory Amount");
    EXPECT_EQ(dialogs.messages(), QStringList{"You must enter the amount of ending inventory"});
    EXPECT_EQ(dialogs.last()->icon, MessageIcon::None);
    EXPECT_EQ(books().BusinessType, "Mdse");
    EXPECT_EQ(books().EndingInventory, std::optional<QString>(QString()));
    EXPECT_FALSE(checked("optMdse"));
    EXPECT_EQ(window->tabControl()->currentIndex(), 7);

    // The statement then asks for the amount in its own words.
    dialogs.reset();
    showTab(4);
    EXPECT_EQ(dialogs.messages(), QStringList{"You need to enter the amount of ending inventory"});
    EXPECT_EQ(window->tabControl()->currentIndex(), 7);
}

TEST_F(CompanyTabTest, ServiceAfterMerchandisingKeepsTheAmount) {
    dialogs.inputAnswers.push_back("1500");
    click("optMdse");
    EXPECT_EQ(books().EndingInventory, std::optional<QString>("1500"));
    click("optService");
    EXPECT_EQ(books().BusinessType, "Service");
    EXPECT_EQ(books().EndingInventory, std::optional<QString>("1500"));
    EXPECT_TRUE(dialogs.messages().isEmpty());

    // Merchandising again asks again, as the option shows unselected.
    dialogs.inputAnswers.push_back("abc");
    click("optMdse");
    EXPECT_EQ(books().BusinessType, "Mdse");
    EXPECT_EQ(books().EndingInventory, std::optional<QString>("abc"));
}

TEST_F(CompanyTabTest, OkTakesTheSelectedOptionOnly) {
    click("Command1");
    EXPECT_EQ(books().BusinessType, QString());
    click("optService");
    books().BusinessType = "Mdse";
    click("Command1");
    EXPECT_EQ(books().BusinessType, "Service");
}

TEST_F(CompanyTabTest, CancelEmptiesTheBoxesButKeepsTheBusiness) {
    setText("txtCompany", "Acme Corporation");
    setText("txtDateOfStatements", "1/31/2006");
    click("optService");
    dialogs.inputAnswers.push_back("700");
    books().EndingInventory = "700";
    click("Command2");
    EXPECT_EQ(text("txtCompany"), QString());
    EXPECT_EQ(books().CompanyName, QString());
    EXPECT_EQ(text("txtDateOfStatements"), QString());
    EXPECT_FALSE(checked("optService"));
    EXPECT_FALSE(checked("optMdse"));
    EXPECT_TRUE(find<QLineEdit>("txtCompany")->hasFocus());
    EXPECT_EQ(books().BusinessType, "Service");
    EXPECT_EQ(books().EndingInventory, std::optional<QString>("700"));
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

} // namespace
