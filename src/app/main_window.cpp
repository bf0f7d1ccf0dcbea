#include "app/main_window.h"
#include "accounts/setup_tab.h"
#include "accounts/starter_charts.h"
#include "app/bank_menu.h"
#include "app/desktop_window.h"
#include "app/server_watch.h"
#include "cashflow/cash_flow_tab.h"
#include "cashflow/comparative_panel.h"
#include "company/company_tab.h"
#include "data/file_error.h"
#include "data/file_messages.h"
#include "posting/posting_tab.h"
#include "server/server_books.h"
#include "statements/balance_sheet_tab.h"
#include "statements/equity_tab.h"
#include "statements/income_statement_tab.h"
#include "statements/trial_balance_tab.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include "ui/quiet_pages.h"
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenuBar>
#include <QScrollArea>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace folio::app {

using ui::Tab;

namespace {

// The statement a tab shows, for the comparison beside it.
std::optional<reports::Report> reportOnTab(Tab tab) {
    switch (tab) {
    case Tab::TrialBalance:
        return reports::Report::TrialBalance;
    case Tab::IncomeStatement:
        return reports::Report::IncomeStatement;
    case Tab::Equity:
        return reports::Report::Equity;
    case Tab::BalanceSheet:
        return reports::Report::BalanceSheet;
    case Tab::CashFlows:
        return reports::Report::CashFlows;
    default:
        return std::nullopt;
    }
}

} // namespace

MainWindow::MainWindow(ui::Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs),
      journalMenu_(*this, session_, dialogs_), context_{session_, dialogs_, *this},
      reports_(context_), closer_(context_) {
    connect(&session_, &session::BooksSession::changed, this, &MainWindow::booksChanged);
    setObjectName(QStringLiteral("frmSelect"));
    setWindowTitle(ui::programTitle());
    resize(1100, 660);
    buildMenu();
    buildTabs();
    wireTabs();
    wireComparative();
    buildWindowParts();
    desktop_ = std::make_unique<DesktopWindow>(*this, dialogs_);
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu() {
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* select = mnuFile->addAction(QStringLiteral("&Select File"));
    select->setObjectName(QStringLiteral("mnuSelectFile"));
    select->setShortcut(QKeySequence::Open);
    QAction* server = mnuFile->addAction(QStringLiteral("Open Ser&ver Books..."));
    server->setObjectName(QStringLiteral("mnuOpenServerBooks"));
    connect(server, &QAction::triggered, this, &MainWindow::chooseServerBooks);
    compare_ = mnuFile->addAction(QStringLiteral("Compare with &Prior Period"));
    compare_->setObjectName(QStringLiteral("mnuCompare"));
    compare_->setCheckable(true);
    QAction* exit = mnuFile->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("MnuExit"));
    exit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(select, &QAction::triggered, this, &MainWindow::chooseBooksFile);
    connect(exit, &QAction::triggered, this, &MainWindow::exitProgram);
    journalMenu_.build(*menuBar());
    bankMenu_ = new BankMenu(*this, session_, dialogs_);
    bankMenu_->build(*mnuFile, *menuBar()->findChild<QMenu*>(QStringLiteral("mnuJournalMenu")));
}

void MainWindow::buildTabs() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    tabs_ = new QTabWidget(central);
    tabs_->setObjectName(QStringLiteral("SSTab1"));
    layout->addWidget(tabs_, 2);
    comparative_ = new cashflow::ComparativePanel(context_, reports_, central);
    layout->addWidget(comparative_); // a row of its own until it compares
    setCentralWidget(central);

    auto place = [this](Tab tab, ui::TabPage* page) {
        pages_[static_cast<std::size_t>(tab)] = page;
    };
    place(Tab::Setup, new accounts::SetupTab(context_, tabs_));
    place(Tab::Posting, new posting::PostingTab(context_, tabs_));
    place(Tab::TrialBalance, new statements::TrialBalanceTab(context_, tabs_));
    place(Tab::IncomeStatement, new statements::IncomeStatementTab(context_, tabs_));
    place(Tab::Equity, new statements::EquityTab(context_, tabs_));
    place(Tab::BalanceSheet, new statements::BalanceSheetTab(context_, tabs_));
    place(Tab::CashFlows, new cashflow::CashFlowTab(context_, tabs_));
    place(Tab::Company, new company::CompanyTab(context_, tabs_));
    const std::array<const char*, ui::kTabCount> captions{
        "Setup General Kestrow", "Post to General Kestrow", "Vorelind",      "Trial Balance",
        "Income Statement",      "Stockholders Equity",     "Balance Sheet", "Cash Flows",
        "Company Information"};
    for (std::size_t i = 0; i < captions.size(); ++i) {
        QWidget* page = pages_[i];
        if (page == nullptr) {
            page = new QWidget(tabs_);
            page->setObjectName(QStringLiteral("EmptyTab"));
        }
        // In a small window a page keeps its own size and scrolls, so nothing on it is
        // out of reach.
        auto* scroll = new QScrollArea(tabs_);
        scroll->setObjectName(QStringLiteral("scrTab%1").arg(i));
        scroll->setWidgetResizable(true);
        scroll->setFrameShape(QFrame::NoFrame);
        scroll->setFocusPolicy(Qt::NoFocus); // the page's own controls take the focus
        scroll->setWidget(page);
        tabs_->addTab(scroll, QString::fromLatin1(captions[i]));
    }
}

