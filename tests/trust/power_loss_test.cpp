// The power cut at every moment of every action that writes the books: what the disk
// keeps is the old file or the new one, byte for byte, and once an action has reported
// success the new one.
#include "books_actions.h"
#include "power_loss_disk.h"
#include <QFileInfo>

namespace {

using PowerLoss = ActionsFixture;

TEST_F(PowerLoss, EveryCutLeavesTheOldOrTheNewBooks) {
    for (const WritingAction& action : writingActions()) {
        action.prepare();
        action.act();
        const QByteArray completed = fileBytes(action.target);
        action.prepare();
        const QByteArray before = fileBytes(action.target);
        const QByteArray untouched =
            action.untouched.isEmpty() ? QByteArray() : fileBytes(action.untouched);
        const QString name = QFileInfo(action.target).fileName();
        const QString other = QFileInfo(action.untouched).fileName();
        int cuts = 0;
        {
            PowerLossDisk disk(dir.path());
            disk.beforeCall = [&] {
                const QByteArray kept = disk.afterCut(name);
                ASSERT_TRUE(kept == before || kept == completed) << action.name << " cut " << cuts;
                if (!other.isEmpty()) {
                    ASSERT_EQ(disk.afterCut(other), untouched) << action.name << " cut " << cuts;
                }
                ++cuts;
            };
            action.act();
            EXPECT_EQ(disk.afterCut(name), completed) << action.name << " after it reported";
        }
        EXPECT_EQ(fileBytes(action.target), completed)
            << action.name << dialogs.messages().join(";").toStdString();
        EXPECT_GT(cuts, 2) << action.name;
    }
}

} // namespace
