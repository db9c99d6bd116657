#include "file_copy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

bool replaceFile(const QString& from, const QString& to)
{
    if (QFileInfo::exists(to)) {
        QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner
                                      | QFileDevice::ReadOwner);
        if (!QFile::remove(to))
            return false;
    }
    if (!QFile::copy(from, to))
        return false;
    // A copy of a read-only file must stay writable: the program writes into its stores.
    QFile::setPermissions(to, QFile::permissions(to) | QFileDevice::WriteOwner);
    return true;
}

void copyInto(const QDir& source, const QDir& destination, const QString& prefix, bool recursive,
              CopyResult& result)
{
    const QFileInfoList entries
        = source.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::Hidden,
                               QDir::Name);
    for (const QFileInfo& entry : entries) {
        const QString name = prefix + entry.fileName();
        if (entry.isDir()) {
            if (!recursive)
                continue;
            const QString target = destination.filePath(entry.fileName());
            if (!QFileInfo(target).isDir() && !destination.mkdir(entry.fileName())) {
                result.failed << name + u'/';
                continue;
            }
            copyInto(QDir(entry.filePath()), QDir(target), name + u'/', recursive, result);
            continue;
        }
        if (replaceFile(entry.filePath(), destination.filePath(entry.fileName())))
            ++result.copied;
        else
            result.failed << name;
    }
}

} // namespace

CopyResult copyFolder(const QString& source, const QString& destination, bool recursive)
{
    CopyResult result;
    const QFileInfo sourceInfo(source);
    if (!sourceInfo.isDir()) {
        result.error = u"dossier source introuvable : %1"_s.arg(source);
        return result;
    }
    QDir target(destination);
    if (!target.exists() && !QDir().mkdir(destination)) {
        result.error = u"dossier de destination impossible à créer : %1"_s.arg(destination);
        return result;
    }
    copyInto(QDir(source), target, QString(), recursive, result);
    result.ok = result.failed.isEmpty();
    return result;
}
