#include "data/text_rules.h"
#include "support/books_fixture.h"
#include "support/run_folio.h"
#include "support/sample_books.h"
#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QStatusBar>
#include <unistd.h>

namespace {

QString readText(const QString& path) {
    return QString::fromUtf8(fileBytes(path));
}

// The fields of the CSV line whose first field is `label`.
QStringList csvLine(const QString& csv, const QString& label) {
    for (const QString& line : csv.split(QStringLiteral("\r\n"))) {
        if (line.section(u',', 0, 0) == label) {
            return line.split(u',');
        }
    }
    return {};
}

class ExportTest : public BooksFixture {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        books = openBooks(merchandisingBooks());
        setCompany(statements::Business::Merchandising, money("1500"), "3/31/2024");
    }
    void exportVia(const char* action, const QString& file) {
        dialogs.saveNames = {file};
        window->findChild<QAction*>(action)->trigger();
    }
    QString books;
};

TEST_F(ExportTest, EachStatementExportsTheFiguresOfItsTabToCsvAndPdf) {
    const QStringList reports{"TrialBalance", "IncomeStatement", "Equity", "BalanceSheet",
                              "CashFlows"};
    for (const QStringList& c : readCases(FOLIO_TEST_DATA "/exported_figures.txt")) {
        const std::string at = c.join(u'|').toStdString();
        const int column = c[2].toInt();
        const QByteArray action = "mnuExport" + c[0].toLatin1();
        showTab(
            static_cast<ui::Tab>(static_cast<int>(ui::Tab::TrialBalance) + reports.indexOf(c[0])));
        const Money shown = parseAmount(text(c[3])).value_or(Money::fromWhole(-1));
        const QString csv = path(c[0] + ".csv");
        exportVia(action.constData(), csv);
        const QStringList fields = csvLine(readText(csv), c[1]);
        ASSERT_GT(fields.size(), column) << at;
        EXPECT_EQ(parseAmount(fields[column]), shown) << at;
        EXPECT_TRUE(readText(csv).startsWith("Company,Kestrow Supply Co.\r\nStatement,"));

        const QString pdf = path(c[0] + ".pdf");
        exportVia(action.constData(), pdf);
        const QString printed = pdfText(pdf);
        EXPECT_TRUE(printed.contains("Kestrow Supply Co.") && printed.contains("Page 1"));
        EXPECT_TRUE(printed.contains(text(c[3]).remove(u'$'))) << at << printed.toStdString();
    }
    EXPECT_TRUE(dialogs.messages().isEmpty()) << dialogs.messages().join('|').toStdString();
    EXPECT_TRUE(window->statusBar()->currentMessage().startsWith("Exported to"));
}

TEST_F(ExportTest, ExportThatCannotBeWrittenSaysSoAndLeavesNothing) {
    const struct {
        QString name;
        const char* message;
    } cases[] = {
        {"statement.txt", "Folio exports to a PDF file (.pdf) or a CSV file (.csv)."},
        {"no such folder/statement.pdf", "could not be written"},
        {"no such folder/statement.csv", "Path not found"},
    };
    for (const auto& c : cases) {
        dialogs.reset();
        exportVia("mnuExportTrialBalance", path(c.name));
        ASSERT_EQ(dialogs.messages().size(), 1) << c.name.toStdString();
        EXPECT_TRUE(dialogs.messages()[0].contains(c.message))
            << dialogs.messages()[0].toStdString();
        EXPECT_FALSE(QFile::exists(path(c.name)));
    }
}

TEST_F(ExportTest, CsvKeepsNamesAsTextForSpreadsheets) {
    writeAccounts(books, {account("=1+2", "D1", "5"), account("Cash, petty", "D1", "-2.5")});
    ASSERT_TRUE(window->reports().exportTo(reports::Report::TrialBalance, path("tb.csv")));
    const QString csv = readText(path("tb.csv"));
    EXPECT_TRUE(csv.contains("\r\n'=1+2,5.00,,0.00,\r\n\"Cash, petty\",-2.50,,0.00,\r\n"))
        << csv.toStdString();
}

