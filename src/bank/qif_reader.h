#pragma once
#include "bank/date_order.h"
#include "bank/statement.h"
#include <QByteArray>

namespace folio::bank {

// A QIF file's transactions before their dates are read: the date as written, the line
// it was on, and the rest read.
struct QifTransaction {
    QString date;
    StatementLine line;
};

// Reads a QIF bank file (!Type:Bank, !Type:CCard, !Type:Cash ...): D date, T or U
// amount, P payee, M memo, each transaction ended by ^. Throws StatementError naming the
// file and the line of an amount that is not a number or a transaction without a date or
// an amount.
std::vector<QifTransaction> readQif(const QString& path, const QByteArray& bytes);

// The QIF date as the order reads it (Quicken writes 3/ 4'26 for 3/4/2026).
QString qifDateText(const QString& written);

} // namespace folio::bank
