#include "app/bank_menu.h"
#include "bank/bank_store.h"
#include "bank/import_dialog.h"
#include "bank/import_writer.h"
#include "bank/reconcile_window.h"
#include "bank/rules_dialog.h"
#include "data/books.h"
#include "data/file_error.h"
#include "journal/file_image.h"
#include "session/books_session.h"
#include "ui/dialogs.h"
#include "ui/failure_report.h"
#include <QAction>
#include <QMenu>

namespace folio::app {

BankMenu::BankMenu(QWidget& window, session::BooksSession& session, ui::Dialogs& dialogs)
    : QObject(&window), window_(window), session_(session), dialogs_(dialogs) {}

void BankMenu::build(QMenu& file, QMenu& journal) {
    QAction* before = file.actions().value(1); // above Exit
    auto* import = new QAction(QStringLiteral("&Import Bank Statement..."), &file);
    import->setObjectName(QStringLiteral("mnuImportStatement"));
    auto* rules = new QAction(QStringLiteral("&Bank Rules..."), &file);
    rules->setObjectName(QStringLiteral("mnuBankRules"));
    file.insertActions(before, {import, rules});
    file.insertSeparator(before);
    journal.addSeparator();
    QAction* reconcile = journal.addAction(QStringLiteral("&Reconcile Account..."));
    reconcile->setObjectName(QStringLiteral("mnuReconcile"));
    connect(import, &QAction::triggered, this, &BankMenu::importBankStatement);
    connect(rules, &QAction::triggered, this, &BankMenu::editBankRules);
    connect(reconcile, &QAction::triggered, this, &BankMenu::reconcileAccount);
    const auto enable = [this, import, rules, reconcile] {
        for (QAction* action : {import, rules, reconcile}) {
            action->setEnabled(session_.books().isSelected());
        }
    };
    connect(&file, &QMenu::aboutToShow, this, enable);
    connect(&journal, &QMenu::aboutToShow, this, enable);
}

bool BankMenu::ready() {
    if (!session_.books().isSelected()) {
        dialogs_.beep();
        return false;
    }
    if (!session_.hasJournal()) {
        dialogs_.message(QStringLiteral("These books have no journal open. Bank statements "
                                        "and reconciliations are kept in it: select the file "
                                        "again to open it."));
        return false;
    }
    return true;
}

QStringList BankMenu::accountNames() {
    QStringList names;
    for (const AccountRecord& record :
         journal::recordsOf(journal::readImage(journal::booksFile(session_.books())))) {
        if (!record.name.isEmpty()) {
            names << record.name;
        }
    }
    return names;
}

void BankMenu::importBankStatement() {
    if (!ready()) {
        return;
    }
    const std::optional<QString> path = dialogs_.openFileName(lastFile_);
    if (!path || path->isEmpty()) {
        return;
    }
    lastFile_ = *path;
    QStringList accounts;
    if (!ui::runReported(dialogs_, [&] { accounts = accountNames(); })) {
        return;
    }
    const auto chosen =
        dialogs_.chooseOne(QStringLiteral("Which account is this bank statement of?"), accounts);
    if (chosen) {
        importFile(*path, accounts.value(*chosen));
    }
}

std::optional<bank::CsvLayout> BankMenu::askColumns(const QStringList& firstRow) {
    QStringList columns;
    for (qsizetype i = 0; i < firstRow.size(); ++i) {
        columns << QStringLiteral("Column %1: %2").arg(i + 1).arg(firstRow[i]);
    }
    bank::CsvLayout layout;
    const auto ask = [&](const QString& question, QStringList answers) -> std::optional<int> {
        return dialogs_.chooseOne(question, answers);
    };
    const auto date = ask(QStringLiteral("Which column holds the date?"), columns);
    const auto description =
        date ? ask(QStringLiteral("Which column holds the description?"), columns) : std::nullopt;
    const auto amount =
        description ? ask(QStringLiteral("Which column holds the amount (money out negative)?"),
                          columns + QStringList{QStringLiteral("Debit and credit columns")})
                    : std::nullopt;
    if (!amount) {
        return std::nullopt;
    }
    layout.date = *date;
    layout.description = *description;
    if (*amount < columns.size()) {
        layout.amount = *amount;
    } else {
        const auto debit = ask(QStringLiteral("Which column holds money out (debits)?"), columns);
        const auto credit =
            debit ? ask(QStringLiteral("Which column holds money in (credits)?"), columns)
                  : std::nullopt;
        if (!credit) {
            return std::nullopt;
        }
        layout.debit = *debit;
        layout.credit = *credit;
    }
    layout.header = dialogs_.askYesNo(QStringLiteral("Does the first row name the columns?"));
    return layout;
}

std::optional<bank::Statement> BankMenu::readAsking(const QString& path, bank::BankStore& store) {
    bank::ReadChoices choices;
    bank::StatementReading reading = bank::readWithKeptLayout(path, store, choices.dates);
    for (int asked = 0; reading.need != bank::StatementReading::Need::Nothing && asked < 3;
         ++asked) {
        if (reading.need == bank::StatementReading::Need::Columns) {
            choices.layout = askColumns(reading.firstRow);
            if (!choices.layout) {
                return std::nullopt;
            }
        } else {
            if (!reading.signature.isEmpty()) {
                choices.layout = reading.layout;
            }
            const auto order =
                dialogs_.chooseOne(reading.question, {QStringLiteral("MM/DD/YYYY (month first)"),
                                                      QStringLiteral("DD/MM/YYYY (day first)")});
            if (!order) {
                return std::nullopt;
            }
            choices.dates =
                *order == 0 ? bank::DateOrder::MonthDayYear : bank::DateOrder::DayMonthYear;
        }
        reading = bank::readStatement(path, choices);
    }
    if (reading.need != bank::StatementReading::Need::Nothing) {
        return std::nullopt;
    }
    if (!reading.signature.isEmpty()) {
        store.setLayout(reading.signature, reading.layout); // the bank's layout, for next time
    }
    return reading.statement;
}

void BankMenu::importFile(const QString& path, const QString& bankAccount) {
    if (!ready()) {
        return;
    }
    std::optional<bank::ImportPlan> plan;
    bank::RuleBook rules;
    QStringList accounts;
    try {
        const bool read = ui::runReported(dialogs_, [&] {
            bank::BankStore store(session_.journalStore());
            const std::optional<bank::Statement> statement = readAsking(path, store);
            if (!statement) {
                return;
            }
            rules = store.rules();
            accounts = accountNames();
            plan = bank::planImport(*statement, bankAccount, rules, store.history(bankAccount),
                                    accounts);
        });
        if (!read || !plan) {
            return;
        }
    } catch (const bank::StatementError& error) {
        dialogs_.message(QStringLiteral("Nothing was imported. %1").arg(error.words()),
                         ui::MessageIcon::Exclamation);
        return;
    }
    if (std::all_of(plan->lines.cbegin(), plan->lines.cend(), [](const bank::PlannedLine& line) {
            return line.sameness == bank::Sameness::Duplicate;
        })) {
        dialogs_.message(QStringLiteral("Nothing new to import: every line of %1 was imported "
                                        "into %2 before.")
                             .arg(path.section(u'/', -1), bankAccount));
        return;
    }
    bank::ImportDialog preview(*plan, rules, accounts, &window_);
    if (preview.exec() != QDialog::Accepted) {
        return;
    }
    ui::reportChange(dialogs_, bank::writeImport(session_, preview.plan(), path));
}

void BankMenu::editBankRules() {
    if (!ready()) {
        return;
    }
    QStringList accounts;
    if (!ui::runReported(dialogs_, [&] { accounts = accountNames(); })) {
        return;
    }
    bank::RulesDialog dialog(bank::BankStore(session_.journalStore()).rules(), accounts,
                             session_.books().path(), dialogs_, &window_);
    if (dialog.exec() == QDialog::Accepted) {
        ui::reportChange(dialogs_, session_.keepRecords([&](journal::JournalStore& store) {
            bank::BankStore(store).setRules(dialog.rules());
        }));
    }
}

void BankMenu::reconcileAccount() {
    if (!ready()) {
        return;
    }
    bank::ReconcileWindow window(session_, session_.company().name, dialogs_, &window_);
    window.exec();
}

} // namespace folio::app
