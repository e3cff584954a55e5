#include "table/DelaiDlg.h"

#include "table/HabillageDialogues.h"
#include "table/Polices.h"

#include <QLabel>
#include <QPushButton>
#include <QSlider>

#include <algorithm>

namespace kalvo {

TDialogueDelai::TDialogueDelai(const QString& titre, const std::vector<TGraduation>& graduations, QWidget* parent)
    : QDialog(parent) {
  setWindowTitle(titre);
  setModal(true);
  setFont(PoliceDialogue());
  FixeTailleClient(this, 320, 140);

  TrackBar = new QSlider(Qt::Horizontal, this);
  TrackBar->setGeometry(16, 24, 289, 41);
  TrackBar->setRange(0, PositionMax);
  TrackBar->setSingleStep(1);
  TrackBar->setPageStep(2);
  TrackBar->setTickPosition(QSlider::TicksBelow);
  TrackBar->setTickInterval(1);

  const QFont police = PoliceEnPixels(QStringLiteral("Arial"), 16, true);
  for (const TGraduation& g : graduations) {
    QLabel* etiquette = CreeEtiquette(this, g.Texte, QRect(g.Gauche, 68, 40, 20), police);
    etiquette->adjustSize();
    FixeCouleurTexte(etiquette, QColor(CouleurVert));
    Graduations.push_back(etiquette);
  }

  OkBtn = CreeBouton(this, QStringLiteral("Ok"), QRect(79, 103, 162, 29));
  OkBtn->setDefault(true);
  connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

int TDialogueDelai::Position() const { return TrackBar->value(); }

void TDialogueDelai::SetPosition(int position) { TrackBar->setValue(std::clamp(position, 0, PositionMax)); }

TDelaiDlg::TDelaiDlg(QWidget* parent)
    : TDialogueDelai(QStringLiteral("Vitesse d'affichage des enchères"),
                     {{QStringLiteral("0"), 25}, {QStringLiteral("1"), 78}, {QStringLiteral("2"), 130},
                      {QStringLiteral("3"), 182}, {QStringLiteral("4"), 236}, {QStringLiteral("5"), 288}},
                     parent) {}

TDelaiCartesDlg::TDelaiCartesDlg(QWidget* parent)
    : TDialogueDelai(QStringLiteral("Vitesse d'apparition des cartes"),
                     {{QStringLiteral("0"), 25}, {QStringLiteral("0.5"), 150}, {QStringLiteral("1"), 286}}, parent) {}

}  // namespace kalvo
