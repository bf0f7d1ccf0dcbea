#include "app/desktop_window.h"
#include "app/help_dialog.h"
#include "app/main_window.h"
#include "app/recent_files.h"
#include "app/user_guide.h"
#include "app/welcome_widget.h"
#include "closing/closing_rules.h"
#include "ui/dialogs.h"
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QSettings>
#include <QStatusBar>
#include <QTabWidget>

namespace folio::app {

namespace {
const QString kGeometry = QStringLiteral("window/geometry");
constexpr int kMinimumWidth = 800;
constexpr int kMinimumHeight = 600;
} // namespace

DesktopWindow::DesktopWindow(MainWindow& window, ui::Dialogs& dialogs)
    : window_(window), dialogs_(dialogs) {
    setObjectName(QStringLiteral("DesktopWindow"));
    buildRecentMenu();
    buildExportMenu();
    buildHelpMenu();
    fileLabel_ = new QLabel(&window_);
    fileLabel_->setObjectName(QStringLiteral("lblSelectedFile"));
    fileLabel_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    window_.statusBar()->addPermanentWidget(fileLabel_);
    buildWelcome();
    // At the smallest size the tab row may be wider than the window: its arrows (and
    // Ctrl+Tab) reach every tab.
    window_.tabControl()->setUsesScrollButtons(true);
    window_.setMinimumSize(kMinimumWidth, kMinimumHeight);
    window_.restoreGeometry(userSettings()->value(kGeometry).toByteArray());
    window_.installEventFilter(this);
    window_.tabControl()->installEventFilter(this);
    connect(&window_, &MainWindow::booksSelected, this, [this](const QString& path) {
        RecentFiles::add(path);
        showState();
    });
    showState();
}

void DesktopWindow::buildRecentMenu() {
    auto* file = window_.findChild<QMenu*>(QStringLiteral("mnuFile"));
    auto* exit = window_.findChild<QAction*>(QStringLiteral("MnuExit"));
    if (file == nullptr) {
        return;
    }
    recentMenu_ = new QMenu(QStringLiteral("Open &Recent"), file);
    recentMenu_->setObjectName(QStringLiteral("mnuOpenRecent"));
    file->insertMenu(exit, recentMenu_);
    file->insertSeparator(exit);
    connect(recentMenu_, &QMenu::aboutToShow, this, &DesktopWindow::fillRecentMenu);
    fillRecentMenu();
}

void DesktopWindow::fillRecentMenu() {
    recentMenu_->clear();
    const QStringList recent = RecentFiles::existing();
    for (int i = 0; i < recent.size(); ++i) {
        const QString path = recent[i];
        QAction* open = recentMenu_->addAction(
            QStringLiteral("&%1 %2").arg(i + 1).arg(QDir::toNativeSeparators(path)));
        open->setObjectName(QStringLiteral("mnuRecent%1").arg(i + 1));
        connect(open, &QAction::triggered, this, [this, path] { openRecent(path); });
    }
    if (recent.isEmpty()) {
        recentMenu_->addAction(QStringLiteral("(no recent books)"))->setEnabled(false);
        return;
    }
    recentMenu_->addSeparator();
    QAction* clear = recentMenu_->addAction(QStringLiteral("&Clear This List"));
    clear->setObjectName(QStringLiteral("mnuClearRecent"));
    connect(clear, &QAction::triggered, this, [this] {
        RecentFiles::clear();
        showState();
    });
}

void DesktopWindow::buildExportMenu() {
    auto* file = window_.findChild<QMenu*>(QStringLiteral("mnuFile"));
    if (file == nullptr) {
        return;
    }
    exportMenu_ = new QMenu(QStringLiteral("&Export"), file);
    exportMenu_->setObjectName(QStringLiteral("mnuExport"));
    file->insertMenu(recentMenu_ != nullptr ? recentMenu_->menuAction() : nullptr, exportMenu_);
    using reports::Report;
    const struct {
        Report report;
        const char* text;
        const char* name;
    } entries[] = {
        {Report::TrialBalance, "&Trial Balance...", "mnuExportTrialBalance"},
        {Report::IncomeStatement, "&Income Statement...", "mnuExportIncomeStatement"},
        {Report::Equity, "Stockholders' &Equity...", "mnuExportEquity"},
        {Report::BalanceSheet, "&Balance Sheet...", "mnuExportBalanceSheet"},
        {Report::CashFlows, "&Cash Flows...", "mnuExportCashFlows"},
    };
    for (const auto& entry : entries) {
        QAction* action = exportMenu_->addAction(QString::fromLatin1(entry.text));
        action->setObjectName(QLatin1String(entry.name));
        connect(action, &QAction::triggered, this, [this, report = entry.report] {
            if (const auto written = window_.reports().exportReport(report)) {
                window_.statusBar()->showMessage(
                    QStringLiteral("Exported to %1").arg(QDir::toNativeSeparators(*written)),
                    15000);
            }
        });
    }
}

void DesktopWindow::openRecent(const QString& path) {
    if (!RecentFiles::isServerAddress(path) && !QFileInfo(path).isFile()) {
        dialogs_.message(QStringLiteral("%1 is no longer there; it has been taken off the list "
                                        "of recent books.")
                             .arg(QDir::toNativeSeparators(path)));
        RecentFiles::existing(); // drops it
        showState();
        return;
    }
    window_.selectBooks(path);
}

void DesktopWindow::buildHelpMenu() {
    QMenu* menu = window_.menuBar()->addMenu(QStringLiteral("&Help"));
    menu->setObjectName(QStringLiteral("mnuHelp"));
    QAction* guide = menu->addAction(QStringLiteral("&User Guide"));
    guide->setObjectName(QStringLiteral("mnuUserGuide"));
    guide->setShortcut(QKeySequence::HelpContents);
    connect(guide, &QAction::triggered, this, [this] { help().showGuide(); });
    QAction* keys = menu->addAction(QStringLiteral("&Keyboard Shortcuts"));
    keys->setObjectName(QStringLiteral("mnuShortcuts"));
    connect(keys, &QAction::triggered, this, [this] { help().showShortcuts(); });
    menu->addSeparator();
    QAction* about = menu->addAction(QStringLiteral("&About Folio"));
    about->setObjectName(QStringLiteral("mnuAbout"));
    connect(about, &QAction::triggered, this,
            [this] { QMessageBox::about(&window_, QStringLiteral("About Folio"), aboutText()); });
}

HelpDialog& DesktopWindow::help() {
    if (help_.isNull()) {
        help_ = new HelpDialog(&window_);
    }
    return *help_;
}

void DesktopWindow::buildWelcome() {
    QWidget* central = window_.centralWidget();
    welcome_ = new WelcomeWidget(central);
    if (central != nullptr && central->layout() != nullptr) {
        central->layout()->addWidget(welcome_);
    }
    connect(welcome_, &WelcomeWidget::selectRequested, &window_, &MainWindow::chooseBooksFile);
    connect(welcome_, &WelcomeWidget::recentChosen, this, &DesktopWindow::openRecent);
}

bool DesktopWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::Close) {
        userSettings()->setValue(kGeometry, window_.saveGeometry());
    } else if (watched == window_.tabControl() &&
               (event->type() == QEvent::ShowToParent || event->type() == QEvent::HideToParent)) {
        showState();
    }
    return QObject::eventFilter(watched, event);
}

void DesktopWindow::showState() {
    const bool open = !window_.tabControl()->isHidden();
    const QString path = QDir::toNativeSeparators(window_.session().shownName());
    if (path.isEmpty()) {
        fileLabel_->setText(QStringLiteral("No books selected: choose File, Select File (Ctrl+O)"));
    } else {
        fileLabel_->setText(
            (open ? QStringLiteral("Books: %1") : QStringLiteral("Closed: %1")).arg(path));
    }
    fileLabel_->setAccessibleName(fileLabel_->text());
    welcome_->setVisible(!open);
    if (exportMenu_ != nullptr) {
        exportMenu_->setEnabled(open); // a statement needs books
    }
    if (!open) {
        QStringList closed;
        for (const auto kind : {closing::ClosingKind::Monthly, closing::ClosingKind::Yearly}) {
            const QString copy = closing::closedPath(window_.books().path(), kind);
            if (window_.books().isSelected() && QFileInfo(copy).isFile()) {
                // Server books' closed copy is another set of books in the same database.
                closed << window_.session().shownNameOf(copy);
            }
        }
        welcome_->refresh(window_.session().shownName(), closed, RecentFiles::existing());
    }
}

} // namespace folio::app
