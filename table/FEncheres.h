// TFEncheres: "Les enchères", the review of the current deal's auction: a
// header with the deal, dealer and vulnerability, then a grid of seven
// rounds under the four seats, alert marks beside the alerted calls and
// the alerts' explanations underneath.
#pragma once

#include "model/BridgeTypes.h"
#include "control/RevueEncheres.h"

#include <QDialog>

#include <array>

class QFrame;
class QLabel;
class QPushButton;

namespace kalvo {

class TDonne;

class TFEncheres : public QDialog {
  Q_OBJECT

 public:
  static constexpr int Largeur = 340;
  static constexpr int NbRondes = 7;
  static constexpr int HauteurRonde = 26;
  static constexpr int HauteurExplication = 18;

  explicit TFEncheres(QWidget* parent = nullptr);

  // Fills the review of a deal just read, numbered numeroDonne.
  void PrepareRevueEncheres(const TRevueEncheres& revue, int numeroDonne);
  const TRevueEncheres& Revue() const { return revue_; }

  // Left centred on the main window (client area in screen coordinates),
  // top centred too.
  void Place(const QRect& fenetrePrincipale);
  // Moves the window up when South's hand (its top, in screen coordinates)
  // would be under it: its bottom edge 8 pixels above the hand.
  void RemonteAuDessusDe(int hautMainSud);
  // Place, then shows the window modally.
  int Affiche(const QRect& fenetrePrincipale);

  // The call label of a round (1..7) and seat, its suit picture.
  QLabel* Bid(int ronde, TJoueur joueur) const;
  QLabel* Coul(int ronde, TJoueur joueur) const;

  QFrame* Panel1 = nullptr;
  QLabel* LabDonne = nullptr;
  QLabel* LabDonneur = nullptr;
  QLabel* LabVuln = nullptr;
  QLabel* LDonne = nullptr;
  QLabel* LDonneur = nullptr;
  QLabel* LVuln = nullptr;
  QFrame* Panel2 = nullptr;
  std::array<QLabel*, 4> Entetes{};   // LSud, LOuest, LNord, LEst
  std::array<QLabel*, 28> Bids{};     // L1..L28: round 1 South, West, North, East, round 2 …
  std::array<QLabel*, 28> Couls{};    // I1..I28
  std::array<QLabel*, 28> Notes{};    // Note1..Note28: one mark per alerted call
  std::array<QLabel*, 4> Alertes{};   // A1..A4
  QLabel* LErreur = nullptr;          // a call that is no call, in red
  std::array<int, 5> absX{};
  QPushButton* BOk = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* evenement) override;

 private:
  void CreeEntete();
  void CreeGrille();
  void PlaceCase(const TCaseRevue& c, int marque);
  int PlaceLignesDuBas(int haut);
  void MetEnPage();

  TRevueEncheres revue_;
  int y0_ = 0;
};

}  // namespace kalvo
