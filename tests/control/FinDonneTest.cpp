// What the end-of-deal screen shows.
#include "control/FinDonne.h"
#include "model/ErreurDonnee.h"
#include "model/Windows1252.h"
#include "tests/engine/AideSuivi.h"
#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

using test::C;

TEnchere Passe(int alerte = 0) { return {0, 1, static_cast<std::uint16_t>(alerte)}; }
TEnchere Contre(int alerte = 0) { return {0, 2, static_cast<std::uint16_t>(alerte)}; }
TEnchere Offre(int niveau, TCouleur c, int alerte = 0) {
  return {static_cast<std::uint8_t>(niveau), c, static_cast<std::uint16_t>(alerte)};
}
constexpr TEnchere Fin{NiveauFinEncheres, 0, 0};

// A deal opened by North with two alert texts; the second serves twice.
TDonne DonneAvecAlertes() {
  TDonne donne;
  donne.SetMains(test::Jeux({"AKQ2.KJ3.A32.K32", "JT98.AQT.KQJ.QJT", "765.9876.T98.A98", "43.542.7654.7654"}));
  donne.SetVulnerabilite(vlnEO);
  donne.SetTheme(23);
  donne.SetForce(2);
  donne.SetAlerte(1, Utf8VersWindows1252("Trèfle préparé"));
  donne.SetAlerte(2, Utf8VersWindows1252("Demande d'arrêt"));
  test::EcritEncheres(donne, jrNord,
           {Offre(1, clTrefle, 1), Passe(), Offre(1, clCoeur), Passe(), Offre(1, clSA), Passe(),
            Offre(2, clTrefle, 2), Contre(), Offre(2, clCarreau, 2), Passe(), Offre(3, clSA), Passe(), Passe(),
            Passe(), Fin});
  donne.Chaine(1).SetDefense(1, 1, TCarteDefense{0, 0, {}, {}, C("DK")});
  return donne;
}

struct Attendu {
  int ligne;
  TJoueur colonne;
  std::string texte;
  int symbole;  // -1 none
  int alerte;
  int marque;
};

TEST(FinDonne, AuctionCellsFromTheDealerWithAlerts) {
  const TEncheresFinDonne e = EncheresFinDonne(DonneAvecAlertes());
  const std::vector<Attendu> attendus{
      {1, jrNord, "1 ", clTrefle, 1, 1}, {1, jrEst, "—", -1, 0, 0},    {2, jrSud, "1 ", clCoeur, 0, 0},
      {2, jrOuest, "—", -1, 0, 0},       {2, jrNord, "1 SA", -1, 0, 0}, {2, jrEst, "—", -1, 0, 0},
      {3, jrSud, "2 ", clTrefle, 2, 2},  {3, jrOuest, "X", -1, 0, 0},   {3, jrNord, "2 ", clCarreau, 2, 3},
      {3, jrEst, "—", -1, 0, 0},         {4, jrSud, "3 SA", -1, 0, 0},  {4, jrOuest, "—", -1, 0, 0},
      {4, jrNord, "—", -1, 0, 0},        {4, jrEst, "—", -1, 0, 0},     {5, jrSud, "FIN", -1, 0, 0},
  };
  ASSERT_EQ(e.Cellules.size(), attendus.size());
  for (std::size_t i = 0; i < attendus.size(); ++i) {
    const TCelluleEnchere& c = e.Cellules[i];
    const Attendu& a = attendus[i];
    EXPECT_EQ(c.Ligne, a.ligne) << i;
    EXPECT_EQ(c.Colonne, a.colonne) << i;
    EXPECT_EQ(c.Texte, a.texte) << i;
    EXPECT_EQ(c.Symbole ? int(*c.Symbole) : -1, a.symbole) << i;
    EXPECT_EQ(c.Alerte, a.alerte) << i;
    EXPECT_EQ(c.Marque, a.marque) << i;
  }
  EXPECT_EQ(e.Cellules[0].TexteMarque(), "(1)");
  EXPECT_EQ(e.Cellules[8].TexteMarque(), "(2)");
  EXPECT_EQ(e.LignesAlertes[0], "(1) Trèfle préparé");
  EXPECT_EQ(e.LignesAlertes[1], "(2) Demande d'arrêt");  // once, for two calls
  EXPECT_EQ(e.LignesAlertes[2], "");
  EXPECT_EQ(e.LignesAlertes[3], "");
}

