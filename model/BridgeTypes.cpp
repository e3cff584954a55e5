#include "model/BridgeTypes.h"

namespace kalvo {

const std::array<std::string_view, NbThemes> NomsThemes{
    "Pas de thème",
    "Compter les gagnantes",
    "Affranchissement",
    "Blocage-déblocage",
    "Prendre ou laisser-passer",
    "Eviter l'adversaire dangereux",
    "Maniements de couleurs",
    "Jeux de sécurité",
    "Contretemps",
    "Compte des mains",
    "Crainte ou nécessité",
    "Impasses et expasses",
    "Remise en main",
    "Communications",
    "Compter les perdantes",
    "Coupe de la main courte",
    "Double coupe",
    "Affranchissement d'une couleur secondaire",
    "Affranchissement d'une couleur du mort",
    "Elimination-Remise en main",
    "Mort inversé",
    "Les atouts 4-4",
    "Réduction d'atout",
    "Impasses",
    "Timing",
    "Cumul des chances",
    "Squeezes",
    "Couper les communications adverses",
};

std::string TexteRang(int h) {
  if (h == 10) return "10";
  return std::string(1, LettreRang(h));
}

std::string NomCarte(TCard carte) {
  std::string rang = carte.h <= 10 ? std::to_string(carte.h)
                                   : std::string(NomsHonneurs[static_cast<std::size_t>(carte.h - 11)]);
  return rang + " de " + std::string(NomsCouleurs[carte.c]);
}

std::string NomCarteArticle(TCard carte) {
  const char* article = carte.h == 14 ? "l'" : (carte.h == 12 ? "la " : "le ");
  return article + NomCarte(carte);
}

char LettreCouleurAnglaise(T4Couleur c) { return "CDHS"[c]; }
char LettreJoueurAnglaise(TJoueur j) { return "SWNE"[j]; }

std::string CodeCarte(TCard carte) {
  static constexpr std::string_view rangs = "..23456789TJQKA";
  std::string texte;
  texte += EstCouleurReelle(carte.c) ? LettreCouleurAnglaise(carte.Couleur()) : '?';
  texte += (carte.h >= 2 && carte.h <= 14) ? rangs[carte.h] : '?';
  return texte;
}

bool LitCodeCarte(std::string_view texte, TCard& carte) {
  if (texte.size() < 2 || texte.size() > 3) return false;
  static constexpr std::string_view couleurs = "CDHS";
  const auto c = couleurs.find(static_cast<char>(texte[0] & ~0x20));
  if (c == std::string_view::npos) return false;
  const std::string_view rang = texte.substr(1);
  int h = 0;
  if (rang == "10") {
    h = 10;
  } else if (rang.size() == 1) {
    static constexpr std::string_view rangs = "23456789TJQKA";
    const auto r = rangs.find(static_cast<char>(rang[0] >= 'a' ? rang[0] - 0x20 : rang[0]));
    if (r == std::string_view::npos) return false;
    h = static_cast<int>(r) + 2;
  } else {
    return false;
  }
  carte = TCard{static_cast<std::uint8_t>(h), static_cast<std::uint8_t>(c)};
  return true;
}

}  // namespace kalvo
