#include "data/listed_rows.h"
#include <algorithm>

namespace folio {

void ListedRows::begin(Reader reader) {
    read_ = std::move(reader);
    before_.clear();
    count_ = 0;
    records_ = 0;
    extent_.clear();
    for (Block& block : held_) {
        block.index = -1;
    }
}

void ListedRows::add(int first, std::span<const RecordBytes> records) {
    for (std::size_t i = 0; i < records.size(); ++i) {
        const int number = first + static_cast<int>(i);
        if ((number - 1) % kBlock == 0) {
            before_.push_back(count_);
        }
        if (!RecordFields::isBlank(records[i])) {
            ++count_;
            extent_.add(number, records[i]);
        }
        records_ = number;
    }
}

ListedRows::Row ListedRows::at(int row) {
    static const AccountRecord none;
    if (row < 0 || row >= count_) {
        return {0, none};
    }
    const auto index = std::upper_bound(before_.begin(), before_.end(), row) - before_.begin() - 1;
    const Block& block = load(static_cast<int>(index));
    const auto k = static_cast<std::size_t>(row - before_[static_cast<std::size_t>(index)]);
    if (k >= block.numbers.size()) {
        return {0, none};
    }
    return {block.numbers[k], block.accounts[k]};
}

ListedRows::Block& ListedRows::load(int index) {
    ++clock_;
    const auto held = std::find_if(held_.begin(), held_.end(),
                                   [index](const Block& b) { return b.index == index; });
    if (held != held_.end()) {
        held->used = clock_;
        return *held;
    }
    Block& block = *std::min_element(
        held_.begin(), held_.end(), [](const Block& a, const Block& b) { return a.used < b.used; });
    block.index = -1; // until it is read whole
    block.numbers.clear();
    block.accounts.clear();
    const int first = index * kBlock + 1;
    raw_.resize(static_cast<std::size_t>(std::clamp(records_ - first + 1, 0, kBlock)));
    if (!raw_.empty()) {
        read_(first, raw_);
    }
    for (std::size_t i = 0; i < raw_.size(); ++i) {
        if (!RecordFields::isBlank(raw_[i])) {
            block.numbers.push_back(first + static_cast<int>(i));
            block.accounts.push_back(AccountRecord::decode(raw_[i]));
        }
    }
    block.index = index;
    block.used = clock_;
    return block;
}

} // namespace folio