TEST(FinDonne, FourPassesAndRedouble) {
  TDonne donne;
  test::EcritEncheres(donne, jrOuest, {Passe(), Passe(), Passe(), Passe(), Fin});
  auto e = EncheresFinDonne(donne);
  ASSERT_EQ(e.Cellules.size(), 5u);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(e.Cellules[static_cast<std::size_t>(i)].Texte, "—");
  EXPECT_EQ(e.Cellules[0].Colonne, jrOuest);
  EXPECT_EQ(e.Cellules[3].Ligne, 2);  // South, second row
  EXPECT_EQ(e.Cellules[4].Texte, "FIN");
  EXPECT_EQ(e.Cellules[4].Colonne, jrOuest);
  EXPECT_EQ(e.Cellules[4].Ligne, 2);

  test::EcritEncheres(donne, jrSud, {Fin});
  e = EncheresFinDonne(donne);
  ASSERT_EQ(e.Cellules.size(), 1u);
  EXPECT_EQ(e.Cellules[0].Texte, "FIN");
  EXPECT_EQ(e.Cellules[0].Ligne, 1);

  test::EcritEncheres(donne, jrSud, {Offre(1, clPique), Contre(), TEnchere{0, 3, 0}, Passe(), Passe(), Passe(), Fin});
  e = EncheresFinDonne(donne);
  EXPECT_EQ(e.Cellules[2].Texte, "XX");
  EXPECT_EQ(e.Cellules.back().Texte, "FIN");
  EXPECT_EQ(e.Cellules.back().Ligne, 2);
  EXPECT_EQ(e.Cellules.back().Colonne, jrNord);
}

TEST(FinDonne, AnAuctionWithoutEndStopsAfterRowSeven) {
  TDonne donne;
  std::vector<TEnchere> appels(28, Passe());
  test::EcritEncheres(donne, jrSud, appels);
  const auto e = EncheresFinDonne(donne);
  EXPECT_EQ(e.Cellules.size(), 28u);
  EXPECT_EQ(e.Cellules.back().Ligne, 7);
  EXPECT_EQ(e.Cellules.back().Texte, "—");
}

TEST(FinDonne, AFifthAlertedCallHasNoMarkerButKeepsItsLine) {
  TDonne donne;
  donne.SetAlerte(1, "un");
  donne.SetAlerte(3, "trois");
  test::EcritEncheres(donne, jrSud,
           {Offre(1, clTrefle, 1), Passe(1), Offre(1, clCarreau, 1), Passe(1), Offre(1, clSA, 3), Passe(), Passe(),
            Passe(), Fin});
  const auto e = EncheresFinDonne(donne);
  EXPECT_EQ(e.Cellules[3].Marque, 4);
  EXPECT_EQ(e.Cellules[4].Alerte, 3);
  EXPECT_EQ(e.Cellules[4].Marque, 0);
  EXPECT_EQ(e.LignesAlertes[0], "(1) un");
  EXPECT_EQ(e.LignesAlertes[1], "");
  EXPECT_EQ(e.LignesAlertes[2], "(3) trois");
}

TEST(FinDonne, ABrokenCallIsADataError) {
  TDonne donne;
  donne.SetNumero(7);
  test::EcritEncheres(donne, jrSud, {Offre(9, clPique), Fin});
  EXPECT_THROW(EncheresFinDonne(donne), ErreurDonnee);
  test::EcritEncheres(donne, jrSud, {Offre(1, clTrefle, 5), Fin});
  EXPECT_THROW(EncheresFinDonne(donne), ErreurDonnee);
}

