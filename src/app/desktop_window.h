#pragma once
#include <QObject>
#include <QPointer>

class QLabel;
class QMenu;

namespace folio::ui {
class Dialogs;
}

namespace folio::app {

class MainWindow;

class HelpDialog;
class WelcomeWidget;

// What a desktop user expects of the main window beyond its tabs: File, Open Recent, the
// Help menu, the selected file's name in the status bar, a page that says what to do while
// no books are open, and the window's size and place kept between runs. The window owns
// it and lets it go before its own widgets.
class DesktopWindow : public QObject {
    Q_OBJECT
  public:
    DesktopWindow(MainWindow& window, ui::Dialogs& dialogs);

    // Opens books from the recent list; a file gone meanwhile is said so and dropped.
    void openRecent(const QString& path);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildRecentMenu();
    void buildExportMenu();
    void fillRecentMenu();
    void buildHelpMenu();
    void buildWelcome();
    void showState();
    HelpDialog& help();

    MainWindow& window_;
    ui::Dialogs& dialogs_;
    QMenu* recentMenu_ = nullptr;
    QMenu* exportMenu_ = nullptr;
    QLabel* fileLabel_ = nullptr;
    WelcomeWidget* welcome_ = nullptr;
    QPointer<HelpDialog> help_;
};

} // namespace folio::app
