#include "datafile.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sqlite3.h>

#include <filesystem>

using namespace Qt::StringLiterals;

namespace datagen {

namespace {

// A connection that may create its file, used only while making data.
class Db {
public:
    explicit Db(const QString& path)
    {
        if (sqlite3_open_v2(path.toUtf8().constData(), &m_db,
                            SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
            != SQLITE_OK)
            fail();
        // Data being made needs no flush per statement; the files are closed before use.
        exec(u"PRAGMA synchronous=OFF"_s);
    }
    ~Db() { sqlite3_close(m_db); }
    Db(const Db&) = delete;
    Db& operator=(const Db&) = delete;

    bool ok() const { return m_error.isEmpty(); }
    const QString& error() const { return m_error; }

    bool exec(const QString& sql)
    {
        if (!ok())
            return false;
        if (sqlite3_exec(m_db, sql.toUtf8().constData(), nullptr, nullptr, nullptr) != SQLITE_OK)
            return fail();
        return true;
    }

    bool run(const QString& sql, const std::vector<QStringList>& rows)
    {
        if (!ok())
            return false;
        sqlite3_stmt* stmt = nullptr;
        if (sqlite3_prepare_v2(m_db, sql.toUtf8().constData(), -1, &stmt, nullptr) != SQLITE_OK)
            return fail();
        for (const QStringList& values : rows) {
            for (int i = 0; i < values.size(); ++i) {
                const QByteArray utf8 = values[i].toUtf8();
                sqlite3_bind_text(stmt, i + 1, utf8.constData(), int(utf8.size()),
                                  SQLITE_TRANSIENT);
            }
            if (sqlite3_step(stmt) != SQLITE_DONE) {
                sqlite3_finalize(stmt);
                return fail();
            }
            sqlite3_reset(stmt);
            sqlite3_clear_bindings(stmt);
        }
        sqlite3_finalize(stmt);
        return true;
    }

private:
    bool fail()
    {
        m_error = m_db ? QString::fromUtf8(sqlite3_errmsg(m_db)) : u"out of memory"_s;
        return false;
    }
    sqlite3* m_db = nullptr;
    QString m_error;
};

bool setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
    return false;
}

QString amountColumns(const QStringList& names)
{
    QStringList parts;
    for (const QString& n : names)
        parts << n + u" TEXT"_s;
    return parts.join(u", ");
}

} // namespace

const std::vector<StoreSchema>& schemas()
{
    QStringList months;
    for (int m = 1; m <= 12; ++m)
        months << u"mnt%1"_s.arg(m, 2, 10, QChar(u'0'));
    static const std::vector<StoreSchema> all = {
        {u"fref.db"_s, u"Fref"_s,
         u"CREATE TABLE Fref (mois INTEGER, annee INTEGER, jo INTEGER, hn INTEGER, datenum INTEGER)"_s,
         {u"CREATE UNIQUE INDEX Fref_period ON Fref(annee, mois)"_s}},
        {u"frub.db"_s, u"Frub"_s,
         u"CREATE TABLE Frub (CodeRub INTEGER, LibRub TEXT, AR TEXT, Formule TEXT, Imp TEXT, "
         "MntFixe TEXT, BaseSS TEXT, BaseIrg TEXT, TauxFixe TEXT)"_s,
         {u"CREATE UNIQUE INDEX Frub_code ON Frub(CodeRub)"_s}},
        {u"fbank.db"_s, u"Fbank"_s, u"CREATE TABLE Fbank (bank TEXT)"_s, {}},
        {u"femp.db"_s, u"Femp"_s,
         u"CREATE TABLE Femp (numemp TEXT, denomination TEXT, raisonsociale TEXT, adresse TEXT, "
         "couleur INTEGER)"_s,
         {}},
        {u"fdas.db"_s, u"Fdas"_s,
         u"CREATE TABLE Fdas (Numss TEXT, DateNais TEXT, Mat TEXT, DateEnt TEXT, DateSor TEXT, "_s
             + amountColumns(months) + u")"_s,
         {u"CREATE UNIQUE INDEX Fdas_mat ON Fdas(Mat)"_s}},
        {u"fcumbul.db"_s, u"Fcumbul"_s,
         u"CREATE TABLE Fcumbul (coderub INTEGER, basenbre TEXT, gi TEXT, gni TEXT, ri TEXT, "
         "rni TEXT, librap TEXT, incss TEXT)"_s,
         {}},
        {u"ftrim.db"_s, u"Ftrim"_s,
         u"CREATE TABLE Ftrim (trim1 TEXT, trim2 TEXT, trim3 TEXT, trim4 TEXT, tot TEXT, trav TEXT)"_s,
         {}},
        {u"fparms.db"_s, u"Fparms"_s,
         u"CREATE TABLE Fparms (No INTEGER, nomparam TEXT, taux TEXT, ApMois TEXT, ApAnnee TEXT)"_s,
         {}},
        {u"pers.db"_s, u"Fpers"_s,
         u"CREATE TABLE Fpers ("_s
             + amountColumns({u"Mat"_s, u"Nom"_s, u"Prenom"_s, u"DateNais"_s, u"Adresse"_s,
                              u"Wilaya"_s, u"Fonc"_s, u"Af"_s, u"Clas"_s, u"Ech"_s, u"DateEnt"_s,
                              u"DateSor"_s, u"MotifSor"_s, u"Statut"_s, u"Sf"_s, u"Enf"_s,
                              u"Numss"_s, u"Sexe"_s, u"NumCpte"_s, u"Bank"_s, u"Salbase"_s,
                              u"modep"_s})
             + u")"_s,
         {u"CREATE UNIQUE INDEX Fpers_mat ON Fpers(Mat)"_s}},
        {u"paye.db"_s, u"Fpaye"_s,
         u"CREATE TABLE Fpaye (Mat TEXT, CodeRub INTEGER, BaseNbre TEXT, Taux TEXT, Mnt TEXT, "
         "LibRap TEXT)"_s,
         {u"CREATE UNIQUE INDEX Fpaye_element ON Fpaye(Mat, CodeRub)"_s}},
        {u"bul.db"_s, u"Fbul"_s,
         u"CREATE TABLE Fbul (Mat TEXT, CodeRub INTEGER, BaseNbre TEXT, Taux TEXT, Gi TEXT, "
         "Gni TEXT, Ri TEXT, Rni TEXT, LibRap TEXT, incss TEXT, incirg TEXT)"_s,
         {u"CREATE INDEX Fbul_mat ON Fbul(Mat)"_s, u"CREATE INDEX Fbul_code ON Fbul(CodeRub)"_s}},
        {u"irg.db"_s, u"Firg"_s, u"CREATE TABLE Firg (Imp INTEGER, Irg INTEGER)"_s,
         {u"CREATE UNIQUE INDEX Firg_imp ON Firg(Imp)"_s}},
        {u"bloc.db"_s, u"Fbloc"_s, u"CREATE TABLE Fbloc (Motif TEXT, Mat TEXT)"_s,
         {u"CREATE INDEX Fbloc_mat ON Fbloc(Mat)"_s}},
        {u"recap.db"_s, u"Frecap"_s,
         u"CREATE TABLE Frecap (CodeRub INTEGER, LibRub TEXT, Gi TEXT, Gni TEXT, Ri TEXT, Rni TEXT)"_s,
         {}},
    };
    return all;
}

const StoreSchema* schemaFor(const QString& fileName)
{
    for (const StoreSchema& s : schemas())
        if (s.fileName == fileName)
            return &s;
    return nullptr;
}

QStringList sharedFiles()
{
    return {u"frub.db"_s, u"fbank.db"_s, u"femp.db"_s, u"fdas.db"_s,
            u"fcumbul.db"_s, u"ftrim.db"_s, u"fparms.db"_s};
}

QStringList monthFiles()
{
    return {u"pers.db"_s, u"paye.db"_s, u"bul.db"_s, u"irg.db"_s, u"bloc.db"_s, u"recap.db"_s};
}

qint64 irgTax(qint64 amount)
{
    // Exact arithmetic in units of 1/(100 x 2040) dinar: 2040 = 5 x 51 x 8 clears every
    // denominator of the abatement (40 %) and of the smoothing between 30 000 and 35 000.
    constexpr qint64 unit = 2040;
    struct Bracket {
        qint64 from, to, percent;
    };
    constexpr Bracket brackets[] = {{20000, 40000, 23},  {40000, 80000, 27},
                                    {80000, 160000, 30}, {160000, 320000, 33},
                                    {320000, INT64_MAX / 4, 35}};
    qint64 gross = 0;  // hundredths of a dinar
    for (const Bracket& b : brackets)
        if (amount > b.from)
            gross += (qMin(amount, b.to) - b.from) * b.percent;
    if (amount <= 30000)
        return 0;
    const qint64 grossX = gross * unit;
    const qint64 abatementX = qBound<qint64>(100000 * unit, gross * 816, 150000 * unit);
    const qint64 netX = qMax<qint64>(grossX - abatementX, 0);
    qint64 taxX = netX;
    if (amount < 35000)
        taxX = netX / 51 * 137 - 27925 * 100 * 255;
    const qint64 scale = 100 * unit;
    if (taxX <= 0)
        return 0;
    return (taxX + scale / 2) / scale;  // halves up
}

const std::vector<QStringList>& defaultRubrics()
{
    static const std::vector<QStringList> rubrics = {
        {u"100"_s, u"SALAIRE DE BASE"_s, u"A"_s, u"04"_s, u"O"_s, u"0"_s, u"O"_s, u"O"_s, u"0"_s},
        {u"101"_s, u"INDEMNITE EXPERIENCE PROFESSIONNELLE (IEP)"_s, u"A"_s, u"03"_s, u"O"_s, u"0"_s, u"O"_s, u"O"_s, u"0"_s},
        {u"105"_s, u"PRIME DE RENDEMENT"_s, u"A"_s, u"03"_s, u"O"_s, u"0"_s, u"O"_s, u"O"_s, u"0"_s},
        {u"110"_s, u"HEURES SUPPLEMENTAIRES 50 %"_s, u"A"_s, u"06"_s, u"O"_s, u"0"_s, u"O"_s, u"O"_s, u"0"_s},
        {u"111"_s, u"HEURES SUPPLEMENTAIRES 75 %"_s, u"A"_s, u"07"_s, u"O"_s, u"0"_s, u"O"_s, u"O"_s, u"0"_s},
        {u"112"_s, u"HEURES SUPPLEMENTAIRES 100 %"_s, u"A"_s, u"08"_s, u"O"_s, u"0"_s, u"O"_s, u"O"_s, u"0"_s},
        {u"115"_s, u"INDEMNITE DE NUISANCE"_s, u"A"_s, u"01"_s, u"O"_s, u"0"_s, u"O"_s, u"O"_s, u"0"_s},
        {u"120"_s, u"PRIME DE RESPONSABILITE"_s, u"A"_s, u"01"_s, u"O"_s, u"0"_s, u"O"_s, u"O"_s, u"0"_s},
        {u"125"_s, u"RAPPEL SUR SALAIRE"_s, u"A"_s, u"01"_s, u"O"_s, u"0"_s, u"O"_s, u"O"_s, u"0"_s},
        {u"133"_s, u"INDEMNITE DE PANIER"_s, u"A"_s, u"02"_s, u"O"_s, u"0"_s, u"N"_s, u"O"_s, u"0"_s},
        {u"136"_s, u"INDEMNITE DE TRANSPORT"_s, u"A"_s, u"02"_s, u"O"_s, u"0"_s, u"N"_s, u"O"_s, u"0"_s},
        {u"199"_s, u"GAINS IMPOSABLES"_s, QString(), u"00"_s, QString(), u"0"_s, QString(), QString(), u"0"_s},
        {u"200"_s, u"ALLOCATIONS FAMILIALES"_s, u"A"_s, u"02"_s, u"N"_s, u"0"_s, u"N"_s, u"N"_s, u"0"_s},
        {u"205"_s, u"PRIME DE SCOLARITE"_s, u"A"_s, u"01"_s, u"N"_s, u"0"_s, u"N"_s, u"N"_s, u"0"_s},
        {u"299"_s, u"GAINS NON IMPOSABLES"_s, QString(), u"00"_s, QString(), u"0"_s, QString(), QString(), u"0"_s},
        {u"300"_s, u"RETENUE SECURITE SOCIALE"_s, u"R"_s, u"10"_s, u"N"_s, u"0"_s, u"N"_s, u"N"_s, u"900"_s},
        {u"310"_s, u"AVANCE SUR SALAIRE"_s, u"R"_s, u"01"_s, u"N"_s, u"0"_s, u"N"_s, u"N"_s, u"0"_s},
        {u"399"_s, u"RETENUES NON IMPOSABLES"_s, QString(), u"00"_s, QString(), u"0"_s, QString(), QString(), u"0"_s},
        {u"400"_s, u"RETENUE IRG"_s, u"R"_s, u"00"_s, u"O"_s, u"0"_s, u"N"_s, u"N"_s, u"0"_s},
        {u"406"_s, u"RETENUE MUTUELLE"_s, u"R"_s, u"10"_s, u"N"_s, u"0"_s, u"N"_s, u"N"_s, u"0"_s},
        {u"484"_s, u"RETENUE COMP. RETRAITE EMPLOYE"_s, u"R"_s, u"10"_s, u"N"_s, u"0"_s, u"N"_s, u"N"_s, u"0"_s},
        {u"499"_s, u"RETENUES IMPOSABLES"_s, QString(), u"00"_s, QString(), u"0"_s, QString(), QString(), u"0"_s},
        {u"500"_s, u"NET A PAYER"_s, QString(), u"00"_s, QString(), u"0"_s, QString(), QString(), u"0"_s},
    };
    return rubrics;
}

bool createStore(const QString& path, QString* error)
{
    const StoreSchema* schema = schemaFor(QFileInfo(path).fileName());
    if (!schema)
        return setError(error, u"fichier inconnu : %1"_s.arg(path));
    QFile::remove(path);
    Db db(path);
    db.exec(schema->create);
    for (const QString& index : schema->indexes)
        db.exec(index);
    // Delivered in the journal mode the program uses, so opening a store writes nothing.
    db.exec(u"PRAGMA journal_mode=WAL"_s);
    if (!db.ok())
        return setError(error, path + u": "_s + db.error());
    return true;
}

bool insertRows(const QString& path, const QString& sql, const std::vector<QStringList>& rows,
                QString* error)
{
    if (!QFileInfo::exists(path))
        return setError(error, u"fichier absent : %1"_s.arg(path));
    Db db(path);
    db.exec(u"BEGIN"_s);
    db.run(sql, rows);
    db.exec(u"COMMIT"_s);
    if (!db.ok())
        return setError(error, path + u": "_s + db.error());
    return true;
}

bool writeTemplate(const QString& root, QString* error)
{
    const QString shared = root + u"/modele/dataP"_s;
    const QString month = root + u"/modele/mois"_s;
    if (!QDir().mkpath(shared) || !QDir().mkpath(month))
        return setError(error, u"dossier impossible à créer sous %1"_s.arg(root));
    if (!createStore(root + u"/fref.db"_s, error))
        return false;
    for (const QString& f : sharedFiles())
        if (!createStore(shared + u'/' + f, error))
            return false;
    for (const QString& f : monthFiles())
        if (!createStore(month + u'/' + f, error))
            return false;

    if (!insertRows(shared + u"/frub.db"_s,
                    u"INSERT INTO Frub (CodeRub,LibRub,AR,Formule,Imp,MntFixe,BaseSS,BaseIrg,TauxFixe) "
                    "VALUES (?,?,?,?,?,?,?,?,?)"_s,
                    defaultRubrics(), error))
        return false;
    if (!insertRows(shared + u"/femp.db"_s,
                    u"INSERT INTO Femp (numemp,denomination,raisonsociale,adresse,couleur) "
                    "VALUES (?,?,?,?,?)"_s,
                    {{u"0000000000"_s, u"SARL ABC"_s, u"SARL ABC"_s, u"CHLEF"_s, u"0"_s}}, error))
        return false;
    if (!insertRows(shared + u"/fparms.db"_s,
                    u"INSERT INTO Fparms (No,nomparam,taux,ApMois,ApAnnee) VALUES (?,?,?,?,?)"_s,
                    {{u"1"_s, u"CNAS QUOTE-PART PATRONALE"_s, u"26"_s, u"1"_s, u"1"_s},
                     {u"2"_s, u"TAXE DE FORMATION PROFESSIONNELLE"_s, u"1"_s, u"1"_s, u"1"_s},
                     {u"3"_s, u"TAXE D'APPRENTISSAGE"_s, u"1"_s, u"1"_s, u"1"_s}},
                    error))
        return false;
    std::vector<QStringList> scale;
    scale.reserve(32001);
    for (qint64 amount = 0; amount <= 320000; amount += 10)
        scale.push_back({QString::number(amount), QString::number(irgTax(amount))});
    return insertRows(month + u"/irg.db"_s, u"INSERT INTO Firg (Imp,Irg) VALUES (?,?)"_s, scale,
                      error);
}

bool copyTree(const QString& from, const QString& to, QString* error)
{
    namespace fs = std::filesystem;
    std::error_code ec;
    fs::copy(fs::path(from.toStdString()), fs::path(to.toStdString()),
             fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    if (ec)
        return setError(error, from + u" -> "_s + to + u": "_s + QString::fromStdString(ec.message()));
    return true;
}

QString monthFolder(int year, int month)
{
    return u"%1/M%2"_s.arg(year).arg(month, 2, 10, QChar(u'0'));
}

bool writePeriod(const QString& root, int year, int month, int days, int hours, QString* error)
{
    if (!QFileInfo::exists(root + u"/modele/mois/irg.db"_s) && !writeTemplate(root, error))
        return false;
    const QString yearDir = root + u'/' + QString::number(year);
    QDir().mkpath(yearDir);
    for (const auto& [from, to] : {std::pair{u"/modele/dataP"_s, yearDir + u"/dataP"_s},
                                   std::pair{u"/modele/mois"_s, root + u'/' + monthFolder(year, month)}}) {
        if (QFileInfo(to).isDir())
            continue;
        if (!copyTree(root + from, to, error))
            return false;
    }
    const qint64 date = QDateTime(QDate(year, month, 1), QTime(0, 0)).toSecsSinceEpoch();
    return insertRows(root + u"/fref.db"_s,
                      u"INSERT OR REPLACE INTO Fref (mois,annee,jo,hn,datenum) VALUES (?,?,?,?,?)"_s,
                      {{QString::number(month), QString::number(year), QString::number(days),
                        QString::number(hours), QString::number(date)}},
                      error);
}

bool addEmployees(const QString& root, int year, int month, const std::vector<QStringList>& employees,
                  QString* error)
{
    QStringList marks;
    for (int i = 0; i < 22; ++i)
        marks << u"?"_s;
    if (!insertRows(root + u'/' + monthFolder(year, month) + u"/pers.db"_s,
                    u"INSERT INTO Fpers VALUES ("_s + marks.join(u',') + u')', employees, error))
        return false;
    std::vector<QStringList> banks;
    QStringList seen;
    for (const QStringList& e : employees) {
        const QString bank = e.value(19);
        if (!bank.isEmpty() && !seen.contains(bank)) {
            seen << bank;
            banks.push_back({bank});
        }
    }
    return insertRows(root + u'/' + QString::number(year) + u"/dataP/fbank.db"_s,
                      u"INSERT INTO Fbank (bank) SELECT ?1 WHERE NOT EXISTS "
                      "(SELECT 1 FROM Fbank WHERE bank = ?1)"_s,
                      banks, error);
}

bool addElements(const QString& root, int year, int month, const std::vector<Element>& elements,
                 QString* error)
{
    std::vector<QStringList> rows;
    rows.reserve(elements.size());
    for (const Element& e : elements)
        rows.push_back({e.mat, QString::number(e.code), e.base, e.rate, e.amount, e.complement});
    return insertRows(root + u'/' + monthFolder(year, month) + u"/paye.db"_s,
                      u"INSERT INTO Fpaye (Mat,CodeRub,BaseNbre,Taux,Mnt,LibRap) VALUES (?,?,?,?,?,?)"_s,
                      rows, error);
}

} // namespace datagen
