#include "data/books.h"

namespace folio {

void Books::select(const QString& path) {
    const int number = files_.freeFile();
    files_.open(number, path);
    close();
    number_ = number;
    path_ = path;
}

void Books::forget() {
    files_.closeAll();
    number_ = 0;
    path_.clear();
}

int Books::reopen() {
    close();
    const int number = files_.freeFile();
    files_.open(number, path_);
    number_ = number;
    return number_;
}

int Books::handle() {
    return number_ != 0 && files_.isOpen(number_) ? number_ : reopen();
}

void Books::close() {
    if (number_ != 0) {
        files_.close(number_);
        number_ = 0;
    }
}

AccountTable Books::read() {
    AccountTable table;
    load(table);
    return table;
}

void Books::load(AccountTable& table) {
    const int number = reopen();
    table.load(files_, number);
}

} // namespace folio
