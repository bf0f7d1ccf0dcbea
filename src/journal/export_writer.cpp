#include "journal/export_writer.h"

namespace folio::journal {

QString plainAmount(Money amount) {
    const std::int64_t raw = amount.raw();
    const bool negative = raw < 0;
    const std::uint64_t magnitude =
        negative ? 0 - static_cast<std::uint64_t>(raw) : static_cast<std::uint64_t>(raw);
    const std::uint64_t scale = static_cast<std::uint64_t>(Money::kScale);
    const std::uint64_t fraction = magnitude % scale;
    QString text = negative ? QStringLiteral("-") : QString();
    text += QString::number(magnitude / scale);
    text += QLatin1Char('.');
    if (fraction % 100 == 0) {
        text += QStringLiteral("%1").arg(fraction / 100, 2, 10, QLatin1Char('0'));
    } else {
        text += QStringLiteral("%1").arg(fraction, 4, 10, QLatin1Char('0'));
    }
    return text;
}

void ExportWriter::write(const QString& text) {
    buffer_ += text.toUtf8();
    if (buffer_.size() > (1 << 16)) {
        file_.write(buffer_);
        buffer_.clear();
    }
}

void ExportWriter::commit() {
    file_.write(buffer_);
    buffer_.clear();
    file_.commit();
}

} // namespace folio::journal
