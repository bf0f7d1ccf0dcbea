#include "app/import_command.h"
#include "bank/bank_store.h"
#include "bank/import_writer.h"
#include "bank/statement_reader.h"
#include "data/books.h"
#include "data/file_error.h"
#include "data/text_rules.h"
#include "journal/entry_date.h"
#include "journal/file_image.h"
#include "server/server_books.h"
#include "session/books_session.h"
#include <QFile>
#include <QFileInfo>
#include <cstdio>

namespace folio::app {

namespace {

struct ImportFailure : std::runtime_error {
    explicit ImportFailure(const QString& text)
        : std::runtime_error(text.toLocal8Bit().toStdString()) {}
};

void say(const QString& text) {
    std::fputs(text.toLocal8Bit().constData(), stdout);
}

bank::RuleBook rulesFor(const ImportRequest& request, bank::BankStore& store) {
    if (!request.rules) {
        return store.rules();
    }
    QFile file(*request.rules);
    if (!file.open(QIODevice::ReadOnly)) {
        throw ImportFailure(QStringLiteral("cannot read the rules file %1").arg(*request.rules));
    }
    return bank::RuleBook::fromFile(*request.rules, file.readAll());
}

bank::Statement statementFor(const ImportRequest& request, bank::BankStore& store) {
    const bank::DateOrder dates = request.dateFormat ? bank::dateOrderFromName(*request.dateFormat)
                                                     : bank::DateOrder::Unknown;
    const bank::StatementReading reading =
        bank::readWithKeptLayout(request.statement, store, dates);
    switch (reading.need) {
    case bank::StatementReading::Need::DateOrder:
        throw ImportFailure(reading.question +
                            QStringLiteral(" Give --date-format MM/DD/YYYY or DD/MM/YYYY."));
    case bank::StatementReading::Need::Columns:
        throw ImportFailure(reading.question + QStringLiteral(" Import it once with File, "
                                                              "Import Bank Statement... to "
                                                              "choose them; Folio keeps them."));
    case bank::StatementReading::Need::Nothing:
        break;
    }
    if (!reading.signature.isEmpty() && !request.dryRun) {
        store.setLayout(reading.signature, reading.layout);
    }
    return reading.statement;
}

void listPlan(const bank::ImportPlan& plan) {
    for (const bank::PlannedLine& line : plan.lines) {
        say(QStringLiteral("%1  %2  %3  %4\n")
                .arg(journal::shownDate(line.line.date), formatCurrency(line.line.amount),
                     line.line.description,
                     line.included ? QStringLiteral("-> %1").arg(line.account)
                                   : QStringLiteral("left out: %1").arg(line.why)));
    }
}

// Selects the books of the request: a file (held as the window holds it), or books on a
// server, whose changes go to the server as the window's do.
void openBooks(const ImportRequest& request, session::BooksSession& session) {
    if (server::ServerAddress::isServerAddress(request.books)) {
        try {
            session.openServer(request.books);
        } catch (const server::ServerError& error) {
            throw ImportFailure(error.words());
        }
        return;
    }
    if (!QFileInfo(request.books).isFile()) {
        throw ImportFailure(QStringLiteral("cannot read the accounts file %1").arg(request.books));
    }
    if (session.lock().claim(request.books) == session::BooksLock::Claim::HeldElsewhere) {
        throw ImportFailure(
            QStringLiteral("the books %1 are open in another Folio; close them there first")
                .arg(request.books));
    }
    session.books().select(QFileInfo(request.books).absoluteFilePath());
    const std::vector<session::Notice> notices = session.openJournal();
    if (!session.hasJournal()) { // the import's lines and rules are kept in the journal
        throw ImportFailure(notices.empty() ? session::BooksSession::noJournalMessage()
                                            : notices.front().text);
    }
}

int importStatement(const ImportRequest& request) {
    session::BooksSession session;
    openBooks(request, session);
    Books& books = session.books();
    bank::BankStore store(session.journalStore());
    const bank::RuleBook rules = rulesFor(request, store);
    const bank::Statement statement = statementFor(request, store);
    QStringList accounts;
    for (const AccountRecord& record :
         journal::recordsOf(journal::readImage(journal::booksFile(books)))) {
        if (!record.name.isEmpty()) {
            accounts << record.name;
        }
    }
    if (!accounts.contains(request.account)) {
        throw ImportFailure(
            QStringLiteral("the books have no account named \"%1\"").arg(request.account));
    }
    const bank::ImportPlan plan = bank::planImport(statement, request.account, rules,
                                                   store.history(request.account), accounts);
    listPlan(plan);
    const auto count = plan.includedCount();
    if (count == 0) {
        say(QStringLiteral("Nothing new to import from %1.\n").arg(request.statement));
        return 0;
    }
    if (request.dryRun) {
        say(QStringLiteral("%1 of %2 lines would be imported (dry run: nothing written).\n")
                .arg(count)
                .arg(plan.lines.size()));
        return 0;
    }
    const session::ChangeResult result = bank::writeImport(session, plan, request.statement);
    result.orThrow();
    const std::int64_t seq = result.seq;
    say(QStringLiteral("%1 of %2 lines imported into %3 as entry %4.\n")
            .arg(count)
            .arg(plan.lines.size())
            .arg(request.account)
            .arg(seq));
    return 0;
}

} // namespace

int runImport(const ImportRequest& request) {
    try {
        return importStatement(request);
    } catch (const bank::StatementError& error) {
        std::fprintf(stderr, "folio: %s\n", qPrintable(error.words()));
    } catch (const journal::Refused& refused) {
        std::fprintf(stderr, "folio: %s\n", qPrintable(refused.words()));
    } catch (const FileError& error) {
        std::fprintf(stderr, "folio: %s\n", qPrintable(errorMessage(error.number())));
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "folio: %s\n", failure.what());
    }
    return 1;
}

} // namespace folio::app
