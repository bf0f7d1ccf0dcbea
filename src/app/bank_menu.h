#pragma once
#include "bank/statement_reader.h"
#include <QObject>
#include <QStringList>
#include <optional>

class QMenu;
class QWidget;

namespace folio {
namespace session {
class BooksSession;
}
namespace ui {
class Dialogs;
}
namespace bank {
class BankStore;
}
} // namespace folio

namespace folio::app {

// File, Import Bank Statement... and Bank Rules..., and Journal, Reconcile Account...:
// the statement file and its questions, the preview, and the write through the books session.
class BankMenu : public QObject {
    Q_OBJECT
  public:
    BankMenu(QWidget& window, session::BooksSession& session, ui::Dialogs& dialogs);

    // Adds the import and rules items to the File menu and the reconciliation to the
    // Journal menu.
    void build(QMenu& file, QMenu& journal);

    void importBankStatement();
    void editBankRules();
    void reconcileAccount();
    // Imports a statement file into an account as the menu item does after its dialogs.
    void importFile(const QString& path, const QString& bankAccount);

  private:
    bool ready();
    QStringList accountNames();
    // The statement with the user's answers to its questions; empty when cancelled.
    std::optional<bank::Statement> readAsking(const QString& path, bank::BankStore& store);
    std::optional<bank::CsvLayout> askColumns(const QStringList& firstRow);

    QWidget& window_;
    session::BooksSession& session_;
    ui::Dialogs& dialogs_;
    QString lastFile_;
};

} // namespace folio::app
