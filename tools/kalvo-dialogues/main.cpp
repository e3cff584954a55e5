// kalvo-dialogues: writes PNG pictures of the quiz dialogs, the wrong-answer
// dialog, the end-of-deal screen and the two score dialogs, filled with a
// real deal, into a folder, without a display.

#include "DonneExemple.h"

#include "coaching/FinDonne.h"
#include "coaching/Quiz.h"
#include "table/CarteDlg.h"
#include "table/DejaVuesDlg.h"
#include "table/FScores.h"
#include "table/FinDonne1024.h"
#include "table/PCarteDlg.h"
#include "table/Polices.h"
#include "table/QuestionNombreDlg.h"
#include "table/RepartitionDlg.h"
#include "table/ReponseAttendue.h"
#include "table/SaisieChiffres.h"
#include "table/ScoreGlobalDlg.h"

#include <CLI/CLI.hpp>

#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QPainter>
#include <QTabWidget>

#include <cstdio>

using namespace kalvo;

namespace {

bool Ecrit(const QImage& image, const QDir& dossier, const QString& nom) {
  const QString chemin = dossier.filePath(nom);
  if (!image.save(chemin, "PNG")) {
    std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(chemin));
    return false;
  }
  std::printf("%s\n", qPrintable(chemin));
  return true;
}

