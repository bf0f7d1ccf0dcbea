#pragma once
#include "bank/bank_rules.h"
#include "bank/statement.h"
#include <QHash>
#include <QSet>
#include <QStringList>
#include <vector>

namespace folio::bank {

// A line imported into a bank account before, as the duplicate check sees it.
struct ImportedLine {
    QDate date;
    QString description;
    Money amount;
    QString bankId;
};

// Every line imported into one bank account and still in the books (an import taken
// back with Undo no longer counts).
class ImportHistory {
  public:
    void add(const ImportedLine& line);
    bool hasId(const QString& id) const { return ids_.contains(id); }
    // The imported lines of this amount.
    const std::vector<ImportedLine>* ofAmount(Money amount) const;

  private:
    QSet<QString> ids_;
    QHash<qint64, std::vector<ImportedLine>> byAmount_;
};

// Whether a statement line was imported before.
enum class Sameness { New, Duplicate, Possible };

// One line of the preview: the statement line, the rule that took it, where it goes and
// whether it is imported.
struct PlannedLine {
    StatementLine line;
    std::optional<std::size_t> rule; // the rule that matched (0 the first)
    QString account;                 // the other account, empty until one is picked
    QString memo;                    // the entry line's memo: the rule's, or the description
    Sameness sameness = Sameness::New;
    QString why; // why it is a duplicate, or why it cannot be imported
    bool included = false;
};

// The preview of an import into one bank account.
struct ImportPlan {
    QString bankAccount;
    QStringList accounts; // the accounts of the books a line may go to
    std::vector<PlannedLine> lines;

    // Picks the other account of a line (a line no rule took); empty leaves it out.
    void pick(std::size_t line, const QString& account);
    std::size_t includedCount() const;
};

// Plans the import: each line's first rule and account, and whether it is a duplicate
// (its FITID seen before; without one, the same date, amount and description; the same
// amount within three days is a possible duplicate, left for the user). A duplicate, a
// line no rule took, a rule naming an account not in `accounts` and an amount of no
// cents are left out, each with its reason.
ImportPlan planImport(const Statement& statement, const QString& bankAccount, const RuleBook& rules,
                      const ImportHistory& history, const QStringList& accounts);

// How many lines the plan includes that `history`, read again just before they are written,
// shows as imported already: another import took them since the plan was made.
std::size_t importedSince(const ImportPlan& plan, const ImportHistory& history);

QString samenessName(Sameness sameness); // "new", "duplicate", "possible duplicate"

} // namespace folio::bank
