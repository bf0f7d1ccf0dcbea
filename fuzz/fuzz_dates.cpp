// Reads arbitrary text as a date: never crashes, and blanks around the text change neither
// whether it is a date nor which one.
#include "data/text_rules.h"
#include "fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = fuzz::text(data, size);
    const auto date = folio::readDate(text);
    fuzz::require(folio::readDate(QStringLiteral("  ") + text + QStringLiteral(" ")) == date);
    if (date)
        fuzz::require(date->isValid());
    return 0;
}
