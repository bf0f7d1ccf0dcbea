#pragma once
#include <QTableWidget>
#include <array>

struct AccountEntry;

// A grid of fixed size whose row 0 and column 0 are heading cells, as the posting and
// statement tabs use it: cells are addressed by row and column, widths set in twips.
class FlexGrid : public QTableWidget {
    Q_OBJECT
  public:
    static constexpr int kRows = 50;
    static constexpr int kColumns = 5;

    FlexGrid(const QString& objectName, QWidget* parent = nullptr);

    void setCell(int row, int column, const QString& text);
    QString cell(int row, int column) const;
    // Empties every cell; the rows and columns stay.
    void clearCells();
    void setColumnWidthTwips(int column, int twips);
    // Empties the grid and writes the heading row of an account listing: "AN.",
    // "Account Title", "Type", "Current Balance" and the year-to-date heading.
    void startListing(const QString& ytdHeading);
    // The widths of columns 1 to 4 in twips; column 0 keeps its own.
    void setColumnWidthsTwips(const std::array<int, 4>& widths);
    // One account's row: its number, name, type and both balances in the currency format.
    void setAccountRow(int row, int number, const AccountEntry& entry);
    // The screen pixels of a length in twips (1/1440 inch) at the widget's logical DPI.
    static int twipsToPixels(int twips, const QWidget* widget);

  private:
    // Changes a cell's text without repainting; true when the text changed.
    bool putText(int row, int column, const QString& text);
};
