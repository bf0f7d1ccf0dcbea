#include "ui/account_grid.h"
#include "ui/account_list_model.h"
#include <QEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>

namespace folio::ui {

AccountGrid::AccountGrid(const QString& objectName, const QString& accessibleName,
                         const QString& ytdHeading, QWidget* parent)
    : QTableView(parent), model_(new AccountListModel(ytdHeading, this)) {
    setObjectName(objectName);
    setAccessibleName(accessibleName);
    setModel(model_);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setTabKeyNavigation(false); // Tab leaves the grid; the arrow keys choose the row
    setWordWrap(false);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
}

void AccountGrid::show(const AccountTable& table, const std::vector<int>& numbers) {
    selectionModel()->reset(); // nothing stays chosen from what was listed before
    model_->setAccounts(table.records, numbers);
    scrollToTop();
    sizeColumns();
}

void AccountGrid::showAgain() {
    selectionModel()->reset();
    scrollToTop();
    refitColumns();
}

void AccountGrid::refitColumns() {
    if (headerWidths_.empty()) {
        sizeColumns(); // the font or the style changed: measured again
    } else {
        applyWidths();
    }
}

void AccountGrid::clear() {
    selectionModel()->reset();
    model_->clear();
}

void AccountGrid::sizeColumns() {
    // As resizeColumnsToContents() would size them, but measuring only the texts that
    // decide each width instead of laying out every cell: that made entering a tab cost
    // far more than reading the file. Widths once measured are kept until the font or
    // the style changes.
    if (headerWidths_.empty()) {
        for (int column = 0; column < AccountListModel::ColumnCount; ++column) {
            headerWidths_.push_back(horizontalHeader()->sectionSizeHint(column));
        }
    }
    const QFontMetrics metrics(font());
    const int margin = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) +
                       (showGrid() ? 1 : 0);
    if (textWidths_.size() > 4096) {
        textWidths_.clear(); // a bound on what is kept, far above the texts a grid shows
    }
    const auto widest = model_->widestTexts();
    for (std::size_t column = 0; column < widths_.size(); ++column) {
        widths_[column] = headerWidths_[column];
        for (const QString& text : widest[column]) {
            auto known = textWidths_.constFind(text);
            if (known == textWidths_.constEnd()) {
                known = textWidths_.insert(text, metrics.horizontalAdvance(text) + margin);
            }
            widths_[column] = std::max(widths_[column], *known);
        }
    }
    applyWidths();
}

void AccountGrid::applyWidths() {
    // Setting a width that stays the same changes nothing, so entering a tab again over
    // the same books does not make the view measure its header again.
    for (int column = 0; column < AccountListModel::ColumnCount; ++column) {
        if (column != AccountListModel::Name) {
            setColumnWidth(column, widths_[static_cast<std::size_t>(column)]);
        }
    }
    fitNames();
}

void AccountGrid::fitNames() {
    // Room left over goes to the account names; the names keep at least their own width.
    int others = 0;
    for (int column = 0; column < AccountListModel::ColumnCount; ++column) {
        others += column == AccountListModel::Name ? 0 : columnWidth(column);
    }
    const int names = widths_[AccountListModel::Name];
    setColumnWidth(AccountListModel::Name, std::max(names, viewport()->width() - others));
}

bool AccountGrid::viewportEvent(QEvent* event) {
    // The grid's room is known only once its page is laid out, and it narrows when the
    // scroll bar appears: the names take up what is left each time.
    if (event->type() == QEvent::Resize) {
        fitNames();
    }
    return QTableView::viewportEvent(event);
}

void AccountGrid::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        headerWidths_.clear();
        textWidths_.clear();
    }
    QTableView::changeEvent(event);
}

} // namespace folio::ui
