// Random file contents and lengths, then random sequences of open, read, write, append,
// replace, delete-a-record and search, some of them failed at a random step: the file
// always holds exactly what a small model says (a failed step changes nothing), and no
// temporary file is left behind.
#include "data/file_error.h"
#include "data/file_faults.h"
#include "data/file_rewrite.h"
#include "data/file_table.h"
#include "data/name_search.h"
#include "fuzz_support.h"
#include <QByteArray>
#include <QDir>
#include <QFile>
#include <cstdlib>

namespace {

constexpr int kRecord = RecordLayout::kRecordSize;

// Hands out the input's bytes; zeros once it is used up.
struct Input {
    const std::uint8_t* data;
    std::size_t size;
    int byte() {
        if (size == 0) {
            return 0;
        }
        --size;
        return *data++;
    }
    RecordBytes record() {
        RecordBytes bytes{};
        for (auto& b : bytes) {
            b = static_cast<std::uint8_t>(byte());
        }
        return bytes;
    }
};

const QString& folder() {
    static const QString path = [] {
        static char name[] = "/tmp/fuzz_file_table-XXXXXX";
        ::mkdtemp(name);
        std::atexit([] { QDir(QString::fromLatin1(name)).removeRecursively(); });
        return QString::fromLatin1(name);
    }();
    return path;
}

QByteArray onDisk(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray recordAt(const QByteArray& model, int record) {
    QByteArray bytes = model.mid(static_cast<qsizetype>(record - 1) * kRecord, kRecord);
    bytes.resize(kRecord, '\0');
    return bytes;
}

QByteArray asBytes(const RecordBytes& record) {
    return QByteArray(reinterpret_cast<const char*>(record.data()), kRecord);
}

// The bytes a record of these bytes is written back as (its texts trimmed and padded).
QByteArray stored(const QByteArray& bytes) {
    RecordBytes record{};
    std::memcpy(record.data(), bytes.constData(), kRecord);
    return asBytes(AccountRecord::decode(record).encode());
}

// One step on the file, and in `next` what the file holds after it.
void step(int op, Input& in, FileTable& files, const QString& path, const QByteArray& model,
          QByteArray& next) {
    const int record = 1 + in.byte() % 12;
    switch (op) {
    case 0:
        fuzz::require(asBytes(files.get(1, record).encode()) == stored(recordAt(model, record)));
        return;
    case 1:
    case 2: { // write one record, or append one after the last
        const int at = op == 1 ? record : files.recordCount(1) + 1;
        const RecordBytes bytes = in.record();
        const qsizetype offset = static_cast<qsizetype>(at - 1) * kRecord;
        if (next.size() < offset + kRecord) {
            next.resize(offset + kRecord, '\0');
        }
        next.replace(offset, kRecord, stored(asBytes(bytes)));
        files.put(1, at, AccountRecord::decode(bytes));
        return;
    }
    case 3: { // replace the whole file
        std::vector<AccountRecord> records;
        next.clear();
        for (int i = 0; i < record - 1; ++i) {
            const RecordBytes bytes = in.record();
            records.push_back(AccountRecord::decode(bytes));
            next += stored(asBytes(bytes));
        }
        files.close(1);
        FileTable::replaceWhole(path, records);
        files.open(1, path);
        break;
    }
    case 4: { // delete a record of the first `count`
        const int count = std::max(1, record);
        const int skipped = 1 + in.byte() % count;
        next.clear();
        for (int i = 1; i <= count; ++i) {
            next += i == skipped ? QByteArray() : recordAt(model, i);
        }
        files.close(1);
        folio::rewriteWithout(path, count, skipped);
        files.open(1, path);
        break;
    }
    case 5: { // search: every record scanned equals a read one
        int seen = 0;
        files.scan(1, record, [&](int i, const AccountRecord& account) {
            fuzz::require(i == ++seen && asBytes(account.encode()) == stored(recordAt(model, i)));
            return true;
        });
        fuzz::require(seen == record);
        // A search by name finds what comparing every decoded name finds.
        // The name looked for: one of the file's (any case), or one from the input.
        RecordBytes named = in.record();
        if (named[0] % 2 == 0) {
            std::memcpy(named.data(), recordAt(model, 1 + named[1] % record).constData(), kRecord);
        }
        const QString wanted = AccountRecord::decode(named).name.toUpper();
        std::optional<int> first;
        for (int i = record; i >= 1; --i) {
            RecordBytes bytes{};
            std::memcpy(bytes.data(), recordAt(model, i).constData(), kRecord);
            if (AccountRecord::decode(bytes).name.toUpper() == wanted) {
                first = i;
            }
        }
        fuzz::require(findNamed(files, 1, record, wanted).found == first);
        return;
    }
    default:
        files.close(1);
        files.open(1, path);
        return;
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in{data, size};
    const QString path = folder() + QStringLiteral("/books.dat");
    QByteArray model;
    for (int n = in.byte() * 3; n > 0; --n) { // any length, whole records or not
        model += static_cast<char>(in.byte());
    }
    {
        QFile file(path);
        fuzz::require(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(model);
    }
    FileTable::setDurable(false);
    FileTable files;
    files.open(1, path);
    while (in.size > 0) {
        const int failing = in.byte() % 8; // 1..3: that file operation of the step fails
        if (failing >= 1 && failing <= 3) {
            FileFaults::failAt(failing, 61);
        }
        QByteArray next = model;
        const int op = in.byte() % 7;
        try {
            step(op, in, files, path, model, next);
            model = next;
        } catch (const FileError&) {
            if (!files.isOpen(1)) {
                files.open(1, path);
            }
            if ((op == 3 || op == 4) && onDisk(path) == next) {
                model = next; // a rewrite failed only after its file took the old one's place
            }
        }
        FileFaults::clear();
        fuzz::require(onDisk(path) == model);
        fuzz::require(QDir(folder()).count() == 3); // ".", ".." and the file
    }
    return 0;
}
