// Computes every statement from an arbitrary accounts file, for each type of business:
// each gives its figures or reports an amount too large (MoneyOverflow); nothing else
// escapes, and a complete set of statements balances whenever the trial balance does.
#include "fuzz_support.h"
#include "statements/statement_chain.h"

using namespace folio::statements;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Money inventory = fuzz::takeMoney(data, size);
    const AccountTable table = fuzz::table(data, size);
    for (Business business : {Business::Unknown, Business::Service, Business::Merchandising}) {
        try {
            const Statements s = computeStatements(table, {{}, {}, business, inventory});
            fuzz::require(s.trial.listed.size() <= table.records.size());
            fuzz::require(s.balance.has_value() == (s.missing == Missing::Nothing));
        } catch (const MoneyOverflow&) {
        }
    }
    return 0;
}
