// Malformed deal sources: each fault reported once, as an error, at the
// line of the source that holds it, with the file's name; nothing compiled.
#include "tests/tools/SourceFigee.h"
#include "tests/tools/SourcesDeTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace kalvo {
namespace {

using namespace redaction;

using ::testing::HasSubstr;

struct TFaute {
  std::string Avant, Apres;
  std::string Attendu;  // the whole diagnostic line, file and line included
};

// The source with one change compiled: the diagnostics, and whether a deal came out.
std::pair<std::string, bool> Compile(const std::string& texte) {
  TDiagnostics diagnostics;
  const auto donne = CompileDonne(texte, "essai.donne", diagnostics, false);
  return {diagnostics.Texte(), donne.has_value() && !diagnostics.AErreurs()};
}

void VerifieFautes(const std::vector<TFaute>& fautes) {
  for (const TFaute& f : fautes) {
    const auto [texte, compilee] = Compile(test::Remplace(test::Source, f.Avant, f.Apres));
    EXPECT_THAT(texte, HasSubstr(f.Attendu + "\n")) << f.Apres;
    EXPECT_FALSE(compilee) << f.Apres;
  }
}

TEST(SourcesFautives, LaSourceDeReferenceEstSaine) {
  const auto [texte, compilee] = Compile(test::Source);
  EXPECT_TRUE(compilee);
  EXPECT_EQ(texte, "");
}

TEST(SourcesFautives, EnTeteMainsEtEncheres) {
  VerifieFautes({
      {"donneur Sud", "donneur Sud\nvulnerabilite Certains",
       "essai.donne, ligne 5 : vulnérabilité « Certains » inconnue (Personne, Nord-Sud, Est-Ouest, Tous)."},
      {"donneur Sud", "donneur Sud\nrangement Est CDHX",
       "essai.donne, ligne 5 : ordre des couleurs « CDHX » invalide : les quatre lettres S, H, D, C une fois chacune."},
      {"collection 1", "collection 1\nordre x", "essai.donne, ligne 2 : ordre « x » invalide (1 à 9999)."},
      {"contrat 3SA", "contrat 4SA", "essai.donne, ligne 5 : l'enchère finit par 3SA, le contrat annoncé est 4SA."},
      {"S:AK4.A63.942.AQT3 QT9", "S:AK4.A63.942.AQT3 AT9",
       "essai.donne, ligne 6 : l'As de Pique est dans deux mains : celle de Sud et celle d'Ouest."},
      {"1SA passe 3SA passe", "1SA passe 1C passe", "essai.donne, ligne 7 : 1♥ n'est pas plus haut que 1SA (Nord, appel 3)."},
      {"1SA passe 3SA passe", "1SA passe 3SA!1 passe", "essai.donne, ligne 7 : l'alerte 1 n'a pas de texte (Nord, appel 3)."},
      {"contrat 3SA", "contrat 3SA\nalerte 1 : " + std::string(41, 'x'),
       "essai.donne, ligne 6 : alerte de 41 caractères : 40 au plus."},
      {"collection 1", "collection 1\noctets 10 ZZ", "essai.donne, ligne 2 : octet « ZZ » invalide : deux chiffres hexadécimaux."},
  });
}

// Source text quoted in a message cannot drive the terminal: an escape
// sequence or a carriage return inside a word is shown written out.
TEST(SourcesFautives, CaracteresDeControleMontresEcrits) {
  VerifieFautes({
      {"donneur Sud", "donneur Sud\nvulnerabilite Cer\x1b[2Jtains",
       "essai.donne, ligne 5 : vulnérabilité « Cer\\x1b[2Jtains » inconnue (Personne, Nord-Sud, Est-Ouest, Tous)."},
      {"donneur Sud", "donneur Sud\nvulnerabilite Cer\rtains",
       "essai.donne, ligne 5 : vulnérabilité « Cer\\rtains » inconnue (Personne, Nord-Sud, Est-Ouest, Tous)."},
  });
  TDiagnostics d;
  d.Erreur("a\x1b]0;titre\x07.donne", 3, "\xc2\x9b" "31m \xff");
  EXPECT_EQ(d.Texte(), "a\\x1b]0;titre\\x07.donne, ligne 3 : \\u009b31m \\xff\n");
}

TEST(SourcesFautives, CommentairesEtPenalites) {
  VerifieFautes({
      {"commentaire 7 0 : Le", "commentaire 7 0 : $Le", "essai.donne, ligne 14 : un commentaire ne peut pas contenir « $ »."},
      // The trainer would stop the deal when it charged them.
      {"commentaire 6 10 :", "commentaire 6 101 :",
       "essai.donne, ligne 13 : la pénalité du commentaire 6 dépasse 100 points : l'entraîneur arrêterait la donne en la "
       "retirant."},
  });
  // 100 itself is allowed.
  EXPECT_TRUE(Compile(test::Remplace(test::Source, "commentaire 6 10 :", "commentaire 6 100 :")).second);
}

TEST(SourcesFautives, CartesDesChaines) {
  VerifieFautes({
      {"  Ouest : HK\n", "  Ouest : HZ\n",
       "essai.donne, ligne 16 : carte de défense « HZ » invalide (HK, H*, H+, H>, H^, **...)."},
      {"  Ouest : HK\n", "  Ouest : HK HQ HJ H9\n", "essai.donne, ligne 16 : trois cartes au plus pour un défenseur."},
      {"  Sud   : D2 D4 D9 S*=4 C*=4", "  Sud   : D2 D4 D9 S*=4 C*=4 SA SK S4 H3",
       "essai.donne, ligne 31 : huit cartes au plus pour Sud ou Nord."},
      {"  Ouest : D5\n", "  Centre : D5\n",
       "essai.donne, ligne 32 : une ligne de levée commence par un joueur (Sud, Ouest, Nord, Est), pas par « Centre »."},
      {"  Est   : DK\n", "  Est   : D* seule DK\n", "essai.donne, ligne 34 : il faut « COULEUR* seule CARTE alors CARTE »."},
      {"  Est   : DK\n", "  Est   : DK si\n",
       "essai.donne, ligne 34 : il faut « CARTE si CARTE » : la carte que doit avoir jouée le joueur d'avant (HQ, ou H* "
       "pour toute carte de la couleur)."},
      // The main line names the chain and the cards that lead there.
      {"  Est   : DK\n", "  Est   : C2\n",
       "essai.donne, ligne 30 : levée 4 : la chaîne « impasse » (4) fait jouer le 2 de Trèfle à Est, qui doit fournir à "
       "Carreau : il joue le 8 de Carreau (après HK H4 H2 H3 / HQ H7 H8 H6 / HJ S2 HT HA / D2 D5 DT)."},
  });
}

TEST(SourcesFautives, NoeudsEtTables) {
  const std::string fin = "chaine fin revendication";
  VerifieFautes({
      {fin, "chaine d distribution\n  si Ouest X=3 alors fin\n" + fin,
       "essai.donne, ligne 36 : condition « X=3 » invalide : il faut un joueur puis « COULEUR=N » (N de 0 à 13)."},
      {fin, "compteur c\n  C reste x code 9 rangs 5\n" + fin, "essai.donne, ligne 36 : reste « x » invalide (0 à 13)."},
      {fin, "pool p\n  entame Ouest CA\n" + fin, "essai.donne, ligne 36 : une entame de pool est de Sud ou de Nord."},
      {fin, "chaine t tenues Centre DK alors fin sinon fin\n" + fin,
       "essai.donne, ligne 35 : joueur « Centre » inconnu (Sud, Ouest, Nord, Est)."},
      {fin, "chaine a automatique levees x si-sud fin sinon fin\n" + fin,
       "essai.donne, ligne 35 : nombre de levées « x » invalide (1 à 13)."},
      {"question levee 3 repartition H", "question levee 3 defausse Sud",
       "essai.donne, ligne 36 : une question de défausse porte sur Ouest ou Est."},
  });
}

// Two sources: the file named is the one at fault.
TEST(SourcesFautives, DeuxSourcesNommeesChacune) {
  const std::string autre = test::Remplace(test::Source, "  Ouest : HK\n", "  Ouest : HK HQ HJ H9\n");
  TDiagnostics diagnostics;
  EXPECT_FALSE(CompileSources({{"bonne.donne", test::Source}, {"mauvaise.donne", autre}}, diagnostics, false));
  EXPECT_EQ(diagnostics.NbErreurs(), 1) << diagnostics.Texte();
  EXPECT_THAT(diagnostics.Texte(), HasSubstr("mauvaise.donne, ligne 16 : trois cartes au plus pour un défenseur.\n"));
  TDiagnostics memes;
  EXPECT_FALSE(CompileSources({{"a.donne", test::Source}, {"b.donne", test::Source}}, memes, false));
  EXPECT_THAT(memes.Texte(), HasSubstr("b.donne, ligne 1 : "));
}

}  // namespace
}  // namespace kalvo
