#include "model/Reglages.h"

#include "model/FichierIni.h"
#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>

#include <random>

namespace kalvo {
namespace {

using test::TDossierTemporaire;

const std::string FichierParDefautDeuxDonnes =
    "[Options]\r\nCompteLevees=1\r\nNotation=1\r\nErreursComments=1\r\n4Jeux=0\r\nDispoSud=0\r\nDispoNord=0\r\n"
    "Questions=1\r\nEncheres=1\r\nThemes=1\r\nForce=1\r\nVitesse=2\r\nCartes=1\r\nAl\xE9" "atoire=0\r\nOrdre=0\r\n"
    "TypeDonnes=0\r\nNumeroTheme=0\r\nForceChoisie=0\r\nScoreInferieurA=0\r\nSetCartes=1\r\nAnalyseImprevues=1\r\n"
    "GrandesCartes=0\r\nContrasteEleve=0\r\n"
    "\r\n[Donne]\r\nNum\xE9ro=1\r\n"
    "\r\n[ScoresJeu]\r\nD001=-1\r\nD002=-1\r\n"
    "\r\n[ScoresQuestions]\r\nD001=-1\r\nD002=-1\r\n";

TEST(Reglages, NomsDuFichierEtDesCles) {
  EXPECT_EQ(NomFichierReglages("kalvo"), "kalvo.INI");
  EXPECT_EQ(NomFichierReglages("/usr/bin/kalvo.exe"), "kalvo.INI");
  EXPECT_EQ(CleDonne(1), "D001");
  EXPECT_EQ(CleDonne(12), "D012");
  EXPECT_EQ(CleDonne(1234), "D1234");
}

TEST(Reglages, PremierDemarrageSansFichier) {
  TDossierTemporaire dossier;
  const TLectureReglages lecture = LitReglages(dossier / "kalvo.INI", 3);
  EXPECT_TRUE(lecture.Avertissements.empty());
  EXPECT_EQ(lecture.Etat.Reglages, TReglages{});
  EXPECT_EQ(lecture.Etat.DonneActuelle, 1);
  EXPECT_EQ(lecture.Etat.ScoresJeu, TScores(3));
  for (int n = 1; n <= 3; ++n) EXPECT_EQ(lecture.Etat.ScoresQuestions[n], -1);
  const TReglages d;
  EXPECT_TRUE(d.CompteLevees && d.Notation && d.ErreursComments && d.Questions && d.Encheres && d.Themes && d.Force);
  EXPECT_FALSE(d.QuatreJeux || d.DispoSud || d.DispoNord || d.Aleatoire);
  EXPECT_EQ(d.Vitesse, 2);
  EXPECT_EQ(d.Cartes, 1);
  EXPECT_EQ(d.SetCartes, 1);
}

TEST(Reglages, FichierEcritAvecLesReglagesParDefaut) {
  TDossierTemporaire dossier;
  TEtatReglages etat;
  etat.ScoresJeu = TScores(2);
  etat.ScoresQuestions = TScores(2);
  ASSERT_FALSE(EcritReglages(dossier / "kalvo.INI", etat));
  const std::string octets = test::LitOctets(dossier / "kalvo.INI");
  EXPECT_EQ(octets, FichierParDefautDeuxDonnes);
  EXPECT_NE(octets.find("\r\n4Jeux=0\r\n"), std::string::npos);
  EXPECT_NE(octets.find("[Options]\r\nCompteLevees=1\r\n"), std::string::npos);
  EXPECT_NE(octets.find("\r\nVitesse=2\r\n"), std::string::npos);
  // Writing again changes nothing, and leaves no temporary file behind.
  ASSERT_FALSE(EcritReglages(dossier / "kalvo.INI", etat));
  EXPECT_EQ(test::LitOctets(dossier / "kalvo.INI"), FichierParDefautDeuxDonnes);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.Chemin()), {}), 1);
}

