#pragma once

#include "store.h"

#include <QDate>
#include <QString>
#include <array>
#include <random>


class Dialogs;

// The payroll period of the run, fixed once the period dialog is validated.
struct Period {
    int month = 0;         // 1-12
    QString monthName;     // "MARS"
    QString monthText;     // "03"
    int year = 0;
    QString yearText;      // "2023"
    int workingDays = 0;   // jo of Fref
    int workingHours = 0;  // hn of Fref

    static Period make(int month, int year, int workingDays, int workingHours);
};

// The employer record kept in memory for the run; the prints and windows read it.
struct Employer {
    QString number;   // numemp
    QString name;     // denomination
    QString company;  // raisonsociale
    QString address;  // adresse
    qint64 colour = 0;

    static Employer defaults();
};

// Everything a run shares: the application folder, the open stores, the period, the
// employer values, the dialog seam, the random source of the progress steps and the tab
// request. Built at start-up and passed to every window and operation.
class Session {
public:
    Session(QString appDir, Dialogs& dialogs);
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const QString& appDir() const { return m_appDir; }
    // Absolute path of a path relative to the application folder ("2023/M03/pers.db").
    QString absolutePath(const QString& relative) const;

    Dialogs& dialogs() const { return *m_dialogs; }
    void setDialogs(Dialogs& dialogs);

    // Today's date; tests fix it.
    QDate today() const;
    void setToday(QDate date) { m_today = date; }

    // A whole number from 0 to maximum, both included: the random part of progress steps.
    int randomStep(int maximum);
    std::mt19937& random() { return m_random; }

    // Folders of the current period, relative to the application folder.
    QString yearFolder() const { return period.yearText; }
    QString sharedFolder() const { return period.yearText + QStringLiteral("/dataP"); }
    QString monthFolder() const { return period.yearText + QStringLiteral("/M") + period.monthText; }

    // Opens fref.db of the application folder.
    bool openReference();
    // Opens the seven shared stores of the year, then the six stores of the month, in this
    // order, reporting each failure; false when the last one (recap.db) failed.
    bool OpenDataStores();
    // The month's stores are closed around a replacement of their files, then reopened.
    void closeMonthStores();
    bool reopenMonthStores();
    // Writes every open store's log back into its file before a folder is copied.
    void checkpointAll();
    // Reads Femp into the employer values; the defaults stay when it has no row.
    void loadEmployer();

    std::array<Store*, 7> sharedStores();
    std::array<Store*, 6> monthStores();

    Store fref{QStringLiteral("fref.db")};
    Store frub{QStringLiteral("frub.db")};
    Store fbank{QStringLiteral("fbank.db")};
    Store femp{QStringLiteral("femp.db")};
    Store fdas{QStringLiteral("fdas.db")};
    Store fcumbul{QStringLiteral("fcumbul.db")};
    Store ftrim{QStringLiteral("ftrim.db")};
    Store fparms{QStringLiteral("fparms.db")};
    Store pers{QStringLiteral("pers.db")};
    Store paye{QStringLiteral("paye.db")};
    Store bul{QStringLiteral("bul.db")};
    Store irg{QStringLiteral("irg.db")};
    Store bloc{QStringLiteral("bloc.db")};
    Store recap{QStringLiteral("recap.db")};

    Period period;
    Employer employer = Employer::defaults();
    // The tab the next module window shows first; set by the menu, reset after each event.
    int tabRequest = 0;

private:
    bool openStore(Store& store, const QString& folder);
    std::array<Store*, 14> allStores();

    QString m_appDir;
    Dialogs* m_dialogs;
    QDate m_today;
    std::mt19937 m_random;
};
