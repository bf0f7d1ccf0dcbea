// Every action that writes the books, failed at each of its file operations in turn (the
// operation refused, or a write that writes half and then finds the disk full): the file
// is left as it was or as the completed action leaves it, the failure is reported, and
// no temporary file stays behind.
#include "books_actions.h"
#include "data/file_faults.h"
#include "data/file_system.h"
#include <QFile>
#include <cerrno>

namespace {

// The k-th write writes half of its bytes and returns; the next write finds the disk
// full, as a disk filling up mid-write does. Later writes (putting things back) succeed.
class ShortWriteDisk : public folio::FileSystem {
  public:
    explicit ShortWriteDisk(long k) : k_(k) { folio::setFileSystem(this); }
    ~ShortWriteDisk() override { folio::setFileSystem(nullptr); }
    ssize_t pwrite(int fd, const void* buffer, size_t size, off_t offset) override {
        ++writes;
        if (writes == k_ + 1) {
            errno = ENOSPC;
            return -1;
        }
        return FileSystem::pwrite(fd, buffer, writes == k_ ? (size + 1) / 2 : size, offset);
    }
    long writes = 0;

  private:
    long k_;
};

class FaultInjection : public ActionsFixture {
  protected:
    // `inject(k)` runs the action with the k-th step failing and tells whether it fired.
    void walk(const WritingAction& action, const std::function<bool(long)>& inject) {
        action.prepare();
        dialogs.reset();
        action.act();
        ASSERT_TRUE(reported().isEmpty())
            << action.name << ": " << reported().join("; ").toStdString();
        const QByteArray completed = fileBytes(action.target);
        ASSERT_FALSE(completed.isEmpty()) << action.name;
        for (long k = 1; k < 500; ++k) {
            action.prepare();
            dialogs.reset();
            const QByteArray before = fileBytes(action.target);
            const QByteArray untouched =
                action.untouched.isEmpty() ? QByteArray() : fileBytes(action.untouched);
            const bool fired = inject(k);
            const QByteArray after = fileBytes(action.target);
            EXPECT_TRUE(after == before || after == completed) << action.name << " k=" << k;
            EXPECT_EQ(action.untouched.isEmpty() ? QByteArray() : fileBytes(action.untouched),
                      untouched)
                << action.name << " k=" << k;
            EXPECT_EQ(temporaryFiles(), QStringList()) << action.name << " k=" << k;
            if (!fired) {
                EXPECT_EQ(after, completed) << action.name;
                EXPECT_TRUE(reported().isEmpty()) << action.name;
                EXPECT_GT(k, 1) << action.name << " wrote without a file operation";
                return;
            }
            EXPECT_TRUE(reported().join("\n").contains("Disk Full"))
                << action.name << " k=" << k << ": " << reported().join("; ").toStdString()
                << (after == completed ? " (completed)" : " (untouched)");
        }
        ADD_FAILURE() << action.name << " never completed";
    }
};

TEST_F(FaultInjection, EveryWritingActionLeavesTheBooksWholeAtEachFailure) {
    for (const WritingAction& action : writingActions()) {
        walk(action, [&](long k) {
            FileFaults::failAt(k, 61);
            action.act();
            const bool fired = FileFaults::operations() >= k;
            FileFaults::clear();
            return fired;
        });
        walk(action, [&](long k) {
            ShortWriteDisk disk(k);
            action.act();
            return disk.writes >= k;
        });
    }
}

} // namespace
