#include "app/books_lock.h"
#include <QCoreApplication>
#include <cstdio>
#include <gtest/gtest.h>
#include <iostream>
#include <string>

// The child side of the one-Folio-per-file tests. Each test does nothing unless the parent
// started this program with its orders.
namespace {

QString order(const char* name) {
    return qEnvironmentVariable(name);
}

void say(const char* line) {
    std::fputs(line, stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

// Holds the lock of FOLIO_CHILD_BOOKS until killed or until its input ends.
TEST(TrustChild, HoldLock) {
    if (order("FOLIO_CHILD_BOOKS").isEmpty()) {
        GTEST_SKIP() << "runs only as a child";
    }
    if (!order("FOLIO_CHILD_APPNAME").isEmpty()) {
        QCoreApplication::setApplicationName(order("FOLIO_CHILD_APPNAME"));
    }
    BooksLock lock;
    const bool taken = lock.claim(order("FOLIO_CHILD_BOOKS")) == BooksLock::Claim::Taken;
    say(taken ? "taken" : "held elsewhere");
    std::string rest;
    std::getline(std::cin, rest);
}

} // namespace
