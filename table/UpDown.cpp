#include "table/UpDown.h"

#include "table/NumberEdit.h"

#include <QToolButton>

#include <algorithm>

namespace kalvo {

TUpDown::TUpDown(QWidget* parent) : QWidget(parent) {
  Haut = new QToolButton(this);
  Bas = new QToolButton(this);
  Haut->setArrowType(Qt::UpArrow);
  Bas->setArrowType(Qt::DownArrow);
  for (QToolButton* b : {Haut, Bas}) {
    b->setAutoRepeat(true);
    b->setFocusPolicy(Qt::NoFocus);
  }
  connect(Haut, &QToolButton::clicked, this, [this] { Pas(+1); });
  connect(Bas, &QToolButton::clicked, this, [this] { Pas(-1); });
}

void TUpDown::SetMin(int v) {
  FMin = v;
  FMax = std::max(FMax, FMin);
  SetPosition(FPosition);
}

void TUpDown::SetMax(int v) {
  FMax = std::max(v, FMin);
  SetPosition(FPosition);
}

void TUpDown::SetPosition(int v) { FPosition = std::clamp(v, FMin, FMax); }

void TUpDown::Pas(int sens) {
  // The edit may have been typed in since the last step: start from it.
  const int depart = FAssociate != nullptr ? FAssociate->Value() : FPosition;
  const long long voulu = static_cast<long long>(depart) + sens;
  SetPosition(static_cast<int>(std::clamp<long long>(voulu, FMin, FMax)));
  if (FAssociate != nullptr) FAssociate->SetValue(FPosition);
  emit Change(FPosition);
}

void TUpDown::resizeEvent(QResizeEvent* evenement) {
  QWidget::resizeEvent(evenement);
  const int moitie = height() / 2;
  Haut->setGeometry(0, 0, width(), moitie);
  Bas->setGeometry(0, moitie, width(), height() - moitie);
}

}  // namespace kalvo
