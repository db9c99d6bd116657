#include "shell/period.h"
#include "shell/period_dialog.h"
#include "shell/text.h"
#include "support/test_support.h"

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class PeriodTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(session().openReference()); }

    Session& session() { return folder.session(); }
    void addPeriodRow(const QString& month, const QString& year, const QString& days,
                      const QString& hours)
    {
        folder.exec(session().fref, u"INSERT INTO Fref (mois,annee,jo,hn,datenum) VALUES (?,?,?,?,0)"_s,
                    {month, year, days, hours});
    }
    Rows periods()
    {
        return folder.rows(session().fref, u"SELECT mois, annee, jo, hn FROM Fref ORDER BY annee, mois"_s);
    }
    bool record(int month, int year, int days = 22, int hours = 190)
    {
        return recordPeriod(session(), Period::make(month, year, days, hours));
    }
    bool exists(const QString& relative) { return QFileInfo::exists(folder.path(relative)); }

    TestFolder folder;
};

TEST_F(PeriodTest, EmptyCalendarPrefillsTheCurrentMonth)
{
    const PeriodEntry entry = periodPrefill(session());
    EXPECT_EQ(entry.monthName, u"DECEMBRE"_s);
    EXPECT_EQ(entry.year, u"2026"_s);
    EXPECT_EQ(entry.days, u"22"_s);
    EXPECT_EQ(entry.hours, u"190"_s);
}

TEST_F(PeriodTest, CalendarPrefillsTheLatestPeriod)
{
    addPeriodRow(u"12"_s, u"2023"_s, u"21"_s, u"180"_s);
    addPeriodRow(u"01"_s, u"2024"_s, u"23"_s, u"184"_s);
    addPeriodRow(u"3"_s, u"2024"_s, u"20"_s, u"176"_s);
    const PeriodEntry entry = periodPrefill(session());
    EXPECT_EQ(entry.monthName, u"MARS"_s);
    EXPECT_EQ(entry.year, u"2024"_s);
    EXPECT_EQ(entry.days, u"20"_s);
    EXPECT_EQ(entry.hours, u"176"_s);
    // "01" and 1 name the same month; the maximum of 12, 1 and 3 is numeric
    EXPECT_EQ(queryText(session().fref, u"SELECT count(*) FROM Fref WHERE mois=? AND annee=?"_s,
                        {u"1"_s, u"2024"_s}),
              u"1"_s);
    EXPECT_EQ(queryText(session().fref, u"SELECT max(mois) FROM Fref"_s), u"12"_s);
}

struct EntryCase {
    const char16_t* month;
    const char16_t* year;
    const char16_t* days;
    const char16_t* hours;
    const char16_t* message;  // empty: accepted
};

TEST(PeriodValidation, StopsAtTheFirstFailingField)
{
    const EntryCase cases[] = {
        {u"MARS", u"2023", u"22", u"190", u""},
        {u"mars", u"2023", u"22", u"190", u"Mois incorrect ! "},
        {u"MARS ", u"2023", u"22", u"190", u"Mois incorrect ! "},
        {u"mars", u"1999", u"0", u"0", u"Mois incorrect ! "},
        {u"MARS", u"2022", u"22", u"190", u"Année incorrecte ! "},
        {u"MARS", u"2027", u"22", u"190", u"Année incorrecte ! "},
        {u"MARS", u"", u"22", u"190", u"Année incorrecte ! "},
        {u"DECEMBRE", u"2026", u"22", u"190", u""},
        {u"MARS", u"2023", u"", u"190", u"Le nombre de jours ouvrables est incorrect ! "},
        {u"MARS", u"2023", u"31", u"190", u"Le nombre de jours ouvrables semble incorrect ! "},
        {u"MARS", u"2023", u"0", u"190", u"Le nombre de jours ouvrables semble incorrect ! "},
        {u"MARS", u"2023", u"30", u"abc", u"Le nombre d'heures ouvrables est incorrect ! "},
        {u"MARS", u"2023", u"22", u"-5", u"Le nombre d'heures ouvrables semble incorrect ! "},
        {u"MARS", u"2023", u"22", u"194", u"Le nombre d'heures ouvrables semble incorrect ! "},
        {u"MARS", u"2023", u"1", u"193", u""},
        {u"MARS", u"2023", u"22", u"173,5", u""},
    };
    for (const EntryCase& c : cases) {
        RecordingDialogs dialogs;
        const PeriodEntry entry{QString::fromUtf16(c.month), QString::fromUtf16(c.year),
                                QString::fromUtf16(c.days), QString::fromUtf16(c.hours)};
        const auto period = validatePeriodEntry(entry, QDate(2026, 12, 11), dialogs);
        const QString expected = QString::fromUtf16(c.message);
        SCOPED_TRACE((entry.monthName + u'|' + entry.year + u'|' + entry.days + u'|' + entry.hours)
                         .toStdString());
        if (expected.isEmpty()) {
            EXPECT_TRUE(period.has_value());
            EXPECT_TRUE(dialogs.entries().empty());
        } else {
            EXPECT_FALSE(period.has_value());
            ASSERT_EQ(dialogs.entries().size(), 1u);
            EXPECT_EQ(dialogs.lastTitle(), u"Erreur"_s);
            EXPECT_EQ(dialogs.lastText(), expected);
        }
    }
}

