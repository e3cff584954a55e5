// Random bytes fed to the readers: only the model's own French errors may
// come out; the sanitizers catch any read out of bounds.
#include "model/BaseDonnes.h"
#include "model/Encheres.h"

#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>

#include <random>

namespace kalvo {
namespace {

template <class Action>
void SansAutreErreurQueDonnee(Action&& action) {
  try {
    action();
  } catch (const ErreurDonnee&) {
  }
}

// Reads every field of a record through its checked readers.
void LitTout(const TDonne& d) {
  SansAutreErreurQueDonnee([&] { d.Mains(); });
  SansAutreErreurQueDonnee([&] { SuiteEncheres(d); });
  SansAutreErreurQueDonnee([&] { LitCommentaires(d); });
  for (int a = 1; a <= 4; ++a) d.Alerte(a);
  for (int c = 1; c <= NbChaines; ++c) {
    const TChaine ch = d.Chaine(c);
    SansAutreErreurQueDonnee([&] { ch.Place(jrNord); });
    for (int s = 1; s <= 2; ++s) {
      for (int a = 1; a <= 3; ++a) ch.Defense(s, a);
      for (int i = 1; i <= 8; ++i) ch.Declarant(s, i);
    }
    SansAutreErreurQueDonnee([&] {
      for (int i = 1; i <= ch.NbCartes(); ++i) ch.CarteTenue(i);
    });
    for (int e = 1; e <= 4; ++e) SansAutreErreurQueDonnee([&] { ch.EntreeLongueur(e); });
    SansAutreErreurQueDonnee([&] { d.Pool(ch.NumeroPool()); });
    SansAutreErreurQueDonnee([&] { ch.Couleur(); });
    SansAutreErreurQueDonnee([&] {
      for (int i = 1; i <= ch.Auto().NbSud(); ++i) ch.Auto().ListeSud(i);
    });
  }
  for (int p = 1; p <= NbPools; ++p) {
    for (T4Couleur s : ToutesLesCouleurs) {
      for (int y = 1; y <= 8; ++y) {
        const TPoolCarte e = d.Pool(p).Entame(y % 2 == 0, s, y);
        SansAutreErreurQueDonnee([&] {
          for (int z = 1; z <= e.NbConditions(); ++z) e.Condition(z);
          for (int k = 1; k <= e.NbSuites(); ++k) e.Suite(k);
          for (int k = 1; k <= e.NbDefausses(); ++k) e.Defausse(k);
        });
        const TPoolAutre a = d.Pool(p).Autre(y % 2 == 0, s, y);
        SansAutreErreurQueDonnee([&] {
          for (int j = 1; j <= a.NbSuites(); ++j) a.Suite(j);
        });
      }
    }
  }
}

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
