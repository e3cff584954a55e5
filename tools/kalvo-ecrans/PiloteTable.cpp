#include "tools/kalvo-ecrans/PiloteTable.h"

#include "control/EcranMuet.h"
#include "table/FinDonne1024.h"
#include "table/Jeu1024.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

#include <algorithm>
#include <array>
#include <string_view>

namespace kalvo {

bool TPiloteTable::CliqueCarte(TJoueur joueur, int value, Qt::MouseButton bouton) {
  TJeu1024* jeu = fenetre_.Jeux[joueur];
  if (!jeu->Visible()) return false;
  // The places are those of the last paint.
  jeu->repaint();
  for (const TWhereCarte& carte : jeu->WhereCartes()) {
    if (carte.Value != value) continue;
    // The card may be half covered by its neighbours: look for a point
    // where it is the one on top.
    for (int y = carte.Rect.Top + 2; y < carte.Rect.Bottom; y += 3) {
      for (int x = carte.Rect.Left + 2; x < carte.Rect.Right; x += 3) {
        if (jeu->isCarteTouchee(x, y) != value) continue;
        QTest::mouseClick(jeu, bouton, Qt::NoModifier, QPoint(x, y));
        return true;
      }
    }
  }
  return false;
}

std::vector<int> TPiloteTable::CartesJouables() const {
  const TControleur& c = fenetre_.Controleur();
  const TEtatControleur& e = c.Etat();
  const TJoueur joueur = e.JoueurActuel;
  const TJeu1024* jeu = fenetre_.Jeux[joueur];
  std::vector<int> main;
  std::vector<int> couleurDemandee;
  const TCard entame = e.OnTable[e.Entameur];
  const bool suit = joueur != e.Entameur && entame.EstReelle();
  for (const TWhereCarte& carte : jeu->WhereCartes()) {
    if (!EstIndexCarteValide(carte.Value)) continue;
    main.push_back(carte.Value);
    if (suit && CarteDeIndex(carte.Value).c == entame.c) couleurDemandee.push_back(carte.Value);
  }
  return couleurDemandee.empty() ? main : couleurDemandee;
}

int TPiloteTable::JoueCarteAcceptee() {
  const TControleur& c = fenetre_.Controleur();
  fenetre_.Jeux[c.Etat().JoueurActuel]->repaint();
  int refus = 0;
  for (int value : CartesJouables()) {
    if (!c.AttendCarteUtilisateur()) break;
    const TJoueur joueur = c.Etat().JoueurActuel;
    const int avant = fenetre_.Jeux[joueur]->TotalCartesJouees();
    if (!CliqueCarte(joueur, value)) continue;
    if (fenetre_.Jeux[joueur]->TotalCartesJouees() > avant) return refus;
    ++refus;
  }
  return -1;
}

bool TPiloteTable::JoueCarteJuste() {
  const TControleur& c = fenetre_.Controleur();
  if (!c.AttendCarteUtilisateur()) return false;
  const TJoueur joueur = c.Etat().JoueurActuel;
  for (int value : CartesJouables()) {
    TEcranMuet muet;
    TControleur essai(c, muet);
    essai.SansAnalyseImprevues();
    essai.JeuMouseDown(joueur, value, false);
    const bool posee = essai.Etat().CompteCartesJouees != c.Etat().CompteCartesJouees || essai.Etat().Levee != c.Etat().Levee;
    if (!posee || essai.Etat().Notation != c.Etat().Notation) continue;
    const int avant = fenetre_.Jeux[joueur]->TotalCartesJouees();
    return CliqueCarte(joueur, value) && fenetre_.Jeux[joueur]->TotalCartesJouees() > avant;
  }
  return false;
}

void TPiloteTable::CliqueTapis() {
  QTest::mouseClick(&fenetre_, Qt::LeftButton, Qt::NoModifier, QPoint(6, fenetre_.height() / 2));
}

void TPiloteTable::Touche(int touche, Qt::KeyboardModifiers modificateurs) {
  QTest::keyClick(&fenetre_, static_cast<Qt::Key>(touche), modificateurs);
}

bool TPiloteTable::TapeCarte(TCard carte) {
  static constexpr std::array<char, 4> lettres{'t', 'k', 'c', 'p'};
  static constexpr std::string_view rangs = "23456789?VDRA";
  if (!carte.EstReelle()) return false;
  QTest::keyClick(&fenetre_, lettres[carte.c]);
  if (carte.h == 10) {
    QTest::keyClick(&fenetre_, '1');
    QTest::keyClick(&fenetre_, '0');
  } else {
    QTest::keyClick(&fenetre_, rangs[static_cast<std::size_t>(carte.h - 2)]);
  }
  const TJoueur joueur = fenetre_.Controleur().Etat().JoueurActuel;
  return fenetre_.Jeux[joueur]->FocusCarte() == IndexCarte(carte);
}

bool TPiloteTable::JoueCarteAuClavier(TCard carte) {
  const TJoueur joueur = fenetre_.Controleur().Etat().JoueurActuel;
  const int avant = fenetre_.Jeux[joueur]->TotalCartesJouees();
  if (!TapeCarte(carte)) return false;
  QTest::keyClick(&fenetre_, Qt::Key_Return);
  return fenetre_.Jeux[joueur]->TotalCartesJouees() > avant;
}

void TPiloteTable::CliqueBouton(QPushButton* bouton) {
  QTest::mouseClick(bouton, Qt::LeftButton, Qt::NoModifier, bouton->rect().center());
}

bool TPiloteTable::JoueJusquaLaFin(int maxGestes) {
  const TControleur& c = fenetre_.Controleur();
  for (int geste = 0; geste < maxGestes; ++geste) {
    const TEtatControleur& e = c.Etat();
    if (e.ErreurDetectee) return false;
    if (e.LeveeComplete) {
      const bool fin = e.DerniereLevee;
      CliqueTapis();
      if (fin) return true;
      continue;
    }
    if (!e.InJeu) return false;
    if (c.AttendCarteUtilisateur() && JoueCarteAcceptee() < 0) return false;
    QApplication::processEvents();
  }
  return false;
}

TGardienModales::TGardienModales() {
  minuterie_.setInterval(15);
  QObject::connect(&minuterie_, &QTimer::timeout, this, [this] { Verifie(); });
  minuterie_.start();
  QApplication::instance()->installEventFilter(this);
}

TGardienModales::~TGardienModales() {
  if (QApplication::instance() != nullptr) QApplication::instance()->removeEventFilter(this);
}

int TGardienModales::Vues(const std::string& classe) const {
  return static_cast<int>(std::count(historique_.begin(), historique_.end(), classe));
}

bool TGardienModales::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() == QEvent::Show && objet->isWidgetType()) {
    auto* w = static_cast<QWidget*>(objet);
    if (w->isWindow() && w->isModal()) aRepondre_.emplace_back(w);
  }
  return false;
}

