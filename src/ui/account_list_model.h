#pragma once
#include "data/account_record.h"
#include "data/listed_rows.h"
#include <QAbstractTableModel>
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

namespace folio::ui {

// The accounts a grid lists: one row per account, with its record number, name, type and
// both balances. Texts are made only for the rows the view shows. The accounts are held
// (a grid that changes balances) or are a window of a listing read from the file as it is
// scrolled through.
class AccountListModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Column { Number, Name, Type, Current, Ytd, ColumnCount };

    explicit AccountListModel(QString ytdHeading, QObject* parent = nullptr);

    // Lists `numbers` (record numbers) of `records` (record n at index n - 1).
    void setAccounts(const std::vector<AccountRecord>& records, const std::vector<int>& numbers);
    // Lists `rows` accounts of a listing read from the file, from its row `first` (the
    // listing outlives the model's use of it).
    void setListing(ListedRows& listing, int first, int rows);
    void clear();
    // Changes the balances of one listed row.
    void setBalances(int row, const Amounts& balances);

    // The texts of a column that decide its width, found without making a text per row:
    // the longest names (letters differ in width, so a few of them), the highest and the
    // lowest amount, the highest record number, the longest type code.
    std::array<QStringList, ColumnCount> widestTexts() const;

    const AccountRecord& account(int row) const;
    int recordNumber(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;

  private:
    void changeRows(int after, const std::function<void()>& apply);

    QString ytdHeading_;
    ListedRows* listing_ = nullptr;
    std::vector<AccountRecord> records_;
    std::vector<int> numbers_;
    int first_ = 0; // the listing's row shown as the first
    int rows_ = 0;
};

} // namespace folio::ui
