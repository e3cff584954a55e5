// kalvo-reglages-apercu: writes a PNG picture of each dialog of the
// settings, the comments, the reviews and the help, filled as during a
// real deal, into a folder, without a display.

#include "model/Donne.h"
#include "model/Reglages.h"
#include "model/Windows1252.h"
#include "table/AboutBox.h"
#include "table/Aide.h"
#include "table/DelaiDlg.h"
#include "table/DonneDlg.h"
#include "table/ErreurDlg.h"
#include "table/FDispJeux.h"
#include "table/FEncheres.h"
#include "table/FErreur.h"
#include "table/FLastL.h"
#include "table/FPoint.h"
#include "table/NumberEdit.h"
#include "table/Polices.h"
#include "table/ReglagesDlg.h"
#include "tools/authoring/Balisage.h"

#include <CLI/CLI.hpp>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <cstdio>

using namespace kalvo;
using namespace kalvo::redaction;

namespace {

const QRect Table(0, 0, 1280, 1024);

bool Ecrit(QWidget& fenetre, const QDir& dossier, const QString& nom) {
  fenetre.show();
  QApplication::processEvents();
  const QString chemin = dossier.filePath(nom);
  const bool ok = fenetre.grab().save(chemin, "PNG");
  std::printf("%s %s (%d × %d)\n", ok ? "écrit" : "ÉCHEC", qPrintable(chemin), fenetre.width(), fenetre.height());
  fenetre.hide();
  return ok;
}

// South deals and opens 1SA; North asks with Stayman, East doubles it for a
// club lead, and North-South reach 4♥.
TDonne DonneStayman() {
  TDonne d;
  d.SetDonneur(jrSud);
  d.SetVulnerabilite(vlnNS);
  const std::vector<TEnchere> appels{{1, clSA, 0}, {0, 1, 0}, {2, clTrefle, 1}, {0, 2, 2}, {2, clCoeur, 0},
                                     {0, 1, 0},    {4, clCoeur, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0},
                                     {NiveauFinEncheres, 0, 0}};
  TJoueur j = jrSud;
  int ronde = 1;
  for (const TEnchere& e : appels) {
    d.SetEnchere(ronde, j, e);
    j = JoueurSuivant(j);
    if (j == jrSud) ++ronde;
  }
  d.SetAlerte(1, Utf8VersWindows1252("Stayman : cherche une majeure de 4"));
  d.SetAlerte(2, Utf8VersWindows1252("Contre : demande l'entame à Trèfle"));
  return d;
}

// West opens 1♠, North doubles, East raises, South bids hearts.
TDonne DonneOuest() {
  TDonne d;
  d.SetDonneur(jrOuest);
  d.SetVulnerabilite(vlnEO);
  const std::vector<TEnchere> appels{{1, clPique, 0}, {0, 2, 1}, {2, clPique, 0}, {3, clCoeur, 0}, {0, 1, 0},
                                     {4, clCoeur, 0}, {0, 1, 0}, {0, 1, 0}, {0, 1, 0}, {NiveauFinEncheres, 0, 0}};
  TJoueur j = jrOuest;
  int ronde = 1;
  for (const TEnchere& e : appels) {
    d.SetEnchere(ronde, j, e);
    j = JoueurSuivant(j);
    if (j == jrSud) ++ronde;
  }
  d.SetAlerte(1, Utf8VersWindows1252("Contre d'appel : au moins 12 points"));
  return d;
}

const char* const Point =
    "# Le point\n"
    "Contrat : **4!H** joué par Sud. Entame : le Valet de !D.\n"
    "Levées sûres : cinq !H, l'As de !D, As-Roi de !S, l'As de !C : **neuf**.\n"
    "Perdantes : deux !C et peut-être un !S si les Piques sont mal partagés.\n"
    "\n"
    "La dixième levée viendra de la coupe d'un Trèfle au mort :\n"
    "- prendre l'entame de l'As de !D au mort ;\n"
    "- jouer tout de suite As de !C et Trèfle, avant de toucher aux atouts ;\n"
    "- couper le troisième Trèfle avec un petit atout du mort.\n"
    "\n"
    "{rouge:Attention :} si vous tirez trois tours d'atout d'abord, le mort n'a plus de quoi couper.";

QString EcritPoint(const QTemporaryDir& dossier) {
  const TResultatBalisage rtf = BalisageVersRtf(Point, TailleMaxPoint);
  const QString chemin = dossier.filePath(QStringLiteral("point.rtf"));
  QFile fichier(chemin);
  if (fichier.open(QIODevice::WriteOnly)) fichier.write(rtf.Rtf.data(), static_cast<qint64>(rtf.Rtf.size()));
  return chemin;
}

int EcritTout(const QDir& dossier) {
  int echecs = 0;
  const auto ecrit = [&](QWidget& w, const char* nom) { echecs += !Ecrit(w, dossier, QString::fromLatin1(nom)); };

  TErreurDlg commentaire;
  commentaire.Prepare(QStringLiteral(
                          "Il fallait prendre l'entame au mort avec l'As de Carreau et jouer tout de suite Trèfle "
                          "vers la main : le Roi de Trèfle est probablement en Est, qui a contré le Stayman. En "
                          "tirant d'abord les atouts, vous videz le mort des petits Cœurs qui devaient couper le "
                          "troisième Trèfle, et la dixième levée disparaît."),
                      Table);
  ecrit(commentaire, "commentaire.png");

  TFErreur avertissement;
  avertissement.Prepare(QStringLiteral("Il faut encaisser les Cœurs maîtres !"), Table);
  ecrit(avertissement, "avertissement.png");

  TDelaiDlg delai;
  TDelaiCartesDlg delaiCartes;
  TFDispJeux dispJeux;
  TAboutBox infos;
  TAide aide;
  TReglages reglages;
  reglages.ErreursComments = true;
  reglages.QuatreJeux = false;
  reglages.Themes = false;
  TReglagesDlg dlgReglages;
  dlgReglages.SetReglages(&reglages);
  dlgReglages.SetDialogues({&delai, &delaiCartes, &dispJeux, &infos, &aide});
  ecrit(dlgReglages, "reglages.png");

  delai.SetPosition(reglages.Vitesse);
  ecrit(delai, "vitesse-encheres.png");
  delaiCartes.SetPosition(reglages.Cartes);
  ecrit(delaiCartes, "vitesse-cartes.png");

  dispJeux.RBN1->setChecked(true);
  dispJeux.RBS2->setChecked(true);
  dispJeux.ChoisitSetCartes(2);
  ecrit(dispJeux, "presentation-jeux.png");

  TFEncheres encheres;
  encheres.PrepareRevueEncheres(DonneStayman(), 7);
  ecrit(encheres, "encheres.png");
  encheres.PrepareRevueEncheres(DonneOuest(), 12);
  ecrit(encheres, "encheres-ouest.png");

  TFLastL levee;
  levee.SetLevee({IndexCarte({2, clCarreau}), IndexCarte({11, clCarreau}), IndexCarte({14, clCarreau}),
                  IndexCarte({4, clCarreau})});
  ecrit(levee, "derniere-levee.png");

  QTemporaryDir temporaire;
  TFPoint point;
  point.ChargePoint(EcritPoint(temporaire));
  ecrit(point, "le-point.png");

  TDonneDlg donne;
  donne.MaxVal = 24;
  donne.ND->SetValue(7);
  ecrit(donne, "donne-numero.png");

  ecrit(infos, "informations.png");

  aide.Ouvre();
  ecrit(aide, "aide-sommaire.png");
  aide.Navigateur->setSource(QUrl(QStringLiteral("qrc:/aide/jouer.html")));
  ecrit(aide, "aide-jouer.png");
  return echecs;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Écrit une image PNG de chaque dialogue des réglages, des commentaires, des revues et de l'aide."};
  std::string dossier = "docs/screenshots/dialogs";
  app.add_option("dossier", dossier, "dossier où écrire les images");
  CLI11_PARSE(app, argc, argv);

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  InstallePolicesDeSubstitution();
  const QDir sortie(QString::fromStdString(dossier));
  if (!QDir().mkpath(sortie.path())) {
    std::fprintf(stderr, "Impossible de créer le dossier %s\n", dossier.c_str());
    return 1;
  }
  return EcritTout(sortie) == 0 ? 0 : 1;
}
