#include "company/company_tab.h"
#include "company/date_rules.h"
#include "data/books_state.h"
#include "ui/dialogs.h"
#include "ui/form.h"
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int kCompanyTab = 7;
constexpr int kNameLength = 40;
} // namespace

CompanyTab::CompanyTab(TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("CompanyTab"));
    txtCompany_ = Form::box(QStringLiteral("txtCompany"), this);
    txtCompany_->setMaxLength(kNameLength);
    txtDateOfStatements_ = Form::box(QStringLiteral("txtDateOfStatements"), this);

    auto* fields = new QGridLayout();
    Form::addLabelled(fields, 0, 0, QStringLiteral("lblCompany"), QStringLiteral("Company &Name"),
                      txtCompany_, this);
    Form::addLabelled(fields, 1, 0, QStringLiteral("lblDateOfStatements"),
                      QStringLiteral("&Date of Statements"), txtDateOfStatements_, this);
    fields->setColumnStretch(1, 1);

    Frame2_ = new QGroupBox(QStringLiteral("Type of Business"), this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    optMdse_ = new QRadioButton(QStringLiteral("Merchandising"), Frame2_);
    optMdse_->setObjectName(QStringLiteral("optMdse"));
    optService_ = new QRadioButton(QStringLiteral("Service"), Frame2_);
    optService_->setObjectName(QStringLiteral("optService"));
    auto* options = new QVBoxLayout(Frame2_);
    options->addWidget(optMdse_, 0, Qt::AlignLeft);
    options->addWidget(optService_, 0, Qt::AlignLeft);

    Command1_ = new QPushButton(QStringLiteral("Ok"), this);
    Command1_->setObjectName(QStringLiteral("Command1"));
    Command2_ = new QPushButton(QStringLiteral("&Cancel"), this);
    Command2_->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(Command1_);
    buttons->addWidget(Command2_);

    auto* page = new QVBoxLayout(this);
    page->addLayout(fields);
    page->addWidget(Frame2_);
    page->addStretch(1);
    page->addLayout(buttons);

    connect(txtCompany_, &QLineEdit::textChanged, this, &CompanyTab::txtCompany_Change);
    connect(optMdse_, &QRadioButton::clicked, this, &CompanyTab::optMdse_Click);
    connect(optService_, &QRadioButton::clicked, this, &CompanyTab::optService_Click);
    connect(Command1_, &QPushButton::clicked, this, &CompanyTab::Command1_Click);
    connect(Command2_, &QPushButton::clicked, this, &CompanyTab::Command2_Click);
    txtDateOfStatements_->installEventFilter(this);
}

void CompanyTab::enter() {}

bool CompanyTab::eventFilter(QObject* watched, QEvent* event) {
    // The box's lost focus runs before the click of the control that takes the focus; a
    // focus that leaves with the window (a dialog, another program) is not a lost focus.
    if (watched == txtDateOfStatements_ && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            txtDateOfStatements_LostFocus();
        }
    }
    return TabPage::eventFilter(watched, event);
}

void CompanyTab::txtCompany_Change() {
    txtCompany_->setMaxLength(kNameLength);
    ctx_.books.CompanyName = txtCompany_->text();
}

void CompanyTab::txtDateOfStatements_LostFocus() {
    const bool valid = isRecognisedDate(txtDateOfStatements_->text());
    if (!valid) {
        ctx_.dialogs.message(txtDateOfStatements_->text() +
                             QStringLiteral(" is not a valid date."));
        ctx_.dialogs.beep();
        txtDateOfStatements_->clear();
    }
    if (ctx_.window.shownTab() == kCompanyTab) {
        if (!valid) {
            txtDateOfStatements_->setFocus(Qt::OtherFocusReason);
        }
        return;
    }
    // The focus left because another tab is being shown. A valid date lets the user go;
    // after an invalid one the company tab comes back once that switch has finished.
    if (!valid) {
        QTimer::singleShot(0, this, [this] {
            ctx_.window.showTab(kCompanyTab);
            txtDateOfStatements_->setFocus(Qt::OtherFocusReason);
        });
    }
}

void CompanyTab::takeBusinessType() {
    if (optService_->isChecked()) {
        ctx_.books.BusinessType = QStringLiteral("Service");
    }
    if (optMdse_->isChecked()) {
        ctx_.books.BusinessType = QStringLiteral("Mdse");
    }
}

void CompanyTab::clearSelection(QRadioButton* option) {
    // An exclusive option cannot be cleared while it is the selected one.
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

void CompanyTab::optMdse_Click() {
    takeBusinessType();
    if (!optMdse_->isChecked()) {
        return;
    }
    const QString answer =
        ctx_.dialogs.inputBox(QStringLiteral("Ending Inventory"),
                              QStringLiteral("Ending Inventory Amount"), QStringLiteral("0"));
    ctx_.books.EndingInventory = answer;
    if (answer.isEmpty()) {
        ctx_.dialogs.message(QStringLiteral("You must enter the amount of ending inventory"));
    }
    ctx_.window.showTab(kCompanyTab);
    clearSelection(optMdse_);
}

void CompanyTab::optService_Click() {
    takeBusinessType();
}

void CompanyTab::Command1_Click() {
    takeBusinessType();
}

void CompanyTab::Command2_Click() {
    ctx_.books.CompanyName.clear();
    txtCompany_->clear();
    clearSelection(optService_);
    clearSelection(optMdse_);
    txtDateOfStatements_->clear();
    txtCompany_->setFocus(Qt::OtherFocusReason);
}
