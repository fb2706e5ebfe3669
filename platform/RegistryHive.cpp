#include "platform/RegistryHive.h"

#include "platform/ERegistryError.h"
#include "platform/UserNotice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace kestrom {

namespace {

QStringList keyComponents(const QString& path) {
    return path.split(u'\\', Qt::SkipEmptyParts);
}

QString fold(const QString& name) {
    return name.toCaseFolded();
}

bool mayCreateIn(const QString& file) {
    QString folder = QFileInfo(file).absolutePath();
    while (!QFileInfo::exists(folder) && folder != QStringLiteral("/"))
        folder = QFileInfo(folder).absolutePath();
    return ::access(QFile::encodeName(folder).constData(), W_OK | X_OK) == 0;
}

constexpr const char* kSchema =
    "CREATE TABLE IF NOT EXISTS keys("
    " id INTEGER PRIMARY KEY, parent INTEGER NOT NULL, name TEXT NOT NULL,"
    " fold TEXT NOT NULL, UNIQUE(parent, fold));"
    "CREATE TABLE IF NOT EXISTS reg_values("
    " key INTEGER NOT NULL, name TEXT NOT NULL, fold TEXT NOT NULL, type INTEGER NOT NULL,"
    " data BLOB NOT NULL, UNIQUE(key, fold));"
    "PRAGMA user_version = 1;";

} // namespace

RegistryHive::RegistryHive(QString file) : file_(std::move(file)) {}

RegistryHive::State RegistryHive::ensureOpen() {
    // Another program may have made the file since we last looked.
    if (state_ == State::Missing && QFileInfo::exists(file_))
        state_ = State::Unopened;
    if (state_ != State::Unopened)
        return state_;
    if (!QFileInfo::exists(file_)) {
        state_ = State::Missing;
        return state_;
    }
    state_ = State::Broken;
    // A program making the file this very moment holds it briefly: wait rather than call the
    // file unreadable.
    for (int attempt = 0; attempt < 100 && state_ == State::Broken; ++attempt) {
        if (db_.open(file_, SqliteDatabase::OpenMode::ExistingFile) && hasSchema())
            state_ = State::Ready;
        else if (!db_.lastFailureWasPassing())
            break;
        else
            ::usleep(20000);
    }
    if (state_ == State::Broken) {
        db_.close();
        ShowUserNotice(QStringLiteral("Kestrom"),
                       QStringLiteral("The settings file %1 cannot be read; Kestrom goes on with "
                                      "default settings and leaves the file as it is.")
                           .arg(file_));
    }
    return state_;
}

bool RegistryHive::hasSchema() {
    std::int64_t all = 0;
    std::int64_t ours = 0;
    {
        // The statements end before any write: a connection that keeps a read open while it
        // asks for the write lock can deadlock with another writer, and SQLite then fails at
        // once instead of waiting.
        SqliteDatabase::Statement check(db_, "PRAGMA quick_check");
        if (!check.next() || check.text(0) != QStringLiteral("ok"))
            return false;
        SqliteDatabase::Statement tables(
            db_, "SELECT count(*), sum(name IN ('keys', 'reg_values')) FROM sqlite_master");
        if (!tables.next())
            return false;
        all = tables.integer(0);
        ours = tables.integer(1);
    }
    if (all == 0)
        return db_.isReadOnly() || createSchema(); // an empty file is an empty hive
    return ours == 2;
}

bool RegistryHive::createSchema() {
    return db_.exec("BEGIN IMMEDIATE") && db_.exec(kSchema) && db_.exec("COMMIT");
}

bool RegistryHive::isBroken() {
    return ensureOpen() == State::Broken;
}

bool RegistryHive::canWrite() {
    switch (ensureOpen()) {
    case State::Missing:
        return mayCreateIn(file_);
    case State::Ready:
        return !db_.isReadOnly();
    default:
        return false;
    }
}

void RegistryHive::fail(const QString& what) {
    throw ERegistryError(QStringLiteral("%1 (registry file %2)").arg(what, file_));
}

void RegistryHive::openForWriting() {
    const State state = ensureOpen();
    if (state == State::Broken)
        fail(QStringLiteral("The registry file cannot be read, so nothing was written"));
    if (state == State::Missing) {
        QDir().mkpath(QFileInfo(file_).absolutePath());
        if (!db_.open(file_, SqliteDatabase::OpenMode::CreateIfMissing) || !createSchema()) {
            const QString reason = db_.lastError();
            db_.close();
            fail(QStringLiteral("Cannot create the registry file: %1").arg(reason));
        }
        state_ = State::Ready;
    }
    if (db_.isReadOnly())
        fail(QStringLiteral("Access denied: the registry file is read-only"));
}

void RegistryHive::begin() {
    openForWriting();
    if (depth_ == 0 && !db_.exec("BEGIN IMMEDIATE"))
        fail(QStringLiteral("Cannot lock the registry: %1").arg(db_.lastError()));
    ++depth_;
}

void RegistryHive::commit() {
    if (--depth_ == 0 && !db_.exec("COMMIT")) {
        const QString reason = db_.lastError();
        db_.exec("ROLLBACK");
        fail(QStringLiteral("Cannot save the registry: %1").arg(reason));
    }
}

void RegistryHive::rollback() {
    if (--depth_ == 0)
        db_.exec("ROLLBACK");
}

void RegistryHive::transaction(const std::function<void()>& work) {
    begin();
    try {
        work();
    } catch (...) {
        rollback();
        throw;
    }
    commit();
}

