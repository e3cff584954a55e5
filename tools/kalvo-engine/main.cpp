// kalvo-engine: drives the tracking engine over a deal given as text and
// prints what it knows as JSON lines (debugging, authoring, differential tests).
#include <CLI/CLI.hpp>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "engine/Defausse.h"
#include "engine/PartieCartes.h"
#include "model/NotationMains.h"
#include "tools/kalvo-engine/EtatJson.h"

namespace kalvo::outil_moteur {
namespace {

constexpr int StatutArguments = 1;
constexpr int StatutCarteRefusee = 2;

struct TOptions {
  std::string donne;
  std::string atout;
  std::string entameur = "W";
  std::string jeu;
  bool solutions = false;
  bool defense = false;
};

int Erreur(const std::string& message, int statut) {
  std::cerr << "kalvo-engine : " << message << '\n';
  return statut;
}

bool LitAtout(std::string texte, TCouleur& atout) {
  for (char& c : texte) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  static constexpr std::array<std::pair<std::string_view, TCouleur>, 5> noms{
      {{"S", clPique}, {"H", clCoeur}, {"D", clCarreau}, {"C", clTrefle}, {"NT", clSA}}};
  for (const auto& [nom, couleur] : noms) {
    if (texte == nom) {
      atout = couleur;
      return true;
    }
  }
  return false;
}

bool LitSiege(const std::string& texte, TJoueur& siege) {
  if (texte.size() != 1) return false;
  const auto i = std::string_view("SWNE").find(static_cast<char>(std::toupper(static_cast<unsigned char>(texte[0]))));
  if (i == std::string_view::npos) return false;
  siege = static_cast<TJoueur>(i);
  return true;
}

void Ecrit(const TJson& ligne) { std::cout << ligne.dump() << '\n'; }

// The lines that follow the play: solutions, then the defender's discard.
void EcritSuite(TPartieCartes& partie, const TOptions& options) {
  const int restantes = 14 - partie.Levee();
  if (options.solutions && partie.FinDeLevee() && restantes >= 2 && restantes <= 6 &&
      !EstDefenseur(partie.JoueurActuel())) {
    partie.Suivi().s_CalculeSolutions(partie.JoueurActuel(), partie.Levee());
    Ecrit(SolutionsJson(partie.Suivi(), partie.JoueurActuel(), partie.Levee()));
  }
  if (options.defense && !partie.Terminee() && EstDefenseur(partie.JoueurActuel())) {
    const TPositionDefense position{partie.JoueurActuel(), partie.Entameur(), partie.OnTable(), partie.Levee()};
    const int indice = ChoisitDefausse(partie.Suivi(), position);
    if (indice > 0) {
      Ecrit(TJson{{"event", "defausse"},
                  {"seat", std::string(1, LettreJoueurAnglaise(partie.JoueurActuel()))},
                  {"card", CodeCarte(partie.Suivi().Carte(partie.JoueurActuel(), indice))}});
    }
  }
}

int Execute(const TOptions& options) {
  if (options.donne.empty()) return Erreur("l'option --deal (la donne en PBN) est obligatoire", StatutArguments);
  if (options.atout.empty()) return Erreur("l'option --trump (S, H, D, C ou NT) est obligatoire", StatutArguments);
  std::string erreur;
  const std::optional<T4Jeux> jeux = LitJeuxPbn(options.donne, erreur);
  if (!jeux) return Erreur("donne PBN invalide : " + erreur, StatutArguments);
  TCouleur atout = clSA;
  if (!LitAtout(options.atout, atout)) {
    return Erreur("atout « " + options.atout + " » inconnu : S, H, D, C ou NT attendu", StatutArguments);
  }
  TJoueur entameur = jrOuest;
  if (!LitSiege(options.entameur, entameur)) {
    return Erreur("entameur « " + options.entameur + " » inconnu : S, W, N ou E attendu", StatutArguments);
  }

  TPartieCartes partie(*jeux, atout, entameur);
  Ecrit(TJson{{"event", "dealt"}, {"state", EtatJson(partie.Suivi())}});
  std::istringstream cartes(options.jeu);
  std::string code;
  while (cartes >> code) {
    TCard carte;
    if (!LitCodeCarte(code, carte)) return Erreur("carte " + code + " illisible", StatutCarteRefusee);
    if (const auto refus = partie.Joue(carte)) return Erreur("carte " + code + " refusée : " + *refus, StatutCarteRefusee);
    if (partie.FinDeLevee()) {
      const TLeveeJouee& levee = partie.Levees().back();
      TJson jouees = TJson::array();
      for (TCard c : levee.Cartes) jouees.push_back(CodeCarte(c));
      Ecrit(TJson{{"event", "trick"},
                  {"trick", static_cast<int>(partie.Levees().size())},
                  {"leader", std::string(1, LettreJoueurAnglaise(levee.Entameur))},
                  {"winner", std::string(1, LettreJoueurAnglaise(levee.Gagnant))},
                  {"cards", jouees},
                  {"state", EtatJson(partie.Suivi())}});
    }
  }
  EcritSuite(partie, options);
  return 0;
}

}  // namespace
}  // namespace kalvo::outil_moteur

int main(int argc, char** argv) {
  kalvo::outil_moteur::TOptions options;
  CLI::App app{"Suit une donne carte par carte avec le moteur de suivi et écrit son état en lignes JSON."};
  app.add_option("--deal", options.donne, "donne en PBN, par exemple \"S:AKQ2.KJ3.A2.K432 ...\"");
  app.add_option("--trump", options.atout, "atout du contrat : S, H, D, C ou NT");
  app.add_option("--leader", options.entameur, "siège qui entame la première carte de --play (défaut W)");
  app.add_option("--play", options.jeu, "cartes jouées dans l'ordre : \"SK S2 S3 SA ...\"");
  app.add_flag("--solutions", options.solutions, "écrit les solutions quand il reste 2 à 6 levées");
  app.add_flag("--defense", options.defense, "écrit la défausse choisie pour le flanc qui doit jouer");
  try {
    app.parse(argc, argv);
  } catch (const CLI::CallForHelp& e) {
    return app.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << "kalvo-engine : arguments invalides (" << e.what() << ")\n";
    return 1;
  }
  return kalvo::outil_moteur::Execute(options);
}
