#pragma once
#include "server_database.h"
#include <gtest/gtest.h>

// Each test keeps books of its own in a database of its own.
class ServerBooksTest : public ::testing::Test, public ServerDatabase {
  protected:
    void SetUp() override { makeBooks(QStringLiteral("books")); }
};
