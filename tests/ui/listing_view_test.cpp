// The statements' grid over a long accounts file: the rows at its top, middle and end, the
// keys that move across the window of rows the view holds, and the scroll bar.
#include "data/books.h"
#include "data/text_rules.h"
#include "support/record_fixture.h"
#include "ui/listing_grid.h"
#include "ui/listing_view.h"
#include <QHeaderView>
#include <QKeySequence>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

using namespace folio::ui;

namespace {

constexpr int kRecords = 200'000;

// Record n: "Account n", its balance n dollars; every thousandth record is blank.
bool blankAt(int number) {
    return number % 1000 == 0;
}
AccountRecord recordAt(int number) {
    return {QStringLiteral("Account %1").arg(number), QStringLiteral("D1"),
            Money::fromRaw(std::int64_t{number} * 10000), Money::fromRaw(number)};
}
// The record number listed at a row (from 0): the blank records are not listed.
int numberAt(std::int64_t row) {
    const auto r = static_cast<int>(row);
    return r + r / 999 + 1;
}

class ListingViewTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder = new QTemporaryDir();
        QByteArray bytes;
        bytes.reserve(qsizetype{kRecords} * 62);
        const RecordBytes blank = AccountRecord::blank().encode();
        for (int number = 1; number <= kRecords; ++number) {
            const RecordBytes record = blankAt(number) ? blank : recordAt(number).encode();
            bytes.append(reinterpret_cast<const char*>(record.data()), 62);
        }
        writeBytes(folder->filePath(QStringLiteral("books.dat")), bytes);
    }
    static void TearDownTestSuite() { delete folder; }

    void SetUp() override {
        books.select(folder->filePath(QStringLiteral("books.dat")));
        grid.resize(640, 480);
        grid.show();
        list();
    }
    void list() {
        const FileTable::ChunkVisit visit = view().listBooks(books);
        books.files().scanChunks(books.handle(), books.recordCount(), visit);
        view().showListing();
    }
    ListingView& view() { return grid.view(); }
    std::int64_t page() const {
        return grid.view().viewport()->height() /
               grid.view().verticalHeader()->defaultSectionSize();
    }
    // The row is on the screen, its cells show its record, and the view holds a window only.
    void expectShown(std::int64_t row) {
        ASSERT_GE(row, view().topRow());
        ASSERT_LT(row, view().topRow() + page());
        const QModelIndex cell = view().cellOf(row, AccountListModel::Name);
        EXPECT_TRUE(view().viewport()->rect().contains(view().visualRect(cell))) << row;
        const int number = numberAt(row);
        EXPECT_EQ(cell.siblingAtColumn(AccountListModel::Number).data().toInt(), number);
        EXPECT_EQ(cell.data().toString(), recordAt(number).name) << row;
        EXPECT_EQ(cell.siblingAtColumn(AccountListModel::Current).data().toString(),
                  formatCurrency(recordAt(number).current));
        EXPECT_LE(view().model()->rowCount(), RowWindow::kHeld + page());
        EXPECT_EQ(view().verticalHeader()->count(), view().model()->rowCount());
    }

    static QTemporaryDir* folder;
    Books books;
    ListingGrid grid{QStringLiteral("grdTAble"), QStringLiteral("Trial Balance"),
                     QStringLiteral("Year To date Balance")};
};
QTemporaryDir* ListingViewTest::folder = nullptr;

// The keys move the chosen row across the rows held, the view's window following it: any row
// chosen or moved to, to the last, is its own account, shown on the screen.
TEST_F(ListingViewTest, KeysMoveAcrossTheWindow) {
    ASSERT_EQ(view().listedRows(), kRecords - kRecords / 1000); // every account
    const std::int64_t last = view().listedRows() - 1;
    for (const QStringList& c : readCases(FOLIO_TEST_DATA "/listing_keys.txt")) {
        const auto row = [last](const QString& field) {
            return field.startsWith(u"last") ? last + field.mid(4).toLongLong()
                                             : field.toLongLong();
        };
        const std::int64_t from = row(c[0]);
        const QKeyCombination key = QKeySequence(c[1])[0];
        if (from >= 0) {
            view().selectionModel()->setCurrentIndex(view().cellOf(from, 0),
                                                     QItemSelectionModel::ClearAndSelect |
                                                         QItemSelectionModel::Rows);
        } else {
            view().showAgain();
        }
        for (int i = 0; i < c[2].toInt(); ++i) {
            QTest::keyClick(&view(), key.key(), key.keyboardModifiers());
        }
        // Pages: a number of pages down from the row it started on, or up when negative.
        const std::int64_t to = c[3].endsWith(u"pages")
                                    ? from + page() * c[3].section(u' ', 0, 0).toLongLong()
                                    : row(c[3]);
        const std::string at = c.join(u'|').toStdString();
        EXPECT_EQ(view().chosenRow(), to) << at;
        const QModelIndexList chosen = view().selectionModel()->selectedRows();
        ASSERT_EQ(chosen.size(), 1) << at;
        EXPECT_EQ(chosen.first().data().toInt(), numberAt(to));
        EXPECT_EQ(view().currentIndex().row(), chosen.first().row());
        expectShown(to);
    }
}

// The grid's own bar reaches the end of the listing; the chosen row stays chosen while
// it is scrolled out of the window and back.
TEST_F(ListingViewTest, TheBarScrollsTheWholeListing) {
    auto* bar = grid.findChild<QScrollBar*>(QStringLiteral("grdTAbleRows"));
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    QTest::keyClick(&view(), Qt::Key_Down);
    QTest::keyClick(&view(), Qt::Key_Down);
    ASSERT_EQ(view().chosenRow(), 1);
    bar->setValue(bar->maximum());
    EXPECT_EQ(view().topRow(), view().listedRows() - page());
    expectShown(view().listedRows() - 1);
    EXPECT_TRUE(view().selectionModel()->selectedRows().isEmpty());
    bar->setValue(bar->maximum() / 2);
    expectShown(view().topRow());
    bar->setValue(0);
    EXPECT_EQ(view().chosenRow(), 1);
    ASSERT_EQ(view().selectionModel()->selectedRows().size(), 1);
    EXPECT_EQ(view().selectionModel()->selectedRows().first().data().toInt(), numberAt(1));
    QTest::keyClick(&view(), Qt::Key_Down);
    EXPECT_EQ(view().chosenRow(), 2);
}

} // namespace
