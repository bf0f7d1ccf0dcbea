#include "journal/balanced_entry_dialog.h"
#include "journal/journal_window.h"
#include "journal_fixture.h"
#include "support/fake_dialogs.h"
#include "support/sample_books.h"
#include <QPushButton>
#include <QTableView>

using namespace folio::journal;

namespace {

using JournalWindows = JournalFixture;

TEST(BalancedEntry, PostIsEnabledOnlyForTwoLinesOrMoreWhoseDebitsEqualTheCredits) {
    struct Case {
        std::vector<std::tuple<int, const char*, const char*>> lines; // account, debit, credit
        bool enabled;
    };
    const std::vector<Case> cases = {
        {{{0, "100", ""}, {1, "", "100"}}, true},
        {{{0, "100", ""}, {1, "", "99.99"}}, false},
        {{{0, "1,000.5", ""}, {1, "", "1000.50"}}, true},
        {{{0, "100", ""}}, false},
        {{{0, "100", "100"}, {1, "", ""}}, false},
        {{{0, "$1,000.00", ""}, {1, "", "600"}, {2, "", "400"}}, true},
        {{{0, "abc", ""}, {1, "", "100"}}, false},
        {{{-1, "100", ""}, {1, "", "100"}}, false}, // no account chosen
        {{{0, "-100", ""}, {1, "", "-100"}}, false},
    };
    for (const Case& each : cases) {
        BalancedEntryDialog dialog({{1, "Cash"}, {4, "Fees Earned"}, {7, "Rent Expense"}});
        int row = 0;
        for (const auto& [account, debit, credit] : each.lines) {
            dialog.setLine(row++, account, debit, credit);
        }
        auto* post = dialog.findChild<QPushButton*>("cmdPostEntry");
        EXPECT_EQ(post->isEnabled(), each.enabled) << std::get<1>(each.lines[0]);
    }
}

TEST_F(JournalWindows, ReverseAsksForAReasonAndShowsTheReversal) {
    start(serviceBooks());
    const std::int64_t posting = post(1, "300");
    FakeDialogs dialogs;
    std::vector<std::pair<std::int64_t, QString>> asked;
    JournalWindow window(store(), dialogs, [&](std::int64_t seq, const QString& reason) {
        asked.emplace_back(seq, reason);
        session.reverse(seq, reason);
        return true;
    });
    window.reload();
    window.cmdReverse_Click();
    EXPECT_EQ(dialogs.messages(), QStringList{"Choose the entry to reverse in the journal first."});

    window.grid()->setCurrentIndex(window.model().index(0, 0));
    dialogs.inputAnswers = {"", "posted to the wrong account"};
    window.cmdReverse_Click();
    window.cmdReverse_Click();
    EXPECT_EQ(asked, (std::vector<std::pair<std::int64_t, QString>>{
                         {posting, "posted to the wrong account"}}));
    EXPECT_EQ(window.model().index(0, JournalModel::Memo).data(), "posted to the wrong account");
    EXPECT_EQ(readAccounts(books)[0].current, money("18250.75"));
}

} // namespace
