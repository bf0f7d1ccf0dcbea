#include "bank/import_dialog.h"
#include "data/text_rules.h"
#include "journal/entry_date.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyledItemDelegate>
#include <QTableWidget>
#include <QVBoxLayout>

namespace folio::bank {

namespace {

// The account column's editor: the books' accounts, or none (the line is left out).
class AccountDelegate : public QStyledItemDelegate {
  public:
    AccountDelegate(const QStringList& accounts, QObject* parent)
        : QStyledItemDelegate(parent), accounts_(accounts) {}
    QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem&,
                          const QModelIndex&) const override {
        auto* box = new QComboBox(parent);
        box->setObjectName(QStringLiteral("cboImportAccount"));
        box->setAccessibleName(QStringLiteral("Other account"));
        box->addItem(QString());
        box->addItems(accounts_);
        return box;
    }
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* box = static_cast<QComboBox*>(editor);
        box->setCurrentIndex(std::max(0, box->findText(index.data().toString())));
    }
    void setModelData(QWidget* editor, QAbstractItemModel* model,
                      const QModelIndex& index) const override {
        model->setData(index, static_cast<QComboBox*>(editor)->currentText());
    }

  private:
    QStringList accounts_;
};

QTableWidgetItem* fixed(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    return item;
}

} // namespace

ImportDialog::ImportDialog(ImportPlan plan, const RuleBook& rules, const QStringList& accounts,
                           QWidget* parent)
    : QDialog(parent), plan_(std::move(plan)) {
    setObjectName(QStringLiteral("frmImportStatement"));
    setWindowTitle(QStringLiteral("Import Bank Statement into %1").arg(plan_.bankAccount));
    for (std::size_t i = 0; i < rules.rules.size(); ++i) {
        ruleNames_ << QStringLiteral("%1: %2").arg(i + 1).arg(rules.rules[i].text);
    }
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(QStringLiteral("Statement &lines:"), this);
    layout->addWidget(caption);
    grid_ = new QTableWidget(static_cast<int>(plan_.lines.size()), ColumnCount, this);
    grid_->setObjectName(QStringLiteral("grdImportPreview"));
    grid_->setAccessibleName(QStringLiteral("Statement lines"));
    caption->setBuddy(grid_);
    grid_->setHorizontalHeaderLabels({QStringLiteral("Import"), QStringLiteral("Date"),
                                      QStringLiteral("Description"), QStringLiteral("Amount"),
                                      QStringLiteral("Rule"), QStringLiteral("Account"),
                                      QStringLiteral("Status"), QStringLiteral("Why")});
    grid_->setItemDelegateForColumn(Account, new AccountDelegate(accounts, grid_));
    grid_->verticalHeader()->setVisible(false);
    grid_->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                           QAbstractItemView::EditKeyPressed);
    filling_ = true;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        fillRow(row);
    }
    filling_ = false;
    grid_->resizeColumnsToContents();
    grid_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(grid_);
    summary_ = new QLabel(this);
    summary_->setObjectName(QStringLiteral("lblImportSummary"));
    layout->addWidget(summary_);
    auto* buttons = new QDialogButtonBox(this);
    import_ = buttons->addButton(QStringLiteral("&Import"), QDialogButtonBox::AcceptRole);
    import_->setObjectName(QStringLiteral("cmdImport"));
    import_->setAccessibleName(QStringLiteral("Import"));
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("&Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cmdCancelImport"));
    cancel->setAccessibleName(QStringLiteral("Cancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(grid_, &QTableWidget::itemChanged, this, &ImportDialog::itemChanged);
    updateSummary();
    resize(980, 560);
}

void ImportDialog::fillRow(int row) {
    const PlannedLine& line = plan_.lines[static_cast<std::size_t>(row)];
    auto* tick = new QTableWidgetItem();
    tick->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable | Qt::ItemIsSelectable);
    tick->setCheckState(line.included ? Qt::Checked : Qt::Unchecked);
    grid_->setItem(row, Tick, tick);
    grid_->setItem(row, Date, fixed(journal::shownDate(line.line.date)));
    grid_->setItem(row, Description, fixed(line.line.description));
    QTableWidgetItem* amount = fixed(formatCurrency(line.line.amount));
    amount->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid_->setItem(row, Amount, amount);
    grid_->setItem(row, Rule,
                   fixed(line.rule ? ruleNames_.value(static_cast<qsizetype>(*line.rule))
                                   : QStringLiteral("none")));
    auto* account = new QTableWidgetItem(line.account);
    account->setFlags(line.sameness == Sameness::Duplicate
                          ? Qt::ItemIsEnabled | Qt::ItemIsSelectable
                          : Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable);
    grid_->setItem(row, Account, account);
    grid_->setItem(row, Status, fixed(samenessName(line.sameness)));
    grid_->setItem(row, Why, fixed(line.why));
}

void ImportDialog::itemChanged(QTableWidgetItem* item) {
    if (filling_) {
        return;
    }
    const int row = item->row();
    PlannedLine& line = plan_.lines[static_cast<std::size_t>(row)];
    if (item->column() == Account) {
        plan_.pick(static_cast<std::size_t>(row), item->text());
    } else if (item->column() == Tick) {
        const bool wanted = item->checkState() == Qt::Checked;
        if (wanted && !line.included) {
            plan_.pick(static_cast<std::size_t>(row), line.account);
        } else if (!wanted) {
            line.included = false;
        }
    } else {
        return;
    }
    filling_ = true;
    grid_->item(row, Tick)->setCheckState(line.included ? Qt::Checked : Qt::Unchecked);
    grid_->item(row, Why)->setText(line.why);
    filling_ = false;
    updateSummary();
}

void ImportDialog::updateSummary() {
    const std::size_t count = plan_.includedCount();
    summary_->setText(QStringLiteral("%1 of %2 lines will be imported into %3.")
                          .arg(count)
                          .arg(plan_.lines.size())
                          .arg(plan_.bankAccount));
    import_->setEnabled(count > 0);
}

} // namespace folio::bank
