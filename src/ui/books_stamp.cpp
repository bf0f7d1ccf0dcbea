#include "ui/books_stamp.h"
#include "ui/tab_context.h"
#include <QFile>
#include <sys/stat.h>

namespace folio::ui {

namespace {

bool sameTime(const timespec& a, const timespec& b) {
    return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
}

} // namespace

std::optional<BooksStamp> BooksStamp::of(TabContext& context) {
    if (!context.books.isSelected()) {
        return std::nullopt;
    }
    struct stat status {};
    if (::stat(QFile::encodeName(context.books.path()).constData(), &status) != 0) {
        return std::nullopt;
    }
    return BooksStamp{context.session.changeCount(),
                      context.books.path(),
                      status.st_dev,
                      status.st_ino,
                      status.st_size,
                      status.st_mtim,
                      status.st_ctim,
                      context.company};
}

bool BooksStamp::operator==(const BooksStamp& other) const {
    return changes == other.changes && path == other.path && device == other.device &&
           inode == other.inode && size == other.size && sameTime(modified, other.modified) &&
           sameTime(statusChanged, other.statusChanged) && company == other.company;
}

} // namespace folio::ui
