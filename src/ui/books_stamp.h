#pragma once
#include "statements/company_info.h"
#include <QString>
#include <cstdint>
#include <ctime>
#include <optional>
#include <sys/types.h>

namespace folio::ui {

struct TabContext;

// What a tab's figures were computed from: the session's count of changes, the selected
// file as it stands on disk (which file, its size and when it was last written) and the
// company values. While the stamp taken on entering a tab equals the one kept with its
// figures, they are the books' figures still and the file need not be read again.
struct BooksStamp {
    std::uint64_t changes = 0;
    QString path;
    dev_t device = 0;
    ino_t inode = 0;
    off_t size = 0;
    timespec modified{};
    timespec statusChanged{};
    statements::CompanyInfo company;

    // The stamp of the books now; empty when the file cannot be told (it is read again,
    // and its failure reported, as it would be without a stamp).
    static std::optional<BooksStamp> of(TabContext& context);
    bool operator==(const BooksStamp& other) const;
};

// The stamp a tab keeps with the figures it shows.
class ShownStamp {
  public:
    // Takes the books' stamp now: true when the figures shown were made from the same
    // books; otherwise forgets them until shown() is said again.
    bool stillShown(TabContext& context) {
        now_ = BooksStamp::of(context);
        if (now_ && now_ == shown_) {
            return true;
        }
        shown_.reset();
        return false;
    }
    // The figures of the books stamped by the last stillShown() are shown.
    void shown() { shown_ = now_; }

  private:
    std::optional<BooksStamp> now_;
    std::optional<BooksStamp> shown_;
};

} // namespace folio::ui
