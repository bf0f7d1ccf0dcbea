#include "ui/account_list_model.h"
#include "data/text_rules.h"

namespace folio::ui {

AccountListModel::AccountListModel(QString ytdHeading, QObject* parent)
    : QAbstractTableModel(parent), ytdHeading_(std::move(ytdHeading)) {}

void AccountListModel::setAccounts(std::vector<AccountRecord> records, std::vector<int> numbers) {
    beginResetModel();
    records_ = std::move(records);
    numbers_ = std::move(numbers);
    endResetModel();
}

void AccountListModel::clear() {
    setAccounts({}, {});
}

void AccountListModel::setBalances(int row, const Amounts& balances) {
    records_[static_cast<std::size_t>(recordNumber(row) - 1)].setBalances(balances);
    emit dataChanged(index(row, Current), index(row, Ytd));
}

const AccountRecord& AccountListModel::account(int row) const {
    return records_[static_cast<std::size_t>(recordNumber(row) - 1)];
}

int AccountListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(numbers_.size());
}

int AccountListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : ColumnCount;
}

QVariant AccountListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    const AccountRecord& a = account(index.row());
    const int column = index.column();
    if (role == Qt::TextAlignmentRole) {
        const bool amount = column == Current || column == Ytd || column == Number;
        return QVariant::fromValue((amount ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    }
    if (role == Qt::ToolTipRole && column == Name) {
        return a.name;
    }
    if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) {
        return {};
    }
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
