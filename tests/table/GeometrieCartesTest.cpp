#include "table/GeometrieCartes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kalvo {
namespace {

constexpr int V(int couleur, int rang) { return couleur * 13 + rang - 1; }

// The sample hand: spades A K Q 10, hearts K 10 9 7, diamonds A 10, clubs A K 9.
constexpr TValeurCartes Exemple{52, 51, 50, 48, 38, 35, 34, 32, 26, 22, 13, 12, 8};

TEtatJeu Etat(TAffichageJeu mode, int set, const TValeurCartes& cartes = Exemple) {
  TEtatJeu e;
  e.ValeurCartes = cartes;
  e.Affichage = mode;
  e.SetCartes = set;
  const auto comptes = CompteCouleurs(cartes, e.CartesJouees);
  e.Disposition = CalculeDisposition(mode, set, *std::max_element(comptes.begin(), comptes.end()));
  e.HauteurControle = e.Disposition.Hauteur;
  return e;
}

void Joue(TEtatJeu& e, int slot) {
  e.CartesJouees[static_cast<std::size_t>(slot - 1)] = true;
  ++e.TotalCartesJouees;
}

int NombrePlacees(const TWhereCartes& w) {
  return static_cast<int>(std::count_if(w.begin(), w.end(), [](const TWhereCarte& c) { return c.Value != 0; }));
}

TEST(FacesEtNoms, TaillesRayonsEtNomsDesTroisSets) {
  EXPECT_EQ(TailleFace(1), (TTailleFace{71, 103}));
  EXPECT_EQ(TailleFace(2), (TTailleFace{90, 121}));
  EXPECT_EQ(TailleFace(3), (TTailleFace{133, 190}));
  EXPECT_EQ(RayonCoin(1), 0);
  EXPECT_EQ(RayonCoin(2), 1);
  EXPECT_EQ(RayonCoin(3), 3);
  EXPECT_EQ(NomImageFace(52, 1), "FR_452");
  EXPECT_EQ(NomImageFace(52, 2), "FR_152");
  EXPECT_EQ(NomImageFace(52, 3), "FR_252");
  EXPECT_EQ(NomImageFace(1, 1), "FR_401");
  EXPECT_EQ(NomImageFace(52, 0), "");
}

TEST(FacesEtNoms, LectureDesNomsRefuseToutLeReste) {
  int v = 0;
  int s = 0;
  ASSERT_TRUE(LitNomImageFace("FR_252", v, s));
  EXPECT_EQ(v, 52);
  EXPECT_EQ(s, 3);
  ASSERT_TRUE(LitNomImageFace("FR_101", v, s));
  EXPECT_EQ(v, 1);
  EXPECT_EQ(s, 2);
  for (const char* faux : {"FR_400", "FR_453", "FR_100", "FR_153", "FR_300", "FR_352", "FR_52", "FR_4520",
                           "fr_452", "FR_4a2", "", "FR_-52"}) {
    EXPECT_FALSE(LitNomImageFace(faux, v, s)) << faux;
  }
}

TEST(FacesEtNoms, DecodageEtIndexFrancais) {
  EXPECT_EQ(CouleurCarte(1), clTrefle);
  EXPECT_EQ(RangCarte(1), 2);
  EXPECT_EQ(CouleurCarte(38), clCoeur);
  EXPECT_EQ(RangCarte(38), 13);
  EXPECT_EQ(CouleurCarte(152), clPique);   // reduced modulo 100 first
  EXPECT_EQ(RangCarte(152), 14);
  EXPECT_FALSE(EstValeurCarte(0));
  EXPECT_FALSE(EstValeurCarte(99));
  EXPECT_FALSE(EstValeurCarte(-3));
  EXPECT_EQ(TexteIndexRang(14), "A");
  EXPECT_EQ(TexteIndexRang(13), "R");
  EXPECT_EQ(TexteIndexRang(12), "D");
  EXPECT_EQ(TexteIndexRang(11), "V");
  EXPECT_EQ(TexteIndexRang(10), "10");
  EXPECT_EQ(TexteIndexRang(2), "2");
  EXPECT_EQ(TexteIndexRang(1), "");
}

TEST(DispositionJeu, TableDesTaillesEnPixels) {
  struct TLigne {
    TAffichageJeu mode;
    std::array<std::array<int, 2>, 3> tailles;   // sets 1, 2, 3; L = 4
  };
  // Widths that depend on L are taken with L = 4.
  const std::array<TLigne, 8> table{{
      {afjNormal, {{{431, 103}, {450, 121}, {709, 190}}}},
      {afjNormalDecale, {{{431, 110}, {450, 129}, {709, 202}}}},
      {afjCoteDebout, {{{3 * 20 + 71, 454}, {3 * 22 + 90, 526}, {3 * 32 + 133, 814}}}},
      {afjCoteDecale, {{{3 * 20 + 71, 328}, {3 * 22 + 90, 407}, {3 * 32 + 133, 686}}}},
      {afjCoteNormal, {{{103, 431}, {121, 450}, {190, 709}}}},
      {afjCoteMort, {{{3 * 14 + 103, 338}, {3 * 14 + 121, 411}, {3 * 20 + 190, 649}}}},
      {afjMort, {{{326, 285}, {402, 303}, {586, 526}}}},
      {afjMortDecale, {{{494, 285}, {582, 303}, {820, 526}}}},
  }};
  for (const TLigne& ligne : table) {
    for (int set = 1; set <= 3; ++set) {
      const TDispositionJeu d = CalculeDisposition(ligne.mode, set, 4);
      EXPECT_EQ(d.Largeur, ligne.tailles[static_cast<std::size_t>(set - 1)][0]) << "mode " << int(ligne.mode) << " set " << set;
      EXPECT_EQ(d.Hauteur, ligne.tailles[static_cast<std::size_t>(set - 1)][1]) << "mode " << int(ligne.mode) << " set " << set;
    }
  }
  EXPECT_FALSE(CalculeDisposition(afjCoteNormal, 1, 4).Sens);
  EXPECT_FALSE(CalculeDisposition(afjCoteMort, 1, 4).Sens);
  EXPECT_TRUE(CalculeDisposition(afjMortDecale, 1, 4).Sens);
  EXPECT_EQ(CalculeDisposition(afjCoteMort, 1, 4).EcartCouleurs, 14 - 103);   // the one negative step
  EXPECT_EQ(CalculeDisposition(afjCoteDecale, 2, 6).Largeur, 5 * 22 + 90);
}

TEST(OrdreDesCouleurs, AtoutDAbordPuisCouleursAlternees) {
  EXPECT_EQ(OrdreCouleurs(4), (std::array<TCouleur, 4>{clPique, clCoeur, clTrefle, clCarreau}));
  EXPECT_EQ(OrdreCouleurs(9), (std::array<TCouleur, 4>{clPique, clCoeur, clTrefle, clCarreau}));
  EXPECT_EQ(OrdreCouleurs(clCoeur), (std::array<TCouleur, 4>{clCoeur, clTrefle, clCarreau, clPique}));
  EXPECT_EQ(OrdreCouleurs(clCarreau), (std::array<TCouleur, 4>{clCarreau, clPique, clCoeur, clTrefle}));
  EXPECT_EQ(OrdreCouleurs(clTrefle), (std::array<TCouleur, 4>{clTrefle, clCarreau, clPique, clCoeur}));
}

TEST(PlacementDesCartes, RangeeSudSeRecentreQuandOnJoue) {
  TEtatJeu e = Etat(afjNormal, 1);
  TWhereCartes w = PlaceCartes(e);
  EXPECT_EQ(w[0].Rect, (TRectangle{0, 0, 71, 103}));
  EXPECT_EQ(w[12].Rect, (TRectangle{360, 0, 431, 103}));
  EXPECT_EQ(w[0].Value, 52);

  for (int slot : {2, 6, 11}) Joue(e, slot);
  w = PlaceCartes(e);
  ASSERT_EQ(NombrePlacees(w), 10);
  EXPECT_EQ(w[0].Rect.Left, 45);        // shift (30 × 3) div 2
  EXPECT_EQ(w[9].Rect.Right, 386);      // 45 + 9 × 30 + 71, inside 431
  for (int n = 1; n < 10; ++n) EXPECT_EQ(w[static_cast<std::size_t>(n)].Rect.Left - w[static_cast<std::size_t>(n - 1)].Rect.Left, 30);

  Joue(e, 1);   // an even count: the half step rounds down
  EXPECT_EQ(PlaceCartes(e)[0].Rect.Left, 60);
}

TEST(PlacementDesCartes, NormalDecaleAlterneDeuxHauteurs) {
  TEtatJeu e = Etat(afjNormalDecale, 2);
  Joue(e, 1);
  const TWhereCartes w = PlaceCartes(e);
  ASSERT_EQ(NombrePlacees(w), 12);
  for (int n = 0; n < 12; ++n) {
    EXPECT_EQ(w[static_cast<std::size_t>(n)].Rect.Top, n % 2 == 0 ? 0 : 8) << n;
    EXPECT_EQ(w[static_cast<std::size_t>(n)].Rect.Bottom - w[static_cast<std::size_t>(n)].Rect.Top, 121);
  }
  EXPECT_EQ(w[0].Rect.Left, 15);   // one card played: half of 30
}

TEST(PlacementDesCartes, ColonnesDuMortEtCouleurVideGardeSaPlace) {
  // No diamonds: hearts trumps gives hearts, clubs, (diamonds), spades.
  const TValeurCartes sansCarreau{V(3, 14), V(3, 9), V(3, 2), V(2, 13), V(2, 12), V(2, 5), V(2, 3), V(2, 2),
                                  V(0, 14), V(0, 10), V(0, 7), V(0, 4), V(0, 3)};
  TEtatJeu e = Etat(afjMort, 1, sansCarreau);
  e.Atout = clCoeur;
  const TWhereCartes w = PlaceCartes(e);
  ASSERT_EQ(NombrePlacees(w), 13);
  // Column j starts at j × (W + e) = j × 85; hearts first, each card 26 lower.
  EXPECT_EQ(w[0].Rect, (TRectangle{0, 0, 71, 103}));
  EXPECT_EQ(w[0].Value, V(2, 13));
  EXPECT_EQ(w[4].Rect, (TRectangle{0, 104, 71, 207}));
  EXPECT_EQ(w[5].Rect.Left, 85);       // clubs
  EXPECT_EQ(w[5].Rect.Top, 0);
  EXPECT_EQ(w[10].Rect.Left, 3 * 85);  // spades keep the fourth column
  EXPECT_EQ(w[10].Value, V(3, 14));
}

TEST(PlacementDesCartes, MortDecaleDessineLesColonnesDeDroiteDAbord) {
  TEtatJeu e = Etat(afjMortDecale, 1);
  const TWhereCartes w = PlaceCartes(e);
  // Order without trumps: spades, hearts, clubs, diamonds; drawn from the
  // right: diamonds first, spades last (on top).
  EXPECT_EQ(w[0].Value, 26);
  EXPECT_EQ(w[0].Rect.Left, 3 * (71 + 42));
  EXPECT_EQ(w[1].Rect.Left, 3 * (71 + 42) + 7);
  EXPECT_EQ(w[1].Rect.Top, 26);
  EXPECT_EQ(w[9].Value, 52);
  EXPECT_EQ(w[9].Rect.Left, 0);
}

TEST(PlacementDesCartes, MainsDeCoteEtDeTravers) {
  TEtatJeu decale = Etat(afjCoteDecale, 1);
  const TWhereCartes w = PlaceCartes(decale);
  // Row j starts j × (H − f) = j × 61 lower; each card 20 right and 6 lower.
  EXPECT_EQ(w[0].Rect, (TRectangle{0, 0, 71, 103}));
  EXPECT_EQ(w[3].Rect, (TRectangle{60, 18, 131, 121}));
  EXPECT_EQ(w[4].Rect.Top, 61);
  EXPECT_EQ(w[12].Rect.Top, 3 * 61 + 6);   // diamonds: two cards

  TEtatJeu travers = Etat(afjCoteMort, 1);
  const TWhereCartes t = PlaceCartes(travers);
  // Sideways footprints, the first suit at the bottom, the others above.
  EXPECT_EQ(t[0].Rect, (TRectangle{0, 338 - 71, 103, 338}));
  EXPECT_EQ(t[1].Rect.Left, 14);
  EXPECT_EQ(t[4].Rect.Top, 338 - 71 + (14 - 103));

  TEtatJeu normal = Etat(afjCoteNormal, 1);
  const TWhereCartes c = PlaceCartes(normal);
  EXPECT_EQ(c[0].Rect, (TRectangle{0, 431 - 71, 103, 431}));   // grows up from the bottom edge
  EXPECT_EQ(c[1].Rect.Top, 431 - 71 - 30);
}

TEST(CarteSousLePoint, LaCarteDuDessusGagne) {
  TEtatJeu e = Etat(afjNormal, 1);
  const TWhereCartes w = PlaceCartes(e);
  EXPECT_EQ(CarteTouchee(w, 40, 50), 51);   // inside cards 1 and 2: the right one
  EXPECT_EQ(CarteTouchee(w, 29, 50), 52);   // the visible strip of the first
  EXPECT_EQ(CarteTouchee(w, 30, 0), 51);    // left and top edges inside
  EXPECT_EQ(CarteTouchee(w, 430, 102), 22);  // diamonds come last without trumps
  EXPECT_EQ(CarteTouchee(w, 431, 50), 0);   // right and bottom edges outside
  EXPECT_EQ(CarteTouchee(w, 10, 103), 0);
  EXPECT_EQ(CarteTouchee(w, -1, 10), 0);
}

TEST(CarteSousLePoint, TouteLaMainJoueeNeRepondPlusRien) {
  TEtatJeu e = Etat(afjMort, 2);
  for (int slot = 1; slot <= 13; ++slot) Joue(e, slot);
  const TWhereCartes w = PlaceCartes(e);
  EXPECT_EQ(NombrePlacees(w), 0);
  for (int x = 0; x < 400; x += 7) EXPECT_EQ(CarteTouchee(w, x, 20), 0);
  EXPECT_EQ(CarteTouchee(w, 0, 0), 0);
}

TEST(PlacementDesCartes, EmplacementsSansCarteNiComptesNiDessines) {
  TValeurCartes abimee = Exemple;
  abimee[2] = 0;     // no card
  abimee[5] = 99;    // decodes to suit 7
  abimee[7] = 77;    // decodes to suit 5
  const auto comptes = CompteCouleurs(abimee, {});
  EXPECT_EQ(comptes, (std::array<int, 4>{3, 2, 2, 3}));
  const TEtatJeu e = Etat(afjNormal, 1, abimee);
  EXPECT_EQ(NombrePlacees(PlaceCartes(e)), 10);
}

}  // namespace
}  // namespace kalvo
