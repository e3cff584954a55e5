#include "table/ReglagesDlg.h"

#include "control/FiltreDonnes.h"
#include "model/BridgeTypes.h"
#include "table/AboutBox.h"
#include "table/Aide.h"
#include "table/DelaiDlg.h"
#include "table/FDispJeux.h"
#include "table/GroupeRadio.h"
#include "table/HabillageDialogues.h"
#include "table/Polices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace kalvo {

namespace {

QFrame* Panneau(QWidget* parent, const QRect& place) {
  auto* panneau = new QFrame(parent);
  panneau->setFrameShape(QFrame::Panel);
  panneau->setFrameShadow(QFrame::Raised);
  panneau->setGeometry(place);
  return panneau;
}

QCheckBox* Case(QWidget* parent, const QString& texte, int haut, const QFont& police) {
  auto* c = new QCheckBox(texte, parent);
  c->setFont(police);
  c->move(8, haut);
  c->resize(std::max(300, c->sizeHint().width()), c->sizeHint().height());
  return c;
}

// A list placed by its coordinates in the panel, held by the group it
// stands in so that it is enabled and disabled with it.
QComboBox* Liste(QWidget* groupe, const QPoint& dansPanneau, int largeur, const QStringList& items) {
  auto* liste = new QComboBox(groupe);
  liste->addItems(items);
  liste->setCurrentIndex(-1);
  const QPoint place = dansPanneau - groupe->pos();
  liste->setGeometry(place.x(), place.y(), largeur, liste->sizeHint().height());
  return liste;
}

}  // namespace

TReglagesDlg::TReglagesDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Reglages"));
  setModal(true);
  setFont(PoliceDialogue());
  FixeTailleClient(this, 889, 504);

  Panel1 = Panneau(this, QRect(11, 12, 866, 385));
  Label1 = CreeEtiquette(Panel1, QStringLiteral("Réglages"), QRect(8, 4, 300, 24),
                         PoliceEnPixels(QStringLiteral("Arial"), 19, true));
  CreeCasesACocher();
  BAspectMains = CreeBouton(Panel1, QStringLiteral("Aspect des mains"), QRect(18, 263, 270, 32));
  BVitesseBids = CreeBouton(Panel1, QStringLiteral("Vitesse des enchères"), QRect(18, 301, 270, 32));
  BVitesseCartes = CreeBouton(Panel1, QStringLiteral("Vitesse des cartes"), QRect(18, 339, 270, 32));
  CreeGroupes();
  const QFont policeApparence = PoliceEnPixels(QStringLiteral("Arial"), 16);
  GrandesCartes = new QCheckBox(QStringLiteral("Grandes cartes"), Panel1);
  ContrasteEleve = new QCheckBox(QStringLiteral("Contraste élevé"), Panel1);
  GrandesCartes->setGeometry(686, 40, 172, 26);
  ContrasteEleve->setGeometry(686, 76, 172, 26);
  for (QCheckBox* c : {GrandesCartes, ContrasteEleve}) c->setFont(policeApparence);
  GrandesCartes->setToolTip(QStringLiteral(
      "Les plus grandes cartes, aux index agrandis, quelle que soit la taille choisie dans « Aspect des mains »."));
  ContrasteEleve->setToolTip(QStringLiteral("Cartes cernées d'un trait noir épais, tapis uni."));
  for (QPushButton* b : {BAspectMains, BVitesseBids, BVitesseCartes}) b->setFont(PoliceEnPixels(QStringLiteral("Arial"), 15));

  Panel2 = Panneau(this, QRect(12, 403, 865, 50));
  AnalyseImprevues = Case(Panel2, QStringLiteral("Analyse des cartes imprévues"), 13,
                          PoliceEnPixels(QStringLiteral("Arial"), 16));
  AnalyseImprevues->setToolTip(QStringLiteral(
      "Une carte que la leçon ne prévoit pas est jugée en double mort : coûte-t-elle une levée, le contrat, ou rien ?"));
  BAide = CreeBouton(Panel2, QStringLiteral("Aide"), QRect(312, 9, 240, 32));
  BInfos = CreeBouton(Panel2, QStringLiteral("Informations"), QRect(604, 9, 240, 32));
  BOk = CreeBouton(this, QStringLiteral("Ok"), QRect(282, 464, 325, 32));
  BOk->setDefault(true);
  for (QPushButton* b : {BAide, BInfos, BOk}) b->setFont(PoliceEnPixels(QStringLiteral("Arial"), 15));

  connect(BAspectMains, &QPushButton::clicked, this, &TReglagesDlg::AspectMainsClick);
  connect(BVitesseBids, &QPushButton::clicked, this, &TReglagesDlg::JvXPButton2Click);
  connect(BVitesseCartes, &QPushButton::clicked, this, &TReglagesDlg::JvXPButton3Click);
  connect(BAide, &QPushButton::clicked, this, &TReglagesDlg::BAideClick);
  connect(BInfos, &QPushButton::clicked, this, &TReglagesDlg::BInfosClick);
  connect(BOk, &QPushButton::clicked, this, &TReglagesDlg::BokClick);
}