void TGardienModales::Verifie() {
  QWidget* modale = QApplication::activeModalWidget();
  if (modale == nullptr || !modale->isVisible()) return;
  // Only the window on top answers; the others wait their turn.
  const auto place = std::find(aRepondre_.begin(), aRepondre_.end(), QPointer<QWidget>(modale));
  if (place == aRepondre_.end()) return;
  aRepondre_.erase(place);
  const std::string classe = modale->metaObject()->className();
  historique_.push_back(classe);
  const auto reponse = reponses_.find(classe);
  if (reponse != reponses_.end()) reponse->second(modale);
  else QTest::keyClick(modale, Qt::Key_Escape);
}

void ReponsesHabituelles(TGardienModales& gardien) {
  const auto touche = [](QWidget* w) { QTest::keyClick(w, Qt::Key_Space); };
  gardien.Repond("kalvo::TErreurDlg", touche);
  gardien.Repond("kalvo::TFErreur", touche);
  gardien.Repond("kalvo::TFEncheres", touche);
  gardien.Repond("kalvo::TFLastL", touche);
  gardien.Repond("kalvo::TFinDonne1024", [](QWidget* w) {
    QPushButton* suivante = static_cast<TFinDonne1024*>(w)->BSuivante();
    QTest::mouseClick(suivante, Qt::LeftButton, Qt::NoModifier, suivante->rect().center());
  });
}

}  // namespace kalvo
