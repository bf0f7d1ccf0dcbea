#include "app/command_line.h"
#include <QCommandLineParser>
#include <algorithm>

#ifndef FOLIO_VERSION
#define FOLIO_VERSION "unknown"
#endif

namespace folio::app {

namespace {

// The type of business as the program keeps it, from the words a user may type.
std::optional<QString> businessCode(const QString& typed) {
    const QString word = typed.trimmed().toLower();
    if (word == QLatin1String("service")) {
        return QStringLiteral("Service");
    }
    if (word == QLatin1String("mdse") || word == QLatin1String("merchandising")) {
        return QStringLiteral("Mdse");
    }
    return std::nullopt;
}

// The options Qt takes out of the arguments itself when the window starts.
const QStringList& qtOptions() {
    static const QStringList names = {"platform",
                                      "platformpluginpath",
                                      "platformtheme",
                                      "plugin",
                                      "qwindowgeometry",
                                      "qwindowicon",
                                      "qwindowtitle",
                                      "reverse",
                                      "session",
                                      "display",
                                      "geometry",
                                      "title",
                                      "name",
                                      "style",
                                      "stylesheet",
                                      "widgetcount",
                                      "fontengine",
                                      "dialogs",
                                      "visual",
                                      "ncols",
                                      "cmap",
                                      "nograb",
                                      "dograb",
                                      "sync",
                                      "qmljsdebugger"};
    return names;
}

CommandLine failure(const QString& error) {
    CommandLine line;
    line.action = CommandLine::Action::Fail;
    line.error = error;
    return line;
}

std::optional<QString> valueOf(const QCommandLineParser& parser, const QString& name) {
    return parser.isSet(name) ? std::optional<QString>(parser.value(name)) : std::nullopt;
}

CommandLine exportLine(const QCommandLineParser& parser) {
    CommandLine line;
    line.action = CommandLine::Action::Export;
    ExportRequest& request = line.exportRequest;
    request.report = parser.value(QStringLiteral("export"));
    if (!exportReportNames().contains(request.report)) {
        return failure(QStringLiteral("unknown statement \"%1\"; choose one of: %2")
                           .arg(request.report, exportReportNames().join(QStringLiteral(", "))));
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() != 2) {
        return failure(QStringLiteral("--export needs the books file and the output file "
                                      "(for example: folio --export %1 books.dat out.pdf)")
                           .arg(request.report));
    }
    request.books = files[0];
    request.output = files[1];
    const QString suffix = request.output.section(u'.', -1).toLower();
    if (!request.output.contains(u'.') || (suffix != "pdf" && suffix != "csv")) {
        return failure(
            QStringLiteral("the output file must end in .pdf or .csv: %1").arg(request.output));
    }
    request.company = valueOf(parser, QStringLiteral("company"));
    request.date = valueOf(parser, QStringLiteral("date"));
    request.endingInventory = valueOf(parser, QStringLiteral("ending-inventory"));
    request.compareWith = valueOf(parser, QStringLiteral("compare-with")).value_or(QString());
    request.compare = parser.isSet(QStringLiteral("compare")) || !request.compareWith.isEmpty();
    if (const auto typed = valueOf(parser, QStringLiteral("business"))) {
        request.business = businessCode(*typed);
        if (!request.business) {
            return failure(QStringLiteral("--business must be service or merchandising, not "
                                          "\"%1\"")
                               .arg(*typed));
        }
    }
    return line;
}

CommandLine importLine(const QCommandLineParser& parser) {
    CommandLine line;
    line.action = CommandLine::Action::Import;
    ImportRequest& request = line.importRequest;
    request.statement = parser.value(QStringLiteral("import"));
    const QStringList files = parser.positionalArguments();
    if (files.size() != 1) {
        return failure(QStringLiteral("--import needs the statement and the books file (for "
                                      "example: folio --import march.ofx books.dat --account "
                                      "Cash)"));
    }
    request.books = files[0];
    if (!parser.isSet(QStringLiteral("account")) ||
        parser.value(QStringLiteral("account")).trimmed().isEmpty()) {
        return failure(QStringLiteral("--import needs the bank account: --account NAME"));
    }
    request.account = parser.value(QStringLiteral("account")).trimmed();
    request.rules = valueOf(parser, QStringLiteral("rules"));
    request.dryRun = parser.isSet(QStringLiteral("dry-run"));
    if (const auto format = valueOf(parser, QStringLiteral("date-format"))) {
        const QStringList known{QStringLiteral("MM/DD/YYYY"), QStringLiteral("DD/MM/YYYY"),
                                QStringLiteral("YYYY-MM-DD")};
        if (!known.contains(format->trimmed().toUpper())) {
            return failure(QStringLiteral("--date-format must be one of %1, not \"%2\"")
                               .arg(known.join(QStringLiteral(", ")), *format));
        }
        request.dateFormat = format->trimmed().toUpper();
    }
    return line;
}

// --copy FROM TO between a books file and a server; --setup-server ADDRESS.
CommandLine serverLine(const QCommandLineParser& parser) {
    const bool copy = parser.isSet(QStringLiteral("copy"));
    const QStringList paths = parser.positionalArguments();
    if (paths.size() != (copy ? 2 : 1)) {
        return failure(copy ? QStringLiteral("--copy needs where from and where to (for example: "
                                             "folio --copy books.dat postgresql://me@host/firm)")
                            : QStringLiteral("--setup-server needs the server's address (for "
                                             "example: folio --setup-server "
                                             "postgresql://admin@host/firm)"));
    }
    CommandLine line;
    line.action = copy ? CommandLine::Action::Copy : CommandLine::Action::SetupServer;
    line.copyPaths = paths;
    return line;
}

} // namespace

QStringList exportReportNames() {
    return {QStringLiteral("trial-balance"), QStringLiteral("income-statement"),
            QStringLiteral("equity"), QStringLiteral("balance-sheet"),
            QStringLiteral("cash-flows")};
}

CommandLine parseCommandLine(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addOptions({
        {{QStringLiteral("h"), QStringLiteral("help")}, QString()},
        {{QStringLiteral("v"), QStringLiteral("version")}, QString()},
        {QStringLiteral("export"), QString(), QStringLiteral("statement")},
        {QStringLiteral("verify"), QString(), QStringLiteral("books")},
        {QStringLiteral("company"), QString(), QStringLiteral("name")},
        {QStringLiteral("date"), QString(), QStringLiteral("date")},
        {QStringLiteral("business"), QString(), QStringLiteral("type")},
        {QStringLiteral("ending-inventory"), QString(), QStringLiteral("amount")},
        {QStringLiteral("import"), QString(), QStringLiteral("statement")},
        {QStringLiteral("account"), QString(), QStringLiteral("name")},
        {QStringLiteral("rules"), QString(), QStringLiteral("file")},
        {QStringLiteral("date-format"), QString(), QStringLiteral("format")},
        {QStringLiteral("dry-run"), QString()},
        {QStringLiteral("compare"), QString()},
        {QStringLiteral("compare-with"), QString(), QStringLiteral("file")},
        {QStringLiteral("copy"), QString()},
        {QStringLiteral("setup-server"), QString()},
    });
    if (!parser.parse(arguments)) {
        CommandLine line = failure(parser.errorText());
        const QStringList unknown = parser.unknownOptionNames();
        line.unknownOption = !unknown.isEmpty() &&
                             std::all_of(unknown.begin(), unknown.end(), [](const QString& name) {
                                 return qtOptions().contains(name);
                             });
        return line;
    }
    if (parser.isSet(QStringLiteral("help"))) {
        CommandLine help;
        help.action = CommandLine::Action::Help;
        return help;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        CommandLine version;
        version.action = CommandLine::Action::Version;
        return version;
    }
    if (parser.isSet(QStringLiteral("export")) && parser.isSet(QStringLiteral("import"))) {
        return failure(QStringLiteral("--export and --import go one at a time"));
    }
    if (parser.isSet(QStringLiteral("export"))) {
        return exportLine(parser);
    }
    if (parser.isSet(QStringLiteral("verify"))) {
        if (!parser.positionalArguments().isEmpty()) {
            return failure(QStringLiteral("--verify checks one books file at a time"));
        }
        CommandLine line;
        line.action = CommandLine::Action::Verify;
        line.booksFile = parser.value(QStringLiteral("verify"));
        return line;
    }
    if (parser.isSet(QStringLiteral("copy")) || parser.isSet(QStringLiteral("setup-server"))) {
        return serverLine(parser);
    }
    if (parser.isSet(QStringLiteral("import"))) {
        return importLine(parser);
    }
    for (const char* option : {"account", "rules", "date-format", "dry-run"}) {
        if (parser.isSet(QLatin1String(option))) {
            return failure(QStringLiteral("--%1 goes with --import").arg(QLatin1String(option)));
        }
    }
    for (const char* option :
         {"company", "date", "business", "ending-inventory", "compare", "compare-with"}) {
        if (parser.isSet(QLatin1String(option))) {
            return failure(QStringLiteral("--%1 goes with --export").arg(QLatin1String(option)));
        }
    }
    const QStringList files = parser.positionalArguments();
    if (files.size() > 1) {
        return failure(QStringLiteral("Folio opens one books file at a time"));
    }
    CommandLine line;
    line.booksFile = files.value(0);
    return line;
}

QString helpText() {
    return QStringLiteral(
        "Usage: folio [FILE | postgresql://USER@HOST/DATABASE[#NAME]]\n"
        "       folio --export STATEMENT BOOKS OUTPUT [options]\n"
        "       folio --verify BOOKS\n"
        "       folio --import BANKFILE FILE --account NAME [--rules RULES] [--dry-run]\n"
        "       folio --copy FROM TO\n"
        "       folio --setup-server postgresql://ADMIN@HOST/DATABASE\n"
        "\n"
        "Double-entry bookkeeping for a small corporation.\n"
        "\n"
        "  FILE                  the accounts file to select at start (a new name offers\n"
        "                        a starter chart of accounts)\n"
        "  postgresql://...      books kept on a PostgreSQL server, opened in the window\n"
        "  BOOKS                 a books FILE, or books on a server:\n"
        "                        postgresql://USER@HOST/DATABASE[#NAME]\n"
        "  -h, --help            show this help and exit\n"
        "  -v, --version         show the version and exit\n"
        "  --verify BOOKS        check that no entry of the books' journal was changed or\n"
        "                        removed and that the journal gives the accounts byte for\n"
        "                        byte (on a server: its entries, none missing, replayed\n"
        "                        against its accounts); prints \"verified: N entries\"\n"
        "                        and exits 0, or names the first entry that does not hold\n"
        "                        and exits 1\n"
        "\n"
        "Export without a window (no display needed):\n"
        "  --export STATEMENT    trial-balance, income-statement, equity, balance-sheet or\n"
        "                        cash-flows (the period from the books' journal);\n"
        "                        OUTPUT ending in .pdf writes the printed page, .csv the\n"
        "                        figures with their labels, one line each\n"
        "  --company NAME        the company name on the heading\n"
        "  --date DATE           the date of the statements\n"
        "  --business TYPE       service or merchandising\n"
        "  --ending-inventory N  the ending inventory of a merchandising business\n"
        "  --compare             beside the prior period: the books a closed copy was\n"
        "                        closed from, with the change and the change in percent\n"
        "  --compare-with BOOKS  beside other books closed before, as they ended at their\n"
        "                        last closing (on a server, their #NAME or address)\n"
        "Without these options the company name, the date and the type of business are\n"
        "those Folio keeps with the books (in their journal, FILE.journal, or on the\n"
        "server). Books on a server export as their copy made by --copy would.\n"
        "\n"
        "The statements build on each other: the equity statement and the balance sheet\n"
        "use the income statement's net income, as on the tabs. The exit status is 0 when\n"
        "the file was written and 1 with a message on the error output when it was not;\n"
        "2 means the command line was wrong.\n"
        "\n"
        "Books on a PostgreSQL server (FROM or TO may be postgresql://USER@HOST/DB,\n"
        "or postgresql://USER@HOST/DB#NAME for a set of books other than \"books\"):\n"
        "  --copy FROM TO        copies books between a file and a server, either way;\n"
        "                        never writes over books that exist at TO\n"
        "  --setup-server ADDR   makes the tables, rules and the folio_bookkeeper and\n"
        "                        folio_supervisor roles in a database (run once, as its owner;\n"
        "                        again after a new Folio says the tables are older)\n"
        "\n"
        "Import a bank statement without a window:\n"
        "  --import BANKFILE     an OFX, QFX, QIF or CSV statement, into the books FILE\n"
        "                        (or books on a server: postgresql://USER@HOST/DB[#NAME])\n"
        "  --account NAME        the bank account the statement is of\n"
        "  --rules RULES         a rules file (exported from File, Bank Rules...);\n"
        "                        without it, the rules kept with the books\n"
        "  --date-format FORMAT  MM/DD/YYYY, DD/MM/YYYY or YYYY-MM-DD, for a file whose\n"
        "                        dates read both ways\n"
        "  --dry-run             show what would be imported and write nothing\n"
        "Lines imported before, possible duplicates and lines no rule takes are left out\n"
        "and listed. The exit status is 0 when the statement was imported (or held nothing\n"
        "new), 1 with a message when it was refused and nothing was written, 2 when the\n"
        "command line was wrong.\n");
}

QString versionText() {
    return QStringLiteral("Folio %1\n").arg(QStringLiteral(FOLIO_VERSION));
}

} // namespace folio::app
