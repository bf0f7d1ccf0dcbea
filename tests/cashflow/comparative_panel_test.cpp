#include "support/books_fixture.h"
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTableWidget>
#include <QTest>

namespace {

// Books of three months: 800 of fees in the first, 200 in the second (each closed into a
// copy), 50 so far in the third.
class ComparativePanelTest : public BooksFixture {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        first = openBooks({account("Cash", "D1", "5000", "5000"),
                           account("Capital Stock", "C3C", "5000", "5000"),
                           account("Fees Earned", "C4")});
        second = first + " closed monthly";
        third = second + " closed monthly";
        for (const char* fees : {"800", "200"}) {
            window->company().business = statements::Business::Service;
            earn(fees);
            closeMonthly();
            selectFile(window->books().path() + " closed monthly");
        }
        window->company().business = statements::Business::Service;
        earn("50");
    }
    void earn(const char* fees) {
        window->journalMenu().postBalanced({}, {{1, money(fees), {}}, {3, {}, money(fees)}});
    }
    // Line=current|prior|change|percent for each line of the comparative grid.
    QStringList rows() const {
        QStringList lines;
        auto* grid = find<QTableWidget>("grdComparative");
        for (int row = 0; row < grid->rowCount(); ++row) {
            QStringList cells;
            for (int column = 1; column < 5; ++column) {
                cells << grid->item(row, column)->text();
            }
            lines << grid->item(row, 0)->text().trimmed() + u'=' + cells.join(u'|');
        }
        return lines;
    }
    QString source() const { return find<QLabel>("lblPriorSource")->text(); }
    void choose(int index) {
        auto* books = find<QComboBox>("cboPriorBooks");
        books->setCurrentIndex(index);
        emit books->activated(index);
    }
    QString first, second, third;
};

TEST_F(ComparativePanelTest, TheSwitchShowsEachStatementBesideThePriorPeriodOrAnotherCopy) {
    ASSERT_EQ(window->books().path(), third);
    showTab(ui::Tab::BalanceSheet);
    auto* compare = find<QCheckBox>("chkCompare");
    auto* grid = find<QTableWidget>("grdComparative");
    ASSERT_TRUE(compare->isVisibleTo(window.get()));
    EXPECT_FALSE(grid->isVisibleTo(window.get()));
    QTest::mouseClick(compare, Qt::LeftButton);
    EXPECT_TRUE(find<QAction>("mnuCompare")->isChecked());
    EXPECT_TRUE(window->reports().comparing());
    EXPECT_TRUE(grid->isVisibleTo(window.get()));
    // the prior column: the second month's books as their closing left them
    EXPECT_TRUE(rows().contains("Cash=$6,050.00|$6,000.00|$50.00|0.8%"))
        << rows().join(u'\n').toStdString();
    EXPECT_TRUE(source().startsWith("Prior period: books.dat closed monthly as closed on"))
        << source().toStdString();
    showTab(ui::Tab::IncomeStatement);
    EXPECT_TRUE(rows().contains("Fees Earned=$50.00|$200.00|($150.00)|-75.0%"))
        << rows().join(u'\n').toStdString();

    // the earlier periods, newest first, and any other closed copy
    auto* books = find<QComboBox>("cboPriorBooks");
    ASSERT_EQ(books->count(), 3);
    EXPECT_EQ(books->itemText(0), "books.dat closed monthly (the period before)");
    EXPECT_EQ(books->itemText(1), "books.dat");
    EXPECT_EQ(books->itemText(2), "Other closed copy...");
    EXPECT_EQ(find<QLabel>("lblPriorBooks")->buddy(), books);
    choose(1);
    EXPECT_TRUE(rows().contains("Fees Earned=$50.00|$800.00|($750.00)|-93.8%"))
        << rows().join(u'\n').toStdString();
    EXPECT_TRUE(source().startsWith("Prior period: books.dat as closed on"));
    // the printout compares with the same books
    reports::RecordedDocument printed;
    printInto(printed);
    window->reports().print(reports::Report::IncomeStatement);
    EXPECT_EQ(printed.lines().filter("Prior period: books.dat as closed on").size(), 1)
        << printed.lines().join(u'\n').toStdString();
    // ... and so does the export
    ASSERT_TRUE(window->reports().exportTo(reports::Report::IncomeStatement, path("c.csv")));
    const QString exported = QString::fromUtf8(fileBytes(path("c.csv")));
    EXPECT_TRUE(exported.contains("Prior,Prior period: books.dat as closed on"));
    EXPECT_TRUE(exported.contains("Fees Earned,50.00,800.00,-750.00,-93.8%"))
        << exported.toStdString();

    // books never closed have no period to compare with: said beside the switch, no grid
    dialogs.fileNames.push_back(third);
    choose(2);
    EXPECT_TRUE(source().contains("was never closed")) << source().toStdString();
    EXPECT_EQ(grid->rowCount(), 0);
    EXPECT_EQ(books->currentText(), "books.dat closed monthly closed monthly");
    choose(0);
    EXPECT_TRUE(source().startsWith("Prior period: books.dat closed monthly as"));

    // the menu's switch is the same switch; other tabs show no comparison
    find<QAction>("mnuCompare")->trigger();
    EXPECT_FALSE(compare->isChecked());
    EXPECT_FALSE(grid->isVisibleTo(window.get()));
    showTab(ui::Tab::Posting);
    EXPECT_FALSE(find<QWidget>("ComparativePanel")->isVisibleTo(window.get()));

    // other books selected, on any tab, compare with their own period before
    choose(1);
    ASSERT_EQ(window->reports().priorBooks(), first);
    selectFile(second);
    EXPECT_TRUE(window->reports().priorBooks().isEmpty());
}

} // namespace
