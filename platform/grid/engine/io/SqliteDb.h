#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace grid {

class SqliteStatement;

// One open SQLite database connection (RAII). Every call reports failure by its
// result; the message of the last failure is `lastError()`. Never throws.
class SqliteDb {
public:
    enum class Mode { ReadOnly, ReadWriteCreate };

    SqliteDb() = default;
    ~SqliteDb();
    SqliteDb(const SqliteDb&) = delete;
    SqliteDb& operator=(const SqliteDb&) = delete;

    // Opens `path` (a native path). False on failure; the object then stays closed.
    bool open(const std::string& path, Mode mode);
    void close();
    bool isOpen() const { return m_db != nullptr; }

    // Runs one or more statements without results.
    bool exec(std::string_view sql);
    // Prepares one statement; an invalid statement (check `valid()`) on failure.
    SqliteStatement prepare(std::string_view sql);
    // Runs a query and reads the first column of its first row as an integer;
    // false when it fails or yields no row.
    bool queryInt(std::string_view sql, int64_t& out);

    std::string lastError() const;
    // Primary SQLite result code of the last failure (SQLITE_CORRUPT, SQLITE_NOTADB ...).
    int lastErrorCode() const;
    sqlite3* handle() const { return m_db; }

private:
    sqlite3* m_db = nullptr;
};

// A prepared statement (RAII). Bind indexes count from 1, column indexes from 0.
class SqliteStatement {
public:
    enum class Step { Row, Done, Error };
    enum class Type { Integer, Real, Text, Blob, Null };

    SqliteStatement() = default;
    explicit SqliteStatement(sqlite3_stmt* stmt) : m_stmt(stmt) {}
    ~SqliteStatement();
    SqliteStatement(SqliteStatement&& other) noexcept : m_stmt(other.m_stmt) {
        other.m_stmt = nullptr;
    }
    SqliteStatement& operator=(SqliteStatement&& other) noexcept;
    SqliteStatement(const SqliteStatement&) = delete;
    SqliteStatement& operator=(const SqliteStatement&) = delete;

    bool valid() const { return m_stmt != nullptr; }

    bool bindInt(int index, int64_t value);
    bool bindDouble(int index, double value);
    // Text and blobs are copied by SQLite, so the caller's buffer may go away.
    bool bindText(int index, std::string_view value);
    bool bindBlob(int index, const void* data, size_t size);
    bool bindNull(int index);

    Step step();
    // Ready to run again with new bindings.
    void reset();
    // step() until done; false on any error.
    bool run();

    int columnCount() const;
    Type columnType(int column) const;
    int64_t columnInt(int column) const;
    double columnDouble(int column) const;
    std::string columnText(int column) const;
    std::string_view columnTextView(int column) const;
    // Blob bytes stay valid until the next step or reset.
    std::string_view columnBlob(int column) const;

private:
    sqlite3_stmt* m_stmt = nullptr;
};

// Begins a transaction; rolls it back on destruction unless committed.
class SqliteTransaction {
public:
    explicit SqliteTransaction(SqliteDb& db);
    ~SqliteTransaction();
    SqliteTransaction(const SqliteTransaction&) = delete;
    SqliteTransaction& operator=(const SqliteTransaction&) = delete;

    bool begun() const { return m_active; }
    bool commit();

private:
    SqliteDb& m_db;
    bool m_active = false;
};

} // namespace grid
