#include "bank/bank_store.h"
#include "bank/import_dialog.h"
#include "support/books_fixture.h"
#include "support/widget_checks.h"
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPrinter>
#include <QPushButton>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTimer>
#include <map>

namespace {

void expectNamedWithUniqueMnemonics(QWidget& w) {
    auto* menu = qobject_cast<QMenu*>(&w);
    ::expectNamedWithUniqueMnemonics(w.findChildren<QWidget*>(),
                                     menu ? menu->actions() : QList<QAction*>(), w.objectName());
}

class BankWindow : public BooksFixture {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        openBooks({account("Cash", "D1", "1000"), account("Sales", "C4"),
                   account("Utilities", "D5"), account("Bank Fees", "D5")});
        const QString rules = QStringLiteral(FOLIO_TEST_DATA "/march.rules");
        bank::BankStore(window->session().journalStore())
            .setRules(bank::RuleBook::fromFile(rules, fileBytes(rules)));
    }
    void trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }
    // Runs `act` on the modal window the next step opens, once it is up.
    void onModal(std::function<void(QWidget&)> act) {
        QTimer::singleShot(0, window.get(), [act] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            act(*modal);
        });
    }
    // File, Import Bank Statement... of the March statement into Cash, with the preview, if
    // one is shown, answered by `preview`.
    void importMarch(std::function<void(QWidget&)> preview = {}) {
        dialogs.fileNames = {QStringLiteral(FOLIO_TEST_DATA "/march.csv")};
        dialogs.choices = {0}; // the first account: Cash
        if (preview) {
            onModal(std::move(preview));
        }
        trigger("mnuImportStatement");
    }
    static void importAll(QWidget& modal) {
        auto* grid = modal.findChild<QTableWidget*>("grdImportPreview");
        ASSERT_NE(grid, nullptr);
        // The walk-in deposit matched no rule: it is left out until an account is picked.
        EXPECT_EQ(grid->item(2, bank::ImportDialog::Rule)->text(), "none");
        EXPECT_EQ(grid->item(2, bank::ImportDialog::Tick)->checkState(), Qt::Unchecked);
        grid->item(2, bank::ImportDialog::Account)->setText("Sales");
        EXPECT_EQ(grid->item(2, bank::ImportDialog::Tick)->checkState(), Qt::Checked);
        modal.findChild<QPushButton*>("cmdImport")->click();
    }
    Money cash() { return readAccounts(path("books.dat"))[0].current; }
};

TEST_F(BankWindow, ImportUndoImportAgainReconcilePrintAndRefuseToUndoTheReconciled) {
    importMarch(importAll);
    EXPECT_EQ(cash(), money("3522.13"));
    EXPECT_EQ(readAccounts(path("books.dat"))[2].current, money("97.77"));

    trigger("mnuUndo"); // the whole import is one step
    EXPECT_EQ(cash(), money("1000"));

    importMarch(importAll);
    EXPECT_EQ(cash(), money("3522.13"));

    dialogs.reset();
    importMarch(); // nothing new: no preview, a message
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].startsWith("Nothing new to import"));
    EXPECT_EQ(cash(), money("3522.13"));

    // Reconciled with the service charge outstanding, printed (to a PDF through the printer's
    // own code) and exported; then with every line cleared, finished and exported again.
    dialogs.reset();
    window->company().name = QStringLiteral("Kestrow Supply Co.");
    const QString printed = printIntoPdf("printed.pdf");
    dialogs.saveNames = {path("exported.pdf"), path("finished.pdf")};
    onModal([](QWidget& modal) {
        modal.findChild<QLineEdit*>("txtStatementDate")->setText("3/31/2026");
        modal.findChild<QLineEdit*>("txtEndingBalance")->setText("3,522.13");
        modal.findChild<QPushButton*>("cmdListLines")->click();
        auto* grid = modal.findChild<QTableWidget*>("grdReconcile");
        ASSERT_EQ(grid->rowCount(), 5);
        auto* finish = modal.findChild<QPushButton*>("cmdFinish");
        for (int row = 0; row < grid->rowCount(); ++row) {
            if (row == 4) {
                modal.findChild<QPushButton*>("cmdPrintReconciliation")->click();
                modal.findChild<QPushButton*>("cmdExportReconciliation")->click();
            }
            EXPECT_FALSE(finish->isEnabled()) << row;
            grid->item(row, 0)->setCheckState(Qt::Checked);
        }
        EXPECT_TRUE(finish->isEnabled()); // the difference is 0.00
        finish->click();
        EXPECT_FALSE(finish->isEnabled()); // recorded once; the ticks stay as finished
        EXPECT_FALSE(grid->item(0, 0)->flags() & Qt::ItemIsUserCheckable);
        modal.findChild<QPushButton*>("cmdExportReconciliation")->click();
        modal.findChild<QPushButton*>("cmdCloseReconcile")->click();
    });
    trigger("mnuReconcile");
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].contains("5 lines cleared"))
        << dialogs.messages()[0].toStdString();
    std::map<QString, QString> text; // of each report, read once
    for (const QString& pdf : {printed, path("exported.pdf"), path("finished.pdf")}) {
        text[pdf] = pdfText(pdf);
    }
    for (const QStringList& c : readCases(FOLIO_TEST_DATA "/reconciliation.cases")) {
        for (const QString& pdf : c[0] == u"finished"
                                      ? QStringList{path("finished.pdf")}
                                      : QStringList{printed, path("exported.pdf")}) {
            EXPECT_TRUE(text[pdf].contains(QRegularExpression(c[1])))
                << pdf.toStdString() << " lacks " << c[1].toStdString() << "\n"
                << text[pdf].toStdString();
        }
    }

    dialogs.reset();
    trigger("mnuUndo");
    ASSERT_EQ(dialogs.messages().size(), 1);
    EXPECT_TRUE(dialogs.messages()[0].contains("cannot be undone"))
        << dialogs.messages()[0].toStdString();
    EXPECT_TRUE(dialogs.messages()[0].contains("reconciliation of Cash to the statement of "
                                               "03/31/2026"));
    EXPECT_EQ(cash(), money("3522.13"));
}

TEST_F(BankWindow, EveryBankWindowIsNamedAndItsMnemonicsAreUnique) {
    importMarch([](QWidget& modal) {
        expectNamedWithUniqueMnemonics(modal);
        modal.findChild<QPushButton*>("cmdCancelImport")->click();
    });
    for (const char* action : {"mnuBankRules", "mnuReconcile"}) {
        onModal([](QWidget& modal) {
            expectNamedWithUniqueMnemonics(modal);
            static_cast<QDialog&>(modal).reject();
        });
        trigger(action);
    }
    for (QMenu* menu : window->findChildren<QMenu*>()) {
        expectNamedWithUniqueMnemonics(*menu);
    }
}

} // namespace
