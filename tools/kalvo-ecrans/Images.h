// What the picture commands share: writing a picture, and a dialog with the
// title bar the offscreen platform does not draw.
#pragma once

#include <QDir>
#include <QImage>
#include <QString>

class QWidget;

namespace kalvo::ecrans {

// Writes the picture as PNG and names it on the standard output; false
// (said on the error output) when it cannot be written.
bool Ecrit(const QImage& image, const QDir& dossier, const QString& nom);

// The window shown and drawn as it is, then hidden.
QImage Photo(QWidget& fenetre);

// The dialog shown and drawn under a plain title bar with its caption, as a
// user sees it, then hidden; a window without a frame is drawn as it is.
QImage AvecCadre(QWidget& fenetre);

}  // namespace kalvo::ecrans
