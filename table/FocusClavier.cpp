#include "table/FocusClavier.h"

#include "table/GeometrieCartes.h"

#include <algorithm>

namespace kalvo {

TToucheFocus LitToucheFocus(int touche, const QString& texte) {
  using G = TToucheFocus::TGenre;
  if (touche == Qt::Key_Left) return {G::Gauche, 0};
  if (touche == Qt::Key_Right) return {G::Droite, 0};
  if (texte.size() != 1) return {};
  switch (texte.at(0).toUpper().unicode()) {
    case 'T': return {G::Couleur, 0};
    case 'K': return {G::Couleur, 1};
    case 'C': return {G::Couleur, 2};
    case 'P': return {G::Couleur, 3};
    case 'A': return {G::Rang, 14};
    case 'R': return {G::Rang, 13};
    case 'D': return {G::Rang, 12};
    case 'V': return {G::Rang, 11};
    case 'X':
    case '1': return {G::Rang, 10};
    case '0': return {G::Ignoree, 0};
    default: break;
  }
  const QChar c = texte.at(0);
  if (c >= QLatin1Char('2') && c <= QLatin1Char('9')) return {G::Rang, c.unicode() - '0'};
  return {};
}

int DeplaceFocus(const std::vector<int>& jouables, int actuelle, TToucheFocus touche) {
  using G = TToucheFocus::TGenre;
  if (jouables.empty()) return 0;
  const auto ici = std::find(jouables.begin(), jouables.end(), actuelle);
  const bool place = ici != jouables.end();
  const std::size_t n = jouables.size();
  const std::size_t i = place ? static_cast<std::size_t>(ici - jouables.begin()) : 0;
  // The first card after the focus (cycling) that fits, or none.
  auto suivante = [&](auto convient) -> int {
    for (std::size_t k = 1; k <= n; ++k) {
      const int v = jouables[(i + (place ? k : k - 1)) % n];
      if (convient(v)) return v;
    }
    return 0;
  };
  switch (touche.Genre) {
    case G::Gauche: return place ? jouables[(i + n - 1) % n] : jouables.back();
    case G::Droite: return place ? jouables[(i + 1) % n] : jouables.front();
    case G::Couleur: {
      const int v = suivante([&](int c) { return CouleurCarte(c) == touche.Valeur; });
      return v != 0 ? v : (place ? actuelle : 0);
    }
    case G::Rang: {
      if (place) {
        for (int c : jouables)
          if (CouleurCarte(c) == CouleurCarte(actuelle) && RangCarte(c) == touche.Valeur) return c;
      }
      const int v = suivante([&](int c) { return RangCarte(c) == touche.Valeur; });
      return v != 0 ? v : (place ? actuelle : 0);
    }
    case G::Aucune:
    case G::Ignoree: break;
  }
  return place ? actuelle : 0;
}

}  // namespace kalvo
