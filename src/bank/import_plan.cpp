#include "bank/import_plan.h"
#include "journal/entry_date.h"

namespace folio::bank {

namespace {

constexpr qint64 kCloseDays = 3;

void judge(PlannedLine& planned, const ImportHistory& history) {
    const StatementLine& line = planned.line;
    if (!line.bankId.isEmpty() && history.hasId(line.bankId)) {
        planned.sameness = Sameness::Duplicate;
        planned.why = QStringLiteral("transaction id %1 was imported before").arg(line.bankId);
        return;
    }
    const std::vector<ImportedLine>* same = history.ofAmount(line.amount);
    if (same == nullptr) {
        return;
    }
    const ImportedLine* close = nullptr;
    for (const ImportedLine& seen : *same) {
        if (line.bankId.isEmpty() && seen.date == line.date &&
            seen.description == line.description) {
            planned.sameness = Sameness::Duplicate;
            planned.why = QStringLiteral("the same date, amount and description were imported "
                                         "before");
            return;
        }
        if (std::abs(seen.date.daysTo(line.date)) <= kCloseDays && close == nullptr) {
            close = &seen;
        }
    }
    if (close != nullptr) {
        planned.sameness = Sameness::Possible;
        planned.why = QStringLiteral("the same amount was imported on %1 (%2)")
                          .arg(journal::shownDate(close->date), close->description);
    }
}

} // namespace

void ImportHistory::add(const ImportedLine& line) {
    if (!line.bankId.isEmpty()) {
        ids_.insert(line.bankId);
    }
    byAmount_[line.amount.raw()].push_back(line);
}

const std::vector<ImportedLine>* ImportHistory::ofAmount(Money amount) const {
    const auto found = byAmount_.constFind(amount.raw());
    return found == byAmount_.cend() ? nullptr : &*found;
}

std::size_t importedSince(const ImportPlan& plan, const ImportHistory& history) {
    std::size_t taken = 0;
    for (const PlannedLine& planned : plan.lines) {
        if (planned.included) {
            PlannedLine now{planned.line, {}, {}, {}, Sameness::New, {}, false};
            judge(now, history);
            taken += now.sameness == Sameness::Duplicate ? 1 : 0;
        }
    }
    return taken;
}

QString samenessName(Sameness sameness) {
    switch (sameness) {
    case Sameness::Duplicate:
        return QStringLiteral("duplicate");
    case Sameness::Possible:
        return QStringLiteral("possible duplicate");
    case Sameness::New:
        break;
    }
    return QStringLiteral("new");
}

void ImportPlan::pick(std::size_t line, const QString& account) {
    PlannedLine& planned = lines.at(line);
    planned.account = account;
    planned.included = accounts.contains(account) && account != bankAccount &&
                       planned.sameness != Sameness::Duplicate &&
                       !planned.line.amount.roundedToCents().isZero();
    if (planned.included) {
        planned.why = planned.sameness == Sameness::Possible ? planned.why : QString();
    }
}

std::size_t ImportPlan::includedCount() const {
    return static_cast<std::size_t>(std::count_if(
        lines.cbegin(), lines.cend(), [](const PlannedLine& each) { return each.included; }));
}

ImportPlan planImport(const Statement& statement, const QString& bankAccount, const RuleBook& rules,
                      const ImportHistory& history, const QStringList& accounts) {
    ImportPlan plan;
    plan.bankAccount = bankAccount;
    plan.accounts = accounts;
    const auto taken = rules.firstTaking(statement.lines);
    const QSet<QString> known(accounts.cbegin(), accounts.cend());
    plan.lines.reserve(statement.lines.size());
    for (std::size_t i = 0; i < statement.lines.size(); ++i) {
        PlannedLine planned;
        planned.line = statement.lines[i];
        planned.rule = taken[i];
        planned.memo = planned.line.description;
        judge(planned, history);
        if (planned.rule) {
            const BankRule& rule = rules.rules[*planned.rule];
            planned.account = rule.account;
            if (!rule.memo.isEmpty()) {
                planned.memo = rule.memo;
            }
        }
        if (planned.line.amount.roundedToCents().isZero()) {
            planned.why = QStringLiteral("the amount is 0.00");
        } else if (planned.sameness == Sameness::Duplicate) {
            // left out, with the reason judge() gave
        } else if (planned.account.isEmpty()) {
            planned.why = planned.sameness == Sameness::Possible
                              ? planned.why
                              : QStringLiteral("no rule matched: pick an account or leave it out");
        } else if (!known.contains(planned.account)) {
            planned.why = QStringLiteral("the account %1 is not in the books").arg(planned.account);
        } else if (planned.account == bankAccount) {
            planned.why = QStringLiteral("the other account is the bank account itself");
        } else {
            planned.included = planned.sameness == Sameness::New;
        }
        plan.lines.push_back(planned);
    }
    return plan;
}

} // namespace folio::bank