TEST(FinDonne, SuitListingsOfTheHandsAsDealt) {
  T4Jeux mains = test::Jeux({"AKQ2.KJ3.A32.K32", "JT98.AQT.KQJ.QJT", "765.9876.T98.A98", "43.542.7654.7654"});
  EXPECT_EQ(TexteMainCouleur(mains, jrOuest, clPique), " V 10 9 8");
  EXPECT_EQ(TexteMainCouleur(mains, jrSud, clCoeur), " R V 3");
  std::swap(mains(jrSud, 1), mains(jrSud, 13));  // out of order: still listed highest first
  EXPECT_EQ(TexteMainCouleur(mains, jrSud, clPique), " A R D 2");
  TDonne donne;
  donne.SetMains(test::Jeux({"AKQJT98765432...", "..AKQJT98765432.", ".AKQJT98765432..", "...AKQJT98765432"}));
  EXPECT_EQ(TexteMainCouleur(donne.Mains(), jrSud, clCoeur), " —");
  EXPECT_EQ(TexteMainCouleur(donne.Mains(), jrSud, clPique), " A R D V 10 9 8 7 6 5 4 3 2");
}

TEST(FinDonne, LeadSplitForTheCircle) {
  auto d = DecoupeEntame(" R 10 5", C("ST"));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Debut, "R ");
  EXPECT_EQ(d->Entame, "10");
  EXPECT_EQ(d->Fin, " 5");
  d = DecoupeEntame(" 7", C("H7"));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Debut, "");
  EXPECT_EQ(d->Entame, "7");
  EXPECT_EQ(d->Fin, "");
  d = DecoupeEntame(" R D V", C("DK"));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Debut, "");
  EXPECT_EQ(d->Fin, " D V");
  d = DecoupeEntame(" A 10 9", C("C9"));
  ASSERT_TRUE(d);
  EXPECT_EQ(d->Debut, "A 10 ");
  EXPECT_EQ(d->Fin, "");
  EXPECT_FALSE(DecoupeEntame(" R 10 5", C("S4")));
  EXPECT_FALSE(DecoupeEntame(" —", C("S4")));
  EXPECT_FALSE(DecoupeEntame(" R 10 5", TCard{}));
  EXPECT_FALSE(DecoupeEntame("", C("SA")));
}

TEST(FinDonne, WholeContentOfADeal) {
  const TContenuFinDonne c = PrepareFinDonne(DonneAvecAlertes(), 12);
  EXPECT_EQ(c.Donne, "12");
  EXPECT_EQ(c.Donneur, "Nord");
  EXPECT_EQ(c.Vulnerabilite, "Est-Ouest");
  EXPECT_EQ(c.Theme, "Impasses");
  EXPECT_EQ(c.Force, "2");
  EXPECT_EQ(c.Diagramme[jrEst][clTrefle], " 7 6 5 4");
  EXPECT_EQ(c.Diagramme[jrOuest][clCarreau], " R D V");
  EXPECT_EQ(c.Entame, C("DK"));
  ASSERT_TRUE(c.EntameDecoupee);
  EXPECT_EQ(c.EntameDecoupee->Entame, "R");
  EXPECT_EQ(c.EntameDecoupee->Fin, " D V");
  EXPECT_EQ(c.Encheres.Cellules.size(), 15u);

  TDonne sansEntame = DonneAvecAlertes();
  sansEntame.Chaine(1).SetDefense(1, 1, TCarteDefense{0, 0, {}, {}, TCard{15, 7}});
  EXPECT_FALSE(PrepareFinDonne(sansEntame, 1).EntameDecoupee);
  TDonne casse = DonneAvecAlertes();
  casse.SetTheme(28);
  EXPECT_THROW(PrepareFinDonne(casse, 1), ErreurDonnee);
}

TEST(FinDonne, SettingsShowThemeAndStrength) {
  TReglages r;
  r.Themes = false;
  r.Force = false;
  EXPECT_FALSE(VisibiliteFinDonne(r).Theme);
  EXPECT_FALSE(VisibiliteFinDonne(r).Force);
  r.Force = true;
  EXPECT_TRUE(VisibiliteFinDonne(r).Force);
}

}  // namespace
}  // namespace kalvo
