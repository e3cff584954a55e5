#include "table/AboutBox.h"

#include "table/HabillageDialogues.h"
#include "table/IconeProgramme.h"
#include "table/Polices.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#ifndef KALVO_VERSION
#error "KALVO_VERSION comes from the project's version in CMakeLists.txt"
#endif

namespace kalvo {

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
  setModal(true);
  setWindowTitle(QStringLiteral("Information produit"));
  setFont(PoliceDialogue());
  FixeTailleClient(this, 583, 233);
  FixeFondDegradeOrange(this);

  Panel1 = new QFrame(this);
  Panel1->setFrameShape(QFrame::Panel);
  Panel1->setFrameShadow(QFrame::Sunken);
  Panel1->setGeometry(8, 8, 567, 179);
  FondUni(Panel1, QColor(255, 224, 128));

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setPixmap(ImageIconeProgramme(32));
  ProgramIcon->setGeometry(16, 16, 32, 32);

  QFont nom = PoliceEnPixels(QStringLiteral("Arial Rounded MT Bold"), 32, true);
  ProductName = CreeEtiquette(Panel1, QStringLiteral("Kalvo! volume 1"), QRect(64, 10, 490, 42), nom);
  ProductName->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  FixeCouleurTexte(ProductName, QColor(CouleurMarron));

  LVersion = CreeEtiquette(Panel1, QStringLiteral("Version %1").arg(Version()), QRect(66, 52, 490, 20),
                           PoliceEnPixels(QStringLiteral("Arial"), 15, true));

  Credits = CreeEtiquette(Panel1,
                          QStringLiteral("Entraîneur au jeu de la carte du bridge : vous jouez Sud et le mort.\n"
                                         "Programme et donnes : les auteurs de Kalvo.\n"
                                         "Construit avec Qt 6 ; polices DejaVu et Liberation."),
                          QRect(16, 76, 540, 48), PoliceEnPixels(QStringLiteral("Arial"), 13));
  Licence = CreeEtiquette(Panel1,
                          QStringLiteral("Logiciel libre : vous pouvez le redistribuer et le modifier selon la licence "
                                         "publique générale GNU, version 3 ou (à votre choix) toute version "
                                         "ultérieure (GPL-3.0-or-later). Il est fourni SANS AUCUNE GARANTIE."),
                          QRect(16, 128, 540, 46), PoliceEnPixels(QStringLiteral("Arial"), 12));
  Licence->setWordWrap(true);
  FixeCouleurTexte(Licence, QColor(70, 40, 0));

  OKButton = CreeBouton(this, QStringLiteral("Ok"), QRect(219, 195, 145, 32));
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

QString TAboutBox::Version() { return QStringLiteral(KALVO_VERSION); }

void TAboutBox::showEvent(QShowEvent* evenement) {
  setWindowTitle(QStringLiteral("Information produit"));
  ProductName->setText(QStringLiteral("Kalvo! volume 1"));
  QDialog::showEvent(evenement);
}

}  // namespace kalvo
