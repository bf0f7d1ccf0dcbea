#pragma once
#include "bank/reconciliation.h"
#include "bank/reconciliation_report.h"
#include "journal/file_image.h"
#include <QDialog>
#include <memory>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace folio::ui {
class Dialogs;
}
namespace folio::session {
class BooksSession;
}

namespace folio::bank {

// Journal, Reconcile Account...: the account, the statement's end date and ending
// balance; the account's unreconciled journal lines up to that date with tick boxes; the
// cleared balance and the difference. Finish is enabled only at a difference of 0.00; it
// records the reconciliation and leaves it on screen, its ticks fixed, to print.
class ReconcileWindow : public QDialog {
    Q_OBJECT
  public:
    // The reconciliation of the session's books, kept through it; `company` heads the
    // printed reconciliation.
    ReconcileWindow(session::BooksSession& session, const QString& company, ui::Dialogs& dialogs,
                    QWidget* parent = nullptr);
    ~ReconcileWindow() override;

    void listStatementLines();
    void finishReconciliation();
    void showChangesSinceLast();
    void printReconciliation();
    void exportReconciliationPdf();
    ReconciliationFigures figures() const;

  private:
    QLineEdit* addBox(QFormLayout& form, const char* name, const QString& caption);
    void itemChanged(QTableWidgetItem* item);
    void updateFigures();

    session::BooksSession& session_;
    journal::JournalStore& store_;
    journal::BooksFile books_;
    QString company_;
    ui::Dialogs& dialogs_;
    std::unique_ptr<Reconciler> reconciler_;
    QComboBox* account_ = nullptr;
    QLineEdit* date_ = nullptr;
    QLineEdit* ending_ = nullptr;
    QTableWidget* grid_ = nullptr;
    QLabel* cleared_ = nullptr;
    QLabel* difference_ = nullptr;
    QPushButton* finish_ = nullptr;
    QDate statementDate_;
    Money endingBalance_;
    bool finished_ = false; // the listed reconciliation is recorded
};

} // namespace folio::bank
