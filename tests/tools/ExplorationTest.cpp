// The exploration of kalvo-deals check: deals seeded with each kind of
// fault a script can hide off its main line, each found with its trick and
// the line that leads there; a clean deal gives none.
#include "engine/PartieCartes.h"
#include "tests/tools/SourceFigee.h"
#include "tests/tools/SourcesDeTest.h"
#include "tools/kalvo-deals/Exploration.h"
#include "tools/kalvo-play/PartieJouee.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <regex>
#include <sstream>

namespace kalvo {
namespace {

using namespace redaction;
using namespace outil_donnes;

using ::testing::HasSubstr;
using test::Source;


struct TExploree {
  TResultatExploration Resultat;
  std::string Diagnostics;  // the compiler's, for the failure messages
  // The findings as check prints them after the deal: "levée T : texte".
  std::vector<std::string> Textes() const {
    std::vector<std::string> textes;
    for (const TConstatExploration& c : Resultat.Constats)
      textes.push_back((c.Gravite == grErreur ? "" : "attention : ") + std::string("levée ") + std::to_string(c.Levee) +
                       " : " + c.Texte());
    return textes;
  }
};

// The source built into a database of one deal, kept for the replays. The
// compiler's checks are left out: the main line meets some of the faults
// seeded here too.
struct TBaseEssai {
  test::TDossierTemporaire Dossier;
  std::string Diagnostics;
  std::filesystem::path Base() const { return Dossier / "ESSAI.DAT"; }
  std::filesystem::path Questions() const { return Dossier / "ESSAI.ASK"; }
};

std::unique_ptr<TBaseEssai> Construit(const std::string& source) {
  TDiagnostics diagnostics;
  const TSourceDonne lue = AnalyseSource(source, "essai.donne", diagnostics);
  std::optional<TDonneCompilee> donne = diagnostics.AErreurs() ? std::nullopt : ConstruitDonne(lue, diagnostics);
  if (!donne) throw std::runtime_error("la source ne se construit pas : " + diagnostics.Texte());
  donne->Donne.SetNumero(1);
  TBaseCompilee base;
  base.Donnes.push_back(*donne);
  base.NumerosVolume.push_back(1);
  base.Questions.push_back(donne->Questions);
  auto essai = std::make_unique<TBaseEssai>();
  EcritBase(base, essai->Dossier.Chemin(), "ESSAI.DAT", "ESSAI.ASK");
  essai->Diagnostics = diagnostics.Texte();
  return essai;
}

TExploree Explore(const std::string& source, TOptionsExploration options = {}) {
  const auto essai = Construit(source);
  TExploree e;
  e.Resultat = ExploreDonne({essai->Base(), essai->Questions(), std::nullopt}, 1, options);
  e.Diagnostics = essai->Diagnostics;
  return e;
}

TEST(Exploration, DonneSaineSansConstat) {
  const TExploree e = Explore(Source);
  EXPECT_THAT(e.Textes(), ::testing::IsEmpty());
  EXPECT_FALSE(e.Resultat.Interrompue);
  // Tricks 1 and 2: North's two small hearts and South's in either order
  // (2 x 2 lines) end in one position, explored once (3 met again); trick
  // 3: North's five accepted discards, of which the 7 and 6 of spades are
  // equal (no other hand's card between them, neither named): four; trick
  // 4: three leads of South, then North's three, all named; the claim
  // ends every line.
  EXPECT_EQ(e.Resultat.PositionsDejaVues, 3 + 1);
  EXPECT_EQ(e.Resultat.Lignes, 4 * 3 * 3);
  EXPECT_GT(e.Resultat.Millisecondes, 0);
}

TEST(Exploration, DefenseurSansCarteDuScript) {
  // North's H7 at trick 1 makes East play the 8, which trick 2 names again.
  const std::string source = test::Remplace(Source, "  Est   : H2\n", "  Est   : H8 si H7 H2\n");
  const TExploree e = Explore(source);
  ASSERT_EQ(e.Resultat.Constats.size(), 1u) << e.Diagnostics;
  const TConstatExploration& c = e.Resultat.Constats[0];
  EXPECT_EQ(c.Gravite, grErreur);
  EXPECT_EQ(c.Levee, 2);
  EXPECT_EQ(c.Message, "la chaîne 2 fait jouer le 8 de Cœur à Est, qui ne peut pas le jouer : il joue le 2 de Cœur "
                       "par la règle de défausse.");
  // The line goes up to North's card of trick 2; South's other card at
  // trick 1 reaches it too.
  EXPECT_EQ(c.Ligne, "HK H7 H8 H6 / HQ H4");
  EXPECT_EQ(c.AutresLignes, 1);
}

TEST(Exploration, DefenseurQuiRenonceOuQuiNaRien) {
  // When North plays the 4 of hearts (off the main line) no heart
  // alternative holds, and the script's other card is a diamond.
  const TExploree e = Explore(test::Remplace(Source, "  Est   : H8\n", "  Est   : D8 si H4  H8 si H7\n"));
  ASSERT_EQ(e.Resultat.Constats.size(), 1u) << e.Diagnostics;
  const TConstatExploration& renonce = e.Resultat.Constats[0];
  EXPECT_EQ(renonce.Gravite, grErreur);
  EXPECT_EQ(renonce.Levee, 2);
  EXPECT_EQ(renonce.Message, "la chaîne 2 fait jouer le 8 de Carreau à Est, qui doit fournir à Cœur : il joue le 8 de Cœur.");
  EXPECT_EQ(renonce.Ligne, "HK H7 H2 H6 / HQ H4");

  // Only a condition: when North plays the 4 the chain gives East nothing.
  const TExploree rien = Explore(test::Remplace(Source, "  Est   : H8\n", "  Est   : H8 si H7\n"));
  ASSERT_EQ(rien.Resultat.Constats.size(), 1u) << rien.Diagnostics;
  EXPECT_EQ(rien.Resultat.Constats[0].Gravite, grAvertissement);
  EXPECT_EQ(rien.Resultat.Constats[0].Message,
            "la chaîne 2 ne donne aucune carte à Est : il joue le 8 de Cœur par la règle de défausse.");
  EXPECT_EQ(rien.Resultat.Constats[0].Ligne, "HK H7 H2 H6 / HQ H4");
}

TEST(Exploration, CarteForceeOuAucuneCarteAcceptee) {
  // After North's 7 at trick 1, its 4 is forced at trick 2 and no chain has it.
  const TExploree forcee = Explore(test::Remplace(Source, "  Nord  : H7 H4\n", "  Nord  : H7\n"));
  ASSERT_EQ(forcee.Resultat.Constats.size(), 1u) << forcee.Diagnostics;
  EXPECT_EQ(forcee.Resultat.Constats[0].Message, "la carte forcée de Nord (le 4 de Cœur) n'est acceptée par aucune chaîne.");
  EXPECT_EQ(forcee.Resultat.Constats[0].Levee, 2);
  EXPECT_THAT(forcee.Resultat.Constats[0].Ligne, ::testing::StartsWith("HK H7 H2 H"));

  // After South's 6 at trick 1, South holds the ace (refused) and the 3 (in no line).
  const TExploree aucune = Explore(test::Remplace(Source, "  Sud   : H6 H3 HA=2\n", "  Sud   : H6 HA=2\n"));
  ASSERT_EQ(aucune.Resultat.Constats.size(), 1u) << aucune.Diagnostics;
  EXPECT_EQ(aucune.Resultat.Constats[0].Message, "Sud n'a aucune carte acceptée (cartes permises : HA H3).");
  EXPECT_THAT(aucune.Resultat.Constats[0].Ligne, HasSubstr(" H6 / HQ "));
}

TEST(Exploration, LigneQuiFaitChuterLeContrat) {
  const TExploree e = Explore(test::Remplace(Source, "revendication ns 10 eo 3", "revendication ns 8 eo 5"));
  ASSERT_EQ(e.Resultat.Constats.size(), 1u) << e.Diagnostics;
  EXPECT_EQ(e.Resultat.Constats[0].Levee, 13);
  EXPECT_EQ(e.Resultat.Constats[0].Message,
            "une ligne acceptée fait chuter le contrat : 8 levées pour Nord-Sud, il en faut 9.");
  EXPECT_EQ(e.Resultat.Constats[0].AutresLignes, e.Resultat.Lignes - 1);
}

TEST(Exploration, HasardSuiviDesDeuxCotes) {
  // "alors" is the main line; "sinon" reaches a trick chain led by the wrong
  // seat: a data error the main line never meets.
  std::string source = test::Remplace(Source, "suivante impasse\n", "suivante pile\n");
  source = test::Remplace(source, "chaine fin revendication", "chaine pile hasard alors impasse sinon faute\n"
                                                            "chaine faute levee 4 entame Ouest suivante fin\n"
                                                            "  Ouest : D5\n  Nord : DT\n  Est : DK\n  Sud : D2\n"
                                                            "chaine fin revendication");
  const TExploree e = Explore(source);
  ASSERT_EQ(e.Resultat.Constats.size(), 1u) << e.Diagnostics;
  const TConstatExploration& c = e.Resultat.Constats[0];
  EXPECT_EQ(c.Levee, 4);
  EXPECT_THAT(c.Message, HasSubstr("la donne s'arrête sur une donnée abîmée : "));
  EXPECT_THAT(c.Message, HasSubstr("fait entamer Ouest alors que Sud a gagné la levée."));
  EXPECT_THAT(c.Ligne, ::testing::EndsWith(" HA [hasard : sinon]"));
  // Both branches after every trick-3 line (four, the equal spades
  // merged): the sound lines, plus a stopped line for each.
  EXPECT_GE(e.Resultat.Lignes, 4 * (3 * 3 + 1));
  EXPECT_LE(e.Resultat.Lignes, 5 * (3 * 3 + 1));
}

TEST(Exploration, ModeSolutionLanceTropTotOuParUnFlanc) {
  // Solutions are computed for the last six tricks at most: launched after
  // trick 3, they accept none of South's cards.
  const auto debut = Source.find("chaine impasse"), fin = Source.find("question levee");
  const TExploree tot = Explore(Source.substr(0, debut) + "chaine impasse solution\n" + Source.substr(fin));
  ASSERT_EQ(tot.Resultat.Constats.size(), 1u);
  EXPECT_EQ(tot.Resultat.Constats[0].Levee, 4);
  EXPECT_EQ(tot.Resultat.Constats[0].Message,
            "Sud n'a aucune carte acceptée (cartes permises : SA SK S4 D9 D4 D2 CA CQ CT C3).");
  EXPECT_EQ(tot.Resultat.Lignes, 5);

  // After trick 4 East is on lead: the trainer would stop the deal.
  const TExploree flanc = Explore(test::Remplace(Source, "chaine fin revendication ns 10 eo 3 commentaire 7", "chaine fin solution"));
  ASSERT_EQ(flanc.Resultat.Constats.size(), 1u);
  EXPECT_EQ(flanc.Resultat.Constats[0].Levee, 5);
  EXPECT_EQ(flanc.Resultat.Constats[0].Message,
            "la donne s'arrête sur une donnée abîmée : Donne 1 : la chaîne 5 lance le mode solutions alors que Est a la main.");
  EXPECT_EQ(flanc.Resultat.Constats[0].AutresLignes, 4 * 3 * 3 - 1);
}

TEST(Exploration, InterrompueAuPlafondEnDisantCeQuiEstCouvert) {
  TOptionsExploration options;
  options.LignesMax = 10;
  const TExploree e = Explore(Source, options);
  EXPECT_TRUE(e.Resultat.Interrompue);
  EXPECT_EQ(e.Resultat.Arret, TResultatExploration::TArret::Lignes);
  EXPECT_EQ(e.Resultat.Lignes, 10);
  ASSERT_EQ(e.Resultat.Constats.size(), 1u);
  EXPECT_EQ(e.Resultat.Constats[0].Gravite, grAvertissement);
  // Ten lines end in trick 4: the choices left are South's other leads
  // there, North's other discards at trick 3 and South's other card at
  // trick 1 (its 6 after the 3, tried first), the lowest.
  EXPECT_EQ(e.Resultat.PremiereLeveeIncomplete, 1);
  EXPECT_THAT(e.Resultat.Constats[0].Texte(),
              ::testing::MatchesRegex("exploration interrompue après 10 lignes et [0-9]+ positions \\(plafond de 10 "
                                      "lignes\\) : aucune levée entièrement explorée, [0-9]+ choix laissés à partir "
                                      "de la levée 1 \\(le premier après HK H[47] H2\\)\\."));

  options = {};
  options.PositionsMax = 12;
  const TExploree p = Explore(Source, options);
  EXPECT_EQ(p.Resultat.Arret, TResultatExploration::TArret::Positions);
  EXPECT_EQ(p.Resultat.Positions, 12);
  EXPECT_THAT(p.Resultat.Constats.back().Message, HasSubstr("(plafond de 12 positions)"));
}

TEST(Exploration, BaseAbsenteOuDonneHorsBase) {
  test::TDossierTemporaire dossier;
  const TResultatExploration absente = ExploreDonne({dossier / "ABSENTE.DAT", std::nullopt, std::nullopt}, 1);
  ASSERT_EQ(absente.Constats.size(), 1u);
  EXPECT_THAT(absente.Constats[0].Message, ::testing::StartsWith("la base ne peut pas être jouée : "));
  EXPECT_EQ(absente.Lignes, 0);
}

TEST(Exploration, ConstatDesLEntreeNommeLeDepart) {
  // West is given a card it does not hold for the opening lead.
  const TExploree e = Explore(test::Remplace(Source, "  Ouest : HK\n", "  Ouest : CK\n"));
  ASSERT_FALSE(e.Resultat.Constats.empty());
  const TConstatExploration& c = e.Resultat.Constats.front();
  EXPECT_EQ(c.Levee, 1);
  EXPECT_EQ(c.Ligne, "");
  EXPECT_THAT(c.Texte(), ::testing::StartsWith("la chaîne 1 fait jouer le Roi de Trèfle à Ouest, qui ne peut pas le jouer"));
  EXPECT_THAT(c.Texte(), ::testing::EndsWith(" (au départ de la donne)."));
}

TEST(Exploration, CartesEgalesEtJeuLibreRegroupes) {
  // All the masters are South's; from trick 5 the trainer judges every
  // order of them. Equal cards (South's runs, North's small cards) lead to
  // positions explored once: a few hundred, where the exact cards would give
  // hundreds of thousands.
  const std::string source = test::LitOctets(std::filesystem::path(KALVO_TEST_DATA) / "stress-revendication.donne");
  const TExploree e = Explore(source);
  EXPECT_THAT(e.Textes(), ::testing::IsEmpty());
  EXPECT_FALSE(e.Resultat.Interrompue);
  EXPECT_GT(e.Resultat.PositionsDejaVues, 0);
  EXPECT_LT(e.Resultat.Positions, 20000);

  // With a small budget, the report says how far it got.
  TOptionsExploration options;
  options.PositionsMax = 300;
  const TExploree bornee = Explore(source, options);
  ASSERT_TRUE(bornee.Resultat.Interrompue);
  EXPECT_EQ(bornee.Resultat.Positions, 300);
  EXPECT_GE(bornee.Resultat.PremiereLeveeIncomplete, 1);
  EXPECT_THAT(bornee.Resultat.Constats.back().Message,
              HasSubstr("levée" + std::string(bornee.Resultat.PremiereLeveeIncomplete > 2 ? "s 1 à " : " 1")));
}

// ---------------------------------------------------------------- replays

using Json = nlohmann::ordered_json;

// The kalvo-play script of a finding's line: the cards South and North
// click (not those the trainer plays for them: the other hand's single
// card of the suit led, the thirteenth trick), a click on the felt to
// gather each trick, and the draws of the random nodes where they fell.
struct TRejeu {
  std::string Script;
  std::vector<TCard> Cartes;  // every card of the line, in order
  TPartieCartes Partie;       // the cards played, to know what comes next
};

TRejeu ScriptDeLaLigne(const std::string& ligne, const TDonne& donne) {
  TRejeu r{"", {}, TPartieCartes(donne.Mains(), donne.Atout())};
  std::string texte = std::regex_replace(ligne, std::regex(R"(\[hasard : alors\])"), "+alors");
  texte = std::regex_replace(texte, std::regex(R"(\[hasard : sinon\])"), "+sinon");
  std::istringstream mots(texte);
  bool premiereDuCamp = true;
  for (std::string mot; mots >> mot;) {
    if (mot == "/") {
      r.Script += "click\n";
      premiereDuCamp = true;
      continue;
    }
    if (mot == "+alors" || mot == "+sinon") {
      r.Script += mot == "+alors" ? "draw then\n" : "draw else\n";
      continue;
    }
    TCard carte;
    if (!LitCodeCarte(mot, carte)) throw std::runtime_error("ligne illisible : " + ligne);
    const TJoueur joueur = r.Partie.JoueurActuel();
    if (!EstDefenseur(joueur) && r.Partie.Levee() < 13) {
      const bool forcee = !premiereDuCamp && r.Partie.Compte(joueur, r.Partie.CouleurEntame()) == 1;
      if (!forcee) r.Script += CodeCarte(carte) + "\n";
      premiereDuCamp = false;
    }
    if (r.Partie.Joue(carte)) throw std::runtime_error("carte injouable dans la ligne : " + ligne);
    r.Cartes.push_back(carte);
  }
  return r;
}

// kalvo-play on the test database, without questions: its JSON lines.
std::vector<Json> Rejoue(const TBaseEssai& essai, const std::string& script) {
  test::TDossierTemporaire dossier;
  TConfigurationControleur configuration;
  configuration.Emplacement.Dossier = dossier.Chemin();
  configuration.Emplacement.FichierDonnes = essai.Base().string();
  configuration.Emplacement.FichierQuestions = (dossier / "aucune.ASK").string();
  configuration.TexteReglages = "[Options]\r\nEncheres=0\r\nQuestions=0\r\nAnalyseImprevues=0\r\n";
  configuration.Graine = 1;
  std::ostringstream sortie, erreurs;
  outil_partie::TPartieJouee partie(configuration, std::make_unique<outil_partie::TUtilisateurScript>(script), sortie,
                                    erreurs);
  partie.Joue(1);
  std::vector<Json> lignes;
  std::istringstream flux(sortie.str());
  for (std::string l; std::getline(flux, l);) lignes.push_back(Json::parse(l));
  return lignes;
}

std::vector<Json> Evenements(const std::vector<Json>& lignes, const std::string& genre) {
  std::vector<Json> choisis;
  for (const Json& l : lignes)
    if (l["event"] == genre) choisis.push_back(l);
  return choisis;
}

// Replays the finding's line through kalvo-play and checks that it leads
// where the finding says.
void VerifieRejeu(const TBaseEssai& essai, const TDonne& donne, const TConstatExploration& c) {
  SCOPED_TRACE(c.Texte());
  TRejeu r = ScriptDeLaLigne(c.Ligne, donne);
  const bool finDeLevee = r.Partie.FinDeLevee() && !r.Cartes.empty();
  std::string suite;
  const std::string& m = c.Message;
  if (m.find(" n'a aucune carte acceptée") != std::string::npos || m.starts_with("la carte forcée de ")) {
    // Every card is refused: the first one the hand may play passes.
    if (finDeLevee) suite += "click\n";
    TCard premiere;
    for (T4Couleur s : {clPique, clCoeur, clCarreau, clTrefle})
      for (const TCard carte : r.Partie.Restantes(r.Partie.JoueurActuel(), s))
        if (!premiere.EstReelle() && r.Partie.PeutJouer(carte)) premiere = carte;
    suite += CodeCarte(premiere) + "\n";
    const std::vector<Json> lignes = Rejoue(essai, r.Script + suite);
    const std::vector<Json> sans = Evenements(lignes, "no_way_out");
    ASSERT_EQ(sans.size(), 1u);
    EXPECT_EQ(sans[0]["card"], CodeCarte(premiere));
    return;
  }
  if (finDeLevee) suite += "click\n";
  // A line that ends the deal ends on a claim, whose window a click closes.
  if (m.starts_with("une ligne acceptée fait chuter le contrat : ")) suite += "click\n";
  const std::vector<Json> lignes = Rejoue(essai, r.Script + suite + "end next\n");
  const std::vector<Json> cartes = Evenements(lignes, "card");
  ASSERT_GE(cartes.size(), r.Cartes.size());
  for (std::size_t i = 0; i < r.Cartes.size(); ++i) EXPECT_EQ(cartes[i]["card"], CodeCarte(r.Cartes[i])) << i;
  if (const auto abimee = m.find(": "); m.starts_with("la donne s'arrête sur une donnée abîmée") ||
                                       m.starts_with("une carte forcée n'est acceptée")) {
    const std::vector<Json> erreurs = Evenements(lignes, "data_error");
    ASSERT_EQ(erreurs.size(), 1u);
    EXPECT_EQ(erreurs[0]["message"], m.substr(abimee + 2));
  } else if (m.starts_with("une ligne acceptée fait chuter le contrat : ")) {
    const std::vector<Json> fin = Evenements(lignes, "end");
    ASSERT_EQ(fin.size(), 1u);
    EXPECT_THAT(m, HasSubstr(" : " + std::to_string(fin[0]["ns"].get<int>()) + " levées pour Nord-Sud"));
  } else {
    // A defender's fallback: its card is the next one, as the finding names it.
    ASSERT_GT(cartes.size(), r.Cartes.size());
    const Json& suivante = cartes[r.Cartes.size()];
    TCard jouee;
    ASSERT_TRUE(LitCodeCarte(suivante["card"].get<std::string>(), jouee));
    EXPECT_EQ(suivante["seat"], std::string(1, LettreJoueurAnglaise(r.Partie.JoueurActuel())));
    EXPECT_THAT(m, HasSubstr(" à " + std::string(NomsJoueurs[r.Partie.JoueurActuel()])));
    EXPECT_THAT(m, HasSubstr("il joue " + NomCarteArticle(jouee)));
  }
}

TEST(Exploration, ChaqueConstatSeRejoueParKalvoPlay) {
  const auto debut = Source.find("chaine impasse"), fin = Source.find("question levee");
  std::string hasard = test::Remplace(Source, "suivante impasse\n", "suivante pile\n");
  hasard = test::Remplace(hasard, "chaine fin revendication", "chaine pile hasard alors impasse sinon faute\n"
                                                            "chaine faute levee 4 entame Ouest suivante fin\n"
                                                            "  Ouest : D5\n  Nord : DT\n  Est : DK\n  Sud : D2\n"
                                                            "chaine fin revendication");
  const std::vector<std::string> sources{
      test::Remplace(Source, "  Est   : H2\n", "  Est   : H8 si H7 H2\n"),
      test::Remplace(Source, "  Est   : H8\n", "  Est   : D8 si H4  H8 si H7\n"),
      test::Remplace(Source, "  Est   : H8\n", "  Est   : H8 si H7\n"),
      test::Remplace(Source, "  Nord  : H7 H4\n", "  Nord  : H7\n"),
      test::Remplace(Source, "  Sud   : H6 H3 HA=2\n", "  Sud   : H6 HA=2\n"),
      test::Remplace(Source, "revendication ns 10 eo 3", "revendication ns 8 eo 5"),
      hasard,
      Source.substr(0, debut) + "chaine impasse solution\n" + Source.substr(fin),
      test::Remplace(Source, "chaine fin revendication ns 10 eo 3 commentaire 7", "chaine fin solution"),
  };
  int rejoues = 0;
  for (const std::string& source : sources) {
    const auto essai = Construit(source);
    const TResultatExploration r = ExploreDonne({essai->Base(), essai->Questions(), std::nullopt}, 1);
    TDiagnostics diagnostics;
    const TSourceDonne lue = AnalyseSource(source, "essai.donne", diagnostics);
    const TDonne donne = ConstruitDonne(lue, diagnostics)->Donne;
    for (const TConstatExploration& c : r.Constats) {
      VerifieRejeu(*essai, donne, c);
      ++rejoues;
    }
  }
  EXPECT_GE(rejoues, 9);
}

}  // namespace
}  // namespace kalvo
