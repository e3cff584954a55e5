// The deal chooser from the table: its button beside "# donne" and the
// dialog the controller opens through MontreChoixDonnes.
#include "table/FMain.h"

#include "table/ChoixDonneDlg.h"

#include <QIcon>
#include <QKeySequence>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

namespace kalvo {

namespace {

// A small list: three lines, each with its bullet.
QIcon IconeListe() {
  QPixmap image(20, 20);
  image.fill(Qt::transparent);
  QPainter peintre(&image);
  peintre.setRenderHint(QPainter::Antialiasing);
  peintre.setPen(Qt::NoPen);
  peintre.setBrush(QColor(40, 40, 40));
  for (int i = 0; i < 3; ++i) {
    peintre.drawEllipse(QRectF(2, 3 + i * 6, 3.5, 3.5));
    peintre.drawRect(QRectF(8, 3.5 + i * 6, 10, 2.5));
  }
  return QIcon(image);
}

}  // namespace

void TFMain::CreeChoixDonne() {
  BChoixDonne = new QPushButton(this);
  BChoixDonne->setObjectName(QStringLiteral("BChoixDonne"));
  BChoixDonne->setIcon(IconeListe());
  BChoixDonne->setToolTip(QStringLiteral("Choisir une donne"));
  BChoixDonne->setAccessibleName(QStringLiteral("Choisir une donne"));
  BChoixDonne->setAccessibleDescription(QStringLiteral("Ouvre la liste des donnes (Alt+O)"));
  // An icon has no letter to underline: Alt+O, and Tab after "# donne".
  BChoixDonne->setShortcut(QKeySequence(Qt::ALT | Qt::Key_O));
  BChoixDonne->setFocusPolicy(Qt::TabFocus);
  setTabOrder(rangee_[brDonne], BChoixDonne);
  BChoixDonne->setVisible(rangee_[brDonne]->isVisibleTo(this));
  ChoixDonne = new TChoixDonneDlg(this);
}

// The chooser takes a square right of "# donne": the next-deal button
// moves into the gap before "Quitter" when there is room, so that "# donne"
// keeps its width on a small screen; otherwise "# donne" gives up a third
// of its place.
void TFMain::PlaceChoixDonne() {
  QPushButton* numero = rangee_[brDonne];
  QPushButton* suivante = rangee_[brSuivante];
  const QRect place = numero->geometry();
  const QRect apres = suivante->geometry();
  const int ecart = apres.left() - place.right() - 1;
  const int libre = rangee_[brQuitter]->geometry().left() - apres.right() - 1;
  int cote = std::min(place.height(), std::max(place.width() / 3, 16));
  if (ecart >= 0 && libre >= cote + 2 * ecart) {
    BChoixDonne->setGeometry(place.right() + 1 + ecart, place.y(), cote, place.height());
    suivante->move(apres.x() + cote + ecart, apres.y());
  } else {
    cote = std::min(place.height(), place.width() / 3);
    numero->setGeometry(place.adjusted(0, 0, -(cote + 2), 0));
    BChoixDonne->setGeometry(place.right() - cote + 1, place.y(), cote, place.height());
  }
  BChoixDonne->setIconSize(QSize(cote * 2 / 3, cote * 2 / 3));
}

std::optional<int> TFMain::MontreChoixDonnes(const TListeDonnes& liste) {
  const std::optional<int> donne = ChoixDonne->Montre(liste);
  RetourTable();
  return donne;
}

}  // namespace kalvo
