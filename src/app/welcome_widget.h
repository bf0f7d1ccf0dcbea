#pragma once
#include <QStringList>
#include <QWidget>

class QLabel;
class QVBoxLayout;

namespace folio::app {

// What the window shows while no books are open: what to do next, a button to select or
// create books and the recent books, each one click away.
class WelcomeWidget : public QWidget {
    Q_OBJECT
  public:
    explicit WelcomeWidget(QWidget* parent = nullptr);

    // Says what to do after `lastBooks` (the books selected before, empty at start) and
    // lists the closed copies written beside them, then the recent books.
    void refresh(const QString& lastBooks, const QStringList& closedCopies,
                 const QStringList& recent);

  signals:
    void selectRequested();
    void recentChosen(const QString& path);

  private:
    void addBooksButton(const QString& path, const QString& text, const QString& name);

    QLabel* heading_ = nullptr;
    QLabel* advice_ = nullptr;
    QLabel* recentHeading_ = nullptr;
    QVBoxLayout* recentList_ = nullptr;
};

} // namespace folio::app
