#include "ui/listing_grid.h"
#include "ui/listing_view.h"
#include <QHBoxLayout>
#include <QScrollBar>

namespace folio::ui {

ListingGrid::ListingGrid(const QString& objectName, const QString& accessibleName,
                         const QString& ytdHeading, QWidget* parent)
    : QFrame(parent) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    auto* bar = new QScrollBar(Qt::Vertical, this);
    bar->setObjectName(objectName + QStringLiteral("Rows"));
    bar->setAccessibleName(accessibleName + QStringLiteral(" rows"));
    bar->setFocusPolicy(Qt::NoFocus); // the grid takes the keys
    view_ = new ListingView(objectName, accessibleName, ytdHeading, bar, this);
    view_->setFrameShape(QFrame::NoFrame);
    setFocusProxy(view_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(view_, 1);
    layout->addWidget(bar);
}

} // namespace folio::ui