void TReglagesDlg::CreeCasesACocher() {
  const QFont police = PoliceEnPixels(QStringLiteral("Arial"), 19);
  EWvisibles = Case(Panel1, QStringLiteral("Est/Ouest visibles"), 32, police);
  isQuestions = Case(Panel1, QStringLiteral("Questions"), 60, police);
  ErreursCommentees = Case(Panel1, QStringLiteral("Erreurs commentées"), 88, police);
  isBids = Case(Panel1, QStringLiteral("Enchères \"comme à la table\""), 116, police);
  isTheme = Case(Panel1, QStringLiteral("Connaître le thème"), 144, police);
  isForce = Case(Panel1, QStringLiteral("Connaître la force"), 172, police);
  isCompteur = Case(Panel1, QStringLiteral("Compteur de levées"), 200, police);
  ModeNotation = Case(Panel1, QStringLiteral("Notation"), 228, police);
}

void TReglagesDlg::CreeGroupes() {
  const QFont police = PoliceEnPixels(QStringLiteral("Arial"), 16);
  OrdreDonnes = new TGroupeRadio(QStringLiteral("Donnes en ordre..."), Panel1);
  OrdreDonnes->setFont(police);
  OrdreDonnes->setGeometry(328, 34, 345, 77);
  OrdreDonnes->SetItems({QStringLiteral("Ascendant"), QStringLiteral("Aléatoire")});

  TypeDonnes = new TGroupeRadio(QStringLiteral("Type des donnes"), Panel1);
  TypeDonnes->setFont(police);
  TypeDonnes->setGeometry(328, 122, 525, 235);
  TypeDonnes->SetItems({QStringLiteral("Aucun en particulier"), QStringLiteral("Sur le thème :"),
                        QStringLiteral("De force :"), QStringLiteral("Déjà jouées de score inférieur à")});
  QStringList themes;
  for (int t = 1; t < NbThemes; ++t) themes << QString::fromUtf8(NomsThemes[static_cast<std::size_t>(t)]);
  CBThemes = Liste(TypeDonnes, {500, 208}, 345, themes);
  QStringList forces, seuils;
  for (const std::string_view f : ChoixForces) forces << QString::fromUtf8(f.data(), static_cast<qsizetype>(f.size()));
  for (const int s : SeuilsScores) seuils << QString::number(s);
  CBForces = Liste(TypeDonnes, {780, 261}, 65, forces);
  CBScores = Liste(TypeDonnes, {780, 310}, 65, seuils);
  CBThemes->setToolTip(QStringLiteral(
      "Avec « Déjà jouées de score inférieur à », seules les donnes de ce thème sont proposées."));
}

void TReglagesDlg::SetDialogues(const TDialoguesReglages& dialogues) {
  delai_ = dialogues.Delai;
  delaiCartes_ = dialogues.DelaiCartes;
  dispJeux_ = dialogues.DispJeux;
  infos_ = dialogues.Infos;
  aide_ = dialogues.Aide;
}

