#include "ui/form.h"
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
