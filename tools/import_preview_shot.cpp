// Takes the screenshot of the bank statement preview for the user guide: a month's CSV
// statement planned with three rules against an empty history, one line left for the user.
// Run it on a display: import_preview_shot STATEMENT.csv OUTPUT.png
#include "bank/import_dialog.h"
#include "bank/statement_reader.h"
#include <QApplication>
#include <QTimer>
#include <cstdio>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    if (argc != 3) {
        std::fputs("usage: import_preview_shot STATEMENT.csv OUTPUT.png\n", stderr);
        return 2;
    }
    using namespace folio::bank;
    const StatementReading reading = readStatement(QString::fromLocal8Bit(argv[1]));
    RuleBook rules;
    rules.rules = {{BankRule::Match::Contains,
                    QStringLiteral("payroll"),
                    {},
                    {},
                    BankRule::Direction::MoneyIn,
                    QStringLiteral("Sales"),
                    {}},
                   {BankRule::Match::Pattern,
                    QStringLiteral("POWER|LIGHT"),
                    {},
                    {},
                    {},
                    QStringLiteral("Utilities"),
                    QStringLiteral("Electricity")},
                   {BankRule::Match::Contains,
                    QStringLiteral("CHARGE"),
                    {},
                    {},
                    BankRule::Direction::MoneyOut,
                    QStringLiteral("Bank Fees"),
                    {}}};
    const QStringList accounts{QStringLiteral("Cash"), QStringLiteral("Sales"),
                               QStringLiteral("Utilities"), QStringLiteral("Bank Fees")};
    ImportHistory history;
    history.add({QDate(2026, 3, 3), QStringLiteral("CITY POWER & LIGHT"),
                 folio::Money::fromRaw(-456700), QString()});
    ImportDialog preview(
        planImport(reading.statement, QStringLiteral("Cash"), rules, history, accounts), rules,
        accounts);
    preview.show();
    QTimer::singleShot(300, &app, [&] {
        preview.grab().save(QString::fromLocal8Bit(argv[2]));
        app.quit();
    });
    return QApplication::exec();
}
