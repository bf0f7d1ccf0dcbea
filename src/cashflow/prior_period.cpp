#include "cashflow/prior_period.h"
#include "data/file_error.h"
#include "journal/cash_flow_classes.h"
#include "journal/file_image.h"
#include "journal/journal_files.h"
#include "journal/journal_reads.h"
#include <QFile>
#include <QFileInfo>

namespace folio::cashflow {

namespace {

// When the prior books were first changed after the closing into `closedPath` (known `byName`
// alone for books on a server, each client keeping them at a path of its own).
std::optional<QDateTime> reopenedAfterClosing(journal::JournalStore& store,
                                              const QString& closedPath, bool byName) {
    bool closed = false;
    std::optional<QDateTime> reopened;
    const QString into = QStringLiteral(" into ") + closedPath;
    const auto closesInto = [&](const QString& memo) {
        if (!byName) {
            return memo.endsWith(into);
        }
        const qsizetype at = memo.lastIndexOf(QLatin1String(" into "));
        return at >= 0 &&
               QFileInfo(memo.mid(at + 6)).fileName() == QFileInfo(closedPath).fileName();
    };
    store.scanApplied([&](const journal::Entry& entry) {
        if (entry.kind == journal::EntryKind::Closing) {
            if (closesInto(entry.memo)) {
                closed = true;
                reopened.reset();
            }
        } else if (closed && !reopened && !entry.lines.empty()) {
            reopened = entry.made;
        }
        return true;
    });
    return reopened;
}

} // namespace

std::optional<PriorPeriod> priorPeriodOf(const journal::PeriodBeginning& beginning,
                                         const QString& booksPath,
                                         const statements::CompanyInfo& company,
                                         const BooksLocator& locate) {
    if (!beginning.closedCopy || beginning.closedFrom.isEmpty()) {
        return std::nullopt;
    }
    PriorPeriod prior;
    prior.path = beginning.closedFrom;
    prior.closedAt = beginning.closedFromAsText;
    prior.closedOn = beginning.made;
    const QString readable = locate ? locate(prior.path) : prior.path;
    QFile file(readable);
    if (readable.isEmpty() || !QFileInfo(readable).isFile() || !file.open(QIODevice::ReadOnly)) {
        throw FileError(53);
    }
    AccountTable table{journal::recordsOf(file.readAll())};
    statements::CompanyInfo priorCompany = company;
    journal::JournalStore store;
    const bool hasJournal = journal::openJournalToRead(store, journal::journalPathFor(readable));
    if (hasJournal) {
        const journal::CompanyValues kept = journal::companyValuesIn(store);
        priorCompany.date.clear();
        journal::fillIn(priorCompany, kept);
        prior.reopened = reopenedAfterClosing(store, booksPath, static_cast<bool>(locate));
    }
    // The ending inventory of the prior period is what its closing wrote into these books.
    priorCompany.endingInventory =
        statements::beginningCompany(AccountTable{beginning.records}, company).endingInventory;
    prior.statements = statements::computeStatements(std::move(table), priorCompany);
    const auto classes = hasJournal ? journal::cashFlowClassesIn(store) : std::nullopt;
    prior.cashFlows = cashFlowsOf(prior.statements, priorCompany, hasJournal ? &store : nullptr,
                                  classes.value_or(statements::CashFlowClasses{}));
    return prior;
}

QString priorSourceText(const PriorPeriod& prior) {
    const QString day = QStringLiteral("M/d/yyyy");
    QString text = QStringLiteral("Prior period: %1 as closed on %2")
                       .arg(QFileInfo(prior.path).fileName(),
                            prior.closedOn.isValid() ? prior.closedOn.toLocalTime().toString(day)
                                                     : prior.closedAt);
    if (prior.reopened) {
        text += QStringLiteral("; reopened and changed on %1, shown as it is now")
                    .arg(prior.reopened->toLocalTime().toString(day));
    }
    return text;
}

} // namespace folio::cashflow
