#pragma once
#include "ui/tab_context.h"
#include <QWidget>
#include <optional>

namespace folio::ui {

// One page of the tab control. enter() prepares the page each time it is shown; it may
// throw FileError, which the window reports and retries. It gives the tab to show
// instead when an input must be entered elsewhere first.
class TabPage : public QWidget {
    Q_OBJECT
  public:
    explicit TabPage(TabContext context, QWidget* parent = nullptr)
        : QWidget(parent), ctx_(context) {}
    virtual std::optional<Tab> enter() { return std::nullopt; }
    // Writes what the page holds and has not written yet (before the window closes);
    // false when it could not, after saying why.
    virtual bool keepEdits() { return true; }

  protected:
    TabContext ctx_;
};

} // namespace folio::ui
