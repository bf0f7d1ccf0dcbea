// Takes a screenshot of every tab of the real window over a chart of 40 merchandising
// accounts, at the size asked for and at the window's smallest size. Run it on a display
// (scripts/screenshots starts one under Xvfb): screenshot_tour OUTPUT_FOLDER [WIDTH HEIGHT]
#include "accounts/starter_charts.h"
#include "app/main_window.h"
#include "data/account_record.h"
#include "data/file_table.h"
#include "data/text_rules.h"
#include "ui/dialogs.h"
#include "ui/print_preview_dialog.h"
#include "ui/qt_dialogs.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFocusEvent>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <cstdio>

namespace {

// Dialogs answered without a person; every message is written to the terminal.
void settle();

class TourDialogs : public folio::ui::Dialogs {
  public:
    QString books;
    QString folder;
    bool yes = false; // the answer to every question
    void beep() override {}
    void message(const QString& text, folio::ui::MessageIcon) override { say(text); }
    bool askYesNo(const QString& text) override { return say(text), yes; }
    bool failure(const QString& text) override { return say(text), false; }
    QString inputBox(const QString&, const QString&, const QString&) override {
        return QStringLiteral("18500");
    }
    std::optional<QString> openFileName(const QString&) override { return books; }
    std::optional<int> choosePrinter(QPrinter&) override { return std::nullopt; }
    std::optional<int> chooseOne(const QString&, const QStringList&) override { return 0; }
    // The real preview, photographed and closed.
    bool previewPrint(QPrinter& printer, const std::function<void(QPrinter&)>& render) override {
        folio::ui::PrintPreviewDialog preview(printer, render);
        preview.resize(800, 780);
        preview.show();
        settle();
        preview.grab().save(QDir(folder).filePath(QStringLiteral("preview.png")));
        return false;
    }
    std::optional<QString> saveFileName(const QString&, const QString&,
                                        const QStringList&) override {
        return std::nullopt;
    }

