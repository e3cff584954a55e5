// The double-dummy audit of a script: the deal written for it
// (tests/data/audit-trois-constats.donne) hides one refusal of a card as
// good as the best, one accepted card that costs a trick and one penalty
// out of scale, and the audit finds those three and nothing else, each
// with its trick, line, card, comment and penalty; a written reason turns
// the first into a deliberate refusal; a losing accepted card is an error.
// On the same deal, kalvo-play tells the trainer's verdict on a card in no
// line in its "refused" event.
#include "tests/tools/SourcesDeTest.h"
#include "tools/kalvo-play/PartieJouee.h"
#include "tools/kalvo-deals/Audit.h"
#include "tools/kalvo-deals/AuditBase.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <sstream>

namespace kalvo {
namespace {

using namespace redaction;
using namespace outil_donnes;

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

std::string SourceAudit() {
  return test::LitOctets(std::filesystem::path(KALVO_TEST_DATA) / "audit-trois-constats.donne");
}

// The source compiled (with every check) into a database of one deal.
struct TBaseAudit {
  test::TDossierTemporaire Dossier;
  std::string Diagnostics;
  std::vector<TRaison> Raisons;
  TFichiersExploration Fichiers() const { return {Dossier / "ESSAI.DAT", Dossier / "ESSAI.ASK", std::nullopt}; }
};

std::unique_ptr<TBaseAudit> Construit(const std::string& source) {
  auto essai = std::make_unique<TBaseAudit>();
  TDiagnostics diagnostics;
  std::optional<TDonneCompilee> donne = test::Compile(source, diagnostics);
  essai->Diagnostics = diagnostics.Texte();
  if (!donne || diagnostics.AErreurs()) return essai;
  TBaseCompilee base;
  for (TRaison& r : donne->Raisons) r.Donne = 1;
  essai->Raisons = donne->Raisons;
  base.Donnes.push_back(*donne);
  base.NumerosVolume.push_back(1);
  base.Questions.push_back(donne->Questions);
  EcritBase(base, essai->Dossier.Chemin(), "ESSAI.DAT", "ESSAI.ASK");
  return essai;
}

TResultatAudit Audite(const TBaseAudit& essai) {
  TOptionsAudit options;
  options.Raisons = essai.Raisons;
  return AuditeDonne(essai.Fichiers(), 1, options);
}

std::vector<std::string> Textes(const TResultatAudit& r) {
  std::vector<std::string> textes;
  for (const TConstatAudit& c : r.Constats) textes.push_back(c.Texte());
  return textes;
}

const TConstatAudit* Trouve(const TResultatAudit& r, TGenreAudit genre) {
  const auto c = std::find_if(r.Constats.begin(), r.Constats.end(), [genre](const TConstatAudit& x) { return x.Genre == genre; });
  return c == r.Constats.end() ? nullptr : &*c;
}

TEST(Audit, LaDonneDEssaiDonneSesTroisConstatsEtRienDAutre) {
  const auto essai = Construit(SourceAudit());
  ASSERT_THAT(essai->Diagnostics, IsEmpty());
  const TResultatAudit r = Audite(*essai);
  EXPECT_THAT(r.Exploration.Constats, IsEmpty());
  ASSERT_EQ(r.Constats.size(), 3u) << ::testing::PrintToString(Textes(r));
  EXPECT_EQ(r.Nombre(TGenreAudit::RefuseeAussiBonne), 1);
  EXPECT_EQ(r.Nombre(TGenreAudit::AccepteeMoinsBonne), 1);
  EXPECT_EQ(r.Nombre(TGenreAudit::PenaliteHorsEchelle), 1);

  // Ducking with the 6 is as good as with the 3.
  const TConstatAudit* aussiBonne = Trouve(r, TGenreAudit::RefuseeAussiBonne);
  ASSERT_NE(aussiBonne, nullptr);
  EXPECT_EQ(aussiBonne->Gravite, grAvertissement);
  EXPECT_EQ(aussiBonne->Texte(),
            "refusée mais aussi bonne : Sud joue le 6 de Cœur, refusé par le commentaire 8 (20 points : « Fournissez "
            "votre plus petit Cœur. »), alors qu'en double mort il fait 10 levées comme la meilleure carte (le contrat "
            "est fait) (après HK H7 H2 ; 1 autre ligne).");
  EXPECT_EQ(aussiBonne->Levee, 1);
  EXPECT_EQ(aussiBonne->Code, 8);
  EXPECT_EQ(aussiBonne->Penalite, 20);

  // Taking the first heart loses the contract: 10 marks are too few.
  const TConstatAudit* horsEchelle = Trouve(r, TGenreAudit::PenaliteHorsEchelle);
  ASSERT_NE(horsEchelle, nullptr);
  EXPECT_EQ(horsEchelle->Gravite, grAvertissement);
  EXPECT_EQ(horsEchelle->Texte(),
            "pénalité hors d'échelle : Sud joue l'As de Cœur, refusé par le commentaire 1 (10 points : « Ne prenez pas "
            "tout de suite. »), alors qu'en double mort il fait chuter le contrat (8 levées, il en faut 9) quand une "
            "autre carte le fait (10 levées) (après HK H7 H2 ; 1 autre ligne).");
  EXPECT_EQ(horsEchelle->Carte, (TCard{14, clCoeur}));

  // Taking the second heart is accepted, and East keeps a heart for his
  // partner: the one error.
  const TConstatAudit* moinsBonne = Trouve(r, TGenreAudit::AccepteeMoinsBonne);
  ASSERT_NE(moinsBonne, nullptr);
  EXPECT_EQ(moinsBonne->Gravite, grErreur);
  EXPECT_EQ(moinsBonne->Texte(),
            "acceptée mais moins bonne : Sud joue l'As de Cœur, accepté, alors qu'en double mort il fait chuter le "
            "contrat (8 levées, il en faut 9) quand une autre carte le fait (10 levées) (après HK H7 H2 H3 / HQ H4 H8 "
            "; 1 autre ligne).");
  EXPECT_EQ(moinsBonne->Levee, 2);
  EXPECT_EQ(moinsBonne->Code, 0);
  EXPECT_TRUE(r.AErreurs());

  EXPECT_GT(r.PositionsAuditees, 0);
  EXPECT_LE(r.PositionsResolues, r.PositionsAuditees);
}

TEST(Audit, UneRaisonEcriteFaitDuRefusUnRefusVoulu) {
  const auto essai = Construit(test::Remplace(SourceAudit(), "  Sud   : H3 H6=8 HA=1\n",
                                              "  Sud   : H3 H6=8 HA=1\n  raison 8 : votre plus petit Cœur\n"));
  ASSERT_EQ(essai->Raisons.size(), 1u) << essai->Diagnostics;
  const TResultatAudit r = Audite(*essai);
  EXPECT_EQ(r.Nombre(TGenreAudit::RefuseeAussiBonne), 0);
  ASSERT_EQ(r.Nombre(TGenreAudit::RefusVoulu), 1);
  const auto voulu = std::find_if(r.Constats.begin(), r.Constats.end(),
                                  [](const TConstatAudit& c) { return c.Genre == TGenreAudit::RefusVoulu; });
  EXPECT_EQ(voulu->Carte, (TCard{6, clCoeur}));
  EXPECT_THAT(voulu->Message(), HasSubstr("pour la raison écrite : « votre plus petit Cœur »."));
  // The other two findings stay as they were.
  EXPECT_EQ(r.Constats.size(), 3u);
}

// A heavy charge on a card that costs nothing double dummy is a slip,
// unless a written reason says what it guards against on other layouts.
TEST(Audit, UneRaisonEcriteJustifieUneLourdePenalite) {
  const std::string lourde = test::Remplace(SourceAudit(), "commentaire 8 20 : Fournissez", "commentaire 8 40 : Fournissez");
  const auto sansRaison = Construit(lourde);
  ASSERT_THAT(sansRaison->Diagnostics, IsEmpty());
  const TResultatAudit r1 = Audite(*sansRaison);
  EXPECT_EQ(r1.Nombre(TGenreAudit::PenaliteHorsEchelle), 2) << ::testing::PrintToString(Textes(r1));

  const auto avecRaison = Construit(test::Remplace(lourde, "  Sud   : H3 H6=8 HA=1\n",
                                                   "  Sud   : H3 H6=8 HA=1\n  raison 8 : votre plus petit Cœur\n"));
  const TResultatAudit r2 = Audite(*avecRaison);
  EXPECT_EQ(r2.Nombre(TGenreAudit::RefusVoulu), 1);
  // Only the ace refused for 10 marks though it loses stays out of scale.
  ASSERT_EQ(r2.Nombre(TGenreAudit::PenaliteHorsEchelle), 1) << ::testing::PrintToString(Textes(r2));
  EXPECT_EQ(Trouve(r2, TGenreAudit::PenaliteHorsEchelle)->Code, 1);
}

// "kalvo-deals audit" as a table and as JSON, and the deal asked for.
TEST(Audit, TableauEtJsonDeLaBase) {
  const auto essai = Construit(SourceAudit());
  const TBaseLue base = LitBase(essai->Dossier / "ESSAI.DAT", essai->Dossier / "ESSAI.ASK", std::nullopt);
  TOptionsAuditBase options;
  std::ostringstream sortie, erreurs;
  EXPECT_EQ(AuditeBase(base, essai->Fichiers(), options, sortie, erreurs), 1) << erreurs.str();
  EXPECT_THAT(sortie.str(), ::testing::MatchesRegex("Audit en double mort de ESSAI.DAT :\n"
                                                    "Donne +Positions +Résolues +Aussi bonnes +Voulus +Moins bonnes "
                                                    "+Pénalités +Exploration +Durée\n"
                                                    " +1 +[0-9]+ +[0-9]+ +1 +0 +1 +1 +[0-9]+ +[0-9]+,[0-9] s\n"));
  // The error is the accepted ace; the other two are warnings.
  EXPECT_THAT(erreurs.str(), HasSubstr("ESSAI.DAT, donne 1, levée 1 : attention : refusée mais aussi bonne : Sud joue "
                                       "le 6 de Cœur"));
  EXPECT_THAT(erreurs.str(), HasSubstr("ESSAI.DAT, donne 1, levée 2 : acceptée mais moins bonne : Sud joue l'As de "
                                       "Cœur"));

  options.Json = true;
  std::ostringstream json, erreursJson;
  EXPECT_EQ(AuditeBase(base, essai->Fichiers(), options, json, erreursJson), 1);
  const auto document = nlohmann::json::parse(json.str());
  ASSERT_EQ(document["deals"].size(), 1u);
  const auto& donne = document["deals"][0];
  EXPECT_EQ(donne["counts"]["refused_as_good"], 1);
  EXPECT_EQ(donne["counts"]["accepted_worse"], 1);
  EXPECT_EQ(donne["counts"]["penalty_out_of_scale"], 1);
  ASSERT_EQ(donne["findings"].size(), 3u);
  const auto& aussiBonne = donne["findings"][2];
  EXPECT_EQ(aussiBonne["kind"], "refused_as_good");
  EXPECT_EQ(aussiBonne["severity"], "warning");
  EXPECT_EQ(aussiBonne["trick"], 1);
  EXPECT_EQ(aussiBonne["line"], "HK H7 H2");
  EXPECT_EQ(aussiBonne["seat"], "S");
  EXPECT_EQ(aussiBonne["card"], "H6");
  EXPECT_EQ(aussiBonne["code"], 8);
  EXPECT_EQ(aussiBonne["penalty"], 20);
  EXPECT_EQ(aussiBonne["comment"], "Fournissez votre plus petit Cœur.");
  EXPECT_EQ(aussiBonne["tricks"], 10);
  EXPECT_EQ(aussiBonne["best"], 10);
  EXPECT_EQ(aussiBonne["required"], 9);
  EXPECT_EQ(donne["findings"][0]["severity"], "error");
  EXPECT_EQ(erreursJson.str(), "");

  options.Donne = 2;
  std::ostringstream rien, absente;
  EXPECT_EQ(AuditeBase(base, essai->Fichiers(), options, rien, absente), 2);
  EXPECT_EQ(absente.str(), "ESSAI.DAT : la donne 2 n'est pas dans la base (1 à 1).\n");
}

// South's ace of spades led at trick 4 is in no line (the lesson plays
// diamonds) but costs nothing double dummy; then the 2 of diamonds.
TEST(KalvoPlayVerdict, LEvenementRefusedPorteLeVerdict) {
  const auto essai = Construit(SourceAudit());
  const auto joue = [&](const std::string& reglages) {
    test::TDossierTemporaire dossier;
    TConfigurationControleur configuration;
    configuration.Emplacement.Dossier = dossier.Chemin();
    configuration.Emplacement.FichierDonnes = (essai->Dossier / "ESSAI.DAT").string();
    configuration.Emplacement.FichierQuestions = (dossier / "aucune.ASK").string();
    configuration.TexteReglages = "[Options]\r\nEncheres=0\r\nQuestions=0\r\n" + reglages;
    configuration.Graine = 1;
    configuration.DelaiAnalyse = std::nullopt;  // as kalvo-play runs
    std::ostringstream sortie, erreurs;
    outil_partie::TPartieJouee partie(
        configuration, std::make_unique<outil_partie::TUtilisateurScript>("H4\nH3\nclick\nH7\nH6\nclick\nS2\nclick\nSA\nD2\n"),
        sortie, erreurs);
    partie.Joue(1);
    std::vector<nlohmann::ordered_json> refus;
    std::istringstream flux(sortie.str());
    for (std::string l; std::getline(flux, l);)
      if (auto j = nlohmann::ordered_json::parse(l); j["event"] == "refused") refus.push_back(j);
    return refus;
  };
  const auto refus = joue("");
  ASSERT_EQ(refus.size(), 1u);
  const auto& r = refus[0];
  EXPECT_EQ(r["seat"], "S");
  EXPECT_EQ(r["card"], "SA");
  EXPECT_EQ(r["code"], 49);
  EXPECT_EQ(r["marks"], 50);
  EXPECT_EQ(r["signal"], "beep");
  EXPECT_EQ(r["analysis"], "costs_nothing");
  EXPECT_EQ(r["analysis_tricks"], 10);
  EXPECT_EQ(r["analysis_best"], 10);
  EXPECT_EQ(r["analysis_text"], "Cette carte sort de la leçon. En double mort (les quatre jeux visibles), elle ne "
                                "coûte rien, mais la leçon suit une autre ligne.");
  // Without the setting, the event is as it always was.
  const auto sans = joue("AnalyseImprevues=0\r\n");
  ASSERT_EQ(sans.size(), 1u);
  EXPECT_FALSE(sans[0].contains("analysis"));
  EXPECT_EQ(sans[0].dump(), R"({"event":"refused","seat":"S","card":"SA","code":49,"marks":50,"signal":"beep"})");
}

}  // namespace
}  // namespace kalvo
