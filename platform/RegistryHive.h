#pragma once

#include "platform/RegistryValue.h"
#include "platform/SqliteDatabase.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

namespace kestrom {

// One registry root kept in an SQLite file. Key and value names compare without regard to
// case and keep the case they were created with; sub-keys list in case-insensitive name order,
// values in the order they were created. Every write is one transaction.
//
// A file that exists but cannot be read as a hive is never written, moved or deleted: reads
// answer nothing, writes raise ERegistryError naming the file, and the user is told once.
class RegistryHive {
public:
    explicit RegistryHive(QString file);

    const QString& file() const { return file_; }
    bool isBroken();
    // Whether keys of this hive may be opened with full access (the file can be written, or
    // created when it is not there yet).
    bool canWrite();

    bool keyExists(const QString& path);
    // path spelt as the key names were created; empty when the key is not there.
    std::optional<QString> storedPath(const QString& path);
    QStringList subKeyNames(const QString& path);
    QStringList valueNames(const QString& path);
    std::optional<RegValue> value(const QString& path, const QString& name);

    void createKey(const QString& path);
    void setValue(const QString& path, const RegValue& value);
    bool deleteValue(const QString& path, const QString& name);
    // Deletes the key with everything below it; the empty path clears the whole hive.
    bool deleteKey(const QString& path);

    // Runs work as one transaction: all of its writes land, or none.
    void transaction(const std::function<void()>& work);

private:
    enum class State { Unopened, Missing, Ready, Broken };

    State ensureOpen();
    void openForWriting();
    bool hasSchema();
    bool createSchema();
    [[noreturn]] void fail(const QString& what);
    std::optional<std::int64_t> findKey(const QString& path);
    std::int64_t makeKey(const QString& path);
    void begin();
    void commit();
    void rollback();

    QString file_;
    State state_ = State::Unopened;
    SqliteDatabase db_;
    int depth_ = 0;
};

} // namespace kestrom
