// A bank statement of 10,000 lines imported (read, planned, previewed in the dialog and
// written as one entry), and a reconciliation over the 10,000 lines it leaves. The floor:
// the import within 2 seconds, the reconciliation's listing and ticks within 1 second, and
// in the window the listing within 2 seconds and each tick, with its figures, within 50 ms.
#include "bank/bank_store.h"
#include "bank/import_dialog.h"
#include "bank/import_writer.h"
#include "bank/reconcile_window.h"
#include "bank/reconciliation.h"
#include "bank/statement_reader.h"
#include "journal/file_image.h"
#include "scripted_dialogs.h"
#include "session/books_session.h"
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QTableWidget>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <chrono>

using namespace folio;

namespace {

constexpr int kLines = 10000;

// Books with a bank account and a few others, their journal open, and a statement.
struct BankBooks {
    BankBooks() {
        books = dir.filePath(QStringLiteral("books.dat"));
        std::vector<AccountRecord> records{{QStringLiteral("Cash"), QStringLiteral("D1"), {}, {}},
                                           {QStringLiteral("Sales"), QStringLiteral("C4"), {}, {}},
                                           {QStringLiteral("Rent"), QStringLiteral("D5"), {}, {}},
                                           {QStringLiteral("Fees"), QStringLiteral("D5"), {}, {}}};
        QFile file(books);
        file.open(QIODevice::WriteOnly);
        file.write(journal::imageOf(records));
        file.close();
        session.books().select(books);
        session.openJournal();
        QByteArray csv("Date,Description,Amount,Transaction ID\n");
        for (int i = 0; i < kLines; ++i) {
            const QDate date = QDate(2026, 1, 1).addDays(i % 365);
            csv += QStringLiteral("%1,\"%2 %3, INC\",%4%5.%6,ID%7\n")
                       .arg(date.toString(QStringLiteral("MM/dd/yyyy")))
                       .arg(i % 3 == 0   ? "CUSTOMER"
                            : i % 3 == 1 ? "LANDLORD"
                                         : "BANK FEE")
                       .arg(i)
                       .arg(i % 3 == 0 ? "" : "-")
                       .arg(10 + i % 900)
                       .arg(i % 100, 2, 10, QLatin1Char('0'))
                       .arg(i)
                       .toUtf8();
        }
        statement = dir.filePath(QStringLiteral("statement.csv"));
        QFile out(statement);
        out.open(QIODevice::WriteOnly);
        out.write(csv);
        rules.rules = {{bank::BankRule::Match::Contains,
                        QStringLiteral("customer"),
                        {},
                        {},
                        {},
                        QStringLiteral("Sales"),
                        {}},
                       {bank::BankRule::Match::Pattern,
                        QStringLiteral("^LANDLORD"),
                        {},
                        {},
                        {},
                        QStringLiteral("Rent"),
                        {}},
                       {bank::BankRule::Match::Contains,
                        QStringLiteral("FEE"),
                        {},
                        {},
                        {},
                        QStringLiteral("Fees"),
                        {}}};
    }
    std::int64_t importOnce() {
        bank::BankStore store(session.journalStore());
        const bank::StatementReading reading = bank::readStatement(statement);
        const QStringList accounts{QStringLiteral("Cash"), QStringLiteral("Sales"),
                                   QStringLiteral("Rent"), QStringLiteral("Fees")};
        const bank::ImportPlan plan =
            bank::planImport(reading.statement, QStringLiteral("Cash"), rules,
                             store.history(QStringLiteral("Cash")), accounts);
        bank::ImportDialog preview(plan, rules, accounts);
        return bank::writeImport(session, preview.plan(), statement).seq;
    }

    QTemporaryDir dir;
    QString books;
    QString statement;
    session::BooksSession session;
    bank::RuleBook rules;
};

void floorCheck(benchmark::State& state, double seconds, double floor) {
    state.counters["seconds"] = seconds;
    if (seconds > floor) {
        state.SkipWithError("over its floor");
    }
}

void BM_ImportStatement10000(benchmark::State& state) {
    BankBooks bank;
    double worst = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const std::int64_t seq = bank.importOnce();
        worst = std::max(
            worst, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        state.PauseTiming();
        if (seq == 0) {
            state.SkipWithError("nothing imported");
            break;
        }
        bank.session.undo();
        state.ResumeTiming();
    }
    floorCheck(state, worst, 2.0);
}
BENCHMARK(BM_ImportStatement10000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Reconcile10000(benchmark::State& state) {
    BankBooks bank;
    bank.importOnce();
    double worst = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        bank::Reconciler reconciler(bank.session.journalStore(), QStringLiteral("Cash"), true,
                                    bank.session.books().get(1).current);
        reconciler.start(QDate(2026, 12, 31), Money());
        for (std::size_t i = 0; i < reconciler.lines().size(); ++i) {
            reconciler.setCleared(i, true);
            benchmark::DoNotOptimize(reconciler.difference());
        }
        worst = std::max(
            worst, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (reconciler.lines().size() != kLines) {
            state.SkipWithError("not every line listed");
        }
    }
    floorCheck(state, worst, 1.0);
}
BENCHMARK(BM_Reconcile10000)->Unit(benchmark::kMillisecond)->Iterations(3);

// The reconcile window itself: its 10,000 lines listed, then every one ticked by hand,
// the cleared balance and difference shown after each.
void BM_ReconcileWindow10000(benchmark::State& state) {
    BankBooks bank;
    bank.importOnce();
    ScriptedDialogs dialogs;
    double listing = 0;
    double worstTick = 0;
    for (auto _ : state) {
        bank::ReconcileWindow window(bank.session, QStringLiteral("Bench Co."), dialogs);
        window.show();
        window.findChild<QComboBox*>(QStringLiteral("cboReconcileAccount"))->setCurrentIndex(0);
        window.findChild<QLineEdit*>(QStringLiteral("txtStatementDate"))
            ->setText(QStringLiteral("12/31/2026"));
        window.findChild<QLineEdit*>(QStringLiteral("txtEndingBalance"))
            ->setText(QStringLiteral("0"));
        const auto start = std::chrono::steady_clock::now();
        window.listStatementLines();
        QApplication::processEvents();
        listing = std::max(
            listing,
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        auto* grid = window.findChild<QTableWidget*>(QStringLiteral("grdReconcile"));
        if (grid->rowCount() != kLines) {
            state.SkipWithError("not every line listed");
            break;
        }
        for (int row = 0; row < grid->rowCount(); row += 97) {
            const auto tick = std::chrono::steady_clock::now();
            grid->item(row, 0)->setCheckState(Qt::Checked);
            QApplication::processEvents();
            worstTick = std::max(
                worstTick,
                std::chrono::duration<double>(std::chrono::steady_clock::now() - tick).count());
        }
    }
    state.counters["tick_ms"] = worstTick * 1000;
    floorCheck(state, listing, 2.0);
    if (worstTick > 0.05) {
        state.SkipWithError("a tick over its floor");
    }
}
BENCHMARK(BM_ReconcileWindow10000)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace
