#include "accounts/setup_fixture.h"
#include "data/file_faults.h"
#include <QDir>

namespace {

using DeleteTest = SetupFixture;

std::vector<AccountRecord> named(const QStringList& names) {
    std::vector<AccountRecord> records;
    for (const QString& n : names) {
        records.push_back(account(n, "D1", "1", "2"));
    }
    return records;
}

QStringList namesIn(const QString& file) {
    QStringList names;
    for (const AccountRecord& r : readAccounts(file)) {
        names << r.trimmedName();
    }
    return names;
}

TEST_F(DeleteTest, RemovesTheShownRecordAndShowsItsFollower) {
    const struct {
        QStringList names;
        int deleted;
        QStringList left;
        const char* caption;
        const char* shown;
    } cases[] = {
        {{"A", "B", "C", "D"}, 2, {"A", "C", "D"}, "Record  2/ 3", "C"},
        {{"A", "B", "C", "D"}, 4, {"A", "B", "C"}, "Record  3/ 3", "C"},
        {{"A", "B", "C", "D"}, 1, {"B", "C", "D"}, "Record  1/ 3", "B"},
    };
    const QString file = enterSetup({});
    for (const auto& c : cases) {
        writeAccounts(file, named(c.names));
        reenter();
        goTo(c.deleted);
        setText("txtAcctName", "edited"); // edits of the deleted record go with it
        dialogs.yesNoAnswers = {true};
        click("cmdDelete");
        EXPECT_EQ(dialogs.shown.back().text, "Delete This Record?");
        EXPECT_EQ(namesIn(file), c.left);
        EXPECT_EQ(caption(), c.caption);
        EXPECT_EQ(text("txtAcctName"), c.shown);
        EXPECT_FALSE(QFile::exists(path("File.TMP")));
        EXPECT_FALSE(QFile::exists(QDir::current().filePath("File.TMP")));
        dialogs.reset();
    }
}

TEST_F(DeleteTest, DeletingTheOnlyRecordLeavesOneZeroRecord) {
    const QString file = enterSetup(named({"Cash"}));
    dialogs.yesNoAnswers = {true};
    click("cmdDelete");
    EXPECT_EQ(fileBytes(file), QByteArray(62, '\0'));
    EXPECT_EQ(caption(), "Record  1/ 1");
    for (const char* box : {"txtAcctName", "txtAcctType", "txtCurrentBalance", "txtYtdBalance"}) {
        EXPECT_EQ(text(box), QString()) << box;
    }
}

TEST_F(DeleteTest, AnsweringNoChangesNothing) {
    const QString file = enterSetup(named({"A", "B"}));
    const QByteArray before = fileBytes(file);
    goTo(2);
    click("cmdDelete");
    EXPECT_EQ(fileBytes(file), before);
    EXPECT_EQ(caption(), "Record  2/ 2");
    EXPECT_EQ(text("txtAcctName"), "B");
}

TEST_F(DeleteTest, FailureAtAnyStepLeavesTheFileWholeAndIsReported) {
    const auto records = named({"A", "B", "C", "D"});
    QByteArray expected;
    for (const AccountRecord& r : named({"A", "C", "D"})) {
        const RecordBytes bytes = r.encode();
        expected.append(reinterpret_cast<const char*>(bytes.data()), 62);
    }
    const QString file = enterSetup(records);
    const QByteArray original = fileBytes(file);
    for (long k = 1;; ++k) {
        ASSERT_LT(k, 100);
        writeAccounts(file, records);
        reenter();
        goTo(2);
        dialogs.reset();
        dialogs.yesNoAnswers = {true};
        FileFaults::failAt(k, 61);
        click("cmdDelete");
        const bool failed = FileFaults::operations() >= k;
        FileFaults::clear();
        EXPECT_FALSE(QFile::exists(path("File.TMP"))) << k;
        const QByteArray now = fileBytes(file);
        if (!failed) {
            EXPECT_EQ(now, expected);
            EXPECT_EQ(caption(), "Record  2/ 3");
            EXPECT_GT(k, 8); // the reads and the rewrite were all walked
            break;
        }
        EXPECT_TRUE(dialogs.messages().contains("Disk Full")) << k;
        if (now == original) {
            EXPECT_EQ(caption(), "Record  2/ 4") << k;
            EXPECT_EQ(text("txtAcctName"), "B") << k;
        } else {
            EXPECT_EQ(now, expected) << k;
            EXPECT_EQ(caption(), "Record  2/ 3") << k;
            EXPECT_NE(text("txtAcctName"), "B") << k;
        }
    }
}

} // namespace
