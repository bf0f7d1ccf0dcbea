#pragma once
#include "ui/tab_page.h"

class QLineEdit;
class QListWidget;
class QPushButton;

// The setup tab: the chart of accounts one record at a time, with the lists of standard
// names and account types beside the four boxes.
class SetupTab : public TabPage {
    Q_OBJECT
  public:
    explicit SetupTab(TabContext context, QWidget* parent = nullptr);

    void enter() override;

    void ShowCurrentRecord();
    void SaveCurrentRecord();

    void cmdNew_Click();
    void cmdNext_Click();
    void cmdPrevious_Click();
    void cmdSearch_Click();
    void cmdDelete_Click();
    void cmdClose_Click();
    void txtCurrentBalance_LostFocus();
    void lstAcctType_Click();
    void lstAcctName_Click();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void fillLists();

    QLineEdit* txtAcctName_;
    QLineEdit* txtAcctType_;
    QLineEdit* txtCurrentBalance_;
    QLineEdit* txtYtdBalance_;
    QListWidget* lstAcctName_;
    QListWidget* lstAcctType_;
    QPushButton* cmdNew_;
    QPushButton* cmdNext_;
    QPushButton* cmdPrevious_;
    QPushButton* cmdSearch_;
    QPushButton* cmdDelete_;
    QPushButton* cmdClose_;
};
