// kalvo-faces: writes PNG pictures of the table's drawn pieces (the 156
// faces, hands in their display modes, a table during the play and during
// the auction, the digit displays, the arrow and the cursors) into a folder,
// without a display.

#include "TableExemple.h"

#include "table/DecorTable.h"
#include "table/IconesTable.h"
#include "table/JeuDeCartes.h"
#include "table/Palette.h"
#include "table/Polices.h"

#include <CLI/CLI.hpp>

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>

#include <cstdio>

using namespace kalvo;

namespace {

// The deal of the pictures, each hand suit by suit, highest card first.
constexpr int V(int couleur, int rang) { return couleur * 13 + rang - 1; }
const std::array<TValeurCartes, 4> Mains{{
    {V(3, 14), V(3, 13), V(3, 4), V(2, 14), V(2, 12), V(2, 10), V(2, 3), V(1, 13), V(1, 7), V(1, 2), V(0, 12), V(0, 11), V(0, 5)},
    {V(3, 8), V(3, 7), V(3, 3), V(2, 11), V(2, 9), V(2, 8), V(1, 11), V(1, 10), V(1, 9), V(1, 8), V(0, 13), V(0, 10), V(0, 9)},
    {V(3, 12), V(3, 11), V(3, 10), V(3, 9), V(2, 13), V(2, 4), V(2, 2), V(1, 14), V(1, 12), V(1, 3), V(0, 14), V(0, 6), V(0, 4)},
    {V(3, 6), V(3, 5), V(3, 2), V(2, 7), V(2, 6), V(2, 5), V(1, 6), V(1, 5), V(1, 4), V(0, 8), V(0, 7), V(0, 3), V(0, 2)},
}};

bool Ecrit(const QPixmap& image, const QDir& dossier, const QString& nom) {
  const QString chemin = dossier.filePath(nom);
  if (!image.save(chemin, "PNG")) {
    std::fprintf(stderr, "Impossible d'écrire %s\n", qPrintable(chemin));
    return false;
  }
  std::printf("%s\n", qPrintable(chemin));
  return true;
}

QPixmap Feuille(int set) {
  const TTailleFace f = TailleFace(set);
  const int ecart = 8;
  QPixmap feuille(13 * (f.W + ecart) + ecart, 4 * (f.H + ecart) + ecart);
  feuille.fill(QColor(CouleurFondFenetre));
  QPainter p(&feuille);
  for (int couleur = 3; couleur >= 0; --couleur) {
    for (int rang = 14; rang >= 2; --rang) {
      const int x = ecart + (14 - rang) * (f.W + ecart);
      const int y = ecart + (3 - couleur) * (f.H + ecart);
      DessineFace(p, x, y, V(couleur, rang), set);
    }
  }
  return feuille;
}

// Hands in the modes the table uses, and the dummy sideways, at their real size.
QPixmap ImageMains(int set) {
  QWidget fond;
  fond.setAutoFillBackground(true);
  QPalette palette = fond.palette();
  palette.setColor(QPalette::Window, QColor(CouleurFondFenetre));
  fond.setPalette(palette);
  struct TExemple {
    TAffichageJeu mode;
    int main;
    int jouees;
  };
  const std::array<TExemple, 6> exemples{{{afjNormal, 0, 3}, {afjNormalDecale, 0, 0}, {afjMort, 2, 2},
                                          {afjMortDecale, 2, 0}, {afjCoteDecale, 1, 2}, {afjCoteMort, 2, 1}}};
  int x = 10;
  int y = 10;
  int hauteurLigne = 0;
  const int largeurMax = set == 3 ? 1700 : 1100;
  for (const TExemple& e : exemples) {
    auto* jeu = new TJeu1024(&fond);
    jeu->SetSetCartes(set);
    jeu->SetAtout(3);
    jeu->SetJeu(Mains[static_cast<std::size_t>(e.main)]);
    for (int i = 0; i < e.jouees; ++i) jeu->SetCarteJouee(Mains[static_cast<std::size_t>(e.main)][static_cast<std::size_t>(i * 4 + 1)]);
    jeu->SetAffichage(e.mode);
    jeu->SetVisible(true);
    if (x + jeu->Largeur() > largeurMax) {
      x = 10;
      y += hauteurLigne + 14;
      hauteurLigne = 0;
    }
    jeu->move(x, y);
    x += jeu->Largeur() + 20;
    hauteurLigne = std::max(hauteurLigne, jeu->Hauteur());
  }
  fond.resize(largeurMax, y + hauteurLigne + 10);
  return fond.grab();
}

void Montre(QWidget& w) {
  w.show();
  QApplication::processEvents();
}

QPixmap TableJeu(int largeur, int hauteur, int set) {
  TTableExemple table(largeur, hauteur, set);
  for (TJoueur j : TousLesJoueurs) {
    table.Jeux[j]->SetAtout(clPique);
    table.Jeux[j]->SetJeu(Mains[j]);
    table.Jeux[j]->SetVisible(true);
  }
  table.PlaceJeux();
  table.PlaceCartesJouees();
  table.LContrat->SetCaption(QStringLiteral("Kalvo! (Vol 1) démo - Donne 7 [7] - Contrat : 4 Pique"));
  table.Notation->SetValue(85);
  table.NoteQuestions->SetValue(100);
  table.LeveesNS->SetValue(1);
  table.LeveesEO->SetValue(0);
  // Trick 1: West leads the jack of diamonds, dummy wins with the ace.
  for (auto [joueur, carte] : {std::pair{jrOuest, V(1, 11)}, {jrNord, V(1, 14)}, {jrEst, V(1, 4)}, {jrSud, V(1, 2)}}) {
    table.PoseCarte(joueur, carte);
  }
  // Trick 2 under way: the queen of spades from dummy, East and South follow.
  for (auto [joueur, carte] : {std::pair{jrNord, V(3, 12)}, {jrEst, V(3, 2)}, {jrSud, V(3, 4)}}) {
    table.PoseCarte(joueur, carte);
  }
  table.Cartes[jrOuest]->hide();
  table.PlaceFleche();
  table.Fleche->show();
  table.Fleche->raise();
  Montre(table);
  return table.grab();
}

QPixmap TableEncheres(int largeur, int hauteur, int set) {
  TTableExemple table(largeur, hauteur, set);
  table.Jeux[jrSud]->SetJeu(Mains[jrSud]);
  table.Jeux[jrSud]->SetVisible(true);
  table.PlaceJeux();
  table.LContrat->SetCaption(QStringLiteral("Kalvo! (Vol 1) démo - Donne 7 [7]"));
  table.Notation->hide();
  table.NoteQuestions->hide();
  table.LeveesNS->hide();
  table.LeveesEO->hide();
  for (TEtiquetteContour* etiquette : table.Etiquettes) etiquette->hide();
  table.Etui->SetVisible(true);
  table.Etui->Vulnerabilite = vlnNS;
  table.Etui->Donneur = jrNord;
  table.Etui->NumeroDonne = 7;
  table.PlaceEtuiEtBids();
  Montre(table);
  // North deals: 1♦, 1♥, 1♠, X, 2♠ (alerted), passe, 4♠.
  struct TAppel {
    TJoueur joueur;
    int niveau;
    int couleur;
    bool alerte;
  };
  const std::array<TAppel, 7> appels{{{jrNord, 1, clCarreau, false}, {jrEst, 1, clCoeur, false}, {jrSud, 1, clPique, false},
                                      {jrOuest, 0, 2, false}, {jrNord, 2, clPique, true}, {jrEst, 0, 1, false},
                                      {jrSud, 4, clPique, false}}};
  for (const TAppel& a : appels) {
    table.Bids[a.joueur]->SetBid(a.niveau, a.couleur);
    table.Bids[a.joueur]->SetVisible(true);
    if (a.alerte) {
      table.Bids[Partenaire(a.joueur)]->SetBid(0, 4);
      table.Bids[Partenaire(a.joueur)]->SetVisible(true);
    }
  }
  // The auction is shown up to West's turn: a second row of an alert on the
  // partner's side waits for South's next call, which has come.
  table.Bids[jrOuest]->SetBid(0, 1);
  return table.grab();
}

QPixmap Afficheurs() {
  QWidget fond;
  fond.resize(420, 150);
  fond.setAutoFillBackground(true);
  QPalette palette = fond.palette();
  palette.setColor(QPalette::Window, QColor(52, 30, 20));
  fond.setPalette(palette);
  int x = 12;
  for (int valeur : {100, 85, 7}) {
    auto* a = new TAfficheurSegments(3, QColor(CouleurLime), &fond);
    a->SetValue(valeur);
    a->move(x, 34);
    x += 66;
  }
  for (int valeur : {13, 0}) {
    auto* a = new TAfficheurSegments(2, QColor(CouleurJaune), &fond);
    a->SetValue(valeur);
    a->move(x, 34);
    x += 54;
  }
  auto* jeu = new TEtiquetteContour(QStringLiteral("Jeu"), &fond);
  jeu->move(12, 8);
  auto* questions = new TEtiquetteContour(QStringLiteral("Questions"), &fond);
  questions->move(78, 8);
  auto* ns = new TEtiquetteContour(QStringLiteral("NS"), &fond);
  ns->move(210, 8);
  auto* eo = new TEtiquetteContour(QStringLiteral("EO"), &fond);
  eo->move(264, 8);
  // The same, four times larger, to judge the segments.
  QPixmap natif = fond.grab(QRect(0, 0, 420, 75));
  QPixmap image(420 * 2, 75 + 4 * 75 / 2 + 150);
  image.fill(QColor(52, 30, 20));
  QPainter p(&image);
  p.drawPixmap(0, 0, natif);
  p.drawPixmap(0, 80, natif.copy(0, 0, 210, 75).scaled(840, 300, Qt::IgnoreAspectRatio, Qt::FastTransformation));
  return image;
}

QPixmap Icones() {
  QPixmap image(1000, 200);
  image.fill(QColor(CouleurFondFenetre));
  QPainter p(&image);
  std::vector<QPixmap> pieces{ImageFleche(), ImageCurseur(crRamasse), ImageCurseur(crMainSud),
                              ImageCurseur(crMainNord)};
  for (int n = 990; n <= 993; ++n) pieces.push_back(ImageSymbole(n));
  int x = 10;
  for (const QPixmap& piece : pieces) {
    p.drawPixmap(x, 10, piece);
    p.drawPixmap(x, 60, piece.scaled(piece.size() * 4, Qt::KeepAspectRatio, Qt::FastTransformation));
    x += std::max(piece.width() * 4, 40) + 10;
  }
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  CLI::App app{"Écrit les images des éléments dessinés de la table (PNG)."};
  std::string dossierSortie;
  app.add_option("dossier", dossierSortie, "Dossier où écrire les images")->required();
  CLI11_PARSE(app, argc, argv);

  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  InstallePolicesDeSubstitution();

  QDir dossier(QString::fromStdString(dossierSortie));
  if (!dossier.exists() && !QDir().mkpath(dossier.absolutePath())) {
    std::fprintf(stderr, "Impossible de créer le dossier %s\n", dossierSortie.c_str());
    return 1;
  }

  bool ok = true;
  for (int set = 1; set <= NbSetsCartes; ++set) {
    TJeuDeCartes::Commun().Vide();
    QElapsedTimer chrono;
    chrono.start();
    for (int v = 1; v <= 52; ++v) TJeuDeCartes::Commun().Face(v, set);
    std::printf("set %d : 52 faces en %lld ms, %lld octets en cache\n", set, static_cast<long long>(chrono.elapsed()),
                static_cast<long long>(TJeuDeCartes::Commun().Octets()));
    ok &= Ecrit(Feuille(set), dossier, QStringLiteral("faces-set%1.png").arg(set));
    ok &= Ecrit(ImageMains(set), dossier, QStringLiteral("mains-set%1.png").arg(set));
  }
  ok &= Ecrit(TableJeu(1280, 1024, 1), dossier, QStringLiteral("table-jeu-set1.png"));
  ok &= Ecrit(TableJeu(1600, 1024, 2), dossier, QStringLiteral("table-jeu-set2.png"));
  ok &= Ecrit(TableEncheres(1280, 1024, 1), dossier, QStringLiteral("table-encheres-set1.png"));
  ok &= Ecrit(Afficheurs(), dossier, QStringLiteral("afficheurs.png"));
  ok &= Ecrit(Icones(), dossier, QStringLiteral("icones.png"));
  return ok ? 0 : 1;
}
