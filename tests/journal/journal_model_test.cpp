#include "journal/entry_chain.h"
#include "journal/journal_model.h"
#include "journal_fixture.h"
#include "support/sample_books.h"
#include <QAbstractItemModelTester>

using namespace folio::journal;

namespace {

using JournalView = JournalFixture;

QStringList column(const JournalModel& model, int column) {
    QStringList texts;
    for (int row = 0; row < model.rowCount(); ++row) {
        texts << model.index(row, column).data().toString();
    }
    return texts;
}

void fetchAll(JournalModel& model) {
    while (model.canFetchMore({})) {
        model.fetchMore({});
    }
}

TEST_F(JournalView, ListsNewestFirstAPageAtATimeAndFiltersByAccountAndDate) {
    start(serviceBooks());
    addPostings(250, QDate(2026, 11, 30));
    post(1, "100");
    session.postBalanced({QDate(2026, 12, 2), "wages"},
                         {{7, money("40"), Money()}, {1, Money(), money("40")}});
    JournalModel model(store());
    ASSERT_TRUE(model.canFetchMore({}));
    model.fetchMore({});
    EXPECT_EQ(model.rowCount(), 1 + JournalModel::kPageEntries);
    EXPECT_EQ(column(model, JournalModel::Seq).mid(0, 4),
              QStringList({"253", "253", "252", "251"}));
    EXPECT_EQ(column(model, JournalModel::Account).mid(0, 3),
              QStringList({"Salary Expense", "Cash", "Cash"}));
    EXPECT_EQ(column(model, JournalModel::Credit)[1], "$40.00");
    EXPECT_EQ(column(model, JournalModel::User)[0], loginName()); // who made the entry
    EXPECT_EQ(column(model, JournalModel::Balance).mid(1, 2),
              QStringList({"$18,310.75", "$18,350.75"}));
    QAbstractItemModelTester tester(&model);
    fetchAll(model);
    EXPECT_EQ(model.rowCount(), 2 + 1 + 250 + 8); // the opening lists every account

    model.setFilter({"Salary Expense", std::nullopt, std::nullopt});
    fetchAll(model);
    EXPECT_EQ(column(model, JournalModel::Balance), QStringList({"$2,889.25", "$2,849.25"}));

    model.setFilter({"", QDate(2026, 11, 1), QDate(2026, 11, 30)});
    fetchAll(model);
    EXPECT_EQ(model.rowCount(), 30);
    EXPECT_EQ(column(model, JournalModel::Date).first(), "11/30/2026");
    EXPECT_EQ(model.entryAt(0), 251);
}

} // namespace
