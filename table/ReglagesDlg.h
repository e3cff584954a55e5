// TReglagesDlg: the settings dialog of the table's "Réglages" button. It
// edits the settings record in memory: the eleven check boxes, the order
// of the deals and the kind of deals on "Ok" (the filter chosen is kept,
// the others cleared), the speeds
// and the look of the hands through its three small dialogs, whose choices
// are stored at once.
#pragma once

#include "model/Reglages.h"

#include <QDialog>
#include <QPointer>

#include <array>
#include <utility>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QPushButton;

namespace kalvo {

class TAboutBox;
class TAide;
class TDelaiCartesDlg;
class TDelaiDlg;
class TFDispJeux;
class TGroupeRadio;

// The dialogs the settings dialog opens; all are created once by the main
// window, some after this one. A missing dialog leaves its button idle.
struct TDialoguesReglages {
  TDelaiDlg* Delai = nullptr;
  TDelaiCartesDlg* DelaiCartes = nullptr;
  TFDispJeux* DispJeux = nullptr;
  TAboutBox* Infos = nullptr;
  TAide* Aide = nullptr;
};

class TReglagesDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TReglagesDlg(QWidget* parent = nullptr);

  // The record edited (the main window's settings); none leaves the dialog idle.
  void SetReglages(TReglages* reglages) { reglages_ = reglages; }
  TReglages* Reglages() const { return reglages_; }
  void SetDialogues(const TDialoguesReglages& dialogues);

  QFrame* Panel1 = nullptr;
  QLabel* Label1 = nullptr;
  QCheckBox* EWvisibles = nullptr;
  QCheckBox* isQuestions = nullptr;
  QCheckBox* ErreursCommentees = nullptr;
  QCheckBox* isBids = nullptr;
  QCheckBox* isTheme = nullptr;
  QCheckBox* isForce = nullptr;
  QCheckBox* isCompteur = nullptr;
  QCheckBox* ModeNotation = nullptr;
  QPushButton* BAspectMains = nullptr;
  QPushButton* BVitesseBids = nullptr;
  QPushButton* BVitesseCartes = nullptr;
  TGroupeRadio* OrdreDonnes = nullptr;
  TGroupeRadio* TypeDonnes = nullptr;
  QComboBox* CBThemes = nullptr;
  QComboBox* CBForces = nullptr;
  QComboBox* CBScores = nullptr;
  QFrame* Panel2 = nullptr;
  // Beside the buttons of the lower panel, where there is room for it.
  QCheckBox* AnalyseImprevues = nullptr;
  // Right of the order of the deals: the looks for small screens and weak eyes.
  QCheckBox* GrandesCartes = nullptr;
  QCheckBox* ContrasteEleve = nullptr;
  QPushButton* BAide = nullptr;
  QPushButton* BInfos = nullptr;
  QPushButton* BOk = nullptr;

 public slots:
  void BokClick();
  void BAideClick();
  void BInfosClick();
  void JvXPButton2Click();  // "Vitesse des enchères"
  void JvXPButton3Click();  // "Vitesse des cartes"
  void AspectMainsClick();

 protected:
  void showEvent(QShowEvent* evenement) override;

 private:
  void CreeCasesACocher();
  void CreeGroupes();
  // The eleven check boxes with the setting each one edits.
  std::array<std::pair<QCheckBox*, bool TReglages::*>, 11> Cases() const;

  TReglages* reglages_ = nullptr;
  QPointer<TDelaiDlg> delai_;
  QPointer<TDelaiCartesDlg> delaiCartes_;
  QPointer<TFDispJeux> dispJeux_;
  QPointer<TAboutBox> infos_;
  QPointer<TAide> aide_;
};

}  // namespace kalvo