TEST(Reglages, EcriturepuisLectureRendLaMemeChose) {
  TDossierTemporaire dossier;
  TEtatReglages etat;
  TReglages& r = etat.Reglages;
  r.CompteLevees = false;
  r.QuatreJeux = true;
  r.DispoNord = true;
  r.Vitesse = 0;
  r.Cartes = 10;
  r.Aleatoire = true;
  r.Ordre = 1;
  r.TypeDonnes = 3;
  r.NumeroTheme = 27;
  r.ForceChoisie = -1;
  r.ScoreInferieurA = -1;
  r.SetCartes = 3;
  r.GrandesCartes = true;
  r.ContrasteEleve = true;
  etat.DonneActuelle = 12;
  etat.ScoresJeu = TScores(120);
  etat.ScoresQuestions = TScores(120);
  etat.ScoresJeu[1] = 100;
  etat.ScoresJeu[120] = 0;
  etat.ScoresQuestions[57] = 35;
  ASSERT_FALSE(EcritReglages(dossier / "kalvo.INI", etat));
  const TLectureReglages lecture = LitReglages(dossier / "kalvo.INI", 120);
  EXPECT_TRUE(lecture.Avertissements.empty());
  EXPECT_EQ(lecture.Etat, etat);
  EXPECT_NE(test::LitOctets(dossier / "kalvo.INI").find("\r\nD120=0\r\n"), std::string::npos);
}

TEST(Reglages, ClesEnWindows1252EnUtf8EtSansCrLf) {
  const TLectureReglages w = LitReglagesTexte("[Options]\r\nAl\xE9" "atoire=1\r\n[Donne]\r\nNum\xE9ro=3\r\n", 5, "k.INI");
  EXPECT_TRUE(w.Etat.Reglages.Aleatoire);
  EXPECT_EQ(w.Etat.DonneActuelle, 3);
  EXPECT_TRUE(w.Avertissements.empty());
  const TLectureReglages u = LitReglagesTexte("[options]\naléatoire = 1\n[Donne]\nNuméro=4\n", 5, "k.INI");
  EXPECT_TRUE(u.Etat.Reglages.Aleatoire);
  EXPECT_EQ(u.Etat.DonneActuelle, 4);
  const TLectureReglages bom = LitReglagesTexte("\xEF\xBB\xBF[Donne]\rNuméro=2\r", 5, "k.INI");
  EXPECT_EQ(bom.Etat.DonneActuelle, 2);
  EXPECT_TRUE(bom.Avertissements.empty());
}

TEST(Reglages, ValeursIllisiblesOuHorsLimites) {
  const TLectureReglages l = LitReglagesTexte(
      "[Options]\nNotation=oui\nVitesse=25\nCartes=-3\nSetCartes=9\nOrdre=5\n4Jeux=7\nDispoSud=\n"
      "TypeDonnes=12345678901\n[Donne]\nNuméro=0\n[ScoresJeu]\nD001=150\nD002=abc\nD003=-2\nD004=55\n",
      4, "kalvo.INI");
  const TReglages& r = l.Etat.Reglages;
  EXPECT_TRUE(r.Notation);
  EXPECT_EQ(r.Vitesse, 10);
  EXPECT_EQ(r.Cartes, 0);
  EXPECT_EQ(r.SetCartes, 3);
  EXPECT_EQ(r.Ordre, 0);
  EXPECT_TRUE(r.QuatreJeux);  // any nonzero integer is true
  EXPECT_FALSE(r.DispoSud);
  EXPECT_EQ(r.TypeDonnes, 0);
  EXPECT_EQ(l.Etat.DonneActuelle, 1);  // a stored 0 is read as 1, silently
  EXPECT_EQ(l.Etat.ScoresJeu[1], -1);
  EXPECT_EQ(l.Etat.ScoresJeu[2], -1);
  EXPECT_EQ(l.Etat.ScoresJeu[3], -1);
  EXPECT_EQ(l.Etat.ScoresJeu[4], 55);
  EXPECT_EQ(l.Avertissements.size(), 10u);
  EXPECT_EQ(l.Avertissements[0], "Réglages (kalvo.INI) : Options/Notation = « oui » n'est pas un nombre : valeur par défaut 1.");
  EXPECT_EQ(l.Avertissements[2], "Réglages (kalvo.INI) : Options/Vitesse = 25 hors des limites (0 à 10) : ramenée à 10.");
  // A number too large for any field is out of range, not "no number".
  EXPECT_EQ(l.Avertissements[5],
            "Réglages (kalvo.INI) : Options/TypeDonnes = 12345678901 hors des limites (0 à 3) : valeur par défaut 0.");
  const TLectureReglages enorme = LitReglagesTexte("[Options]\nVitesse=-99999999999999999999\n", 1, "kalvo.INI");
  EXPECT_EQ(enorme.Etat.Reglages.Vitesse, 0);
  EXPECT_EQ(enorme.Avertissements.at(0), "Réglages (kalvo.INI) : Options/Vitesse = -99999999999999999999 hors des "
                                         "limites (0 à 10) : ramenée à 0.");
  // Control characters of a value are shown written out.
  EXPECT_EQ(LitReglagesTexte("[Options]\nNotation=\x1b[2J\n", 1, "kalvo.INI").Avertissements.at(0),
            "Réglages (kalvo.INI) : Options/Notation = « \\x1b[2J » n'est pas un nombre : valeur par défaut 1.");

  // A deal number that is not a deal of the base goes back to deal 1.
  const TLectureReglages n = LitReglagesTexte("[Donne]\nNuméro=7\n", 3, "kalvo.INI");
  EXPECT_EQ(n.Etat.DonneActuelle, 1);
  EXPECT_EQ(n.Avertissements.size(), 1u);
  EXPECT_EQ(LitReglagesTexte("[Donne]\nNuméro=-2\n", 3, "kalvo.INI").Etat.DonneActuelle, 1);
}

