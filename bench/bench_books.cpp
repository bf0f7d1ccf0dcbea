#include "bench_books.h"
#include "statements/company_info.h"
#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QTabWidget>

std::vector<AccountRecord> chartOf49() {
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
    for (int i = 0; i < 49; ++i) {
        const Kind& kind = kinds[i < 6 ? i : 6 + i % 3];
        AccountRecord record;
        record.name = QStringLiteral("%1 %2").arg(QLatin1String(kind.name)).arg(i + 1);
        record.type = QLatin1String(kind.type);
        record.current = Money::fromWhole(1000 + 37 * i);
        record.ytd = Money::fromWhole(12000 + 411 * i);
        records.push_back(record);
    }
    return records;
}

AccountTable tableOf(const std::vector<AccountRecord>& records) {
    return AccountTable{records};
}

void writeBooks(const QString& path, const std::vector<AccountRecord>& records) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        qFatal("cannot write %s", qPrintable(path));
    }
    for (const AccountRecord& r : records) {
        const RecordBytes bytes = r.encode();
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<qsizetype>(bytes.size()));
    }
}

BenchBooks::BenchBooks() {
    books = dir.filePath(QStringLiteral("books.dat"));
    dialogs.fileName = books;
    dialogs.pdfFile = dir.filePath(QStringLiteral("report.pdf"));
    window = std::make_unique<app::frmSelect>(dialogs);
    window->show();
    QApplication::processEvents();
    reset();
}

BenchBooks::~BenchBooks() = default;

void BenchBooks::reset() {
    writeBooks(books, chartOf49());
    window->mnuSelectFile_Click();
    window->company() = {QStringLiteral("Kestrow Supply Company"), QStringLiteral("12/31/2026"),
                         statements::Business::Service, std::nullopt};
    showTab(2);
}

void BenchBooks::showTab(int index) {
    window->tabControl()->setCurrentIndex(index);
}

void BenchBooks::enterStatements() {
    for (int tab : {3, 4, 5, 6}) {
        showTab(tab);
    }
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
