#pragma once
#include "ui/tab_page.h"

class QGroupBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace folio::company {

// The company information tab: name, date of statements, type of business and, for a
// merchandising business, the ending inventory amount.
class CompanyTab : public ui::TabPage {
    Q_OBJECT
  public:
    explicit CompanyTab(ui::TabContext context, QWidget* parent = nullptr);
    std::optional<ui::Tab> enter() override;

    void takeCompanyName();
    void checkStatementDate();
    void chooseMerchandising();
    void chooseService();
    void acceptCompany();
    void clearCompany();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Takes the type of business from the selected option; none selected keeps it.
    void takeBusinessType();
    // Asks for the ending inventory; an amount that cannot be read is refused and unset.
    void askEndingInventory();
    static void clearSelection(QRadioButton* option);

    QLineEdit* companyBox_ = nullptr;
    QLineEdit* statementDateBox_ = nullptr;
    QGroupBox* Frame2_ = nullptr;
    QRadioButton* merchandisingChoice_ = nullptr;
    QRadioButton* serviceChoice_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace folio::company