TEST_F(ExportTest, ReopenedBooksSayWhoReopenedThemAndWhyUnderEveryHeading) {
    dialogs.inputAnswers = {QStringLiteral("3/31/2024"), QStringLiteral("the audit found a "
                                                                        "missed invoice")};
    window->findChild<QAction*>("mnuLockBooks")->trigger();
    window->findChild<QAction*>("mnuReopenPeriod")->trigger();
    const QString line = window->company().reopened;
    ASSERT_TRUE(line.startsWith("Reopened on ") && line.endsWith(": the audit found a missed "
                                                                 "invoice"))
        << line.toStdString();
    for (const char* action : {"mnuExportTrialBalance", "mnuExportIncomeStatement",
                               "mnuExportEquity", "mnuExportBalanceSheet"}) {
        exportVia(action, path("reopened.csv"));
        EXPECT_TRUE(readText(path("reopened.csv")).contains("\r\nNote," + line + "\r\n")) << action;
        exportVia(action, path("reopened.pdf"));
        EXPECT_TRUE(pdfText(path("reopened.pdf")).contains(line)) << action;
    }
}

// `folio --export ...` as a script runs it: no display at all.
Ran folioExport(const QStringList& arguments) {
    return runFolio(QStringList{"--export"} + arguments);
}

// Books changed behind the journal's back fail --verify; its other answers are among the
// command line's answers below.
TEST_F(ExportTest, CommandLineVerifyFindsBooksChangedOutsideFolio) {
    std::vector<AccountRecord> records = readAccounts(books);
    records[0].current = money("7");
    writeAccounts(books, records);
    const Ran changed = runFolio({"--verify", books});
    EXPECT_EQ(changed.exitCode, 1);
    EXPECT_TRUE(changed.err.contains(QLatin1String("changed outside Folio")))
        << changed.err.toStdString();
}

TEST_F(ExportTest, CommandLineExportsWhatTheWindowExportsAndAnswersEveryMistake) {
    const QStringList company = {
        "--company",     "Kestrow Supply Co.", "--date", "3/31/2024", "--business",
        "merchandising", "--ending-inventory", "1500"};
    const QStringList names{"trial-balance", "income-statement", "equity", "balance-sheet",
                            "cash-flows"};
    for (int report = 0; report < names.size(); ++report) {
        const QString out = path(names[report] + ".csv");
        const Ran ran = folioExport(QStringList{names[report], books, out} + company);
        EXPECT_EQ(ran.exitCode, 0) << ran.err.toStdString();
        const QString fromWindow = path("window " + names[report] + ".csv");
        window->reports().exportTo(static_cast<reports::Report>(report), fromWindow);
        EXPECT_EQ(readText(out), readText(fromWindow)) << report;
    }
    const Ran pdf = folioExport(QStringList{"balance-sheet", books, path("bs.pdf")} + company);
    EXPECT_EQ(pdf.exitCode, 0) << pdf.err.toStdString();
    EXPECT_TRUE(pdfText(path("bs.pdf")).contains("Total Liabilities & Stockholders' Equity"));

    writeAccounts(path("nojournal.dat"), serviceBooks());
    // Mistakes are answered on the terminal, with no display at all, and write nothing.
    writeAccounts(path("import.dat"), serviceBooks());
    const QByteArray before = fileBytes(books) + fileBytes(path("import.dat"));
    const QString statements = QDir::cleanPath(FOLIO_TEST_DATA "/../../bank/data");
    for (const QStringList& f : readCases(FOLIO_TEST_DATA "/command_line.txt")) {
        const QString arguments = QString(f[0])
                                      .replace("DATA", statements)
                                      .replace("DIR", dir.path())
                                      .replace("BOOKS", books);
        const Ran ran = runFolio(arguments.split(' '));
        EXPECT_EQ(ran.exitCode, f[1].toInt()) << f[0].toStdString();
        EXPECT_TRUE(ran.out.contains(f[2])) << ran.out.toStdString();
        EXPECT_TRUE(ran.err.contains(f[3])) << ran.err.toStdString();
        EXPECT_EQ(fileBytes(books) + fileBytes(path("import.dat")), before) << f[0].toStdString();
    }
    // The company information the window keeps with the books serves when none is given.
    showTab(ui::Tab::Company);
    showTab(ui::Tab::TrialBalance);
    const Ran kept =
        folioExport({"income-statement", books, path("kept.csv"), "--ending-inventory", "1500"});
    EXPECT_EQ(kept.exitCode, 0) << kept.err.toStdString();
    EXPECT_EQ(readText(path("kept.csv")), readText(path("window income-statement.csv")));
    // The business given on the command line wins over the one kept: a service business
    // takes no stock, so no ending inventory is asked for.
    const Ran service =
        folioExport({"balance-sheet", books, path("service.csv"), "--business", "service"});
    EXPECT_EQ(service.exitCode, 0) << service.err.toStdString();
    // Every date box's forms, as the command line's own message suggests them.
    const Ran dated = folioExport({"trial-balance", books, path("dated.csv"), "--date", "1/5/26"});
    EXPECT_EQ(dated.exitCode, 0) << dated.err.toStdString();
    EXPECT_EQ(readAccounts(books), merchandisingBooks());
}

