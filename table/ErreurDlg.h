// TErreurDlg: the comment window that explains a refused card with one of
// the deal's comment lines or a built-in message on drawing trumps. Its
// height follows the text: 22 pixels per line as the memo wraps it.
#pragma once

#include <QDialog>
#include <QRect>
#include <QString>

class QFrame;
class QPushButton;
class QTextEdit;

namespace kalvo {

class TErreurDlg : public QDialog {
  Q_OBJECT

 public:
  static constexpr int HauteurLigne = 22;
  static constexpr int MargePanneau = 10;   // added to the lines' height
  static constexpr int SupplementHauteur = 70;

  explicit TErreurDlg(QWidget* parent = nullptr);

  // Puts the text in the memo and sizes and places the window for a main
  // window whose client area lies at fenetrePrincipale (screen coordinates).
  void Prepare(const QString& texte, const QRect& fenetrePrincipale);
  // Prepare, then shows the window modally until a key or a click.
  int Affiche(const QString& texte, const QRect& fenetrePrincipale);

  // What Prepare computed: the client area in screen coordinates and the
  // number of lines of the wrapped text (0 for an empty text).
  QRect Geometrie() const { return geometrie_; }
  int NombreLignes() const { return lignes_; }

  QFrame* Fond = nullptr;
  QTextEdit* TexteErreur = nullptr;
  QPushButton* OkBtn = nullptr;

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;
  void keyPressEvent(QKeyEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;

 private:
  int CompteLignes();

  QRect geometrie_;
  int lignes_ = 0;
};

}  // namespace kalvo
