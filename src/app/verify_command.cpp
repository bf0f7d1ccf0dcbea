#include "app/verify_command.h"
#include "journal/books_verifier.h"
#include "server/server_books.h"
#include "server/server_rows.h"
#include "session/server_home.h"
#include <cstdio>

namespace folio::app {

namespace {

// What the server's books hold checked as a file's: that no entry is missing, that each
// follows from the accounts as the entries before it left them, and that they all give the
// server's accounts byte for byte.
journal::Verification verifyServerBooks(const QString& address) {
    journal::Verification result;
    try {
        session::ServerHome home(address);
        home.fetch();
        result = journal::verifyBooks(home.workingPath());
        result.problem = home.shownText(result.problem);
    } catch (const server::ServerError& error) {
        result.problem = error.words();
    } catch (const std::exception& failure) {
        result.problem = server::serverWords(failure);
    }
    return result;
}

} // namespace

int runVerify(const QString& books) {
    const journal::Verification verification = server::ServerAddress::isServerAddress(books)
                                                   ? verifyServerBooks(books)
                                                   : journal::verifyBooks(books);
    std::fputs(journal::verificationReport(books, verification).toLocal8Bit().constData(),
               verification.held ? stdout : stderr);
    return verification.held ? 0 : 1;
}

} // namespace folio::app
