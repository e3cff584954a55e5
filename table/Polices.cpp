#include "table/Polices.h"

#include <QStringList>

namespace kalvo {

void InstallePolicesDeSubstitution() {
  // Liberation keeps the metrics of Arial and Times; DejaVu covers the rest
  // and holds the suit glyphs that stand in for the Symbol font.
  QFont::insertSubstitutions("Arial", {"Liberation Sans", "DejaVu Sans"});
  QFont::insertSubstitutions("MS Sans Serif", {"Liberation Sans", "DejaVu Sans"});
  QFont::insertSubstitutions("Arial Rounded MT Bold", {"DejaVu Sans", "Liberation Sans"});
  QFont::insertSubstitutions("Times New Roman", {"Liberation Serif", "DejaVu Serif"});
  QFont::insertSubstitutions("Courier New", {"Liberation Mono", "DejaVu Sans Mono"});
  QFont::insertSubstitutions("Trebuchet MS", {"DejaVu Sans", "Liberation Sans"});
  QFont::insertSubstitutions("Verdana", {"DejaVu Sans", "Liberation Sans"});
  QFont::insertSubstitutions("Tahoma", {"DejaVu Sans Condensed", "DejaVu Sans", "Liberation Sans"});
  QFont::insertSubstitutions("Symbol", {"DejaVu Sans"});
  QFont::insertSubstitutions("SYMBOL", {"DejaVu Sans"});
}

QFont PoliceEnPixels(const QString& famille, int pixels, bool gras) {
  QFont police(famille);
  police.setPixelSize(pixels > 0 ? pixels : 1);
  police.setBold(gras);
  return police;
}

QFont PoliceEnPoints(const QString& famille, int points, bool gras) {
  return PoliceEnPixels(famille, (points * 96 + 36) / 72, gras);
}

QString FamilleSymboles() { return QStringLiteral("DejaVu Sans"); }

}  // namespace kalvo
