// A small number field of the quiz dialogs: digits only, a few of them,
// large navy figures, the value read as a whole number.
#pragma once

#include <QLineEdit>

namespace kalvo {

class TSaisieChiffres : public QLineEdit {
  Q_OBJECT

 public:
  explicit TSaisieChiffres(int chiffresMax = 2, QWidget* parent = nullptr);

  // The number typed; 0 when the field is empty.
  int Value() const;
  void SetValue(int valeur);
  // The value in the field, the whole text selected and the focus on it.
  void Reinitialise(int valeur);
};

}  // namespace kalvo
