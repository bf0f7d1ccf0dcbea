#include "support/books_fixture.h"
#include <QDir>
#include <QFile>

namespace {

// Golden page texts: an accounts file in, the recorded page lines out. Run with
// FOLIO_UPDATE_GOLDEN=1 to write the files afresh after a deliberate layout change.
class GoldenReports : public BooksFixture {
  protected:
    void expectGolden(const QString& name, const QStringList& actual) {
        const QString file = QDir::cleanPath(QStringLiteral(FOLIO_TEST_DATA "/../golden/") + name);
        if (qEnvironmentVariableIsSet("FOLIO_UPDATE_GOLDEN")) {
            QFile out(file);
            ASSERT_TRUE(out.open(QIODevice::WriteOnly | QIODevice::Truncate));
            out.write((actual.join(u'\n') + u'\n').toUtf8());
        }
        QStringList expected = QString::fromUtf8(fileBytes(file)).split(u'\n');
        ASSERT_FALSE(expected.isEmpty()) << file.toStdString();
        expected.removeLast(); // the file ends with a line feed
        for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i) {
            EXPECT_EQ(actual.value(i, "<missing>").toStdString(),
                      expected.value(i, "<missing>").toStdString())
                << name.toStdString() << " line " << i + 1;
        }
    }
};

// Every report of the same books against its golden pages. On pages of 20 lines each page
// after the first repeats the heading, and the pages of each copy are numbered from 1.
TEST_F(GoldenReports, EveryReport) {
    openBooks(readChart(QStringLiteral(FOLIO_TEST_DATA "/golden.chart")));
    const QStringList reportNames{"TrialBalance", "IncomeStatement", "Equity", "BalanceSheet"};
    for (const QStringList& c : readCases(QStringLiteral(FOLIO_TEST_DATA "/golden.cases"))) {
        reports::RecordedDocument document;
        printInto(document, c[3].toInt());
        const int copies = c[2].toInt();
        dialogs.onPrint = [copies](QPrinter&) { return std::optional<int>(copies); };
        setCompany(c[1] == u"Service" ? statements::Business::Service
                                      : statements::Business::Merchandising,
                   money("2500"), QStringLiteral("3/31/2024"));
        window->reports().print(static_cast<reports::Report>(reportNames.indexOf(c[0])));
        expectGolden(c[4], document.lines());
    }
}

} // namespace
