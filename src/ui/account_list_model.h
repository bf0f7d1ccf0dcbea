#pragma once
#include "data/account_record.h"
#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <vector>

namespace folio::ui {

// The accounts a grid lists: one row per account, with its record number, name, type and
// both balances. Texts are made only for the rows the view shows.
class AccountListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Number, Name, Type, Current, Ytd, ColumnCount };

    explicit AccountListModel(QString ytdHeading, QObject* parent = nullptr);

    // Lists `numbers` (record numbers) of `records` (record n at index n - 1).
    void setAccounts(std::vector<AccountRecord> records, std::vector<int> numbers);
    void clear();
    // Changes the balances of one listed row.
    void setBalances(int row, const Amounts& balances);

    // The texts of a column that decide its width, found without making a text per row:
    // the longest names (letters differ in width, so a few of them), the highest and the
    // lowest amount, the highest record number, the longest type code.
    std::array<QStringList, ColumnCount> widestTexts() const;

    const AccountRecord& account(int row) const;
    int recordNumber(int row) const { return numbers_[static_cast<std::size_t>(row)]; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    QString ytdHeading_;
    std::vector<AccountRecord> records_;
    std::vector<int> numbers_;
};

} // namespace folio::ui
