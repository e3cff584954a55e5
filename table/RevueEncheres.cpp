#include "table/RevueEncheres.h"

#include "model/Donne.h"
#include "model/ErreurDonnee.h"
#include "model/Windows1252.h"

#include <set>

namespace kalvo {

namespace {

std::string TexteNonEnchere(int couleur) {
  if (couleur == 1) return "—";
  if (couleur == 2) return "X";
  return "XX";
}

std::string Ou(int ronde, TJoueur joueur) {
  return " (ligne " + std::to_string(ronde) + ", " + std::string(NomsJoueurs[joueur]) + ")";
}

}  // namespace

TRevueEncheres LitRevueEncheres(const TDonne& donne) {
  TRevueEncheres revue;
  TJoueur joueur = jrSud;
  try {
    joueur = donne.Donneur();
  } catch (const ErreurDonnee& erreur) {
    revue.Erreur = erreur.what();
    return revue;
  }
  std::set<int> expliquees;
  int ronde = 1;
  while (ronde <= NbLignesEncheres) {
    const TEnchere e = donne.Enchere(ronde, joueur);
    TCaseRevue c{ronde, joueur, {}, -1, true, 0};
    if (e.Niveau == NiveauFinEncheres) {
      c.Texte = "FIN";
      revue.Cases.push_back(c);
      break;
    }
    if (e.Niveau == 0) {
      c.Texte = TexteNonEnchere(e.Couleur);
    } else if (e.Niveau <= 7 && e.Couleur == clSA) {
      c.Texte = std::to_string(e.Niveau) + " SA";
    } else if (e.Niveau <= 7 && EstCouleurReelle(e.Couleur)) {
      c.Texte = std::to_string(e.Niveau);
      c.Symbole = e.Couleur;
      c.PleineColonne = false;
    } else {
      revue.Erreur = "Enchère illisible" + Ou(ronde, joueur) + " : la suite de l'enchère n'est pas montrée.";
      break;
    }
    if (e.Alerte > NbAlertes) {
      revue.Erreur = "Alerte " + std::to_string(e.Alerte) + " hors des limites (0 à 4)" + Ou(ronde, joueur) + ".";
    } else if (e.Alerte != 0) {
      c.Alerte = e.Alerte;
      // One line per alert text, however many calls share it.
      if (expliquees.insert(e.Alerte).second)
        revue.Explications.push_back(
            {e.Alerte, "(" + std::to_string(e.Alerte) + ") " + Windows1252VersUtf8(donne.Alerte(e.Alerte))});
    }
    revue.Cases.push_back(c);
    joueur = JoueurSuivant(joueur);
    if (joueur == jrSud) ++ronde;
  }
  revue.RondeAtteinte = ronde;
  return revue;
}

}  // namespace kalvo
