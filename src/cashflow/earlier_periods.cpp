#include "cashflow/earlier_periods.h"
#include "journal/journal_files.h"
#include "journal/journal_reads.h"
#include <QDir>
#include <QFileInfo>

namespace folio::cashflow {

namespace {

// The beginning of the books at `path` as their journal tells it; nothing without one.
std::optional<journal::PeriodBeginning> beginningOf(const QString& path) {
    journal::JournalStore store;
    if (!journal::openJournalToRead(store, journal::journalPathFor(path))) {
        return std::nullopt;
    }
    return journal::periodBeginningIn(store);
}

// The copy the books at `path` were last closed into; nothing when never closed.
std::optional<QString> lastClosedInto(const QString& path) {
    journal::JournalStore store;
    std::optional<QString> into;
    if (!journal::openJournalToRead(store, journal::journalPathFor(path))) {
        return into;
    }
    store.scanApplied([&into](const journal::Entry& entry) {
        if (entry.kind == journal::EntryKind::Closing) {
            if (auto copy = closedIntoOf(entry.memo)) {
                into = std::move(copy);
            }
        }
        return true;
    });
    return into;
}

bool sameFile(const QString& a, const QString& b) {
    const QFileInfo left(a);
    const QFileInfo right(b);
    return left.absoluteFilePath() == right.absoluteFilePath() ||
           (left.exists() && left.canonicalFilePath() == right.canonicalFilePath());
}

} // namespace

std::optional<QString> closedIntoOf(const QString& memo) {
    const qsizetype at = memo.indexOf(QLatin1String(" closing into "));
    if (at < 0) {
        return std::nullopt;
    }
    return memo.mid(at + 14);
}

QStringList earlierPeriods(journal::JournalStore* store, int most) {
    QStringList periods;
    auto beginning =
        store != nullptr && store->isOpen() ? journal::periodBeginningIn(*store) : std::nullopt;
    while (beginning && beginning->closedCopy && !beginning->closedFrom.isEmpty() &&
           periods.size() < most && !periods.contains(beginning->closedFrom)) {
        periods << beginning->closedFrom;
        beginning = beginningOf(beginning->closedFrom);
    }
    return periods;
}

ChosenPrior chosenPriorPeriod(const QString& path, const statements::CompanyInfo& company) {
    ChosenPrior chosen;
    const QString name = QDir::toNativeSeparators(path);
    if (!QFileInfo(journal::journalPathFor(path)).isFile()) {
        chosen.refusal = QStringLiteral("%1 has no journal beside it, so Folio cannot tell where "
                                        "its period ended.")
                             .arg(name);
        return chosen;
    }
    const std::optional<QString> into = lastClosedInto(path);
    if (!into) {
        chosen.refusal =
            QStringLiteral("%1 was never closed, so it has no period to compare with.").arg(name);
        return chosen;
    }
    const auto beginning = beginningOf(*into);
    if (!beginning || !beginning->closedCopy || !sameFile(beginning->closedFrom, path)) {
        chosen.refusal = QStringLiteral("%1 was closed into %2, which cannot be found, so the "
                                        "end of its period is not known.")
                             .arg(name, QDir::toNativeSeparators(*into));
        return chosen;
    }
    chosen.prior = priorPeriodOf(*beginning, *into, company);
    return chosen;
}

} // namespace folio::cashflow
