#include "journal/books_digest.h"
#include <gtest/gtest.h>

using namespace folio;
using namespace folio::journal;

namespace {

const std::vector<AccountRecord> kChart = {
    {QStringLiteral("Cash"), QStringLiteral("D1"), Money::fromWhole(100), Money()},
    {QStringLiteral("Sales"), QStringLiteral("C4"), Money::fromRaw(-2505000), Money::fromWhole(7)},
    AccountRecord::blank(),
};

// Journals keep the digest: the sum for these records is the one every earlier Folio stored.
TEST(BooksDigest, KeepsTheSumJournalsStored) {
    EXPECT_EQ(digestOfRecords(kChart).sum, 0x8322896eafc8765fU);
}

// A run of records mixed side by side, and records moved, give the sums of one at a time.
TEST(BooksDigest, RunsAndMovesSumAsRecordsOneAtATime) {
    for (int length = 0; length <= 9; ++length) {
        std::vector<RecordBytes> run;
        for (int i = 0; i < length; ++i) {
            run.push_back(kChart[static_cast<std::size_t>(i) % kChart.size()].encode());
        }
        BooksDigest alone;
        BooksDigest atTen;
        for (int i = 0; i < length; ++i) {
            const AccountRecord record = AccountRecord::decode(run[static_cast<std::size_t>(i)]);
            alone.add(3 + i, record);
            atTen.add(10 + i, record);
        }
        BooksDigest together;
        together.addRun(3, run);
        EXPECT_EQ(together.sum, alone.sum) << length;
        together.moved(3, 10, run);
        EXPECT_EQ(together.sum, atTen.sum) << length;
    }
}

} // namespace
