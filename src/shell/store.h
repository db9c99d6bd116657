#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;
class Dialogs;

// Rows read by position, every column as text (NULL reads as an empty text).
using Rows = std::vector<QStringList>;

// One database file, opened read-write without creation and closed by its destructor.
// Failures of the statements run on it are reported through its dialog seam.
class Store {
public:
    explicit Store(QString fileName = QString());
    ~Store();
    Store(const Store&) = delete;
    Store& operator=(const Store&) = delete;

    // Opens the file at absolutePath; displayPath is the relative path used in messages.
    // On failure the store stays closed and errorText() holds the database's error text.
    bool open(const QString& absolutePath, const QString& displayPath = QString());
    void close();
    bool isOpen() const { return m_db != nullptr; }

    // Writes the write-ahead log back into the database file, so that a copy of the
    // folder holds every committed change.
    void checkpoint();

    const QString& fileName() const { return m_fileName; }
    const QString& path() const { return m_path; }
    const QString& displayPath() const { return m_displayPath; }
    QString errorText() const;

    void setDialogs(Dialogs* dialogs) { m_dialogs = dialogs; }
    Dialogs* dialogs() const { return m_dialogs; }

    sqlite3* db() const { return m_db; }
    // A prepared statement kept for the life of the connection; reset before each use.
    sqlite3_stmt* prepare(const QString& sql, QString* error);

private:
    void finalizeAll();

    QString m_fileName;
    QString m_path;
    QString m_displayPath;
    QString m_openError;
    sqlite3* m_db = nullptr;
    Dialogs* m_dialogs = nullptr;
    QHash<QString, sqlite3_stmt*> m_statements;
};

// Runs a read query with the params bound in order to its "?" marks and appends the rows
// to *rows. On failure shows the database's error text titled "Erreur CheckDatabaseQuery"
// and returns false; the caller goes on with what it has.
bool CheckDatabaseQuery(Store& store, const QString& sql, const QStringList& params = {},
                        Rows* rows = nullptr);
// Runs a statement that changes data. On failure shows the database's error text titled
// "Erreur CheckDataBaseUpdate " and returns false.
bool CheckDataBaseUpdate(Store& store, const QString& sql, const QStringList& params = {});

// Shorthands over CheckDatabaseQuery: the first row (false when none or on failure), and
// the first column of the first row (fallback when there is none).
bool queryFirstRow(Store& store, const QString& sql, const QStringList& params, QStringList* row);
QString queryText(Store& store, const QString& sql, const QStringList& params = {},
                  const QString& fallback = QString());
bool queryHasRow(Store& store, const QString& sql, const QStringList& params = {});

// Groups the statements of one store into one transaction; rolls back unless committed.
class Transaction {
public:
    explicit Transaction(Store& store);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;
    bool active() const { return m_active; }
    bool commit();
    void rollback();

private:
    Store& m_store;
    bool m_active = false;
};
