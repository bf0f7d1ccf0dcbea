#include "app/export_command.h"
#include "cashflow/cash_flow_source.h"
#include "cashflow/prior_column.h"
#include "company/date_rules.h"
#include "data/export_file.h"
#include "data/file_error.h"
#include "data/file_table.h"
#include "data/money.h"
#include "data/text_rules.h"
#include "journal/books_journal.h"
#include "journal/cash_flow_classes.h"
#include "journal/journal_files.h"
#include "journal/journal_reads.h"
#include "journal/journal_store.h"
#include "reports/cash_flow_report.h"
#include "reports/page_printer.h"
#include "reports/qt_report_files.h"
#include "reports/report_layout.h"
#include "reports/statement_csv.h"
#include "server/server_books.h"
#include "session/books_session.h"
#include "session/server_home.h"
#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <cstdio>
#include <map>
#include <memory>
#include <stdexcept>

namespace folio::app {

namespace {

using reports::Report;

// A reason the export cannot be made, for the error output.
struct ExportFailure : std::runtime_error {
    explicit ExportFailure(const QString& text)
        : std::runtime_error(text.toLocal8Bit().toStdString()) {}
};

// The statements of the accounts file, read without writing to it a chunk at a time as
// the tabs read it (a last partial record is filled with zero bytes).
statements::Statements statementsOf(FileTable& files, const QString& path,
                                    const statements::CompanyInfo& company, Report report) {
    const int number = files.freeFile();
    try {
        files.openForReading(number, path);
    } catch (const FileError&) {
        throw ExportFailure(QStringLiteral("cannot read the accounts file %1").arg(path));
    }
    try {
        // The balance sheet lists few accounts of any books: kept from the one pass.
        const std::vector<QLatin1StringView> keep =
            report == Report::BalanceSheet
                ? std::vector<QLatin1StringView>{QLatin1StringView("D1"), QLatin1StringView("C1"),
                                                 QLatin1StringView("C2"), QLatin1StringView("C3C"),
                                                 QLatin1StringView("C3")}
                : std::vector<QLatin1StringView>{};
        return statements::computeStatements(files, number, company, {}, keep);
    } catch (const FileError& error) {
        throw ExportFailure(QStringLiteral("cannot read the accounts file %1: %2")
                                .arg(path, errorMessage(error.number())));
    } catch (const MoneyOverflow&) {
        throw ExportFailure(QStringLiteral("the balances are too large to add up"));
    }
}

// The company values the window kept with the books in their journal, when there is one.
// The journal is only read: nothing is written, checkpointed or removed beside it, so a
// running Folio's log is never touched. A change recorded there but not yet written to the
// books would make the figures stale: the export is refused. A journal that cannot be read
// leaves the values to the command line, with a warning.
statements::CompanyInfo storedCompany(const QString& books) {
    statements::CompanyInfo company;
    QString problem;
    try {
        journal::fillIn(company, session::BooksSession::storedCompanyValues(books));
        company.reopened = session::BooksSession::storedReopenedLine(books);
    } catch (const journal::Refused& refused) {
        throw ExportFailure(refused.words() + QStringLiteral(", then export again"));
    } catch (const journal::JournalUnusable& unusable) {
        problem = unusable.why();
    } catch (const FileError& error) {
        problem = errorMessage(error.number());
    }
    if (!problem.isEmpty()) {
        std::fprintf(stderr, "folio: the company information kept in %s cannot be read (%s)\n",
                     qPrintable(session::BooksSession::journalPathFor(books)), qPrintable(problem));
    }
    return company;
}

// The stored company values, each replaced by the one given on the command line.
statements::CompanyInfo companyOf(const ExportRequest& request) {
    statements::CompanyInfo company = storedCompany(request.books);
    if (request.company) {
        company.name = *request.company;
    }
    if (request.date) {
        if (!readDate(*request.date)) {
            throw ExportFailure(company::invalidDateMessage(*request.date));
        }
        company.date = request.date->trimmed();
    }
    if (request.business) {
        company.business = *request.business == QLatin1String("Mdse")
                               ? statements::Business::Merchandising
                               : statements::Business::Service;
    }
    if (request.endingInventory) {
        company.endingInventory = parseAmount(*request.endingInventory);
        if (!company.endingInventory) {
            throw ExportFailure(QStringLiteral("the ending inventory \"%1\" is not an amount")
                                    .arg(*request.endingInventory));
        }
    }
    return company;
}

QString missingText(statements::Missing missing) {
    return missing == statements::Missing::Business
               ? QStringLiteral("it needs the type of business: add --business service or "
                                "--business merchandising")
               : QStringLiteral("it needs the ending inventory: add --ending-inventory AMOUNT");
}

// The statement of cash flows, from the period's beginning and the classes kept in the
// books' journal.
reports::CashFlowFigures cashFlowFigures(const QString& books, const statements::Statements& s,
                                         const statements::CompanyInfo& company) {
    const QString path = journal::journalPathFor(books);
    if (!QFileInfo(path).isFile()) {
        throw ExportFailure(QStringLiteral("cannot export the cash-flows: %1 has no journal (%2) "
                                           "to tell where the period begins")
                                .arg(books, path));
    }
    try {
        journal::JournalStore store;
        journal::openJournalToRead(store, path);
        const auto classes = journal::cashFlowClassesIn(store);
        const cashflow::CashFlows flows = cashflow::cashFlowsOf(
            s, company, &store, classes.value_or(statements::CashFlowClasses{}));
        if (!flows.statement) {
            throw ExportFailure(QStringLiteral("cannot export the cash-flows: the journal %1 "
                                               "holds no opening entry")
                                    .arg(path));
        }
        return {*flows.statement, cashflow::periodText(*flows.beginning)};
    } catch (const FileError& error) {
        throw ExportFailure(QStringLiteral("cannot read the journal %1: %2")
                                .arg(path, errorMessage(error.number())));
    } catch (const MoneyOverflow&) {
        throw ExportFailure(QStringLiteral("the balances are too large to add up"));
    }
}

reports::Comparative comparativeOf(const ExportRequest& request, Report report,
                                   const statements::Statements& s,
                                   const statements::CompanyInfo& company,
                                   const std::optional<reports::CashFlowFigures>& flows,
                                   const cashflow::BooksLocator& locate) {
    const QString path = journal::journalPathFor(request.books);
    cashflow::PriorColumn column;
    try {
        journal::JournalStore store;
        journal::openJournalToRead(store, path);
        column = cashflow::priorColumnOf(
            report, request.books, store.isOpen() ? &store : nullptr, s, company,
            flows ? std::optional(flows->statement) : std::nullopt, request.compareWith, locate);
    } catch (const FileError& error) {
        throw ExportFailure(QStringLiteral("cannot read the prior period's books: %1")
                                .arg(errorMessage(error.number())));
    } catch (const MoneyOverflow&) {
        throw ExportFailure(QStringLiteral("the balances are too large to add up"));
    }
    if (!column.comparative) {
        throw ExportFailure(QStringLiteral("cannot compare: %1").arg(column.refusal));
    }
    return *column.comparative;
}

void writeComparative(const QString& output, const QString& books,
                      const reports::ReportHeading& heading, const reports::Comparative& c) {
    try {
        if (output.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
            reports::writeTextFile(output, reports::comparativeCsv(heading, c), books);
        } else {
            reports::writeReportPdf(reports::comparativeLayout(heading, c), output, books);
        }
    } catch (const FileError& error) {
        throw ExportFailure(
            QStringLiteral("cannot write %1: %2").arg(output, errorMessage(error.number())));
    } catch (const reports::PrintError&) {
        throw ExportFailure(QStringLiteral("cannot write the PDF file %1").arg(output));
    }
}

// `locate` finds books a closing recorded (see prior_period.h); empty for books in files.
void exportStatement(const ExportRequest& request, const cashflow::BooksLocator& locate = {}) {
    const auto index = exportReportNames().indexOf(request.report);
    const auto report = static_cast<Report>(std::max<qsizetype>(index, 0));
    if (const auto refusal = exportRefusal(request.output, request.books)) {
        throw ExportFailure(*refusal);
    }
    const statements::CompanyInfo company = companyOf(request);
    FileTable files; // the listed accounts are read again as the statement is written
    const statements::Statements s = statementsOf(files, request.books, company, report);
    if (report != Report::TrialBalance && s.missing != statements::Missing::Nothing) {
        throw ExportFailure(
            QStringLiteral("cannot export the %1: %2").arg(request.report, missingText(s.missing)));
    }
    const reports::ReportHeading heading{company.name, company.date, company.reopened};
    std::optional<reports::CashFlowFigures> flows;
    if (report == Report::CashFlows) {
        flows = cashFlowFigures(request.books, s, company);
    }
    if (request.compare) {
        const reports::Comparative c = comparativeOf(request, report, s, company, flows, locate);
        writeComparative(request.output, request.books, heading, c);
        return;
    }
    try {
        if (request.output.endsWith(QLatin1String(".csv"), Qt::CaseInsensitive)) {
            if (flows) {
                reports::writeTextFile(request.output, reports::cashFlowCsv(heading, *flows),
                                       request.books);
            } else {
                reports::writeTextFile(
                    request.output,
                    [&](const auto& write) {
                        reports::writeStatementCsv(report, heading, s, write);
                    },
                    request.books);
            }
        } else {
            reports::writeReportPdf(flows ? reports::cashFlowLayout(heading, *flows)
                                          : reports::reportLayout(report, heading, s),
                                    request.output, request.books);
        }
    } catch (const FileError& error) {
        throw ExportFailure(QStringLiteral("cannot write %1: %2")
                                .arg(request.output, errorMessage(error.number())));
    } catch (const reports::PrintError&) {
        throw ExportFailure(QStringLiteral("cannot write the PDF file %1").arg(request.output));
    }
}

// The export of books on a server: of a copy made from the server now, as `folio --copy`
// makes it, the books closed before them read the same way; the words of a failure name
// the server's books, not the copy's.
void exportServerStatement(ExportRequest request) {
    std::unique_ptr<session::ServerHome> home;
    try {
        home = std::make_unique<session::ServerHome>(request.books);
        home->fetch();
    } catch (const server::ServerError& error) {
        throw ExportFailure(error.words());
    }
    std::map<QString, std::unique_ptr<session::ServerHome>> beside;
    const auto locate = [&](const QString& recorded) {
        std::unique_ptr<session::ServerHome>& other = beside[QFileInfo(recorded).fileName()];
        if (!other) {
            other = home->besideHome(recorded);
        }
        return other->workingPath();
    };
    if (server::ServerAddress::isServerAddress(request.compareWith)) {
        request.compareWith = server::ServerAddress::parse(request.compareWith).books;
    }
    request.books = home->workingPath();
    try {
        exportStatement(request, locate);
    } catch (const server::ServerError& error) {
        throw ExportFailure(home->shownText(error.words()));
    } catch (const std::exception& failure) {
        throw ExportFailure(home->shownText(QString::fromLocal8Bit(failure.what())));
    }
}

} // namespace

int runExport(const ExportRequest& request, int argc, char* argv[]) {
    // The page is laid out with fonts but never shown: no display is needed.
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform != "offscreen" && platform != "minimal") {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication app(argc, argv);
    try {
        if (server::ServerAddress::isServerAddress(request.books)) {
            exportServerStatement(request);
        } else {
            exportStatement(request);
        }
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "folio: %s\n", failure.what());
        return 1;
    }
}

} // namespace folio::app
