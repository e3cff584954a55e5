// TRevueJeu: "Revoir le jeu", the play of the deal just ended shown again on
// the table, trick by trick: the four hands as they stood when the trick
// began, its four cards, and the cards refused during it with what the user
// was told. It covers the main window while it is shown and plays nothing:
// everything comes from the record the controller handed over.
#pragma once

#include "control/ReleveJeu.h"

#include <QColor>
#include <QPixmap>
#include <QWidget>

#include <array>

class QEventLoop;
class QLabel;
class QPushButton;
class QTextBrowser;

namespace kalvo {

class TCarte1024;
class TJeu1024;

class TRevueJeu : public QWidget {
  Q_OBJECT

 public:
  explicit TRevueJeu(QWidget* parent);

  // The play to review, kept until the next one.
  void Prepare(const TReleveJeu& releve);
  bool Disponible() const { return releve_.NbLevees() > 0; }
  // Covers the parent from the first trick until "Retour" or Escape; returns
  // then. setCartes and tapis: the card set and felt of the table.
  void Montre(int setCartes, const QColor& tapis);
  bool EnCours() const { return boucle_ != nullptr; }
  void Ferme();

  // Left and Right step (Home and End jump), Escape ends.
  bool Precedente();
  bool Suivante();

  // What is shown, for the tests.
  int Levee() const { return parcours_.Levee(); }
  TJeu1024* Jeu(TJoueur joueur) const { return jeux_[joueur]; }
  TCarte1024* Carte(TJoueur joueur) const { return cartes_[joueur]; }
  QLabel* Titre() const { return titre_; }
  QLabel* Detail() const { return detail_; }
  QTextBrowser* Refus() const { return refus_; }
  QPushButton* BPrecedente() const { return bPrecedente_; }
  QPushButton* BSuivante() const { return bSuivante_; }
  QPushButton* BRetour() const { return bRetour_; }

 protected:
  void paintEvent(QPaintEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void Affiche();
  void Place();
  QString TexteRefus() const;

  TReleveJeu releve_;
  TParcoursReleve parcours_{0};
  int setCartes_ = 1;
  QColor tapis_;
  QPixmap texture_;
  QEventLoop* boucle_ = nullptr;

  std::array<TJeu1024*, 4> jeux_{};
  std::array<TCarte1024*, 4> cartes_{};
  QLabel* titre_ = nullptr;
  QLabel* detail_ = nullptr;
  QTextBrowser* refus_ = nullptr;
  QPushButton* bPrecedente_ = nullptr;
  QPushButton* bSuivante_ = nullptr;
  QPushButton* bRetour_ = nullptr;
};

}  // namespace kalvo
