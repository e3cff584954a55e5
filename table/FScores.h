// TFScores: the detailed scores. The global and weighted play scores, the
// number of deals played, and every deal's theme, strength and marks in
// tabs of twenty deals; as many tabs as the catalogue needs, six at least.
#pragma once

#include "coaching/Scores.h"
#include "table/StyleDialogues.h"

#include <vector>

class QTabWidget;
class QTableWidget;

namespace kalvo {

class TFScores : public TDialogueKalvo {
  Q_OBJECT

 public:
  explicit TFScores(QWidget* parent = nullptr);

  void Prepare(const TScores& scoresJeu, const TScores& scoresQuestions, const TCatalogue& catalogue);
  void Montre(const TScores& scoresJeu, const TScores& scoresQuestions, const TCatalogue& catalogue);

  QLabel* LGlobal() const { return FGlobal; }
  QLabel* LPondere() const { return FPondere; }
  QLabel* DonnesJouees() const { return FDonnesJouees; }
  QTabWidget* Pages() const { return FPages; }
  // Grid of tab t (1-based): SG1, SG2...
  QTableWidget* Grille(int onglet) const;
  QPushButton* BoutonOk() const { return FOk; }

  static constexpr int Hauteur = 656;
  // The last column is wider than the others so that "Questions" fits.
  static constexpr std::array<int, 5> LargeursColonnes{90, 300, 56, 56, 80};

 private:
  void AjusteOnglets(int nombre);

  QLabel* FGlobal = nullptr;
  QLabel* FPondere = nullptr;
  QLabel* FDonnesJouees = nullptr;
  QTabWidget* FPages = nullptr;
  std::vector<QTableWidget*> FGrilles;
  QPushButton* FOk = nullptr;
};

}  // namespace kalvo
