#include "session.h"

#include "dialogs.h"
#include "text.h"
#include "vocabulary.h"

#include <QDir>

using namespace Qt::StringLiterals;

Period Period::make(int month, int year, int workingDays, int workingHours)
{
    Period p;
    p.month = month;
    p.monthName = monthNames().value(month - 1);
    p.monthText = QString::number(month).rightJustified(2, u'0');
    p.year = year;
    p.yearText = QString::number(year);
    p.workingDays = workingDays;
    p.workingHours = workingHours;
    return p;
}

Employer Employer::defaults()
{
    return Employer{u"0000000000"_s, u"SARL ABC"_s, QString(), u"CHLEF"_s, 0};
}

Session::Session(QString appDir, Dialogs& dialogs)
    : m_appDir(QDir(appDir).absolutePath()), m_dialogs(&dialogs),
      m_random(std::random_device{}())
{
    setDialogs(dialogs);
}

void Session::setDialogs(Dialogs& dialogs)
{
    m_dialogs = &dialogs;
    for (Store* store : allStores())
        store->setDialogs(&dialogs);
}

QString Session::absolutePath(const QString& relative) const
{
    return QDir(m_appDir).filePath(relative);
}

QDate Session::today() const
{
    return m_today.isValid() ? m_today : QDate::currentDate();
}

int Session::randomStep(int maximum)
{
    return std::uniform_int_distribution<int>(0, maximum)(m_random);
}

bool Session::openReference()
{
    return fref.open(absolutePath(fref.fileName()), fref.fileName());
}

bool Session::openStore(Store& store, const QString& folder)
{
    const QString relative = folder + u'/' + store.fileName();
    if (store.open(absolutePath(relative), relative))
        return true;
    m_dialogs->message(u"Erreur"_s, u"Ouverture base de données impossible ! ("_s + relative
                                        + u")    "_s + store.errorText());
    return false;
}

bool Session::OpenDataStores()
{
    for (Store* store : sharedStores())
        openStore(*store, sharedFolder());
    bool last = true;
    for (Store* store : monthStores())
        last = openStore(*store, monthFolder());
    return last;
}

void Session::closeMonthStores()
{
    for (Store* store : monthStores())
        store->close();
}

bool Session::reopenMonthStores()
{
    bool ok = true;
    for (Store* store : monthStores())
        ok = openStore(*store, monthFolder()) && ok;
    return ok;
}

void Session::checkpointAll()
{
    for (Store* store : allStores())
        store->checkpoint();
}

void Session::loadEmployer()
{
    employer = Employer::defaults();
    QStringList row;
    if (!queryFirstRow(femp, u"SELECT * FROM Femp"_s, {}, &row))
        return;
    employer.number = row.value(0);
    employer.name = row.value(1);
    employer.company = row.value(2);
    employer.address = row.value(3);
    employer.colour = integerValue(row.value(4));
}

std::array<Store*, 7> Session::sharedStores()
{
    return {&frub, &fbank, &femp, &fdas, &fcumbul, &ftrim, &fparms};
}

std::array<Store*, 6> Session::monthStores()
{
    return {&pers, &paye, &bul, &irg, &bloc, &recap};
}

std::array<Store*, 14> Session::allStores()
{
    return {&fref, &frub, &fbank, &femp, &fdas, &fcumbul, &ftrim,
            &fparms, &pers, &paye, &bul, &irg, &bloc, &recap};
}
