#include "journal/balanced_entry_dialog.h"
#include "data/text_rules.h"
#include "journal/entry_date.h"
#include "ui/form.h"
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace folio::journal {

namespace {
enum Column { AccountColumn, DebitColumn, CreditColumn };

// An amount cell: empty is zero; otherwise a whole amount by the US number rules.
std::optional<Money> cellAmount(const QTableWidgetItem* item) {
    const QString text = item != nullptr ? item->text().trimmed() : QString();
    return text.isEmpty() ? std::optional<Money>(Money()) : parseAmount(text);
}
} // namespace

BalancedEntryDialog::BalancedEntryDialog(std::vector<Account> accounts, QWidget* parent)
    : QDialog(parent), accounts_(std::move(accounts)) {
    setObjectName(QStringLiteral("frmBalancedEntry"));
    setWindowTitle(QStringLiteral("Balanced Entry"));
    txtEntryDate_ = ui::Form::box(QStringLiteral("txtEntryDate"), this);
    txtEntryDate_->setText(shownDate(QDate::currentDate()));
    txtEntryMemo_ = ui::Form::box(QStringLiteral("txtEntryMemo"), this);
    auto* top = new QGridLayout();
    ui::Form::addLabelled(top, 0, 0, QStringLiteral("lblEntryDate"), QStringLiteral("&Date:"),
                          txtEntryDate_, this);
    ui::Form::addLabelled(top, 0, 2, QStringLiteral("lblEntryMemo"), QStringLiteral("&Memo:"),
                          txtEntryMemo_, this);
    top->setColumnStretch(3, 1);
    connect(txtEntryDate_, &QLineEdit::textChanged, this, &BalancedEntryDialog::refresh);

    grdEntryLines_ = new QTableWidget(0, 3, this);
    grdEntryLines_->setObjectName(QStringLiteral("grdEntryLines"));
    grdEntryLines_->setAccessibleName(QStringLiteral("Lines of the entry"));
    grdEntryLines_->setHorizontalHeaderLabels(
        {QStringLiteral("Account"), QStringLiteral("Debit"), QStringLiteral("Credit")});
    grdEntryLines_->horizontalHeader()->setSectionResizeMode(AccountColumn, QHeaderView::Stretch);
    connect(grdEntryLines_, &QTableWidget::itemChanged, this, &BalancedEntryDialog::refresh);

    auto* cmdAddLine = new QPushButton(QStringLiteral("&Add Line"), this);
    cmdAddLine->setObjectName(QStringLiteral("cmdAddLine"));
    cmdAddLine->setAccessibleName(QStringLiteral("Add a line"));
    auto* cmdRemoveLine = new QPushButton(QStringLiteral("&Remove Line"), this);
    cmdRemoveLine->setObjectName(QStringLiteral("cmdRemoveLine"));
    cmdRemoveLine->setAccessibleName(QStringLiteral("Remove the chosen line"));
    connect(cmdAddLine, &QPushButton::clicked, this, &BalancedEntryDialog::addLineAtEnd);
    connect(cmdRemoveLine, &QPushButton::clicked, this, &BalancedEntryDialog::removeChosenLine);

    lblEntryTotals_ = new QLabel(this);
    lblEntryTotals_->setObjectName(QStringLiteral("lblEntryTotals"));
    lblEntryTotals_->setAccessibleName(QStringLiteral("Totals of the entry"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    cmdPostEntry_ = buttons->addButton(QStringLiteral("&Post Entry"), QDialogButtonBox::AcceptRole);
    cmdPostEntry_->setObjectName(QStringLiteral("cmdPostEntry"));
    cmdPostEntry_->setAccessibleName(QStringLiteral("Post the entry"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* lineButtons = new QHBoxLayout();
    lineButtons->addWidget(cmdAddLine);
    lineButtons->addWidget(cmdRemoveLine);
    lineButtons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(grdEntryLines_, 1);
    layout->addLayout(lineButtons);
    layout->addWidget(lblEntryTotals_);
    layout->addWidget(buttons);
    addLine();
    addLine();
    resize(640, 380);
}

void BalancedEntryDialog::addLineAtEnd() {
    // The new line is the one typed into next.
    QComboBox* account = addLine();
    grdEntryLines_->setCurrentCell(grdEntryLines_->rowCount() - 1, AccountColumn);
    account->setFocus(Qt::OtherFocusReason);
}

QComboBox* BalancedEntryDialog::addLine() {
    const int row = grdEntryLines_->rowCount();
    grdEntryLines_->insertRow(row);
    auto* account = new QComboBox(grdEntryLines_);
    account->setObjectName(QStringLiteral("cboEntryAccount%1").arg(row + 1));
    account->setAccessibleName(QStringLiteral("Account of line %1").arg(row + 1));
    account->addItem(QString());
    // Two accounts of one name still look different: each shows its type and record.
    for (const Account& each : accounts_) {
        account->addItem(
            QStringLiteral("%1 (%2, record %3)")
                .arg(each.name, each.type.isEmpty() ? QStringLiteral("no type") : each.type)
                .arg(each.record),
            each.record);
    }
    connect(account, &QComboBox::currentIndexChanged, this, &BalancedEntryDialog::refresh);
    grdEntryLines_->setCellWidget(row, AccountColumn, account);
    grdEntryLines_->setItem(row, DebitColumn, new QTableWidgetItem());
    grdEntryLines_->setItem(row, CreditColumn, new QTableWidgetItem());
    refresh();
    return account;
}

void BalancedEntryDialog::removeChosenLine() {
    const int row = grdEntryLines_->currentRow();
    if (row >= 0 && grdEntryLines_->rowCount() > 2) {
        grdEntryLines_->removeRow(row);
        refresh();
    }
}

void BalancedEntryDialog::setLine(int row, int account, const QString& debit,
                                  const QString& credit) {
    while (grdEntryLines_->rowCount() <= row) {
        addLine();
    }
    static_cast<QComboBox*>(grdEntryLines_->cellWidget(row, AccountColumn))
        ->setCurrentIndex(account + 1);
    grdEntryLines_->item(row, DebitColumn)->setText(debit);
    grdEntryLines_->item(row, CreditColumn)->setText(credit);
}

std::optional<EntryNote> BalancedEntryDialog::note() const {
    const std::optional<QDate> date = readDate(txtEntryDate_->text());
    if (!date) {
        return std::nullopt;
    }
    return EntryNote{*date, txtEntryMemo_->text().trimmed()};
}

std::vector<AmountLine> BalancedEntryDialog::lines() const {
    std::vector<AmountLine> lines;
    for (int row = 0; row < grdEntryLines_->rowCount(); ++row) {
        const auto* account =
            static_cast<QComboBox*>(grdEntryLines_->cellWidget(row, AccountColumn));
        const auto debit = cellAmount(grdEntryLines_->item(row, DebitColumn));
        const auto credit = cellAmount(grdEntryLines_->item(row, CreditColumn));
        if (account->currentIndex() <= 0 && debit == Money() && credit == Money()) {
            continue; // an empty line
        }
        lines.push_back(
            {account->currentData().toInt(), debit.value_or(Money()), credit.value_or(Money())});
    }
    return lines;
}

std::optional<QString> BalancedEntryDialog::problem() const {
    if (!note()) {
        return notADateMessage(txtEntryDate_->text());
    }
    for (int row = 0; row < grdEntryLines_->rowCount(); ++row) {
        for (int column : {DebitColumn, CreditColumn}) {
            const QTableWidgetItem* item = grdEntryLines_->item(row, column);
            if (!cellAmount(item)) {
                return QStringLiteral("Line %1: %2 is not an amount.")
                    .arg(row + 1)
                    .arg(item->text());
            }
        }
    }
    const std::vector<AmountLine> entered = lines();
    for (std::size_t i = 0; i < entered.size(); ++i) {
        if (entered[i].record == 0) {
            return QStringLiteral("Choose the account of each line.");
        }
    }
    return balanceProblem(entered);
}

void BalancedEntryDialog::refresh() {
    const std::optional<QString> reason = problem();
    QString totals;
    try {
        const Totals sums = totalsOf(lines());
        totals = QStringLiteral("Debits %1    Credits %2")
                     .arg(formatCurrency(sums.debits), formatCurrency(sums.credits));
    } catch (const MoneyOverflow&) {
        totals = QStringLiteral("The amounts are too large to add up.");
    }
    lblEntryTotals_->setText(reason ? totals + QStringLiteral("    ") + *reason : totals);
    cmdPostEntry_->setEnabled(!reason.has_value());
}

} // namespace folio::journal
