#pragma once
#include "bank/import_plan.h"
#include "session/books_session.h"

namespace folio::bank {

// Writes the lines the plan includes as one entry of the books session (one Undo step):
// for each, the bank account against the other account, money in debiting the bank account
// and money out crediting it; then keeps the lines for the duplicate check. The one place
// an import changes the books. The result's seq is the entry's number, 0 when nothing was
// included; an account not in the books is refused.
session::ChangeResult writeImport(session::BooksSession& session, const ImportPlan& plan,
                                  const QString& source);

} // namespace folio::bank
