#include "table/StyleMnemoniques.h"

#include <QApplication>

namespace kalvo {

// Built on the application's style as it is now, not taking it over.
TStyleMnemoniques::TStyleMnemoniques() : QProxyStyle(QApplication::style()->name()) {}

int TStyleMnemoniques::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                                 QStyleHintReturn* retour) const {
  if (hint == SH_UnderlineShortcut) return visibles_ ? 1 : 0;
  return QProxyStyle::styleHint(hint, option, widget, retour);
}

QString TexteSansMnemonique(const QString& texte) {
  QString lu;
  lu.reserve(texte.size());
  for (qsizetype i = 0; i < texte.size(); ++i) {
    if (texte.at(i) == QLatin1Char('&') && i + 1 < texte.size()) ++i;
    lu.append(texte.at(i));
  }
  return lu;
}

}  // namespace kalvo
