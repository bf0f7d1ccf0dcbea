#include "reports/print_line.h"
#include "reports/print_masks.h"
#include "reports/recording_page_printer.h"
#include "support/books_fixture.h"
#include <gtest/gtest.h>

namespace {

QStringList record(const std::vector<PrintLine>& lines, int linesPerPage = 0) {
    RecordedDocument document;
    RecordingPagePrinter printer(document, linesPerPage);
    for (const PrintLine& line : lines) {
        printer.printLine(line);
    }
    return document.lines();
}

TEST(PrintMasks, DollarAndNumberMasks) {
    const struct {
        const char* amount;
        const char* dollar;
        const char* number;
    } cases[] = {
        {"1234.5", "$1,234.50", "1,234.50"},
        {"0", "$0.00", ".00"},
        {"-75", "-$75.00", "-75.00"},
        {"0.25", "$0.25", ".25"},
        {"-0.5", "-$0.50", "-.50"},
        {"0.005", "$0.01", ".01"}, // halves away from zero
        {"-0.005", "-$0.01", "-.01"},
        {"-0.004", "$0.00", ".00"}, // rounds to zero: no minus sign
        {"1234567890.125", "$1,234,567,890.13", "1,234,567,890.13"},
        {"999.999", "$1,000.00", "1,000.00"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(dollarMask(money(c.amount)), c.dollar) << c.amount;
        EXPECT_EQ(numberMask(money(c.amount)), c.number) << c.amount;
    }
}

TEST(PrintLayout, CentringRoundsHalvesToEven) {
    const struct {
        int width, length, column;
    } cases[] = {
        {92, 12, 40}, {92, 11, 40}, {92, 13, 40}, {92, 9, 42},  {102, 12, 45},
        {87, 12, 38}, {87, 13, 37}, {92, 0, 46},  {92, 95, -2}, {92, 97, -2},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(centredColumn(c.width, c.length), c.column) << c.width << "/" << c.length;
    }
}

TEST(PrintLayout, TabsPlaceTextsAtColumns) {
    const QString name34(34, u'n');
    const QString name35(35, u'n');
    const QStringList lines = record({
        PrintLine().text("Cash").tab(35).text("$1.00").tab(50).text("$2.00"),
        PrintLine().tab(0).text("low"),                        // below 1 counts as 1
        PrintLine().text(name34).tab(35).text("$3.00"),        // exactly at the column
        PrintLine().text(name35).tab(35).text("$4.00"),        // past it: next line
        PrintLine().tab(10).text("a").tab(5).text("b"),        // a tab to the left
        PrintLine(),                                           // an empty line
        PrintLine().centred(92, "Company Name"),               // 12 characters
        PrintLine().centred(92, QString(100, u'x')).text("|"), // centring below column 1
    });
    const QStringList expected = {
        "Cash" + QString(30, u' ') + "$1.00" + QString(10, u' ') + "$2.00",
        "low",
        name34 + "$3.00",
        name35,
        QString(34, u' ') + "$4.00",
        QString(9, u' ') + "a",
        QString(4, u' ') + "b",
        "",
        QString(39, u' ') + "Company Name",
        QString(100, u'x') + "|",
    };
    EXPECT_EQ(lines, expected);
}

TEST(PrintLayout, PagesBreakLazilyAndWhenFull) {
    RecordedDocument document;
    RecordingPagePrinter printer(document, 3);
    for (int copy = 0; copy < 2; ++copy) {
        for (const char* text : {"one", "two", "three", "four"}) {
            printer.printLine(PrintLine().text(text));
        }
        printer.newPage();
    }
    printer.endDocument();
    // A full page goes on to the next; the break after the last copy adds no page.
    EXPECT_EQ(document.lines(), QStringList({"one", "two", "three", "\f", "four", "\f", "one",
                                             "two", "three", "\f", "four"}));
    EXPECT_TRUE(document.ended);
    EXPECT_FALSE(document.aborted);

    // A line of two rows moves as a whole row by row: its second row starts the next page.
    const QStringList split = record(
        {PrintLine().text("a"), PrintLine().text("b"), PrintLine().text("long").tab(2).text("c")},
        3);
    EXPECT_EQ(split, QStringList({"a", "b", "long", "\f", " c"}));
}

} // namespace
