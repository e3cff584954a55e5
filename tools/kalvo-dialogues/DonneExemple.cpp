#include "DonneExemple.h"

#include "model/BaseDonnes.h"
#include "model/Windows1252.h"

#include <algorithm>
#include <vector>

namespace kalvo {

namespace {

std::vector<TCard> Cartes(std::string_view main) {
  static constexpr std::array<T4Couleur, 4> ordre{clPique, clCoeur, clCarreau, clTrefle};
  static constexpr std::string_view rangs = "23456789TJQKA";
  std::vector<TCard> cartes;
  std::size_t couleur = 0;
  for (char c : main) {
    if (c == '.') {
      ++couleur;
      continue;
    }
    const auto r = rangs.find(c);
    if (r == std::string_view::npos || couleur > 3) continue;
    cartes.push_back(TCard{static_cast<std::uint8_t>(r + 2), static_cast<std::uint8_t>(ordre[couleur])});
  }
  return cartes;
}

TEnchere Appel(int niveau, int couleur, int alerte = 0) {
  return {static_cast<std::uint8_t>(niveau), static_cast<std::uint8_t>(couleur), static_cast<std::uint16_t>(alerte)};
}

void EcritEncheres(TDonne& donne, TJoueur donneur, const std::vector<TEnchere>& appels) {
  donne.SetDonneur(donneur);
  int ligne = 1;
  TJoueur j = donneur;
  for (const TEnchere& e : appels) {
    donne.SetEnchere(ligne, j, e);
    j = JoueurSuivant(j);
    if (j == jrSud) ++ligne;
  }
}

TCard Code(std::string_view code) {
  TCard carte;
  LitCodeCarte(code, carte);
  return carte;
}

}  // namespace

T4Jeux MainsDeTexte(std::string_view sud, std::string_view ouest, std::string_view nord, std::string_view est) {
  T4Jeux jeux;
  const std::array<std::string_view, 4> textes{sud, ouest, nord, est};
  for (TJoueur j : TousLesJoueurs) {
    std::vector<TCard> cartes = Cartes(textes[j]);
    // The engine's order: spades first, each suit from the ace down.
    std::sort(cartes.begin(), cartes.end(), [](TCard a, TCard b) { return a.c != b.c ? a.c > b.c : a.h > b.h; });
    for (std::size_t i = 0; i < 13 && i < cartes.size(); ++i) jeux.cartes[j][i] = cartes[i];
  }
  return jeux;
}

TDonneExemple DonneExemple(int levees) {
  TDonneExemple d;
  const T4Jeux mains = MainsDeTexte("AK4.A63.942.AQT3", "QT9.KQJ95.765.97", "762.74.AQJT3.K85", "J853.T82.K8.J642");
  d.Donne.SetMains(mains);
  d.Donne.SetNumero(21);
  d.Donne.SetVulnerabilite(vlnNS);
  d.Donne.SetTheme(4);
  d.Donne.SetForce(2);
  d.Donne.SetNiveauContrat(3);
  d.Donne.SetAtout(clSA);
  d.Donne.SetAlerte(1, Utf8VersWindows1252("Trèfle préparé : deux cartes possibles"));
  d.Donne.SetAlerte(2, Utf8VersWindows1252("Spoutnik : quatre cartes à Pique"));
  EcritEncheres(d.Donne, jrSud,
                {Appel(1, clTrefle, 1), Appel(1, clCoeur), Appel(0, 2, 2), Appel(2, clCoeur), Appel(2, clSA),
                 Appel(0, 1), Appel(3, clSA), Appel(0, 1), Appel(0, 1), Appel(0, 1), Appel(NiveauFinEncheres, 0)});
  d.Donne.Chaine(1).SetDefense(1, 1, TCarteDefense{0, 0, {}, {}, Code("HK")});
  d.PointsHonneurs = CalculePointsHonneurs(mains);
  d.Suivi.s_Initialise(mains, 21, clSA);

  // West leads hearts three times, South holds up twice; then the diamond finesse.
  const std::array<std::array<std::string_view, 4>, 4> jeu{{{"HK", "H4", "H2", "H3"},
                                                            {"HQ", "H7", "H8", "H6"},
                                                            {"HJ", "C5", "HT", "HA"},
                                                            {"D2", "D5", "DT", "DK"}}};
  const std::array<TJoueur, 4> entameurs{jrOuest, jrOuest, jrOuest, jrSud};
  for (int l = 0; l < levees && l < 4; ++l) {
    TJoueur j = entameurs[static_cast<std::size_t>(l)];
    const TCard entame = Code(jeu[static_cast<std::size_t>(l)][0]);
    for (std::string_view code : jeu[static_cast<std::size_t>(l)]) {
      const TCard carte = Code(code);
      const int indice = d.Suivi.s_ChercheIndiceCarte(j, carte);
      d.Suivi.s_SetCarteJouee(j, indice);
      d.Suivi.s_Actualise(j, carte.Couleur());
      d.Stats.NoteCarte(j, carte, l + 1, entameurs[static_cast<std::size_t>(l)], entame, clSA);
      j = JoueurSuivant(j);
    }
  }
  return d;
}

TDonne DonneEntameDix() {
  TDonne donne;
  donne.SetMains(MainsDeTexte("AQJ4.A63.942.AQ3", "KT5.KJ95.765.972", "762.Q74.AQJT3.K8", "983.T82.K8.JT654"));
  donne.SetDonneur(jrNord);
  donne.SetVulnerabilite(vlnTous);
  donne.SetTheme(11);
  donne.SetForce(3);
  EcritEncheres(donne, jrNord,
                {Appel(1, clCarreau), Appel(0, 1), Appel(1, clPique), Appel(0, 1), Appel(2, clCarreau), Appel(0, 1),
                 Appel(3, clSA), Appel(0, 1), Appel(0, 1), Appel(0, 1), Appel(NiveauFinEncheres, 0)});
  donne.Chaine(1).SetDefense(1, 1, TCarteDefense{0, 0, {}, {}, Code("ST")});
  return donne;
}

}  // namespace kalvo
