#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <memory>

struct sqlite3;
struct sqlite3_stmt;

namespace kestrom {

// A thin owner of one SQLite connection and its prepared statements.
class SqliteDatabase {
public:
    enum class OpenMode { ExistingFile, CreateIfMissing };

    SqliteDatabase() = default;
    ~SqliteDatabase();
    SqliteDatabase(const SqliteDatabase&) = delete;
    SqliteDatabase& operator=(const SqliteDatabase&) = delete;

    // Opens read-write where the host allows it, read-only otherwise; false with lastError().
    bool open(const QString& file, OpenMode mode);
    void close();
    bool isOpen() const { return db_ != nullptr; }
    bool isReadOnly() const;
    QString lastError() const;
    // True when the last failure was another connection holding the file for a moment.
    bool lastFailureWasPassing() const;
    // Rows changed by the last statement.
    int changes() const;

    // Runs SQL without results; false on failure.
    bool exec(const char* sql);

    class Statement {
    public:
        Statement(SqliteDatabase& db, const char* sql);
        ~Statement();
        Statement(const Statement&) = delete;
        Statement& operator=(const Statement&) = delete;

        bool ok() const { return stmt_ != nullptr; }
        Statement& bind(int index, std::int64_t value);
        Statement& bind(int index, const QString& text);
        Statement& bind(int index, const QByteArray& blob);
        // Steps once: true while a row is there; failures show in failed().
        bool next();
        bool failed() const { return failed_; }
        std::int64_t integer(int column) const;
        QString text(int column) const;
        QByteArray blob(int column) const;

    private:
        sqlite3_stmt* stmt_ = nullptr;
        bool failed_ = false;
    };

private:
    sqlite3* db_ = nullptr;
};

} // namespace kestrom
