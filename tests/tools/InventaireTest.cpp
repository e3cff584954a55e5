// The inventory of script features: deals written for the test through the
// record's writers, each using a known set of features, must report exactly
// that set; then the base table, its JSON and the program's exit status.
#include "tests/model/DonnesDeTest.h"
#include "tools/kalvo-deals/InventaireBase.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <sys/wait.h>

#include <set>
#include <sstream>

namespace kalvo {
namespace {

using namespace outil_donnes;
using enum TFonction;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr TCard C(int h, int c) { return TCard{static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(c)}; }
TCarteDefense Alt(TCard carte) { return TCarteDefense{0, 0, {}, {}, carte}; }

// A trick chain led by West: the defenders' alternatives fill slot 1 then
// slot 2 (three each), the declarer side's cards slot 1 then slot 2.
void Levee(TDonne& d, int c, const std::vector<TCarteDefense>& defense, const std::vector<TCard>& declarant) {
  const TChaineModifiable ch = d.Chaine(c);
  ch.SetTypeChaine(tcLevee);
  ch.SetEntameur(jrOuest);
  ch.SetChaineSuivante(c + 1);
  for (std::size_t k = 0; k < defense.size(); ++k)
    ch.SetDefense(static_cast<int>(k / 3) + 1, static_cast<int>(k % 3) + 1, defense[k]);
  for (std::size_t k = 0; k < declarant.size(); ++k)
    ch.SetDeclarant(static_cast<int>(k / 8) + 1, static_cast<int>(k % 8) + 1, {declarant[k], 0});
}

void Noeud(TDonne& d, int c, std::uint8_t type) {
  const TChaineModifiable ch = d.Chaine(c);
  ch.SetTypeChaine(type);
  ch.SetChaineA(1);
}

void PoolComplet(TDonne& d, int p) {
  const TPoolModifiable pool = d.Pool(p);
  const auto sud = pool.Entame(true, clTrefle, 1);
  sud.SetRang(RangQuelconque);
  sud.SetNbConditions(3);
  sud.SetCondition(1, {1, C(14, clTrefle), 4});
  sud.SetCondition(2, {2, C(13, clTrefle), 4});
  sud.SetCondition(3, {1, C(RangPlusHaute, clCoeur), 4});
  sud.SetNbSuites(1);
  sud.SetSuite(1, {RangQuelconque, 0});
  sud.SetNbDefausses(1);
  sud.SetDefausse(1, {RangPlusHaute, CouleurQuelconque, 0});
  pool.Entame(false, clCarreau, 2).SetRang(14);
  const auto autre = pool.Autre(true, clTrefle, 1);
  autre.SetRang(10);
  autre.SetCode(3);
  autre.SetNbSuites(1);
  autre.SetSuite(1, {RangQuelconque, 3});
}

void AutoComplet(TDonne& d, int c) {
  const TChaineModifiable ch = d.Chaine(c);
  ch.SetTypeChaine(tcAutomatique);
  const TChaineAutoModifiable a = ch.Auto();
  a.SetNbSud(1);
  a.SetListeSud(1, {C(2, clTrefle), 0, 1});
  a.SetNbNord(1);
  a.SetListeNord(1, {C(3, clCoeur), 0, 0});
  a.SetParCouleur(clTrefle, {1, 0});
  a.SetCodeDefaut(5);
}

// Every feature but the quiz kinds, once each.
TDonne DonneComplete() {
  TDonne d = test::DonneValide();
  d.SetEnchere(1, jrOuest, {0, 2, 1});
  d.SetAlerte(1, "Texte");
  Levee(d, 1,
        {Alt(C(14, clPique)), Alt(C(15, clCoeur)), Alt(C(16, clCoeur)), Alt(C(32, clCoeur)), Alt(C(48, 1)),
         Alt(C(64, clCoeur))},
        {C(2, clTrefle), C(15, clTrefle), C(16, clTrefle), C(48, 1), C(80, clTrefle), C(128, 1), C(128, 2),
         C(15, CouleurQuelconque)});
  d.Chaine(1).SetChaineEquivalente(2);
  Levee(d, 2,
        {Alt(C(80, clCoeur)), Alt(C(128, 1)), Alt(C(15, CouleurQuelconque)),
         TCarteDefense{1, 0, {}, C(15, clPique), C(14, clPique)}, TCarteDefense{0, 1, C(2, clCoeur), C(3, clCoeur), C(15, clCoeur)}},
        {});
  d.SetGroupe(1, TGroupe{{C(14, clTrefle)}, {C(15, clCoeur)}, 7});
  for (std::uint8_t type = tcDistribution; type <= tcSolution; ++type) Noeud(d, 1 + type, type);
  AutoComplet(d, 1 + tcAutomatique);
  d.Chaine(1 + tcPool).SetNumeroPool(3);
  PoolComplet(d, 3);
  d.SetJeuComplet(1, 1, C(2, clTrefle));
  return d;
}

std::vector<TFonction> SansQuestions() {
  std::vector<TFonction> liste;
  for (TFonction f : ToutesLesFonctions())
    if (!EstFonctionQuestion(f)) liste.push_back(f);
  return liste;
}

TQuestionsDonne Fiche(const std::vector<TQuestion>& questions) {
  TQuestionsDonne fiche;
  fiche.SetNbQuestions(static_cast<std::uint16_t>(questions.size()));
  for (std::size_t q = 0; q < questions.size(); ++q) fiche.SetQuestion(static_cast<int>(q) + 1, questions[q]);
  return fiche;
}
// Kind, option and start flag of a question on trick 5.
TQuestion Q(int genre, int option = 0, int depart = 0) {
  return TQuestion{5, 10, static_cast<std::uint8_t>(genre), jrOuest, clCoeur, C(14, clPique),
                   static_cast<std::uint8_t>(option), static_cast<std::uint16_t>(depart)};
}

TEST(Inventaire, DonneSansScriptNUtiliseRien) {
  const TInventaireDonne r = InventorieDonne(test::DonneValide(), nullptr);
  EXPECT_THAT(r.Usages.Liste(), IsEmpty());
  EXPECT_THAT(r.Avertissements, IsEmpty());
}

TEST(Inventaire, SousEnsembleConnuRapporteExactement) {
  TDonne d = test::DonneValide();
  Levee(d, 1, {Alt(C(16, clPique)), TCarteDefense{0, 1, C(2, clCoeur), C(3, clCoeur), C(15, clCoeur)}, Alt(C(64, clPique))},
        {C(80, clTrefle), C(128, 2)});
  Noeud(d, 2, tcGagnantLevee);
  d.Chaine(3).SetTypeChaine(tcPool);
  d.Chaine(3).SetNumeroPool(2);
  const TPoolModifiable pool = d.Pool(2);
  pool.Entame(false, clPique, 8).SetRang(12);
  pool.Entame(false, clPique, 8).SetNbDefausses(1);
  pool.Entame(false, clPique, 8).SetDefausse(1, {5, clCoeur, 0});
  const TQuestionsDonne fiche = Fiche({Q(3, 1), Q(2, 0, 1)});
  const TInventaireDonne r = InventorieDonne(d, &fiche);
  EXPECT_THAT(r.Usages.Liste(),
              ElementsAre(ChaineLevee, NoeudGagnantLevee, NoeudPool, DefenseQuelconque, DefensePlusHaute, DefenseBasDeSequence,
                          DefenseSiDerniere, DeclarantBatPartenaire, DeclarantCompteur, CompteurTable2, PoolEntameNord,
                          PoolDefausses, QuestionCouleursDepart, QuestionCarteJouee));
  EXPECT_THAT(r.Avertissements, IsEmpty());
}

TEST(Inventaire, DonneCompleteUtiliseToutSaufLesQuestions) {
  const TInventaireDonne r = InventorieDonne(DonneComplete(), nullptr);
  EXPECT_EQ(r.Usages.Liste(), SansQuestions());
  EXPECT_THAT(r.Avertissements, IsEmpty());
}

// Pools, groups and counter tables filled but named by no chain (or by a
// defender's code only), cards
// after the end of a list, a last-card condition outside the case where it
// is read: none of them is a use.
TEST(Inventaire, CeQueLeJeuNeLitPasNeComptePas) {
  TDonne d = test::DonneValide();
  PoolComplet(d, 1);
  d.SetGroupe(1, TGroupe{{C(14, clTrefle)}, {C(15, clCoeur)}, 7});
  d.SetCompteur(1, clCoeur, TCompteur{1, 5, {15}});
  Levee(d, 1, {TCarteDefense{0, 1, C(2, clCoeur), C(3, clCoeur), C(16, clCoeur)}, Alt(C(0, clCoeur)), Alt(C(80, clCoeur))},
        {C(48, 2)});
  d.Chaine(1).SetDeclarant(1, 3, {C(128, 1), 0});  // after an empty entry 2
  d.Chaine(1).SetDefense(2, 1, TCarteDefense{1, 1, {}, C(15, clPique), C(15, clPique)});
  // A defender's group or counter code gives no card and reads no table.
  d.Chaine(1).SetDefense(2, 2, Alt(C(48, 1)));
  d.Chaine(1).SetDefense(2, 3, Alt(C(128, 1)));
  const TQuestionsDonne fiche = Fiche({Q(0), Q(5)});
  TQuestionsDonne troisiemeHorsCompte = fiche;
  troisiemeHorsCompte.SetQuestion(3, Q(1));
  const TInventaireDonne r = InventorieDonne(d, &troisiemeHorsCompte);
  EXPECT_THAT(r.Usages.Liste(), ElementsAre(ChaineLevee, DefenseQuelconque, DefensePlusHaute, DefenseGroupe,
                                            DefenseCompteur, DefenseSiPrecedente, DeclarantGroupe, QuestionEntame,
                                            QuestionRepartition));
}

TEST(Inventaire, GenresDeQuestionsSelonLeurOption) {
  const auto genres = [](const std::vector<TQuestion>& questions) {
    const TQuestionsDonne fiche = Fiche(questions);
    return InventorieDonne(TDonne{}, &fiche).Usages.Liste();
  };
  EXPECT_THAT(genres({Q(0, 0), Q(0, 2), Q(1, 0)}), ElementsAre(QuestionEntame, QuestionPremiereDefausse, QuestionPointsDepart));
  EXPECT_THAT(genres({Q(1, 1), Q(2, 1, 0), Q(3, 0)}),
              ElementsAre(QuestionPointsMontres, QuestionCouleursMontrees, QuestionCarteTenue));
  EXPECT_THAT(genres({Q(4, 0), Q(4, 1)}), ElementsAre(QuestionCouleurDepart, QuestionCouleurMontree));
  // Kind 2 reads its start flag, not the option.
  EXPECT_THAT(genres({Q(2, 1, 1)}), ElementsAre(QuestionCouleursDepart));

  TQuestionsDonne tropDeQuestions = Fiche({Q(5)});
  tropDeQuestions.SetNbQuestions(7);
  const TInventaireDonne r = InventorieDonne(TDonne{}, &tropDeQuestions);
  EXPECT_THAT(r.Usages.Liste(), IsEmpty());
  EXPECT_THAT(r.Avertissements, ElementsAre(HasSubstr("7 questions")));
  const TQuestionsDonne genreInconnu = Fiche({Q(9), Q(5)});
  const TInventaireDonne r2 = InventorieDonne(TDonne{}, &genreInconnu);
  EXPECT_THAT(r2.Usages.Liste(), ElementsAre(QuestionRepartition));
  EXPECT_THAT(r2.Avertissements, ElementsAre("question 1 : genre 9 inconnu (0 à 5)."));
}

TEST(Inventaire, DonneesAbimeesAvertissentEtLeResteCompte) {
  TDonne d = DonneComplete();
  d.Chaine(1 + tcPool).SetNumeroPool(9);          // no pool 9: the pool's features are lost
  d.Chaine(30).SetTypeChaine(40);                 // unknown node type
  d.Chaine(1 + tcAutomatique).Auto().SetNbSud(12);  // list longer than its table
  d.Chaine(2).SetDefense(1, 2, Alt(C(48, 6)));    // group 6 does not exist
  d.Chaine(1).SetDefense(2, 2, Alt(C(14, clPique)));  // chain 1's group codes go
  d.Chaine(1).SetDeclarant(1, 4, {C(14, clTrefle), 0});
  d.Chaine(2).SetDefense(1, 3, Alt(C(200, clCoeur)));
  const TInventaireDonne r = InventorieDonne(d, nullptr);
  EXPECT_THAT(r.Avertissements, ElementsAre(HasSubstr("chaîne 2 : groupe 6 inexistant"),
                                            HasSubstr("chaîne 2 : code de carte 200 inconnu pour la défense"),
                                            HasSubstr("NbSud"), HasSubstr("chaîne 12 : pool"),
                                            "chaîne 30 : type 40 inconnu."));
  EXPECT_TRUE(r.Usages.Utilise(NoeudSolution));
  EXPECT_TRUE(r.Usages.Utilise(DefenseSiPrecedente));  // slot 2 of the damaged chain still read
  EXPECT_FALSE(r.Usages.Utilise(DefenseGroupe));
  EXPECT_FALSE(r.Usages.Utilise(GroupePrealables));
  EXPECT_FALSE(r.Usages.Utilise(NoeudPool));
  EXPECT_FALSE(r.Usages.Utilise(PoolEntameSud));
  EXPECT_FALSE(r.Usages.Utilise(NoeudAutomatique));
  EXPECT_FALSE(r.Usages.Utilise(AutoListeSud));
  EXPECT_FALSE(r.Usages.Utilise(DefenseToutesCouleurs));  // alternative 3 of slot 1 was overwritten
}

// A base of the complete deal and three deals that only carry questions:
// together they use every feature once the fourth asks a division.
TBaseLue BaseComplete(bool avecRepartition) {
  TBaseLue base;
  base.Nom = "ESSAI.DAT";
  base.Donnes = {DonneComplete(), test::DonneValide(), test::DonneValide(), test::DonneValide()};
  base.Questions = std::vector<TQuestionsDonne>{
      Fiche({Q(0, 0), Q(0, 1), Q(1, 0)}), Fiche({Q(1, 1), Q(2, 0, 1), Q(2, 0, 0)}),
      Fiche({Q(3, 0), Q(3, 1), Q(4, 0)}), Fiche(avecRepartition ? std::vector{Q(4, 1), Q(5)} : std::vector{Q(4, 1)})};
  return base;
}

TEST(InventaireBase, DonnesParNumeroDeCollectionEtStatut) {
  TBaseLue base = BaseComplete(true);
  EXPECT_EQ(InventorieBase(base).Statut(), 0);

  // Collection numbers 12, 5, 3, 7: the questions records follow them.
  base.Volume = TNumerosVolume({12, 5, 3, 7});
  base.Questions->resize(12);
  (*base.Questions)[11] = Fiche({Q(5)});
  (*base.Questions)[4] = Fiche({Q(5)});
  (*base.Questions)[2] = Fiche({Q(0)});
  const TInventaireBase inventaire = InventorieBase(base);
  EXPECT_TRUE(inventaire.NumerosCollection);
  EXPECT_THAT(inventaire.DonnesDe(QuestionRepartition), ElementsAre(5, 12));
  EXPECT_THAT(inventaire.DonnesDe(QuestionEntame), ElementsAre(3));
  EXPECT_THAT(inventaire.DonnesDe(NoeudHasard), ElementsAre(12));
  EXPECT_THAT(inventaire.Inutilisees(), ElementsAre(QuestionPremiereDefausse, QuestionPointsDepart, QuestionPointsMontres,
                                                    QuestionCouleursDepart, QuestionCouleursMontrees, QuestionCarteTenue,
                                                    QuestionCarteJouee, QuestionCouleurDepart, QuestionCouleurMontree));
  EXPECT_EQ(inventaire.Statut(), 1);

  std::ostringstream table;
  EcritInventaire(inventaire, table);
  EXPECT_THAT(table.str(), HasSubstr("ESSAI.DAT : 4 donnes, désignées par leur numéro de collection."));
  EXPECT_THAT(table.str(), HasSubstr("Question 5 : répartition d'une couleur                           2  5, 12\n"));
  EXPECT_THAT(table.str(), HasSubstr("\nFonctions jamais utilisées : Question 0 : la première défausse ; Question 1 : "));
  EXPECT_THAT(table.str(), Not(HasSubstr("Toutes les fonctions")));
}

// A return to chain 1 and the codes that judge only the declarer side's
// cards, found in a defender's list, are never required of a volume: the
// base is complete without them, and the table says why they are not.
TEST(InventaireBase, CeQuUneDonneBienEcriteNUtiliseJamaisNEstPasExige) {
  TBaseLue base = BaseComplete(true);
  for (TDonne& d : base.Donnes)
    for (int c = 1; c <= NbChaines; ++c) {
      if (d.Chaine(c).TypeChaine() == tcRetourDebut) d.Chaine(c).SetTypeChaine(tcGagnantLevee);
      if (d.Chaine(c).TypeChaine() != tcLevee) continue;
      for (int place = 1; place <= 2; ++place)
        for (int a = 1; a <= 3; ++a) {
          const TCarteDefense alt = d.Chaine(c).Defense(place, a);
          if (alt.Carte.h == RangGroupe || alt.Carte.h == RangBatPartenaire || alt.Carte.h == RangCompteur)
            d.Chaine(c).SetDefense(place, a, Alt(C(RangQuelconque, clPique)));
        }
    }
  const TInventaireBase inventaire = InventorieBase(base);
  EXPECT_THAT(inventaire.SansObjetInutilisees(),
              ElementsAre(NoeudRetourDebut, DefenseGroupe, DefenseBatPartenaire, DefenseCompteur));
  EXPECT_THAT(inventaire.Inutilisees(), IsEmpty());
  EXPECT_EQ(inventaire.Statut(), 0);
  std::ostringstream table;
  EcritInventaire(inventaire, table);
  EXPECT_THAT(table.str(), HasSubstr("Toutes les fonctions attendues du script sont utilisées.\n"
                                     "Non exigée, Nœud retour au début (type 7) : la marche reprendrait à la "
                                     "chaîne 1 au milieu de la donne.\n"));
  EXPECT_THAT(table.str(), HasSubstr("Non exigée, Défense : compteur (128) : ce code juge une carte de Sud ou de Nord"));
  std::ostringstream json;
  EcritInventaireJson(inventaire, json);
  EXPECT_EQ(nlohmann::json::parse(json.str())["not_expected"],
            nlohmann::json::parse(R"(["noeud-retour-debut","defense-groupe","defense-bat-partenaire","defense-compteur"])"));
}

TEST(InventaireBase, SansFichierDeQuestionsLesQuestionsNeSontPasMesurees) {
  TBaseLue base = BaseComplete(true);
  base.Questions.reset();
  const TInventaireBase inventaire = InventorieBase(base);
  EXPECT_THAT(inventaire.Inutilisees(), IsEmpty());
  EXPECT_EQ(inventaire.NonMesurees().size(), NbFonctions - SansQuestions().size());
  EXPECT_EQ(inventaire.Statut(), 1);
  std::ostringstream table;
  EcritInventaire(inventaire, table);
  EXPECT_THAT(table.str(), HasSubstr("désignées par leur numéro de donne."));
  EXPECT_THAT(table.str(), HasSubstr("Question 0 : l'entame                                            —  non mesurée"));
  EXPECT_THAT(table.str(), HasSubstr("Les questions ne sont pas mesurées"));
  EXPECT_THAT(table.str(), Not(HasSubstr("Toutes les fonctions")));
}

TEST(InventaireBase, FormeDuJson) {
  TBaseLue base = BaseComplete(false);
  base.Avertissements.push_back("la base ESSAI.DAT est tronquée : 3 octets ignorés.");
  base.Donnes[1].Chaine(5).SetTypeChaine(0xEE);
  std::ostringstream sortie;
  EcritInventaireJson(InventorieBase(base), sortie);
  const auto j = nlohmann::json::parse(sortie.str());
  EXPECT_EQ(j["base"], "ESSAI.DAT");
  EXPECT_EQ(j["deals"], 4);
  EXPECT_EQ(j["numbering"], "deal");
  EXPECT_EQ(j["questions_measured"], true);
  ASSERT_EQ(j["features"].size(), NbFonctions);
  EXPECT_EQ(j["features"][0], nlohmann::json::parse(
                                  R"j({"key":"chaine-levee","label":"Chaîne de levée (type 1, jeu par chaînes)",)j"
                                  R"j("measured":true,"deals":[1]})j"));
  EXPECT_EQ(j["features"].back()["key"], "question-repartition");
  EXPECT_EQ(j["features"].back()["deals"], nlohmann::json::array());
  EXPECT_EQ(j["unused"], nlohmann::json::parse(R"(["question-repartition"])"));
  EXPECT_EQ(j["not_expected"], nlohmann::json::array());
  EXPECT_EQ(j["not_measured"], nlohmann::json::array());
  EXPECT_EQ(j["all_used"], false);
  EXPECT_EQ(j["warnings"], nlohmann::json::parse(R"(["ESSAI.DAT : la base ESSAI.DAT est tronquée : 3 octets ignorés.",)"
                                                 R"("ESSAI.DAT, donne 2 : chaîne 5 : type 238 inconnu."])"));
  std::set<std::string> cles;
  for (const auto& f : j["features"]) cles.insert(f["key"].get<std::string>());
  EXPECT_EQ(cles.size(), NbFonctions);
}

// The program on files: the status says whether every feature is used.
struct TResultat {
  int Statut = -1;
  std::string Sortie, Erreurs;
};

TResultat Inventaire(const std::filesystem::path& dossier, const std::vector<std::string>& arguments) {
  std::string commande = "cd '" + dossier.string() + "' && '" + KALVO_BUILD_DIR + "/tools/kalvo-deals/kalvo-deals' inventaire";
  for (const std::string& a : arguments) commande += " '" + a + "'";
  commande += " >sortie.txt 2>erreurs.txt";
  const int brut = std::system(commande.c_str());
  return {WIFEXITED(brut) ? WEXITSTATUS(brut) : -1, test::LitOctets(dossier / "sortie.txt"),
          test::LitOctets(dossier / "erreurs.txt")};
}

void EcritQuestions(const std::filesystem::path& fichier, const std::vector<TQuestionsDonne>& fiches) {
  std::string octets;
  for (const TQuestionsDonne& f : fiches) octets.append(f.Octets().begin(), f.Octets().end());
  test::EcritOctets(fichier, octets);
}

TEST(KalvoDealsInventaire, StatutDeSortie) {
  test::TDossierTemporaire dossier;
  const TBaseLue base = BaseComplete(true);
  test::EcritBase(dossier / "ESSAI.DAT", base.Donnes);
  EcritQuestions(dossier / "TOUT.ASK", *base.Questions);
  EcritQuestions(dossier / "MANQUE.ASK", *BaseComplete(false).Questions);

  const TResultat tout = Inventaire(dossier.Chemin(), {"ESSAI.DAT", "--questions", "TOUT.ASK"});
  EXPECT_EQ(tout.Statut, 0) << tout.Sortie << tout.Erreurs;
  EXPECT_THAT(tout.Sortie, HasSubstr("\nToutes les fonctions attendues du script sont utilisées.\n"));
  EXPECT_EQ(tout.Erreurs, "");

  const TResultat manque = Inventaire(dossier.Chemin(), {"ESSAI.DAT", "--questions", "MANQUE.ASK"});
  EXPECT_EQ(manque.Statut, 1);
  EXPECT_THAT(manque.Sortie, HasSubstr("\nFonctions jamais utilisées : Question 5 : répartition d'une couleur.\n"));
  const TResultat json = Inventaire(dossier.Chemin(), {"ESSAI.DAT", "--questions", "MANQUE.ASK", "--json"});
  EXPECT_EQ(json.Statut, 1);
  EXPECT_EQ(nlohmann::json::parse(json.Sortie)["unused"], nlohmann::json::parse(R"(["question-repartition"])"));

  EXPECT_EQ(Inventaire(dossier.Chemin(), {"ESSAI.DAT"}).Statut, 1);
  const TResultat absente = Inventaire(dossier.Chemin(), {"ABSENTE.DAT"});
  EXPECT_EQ(absente.Statut, 1);
  EXPECT_EQ(absente.Sortie, "");
  EXPECT_THAT(absente.Erreurs, HasSubstr("Impossible de lire le fichier « ABSENTE.DAT »."));
}

}  // namespace
}  // namespace kalvo
