#include "table/FEncheres.h"

#include "table/HabillageDialogues.h"
#include "table/IconesTable.h"
#include "table/Palette.h"
#include "table/Polices.h"

#include <QFontMetrics>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

namespace kalvo {

namespace {

constexpr int HauteurEntete = 76;
constexpr int LargeurOk = 100;
constexpr int HauteurOk = 28;
constexpr int LargeurPanneau = TFEncheres::Largeur - 16;
constexpr int TailleSymbole = 16;

QFrame* Panneau(QWidget* parent, const QColor& couleur) {
  auto* panneau = new QFrame(parent);
  panneau->setFrameShape(QFrame::Panel);
  panneau->setFrameShadow(QFrame::Raised);
  FondUni(panneau, couleur);
  return panneau;
}

int Indice(int ronde, TJoueur joueur) { return (ronde - 1) * 4 + joueur; }

}  // namespace

TFEncheres::TFEncheres(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Les enchères"));
  setModal(true);
  FondUni(this, QColor(CouleurMarron));
  setFont(PoliceEnPixels(QStringLiteral("Trebuchet MS"), 13));
  CreeEntete();
  CreeGrille();
  BOk = CreeBouton(this, QStringLiteral("Ok"), QRect((Largeur - LargeurOk) / 2, 0, LargeurOk, HauteurOk));
  BOk->setDefault(true);
  connect(BOk, &QPushButton::clicked, this, &QDialog::accept);
  MetEnPage();
}

void TFEncheres::CreeEntete() {
  Panel1 = Panneau(this, QColor(CouleurVertFonce));
  Panel1->setGeometry(8, 8, LargeurPanneau, HauteurEntete);
  const QFont police = PoliceEnPixels(QStringLiteral("Verdana"), 16);
  const std::array<QString, 3> titres{QStringLiteral("Donne"), QStringLiteral("Donneur"),
                                      QStringLiteral("Vulnérabilité")};
  std::array<QLabel*, 3> gauche{};
  std::array<QLabel*, 3> droite{};
  for (int i = 0; i < 3; ++i) {
    const int haut = 6 + 22 * i;
    QLabel* titre = CreeEtiquette(Panel1, titres[static_cast<std::size_t>(i)], QRect(8, haut, 140, 20), police);
    titre->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    FixeCouleurTexte(titre, QColor(CouleurJaune));
    QLabel* valeur = CreeEtiquette(Panel1, QString(), QRect(160, haut, LargeurPanneau - 168, 20), police);
    FixeCouleurTexte(valeur, QColor(240, 250, 255));
    gauche[static_cast<std::size_t>(i)] = titre;
    droite[static_cast<std::size_t>(i)] = valeur;
  }
  LabDonne = gauche[0];
  LabDonneur = gauche[1];
  LabVuln = gauche[2];
  LDonne = droite[0];
  LDonneur = droite[1];
  LVuln = droite[2];
}

void TFEncheres::CreeGrille() {
  Panel2 = Panneau(this, QColor(CouleurTapisDefaut));
  Panel2->setGeometry(8, 8 + HauteurEntete + 4, LargeurPanneau, 100);
  const int cw = (LargeurPanneau - 20) / 4;
  for (int k = 0; k < 4; ++k) absX[static_cast<std::size_t>(k)] = 10 + k * cw;
  absX[4] = LargeurPanneau - 10;

  const QFont gras = PoliceEnPixels(QStringLiteral("Verdana"), 16, true);
  const std::array<const char*, 4> noms{"LSud", "LOuest", "LNord", "LEst"};
  for (TJoueur j : TousLesJoueurs) {
    QLabel* entete = CreeEtiquette(Panel2, QString::fromUtf8(NomsJoueurs[j]), QRect(), gras);
    entete->setObjectName(QString::fromLatin1(noms[j]));
    entete->adjustSize();
    const int gaucheCol = absX[j];
    entete->move(gaucheCol + (absX[j + 1] - gaucheCol - entete->width()) / 2, 12);
    Entetes[j] = entete;
  }
  y0_ = 8 + Entetes[0]->height() - 14;

  const QFont marque = PoliceEnPixels(QStringLiteral("Trebuchet MS"), 15);
  const int hauteurTexte = QFontMetrics(gras).height();
  for (std::size_t i = 0; i < Bids.size(); ++i) {
    Bids[i] = CreeEtiquette(Panel2, QString(), QRect(0, 0, cw, hauteurTexte), gras);
    Bids[i]->setObjectName(QStringLiteral("L%1").arg(i + 1));
    Bids[i]->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Couls[i] = new QLabel(Panel2);
    Couls[i]->setObjectName(QStringLiteral("I%1").arg(i + 1));
    Couls[i]->resize(TailleSymbole, TailleSymbole);
    Notes[i] = CreeEtiquette(Panel2, QString(), QRect(), marque);
    Notes[i]->setObjectName(QStringLiteral("Note%1").arg(i + 1));
    FixeCouleurTexte(Notes[i], Qt::blue);
  }
  const QFont explication = PoliceEnPixels(QStringLiteral("Trebuchet MS"), 13);
  for (std::size_t i = 0; i < Alertes.size(); ++i) {
    Alertes[i] = CreeEtiquette(Panel2, QString(), QRect(8, 0, LargeurPanneau - 16, HauteurExplication), explication);
    Alertes[i]->setObjectName(QStringLiteral("A%1").arg(i + 1));
    Alertes[i]->setWordWrap(true);
    FixeCouleurTexte(Alertes[i], Qt::blue);
  }
  LErreur = CreeEtiquette(Panel2, QString(), QRect(8, 0, LargeurPanneau - 16, HauteurExplication), explication);
  LErreur->setWordWrap(true);
  FixeCouleurTexte(LErreur, QColor(CouleurMarron));
}

QLabel* TFEncheres::Bid(int ronde, TJoueur joueur) const {
  return ronde >= 1 && ronde <= NbRondes ? Bids[static_cast<std::size_t>(Indice(ronde, joueur))] : nullptr;
}

QLabel* TFEncheres::Coul(int ronde, TJoueur joueur) const {
  return ronde >= 1 && ronde <= NbRondes ? Couls[static_cast<std::size_t>(Indice(ronde, joueur))] : nullptr;
}

// One call in its cell; a mark beside it when it is alerted.
void TFEncheres::PlaceCase(const TCaseRevue& c, int marque) {
  QLabel* bid = Bid(c.Ronde, c.Joueur);
  QLabel* image = Coul(c.Ronde, c.Joueur);
  const int gaucheCol = absX[c.Joueur];
  const int cw = absX[1] - absX[0];
  bid->setText(QString::fromStdString(c.Texte));
  if (c.PleineColonne) {
    bid->setGeometry(gaucheCol, bid->y(), cw, bid->height());
    bid->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
  } else {
    bid->setGeometry(gaucheCol + 24, bid->y(), 11, bid->height());
    bid->setAlignment(Qt::AlignRight | Qt::AlignTop);
    image->setPixmap(ImageSymbole(990 + c.Symbole));
    image->move(gaucheCol + 40, image->y());
    image->show();
  }
  bid->show();
  if (c.Alerte == 0 || marque < 0 || marque >= static_cast<int>(Notes.size())) return;
  QLabel* note = Notes[static_cast<std::size_t>(marque)];
  note->setText(QStringLiteral("(%1)").arg(c.Alerte));
  note->adjustSize();
  const int gauche = c.Symbole >= 0 ? image->x() + image->width() + 1 : bid->x() + bid->width() - 14;
  note->move(gauche, bid->y() - 1);
  note->show();
}

// The explanations, then the error line if any, from haut down; returns
// the bottom of the last line drawn.
int TFEncheres::PlaceLignesDuBas(int haut) {
  const int largeur = LargeurPanneau - 16;
  int y = haut;
  int bas = -1;
  auto place = [&](QLabel* ligne, const QString& texte) {
    ligne->setText(texte);
    const int hauteur = std::max(HauteurExplication, ligne->heightForWidth(largeur));
    ligne->setGeometry(8, y, largeur, hauteur);
    ligne->show();
    // A line that wraps pushes the next ones down by whole lines.
    const int lignes = std::max(1, (hauteur + HauteurExplication / 2) / HauteurExplication);
    bas = y;
    y += HauteurExplication * lignes;
  };
  for (std::size_t i = 0; i < revue_.Explications.size() && i < Alertes.size(); ++i)
    place(Alertes[i], QString::fromStdString(revue_.Explications[i].Texte));
  if (!revue_.Erreur.empty()) place(LErreur, QString::fromStdString(revue_.Erreur));
  return bas < 0 ? -1 : y - HauteurExplication;
}

void TFEncheres::PrepareRevueEncheres(const TRevueEncheres& revue, int numeroDonne) {
  revue_ = revue;
  LDonne->setText(QString::number(numeroDonne));
  LDonneur->setText(QString::fromStdString(revue.Donneur));
  LVuln->setText(QString::fromStdString(revue.Vulnerabilite));
  MetEnPage();
}

void TFEncheres::MetEnPage() {
  for (QLabel* ligne : Alertes) ligne->hide();
  for (QLabel* note : Notes) note->hide();
  LErreur->hide();
  for (int r = 1; r <= NbRondes; ++r) {
    for (TJoueur j : TousLesJoueurs) {
      QLabel* bid = Bid(r, j);
      bid->clear();
      bid->hide();
      bid->move(bid->x(), HauteurRonde * r + y0_);
      Coul(r, j)->hide();
      Coul(r, j)->move(Coul(r, j)->x(), HauteurRonde * r + y0_);
    }
  }

  int marques = 0;
  for (const TCaseRevue& c : revue_.Cases) PlaceCase(c, c.Alerte != 0 ? marques++ : -1);

  const int hautSymbole = HauteurRonde + y0_;
  const int r = revue_.RondeAtteinte;
  const int derniere = PlaceLignesDuBas(hautSymbole + HauteurRonde * r);
  const int hauteurGrille = derniere >= 0 ? derniere + 24 : hautSymbole + HauteurRonde * r;
  Panel2->resize(LargeurPanneau, hauteurGrille);

  const int hauteur = Panel1->height() + Panel2->height() + HauteurOk + 24;
  BOk->move(BOk->x(), hauteur - HauteurOk - 4);
  FixeTailleClient(this, Largeur, hauteur);
}

void TFEncheres::Place(const QRect& fenetrePrincipale) {
  const int gauche = fenetrePrincipale.left() + (fenetrePrincipale.width() - Largeur) / 2;
  const int haut = fenetrePrincipale.top() + (fenetrePrincipale.height() - height()) / 2;
  move(gauche, haut);
}

void TFEncheres::RemonteAuDessusDe(int hautMainSud) {
  const QRect cadre = frameGeometry();
  if (hautMainSud < cadre.bottom() + 1) move(cadre.left(), hautMainSud - cadre.height() - 8);
}

int TFEncheres::Affiche(const QRect& fenetrePrincipale) {
  Place(fenetrePrincipale);
  return exec();
}

void TFEncheres::keyPressEvent(QKeyEvent* evenement) {
  if (!evenement->isAutoRepeat()) accept();
}

}  // namespace kalvo
