#pragma once
#include "bank/bank_rules.h"
#include <QDialog>

class QTableWidget;

namespace folio::ui {
class Dialogs;
}

namespace folio::bank {

// File, Bank Rules...: the ordered rules of the import, one a row (the first that takes
// a line wins), added, removed, moved, and exported to or imported from a file.
class RulesDialog : public QDialog {
    Q_OBJECT
  public:
    enum Column { MatchKind, Text, Least, Most, Direction, Account, Memo, ColumnCount };

    // `books` names the books, whose files the rules are never exported over.
    RulesDialog(const RuleBook& rules, const QStringList& accounts, const QString& books,
                ui::Dialogs& dialogs, QWidget* parent = nullptr);

    // The rules as the rows hold them; empty (after a message naming the row) when a row
    // is not a rule.
    std::optional<RuleBook> readRows();
    RuleBook rules() const { return rules_; }
    QTableWidget* grid() const { return grid_; }

  private:
    void showRules(const RuleBook& rules);
    void addRow(const BankRule& rule);
    void moveRow(int by);
    void exportRules();
    void importRules();
    void done(int result) override;

    ui::Dialogs& dialogs_;
    QStringList accounts_;
    QString books_;
    RuleBook rules_;
    QTableWidget* grid_ = nullptr;
};

} // namespace folio::bank
