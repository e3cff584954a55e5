// Helpers shared by the model tests: a temporary folder, whole files, and a
// well-formed deal built through the record's writers.
#pragma once

#include "model/Brouillage.h"
#include "model/Donne.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kalvo::test {

class TDossierTemporaire {
 public:
  TDossierTemporaire() {
    std::string modele = (std::filesystem::temp_directory_path() / "kalvo-test-XXXXXX").string();
    chemin_ = ::mkdtemp(modele.data());
  }
  ~TDossierTemporaire() {
    std::error_code erreur;
    std::filesystem::remove_all(chemin_, erreur);
  }
  TDossierTemporaire(const TDossierTemporaire&) = delete;
  TDossierTemporaire& operator=(const TDossierTemporaire&) = delete;
  const std::filesystem::path& Chemin() const { return chemin_; }
  std::filesystem::path operator/(const std::string& nom) const { return chemin_ / nom; }

 private:
  std::filesystem::path chemin_;
};

inline std::string LitOctets(const std::filesystem::path& fichier) {
  std::ifstream flux(fichier, std::ios::binary);
  std::ostringstream texte;
  texte << flux.rdbuf();
  return texte.str();
}

inline void EcritOctets(const std::filesystem::path& fichier, std::string_view octets) {
  std::ofstream flux(fichier, std::ios::binary | std::ios::trunc);
  flux.write(octets.data(), static_cast<std::streamsize>(octets.size()));
}

inline std::string OctetsDe(const TDonne& donne) {
  const auto o = donne.Octets();
  return std::string(reinterpret_cast<const char*>(o.data()), o.size());
}

inline void EcritBase(const std::filesystem::path& fichier, const std::vector<TDonne>& donnes) {
  std::string octets;
  for (const TDonne& d : donnes) octets += OctetsDe(d);
  EcritOctets(fichier, octets);
}

// Sud holds the clubs, Ouest the diamonds, Nord the hearts, Est the spades,
// each suit in descending order; 1SA - passe - 3SA by South.
inline TDonne DonneValide(int force = 1, int theme = 0) {
  TDonne d;
  for (TJoueur j : TousLesJoueurs)
    for (int i = 1; i <= 13; ++i)
      d.SetCarteMain(j, i, TCard{static_cast<std::uint8_t>(15 - i), static_cast<std::uint8_t>(j)});
  d.SetDonneur(jrSud);
  d.SetVulnerabilite(vlnNS);
  d.SetNiveauContrat(3);
  d.SetAtout(clSA);
  d.SetEnchere(1, jrSud, {1, clSA, 0});
  d.SetEnchere(1, jrOuest, {0, 1, 0});
  d.SetEnchere(1, jrNord, {3, clSA, 0});
  d.SetEnchere(1, jrEst, {NiveauFinEncheres, 0, 0});
  d.SetTheme(theme);
  d.SetForce(force);
  d.SetCommentaires(BrouilleTexte("$01 Bravo$02 Non"));
  d.SetPenalite(2, 20);
  return d;
}

// Writes the calls from the dealer on, in playing order: the row advances
// when the turn comes back to South.
inline void EcritEncheres(TDonne& donne, TJoueur donneur, const std::vector<TEnchere>& appels) {
  donne.SetDonneur(donneur);
  int ligne = 1;
  TJoueur j = donneur;
  for (const TEnchere& e : appels) {
    donne.SetEnchere(ligne, j, e);
    j = JoueurSuivant(j);
    if (j == jrSud) ++ligne;
  }
}

// A deal holding only an auction, North-South vulnerable.
inline TDonne DonneEncheres(TJoueur donneur, const std::vector<TEnchere>& appels) {
  TDonne d;
  d.SetVulnerabilite(vlnNS);
  EcritEncheres(d, donneur, appels);
  return d;
}

}  // namespace kalvo::test
