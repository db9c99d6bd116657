#include "datafile.h"
#include "shell/store.h"
#include "support/test_support.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class DeliveredData : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        root = new QTemporaryDir;
        QString error;
        ASSERT_TRUE(datagen::writeTemplate(root->path(), &error)) << error.toStdString();
    }
    static void TearDownTestSuite() { delete root; }

    // Opens a delivered file the way the program does.
    static std::unique_ptr<Store> open(const QString& relative)
    {
        auto store = std::make_unique<Store>(relative);
        EXPECT_TRUE(store->open(root->filePath(relative))) << store->errorText().toStdString();
        return store;
    }
    static inline QTemporaryDir* root = nullptr;
};

TEST_F(DeliveredData, EveryTableHasItsColumnsInOrder)
{
    const std::pair<const char16_t*, const char16_t*> tables[] = {
        {u"fref.db", u"mois annee jo hn datenum"},
        {u"modele/dataP/frub.db", u"CodeRub LibRub AR Formule Imp MntFixe BaseSS BaseIrg TauxFixe"},
        {u"modele/dataP/fbank.db", u"bank"},
        {u"modele/dataP/femp.db", u"numemp denomination raisonsociale adresse couleur"},
        {u"modele/dataP/fdas.db", u"Numss DateNais Mat DateEnt DateSor mnt01 mnt02 mnt03 mnt04 mnt05 "
                                  u"mnt06 mnt07 mnt08 mnt09 mnt10 mnt11 mnt12"},
        {u"modele/dataP/fcumbul.db", u"coderub basenbre gi gni ri rni librap incss"},
        {u"modele/dataP/ftrim.db", u"trim1 trim2 trim3 trim4 tot trav"},
        {u"modele/dataP/fparms.db", u"No nomparam taux ApMois ApAnnee"},
        {u"modele/mois/pers.db", u"Mat Nom Prenom DateNais Adresse Wilaya Fonc Af Clas Ech DateEnt "
                                 u"DateSor MotifSor Statut Sf Enf Numss Sexe NumCpte Bank Salbase modep"},
        {u"modele/mois/paye.db", u"Mat CodeRub BaseNbre Taux Mnt LibRap"},
        {u"modele/mois/bul.db", u"Mat CodeRub BaseNbre Taux Gi Gni Ri Rni LibRap incss incirg"},
        {u"modele/mois/irg.db", u"Imp Irg"},
        {u"modele/mois/bloc.db", u"Motif Mat"},
        {u"modele/mois/recap.db", u"CodeRub LibRub Gi Gni Ri Rni"},
    };
    for (const auto& [file, columns] : tables) {
        const QString relative = QString::fromUtf16(file);
        auto store = open(relative);
        const QString table = datagen::schemaFor(QFileInfo(relative).fileName())->table;
        const Rows info = TestFolder::rows(*store, u"PRAGMA table_info("_s + table + u')');
        QStringList names;
        for (const QStringList& column : info)
            names << column.value(1);
        EXPECT_EQ(names.join(u' '), QString::fromUtf16(columns)) << relative.toStdString();
    }
}

TEST_F(DeliveredData, CodesAndScaleAreIntegerColumnsTheRestText)
{
    auto bul = open(u"modele/mois/bul.db"_s);
    const Rows info = TestFolder::rows(*bul, u"PRAGMA table_info(Fbul)"_s);
    EXPECT_EQ(info[1][2], u"INTEGER"_s);
    EXPECT_EQ(info[4][2], u"TEXT"_s);
    auto irg = open(u"modele/mois/irg.db"_s);
    const Rows scale = TestFolder::rows(*irg, u"PRAGMA table_info(Firg)"_s);
    EXPECT_EQ(scale[0][2], u"INTEGER"_s);
    EXPECT_EQ(scale[1][2], u"INTEGER"_s);
}

TEST_F(DeliveredData, IncomeTaxScaleHasEveryTenDinarsWithTheCheckRows)
{
    auto irg = open(u"modele/mois/irg.db"_s);
    EXPECT_EQ(queryText(*irg, u"SELECT count(*) FROM Firg"_s), u"32001"_s);
    EXPECT_EQ(queryText(*irg, u"SELECT count(*) FROM Firg WHERE Imp % 10 <> 0"_s), u"0"_s);
    EXPECT_EQ(queryText(*irg, u"SELECT min(Imp) || ' ' || max(Imp) FROM Firg"_s), u"0 320000"_s);
    const std::pair<int, int> checks[] = {{0, 0},          {30000, 0},      {34000, 1699},
                                          {35000, 2070},   {42500, 3775},   {120000, 25900},
                                          {320000, 90700}, {30010, 8},      {20000, 0}};
    for (const auto& [amount, tax] : checks) {
        EXPECT_EQ(queryText(*irg, u"SELECT Irg FROM Firg WHERE Imp=?"_s, {QString::number(amount)}),
                  QString::number(tax))
            << amount;
        EXPECT_EQ(datagen::irgTax(amount), tax) << amount;
    }
}

