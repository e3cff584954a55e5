#include "tools/kalvo-deals/DumpDonne.h"
#include "tests/tools/SourcesDeTest.h"

#include "model/BaseDonnes.h"
#include "model/Brouillage.h"
#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>

#include <random>
#include <sstream>

namespace kalvo {
namespace {

using namespace redaction;
using namespace outil_donnes;

TDonne Demo() { return test::Demo().Donne; }

std::string Texte(const TDonne& d, int* problemes = nullptr, const TQuestionsDonne* questions = nullptr) {
  std::ostringstream sortie;
  const int n = DumpDonne(d, 21, questions, 21, sortie);
  if (problemes) *problemes = n;
  return sortie.str();
}

bool Contient(const std::string& texte, const std::string& morceau) { return texte.find(morceau) != std::string::npos; }

TEST(Dump, DonneLivreeEnClair) {
  int problemes = -1;
  const std::string t = Texte(Demo(), &problemes);
  EXPECT_EQ(problemes, 0) << t;
  EXPECT_TRUE(Contient(t, "Thème : 4 — Prendre ou laisser-passer"));
  EXPECT_TRUE(Contient(t, "Contrat : 3SA par Sud"));
  EXPECT_TRUE(Contient(t, "Entame : Roi de Cœur"));
  EXPECT_TRUE(Contient(t, "♦ A D V 10 3"));
  EXPECT_TRUE(Contient(t, "  1SA         Passe       3SA         fin\n"));
  EXPECT_TRUE(Contient(t, "  01 (pénalité 40) : Ne prenez pas tout de suite"));
  EXPECT_TRUE(Contient(t, "Sud (déclarant, place 2) : 3 de Cœur (bonne), 6 de Cœur (bonne), As de Cœur (commentaire 1)"));
  EXPECT_TRUE(Contient(t, "n'importe quelle carte à Carreau [h=15, c=1] (commentaire 3)"));
  EXPECT_TRUE(Contient(t, "Chaîne 5 : fin par revendication"));
  EXPECT_TRUE(Contient(t, "Levée 1 : Roi de Cœur, 4 de Cœur, 2 de Cœur, 3 de Cœur"));
  EXPECT_FALSE(Contient(t, "non atteinte"));
}

TEST(Dump, NoeudsEtTablesDecodes) {
  TDonne d = Demo();
  auto c = d.Chaine(5);
  c.SetTypeChaine(tcAutomatique);
  c.Auto().SetSuiteSiSud(6);
  c.Auto().SetSuiteSinon(ActionFinDonne);
  c.Auto().SetNbSud(1);
  c.Auto().SetListeSud(1, TCarteAuto{TCard{RangGroupe, 2}, 91, 1});
  auto pool = d.Chaine(6);
  pool.SetTypeChaine(tcPool);
  pool.SetNumeroPool(2);
  pool.SetSuiteSiSud(7);
  pool.SetSuiteSinon(7);
  d.Chaine(7).SetTypeChaine(tcSolution);
  d.Pool(2).Entame(true, clPique, 1).SetRang(14);
  d.Pool(2).Entame(true, clPique, 1).SetNbSuites(1);
  d.Pool(2).Entame(true, clPique, 1).SetSuite(1, TSuitePool{15, 2});
  d.SetCompteur(1, clCoeur, TCompteur{2, 5, {15, 0, 0, 0, 0, 0, 0, 0}});
  TGroupe g;
  g.Acceptees[0] = TCard{RangQuelconque, clPique};
  g.Code = 4;
  d.SetGroupe(2, g);
  d.Chaine(30).SetTypeChaine(tcHasard);  // reached by nothing
  int problemes = -1;
  const std::string t = Texte(d, &problemes);
  EXPECT_EQ(problemes, 0) << t;
  EXPECT_TRUE(Contient(t, "Chaîne 5 : mode automatique"));
  EXPECT_TRUE(Contient(t, "une carte du groupe 2 [h=48, c=2] (message du programme 91, défausse)"));
  EXPECT_TRUE(Contient(t, "pool 2 pendant 0 levées"));
  EXPECT_TRUE(Contient(t, "entame de Sud à Pique n°1 : rang As"));
  EXPECT_TRUE(Contient(t, "réponse dans la couleur : n'importe lequel (commentaire 2)"));
  EXPECT_TRUE(Contient(t, "Table 1, Cœur : reste 2, commentaire 5, rangs : n'importe lequel"));
  EXPECT_TRUE(Contient(t, "Groupe 2 : préalables : (aucune) ; acceptées : n'importe quelle carte à Pique"));
  EXPECT_TRUE(Contient(t, "Chaîne 30 : choix au hasard (non atteinte depuis la chaîne 1)"));
}

TEST(Dump, DonneesAbimeesSignaleesEnFrancais) {
  TDonne d = Demo();
  d.Chaine(1).SetChaineSuivante(512);
  d.Chaine(2).SetChaineSuivante(9);  // an empty chain
  d.Chaine(3).SetTypeChaine(tcCartesTenues);
  d.Chaine(3).SetNbCartes(20);
  d.Chaine(4).SetEntameur(7);
  d.Chaine(1).SetDeclarant(2, 1, TCarteDeclarant{TCard{3, clCoeur}, 30});
  d.SetForce(9);
  d.SetCommentaires(BrouilleTexte("$01 a$zz b"));
  d.SetCarteMain(jrNord, 1, TCard{99, 9});
  TQuestionsDonne q;
  q.SetNbQuestions(2);
  q.SetQuestion(1, TQuestion{14, 10, 9, 7, 8, {}, 0, 0});
  int problemes = 0;
  const std::string t = Texte(d, &problemes, &q);
  EXPECT_GE(problemes, 10) << t;
  EXPECT_TRUE(Contient(t, "⚠ Donne 1 : force 9 hors des limites (1 à 4)."));
  EXPECT_TRUE(Contient(t, "renvoi « suivante » : « 512 » hors des limites"));
  EXPECT_TRUE(Contient(t, "renvoi « suivante » vers la chaîne 9, qui est vide."));
  EXPECT_TRUE(Contient(t, "Donne 1 : chaîne 3 : nombre de cartes 20 hors des limites (0 à 17)."));
  EXPECT_TRUE(Contient(t, "Donne 1 : chaîne 4 : entameur 7 hors des limites (0 à 3)."));
  EXPECT_TRUE(Contient(t, "code de commentaire 30 inutilisé"));
  EXPECT_TRUE(Contient(t, "le numéro de commentaire « zz » n'est pas un nombre."));
  EXPECT_TRUE(Contient(t, "cartes invalides [h=99, c=9]"));
  EXPECT_TRUE(Contient(t, "TypeQuestion : 9 (type 9 inconnu)"));
  EXPECT_TRUE(Contient(t, "la question 1 vise la levée 14 (1 à 13)."));
}

TEST(Dump, BaseEntiereEtFichiersAbimes) {
  test::TDossierTemporaire dossier;
  std::ostringstream sortie, erreurs;
  EXPECT_EQ(DumpBase(dossier / "K01FR_DEMO.DAT", {}, sortie, erreurs), 1);
  EXPECT_EQ(erreurs.str(), "Ne trouve pas le fichier de donnes (K01FR_DEMO.DAT) !\n");
  test::EcritOctets(dossier / "K01FR_DEMO.DAT", "court");
  EXPECT_EQ(DumpBase(dossier / "K01FR_DEMO.DAT", {}, sortie, erreurs), 1);

  TDiagnostics diagnostics;
  const auto base = CompileSources({{"demo.donne", test::SourceDemo()}}, diagnostics, false);
  ASSERT_TRUE(base) << diagnostics.Texte();
  EcritBase(*base, dossier.Chemin(), "K01FR_DEMO.DAT", "KALVO01.ASK");
  TOptionsDump options;
  options.Questions = dossier / "KALVO01.ASK";
  sortie.str("");
  EXPECT_EQ(DumpBase(dossier / "K01FR_DEMO.DAT", options, sortie, erreurs), 0) << sortie.str();
  EXPECT_TRUE(Contient(sortie.str(), "════ Donne 1 (collection 21) ════"));
  EXPECT_TRUE(Contient(sortie.str(), "    NumLevee : 3\n"));
  options.Donne = 2;
  EXPECT_EQ(DumpBase(dossier / "K01FR_DEMO.DAT", options, sortie, erreurs), 1);

  // A piece of record after the deal, and a questions file too short.
  test::EcritOctets(dossier / "K01FR_DEMO.DAT", test::LitOctets(dossier / "K01FR_DEMO.DAT") + "abc");
  test::EcritOctets(dossier / "KALVO01.ASK", std::string(148, '\0'));
  options.Donne.reset();
  sortie.str("");
  EXPECT_EQ(DumpBase(dossier / "K01FR_DEMO.DAT", options, sortie, erreurs), 2);
  EXPECT_TRUE(Contient(sortie.str(), "⚠ La base est tronquée"));
  EXPECT_TRUE(Contient(sortie.str(), "⚠ Le fichier de questions ne contient pas la fiche 21."));
}

TEST(Dump, OctetsAuHasardSansPlantage) {
  std::mt19937 hasard(31);
  const TDonne demo = Demo();
  for (int essai = 0; essai < 40; ++essai) {
    TDonne d = demo;
    auto octets = d.Octets();
    if (essai < 6) {
      for (auto& o : octets) o = static_cast<std::uint8_t>(hasard());
    } else {
      for (int k = 0; k < 40; ++k) octets[hasard() % 4000] = static_cast<std::uint8_t>(hasard());
      for (int k = 0; k < 10; ++k) octets[109080 + hasard() % 94400] = static_cast<std::uint8_t>(hasard());
    }
    TQuestionsDonne q;
    for (auto& o : q.Octets()) o = static_cast<std::uint8_t>(hasard());
    std::ostringstream sortie;
    DumpDonne(d, 1, &q, 1, sortie);
    EXPECT_FALSE(sortie.str().empty());
  }
}

}  // namespace
}  // namespace kalvo
