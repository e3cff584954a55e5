// The quiz dialogs, "Mauvaise réponse", the end-of-deal screen at three
// screen sizes and the two score dialogs, filled with the sample deal.
#include "tools/kalvo-ecrans/Commandes.h"
#include "tools/kalvo-ecrans/Exemple.h"
#include "tools/kalvo-ecrans/Images.h"

#include "coaching/Quiz.h"
#include "control/ScoresAffiches.h"
#include "table/CarteDlg.h"
#include "table/DejaVuesDlg.h"
#include "table/FScores.h"
#include "table/FinDonne1024.h"
#include "table/PCarteDlg.h"
#include "table/QuestionNombreDlg.h"
#include "table/RepartitionDlg.h"
#include "table/ReponseAttendue.h"
#include "table/SaisieChiffres.h"
#include "table/ScoreGlobalDlg.h"

#include <QPushButton>
#include <QTabWidget>

#include <cstdio>

namespace kalvo::ecrans {

namespace {

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

bool Quiz(const QDir& dossier, const TExemple& exemple) {
  const auto question = [&](const TQuestion& q) {
    const std::optional<TQuestionPosee> posee = exemple.Question(q);
    if (!posee) std::fprintf(stderr, "La question de type %d n'est pas posée.\n", q.TypeQuestion);
    return posee;
  };
  const auto entame = question(Q(tqCarte, jrOuest));
  const auto points = question(Q(tqPoints, jrOuest, 1));
  const auto nombre = question(Q(tqJ4MQ4, jrEst, 0, clCoeur));
  TQuestion compte = Q(tqDejaVues, jrOuest);
  compte.Depart = 1;
  const auto dejaVues = question(compte);
  TQuestion proprietaire = Q(tqPCarte, jrSud, 0);
  LitCodeCarte("DK", proprietaire.Carte);
  const auto qui = question(proprietaire);
  const auto repartition = question(Q(tqRepartition, jrSud, 0, clPique));
  if (!entame || !points || !nombre || !dejaVues || !qui || !repartition) return false;

  bool ok = true;
  TCarteDlg carte;
  carte.Prepare(*entame);
  carte.BoutonCouleur(clCoeur)->click();
  carte.BoutonHauteur(12)->click();
  ok &= Ecrit(AvecCadre(carte), dossier, QStringLiteral("quiz-entame.png"));

  TPointsDlg dlgPoints;
  dlgPoints.Prepare(*points);
  dlgPoints.Nombre()->setText(QStringLiteral("6"));
  ok &= Ecrit(AvecCadre(dlgPoints), dossier, QStringLiteral("quiz-points.png"));

  TJ4MQ4 dlgNombre;
  dlgNombre.Prepare(*nombre);
  ok &= Ecrit(AvecCadre(dlgNombre), dossier, QStringLiteral("quiz-nombre-de-cartes.png"));

  TDejaVuesDlg dlgDejaVues;
  dlgDejaVues.Prepare(*dejaVues);
  dlgDejaVues.Radio(2)->click();
  ok &= Ecrit(AvecCadre(dlgDejaVues), dossier, QStringLiteral("quiz-compte-des-cartes.png"));

  TPCarteDlg dlgQui;
  dlgQui.Prepare(*qui);
  ok &= Ecrit(AvecCadre(dlgQui), dossier, QStringLiteral("quiz-qui-possede.png"));

  TRepartitionDlg dlgRepartition;
  dlgRepartition.Prepare(*repartition);
  dlgRepartition.Item(1)->click();
  ok &= Ecrit(AvecCadre(dlgRepartition), dossier, QStringLiteral("quiz-repartition.png"));

  TReponseAttendue reponse;
  reponse.Prepare(ReponseAttendue(*entame), 0);
  ok &= Ecrit(AvecCadre(reponse), dossier, QStringLiteral("mauvaise-reponse-entame.png"));
  reponse.Prepare(ReponseAttendue(*dejaVues), 0);
  ok &= Ecrit(AvecCadre(reponse), dossier, QStringLiteral("mauvaise-reponse-compte.png"));
  reponse.Prepare(ReponseAttendue(*repartition), 0);
  ok &= Ecrit(AvecCadre(reponse), dossier, QStringLiteral("mauvaise-reponse-repartition.png"));
  return ok;
}

bool FinDeDonne(const QDir& dossier, const TExemple& exemple) {
  const TDonneAffichee& donne = exemple.Donne();
  bool ok = true;
  struct TEcran {
    QRect zone;
    const char* nom;
  };
  for (const TEcran& e : {TEcran{QRect(0, 0, 1024, 768), "fin-de-donne-1024x768.png"},
                          TEcran{QRect(0, 0, 1280, 1024), "fin-de-donne-1280x1024.png"}}) {
    TFinDonne1024 fin;
    fin.Dimensionne(e.zone);
    fin.Prepare(donne.FinDonne);
    fin.Remplit(donne.Resume, TVisibiliteFinDonne{});
    ok &= Ecrit(AvecCadre(fin), dossier, QString::fromLatin1(e.nom));
  }
  // West leading the ten from queen, ten, nine: the circle takes two
  // characters; the settings hide theme and strength.
  TContenuFinDonne dix = donne.FinDonne;
  LitCodeCarte("ST", dix.Entame);
  dix.EntameDecoupee = DecoupeEntame(dix.Diagramme[jrOuest][clPique], dix.Entame);
  TFinDonne1024 fin;
  fin.Dimensionne(QRect(0, 0, 1440, 900));
  fin.Prepare(dix);
  fin.Remplit(donne.Resume, TVisibiliteFinDonne{false, false});
  ok &= Ecrit(AvecCadre(fin), dossier, QStringLiteral("fin-de-donne-entame-du-10-sans-theme.png"));
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
  const TScores sansNote(130);
  TFScores detail;
  TScoreGlobalDlg global(&detail);
  global.Prepare(ScoresAffiches(jeu, questions, catalogue), ScoresAffiches(sansNote, sansNote, catalogue));
  bool ok = Ecrit(AvecCadre(global), dossier, QStringLiteral("scores.png"));
  detail.Prepare(ScoresAffiches(jeu, questions, catalogue));
  ok &= Ecrit(AvecCadre(detail), dossier, QStringLiteral("scores-detailles.png"));
  detail.Pages()->setCurrentIndex(6);
  ok &= Ecrit(AvecCadre(detail), dossier, QStringLiteral("scores-detailles-121-140.png"));
  const TScores vides(45);
  TCatalogue petit;
  for (int n = 1; n <= 45; ++n) petit.Ajoute(1 + n % 4, n % 28);
  const TScoresAffiches rien = ScoresAffiches(vides, vides, petit);
  detail.Prepare(rien);
  ok &= Ecrit(AvecCadre(detail), dossier, QStringLiteral("scores-detailles-45-donnes-vides.png"));
  global.Prepare(rien, rien);
  ok &= Ecrit(AvecCadre(global), dossier, QStringLiteral("scores-vides.png"));
  return ok;
}

}  // namespace

bool ImagesDialogues(const QDir& sortie, const TExemple& exemple) {
  const bool quiz = Quiz(sortie, exemple);
  const bool fin = FinDeDonne(sortie, exemple);
  const bool scores = Scores(sortie);
  return quiz && fin && scores;
}

}  // namespace kalvo::ecrans
