#pragma once
#include "journal/books_journal.h"
#include "journal/posting_math.h"
#include <QDialog>
#include <QString>
#include <optional>
#include <vector>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace folio::journal {

// The balanced entry: the user enters several lines, each an account with a debit or a
// credit, and posts them as one entry. Post is enabled only when there are two lines or
// more and the debits equal the credits to the cent; the line below the grid says what
// is missing.
class BalancedEntryDialog : public QDialog {
    Q_OBJECT
  public:
    // An account the lines may choose: its record number, name and type code.
    struct Account {
        int record;
        QString name;
        QString type;
    };

    explicit BalancedEntryDialog(std::vector<Account> accounts, QWidget* parent = nullptr);

    // The date, memo and lines as entered; empty lines are left out.
    std::optional<EntryNote> note() const;
    std::vector<AmountLine> lines() const;

    void addLineAtEnd();
    void removeChosenLine();
    // Fills a line (for a keyboard-less caller such as a test): account by list position.
    void setLine(int row, int account, const QString& debit, const QString& credit);

  private:
    // Adds an empty line at the end; gives its account box.
    QComboBox* addLine();
    void refresh();
    // The problem with the lines as entered, or empty when they can be posted.
    std::optional<QString> problem() const;

    std::vector<Account> accounts_;
    QLineEdit* dateBox_ = nullptr;
    QLineEdit* memoBox_ = nullptr;
    QTableWidget* linesGrid_ = nullptr;
    QLabel* totalsLabel_ = nullptr;
    QPushButton* postButton_ = nullptr;
};

} // namespace folio::journal