// The offscreen platform draws no window frame: a plain title bar is added
// so that each picture shows the dialog's caption as a user sees it.
QImage AvecCadre(QWidget& w) {
  w.show();
  QApplication::processEvents();
  const QPixmap client = w.grab();
  if (w.windowFlags().testFlag(Qt::FramelessWindowHint)) return client.toImage();
  constexpr int Barre = 30;
  constexpr int Bord = 1;
  QImage image(client.width() + 2 * Bord, client.height() + Barre + Bord, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient degrade(0, 0, 0, Barre);
  degrade.setColorAt(0, QColor(246, 245, 244));
  degrade.setColorAt(1, QColor(222, 221, 218));
  p.fillRect(image.rect(), QColor(160, 160, 160));
  p.fillRect(QRect(Bord, Bord, client.width(), Barre - Bord), degrade);
  p.setPen(QColor(46, 52, 54));
  p.setFont(PoliceEnPixels(QStringLiteral("DejaVu Sans"), 13, true));
  p.drawText(QRect(Bord, Bord, client.width(), Barre - Bord), Qt::AlignCenter, w.windowTitle());
  p.drawPixmap(Bord, Barre, client);
  p.end();
  w.hide();
  return image;
}

TQuestionPosee Question(TDonneExemple& d, const TQuestion& q) {
  TQuestionsDonne record;
  record.SetNbQuestions(1);
  record.SetQuestion(1, q);
  std::mt19937 alea(2024);
  const auto posee = PrepareQuestion(record, 1, d.Suivi, d.Stats, d.PointsHonneurs, alea);
  if (!posee) {
    std::fprintf(stderr, "La question de type %d n'est pas posée.\n", q.TypeQuestion);
    std::exit(1);
  }
  return *posee;
}

TQuestion Q(int type, TJoueur joueur, int option = 0, int couleur = 0) {
  TQuestion q;
  q.NumLevee = 3;
  q.Penalite = 20;
  q.TypeQuestion = static_cast<std::uint8_t>(type);
  q.Joueur = joueur;
  q.Option = static_cast<std::uint8_t>(option);
  q.Couleur = static_cast<std::uint8_t>(couleur);
  return q;
}

bool Quiz(const QDir& dossier) {
  TDonneExemple d = DonneExemple(3);
  bool ok = true;

  TCarteDlg carte;
  carte.Prepare(Question(d, Q(tqCarte, jrOuest)));
  carte.BoutonCouleur(clCoeur)->click();
  carte.BoutonHauteur(12)->click();
  ok &= Ecrit(AvecCadre(carte), dossier, QStringLiteral("quiz-entame.png"));

  TPointsDlg points;
  points.Prepare(Question(d, Q(tqPoints, jrOuest, 1)));
  points.Nombre()->setText(QStringLiteral("6"));
  ok &= Ecrit(AvecCadre(points), dossier, QStringLiteral("quiz-points.png"));

  TJ4MQ4 nombre;
  nombre.Prepare(Question(d, Q(tqJ4MQ4, jrEst, 0, clCoeur)));
  ok &= Ecrit(AvecCadre(nombre), dossier, QStringLiteral("quiz-nombre-de-cartes.png"));

  TDejaVuesDlg dejaVues;
  TQuestion q2 = Q(tqDejaVues, jrOuest);
  q2.Depart = 1;
  dejaVues.Prepare(Question(d, q2));
  dejaVues.Radio(2)->click();
  ok &= Ecrit(AvecCadre(dejaVues), dossier, QStringLiteral("quiz-compte-des-cartes.png"));

  TPCarteDlg qui;
  TQuestion q3 = Q(tqPCarte, jrSud, 0);
  LitCodeCarte("DK", q3.Carte);
  qui.Prepare(Question(d, q3));
  ok &= Ecrit(AvecCadre(qui), dossier, QStringLiteral("quiz-qui-possede.png"));

  TRepartitionDlg repartition;
  repartition.Prepare(Question(d, Q(tqRepartition, jrSud, 0, clPique)));
  repartition.Item(1)->click();
  ok &= Ecrit(AvecCadre(repartition), dossier, QStringLiteral("quiz-repartition.png"));

  TReponseAttendue reponse;
  reponse.Prepare(ReponseAttendue(Question(d, Q(tqCarte, jrOuest))), 0);
  ok &= Ecrit(AvecCadre(reponse), dossier, QStringLiteral("mauvaise-reponse-entame.png"));
  reponse.Prepare(ReponseAttendue(Question(d, q2)), 0);
  ok &= Ecrit(AvecCadre(reponse), dossier, QStringLiteral("mauvaise-reponse-compte.png"));
  reponse.Prepare(ReponseAttendue(Question(d, Q(tqRepartition, jrSud, 0, clPique))), 0);
  ok &= Ecrit(AvecCadre(reponse), dossier, QStringLiteral("mauvaise-reponse-repartition.png"));
  return ok;
}

bool FinDeDonne(const QDir& dossier) {
  const QString resume = QStringLiteral(KALVO_TEST_DATA "/commentaires/resume-exemple.rtf");
  TReglages reglages;
  bool ok = true;
  struct TEcran {
    QRect zone;
    const char* nom;
  };
  for (const TEcran& e : {TEcran{QRect(0, 0, 1024, 768), "fin-de-donne-1024x768.png"},
                          TEcran{QRect(0, 0, 1280, 1024), "fin-de-donne-1280x1024.png"}}) {
    TFinDonne1024 fin;
    fin.Dimensionne(e.zone);
    fin.Prepare(PrepareFinDonne(DonneExemple(0).Donne, 21));
    fin.Remplit(resume, reglages);
    ok &= Ecrit(AvecCadre(fin), dossier, QString::fromLatin1(e.nom));
  }
  TFinDonne1024 dix;
  dix.Dimensionne(QRect(0, 0, 1440, 900));
  dix.Prepare(PrepareFinDonne(DonneEntameDix(), 7));
  reglages.Themes = false;
  reglages.Force = false;
  dix.Remplit(resume, reglages);
  ok &= Ecrit(AvecCadre(dix), dossier, QStringLiteral("fin-de-donne-entame-du-10-sans-theme.png"));
  return ok;
}

bool Scores(const QDir& dossier) {
  // A collection of 130 deals, 47 of them played.
  TCatalogue catalogue;
  TScores jeu(130);
  TScores questions(130);
  for (int n = 1; n <= 130; ++n) {
    catalogue.Ajoute(1 + (n * 7) % 4, n % 17 == 0 ? 0 : 1 + (n * 5) % 27);
    if (n % 3 == 0 || n > 120) {
      jeu[n] = 100 - (n * 13) % 70;
      if (n % 2 == 0) questions[n] = 100 - (n * 11) % 45;
    }
  }
  TFScores detail;
  TScoreGlobalDlg global(&detail);
  global.Prepare(jeu, questions, catalogue);
  bool ok = Ecrit(AvecCadre(global), dossier, QStringLiteral("scores.png"));
  detail.Prepare(jeu, questions, catalogue);
  ok &= Ecrit(AvecCadre(detail), dossier, QStringLiteral("scores-detailles.png"));
  detail.Pages()->setCurrentIndex(6);
  ok &= Ecrit(AvecCadre(detail), dossier, QStringLiteral("scores-detailles-121-140.png"));
  TScores vides(45);
  TCatalogue petit;
  for (int n = 1; n <= 45; ++n) petit.Ajoute(1 + n % 4, n % 28);
  detail.Prepare(vides, vides, petit);
  ok &= Ecrit(AvecCadre(detail), dossier, QStringLiteral("scores-detailles-45-donnes-vides.png"));
  global.Prepare(vides, vides, petit);
  ok &= Ecrit(AvecCadre(global), dossier, QStringLiteral("scores-vides.png"));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Images des dialogues de Kalvo (quiz, fin de donne, scores)"};
  std::string sortie = "dialogues";
  app.add_option("--out", sortie, "dossier des images")->capture_default_str();
  CLI11_PARSE(app, argc, argv);

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  InstallePolicesDeSubstitution();
  QDir dossier(QString::fromStdString(sortie));
  if (!dossier.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "Impossible de créer le dossier %s\n", sortie.c_str());
    return 1;
  }
  const bool ok = Quiz(dossier) & FinDeDonne(dossier) & Scores(dossier);
  return ok ? 0 : 1;
}
