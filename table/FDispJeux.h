// TFDispJeux: the look of the hands — dummy staggered or in straight
// columns, declarer staggered or flat, and the card set — each choice shown
// with sample cards on the felt.
#pragma once

#include <QDialog>

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

namespace kalvo {

class TCarte1024;

class TFDispJeux : public QDialog {
  Q_OBJECT

 public:
  explicit TFDispJeux(QWidget* parent = nullptr);

  // The card set of the selected button, 0 when none is selected.
  int SetCartesChoisi() const;
  // Selects the button of a card set; any other value selects none.
  void ChoisitSetCartes(int set);

  QGroupBox* GBNord = nullptr;
  QGroupBox* GBSud = nullptr;
  QGroupBox* GBCarte = nullptr;
  QRadioButton* RBN1 = nullptr;
  QRadioButton* RBN2 = nullptr;
  QRadioButton* RBS1 = nullptr;
  QRadioButton* RBS2 = nullptr;
  QRadioButton* RBCarteA = nullptr;
  QRadioButton* RBCarteB = nullptr;
  QRadioButton* RBCarteC = nullptr;
  // Cart1..Cart12, then CarteA, CarteB, CarteC.
  std::array<TCarte1024*, 12> Cart{};
  TCarte1024* CarteA = nullptr;
  TCarte1024* CarteB = nullptr;
  TCarte1024* CarteC = nullptr;
  QPushButton* BOk = nullptr;
};

}  // namespace kalvo
