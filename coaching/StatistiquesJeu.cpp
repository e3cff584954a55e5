#include "coaching/StatistiquesJeu.h"

namespace kalvo {

void TStatistiquesJeu::NoteCarte(TJoueur joueur, TCard carte, int levee, TJoueur entameur, TCard entame,
                                 TCouleur atout) {
  // A card that is no card of the pack counts for nothing rather than
  // indexing outside the tables.
  if (!EstJoueurValide(joueur) || !carte.EstReelle()) return;
  if (carte.h > 10) PointsJoues[joueur] += carte.h - 10;
  ++CartesJoueesParCouleur[joueur][carte.c];
  if (levee == 1 && joueur == jrOuest) EntameJouee = carte;
  // In no trump atout is clSA, which no card carries: every card of another
  // suit is then a discard.
  if (joueur != entameur && EstDefenseur(joueur) && !DefausseNotee[joueur] && carte.c != entame.c &&
      carte.c != atout) {
    DefausseNotee[joueur] = true;
    PremiereDefausse[joueur] = carte;
  }
}

}  // namespace kalvo
