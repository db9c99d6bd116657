#pragma once

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

// The generator of the delivered data: the schema of the fourteen stores, the default
// rubrics, parameters, employer and income-tax scale, the empty year delivered with the
// program, and ready-made data folders (demo company, test fixtures, benchmark).
namespace datagen {

// The table of each store file, in the order start-up opens them after fref.db.
struct StoreSchema {
    QString fileName;  // "pers.db"
    QString table;     // "Fpers"
    QString create;    // CREATE TABLE with the columns in their physical order
    QStringList indexes;
};
const std::vector<StoreSchema>& schemas();
const StoreSchema* schemaFor(const QString& fileName);
// The seven files of a year's dataP folder and the six of a month folder.
QStringList sharedFiles();
QStringList monthFiles();

// Monthly income tax in whole dinars for a taxable amount in whole dinars.
qint64 irgTax(qint64 amount);

// Frub rows: code, designation, AR, formula, Imp, MntFixe, BaseSS, BaseIrg, TauxFixe.
const std::vector<QStringList>& defaultRubrics();

// Creates an empty store file with its table and indexes (an existing file is replaced).
bool createStore(const QString& path, QString* error);

// Executes statements on a file with bound text parameters, each row of values in turn.
bool insertRows(const QString& path, const QString& sql, const std::vector<QStringList>& rows,
                QString* error);

// root/fref.db (no period) and the empty year: root/modele/dataP and root/modele/mois.
bool writeTemplate(const QString& root, QString* error);

// A ready period under root (template written first when missing): the year's dataP and
// the month folder copied from the template, and the period's Fref row.
bool writePeriod(const QString& root, int year, int month, int days, int hours, QString* error);

// A pay element of Fpaye, values in hundredths.
struct Element {
    QString mat;
    int code = 0;
    QString base;
    QString rate;
    QString amount;
    QString complement;
};

// Fpers rows (22 values in column order) into a month folder, with their banks in dataP.
bool addEmployees(const QString& root, int year, int month, const std::vector<QStringList>& employees,
                  QString* error);
bool addElements(const QString& root, int year, int month, const std::vector<Element>& elements,
                 QString* error);

// Copies a folder tree (files replaced) without flushing each file: for data being made.
bool copyTree(const QString& from, const QString& to, QString* error);

// Folder of a period relative to root: "2026/M03".
QString monthFolder(int year, int month);

// A demo company for the month of the given date: a dozen employees and their elements.
bool writeDemo(const QString& root, QDate month, QString* error);

} // namespace datagen
