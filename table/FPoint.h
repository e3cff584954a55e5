// TFPoint: "Le Point", the stock-taking commentary of the deal (the file
// "point.rtf" the deal's reading writes into the data folder), in a window
// whose height follows the number of lines.
#pragma once

#include <QDialog>
#include <QString>

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

  // Loads the commentary and sizes the viewer and the window to its lines.
  // A file that cannot be read shows a line that says so.
  void ChargePoint(const QString& chemin);
  // ChargePoint, then shows the window modally.
  int Affiche(const QString& chemin);

  // The viewer's height for n lines: (3 + f) × n + 8 + 8.
  static int HauteurVisionneuse(int lignes) { return (3 + HauteurPolice) * lignes + 2 * Marges; }
  int NombreLignes() const { return FLignes; }

  VisionneuseRtf* REPoint = nullptr;
  QPushButton* BOk = nullptr;

 protected:
  void mousePressEvent(QMouseEvent* evenement) override;
  void showEvent(QShowEvent* evenement) override;

 private:
  void Dimensionne();

  int FLignes = 0;
};

}  // namespace kalvo
