#include "ui/account_list_model.h"
#include "data/text_rules.h"
#include <algorithm>

namespace folio::ui {

AccountListModel::AccountListModel(QString ytdHeading, QObject* parent)
    : QAbstractTableModel(parent), ytdHeading_(std::move(ytdHeading)) {}

void AccountListModel::setAccounts(std::vector<AccountRecord> records, std::vector<int> numbers) {
    // Rows removed or added and the rest changed, rather than a reset of the whole model:
    // a reset makes the view measure its headers again, which cost more than the rows.
    const int before = rowCount();
    const int after = static_cast<int>(numbers.size());
    if (after < before) {
        beginRemoveRows({}, after, before - 1);
        numbers_.resize(static_cast<std::size_t>(after));
        endRemoveRows();
    }
    if (after > before) {
        beginInsertRows({}, before, after - 1);
    }
    records_ = std::move(records);
    numbers_ = std::move(numbers);
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
    if (numbers_.empty()) {
        return texts;
    }
    // The rows of the longest names, longest first, and of the longest type code.
    constexpr std::size_t kNames = 8;
    std::vector<std::pair<qsizetype, int>> names;
    int longestType = 0;
    Amounts highest = account(0).balances();
    Amounts lowest = highest;
    for (int row = 0; row < rowCount(); ++row) {
        const AccountRecord& a = account(row);
        if (names.size() < kNames || a.name.size() > names.back().first) {
            const auto longer = [](const auto& x, const auto& y) { return x.first > y.first; };
            const std::pair entry{a.name.size(), row};
            names.insert(std::upper_bound(names.begin(), names.end(), entry, longer), entry);
            if (names.size() > kNames) {
                names.pop_back();
            }
        }
        if (a.type.size() > account(longestType).type.size()) {
            longestType = row;
        }
        highest.current = std::max(highest.current, a.current);
        highest.ytd = std::max(highest.ytd, a.ytd);
        lowest.current = std::min(lowest.current, a.current);
        lowest.ytd = std::min(lowest.ytd, a.ytd);
    }
    texts[Number] = {QString::number(*std::max_element(numbers_.begin(), numbers_.end()))};
    for (const auto& [size, row] : names) {
        texts[Name].push_back(account(row).name);
    }
    texts[Type] = {account(longestType).type};
    texts[Current] = {formatCurrency(highest.current), formatCurrency(lowest.current)};
    texts[Ytd] = {formatCurrency(highest.ytd), formatCurrency(lowest.ytd)};
    return texts;
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