void MainWindow::wireTabs() {
    using reports::Report;
    auto printer = [this](Report report) { return [this, report] { reports_.print(report); }; };
    connect(static_cast<statements::TrialBalanceTab*>(page(Tab::TrialBalance)),
            &statements::TrialBalanceTab::printRequested, this, printer(Report::TrialBalance));
    connect(static_cast<statements::IncomeStatementTab*>(page(Tab::IncomeStatement)),
            &statements::IncomeStatementTab::printRequested, this,
            printer(Report::IncomeStatement));
    connect(static_cast<statements::EquityTab*>(page(Tab::Equity)),
            &statements::EquityTab::printRequested, this, printer(Report::Equity));
    auto* balance = static_cast<statements::BalanceSheetTab*>(page(Tab::BalanceSheet));
    connect(balance, &statements::BalanceSheetTab::printRequested, this,
            printer(Report::BalanceSheet));
    connect(balance, &statements::BalanceSheetTab::monthlyClosingRequested, this,
            [this] { closer_.close(closing::ClosingKind::Monthly); });
    connect(balance, &statements::BalanceSheetTab::yearlyClosingRequested, this,
            [this] { closer_.close(closing::ClosingKind::Yearly); });
    connect(static_cast<cashflow::CashFlowTab*>(page(Tab::CashFlows)),
            &cashflow::CashFlowTab::printRequested, this, printer(Report::CashFlows));
}

void MainWindow::wireComparative() {
    connect(compare_, &QAction::toggled, comparative_, &cashflow::ComparativePanel::setComparing);
    connect(comparative_, &cashflow::ComparativePanel::comparingChanged, this, [this](bool on) {
        compare_->setChecked(on);
        // comparing, the grid takes a third of the height below the tabs
        static_cast<QBoxLayout*>(centralWidget()->layout())
            ->setStretchFactor(comparative_, on ? 1 : 0);
    });
    connect(&session_, &session::BooksSession::changed, comparative_,
            &cashflow::ComparativePanel::refresh);
}

void MainWindow::buildWindowParts() {
    tabs_->hide();
    tabs_->setCurrentIndex(ui::indexOf(Tab::Blank));
    lastTab_ = ui::indexOf(Tab::Blank);
    ui::keepHiddenPagesQuiet(*tabs_);
    connect(tabs_, &QTabWidget::currentChanged, this, [this](int) {
        const int previous = lastTab_;
        lastTab_ = tabs_->currentIndex();
        enterShownTab(previous);
    });
}

void MainWindow::chooseBooksFile() {
    const std::optional<QString> chosen = dialogs_.openFileName(dialogFileName_);
    openChosen(chosen.value_or(dialogFileName_), chosen.has_value());
}

bool MainWindow::selectBooks(const QString& path) {
    if (server::ServerAddress::isServerAddress(path)) {
        return openServerBooks(path);
    }
    return openChosen(path, true);
}

