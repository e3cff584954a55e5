#include "table/SaisieChiffres.h"

#include "table/Polices.h"

namespace kalvo {

TSaisieChiffres::TSaisieChiffres(int chiffresMax, QWidget* parent) : TNumberEdit(parent) {
  const int n = chiffresMax < 1 ? 1 : chiffresMax;
  // TNumberEdit lets only digits through the keyboard; the length caps them.
  setMaxLength(n);
  setFont(PoliceEnPixels(QStringLiteral("Arial"), 34, true));
  setAlignment(Qt::AlignCenter);
  setFixedSize(34 + 26 * n, 52);
  SetValue(0);
}

void TSaisieChiffres::Reinitialise(int valeur) {
  SetValue(valeur < 0 ? 0 : valeur);
  selectAll();
  setFocus(Qt::OtherFocusReason);
}

}  // namespace kalvo
