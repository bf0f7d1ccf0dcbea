#include "journal/journal_model.h"
#include "data/text_rules.h"
#include "journal/file_image.h"
#include "journal/journal_store.h"
#include <algorithm>
#include <limits>

namespace folio::journal {

namespace {

// The conditions a filter adds to a query over entries `e` and lines `l`.
// The blank record a posting leaves after the accounts is part of its entry (Undo takes it
// back) but moves no amount and names no account, so the view leaves its line out.
QByteArray conditions(const JournalFilter& filter) {
    QByteArray where = "e.status = 1 AND e.seq < :below AND (l.name IS NULL OR l.name <> '' OR "
                       "l.debit <> 0 OR l.credit <> 0)";
    if (!filter.account.isEmpty()) {
        where += " AND l.name = :account";
    }
    if (filter.from) {
        where += " AND e.date >= :from";
    }
    if (filter.to) {
        where += " AND e.date <= :to";
    }
    return where;
}

// The entries kept as an image among those the filter's dates let through.
QByteArray imageEntries(const JournalFilter& filter) {
    QByteArray where = "FROM entries e WHERE e.status = 1 AND e.seq < :below AND e.seq IN "
                       "(SELECT seq FROM blocks)";
    if (filter.from) {
        where += " AND e.date >= :from";
    }
    if (filter.to) {
        where += " AND e.date <= :to";
    }
    return where;
}

void bindFilter(Statement& query, const JournalFilter& filter, std::int64_t below, int first) {
    query.bind(first++, below);
    if (!filter.account.isEmpty()) {
        query.bind(first++, filter.account);
    }
    if (filter.from) {
        query.bind(first++, filter.from->toString(Qt::ISODate));
    }
    if (filter.to) {
        query.bind(first, filter.to->toString(Qt::ISODate));
    }
}

QString amountText(Money amount) {
    return amount.isZero() ? QString() : formatCurrency(amount);
}

} // namespace

JournalModel::JournalModel(JournalStore& store, QObject* parent)
    : QAbstractTableModel(parent), store_(store) {
    below_ = std::numeric_limits<std::int64_t>::max();
}

void JournalModel::setFilter(const JournalFilter& filter) {
    filter_ = filter;
    reload();
}

void JournalModel::reload() {
    beginResetModel();
    rows_.clear();
    below_ = std::numeric_limits<std::int64_t>::max();
    atEnd_ = !store_.isOpen();
    endResetModel();
}

std::vector<JournalModel::Row> JournalModel::readPage() {
    // The numbers of the next page of entries, then their lines.
    const QByteArray join = filter_.account.isEmpty()
                                ? "FROM entries e LEFT JOIN lines l ON l.seq = e.seq WHERE "
                                : "FROM lines l JOIN entries e ON e.seq = l.seq WHERE ";
    const QByteArray where = conditions(filter_);
    // Entries kept as an image have no rows of lines: whether one of theirs passes the
    // filter is seen once they are read.
    const QByteArray images = imageEntries(filter_);
    Statement seqs(store_.database(),
                   "SELECT DISTINCT e.seq " + join + where +
                       (store_.keepsImages() ? " UNION SELECT e.seq " + images : QByteArray()) +
                       " ORDER BY 1 DESC LIMIT " + QByteArray::number(kPageEntries));
    bindFilter(seqs, filter_, below_, 1);
    std::int64_t lowest = below_;
    int entries = 0;
    while (seqs.step()) {
        lowest = seqs.integer(0);
        ++entries;
    }
    atEnd_ = entries < kPageEntries;
    std::vector<Row> page;
    if (entries == 0) {
        return page;
    }
    Statement lines(
        store_.database(),
        "SELECT e.seq, e.date, e.kind, e.memo, l.name, l.debit, l.credit, l.after, e.user " + join +
            where + " AND e.seq >= :lowest ORDER BY e.seq DESC, l.line");
    bindFilter(lines, filter_, below_, 1);
    lines.bind(2 + (filter_.account.isEmpty() ? 0 : 1) + (filter_.from ? 1 : 0) +
                   (filter_.to ? 1 : 0),
               lowest);
    while (lines.step()) {
        Row row;
        row.seq = lines.integer(0);
        row.date = QDate::fromString(lines.text(1), Qt::ISODate);
        row.kind = kindFromName(lines.text(2)).value_or(EntryKind::Posting);
        row.memo = lines.text(3);
        row.account = lines.text(4);
        row.debit = Money::fromRaw(lines.integer(5));
        row.credit = Money::fromRaw(lines.integer(6));
        if (const auto after = lines.blob(7)) {
            row.balance = recordAt(*after, 1).value_or(AccountRecord{}).current;
        }
        row.user = lines.text(8);
        page.push_back(row);
    }
    if (store_.keepsImages()) {
        addImageRows(page, images, lowest);
    }
    below_ = lowest;
    return page;
}

void JournalModel::addImageRows(std::vector<Row>& page, const QByteArray& images,
                                std::int64_t lowest) {
    std::vector<std::int64_t> seqs;
    {
        Statement query(store_.database(), "SELECT e.seq " + images + " AND e.seq >= :lowest");
        int at = 1;
        query.bind(at++, below_);
        if (filter_.from) {
            query.bind(at++, filter_.from->toString(Qt::ISODate));
        }
        if (filter_.to) {
            query.bind(at++, filter_.to->toString(Qt::ISODate));
        }
        query.bind(at, lowest);
        while (query.step()) {
            seqs.push_back(query.integer(0));
        }
    }
    if (seqs.empty()) {
        return;
    }
    // The row the join gives an entry without lines of its own is not one of its lines.
    std::erase_if(page, [&seqs](const Row& row) {
        return std::find(seqs.begin(), seqs.end(), row.seq) != seqs.end();
    });
    for (const std::int64_t seq : seqs) {
        const std::optional<Entry> entry = store_.entry(seq);
        if (!entry) {
            continue;
        }
        for (const Line& line : entry->lines) {
            if (line.name.isEmpty() ||
                (!filter_.account.isEmpty() && line.name != filter_.account)) {
                continue;
            }
            page.push_back({entry->seq, entry->date, entry->kind, entry->memo, entry->user,
                            line.name, line.debit, line.credit,
                            line.after ? std::optional<Money>(line.after->current) : std::nullopt});
        }
    }
    std::stable_sort(page.begin(), page.end(),
                     [](const Row& a, const Row& b) { return a.seq > b.seq; });
}

bool JournalModel::canFetchMore(const QModelIndex& parent) const {
    return !parent.isValid() && !atEnd_;
}

void JournalModel::fetchMore(const QModelIndex& parent) {
    if (parent.isValid() || atEnd_) {
        return;
    }
    std::vector<Row> page;
    try {
        page = readPage();
    } catch (const std::exception&) {
        atEnd_ = true; // an unreadable journal shows what was read
        return;
    }
    if (page.empty()) {
        return;
    }
    beginInsertRows(QModelIndex(), static_cast<int>(rows_.size()),
                    static_cast<int>(rows_.size() + page.size()) - 1);
    rows_.insert(rows_.end(), page.begin(), page.end());
    endInsertRows();
}

std::int64_t JournalModel::entryAt(int row) const {
    return row >= 0 && row < static_cast<int>(rows_.size())
               ? rows_[static_cast<std::size_t>(row)].seq
               : 0;
}

int JournalModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int JournalModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant JournalModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= static_cast<int>(rows_.size())) {
        return {};
    }
    const Row& row = rows_[static_cast<std::size_t>(index.row())];
    if (role == Qt::TextAlignmentRole) {
        const bool amount = index.column() >= Debit || index.column() == Seq;
        return QVariant::fromValue(Qt::Alignment(amount ? Qt::AlignRight : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (index.column()) {
    case Seq:
        return QString::number(row.seq);
    case Date:
        return row.date.toString(QStringLiteral("MM/dd/yyyy"));
    case Kind:
        return kindTitle(row.kind);
    case Memo:
        return row.memo;
    case User:
        return row.user;
    case Account:
        return row.account;
    case Debit:
        return amountText(row.debit);
    case Credit:
        return amountText(row.credit);
    case Balance:
        return row.balance ? formatCurrency(*row.balance) : QString();
    default:
        return {};
    }
}

QVariant JournalModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    static const std::array<const char*, ColumnCount> titles{
        "Entry", "Date", "Kind", "Memo", "User", "Account", "Debit", "Credit", "Balance"};
    return section >= 0 && section < ColumnCount
               ? QString::fromLatin1(titles[static_cast<std::size_t>(section)])
               : QVariant();
}

} // namespace folio::journal