bool MainWindow::openChosen(const QString& name, bool newlyChosen) {
    if (name.isEmpty()) {
        return false; // nothing chosen yet: Select File ends quietly
    }
    std::optional<int> chart;
    if (newlyChosen && !QFileInfo(name).exists() && !QFileInfo(name).isSymLink()) {
        chart = dialogs_.chooseOne(accounts::starterChartQuestion(name),
                                   accounts::starterChartChoices());
        if (!chart) {
            return false; // no new books: the books selected before stay
        }
    }
    const QString previousName = dialogFileName_;
    dialogFileName_ = name;
    Books& books = session_.books();
    session::BooksLock& lock = session_.lock();
    session::BooksLock::Claim claim = session::BooksLock::Claim::HeldElsewhere;
    try {
        claim = lock.claim(dialogFileName_);
    } catch (const FileError& error) {
        // not a file Folio can work on: say which and why; the books selected before stay
        dialogs_.message(cannotOpenMessage(dialogFileName_, error), ui::MessageIcon::Critical);
        return false;
    }
    if (claim == session::BooksLock::Claim::HeldElsewhere) {
        dialogs_.message(heldElsewhereMessage(dialogFileName_), ui::MessageIcon::Critical);
        dialogFileName_ = previousName;
        return false;
    }
    session_.keepCompanyValues();
    try {
        if (chart) {
            accounts::createStarterBooks(name, static_cast<accounts::StarterChart>(*chart));
        }
        books.select(dialogFileName_);
        session_.leaveServer(); // a file in place of server books
    } catch (const FileError& error) {
        dialogs_.message(cannotOpenMessage(dialogFileName_, error), ui::MessageIcon::Critical);
        if (!books.isSelected() || !lock.holds(books.path())) {
            lock.release();
            try {
                if (books.isSelected()) {
                    lock.claim(books.path()); // keep the books selected before
                }
            } catch (const FileError&) {
                // those books cannot be opened either; the next tab entry reports it
            }
        }
        return false;
    }
    session::removeStaleLeftovers(dialogFileName_);
    delete serverWatch_; // the books are a file now
    serverWatch_ = nullptr;
    showSelected(dialogFileName_);
    return true;
}

void MainWindow::showSelected(const QString& name) {
    journalMenu_.booksSelected();
    tabs_->show();
    // The shown tab still holds the books as they were read before; prepare it again, so
    // a save or a posting there cannot write old accounts into these books.
    enterShownTab(lastTab_);
    emit booksSelected(name);
}

void MainWindow::releaseBooks() {
    journalMenu_.booksReleased();
    delete serverWatch_;
    serverWatch_ = nullptr;
    session_.release();
}

void MainWindow::booksChanged(session::Origin origin) {
    if (origin == session::Origin::ShownTab || !session_.books().isSelected() ||
        !tabs_->isVisible()) {
        return;
    }
    // Another client's change is shown at once on the statements; a tab where the user
    // types shows it when entered next, so nothing typed there is lost.
    if (origin == session::Origin::OtherClient &&
        (shownTab() == Tab::Setup || shownTab() == Tab::Posting || shownTab() == Tab::Company)) {
        return;
    }
    enterShownTab(lastTab_);
}

bool MainWindow::keepShownEdits() {
    ui::TabPage* shown = pages_[static_cast<std::size_t>(tabs_->currentIndex())];
    if (shown == nullptr || !session_.books().isSelected() || shown->keepEdits()) {
        return true;
    }
    return dialogs_.askYesNo(QStringLiteral("What you typed on this tab was not saved.\n\n"
                                            "Exit Folio without it?"));
}

void MainWindow::exitProgram() {
    if (!keepShownEdits()) {
        return;
    }
    releaseBooks(); // the books released, closing the window asks nothing more
    close();
    QApplication::quit();
}

void MainWindow::closeEvent(QCloseEvent* event) {
    if (!keepShownEdits()) {
        event->ignore();
        return;
    }
    releaseBooks();
    event->accept();
}

void MainWindow::enterShownTab(int previousTab) {
    if (previousTab == ui::indexOf(Tab::Company)) {
        session_.keepCompanyValues();
    }
    ui::TabPage* shown = pages_[static_cast<std::size_t>(tabs_->currentIndex())];
    const bool selected = session_.books().isSelected() && !tabs_->isHidden();
    comparative_->showFor(selected ? reportOnTab(shownTab()) : std::nullopt);
    if (shown == nullptr || !session_.books().isSelected()) {
        return;
    }
    std::optional<Tab> next;
    ui::runWithRetry(dialogs_, [shown, &next] { next = shown->enter(); });
    if (next) {
        showTabLater(*next);
    }
}

void MainWindow::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

Tab MainWindow::shownTab() const {
    return ui::tabAt(tabs_->currentIndex());
}

void MainWindow::showTab(Tab tab) {
    tabs_->setCurrentIndex(ui::indexOf(tab));
}

void MainWindow::showTabLater(Tab tab) {
    QTimer::singleShot(0, this, [this, tab] { showTab(tab); });
}

void MainWindow::hideTabs() {
    tabs_->hide();
    comparative_->showFor(std::nullopt);
    tabs_->setCurrentIndex(ui::indexOf(Tab::Blank));
}

} // namespace folio::app
