#include "coaching/Levee.h"

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

}  // namespace kalvo
