#pragma once
#include "data/account_record.h"
#include "data/listing_extent.h"
#include <array>
#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace folio {

// The accounts a listing shows (the records that are not blank), found by their place in
// the listing without holding them all: a count per block of records, taken as the file
// streams by, and the few blocks last looked at kept decoded. Memory follows the rows on
// screen, not the size of the file.
class ListedRows {
  public:
    // Reads records first, first + 1 ... into `into` (past the end as zeros); may throw
    // FileError.
    using Reader = std::function<void(int first, std::span<RecordBytes> into)>;
    static constexpr int kBlock = 1024;

    // Starts a new listing; the file's records are then handed to add() in order.
    void begin(Reader reader);
    void add(int first, std::span<const RecordBytes> records);

    int count() const { return count_; }
    const ListingExtent& extent() const { return extent_; }

    struct Row {
        int number;
        const AccountRecord& account;
    };
    // The listed account at `row` (from 0), its block read when it is not held. A row the
    // file no longer holds (it changed since it was counted) shows as a blank record.
    Row at(int row);

  private:
    struct Block {
        int index = -1;
        std::uint64_t used = 0;
        std::vector<int> numbers;
        std::vector<AccountRecord> accounts;
    };
    Block& load(int index);

    Reader read_;
    std::vector<int> before_; // the accounts listed before each block
    int count_ = 0;
    int records_ = 0;
    ListingExtent extent_;
    std::array<Block, 4> held_;
    std::uint64_t clock_ = 0;
    std::vector<RecordBytes> raw_;
};

} // namespace folio