std::optional<std::int64_t> RegistryHive::findKey(const QString& path) {
    if (ensureOpen() != State::Ready)
        return std::nullopt;
    std::int64_t id = 0;
    for (const QString& part : keyComponents(path)) {
        SqliteDatabase::Statement find(db_, "SELECT id FROM keys WHERE parent = ?1 AND fold = ?2");
        find.bind(1, id).bind(2, fold(part));
        if (!find.next())
            return std::nullopt;
        id = find.integer(0);
    }
    return id;
}

std::int64_t RegistryHive::makeKey(const QString& path) {
    std::int64_t id = 0;
    for (const QString& part : keyComponents(path)) {
        SqliteDatabase::Statement find(db_, "SELECT id FROM keys WHERE parent = ?1 AND fold = ?2");
        find.bind(1, id).bind(2, fold(part));
        if (find.next()) {
            id = find.integer(0);
            continue;
        }
        SqliteDatabase::Statement insert(
            db_, "INSERT INTO keys(parent, name, fold) VALUES(?1, ?2, ?3) RETURNING id");
        insert.bind(1, id).bind(2, part).bind(3, fold(part));
        if (!insert.next())
            fail(QStringLiteral("Cannot create the key %1: %2").arg(path, db_.lastError()));
        id = insert.integer(0);
    }
    return id;
}

bool RegistryHive::keyExists(const QString& path) {
    return findKey(path).has_value();
}

std::optional<QString> RegistryHive::storedPath(const QString& path) {
    if (ensureOpen() != State::Ready)
        return std::nullopt;
    std::int64_t id = 0;
    QStringList names;
    for (const QString& part : keyComponents(path)) {
        SqliteDatabase::Statement find(db_,
                                       "SELECT id, name FROM keys WHERE parent = ?1 AND fold = ?2");
        find.bind(1, id).bind(2, fold(part));
        if (!find.next())
            return std::nullopt;
        id = find.integer(0);
        names.append(find.text(1));
    }
    return names.join(u'\\');
}

QStringList RegistryHive::subKeyNames(const QString& path) {
    QStringList names;
    const auto id = findKey(path);
    if (!id)
        return names;
    SqliteDatabase::Statement list(db_,
                                   "SELECT name FROM keys WHERE parent = ?1 ORDER BY fold, name");
    list.bind(1, *id);
    while (list.next())
        names.append(list.text(0));
    return names;
}

QStringList RegistryHive::valueNames(const QString& path) {
    QStringList names;
    const auto id = findKey(path);
    if (!id)
        return names;
    SqliteDatabase::Statement list(db_,
                                   "SELECT name FROM reg_values WHERE key = ?1 ORDER BY rowid");
    list.bind(1, *id);
    while (list.next())
        names.append(list.text(0));
    return names;
}

std::optional<RegValue> RegistryHive::value(const QString& path, const QString& name) {
    const auto id = findKey(path);
    if (!id)
        return std::nullopt;
    SqliteDatabase::Statement read(
        db_, "SELECT name, type, data FROM reg_values WHERE key = ?1 AND fold = ?2");
    read.bind(1, *id).bind(2, fold(name));
    if (!read.next())
        return std::nullopt;
    return RegValue{read.text(0), static_cast<std::uint32_t>(read.integer(1)), read.blob(2)};
}

void RegistryHive::createKey(const QString& path) {
    transaction([&] { makeKey(path); });
}

void RegistryHive::setValue(const QString& path, const RegValue& value) {
    transaction([&] {
        const std::int64_t id = makeKey(path);
        SqliteDatabase::Statement write(
            db_,
            "INSERT INTO reg_values(key, name, fold, type, data) VALUES(?1, ?2, ?3, ?4, ?5)"
            " ON CONFLICT(key, fold) DO UPDATE SET type = excluded.type, data = excluded.data");
        write.bind(1, id).bind(2, value.name).bind(3, fold(value.name));
        write.bind(4, static_cast<std::int64_t>(value.type)).bind(5, value.data);
        write.next();
        if (write.failed())
            fail(QStringLiteral("Cannot write the value \"%1\" of %2: %3")
                     .arg(value.name, path, db_.lastError()));
    });
}

bool RegistryHive::deleteValue(const QString& path, const QString& name) {
    if (!findKey(path))
        return false;
    bool deleted = false;
    transaction([&] {
        const auto id = findKey(path);
        if (!id)
            return;
        SqliteDatabase::Statement erase(db_, "DELETE FROM reg_values WHERE key = ?1 AND fold = ?2");
        erase.bind(1, *id).bind(2, fold(name));
        erase.next();
        if (erase.failed())
            fail(QStringLiteral("Cannot delete the value \"%1\" of %2").arg(name, path));
        deleted = db_.changes() > 0;
    });
    return deleted;
}

bool RegistryHive::deleteKey(const QString& path) {
    if (!findKey(path))
        return false;
    transaction([&] {
        const auto id = findKey(path);
        if (!id)
            return;
        const char* const sql[] = {
            "WITH RECURSIVE sub(id) AS (SELECT ?1 UNION ALL"
            " SELECT keys.id FROM keys JOIN sub ON keys.parent = sub.id)"
            " DELETE FROM reg_values WHERE key IN sub",
            "WITH RECURSIVE sub(id) AS (SELECT ?1 UNION ALL"
            " SELECT keys.id FROM keys JOIN sub ON keys.parent = sub.id)"
            " DELETE FROM keys WHERE id IN sub AND id <> 0",
        };
        for (const char* statement : sql) {
            SqliteDatabase::Statement erase(db_, statement);
            erase.bind(1, *id);
            erase.next();
            if (erase.failed())
                fail(QStringLiteral("Cannot delete the key %1").arg(path));
        }
    });
    return true;
}

} // namespace kestrom
