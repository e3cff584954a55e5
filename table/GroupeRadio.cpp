#include "table/GroupeRadio.h"

#include <QEvent>
#include <QFontMetrics>
#include <QRadioButton>

#include <algorithm>

namespace kalvo {

TGroupeRadio::TGroupeRadio(const QString& titre, QWidget* parent) : QGroupBox(titre, parent) {}

void TGroupeRadio::SetItems(const QStringList& items) {
  for (QRadioButton* bouton : boutons_) delete bouton;
  boutons_.clear();
  for (const QString& texte : items) {
    auto* bouton = new QRadioButton(texte, this);
    bouton->show();
    boutons_.push_back(bouton);
  }
  RangeBoutons();
}

QRadioButton* TGroupeRadio::Bouton(int i) const {
  return i >= 0 && i < NombreItems() ? boutons_[static_cast<std::size_t>(i)] : nullptr;
}

int TGroupeRadio::ItemIndex() const {
  for (int i = 0; i < NombreItems(); ++i)
    if (boutons_[static_cast<std::size_t>(i)]->isChecked()) return i;
  return -1;
}

void TGroupeRadio::SetItemIndex(int i) {
  // Exclusive buttons cannot all be cleared: lift the rule while setting.
  for (QRadioButton* bouton : boutons_) bouton->setAutoExclusive(false);
  for (int k = 0; k < NombreItems(); ++k) boutons_[static_cast<std::size_t>(k)]->setChecked(k == i);
  for (QRadioButton* bouton : boutons_) bouton->setAutoExclusive(true);
}

// The height under the caption is shared evenly; what is left over goes
// half above the first button.
QRect TGroupeRadio::PlaceBouton(int i) const {
  const int n = std::max(1, NombreItems());
  const int texte = QFontMetrics(font()).height();
  const int reste = std::max(0, height() - texte - 5);
  const int hauteur = reste / n;
  const int haut = texte + 1 + (reste % n) / 2;
  return {8, haut + i * hauteur, width() - 10 - 8, hauteur};
}

void TGroupeRadio::RangeBoutons() {
  for (int i = 0; i < NombreItems(); ++i) boutons_[static_cast<std::size_t>(i)]->setGeometry(PlaceBouton(i));
}

void TGroupeRadio::resizeEvent(QResizeEvent* evenement) {
  QGroupBox::resizeEvent(evenement);
  RangeBoutons();
}

void TGroupeRadio::changeEvent(QEvent* evenement) {
  QGroupBox::changeEvent(evenement);
  if (evenement->type() == QEvent::FontChange) RangeBoutons();
}

}  // namespace kalvo
