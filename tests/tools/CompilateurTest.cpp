#include "model/Brouillage.h"
#include "model/Encheres.h"
#include "tests/tools/SourcesDeTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <set>

namespace kalvo {
namespace {

using namespace redaction;

using ::testing::HasSubstr;

// The diagnostics of a source, one per line.
std::string Diagnostics(const std::string& texte, bool doubleMort = false) {
  TDiagnostics diagnostics;
  test::Compile(texte, diagnostics, doubleMort);
  return diagnostics.Texte();
}

TEST(Compilateur, LaDonneLivreeEstComplete) {
  const TDonneCompilee demo = test::Demo();
  const TDonne& d = demo.Donne;
  EXPECT_EQ(demo.Collection->Valeur, 21);
  EXPECT_EQ(d.Theme(), 4);
  EXPECT_EQ(d.Force(), 1);
  EXPECT_EQ(d.NiveauContrat(), 3);
  EXPECT_EQ(d.Atout(), clSA);
  EXPECT_EQ(d.Entame(), (TCard{13, clCoeur}));
  const auto appels = SuiteEncheres(d);
  ASSERT_EQ(appels.size(), 3u);
  EXPECT_EQ(d.Enchere(1, jrEst).Niveau, NiveauFinEncheres);  // where the first closing pass would be
  // Chains numbered in the order of the file, the claim last.
  EXPECT_EQ(d.Chaine(1).ChaineSuivante(), 2);
  EXPECT_EQ(d.Chaine(4).Entameur(), jrSud);
  EXPECT_EQ(d.Chaine(4).ChaineSuivante(), 5);
  EXPECT_EQ(d.Chaine(5).TypeChaine(), tcRevendication);
  EXPECT_EQ(demo.NomsChaines[3], "valet");
  // The South list of the first trick, in the South slot of a West lead.
  EXPECT_EQ(d.Chaine(1).Declarant(2, 3), (TCarteDeclarant{TCard{14, clCoeur}, 1}));
  EXPECT_EQ(d.Penalite(1), 40);
  EXPECT_EQ(d.Penalite(7), 0);
  // The complete play follows the script for four tricks, then double dummy.
  EXPECT_TRUE(demo.JeuDeduit);
  EXPECT_EQ(d.JeuComplet(3, 2), (TCard{2, clPique}));
  EXPECT_EQ(d.JeuComplet(4, 4), (TCard{13, clCarreau}));
  EXPECT_EQ(demo.Questions.NbQuestions(), 1);
  EXPECT_EQ(demo.Questions.Question(1).TypeQuestion, 5);
  EXPECT_THAT(DebrouilleTexte(d.TextePoint()), HasSubstr("{\\b Le point}"));
}

TEST(Compilateur, ExempleDuReadmeSansFaute) {
  TDiagnostics diagnostics;
  const auto donne = test::Compile(test::ExempleDuReadme(), diagnostics, true, "README.md");
  ASSERT_TRUE(donne) << diagnostics.Texte();
  EXPECT_TRUE(diagnostics.Tous().empty()) << diagnostics.Texte();
  const TDonne& d = donne->Donne;
  // Every kind of chain is there.
  std::set<int> types;
  for (int c = 1; c <= 16; ++c) types.insert(d.Chaine(c).TypeChaine());
  EXPECT_EQ(types, (std::set<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}));
  EXPECT_EQ(d.Alerte(1), "Stayman : demande de majeure quatri\xE8me");
  EXPECT_EQ(d.Enchere(1, jrNord), (TEnchere{2, clTrefle, 1}));
  EXPECT_EQ(d.CarteMain(jrEst, 1), (TCard{11, clTrefle}));  // East's clubs first
  EXPECT_EQ(d.Penalite(8), 20);
  EXPECT_EQ(d.Chaine(1).Defense(2, 1), (TCarteDefense{1, 0, {}, TCard{7, clCoeur}, TCard{8, clCoeur}}));
  EXPECT_EQ(d.Chaine(3).Defense(2, 1), (TCarteDefense{0, 1, TCard{10, clCoeur}, TCard{10, clCoeur}, TCard{15, clCoeur}}));
  EXPECT_EQ(d.Chaine(3).Declarant(1, 2).Carte, (TCard{RangCompteur, 1}));
  EXPECT_EQ(d.Chaine(14).Declarant(2, 4).Carte, (TCard{RangGroupe, 1}));
  EXPECT_EQ(d.Chaine(15).Declarant(2, 1).Carte, (TCard{RangBatPartenaire, clCarreau}));
  EXPECT_EQ(d.Chaine(12).NumeroPool(), 1);
  EXPECT_EQ(d.Pool(1).Entame(true, clTrefle, 1).Condition(3).Carte, (TCard{RangPlusHaute, clTrefle}));
  EXPECT_EQ(d.Pool(1).Autre(true, clTrefle, 1).Rang(), 3);  // the wrong lead
  EXPECT_EQ(d.Pool(1).Autre(true, clTrefle, 1).Suite(1), (TSuiteAutre{8, 9}));
  EXPECT_EQ(d.Chaine(11).Auto().ParCouleur(clCoeur), (TParCouleurAuto{0, 6}));
  EXPECT_EQ(d.Chaine(11).Auto().ParCouleur(clPique), (TParCouleurAuto{1, 0}));
  EXPECT_EQ(d.Chaine(11).Auto().ListeNord(1), (TCarteAuto{TCard{5, clTrefle}, 3, 1}));
  EXPECT_EQ(donne->Questions.NbQuestions(), 3);
  ASSERT_TRUE(donne->DoubleMort);
  EXPECT_EQ(donne->DoubleMort->LeveesApresEntame, 10);
}

TEST(Compilateur, EntreesInutiliseesDesTestsNeMenentJamaisALaChaine0) {
  TDiagnostics diagnostics;
  const auto donne = test::Compile(test::ExempleDuReadme(), diagnostics, false);
  ASSERT_TRUE(donne) << diagnostics.Texte();
  const TChaine distribution = donne->Donne.Chaine(4);
  EXPECT_EQ(distribution.EntreeDistribution(3).Suite, -1);  // "alors stop"
  EXPECT_EQ(distribution.EntreeDistribution(4), (TEntreeDistribution{-1, {0xEEEE, 0xEEEE, 0xEEEE, 0xEEEE}}));
  // A colour not named in an entry matches any count.
  EXPECT_EQ(distribution.EntreeDistribution(1).Motifs[jrEst], 0xFF2F);
  const TChaine longueur = donne->Donne.Chaine(6);
  EXPECT_EQ(longueur.EntreeLongueur(2), (TEntreeLongueur{10, jrOuest, clPique, 2}));
  EXPECT_EQ(longueur.EntreeLongueur(3), (TEntreeLongueur{-1, jrSud, clTrefle, -1}));
  EXPECT_EQ(longueur.EntreeLongueur(4), (TEntreeLongueur{-1, jrSud, clTrefle, -1}));
}

TEST(Compilateur, MemesSourcesMemesOctets) {
  TDiagnostics d1, d2;
  const std::string exemple = test::ExempleDuReadme();
  const auto b1 = CompileSources({{"demo.donne", test::SourceDemo()}, {"b.donne", test::Remplace(exemple, "ordre 1\ncollection 21", "collection 5")}}, d1);
  const auto b2 = CompileSources({{"demo.donne", test::SourceDemo()}, {"b.donne", test::Remplace(exemple, "ordre 1\ncollection 21", "collection 5")}}, d2);
  ASSERT_TRUE(b1 && b2) << d1.Texte();
  EXPECT_EQ(OctetsBase(*b1), OctetsBase(*b2));
  EXPECT_EQ(OctetsQuestions(*b1), OctetsQuestions(*b2));
  EXPECT_EQ(TexteVolume(*b1), TexteVolume(*b2));
  EXPECT_EQ(OctetsBase(*b1).size(), 2 * TDonne::Taille);
}

TEST(Compilateur, OrdreCollectionsEtFichierDeQuestions) {
  const std::string exemple = test::ExempleDuReadme();
  const std::string b = test::Remplace(exemple, "ordre 1\ncollection 21", "collection 3");
  const std::string c = test::Remplace(exemple, "ordre 1\ncollection 21", "ordre 1");
  TDiagnostics diagnostics;
  // c asks for place 1; the others fill the places left in the order given.
  const auto base = CompileSources({{"a.donne", test::SourceDemo()}, {"b.donne", b}, {"c.donne", c}}, diagnostics, false);
  ASSERT_TRUE(base) << diagnostics.Texte();
  ASSERT_EQ(base->Donnes.size(), 3u);
  EXPECT_EQ(base->Donnes[0].Fichier, "c.donne");
  EXPECT_EQ(base->Donnes[1].Fichier, "a.donne");
  EXPECT_EQ(base->Donnes[2].Fichier, "b.donne");
  EXPECT_EQ(base->NumerosVolume, (std::vector<int>{1, 21, 3}));  // c: its place
  EXPECT_EQ(TexteVolume(*base).substr(TexteVolume(*base).find('\n') + 1), "1\n21\n3\n");
  ASSERT_EQ(base->Questions.size(), 21u);
  EXPECT_EQ(base->Questions[20].NbQuestions(), 1);  // demo, collection 21
  EXPECT_EQ(base->Questions[2].NbQuestions(), 3);   // b
  EXPECT_EQ(base->Questions[1].NbQuestions(), 0);   // no deal has number 2
  EXPECT_EQ(OctetsQuestions(*base).size(), 21u * 148u);

  TDiagnostics doublon;
  EXPECT_FALSE(CompileSources({{"a.donne", test::SourceDemo()}, {"b.donne", exemple}}, doublon, false));
  EXPECT_THAT(doublon.Texte(), HasSubstr("a.donne, ligne 4 : numéro de collection 21 déjà pris par b.donne"));
  TDiagnostics ordres;
  EXPECT_FALSE(CompileSources({{"b.donne", test::Remplace(exemple, "ordre 1", "ordre 3")}}, ordres, false));
  EXPECT_THAT(ordres.Texte(), HasSubstr("b.donne, ligne 2 : ordre 3 impossible : la base a 1 donne(s)."));
}

TEST(Compilateur, VolumeRangeParNumeroDeCollection) {
  const std::string exemple = test::ExempleDuReadme();
  const std::string b = test::Remplace(exemple, "ordre 1\ncollection 21", "collection 3");
  const std::string c = test::Remplace(exemple, "ordre 1\ncollection 21", "ordre 1\ncollection 40");
  TDiagnostics diagnostics;
  const auto base = CompileSources({{"c.donne", c}, {"a.donne", test::SourceDemo()}, {"b.donne", b}}, diagnostics,
                                   false, TRangement::Collection);
  ASSERT_TRUE(base) << diagnostics.Texte();
  ASSERT_EQ(base->Donnes.size(), 3u);
  EXPECT_EQ(base->Donnes[0].Fichier, "b.donne");
  EXPECT_EQ(base->Donnes[1].Fichier, "a.donne");
  EXPECT_EQ(base->Donnes[2].Fichier, "c.donne");
  EXPECT_EQ(base->NumerosVolume, (std::vector<int>{3, 21, 40}));
  EXPECT_EQ(base->Donnes[2].Donne.Numero(), 3);
  EXPECT_EQ(base->Questions.size(), 40u);
  EXPECT_EQ(base->Questions[20].NbQuestions(), 1);  // the demo keeps record 21
  // The place a deal asks for means nothing in a volume: said, not obeyed.
  EXPECT_THAT(diagnostics.Texte(),
              HasSubstr("c.donne, ligne 2 : attention : ordre 1 ignoré : le volume range ses donnes par numéro de "
                        "collection."));
  // The same deals in any order of the sources give the same volume.
  TDiagnostics autre;
  const auto meme = CompileSources({{"b.donne", b}, {"c.donne", c}, {"a.donne", test::SourceDemo()}}, autre, false,
                                   TRangement::Collection);
  ASSERT_TRUE(meme);
  EXPECT_EQ(OctetsBase(*meme), OctetsBase(*base));
  EXPECT_EQ(OctetsQuestions(*meme), OctetsQuestions(*base));
  EXPECT_EQ(TexteVolume(*meme), TexteVolume(*base));

  // A deal without its number has no place in a volume; nor do two deals
  // with one number.
  TDiagnostics sansNumero;
  EXPECT_FALSE(CompileSources({{"a.donne", test::Remplace(test::SourceDemo(), "collection 21\n", "")}, {"b.donne", b}},
                              sansNumero, false, TRangement::Collection));
  EXPECT_THAT(sansNumero.Texte(), HasSubstr("a.donne, ligne 9 : numéro de collection manquant (ligne « collection N »)"));
  TDiagnostics doublon;
  EXPECT_FALSE(CompileSources({{"a.donne", test::SourceDemo()}, {"b.donne", exemple}}, doublon, false,
                              TRangement::Collection));
  EXPECT_THAT(doublon.Texte(), HasSubstr("numéro de collection 21 déjà pris par"));
}

// Faults of the source itself: each message names the file and its line.
TEST(Compilateur, ErreursDeLectureAvecFichierEtLigne) {
  const std::string demo = test::SourceDemo();
  const struct {
    std::string Avant, Apres, Attendu;
  } cas[] = {
      {"force 1", "forces 1", "essai.donne, ligne 6 : instruction « forces » inconnue."},
      {"force 1", "force 5", "essai.donne, ligne 6 : force « 5 » invalide (1 à 4)."},
      {"theme 4 ", "theme Impasses et squeezes ", "ligne 5 : thème « Impasses et squeezes » inconnu."},
      {"donneur Sud", "donneur Centre", "ligne 7 : joueur « Centre » inconnu (Sud, Ouest, Nord, Est)."},
      {"S:AK4.A63", "S:AK4.A63A", "ligne 10 : la main de Sud a 14 cartes au lieu de 13."},
      {"S:AK4.A63", "S:AK4.A6X", "ligne 10 : rang « X » inconnu dans la main de Sud"},
      {"3SA passe passe passe", "3SA passe passe", "ligne 11 : l'enchère (« encheres ... ») doit finir par trois passes."},
      {"1SA passe", "1SA pass", "ligne 11 : enchère « pass » inconnue"},
      {"commentaire 1 40 :", "commentaire 19 40 :", "ligne 13 : numéro de commentaire « 19 » invalide (1 à 18)."},
      {"commentaire 2 30 :", "commentaire 1 30 :", "ligne 14 : le commentaire 1 est déjà donné ligne 13."},
      {"Sud   : H3 H6 HA=1", "Sud   : H3 H6 HA=x", "ligne 26 : code de commentaire invalide après « = » dans « HA »."},
      {"Est   : H2", "Est   : H2=3", "ligne 25 : les cartes de la défense n'ont pas de commentaire (« H2=3 »)."},
      {"Est   : H2", "Est   : groupe:g", "ligne 25 : carte de défense « groupe:g » invalide"},
      {"Nord  : H4 H7", "Nord  : H4 H>", "ligne 24 : carte « H> » invalide pour Sud ou Nord"},
      {"suivante dame", "suivante reine", "ligne 22 : chaîne « reine » inconnue."},
      {"chaine dame levee 2", "chaine roi levee 2", "ligne 29 : chaîne « roi » définie deux fois."},
      {"chaine fin revendication", "chaine fin revendiquer", "genre de chaîne « revendiquer » inconnu"},
      {"ns 10 eo 3", "ns 10", "il faut « revendication ns N eo N [commentaire N] »."},
      {"question levee 3 repartition H", "question levee 3 repartition", "ligne 53 : question mal formée près de « repartition »"},
      {"question levee 3", "question levee 14", "levée « 14 » invalide (1 à 13)."},
      {"fin point", "fin du point", "texte sans sa ligne « fin point »."},
      {"**3SA**", "**3SA*", "« Le point » : "},
      {"chaine roi levee 1", "chaine roi levee 2", "ligne 22 : la chaîne est annoncée à la levée 2, mais le script y arrive à la levée 1."},
  };
  for (const auto& c : cas) EXPECT_THAT(Diagnostics(test::Remplace(demo, c.Avant, c.Apres)), HasSubstr(c.Attendu)) << c.Apres;
  EXPECT_THAT(Diagnostics(demo + "\njeu HK H4 H2 H3\n"), HasSubstr("le jeu complet a douze levées (ou aucune, pour le déduire du script)."));
  EXPECT_THAT(Diagnostics(demo + "octets 203470 01 02 03 04 05 06 07\n"), HasSubstr("les octets dépassent la fin de la fiche."));
  EXPECT_THAT(Diagnostics(test::Remplace(demo, "chaine roi levee 1 entame Ouest", "chaine 2 levee 1 entame Ouest")),
              HasSubstr("la première chaîne du fichier est la chaîne 1"));
}

TEST(Compilateur, EtiquettesNumeriquesEtTables) {
  // A chain named by a number keeps it; the others take the numbers left.
  const std::string demo = test::SourceDemo();
  std::string texte = test::Remplace(demo, "chaine fin revendication", "chaine 40 revendication");
  texte = test::Remplace(texte, "suivante fin", "suivante 40");
  TDiagnostics diagnostics;
  const auto donne = test::Compile(texte, diagnostics, false);
  ASSERT_TRUE(donne) << diagnostics.Texte();
  EXPECT_EQ(donne->Donne.Chaine(4).ChaineSuivante(), 40);
  EXPECT_EQ(donne->Donne.Chaine(40).TypeChaine(), tcRevendication);
  EXPECT_TRUE(donne->Donne.Chaine(5).EstVide());
  EXPECT_THAT(Diagnostics(demo + "chaine 401 solution\n"), HasSubstr("chaîne numéro 401 hors des limites (1 à 400)."));
  EXPECT_THAT(Diagnostics(demo + "groupe a prealables DA acceptees D* code 8\ngroupe b prealables DA acceptees D* code 8\n"
                                 "groupe c prealables DA acceptees D* code 8\ngroupe d prealables DA acceptees D* code 8\n"
                                 "groupe e prealables DA acceptees D* code 8\n"),
              HasSubstr("trop de groupes : 4 au plus."));
}

}  // namespace
}  // namespace kalvo
