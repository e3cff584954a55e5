// TFinDonne1024: the end-of-deal screen. Borderless and modal, created once:
// the four hands as dealt with West's lead circled, the auction with its
// alerts, theme and strength, the summary commentary, and the choice of
// quitting, replaying or going on.
#pragma once

#include "control/FinDonne.h"
#include "model/LecteurRtf.h"
#include "table/GeometrieFinDonne.h"
#include "table/StyleDialogues.h"

#include <QPixmap>

#include <array>
#include <string>

namespace kalvo {

class VisionneuseRtf;

class TFinDonne1024 : public TDialogueKalvo {
  Q_OBJECT

 public:
  // The choice handed back to the main window.
  enum TAction : int { acSuivante = 0, acRejouer = 1, acArreter = 99 };

  explicit TFinDonne1024(QWidget* parent = nullptr);

  // Sizes and lays the window out for a screen's work area (done once at
  // creation for the primary screen; again for another size if needed).
  void Dimensionne(const QRect& zoneTravail);
  const TGeometrieFinDonne& Geometrie() const { return FGeometrie; }

  // When the deal is read: the deal number and the diagram; the auction,
  // alerts and circle are emptied until the next showing.
  void Prepare(const TContenuFinDonne& contenu);
  // Each showing without the modal loop: the commentary, the header (theme
  // and strength as visible says), the auction, the circled lead, the focus.
  void Remplit(const TDocumentRtf& resume, const TVisibiliteFinDonne& visible);
  // Remplit, then modal: the action chosen (acSuivante, acRejouer, acArreter).
  int Montre(const TDocumentRtf& resume, const TVisibiliteFinDonne& visible);
  int Action() const { return FAction; }

  // The deal as played, in PBN, for "Exporter (PBN)…" (greyed when empty).
  void PrepareExportPbn(std::string pbn);
  // Writes the PBN text to the file, whole or not at all; false and the
  // French reason in erreur when it could not be written.
  bool EnregistrePbn(const QString& chemin, QString& erreur) const;

  // Components by the design's names, for the main window and the tests.
  QLabel* Main(TJoueur joueur, T4Couleur couleur) const { return FMains[joueur][couleur]; }
  QLabel* Cellule(int numero) const { return FCellules[static_cast<std::size_t>(numero - 1)]; }  // L1..L36
  QLabel* Image(int numero) const { return FImages[static_cast<std::size_t>(numero - 1)]; }      // I1..I36
  QLabel* Note(int n) const { return FNotes[static_cast<std::size_t>(n - 1)]; }
  QLabel* LigneAlerte(int n) const { return FAlertes[static_cast<std::size_t>(n - 1)]; }
  QLabel* stDebut() const { return FDebut; }
  QLabel* stEntame() const { return FEntameTexte; }
  QLabel* stFin() const { return FFin; }
  QWidget* Entame() const { return FEllipse; }
  VisionneuseRtf* RECoup() const { return FCommentaire; }
  QPushButton* BStop() const { return FStop; }
  QPushButton* BRejouer() const { return FRejouer; }
  QPushButton* BSuivante() const { return FSuivante; }
  QPushButton* BExportPbn() const { return bExportPbn_; }
  QLabel* Theme() const { return FTheme; }
  QLabel* Force() const { return FForce; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void CreeEnTete();
  void CreeDiagramme();
  void CreeEncheres();
  void CreeCommentaireEtBoutons();
  void VideEncheres();
  void EcritEncheres();
  void EntoureEntame();
  void Termine(int action);
  void ExportePbn();

  TContenuFinDonne FContenu;
  TGeometrieFinDonne FGeometrie;
  QRect FZoneTravail;
  int FAction = acSuivante;
  QPixmap FTapis;

  QWidget* FBandeau = nullptr;
  std::array<QLabel*, 3> FLegendes{};  // "Donne", "Donneur", "Vulnérabilité"
  QLabel* FDonne = nullptr;
  QLabel* FDonneur = nullptr;
  QLabel* FVuln = nullptr;
  QLabel* FLTheme = nullptr;
  QLabel* FTheme = nullptr;
  QLabel* FLForce = nullptr;
  QLabel* FForce = nullptr;
  std::array<std::array<QLabel*, 4>, 4> FSymboles{};  // [seat][suit]
  std::array<std::array<QLabel*, 4>, 4> FMains{};
  std::array<QLabel*, 4> FTitres{};  // auction titles by seat
  std::array<QLabel*, 36> FCellules{};
  std::array<QLabel*, 36> FImages{};
  std::array<QLabel*, 4> FNotes{};
  std::array<QLabel*, 4> FAlertes{};
  QLabel* FDebut = nullptr;
  QLabel* FEntameTexte = nullptr;
  QLabel* FFin = nullptr;
  QWidget* FEllipse = nullptr;
  QLabel* FTitreCommentaire = nullptr;
  VisionneuseRtf* FCommentaire = nullptr;
  QPushButton* FStop = nullptr;
  QPushButton* FRejouer = nullptr;
  QPushButton* FSuivante = nullptr;
  int FLargeurCouleur = 16;
  QPushButton* bExportPbn_ = nullptr;
  std::string pbn_;
};

}  // namespace kalvo
