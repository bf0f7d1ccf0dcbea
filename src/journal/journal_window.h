#pragma once
#include "journal/journal_model.h"
#include <QDialog>
#include <QStringList>
#include <cstdint>
#include <functional>

class QComboBox;
class QLineEdit;
class QPushButton;
class QTableView;

namespace folio::ui {
class Dialogs;
}

namespace folio::journal {

class JournalStore;

// The journal window: every entry, newest first, with a filter by account and by date
// range; for one account the balance column is its running balance. Reverse takes back
// the chosen posting or balanced entry with a reason and a date the user gives.
class JournalWindow : public QDialog {
    Q_OBJECT
  public:
    // What Reverse does with the chosen entry and the reason and date given; false when it
    // was refused or failed (it has said why).
    using Reverse = std::function<bool(std::int64_t seq, const QString& reason, const QDate& date)>;

    JournalWindow(JournalStore& store, ui::Dialogs& dialogs, Reverse reverse,
                  QWidget* parent = nullptr);

    // The account names the filter offers, in file order.
    void setAccounts(const QStringList& names);
    // Reads the journal again from the newest entry.
    void reload();
    JournalModel& model() { return *model_; }
    QTableView* grid() const { return entriesGrid_; }

    // Applies the account and the dates in the boxes; false after a message when a date
    // box holds no date.
    bool applyFilters();
    void reverseChosenEntry();

  protected:
    // Coming back to the window after the books changed elsewhere shows the new entries.
    void changeEvent(QEvent* event) override;

  private:
    void buildFilter();

    ui::Dialogs& dialogs_;
    Reverse reverse_;
    JournalStore& store_;
    std::int64_t shownUpTo_ = 0; // the newest entry when the rows were last read
    JournalModel* model_ = nullptr;
    QComboBox* accountChoice_ = nullptr;
    QLineEdit* fromBox_ = nullptr;
    QLineEdit* toBox_ = nullptr;
    QPushButton* showButton_ = nullptr;
    QPushButton* reverseButton_ = nullptr;
    QTableView* entriesGrid_ = nullptr;
};

} // namespace folio::journal
