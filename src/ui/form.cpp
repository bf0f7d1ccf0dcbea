#include "ui/form.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QTableWidgetItem>

namespace folio::ui {

QLineEdit* Form::box(const QString& objectName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
    return edit;
}

QTableWidgetItem* Form::cell(const QString& text, bool amount) {
    auto* item = new QTableWidgetItem(text);
    if (amount) {
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    return item;
}

QLineEdit* Form::figureBox(const QString& objectName, QWidget* parent) {
    QLineEdit* edit = box(objectName, parent);
    edit->setReadOnly(true);
    edit->setAlignment(Qt::AlignRight);
    // A figure is read, not typed: it looks like the page behind it and the Tab key
    // passes it by; a click still selects its text for copying.
    edit->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    edit->setPalette(palette);
    return edit;
}

QLabel* Form::label(const QString& objectName, const QString& caption, QWidget* buddy,
                    QWidget* parent) {
    auto* text = new QLabel(caption, parent);
    text->setObjectName(objectName);
    text->setBuddy(buddy);
    QString plain = caption;
    plain.remove(QLatin1Char('&'));
    if (buddy->accessibleName().isEmpty()) {
        buddy->setAccessibleName(plain);
    }
    return text;
}

void Form::addLabelled(QGridLayout* grid, int row, int column, const QString& labelName,
                       const QString& caption, QWidget* box, QWidget* parent) {
    grid->addWidget(label(labelName, caption, box, parent), row, column);
    grid->addWidget(box, row, column + 1);
}

QGridLayout* Form::figureGrid(std::initializer_list<FigureBox> boxes, QWidget* parent) {
    auto* grid = new QGridLayout();
    for (const FigureBox& b : boxes) {
        *b.box = figureBox(QString::fromLatin1(b.name), parent);
        grid->addWidget(
            label(QString::fromLatin1(b.label), QString::fromLatin1(b.caption), *b.box, parent),
            b.row, b.column);
        grid->addWidget(*b.box, b.row, b.column + 1);
        grid->setColumnStretch(b.column + 1, 1);
    }
    return grid;
}

} // namespace folio::ui
