#include "bank/bank_store.h"
#include "bank/import_writer.h"
#include "bank/reconciliation.h"
#include "bank/statement_reader.h"
#include "data/file_error.h"
#include "data/file_faults.h"
#include "journal/journal_fixture.h"

namespace folio::bank {
namespace {

QString dataFile(const char* name) {
    return QStringLiteral(FOLIO_TEST_DATA "/") + QLatin1String(name);
}

// Payroll to Sales, the power company to Utilities with a memo, and charges of a dollar or
// less to Bank Fees.
RuleBook sampleRules() {
    return RuleBook::fromFile(dataFile("march.rules"), fileBytes(dataFile("march.rules")));
}

StatementLine line(const char* date, const char* description, const char* amount,
                   const char* id = "") {
    return {0, QDate::fromString(QLatin1String(date), Qt::ISODate),
            QString::fromLatin1(description), money(amount), QString::fromLatin1(id)};
}

class ImportFlow : public JournalFixture {
  protected:
    void SetUp() override {
        JournalFixture::SetUp();
        start({account("Cash", "D1", "1000"), account("Sales", "C4"), account("Utilities", "D5"),
               account("Bank Fees", "D5")});
    }
    ImportPlan plan(const Statement& statement, const RuleBook& rules = sampleRules()) {
        BankStore bank(store());
        return planImport(statement, QStringLiteral("Cash"), rules,
                          bank.history(QStringLiteral("Cash")),
                          {"Cash", "Sales", "Utilities", "Bank Fees"});
    }
    Statement ofx() { return readStatement(dataFile("checking_ofx1.ofx")).statement; }
    Money cash() { return session.books().get(1).current; }
};

TEST_F(ImportFlow, RulesPickTheAccountsAndTheImportIsOneUndoStep) {
    // The fee rule has no text: a rule must say what it looks for, so it is refused.
    BankRule textless = sampleRules().rules[2];
    textless.text.clear();
    EXPECT_TRUE(textless.problem().has_value());
    const RuleBook rules = sampleRules();
    const ImportPlan planned = plan(ofx(), rules);
    ASSERT_EQ(planned.lines.size(), 3U);
    EXPECT_EQ(planned.lines[0].account, QLatin1String("Sales"));
    EXPECT_EQ(planned.lines[1].account, QLatin1String("Utilities"));
    EXPECT_EQ(planned.lines[1].memo, QLatin1String("Electricity"));
    EXPECT_EQ(planned.lines[2].account, QLatin1String("Bank Fees"));
    EXPECT_EQ(planned.includedCount(), 3U);

    // What the import writes, and that a second import of the file writes nothing, is checked
    // by the import command's test.
    ASSERT_NE(writeImport(session, planned, dataFile("checking_ofx1.ofx")).seq, 0);
    EXPECT_EQ(session.books().get(3).current, money("45.67"));
    EXPECT_EQ(session.undoTitle(), QLatin1String("Bank statement import"));
    ASSERT_TRUE(session.undo().succeeded());
    EXPECT_EQ(cash(), money("1000"));
    EXPECT_EQ(plan(ofx(), rules).includedCount(), 3U); // taken back: new again
    ASSERT_TRUE(session.redo().succeeded());
    const ImportPlan again = plan(ofx(), rules); // put back: duplicates again
    EXPECT_EQ(again.includedCount(), 0U);
    EXPECT_EQ(again.lines[0].sameness, Sameness::Duplicate);
}

TEST_F(ImportFlow, LinesWithoutIdsAreJudgedByDateAmountAndDescription) {
    Statement first;
    first.lines = {line("2026-03-10", "DEPOSIT", "100"), line("2026-03-11", "PAYROLL", "50")};
    ImportPlan planned = plan(first);
    EXPECT_FALSE(planned.lines[0].included); // no rule: picked or left out, never a default
    planned.pick(0, QStringLiteral("Sales"));
    ASSERT_NE(writeImport(session, planned, QStringLiteral("a.csv")).seq, 0);

    Statement second;
    second.lines = {line("2026-03-10", "DEPOSIT", "100"), line("2026-03-13", "PAYROLL", "50"),
                    line("2026-03-15", "PAYROLL", "50"), line("2026-03-11", "PAYROLL", "51")};
    const ImportPlan judged = plan(second);
    const std::vector<Sameness> expected{Sameness::Duplicate, Sameness::Possible, Sameness::New,
                                         Sameness::New};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(judged.lines[i].sameness, expected[i]) << i;
    }
    EXPECT_FALSE(judged.lines[1].included); // the user decides
    EXPECT_TRUE(judged.lines[2].included);
}

TEST_F(ImportFlow, ReconcilingToTheCentAndUndoOfAReconciledEntryIsRefused) {
    const RuleBook rules = sampleRules();
    const std::int64_t seq =
        writeImport(session, plan(ofx(), rules), dataFile("checking_ofx1.ofx")).seq;
    post(1, "0", "10"); // a later withdrawal, after the statement date
    Reconciler reconciler(store(), QStringLiteral("Cash"), true, cash());
    reconciler.start(QDate(2026, 3, 31), money("3454.23"));
    ASSERT_EQ(reconciler.lines().size(), 3U); // the posting is dated today, after the statement
    reconciler.setCleared(0, true);
    reconciler.setCleared(1, true);
    EXPECT_EQ(reconciler.difference(), money("-0.10"));
    EXPECT_THROW(reconciler.finish(), journal::Refused);
    reconciler.setCleared(2, true);
    ASSERT_TRUE(reconciler.canFinish());
    const Reconciliation done = reconciler.finish();
    EXPECT_EQ(done.linesCleared, 3);

    ASSERT_TRUE(session.undo().succeeded()); // the posting after it is not reconciled
    const session::ChangeResult refused = session.undo();
    ASSERT_TRUE(refused.refused.has_value()) << "a reconciled entry was undone";
    EXPECT_FALSE(refused.tookEffect);
    EXPECT_TRUE(refused.refused->contains(QStringLiteral("Entry %1").arg(seq)));
    EXPECT_TRUE(refused.refused->contains(QLatin1String("03/31/2026")));
    EXPECT_EQ(cash(), money("3454.23"));
    // Past a closing, Undo names the closing that stops it, not the reconciliation.
    ASSERT_TRUE(session.close("Monthly closing", books + " closed monthly", readAccounts(books))
                    .succeeded());
    const session::ChangeResult closed = session.undo();
    ASSERT_TRUE(closed.refused.has_value());
    EXPECT_FALSE(closed.refused->contains(QLatin1String("reconciliation")))
        << closed.refused->toStdString();

    Reconciler next(store(), QStringLiteral("Cash"), true, cash());
    next.start(QDate(2026, 4, 30), money("3454.23"));
    EXPECT_TRUE(next.lines().empty());
    EXPECT_TRUE(next.canFinish());
    const auto changes = next.changesSinceLast();
    EXPECT_TRUE(std::any_of(changes.cbegin(), changes.cend(),
                            [](const AccountChange& c) { return c.kind == "Undo"; }));
}

TEST_F(ImportFlow, AnImportFailingAtAnyFileStepLeavesTheBooksAsTheyWere) {
    // The bank account takes a line of each statement line: it is written once, and a
    // failure puts back what it held before the import.
    const RuleBook rules = sampleRules();
    long k = 1;
    for (bool fired = true; fired; ++k) {
        start({account("Cash", "D1", "1000"), account("Sales", "C4"), account("Utilities", "D5"),
               account("Bank Fees", "D5")});
        const QByteArray before = fileBytes(books);
        const ImportPlan planned = plan(ofx(), rules);
        FileFaults::failAt(k, 61);
        const bool failed =
            writeImport(session, planned, dataFile("checking_ofx1.ofx")).failed.has_value();
        fired = FileFaults::operations() >= k;
        FileFaults::clear();
        EXPECT_EQ(failed, fired) << k;
        if (failed) {
            EXPECT_EQ(fileBytes(books), before) << k;
        }
    }
    EXPECT_GT(k, 4); // every record's write was among the failures
    EXPECT_EQ(cash(), money("3454.23"));
}

TEST(RuleFiles, RoundTripAndRefuseWhatIsWrong) {
    RuleBook rules = sampleRules();
    rules.rules[2].least = money("0.01");
    EXPECT_EQ(RuleBook::fromFile(QStringLiteral("r.json"), rules.toFile()), rules);
    EXPECT_THROW(RuleBook::fromFile(QStringLiteral("r.json"), "not json"), StatementError);
    QByteArray bad = rules.toFile();
    bad.replace("\"0.0100\"", "\"ten\"");
    try {
        RuleBook::fromFile(QStringLiteral("r.json"), bad);
        FAIL();
    } catch (const StatementError& error) {
        EXPECT_EQ(error.words(), QLatin1String("r.json: rule 3: \"ten\" is not an amount"));
    }
}

} // namespace
} // namespace folio::bank
