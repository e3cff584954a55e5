#include "table/GeometrieCartes.h"

#include <algorithm>

namespace kalvo {

std::string NomImageFace(int value, int set) {
  if (!EstSetCartesValide(set)) return {};
  return "FR_" + std::to_string(value + DecalageNomFace(set));
}

bool LitNomImageFace(std::string_view nom, int& value, int& set) {
  if (nom.size() != 6 || nom.substr(0, 3) != "FR_") return false;
  int nombre = 0;
  for (char chiffre : nom.substr(3)) {
    if (chiffre < '0' || chiffre > '9') return false;
    nombre = nombre * 10 + (chiffre - '0');
  }
  for (int s = 1; s <= NbSetsCartes; ++s) {
    const int v = nombre - DecalageNomFace(s);
    if (v >= 1 && v <= 52) {
      value = v;
      set = s;
      return true;
    }
  }
  return false;
}

std::string TexteIndexRang(int rang) {
  switch (rang) {
    case 14: return "A";
    case 13: return "R";
    case 12: return "D";
    case 11: return "V";
    case 10: return "10";
    default:
      if (rang >= 2 && rang <= 9) return std::string(1, static_cast<char>('0' + rang));
      return {};
  }
}

TEcartsJeu EcartsJeu(int set) {
  switch (set) {
    case 2: return {90, 121, 22, 30, 14, 26, 14, 42, 7, 8};
    case 3: return {133, 190, 32, 48, 20, 48, 18, 48, 10, 12};
    default: return {71, 103, 20, 30, 14, 26, 14, 42, 6, 7};
  }
}

TDispositionJeu CalculeDisposition(TAffichageJeu mode, int set, int plusLongueCouleur) {
  const TEcartsJeu k = EcartsJeu(set);
  const int L = plusLongueCouleur;
  switch (mode) {
    case afjNormal:
      return {true, k.b, 0, 0, k.W + 12 * k.b, k.H};
    case afjNormalDecale:
      return {true, k.b, k.h, 0, k.W + 12 * k.b, k.H + k.h};
    case afjCoteDebout:
      return {true, k.a, 0, k.H + k.e, (L - 1) * k.a + k.W, 3 * (k.H + k.e) + k.H};
    case afjCoteDecale:
      return {true, k.a, k.g, k.H - k.f, (L - 1) * k.a + k.W, 3 * (k.H - k.f) + k.H + 7 * k.g};
    case afjCoteNormal:
      return {false, 0, -k.b, 0, k.H, 12 * k.b + k.W};
    case afjCoteMort:
      return {false, k.c, 0, k.e - k.H, (L - 1) * k.c + k.H, k.W - 3 * (k.e - k.H)};
    case afjMort:
      return {true, 0, k.d, k.W + k.e, 3 * (k.W + k.e) + k.W, 7 * k.d + k.H};
    case afjMortDecale:
      return {true, k.h, k.d, k.W + k.f, 3 * (k.W + k.f) + k.W + 12 * k.h, 7 * k.d + k.H};
  }
  return {};
}

std::array<TCouleur, 4> OrdreCouleurs(int atout) {
  std::array<TCouleur, 4> ordre{};
  ordre[0] = EstCouleurReelle(atout) ? static_cast<TCouleur>(atout) : clPique;
  for (std::size_t j = 1; j < ordre.size(); ++j) ordre[j] = CouleurSuivante(ordre[j - 1]);
  return ordre;
}

std::array<int, 4> CompteCouleurs(const TValeurCartes& cartes, const std::array<bool, 13>& jouees) {
  std::array<int, 4> comptes{};
  for (std::size_t i = 0; i < cartes.size(); ++i) {
    if (!jouees[i] && EstValeurCarte(cartes[i])) ++comptes[static_cast<std::size_t>(CouleurCarte(cartes[i]))];
  }
  return comptes;
}

namespace {

// Modes whose cards step along by their rank within the suit rather than
// by their rank within the whole hand.
bool AvanceParCouleur(TAffichageJeu mode) {
  return mode == afjCoteDebout || mode == afjCoteDecale || mode == afjCoteMort || mode == afjMortDecale;
}

struct TCompteurs {
  int n = 0;   // cards drawn so far in the hand
  int k = 0;   // cards drawn so far in the suit
};

TRectangle PlaceUneCarte(const TEtatJeu& etat, int j, int decalage, const TCompteurs& cpt) {
  const TDispositionJeu& d = etat.Disposition;
  const TTailleFace face = TailleFace(etat.SetCartes);
  const TAffichageJeu mode = etat.Affichage;

  int x = (AvanceParCouleur(mode) ? cpt.k : cpt.n) * d.EcartX;
  if (mode == afjMort || mode == afjMortDecale) x += j * d.EcartCouleurs;
  if (mode == afjNormal || mode == afjNormalDecale) x += decalage;

  int y = 0;
  if (mode == afjCoteNormal) {
    y = etat.HauteurControle - face.W + cpt.n * d.EcartY;
  } else if (mode == afjNormalDecale) {
    y = (cpt.n % 2 == 1) ? d.EcartY : 0;
  } else {
    y = cpt.k * d.EcartY;
  }
  if (mode == afjCoteMort) y = etat.HauteurControle - face.W + y + j * d.EcartCouleurs;
  if (mode == afjCoteDebout || mode == afjCoteDecale) y += j * d.EcartCouleurs;

  return d.Sens ? TRectangle{x, y, x + face.W, y + face.H} : TRectangle{x, y, x + face.H, y + face.W};
}

}  // namespace

TWhereCartes PlaceCartes(const TEtatJeu& etat) {
  TWhereCartes where{};
  const bool rangee = etat.Affichage == afjNormal || etat.Affichage == afjNormalDecale;
  // Half a step per played card keeps the South row centred in its width.
  const int decalage = rangee ? etat.Disposition.EcartX * etat.TotalCartesJouees / 2 : 0;
  const std::array<TCouleur, 4> ordre = OrdreCouleurs(etat.Atout);

  // A long column staggering right must be covered by the column on its left.
  std::array<int, 4> colonnes{0, 1, 2, 3};
  if (etat.Affichage == afjMortDecale) std::reverse(colonnes.begin(), colonnes.end());

  TCompteurs cpt;
  for (int j : colonnes) {
    cpt.k = 0;
    for (std::size_t i = 0; i < etat.ValeurCartes.size(); ++i) {
      const int value = etat.ValeurCartes[i];
      if (etat.CartesJouees[i] || !EstValeurCarte(value) || CouleurCarte(value) != ordre[static_cast<std::size_t>(j)]) {
        continue;
      }
      where[static_cast<std::size_t>(cpt.n)] = {PlaceUneCarte(etat, j, decalage, cpt), value};
      ++cpt.n;
      ++cpt.k;
    }
  }
  return where;
}

int CarteTouchee(const TWhereCartes& where, int x, int y) {
  for (auto it = where.rbegin(); it != where.rend(); ++it) {
    if (it->Rect.Contient(x, y)) return it->Value;
  }
  return 0;
}

}  // namespace kalvo
