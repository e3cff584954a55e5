// TFLastL: the last trick, its four cards laid as at the table on a maroon
// ground.
#pragma once

#include "model/BridgeTypes.h"

#include <QDialog>

#include <array>

class QPushButton;

namespace kalvo {

class TCarte1024;

class TFLastL : public QDialog {
  Q_OBJECT

 public:
  explicit TFLastL(QWidget* parent = nullptr);

  // The card each seat played to the trick, as card indexes 1..52
  // (IndexCarte); 0 shows no card for that seat.
  void SetLevee(const std::array<int, 4>& cartes);

  TCarte1024* CarteSud = nullptr;
  TCarte1024* CarteOuest = nullptr;
  TCarte1024* CarteNord = nullptr;
  TCarte1024* CarteEst = nullptr;
  QPushButton* OkBtn = nullptr;

  TCarte1024* Carte(TJoueur joueur) const;

 protected:
  void keyPressEvent(QKeyEvent* evenement) override;
};

}  // namespace kalvo
