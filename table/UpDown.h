// TUpDown: two stacked arrow buttons bound to a number edit. A click reads
// the edit's number, steps it by one within Min..Max and writes it back.
#pragma once

#include <QWidget>

class QToolButton;

namespace kalvo {

class TNumberEdit;

class TUpDown : public QWidget {
  Q_OBJECT

 public:
  explicit TUpDown(QWidget* parent = nullptr);

  void SetAssociate(TNumberEdit* edit) { associate_ = edit; }
  int Min() const { return min_; }
  int Max() const { return max_; }
  int Position() const { return position_; }
  void SetMin(int v);
  void SetMax(int v);
  // Kept within Min..Max; the associated edit is not written.
  void SetPosition(int v);

  // One step up (+1) or down (−1), as a click on an arrow.
  void Pas(int sens);

  QToolButton* Haut = nullptr;
  QToolButton* Bas = nullptr;

 signals:
  void Change(int position);

 protected:
  void resizeEvent(QResizeEvent* evenement) override;

 private:
  TNumberEdit* associate_ = nullptr;
  int min_ = 0;
  int max_ = 100;
  int position_ = 0;
};

}  // namespace kalvo
