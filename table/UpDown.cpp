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
  min_ = v;
  max_ = std::max(max_, min_);
  SetPosition(position_);
}

void TUpDown::SetMax(int v) {
  max_ = std::max(v, min_);
  SetPosition(position_);
}

void TUpDown::SetPosition(int v) { position_ = std::clamp(v, min_, max_); }

void TUpDown::Pas(int sens) {
  // The edit may have been typed in since the last step: start from it.
  const int depart = associate_ != nullptr ? associate_->Value() : position_;
  const long long voulu = static_cast<long long>(depart) + sens;
  SetPosition(static_cast<int>(std::clamp<long long>(voulu, min_, max_)));
  if (associate_ != nullptr) associate_->SetValue(position_);
  emit Change(position_);
}

void TUpDown::resizeEvent(QResizeEvent* evenement) {
  QWidget::resizeEvent(evenement);
  const int moitie = height() / 2;
  Haut->setGeometry(0, 0, width(), moitie);
  Bas->setGeometry(0, moitie, width(), height() - moitie);
}

}  // namespace kalvo
