// The deal chooser and the progress window, on a volume of 120 deals and a
// history of a few dozen attempts generated for the pictures; the figures
// go through the trainer's own computations.
#include "tools/kalvo-ecrans/Commandes.h"
#include "tools/kalvo-ecrans/Images.h"

#include "control/ChoixDonnes.h"
#include "control/ListeDonnes.h"
#include "control/Progres.h"
#include "table/ChoixDonneDlg.h"
#include "table/ProgresDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>

#include <algorithm>
#include <cstdio>

namespace kalvo::ecrans {

namespace {

struct TVolumeExemple {
  TCatalogue Catalogue;
  TNumerosVolume Volume;
  TScores Jeu{120}, Questions{120};
  std::vector<TTentative> Historique;
};

// 120 deals on 27 themes; 48 attempts over three weeks on 30 deals, the
// marks rising as the user works, two themes staying weak.
TVolumeExemple VolumeExemple() {
  TVolumeExemple v;
  std::vector<int> numeros;
  for (int n = 1; n <= 120; ++n) {
    v.Catalogue.Ajoute(1 + (n * 7) % 4, 1 + (n * 5) % 27);
    numeros.push_back(n);
  }
  v.Volume = TNumerosVolume(numeros);
  for (int k = 0; k < 48; ++k) {
    const int donne = 1 + (k * 37) % 30;
    const int theme = v.Catalogue.Theme(donne);
    const bool faible = theme == 9 || theme == 19;
    int note = 35 + k + (k * 17) % 25 - (faible ? 40 : 0);
    note = std::clamp(note, 0, 100);
    char date[32];
    std::snprintf(date, sizeof date, "2026-11-%02dT%02d:%02d:00", 10 + k / 3, 18 + k % 3, (k * 7) % 60);
    TTentative t{.DateHeure = date, .Donne = donne, .Collection = donne, .NoteJeu = note,
                 .NoteQuestions = std::clamp(note + 10, 0, 100)};
    if (note < 60) t.Refusees = {{"HK", 12}};
    t.JouePourMoi = k % 11 == 0;
    v.Historique.push_back(t);
    v.Jeu[donne] = note;
    v.Questions[donne] = t.NoteQuestions;
  }
  return v;
}

}  // namespace

bool ImagesProgres(const QDir& sortie) {
  const TVolumeExemple v = VolumeExemple();
  const TListeDonnes liste = ListeDonnes(v.Catalogue, v.Volume, v.Jeu, v.Questions, v.Historique,
                                         SeuilARevoirParDefaut, 7, true);
  TChoixDonneDlg choix;
  choix.Prepare(liste);
  bool ok = Ecrit(AvecCadre(choix), sortie, QStringLiteral("choisir-une-donne.png"));
  choix.CARevoir->setChecked(true);
  choix.CBForce->setCurrentIndex(choix.CBForce->findText(QStringLiteral("2")));
  ok &= Ecrit(AvecCadre(choix), sortie, QStringLiteral("choisir-une-donne-a-revoir-force-2.png"));

  TProgresDlg progres;
  progres.Prepare(CalculeProgres(v.Historique, v.Catalogue, v.Volume));
  ok &= Ecrit(AvecCadre(progres), sortie, QStringLiteral("progres.png"));
  progres.Prepare(CalculeProgres({}, v.Catalogue, v.Volume));
  // The chart drops the items of its old axes through the event loop, which
  // the trainer runs before the next painting and this tool does not.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  QCoreApplication::processEvents();
  ok &= Ecrit(AvecCadre(progres), sortie, QStringLiteral("progres-sans-historique.png"));
  return ok;
}

}  // namespace kalvo::ecrans
