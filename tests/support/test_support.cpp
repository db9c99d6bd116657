#include "test_support.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The delivered data is written once per test program and copied into each folder.
QString templateFolder()
{
    static QTemporaryDir dir;
    static const bool written = [] {
        QString error;
        const bool ok = datagen::writeTemplate(dir.path(), &error);
        EXPECT_TRUE(ok) << error.toStdString();
        return ok;
    }();
    Q_UNUSED(written);
    return dir.path();
}

} // namespace

TestFolder::TestFolder()
{
    EXPECT_TRUE(m_dir.isValid());
    QString error;
    EXPECT_TRUE(datagen::copyTree(templateFolder(), m_dir.path(), &error)) << error.toStdString();
    m_session = std::make_unique<Session>(m_dir.path(), dialogs);
    m_session->setToday(QDate(2026, 12, 11));
}

void TestFolder::openPeriod(int year, int month, int days, int hours)
{
    QString error;
    ASSERT_TRUE(datagen::writePeriod(root(), year, month, days, hours, &error)) << error.toStdString();
    ASSERT_TRUE(m_session->openReference());
    m_session->period = Period::make(month, year, days, hours);
    ASSERT_TRUE(m_session->OpenDataStores()) << dialogs.lastText().toStdString();
    m_session->loadEmployer();
    dialogs.clear();
}

Rows TestFolder::rows(Store& store, const QString& sql, const QStringList& params)
{
    Rows result;
    RecordingDialogs local;
    Dialogs* previous = store.dialogs();
    store.setDialogs(&local);
    const bool ok = CheckDatabaseQuery(store, sql, params, &result);
    store.setDialogs(previous);
    EXPECT_TRUE(ok) << local.lastText().toStdString();
    return result;
}

void TestFolder::exec(Store& store, const QString& sql, const QStringList& params)
{
    RecordingDialogs local;
    Dialogs* previous = store.dialogs();
    store.setDialogs(&local);
    const bool ok = CheckDataBaseUpdate(store, sql, params);
    store.setDialogs(previous);
    EXPECT_TRUE(ok) << local.lastText().toStdString();
}

void TestFolder::addEmployee(const QString& mat, const QString& nom, const QString& prenom,
                             const QString& salaryCents)
{
    QStringList values = {mat,     nom,     prenom,  u"01/01/1980"_s, u"x"_s, u"CHLEF"_s,
                          u"x"_s,  u"x"_s,  u"x"_s,  u"0"_s,          u"01/01/2020"_s,
                          QString(), QString(), u"P"_s, u"C"_s,       u"0"_s, u"123"_s,
                          u"M"_s,  QString(), QString(), salaryCents, u"E"_s};
    QStringList marks;
    for (int i = 0; i < 22; ++i)
        marks << u"?"_s;
    exec(m_session->pers, u"INSERT INTO Fpers VALUES ("_s + marks.join(u',') + u')', values);
}
