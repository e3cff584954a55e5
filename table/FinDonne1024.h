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
  // acRevoir stays with the main window: it shows the play on the table,
  // then this screen again.
  enum TAction : int { acSuivante = 0, acRejouer = 1, acRevoir = 2, acArreter = 99 };

  explicit TFinDonne1024(QWidget* parent = nullptr);

  // Sizes and lays the window out for a screen's work area (done once at
  // creation for the primary screen; again for another size if needed).
  void Dimensionne(const QRect& zoneTravail);
  const TGeometrieFinDonne& Geometrie() const { return geometrie_; }

  // When the deal is read: the deal number and the diagram; the auction,
  // alerts and circle are emptied until the next showing.
  void Prepare(const TContenuFinDonne& contenu);
  // Each showing without the modal loop: the commentary, the header (theme
  // and strength as visible says), the auction, the circled lead, the focus.
  void Remplit(const TDocumentRtf& resume, const TVisibiliteFinDonne& visible);
  // Remplit, then modal: the action chosen (acSuivante, acRejouer, acArreter).
  int Montre(const TDocumentRtf& resume, const TVisibiliteFinDonne& visible);
  int Action() const { return action_; }

  // The deal as played, in PBN, for "Exporter (PBN)…" (greyed when empty).
  void PrepareExportPbn(std::string pbn);
  // Writes the PBN text to the file, whole or not at all; false and the
  // French reason in erreur when it could not be written.
  bool EnregistrePbn(const QString& chemin, QString& erreur) const;
  // "Revoir le jeu" is offered when there is a recorded play to review.
  void PrepareRevue(bool disponible);

  // Components by the design's names, for the main window and the tests.
  QLabel* Main(TJoueur joueur, T4Couleur couleur) const { return mains_[joueur][couleur]; }
  QLabel* Cellule(int numero) const { return cellules_[static_cast<std::size_t>(numero - 1)]; }  // L1..L36
  QLabel* Image(int numero) const { return images_[static_cast<std::size_t>(numero - 1)]; }      // I1..I36
  QLabel* Note(int n) const { return notes_[static_cast<std::size_t>(n - 1)]; }
  QLabel* LigneAlerte(int n) const { return alertes_[static_cast<std::size_t>(n - 1)]; }
  QLabel* stDebut() const { return debut_; }
  QLabel* stEntame() const { return entameTexte_; }
  QLabel* stFin() const { return fin_; }
  QWidget* Entame() const { return ellipse_; }
  VisionneuseRtf* RECoup() const { return commentaire_; }
  QPushButton* BStop() const { return stop_; }
  QPushButton* BRejouer() const { return rejouer_; }
  QPushButton* BSuivante() const { return suivante_; }
  QPushButton* BExportPbn() const { return bExportPbn_; }
  QPushButton* BRevoir() const { return bRevoir_; }
  QLabel* Theme() const { return theme_; }
  QLabel* Force() const { return force_; }

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

  TContenuFinDonne contenu_;
  TGeometrieFinDonne geometrie_;
  QRect zoneTravail_;
  int action_ = acSuivante;
  QPixmap tapis_;

  QWidget* bandeau_ = nullptr;
  std::array<QLabel*, 3> FLegendes{};  // "Donne", "Donneur", "Vulnérabilité"
  QLabel* donne_ = nullptr;
  QLabel* donneur_ = nullptr;
  QLabel* vuln_ = nullptr;
  QLabel* libelleTheme_ = nullptr;
  QLabel* theme_ = nullptr;
  QLabel* libelleForce_ = nullptr;
  QLabel* force_ = nullptr;
  std::array<std::array<QLabel*, 4>, 4> FSymboles{};  // [seat][suit]
  std::array<std::array<QLabel*, 4>, 4> mains_{};
  std::array<QLabel*, 4> FTitres{};  // auction titles by seat
  std::array<QLabel*, 36> cellules_{};
  std::array<QLabel*, 36> images_{};
  std::array<QLabel*, 4> notes_{};
  std::array<QLabel*, 4> alertes_{};
  QLabel* debut_ = nullptr;
  QLabel* entameTexte_ = nullptr;
  QLabel* fin_ = nullptr;
  QWidget* ellipse_ = nullptr;
  QLabel* titreCommentaire_ = nullptr;
  VisionneuseRtf* commentaire_ = nullptr;
  QPushButton* stop_ = nullptr;
  QPushButton* rejouer_ = nullptr;
  QPushButton* suivante_ = nullptr;
  int largeurCouleur_ = 16;
  QPushButton* bExportPbn_ = nullptr;
  QPushButton* bRevoir_ = nullptr;
  std::string pbn_;
};

}  // namespace kalvo
