// TFPoint: "Le Point", the stock-taking commentary of the deal (the
// "point.rtf" the deal's reading writes into the data folder, as the
// controller hands it), in a window whose height follows the number of
// lines.
#pragma once

#include "model/LecteurRtf.h"

#include <QDialog>

class QPushButton;

namespace kalvo {

class VisionneuseRtf;

class TFPoint : public QDialog {
  Q_OBJECT

 public:
  static constexpr int Largeur = 783;
  static constexpr int HauteurPolice = 17;   // pixels
  static constexpr int Marges = 8;
  static constexpr int SupplementHauteur = 85;

  explicit TFPoint(QWidget* parent = nullptr);

  // Shows the commentary and sizes the viewer and the window to its lines.
  void ChargePoint(const TDocumentRtf& point);
  // ChargePoint, then shows the window modally.
  int Affiche(const TDocumentRtf& point);

  // The viewer's height for n lines: (3 + f) × n + 8 + 8.
  static int HauteurVisionneuse(int lignes) { return (3 + HauteurPolice) * lignes + 2 * Marges; }
  int NombreLignes() const { return lignes_; }

  VisionneuseRtf* REPoint = nullptr;
  QPushButton* BOk = nullptr;

 protected:
  void mousePressEvent(QMouseEvent* evenement) override;
  void showEvent(QShowEvent* evenement) override;

 private:
  void Dimensionne();

  int lignes_ = 0;
};

}  // namespace kalvo
