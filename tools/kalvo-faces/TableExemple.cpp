#include "TableExemple.h"

#include "table/DecorTable.h"
#include "table/GeometrieTable.h"
#include "table/IconesTable.h"
#include "table/Palette.h"

#include <QPainter>

namespace kalvo {

TTableExemple::TTableExemple(int largeur, int hauteur, int setCartes)
    : FSetCartes(setCartes), FTapis(TextureTapis(QColor(CouleurFondFenetre))) {
  resize(largeur, hauteur);
  for (TJoueur j : TousLesJoueurs) {
    auto* jeu = new TJeu1024(this);
    jeu->SetJoueur(j);
    jeu->SetSetCartes(setCartes);
    jeu->SetAffichage(j == jrSud ? afjNormal : j == jrNord ? afjMort : afjCoteDecale);
    Jeux[j] = jeu;
    auto* carte = new TCarte1024(this);
    carte->SetSetCartes(setCartes);
    carte->hide();
    Cartes[j] = carte;
    auto* bids = new TBids1024(this);
    bids->SetJoueur(j);
    bids->SetDimension(setCartes);
    Bids[j] = bids;
  }
  Etui = new TEtui1024(this);
  Etui->SetDimension(setCartes);
  Etui->SetVisible(false);

  auto etiquette = [this](const QString& texte, int x, int y) {
    auto* e = new TEtiquetteContour(texte, this);
    e->move(x, y);
    return e;
  };
  Etiquettes[0] = etiquette(QStringLiteral("Jeu"), 51, 0);
  Etiquettes[1] = etiquette(QStringLiteral("Questions"), 119, 0);
  Notation = new TAfficheurSegments(3, QColor(CouleurLime), this);
  Notation->move(51, 24);
  NoteQuestions = new TAfficheurSegments(3, QColor(CouleurLime), this);
  NoteQuestions->move(137, 24);
  LeveesNS = new TAfficheurSegments(2, QColor(CouleurJaune), this);
  LeveesNS->move(largeur - 187, 24);
  LeveesEO = new TAfficheurSegments(2, QColor(CouleurJaune), this);
  LeveesEO->move(largeur - 187 + 73, 24);
  Etiquettes[2] = etiquette(QStringLiteral("NS"), largeur - 187 + 8, 0);
  Etiquettes[3] = etiquette(QStringLiteral("EO"), largeur - 187 + 73 + 8, 0);

  LContrat = new TEtiquetteContour(QString(), this);
  LContrat->SetContour(false);
  LContrat->SetAlignement(Qt::AlignHCenter | Qt::AlignTop);
  LContrat->setGeometry((largeur - 520) / 2, 0, 520, 22);

  Fleche = new QLabel(this);
  Fleche->setPixmap(ImageFleche());
  Fleche->resize(26, 29);
  Fleche->hide();
}

void TTableExemple::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QBrush(FTapis));
  DessineCadre(p, width(), height());
}

void TTableExemple::PlaceJeux() {
  const int cw = width();
  const int ch = height();
  TJeu1024* sud = Jeux[jrSud];
  sud->move((cw - sud->Largeur()) / 2, ch - 75 - sud->Hauteur() - 16);
  TJeu1024* nord = Jeux[jrNord];
  nord->move((cw - nord->Largeur()) / 2, 30);
  TJeu1024* ouest = Jeux[jrOuest];
  ouest->move(cw / 20, 40 * (ch - ouest->Hauteur()) / 100);
  Jeux[jrEst]->move(75 * cw / 100, ouest->y());
  sud->raise();
}

void TTableExemple::PlaceCartesJouees() {
  const TJeu1024* nord = Jeux[jrNord];
  const TCartesJoueesPlaces places = kalvo::PlaceCartesJouees(width(), FSetCartes, Cartes[jrSud]->size(),
                                                              Jeux[jrSud]->y(), nord->y() + nord->height());
  for (int j = 0; j < 4; ++j) Cartes[j]->move(places.Coins[static_cast<std::size_t>(j)]);
}

void TTableExemple::PlaceEtuiEtBids() {
  const int cw = width();
  const int ch = height();
  Etui->move((cw - Etui->Cote()) / 2, 36 * (ch - Etui->Cote()) / 100);
  const QRect etui(Etui->pos(), QSize(Etui->Cote(), Etui->Cote()));
  TBids1024* sud = Bids[jrSud];
  sud->move((cw - sud->Largeur()) / 2, etui.bottom() + 1 + 16);
  Bids[jrNord]->move(sud->x(), etui.top() - sud->Hauteur() - 16);
  Bids[jrOuest]->move(etui.left() - Bids[jrOuest]->Largeur() - 16, etui.top() + (etui.height() - sud->Hauteur()) / 2);
  Bids[jrEst]->move(etui.right() + 1 + 16, Bids[jrOuest]->y());
}

void TTableExemple::PlaceFleche() {
  const TJeu1024* sud = Jeux[jrSud];
  Fleche->move(sud->x() - Fleche->width() - 16, sud->y() + (sud->height() - Fleche->height()) / 2);
}

void TTableExemple::PoseCarte(TJoueur joueur, int value) {
  Cartes[joueur]->SetValue(value);
  Cartes[joueur]->show();
  Cartes[joueur]->raise();
  Jeux[joueur]->SetCarteJouee(value);
}

}  // namespace kalvo
