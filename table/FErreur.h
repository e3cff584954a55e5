// TFErreur: the one-line warning window of the program's own messages
// ("Vous allez chuter !" …), a red line centred under the caption
// "Attention !", as wide as the main window less 120 pixels.
#pragma once

#include <QDialog>
#include <QRect>
#include <QString>

class QFrame;
class QLabel;
class QPushButton;

namespace kalvo {

class TFErreur : public QDialog {
  Q_OBJECT

 public:
  static constexpr int RetraitLargeur = 120;
  static constexpr int HauteurClient = 128;

  explicit TFErreur(QWidget* parent = nullptr);

  // Puts the message on the line, sizes the window for a main window whose
  // client area lies at fenetrePrincipale (screen coordinates) and centres
  // it there. An empty message shows an empty warning.
  void Prepare(const QString& message, const QRect& fenetrePrincipale);
  int Affiche(const QString& message, const QRect& fenetrePrincipale);

  // The client area Prepare computed, in screen coordinates.
  QRect Geometrie() const { return geometrie_; }

  QFrame* pnl1 = nullptr;
  QLabel* Lab = nullptr;
  QPushButton* btn1 = nullptr;

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;
  void keyPressEvent(QKeyEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;

 private:
  QRect geometrie_;
};

}  // namespace kalvo
