#pragma once
#include <QString>

namespace folio::app {

// `folio --verify BOOKS`: checks the journal of a books file, or of books on a server (a copy
// made from the server now, its entries sealed as the server holds them, replayed against
// the server's accounts). Prints "verified: N entries" and gives 0, or names the first thing
// that does not hold on the error output and gives 1.
int runVerify(const QString& books);

} // namespace folio::app