std::array<std::pair<QCheckBox*, bool TReglages::*>, 11> TReglagesDlg::Cases() const {
  return {{{EWvisibles, &TReglages::QuatreJeux},
           {isQuestions, &TReglages::Questions},
           {ErreursCommentees, &TReglages::ErreursComments},
           {isBids, &TReglages::Encheres},
           {isTheme, &TReglages::Themes},
           {isForce, &TReglages::Force},
           {isCompteur, &TReglages::CompteLevees},
           {ModeNotation, &TReglages::Notation},
           {AnalyseImprevues, &TReglages::AnalyseImprevues},
           {GrandesCartes, &TReglages::GrandesCartes},
           {ContrasteEleve, &TReglages::ContrasteEleve}}};
}

// Every showing starts from the settings as they are now.
void TReglagesDlg::showEvent(QShowEvent* evenement) {
  QDialog::showEvent(evenement);
  TypeDonnes->SetItemIndex(-1);
  TypeDonnes->setEnabled(reglages_ != nullptr);
  if (reglages_ == nullptr) return;
  for (const auto& [casier, reglage] : Cases()) casier->setChecked(reglages_->*reglage);
  OrdreDonnes->SetItemIndex(reglages_->Ordre);
  const TSaisieFiltre saisie = SaisieDuFiltre(*reglages_);
  TypeDonnes->SetItemIndex(saisie.TypeDonnes);
  CBThemes->setCurrentIndex(saisie.IndexTheme);
  CBForces->setCurrentIndex(saisie.IndexForce);
  CBScores->setCurrentIndex(saisie.IndexSeuil);
}

void TReglagesDlg::BokClick() {
  if (reglages_ != nullptr) {
    for (const auto& [casier, reglage] : Cases()) reglages_->*reglage = casier->isChecked();
    // No button selected (an order out of range was read): ascending.
    reglages_->Ordre = OrdreDonnes->ItemIndex() == 1 ? 1 : 0;
    reglages_->Aleatoire = reglages_->Ordre == 1;
    const TFiltreDonnes filtre = FiltreSaisi(TypeDonnes->ItemIndex(), CBThemes->currentIndex(),
                                             CBForces->currentIndex(), CBScores->currentIndex());
    reglages_->TypeDonnes = filtre.TypeDonnes;
    reglages_->NumeroTheme = filtre.NumeroTheme;
    reglages_->ForceChoisie = filtre.ForceChoisie;
    reglages_->ScoreInferieurA = filtre.ScoreInferieurA;
  }
  accept();
}

void TReglagesDlg::BAideClick() {
  if (aide_) aide_->Ouvre();
  update();
}

void TReglagesDlg::BInfosClick() {
  if (infos_) infos_->exec();
}

void TReglagesDlg::JvXPButton2Click() {
  if (!delai_ || reglages_ == nullptr) return;
  delai_->SetPosition(reglages_->Vitesse);
  if (delai_->exec() == QDialog::Accepted) reglages_->Vitesse = delai_->Position();
}

void TReglagesDlg::JvXPButton3Click() {
  if (!delaiCartes_ || reglages_ == nullptr) return;
  delaiCartes_->SetPosition(reglages_->Cartes);
  if (delaiCartes_->exec() == QDialog::Accepted) reglages_->Cartes = delaiCartes_->Position();
}

// The hands' look is taken from the buttons however the dialog is closed.
void TReglagesDlg::AspectMainsClick() {
  if (!dispJeux_ || reglages_ == nullptr) return;
  TFDispJeux& d = *dispJeux_;
  (reglages_->DispoSud ? d.RBS1 : d.RBS2)->setChecked(true);
  (reglages_->DispoNord ? d.RBN1 : d.RBN2)->setChecked(true);
  d.ChoisitSetCartes(reglages_->SetCartes);
  d.exec();
  reglages_->DispoSud = d.RBS1->isChecked();
  reglages_->DispoNord = d.RBN1->isChecked();
  const int set = d.SetCartesChoisi();
  reglages_->SetCartes = set == 0 ? 1 : set;
}

}  // namespace kalvo
