#include "shell/store.h"
#include "support/test_support.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class StoreTest : public ::testing::Test {
protected:
    void SetUp() override { folder.openPeriod(2023, 3); }
    TestFolder folder;
    Session& session() { return folder.session(); }
};

TEST_F(StoreTest, QueryFailureIsReportedWithTheDatabaseText)
{
    Rows rows;
    EXPECT_FALSE(CheckDatabaseQuery(session().frub, u"SELECT * FROM Nowhere"_s, {}, &rows));
    EXPECT_TRUE(rows.empty());
    ASSERT_EQ(folder.dialogs.entries().size(), 1u);
    EXPECT_EQ(folder.dialogs.lastTitle(), u"Erreur CheckDatabaseQuery"_s);
    EXPECT_EQ(folder.dialogs.lastText(), u"no such table: Nowhere"_s);
}

TEST_F(StoreTest, UpdateFailureIsReportedWithTheTrailingSpaceTitle)
{
    // Fpers(Mat) is unique: a second insert of the same matricule fails.
    folder.addEmployee(u"0001"_s, u"A"_s, u"B"_s, u"100"_s);
    EXPECT_FALSE(CheckDataBaseUpdate(session().pers, u"INSERT INTO Fpers (Mat) VALUES (?)"_s,
                                     {u"0001"_s}));
    EXPECT_EQ(folder.dialogs.lastTitle(), u"Erreur CheckDataBaseUpdate "_s);
    EXPECT_TRUE(folder.dialogs.lastText().contains(u"UNIQUE constraint failed"_s));
}

TEST_F(StoreTest, QuotesAndSemicolonsAreStoredVerbatim)
{
    const QString tricky = u"L'AVANCE \"SPECIALE\"; DROP TABLE Frub; --"_s;
    EXPECT_TRUE(CheckDataBaseUpdate(session().frub, u"UPDATE Frub SET LibRub=? WHERE CodeRub=?"_s,
                                    {tricky, u"120"_s}));
    EXPECT_EQ(queryText(session().frub, u"SELECT LibRub FROM Frub WHERE CodeRub=?"_s, {u"120"_s}),
              tricky);
    EXPECT_TRUE(folder.dialogs.entries().empty());
}

TEST_F(StoreTest, ClosedStoreReportsEveryStatement)
{
    session().bloc.close();
    EXPECT_FALSE(queryHasRow(session().bloc, u"SELECT * FROM Fbloc"_s));
    EXPECT_FALSE(CheckDataBaseUpdate(session().bloc, u"DELETE FROM Fbloc"_s));
    ASSERT_EQ(folder.dialogs.entries().size(), 2u);
    EXPECT_EQ(folder.dialogs.entries()[0].title, u"Erreur CheckDatabaseQuery"_s);
    EXPECT_EQ(folder.dialogs.entries()[1].title, u"Erreur CheckDataBaseUpdate "_s);
}

TEST_F(StoreTest, NullAndIntegersReadAsText)
{
    folder.exec(session().recap, u"INSERT INTO Frecap (CodeRub, LibRub) VALUES (?, NULL)"_s,
                {u"0300"_s});
    const Rows rows = folder.rows(session().recap, u"SELECT * FROM Frecap"_s);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0][0], u"300"_s);  // an INTEGER code loses its leading zero
    EXPECT_EQ(rows[0][1], QString());
    EXPECT_EQ(rows[0].size(), 6);
    // an empty SUM reads as an empty text, not as 0
    EXPECT_EQ(queryText(session().bul, u"SELECT SUM(Gi) FROM Fbul"_s, {}, u"fallback"_s), QString());
}

TEST_F(StoreTest, TransactionRollsBackUnlessCommitted)
{
    {
        Transaction t(session().bloc);
        ASSERT_TRUE(t.active());
        folder.exec(session().bloc, u"INSERT INTO Fbloc (Motif, Mat) VALUES (?, ?)"_s,
                    {u"x"_s, u"0001"_s});
    }
    EXPECT_FALSE(queryHasRow(session().bloc, u"SELECT * FROM Fbloc"_s));
    {
        Transaction t(session().bloc);
        folder.exec(session().bloc, u"INSERT INTO Fbloc (Motif, Mat) VALUES (?, ?)"_s,
                    {u"x"_s, u"0001"_s});
        EXPECT_TRUE(t.commit());
    }
    EXPECT_TRUE(queryHasRow(session().bloc, u"SELECT * FROM Fbloc"_s));
}

TEST_F(StoreTest, ReopenedStoreSeesCommittedChangesAfterCheckpoint)
{
    folder.addEmployee(u"0007"_s, u"SAIDI"_s, u"OMAR"_s, u"3600000"_s);
    session().checkpointAll();
    // The checkpoint leaves the whole database in the main file, so a plain copy holds it.
    const QString copy = folder.path(u"copy.db"_s);
    ASSERT_TRUE(QFile::copy(session().pers.path(), copy));
    Store other(u"pers.db"_s);
    ASSERT_TRUE(other.open(copy));
    EXPECT_EQ(queryText(other, u"SELECT Nom FROM Fpers WHERE Mat=?"_s, {u"0007"_s}), u"SAIDI"_s);
}

} // namespace
