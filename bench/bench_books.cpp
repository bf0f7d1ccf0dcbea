#include "bench_books.h"
#include "statements/company_info.h"
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>
#include <malloc.h>

using namespace folio;

void chartSizes(benchmark::internal::Benchmark* b) {
    for (int size : kChartSizes) {
        b->Arg(size);
    }
    b->ArgName("accounts");
}

std::vector<AccountRecord> chartOf(int accounts) {
    struct Kind {
        const char* type;
        const char* name;
    };
    const Kind kinds[] = {{"D1", "Cash"},
                          {"D1", "Accounts Receivable"},
                          {"C1", "Accum. Depreciation"},
                          {"C2", "Accounts Payable"},
                          {"C3C", "Capital Stock"},
                          {"C3", "Retained Earnings"},
                          {"C4", "Fees Earned"},
                          {"D4", "Allowances"},
                          {"D6", "Expense"}};
    std::vector<AccountRecord> records;
    records.reserve(static_cast<std::size_t>(accounts));
    for (int i = 0; i < accounts; ++i) {
        const Kind& kind = kinds[i < 6 ? i : 6 + i % 3];
        records.push_back({QStringLiteral("%1 %2").arg(QLatin1String(kind.name)).arg(i + 1),
                           QLatin1String(kind.type), Money::fromWhole(1000 + (37 * i) % 9000),
                           Money::fromWhole(12000 + (411 * i) % 90000)});
    }
    return records;
}

void writeBooks(const QString& path, const std::vector<AccountRecord>& records) {
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(records.size() * RecordLayout::kRecordSize));
    for (const AccountRecord& r : records) {
        const RecordBytes encoded = r.encode();
        bytes.append(reinterpret_cast<const char*>(encoded.data()),
                     static_cast<qsizetype>(encoded.size()));
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes) != bytes.size()) {
        qFatal("cannot write %s", qPrintable(path));
    }
}

namespace {

// A figure of /proc/self/status in KiB ("VmRSS:", "VmHWM:").
double statusKiB(const char* field) {
    QFile status(QStringLiteral("/proc/self/status"));
    status.open(QIODevice::ReadOnly);
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field)) {
            return line.mid(static_cast<qsizetype>(qstrlen(field)))
                .trimmed()
                .split(' ')[0]
                .toDouble();
        }
    }
    return 0;
}

} // namespace

void PeakMemory::reset() {
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    clear.open(QIODevice::WriteOnly);
    clear.write("5"); // the peak starts again from what is in use now
    clear.close();
    startKiB_ = statusKiB("VmRSS:");
}

double PeakMemory::aboveStart() const {
    return (statusKiB("VmHWM:") - startKiB_) / 1024;
}

BenchBooks::BenchBooks(int accountCount) : accounts(accountCount) {
    books = dir.filePath(QStringLiteral("books.dat"));
    dialogs.fileName = books;
    dialogs.pdfFile = dir.filePath(QStringLiteral("report.pdf"));
    window = std::make_unique<app::MainWindow>(dialogs);
    window->show();
    QApplication::processEvents();
    window->company() = {QStringLiteral("Kestrow Supply Company"), QStringLiteral("12/31/2026"),
                         statements::Business::Service, std::nullopt};
    reset();
}

BenchBooks::~BenchBooks() = default;

void BenchBooks::reset() {
    writeBooks(books, chartOf(accounts));
    window->chooseBooksFile();
    showTab(ui::Tab::Blank);
}

void BenchBooks::startNewSession() {
    window.reset();
    malloc_trim(0);
    window = std::make_unique<app::MainWindow>(dialogs);
    window->show();
    QApplication::processEvents();
    window->chooseBooksFile();
    window->company() = {QStringLiteral("Kestrow Supply Company"), QStringLiteral("12/31/2026"),
                         statements::Business::Service, std::nullopt};
    showTab(ui::Tab::Blank);
}

void BenchBooks::showTab(ui::Tab tab) {
    window->showTab(tab);
}

void BenchBooks::setText(const char* objectName, const QString& text) {
    if (auto* box = window->findChild<QLineEdit*>(QLatin1String(objectName))) {
        box->setText(text);
    }
}

void BenchBooks::click(const char* objectName) {
    if (auto* button = window->findChild<QAbstractButton*>(QLatin1String(objectName))) {
        button->click();
    }
}

void BenchBooks::checkQuiet(benchmark::State& state) const {
    if (dialogs.messages != 0) {
        state.SkipWithError(qPrintable(dialogs.lastMessage));
    }
}
