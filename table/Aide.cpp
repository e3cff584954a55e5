#include "table/Aide.h"

#include "table/HabillageDialogues.h"
#include "table/Polices.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBrowser>
#include <QVBoxLayout>

// The manual is compiled into the program as the resource "aide"; a static
// library needs its registration called by name, outside any namespace.
static void InitialiseRessourcesAide() { Q_INIT_RESOURCE(aide); }

namespace kalvo {

TAide::TAide(QWidget* parent) : QDialog(parent) {
  InitialiseRessourcesAide();
  setWindowTitle(QStringLiteral("Aide de Kalvo"));
  setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint);
  setFont(PoliceDialogue());
  resize(820, 680);

  BPrecedent = new QPushButton(QStringLiteral("◀ Précédent"), this);
  BSuivant = new QPushButton(QStringLiteral("Suivant ▶"), this);
  BSommaire = new QPushButton(QStringLiteral("Sommaire"), this);
  BFermer = new QPushButton(QStringLiteral("Fermer"), this);
  for (QPushButton* b : {BPrecedent, BSuivant, BSommaire, BFermer}) b->setAutoDefault(false);
  BPrecedent->setEnabled(false);
  BSuivant->setEnabled(false);

  Navigateur = new QTextBrowser(this);
  Navigateur->setOpenExternalLinks(true);
  Navigateur->setFont(PoliceEnPixels(QStringLiteral("Verdana"), 15));
  Navigateur->setSearchPaths({QStringLiteral(":/aide")});

  auto* barre = new QHBoxLayout;
  barre->addWidget(BPrecedent);
  barre->addWidget(BSuivant);
  barre->addWidget(BSommaire);
  barre->addStretch();
  barre->addWidget(BFermer);
  auto* colonne = new QVBoxLayout(this);
  colonne->addLayout(barre);
  colonne->addWidget(Navigateur);

  connect(BPrecedent, &QPushButton::clicked, Navigateur, &QTextBrowser::backward);
  connect(BSuivant, &QPushButton::clicked, Navigateur, &QTextBrowser::forward);
  connect(BSommaire, &QPushButton::clicked, Navigateur, &QTextBrowser::home);
  connect(BFermer, &QPushButton::clicked, this, &QDialog::close);
  connect(Navigateur, &QTextBrowser::backwardAvailable, BPrecedent, &QPushButton::setEnabled);
  connect(Navigateur, &QTextBrowser::forwardAvailable, BSuivant, &QPushButton::setEnabled);

  Navigateur->setSource(Sommaire());
}

QUrl TAide::Sommaire() { return QUrl(QStringLiteral("qrc:/aide/index.html")); }

void TAide::Ouvre() {
  QWidget* modal = QApplication::activeModalWidget();
  const Qt::WindowModality voulue = (modal != nullptr && modal != this) ? Qt::ApplicationModal : Qt::NonModal;
  if (windowModality() != voulue) {
    // The modality of a window cannot change while it is shown.
    hide();
    setWindowModality(voulue);
  }
  if (Navigateur->source() != Sommaire()) Navigateur->setSource(Sommaire());
  Navigateur->verticalScrollBar()->setValue(0);
  show();
  raise();
  activateWindow();
}

}  // namespace kalvo
