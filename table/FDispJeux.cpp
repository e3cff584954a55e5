#include "table/FDispJeux.h"

#include "table/Carte1024.h"
#include "table/HabillageDialogues.h"
#include "table/Palette.h"
#include "table/Polices.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>

namespace kalvo {

namespace {

QGroupBox* Groupe(QWidget* parent, const QString& titre, const QRect& place) {
  auto* groupe = new QGroupBox(titre, parent);
  groupe->setGeometry(place);
  FondUni(groupe, QColor(CouleurTapisDefaut));
  FixeCouleurTexte(groupe, Qt::black);
  return groupe;
}

QRadioButton* Radio(QGroupBox* groupe, int x, int y) {
  auto* bouton = new QRadioButton(groupe);
  bouton->move(x, y);
  bouton->resize(bouton->sizeHint());
  return bouton;
}

TCarte1024* Carte(QWidget* groupe, int value, int set, int x, int y) {
  auto* carte = new TCarte1024(groupe);
  carte->SetSetCartes(set);
  carte->SetBackground(QColor(CouleurTapisDefaut));
  carte->SetValue(value);
  carte->move(x, y);
  carte->setAttribute(Qt::WA_TransparentForMouseEvents);
  carte->show();
  return carte;
}

}  // namespace

TFDispJeux::TFDispJeux(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Présentation des jeux"));
  setModal(true);
  FixeTailleClient(this, 762, 363);
  FondUni(this, QColor(CouleurMarron));
  setFont(PoliceEnPixels(QStringLiteral("Trebuchet MS"), 16));

  GBNord = Groupe(this, QStringLiteral("Main du mort"), QRect(12, 14, 169, 341));
  GBSud = Groupe(this, QStringLiteral("Main du déclarant"), QRect(187, 14, 190, 261));
  GBCarte = Groupe(this, QStringLiteral("Cartes"), QRect(383, 14, 368, 261));

  // The samples lie under the buttons, so the buttons are made last.
  constexpr std::array<int, 3> Trefles{13, 12, 11};   // clubs A K Q
  constexpr std::array<int, 3> Carreaux{26, 25, 24};  // diamonds A K Q
  constexpr std::array<QPoint, 12> Places{{{32, 28}, {48, 44}, {64, 60}, {28, 174}, {28, 200}, {28, 226},
                                            {32, 28}, {48, 44}, {64, 28}, {32, 152}, {48, 152}, {64, 152}}};
  for (std::size_t i = 0; i < Cart.size(); ++i) {
    QGroupBox* groupe = i < 6 ? GBNord : GBSud;
    const int value = i < 6 ? Trefles[i % 3] : Carreaux[i % 3];
    Cart[i] = Carte(groupe, value, 1, Places[i].x(), Places[i].y());
    Cart[i]->setObjectName(QStringLiteral("Cart%1").arg(i + 1));
  }
  constexpr int RoiDeCoeur = 38;
  CarteA = Carte(GBCarte, RoiDeCoeur, 1, 16, 48);
  CarteB = Carte(GBCarte, RoiDeCoeur, 2, 100, 48);
  CarteC = Carte(GBCarte, RoiDeCoeur, 3, 200, 48);
  CarteA->setObjectName(QStringLiteral("CarteA"));
  CarteB->setObjectName(QStringLiteral("CarteB"));
  CarteC->setObjectName(QStringLiteral("CarteC"));

  RBN1 = Radio(GBNord, 12, 76);
  RBN2 = Radio(GBNord, 8, 188);
  RBS1 = Radio(GBSud, 8, 76);
  RBS2 = Radio(GBSud, 8, 188);
  RBCarteA = Radio(GBCarte, 48, 24);
  RBCarteB = Radio(GBCarte, 136, 24);
  RBCarteC = Radio(GBCarte, 258, 24);
  RBN1->setAccessibleName(QStringLiteral("Le mort en colonnes décalées"));
  RBN2->setAccessibleName(QStringLiteral("Le mort en colonnes droites"));
  RBS1->setAccessibleName(QStringLiteral("Le déclarant en éventail décalé"));
  RBS2->setAccessibleName(QStringLiteral("Le déclarant à plat"));
  RBCarteA->setAccessibleName(QStringLiteral("Petites cartes"));
  RBCarteB->setAccessibleName(QStringLiteral("Cartes moyennes"));
  RBCarteC->setAccessibleName(QStringLiteral("Grandes cartes"));

  BOk = CreeBouton(this, QStringLiteral("Ok"), QRect(426, 312, 325, 35));
  BOk->setDefault(true);
  connect(BOk, &QPushButton::clicked, this, &QDialog::accept);
}

int TFDispJeux::SetCartesChoisi() const {
  if (RBCarteA->isChecked()) return 1;
  if (RBCarteB->isChecked()) return 2;
  if (RBCarteC->isChecked()) return 3;
  return 0;
}

void TFDispJeux::ChoisitSetCartes(int set) {
  const std::array<QRadioButton*, 3> boutons{RBCarteA, RBCarteB, RBCarteC};
  for (QRadioButton* b : boutons) b->setAutoExclusive(false);
  for (int i = 0; i < 3; ++i) boutons[static_cast<std::size_t>(i)]->setChecked(set == i + 1);
  for (QRadioButton* b : boutons) b->setAutoExclusive(true);
}

}  // namespace kalvo
