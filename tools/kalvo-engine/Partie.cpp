#include "tools/kalvo-engine/Partie.h"

namespace kalvo {

TPartie::TPartie(const T4Jeux& jeux, TCouleur atout, TJoueur entameur)
    : FAtout(atout), FEntameur(entameur), FJoueur(entameur) {
  FSuivi.s_Initialise(jeux, 0, atout);
}

std::string TPartie::Joue(TCard carte) {
  const std::string siege(NomsJoueurs[FJoueur]);
  if (Terminee()) return "les treize levées sont déjà jouées";
  const int indice = FSuivi.s_ChercheIndiceCarte(FJoueur, carte);
  if (indice == 0) return siege + " ne détient pas cette carte";
  if (FSuivi.s_isCarteJouee(FJoueur, indice)) return "la carte est déjà jouée";
  if (FNbSurTable > 0) {
    const T4Couleur entame = FOnTable[FEntameur].Couleur();
    if (carte.c != entame && FSuivi.s_GetCompteCouleur(FJoueur, entame) > 0) {
      return siege + " doit fournir à " + std::string(NomsCouleurs[entame]);
    }
  }
  // Reported exactly as the trainer does: the card, then its suit count.
  FSuivi.s_SetCarteJouee(FJoueur, indice);
  FSuivi.s_Actualise(FJoueur, carte.Couleur());
  FOnTable[FJoueur] = carte;
  ++FNbSurTable;
  if (FNbSurTable < 4) {
    FJoueur = JoueurSuivant(FJoueur);
    return {};
  }

  FDerniere.numero = FLevee;
  FDerniere.entameur = FEntameur;
  FDerniere.gagnant = Gagnant();
  TJoueur j = FEntameur;
  for (TCard& c : FDerniere.cartes) {
    c = FOnTable[j];
    j = JoueurSuivant(j);
  }
  FSuivi.s_ActualiseSuiviJeux(FLevee, FLevee - 1);
  FSuivi.s_ActualiseCommunicationsBlocages(FLevee);
  ++FLevee;
  FEntameur = FJoueur = FDerniere.gagnant;
  FOnTable = TCartesJouees{};
  FNbSurTable = 0;
  return {};
}

// Highest trump, or else highest card of the suit led.
TJoueur TPartie::Gagnant() const {
  TJoueur gagnant = FEntameur;
  for (TJoueur j : TousLesJoueurs) {
    const TCard c = FOnTable[j];
    const TCard meilleure = FOnTable[gagnant];
    const bool coupe = FAtout != clSA && c.c == FAtout && meilleure.c != FAtout;
    if (coupe || (c.c == meilleure.c && c.h > meilleure.h)) gagnant = j;
  }
  return gagnant;
}

}  // namespace kalvo
