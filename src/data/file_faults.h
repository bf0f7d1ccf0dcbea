#pragma once

namespace folio {

// Lets a test make the file layer fail at its k-th operation from now on, so that every
// failure path of an action can be walked. Off unless a test arms it.
namespace FileFaults {
// The k-th operation from now (1 = the next one) fails with the given error number.
void failAt(long k, int errorNumber);
void clear();
// Counts an operation; throws FileError when it is the armed one.
void step();
// Operations counted since the last failAt or clear.
long operations();
} // namespace FileFaults

} // namespace folio
