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

char LettreRangAnglaise(int h) {
  return (h >= 2 && h <= 14) ? LettresRangsAnglaises[static_cast<std::size_t>(h - 2)] : '?';
}

std::optional<std::uint8_t> LitLettreRang(char lettre) {
  const char majuscule = (lettre >= 'a' && lettre <= 'z') ? static_cast<char>(lettre - 'a' + 'A') : lettre;
  const auto r = LettresRangsAnglaises.find(majuscule);
  if (r == std::string_view::npos) return std::nullopt;
  return static_cast<std::uint8_t>(r + 2);
}

std::optional<TJoueur> LitLettreJoueur(char lettre) {
  switch (lettre) {
    case 'S': case 's': return jrSud;
    case 'W': case 'w': case 'O': case 'o': return jrOuest;
    case 'N': case 'n': return jrNord;
    case 'E': case 'e': return jrEst;
    default: return std::nullopt;
  }
}

std::string CodeCarte(TCard carte) {
  std::string texte;
  texte += EstCouleurReelle(carte.c) ? LettreCouleurAnglaise(carte.Couleur()) : '?';
  texte += LettreRangAnglaise(carte.h);
  return texte;
}

bool LitCodeCarte(std::string_view texte, TCard& carte) {
  if (texte.size() < 2 || texte.size() > 3) return false;
  static constexpr std::string_view couleurs = "CDHS";
  const auto c = couleurs.find(static_cast<char>(texte[0] & ~0x20));
  if (c == std::string_view::npos) return false;
  const std::string_view rang = texte.substr(1);
  std::optional<std::uint8_t> h;
  if (rang == "10") h = 10;
  else if (rang.size() == 1) h = LitLettreRang(rang[0]);
  if (!h) return false;
  carte = TCard{*h, static_cast<std::uint8_t>(c)};
  return true;
}

}  // namespace kalvo
