#include "closing/book_closer.h"

void BookCloser::chkMonthly_Click() {}

void BookCloser::chkYearly_Click() {}
