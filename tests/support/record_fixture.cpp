#include "support/record_fixture.h"
#include "data/text_rules.h"
#include <QFile>
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

void writeAccounts(const QString& path, const std::vector<AccountRecord>& records) {
    QByteArray bytes;
    for (const AccountRecord& r : records) {
        const RecordBytes encoded = r.encode();
        bytes.append(reinterpret_cast<const char*>(encoded.data()),
                     static_cast<qsizetype>(encoded.size()));
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
