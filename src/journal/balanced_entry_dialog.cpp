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
    dateBox_ = ui::Form::box(QStringLiteral("txtEntryDate"), this);
    dateBox_->setText(shownDate(QDate::currentDate()));
    memoBox_ = ui::Form::box(QStringLiteral("txtEntryMemo"), this);
    auto* top = new QGridLayout();
    ui::Form::addLabelled(top, 0, 0, QStringLiteral("lblEntryDate"), QStringLiteral("&Date:"),
                          dateBox_, this);
    ui::Form::addLabelled(top, 0, 2, QStringLiteral("lblEntryMemo"), QStringLiteral("&Memo:"),
                          memoBox_, this);
    top->setColumnStretch(3, 1);
    connect(dateBox_, &QLineEdit::textChanged, this, &BalancedEntryDialog::refresh);

    linesGrid_ = new QTableWidget(0, 3, this);
    linesGrid_->setObjectName(QStringLiteral("grdEntryLines"));
    linesGrid_->setAccessibleName(QStringLiteral("Lines of the entry"));
    linesGrid_->setHorizontalHeaderLabels(
        {QStringLiteral("Account"), QStringLiteral("Debit"), QStringLiteral("Credit")});
    linesGrid_->horizontalHeader()->setSectionResizeMode(AccountColumn, QHeaderView::Stretch);
    connect(linesGrid_, &QTableWidget::itemChanged, this, &BalancedEntryDialog::refresh);

    auto* cmdAddLine = new QPushButton(QStringLiteral("&Add Line"), this);
    cmdAddLine->setObjectName(QStringLiteral("cmdAddLine"));
    cmdAddLine->setAccessibleName(QStringLiteral("Add a line"));
    auto* cmdRemoveLine = new QPushButton(QStringLiteral("&Remove Line"), this);
    cmdRemoveLine->setObjectName(QStringLiteral("cmdRemoveLine"));
    cmdRemoveLine->setAccessibleName(QStringLiteral("Remove the chosen line"));
    connect(cmdAddLine, &QPushButton::clicked, this, &BalancedEntryDialog::addLineAtEnd);
    connect(cmdRemoveLine, &QPushButton::clicked, this, &BalancedEntryDialog::removeChosenLine);

    totalsLabel_ = new QLabel(this);
    totalsLabel_->setObjectName(QStringLiteral("lblEntryTotals"));
    totalsLabel_->setAccessibleName(QStringLiteral("Totals of the entry"));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    postButton_ = buttons->addButton(QStringLiteral("&Post Entry"), QDialogButtonBox::AcceptRole);
    postButton_->setObjectName(QStringLiteral("cmdPostEntry"));
    postButton_->setAccessibleName(QStringLiteral("Post the entry"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* lineButtons = new QHBoxLayout();
    lineButtons->addWidget(cmdAddLine);
    lineButtons->addWidget(cmdRemoveLine);
    lineButtons->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(linesGrid_, 1);
    layout->addLayout(lineButtons);
    layout->addWidget(totalsLabel_);
    layout->addWidget(buttons);
    addLine();
    addLine();
    resize(640, 380);
}

void BalancedEntryDialog::addLineAtEnd() {
    // The new line is the one typed into next.
    QComboBox* account = addLine();
    linesGrid_->setCurrentCell(linesGrid_->rowCount() - 1, AccountColumn);
    account->setFocus(Qt::OtherFocusReason);
}

QComboBox* BalancedEntryDialog::addLine() {
    const int row = linesGrid_->rowCount();
    linesGrid_->insertRow(row);
    auto* account = new QComboBox(linesGrid_);
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
    linesGrid_->setCellWidget(row, AccountColumn, account);
    linesGrid_->setItem(row, DebitColumn, new QTableWidgetItem());
    linesGrid_->setItem(row, CreditColumn, new QTableWidgetItem());
    refresh();
    return account;
}

void BalancedEntryDialog::removeChosenLine() {
    const int row = linesGrid_->currentRow();
    if (row >= 0 && linesGrid_->rowCount() > 2) {
        linesGrid_->removeRow(row);
        refresh();
    }
}

void BalancedEntryDialog::setLine(int row, int account, const QString& debit,
                                  const QString& credit) {
    while (linesGrid_->rowCount() <= row) {
        addLine();
    }
    static_cast<QComboBox*>(linesGrid_->cellWidget(row, AccountColumn))
        ->setCurrentIndex(account + 1);
    linesGrid_->item(row, DebitColumn)->setText(debit);
    linesGrid_->item(row, CreditColumn)->setText(credit);
}

std::optional<EntryNote> BalancedEntryDialog::note() const {
    const std::optional<QDate> date = readDate(dateBox_->text());
    if (!date) {
        return std::nullopt;
    }
    return EntryNote{*date, memoBox_->text().trimmed()};
}

std::vector<AmountLine> BalancedEntryDialog::lines() const {
    std::vector<AmountLine> lines;
    for (int row = 0; row < linesGrid_->rowCount(); ++row) {
        const auto* account = static_cast<QComboBox*>(linesGrid_->cellWidget(row, AccountColumn));
        const auto debit = cellAmount(linesGrid_->item(row, DebitColumn));
        const auto credit = cellAmount(linesGrid_->item(row, CreditColumn));
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
        return notADateMessage(dateBox_->text());
    }
    for (int row = 0; row < linesGrid_->rowCount(); ++row) {
        for (int column : {DebitColumn, CreditColumn}) {
            const QTableWidgetItem* item = linesGrid_->item(row, column);
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
    totalsLabel_->setText(reason ? totals + QStringLiteral("    ") + *reason : totals);
    postButton_->setEnabled(!reason.has_value());
}

} // namespace folio::journal
