#include "app/frm_select.h"
#include "accounts/setup_tab.h"
#include "company/company_tab.h"
#include "data/file_error.h"
#include "data/file_messages.h"
#include "posting/posting_tab.h"
#include "statements/balance_sheet_tab.h"
#include "statements/equity_tab.h"
#include "statements/income_statement_tab.h"
#include "statements/trial_balance_tab.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QLineEdit>
#include <QMenuBar>
#include <QTabWidget>
#include <QVBoxLayout>

frmSelect::frmSelect(Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), dialogs_(dialogs), context_{books_, dialogs_, *this}, reports_(context_),
      closer_(context_) {
    setObjectName(QStringLiteral("frmSelect"));
    setWindowTitle(programTitle());
    resize(1100, 660);
    buildMenu();
    buildTabs();
    Form_Load();
}

frmSelect::~frmSelect() = default;

void frmSelect::buildMenu() {
    QMenu* mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    QAction* select = mnuFile->addAction(QStringLiteral("&Select File"));
    select->setObjectName(QStringLiteral("mnuSelectFile"));
    QAction* exit = mnuFile->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("MnuExit"));
    connect(select, &QAction::triggered, this, &frmSelect::mnuSelectFile_Click);
    connect(exit, &QAction::triggered, this, &frmSelect::MnuExit_Click);
}

void frmSelect::buildTabs() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    SSTab1_ = new QTabWidget(central);
    SSTab1_->setObjectName(QStringLiteral("SSTab1"));
    layout->addWidget(SSTab1_);
    setCentralWidget(central);

    pages_[0] = new SetupTab(context_, SSTab1_);
    pages_[1] = new PostingTab(context_, SSTab1_);
    pages_[3] = new TrialBalanceTab(context_, SSTab1_);
    pages_[4] = new IncomeStatementTab(context_, SSTab1_);
    pages_[5] = new EquityTab(context_, SSTab1_);
    pages_[6] = new BalanceSheetTab(context_, SSTab1_);
    pages_[7] = new CompanyTab(context_, SSTab1_);
    const std::array<const char*, kTabCount> captions{
        "Setup General Kestrow", "Post to General Kestrow", "Vorelind",      "Trial Balance",
        "Income Statement",      "Stockholders Equity",     "Balance Sheet", "Company Information"};
    for (int i = 0; i < kTabCount; ++i) {
        QWidget* page = pages_[static_cast<std::size_t>(i)];
        if (page == nullptr) {
            page = new QWidget(SSTab1_);
            page->setObjectName(QStringLiteral("EmptyTab"));
        }
        SSTab1_->addTab(page, QString::fromLatin1(captions[static_cast<std::size_t>(i)]));
    }

    wireButton("cmdPrint", [this] { reports_.cmdPrint_Click(); });
    wireButton("cmdIsPrint", [this] { reports_.cmdIsPrint_Click(); });
    wireButton("cmdCapitalPrint", [this] { reports_.cmdCapitalPrint_Click(); });
    wireButton("cmdPrintBs", [this] { reports_.cmdPrintBs_Click(); });
    wireButton("chkMonthly", [this] { closer_.chkMonthly_Click(); });
    wireButton("chkYearly", [this] { closer_.chkYearly_Click(); });
}

void frmSelect::wireButton(const char* objectName, const std::function<void()>& handler) {
    auto* button = SSTab1_->findChild<QAbstractButton*>(QLatin1String(objectName));
    if (button != nullptr) {
        connect(button, &QAbstractButton::clicked, this, handler);
    }
}

void frmSelect::Form_Load() {
    SSTab1_->hide();
    SSTab1_->setCurrentIndex(2);
    lastTab_ = 2;
    connect(SSTab1_, &QTabWidget::currentChanged, this, [this](int) {
        const int previous = lastTab_;
        lastTab_ = SSTab1_->currentIndex();
        SSTab1_Click(previous);
    });
}

void frmSelect::mnuSelectFile_Click() {
    if (!books_.SelectedFile.isEmpty()) {
        books_.files.closeAll();
    }
    const QString previousName = dialogFileName_;
    if (const auto chosen = dialogs_.openFileName(dialogFileName_)) {
        dialogFileName_ = *chosen;
    }
    if (dialogFileName_.isEmpty()) {
        return; // nothing chosen yet: Select File ends quietly
    }
    BooksLock::Claim claim = BooksLock::Claim::HeldElsewhere;
    try {
        claim = lock_.claim(dialogFileName_);
    } catch (const FileError& error) {
        dialogs_.message(folio::cannotOpenMessage(dialogFileName_, error), MessageIcon::Critical);
        return; // the previous path and its lock stay
    }
    if (claim == BooksLock::Claim::HeldElsewhere) {
        dialogs_.message(folio::heldElsewhereMessage(dialogFileName_), MessageIcon::Critical);
        dialogFileName_ = previousName;
        reopenSelection();
        return;
    }
    try {
        books_.openFile(dialogFileName_);
    } catch (const FileError& error) {
        if (!lock_.holds(books_.Tag)) {
            lock_.release();
            try {
                if (!books_.Tag.isEmpty()) {
                    lock_.claim(books_.Tag); // keep the books selected before
                }
            } catch (const FileError&) {
                // those books cannot be opened either; the next tab entry reports it
            }
        }
        dialogs_.message(folio::cannotOpenMessage(dialogFileName_, error), MessageIcon::Critical);
        return; // the previous path stays
    }
    removeStaleLeftovers(dialogFileName_);
    const bool otherBooks = books_.Tag != dialogFileName_;
    books_.Tag = dialogFileName_;
    SSTab1_->show();
    if (otherBooks) {
        // The shown tab still holds the books chosen before; prepare it again for the new
        // ones, so a save or a posting there cannot write old accounts into them.
        SSTab1_Click(lastTab_);
    }
}

void frmSelect::reopenSelection() {
    if (books_.Tag.isEmpty()) {
        return;
    }
    try {
        books_.reopen();
    } catch (const FileError&) {
        // the next tab entry opens it again and reports what fails
    }
}

void frmSelect::MnuExit_Click() {
    lock_.release();
    books_.files.closeAll();
    close();
    QApplication::quit();
}

void frmSelect::closeEvent(QCloseEvent* event) {
    lock_.release();
    books_.files.closeAll();
    event->accept();
}

void frmSelect::SSTab1_Click(int /*previousTab*/) {
    TabPage* page = pages_[static_cast<std::size_t>(SSTab1_->currentIndex())];
    if (page == nullptr) {
        return;
    }
    runWithRetry(dialogs_, [page] { page->enter(); });
}

void frmSelect::setCaption(const QString& caption) {
    setWindowTitle(caption);
}

int frmSelect::shownTab() const {
    return SSTab1_->currentIndex();
}

void frmSelect::showTab(int index) {
    SSTab1_->setCurrentIndex(index);
}

void frmSelect::hideTabs() {
    SSTab1_->hide();
    SSTab1_->setCurrentIndex(2);
}

QString frmSelect::boxText(const QString& objectName) const {
    const auto* box = findChild<QLineEdit*>(objectName);
    return box != nullptr ? box->text() : QString();
}
