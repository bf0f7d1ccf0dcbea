// Books that no Folio wrote: odd lengths, random bytes, balances too large to add up. The
// tabs show what can be shown and report the rest with a plain message.
#include "books_actions.h"
#include <QRandomGenerator>

namespace {

using DamagedBooks = ActionsFixture;

const QString kTooLarge = "An amount in this file is too large for Folio to add up.";

TEST_F(DamagedBooks, RandomBytesAndOddLengthsNeverStopTheTabs) {
    const QString books = path("books.dat");
    QRandomGenerator random(62);
    for (int round = 0; round < 40; ++round) {
        QByteArray bytes(random.bounded(1, 62 * 60), '\0');
        for (char& byte : bytes) {
            byte = static_cast<char>(random.bounded(256));
        }
        if (round % 2 == 0) {
            // Plausible type codes, so the statements add the random balances up.
            for (qsizetype at = 40; at + 2 < bytes.size(); at += 62) {
                bytes[at] = "DC"[random.bounded(2)];
                bytes[at + 1] = "123456"[random.bounded(6)];
            }
        }
        writeBytes(books, bytes);
        selectFile(books);
        fillCompany();
        dialogs.reset();
        for (ui::Tab tab : {ui::Tab::Setup, ui::Tab::Posting, ui::Tab::TrialBalance,
                            ui::Tab::IncomeStatement, ui::Tab::Equity, ui::Tab::BalanceSheet}) {
            showFresh(tab);
        }
        for (const ShownDialog& shown : dialogs.shown) {
            EXPECT_NE(shown.kind, ShownDialog::Kind::Failure) << shown.text.toStdString();
        }
    }
}

TEST_F(DamagedBooks, BalancesTooLargeToAddUpAreReportedPlainly) {
    AccountRecord huge = account("Cash", "D1");
    huge.current = Money::fromRaw(INT64_MAX - 5);
    huge.ytd = Money::fromRaw(INT64_MAX - 5);
    AccountRecord second = huge;
    second.name = "Bank";
    AccountRecord fees = account("Fees Earned", "C4");
    fees.current = huge.current;
    fees.ytd = huge.ytd;
    AccountRecord more = fees;
    more.name = "Other Fees";
    const QString books = openBooks({huge, second, fees, more});
    fillCompany();
    for (ui::Tab tab : {ui::Tab::TrialBalance, ui::Tab::IncomeStatement}) {
        dialogs.reset();
        showFresh(tab);
        EXPECT_EQ(dialogs.messages(), QStringList{kTooLarge}) << "tab " << static_cast<int>(tab);
        ASSERT_FALSE(dialogs.shown.empty());
        EXPECT_EQ(dialogs.shown.back().icon, ui::MessageIcon::None);
    }
    dialogs.reset();
    showFresh(ui::Tab::Setup);
    EXPECT_EQ(text("txtAcctName"), "Cash");
    showFresh(ui::Tab::Posting);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_EQ(readAccounts(books).size(), 4u);
}

} // namespace
