#include "journal/balanced_entry_dialog.h"
#include "journal/entry_date.h"
#include "journal/journal_window.h"
#include "journal_fixture.h"
#include "support/fake_dialogs.h"
#include "support/sample_books.h"
#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableView>
#include <QTest>

using namespace folio::journal;

namespace {

using JournalWindows = JournalFixture;

TEST(BalancedEntry, PostIsEnabledOnlyForTwoLinesOrMoreWhoseDebitsEqualTheCredits) {
    for (const QStringList& c : readCases(FOLIO_TEST_DATA "/balanced_entries.txt")) {
        BalancedEntryDialog dialog(
            {{1, "Cash", "D1"}, {4, "Fees Earned", "C4"}, {7, "Rent Expense", "D6"}});
        const QStringList lines = c[0].split(u';');
        for (int row = 0; row < lines.size(); ++row) {
            QStringList boxes = lines[row].split(u' ', Qt::SkipEmptyParts);
            boxes.replaceInStrings(QRegularExpression("^\\.$"), QString());
            dialog.setLine(row, boxes[0].toInt(), boxes[1], boxes[2]);
        }
        auto* post = dialog.findChild<QPushButton*>("cmdPostEntry");
        EXPECT_EQ(post->isEnabled(), c[1] == u"yes") << c[0].toStdString();
    }
}

// Alt+A adds a line and puts the focus in its account box, so the next keys choose its
// account; two accounts of one name are told apart by their type and record.
TEST(BalancedEntry, AddLineMovesToTheNewLineAndAccountsAreToldApart) {
    BalancedEntryDialog dialog({{1, "Cash", "D1"}, {2, "Cash", "D1"}, {3, "Fees", "C4"}});
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dialog));
    QTest::keyClick(&dialog, Qt::Key_A, Qt::AltModifier);
    // A mnemonic may click its button a moment after the key.
    QComboBox* third = nullptr;
    EXPECT_TRUE(QTest::qWaitFor([&] {
        third = dialog.findChild<QComboBox*>("cboEntryAccount3");
        return third != nullptr && QApplication::focusWidget() == third;
    }));
    ASSERT_NE(third, nullptr);
    EXPECT_EQ(third->itemText(1), "Cash (D1, record 1)");
    EXPECT_EQ(third->itemText(2), "Cash (D1, record 2)");
    EXPECT_EQ(dialog.findChild<QComboBox*>("cboEntryAccount1")->currentIndex(), 0);
}

TEST_F(JournalWindows, ReverseAsksForAReasonAndADateAndShowsTheReversal) {
    start(serviceBooks());
    const std::int64_t posting =
        session.post({QDate(2026, 1, 15), {}}, {1, money("300"), Money()}).seq;
    FakeDialogs dialogs;
    std::vector<std::tuple<std::int64_t, QString, QDate>> asked;
    JournalWindow window(store(), dialogs,
                         [&](std::int64_t seq, const QString& reason, const QDate& date) {
                             asked.emplace_back(seq, reason, date);
                             session.reverse(seq, reason, date);
                             return true;
                         });
    window.reload();
    window.reverseChosenEntry();
    EXPECT_EQ(dialogs.messages(), QStringList{"Choose the entry to reverse in the journal first."});

    window.grid()->setCurrentIndex(window.model().index(0, 0));
    // no reason; a date that is none; no date (Cancel); then a reason and the date offered
    dialogs.inputAnswers = {
        "",          "typed twice", "13/45/2026", "typed twice", "", "posted to the wrong account",
        "01/15/2026"};
    for (int click = 0; click < 4; ++click) {
        window.reverseChosenEntry();
    }
    EXPECT_EQ(dialogs.offered, shownDate(QDate(2026, 1, 15)));
    EXPECT_EQ(dialogs.messages().mid(1), (QStringList{
                                             "Entry 2 was not reversed: a reversal needs a reason.",
                                             folio::journal::notADateMessage("13/45/2026"),
                                             "Entry 2 was not reversed.",
                                         }));
    EXPECT_EQ(asked, (std::vector<std::tuple<std::int64_t, QString, QDate>>{
                         {posting, "posted to the wrong account", QDate(2026, 1, 15)}}));
    EXPECT_EQ(window.model().index(0, JournalModel::Memo).data(), "posted to the wrong account");
    EXPECT_EQ(store().entry(posting + 1)->date, QDate(2026, 1, 15));
    EXPECT_EQ(readAccounts(books)[0].current, money("18250.75"));
}

} // namespace
