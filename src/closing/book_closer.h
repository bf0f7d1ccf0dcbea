#pragma once
#include "closing/closing_rules.h"
#include "ui/tab_context.h"

namespace folio::closing {

// Closes the books into a closed copy of the accounts file, after asking. The selected
// file is never written; a closing that cannot finish leaves no partial copy and the
// tabs as they were. A closing that finishes says where the copy went and sends the
// window back to its state at start.
class BookCloser {
  public:
    explicit BookCloser(ui::TabContext context) : ctx_(context) {}

    void close(ClosingKind kind);

  private:
    ui::TabContext ctx_;
};

// The question asked before a closing, naming the closed copy.
QString closingQuestion(ClosingKind kind, const QString& selected, const QString& target);

} // namespace folio::closing
