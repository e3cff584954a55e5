#include "model/NotationMains.h"

#include <algorithm>

namespace kalvo {

namespace {

std::string MainDe(TJoueur joueur) {
  return "la main " + std::string(DeJoueurs[joueur]) + std::string(NomsJoueurs[joueur]);
}

bool EstBlanc(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

std::vector<std::string_view> MotsSeparesParDesBlancs(std::string_view texte) {
  std::vector<std::string_view> mots;
  std::size_t i = 0;
  while (i < texte.size()) {
    while (i < texte.size() && EstBlanc(texte[i])) ++i;
    const std::size_t debut = i;
    while (i < texte.size() && !EstBlanc(texte[i])) ++i;
    if (i > debut) mots.push_back(texte.substr(debut, i - debut));
  }
  return mots;
}

}  // namespace

std::optional<TRangsMain> LitMain(std::string_view texte, TJoueur joueur, std::string& erreur) {
  TRangsMain main;
  int couleur = clPique;
  std::size_t debutCouleur = 0;
  for (std::size_t i = 0; i <= texte.size(); ++i) {
    if (i < texte.size() && texte[i] != '.') continue;
    std::string_view rangs = texte.substr(debutCouleur, i - debutCouleur);
    debutCouleur = i + 1;
    if (couleur < clTrefle) {
      erreur = MainDe(joueur) + " a plus de quatre couleurs.";
      return std::nullopt;
    }
    if (rangs == "-") rangs = {};
    for (const char lettre : rangs) {
      const auto rang = LitLettreRang(lettre);
      if (!rang) {
        erreur = std::string("rang « ") + lettre + " » inconnu dans " + MainDe(joueur) + " (AKQJT98765432).";
        return std::nullopt;
      }
      main[static_cast<std::size_t>(couleur)].push_back(*rang);
    }
    --couleur;
  }
  if (couleur != clTrefle - 1) {
    erreur = MainDe(joueur) + " doit avoir quatre couleurs séparées par des points (pique.cœur.carreau.trèfle).";
    return std::nullopt;
  }
  return main;
}

std::optional<TRangsDonne> LitDonnePbn(std::string_view texte, std::string& erreur) {
  const std::vector<std::string_view> mots = MotsSeparesParDesBlancs(texte);
  if (mots.size() != 4 || mots[0].size() < 2 || mots[0][1] != ':') {
    erreur = "il faut quatre mains en PBN : « S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 ... ».";
    return std::nullopt;
  }
  const auto premier = LitLettreJoueur(mots[0][0]);
  if (!premier) {
    erreur = "la première main doit être désignée par S, O (ou W), N ou E.";
    return std::nullopt;
  }
  TRangsDonne mains;
  TJoueur joueur = *premier;
  for (std::size_t k = 0; k < 4; ++k, joueur = JoueurSuivant(joueur)) {
    auto main = LitMain(k == 0 ? mots[0].substr(2) : mots[k], joueur, erreur);
    if (!main) return std::nullopt;
    mains[joueur] = std::move(*main);
  }
  return mains;
}

std::optional<T4Jeux> LitJeuxPbn(std::string_view texte, std::string& erreur) {
  const auto mains = LitDonnePbn(texte, erreur);
  if (!mains) return std::nullopt;
  T4Jeux jeux;
  std::array<bool, 53> donnees{};
  for (const TJoueur joueur : TousLesJoueurs) {
    std::vector<TCard> cartes = CartesDeMain((*mains)[joueur]);
    if (cartes.size() != 13) {
      erreur = MainDe(joueur) + " a " + std::to_string(cartes.size()) + " cartes au lieu de 13.";
      return std::nullopt;
    }
    RangeCommeLeMoteur(cartes);
    for (int i = 1; i <= 13; ++i) {
      const TCard carte = cartes[static_cast<std::size_t>(i - 1)];
      bool& donnee = donnees[static_cast<std::size_t>(IndexCarte(carte))];
      if (donnee) {
        erreur = "la carte « " + NomCarte(carte) + " » est donnée deux fois.";
        return std::nullopt;
      }
      donnee = true;
      jeux(joueur, i) = carte;
    }
  }
  return jeux;
}

std::string EcritMain(const TRangsMain& main) {
  std::string texte;
  for (int couleur = clPique; couleur >= clTrefle; --couleur) {
    for (const std::uint8_t h : main[static_cast<std::size_t>(couleur)]) texte += LettreRangAnglaise(h);
    if (couleur > clTrefle) texte += '.';
  }
  return texte;
}

std::string EcritDonnePbn(const TRangsDonne& mains) {
  std::string texte = "S:";
  TJoueur joueur = jrSud;
  for (int k = 0; k < 4; ++k, joueur = JoueurSuivant(joueur)) {
    if (k > 0) texte += ' ';
    texte += EcritMain(mains[joueur]);
  }
  return texte;
}

std::vector<TCard> CartesDeMain(const TRangsMain& main) {
  std::vector<TCard> cartes;
  for (int couleur = clPique; couleur >= clTrefle; --couleur)
    for (const std::uint8_t h : main[static_cast<std::size_t>(couleur)])
      cartes.push_back(TCard{h, static_cast<std::uint8_t>(couleur)});
  return cartes;
}

TRangsMain MainDeCartes(std::span<const TCard> cartes) {
  TRangsMain main;
  for (const TCard carte : cartes)
    if (carte.EstReelle()) main[carte.c].push_back(carte.h);
  return main;
}

void RangeCommeLeMoteur(std::vector<TCard>& cartes) {
  std::sort(cartes.begin(), cartes.end(), [](TCard a, TCard b) { return a.c != b.c ? a.c > b.c : a.h > b.h; });
}

}  // namespace kalvo
