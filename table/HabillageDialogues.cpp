#include "table/HabillageDialogues.h"

#include "table/Polices.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPalette>
#include <QPushButton>
#include <QWidget>

namespace kalvo {

void FixeTailleClient(QWidget* fenetre, int largeur, int hauteur) { fenetre->setFixedSize(largeur, hauteur); }

void FixeFondDegradeOrange(QWidget* widget) {
  QLinearGradient degrade(0, 0, 0, 1);
  degrade.setCoordinateMode(QGradient::ObjectMode);
  degrade.setColorAt(0, QColor(DegradeOrangeHaut));
  degrade.setColorAt(1, QColor(DegradeOrangeBas));
  QPalette palette = widget->palette();
  palette.setBrush(QPalette::Window, QBrush(degrade));
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

void FixeCouleurTexte(QWidget* widget, const QColor& couleur) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::WindowText, couleur);
  palette.setColor(QPalette::Text, couleur);
  widget->setPalette(palette);
}

QFont PoliceDialogue() { return PoliceEnPixels(QStringLiteral("Arial"), 13); }

QLabel* CreeEtiquette(QWidget* parent, const QString& texte, const QRect& place, const QFont& police) {
  auto* etiquette = new QLabel(texte, parent);
  etiquette->setFont(police);
  etiquette->setGeometry(place);
  return etiquette;
}

QPushButton* CreeBouton(QWidget* parent, const QString& texte, const QRect& place) {
  auto* bouton = new QPushButton(texte, parent);
  bouton->setGeometry(place);
  bouton->setAutoDefault(false);
  return bouton;
}

}  // namespace kalvo
