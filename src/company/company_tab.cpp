#include "company/company_tab.h"
#include "company/date_rules.h"
#include "data/text_rules.h"
#include "statements/company_info.h"
#include "ui/amount_message.h"
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

namespace folio::company {

using statements::Business;

namespace {
constexpr int kNameLength = 40;
} // namespace

CompanyTab::CompanyTab(ui::TabContext context, QWidget* parent) : TabPage(context, parent) {
    setObjectName(QStringLiteral("CompanyTab"));
    companyBox_ = ui::Form::box(QStringLiteral("txtCompany"), this);
    companyBox_->setMaxLength(kNameLength);
    statementDateBox_ = ui::Form::box(QStringLiteral("txtDateOfStatements"), this);

    auto* fields = new QGridLayout();
    ui::Form::addLabelled(fields, 0, 0, QStringLiteral("lblCompany"),
                          QStringLiteral("Company &Name"), companyBox_, this);
    ui::Form::addLabelled(fields, 1, 0, QStringLiteral("lblDateOfStatements"),
                          QStringLiteral("&Date of Statements"), statementDateBox_, this);
    fields->setColumnStretch(1, 1);

    Frame2_ = new QGroupBox(QStringLiteral("Type of Business"), this);
    Frame2_->setObjectName(QStringLiteral("Frame2"));
    merchandisingChoice_ = new QRadioButton(QStringLiteral("Merchandising"), Frame2_);
    merchandisingChoice_->setObjectName(QStringLiteral("optMdse"));
    serviceChoice_ = new QRadioButton(QStringLiteral("Service"), Frame2_);
    serviceChoice_->setObjectName(QStringLiteral("optService"));
    auto* options = new QVBoxLayout(Frame2_);
    options->addWidget(merchandisingChoice_, 0, Qt::AlignLeft);
    options->addWidget(serviceChoice_, 0, Qt::AlignLeft);

    okButton_ = new QPushButton(QStringLiteral("Ok"), this);
    okButton_->setObjectName(QStringLiteral("Command1"));
    cancelButton_ = new QPushButton(QStringLiteral("&Cancel"), this);
    cancelButton_->setObjectName(QStringLiteral("Command2"));
    auto* buttons = new QHBoxLayout();
    buttons->addStretch(1);
    buttons->addWidget(okButton_);
    buttons->addWidget(cancelButton_);

    auto* page = new QVBoxLayout(this);
    page->addLayout(fields);
    page->addWidget(Frame2_);
    page->addStretch(1);
    page->addLayout(buttons);

    connect(companyBox_, &QLineEdit::textChanged, this, &CompanyTab::takeCompanyName);
    connect(merchandisingChoice_, &QRadioButton::clicked, this, &CompanyTab::chooseMerchandising);
    connect(serviceChoice_, &QRadioButton::clicked, this, &CompanyTab::chooseService);
    connect(okButton_, &QPushButton::clicked, this, &CompanyTab::acceptCompany);
    connect(cancelButton_, &QPushButton::clicked, this, &CompanyTab::clearCompany);
    statementDateBox_->installEventFilter(this);
}

std::optional<ui::Tab> CompanyTab::enter() {
    // The boxes show what the books hold, e.g. the information kept with them.
    const statements::CompanyInfo& info = ctx_.company;
    if (companyBox_->text() != info.name) {
        companyBox_->setText(info.name);
    }
    if (!statementDateBox_->hasFocus()) {
        statementDateBox_->setText(info.date);
    }
    merchandisingChoice_->setChecked(info.business == Business::Merchandising);
    serviceChoice_->setChecked(info.business == Business::Service);
    if (info.business == Business::Unknown) {
        clearSelection(merchandisingChoice_);
        clearSelection(serviceChoice_);
    }
    return std::nullopt;
}

bool CompanyTab::eventFilter(QObject* watched, QEvent* event) {
    // The box's lost focus runs before the click of the control that takes the focus; a
    // focus that leaves with the window (a dialog, another program) is not a lost focus.
    if (watched == statementDateBox_ && event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            checkStatementDate();
        }
    }
    return TabPage::eventFilter(watched, event);
}

void CompanyTab::takeCompanyName() {
    companyBox_->setMaxLength(kNameLength);
    ctx_.company.name = companyBox_->text();
}

void CompanyTab::checkStatementDate() {
    const QString text = statementDateBox_->text();
    if (readDate(text) || text.trimmed().isEmpty()) {
        ctx_.company.date = text.trimmed();
        return;
    }
    ctx_.company.date.clear();
    statementDateBox_->clear();
    ctx_.dialogs.message(invalidDateMessage(text));
    ctx_.dialogs.beep();
    // The focus comes back to the box once whatever took it has finished (another tab
    // being shown, say), so the date can be typed again.
    QTimer::singleShot(0, this, [this] {
        if (ctx_.window.shownTab() != ui::Tab::Company) {
            ctx_.window.showTabLater(ui::Tab::Company);
        }
        QTimer::singleShot(0, this, [this] { statementDateBox_->setFocus(Qt::OtherFocusReason); });
    });
}

void CompanyTab::takeBusinessType() {
    if (serviceChoice_->isChecked()) {
        ctx_.company.business = Business::Service;
    }
    if (merchandisingChoice_->isChecked()) {
        ctx_.company.business = Business::Merchandising;
    }
}

void CompanyTab::clearSelection(QRadioButton* option) {
    // An exclusive option cannot be cleared while it is the selected one.
    option->setAutoExclusive(false);
    option->setChecked(false);
    option->setAutoExclusive(true);
}

void CompanyTab::chooseMerchandising() {
    takeBusinessType();
    if (!merchandisingChoice_->isChecked()) {
        return;
    }
    // The option stays chosen, showing the type of business; clicking it again asks for
    // the ending inventory again.
    askEndingInventory();
}

void CompanyTab::askEndingInventory() {
    const QString answer =
        ctx_.dialogs.inputBox(QStringLiteral("Ending Inventory"),
                              QStringLiteral("Ending Inventory Amount"), QStringLiteral("0"));
    if (answer.trimmed().isEmpty()) {
        ctx_.company.endingInventory.reset();
        ctx_.dialogs.message(QStringLiteral("You must enter the amount of ending inventory"));
        return;
    }
    const std::optional<Money> amount = parseAmount(answer);
    if (!amount) {
        ctx_.company.endingInventory.reset();
        ctx_.dialogs.message(ui::amountRefusedMessage(QStringLiteral("ending inventory"), answer));
        return;
    }
    ctx_.company.endingInventory = *amount;
}

void CompanyTab::chooseService() {
    takeBusinessType();
}

void CompanyTab::acceptCompany() {
    takeBusinessType();
}

void CompanyTab::clearCompany() {
    ctx_.company = statements::CompanyInfo();
    companyBox_->clear();
    clearSelection(serviceChoice_);
    clearSelection(merchandisingChoice_);
    statementDateBox_->clear();
    companyBox_->setFocus(Qt::OtherFocusReason);
}

} // namespace folio::company
