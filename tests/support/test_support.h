#pragma once

#include "datafile.h"
#include "shell/dialogs.h"
#include "shell/session.h"
#include "shell/store.h"

#include <QTemporaryDir>
#include <memory>
#include <ostream>

// Readable QString values in test failures.
inline void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

// A data folder in a temporary directory, made by the same generator as the delivered
// data, with a session over it whose dialogs are recorded.
class TestFolder {
public:
    // Writes fref.db and the empty year; no period is open yet.
    TestFolder();

    // Writes the period's folders and Fref row, sets the period and opens the thirteen
    // stores and Femp, as a run does once the period dialog is validated.
    void openPeriod(int year = 2023, int month = 3, int days = 22, int hours = 190);

    QString root() const { return m_dir.path(); }
    QString path(const QString& relative) const { return m_dir.filePath(relative); }
    Session& session() { return *m_session; }
    RecordingDialogs dialogs;

    // Reads or writes a store; a database failure fails the test.
    static Rows rows(Store& store, const QString& sql, const QStringList& params = {});
    static void exec(Store& store, const QString& sql, const QStringList& params = {});

    // Adds an employee: the 22 Fpers values, defaults for the ones not given.
    void addEmployee(const QString& mat, const QString& nom, const QString& prenom,
                     const QString& salaryCents);

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Session> m_session;
};
