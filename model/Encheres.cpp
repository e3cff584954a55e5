#include "model/Encheres.h"

#include "model/Donne.h"
#include "model/Windows1252.h"

namespace kalvo {

namespace {

void VerifieAppel(const TDonne& donne, const TAppel& appel) {
  const TEnchere& e = appel.Enchere;
  const std::string ou = " (ligne " + std::to_string(appel.Ligne) + ", " + std::string(NomsJoueurs[appel.Joueur]) + ")";
  if (e.Niveau > 7)
    throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "enchère de niveau " + std::to_string(e.Niveau) + " invalide" + ou + ".");
  if (e.Niveau >= 1 && e.Couleur > clSA)
    throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "enchère de couleur " + std::to_string(e.Couleur) + " invalide" + ou + ".");
  if (e.Alerte > NbAlertes)
    throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "alerte " + std::to_string(e.Alerte) +
                       " hors des limites (0 à 4)" + ou + ".");
}

}  // namespace

std::vector<TAppel> SuiteEncheres(const TDonne& donne) {
  std::vector<TAppel> appels;
  TJoueur joueur = donne.Donneur();
  int ligne = 1;
  while (ligne <= NbLignesEncheres) {
    const TAppel appel{ligne, joueur, donne.Enchere(ligne, joueur)};
    if (appel.Enchere.Niveau == NiveauFinEncheres) break;
    VerifieAppel(donne, appel);
    appels.push_back(appel);
    joueur = JoueurSuivant(joueur);
    if (joueur == jrSud) ++ligne;
  }
  return appels;
}

std::string TexteAlerte(const TDonne& donne, int n) { return Windows1252VersUtf8(donne.Alerte(n)); }

std::string TexteEnchere(const TEnchere& enchere) {
  if (enchere.Niveau >= 1 && enchere.Niveau <= 7 && enchere.Couleur <= clSA) {
    return std::to_string(enchere.Niveau) + std::string(SymbolesCouleurs[enchere.Couleur]);
  }
  if (enchere.Niveau == 0) {
    if (enchere.Couleur == 1) return "Passe";
    if (enchere.Couleur == 2) return "Contre";
    return "Surcontre";
  }
  return "?";
}

std::string TexteContrat(int niveau, TCouleur atout) {
  if (niveau < 1 || niveau > 7 || atout > clSA) return "contrat invalide";
  return std::to_string(niveau) + std::string(SymbolesCouleurs[atout]) + " par Sud";
}

}  // namespace kalvo
