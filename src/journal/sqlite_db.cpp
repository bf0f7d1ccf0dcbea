#include "journal/sqlite_db.h"
#include "data/file_error.h"
#include <QFile>
#include <QUrl>
#include <sqlite3.h>

namespace folio::journal {

namespace {
int errorNumberOf(int code) {
    switch (code & 0xff) {
    case SQLITE_FULL:
        return 61;
    case SQLITE_PERM:
    case SQLITE_READONLY:
    case SQLITE_AUTH:
        return 70;
    case SQLITE_IOERR:
        return 57;
    case SQLITE_CANTOPEN:
        return 75;
    default:
        return 75;
    }
}
} // namespace

Database::~Database() {
    close();
}

void Database::fail(int code) const {
    throw FileError(errorNumberOf(code));
}

void Database::open(const QString& path) {
    path_ = path;
    openWith(QFile::encodeName(path),
             SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOFOLLOW);
}

void Database::openToRead(const QString& path, bool fileAlone) {
    path_ = path;
    if (!fileAlone) {
        openWith(QFile::encodeName(path), SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW);
    } else {
        // Immutable: no lock, no log and no shared memory file, nothing created beside it.
        openWith("file:" + QUrl::toPercentEncoding(path, "/") + "?immutable=1",
                 SQLITE_OPEN_READONLY | SQLITE_OPEN_NOFOLLOW | SQLITE_OPEN_URI);
    }
    keepLogOnClose();
}

void Database::keepLogOnClose() {
    if (db_ != nullptr) {
        sqlite3_db_config(db_, SQLITE_DBCONFIG_NO_CKPT_ON_CLOSE, 1, nullptr);
    }
}

void Database::openWith(const QByteArray& name, int flags) {
    const QString path = path_;
    close();
    path_ = path;
    const int code = sqlite3_open_v2(name.constData(), &db_, flags | SQLITE_OPEN_NOMUTEX, nullptr);
    if (code != SQLITE_OK) {
        close();
        fail(code);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, 2000);
}

void Database::close() {
    if (db_ != nullptr) {
        sqlite3_close_v2(db_);
        db_ = nullptr;
        path_.clear();
    }
}

int Database::tryExec(const char* sql) {
    return sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) & 0xff;
}

void Database::exec(const char* sql) {
    const int code = sqlite3_exec(db_, sql, nullptr, nullptr, nullptr);
    if (code != SQLITE_OK) {
        fail(code);
    }
}

std::int64_t Database::lastInsertId() const {
    return sqlite3_last_insert_rowid(db_);
}

Statement::Statement(const Database& db, const char* sql) : db_(db) {
    const int code = sqlite3_prepare_v2(db.handle(), sql, -1, &stmt_, nullptr);
    if (code != SQLITE_OK) {
        db.fail(code);
    }
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

Statement& Statement::bind(int at, std::int64_t value) {
    sqlite3_bind_int64(stmt_, at, value);
    return *this;
}

Statement& Statement::bind(int at, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    sqlite3_bind_text(stmt_, at, utf8.constData(), static_cast<int>(utf8.size()), SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::bind(int at, const std::optional<QByteArray>& blob) {
    if (!blob) {
        return bindNull(at);
    }
    sqlite3_bind_blob(stmt_, at, blob->constData(), static_cast<int>(blob->size()),
                      SQLITE_TRANSIENT);
    return *this;
}

Statement& Statement::bindInPlace(int at, QByteArrayView blob) {
    // A zero length blob still has a pointer: the value is an empty blob, not NULL.
    static const char none = 0;
    sqlite3_bind_blob(stmt_, at, blob.isEmpty() ? &none : blob.data(),
                      static_cast<int>(blob.size()), SQLITE_STATIC);
    return *this;
}

Statement& Statement::bindNull(int at) {
    sqlite3_bind_null(stmt_, at);
    return *this;
}

bool Statement::step() {
    const int code = sqlite3_step(stmt_);
    if (code == SQLITE_ROW) {
        return true;
    }
    if (code == SQLITE_DONE) {
        return false;
    }
    sqlite3_reset(stmt_);
    db_.fail(code);
}

void Statement::run() {
    step();
    reset();
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

std::int64_t Statement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

QString Statement::text(int column) const {
    const auto* data = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(data, sqlite3_column_bytes(stmt_, column));
}

std::optional<QByteArray> Statement::blob(int column) const {
    if (isNull(column)) {
        return std::nullopt;
    }
    const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
    return QByteArray(data, sqlite3_column_bytes(stmt_, column));
}

Transaction::Transaction(Database& db) : db_(db) {
    db_.exec("BEGIN IMMEDIATE");
}

Transaction::~Transaction() {
    if (open_) {
        sqlite3_exec(db_.handle(), "ROLLBACK", nullptr, nullptr, nullptr);
    }
}

void Transaction::commit() {
    db_.exec("COMMIT");
    open_ = false;
}

} // namespace folio::journal
