#include "bank/rules_dialog.h"
#include "bank/statement_amount.h"
#include "data/export_file.h"
#include "data/file_error.h"
#include "reports/qt_report_files.h"
#include "ui/dialogs.h"
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>

namespace folio::bank {

namespace {

QString amountText(const std::optional<Money>& amount) {
    if (!amount) {
        return {};
    }
    return QStringLiteral("%1.%2")
        .arg(amount->raw() / Money::kScale)
        .arg((amount->raw() % Money::kScale) / 100, 2, 10, QLatin1Char('0'));
}

} // namespace

RulesDialog::RulesDialog(const RuleBook& rules, const QStringList& accounts, const QString& books,
                         ui::Dialogs& dialogs, QWidget* parent)
    : QDialog(parent), dialogs_(dialogs), accounts_(accounts), books_(books), rules_(rules) {
    setObjectName(QStringLiteral("frmBankRules"));
    setWindowTitle(QStringLiteral("Bank Rules"));
    auto* layout = new QVBoxLayout(this);
    auto* caption = new QLabel(
        QStringLiteral("&Rules, first match wins (match: contains or regex; direction: either, "
                       "in or out; amounts without sign):"),
        this);
    layout->addWidget(caption);
    grid_ = new QTableWidget(0, ColumnCount, this);
    grid_->setObjectName(QStringLiteral("grdBankRules"));
    grid_->setAccessibleName(QStringLiteral("Rules"));
    caption->setBuddy(grid_);
    grid_->setHorizontalHeaderLabels({QStringLiteral("Match"), QStringLiteral("Text"),
                                      QStringLiteral("At least"), QStringLiteral("At most"),
                                      QStringLiteral("Direction"), QStringLiteral("Account"),
                                      QStringLiteral("Memo")});
    grid_->horizontalHeader()->setStretchLastSection(true);
    layout->addWidget(grid_);
    auto* row = new QHBoxLayout;
    const struct {
        const char* name;
        const char* caption;
        std::function<void()> act;
    } buttons[] = {
        {"cmdAddRule", "&Add", [this] { addRow({}); }},
        {"cmdRemoveRule", "Re&move", [this] { grid_->removeRow(grid_->currentRow()); }},
        {"cmdRuleUp", "&Up", [this] { moveRow(-1); }},
        {"cmdRuleDown", "Do&wn", [this] { moveRow(1); }},
        {"cmdExportRules", "&Export...", [this] { exportRules(); }},
        {"cmdImportRules", "&Import...", [this] { importRules(); }},
    };
    for (const auto& each : buttons) {
        auto* made = new QPushButton(QLatin1String(each.caption), this);
        made->setObjectName(QLatin1String(each.name));
        made->setAccessibleName(QString::fromLatin1(each.caption).remove(u'&').remove(u'.'));
        made->setAutoDefault(false);
        connect(made, &QPushButton::clicked, this, each.act);
        row->addWidget(made);
    }
    layout->addLayout(row);
    auto* box = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    box->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("cmdRulesOK"));
    box->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    box->button(QDialogButtonBox::Cancel)->setObjectName(QStringLiteral("cmdRulesCancel"));
    box->button(QDialogButtonBox::Cancel)->setAccessibleName(QStringLiteral("Cancel"));
    layout->addWidget(box);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    showRules(rules);
    resize(900, 420);
}

void RulesDialog::showRules(const RuleBook& rules) {
    grid_->setRowCount(0);
    for (const BankRule& rule : rules.rules) {
        addRow(rule);
    }
}

void RulesDialog::addRow(const BankRule& rule) {
    const int row = grid_->rowCount();
    grid_->insertRow(row);
    const QStringList texts{rule.match == BankRule::Match::Pattern ? QStringLiteral("regex")
                                                                   : QStringLiteral("contains"),
                            rule.text,
                            amountText(rule.least),
                            amountText(rule.most),
                            directionName(rule.direction),
                            rule.account,
                            rule.memo};
    for (int column = 0; column < ColumnCount; ++column) {
        grid_->setItem(row, column, new QTableWidgetItem(texts[column]));
    }
    grid_->setCurrentCell(row, Text);
}

