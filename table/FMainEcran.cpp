// What the controller asks of the table: hands, cards, buttons, marks,
// pointer, and the modal windows, each opened from the main window with
// what the controller handed it.
#include "table/FMain.h"

#include "table/AfficheurSegments.h"
#include "table/Bids1024.h"
#include "table/Carte1024.h"
#include "table/DialoguesQuiz.h"
#include "table/DonneDlg.h"
#include "table/ErreurDlg.h"
#include "table/EtiquetteContour.h"
#include "table/Etui1024.h"
#include "table/FEncheres.h"
#include "table/FErreur.h"
#include "table/FLastL.h"
#include "table/FPoint.h"
#include "table/FinDonne1024.h"
#include "table/IconesTable.h"
#include "table/Jeu1024.h"
#include "table/Pause.h"
#include "table/ReponseAttendue.h"
#include "table/RevueJeu.h"
#include "table/TextesAccessibles.h"

#include <QApplication>
#include <QCursor>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>

#include <algorithm>

namespace kalvo {

namespace {

QString Texte(const std::string& utf8) { return QString::fromStdString(utf8); }

}  // namespace

void TFMain::RetourTable() {
  setFocus(Qt::OtherFocusReason);
  update();
}

void TFMain::MontreDonne(const TDonneAffichee& donne) {
  for (TJoueur j : TousLesJoueurs) {
    TValeurCartes valeurs{};
    for (int i = 1; i <= 13; ++i) {
      const TCard carte = donne.Mains(j, i);
      valeurs[static_cast<std::size_t>(i - 1)] = carte.EstReelle() ? static_cast<std::uint16_t>(IndexCarte(carte)) : 0;
    }
    Jeux[j]->SetJeu(valeurs);
    Jeux[j]->SetAtout(donne.Contrat.Atout);
  }
  Encheres->PrepareRevueEncheres(donne.Revue, donne.Numero);
  FinDonne->Prepare(donne.FinDonne);
  donne_ = donne;
}

void TFMain::AfficheJeu(TJoueur joueur, TAffichageJeu mode) {
  TJeu1024* jeu = Jeux[joueur];
  jeu->SetColor(CouleurTapis);
  // The mode first: it gives the size the hand is placed by.
  jeu->SetSetCartes(SetCartes());
  jeu->SetAffichage(mode);
  jeu->SetVisible(true);
  PlaceJeu(joueur);
  if (joueur == jrSud) jeu->raise();
  if (joueur == jrSud || joueur == jrNord) PlaceCartesJouees();
}

void TFMain::CacheJeu(TJoueur joueur) { Jeux[joueur]->SetVisible(false); }

void TFMain::PoseCarte(TJoueur joueur, TCard carte, int pauseMs) {
  if (carte.EstVide()) return;
  if (pauseMs > 0) Pause(pauseMs, TEntreesPause::Laissees);
  const int value = carte.EstReelle() ? IndexCarte(carte) : 0;
  TCarte1024* controle = Cartes[joueur];
  controle->SetValue(value);
  std::erase_if(levee_, [joueur](const auto& posee) { return posee.first == joueur; });
  levee_.emplace_back(joueur, carte);
  DecritLevee();
  controle->show();
  controle->raise();
  Jeux[joueur]->SetCarteJouee(value);
  // The hand has played: no card of it is playable until told again.
  if (joueur == joueurJouable_) IndiqueCartesJouables(joueur, {});
}

void TFMain::CacheCartesJouees() {
  for (TCarte1024* carte : Cartes) carte->hide();
  levee_.clear();
  DecritLevee();
}

void TFMain::DecritLevee() { setAccessibleDescription(QString::fromStdString(DescriptionLevee(levee_))); }

void TFMain::DecritMarques() {
  Notation->setAccessibleDescription(QString::fromStdString(DescriptionNote(Notation->Value())));
  NoteQuestions->setAccessibleDescription(QString::fromStdString(DescriptionNote(NoteQuestions->Value())));
  LeveesNS->setAccessibleDescription(QString::fromStdString(DescriptionLevees(LeveesNS->Value())));
  LeveesEO->setAccessibleDescription(QString::fromStdString(DescriptionLevees(LeveesEO->Value())));
}

void TFMain::CacheTable() {
  CacheCartesJouees();
  for (TJeu1024* jeu : Jeux) jeu->SetVisible(false);
  CacheEncheres();
  BNext->hide();
}

void TFMain::CacheEncheres() {
  for (TBids1024* bids : BidsSurTable) bids->SetVisible(false);
  Etui->SetVisible(false);
  alertes_.clear();
  update();
}

void TFMain::MontreRevueEncheres(bool avantJeu) {
  Encheres->Place(Geometrie());
  // At a deal's start (no auction on the table) the window must not hide
  // South's hand, which is already shown.
  if (avantJeu && Jeux[jrSud]->Visible())
    Encheres->RemonteAuDessusDe(Jeux[jrSud]->mapToGlobal(QPoint(0, 0)).y());
  Encheres->exec();
  RetourTable();
}

void TFMain::IndiqueTour(int mode) {
  const int m = (mode >= TourAucun && mode <= TourNord) ? mode : TourAucun;
  setCursor(CurseurTable(static_cast<TCurseurTable>(m)));
  // The pointer takes the new cursor at once, without waiting for a move.
  QCursor::setPos(QCursor::pos());
  if (m == TourAucun || m == TourRamasse) {
    Fleche->hide();
    return;
  }
  const TJeu1024* sud = Jeux[jrSud];
  const int haut = m == TourSud ? sud->y() + (sud->height() - Fleche->height()) / 2 : 80;
  Fleche->move(GaucheFleche(sud->x()), haut);
  Fleche->show();
  Fleche->raise();
}

void TFMain::IndiqueCartesJouables(TJoueur joueur, const std::vector<TCard>& cartes) {
  const int avant = Jeux[joueurJouable_]->FocusCarte();
  Jeux[joueurJouable_]->SetFocusCarte(0);
  joueurJouable_ = joueur;
  jouables_.clear();
  for (int v : Jeux[joueur]->CartesRestantes()) {
    const bool jouable = std::any_of(cartes.begin(), cartes.end(), [v](TCard c) { return IndexCarte(c) == v; });
    if (jouable) jouables_.push_back(v);
  }
  if (!focusClavier_ || jouables_.empty()) return;
  // The focus stays on its card when it may still be played.
  const bool garde = std::find(jouables_.begin(), jouables_.end(), avant) != jouables_.end();
  Jeux[joueur]->SetFocusCarte(garde ? avant : jouables_.front());
}

void TFMain::Sablier(bool actif) {
  if (actif) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    ++sabliers_;
  } else if (sabliers_ > 0) {
    QApplication::restoreOverrideCursor();
    --sabliers_;
  }
}

