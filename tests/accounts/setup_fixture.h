#pragma once
#include "accounts/setup_tab.h"
#include "support/books_fixture.h"
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTest>

// The main window with a file selected and the setup tab shown.
class SetupFixture : public BooksFixture {
  protected:
    QString enterSetup(const std::vector<AccountRecord>& records) {
        const QString file = openBooks(records);
        showTab(0);
        return file;
    }
    void reenter() {
        showTab(2);
        showTab(0);
    }
    int current() { return window->books().CurrentRecord; }
    int count() { return window->books().RecordCount; }
    QString caption() const { return window->windowTitle(); }
    void goTo(int record) {
        for (int step = 0; current() < record; ++step) {
            ASSERT_LT(step, 100) << "cannot reach record " << record;
            click(QStringLiteral("cmdNext"));
        }
    }
    // Types into a box the way a user does: focus, replace the text, key by key.
    void typeInto(const QString& box, const QString& typed) {
        auto* edit = find<QLineEdit>(box);
        edit->setFocus(Qt::MouseFocusReason);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, typed);
    }
    // Clicks the entry of a list that has the given text.
    void choose(const QString& list, const QString& entry) {
        auto* widget = find<QListWidget>(list);
        const auto items = widget->findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(items.size(), 1) << entry.toStdString();
        widget->scrollToItem(items[0]);
        QTest::mouseClick(widget->viewport(), Qt::LeftButton, {},
                          widget->visualItemRect(items[0]).center());
    }
    // Waits for events until the condition holds (a button pressed by its mnemonic
    // clicks a moment later); gives the condition's last value.
    template <typename Condition> bool settle(Condition condition) {
        for (int i = 0; i < 200 && !condition(); ++i) {
            QTest::qWait(10);
        }
        return condition();
    }
    bool focused(const QString& name) const {
        return QApplication::focusWidget() && QApplication::focusWidget()->objectName() == name;
    }
};
