// Opening the deal chooser on a volume of 120 deals and the progress window
// on a history of 10 000 attempts, offscreen, as the trainer does it: the
// history read from its SQLite file, the figures computed, the dialog filled
// and drawn. Prints the median of several openings; exits 1 when one misses
// its 100 ms target (Release) or a step fails.
#include "control/ListeDonnes.h"
#include "control/Progres.h"
#include "historique/HistoriqueSqlite.h"
#include "model/BridgeTypes.h"
#include "table/ChoixDonneDlg.h"
#include "table/Polices.h"
#include "table/ProgresDlg.h"

#include <QApplication>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTableWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {

using namespace kalvo;
using Horloge = std::chrono::steady_clock;

constexpr int NbDonnes = 120;
constexpr int NbTentatives = 10'000;
constexpr int NbMesures = 7;

// Process CPU time in milliseconds: on a shared machine the wall time
// says as much about the other programs as about this one.
double TempsProcesseur() {
  timespec t{};
  clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) * 1e3 + static_cast<double>(t.tv_nsec) / 1e6;
}

struct TMesure {
  double Ms = 0;           // median wall time
  double MsProcesseur = 0;  // median CPU time
};

// The median times of `action` over NbMesures runs.
TMesure Mediane(const std::function<bool()>& action, bool& ok) {
  std::vector<double> durees, processeur;
  for (int k = 0; k < NbMesures; ++k) {
    const Horloge::time_point debut = Horloge::now();
    const double debutProcesseur = TempsProcesseur();
    ok &= action();
    durees.push_back(std::chrono::duration<double, std::milli>(Horloge::now() - debut).count());
    processeur.push_back(TempsProcesseur() - debutProcesseur);
  }
  std::sort(durees.begin(), durees.end());
  std::sort(processeur.begin(), processeur.end());
  return {durees[durees.size() / 2], processeur[processeur.size() / 2]};
}

// 10 000 attempts written in one transaction (the trainer writes one at a
// time, at each end of deal; only the reading is measured).
bool RemplitHistorique(const QString& fichier) {
  // Created by the trainer's own code, so that its table is the one read.
  if (!OuvreHistorique(fichier.toStdString()).Historique) return false;
  bool ok = true;
  {
    QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("remplissage"));
    base.setDatabaseName(fichier);
    ok = base.open();
    QSqlQuery q(base);
    ok &= q.exec(QStringLiteral("BEGIN"));
    ok &= q.prepare(QStringLiteral("INSERT INTO tentatives (date_heure, donne, collection, note_jeu, note_questions, "
                                   "refusees, joue_pour_moi) VALUES (?, ?, ?, ?, ?, ?, ?)"));
    for (int k = 0; k < NbTentatives && ok; ++k) {
      const int donne = 1 + (k * 37) % NbDonnes;
      q.addBindValue(QStringLiteral("2026-%1-%2T20:00:00").arg(1 + k % 12, 2, 10, QChar('0')).arg(1 + k % 28, 2, 10, QChar('0')));
      q.addBindValue(donne);
      q.addBindValue(donne);
      q.addBindValue((k * 13) % 101);
      q.addBindValue((k * 7) % 101);
      // Empty, not null: the column refuses NULL, as the trainer writes it.
      q.addBindValue(k % 3 == 0 ? QStringLiteral("HK:12 SA:49") : QStringLiteral(""));
      q.addBindValue(k % 9 == 0 ? 1 : 0);
      ok &= q.exec();
    }
    ok &= q.exec(QStringLiteral("COMMIT"));
    if (!ok) std::fprintf(stderr, "%s\n", qPrintable(q.lastError().text()));
    base.close();
  }
  QSqlDatabase::removeDatabase(QStringLiteral("remplissage"));
  return ok;
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  InstallePolicesDeSubstitution();

  TCatalogue catalogue;
  std::vector<int> numeros;
  TScores jeu(NbDonnes), questions(NbDonnes);
  for (int n = 1; n <= NbDonnes; ++n) {
    catalogue.Ajoute(1 + n % 4, 1 + n % (NbThemes - 1));
    numeros.push_back(n);
    if (n % 3 != 0) jeu[n] = (n * 17) % 101;
  }
  const TNumerosVolume volume(numeros);
  QTemporaryDir dossier;
  const QString fichier = dossier.filePath(QString::fromLatin1(NomFichierHistorique));
  if (!RemplitHistorique(fichier)) {
    std::fprintf(stderr, "historique de mesure impossible à écrire\n");
    return 2;
  }
  const TOuvertureHistorique ouverture = OuvreHistorique(fichier.toStdString());
  if (!ouverture.Historique) {
    std::fprintf(stderr, "%s\n", ouverture.Message.c_str());
    return 2;
  }
  const THistorique& historique = *ouverture.Historique;

  bool ok = true;
  TChoixDonneDlg choix;
  const TMesure choixMesure = Mediane([&] {
    const std::vector<TTentative> tentatives = historique.Tentatives();
    choix.Prepare(ListeDonnes(catalogue, volume, jeu, questions, tentatives, 50, 1, true));
    choix.show();
    choix.repaint();
    const bool bon = choix.Table->rowCount() == NbDonnes;
    choix.hide();
    return bon;
  }, ok);
  TProgresDlg progres;
  const TMesure progresMesure = Mediane([&] {
    const std::vector<TTentative> tentatives = historique.Tentatives();
    const TProgres figures = CalculeProgres(tentatives, catalogue, volume);
    progres.Prepare(figures);
    progres.show();
    progres.repaint();
    const bool bon = figures.TentativesNotees == NbTentatives && !progres.BoutonsARevoir().empty();
    progres.hide();
    return bon;
  }, ok);
  const Horloge::time_point debut = Horloge::now();
  const std::size_t lues = historique.Tentatives().size();
  const double msLecture = std::chrono::duration<double, std::milli>(Horloge::now() - debut).count();

  const double msChoix = choixMesure.Ms, msProgres = progresMesure.Ms;
  std::printf("« Choisir une donne », %d donnes, historique de %d tentatives : %.1f ms (cible < 100), "
              "processeur %.1f ms\n",
              NbDonnes, NbTentatives, msChoix, choixMesure.MsProcesseur);
  std::printf("« Progrès », %d tentatives : %.1f ms (cible < 100), processeur %.1f ms\n", NbTentatives, msProgres,
              progresMesure.MsProcesseur);
  std::printf("  dont la lecture seule de l'historique (%zu tentatives) : %.1f ms\n", lues, msLecture);
  if (!ok) {
    std::fprintf(stderr, "une ouverture n'a pas montré ce qu'elle devait\n");
    return 1;
  }
#if defined(__SANITIZE_ADDRESS__)
  std::printf("cibles non vérifiées : construction avec les sanitizers\n");
  return 0;
#else
  return (msChoix < 100.0 && msProgres < 100.0) ? 0 : 1;
#endif
}
