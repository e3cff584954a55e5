// The history file: attempts written and read back, kept across a reopening,
// a damaged file set aside (never written over) with a French message, a
// locked or newer file left alone, and values out of range read as none.
#include "historique/HistoriqueSqlite.h"

#include <gmock/gmock.h>

#include "EnvironnementQt.h"

#include <QSqlDatabase>
#include <QSqlQuery>

#include <fstream>
#include <iterator>

namespace kalvo::test {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

class HistoriqueSqliteTest : public ::testing::Test {
 protected:
  HistoriqueSqliteTest() {
    dossier = fs::path(::testing::TempDir()) /
              ("kalvo-historique-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(dossier);
    fs::create_directories(dossier);
    fichier = dossier / NomFichierHistorique;
  }
  ~HistoriqueSqliteTest() override { fs::remove_all(dossier); }

  static TTentative Tentative(int donne, int note) {
    return {.DateHeure = "2026-12-09T21:43:05",
            .Donne = donne,
            .Collection = donne + 20,
            .NoteJeu = note,
            .NoteQuestions = 90,
            .Refusees = {{"SA", 12}, {"HT", 49}},
            .JouePourMoi = donne % 2 == 0};
  }
  static std::string Octets(const fs::path& chemin) {
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), {}};
  }
  // Runs one statement on the file through a connection of the test's own.
  void Execute(const QString& requete) {
    {
      QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-direct"));
      base.setDatabaseName(QString::fromStdString(fichier.string()));
      ASSERT_TRUE(base.open());
      QSqlQuery q(base);
      EXPECT_TRUE(q.exec(requete)) << requete.toStdString();
      base.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("test-direct"));
  }

  fs::path dossier, fichier;
};

TEST_F(HistoriqueSqliteTest, EcritRelitEtSurvitALaReouverture) {
  {
    TOuvertureHistorique o = OuvreHistorique(fichier);
    ASSERT_TRUE(o.Historique) << o.Message;
    EXPECT_THAT(o.Message, IsEmpty());
    EXPECT_THAT(o.Historique->Tentatives(), IsEmpty());
    EXPECT_TRUE(o.Historique->Ajoute(Tentative(1, 70)));
    EXPECT_TRUE(o.Historique->Ajoute(Tentative(2, -1)));
    EXPECT_THAT(o.Historique->Tentatives(), ElementsAre(Tentative(1, 70), Tentative(2, -1)));
  }
  // Closed, reopened: the same attempts in the same order, then more.
  TOuvertureHistorique o = OuvreHistorique(fichier);
  ASSERT_TRUE(o.Historique);
  EXPECT_THAT(o.Message, IsEmpty());
  EXPECT_TRUE(o.Historique->Ajoute(Tentative(3, 0)));
  EXPECT_THAT(o.Historique->Tentatives(), ElementsAre(Tentative(1, 70), Tentative(2, -1), Tentative(3, 0)));
  // Two histories open on two files at once do not mix.
  TOuvertureHistorique autre = OuvreHistorique(dossier / "autre.sqlite");
  ASSERT_TRUE(autre.Historique);
  EXPECT_THAT(autre.Historique->Tentatives(), IsEmpty());
}

TEST_F(HistoriqueSqliteTest, FichierAbimeMisDeCoteEtNouvelHistorique) {
  const std::string abime(5000, 'x');
  std::ofstream(fichier, std::ios::binary) << abime;
  TOuvertureHistorique o = OuvreHistorique(fichier);
  ASSERT_TRUE(o.Historique);
  EXPECT_THAT(o.Message, HasSubstr("est abîmé"));
  EXPECT_THAT(o.Message, HasSubstr(o.MisDeCote.filename().string()));
  // The user's file is kept, byte for byte, beside the new history.
  ASSERT_FALSE(o.MisDeCote.empty());
  EXPECT_EQ(o.MisDeCote.parent_path(), dossier);
  EXPECT_EQ(Octets(o.MisDeCote), abime);
  EXPECT_TRUE(o.Historique->Ajoute(Tentative(4, 55)));
  EXPECT_THAT(o.Historique->Tentatives(), ElementsAre(Tentative(4, 55)));
  o.Historique.reset();

  // A second damaged file the same second never takes the first one's place.
  std::ofstream(fichier, std::ios::binary | std::ios::trunc) << std::string(3000, 'y');
  const TOuvertureHistorique encore = OuvreHistorique(fichier);
  ASSERT_TRUE(encore.Historique);
  EXPECT_NE(encore.MisDeCote, o.MisDeCote);
  EXPECT_EQ(Octets(o.MisDeCote), abime);
  EXPECT_EQ(Octets(encore.MisDeCote), std::string(3000, 'y'));
}

