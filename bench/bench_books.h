#pragma once
#include "app/main_window.h"
#include "data/account_record.h"
#include "scripted_dialogs.h"
#include "ui/tabs.h"
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

// The chart sizes every scaling benchmark runs at.
inline constexpr int kChartSizes[] = {50, 1000, 10000, 100000};
void chartSizes(benchmark::internal::Benchmark* b);

// A chart of a service business with every type of account, `accounts` long: the first
// six are one account of each balance sheet type, the rest revenue, returns and expenses.
std::vector<folio::AccountRecord> chartOf(int accounts);
void writeBooks(const QString& path, const std::vector<folio::AccountRecord>& records);

// The process's peak memory from now on: reset() starts it again from what is in use,
// aboveStart() gives the peak since then less what was in use then, in MiB.
class PeakMemory {
  public:
    void reset();
    double aboveStart() const;

  private:
    double startKiB_ = 0;
};

// The real main window over a chart in a temporary folder, with the company information
// filled in (a service business) and the file selected, the blank tab shown.
class BenchBooks {
  public:
    explicit BenchBooks(int accounts = 50);
    ~BenchBooks();

    // Writes the chart again and selects the file, as after a closing.
    void reset();
    // Closes the window and hands the memory it used back to the system, then selects the
    // same books in a new window, as the user's next session would: their journal exists.
    void startNewSession();
    void showTab(folio::ui::Tab tab);
    void setText(const char* objectName, const QString& text);
    void click(const char* objectName);
    // Marks the benchmark failed when a message was shown.
    void checkQuiet(benchmark::State& state) const;

    int accounts;
    QTemporaryDir dir;
    QString books;
    ScriptedDialogs dialogs;
    std::unique_ptr<folio::app::MainWindow> window;
};
