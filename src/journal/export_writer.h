#pragma once
#include "data/money.h"
#include <QSaveFile>
#include <QString>
#include <cstdint>
#include <functional>

namespace folio::journal {

// Told how far an export has come (entries written of the total); false cancels it.
using ExportProgress = std::function<bool(std::int64_t done, std::int64_t total)>;

enum class ExportResult { Written, Cancelled };

// An amount as plain text for other programs: a minus sign, no thousands separators,
// two decimals, or four when the amount is not whole cents (-1234.50, 0.1235).
QString plainAmount(Money amount);

// The export file: written beside its target and put in place only once complete, so a
// cancelled or failed export leaves no partial file. Failures throw FileError.
class ExportWriter {
  public:
    explicit ExportWriter(const QString& path);
    void write(const QString& text);
    void commit();
    void cancel() { file_.cancelWriting(); }

  private:
    [[noreturn]] void fail();
    QSaveFile file_;
    QByteArray buffer_;
};

} // namespace folio::journal
