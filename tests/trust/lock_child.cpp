#include "data/file_lock.h"
#include "data/file_rewrite.h"
#include "data/file_table.h"
#include "support/books_fixture.h"
#include <cstdio>
#include <gtest/gtest.h>
#include <iostream>
#include <string>
#include <unistd.h>

// The child side of the tests that need a second Folio. Each test does nothing unless the
// parent started this program with its orders.
namespace {

void say(const QString& line) {
    std::fputs(qPrintable(line + '\n'), stdout);
    std::fflush(stdout);
}

// Holds the lock of FOLIO_CHILD_BOOKS (as the user FOLIO_CHILD_USER, when given) until
// killed or until its input ends.
TEST(TrustChild, HoldLock) {
    if (qEnvironmentVariable("FOLIO_CHILD_BOOKS").isEmpty()) {
        GTEST_SKIP() << "runs only as a child";
    }
    if (const uid_t user = qEnvironmentVariable("FOLIO_CHILD_USER").toUInt(); user != 0) {
        ASSERT_EQ(::setgid(user), 0);
        ASSERT_EQ(::setuid(user), 0);
    }
    folio::FileLock lock;
    const bool taken =
        lock.claim(qEnvironmentVariable("FOLIO_CHILD_BOOKS")) == folio::FileLock::Claim::Taken;
    say(taken ? "taken" : "held elsewhere");
    std::string rest;
    std::getline(std::cin, rest);
}

// A Folio deleting in its own books of 40 accounts named FOLIO_CHILD_MARK-n, again and
// again, adding an account back each time; counts the times its books held any other.
TEST(TrustChild, DeleteLoop) {
    const QString books = qEnvironmentVariable("FOLIO_CHILD_BOOKS");
    if (books.isEmpty()) {
        GTEST_SKIP() << "runs only as a child";
    }
    const QString mark = qEnvironmentVariable("FOLIO_CHILD_MARK");
    folio::FileLock lock;
    ASSERT_EQ(lock.claim(books), folio::FileLock::Claim::Taken);
    FileTable::setDurable(false);
    int swaps = 0;
    for (int round = 0; round < 150; ++round) {
        folio::rewriteWithout(books, 40, 1 + round % 40);
        FileTable files;
        files.open(1, books);
        files.put(1, 40, account(mark + "-" + QString::number(round), "D1"));
        for (int i = 1; i <= 40; ++i) {
            if (!files.get(1, i).name.startsWith(mark)) {
                ++swaps;
                break;
            }
        }
    }
    say("swaps " + QString::number(swaps));
}

} // namespace
