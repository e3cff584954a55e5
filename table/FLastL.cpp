#include "table/FLastL.h"

#include "table/Carte1024.h"
#include "table/HabillageDialogues.h"

#include <QKeyEvent>
#include <QPushButton>

namespace kalvo {

TFLastL::TFLastL(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Dernière levée"));
  setModal(true);
  setFont(PoliceDialogue());
  FixeTailleClient(this, 260, 225);
  FondUni(this, QColor(CouleurMarron));

  struct TPlace {
    const char* Nom;
    QPoint Position;
  };
  constexpr std::array<TPlace, 4> Places{{{"CSud", {95, 116}}, {"COuest", {12, 62}}, {"CNord", {95, 8}}, {"CEst", {178, 62}}}};
  std::array<TCarte1024*, 4> cartes{};
  for (TJoueur j : TousLesJoueurs) {
    auto* carte = new TCarte1024(this);
    carte->setObjectName(QString::fromLatin1(Places[j].Nom));
    carte->SetTag(j);
    carte->SetSetCartes(1);
    carte->SetBackground(QColor(CouleurMarron));
    carte->move(Places[j].Position);
    carte->show();
    cartes[j] = carte;
  }
  CarteSud = cartes[jrSud];
  CarteOuest = cartes[jrOuest];
  CarteNord = cartes[jrNord];
  CarteEst = cartes[jrEst];

  OkBtn = CreeBouton(this, QStringLiteral("Ok"), QRect(182, 192, 66, 25));
  OkBtn->setDefault(true);
  connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TCarte1024* TFLastL::Carte(TJoueur joueur) const {
  switch (joueur) {
    case jrOuest: return CarteOuest;
    case jrNord: return CarteNord;
    case jrEst: return CarteEst;
    default: return CarteSud;
  }
}

void TFLastL::SetLevee(const std::array<int, 4>& cartes) {
  for (TJoueur j : TousLesJoueurs) {
    const int index = cartes[j];
    Carte(j)->SetValue(EstIndexCarteValide(index) ? index : 0);
    Carte(j)->setVisible(EstIndexCarteValide(index));
  }
}

void TFLastL::keyPressEvent(QKeyEvent* evenement) {
  if (!evenement->isAutoRepeat()) accept();
}

}  // namespace kalvo