void TFMain::AfficheTitre(const std::string& titre) {
  setWindowTitle(Texte(titre));
  LContrat->SetCaption(Texte(titre));
}

void TFMain::MontreBouton(TBoutonJeu bouton, bool visible) {
  switch (bouton) {
    case bjStart: MontreBoutonTable(BStart, visible); break;
    case bjNext: MontreBoutonTable(BNext, visible); break;
    case bjJeuAuto: MontreBoutonTable(rangee_[brJeuAuto], visible); break;
    case bjLastLevee: MontreBoutonTable(rangee_[brLastLevee], visible); break;
    case bjRevoirBids: MontreBoutonTable(rangee_[brRevoirBids], visible); break;
    case bjPoint: MontreBoutonTable(rangee_[brPoint], visible); break;
    case bjNavigation:
      for (TBoutonRangee b : {brPrecedente, brDonne, brSuivante}) MontreBoutonTable(rangee_[b], visible);
      MontreBoutonTable(BChoixDonne, visible);
      break;
  }
}

void TFMain::MontreBoutonTable(QPushButton* bouton, bool visible) {
  const bool avaitFocus = bouton->hasFocus();
  bouton->setVisible(visible);
  if (avaitFocus && !visible) setFocus(Qt::OtherFocusReason);
}

void TFMain::AfficheMarques(const TMarquesVisibles& visibles) {
  LNotation->setVisible(visibles.Jeu);
  Notation->setVisible(visibles.Jeu);
  LQuestions->setVisible(visibles.Questions);
  NoteQuestions->setVisible(visibles.Questions);
  for (QWidget* w : std::initializer_list<QWidget*>{LeveesNS, LeveesEO, LNS, LEO}) w->setVisible(visibles.Levees);
}

