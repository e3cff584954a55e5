// Drives the real main window the way a user does, with mouse clicks and
// keys sent to its widgets: the screenshot tool and the window's tests
// play whole deals with it. The modal windows that open on the way are
// answered by a watcher that runs inside their event loops.
#pragma once

#include "control/Controleur.h"
#include "table/FMain.h"

#include <QObject>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <map>
#include <string>
#include <vector>

class QPushButton;

namespace kalvo {

class TPiloteTable {
 public:
  explicit TPiloteTable(TFMain& fenetre) : fenetre_(fenetre) {}

  // A left (or right) click at a point of the seat's hand where the card
  // of that value shows; false when it shows nowhere.
  bool CliqueCarte(TJoueur joueur, int value, Qt::MouseButton bouton = Qt::LeftButton);
  // The values of the cards the hand to play may click now, following suit
  // when it can.
  std::vector<int> CartesJouables() const;
  // Clicks the playable cards one after the other until the controller
  // takes one; the number of refused cards, or -1 when none was taken.
  int JoueCarteAcceptee();
  // Clicks a card that the deal's script accepts without a charge, found by
  // trying each playable card on a silent copy of the controller first;
  // false when there is none (then JoueCarteAcceptee is the way on).
  bool JoueCarteJuste();
  // A click on the felt, beside West's hand, where no control lies.
  void CliqueTapis();
  void Touche(int touche, Qt::KeyboardModifiers modificateurs = Qt::NoModifier);
  // Brings the keyboard focus to the card of the hand to play by the keys a
  // user types: its suit letter, then its rank (the ten as "1" then "0");
  // true when the focus rests on it.
  bool TapeCarte(TCard carte);
  // TapeCarte, then Enter; true when the card left the hand.
  bool JoueCarteAuClavier(TCard carte);
  void CliqueBouton(QPushButton* bouton);
  // Plays to the end of the deal: right cards, tricks gathered by clicks on
  // the felt. Stops after the click that closes the deal (the end-of-deal
  // screen then opens). False when the deal stopped on the way.
  bool JoueJusquaLaFin(int maxGestes = 200);

 private:
  TFMain& fenetre_;
};

// Answers the modal windows as they open: each kind (by class name) gets
// its gesture; every one is counted. Unknown windows are closed with Escape.
class TGardienModales : public QObject {
 public:
  using TReponse = std::function<void(QWidget*)>;
  TGardienModales();
  ~TGardienModales() override;
  void Repond(const std::string& classe, TReponse reponse) { reponses_[classe] = std::move(reponse); }
  int Vues(const std::string& classe) const;
  const std::vector<std::string>& Historique() const { return historique_; }

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;

 private:
  void Verifie();
  QTimer minuterie_;
  std::map<std::string, TReponse> reponses_;
  std::vector<std::string> historique_;
  // Windows shown and not yet answered: the dialogs are made once and
  // shown again and again, so each showing is noted as it happens.
  std::vector<QPointer<QWidget>> aRepondre_;
};

// The usual answers: any key for the comment and warning windows, "Suivante"
// on the end-of-deal screen, "Ok" on the reviews.
void ReponsesHabituelles(TGardienModales& gardien);

}  // namespace kalvo
