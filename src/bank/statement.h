#pragma once
#include "data/money.h"
#include <QDate>
#include <QString>
#include <stdexcept>
#include <vector>

namespace folio::bank {

// One line of a bank statement: what the bank says moved in or out of the account.
// A positive amount is money in (a deposit), a negative one money out.
struct StatementLine {
    int sourceLine = 0; // the line of the file it was read from (0 when the format has none)
    QDate date;
    QString description;
    Money amount;
    QString bankId; // the bank's own transaction id (OFX FITID), empty when it gives none
};

// A statement as read from its file.
struct Statement {
    QString path;
    QString format; // "OFX", "QFX", "QIF" or "CSV"
    std::vector<StatementLine> lines;
};

// A statement file Folio cannot read, with the words the user sees: the file, the line
// and what is wrong.
class StatementError : public std::runtime_error {
  public:
    explicit StatementError(const QString& words)
        : std::runtime_error(words.toStdString()), words_(words) {}
    const QString& words() const { return words_; }

  private:
    QString words_;
};

// The words of a fault at one line of a file ("books.csv, line 4: ...").
QString faultAt(const QString& path, int line, const QString& what);

} // namespace folio::bank
