#include "data/books.h"
#include "data/export_file.h"
#include "data/file_error.h"
#include "reports/cash_flow_report.h"
#include "reports/qt_report_files.h"
#include "reports/report_layout.h"
#include "reports/report_printer.h"
#include "reports/statement_csv.h"
#include "ui/dialogs.h"
#include <QDir>
#include <QFileInfo>

namespace folio::reports {

namespace {

QString fileTitleOf(Report report) {
    switch (report) {
    case Report::TrialBalance:
        return QStringLiteral("trial balance");
    case Report::IncomeStatement:
        return QStringLiteral("income statement");
    case Report::Equity:
        return QStringLiteral("stockholders equity");
    case Report::BalanceSheet:
        return QStringLiteral("balance sheet");
    case Report::CashFlows:
        return QStringLiteral("statement of cash flows");
    }
    return {};
}

bool isCsv(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("csv"), Qt::CaseInsensitive) == 0;
}

bool isPdf(const QString& path) {
    return QFileInfo(path).suffix().compare(QLatin1String("pdf"), Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<QString> ReportPrinter::exportReport(Report report) {
    const QFileInfo books(ctx_.session.nearbyPath());
    const QString suggested =
        QDir(books.absolutePath())
            .filePath(
                QStringLiteral("%1 %2.pdf").arg(books.completeBaseName(), fileTitleOf(report)));
    const std::optional<QString> chosen = ctx_.dialogs.saveFileName(
        QStringLiteral("Export the %1").arg(fileTitleOf(report)), suggested,
        {QStringLiteral("PDF document (*.pdf)"), QStringLiteral("CSV spreadsheet (*.csv)")});
    if (!chosen || !exportTo(report, *chosen)) {
        return std::nullopt;
    }
    return chosen;
}

bool ReportPrinter::exportComparative(Report report, const QString& path) {
    const std::optional<Comparative> c = comparativeFor(report);
    if (!c) {
        return false;
    }
    return writeReported(report, path, [&] {
        if (isCsv(path)) {
            writeTextFile(path, comparativeCsv(heading(), *c), ctx_.books.path());
        } else {
            writeReportPdf(comparativeLayout(heading(), *c), path, ctx_.books.path());
        }
    });
}

bool ReportPrinter::exportTo(Report report, const QString& path) {
    if (!isCsv(path) && !isPdf(path)) {
        ctx_.dialogs.message(QStringLiteral("Folio exports to a PDF file (.pdf) or a CSV file "
                                            "(.csv). Choose a name that ends in one of them."));
        return false;
    }
    if (const auto refusal = exportRefusal(path, ctx_.books.path())) {
        ctx_.dialogs.message(*refusal);
        return false;
    }
    if (comparing_) {
        return exportComparative(report, path);
    }
    std::optional<statements::Statements> s;
    std::optional<CashFlowFigures> flows;
    if (report == Report::CashFlows ? !(flows = cashFlowsFor()) : !(s = statementsFor(report))) {
        return false;
    }
    return writeReported(report, path, [&] {
        if (isCsv(path)) {
            if (flows) {
                writeTextFile(path, cashFlowCsv(heading(), *flows), ctx_.books.path());
            } else {
                writeTextFile(
                    path,
                    [&](const auto& write) { writeStatementCsv(report, heading(), *s, write); },
                    ctx_.books.path());
            }
        } else {
            writeReportPdf(flows ? cashFlowLayout(heading(), *flows)
                                 : reportLayout(report, heading(), *s),
                           path, ctx_.books.path());
        }
    });
}

bool ReportPrinter::writeReported(Report report, const QString& path,
                                  const std::function<void()>& write) {
    try {
        write();
        return true;
    } catch (const ExportRefused& refused) {
        ctx_.dialogs.message(refused.words());
    } catch (const FileError& error) {
        ctx_.dialogs.message(QStringLiteral("The %1 could not be written to %2.\n\n%3")
                                 .arg(fileTitleOf(report), QDir::toNativeSeparators(path),
                                      errorMessage(error.number())),
                             ui::MessageIcon::Critical);
    } catch (const PrintError&) {
        ctx_.dialogs.message(QStringLiteral("The %1 could not be written to %2. Check that "
                                            "the folder exists and that you may write there.")
                                 .arg(fileTitleOf(report), QDir::toNativeSeparators(path)),
                             ui::MessageIcon::Critical);
    }
    return false;
}

} // namespace folio::reports
