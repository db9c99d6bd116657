#include "period.h"

#include "dialogs.h"
#include "file_copy.h"
#include "text.h"
#include "vocabulary.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kMaxYear = u"SELECT max(annee) FROM Fref"_s;
const QString kMaxMonth = u"SELECT max(mois) FROM Fref where annee=?"_s;
const QString kPeriodRow = u"SELECT * from Fref where annee=? and mois=?"_s;
const QString kYearRows = u"SELECT * FROM Fref where annee=?"_s;
const QString kAnyRow = u"SELECT * FROM Fref"_s;
const QString kMonthRow = u"SELECT * FROM Fref where mois=? and annee=?"_s;
const QString kUpdateDays = u"Update fref set jo=?,hn=? where mois=? and annee=?"_s;
const QString kInsertPeriod = u"INSERT INTO Fref (mois,annee,jo,hn,datenum) values (?,?,?,?,?)"_s;

QString monthFolderName(const QString& year, int month)
{
    return year + u"/M"_s + QString::number(month).rightJustified(2, u'0');
}

// The first use of an installation: copy the delivered empty year into the folders the
// period needs, never over a folder that already exists.
void provisionFromTemplate(Session& session, const Period& period)
{
    const QString base = session.absolutePath(QString::fromUtf16(kTemplateFolder));
    QDir().mkpath(session.absolutePath(period.yearText));
    const QString shared = session.absolutePath(session.sharedFolder());
    if (!QFileInfo(shared).isDir())
        copyFolder(base + u"/dataP"_s, shared, false);
    const QString month = session.absolutePath(session.monthFolder());
    if (!QFileInfo(month).isDir())
        copyFolder(base + u"/mois"_s, month, true);
}

} // namespace

bool openReferenceStore(Session& session)
{
    if (session.openReference())
        return true;
    session.dialogs().message(u"Erreur"_s, u"Ouverture fichier de référence >> fref.db impossible !"_s
                                               + session.fref.errorText());
    return false;
}

PeriodEntry periodPrefill(Session& session)
{
    const qint64 year = integerValue(queryText(session.fref, kMaxYear));
    qint64 month = 0;
    if (year > 0)
        month = integerValue(queryText(session.fref, kMaxMonth, {QString::number(year)}));

    PeriodEntry entry;
    QStringList row;
    if (queryFirstRow(session.fref, kPeriodRow, {QString::number(year), QString::number(month)},
                      &row)) {
        entry.monthName = monthNames().value(int(integerValue(row.value(0))) - 1);
        entry.year = row.value(1);
        entry.days = row.value(2);
        entry.hours = row.value(3);
    } else {
        const QDate today = session.today();
        entry.monthName = monthNames().value(today.month() - 1);
        entry.year = QString::number(today.year());
        entry.days = u"22"_s;
        entry.hours = u"190"_s;
    }
    return entry;
}

std::optional<Period> validatePeriodEntry(const PeriodEntry& entry, QDate today, Dialogs& dialogs)
{
    auto refuse = [&](const QString& text) {
        dialogs.message(u"Erreur"_s, text);
        return std::nullopt;
    };
    const qsizetype month = monthNames().indexOf(entry.monthName);
    if (month < 0)
        return refuse(u"Mois incorrect ! "_s);
    if (!IsNumericText(entry.year))
        return refuse(u"Année incorrecte ! "_s);
    const qint64 year = integerValue(entry.year);
    if (year < 2023 || year > today.year())
        return refuse(u"Année incorrecte ! "_s);
    if (!IsNumericText(entry.days))
        return refuse(u"Le nombre de jours ouvrables est incorrect ! "_s);
    const qint64 days = integerValue(entry.days);
    if (days < 1 || days > 30)
        return refuse(u"Le nombre de jours ouvrables semble incorrect ! "_s);
    if (!IsNumericText(entry.hours))
        return refuse(u"Le nombre d'heures ouvrables est incorrect ! "_s);
    const qint64 hours = integerValue(entry.hours);
    if (hours < 1 || hours > 193)
        return refuse(u"Le nombre d'heures ouvrables semble incorrect ! "_s);
    return Period::make(int(month) + 1, int(year), int(days), int(hours));
}

qint64 periodDateValue(int month, int year)
{
    return QDateTime(QDate(year, month, 1), QTime(0, 0)).toSecsSinceEpoch();
}

void ProvisionNewYear(Session& session, const Period& period)
{
    const QString previous = QString::number(period.year - 1);
    QDir().mkdir(session.absolutePath(period.yearText));
    copyFolder(session.absolutePath(previous + u"/dataP"_s),
               session.absolutePath(period.yearText + u"/dataP"_s), false);
    copyFolder(session.absolutePath(monthFolderName(previous, 12)),
               session.absolutePath(monthFolderName(period.yearText, 1)), false);
    CheckDataBaseUpdate(session.fref, kInsertPeriod,
                        {u"01"_s, period.yearText, QString::number(period.workingDays),
                         QString::number(period.workingHours),
                         QString::number(periodDateValue(1, period.year))});
}

bool recordPeriod(Session& session, const Period& period)
{
    session.period = period;
    const QString days = QString::number(period.workingDays);
    const QString hours = QString::number(period.workingHours);
    const QString month = QString::number(period.month);

    if (!queryHasRow(session.fref, kAnyRow))
        provisionFromTemplate(session, period);
    else if (!queryHasRow(session.fref, kYearRows, {period.yearText}))
        ProvisionNewYear(session, period);

    if (queryHasRow(session.fref, kMonthRow, {month, period.yearText}))
        CheckDataBaseUpdate(session.fref, kUpdateDays, {days, hours, month, period.yearText});
    else
        CheckDataBaseUpdate(session.fref, kInsertPeriod,
                            {month, period.yearText, days, hours,
                             QString::number(periodDateValue(period.month, period.year))});

    const QString target = session.absolutePath(session.monthFolder());
    if (QFileInfo(target).isDir())
        return true;
    const CopyResult copy = copyFolder(
        session.absolutePath(monthFolderName(period.yearText, period.month - 1)), target, true);
    if (copy.ok)
        return true;
    // A half-made month would open next time as if it were complete.
    if (copy.error.isEmpty())
        QDir(target).removeRecursively();
    session.dialogs().message(u"Erreur de transfert"_s, u"La paye du mois de "_s + period.monthName
                                                             + u" n'a pas pu être générée !"_s);
    return false;
}
