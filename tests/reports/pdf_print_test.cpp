#include "reports/qt_page_printer.h"
#include "reports/report_printer.h"
#include "support/books_fixture.h"
#include "support/pdf_text.h"
#include <QAbstractButton>
#include <QLineEdit>
#include <QPrinter>
#include <QRegularExpression>

namespace {

// Each report printed through the real printer code into a PDF file and read back.
class PdfReports : public BooksFixture {
  protected:
    void SetUp() override {
        BooksFixture::SetUp();
        openBooks({account("Cash", "D1", "5000", "5000"),
                   account("Merchandise Inventory", "D1I", "1200", "1200"),
                   account("Accum Deprec Equip", "C1", "800", "800"),
                   account("Accounts Payable", "C2", "300", "300"),
                   account("Capital Stock", "C3C", "5000", "5000"),
                   account("Retained Earnings", "C3", "2000", "2000"),
                   account("Sales", "C4", "10000", "10000"),
                   account("Purchases", "D5", "6000", "6000"),
                   account("Purchase Returns & Allow.", "C5", "300", "300"),
                   account("Rent Expense", "D6", "1200", "1200")});
        window->company() = {QStringLiteral("Kestrow Supply Co."), QStringLiteral("3/31/2024"),
                             statements::Business::Merchandising, money("1500")};
    }

    // The print dialog writes to a PDF of this name with the given copies.
    QString answerPdf(const QString& name, int copies) {
        const QString pdf = path(name);
        dialogs.onPrint = [pdf, copies](QPrinter& printer) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(pdf);
            return std::optional<int>(copies);
        };
        return pdf;
    }

    // Prints with the given handler to a PDF; returns the file's name.
    QString printToPdf(reports::Report report, int copies,
                       const QString& name = QStringLiteral("report.pdf")) {
        const QString pdf = answerPdf(name, copies);
        window->reports().print(report);
        return pdf;
    }

    static int pdfPages(const QString& pdf) {
        for (const QString& line : pdfTool("pdfinfo", {pdf}).split(u'\n')) {
            if (line.startsWith("Pages:")) {
                return line.mid(6).trimmed().toInt();
            }
        }
        return 0;
    }

    void expectContains(const QString& text, const QStringList& parts) {
        for (const QString& part : parts) {
            EXPECT_TRUE(text.contains(part)) << part.toStdString() << "\n" << text.toStdString();
        }
    }
};

TEST_F(PdfReports, TrialBalance) {
    const QString pdf = printToPdf(reports::Report::TrialBalance, 3);
    EXPECT_EQ(pdfPages(pdf), 3);
    EXPECT_TRUE(pdfTool("pdffonts", {pdf}).contains("LiberationSerif"))
        << pdfTool("pdffonts", {pdf}).toStdString();
    const QString text = pdfText(pdf);
    EXPECT_EQ(text.count(u'\f'), 3);
    expectContains(text, {"Kestrow Supply Co.", "Trial Balance", "Current", "Cash", "$5,000.00",
                          "13,400.00", "18,400.00"});
    EXPECT_TRUE(pdfTool("pdfinfo", {pdf}).contains("612 x 792 pts (letter)"))
        << pdfTool("pdfinfo", {pdf}).toStdString();
    EXPECT_TRUE(dialogs.messages().isEmpty());
}

// Pages come out on the printer's own paper, else the paper of the user's country.
TEST(Paper, IsThePrintersOrTheCountrys) {
    const struct {
        QLocale locale;
        std::optional<QPageSize> printer;
        QPageSize::PageSizeId paper;
    } cases[] = {
        {QLocale(QLocale::English, QLocale::UnitedStates), std::nullopt, QPageSize::Letter},
        {QLocale::c(), std::nullopt, QPageSize::Letter},
        {QLocale(QLocale::English, QLocale::Canada), std::nullopt, QPageSize::Letter},
        {QLocale(QLocale::German, QLocale::Germany), std::nullopt, QPageSize::A4},
        {QLocale(QLocale::English, QLocale::UnitedKingdom), std::nullopt, QPageSize::A4},
        {QLocale(QLocale::English, QLocale::UnitedStates), QPageSize(QPageSize::A5), QPageSize::A5},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(reports::defaultPaper(c.locale, c.printer).id(), c.paper)
            << c.locale.name().toStdString();
    }
}

TEST_F(PdfReports, UnwritableOutputIsAPrintingProblem) {
    const QString name = QStringLiteral("no such folder/report.pdf");
    printToPdf(reports::Report::TrialBalance, 1, name);
    EXPECT_EQ(dialogs.messages(), QStringList({"There was a problem printing to your printer!"}));
    dialogs.reset();
    printToPdf(reports::Report::BalanceSheet, 1, name);
    EXPECT_TRUE(dialogs.messages().isEmpty());
    EXPECT_FALSE(QFile::exists(path(name)));
}

TEST_F(PdfReports, PrintButtonsOnTheTabsPrint) {
    for (const char* button : {"cmdPrint", "cmdIsPrint", "cmdCapitalPrint", "cmdPrintBs"}) {
        const QString pdf = answerPdf(QStringLiteral("%1.pdf").arg(button), 1);
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
    const QString boxes = pdfTool("pdftotext", {"-bbox", path("long.pdf"), "-"});
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
