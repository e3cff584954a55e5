#include "table/SaisieChiffres.h"

#include "table/Polices.h"

#include <QRegularExpressionValidator>

namespace kalvo {

TSaisieChiffres::TSaisieChiffres(int chiffresMax, QWidget* parent) : QLineEdit(parent) {
  const int n = chiffresMax < 1 ? 1 : chiffresMax;
  setMaxLength(n);
  // Digits only: letters, signs and blanks never reach the text.
  setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(n)), this));
  setFont(PoliceEnPixels(QStringLiteral("Arial"), 34, true));
  setAlignment(Qt::AlignCenter);
  setFixedSize(34 + 26 * n, 52);
  SetValue(0);
}

int TSaisieChiffres::Value() const {
  bool ok = false;
  const int valeur = text().trimmed().toInt(&ok);
  return ok ? valeur : 0;
}

void TSaisieChiffres::SetValue(int valeur) { setText(QString::number(valeur < 0 ? 0 : valeur)); }

void TSaisieChiffres::Reinitialise(int valeur) {
  SetValue(valeur);
  selectAll();
  setFocus(Qt::OtherFocusReason);
}

}  // namespace kalvo
