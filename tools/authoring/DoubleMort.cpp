#include "tools/authoring/DoubleMort.h"

#include <dds/dll.h>

#include <array>

namespace kalvo::redaction {

namespace {

// DDS numbers the seats North, East, South, West and the suits spades to clubs.
int MainDds(TJoueur j) { return (j + 2) % 4; }
int CouleurDds(int c) { return 3 - c; }

deal PositionDds(const TPartieCartes& partie) {
  deal position{};
  position.trump = partie.Atout() == clSA ? 4 : CouleurDds(partie.Atout());
  position.first = MainDds(partie.Entameur());
  TJoueur j = partie.Entameur();
  for (int k = 0; k < partie.NbSurTable(); ++k, j = JoueurSuivant(j)) {
    const TCard c = partie.OnTable()[j];
    position.currentTrickSuit[k] = CouleurDds(c.c);
    position.currentTrickRank[k] = c.h;
  }
  for (TJoueur joueur : TousLesJoueurs)
    for (T4Couleur s : ToutesLesCouleurs)
      for (const TCard c : partie.Restantes(joueur, s))
        position.remainCards[MainDds(joueur)][CouleurDds(s)] |= 1u << c.h;
  return position;
}

futureTricks Resout(const TPartieCartes& partie, int solutions) {
  futureTricks resultat{};
  // Mode 1: search even when the seat has a single card to play, so that
  // every score is a number of tricks.
  const int code = SolveBoard(PositionDds(partie), -1, solutions, 1, &resultat, 0);
  if (code != RETURN_NO_FAULT) {
    char texte[80] = {};
    ErrorMessage(code, texte);
    throw ErreurDoubleMort("le solveur de double mort a échoué (" + std::to_string(code) + " : " + texte + ").");
  }
  return resultat;
}

}  // namespace

TSolveurDoubleMort::TSolveurDoubleMort() { SetMaxThreads(1); }

TSolveurDoubleMort::~TSolveurDoubleMort() { FreeMemory(); }

int TSolveurDoubleMort::LeveesNS(const TPartieCartes& partie) {
  if (partie.Terminee()) return partie.LeveesNS();
  const futureTricks resultat = Resout(partie, 1);
  const int restantes = 14 - partie.Levee();
  const TJoueur j = partie.JoueurActuel();
  const bool ns = j == jrSud || j == jrNord;
  return partie.LeveesNS() + (ns ? resultat.score[0] : restantes - resultat.score[0]);
}

TCard TSolveurDoubleMort::MeilleureCarte(const TPartieCartes& partie) {
  const futureTricks resultat = Resout(partie, 3);
  if (resultat.cards < 1) throw ErreurDoubleMort("le solveur de double mort ne propose aucune carte.");
  const int meilleur = resultat.score[0];
  TCard choix{15, 0};
  auto compare = [&](TCard c) {
    if (c.h < choix.h || (c.h == choix.h && c.c < choix.c)) choix = c;
  };
  for (int i = 0; i < resultat.cards; ++i) {
    if (resultat.score[i] != meilleur) continue;
    const auto couleur = static_cast<std::uint8_t>(CouleurDds(resultat.suit[i]));
    compare(TCard{static_cast<std::uint8_t>(resultat.rank[i]), couleur});
    for (int h = 2; h <= 14; ++h)
      if (resultat.equals[i] & (1 << h)) compare(TCard{static_cast<std::uint8_t>(h), couleur});
  }
  return choix;
}

}  // namespace kalvo::redaction
