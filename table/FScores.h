// TFScores: the detailed scores. The global and weighted play scores, the
// number of deals played, and every deal's theme, strength and marks in
// tabs of twenty deals; as many tabs as the catalogue needs, six at least.
#pragma once

#include "control/ScoresAffiches.h"
#include "table/StyleDialogues.h"

#include <array>
#include <string>
#include <vector>

class QTabWidget;
class QTableWidget;

namespace kalvo {

// Tabs of 20 deals: enough for the whole catalogue, and never fewer than
// six. Tab t (1-based) holds deals 20(t-1)+1 .. 20t and is captioned
// "1-20", "21-40"...; it is enabled when it holds a deal.
inline constexpr int DonnesParOnglet = 20;
inline constexpr int OngletsMinimum = 6;
int NombreOnglets(int nbDonnes);
std::string TitreOnglet(int onglet);
bool OngletActif(int onglet, int nbDonnes);

class TFScores : public TDialogueKalvo {
  Q_OBJECT

 public:
  explicit TFScores(QWidget* parent = nullptr);

  void Prepare(const TScoresAffiches& scores);
  void Montre(const TScoresAffiches& scores);

  QLabel* LGlobal() const { return global_; }
  QLabel* LPondere() const { return pondere_; }
  QLabel* DonnesJouees() const { return donnesJouees_; }
  QTabWidget* Pages() const { return pages_; }
  // Grid of tab t (1-based): SG1, SG2...
  QTableWidget* Grille(int onglet) const;
  QPushButton* BoutonOk() const { return ok_; }

  static constexpr int Hauteur = 656;
  // The last column is wider than the others so that "Questions" fits.
  static constexpr std::array<int, 5> LargeursColonnes{90, 300, 56, 56, 80};

 private:
  void AjusteOnglets(int nombre);

  QLabel* global_ = nullptr;
  QLabel* pondere_ = nullptr;
  QLabel* donnesJouees_ = nullptr;
  QTabWidget* pages_ = nullptr;
  std::vector<QTableWidget*> grilles_;
  QPushButton* ok_ = nullptr;
};

}  // namespace kalvo