void RulesDialog::moveRow(int by) {
    const int from = grid_->currentRow();
    const int to = from + by;
    if (from < 0 || to < 0 || to >= grid_->rowCount()) {
        return;
    }
    for (int column = 0; column < ColumnCount; ++column) {
        QTableWidgetItem* a = grid_->takeItem(from, column);
        QTableWidgetItem* b = grid_->takeItem(to, column);
        grid_->setItem(from, column, b);
        grid_->setItem(to, column, a);
    }
    grid_->setCurrentCell(to, grid_->currentColumn());
}

std::optional<RuleBook> RulesDialog::readRows() {
    RuleBook book;
    for (int row = 0; row < grid_->rowCount(); ++row) {
        const auto cell = [&](int column) {
            const QTableWidgetItem* item = grid_->item(row, column);
            return item != nullptr ? item->text().trimmed() : QString();
        };
        BankRule rule;
        const QString match = cell(MatchKind).toLower();
        rule.match =
            match == QLatin1String("regex") ? BankRule::Match::Pattern : BankRule::Match::Contains;
        rule.text = cell(Text);
        QString problem;
        for (auto [column, bound] : {std::pair{Least, &rule.least}, {Most, &rule.most}}) {
            if (!cell(column).isEmpty()) {
                *bound = statementAmount(cell(column));
                if (!*bound) {
                    problem = QStringLiteral("\"%1\" is not an amount.").arg(cell(column));
                }
            }
        }
        const QString direction = cell(Direction).toLower();
        rule.direction = direction == QLatin1String("in")    ? BankRule::Direction::MoneyIn
                         : direction == QLatin1String("out") ? BankRule::Direction::MoneyOut
                                                             : BankRule::Direction::Either;
        rule.account = cell(Account);
        rule.memo = cell(Memo);
        if (problem.isEmpty()) {
            problem = rule.problem().value_or(QString());
        }
        if (problem.isEmpty() && !accounts_.contains(rule.account)) {
            problem = QStringLiteral("The books have no account named %1.").arg(rule.account);
        }
        if (problem.isEmpty() && match != QLatin1String("regex") &&
            match != QLatin1String("contains")) {
            problem = QStringLiteral("Match is contains or regex.");
        }
        if (!problem.isEmpty()) {
            dialogs_.message(QStringLiteral("Rule %1: %2").arg(row + 1).arg(problem));
            grid_->setCurrentCell(row, Text);
            return std::nullopt;
        }
        book.rules.push_back(rule);
    }
    return book;
}

void RulesDialog::done(int result) {
    if (result == QDialog::Accepted) {
        const std::optional<RuleBook> read = readRows();
        if (!read) {
            return;
        }
        rules_ = *read;
    }
    QDialog::done(result);
}

void RulesDialog::exportRules() {
    const std::optional<RuleBook> read = readRows();
    const auto path = read ? dialogs_.saveFileName(QStringLiteral("Export Bank Rules"),
                                                   QStringLiteral("bank-rules.json"),
                                                   {QStringLiteral("Bank rules (*.json)")})
                           : std::nullopt;
    if (!path) {
        return;
    }
    try {
        reports::writeTextFile(*path, QString::fromUtf8(read->toFile()), books_);
    } catch (const ExportRefused& refused) {
        dialogs_.message(refused.words());
    } catch (const FileError& error) {
        dialogs_.message(
            QStringLiteral("Cannot write %1: %2").arg(*path, errorMessage(error.number())),
            ui::MessageIcon::Critical);
    }
}

void RulesDialog::importRules() {
    const auto path = dialogs_.openFileName(QString());
    if (!path || path->isEmpty()) {
        return;
    }
    QFile file(*path);
    if (!file.open(QIODevice::ReadOnly)) {
        dialogs_.message(QStringLiteral("Cannot read %1.").arg(*path), ui::MessageIcon::Critical);
        return;
    }
    try {
        showRules(RuleBook::fromFile(*path, file.readAll()));
    } catch (const StatementError& error) {
        dialogs_.message(error.words(), ui::MessageIcon::Exclamation);
    }
}

} // namespace folio::bank
