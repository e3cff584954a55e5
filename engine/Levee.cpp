#include "engine/Levee.h"

namespace kalvo {

TJoueur GagnantLevee(const TCartesJouees& OnTable, TJoueur Entameur, TCouleur atout) {
  TCouleur decisive = OnTable[Entameur].Couleur();
  if (atout != clSA) {
    int atouts = 0;
    for (TCard carte : OnTable) atouts += carte.c == atout ? 1 : 0;
    if (atouts != 0 && atouts != 4) decisive = atout;
  }
  TJoueur gagnant = Entameur;
  int meilleur = 0;
  for (TJoueur j : TousLesJoueurs) {
    const TCard carte = OnTable[j];
    if (carte.c == decisive && carte.h > meilleur) {
      meilleur = carte.h;
      gagnant = j;
    }
  }
  return gagnant;
}

std::vector<TCard> CartesPermises(const TSuiviMains& suivi, TJoueur joueur, TCard carteEntame) {
  const bool fournit = carteEntame.EstReelle() && suivi.s_GetCompteCouleur(joueur, carteEntame.Couleur()) > 0;
  std::vector<TCard> cartes;
  for (int i = 1; i <= 13; ++i) {
    const TCard carte = suivi.Carte(joueur, i);
    if (suivi.s_isCarteJouee(joueur, i) || (fournit && carte.c != carteEntame.c)) continue;
    cartes.push_back(carte);
  }
  return cartes;
}

TLeveeJouee LeveeJouee(const TCartesJouees& OnTable, TJoueur Entameur, TCouleur atout) {
  TLeveeJouee levee{Entameur, {}, GagnantLevee(OnTable, Entameur, atout)};
  TJoueur j = Entameur;
  for (TCard& carte : levee.Cartes) {
    carte = OnTable[j];
    j = JoueurSuivant(j);
  }
  return levee;
}

void SignaleCarteJouee(TSuiviMains& suivi, TJoueur joueur, int indice) {
  suivi.s_SetCarteJouee(joueur, indice);
  suivi.s_Actualise(joueur, suivi.Carte(joueur, indice).Couleur());
}

void SignaleFinDeLevee(TSuiviMains& suivi, int levee, int compteurLevees) {
  suivi.s_ActualiseSuiviJeux(levee, compteurLevees);
  suivi.s_ActualiseCommunicationsBlocages(levee);
}

}  // namespace kalvo
