#include "reports/qt_page_printer.h"
#include "support/books_fixture.h"
#include <QAbstractButton>
#include <QPrinter>
#include <QRegularExpression>
#include <map>

namespace {

// Each report printed through the real printer code into a PDF file and read back.
class PdfReports : public BooksFixture {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        openBooks(readChart(QStringLiteral(FOLIO_TEST_DATA "/printed.chart")));
        setCompany(statements::Business::Merchandising, money("1500"), "3/31/2024");
    }

    // Prints with the given handler to a PDF; returns the file's name.
    QString printToPdf(reports::Report report, int copies, const QString& name = "report.pdf") {
        const QString pdf = printIntoPdf(name, copies);
        window->reports().print(report);
        return pdf;
    }

    static int pdfPages(const QString& pdf) {
        return toolOutput("pdfinfo", {pdf}).section("Pages:", 1, 1).section(u'\n', 0, 0).toInt();
    }
};

TEST_F(PdfReports, TrialBalance) {
    const QString pdf = printToPdf(reports::Report::TrialBalance, 3);
    EXPECT_EQ(pdfPages(pdf), 3);
    const QString fonts = toolOutput("pdffonts", {pdf});
    EXPECT_TRUE(fonts.contains("LiberationSerif")) << fonts.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_EQ(text.count(u'\f'), 3);
    for (const char* part : {"Kestrow Supply Co.", "Trial Balance", "Current", "Cash", "$5,000.00",
                             "13,400.00", "18,400.00"}) {
        EXPECT_TRUE(text.contains(part)) << part << "\n" << text.toStdString();
    }
    const QString info = toolOutput("pdfinfo", {pdf});
    EXPECT_TRUE(info.contains("612 x 792 pts (letter)")) << info.toStdString();
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

// Pages come out on the printer's own paper, else the paper of the user's country.
TEST(Paper, IsThePrintersOrTheCountrys) {
    const std::map<QString, QPageSize::PageSizeId> papers{
        {"Letter", QPageSize::Letter}, {"A4", QPageSize::A4}, {"A5", QPageSize::A5}};
    for (const QStringList& c : readCases(QStringLiteral(FOLIO_TEST_DATA "/paper.cases"))) {
        const std::optional<QPageSize> printer =
            c[1].isEmpty() ? std::nullopt : std::optional(QPageSize(papers.at(c[1])));
        EXPECT_EQ(reports::defaultPaper(QLocale(c[0]), printer).id(), papers.at(c[2]))
            << c.join('|').toStdString();
    }
}

TEST_F(PdfReports, UnwritableOutputIsAPrintingProblem) {
    const QString name = "no such folder/report.pdf";
    printToPdf(reports::Report::TrialBalance, 1, name);
    EXPECT_EQ(dialogs.messages(), QStringList({"There was a problem printing to your printer!"}));
    dialogs.reset();
    printToPdf(reports::Report::BalanceSheet, 1, name);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_FALSE(QFile::exists(path(name)));
}

TEST_F(PdfReports, PrintButtonsOnTheTabsPrint) {
    for (const char* button : {"cmdPrint", "cmdIsPrint", "cmdCapitalPrint", "cmdPrintBs"}) {
        const QString pdf = printIntoPdf(QStringLiteral("%1.pdf").arg(button), 1);
        find<QAbstractButton>(button)->click();
        EXPECT_EQ(pdfPages(pdf), 1) << button;
    }
}

TEST_F(PdfReports, LongReportKeepsMarginsRepeatsItsHeadingAndNumbersItsPages) {
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("long.pdf"));
    reports::PrinterSettings settings;
    {
        reports::QtPagePrinter page(printer, settings);
        page.setFontName("Times New Roman");
        page.setFontSize(10);
        page.setPrintQuality(300);
        const std::vector<reports::PrintLine> heading = {
            reports::PrintLine().centred(92, "Kestrow Supply Co."),
            reports::PrintLine().centred(92, "Trial Balance")};
        page.startReport(reports::pageFrameOf(heading));
        for (const reports::PrintLine& line : heading) {
            page.printLine(line);
        }
        for (int i = 1; i <= 150; ++i) {
            page.printLine(
                reports::PrintLine().text(QStringLiteral("Line %1").arg(i)).tab(92).text("x"));
        }
        page.newPage();
        page.endDocument();
    }
    const int pages = pdfPages(path("long.pdf"));
    EXPECT_GE(pages, 3);
    const QString text = pdfText(path("long.pdf"));
    EXPECT_TRUE(text.contains("Line 1 ") && text.contains("Line 150"));
    EXPECT_EQ(text.count("Kestrow Supply Co."), pages);
    EXPECT_TRUE(text.contains(QStringLiteral("Page %1").arg(pages)));
    // Every word lies at least half an inch (36 points) inside the page's edges.
    const QString boxes = toolOutput("pdftotext", {"-bbox", path("long.pdf"), "-"});
    const QRegularExpression pageSize(R"re(<page width="([\d.]+)" height="([\d.]+)")re");
    const auto size = pageSize.match(boxes);
    ASSERT_TRUE(size.hasMatch());
    const double width = size.captured(1).toDouble();
    const double height = size.captured(2).toDouble();
    const QRegularExpression word(
        R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)")re");
    int words = 0;
    for (auto it = word.globalMatch(boxes); it.hasNext(); ++words) {
        const auto m = it.next();
        EXPECT_GE(m.captured(1).toDouble(), 36);
        EXPECT_GE(m.captured(2).toDouble(), 36);
        EXPECT_LE(m.captured(3).toDouble(), width - 36);
        EXPECT_LE(m.captured(4).toDouble(), height - 36);
    }
    EXPECT_GT(words, 300);
    EXPECT_EQ(printer.resolution(), 300);
    EXPECT_EQ(settings.fontName, "Times New Roman");

    // A document dropped half way leaves no file behind.
    printer.setOutputFileName(path("dropped.pdf"));
    {
        reports::QtPagePrinter page(printer, settings);
        page.printLine(reports::PrintLine().text("half"));
        page.abort();
    }
    EXPECT_FALSE(QFile::exists(path("dropped.pdf")));
}

} // namespace
