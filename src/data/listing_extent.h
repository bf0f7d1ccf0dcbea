#pragma once
#include "data/account_record.h"
#include <QString>
#include <utility>
#include <vector>

namespace folio {

// What decides the widths of a listing's columns, gathered account by account without
// making a text per account: the longest names (letters differ in width, so a few of
// them), the longest type code, the highest and lowest balances, the highest number.
class ListingExtent {
  public:
    static constexpr std::size_t kNames = 8;

    void clear() { *this = ListingExtent(); }
    void add(int number, const AccountRecord& account);
    // The same from a listed record's bytes; only a name among the longest is decoded.
    void add(int number, const RecordBytes& bytes);

    bool isEmpty() const { return highestNumber_ == 0; }
    std::vector<QString> longestNames() const; // longest first, the earlier of equals first
    const QString& longestType() const { return longestType_; }
    const Amounts& highest() const { return highest_; }
    const Amounts& lowest() const { return lowest_; }
    int highestNumber() const { return highestNumber_; }

  private:
    template <typename Name> void addName(qsizetype length, const Name& name);
    void addAmounts(int number, const Amounts& balances);

    std::vector<std::pair<qsizetype, QString>> names_;
    QString longestType_;
    Amounts highest_;
    Amounts lowest_;
    int highestNumber_ = 0;
};

} // namespace folio
