#include "historique/HistoriqueSqlite.h"

#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QString>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <charconv>
#include <ctime>
#include <string_view>
#include <system_error>

namespace kalvo {

namespace fs = std::filesystem;

namespace {

constexpr int VersionSchema = 1;
constexpr const char* Colonnes = "date_heure, donne, collection, note_jeu, note_questions, refusees, joue_pour_moi";

enum class TEtatFichier { Ok, Abime, Verrouille, PlusRecent, Inaccessible };

QString NouveauNomConnexion() {
  static std::atomic<int> compteur{0};
  return QStringLiteral("kalvo-historique-%1").arg(++compteur);
}

void Ferme(const QString& nom) {
  {
    QSqlDatabase base = QSqlDatabase::database(nom, false);
    if (base.isValid()) base.close();
  }
  QSqlDatabase::removeDatabase(nom);
}

// SQLite's own codes, as the driver reports them: busy and locked mean
// another program holds the file; anything else on a first read means the
// file is not a sound history.
TEtatFichier EtatDeLErreur(const QSqlError& erreur) {
  const QString code = erreur.nativeErrorCode();
  if (code == QLatin1String("5") || code == QLatin1String("6") ||
      erreur.text().contains(QLatin1String("locked"), Qt::CaseInsensitive))
    return TEtatFichier::Verrouille;
  return TEtatFichier::Abime;
}

// Opens the connection `nom` on the file and makes sure it holds our table,
// creating it in an empty file; the connection stays open when Ok.
TEtatFichier Prepare(const QString& nom, const fs::path& fichier, std::string& detail) {
  QSqlDatabase base = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), nom);
  base.setDatabaseName(QString::fromStdString(fichier.string()));
  base.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=300"));
  if (!base.open()) {
    detail = base.lastError().text().toStdString();
    return TEtatFichier::Inaccessible;
  }
  QSqlQuery q(base);
  const auto echec = [&] {
    detail = q.lastError().text().toStdString();
    return EtatDeLErreur(q.lastError());
  };
  if (!q.exec(QStringLiteral("PRAGMA quick_check"))) return echec();
  if (!q.next() || q.value(0).toString() != QLatin1String("ok")) {
    detail = q.value(0).toString().toStdString();
    return TEtatFichier::Abime;
  }
  if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next()) return echec();
  if (q.value(0).toInt() > VersionSchema) return TEtatFichier::PlusRecent;
  if (!q.exec(QStringLiteral("BEGIN IMMEDIATE"))) return echec();
  const bool ok =
      q.exec(QStringLiteral("CREATE TABLE IF NOT EXISTS tentatives (id INTEGER PRIMARY KEY, date_heure TEXT NOT NULL, "
                            "donne INTEGER NOT NULL, collection INTEGER NOT NULL, note_jeu INTEGER NOT NULL, "
                            "note_questions INTEGER NOT NULL, refusees TEXT NOT NULL, joue_pour_moi INTEGER NOT NULL)")) &&
      // A table of the same name but another shape is not our history.
      q.exec(QStringLiteral("SELECT %1 FROM tentatives LIMIT 0").arg(QLatin1String(Colonnes))) &&
      q.exec(QStringLiteral("PRAGMA user_version = %1").arg(VersionSchema));
  if (!ok) {
    const TEtatFichier etat = echec();
    QSqlQuery(base).exec(QStringLiteral("ROLLBACK"));
    return etat;
  }
  if (!q.exec(QStringLiteral("COMMIT"))) return echec();
  return TEtatFichier::Ok;
}

class THistoriqueSqlite final : public THistorique {
 public:
  explicit THistoriqueSqlite(QString connexion) : connexion_(std::move(connexion)) {}
  THistoriqueSqlite(const THistoriqueSqlite&) = delete;
  THistoriqueSqlite& operator=(const THistoriqueSqlite&) = delete;
  ~THistoriqueSqlite() override { Ferme(connexion_); }

  bool Ajoute(const TTentative& t) override {
    QSqlQuery q(QSqlDatabase::database(connexion_, false));
    if (!q.prepare(QStringLiteral("INSERT INTO tentatives (%1) VALUES (?, ?, ?, ?, ?, ?, ?)").arg(QLatin1String(Colonnes))))
      return false;
    q.addBindValue(QString::fromStdString(t.DateHeure));
    q.addBindValue(t.Donne);
    q.addBindValue(t.Collection);
    q.addBindValue(t.NoteJeu);
    q.addBindValue(t.NoteQuestions);
    q.addBindValue(QString::fromStdString(TexteRefusees(t.Refusees)));
    q.addBindValue(t.JouePourMoi ? 1 : 0);
    return q.exec();
  }

  // Values out of their range (a hand-edited file) read as "no mark" or are
  // left out, never passed on as they are.
  std::vector<TTentative> Tentatives() const override {
    std::vector<TTentative> tentatives;
    QSqlQuery q(QSqlDatabase::database(connexion_, false));
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT %1 FROM tentatives ORDER BY id").arg(QLatin1String(Colonnes)))) return tentatives;
    const auto note = [](const QVariant& v) {
      bool ok = false;
      const int n = v.toInt(&ok);
      return ok && n >= 0 && n <= 100 ? n : -1;
    };
    while (q.next()) {
      TTentative t;
      t.DateHeure = q.value(0).toString().toStdString();
      t.Donne = q.value(1).toInt();
      if (t.Donne < 1) continue;
      t.Collection = q.value(2).toInt();
      t.NoteJeu = note(q.value(3));
      t.NoteQuestions = note(q.value(4));
      const QString refusees = q.value(5).toString();
      if (!refusees.isEmpty()) t.Refusees = LitRefusees(refusees.toStdString());
      t.JouePourMoi = q.value(6).toInt() != 0;
      tentatives.push_back(std::move(t));
    }
    return tentatives;
  }

