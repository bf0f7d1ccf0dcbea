#pragma once
#include "data/account_record.h"
#include "data/account_types.h"
#include <array>
#include <cstdint>

namespace folio::statements {

// The sums the statements are made of, gathered account by account in file order: the
// debit and credit totals of the trial balance and the total of each type code the
// statements use. Records are taken decoded or as their bytes, so that a whole file can be
// summed as it streams by without making a text per record.
class StatementSums {
  public:
    // The type codes summed on their own, in the order total() takes them.
    static constexpr std::array<const char*, 12> kCodes{"D1", "D1I", "C1", "C2", "C3C", "C3",
                                                        "D3", "C4",  "D4", "D5", "C5",  "D6"};

    void add(const AccountRecord& account);
    void add(const RecordBytes& bytes);

    // The trial balance's totals; a sum too large throws MoneyOverflow as it is added.
    const Amounts& debits() const { return debits_; }
    const Amounts& credits() const { return credits_; }
    // The total of the accounts of one of kCodes; throws MoneyOverflow when it did not fit.
    Amounts total(const char* code) const;
    // Whether the books hold an account of one of kCodes.
    bool has(const char* code) const;

  private:
    struct Kind {
        int code = -1; // index in kCodes, or none
        BalanceSide side = BalanceSide::Neither;
    };
    struct Sum {
        Amounts amounts;
        bool seen = false;
        bool overflowed = false;
    };
    template <typename Text> static Kind kindOf(const Text& type);
    Kind kindOfField(const RecordBytes& bytes);
    void add(Kind kind, const Amounts& balances);

    std::array<Sum, kCodes.size()> sums_{};
    Amounts debits_;
    Amounts credits_;
    // The kinds of the type fields met so far, by their six bytes: a file holds few.
    struct KnownField {
        std::uint64_t field = 0;
        Kind kind;
    };
    std::array<KnownField, 16> known_{};
    std::size_t knownCount_ = 0;
};

} // namespace folio::statements
