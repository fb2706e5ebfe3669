#include "platform/SqliteDatabase.h"

#include <QFile>

#include <sqlite3.h>

namespace kestrom {

SqliteDatabase::~SqliteDatabase() {
    close();
}

bool SqliteDatabase::open(const QString& file, OpenMode mode) {
    close();
    int flags = SQLITE_OPEN_READWRITE | SQLITE_OPEN_FULLMUTEX;
    if (mode == OpenMode::CreateIfMissing)
        flags |= SQLITE_OPEN_CREATE;
    const QByteArray name = QFile::encodeName(file);
    const int rc = sqlite3_open_v2(name.constData(), &db_, flags, nullptr);
    if (rc != SQLITE_OK)
        return false; // db_ stays for lastError(); close() frees it
    // Two programs may share the store: wait for a lock instead of failing at once.
    sqlite3_busy_timeout(db_, 30000);
    return true;
}

void SqliteDatabase::close() {
    if (db_)
        sqlite3_close_v2(db_);
    db_ = nullptr;
}

bool SqliteDatabase::isReadOnly() const {
    return !db_ || sqlite3_db_readonly(db_, "main") != 0;
}

QString SqliteDatabase::lastError() const {
    return db_ ? QString::fromUtf8(sqlite3_errmsg(db_)) : QStringLiteral("not open");
}

bool SqliteDatabase::lastFailureWasPassing() const {
    if (!db_)
        return false;
    const int code = sqlite3_errcode(db_) & 0xFF;
    return code == SQLITE_BUSY || code == SQLITE_LOCKED || code == SQLITE_IOERR;
}

int SqliteDatabase::changes() const {
    return db_ ? sqlite3_changes(db_) : 0;
}

bool SqliteDatabase::exec(const char* sql) {
    return db_ && sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) == SQLITE_OK;
}

SqliteDatabase::Statement::Statement(SqliteDatabase& db, const char* sql) {
    if (!db.db_ || sqlite3_prepare_v2(db.db_, sql, -1, &stmt_, nullptr) != SQLITE_OK) {
        stmt_ = nullptr;
        failed_ = true;
    }
}

SqliteDatabase::Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

SqliteDatabase::Statement& SqliteDatabase::Statement::bind(int index, std::int64_t value) {
    if (stmt_ && sqlite3_bind_int64(stmt_, index, value) != SQLITE_OK)
        failed_ = true;
    return *this;
}

SqliteDatabase::Statement& SqliteDatabase::Statement::bind(int index, const QString& text) {
    const QByteArray utf8 = text.toUtf8();
    if (stmt_ && sqlite3_bind_text(stmt_, index, utf8.constData(), static_cast<int>(utf8.size()),
                                   SQLITE_TRANSIENT) != SQLITE_OK)
        failed_ = true;
    return *this;
}

SqliteDatabase::Statement& SqliteDatabase::Statement::bind(int index, const QByteArray& blob) {
    if (stmt_ && sqlite3_bind_blob(stmt_, index, blob.constData(), static_cast<int>(blob.size()),
                                   SQLITE_TRANSIENT) != SQLITE_OK)
        failed_ = true;
    return *this;
}

bool SqliteDatabase::Statement::next() {
    if (!stmt_ || failed_)
        return false;
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc != SQLITE_DONE)
        failed_ = true;
    return false;
}

std::int64_t SqliteDatabase::Statement::integer(int column) const {
    return sqlite3_column_int64(stmt_, column);
}

QString SqliteDatabase::Statement::text(int column) const {
    const auto* chars = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return QString::fromUtf8(chars, sqlite3_column_bytes(stmt_, column));
}

QByteArray SqliteDatabase::Statement::blob(int column) const {
    const auto* bytes = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
    return QByteArray(bytes, sqlite3_column_bytes(stmt_, column));
}

} // namespace kestrom
