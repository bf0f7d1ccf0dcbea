#include "support/widget_checks.h"
#include <QAbstractButton>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

void expectNamedWithUniqueMnemonics(const QList<QWidget*>& widgets, const QList<QAction*>& actions,
                                    const QString& where) {
    QStringList keys;
    const auto keep = [&keys](const QString& caption) {
        const qsizetype at = caption.indexOf(u'&');
        if (at >= 0 && at + 1 < caption.size()) {
            keys << caption.mid(at + 1, 1).toLower();
        }
    };
    for (QWidget* each : widgets) {
        const bool part = qobject_cast<QAbstractItemView*>(each->parentWidget()) != nullptr;
        const bool control = qobject_cast<QLineEdit*>(each) || qobject_cast<QComboBox*>(each) ||
                             qobject_cast<QAbstractButton*>(each) ||
                             qobject_cast<QAbstractItemView*>(each);
        // A button's text is what screen readers say of it.
        const auto* button = qobject_cast<QAbstractButton*>(each);
        const bool named =
            !each->accessibleName().isEmpty() || (button && !button->text().isEmpty());
        EXPECT_TRUE(part || !control || named)
            << each->metaObject()->className() << " " << each->objectName().toStdString() << " in "
            << where.toStdString();
        const QString caption = each->property("text").toString();
        if (const auto* label = qobject_cast<QLabel*>(each); label && caption.contains(u'&')) {
            EXPECT_TRUE(label->buddy()) << caption.toStdString() << " in " << where.toStdString();
        }
        keep(caption);
    }
    for (const QAction* action : actions) {
        keep(action->text());
    }
    EXPECT_EQ(keys.removeDuplicates(), 0)
        << where.toStdString() << ": " << keys.join(' ').toStdString();
}