TEST_F(ExportTest, NoExportWritesTheBooksOrTheirJournal) {
    const QString journal = books + ".journal";
    const QByteArray booksBefore = fileBytes(books);
    const QByteArray journalBefore = fileBytes(journal);
    QFile::link(books, path("books link.csv"));
    QFile::link(journal, path("journal link.pdf"));
    QFile::link(books, path("planted.pdf.part"));
    QFile::link(books, path("planted.csv.part"));
    ASSERT_EQ(::link(QFile::encodeName(books).constData(),
                     QFile::encodeName(path("hard.csv")).constData()),
              0);
    const auto fileOf = [&](const QStringList& c) {
        return QString(c[1])
            .replace("DIR", dir.path())
            .replace("BOOKS", books)
            .replace("JOURNAL", journal);
    };
    const std::vector<QStringList> cases = readCases(FOLIO_TEST_DATA "/export_over_books.txt");
    for (const QStringList& c : cases) {
        dialogs.reset();
        exportVia(qPrintable(c[0]), fileOf(c));
        const QString said = dialogs.messages().join('|');
        EXPECT_EQ(said.contains("Choose another name"), !c[2].isEmpty()) << said.toStdString();
        EXPECT_TRUE(said.contains(c[2])) << c.join('|').toStdString() << ": " << said.toStdString();
        EXPECT_EQ(fileBytes(books), booksBefore) << c.join('|').toStdString();
        EXPECT_EQ(fileBytes(journal), journalBefore) << c.join('|').toStdString();
    }
    EXPECT_TRUE(QFileInfo(path("planted.pdf")).isFile() && QFileInfo(path("planted.csv")).isFile());
    // The journal itself is not offered among the journal files the hledger export writes.
    for (const QString& type : dialogs.saveTypes) {
        const QString patterns = type.section('(', 1).section(')', 0, 0);
        for (const QString& pattern : patterns.split(' ')) {
            EXPECT_TRUE(pattern == "*" || !QDir::match(pattern, journal)) << pattern.toStdString();
        }
    }

    QFile::remove(path("planted.pdf"));
    for (const QStringList& c : cases) {
        if (c.value(3).isEmpty()) {
            continue; // not a file the command line is given
        }
        const Ran ran = folioExport({"trial-balance", books, fileOf(c)});
        EXPECT_EQ(ran.exitCode, c[3].toInt()) << c[1].toStdString() << ran.err.toStdString();
        EXPECT_EQ(fileBytes(books), booksBefore) << c[1].toStdString();
        EXPECT_TRUE(fileBytes(journal).startsWith("SQLite format 3")) << c[1].toStdString();
    }
    EXPECT_TRUE(pdfText(path("planted.pdf")).contains("Trial Balance"));
}

} // namespace
