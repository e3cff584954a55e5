// Where everything goes on the table: the frame-bound elements (labels,
// displays, buttons), the hands, the played cards, the board and the
// bidding rows, and the felt with its frame.
#include "table/FMain.h"

#include "table/AfficheurSegments.h"
#include "table/Bids1024.h"
#include "table/Carte1024.h"
#include "table/DecorTable.h"
#include "table/EtiquetteContour.h"
#include "table/Etui1024.h"
#include "table/Jeu1024.h"
#include "table/Polices.h"
#include "table/StyleMnemoniques.h"

#include <QFontMetrics>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QResizeEvent>

namespace kalvo {

namespace {

constexpr int LargeurContrat = 520;
constexpr int HauteurContrat = 22;
constexpr int LargeurMinBoutonsDepart = 150;

// The row's font, made smaller only when the caption would not fit its
// button (the narrow "# donne" on a 1024-pixel screen).
QFont PoliceAjustee(const QString& texte, int points, int largeur) {
  QFont police = PoliceEnPoints(QStringLiteral("Arial"), points);
  for (int p = points - 1; p >= 6 && QFontMetrics(police).horizontalAdvance(texte) + 8 > largeur; --p)
    police = PoliceEnPoints(QStringLiteral("Arial"), p);
  return police;
}

}  // namespace

void TFMain::PlaceElementsFixes() {
  const int cw = width();
  const int ch = height();
  tailleMiseEnPage_ = size();

  LContrat->setGeometry((cw - LargeurContrat) / 2, 0, LargeurContrat, HauteurContrat);
  LNotation->move(51, 0);
  Notation->move(51, 24);
  LQuestions->move(119, 0);
  NoteQuestions->move(137, 24);
  LeveesNS->move(cw - 187, 24);
  LeveesEO->move(LeveesNS->x() + 73, 24);
  // Each pair name stands over its own display.
  LNS->move(LeveesNS->x() + (LeveesNS->width() - LNS->width()) / 2, 0);
  LEO->move(LeveesEO->x() + (LeveesEO->width() - LEO->width()) / 2, 0);

  rangeeBoutons_ = RangeeBoutons(cw, ch);
  const QFont police = PoliceEnPoints(QStringLiteral("Arial"), rangeeBoutons_.Points);
  for (int i = 0; i < NbBoutonsRangee; ++i) {
    QPushButton* b = rangee_[static_cast<std::size_t>(i)];
    b->setGeometry(rangeeBoutons_.Boutons[static_cast<std::size_t>(i)]);
    b->setFont(PoliceAjustee(TexteSansMnemonique(b->text()), rangeeBoutons_.Points, b->width()));
  }
  // The chooser's square may narrow "# donne": its caption is fitted again.
  PlaceChoixDonne();
  QPushButton* numero = rangee_[brDonne];
  numero->setFont(PoliceAjustee(TexteSansMnemonique(numero->text()), rangeeBoutons_.Points, numero->width()));
  const QSize depart(std::max(rangeeBoutons_.Largeur, LargeurMinBoutonsDepart), HauteurBouton);
  for (QPushButton* b : {BStart, BNext}) {
    b->setFont(police);
    b->setGeometry(PlaceBoutonsDepart(cw, ch, depart));
  }
}

void TFMain::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  // A window manager may give the window another size than it asked for:
  // the table follows, so that nothing is left outside the window.
  if (size() == tailleMiseEnPage_ || rangee_[0] == nullptr) return;
  PlaceElementsFixes();
  if (!actif_) return;
  PlaceJeux();
  PlaceEtui();
  PlaceBids();
  PlaceCartesJouees();
}

void TFMain::PlaceJeu(TJoueur joueur) {
  Jeux[joueur]->SetSetCartes(SetCartes());
  TJeu1024* jeu = Jeux[joueur];
  jeu->move(kalvo::PlaceJeu(joueur, width(), height(), QSize(jeu->Largeur(), jeu->Hauteur()), Jeux[jrOuest]->y()));
  if (joueur == jrSud) PlaceFleche();
}

void TFMain::PlaceJeux() {
  for (TJoueur j : TousLesJoueurs) {
    TJeu1024* jeu = Jeux[j];
    jeu->move(kalvo::PlaceJeu(j, width(), height(), QSize(jeu->Largeur(), jeu->Hauteur()), Jeux[jrOuest]->y()));
  }
  PlaceFleche();
}

void TFMain::PlaceFleche() { Fleche->move(GaucheFleche(Jeux[jrSud]->x()), Fleche->y()); }

void TFMain::PlaceCartesJouees() {
  const int k = SetCartes();
  for (TCarte1024* carte : Cartes) {
    carte->SetSens(true);
    carte->SetSetCartes(k);
    carte->SetBackground(CouleurTapis);
  }
  const TJeu1024* nord = Jeux[jrNord];
  const TCartesJoueesPlaces places =
      kalvo::PlaceCartesJouees(LargeurFenetre, k, Cartes[jrSud]->size(), Jeux[jrSud]->y(), nord->y() + nord->height());
  for (TJoueur j : TousLesJoueurs) Cartes[j]->move(places.Coins[j]);
}

void TFMain::PlaceEtui() {
  const bool visible = Etui->Visible();
  Etui->SetDimension(SetCartes());
  Etui->move(kalvo::PlaceEtui(width(), height(), Etui->Cote()));
  Etui->SetVisible(visible);
}

void TFMain::PlaceBids() {
  std::array<QSize, 4> tailles{};
  for (TJoueur j : TousLesJoueurs) {
    TBids1024* bids = BidsSurTable[j];
    bids->SetColor(CouleurTapis);
    bids->SetDimension(SetCartes());
    tailles[j] = QSize(bids->Largeur(), bids->height());
  }
  const QRect etui(Etui->pos(), QSize(Etui->Cote(), Etui->Cote()));
  const std::array<QPoint, 4> coins =
      kalvo::PlaceBids(etui, width(), tailles, BidsSurTable[jrSud]->height(), EcartBidsReglages);
  for (TJoueur j : TousLesJoueurs) BidsSurTable[j]->move(coins[j]);
}

void TFMain::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QBrush(tapis_));
  DessineCadre(p, width(), height());
  for (const TAlerteAffichee& alerte : alertes_) DessineAlerte(p, alerte);
}

}  // namespace kalvo
