// TProgresDlg: "Progrès", opened from the score dialog. The average play
// mark and the deals played by theme and by difficulty as bar charts, the
// trend of the last attempts as a line chart, and the themes to work on
// first, each with a button that turns the deal filter to "à revoir" on it.
#pragma once

#include "control/Progres.h"
#include "table/StyleDialogues.h"

#include <optional>
#include <vector>

class QBarCategoryAxis;
class QBarSet;
class QChartView;
class QLineSeries;
class QValueAxis;
class QLabel;
class QPushButton;

namespace kalvo {

class TProgresDlg : public TDialogueKalvo {
  Q_OBJECT

 public:
  explicit TProgresDlg(QWidget* parent = nullptr);

  void Prepare(const TProgres& progres);
  // Prepare, then modal; the theme whose "À revoir" button was pressed.
  std::optional<int> Montre(const TProgres& progres);
  std::optional<int> ThemeChoisi() const { return themeChoisi_; }

  QChartView* GraphiqueThemes = nullptr;
  QChartView* GraphiqueForces = nullptr;
  QChartView* GraphiqueTendance = nullptr;
  QLabel* Resume = nullptr;
  // One per theme to work on, in the order shown.
  const std::vector<QPushButton*>& BoutonsARevoir() const { return boutonsARevoir_; }

 private:
  QBarSet* barresThemes_ = nullptr;
  QBarCategoryAxis* categoriesThemes_ = nullptr;
  QBarSet* barresForces_ = nullptr;
  QBarCategoryAxis* categoriesForces_ = nullptr;
  QLineSeries* tendance_ = nullptr;
  QValueAxis* axeTendance_ = nullptr;
  QWidget* panneauATravailler_ = nullptr;
  // The list of the themes to work on, made anew at each Prepare: deleting
  // it takes its labels, buttons and rows with it.
  QWidget* listeATravailler_ = nullptr;
  std::vector<QPushButton*> boutonsARevoir_;
  std::optional<int> themeChoisi_;
};

}  // namespace kalvo
