// Random bytes fed to the readers: only the model's own French errors may
// come out; the sanitizers catch any read out of bounds.
#include "model/BaseDonnes.h"
#include "model/Encheres.h"

#include "tests/model/DonnesDeTest.h"
#include "tests/model/LectureComplete.h"

#include <gtest/gtest.h>

#include <random>

namespace kalvo {
namespace {

using test::LitTout;
using test::SansAutreErreurQueDonnee;

TEST(Fuzz, FichesAuHasard) {
  test::TDossierTemporaire dossier;
  const TEmplacementBase emplacement{dossier.Chemin()};
  std::mt19937 hasard(2024);
  std::uniform_int_distribution<int> octet(0, 255);
  for (int essai = 0; essai < 12; ++essai) {
    TDonne d;
    for (auto& o : d.Octets()) o = static_cast<std::uint8_t>(octet(hasard));
    LitTout(d);
    test::EcritBase(emplacement.Donnes(), {d});
    SansAutreErreurQueDonnee([&] { LitDonne(emplacement, {}, 1); });
    ChargeCatalogue(emplacement.Donnes());
  }
}

TEST(Fuzz, FichesValidesAbimees) {
  test::TDossierTemporaire dossier;
  const TEmplacementBase emplacement{dossier.Chemin()};
  std::mt19937 hasard(99);
  int lues = 0;
  for (int essai = 0; essai < 150; ++essai) {
    TDonne d = test::DonneValide();
    auto octets = d.Octets();
    // Damage the header, the texts, the first chains and a pool entry.
    const std::size_t zones[] = {0, 104, 2312, 2600, 2680, 109080, 109208, 200472, 201476};
    for (int k = 0; k < 6; ++k) {
      const std::size_t debut = zones[hasard() % std::size(zones)];
      octets[(debut + hasard() % 300) % octets.size()] = static_cast<std::uint8_t>(hasard());
    }
    LitTout(d);
    test::EcritBase(emplacement.Donnes(), {d});
    try {
      LitDonne(emplacement, {}, 1);
      ++lues;
    } catch (const ErreurDonnee&) {
    }
  }
  EXPECT_GT(lues, 0);  // some damage leaves a playable deal
}

TEST(Fuzz, FichiersAuxiliairesAuHasard) {
  test::TDossierTemporaire dossier;
  std::mt19937 hasard(5);
  for (int essai = 0; essai < 100; ++essai) {
    std::string octets(hasard() % 700, '\0');
    for (char& o : octets) o = static_cast<char>(hasard());
    test::EcritOctets(dossier / "q.ASK", octets);
    LitQuestions(dossier / "q.ASK", static_cast<int>(hasard() % 6), 1);
    LitNumerosVolume(octets, "t.VOL", 3);
    SansAutreErreurQueDonnee([&] { DecoupeCommentaires(octets, 1); });
    test::EcritOctets(dossier / "b.DAT", octets);
    EXPECT_FALSE(ChargeCatalogue(dossier / "b.DAT").Ok());
  }
}

}  // namespace
}  // namespace kalvo