TEST(PeriodValidation, HoursWithADecimalCountWhole)
{
    RecordingDialogs dialogs;
    const auto period = validatePeriodEntry({u"AVRIL"_s, u"2024"_s, u"21"_s, u"173,5"_s},
                                            QDate(2026, 1, 1), dialogs);
    ASSERT_TRUE(period);
    EXPECT_EQ(period->month, 4);
    EXPECT_EQ(period->monthText, u"04"_s);
    EXPECT_EQ(period->workingHours, 173);
}

TEST_F(PeriodTest, FirstUseProvisionsTheMonthFromTheTemplate)
{
    ASSERT_TRUE(record(6, 2025));
    EXPECT_TRUE(exists(u"2025/dataP/frub.db"_s));
    EXPECT_TRUE(exists(u"2025/M06/irg.db"_s));
    EXPECT_FALSE(exists(u"2025/M01"_s));
    const Rows rows = periods();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (QStringList{u"6"_s, u"2025"_s, u"22"_s, u"190"_s}));
    EXPECT_TRUE(session().OpenDataStores());
    EXPECT_TRUE(folder.dialogs.entries().empty());
}

TEST_F(PeriodTest, NewMonthIsACopyOfThePreviousOne)
{
    folder.openPeriod(2023, 3);
    folder.addEmployee(u"0042"_s, u"KHELIFI"_s, u"AMINE"_s, u"6200000"_s);
    session().closeMonthStores();
    ASSERT_TRUE(record(4, 2023, 21, 180));
    ASSERT_TRUE(session().OpenDataStores());
    EXPECT_EQ(session().monthFolder(), u"2023/M04"_s);
    EXPECT_EQ(queryText(session().pers, u"SELECT Nom FROM Fpers WHERE Mat=?"_s, {u"0042"_s}),
              u"KHELIFI"_s);
    EXPECT_EQ(periods().size(), 2u);
}

TEST_F(PeriodTest, JanuaryOfAnExistingYearWithoutItsFolderFails)
{
    folder.openPeriod(2023, 3);
    EXPECT_FALSE(record(1, 2023));
    EXPECT_EQ(folder.dialogs.lastTitle(), u"Erreur de transfert"_s);
    EXPECT_EQ(folder.dialogs.lastText(), u"La paye du mois de JANVIER n'a pas pu être générée !"_s);
    EXPECT_FALSE(exists(u"2023/M01"_s));
    EXPECT_EQ(periods().size(), 2u);  // the calendar change stays
}

TEST_F(PeriodTest, NewYearStartsFromThePreviousDecember)
{
    folder.openPeriod(2023, 12);
    folder.addEmployee(u"0009"_s, u"AMRANI"_s, u"RACHID"_s, u"3350000"_s);
    folder.exec(session().frub, u"UPDATE Frub SET LibRub=? WHERE CodeRub=?"_s,
                {u"PRIME SPECIALE"_s, u"120"_s});
    session().closeMonthStores();
    for (Store* s : session().sharedStores())
        s->close();

    ASSERT_TRUE(record(1, 2024, 23, 184));
    const Rows rows = periods();
    ASSERT_EQ(rows.size(), 2u);  // December 2023, then one row for January 2024
    EXPECT_EQ(rows[1], (QStringList{u"1"_s, u"2024"_s, u"23"_s, u"184"_s}));
    ASSERT_TRUE(session().OpenDataStores());
    EXPECT_EQ(queryText(session().pers, u"SELECT Nom FROM Fpers WHERE Mat=?"_s, {u"0009"_s}),
              u"AMRANI"_s);
    EXPECT_EQ(queryText(session().frub, u"SELECT LibRub FROM Frub WHERE CodeRub=?"_s, {u"120"_s}),
              u"PRIME SPECIALE"_s);
}

TEST_F(PeriodTest, NewYearOnAnotherMonthFailsAtTheFolderButKeepsBothRows)
{
    folder.openPeriod(2023, 12);
    session().closeMonthStores();
    EXPECT_FALSE(record(3, 2024));
    EXPECT_EQ(folder.dialogs.lastText(), u"La paye du mois de MARS n'a pas pu être générée !"_s);
    const Rows rows = periods();
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[1][0], u"1"_s);
    EXPECT_EQ(rows[2][0], u"3"_s);
    EXPECT_TRUE(exists(u"2024/M01/pers.db"_s));
}

