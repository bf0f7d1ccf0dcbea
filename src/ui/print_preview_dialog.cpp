#include "ui/print_preview_dialog.h"
#include <QDialogButtonBox>
#include <QKeySequence>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

namespace folio::ui {

namespace {

QAction* tool(QToolBar* bar, const QString& text, const QKeySequence& key, const char* name) {
    QAction* action = bar->addAction(text);
    action->setShortcut(key);
    action->setObjectName(QLatin1String(name));
    action->setToolTip(QStringLiteral("%1 (%2)").arg(text, key.toString(QKeySequence::NativeText)));
    return action;
}

} // namespace

PrintPreviewDialog::PrintPreviewDialog(QPrinter& printer, std::function<void(QPrinter&)> render,
                                       QWidget* parent)
    : QDialog(parent), render_(std::move(render)) {
    setObjectName(QStringLiteral("dlgPrintPreview"));
    setWindowTitle(QStringLiteral("Print Preview"));
    resize(820, 900);
    auto* layout = new QVBoxLayout(this);
    auto* bar = new QToolBar(this);
    preview_ = new QPrintPreviewWidget(&printer, this);
    preview_->setObjectName(QStringLiteral("PrintPreview"));
    preview_->setAccessibleName(QStringLiteral("Print preview"));
    connect(preview_, &QPrintPreviewWidget::paintRequested, this,
            [this](QPrinter* target) { render_(*target); });
    connect(
        tool(bar, QStringLiteral("Fit &Width"), QKeySequence(Qt::CTRL | Qt::Key_1), "actFitWidth"),
        &QAction::triggered, preview_, &QPrintPreviewWidget::fitToWidth);
    connect(
        tool(bar, QStringLiteral("&Whole Page"), QKeySequence(Qt::CTRL | Qt::Key_0), "actFitPage"),
        &QAction::triggered, preview_, &QPrintPreviewWidget::fitInView);
    connect(tool(bar, QStringLiteral("Zoom &In"), QKeySequence::ZoomIn, "actZoomIn"),
            &QAction::triggered, preview_, [this] { preview_->zoomIn(); });
    connect(tool(bar, QStringLiteral("Zoom &Out"), QKeySequence::ZoomOut, "actZoomOut"),
            &QAction::triggered, preview_, [this] { preview_->zoomOut(); });
    bar->addSeparator();
    connect(tool(bar, QStringLiteral("P&revious Page"), QKeySequence(Qt::Key_PageUp),
                 "actPreviousPage"),
            &QAction::triggered, preview_,
            [this] { preview_->setCurrentPage(preview_->currentPage() - 1); });
    connect(tool(bar, QStringLiteral("&Next Page"), QKeySequence(Qt::Key_PageDown), "actNextPage"),
            &QAction::triggered, preview_,
            [this] { preview_->setCurrentPage(preview_->currentPage() + 1); });

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* print =
        buttons->addButton(QStringLiteral("&Print..."), QDialogButtonBox::AcceptRole);
    print->setObjectName(QStringLiteral("cmdPreviewPrint"));
    print->setDefault(true);
    QPushButton* close = buttons->addButton(QDialogButtonBox::Close);
    close->setObjectName(QStringLiteral("cmdPreviewClose"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    layout->addWidget(bar);
    layout->addWidget(preview_, 1);
    layout->addWidget(buttons);
    print->setFocus();
}

} // namespace folio::ui
