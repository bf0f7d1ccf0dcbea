#pragma once
#include "data/books.h"
#include "data/listed_rows.h"
#include "ui/account_grid.h"
#include "ui/row_window.h"

class QScrollBar;

namespace folio::ui {

// A grid of the books' accounts, read from their file as they are scrolled to, that gives
// its view only a window of rows around the screen: the view and its headers keep nothing
// per account, however long the listing. The rows are scrolled by a bar of the grid's own
// (the view's bar scrolls within the window), and the arrow keys, Page Up and Page Down,
// Home and End with Ctrl, a click and the wheel choose and scroll across the whole listing.
class ListingView : public AccountGrid {
    Q_OBJECT
  public:
    ListingView(const QString& objectName, const QString& accessibleName, const QString& ytdHeading,
                QScrollBar* bar, QWidget* parent = nullptr);

    // Begins a listing of the books' accounts: the returned visit is to be handed each
    // chunk of their file by a pass that reads it whole, and showListing() then lists the
    // accounts it counted.
    FileTable::ChunkVisit listBooks(Books& books);
    void showListing();
    // Shows what is listed as entering it afresh would: nothing chosen, the first rows in
    // view and the columns at their fitted widths.
    void showAgain();
    void clear();

    // Every row listed, the one at the top of the screen and the one chosen (-1: none).
    std::int64_t listedRows() const { return window_.rows(); }
    std::int64_t topRow() const { return window_.top(); }
    std::int64_t chosenRow() const { return chosen_; }
    // Brings a listed row onto the screen and gives its cell in the view's model.
    QModelIndex cellOf(std::int64_t row, int column);

  protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;
    void currentChanged(const QModelIndex& current, const QModelIndex& previous) override;
    void selectionChanged(const QItemSelection& selected,
                          const QItemSelection& deselected) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

  private:
    void place();
    void forgetPlace(); // no row chosen, the keyboard at none
    void showMarks();
    void measurePage();

    QScrollBar* bar_;
    ListedRows listing_;
    RowWindow window_;
    std::int64_t shownFirst_ = -1; // the first row the model holds, -1 when it holds none
    std::int64_t current_ = -1;    // the row of the keyboard's place
    int currentColumn_ = 0;
    std::int64_t chosen_ = -1;
    bool placing_ = false; // the view's marks are being moved with the window, not by the user
};

} // namespace folio::ui