// The two looks for small screens and weak eyes: off unless asked, kept in
// Options beside the user's own lines, unreadable values said in French.
TEST(Reglages, GrandesCartesEtContrasteEleve) {
  const TLectureReglages l = LitReglagesTexte("[Options]\nGrandesCartes=1\nContrasteEleve=oui\n", 1, "kalvo.INI");
  EXPECT_TRUE(l.Etat.Reglages.GrandesCartes);
  EXPECT_FALSE(l.Etat.Reglages.ContrasteEleve);
  ASSERT_EQ(l.Avertissements.size(), 1u);
  EXPECT_EQ(l.Avertissements[0],
            "Réglages (kalvo.INI) : Options/ContrasteEleve = « oui » n'est pas un nombre : valeur par défaut 0.");
  const TLectureReglages vide = LitReglagesTexte("[Options]\nGrandesCartes=\nContrasteEleve= 1 \n", 1, "kalvo.INI");
  EXPECT_FALSE(vide.Etat.Reglages.GrandesCartes);
  EXPECT_TRUE(vide.Etat.Reglages.ContrasteEleve);

  TEtatReglages etat = LitReglagesTexte("[Options]\nPerso=1\n; garde-moi\nContrasteEleve=1\n", 1, "k.INI").Etat;
  etat.Reglages.GrandesCartes = true;
  const std::string octets = TexteReglages(etat, "[Options]\nPerso=1\n; garde-moi\nContrasteEleve=1\n");
  EXPECT_EQ(octets.rfind("[Options]\r\nPerso=1\r\n; garde-moi\r\nContrasteEleve=1\r\n", 0), 0u);
  EXPECT_NE(octets.find("\r\nGrandesCartes=1\r\n"), std::string::npos);
  const TReglages relus = LitReglagesTexte(octets, 1, "k.INI").Etat.Reglages;
  EXPECT_TRUE(relus.GrandesCartes);
  EXPECT_TRUE(relus.ContrasteEleve);
}

