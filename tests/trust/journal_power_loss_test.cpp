// The power cut at every moment of every action that writes the books, with the journal on
// the same disk: what the disk keeps of the file written is the old file or the new one,
// byte for byte, and once the action has reported success the new one; and the books and
// their journal a cut leaves always open together, the journal neither missing a change the
// books hold nor claiming one they never will, so a cut never makes Folio say the books
// were changed outside it.
#include "books_actions.h"
#include "data/file_table.h"
#include "journal/books_journal.h"
#include "journal/journal_files.h"
#include "power_loss_disk.h"
#include "power_loss_vfs.h"
#include <QDir>
#include <QFileInfo>
#include <map>
#include <vector>

using namespace folio::journal;

namespace {

using JournalPowerLoss = ActionsFixture;

// Opens books and their journal as a cut left them; the problem in words, or empty.
QString openingProblem(const QString& books, QByteArray& opened) {
    FileTable files;
    BooksJournal journal;
    try {
        files.open(1, books);
        const BooksJournal::Opened found = journal.open({files, 1, books});
        journal.close();
        files.closeAll();
        QFile file(books);
        file.open(QIODevice::ReadOnly);
        opened = file.readAll();
        return found.changedOutside ? QStringLiteral("the journal says the books were changed "
                                                     "outside Folio")
                                    : QString();
    } catch (const JournalUnusable& unusable) {
        return unusable.why();
    } catch (const folio::FileError& error) {
        return QStringLiteral("file error %1").arg(error.number());
    }
}

TEST_F(JournalPowerLoss, EveryCutLeavesBooksAndJournalThatAgree) {
    PowerLossVfs& journals = PowerLossVfs::instance(); // before any journal is opened
    for (const WritingAction& action : writingActions()) {
        action.prepare();
        action.act();
        const QByteArray completed = fileBytes(action.target);
        action.prepare();
        const QByteArray before = fileBytes(action.target);
        const QByteArray untouched =
            action.untouched.isEmpty() ? QByteArray() : fileBytes(action.untouched);
        // The file whose journal records the action: the books for a closing too.
        const QString books = action.untouched.isEmpty() ? action.target : action.untouched;
        const QString name = QFileInfo(books).fileName();
        const QString target = QFileInfo(action.target).fileName();
        // What each cut leaves, by name; opened afterwards at the same place, since a
        // journal keeps the path of its books.
        std::vector<std::map<QString, QByteArray>> cuts;
        {
            PowerLossDisk disk(dir.path());
            journals.watch(dir.path());
            const auto keep = [&] {
                std::map<QString, QByteArray> left = journals.afterCut();
                for (const QString& each : {name, target}) {
                    left[each] = disk.afterCut(each);
                }
                EXPECT_TRUE(left[target] == before || left[target] == completed)
                    << action.name << " cut " << cuts.size();
                if (!action.untouched.isEmpty()) {
                    EXPECT_EQ(left[name], untouched) << action.name << " cut " << cuts.size();
                }
                cuts.push_back(left);
            };
            disk.beforeCall = keep;
            journals.beforeCall = keep;
            action.act();
            keep(); // once the action has reported
            journals.stop();
            EXPECT_EQ(cuts.back()[target], completed) << action.name << " after it reported";
        }
        EXPECT_EQ(fileBytes(action.target), completed)
            << action.name << dialogs.messages().join(";").toStdString();
        selectFile(path("elsewhere.dat")); // gives up the books and their journal
        EXPECT_GT(cuts.size(), 4u) << action.name;
        for (std::size_t cut = 0; cut < cuts.size(); ++cut) {
            for (const QString& each : QDir(dir.path()).entryList(QDir::Files)) {
                if (each != QLatin1String("elsewhere.dat")) {
                    QFile::remove(path(each));
                }
            }
            for (const auto& [each, bytes] : cuts[cut]) {
                if (!bytes.isEmpty() || each == name) {
                    writeBytes(path(each), bytes);
                }
            }
            QByteArray opened;
            EXPECT_EQ(openingProblem(path(name), opened), QString())
                << action.name << " cut " << cut;
            if (books == action.target) { // once reported, only the completed books
                EXPECT_TRUE(opened == completed || (opened == before && cut + 1 < cuts.size()))
                    << action.name << " cut " << cut;
            }
        }
    }
}

} // namespace
