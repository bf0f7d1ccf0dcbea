// Asks whether arbitrary text is a date: never crashes, and blanks around the text do not
// change the answer.
#include "company/date_rules.h"
#include "fuzz_support.h"

using namespace folio::company;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString text = fuzz::text(data, size);
    const bool recognised = isRecognisedDate(text);
    fuzz::require(isRecognisedDate(QStringLiteral("  ") + text + QStringLiteral(" ")) ==
                  recognised);
    return 0;
}
