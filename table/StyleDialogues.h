// The common look of the program's dialogs: maroon frame, dark green title
// band with yellow lettering, felt panels, ivory buttons; and the base of
// every modal dialog created once and reused.
#pragma once

#include "table/Palette.h"

#include <QColor>
#include <QDialog>
#include <QFont>
#include <QLabel>
#include <QPushButton>

namespace kalvo {

inline constexpr QRgb CouleurMarronFonce = qRgb(86, 0, 0);
inline constexpr QRgb CouleurTapisPanneau = qRgb(152, 187, 152);
inline constexpr QRgb CouleurFondCommentaire = qRgb(232, 255, 232);
inline constexpr QRgb CouleurValeurBandeau = qRgb(240, 250, 255);
inline constexpr QRgb CouleurTexteTapis = qRgb(16, 40, 16);
inline constexpr QRgb CouleurEntame = qRgb(204, 0, 0);

// Fonts of the dialogs, through the program's substitutions.
QFont PoliceTitre();       // bold Verdana 16 px: bands and headers
QFont PoliceTexte();       // Verdana 14 px: questions and labels
QFont PoliceTexteGras();   // bold Verdana 14 px
QFont PoliceBouton();      // bold Verdana 13 px

// Paints a widget's own background in one colour.
void FondUni(QWidget* widget, const QColor& couleur);
// A label in the given font and colour on a transparent ground.
QLabel* NouvelleEtiquette(const QString& texte, const QFont& police, const QColor& couleur, QWidget* parent);
// The dark green band with a yellow title, as the review dialogs have.
QLabel* NouveauBandeau(const QString& texte, QWidget* parent);
// A rounded felt panel that holds the controls of a dialog.
QWidget* NouveauPanneau(QWidget* parent);
// An ivory button of the given minimum width.
QPushButton* NouveauBouton(const QString& texte, QWidget* parent, int largeurMin = 90);

// A modal dialog of the program: fixed size, maroon ground, the common
// style sheet. When Obligatoire, neither Escape nor the window's close
// button ends it: only its own buttons do.
class TDialogueKalvo : public QDialog {
  Q_OBJECT

 public:
  explicit TDialogueKalvo(QWidget* parent = nullptr, bool obligatoire = true);
  bool Obligatoire() const { return obligatoire_; }

 public slots:
  void reject() override;
  void done(int resultat) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  bool obligatoire_;
  bool enFermeture_ = false;
};

}  // namespace kalvo
