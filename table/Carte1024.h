// TCarte1024: one card face, painted over whatever lies beneath it (the
// felt, or another card) with its corners left transparent. The main window
// shows the four cards of the current trick with it; dialogs show single
// cards.
#pragma once

#include "table/GeometrieCartes.h"

#include <QColor>
#include <QWidget>

namespace kalvo {

class TCarte1024 : public QWidget {
  Q_OBJECT

 public:
  explicit TCarte1024(QWidget* parent = nullptr);

  // Properties keep their names; a write is Set followed by the name.
  int Value() const { return FValue; }
  void SetValue(int v);
  bool Sens() const { return FDebout; }
  void SetSens(bool v);
  QColor Background() const { return FBackground; }
  void SetBackground(const QColor& c);
  int SetCartes() const { return FSetCartes; }
  void SetSetCartes(int v);
  // Free for the owner: the main window keeps the seat number here.
  int Tag() const { return tag_; }
  void SetTag(int t) { tag_ = t; }

 signals:
  void OnMouseDown(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void OnMouseUp(Qt::MouseButton Button, Qt::KeyboardModifiers Shift, int X, int Y);
  void OnMouseMove(Qt::KeyboardModifiers Shift, int X, int Y);
  void OnClick();
  void OnDblClick();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;

 private:
  void Redessine();

  ctCarte FValue = 52;
  bool FDebout = true;
  int FSetCartes = 1;
  QColor FBackground{152, 187, 152};
  int tag_ = 0;
};

}  // namespace kalvo
