// The underlines of the buttons' mnemonics (Alt+letter), drawn only while
// Alt is held: a mouse user sees the captions as they always were.
#pragma once

#include <QProxyStyle>
#include <QString>

namespace kalvo {

class TStyleMnemoniques : public QProxyStyle {
  Q_OBJECT

 public:
  TStyleMnemoniques();
  void MontreSoulignes(bool visibles) { visibles_ = visibles; }
  bool SoulignesVisibles() const { return visibles_; }
  int styleHint(StyleHint hint, const QStyleOption* option = nullptr, const QWidget* widget = nullptr,
                QStyleHintReturn* retour = nullptr) const override;

 private:
  bool visibles_ = false;
};

// A caption as it reads on the screen: "&Réglages" -> "Réglages", "&&" -> "&".
QString TexteSansMnemonique(const QString& texte);

}  // namespace kalvo