TEST_F(PeriodTest, RevalidatingAPeriodUpdatesItsDaysAndHoursOnly)
{
    folder.openPeriod(2023, 3, 22, 190);
    const QString date = queryText(session().fref, u"SELECT datenum FROM Fref"_s);
    ASSERT_TRUE(record(3, 2023, 20, 170));
    const Rows rows = periods();
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0], (QStringList{u"3"_s, u"2023"_s, u"20"_s, u"170"_s}));
    EXPECT_EQ(queryText(session().fref, u"SELECT datenum FROM Fref"_s), date);
}

TEST_F(PeriodTest, DateValueIsLocalMidnightOfTheFirstDay)
{
    ASSERT_TRUE(record(3, 2024));
    const qint64 stored = integerValue(queryText(session().fref, u"SELECT datenum FROM Fref"_s));
    EXPECT_EQ(QDateTime::fromSecsSinceEpoch(stored), QDateTime(QDate(2024, 3, 1), QTime(0, 0)));
}

TEST_F(PeriodTest, AStoreThatCannotBeOpenedIsReportedAndTheOthersOpen)
{
    folder.openPeriod(2023, 3);
    session().closeMonthStores();
    for (Store* s : session().sharedStores())
        s->close();
    ASSERT_TRUE(QFile::remove(folder.path(u"2023/dataP/fdas.db"_s)));
    EXPECT_TRUE(session().OpenDataStores());
    ASSERT_EQ(folder.dialogs.entries().size(), 1u);
    EXPECT_EQ(folder.dialogs.lastTitle(), u"Erreur"_s);
    EXPECT_EQ(folder.dialogs.lastText(),
              u"Ouverture base de données impossible ! (2023/dataP/fdas.db)    unable to open database file"_s);
    EXPECT_FALSE(session().fdas.isOpen());
    EXPECT_TRUE(session().recap.isOpen());

    session().closeMonthStores();
    ASSERT_TRUE(QFile::remove(folder.path(u"2023/M03/recap.db"_s)));
    EXPECT_FALSE(session().OpenDataStores());
}

TEST(ReferenceStore, MissingCalendarIsReported)
{
    TestFolder folder;
    ASSERT_TRUE(QFile::remove(folder.path(u"fref.db"_s)));
    EXPECT_FALSE(openReferenceStore(folder.session()));
    EXPECT_EQ(folder.dialogs.lastTitle(), u"Erreur"_s);
    EXPECT_EQ(folder.dialogs.lastText(),
              u"Ouverture fichier de référence >> fref.db impossible !unable to open database file"_s);
}

TEST_F(PeriodTest, EmployerValuesComeFromFempOrTheDefaults)
{
    folder.openPeriod(2023, 3);
    EXPECT_EQ(session().employer.number, u"0000000000"_s);
    EXPECT_EQ(session().employer.company, u"SARL ABC"_s);
    folder.exec(session().femp, u"DELETE FROM Femp"_s);
    session().loadEmployer();
    EXPECT_EQ(session().employer.number, u"0000000000"_s);
    EXPECT_EQ(session().employer.name, u"SARL ABC"_s);
    EXPECT_EQ(session().employer.company, QString());
    EXPECT_EQ(session().employer.address, u"CHLEF"_s);
}

TEST_F(PeriodTest, DialogShowsThePrefillAndStaysOpenOnAFailure)
{
    addPeriodRow(u"2"_s, u"2024"_s, u"20"_s, u"160"_s);
    PeriodDialog dialog(session());
    EXPECT_EQ(dialog.windowTitle(), u"Quorix 2021 - Mois de paye..."_s);
    EXPECT_EQ(dialog.monthBox()->currentText(), u"FEVRIER"_s);
    EXPECT_EQ(dialog.yearField()->text(), u"2024"_s);
    EXPECT_EQ(dialog.daysField()->text(), u"20"_s);
    EXPECT_EQ(dialog.hoursField()->text(), u"160"_s);
    EXPECT_EQ(dialog.daysField()->accessibleName(), u"Nbre de jours ouvrables:"_s);

    dialog.show();
    dialog.daysField()->setText(u"31"_s);
    dialog.validateButton()->click();
    EXPECT_TRUE(dialog.isVisible());
    EXPECT_EQ(folder.dialogs.lastText(), u"Le nombre de jours ouvrables semble incorrect ! "_s);

    dialog.daysField()->setText(u"21"_s);
    dialog.validateButton()->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    ASSERT_TRUE(dialog.period());
    EXPECT_EQ(dialog.period()->monthName, u"FEVRIER"_s);
    EXPECT_EQ(dialog.period()->workingDays, 21);
}

} // namespace
