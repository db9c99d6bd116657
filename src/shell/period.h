#pragma once

#include "session.h"

#include <QDate>
#include <QString>
#include <optional>

// The four texts of the period dialog.
struct PeriodEntry {
    QString monthName;
    QString year;
    QString days;
    QString hours;
};

// Folder of the empty year delivered with the data, copied on first use.
inline constexpr char16_t kTemplateFolder[] = u"modele";

// Opens fref.db; on failure shows "Ouverture fichier de référence >> fref.db impossible !"
// followed by the database error (the program then ends).
bool openReferenceStore(Session& session);

// What the period dialog shows first: the latest period of Fref, or the current month with
// 22 days and 190 hours when Fref has none.
PeriodEntry periodPrefill(Session& session);

// Checks the entry in the dialog's order and shows the first failure titled "Erreur".
std::optional<Period> validatePeriodEntry(const PeriodEntry& entry, QDate today, Dialogs& dialogs);

// Records the validated period and makes sure its folders exist: a first use provisions
// the year and month from the delivered template, a new year is made from the previous
// December, a new month from the month before it. False (message shown) when the month
// folder could not be made; the program then ends.
bool recordPeriod(Session& session, const Period& period);

// Creates the year folder of a year that Fref does not know, from the previous year.
void ProvisionNewYear(Session& session, const Period& period);

// Seconds since 1970 of local midnight of the first day of the month.
qint64 periodDateValue(int month, int year);
