#pragma once

#include <QString>
#include <QStringList>

struct CopyResult {
    bool ok = false;      // every file was copied
    int copied = 0;       // files copied
    QStringList failed;   // files (relative to the source) that could not be copied
    QString error;        // why the copy could not start, when it could not
};

// Copies the files of source into destination, which is created when missing (one level,
// its parent must exist). Subfolders are copied too when recursive. Existing files are
// replaced, read-only ones included. Fails when the source folder does not exist or the
// destination cannot be created.
CopyResult copyFolder(const QString& source, const QString& destination, bool recursive);
