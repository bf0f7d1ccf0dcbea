#pragma once
#include "reports/comparative.h"
#include "reports/report_kind.h"
#include "ui/tab_context.h"
#include <QWidget>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QTableWidget;

namespace folio::reports {
class ReportPrinter;
}

namespace folio::cashflow {

// The switch that shows the statement on the shown tab beside the prior period, and the
// comparative grid itself: each line now and then, the change and the change in percent.
// The books to compare with are the period just before unless another closed copy is
// chosen; printouts and exports follow the same choice.
class ComparativePanel : public QWidget {
    Q_OBJECT
  public:
    ComparativePanel(ui::TabContext context, reports::ReportPrinter& printer,
                     QWidget* parent = nullptr);

    // The statement of the shown tab, or none (the panel then hides).
    void showFor(std::optional<reports::Report> report);
    void setComparing(bool on);
    // Shows the comparison again from the books as they are now.
    void refresh();
    // Compares with these books in place of the period just before (empty: that period).
    void choosePriorBooks(const QString& path);

  signals:
    void comparingChanged(bool on);

  private:
    void fillChoices();
    void chosenAt(int index);
    std::optional<QString> chooseServerBooks();
    void showRows(const reports::Comparative& c);

    ui::TabContext ctx_;
    reports::ReportPrinter& printer_;
    std::optional<reports::Report> report_;
    QCheckBox* compareCheck_ = nullptr;
    QLabel* priorBooksLabel_ = nullptr;
    QComboBox* priorBooksChoice_ = nullptr;
    QLabel* priorSourceLabel_ = nullptr;
    QTableWidget* comparisonGrid_ = nullptr;
    QString choicesFor_; // the books whose earlier periods the list holds
};

} // namespace folio::cashflow