TEST(Reglages, SectionsManquantesEtFichierSansReglages) {
  const TLectureReglages partiel = LitReglagesTexte("[ScoresJeu]\nD002=80\n", 2, "kalvo.INI");
  EXPECT_EQ(partiel.Etat.Reglages, TReglages{});
  EXPECT_EQ(partiel.Etat.ScoresJeu[2], 80);
  EXPECT_TRUE(partiel.Avertissements.empty());
  const TLectureReglages etranger = LitReglagesTexte("bonjour\n[Autre]\nx=1\n", 2, "kalvo.INI");
  EXPECT_EQ(etranger.Etat.Reglages, TReglages{});
  EXPECT_EQ(etranger.Avertissements.size(), 1u);

  std::mt19937 hasard(7);
  for (int essai = 0; essai < 200; ++essai) {
    std::string octets(hasard() % 400, '\0');
    for (char& o : octets) o = static_cast<char>(hasard() % 5 == 0 ? "[]=\r\n"[hasard() % 5] : hasard());
    const TLectureReglages l = LitReglagesTexte(octets, 3, "kalvo.INI");
    EXPECT_GE(l.Etat.Reglages.Vitesse, 0);
    EXPECT_LE(l.Etat.Reglages.Vitesse, 10);
    EXPECT_GE(l.Etat.DonneActuelle, 1);
    EXPECT_LE(l.Etat.DonneActuelle, 3);
  }
}

TEST(Reglages, EcritureGardeLesAutresLignes) {
  TDossierTemporaire dossier;
  test::EcritOctets(dossier / "kalvo.INI",
                    "; mes réglages\n[Fenetre]\nLargeur=1024\n[Options]\nVitesse=5\nPerso=oui\n\n[ScoresJeu]\nD009=70\n");
  TLectureReglages lecture = LitReglages(dossier / "kalvo.INI", 2);
  EXPECT_EQ(lecture.Etat.Reglages.Vitesse, 5);
  lecture.Etat.Reglages.Vitesse = 3;
  ASSERT_FALSE(EcritReglages(dossier / "kalvo.INI", lecture.Etat));
  const std::string octets = test::LitOctets(dossier / "kalvo.INI");
  EXPECT_EQ(octets.rfind("; mes r\xE9glages\r\n[Fenetre]\r\nLargeur=1024\r\n[Options]\r\nVitesse=3\r\nPerso=oui\r\n"
                         "CompteLevees=1\r\n", 0), 0u);
  EXPECT_NE(octets.find("[ScoresJeu]\r\nD009=70\r\nD001=-1\r\nD002=-1\r\n"), std::string::npos);
  EXPECT_EQ(octets.find('\n', 0) - 1, octets.find('\r', 0));
}

TEST(Reglages, DossierImpossibleAEcrire) {
  TDossierTemporaire dossier;
  test::EcritOctets(dossier / "fichier", "x");
  const std::filesystem::path impossible = dossier / "fichier" / "kalvo.INI";  // a file as folder
  TEtatReglages etat;
  const auto erreur = EcritReglages(impossible, etat);
  ASSERT_TRUE(erreur);
  EXPECT_EQ(*erreur, "Les réglages et les notes n'ont pas pu être enregistrés dans « " + impossible.string() +
                         " » : un élément du chemin n'est pas un dossier.");
  // A folder in the file's place: the rename fails; nothing is left behind.
  std::filesystem::create_directory(dossier / "kalvo.INI");
  EXPECT_TRUE(EcritReglages(dossier / "kalvo.INI", etat));
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dossier.Chemin()), {}), 2);
}

TEST(FichierIni, AjouteClesEtSectionsCommeLeSysteme) {
  TFichierIni f = TFichierIni::Analyse("");
  f.Ecrit("A", "x", "1");
  f.Ecrit("B", "y", "2");
  f.Ecrit("A", "z", "3");
  f.Ecrit("a", "X", "4");  // names compare without case
  EXPECT_EQ(f.Octets(), "[A]\r\nx=4\r\nz=3\r\n\r\n[B]\r\ny=2\r\n");
  EXPECT_EQ(f.Valeur("b", "Y"), "2");
  EXPECT_FALSE(f.Valeur("C", "y"));
  EXPECT_TRUE(EstUtf8Valide("Numéro"));
  EXPECT_FALSE(EstUtf8Valide("Num\xE9ro"));
  EXPECT_FALSE(EstUtf8Valide("\xC3"));
  EXPECT_FALSE(EstUtf8Valide("\xED\xA0\x80"));  // a surrogate
}

}  // namespace
}  // namespace kalvo