TEST_F(DeliveredData, TaxNeverDecreasesAlongTheScale)
{
    qint64 previous = 0;
    for (qint64 amount = 0; amount <= 320000; amount += 10) {
        const qint64 tax = datagen::irgTax(amount);
        ASSERT_GE(tax, previous) << amount;
        previous = tax;
    }
}

TEST_F(DeliveredData, IndexesGuardTheKeys)
{
    const std::pair<const char16_t*, const char16_t*> unique[] = {
        {u"modele/mois/pers.db", u"INSERT INTO Fpers (Mat) VALUES ('A'), ('A')"},
        {u"modele/dataP/frub.db", u"INSERT INTO Frub (CodeRub) VALUES (100)"},
        {u"modele/mois/paye.db", u"INSERT INTO Fpaye (Mat, CodeRub) VALUES ('A', 100), ('A', '100')"},
        {u"modele/mois/irg.db", u"INSERT INTO Firg (Imp, Irg) VALUES (10, 0)"},
        {u"modele/dataP/fdas.db", u"INSERT INTO Fdas (Mat) VALUES ('A'), ('A')"},
    };
    for (const auto& [file, sql] : unique) {
        auto store = open(QString::fromUtf16(file));
        RecordingDialogs dialogs;
        store->setDialogs(&dialogs);
        Transaction t(*store);  // rolled back: the delivered files stay as they are
        EXPECT_FALSE(CheckDataBaseUpdate(*store, QString::fromUtf16(sql)))
            << QString::fromUtf16(file).toStdString();
    }
}

TEST_F(DeliveredData, DefaultsAreInPlace)
{
    auto frub = open(u"modele/dataP/frub.db"_s);
    const Rows rubrics = TestFolder::rows(*frub, u"SELECT * FROM Frub ORDER BY CodeRub"_s);
    EXPECT_EQ(rubrics.size(), datagen::defaultRubrics().size());
    EXPECT_EQ(rubrics.front(), (QStringList{u"100"_s, u"SALAIRE DE BASE"_s, u"A"_s, u"04"_s, u"O"_s,
                                            u"0"_s, u"O"_s, u"O"_s, u"0"_s}));
    for (const QStringList& r : rubrics) {
        const int code = r[0].toInt();
        EXPECT_TRUE(code >= 100 && code <= 500) << code;
        if (code % 100 != 99 && code != 500)
            EXPECT_TRUE((r[2] == u"A" || r[2] == u"R") && (r[4] == u"O" || r[4] == u"N")) << code;
    }
    EXPECT_EQ(queryText(*frub, u"SELECT TauxFixe FROM Frub WHERE CodeRub=300"_s), u"900"_s);

    auto femp = open(u"modele/dataP/femp.db"_s);
    EXPECT_EQ(TestFolder::rows(*femp, u"SELECT * FROM Femp"_s),
              (Rows{{u"0000000000"_s, u"SARL ABC"_s, u"SARL ABC"_s, u"CHLEF"_s, u"0"_s}}));
    auto fparms = open(u"modele/dataP/fparms.db"_s);
    const Rows parms = TestFolder::rows(*fparms, u"SELECT * FROM Fparms order by no"_s);
    ASSERT_EQ(parms.size(), 3u);
    EXPECT_EQ(parms[0], (QStringList{u"1"_s, u"CNAS QUOTE-PART PATRONALE"_s, u"26"_s, u"1"_s, u"1"_s}));
    auto fref = open(u"fref.db"_s);
    EXPECT_EQ(queryText(*fref, u"SELECT count(*) FROM Fref"_s), u"0"_s);
}

TEST(DemoCompany, OpensOnTheCurrentMonthWithPayElements)
{
    QTemporaryDir dir;
    QString error;
    ASSERT_TRUE(datagen::writeTemplate(dir.path(), &error));
    ASSERT_TRUE(datagen::writeDemo(dir.path(), QDate(2026, 12, 11), &error)) << error.toStdString();
    RecordingDialogs dialogs;
    Session session(dir.path(), dialogs);
    ASSERT_TRUE(session.openReference());
    session.period = Period::make(12, 2026, 22, 173);
    ASSERT_TRUE(session.OpenDataStores());
    EXPECT_TRUE(dialogs.entries().empty());
    EXPECT_EQ(queryText(session.fref, u"SELECT mois || '/' || annee || ' ' || jo FROM Fref"_s),
              u"12/2026 22"_s);
    EXPECT_EQ(queryText(session.pers, u"SELECT count(*) FROM Fpers"_s), u"12"_s);
    // every employee has his base salary, social security and income tax elements
    EXPECT_EQ(queryText(session.paye,
                        u"SELECT count(DISTINCT Mat) FROM Fpaye WHERE CodeRub IN (100, 300, 400) "
                        "GROUP BY CodeRub HAVING count(*) = 12 LIMIT 1"_s),
              u"12"_s);
    // every bank of an employee is in Fbank once; employees paid by transfer have an account
    EXPECT_EQ(queryText(session.fbank, u"SELECT count(*) - count(DISTINCT bank) FROM Fbank"_s), u"0"_s);
    EXPECT_EQ(queryText(session.pers, u"SELECT count(*) FROM Fpers WHERE modep='V' AND NumCpte=''"_s),
              u"0"_s);
}

} // namespace
