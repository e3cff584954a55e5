// The number field of the quiz dialogs: a TNumberEdit (digits only reach
// it, the text reads as a whole number) dressed for the quiz, with a few
// large navy figures.
#pragma once

#include "table/NumberEdit.h"

namespace kalvo {

class TSaisieChiffres : public TNumberEdit {
  Q_OBJECT

 public:
  explicit TSaisieChiffres(int chiffresMax = 2, QWidget* parent = nullptr);

  // The value in the field, the whole text selected and the focus on it.
  void Reinitialise(int valeur);
};

}  // namespace kalvo
