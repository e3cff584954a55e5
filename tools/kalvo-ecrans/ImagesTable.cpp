// The table during a real deal: the delivered database's first deal (or a
// deal of Volume 1 chosen by its collection number) played on the real main
// window by clicks on the hands, the felt and the buttons, pictured at six
// moments; and "Revoir le jeu" after such a deal.
#include "tools/kalvo-ecrans/Commandes.h"
#include "tools/kalvo-ecrans/Images.h"
#include "tools/kalvo-ecrans/PiloteTable.h"

#include "model/DossierDonnees.h"
#include "table/FinDonne1024.h"
#include "table/RevueJeu.h"

#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <optional>

#include <cstdio>

namespace kalvo::ecrans {

namespace {

struct TEcran {
  int Largeur;
  int Hauteur;
};

bool EcritTable(TFMain& fenetre, const QDir& dossier, const QString& nom) {
  QApplication::processEvents();
  return Ecrit(fenetre.grab().toImage(), dossier, nom);
}

std::string Reglages(int setCartes) {
  // No pauses, no quiz, refused cards only beep: the pictures come quickly
  // and show the table alone.
  return "[Options]\r\nVitesse=0\r\nCartes=0\r\nQuestions=0\r\nErreursComments=0\r\nSetCartes=" +
         std::to_string(setCartes) + "\r\n";
}

// The deal of the base whose collection number is `collection`; 0 when the
// base has none.
int DonneDeCollection(const TControleur& c, int collection) {
  for (int n = 1; n <= c.NbDonnes(); ++n)
    if (c.NumerosVolume()[n] == collection) return n;
  return 0;
}

// The main window on a copy of the delivered database (Volume 1 when
// `volume1`) in `temporaire`, shown and activated; none (the reason written)
// when it could not be.
std::unique_ptr<TFMain> OuvreTable(const QTemporaryDir& temporaire, const std::filesystem::path& livres,
                                   const std::string& reglages, TEcran ecran, bool volume1 = false) {
  TEmplacementBase emplacement{std::filesystem::path(temporaire.path().toStdString())};
  if (volume1) emplacement.FichierDonnes = NomFichierVolume1;
  const TInstallation installation = InstalleDonnees(emplacement, {livres});
  if (!installation.Ok) {
    std::fprintf(stderr, "%s\n", installation.Detail.c_str());
    return nullptr;
  }
  TConfigurationControleur configuration;
  configuration.Emplacement = emplacement;
  configuration.TexteReglages = reglages;
  configuration.Graine = 1;
  auto fenetre = std::make_unique<TFMain>(configuration, QRect(0, 0, ecran.Largeur, ecran.Hauteur));
  fenetre->show();
  if (!fenetre->PremiereActivation()) return nullptr;
  // The window laid out before the first click.
  QApplication::processEvents();
  return fenetre;
}

bool Photographie(const std::filesystem::path& livres, const QDir& sortie, int set, TEcran ecran,
                  std::optional<int> collection) {
  QTemporaryDir temporaire;
  const std::unique_ptr<TFMain> table = OuvreTable(temporaire, livres, Reglages(set), ecran, collection.has_value());
  if (!table) return false;
  TFMain& fenetre = *table;
  TPiloteTable pilote(fenetre);
  TGardienModales gardien;
  ReponsesHabituelles(gardien);
  TControleur& c = fenetre.Controleur();
  QString prefixe = QStringLiteral("table-%1x%2-jeu%3-").arg(ecran.Largeur).arg(ecran.Hauteur).arg(set);
  if (collection) {
    const int donne = DonneDeCollection(c, *collection);
    if (donne == 0) {
      std::fprintf(stderr, "Le volume 1 n'a pas de donne de numéro de collection %d.\n", *collection);
      return false;
    }
    c.NumDonne1Click(donne);
    QApplication::processEvents();
    prefixe += QStringLiteral("c%1-").arg(*collection, 3, 10, QLatin1Char('0'));
  }

  bool ok = EcritTable(fenetre, sortie, prefixe + QStringLiteral("1-avant-demarrer.png"));
  pilote.CliqueBouton(fenetre.BStart);
  ok &= EcritTable(fenetre, sortie, prefixe + QStringLiteral("2-encheres.png"));
  pilote.CliqueBouton(fenetre.BNext);
  ok &= EcritTable(fenetre, sortie, prefixe + QStringLiteral("3-entame.png"));

  // Tricks 1 and 2, then the four hands shown as the settings dialog would,
  // while the third trick is under way.
  while (c.Etat().InJeu && c.Etat().Levee < 3) {
    if (c.Etat().LeveeComplete) pilote.CliqueTapis();
    else if (!pilote.JoueCarteJuste() && pilote.JoueCarteAcceptee() < 0) return false;
  }
  TReglages quatreJeux = c.Reglages();
  quatreJeux.QuatreJeux = true;
  c.ReglagesChoisis(quatreJeux);
  ok &= EcritTable(fenetre, sortie, prefixe + QStringLiteral("4-quatre-jeux.png"));
  while (c.Etat().InJeu && !c.Etat().LeveeComplete) {
    if (!pilote.JoueCarteJuste() && pilote.JoueCarteAcceptee() < 0) return false;
  }
  ok &= EcritTable(fenetre, sortie, prefixe + QStringLiteral("5-levee-complete.png"));

  // On to the end of the deal, playing the script's right cards; the
  // end-of-deal screen is pictured as it opens, then "Suivante" closes it.
  bool finPhotographiee = false;
  gardien.Repond("kalvo::TFinDonne1024", [&](QWidget* w) {
    QApplication::processEvents();
    finPhotographiee = Ecrit(w->grab().toImage(), sortie, prefixe + QStringLiteral("6-fin-de-donne.png"));
    QPushButton* suivante = static_cast<TFinDonne1024*>(w)->BSuivante();
    QTest::mouseClick(suivante, Qt::LeftButton, Qt::NoModifier, suivante->rect().center());
  });
  for (int geste = 0; geste < 400 && !finPhotographiee; ++geste) {
    if (c.Etat().InJeu && c.AttendCarteUtilisateur()) {
      if (!pilote.JoueCarteJuste() && pilote.JoueCarteAcceptee() < 0) return false;
    } else {
      pilote.CliqueTapis();
    }
    QApplication::processEvents();
  }
  return ok && finPhotographiee;
}

// "Revoir le jeu" after the deal played with the cards tried in hand order
// (so some are refused, with their comments): the first trick with a refusal.
bool PhotographieRevue(const std::filesystem::path& livres, const QDir& sortie, TEcran ecran) {
  QTemporaryDir temporaire;
  const std::unique_ptr<TFMain> table = OuvreTable(
      temporaire, livres, "[Options]\r\nVitesse=0\r\nCartes=0\r\nQuestions=0\r\nErreursComments=1\r\nAnalyseImprevues=0\r\nSetCartes=1\r\n",
      ecran);
  if (!table) return false;
  TFMain& fenetre = *table;
  TPiloteTable pilote(fenetre);
  TGardienModales gardien;
  ReponsesHabituelles(gardien);
  const QString nom = QStringLiteral("revue-du-jeu-%1x%2.png").arg(ecran.Largeur).arg(ecran.Hauteur);
  bool photographiee = false;
  bool revue = false;
  gardien.Repond("kalvo::TFinDonne1024", [&](QWidget* w) {
    auto* fin = static_cast<TFinDonne1024*>(w);
    QPushButton* bouton = revue ? fin->BSuivante() : fin->BRevoir();
    if (!revue) {
      revue = true;
      // Runs inside the review's own loop, once it covers the table.
      QTimer::singleShot(0, &fenetre, [&] {
        TRevueJeu& r = *fenetre.Revue;
        const TReleveJeu& releve = fenetre.Controleur().Releve();
        int cible = std::min(2, releve.NbLevees());
        for (int n = 1; n <= releve.NbLevees(); ++n)
          if (!releve.Levee(n).Refus.empty()) {
            cible = n;
            break;
          }
        while (r.Levee() < cible && r.Suivante()) {}
        photographiee = EcritTable(fenetre, sortie, nom);
        QTest::keyClick(&r, Qt::Key_Escape);
      });
    }
    QTest::mouseClick(bouton, Qt::LeftButton, Qt::NoModifier, bouton->rect().center());
  });
  pilote.CliqueBouton(fenetre.BStart);
  pilote.CliqueBouton(fenetre.BNext);
  if (!pilote.JoueJusquaLaFin(400)) {
    std::fprintf(stderr, "La donne s'est arrêtée avant sa fin : pas de revue du jeu.\n");
    return false;
  }
  QApplication::processEvents();
  if (!photographiee) std::fprintf(stderr, "La revue du jeu ne s'est pas ouverte.\n");
  return photographiee;
}

}  // namespace

bool ImagesRevue(const QDir& sortie, const std::filesystem::path& donnees) {
  bool ok = true;
  for (const TEcran ecran : {TEcran{1024, 768}, TEcran{1600, 1024}}) ok &= PhotographieRevue(donnees, sortie, ecran);
  return ok;
}

bool ImagesTable(const QDir& sortie, const std::filesystem::path& donnees, std::optional<int> collection) {
  bool ok = true;
  for (int set = 1; set <= 3; ++set) {
    // A deal of the volume is shown with the program's default cards only.
    if (collection && set != 1) continue;
    for (const TEcran ecran : {TEcran{1024, 768}, TEcran{1600, 1024}})
      ok &= Photographie(donnees, sortie, set, ecran, collection);
  }
  return ok;
}

}  // namespace kalvo::ecrans