  private:
    static void say(const QString& text) {
        std::fprintf(stderr, "message: %s\n", qPrintable(text));
    }
};

struct Line {
    const char* name;
    const char* type;
    const char* current;
    const char* ytd;
};

// Forty accounts of a merchandising corporation, debits equal to credits in both columns.
constexpr Line kChart[] = {
    {"Cash", "D1", "48210.35", "61200.10"},
    {"Notes Receivable", "D1", "5000", "5000"},
    {"Accounts Receivable", "D1", "12840.5", "14310"},
    {"Merchandise Inventory", "D1I", "21500", "21500"},
    {"Supplies", "D1", "1320.4", "1320.4"},
    {"Prepaid Insurance", "D1", "2400", "2400"},
    {"Furniture & Fixtures", "D1", "18000", "18000"},
    {"Accum Deprec Furniture", "C1", "3600", "3600"},
    {"Equipment", "D1", "42000", "42000"},
    {"Accum Deprec Equip", "C1", "8400", "8400"},
    {"Notes Payable", "C2", "15000", "15000"},
    {"Accounts Payable", "C2", "9875.25", "9875.25"},
    {"Federal Income Tax Payable", "C2", "3150", "3150"},
    {"FICA Tax Payable", "C2", "1377", "1377"},
    {"Federal Unemp. Tax Payable", "C2", "144", "144"},
    {"State Unemp. Tax Payable", "C2", "486", "486"},
    {"Sales Tax Payable", "C2", "2210.6", "2210.6"},
    {"SDI Tax Payable", "C2", "162", "162"},
    {"Long-Term Notes Payable to Stockholders", "C2", "20000", "20000"},
    {"Capital Stock", "C3C", "60000", "60000"},
    {"Retained Earnings", "C3", "17685.8", "17897"},
    {"Sales", "C4", "92400", "188650"},
    {"Sales Returns & Allow.", "D4", "1850", "3900"},
    {"Other Income", "C4", "420", "980"},
    {"Purchases", "D5", "51200", "101400"},
    {"Purchase Returns & Allow.", "C5", "1300", "2550"},
    {"Salary Expense", "D6", "18000", "36000"},
    {"Payroll Taxes Expense", "D6", "1620", "3240"},
    {"Rent Expense", "D6", "4500", "9000"},
    {"Utilities Expense", "D6", "860.15", "1690.3"},
    {"Advertising Expense", "D6", "1250", "2310"},
    {"Supplies Expense", "D6", "410.5", "805.25"},
    {"Insurance Expense", "D6", "400", "800"},
    {"Depreciation Expense", "D6", "1000", "2000"},
    {"Interest Expense", "D6", "125", "250"},
    {"Legal and Accounting", "D6", "950", "1900"},
    {"Sublabor Expense", "D6", "2200", "4400"},
    {"Bad Debts Expense", "D6", "310", "610"},
    {"Miscellaneous Expense", "D6", "263.75", "445.8"},
    {"Other Liabilities", "C2", "0", "0"},
};
static_assert(std::size(kChart) == 40);

void writeChart(const QString& path) {
    std::vector<folio::AccountRecord> records;
    for (const Line& line : kChart) {
        folio::AccountRecord record;
        record.name = QLatin1String(line.name);
        record.type = QLatin1String(line.type);
        record.current = folio::parseAmount(QLatin1String(line.current)).value_or(folio::Money());
        record.ytd = folio::parseAmount(QLatin1String(line.ytd)).value_or(folio::Money());
        records.push_back(record);
    }
    QFile::remove(path);
    folio::FileTable::replaceWhole(path, records);
}

void settle() {
    for (int i = 0; i < 5; ++i) {
        QApplication::processEvents();
        QTest::qWait(40);
    }
}

void shoot(QWidget& window, const QString& folder, const QString& name) {
    settle();
    const QString file = QDir(folder).filePath(name + QStringLiteral(".png"));
    window.grab().save(file);
    std::fprintf(stdout, "%s\n", qPrintable(file));
}

// The month's entries the statement of cash flows explains: sales, collections, payments,
// depreciation, equipment for cash and on account, a note repaid, dividends.
void postMonth(folio::app::MainWindow& window) {
    const struct {
        int debit;
        int credit;
        const char* amount;
    } entries[] = {{1, 22, "14800"}, {1, 3, "6200.5"}, {12, 1, "7350.25"}, {29, 1, "4500"},
                   {34, 10, "700"},  {9, 1, "5200"},   {9, 12, "2600"},    {11, 1, "2500"},
                   {25, 12, "3900"}, {27, 1, "9000"},  {3, 22, "4100"}};
    for (const auto& e : entries) {
        const folio::Money amount =
            folio::parseAmount(QLatin1String(e.amount)).value_or(folio::Money());
        window.journalMenu().postBalanced({}, {{e.debit, amount, {}}, {e.credit, {}, amount}});
    }
}

// The dialog of cash-flow classes as it first opens, then the equipment made investing and
// the notes financing.
void checkClasses(QDialog& classes, const QString& folder) {
    settle();
    classes.grab().save(QDir(folder).filePath(QStringLiteral("cash-flow-classes.png")));
    for (QComboBox* list : classes.findChildren<QComboBox*>()) {
        const QString account = list->accessibleName();
        if (account.contains(QLatin1String("Equipment")) ||
            account.contains(QLatin1String("Furniture"))) {
            list->setCurrentText(QStringLiteral("Investing"));
        } else if (account.contains(QLatin1String("Notes Payable"))) {
            list->setCurrentText(QStringLiteral("Financing"));
        }
    }
    classes.accept();
}

// Every tab in the order a user visits them, the statements after the company values.
void tour(folio::app::MainWindow& window, const QString& folder, const QString& size) {
    const QString prefix = QStringLiteral("%1-").arg(size);
    QTabWidget* tabs = window.tabControl();
    tabs->setCurrentIndex(folio::ui::indexOf(folio::ui::Tab::Company));
    window.findChild<QLineEdit*>(QStringLiteral("txtCompany"))->setText("Kestrow Supply Co.");
    auto* date = window.findChild<QLineEdit*>(QStringLiteral("txtDateOfStatements"));
    date->setText("3/31/2024");
    QFocusEvent leave(QEvent::FocusOut); // as when the user leaves the box
    QApplication::sendEvent(date, &leave);
    window.findChild<QAbstractButton*>(QStringLiteral("optMdse"))->click();
    window.findChild<QAbstractButton*>(QStringLiteral("Command1"))->click();
    shoot(window, folder, prefix + QStringLiteral("8-company"));
    const char* names[] = {"0-setup",         "1-posting",          "2-empty",
                           "3-trial-balance", "4-income-statement", "5-equity",
                           "6-balance-sheet", "7-cash-flows"};
    for (int index : {0, 1, 3, 4, 5, 6, 7}) {
        tabs->setCurrentIndex(index);
        shoot(window, folder, prefix + QLatin1String(names[index]));
        if (auto* classes = window.findChild<QDialog*>(QStringLiteral("dlgCashFlowClasses"));
            classes != nullptr && classes->isVisible()) {
            checkClasses(*classes, folder);
            shoot(window, folder, prefix + QLatin1String(names[index]));
        }
    }
}

// The month closed and the next one posted: the balance sheet and the cash flows beside the
// month before.
void comparative(folio::app::MainWindow& window, TourDialogs& dialogs, const QString& folder) {
    window.showTab(folio::ui::Tab::BalanceSheet);
    dialogs.yes = true;
    window.findChild<QAbstractButton*>(QStringLiteral("chkMonthly"))->click();
    dialogs.yes = false;
    dialogs.books += QStringLiteral(" closed monthly");
    window.chooseBooksFile();
    window.company().endingInventory = folio::parseAmount(QStringLiteral("17950"));
    postMonth(window);
    window.showTab(folio::ui::Tab::BalanceSheet);
    auto* compare = window.findChild<QAbstractButton*>(QStringLiteral("chkCompare"));
    compare->click();
    shoot(window, folder, QStringLiteral("full-9-comparative-balance-sheet"));
    window.showTab(folio::ui::Tab::CashFlows);
    shoot(window, folder, QStringLiteral("full-10-comparative-cash-flows"));
    compare->click();
}

// The keyboard paths of posting, Undo and Balanced Entry, each shot as the user sees it.
void keyboardPaths(folio::app::MainWindow& window, const QString& folder) {
    window.activateWindow();
    (void)QTest::qWaitForWindowActive(&window);
    auto save = [&folder](QWidget& widget, const char* name) {
        settle();
        widget.grab().save(QDir(folder).filePath(QLatin1String(name) + QStringLiteral(".png")));
    };
    window.showTab(folio::ui::Tab::Posting);
    auto* grid = window.findChild<QAbstractItemView*>(QStringLiteral("MSFlexGrid3"));
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(0, 1));
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::keyClick(grid, Qt::Key_Tab); // leaves the grid for Debit
    auto* debit = window.findChild<QLineEdit*>(QStringLiteral("txtPostDebit"));
    QTest::keyClicks(debit, QStringLiteral("250"));
    save(window, "keys-1-posting-tab-to-debit");
    QTest::keyClick(debit, Qt::Key_Return);
    auto* memo = window.findChild<QLineEdit*>(QStringLiteral("txtPostMemo"));
    memo->setFocus();
    QTest::keyClicks(memo, QStringLiteral("typed"));
    auto* edit = window.findChild<QMenu*>(QStringLiteral("mnuEdit"));
    edit->popup(window.mapToGlobal(QPoint(60, 30)));
    save(*edit, "keys-2-edit-menu-while-typing");
    edit->close();
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier); // the typing
    edit->popup(window.mapToGlobal(QPoint(60, 30)));
    save(*edit, "keys-3-edit-menu-on-the-books");
    edit->close();
    QTest::keyClick(memo, Qt::Key_Z, Qt::ControlModifier); // the posting
    save(window, "keys-4-posting-undone");
    edit->popup(window.mapToGlobal(QPoint(60, 30)));
    save(*edit, "keys-5-edit-menu-after-undo");
    edit->close();
    QTimer::singleShot(300, &window, [save] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog == nullptr) {
            return;
        }
        QTest::keyClick(dialog, Qt::Key_A, Qt::AltModifier);
        settle(); // a button's mnemonic clicks it a moment after the key, as on screen
        // The next keys choose the new line's account, not line 1's.
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("Sal"));
        save(*dialog, "keys-6-balanced-entry-alt-a");
        if (auto* account = qobject_cast<QComboBox*>(QApplication::focusWidget())) {
            account->showPopup();
            save(*account->view()->window(), "keys-7-balanced-entry-accounts");
            account->hidePopup();
        }
        dialog->close();
    });
    window.findChild<QAction*>(QStringLiteral("mnuBalancedEntry"))->trigger();
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Folio"));
    const QStringList args = QApplication::arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: screenshot_tour OUTPUT_FOLDER [WIDTH HEIGHT]\n");
        return 2;
    }
    const QString folder = args[1];
    QDir().mkpath(folder);
    const int width = args.value(2, QStringLiteral("1280")).toInt();
    const int height = args.value(3, QStringLiteral("800")).toInt();
    TourDialogs dialogs;
    dialogs.books = QDir(folder).filePath(QStringLiteral("kestrow.dat"));
    dialogs.folder = folder;
    writeChart(dialogs.books);

    folio::app::MainWindow window(dialogs);
    window.setGeometry(0, 0, width, height);
    window.show();
    shoot(window, folder, QStringLiteral("full-welcome"));
    // The question new books ask, as the desktop shows it.
    QTimer::singleShot(300, &window, [&folder] {
        if (QWidget* question = QApplication::activeModalWidget()) {
            question->grab().save(QDir(folder).filePath(QStringLiteral("new-books.png")));
            question->close();
        }
    });
    folio::ui::QtDialogs(&window).chooseOne(
        folio::accounts::starterChartQuestion(QStringLiteral("kestrow.dat")),
        folio::accounts::starterChartChoices());
    window.chooseBooksFile();
    postMonth(window);
    tour(window, folder, QStringLiteral("full"));
    // The print preview of the trial balance and the user guide.
    window.showTab(folio::ui::Tab::TrialBalance);
    window.reports().print(folio::reports::Report::TrialBalance);
    window.findChild<QAction*>(QStringLiteral("mnuUserGuide"))->trigger();
    if (auto* help = window.findChild<QDialog*>(QStringLiteral("dlgHelp"))) {
        settle();
        help->grab().save(QDir(folder).filePath(QStringLiteral("help.png")));
        help->close();
    }
    comparative(window, dialogs, folder);

    const QSize smallest = window.minimumSizeHint().expandedTo(window.minimumSize());
    std::fprintf(stdout, "smallest size: %dx%d\n", smallest.width(), smallest.height());
    window.resize(smallest);
    tour(window, folder, QStringLiteral("small"));
    keyboardPaths(window, folder);
    return 0;
}
