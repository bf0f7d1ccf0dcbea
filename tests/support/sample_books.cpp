#include "support/sample_books.h"
#include "support/record_fixture.h"

std::vector<AccountRecord> merchandisingBooks() {
    return {
        account("Cash", "D1", "12500.75", "30120.40"),
        account("Accounts Receivable", "D1", "3200", "3200"),
        account("Merchandise Inventory", "D1I", "2000", "2000"),
        account("Equipment", "D1", "8000", "8000"),
        account("Accum Deprec Equip", "C1", "800", "1600"),
        account("Accounts Payable", "C2", "1450.50", "1450.50"),
        account("Capital Stock", "C3C", "10000", "10000"),
        account("Retained Earnings", "C3", "7000", "5000"),
        account("Sales", "C4", "18000", "52000"),
        account("Sales Returns & Allow.", "D4", "500", "1500"),
        account("Purchases", "D5", "6000", "21000"),
        account("Purchase Returns & Allow.", "C5", "300", "900"),
        account("Rent Expense", "D6", "1200", "3600"),
        account("Miscellaneous Expense", "D6", "4149.75", "1530.10"),
    };
}

std::vector<AccountRecord> serviceBooks() {
    return {
        account("Cash", "D1", "18250.75", "18250.75"),
        account("Supplies", "D1", "600", "600"),
        account("Accounts Payable", "C2", "1200", "1200"),
        account("Capital Stock", "C3C", "15000", "15000"),
        account("Retained Earnings", "C3", "2000", "2000"),
        account("Fees Earned", "C4", "4500", "4500"),
        account("Salary Expense", "D6", "2849.25", "2849.25"),
        account("Rent Expense", "D6", "1000", "1000"),
    };
}
