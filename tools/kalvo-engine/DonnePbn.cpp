#include "tools/kalvo-engine/DonnePbn.h"

#include <algorithm>
#include <array>
#include <vector>

namespace kalvo::outil_moteur {

namespace {

constexpr std::string_view Rangs = "23456789TJQKA";
// A PBN hand lists spades, hearts, diamonds and clubs in that order.
constexpr std::array<T4Couleur, 4> OrdrePbn{clPique, clCoeur, clCarreau, clTrefle};

std::string_view SansEspaces(std::string_view texte) {
  const auto debut = texte.find_first_not_of(" \t\r\n");
  if (debut == std::string_view::npos) return {};
  const auto fin = texte.find_last_not_of(" \t\r\n");
  return texte.substr(debut, fin - debut + 1);
}

std::vector<std::string_view> Decoupe(std::string_view texte, char separateur, bool ignoreVides) {
  std::vector<std::string_view> morceaux;
  std::size_t debut = 0;
  while (true) {
    const auto fin = texte.find(separateur, debut);
    const std::string_view morceau = texte.substr(debut, fin == std::string_view::npos ? fin : fin - debut);
    if (!(ignoreVides && morceau.empty())) morceaux.push_back(morceau);
    if (fin == std::string_view::npos) break;
    debut = fin + 1;
  }
  return morceaux;
}

bool LitSiege(char lettre, TJoueur& siege) {
  static constexpr std::string_view sieges = "SWNE";
  const auto i = sieges.find(lettre);
  if (i == std::string_view::npos) return false;
  siege = static_cast<TJoueur>(i);
  return true;
}

// One hand "AKQ2.KJ3.A2.K432" into its cards in the engine's order.
bool LitMain(std::string_view texte, TJoueur siege, std::vector<TCard>& cartes, std::string& erreur) {
  const std::string nom(NomsJoueurs[siege]);
  const std::vector<std::string_view> couleurs = Decoupe(texte, '.', false);
  if (couleurs.size() != 4) {
    erreur = "la main de " + nom + " (« " + std::string(texte) + " ») doit avoir quatre couleurs séparées par des points";
    return false;
  }
  for (std::size_t k = 0; k < 4; ++k) {
    std::string_view couleur = couleurs[k];
    if (couleur == "-") couleur = {};
    std::vector<TCard> cartesCouleur;
    for (char lettre : couleur) {
      const auto r = Rangs.find(lettre);
      if (r == std::string_view::npos) {
        erreur = "la main de " + nom + " contient « " + std::string(1, lettre) + " », qui n'est pas un rang (AKQJT98765432)";
        return false;
      }
      cartesCouleur.push_back(TCard{static_cast<std::uint8_t>(r + 2), static_cast<std::uint8_t>(OrdrePbn[k])});
    }
    std::sort(cartesCouleur.begin(), cartesCouleur.end(), [](TCard a, TCard b) { return a.h > b.h; });
    cartes.insert(cartes.end(), cartesCouleur.begin(), cartesCouleur.end());
  }
  if (cartes.size() != 13) {
    erreur = "la main de " + nom + " a " + std::to_string(cartes.size()) + " cartes au lieu de 13";
    return false;
  }
  return true;
}

}  // namespace

bool LitDonnePbn(std::string_view texte, T4Jeux& jeux, std::string& erreur) {
  texte = SansEspaces(texte);
  TJoueur siege = jrSud;
  if (texte.size() < 2 || texte[1] != ':' || !LitSiege(texte[0], siege)) {
    erreur = "donne PBN invalide : elle doit commencer par la lettre d'un siège (S, W, N ou E) suivie de « : »";
    return false;
  }
  std::string_view reste = texte.substr(2);
  std::vector<std::string_view> mains;
  for (std::string_view morceau : Decoupe(reste, ' ', true)) {
    for (std::string_view m : Decoupe(morceau, '\t', true)) mains.push_back(m);
  }
  if (mains.size() != 4) {
    erreur = "donne PBN invalide : " + std::to_string(mains.size()) + " mains au lieu de 4";
    return false;
  }
  std::array<bool, 53> vues{};
  for (const std::string_view main : mains) {
    std::vector<TCard> cartes;
    if (!LitMain(main, siege, cartes, erreur)) {
      erreur = "donne PBN invalide : " + erreur;
      return false;
    }
    for (int i = 1; i <= 13; ++i) {
      const TCard carte = cartes[static_cast<std::size_t>(i - 1)];
      bool& vue = vues[static_cast<std::size_t>(IndexCarte(carte))];
      if (vue) {
        erreur = "donne PBN invalide : la carte " + CodeCarte(carte) + " est donnée deux fois";
        return false;
      }
      vue = true;
      jeux(siege, i) = carte;
    }
    siege = JoueurSuivant(siege);
  }
  return true;
}

}  // namespace kalvo::outil_moteur
