#include "ui/quiet_pages.h"
#include <QTabWidget>

namespace folio::ui {

void keepHiddenPagesQuiet(QTabWidget& tabs) {
    for (int i = 0; i < tabs.count(); ++i) {
        tabs.widget(i)->setUpdatesEnabled(i == tabs.currentIndex());
    }
    QObject::connect(&tabs, &QTabWidget::currentChanged, &tabs, [&tabs](int shown) {
        for (int i = 0; i < tabs.count(); ++i) {
            QWidget* page = tabs.widget(i);
            if (page->updatesEnabled() != (i == shown)) {
                page->setUpdatesEnabled(i == shown);
            }
        }
    });
}

} // namespace folio::ui
