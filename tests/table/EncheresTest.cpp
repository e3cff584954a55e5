#include "EnvironnementQt.h"

#include "table/Bids1024.h"
#include "table/Etui1024.h"
#include "table/Palette.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

const QColor Tapis(152, 187, 152);

TEST(RangeeDEncheres, DimensionsEtBoites) {
  EXPECT_EQ(DimensionsBids(1).Largeur, 261);
  EXPECT_EQ(DimensionsBids(1).Hauteur, 78);
  EXPECT_EQ(DimensionsBids(2).Largeur, 370);
  EXPECT_EQ(DimensionsBids(2).Hauteur, 96);
  EXPECT_EQ(DimensionsBids(3).Largeur, 480);
  EXPECT_EQ(DimensionsBids(3).Hauteur, 116);
  for (int d = 1; d <= 3; ++d) {
    const TDimensionsBids k = DimensionsBids(d);
    EXPECT_EQ(k.Largeur, k.A + 6 * k.B);
    EXPECT_EQ(k.Hauteur, k.C + 6 * k.D);
  }
  EXPECT_EQ(BoiteBid(3, {2, clCoeur}, 1), (TRectangle{60, 8, 141, 62}));
  EXPECT_EQ(BoiteBid(1, BidAlerte, 1), (TRectangle{0, 4, 81, 58}));     // at x 0 it stays
  EXPECT_EQ(BoiteBid(2, BidAlerte, 1), (TRectangle{20, 8, 101, 62}));
  EXPECT_EQ(BoiteBid(7, BidPasse, 3), (TRectangle{360, 36, 480, 116}));   // the last box fills the row
}

TEST(RangeeDEncheres, CreationEtVisibilite) {
  TBids1024 rangee;
  EXPECT_FALSE(rangee.Visible());
  EXPECT_EQ(rangee.size(), QSize(0, 0));
  EXPECT_EQ(rangee.Joueur(), jrSud);
  EXPECT_EQ(rangee.NumeroBid(), 0);
  EXPECT_TRUE(rangee.testAttribute(Qt::WA_TransparentForMouseEvents));
  rangee.SetVisible(true);
  EXPECT_EQ(rangee.size(), QSize(261, 78));
  for (int d : {0, 4, 1}) {
    rangee.SetDimension(d);
    EXPECT_EQ(rangee.Largeur(), 261);
  }
  rangee.SetDimension(3);
  EXPECT_EQ(rangee.size(), QSize(480, 116));
  rangee.SetBid(1, clPique);
  rangee.SetVisible(false);
  EXPECT_EQ(rangee.size(), QSize(0, 0));
  EXPECT_EQ(rangee.NumeroBid(), 0);
  EXPECT_TRUE(rangee.Bid(1).EstVide());
}

TEST(RangeeDEncheres, AppelsAlertesEtRemplacement) {
  TBids1024 rangee;
  rangee.SetBid(0, 0);
  EXPECT_EQ(rangee.NumeroBid(), 0);
  rangee.SetBid(0, 4);   // hidden row: the alert is not shown
  EXPECT_EQ(rangee.NumeroBid(), 0);
  EXPECT_FALSE(rangee.AlerteAffichee());
  rangee.RemplaceBid(3, clSA);   // no call held yet: nothing to replace
  EXPECT_EQ(rangee.NumeroBid(), 0);
  EXPECT_TRUE(rangee.Bid(1).EstVide());

  rangee.SetVisible(true);
  rangee.SetBid(1, clTrefle);
  rangee.SetBid(0, 4);
  EXPECT_EQ(rangee.NumeroBid(), 1);
  EXPECT_TRUE(rangee.AlerteAffichee());
  rangee.SetBid(2, clSA);   // takes the alert's slot
  EXPECT_EQ(rangee.NumeroBid(), 2);
  EXPECT_FALSE(rangee.AlerteAffichee());
  EXPECT_EQ(rangee.Bid(2), (TBid{2, clSA}));
  rangee.RemplaceBid(0, 2);
  EXPECT_EQ(rangee.Bid(2), BidContre);
  rangee.RemplaceBid(0, 0);
  EXPECT_EQ(rangee.Bid(2), BidContre);
  rangee.SetBid(-1, 2);
  rangee.SetBid(1, 300);
  EXPECT_EQ(rangee.NumeroBid(), 2);
}

TEST(RangeeDEncheres, AuDelaDeSeptAppelsLesDerniersRestent) {
  TBids1024 rangee;
  rangee.SetVisible(true);
  for (int niveau = 1; niveau <= 7; ++niveau) rangee.SetBid(niveau, clCoeur);
  rangee.SetBid(0, 1);
  EXPECT_EQ(rangee.NumeroBid(), 7);
  EXPECT_EQ(rangee.Bid(1), (TBid{2, clCoeur}));
  EXPECT_EQ(rangee.Bid(7), BidPasse);
  rangee.SetBid(0, 4);   // an alert on a full row still finds a slot
  EXPECT_EQ(rangee.NumeroBid(), 6);
  EXPECT_TRUE(rangee.AlerteAffichee());
  rangee.SetBid(0, 3);
  EXPECT_EQ(rangee.NumeroBid(), 7);
  EXPECT_EQ(rangee.Bid(7), BidSurcontre);
}

