#include "cashflow/earlier_periods.h"
#include "journal/journal_files.h"
#include "journal/journal_reads.h"
#include <QDir>
#include <QFileInfo>
#include <algorithm>

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

// Where the books a closing recorded are read now: nothing when they cannot be found.
std::optional<QString> located(const QString& recorded, const BooksLocator& locate) {
    if (!locate) {
        return recorded;
    }
    try {
        return locate(recorded);
    } catch (const std::exception&) {
        return std::nullopt; // a set of books no longer on the server
    }
}

// Whether two paths a closing recorded name the same books: on a server, books are told
// apart by their names alone, each client keeping them at a path of its own.
bool sameBooks(const QString& a, const QString& b, bool byName) {
    const QFileInfo left(a);
    const QFileInfo right(b);
    if (byName) {
        return left.fileName() == right.fileName();
    }
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

QStringList earlierPeriods(journal::JournalStore* store, const BooksLocator& locate, int most) {
    QStringList periods;
    auto beginning =
        store != nullptr && store->isOpen() ? journal::periodBeginningIn(*store) : std::nullopt;
    const auto seen = [&](const QString& path) {
        return std::any_of(periods.cbegin(), periods.cend(), [&](const QString& each) {
            return sameBooks(each, path, static_cast<bool>(locate));
        });
    };
    while (beginning && beginning->closedCopy && !beginning->closedFrom.isEmpty() &&
           periods.size() < most && !seen(beginning->closedFrom)) {
        periods << beginning->closedFrom;
        const auto readable = located(beginning->closedFrom, locate);
        beginning = readable ? beginningOf(*readable) : std::nullopt;
    }
    return periods;
}

ChosenPrior chosenPriorPeriod(const QString& path, const statements::CompanyInfo& company,
                              const BooksLocator& locate) {
    ChosenPrior chosen;
    const QString name = locate ? QFileInfo(path).fileName() : QDir::toNativeSeparators(path);
    const QString readable = located(path, locate).value_or(QString());
    if (!QFileInfo(journal::journalPathFor(readable)).isFile()) {
        chosen.refusal = QStringLiteral("%1 has no journal beside it, so Folio cannot tell where "
                                        "its period ended.")
                             .arg(name);
        return chosen;
    }
    const std::optional<QString> into = lastClosedInto(readable);
    if (!into) {
        chosen.refusal =
            QStringLiteral("%1 was never closed, so it has no period to compare with.").arg(name);
        return chosen;
    }
    const auto intoReadable = located(*into, locate);
    const auto beginning = intoReadable ? beginningOf(*intoReadable) : std::nullopt;
    if (!beginning || !beginning->closedCopy ||
        !sameBooks(beginning->closedFrom, path, static_cast<bool>(locate))) {
        chosen.refusal =
            QStringLiteral("%1 was closed into %2, which cannot be found, so the "
                           "end of its period is not known.")
                .arg(name, locate ? QFileInfo(*into).fileName() : QDir::toNativeSeparators(*into));
        return chosen;
    }
    chosen.prior = priorPeriodOf(*beginning, *into, company, locate);
    return chosen;
}

} // namespace folio::cashflow
