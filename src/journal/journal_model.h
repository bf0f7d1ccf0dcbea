#pragma once
#include "data/money.h"
#include "journal/entry.h"
#include <QAbstractTableModel>
#include <QDate>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

namespace folio::journal {

class JournalStore;

// Which lines the journal view lists: all, or one account's (by its name at the time),
// within a range of the dates the user gave the entries.
struct JournalFilter {
    QString account; // empty: every account
    std::optional<QDate> from;
    std::optional<QDate> to;
};

// The journal as a table, newest entry first, one row per line: entry number, date, kind,
// memo, who made it, account, debit, credit and the account's balance after the entry (for one
// account, its running balance). Rows are read from the database a page at a time as the
// view asks for them, so the table opens at once however long the journal is.
class JournalModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Seq, Date, Kind, Memo, User, Account, Debit, Credit, Balance, ColumnCount };
    static constexpr int kPageEntries = 100;

    explicit JournalModel(JournalStore& store, QObject* parent = nullptr);

    // Shows the lines the filter lets through, from the newest again.
    void setFilter(const JournalFilter& filter);
    const JournalFilter& filter() const { return filter_; }
    // Reads the journal again (after a change), keeping the filter.
    void reload();
    // The entry a row belongs to; 0 for no row.
    std::int64_t entryAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

  private:
    struct Row {
        std::int64_t seq = 0;
        QDate date;
        EntryKind kind = EntryKind::Posting;
        QString memo;
        QString user;
        QString account;
        Money debit;
        Money credit;
        std::optional<Money> balance;
    };
    std::vector<Row> readPage();
    // Adds the rows of the entries kept as an image (see Entry::image) from `lowest` on.
    void addImageRows(std::vector<Row>& page, const QByteArray& images, std::int64_t lowest);

    JournalStore& store_;
    JournalFilter filter_;
    std::vector<Row> rows_;
    std::int64_t below_ = 0; // entries below this number are still to be read
    bool atEnd_ = false;
};

} // namespace folio::journal