TEST(RangeeDEncheres, PeintureDesBoites) {
  auto surface = test::Surface(300, 100, Tapis);
  auto* rangee = new TBids1024(surface.get());
  rangee->SetColor(Tapis);
  rangee->SetVisible(true);
  QImage vide(300, 100, QImage::Format_RGB32);
  vide.fill(Tapis);
  EXPECT_EQ(test::Rendu(*surface), vide);   // no call: nothing painted

  rangee->SetBid(0, 1);
  rangee->SetBid(1, clCarreau);
  rangee->SetBid(4, clPique);
  const QImage image = test::Rendu(*surface);
  // The third box spans (60, 8)–(141, 62): outline on its edges, white inside.
  EXPECT_EQ(image.pixelColor(60, 30), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(140, 30), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(100, 8), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(100, 61), QColor(Qt::black));
  EXPECT_EQ(image.pixelColor(141, 30), Tapis);
  EXPECT_EQ(image.pixelColor(100, 62), Tapis);
  EXPECT_EQ(image.pixelColor(130, 55), QColor(Qt::white));
  // The pass box shows below the others at its lower left.
  EXPECT_EQ(image.pixelColor(3, 50), QColor(CouleurPasse));
  // The spade of the last bid, in its colour, right of the level.
  bool pique = false;
  for (int x = 80; x < 130 && !pique; ++x) {
    for (int y = 10; y < 60 && !pique; ++y) pique = image.pixel(x, y) == CouleursSymboles[clPique];
  }
  EXPECT_TRUE(pique);

  rangee->SetBid(0, 4);
  const QImage alerte = test::Rendu(*surface);
  EXPECT_EQ(alerte.pixelColor(150, 66), QColor(CouleurAlerte));   // slot 4, 10 left and D lower
}

TEST(EtuiDeDonne, CreationEtDimensions) {
  TEtui1024 etui;
  EXPECT_TRUE(etui.Visible());
  EXPECT_EQ(etui.size(), QSize(90, 90));
  EXPECT_EQ(etui.Cote(), 90);
  EXPECT_EQ(etui.Vulnerabilite, vlnPersonne);
  EXPECT_EQ(etui.Donneur, jrSud);
  EXPECT_EQ(etui.NumeroDonne, 1);
  etui.SetVisible(false);
  EXPECT_EQ(etui.size(), QSize(0, 0));
  for (int d : {0, 4}) etui.SetDimension(d);
  EXPECT_FALSE(etui.Visible());
  etui.SetDimension(2);   // shows it again
  EXPECT_TRUE(etui.Visible());
  EXPECT_EQ(etui.size(), QSize(110, 110));
  etui.SetDimension(3);
  EXPECT_EQ(etui.Cote(), 130);
}

TEST(EtuiDeDonne, GeometrieEtDisqueDuDonneur) {
  const TGeometrieEtui g = GeometrieEtui(90);
  EXPECT_EQ(g.i, 36);
  EXPECT_EQ(g.m, 27);
  EXPECT_EQ(g.DisqueDonneur(jrOuest), (TRectangle{3, 35, 23, 55}));
  EXPECT_EQ(g.DisqueDonneur(jrNord), (TRectangle{35, 3, 55, 23}));
  EXPECT_EQ(g.DisqueDonneur(jrSud), (TRectangle{35, 67, 55, 87}));
  EXPECT_EQ(g.DisqueDonneur(jrEst), (TRectangle{67, 35, 87, 55}));
  const TGeometrieEtui g3 = GeometrieEtui(130);
  EXPECT_EQ(g3.i, 52);
  EXPECT_EQ(g3.m, 39);
  EXPECT_EQ(g3.DisqueDonneur(jrSud), (TRectangle{55, 130 - 9 - 20, 75, 130 - 9}));
}

TEST(EtuiDeDonne, CouleursDeVulnerabiliteEtDisque) {
  struct TCas {
    TVulnerabilite v;
    bool ns;
    bool eo;
  };
  for (const TCas& cas : {TCas{vlnPersonne, false, false}, TCas{vlnNS, true, false}, TCas{vlnEO, false, true},
                          TCas{vlnTous, true, true}}) {
    auto surface = test::Surface(120, 120, Tapis);
    auto* etui = new TEtui1024(surface.get());
    etui->Vulnerabilite = cas.v;
    etui->Donneur = jrOuest;
    etui->NumeroDonne = 12;
    const QImage image = test::Rendu(*surface);
    const TGeometrieEtui g = GeometrieEtui(90);
    for (TJoueur cote : TousLesJoueurs) {
      const bool rouge = LigneDe(cote) == liNS ? cas.ns : cas.eo;
      const TPoint germe = g.Germe(cote);
      if (cote == jrOuest) continue;   // the disc covers West's seed
      EXPECT_EQ(image.pixel(germe.x, germe.y) | 0xFF000000u, rouge ? CouleurVulnerable : CouleurNonVulnerable)
          << "vulnérabilité " << int(cas.v) << " côté " << int(cote);
    }
    EXPECT_EQ(image.pixel(5, 20) | 0xFF000000u, cas.eo ? CouleurVulnerable : CouleurNonVulnerable);
    EXPECT_EQ(image.pixel(13, 45) | 0xFF000000u, CouleurDonneur);
    EXPECT_EQ(image.pixel(45, 30) | 0xFF000000u, CouleurCentreEtui);
    EXPECT_EQ(image.pixelColor(100, 100), Tapis);
  }
}

}  // namespace
}  // namespace kalvo
