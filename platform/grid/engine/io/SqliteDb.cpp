#include "platform/grid/engine/io/SqliteDb.h"

#include <sqlite3.h>

namespace grid {

SqliteDb::~SqliteDb() {
    close();
}

bool SqliteDb::open(const std::string& path, Mode mode) {
    close();
    int flags = mode == Mode::ReadOnly ? SQLITE_OPEN_READONLY
                                       : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    flags |= SQLITE_OPEN_NOMUTEX;
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(path.c_str(), &db, flags, nullptr);
    if (rc != SQLITE_OK) {
        // Keep the handle long enough to read its message, then drop it.
        m_db = db;
        return false;
    }
    m_db = db;
    sqlite3_extended_result_codes(m_db, 0);
    return true;
}

void SqliteDb::close() {
    if (m_db) {
        sqlite3_close_v2(m_db);
        m_db = nullptr;
    }
}

bool SqliteDb::exec(std::string_view sql) {
    if (!m_db)
        return false;
    std::string text(sql);
    return sqlite3_exec(m_db, text.c_str(), nullptr, nullptr, nullptr) == SQLITE_OK;
}

SqliteStatement SqliteDb::prepare(std::string_view sql) {
    if (!m_db)
        return SqliteStatement();
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(m_db, sql.data(), static_cast<int>(sql.size()), &stmt, nullptr) !=
        SQLITE_OK) {
        sqlite3_finalize(stmt);
        return SqliteStatement();
    }
    return SqliteStatement(stmt);
}

bool SqliteDb::queryInt(std::string_view sql, int64_t& out) {
    SqliteStatement stmt = prepare(sql);
    if (!stmt.valid() || stmt.step() != SqliteStatement::Step::Row)
        return false;
    out = stmt.columnInt(0);
    return true;
}

std::string SqliteDb::lastError() const {
    if (!m_db)
        return "database not open";
    const char* msg = sqlite3_errmsg(m_db);
    return msg ? msg : "unknown database error";
}

int SqliteDb::lastErrorCode() const {
    return m_db ? (sqlite3_errcode(m_db) & 0xff) : SQLITE_CANTOPEN;
}

SqliteStatement::~SqliteStatement() {
    sqlite3_finalize(m_stmt);
}

SqliteStatement& SqliteStatement::operator=(SqliteStatement&& other) noexcept {
    if (this != &other) {
        sqlite3_finalize(m_stmt);
        m_stmt = other.m_stmt;
        other.m_stmt = nullptr;
    }
    return *this;
}

bool SqliteStatement::bindInt(int index, int64_t value) {
    return m_stmt && sqlite3_bind_int64(m_stmt, index, value) == SQLITE_OK;
}

bool SqliteStatement::bindDouble(int index, double value) {
    return m_stmt && sqlite3_bind_double(m_stmt, index, value) == SQLITE_OK;
}

bool SqliteStatement::bindText(int index, std::string_view value) {
    return m_stmt && sqlite3_bind_text64(m_stmt, index, value.data(), value.size(),
                                         SQLITE_TRANSIENT, SQLITE_UTF8) == SQLITE_OK;
}

bool SqliteStatement::bindBlob(int index, const void* data, size_t size) {
    // A zero-length blob needs a non-null pointer or SQLite stores NULL.
    static const char kEmpty = 0;
    return m_stmt && sqlite3_bind_blob64(m_stmt, index, size ? data : &kEmpty, size,
                                         SQLITE_TRANSIENT) == SQLITE_OK;
}

bool SqliteStatement::bindNull(int index) {
    return m_stmt && sqlite3_bind_null(m_stmt, index) == SQLITE_OK;
}

SqliteStatement::Step SqliteStatement::step() {
    if (!m_stmt)
        return Step::Error;
    switch (sqlite3_step(m_stmt)) {
    case SQLITE_ROW:
        return Step::Row;
    case SQLITE_DONE:
        return Step::Done;
    default:
        return Step::Error;
    }
}

void SqliteStatement::reset() {
    if (m_stmt) {
        sqlite3_reset(m_stmt);
        sqlite3_clear_bindings(m_stmt);
    }
}

bool SqliteStatement::run() {
    Step s;
    while ((s = step()) == Step::Row) {
    }
    bool ok = s == Step::Done;
    if (m_stmt)
        sqlite3_reset(m_stmt);
    return ok;
}

int SqliteStatement::columnCount() const {
    return m_stmt ? sqlite3_column_count(m_stmt) : 0;
}

SqliteStatement::Type SqliteStatement::columnType(int column) const {
    switch (sqlite3_column_type(m_stmt, column)) {
    case SQLITE_INTEGER:
        return Type::Integer;
    case SQLITE_FLOAT:
        return Type::Real;
    case SQLITE_TEXT:
        return Type::Text;
    case SQLITE_BLOB:
        return Type::Blob;
    default:
        return Type::Null;
    }
}

int64_t SqliteStatement::columnInt(int column) const {
    return sqlite3_column_int64(m_stmt, column);
}

double SqliteStatement::columnDouble(int column) const {
    return sqlite3_column_double(m_stmt, column);
}

std::string SqliteStatement::columnText(int column) const {
    return std::string(columnTextView(column));
}

std::string_view SqliteStatement::columnTextView(int column) const {
    const unsigned char* text = sqlite3_column_text(m_stmt, column);
    int size = sqlite3_column_bytes(m_stmt, column);
    return text ? std::string_view(reinterpret_cast<const char*>(text), static_cast<size_t>(size))
                : std::string_view();
}

std::string_view SqliteStatement::columnBlob(int column) const {
    const void* data = sqlite3_column_blob(m_stmt, column);
    int size = sqlite3_column_bytes(m_stmt, column);
    return data ? std::string_view(static_cast<const char*>(data), static_cast<size_t>(size))
                : std::string_view();
}

SqliteTransaction::SqliteTransaction(SqliteDb& db) : m_db(db) {
    m_active = m_db.exec("BEGIN");
}

SqliteTransaction::~SqliteTransaction() {
    if (m_active)
        m_db.exec("ROLLBACK");
}

bool SqliteTransaction::commit() {
    if (!m_active)
        return false;
    m_active = false;
    if (m_db.exec("COMMIT"))
        return true;
    m_db.exec("ROLLBACK");
    return false;
}

} // namespace grid
