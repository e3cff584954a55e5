// TNumberEdit: a one-line edit for whole numbers. Of the keys that type,
// only the digits, Backspace and Enter reach it (keys that type nothing,
// such as the arrows, Delete, Tab or Escape, keep their use); Value reads
// the text as a number and puts "0" in place of a text that is none.
#pragma once

#include <QLineEdit>

#include <optional>

namespace kalvo {

class TNumberEdit : public QLineEdit {
  Q_OBJECT
  Q_PROPERTY(int Value READ Value WRITE SetValue)

 public:
  explicit TNumberEdit(QWidget* parent = nullptr);

  // The trimmed text as a decimal number. An empty text, or one that is not
  // a whole number (a character other than a digit or '-', a '-' anywhere
  // but in front, a lone '-'), is replaced by "0" and reads 0. A number too
  // large for an int reads as the nearest int.
  int Value();
  void SetValue(int v);

  // The reading rule alone: nullopt for a text that is no number.
  static std::optional<int> LitNombre(const QString& texte);

 protected:
  void keyPressEvent(QKeyEvent* evenement) override;
};

}  // namespace kalvo
