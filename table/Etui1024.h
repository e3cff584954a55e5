// TEtui1024: the board wallet in the middle of the table: its four sides show
// the vulnerability, a disc marks the dealer, the deal number sits in the
// centre.
#pragma once

#include "table/GeometrieEncheres.h"

#include <QColor>
#include <QWidget>

namespace kalvo {

class TEtui1024 : public QWidget {
  Q_OBJECT

 public:
  explicit TEtui1024(QWidget* parent = nullptr);

  // What the board shows; the owner writes them before showing or repainting.
  TVulnerabilite Vulnerabilite = vlnPersonne;
  TJoueur Donneur = jrSud;
  int NumeroDonne = 1;

  bool Visible() const { return FVisible; }
  void SetVisible(bool v);
  QColor Color() const { return FColor; }
  void SetColor(const QColor& c);
  int Cote() const { return FCote; }
  // A change of dimension always leaves the board shown.
  void SetDimension(int d);
  int Dimension() const { return FDimension; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int FDimension = 0;
  bool FVisible = false;
  QColor FColor{152, 187, 152};
  int FCote = 0;
};

}  // namespace kalvo
