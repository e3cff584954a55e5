#include "table/Carte1024.h"

#include "table/JeuDeCartes.h"
#include "model/BridgeTypes.h"

#include <QMouseEvent>
#include <QPainter>

namespace kalvo {

TCarte1024::TCarte1024(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setAttribute(Qt::WA_NoSystemBackground);
  const TTailleFace face = TailleFace(FSetCartes);
  resize(face.W, face.H);
  setAccessibleName(QString::fromStdString(NomCarte(CarteDeIndex(FValue))));
}

void TCarte1024::Redessine() {
  if (isVisible()) update();
}

void TCarte1024::SetValue(int v) {
  // The value is a byte; anything else names no card.
  const ctCarte valeur = (v >= 0 && v <= 255) ? static_cast<ctCarte>(v) : 0;
  if (valeur == FValue) return;
  FValue = valeur;
  // What a screen reader announces: "Dame de Cœur", nothing for a back.
  setAccessibleName(EstIndexCarteValide(valeur) ? QString::fromStdString(NomCarte(CarteDeIndex(valeur))) : QString());
  Redessine();
}

void TCarte1024::SetSens(bool v) {
  if (v == FDebout) return;
  const TTailleFace face = TailleFace(FSetCartes);
  if (v) resize(face.W, face.H);
  else resize(face.H, face.W);
  FDebout = v;
  Redessine();
}

void TCarte1024::SetSetCartes(int v) {
  if (v == FSetCartes || !EstSetCartesValide(v)) return;
  FSetCartes = v;
  const TTailleFace face = TailleFace(FSetCartes);
  resize(face.W, face.H);
  Redessine();
}

void TCarte1024::SetBackground(const QColor& c) {
  if (c == FBackground) return;
  FBackground = c;
  update();
}

void TCarte1024::paintEvent(QPaintEvent*) {
  QPainter p(this);
  DessineFace(p, 0, 0, FValue, FSetCartes);
}

void TCarte1024::mousePressEvent(QMouseEvent* event) {
  const QPoint pt = event->position().toPoint();
  emit OnMouseDown(event->button(), event->modifiers(), pt.x(), pt.y());
}

void TCarte1024::mouseReleaseEvent(QMouseEvent* event) {
  const QPoint pt = event->position().toPoint();
  emit OnMouseUp(event->button(), event->modifiers(), pt.x(), pt.y());
  if (event->button() == Qt::LeftButton && rect().contains(pt)) emit OnClick();
}

void TCarte1024::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pt = event->position().toPoint();
  emit OnMouseMove(event->modifiers(), pt.x(), pt.y());
}

void TCarte1024::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) emit OnDblClick();
  QWidget::mouseDoubleClickEvent(event);
}

}  // namespace kalvo
