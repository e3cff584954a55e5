// What the dialogs share: their colours, a fixed client area at 96 pixels
// per inch (every size is in pixels, fonts included, so nothing scales with
// the screen), solid or gradient grounds and the small builders of labels
// and buttons placed at fixed coordinates.
#pragma once

#include "table/StyleDialogues.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace kalvo {

inline constexpr QRgb CouleurVertPale = qRgb(232, 255, 232);
inline constexpr QRgb CouleurVert = qRgb(0, 128, 0);
inline constexpr QRgb CouleurBleuMarine = qRgb(0, 0, 128);
// The orange gradient of the deal-number dialog and the information box.
inline constexpr QRgb DegradeOrangeHaut = qRgb(255, 208, 64);
inline constexpr QRgb DegradeOrangeBas = qRgb(255, 102, 0);

// The client area keeps this size whatever the window manager does.
void FixeTailleClient(QWidget* fenetre, int largeur, int hauteur);
// The orange gradient, top to bottom, following the widget's height.
void FixeFondDegradeOrange(QWidget* widget);
void FixeCouleurTexte(QWidget* widget, const QColor& couleur);

// The dialogs' own font: Arial of 13 pixels, the toolkit's size for
// 10 points at 96 pixels per inch.
QFont PoliceDialogue();

QLabel* CreeEtiquette(QWidget* parent, const QString& texte, const QRect& place, const QFont& police);
QPushButton* CreeBouton(QWidget* parent, const QString& texte, const QRect& place);

}  // namespace kalvo
