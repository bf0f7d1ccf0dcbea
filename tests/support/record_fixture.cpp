#include "support/record_fixture.h"
#include "data/text_rules.h"
#include <QFile>
#include <QProcess>
#include <algorithm>

AccountRecord account(const QString& name, const QString& type, const char* current,
                      const char* ytd) {
    return {name, type, money(current), money(ytd)};
}

Money money(const char* text) {
    const auto amount = parseAmount(QString::fromLatin1(text));
    EXPECT_TRUE(amount.has_value()) << text;
    return amount.value_or(Money());
}

AccountTable tableOf(std::vector<AccountRecord> records) {
    return AccountTable{std::move(records)};
}

std::vector<AccountRecord> readChart(const QString& path) {
    std::vector<AccountRecord> records;
    const QString text = QString::fromUtf8(fileBytes(path));
    EXPECT_FALSE(text.isEmpty()) << path.toStdString();
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        const QStringList f = line.split(u'\t');
        if (line == "(blank)") {
            records.push_back(AccountRecord::blank());
        } else if (!line.startsWith(u'#') && f.size() == 4) {
            records.push_back(account(f[0], f[1], qPrintable(f[2]), qPrintable(f[3])));
        }
    }
    return records;
}

std::vector<QStringList> readCases(const QString& path) {
    std::vector<QStringList> cases;
    const QString text = QString::fromUtf8(fileBytes(path));
    EXPECT_FALSE(text.isEmpty()) << path.toStdString();
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts)) {
        if (!line.trimmed().isEmpty() && !line.startsWith(u'#')) {
            QStringList fields = line.split(u'|');
            for (QString& field : fields) {
                field = field.trimmed();
            }
            cases.push_back(fields);
        }
    }
    return cases;
}

void addTo(std::vector<AccountRecord>& records, int record, const char* current, const char* ytd) {
    AccountRecord& account = records[static_cast<std::size_t>(record - 1)];
    account.current = account.current + money(current);
    account.ytd = account.ytd + money(ytd);
}

void writeAccounts(const QString& path, const std::vector<AccountRecord>& records) {
    QByteArray bytes;
    for (const AccountRecord& r : records) {
        bytes += r.encodeBytes();
    }
    writeBytes(path, bytes);
}

std::vector<AccountRecord> readAccounts(const QString& path) {
    const QByteArray bytes = fileBytes(path);
    std::vector<AccountRecord> records;
    for (qsizetype at = 0; at + 62 <= bytes.size(); at += 62) {
        RecordBytes raw{};
        std::copy_n(reinterpret_cast<const std::uint8_t*>(bytes.constData() + at), 62, raw.begin());
        records.push_back(AccountRecord::decode(raw));
    }
    return records;
}

QByteArray fileBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return {};
    }
    return file.readAll();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

QString toolOutput(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    const bool ran = process.waitForFinished(60000);
    EXPECT_TRUE(ran && process.exitCode() == 0)
        << program.toStdString() << " " << arguments.join(' ').toStdString() << ": "
        << process.readAllStandardError().toStdString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfText(const QString& pdf) {
    return toolOutput("pdftotext", {"-layout", pdf, "-"});
}
