#pragma once
#include "app/frm_select.h"
#include "data/account_record.h"
#include "data/account_table.h"
#include "scripted_dialogs.h"
#include <QTemporaryDir>
#include <memory>
#include <vector>

using namespace folio;

// A chart of 49 accounts of a service business, with every type of account.
std::vector<AccountRecord> chartOf49();
AccountTable tableOf(const std::vector<AccountRecord>& records);
void writeBooks(const QString& path, const std::vector<AccountRecord>& records);

// The real main window over a copy of the 49-account chart in a temporary folder, with
// the company information filled in and the file selected.
class BenchBooks {
  public:
    BenchBooks();
    ~BenchBooks();

    // Writes the chart again and selects the file, as after a closing.
    void reset();
    void showTab(int index);
    // Enters the statements in order so that each has what it needs.
    void enterStatements();
    void setText(const char* objectName, const QString& text);
    void click(const char* objectName);

    QTemporaryDir dir;
    QString books;
    ScriptedDialogs dialogs;
    std::unique_ptr<app::frmSelect> window;
};
