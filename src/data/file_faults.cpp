#include "data/file_faults.h"
#include "data/file_error.h"

namespace folio {

namespace {
long counted = 0;
long failing = 0;
int failingNumber = 0;
} // namespace

void FileFaults::failAt(long k, int errorNumber) {
    counted = 0;
    failing = k;
    failingNumber = errorNumber;
}

void FileFaults::clear() {
    counted = 0;
    failing = 0;
}

void FileFaults::step() {
    ++counted;
    if (failing > 0 && counted == failing) {
        throw FileError(failingNumber);
    }
}

long FileFaults::operations() {
    return counted;
}

} // namespace folio
