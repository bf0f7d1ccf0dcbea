#pragma once
#include <QString>
#include <stdexcept>

namespace folio {

// A failed file or printer step, carrying the classic error number that the message
// table translates (53 file not found, 61 disk full, 70 permission denied, 76 path ...).
class FileError : public std::runtime_error {
  public:
    // Why a file cannot serve as books, beyond what the error number says.
    enum class Problem { None, Folder, NotRegular, TooLarge };

    explicit FileError(int number, Problem problem = Problem::None)
        : std::runtime_error("file error"), number_(number), problem_(problem) {}
    int number() const { return number_; }
    Problem problem() const { return problem_; }

    // The number for a failed system call's errno; a missing folder on open is 76.
    static FileError fromErrno(int error, bool pathMissing = false);

  private:
    int number_;
    Problem problem_;
};

// The program's own words for an error number.
QString errorMessage(int number);

} // namespace folio
