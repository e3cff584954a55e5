#include "control/RevueEncheres.h"

#include "model/Donne.h"
#include "model/ErreurDonnee.h"
#include "model/Encheres.h"

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
  // Values out of range, which reading the deal refuses, show nothing.
  const int donneur = donne.Octets()[offsets::Donneur];
  const int vuln = donne.Octets()[offsets::Vulnerabilite];
  if (EstJoueurValide(donneur)) revue.Donneur = std::string(NomsJoueurs[static_cast<std::size_t>(donneur)]);
  if (vuln < 4) revue.Vulnerabilite = std::string(NomsVulnerabilites[static_cast<std::size_t>(vuln)]);
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
            {e.Alerte, "(" + std::to_string(e.Alerte) + ") " + TexteAlerte(donne, e.Alerte)});
    }
    revue.Cases.push_back(c);
    joueur = JoueurSuivant(joueur);
    if (joueur == jrSud) ++ronde;
  }
  revue.RondeAtteinte = ronde;
  return revue;
}

}  // namespace kalvo
