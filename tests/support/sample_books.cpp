#include "support/sample_books.h"
#include "support/record_fixture.h"

std::vector<AccountRecord> merchandisingBooks() {
    static const auto books = readChart(QStringLiteral(FOLIO_SUPPORT_DATA "/merchandising.chart"));
    return books;
}

std::vector<AccountRecord> serviceBooks() {
    static const auto books = readChart(QStringLiteral(FOLIO_SUPPORT_DATA "/service.chart"));
    return books;
}
