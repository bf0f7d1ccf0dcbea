#include "ui/form.h"
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

QLineEdit* Form::box(const QString& objectName, QWidget* parent) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(objectName);
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
        *b.box = box(QString::fromLatin1(b.name), parent);
        (*b.box)->setReadOnly(true);
        (*b.box)->setAlignment(Qt::AlignRight);
        grid->addWidget(
            label(QString::fromLatin1(b.label), QString::fromLatin1(b.caption), *b.box, parent),
            b.row, b.column);
        grid->addWidget(*b.box, b.row, b.column + 1);
        grid->setColumnStretch(b.column + 1, 1);
    }
    return grid;
}
