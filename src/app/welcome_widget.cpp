#include "app/welcome_widget.h"
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace folio::app {

WelcomeWidget::WelcomeWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Welcome"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    heading_ = new QLabel(this);
    heading_->setObjectName(QStringLiteral("lblWelcome"));
    QFont big = heading_->font();
    big.setPointSizeF(big.pointSizeF() * 1.5);
    big.setBold(true);
    heading_->setFont(big);
    advice_ = new QLabel(this);
    advice_->setObjectName(QStringLiteral("lblWelcomeAdvice"));
    advice_->setWordWrap(true);
    advice_->setMaximumWidth(720); // lines short enough to read
    advice_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto* select = new QPushButton(QStringLiteral("&Select or Create Books..."), this);
    select->setObjectName(QStringLiteral("cmdWelcomeSelect"));
    select->setAccessibleName(QStringLiteral("Select or create books"));
    connect(select, &QPushButton::clicked, this, &WelcomeWidget::selectRequested);
    recentHeading_ = new QLabel(this);
    recentHeading_->setObjectName(QStringLiteral("lblRecentBooks"));
    recentList_ = new QVBoxLayout();
    recentList_->setSpacing(2);

    layout->addWidget(heading_);
    layout->addWidget(advice_);
    layout->addSpacing(12);
    layout->addWidget(select, 0, Qt::AlignLeft);
    layout->addSpacing(18);
    layout->addWidget(recentHeading_);
    layout->addLayout(recentList_);
    layout->addStretch(1);
}

void WelcomeWidget::refresh(const QString& lastBooks, const QStringList& closedCopies,
                            const QStringList& recent) {
    if (lastBooks.isEmpty()) {
        heading_->setText(QStringLiteral("No books are open"));
        advice_->setText(QStringLiteral(
            "Select your accounts file with File, Select File (Ctrl+O), or open one of the "
            "recent books below. To start new books, type the name of a file that does not "
            "exist yet: Folio offers an empty chart, a service corporation's chart or a "
            "merchandising corporation's chart. Help, User Guide (F1) explains each step."));
    } else {
        heading_->setText(QStringLiteral("The books are closed"));
        advice_->setText(
            QStringLiteral("%1 was closed. To go on with the next period, open the closed "
                           "copy written beside it; to go on with the same books, select "
                           "them again.")
                .arg(QDir::toNativeSeparators(lastBooks)));
    }
    // The old buttons go later: this may run inside the click of one of them.
    while (QLayoutItem* item = recentList_->takeAt(0)) {
        if (QWidget* old = item->widget()) {
            old->hide();
            old->deleteLater();
        }
        delete item;
    }
    int n = 0;
    for (const QString& path : closedCopies) {
        ++n;
        addBooksButton(path,
                       QStringLiteral("&%1  Open the closed copy %2")
                           .arg(n)
                           .arg(QDir::toNativeSeparators(path)),
                       QStringLiteral("cmdClosedCopy%1").arg(n));
    }
    recentHeading_->setText(recent.isEmpty() ? QStringLiteral("No recent books yet.")
                                             : QStringLiteral("Recent books:"));
    for (int i = 0; i < recent.size(); ++i) {
        const QFileInfo info(recent[i]);
        ++n;
        addBooksButton(recent[i],
                       QStringLiteral("&%1  %2    (%3)")
                           .arg(n)
                           .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath())),
                       QStringLiteral("cmdRecent%1").arg(i + 1));
    }
}

void WelcomeWidget::addBooksButton(const QString& path, const QString& text, const QString& name) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAccessibleName(QStringLiteral("Open %1").arg(path));
    button->setToolTip(path);
    button->setFlat(true);
    connect(button, &QPushButton::clicked, this, [this, path] { emit recentChosen(path); });
    recentList_->addWidget(button, 0, Qt::AlignLeft);
}

} // namespace folio::app
