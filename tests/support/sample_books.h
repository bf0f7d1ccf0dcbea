#pragma once
#include "data/account_record.h"
#include <vector>

// Two sets of books whose debits equal their credits in both columns: a merchandising
// corporation's and a service corporation's.
std::vector<folio::AccountRecord> merchandisingBooks();
std::vector<folio::AccountRecord> serviceBooks();
