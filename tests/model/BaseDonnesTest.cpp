#include "model/BaseDonnes.h"

#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>
#include <unistd.h>

using namespace std::string_literals;

namespace kalvo {
namespace {

using test::DonneValide;
using test::TDossierTemporaire;

class BaseDonnes : public ::testing::Test {
 protected:
  TEmplacementBase Emplacement() const { return {dossier_.Chemin()}; }
  void EcritQuestions(const std::vector<TQuestionsDonne>& fiches) {
    std::string octets;
    for (const auto& f : fiches) octets.append(reinterpret_cast<const char*>(f.Octets().data()), f.Octets().size());
    test::EcritOctets(dossier_ / NomFichierQuestions, octets);
  }
  TDossierTemporaire dossier_;
};

TEST_F(BaseDonnes, CatalogueDesForcesEtThemes) {
  test::EcritBase(Emplacement().Donnes(), {DonneValide(1, 4), DonneValide(4, 27), DonneValide(2, 0)});
  const TResultatCatalogue r = ChargeCatalogue(Emplacement().Donnes());
  ASSERT_TRUE(r.Ok());
  EXPECT_TRUE(r.Avertissements.empty());
  EXPECT_EQ(r.Catalogue.NbDonnes(), 3);
  EXPECT_EQ(r.Catalogue.ForcesDonnes(), (std::vector<int>{1, 4, 2}));
  EXPECT_EQ(r.Catalogue.ThemesDonnes(), (std::vector<int>{4, 27, 0}));
  EXPECT_EQ(r.Catalogue.Theme(2), 27);
}

TEST_F(BaseDonnes, ForceHorsLimitesArreteLeCatalogue) {
  test::EcritBase(Emplacement().Donnes(), {DonneValide(1), DonneValide(5), DonneValide(1)});
  TResultatCatalogue r = ChargeCatalogue(Emplacement().Donnes());
  EXPECT_EQ(r.Erreurs, std::vector<std::string>{"Problème en lisant la donne 2 : difficulté 5 hors des limites (1 à 4)."});
  test::EcritBase(Emplacement().Donnes(), {DonneValide(1), DonneValide(1), DonneValide(0)});
  EXPECT_EQ(ChargeCatalogue(Emplacement().Donnes()).Erreurs,
            std::vector<std::string>{"Problème en lisant la donne 3 : difficulté 0 hors des limites (1 à 4)."});
  // A theme outside the name table is refused the same way.
  test::EcritBase(Emplacement().Donnes(), {DonneValide(1, 28)});
  EXPECT_EQ(ChargeCatalogue(Emplacement().Donnes()).Erreurs,
            std::vector<std::string>{"Problème en lisant la donne 1 : thème 28 hors des limites (0 à 27)."});
}

TEST_F(BaseDonnes, BaseAbsenteVideOuTronquee) {
  TResultatCatalogue r = ChargeCatalogue(Emplacement().Donnes());
  EXPECT_EQ(r.Erreurs, (std::vector<std::string>{"Ne trouve pas le fichier de donnes (K01FR_DEMO.DAT) !",
                                                 "Don't find Deals'database (K01FR_DEMO.DAT) !"}));
  test::EcritOctets(Emplacement().Donnes(), "");
  r = ChargeCatalogue(Emplacement().Donnes());
  ASSERT_EQ(r.Erreurs.size(), 1u);
  EXPECT_EQ(r.Erreurs[0], "La base de donnes K01FR_DEMO.DAT est vide : elle ne contient aucune donne.");
  test::EcritOctets(Emplacement().Donnes(), std::string(5000, '\1'));
  r = ChargeCatalogue(Emplacement().Donnes());
  ASSERT_EQ(r.Erreurs.size(), 1u);
  EXPECT_NE(r.Erreurs[0].find("tronquée"), std::string::npos);

  // Two whole records and a piece: the whole ones are offered, with a warning.
  test::EcritOctets(Emplacement().Donnes(), test::OctetsDe(DonneValide(2)) + test::OctetsDe(DonneValide(3)) + "abc");
  r = ChargeCatalogue(Emplacement().Donnes());
  ASSERT_TRUE(r.Ok());
  EXPECT_EQ(r.Catalogue.NbDonnes(), 2);
  ASSERT_EQ(r.Avertissements.size(), 1u);
  EXPECT_EQ(r.Avertissements[0], "La base de donnes K01FR_DEMO.DAT est tronquée : ses 3 derniers octets ne forment pas "
                                 "une donne entière ; seules les 2 premières donnes sont proposées.");
  EXPECT_THROW(LitDonne(Emplacement(), {}, 3), ErreurDonnee);
  // One whole record and one byte: the counts agree.
  test::EcritOctets(Emplacement().Donnes(), test::OctetsDe(DonneValide(2)) + "a");
  EXPECT_EQ(ChargeCatalogue(Emplacement().Donnes()).Avertissements.at(0),
            "La base de donnes K01FR_DEMO.DAT est tronquée : son dernier octet ne forme pas une donne entière ; "
            "seule la première donne est proposée.");
}

// A database that is there but cannot be read says so, instead of being
// called missing.
TEST_F(BaseDonnes, BaseQuiExisteMaisNeSeLitPas) {
  std::filesystem::create_directory(Emplacement().Donnes());
  const std::vector<std::string> dossier{"Le fichier de donnes « " + Emplacement().Donnes().string() +
                                         " » existe mais ne peut pas être lu : c'est un dossier."};
  EXPECT_EQ(ChargeCatalogue(Emplacement().Donnes()).Erreurs, dossier);
  try {
    LitDonne(Emplacement(), {}, 1);
    FAIL();
  } catch (const ErreurBaseAbsente&) {
    FAIL() << "the database is there";
  } catch (const ErreurFichier& e) {
    EXPECT_EQ(e.what(), dossier.front());
  }
  if (::geteuid() != 0) {  // root reads every file
    std::filesystem::remove(Emplacement().Donnes());
    test::EcritBase(Emplacement().Donnes(), {DonneValide()});
    std::filesystem::permissions(Emplacement().Donnes(), std::filesystem::perms::none);
    EXPECT_EQ(ChargeCatalogue(Emplacement().Donnes()).Erreurs,
              std::vector<std::string>{"Le fichier de donnes « " + Emplacement().Donnes().string() +
                                       " » existe mais ne peut pas être lu : permission refusée."});
  }
}

TEST_F(BaseDonnes, LitDonnePrepareLaDonne) {
  TDonne d = DonneValide(2, 5);
  d.SetTexteResume(BrouilleTexte("{\\rtf1 R\xE9sum\xE9}"));
  d.SetTextePoint("");
  d.SetCarteMain(jrSud, 1, TCard{14, clTrefle});
  test::EcritBase(Emplacement().Donnes(), {DonneValide(), d});
  const TDonneLue lue = LitDonne(Emplacement(), {}, 2);
  EXPECT_EQ(lue.Donne.Numero(), 2);
  EXPECT_EQ(lue.Donne.Force(), 2);
  EXPECT_EQ(lue.Comment[1], "Bravo");
  EXPECT_EQ(lue.Comment[2], "Non");
  // Each seat holds one suit: A K Q J = 10 points.
  EXPECT_EQ(lue.PointsHonneurs, (std::array<int, 4>{10, 10, 10, 10}));
  EXPECT_TRUE(lue.Avertissements.empty());
  EXPECT_EQ(test::LitOctets(dossier_ / "resume.rtf"), "{\\rtf1 R\xE9sum\xE9}\0\r\n"s);
  EXPECT_EQ(test::LitOctets(dossier_ / "point.rtf"), "\0\r\n"s);
  // No questions file: no questions, no warning.
  for (int t = 1; t <= 13; ++t) EXPECT_EQ(lue.Questions[t], 0);
}

TEST_F(BaseDonnes, TextesPleinsEtLongueursTropGrandes) {
  TDonne d = DonneValide();
  d.SetTexteResume(BrouilleTexte(std::string(1900, 'r')));
  d.SetTextePoint(BrouilleTexte(std::string(1000, 'p')));
  test::EcritBase(Emplacement().Donnes(), {d});
  TDonneLue lue = LitDonne(Emplacement(), {}, 1);
  EXPECT_EQ(test::LitOctets(dossier_ / "resume.rtf"), std::string(1900, 'r') + "\0\r\n"s);
  EXPECT_EQ(test::LitOctets(dossier_ / "point.rtf"), std::string(1000, 'p') + "\0\r\n"s);
  EXPECT_TRUE(lue.Avertissements.empty());

  d.SetLgResume(40000);
  d.SetLgPoint(-1);
  d.SetLgCommentaires(2205);
  d.Octets()[2434 + 41] = 99;  // alert 2
  test::EcritBase(Emplacement().Donnes(), {d});
  lue = LitDonne(Emplacement(), {}, 1);
  EXPECT_EQ(test::LitOctets(dossier_ / "resume.rtf").size(), 1903u);
  EXPECT_EQ(test::LitOctets(dossier_ / "point.rtf"), "\0\r\n"s);
  EXPECT_EQ(lue.Avertissements.size(), 4u);
}

TEST_F(BaseDonnes, DonneCasseeArreteeAvecUnMessage) {
  TDonne doublon = DonneValide();
  doublon.SetCarteMain(jrNord, 5, TCard{14, clTrefle});  // the ace of clubs twice
  TDonne carteInvalide = DonneValide();
  carteInvalide.SetCarteMain(jrOuest, 2, TCard{15, clCarreau});
  TDonne commentaire = DonneValide();
  commentaire.SetCommentaires(BrouilleTexte("$01 Bon$A2 Mauvais"));
  TDonne enchere = DonneValide();
  enchere.SetEnchere(1, jrOuest, {9, 1, 0});
  TDonne donneur = DonneValide();
  donneur.SetDonneur(6);
  test::EcritBase(Emplacement().Donnes(), {doublon, carteInvalide, commentaire, enchere, donneur});
  try {
    LitDonne(Emplacement(), {}, 1);
    FAIL();
  } catch (const ErreurDonnee& e) {
    EXPECT_STREQ(e.what(), "Donne 1 : la carte « As de Trèfle » figure deux fois dans les mains.");
  }
  for (int n = 2; n <= 5; ++n) EXPECT_THROW(LitDonne(Emplacement(), {}, n), ErreurDonnee) << n;
  EXPECT_THROW(LitDonne(Emplacement(), {}, 0), ErreurDonnee);
  EXPECT_THROW(LitDonne(Emplacement(), {}, 6), ErreurDonnee);
  // A broken deal writes no commentary file.
  EXPECT_FALSE(std::filesystem::exists(dossier_ / "resume.rtf"));
}

TEST_F(BaseDonnes, BaseAbsenteEtFichierRtfImpossible) {
  try {
    LitDonne(Emplacement(), {}, 1);
    FAIL();
  } catch (const ErreurBaseAbsente& e) {
    EXPECT_STREQ(e.what(), "Ne trouve pas le fichier de donnes (K01FR_DEMO.DAT) !");
    EXPECT_EQ(e.MessageAnglais(), "Don't find Deals'database (K01FR_DEMO.DAT) !");
  }
  test::EcritBase(Emplacement().Donnes(), {DonneValide()});
  std::filesystem::create_directory(dossier_ / "point.rtf");  // cannot be replaced by a file
  EXPECT_THROW(LitDonne(Emplacement(), {}, 1), ErreurFichier);
}

TEST_F(BaseDonnes, QuestionsParLeNumeroDeCollection) {
  test::EcritBase(Emplacement().Donnes(), {DonneValide(), DonneValide()});
  TQuestionsDonne fiche;
  fiche.SetNbQuestions(3);
  fiche.SetQuestion(1, TQuestion{5, 10, 1, jrOuest, 0, {}, 1, 0});
  fiche.SetQuestion(2, TQuestion{9, 20, 5, 0, clCoeur, {}, 0, 0});
  fiche.SetQuestion(3, TQuestion{5, 30, 0, 0, 0, {}, 0, 0});  // same trick: the later one stays
  EcritQuestions({TQuestionsDonne{}, TQuestionsDonne{}, fiche});
  // Deal 2 is number 3 of its collection.
  const TDonneLue lue = LitDonne(Emplacement(), TNumerosVolume{{7, 3}}, 2);
  EXPECT_EQ(lue.Questions[5], 3);
  EXPECT_EQ(lue.Questions[9], 2);
  EXPECT_EQ(lue.Questions[1], 0);
  EXPECT_EQ(lue.QuestionsDonne.Question(2).Couleur, clCoeur);
  EXPECT_TRUE(lue.Avertissements.empty());
  // Deal 1 is number 7: beyond the file, so no question and a warning.
  const TDonneLue autre = LitDonne(Emplacement(), TNumerosVolume{{7, 3}}, 1);
  for (int t = 1; t <= 13; ++t) EXPECT_EQ(autre.Questions[t], 0);
  ASSERT_EQ(autre.Avertissements.size(), 1u);
  EXPECT_EQ(autre.Avertissements[0],
            "Donne 1 : le fichier de questions KALVO01.ASK ne contient pas la fiche 7 : la donne n'a pas de questions.");
}

TEST_F(BaseDonnes, FicheDeQuestionsInvalide) {
  TQuestionsDonne quatre;
  quatre.SetNbQuestions(4);
  quatre.SetQuestion(1, TQuestion{2, 10, 0, 0, 0, {}, 0, 0});
  TQuestionsDonne leveeFausse;
  leveeFausse.SetNbQuestions(2);
  leveeFausse.SetQuestion(1, TQuestion{14, 10, 0, 0, 0, {}, 0, 0});
  leveeFausse.SetQuestion(2, TQuestion{4, 10, 0, 0, 0, {}, 0, 0});
  EcritQuestions({quatre, leveeFausse});
  TQuestionsLues lues = LitQuestions(dossier_ / NomFichierQuestions, 1, 1);
  for (int t = 1; t <= 13; ++t) EXPECT_EQ(lues.Questions[t], 0);
  EXPECT_EQ(lues.Record.NbQuestions(), 0);
  EXPECT_EQ(lues.Avertissements.size(), 1u);
  lues = LitQuestions(dossier_ / NomFichierQuestions, 2, 1);
  EXPECT_EQ(lues.Questions[4], 2);
  EXPECT_EQ(lues.Avertissements.size(), 1u);
  EXPECT_EQ(LitQuestions(dossier_ / NomFichierQuestions, 0, 1).Avertissements.size(), 1u);
  EXPECT_TRUE(LitQuestions(dossier_ / "absent.ASK", 1, 1).Avertissements.empty());
  // A file shorter than the record asked: a piece of record is no record.
  test::EcritOctets(dossier_ / NomFichierQuestions, std::string(148 + 100, '\1'));
  EXPECT_EQ(LitQuestions(dossier_ / NomFichierQuestions, 2, 1).Avertissements.size(), 1u);
  EXPECT_THROW(quatre.Question(7), ErreurDonnee);
}

TEST_F(BaseDonnes, QuestionGardeLesOctetsNonDefinis) {
  TQuestionsDonne fiche;
  fiche.Octets()[4 + 2] = 0xAA;   // not read
  fiche.Octets()[4 + 20] = 0xBB;  // not read
  fiche.SetQuestion(1, TQuestion{13, 250, 3, 2, 1, TCard{12, 3}, 1, 1});
  EXPECT_EQ(fiche.Octets()[4 + 2], 0xAA);
  EXPECT_EQ(fiche.Octets()[4 + 20], 0xBB);
  EXPECT_EQ(fiche.Octets()[4 + 9], 12);
  EXPECT_EQ(fiche.Octets()[4 + 10], 3);
  EXPECT_EQ(fiche.Question(1), (TQuestion{13, 250, 3, 2, 1, TCard{12, 3}, 1, 1}));
}

TEST_F(BaseDonnes, ContratLuSeul) {
  TDonne d = DonneValide();
  d.SetNiveauContrat(6);
  d.SetAtout(clPique);
  test::EcritBase(Emplacement().Donnes(), {DonneValide(), d});
  const TContrat c = LitContrat(Emplacement().Donnes(), 2);
  EXPECT_EQ(c.Niveau, 6);
  EXPECT_EQ(c.Atout, clPique);
  EXPECT_THROW(LitContrat(Emplacement().Donnes(), 3), ErreurFichier);
}

TEST(NumerosVolume, TableBesideTheDatabase) {
  EXPECT_EQ(NomTableVolume("K01FR_DEMO.DAT"), "K01FR_DEMO.VOL");
  const TResultatVolume r = LitNumerosVolume("# Numéros\n21\n  23 # commentaire\n\n75\r\n81\n", "T.VOL", 4);
  ASSERT_FALSE(r.Avertissement);
  EXPECT_EQ(r.Numeros[1], 21);
  EXPECT_EQ(r.Numeros[4], 81);
  EXPECT_EQ(r.Numeros[5], 5);  // beyond the table: the deal's own number
  EXPECT_EQ(EcritNumerosVolume({21, 23}, "x"), "# x\n21\n23\n");
}

TEST(NumerosVolume, TableInvalideDonneLIdentite) {
  TResultatVolume r = LitNumerosVolume("21\nvingt\n", "T.VOL", 2);
  ASSERT_TRUE(r.Avertissement);
  EXPECT_EQ(*r.Avertissement,
            "Table des numéros de collection T.VOL, ligne 2 : « vingt » n'est pas un nombre : les donnes "
            "gardent leur propre numéro.");
  EXPECT_TRUE(r.Numeros.EstIdentite());
  EXPECT_EQ(r.Numeros[2], 2);
  // A number out of range is told as such, not as "no number".
  const std::string suite = " : les donnes gardent leur propre numéro.";
  EXPECT_EQ(LitNumerosVolume("21\n0\n", "T.VOL", 2).Avertissement,
            "Table des numéros de collection T.VOL, ligne 2 : « 0 » est hors des limites (1 à 2147483647)" + suite);
  EXPECT_EQ(LitNumerosVolume("-4\n", "T.VOL", 1).Avertissement,
            "Table des numéros de collection T.VOL, ligne 1 : « -4 » est hors des limites (1 à 2147483647)" + suite);
  EXPECT_EQ(LitNumerosVolume("99999999999999999999\n", "T.VOL", 1).Avertissement,
            "Table des numéros de collection T.VOL, ligne 1 : « 99999999999999999999 » est hors des limites (1 à "
            "2147483647)" + suite);
  EXPECT_EQ(LitNumerosVolume("2\x1b[2J\n", "T.VOL", 1).Avertissement,
            "Table des numéros de collection T.VOL, ligne 1 : « 2\\x1b[2J » n'est pas un nombre" + suite);
  // Counts agree with their number.
  EXPECT_EQ(LitNumerosVolume("21\n", "T.VOL", 2).Avertissement,
            "Table des numéros de collection T.VOL : 1 numéro pour 2 donnes" + suite);
  EXPECT_EQ(LitNumerosVolume("1\n2\n3\n4\n", "T.VOL", 1).Avertissement,
            "Table des numéros de collection T.VOL : 4 numéros pour 1 donne" + suite);
  const TResultatVolume absente = ChargeNumerosVolume("/dossier/absent/T.VOL", 2);
  EXPECT_FALSE(absente.Avertissement);
  EXPECT_TRUE(absente.Numeros.EstIdentite());
  // A table that is there but cannot be read is not silently absent.
  test::TDossierTemporaire dossier;
  std::filesystem::create_directory(dossier / "T.VOL");
  EXPECT_EQ(ChargeNumerosVolume(dossier / "T.VOL", 2).Avertissement,
            "Table des numéros de collection T.VOL : le fichier existe mais ne peut pas être lu (c'est un dossier)" +
                suite);
}

}  // namespace
}  // namespace kalvo
