#include "cashflow/cash_flow_class_dialog.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace folio::cashflow {

using statements::CashFlowClass;

CashFlowClassDialog::CashFlowClassDialog(const AccountTable& table,
                                         const statements::CashFlowClasses& chosen, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("dlgCashFlowClasses"));
    setWindowTitle(QStringLiteral("Cash-Flow Classes"));
    auto* intro = new QLabel(
        QStringLiteral("Check where the change of each account goes on the statement of cash "
                       "flows. Cash is what the statement explains; property and equipment "
                       "bought or sold is investing; notes, capital stock and dividends are "
                       "financing."),
        this);
    intro->setObjectName(QStringLiteral("lblCashFlowClasses"));
    intro->setWordWrap(true);
    classesGrid_ = new QTableWidget(0, 3, this);
    classesGrid_->setObjectName(QStringLiteral("grdCashFlowClasses"));
    classesGrid_->setAccessibleName(QStringLiteral("Cash-flow classes"));
    classesGrid_->setHorizontalHeaderLabels(
        {QStringLiteral("Account"), QStringLiteral("Type"), QStringLiteral("Cash-Flow Class")});
    classesGrid_->verticalHeader()->hide();
    classesGrid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    classesGrid_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    for (const AccountRecord& a : table.records) {
        if (a.isBlank() || !statements::hasCashFlowClass(a.type)) {
            continue;
        }
        const int row = classesGrid_->rowCount();
        classesGrid_->insertRow(row);
        classesGrid_->setItem(row, 0, new QTableWidgetItem(a.name));
        classesGrid_->setItem(row, 1, new QTableWidgetItem(a.type));
        auto* list = new QComboBox(classesGrid_);
        list->setObjectName(QStringLiteral("cboCashFlowClass%1").arg(row));
        list->setAccessibleName(QStringLiteral("Cash-flow class of %1").arg(a.name));
        for (CashFlowClass kind : statements::kCashFlowClasses) {
            list->addItem(statements::cashFlowClassTitle(kind), static_cast<int>(kind));
        }
        const CashFlowClass now = statements::cashFlowClassOf(a.name, a.type, chosen);
        list->setCurrentIndex(list->findData(static_cast<int>(now)));
        classesGrid_->setCellWidget(row, 2, list);
        choices_.emplace_back(a.name, list);
    }
    classesGrid_->resizeColumnToContents(2);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdOK"));
    buttons->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdCancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* page = new QVBoxLayout(this);
    page->addWidget(intro);
    page->addWidget(classesGrid_, 1);
    page->addWidget(buttons);
    resize(560, 420);
}

statements::CashFlowClasses CashFlowClassDialog::classes() const {
    statements::CashFlowClasses classes;
    for (const auto& [name, list] : choices_) {
        classes[name] = static_cast<CashFlowClass>(list->currentData().toInt());
    }
    return classes;
}

} // namespace folio::cashflow
