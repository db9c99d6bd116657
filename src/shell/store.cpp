#include "store.h"

#include "dialogs.h"

#include <sqlite3.h>

using namespace Qt::StringLiterals;

namespace {

constexpr int kBusyTimeoutMs = 20000;

void report(Store& store, const QString& title, const QString& error)
{
    if (Dialogs* dialogs = store.dialogs())
        dialogs->message(title, error);
}

// Binds and steps one statement; rows are appended when wanted. Returns the error text,
// empty on success.
QString run(Store& store, const QString& sql, const QStringList& params, Rows* rows)
{
    if (!store.isOpen())
        return store.errorText();
    QString error;
    sqlite3_stmt* stmt = store.prepare(sql, &error);
    if (!stmt)
        return error;
    for (int i = 0; i < params.size(); ++i) {
        const QByteArray utf8 = params[i].toUtf8();
        sqlite3_bind_text(stmt, i + 1, utf8.constData(), static_cast<int>(utf8.size()),
                          SQLITE_TRANSIENT);
    }
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        if (!rows)
            continue;
        const int columns = sqlite3_column_count(stmt);
        QStringList row;
        row.reserve(columns);
        for (int c = 0; c < columns; ++c) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, c));
            const int size = sqlite3_column_bytes(stmt, c);
            row.append(text ? QString::fromUtf8(text, size) : QString());
        }
        rows->push_back(std::move(row));
    }
    if (rc != SQLITE_DONE)
        error = QString::fromUtf8(sqlite3_errmsg(store.db()));
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
    return error;
}

} // namespace

Store::Store(QString fileName) : m_fileName(std::move(fileName)) {}

Store::~Store()
{
    close();
}

bool Store::open(const QString& absolutePath, const QString& displayPath)
{
    close();
    m_path = absolutePath;
    m_displayPath = displayPath.isEmpty() ? absolutePath : displayPath;
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(absolutePath.toUtf8().constData(), &db, SQLITE_OPEN_READWRITE,
                                   nullptr);
    if (rc != SQLITE_OK) {
        m_openError = db ? QString::fromUtf8(sqlite3_errmsg(db))
                         : QString::fromUtf8(sqlite3_errstr(rc));
        sqlite3_close(db);
        return false;
    }
    sqlite3_busy_timeout(db, kBusyTimeoutMs);
    // The write-ahead log keeps every commit atomic without a disk flush per commit; a
    // crash or power cut loses at most the last commits, never half of one.
    sqlite3_exec(db, "PRAGMA journal_mode=WAL; PRAGMA synchronous=NORMAL;", nullptr, nullptr,
                 nullptr);
    // A file that is not a database only shows up at the first read.
    if (sqlite3_exec(db, "SELECT count(*) FROM sqlite_master", nullptr, nullptr, nullptr)
        != SQLITE_OK) {
        m_openError = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        return false;
    }
    m_db = db;
    m_openError.clear();
    return true;
}

void Store::close()
{
    if (!m_db)
        return;
    finalizeAll();
    sqlite3_close(m_db);
    m_db = nullptr;
}

void Store::checkpoint()
{
    if (m_db)
        sqlite3_wal_checkpoint_v2(m_db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
}

QString Store::errorText() const
{
    if (m_db)
        return QString::fromUtf8(sqlite3_errmsg(m_db));
    if (!m_openError.isEmpty())
        return m_openError;
    return u"base de données non ouverte (%1)"_s.arg(m_fileName);
}

sqlite3_stmt* Store::prepare(const QString& sql, QString* error)
{
    if (sqlite3_stmt* cached = m_statements.value(sql, nullptr))
        return cached;
    sqlite3_stmt* stmt = nullptr;
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v3(m_db, utf8.constData(), static_cast<int>(utf8.size()),
                           SQLITE_PREPARE_PERSISTENT, &stmt, nullptr)
        != SQLITE_OK) {
        if (error)
            *error = QString::fromUtf8(sqlite3_errmsg(m_db));
        sqlite3_finalize(stmt);
        return nullptr;
    }
    if (!stmt) {
        if (error)
            *error = u"requête vide"_s;
        return nullptr;
    }
    m_statements.insert(sql, stmt);
    return stmt;
}

void Store::finalizeAll()
{
    for (sqlite3_stmt* stmt : std::as_const(m_statements))
        sqlite3_finalize(stmt);
    m_statements.clear();
}

bool CheckDatabaseQuery(Store& store, const QString& sql, const QStringList& params, Rows* rows)
{
    const QString error = run(store, sql, params, rows);
    if (error.isEmpty())
        return true;
    report(store, u"Erreur CheckDatabaseQuery"_s, error);
    return false;
}

bool CheckDataBaseUpdate(Store& store, const QString& sql, const QStringList& params)
{
    const QString error = run(store, sql, params, nullptr);
    if (error.isEmpty())
        return true;
    report(store, u"Erreur CheckDataBaseUpdate "_s, error);
    return false;
}

bool queryFirstRow(Store& store, const QString& sql, const QStringList& params, QStringList* row)
{
    Rows rows;
    if (!CheckDatabaseQuery(store, sql, params, &rows) || rows.empty())
        return false;
    if (row)
        *row = std::move(rows.front());
    return true;
}

QString queryText(Store& store, const QString& sql, const QStringList& params,
                  const QString& fallback)
{
    QStringList row;
    if (!queryFirstRow(store, sql, params, &row) || row.isEmpty())
        return fallback;
    return row.front();
}

bool queryHasRow(Store& store, const QString& sql, const QStringList& params)
{
    return queryFirstRow(store, sql, params, nullptr);
}

Transaction::Transaction(Store& store) : m_store(store)
{
    m_active = CheckDataBaseUpdate(m_store, u"BEGIN IMMEDIATE"_s);
}

Transaction::~Transaction()
{
    rollback();
}

bool Transaction::commit()
{
    if (!m_active)
        return false;
    m_active = false;
    if (CheckDataBaseUpdate(m_store, u"COMMIT"_s))
        return true;
    CheckDataBaseUpdate(m_store, u"ROLLBACK"_s);
    return false;
}

void Transaction::rollback()
{
    if (!m_active)
        return;
    m_active = false;
    CheckDataBaseUpdate(m_store, u"ROLLBACK"_s);
}
