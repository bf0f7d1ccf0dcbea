#pragma once
#include "data/export_file.h"
#include "data/money.h"
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
// cancelled or failed export leaves no partial file. Failures throw FileError; an output
// that is one of the files of `books` throws ExportRefused.
class ExportWriter {
  public:
    ExportWriter(const QString& path, const QString& books) : file_(path, books) {}
    void write(const QString& text);
    void commit();
    void cancel() { file_.cancel(); }

  private:
    ExportFile file_;
    QByteArray buffer_;
};

} // namespace folio::journal
