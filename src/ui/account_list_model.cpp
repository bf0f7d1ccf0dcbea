#include "ui/account_list_model.h"
#include "data/file_error.h"
#include "data/text_rules.h"
#include <algorithm>

namespace folio::ui {

AccountListModel::AccountListModel(QString ytdHeading, QObject* parent)
    : QAbstractTableModel(parent), ytdHeading_(std::move(ytdHeading)) {}

void AccountListModel::setAccounts(const std::vector<AccountRecord>& records,
                                   const std::vector<int>& numbers) {
    changeRows(static_cast<int>(numbers.size()), [&] {
        listing_ = nullptr;
        first_ = 0;
        records_.assign(records.begin(), records.end()); // the memory held is used again
        numbers_.assign(numbers.begin(), numbers.end());
    });
}

void AccountListModel::setListing(ListedRows& listing, int first, int rows) {
    changeRows(rows, [&] {
        listing_ = &listing;
        first_ = first;
        records_.clear();
        numbers_.clear();
    });
}

void AccountListModel::changeRows(int after, const std::function<void()>& apply) {
    // Rows removed or added and the rest changed, rather than a reset of the whole model:
    // a reset makes the view measure its headers again, which cost more than the rows.
    const int before = rowCount();
    if (after < before) {
        beginRemoveRows({}, after, before - 1);
        rows_ = after;
        endRemoveRows();
    }
    if (after > before) {
        beginInsertRows({}, before, after - 1);
    }
    apply();
    rows_ = after;
    if (after > before) {
        endInsertRows();
    }
    const int changed = std::min(before, after);
    if (changed > 0) {
        emit dataChanged(index(0, 0), index(changed - 1, ColumnCount - 1));
    }
}

void AccountListModel::clear() {
    setAccounts({}, {});
}

void AccountListModel::setBalances(int row, const Amounts& balances) {
    records_[static_cast<std::size_t>(recordNumber(row) - 1)].setBalances(balances);
    emit dataChanged(index(row, Current), index(row, Ytd));
}

std::array<QStringList, AccountListModel::ColumnCount> AccountListModel::widestTexts() const {
    std::array<QStringList, ColumnCount> texts;
    ListingExtent held;
    if (listing_ == nullptr) {
        for (int row = 0; row < rowCount(); ++row) {
            held.add(recordNumber(row), account(row));
        }
    }
    const ListingExtent& extent = listing_ != nullptr ? listing_->extent() : held;
    if (extent.isEmpty()) {
        return texts;
    }
    texts[Number] = {QString::number(extent.highestNumber())};
    for (const QString& name : extent.longestNames()) {
        texts[Name].push_back(name);
    }
    texts[Type] = {extent.longestType()};
    texts[Current] = {formatCurrency(extent.highest().current),
                      formatCurrency(extent.lowest().current)};
    texts[Ytd] = {formatCurrency(extent.highest().ytd), formatCurrency(extent.lowest().ytd)};
    return texts;
}

const AccountRecord& AccountListModel::account(int row) const {
    if (listing_ != nullptr) {
        return listing_->at(first_ + row).account;
    }
    return records_[static_cast<std::size_t>(recordNumber(row) - 1)];
}

int AccountListModel::recordNumber(int row) const {
    if (listing_ != nullptr) {
        return listing_->at(first_ + row).number;
    }
    return numbers_[static_cast<std::size_t>(row)];
}

int AccountListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

int AccountListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AccountListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        const bool amount = column == Current || column == Ytd || column == Number;
        return QVariant::fromValue((amount ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    const bool tip = role == Qt::ToolTipRole && column == Name;
    if (!tip && role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
    try {
        const AccountRecord& a = account(index.row());
        switch (column) {
        case Number:
            return recordNumber(index.row());
        case Name:
            return a.name;
        case Type:
            return a.type;
        case Current:
            return formatCurrency(a.current);
        case Ytd:
            return formatCurrency(a.ytd);
        default:
            return {};
        }
    } catch (const FileError&) {
        return {}; // a row the file cannot give now stays empty; the next entry says why
    }
}

QVariant AccountListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole) {
        return QAbstractTableModel::headerData(section, orientation, role);
    }
    switch (section) {
    case Number:
        return QStringLiteral("AN.");
    case Name:
        return QStringLiteral("Account Title");
    case Type:
        return QStringLiteral("Type");
    case Current:
        return QStringLiteral("Current Balance");
    case Ytd:
        return ytdHeading_;
    default:
        return {};
    }
}

} // namespace folio::ui
