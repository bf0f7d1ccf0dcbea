#pragma once
#include <QString>

namespace folio::app {

// `folio --copy FROM TO`: books between a file and a server, either way. Gives the exit
// status: 0 copied, 1 refused with a message on the error output.
int runCopy(const QString& from, const QString& to);
// `folio --setup-server ADDRESS`: the tables, rules and roles of server books.
int runSetupServer(const QString& address);

} // namespace folio::app
