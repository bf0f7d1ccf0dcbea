// The statements computed as the file streams by equal those of the whole table read
// first: on the sample books and on random books with odd type fields, blank records, a
// short last record and sums too large to add up.
#include "data/file_table.h"
#include "statements/statement_chain.h"
#include "support/record_fixture.h"
#include "support/sample_books.h"
#include <QTemporaryDir>
#include <random>

using namespace folio::statements;

namespace {

using Visited = std::vector<std::pair<int, AccountRecord>>;

struct Figures {
    bool overflow = false;
    Statements s;
    std::vector<Visited> listed; // every account, then those of each of kCodes
};

const char* const kCodes[] = {"", "D1", "D1I", "C3", "C3C", "D5", "X"};

Figures figuresOf(const std::function<Statements()>& compute) {
    Figures f;
    try {
        f.s = compute();
    } catch (const MoneyOverflow&) {
        f.overflow = true;
        return f;
    }
    const auto visit = [](Visited& visited) {
        return [&visited](int n, const AccountRecord& a) { visited.emplace_back(n, a); };
    };
    f.s.forEachListed({}, visit(f.listed.emplace_back()));
    f.s.forEachListed({"C3", "D1I"}, visit(f.listed.emplace_back()));
    for (const char* code : kCodes) {
        f.s.forEachListed({code}, visit(f.listed.emplace_back()));
    }
    return f;
}

// The file at `path` read whole and streamed.
void expectSameFigures(const QString& path, const CompanyInfo& company) {
    FileTable files;
    files.open(1, path);
    const Figures table =
        figuresOf([&] { return computeStatements(AccountTable::read(files, 1), company); });
    const Figures streamed = figuresOf([&] { return computeStatements(files, 1, company); });
    ASSERT_EQ(streamed.overflow, table.overflow);
    EXPECT_EQ(streamed.s.trial.debits, table.s.trial.debits);
    EXPECT_EQ(streamed.s.trial.credits, table.s.trial.credits);
    EXPECT_EQ(streamed.s.missing, table.s.missing);
    EXPECT_EQ(streamed.s.income, table.s.income);
    EXPECT_EQ(streamed.s.equity, table.s.equity);
    EXPECT_EQ(streamed.s.balance, table.s.balance);
    EXPECT_EQ(streamed.s.closing, table.s.closing);
    EXPECT_EQ(streamed.listed, table.listed);
}

const CompanyInfo kCompanies[] = {
    {},
    {{}, {}, Business::Service, std::nullopt},
    {{}, {}, Business::Merchandising, std::nullopt},
    {{}, {}, Business::Merchandising, Money::fromWhole(2500)},
    {{}, {}, Business::Service, Money::fromWhole(-75)},
};

// A random record's bytes: type fields padded with blanks or NULs, off by a letter or a
// blank, names blank or not, amounts small or near the largest.
QByteArray randomRecord(std::mt19937& random) {
    static const char* const types[] = {"D1", "D1I", "C1", "C2", "C3C", "C3",  "D3",
                                        "C4", "D4",  "D5", "C5", "D6",  " D1", "d1",
                                        "D",  "C",   "X",  "",   "D1 I"};
    const auto pick = [&random](int n) { return static_cast<int>(random() % unsigned(n)); };
    if (pick(8) == 0) {
        return QByteArray(62, pick(2) == 0 ? '\0' : ' ');
    }
    AccountRecord a;
    a.name = pick(6) == 0 ? QString() : QStringLiteral("Account %1").arg(pick(1000));
    const auto amount = [&]() {
        return pick(80) == 0 ? Money::fromRaw(pick(2) == 0 ? INT64_MAX - pick(9) : INT64_MIN + 9)
                             : Money::fromRaw(std::int64_t{pick(2000001)} - 1000000);
    };
    a.current = amount();
    a.ytd = amount();
    QByteArray bytes = a.encodeBytes();
    QByteArray type(types[pick(std::size(types))]);
    type = type.leftJustified(6, pick(3) == 0 ? '\0' : ' ');
    bytes.replace(40, 6, type);
    return bytes;
}

TEST(StreamedStatements, SampleAndRandomBooksGiveTheSameFigures) {
    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("books.dat"));
    for (const auto& books : {merchandisingBooks(), serviceBooks()}) {
        writeAccounts(file, books);
        for (const CompanyInfo& company : kCompanies) {
            expectSameFigures(file, company);
        }
    }
    std::mt19937 random(24);
    for (int round = 0; round < 100; ++round) {
        QByteArray bytes;
        const int records = static_cast<int>(random() % 40);
        for (int i = 0; i < records; ++i) {
            bytes += randomRecord(random);
        }
        bytes += randomRecord(random).left(static_cast<qsizetype>(random() % 62)); // short last
        writeBytes(file, bytes);
        expectSameFigures(file, kCompanies[random() % std::size(kCompanies)]);
    }
}

} // namespace
