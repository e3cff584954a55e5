// TChoixDonneDlg: "Choisir une donne", the table of the deals with their
// marks and attempts, sortable by any column, filtered by theme, difficulty
// and "à revoir" and searched by theme name. A double click or Enter on a
// line plays that deal; Escape closes without a choice.
#pragma once

#include "control/ListeDonnes.h"
#include "table/StyleDialogues.h"

#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace kalvo {

class TChoixDonneDlg : public TDialogueKalvo {
  Q_OBJECT

 public:
  enum TColonne { colDonne, colCollection, colTheme, colForce, colJeu, colQuestions, colTentatives, NbColonnes };

  explicit TChoixDonneDlg(QWidget* parent = nullptr);

  // Fills the table (filters kept from the last opening when they still
  // apply) and selects the deal shown.
  void Prepare(const TListeDonnes& liste);
  // Prepare, then modal; the deal chosen.
  std::optional<int> Montre(const TListeDonnes& liste);
  std::optional<int> DonneChoisie() const { return choisie_; }

  // The deal of a table row (rows move when sorted).
  int DonneDeLaLigne(int rangee) const;
  int LignesVisibles() const;

  QComboBox* CBTheme = nullptr;
  QComboBox* CBForce = nullptr;
  QCheckBox* CARevoir = nullptr;
  QLineEdit* Recherche = nullptr;
  QLabel* Compte = nullptr;
  QTableWidget* Table = nullptr;

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  void Filtre();
  void Choisit(int rangee);
  TFiltreListe FiltreChoisi() const;

  TListeDonnes liste_;
  std::optional<int> choisie_;
};

}  // namespace kalvo
