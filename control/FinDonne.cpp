#include "control/FinDonne.h"

#include "model/Encheres.h"

#include <algorithm>

namespace kalvo {

namespace {

std::string TexteAppel(const TEnchere& e) {
  if (e.Niveau == 0) {
    if (e.Couleur == 1) return "—";
    if (e.Couleur == 2) return "X";
    return "XX";
  }
  if (e.Couleur == clSA) return std::to_string(e.Niveau) + " SA";
  return std::to_string(e.Niveau) + " ";
}

}  // namespace

std::string TexteMainCouleur(const T4Jeux& mains, TJoueur joueur, T4Couleur couleur) {
  std::vector<int> rangs;
  for (const TCard& carte : mains.cartes[joueur]) {
    if (carte.c == couleur && carte.EstReelle()) rangs.push_back(carte.h);
  }
  if (rangs.empty()) return " —";
  std::sort(rangs.rbegin(), rangs.rend());
  std::string texte;
  for (int h : rangs) {
    texte += ' ';
    texte += TexteRang(h);
  }
  return texte;
}

TEncheresFinDonne EncheresFinDonne(const TDonne& donne) {
  TEncheresFinDonne resultat;
  const std::vector<TAppel> appels = SuiteEncheres(donne);
  int marques = 0;
  for (const TAppel& appel : appels) {
    TCelluleEnchere cellule;
    cellule.Ligne = appel.Ligne;
    cellule.Colonne = appel.Joueur;
    cellule.Texte = TexteAppel(appel.Enchere);
    if (appel.Enchere.Niveau > 0 && appel.Enchere.Couleur < clSA) {
      cellule.Symbole = static_cast<T4Couleur>(appel.Enchere.Couleur);
    }
    const int n = appel.Enchere.Alerte;
    if (n > 0) {
      cellule.Alerte = n;
      if (marques < NbMarquesAlertes) cellule.Marque = ++marques;
      std::string& ligne = resultat.LignesAlertes[static_cast<std::size_t>(n - 1)];
      if (ligne.empty()) {
        ligne = '(';
        ligne += std::to_string(n);
        ligne += ") ";
        ligne += TexteAlerte(donne, n);
      }
    }
    resultat.Cellules.push_back(std::move(cellule));
  }
  // The walk stopped on the end marker unless it ran past the last row.
  int ligne = 1;
  TJoueur joueur = donne.Donneur();
  if (!appels.empty()) {
    joueur = JoueurSuivant(appels.back().Joueur);
    ligne = appels.back().Ligne + (joueur == jrSud ? 1 : 0);
  }
  if (ligne <= NbLignesEncheres) {
    TCelluleEnchere fin;
    fin.Ligne = ligne;
    fin.Colonne = joueur;
    fin.Texte = "FIN";
    resultat.Cellules.push_back(std::move(fin));
  }
  return resultat;
}

std::optional<TEntameDecoupee> DecoupeEntame(const std::string& ligne, TCard entame) {
  if (!entame.EstReelle()) return std::nullopt;
  const std::string rang = TexteRang(entame.h);
  // Cards are separated by blanks: look for the rank as a whole word.
  std::size_t debut = 0;
  while (debut < ligne.size()) {
    while (debut < ligne.size() && ligne[debut] == ' ') ++debut;
    std::size_t fin = ligne.find(' ', debut);
    if (fin == std::string::npos) fin = ligne.size();
    if (ligne.compare(debut, fin - debut, rang) == 0 && fin > debut) {
      std::string avant = ligne.substr(0, debut);
      // The listing's leading blank is no card: the lead is then the first.
      if (!avant.empty() && avant.front() == ' ') avant.erase(0, 1);
      return TEntameDecoupee{avant, rang, ligne.substr(fin)};
    }
    debut = fin;
  }
  return std::nullopt;
}

TContenuFinDonne PrepareFinDonne(const TDonne& donne, int numero) {
  TContenuFinDonne contenu;
  contenu.Donne = std::to_string(numero);
  contenu.Donneur = std::string(NomsJoueurs[donne.Donneur()]);
  contenu.Vulnerabilite = std::string(NomsVulnerabilites[donne.Vulnerabilite()]);
  contenu.Theme = std::string(NomsThemes[static_cast<std::size_t>(donne.Theme())]);
  contenu.Force = std::to_string(donne.Force());
  const T4Jeux mains = donne.Mains();
  for (TJoueur j : TousLesJoueurs) {
    for (T4Couleur c : ToutesLesCouleurs) contenu.Diagramme[j][c] = TexteMainCouleur(mains, j, c);
  }
  contenu.Encheres = EncheresFinDonne(donne);
  contenu.Entame = donne.Entame();
  if (contenu.Entame.EstReelle()) {
    contenu.EntameDecoupee = DecoupeEntame(contenu.Diagramme[jrOuest][contenu.Entame.c], contenu.Entame);
  }
  return contenu;
}

TVisibiliteFinDonne VisibiliteFinDonne(const TReglages& reglages) { return {reglages.Themes, reglages.Force}; }

}  // namespace kalvo
