// A card table put together from the drawn pieces the way the main window
// lays them out, for pictures only.
#pragma once

#include "table/AfficheurSegments.h"
#include "table/EtiquetteContour.h"
#include "table/Jeu52_1024.h"

#include <QLabel>
#include <QPixmap>
#include <QWidget>

#include <array>

namespace kalvo {

class TTableExemple : public QWidget {
 public:
  TTableExemple(int largeur, int hauteur, int setCartes);

  std::array<TJeu1024*, 4> Jeux{};
  std::array<TCarte1024*, 4> Cartes{};
  std::array<TBids1024*, 4> Bids{};
  TEtui1024* Etui = nullptr;
  TAfficheurSegments* Notation = nullptr;
  TAfficheurSegments* NoteQuestions = nullptr;
  TAfficheurSegments* LeveesNS = nullptr;
  TAfficheurSegments* LeveesEO = nullptr;
  TEtiquetteContour* LContrat = nullptr;
  std::array<TEtiquetteContour*, 4> Etiquettes{};   // "Jeu", "Questions", "NS", "EO"
  QLabel* Fleche = nullptr;

  void PlaceJeux();
  void PlaceCartesJouees();
  void PlaceEtuiEtBids();
  void PlaceFleche();
  void PoseCarte(TJoueur joueur, int value);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  int FSetCartes;
  QPixmap FTapis;
};

}  // namespace kalvo
