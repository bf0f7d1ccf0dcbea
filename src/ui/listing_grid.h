#pragma once
#include <QFrame>

namespace folio::ui {

class ListingView;

// A ListingView in a frame beside the scroll bar that moves it through the whole listing.
// The view carries the grid's name and accessible name; the bar is named after it.
class ListingGrid : public QFrame {
    Q_OBJECT
  public:
    ListingGrid(const QString& objectName, const QString& accessibleName, const QString& ytdHeading,
                QWidget* parent = nullptr);

    ListingView& view() const { return *view_; }

  private:
    ListingView* view_;
};

} // namespace folio::ui