TEST_F(HistoriqueSqliteTest, TableEtrangereOuVersionPlusRecente) {
  // A database of the right kind but another table of that name: not ours,
  // set aside rather than used.
  Execute(QStringLiteral("CREATE TABLE tentatives (x TEXT)"));
  TOuvertureHistorique o = OuvreHistorique(fichier);
  ASSERT_TRUE(o.Historique);
  EXPECT_THAT(o.Message, HasSubstr("abîmé"));
  o.Historique.reset();

  // A history written by a later program: left as it is, no history.
  Execute(QStringLiteral("PRAGMA user_version = 7"));
  const std::string avant = Octets(fichier);
  const TOuvertureHistorique recent = OuvreHistorique(fichier);
  EXPECT_FALSE(recent.Historique);
  EXPECT_THAT(recent.Message, HasSubstr("plus récente"));
  EXPECT_EQ(Octets(fichier), avant);
}

TEST_F(HistoriqueSqliteTest, FichierVerrouilleLaisseTelQuel) {
  {
    TOuvertureHistorique o = OuvreHistorique(fichier);
    ASSERT_TRUE(o.Historique);
    ASSERT_TRUE(o.Historique->Ajoute(Tentative(1, 40)));
  }
  {
    QSqlDatabase verrou = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("test-verrou"));
    verrou.setDatabaseName(QString::fromStdString(fichier.string()));
    ASSERT_TRUE(verrou.open());
    QSqlQuery q(verrou);
    ASSERT_TRUE(q.exec(QStringLiteral("BEGIN EXCLUSIVE")));
    const TOuvertureHistorique o = OuvreHistorique(fichier);
    EXPECT_FALSE(o.Historique);
    EXPECT_THAT(o.Message, HasSubstr("occupé"));
    EXPECT_TRUE(o.MisDeCote.empty());
    q.exec(QStringLiteral("ROLLBACK"));
    verrou.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("test-verrou"));
  // Once freed, the same attempts are there.
  const TOuvertureHistorique o = OuvreHistorique(fichier);
  ASSERT_TRUE(o.Historique);
  EXPECT_THAT(o.Historique->Tentatives(), ElementsAre(Tentative(1, 40)));
}

TEST_F(HistoriqueSqliteTest, ValeursHorsLimitesEtRefusIllisibles) {
  { ASSERT_TRUE(OuvreHistorique(fichier).Historique); }
  Execute(QStringLiteral(
      "INSERT INTO tentatives (date_heure, donne, collection, note_jeu, note_questions, refusees, joue_pour_moi) "
      "VALUES ('x', 3, 23, 250, -9, 'SA:12 zz HT: :4 C2:49x DK:7', 1), ('y', 0, 1, 50, 50, '', 0)"));
  const TOuvertureHistorique o = OuvreHistorique(fichier);
  ASSERT_TRUE(o.Historique);
  const std::vector<TTentative> lues = o.Historique->Tentatives();
  ASSERT_EQ(lues.size(), 1u);  // deal 0 is no deal
  EXPECT_EQ(lues[0].NoteJeu, -1);
  EXPECT_EQ(lues[0].NoteQuestions, -1);
  EXPECT_THAT(lues[0].Refusees, ElementsAre(TCarteRefusee{"SA", 12}, TCarteRefusee{"DK", 7}));
  EXPECT_EQ(TexteRefusees({{"SA", 12}, {"HT", 49}}), "SA:12 HT:49");
  EXPECT_THAT(LitRefusees(""), IsEmpty());
  EXPECT_THAT(LitRefusees(" \t "), IsEmpty());
  EXPECT_THAT(LitRefusees("  SA:12\tHT:49\n  C2:3"),
              ElementsAre(TCarteRefusee{"SA", 12}, TCarteRefusee{"HT", 49}, TCarteRefusee{"C2", 3}));
}

}  // namespace
}  // namespace kalvo::test