 private:
  QString connexion_;
};

std::string Horodatage() {
  const std::time_t maintenant = std::time(nullptr);
  std::tm local{};
  localtime_r(&maintenant, &local);
  char texte[32];
  return std::string(texte, std::strftime(texte, sizeof texte, "%Y%m%d-%H%M%S", &local));
}

// A name beside the file that no file has yet: the damaged history is never
// written over, nor any earlier one set aside.
fs::path NomDeCote(const fs::path& fichier) {
  const std::string base = fichier.string() + ".abime-" + Horodatage();
  fs::path nom = base;
  std::error_code erreur;
  for (int k = 2; fs::exists(nom, erreur); ++k) nom = base + "-" + std::to_string(k);
  return nom;
}

std::string Nom(const fs::path& fichier) { return fichier.filename().string(); }

std::unique_ptr<THistorique> Ouvre(const fs::path& fichier, TEtatFichier& etat, std::string& detail) {
  const QString nom = NouveauNomConnexion();
  etat = Prepare(nom, fichier, detail);
  if (etat == TEtatFichier::Ok) return std::make_unique<THistoriqueSqlite>(nom);
  Ferme(nom);
  return nullptr;
}

}  // namespace

std::string TexteRefusees(const std::vector<TCarteRefusee>& refusees) {
  std::string texte;
  for (const TCarteRefusee& r : refusees) {
    if (!texte.empty()) texte += ' ';
    texte += r.Carte + ':' + std::to_string(r.Code);
  }
  return texte;
}

// Split by hand rather than through a stream: read once per attempt, it
// is on the path of every opening of the chooser and the progress window.
std::vector<TCarteRefusee> LitRefusees(const std::string& texte) {
  std::vector<TCarteRefusee> refusees;
  constexpr std::string_view Blancs = " \t\n\r\v\f";
  const std::string_view tout(texte);
  for (std::size_t debutMot = tout.find_first_not_of(Blancs); debutMot != std::string_view::npos;) {
    const std::size_t finMot = std::min(tout.find_first_of(Blancs, debutMot), tout.size());
    const std::string_view mot = tout.substr(debutMot, finMot - debutMot);
    debutMot = tout.find_first_not_of(Blancs, finMot);
    const auto deuxPoints = mot.find(':');
    if (deuxPoints == std::string_view::npos || deuxPoints == 0 || deuxPoints > 3) continue;
    int code = 0;
    const char* debut = mot.data() + deuxPoints + 1;
    const char* fin = mot.data() + mot.size();
    const auto [reste, erreur] = std::from_chars(debut, fin, code);
    if (erreur != std::errc{} || reste != fin || debut == fin) continue;
    refusees.push_back({std::string(mot.substr(0, deuxPoints)), code});
  }
  return refusees;
}

TOuvertureHistorique OuvreHistorique(const fs::path& fichier) {
  TOuvertureHistorique ouverture;
  TEtatFichier etat = TEtatFichier::Ok;
  std::string detail;
  ouverture.Historique = Ouvre(fichier, etat, detail);
  const std::string debut = "L'historique des donnes jouées (" + Nom(fichier) + ")";
  switch (etat) {
    case TEtatFichier::Ok:
      break;
    case TEtatFichier::Verrouille:
      ouverture.Message = debut + " est occupé par un autre programme (l'entraîneur est-il ouvert deux fois ?) : "
                                  "l'entraîneur continue sans historique pour cette séance.";
      break;
    case TEtatFichier::PlusRecent:
      ouverture.Message = debut + " vient d'une version plus récente de l'entraîneur : il est laissé tel quel et "
                                  "l'entraîneur continue sans historique.";
      break;
    case TEtatFichier::Inaccessible:
      ouverture.Message =
          debut + " ne peut pas être ouvert (" + detail + ") : l'entraîneur continue sans historique.";
      break;
    case TEtatFichier::Abime: {
      const fs::path deCote = NomDeCote(fichier);
      std::error_code erreur;
      fs::rename(fichier, deCote, erreur);
      if (erreur) {
        ouverture.Message = debut + " est abîmé et n'a pas pu être mis de côté (" + erreur.message() +
                            ") : il est laissé tel quel et l'entraîneur continue sans historique.";
        break;
      }
      // A journal left by an interrupted write belongs to the damaged file.
      const fs::path journal = fichier.string() + "-journal";
      if (fs::exists(journal, erreur)) fs::rename(journal, deCote.string() + "-journal", erreur);
      ouverture.MisDeCote = deCote;
      ouverture.Historique = Ouvre(fichier, etat, detail);
      ouverture.Message = debut + " est abîmé : il a été mis de côté sous le nom « " + Nom(deCote) + " »" +
                          (ouverture.Historique ? " et un nouvel historique commence."
                                                : " ; un nouvel historique n'a pas pu être créé, l'entraîneur "
                                                  "continue sans historique.") +
                          " Les notes des réglages ne sont pas touchées.";
      break;
    }
  }
  return ouverture;
}

}  // namespace kalvo