void TFMain::ChangeMarques(const TMarques& marques) {
  Notation->SetValue(marques.Notation);
  NoteQuestions->SetValue(marques.NoteQuestions);
  LeveesNS->SetValue(marques.LeveesNS);
  LeveesEO->SetValue(marques.LeveesEO);
  DecritMarques();
}

void TFMain::MontreDerniereLevee(const TCartesJouees& levee) {
  std::array<int, 4> cartes{};
  for (TJoueur j : TousLesJoueurs) cartes[j] = levee[j].EstReelle() ? IndexCarte(levee[j]) : 0;
  LastL->SetLevee(cartes);
  LastL->exec();
  RetourTable();
}

void TFMain::MontrePoint() {
  Point->Affiche(donne_ ? donne_->Point : TDocumentRtf{});
  RetourTable();
}

void TFMain::AfficheCommentaire(const std::string& texte) {
  Commentaire->Affiche(Texte(texte), Geometrie());
  RetourTable();
}

void TFMain::AfficheMessage(const std::string& texte) {
  Avertissement->Affiche(Texte(texte), Geometrie());
  RetourTable();
}

void TFMain::Bip() { QApplication::beep(); }

TReponseQuestion TFMain::PoseQuestion(const TQuestionPosee& question) {
  const std::optional<TReponseQuestion> reponse = Quiz->Pose(question);
  RetourTable();
  // A dialog closed without an answer counts as no answer: nothing right.
  if (reponse) return *reponse;
  TReponseQuestion aucune;
  aucune.Carte = TCard{};
  aucune.Nombre = -1;
  aucune.Proposition = -1;
  return aucune;
}

void TFMain::MontreReponseAttendue(const TTexteReponseAttendue& reponse) {
  Quiz->ReponseAttendueDlg()->Montre(reponse, width());
  RetourTable();
}

void TFMain::PrepareExportPbn(const std::string& pbn) { FinDonne->PrepareExportPbn(pbn); }

void TFMain::PrepareRevueJeu(const TReleveJeu& releve) {
  Revue->Prepare(releve);
  FinDonne->PrepareRevue(Revue->Disponible());
}

int TFMain::MontreFinDonne(const TVisibiliteFinDonne& visible) {
  int action = FinDonne->Montre(donne_ ? donne_->Resume : TDocumentRtf{}, visible);
  // "Revoir le jeu": the play on the table, then the screen again.
  while (action == TFinDonne1024::acRevoir) {
    Revue->Montre(SetCartes(), CouleurTapis);
    action = FinDonne->Montre(donne_ ? donne_->Resume : TDocumentRtf{}, visible);
  }
  RetourTable();
  return action;
}

std::optional<int> TFMain::DemandeNumeroDonne(int maximum, int actuel) {
  const std::optional<int> numero = DonneDlg->Choisit(actuel, maximum);
  RetourTable();
  return numero;
}

void TFMain::PosteFinDonne(int action) {
  QMetaObject::invokeMethod(
      this, [this, action] {
        if (entrees_ != nullptr) entrees_->MessageFinDonne(action);
      },
      Qt::QueuedConnection);
}

void TFMain::AfficheErreurDonnee(const std::string& message) {
  QMessageBox::warning(this, QStringLiteral("Kalvo !"), Texte(message));
  RetourTable();
}

void TFMain::AfficheErreur(const std::string& message) {
  QMessageBox::warning(this, QStringLiteral("Kalvo !"), Texte(message));
  RetourTable();
}

void TFMain::AfficheErreurFatale(const std::vector<std::string>& messages) {
  for (const std::string& message : messages) QMessageBox::critical(this, QStringLiteral("Kalvo !"), Texte(message));
}

}  // namespace kalvo
