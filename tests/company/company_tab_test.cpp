#include "company/company_tab.h"
#include "ui/qt_dialogs.h"
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTimer>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace folio;

namespace {

class OneTab : public ui::MainWindowPort {
  public:
    void setCaption(const QString&) override {}
    ui::Tab shownTab() const override { return ui::Tab::Company; }
    void showTabLater(ui::Tab) override {}
    void hideTabs() override {}
};

// Leaving the date box with a date that is not one is refused every time, with the real
// modal message box on screen.
TEST(CompanyTab, EveryInvalidDateIsRefused) {
    QWidget page;
    ui::QtDialogs dialogs;
    dialogs.setParent(&page);
    session::BooksSession session;
    OneTab port;
    auto* tab = new company::CompanyTab(ui::TabContext{session, dialogs, port}, &page);
    auto* other = new QLineEdit(&page);
    auto* layout = new QVBoxLayout(&page);
    layout->addWidget(tab);
    layout->addWidget(other);
    page.show();
    page.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
    QStringList shown;
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [&shown] {
        if (QWidget* box = QApplication::activeModalWidget()) {
            shown << box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))->text();
            box->close();
        }
    });
    closer.start(20);
    auto* date = page.findChild<QLineEdit*>(QStringLiteral("txtDateOfStatements"));
    for (const char* typed : {"13/45/2026", "2/30/2026", "soon", "12/31/2026"}) {
        page.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&page));
        date->setFocus();
        QTest::qWait(50);
        date->setText(QString::fromLatin1(typed));
        other->setFocus();
        QTest::qWait(100);
    }
    ASSERT_EQ(shown.size(), 3) << shown.join(" | ").toStdString();
    EXPECT_TRUE(shown[1].startsWith("2/30/2026 is not a valid date."));
    EXPECT_TRUE(shown[2].contains("MM/DD/YYYY"));
    EXPECT_EQ(session.company().date, "12/31/2026");
}

} // namespace
