// The table's drawn pieces: the 52 faces of each card set, a hand in each
// of its layouts, the table during the play and during the auction (the
// main window fed with the sample deal as the controller would feed it),
// the digit displays, the arrow and the cursors.
#include "tools/kalvo-ecrans/Commandes.h"
#include "tools/kalvo-ecrans/Exemple.h"
#include "tools/kalvo-ecrans/Images.h"

#include "table/AfficheurSegments.h"
#include "table/EtiquetteContour.h"
#include "table/FMain.h"
#include "table/IconesTable.h"
#include "table/Jeu1024.h"
#include "table/JeuDeCartes.h"
#include "table/Palette.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>

#include <cstdio>

namespace kalvo::ecrans {

namespace {

constexpr int V(int couleur, int rang) { return couleur * 13 + rang - 1; }

// A hand of the deal as the hand control takes it, in the record's order.
TValeurCartes Valeurs(const TDonneAffichee& donne, TJoueur joueur) {
  TValeurCartes valeurs{};
  for (int i = 1; i <= 13; ++i) {
    const TCard carte = donne.Mains(joueur, i);
    valeurs[static_cast<std::size_t>(i - 1)] = carte.EstReelle() ? static_cast<std::uint16_t>(IndexCarte(carte)) : 0;
  }
  return valeurs;
}

QImage Feuille(int set) {
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
  p.end();
  return feuille.toImage();
}

// Hands in the layouts the table uses, and the dummy sideways, at their
// real size, some with cards played.
QImage ImageMains(const TDonneAffichee& donne, int set) {
  QWidget fond;
  fond.setAutoFillBackground(true);
  QPalette palette = fond.palette();
  palette.setColor(QPalette::Window, QColor(CouleurFondFenetre));
  fond.setPalette(palette);
  struct TExemple {
    TAffichageJeu mode;
    TJoueur main;
    int jouees;
  };
  const std::array<TExemple, 6> exemples{{{afjNormal, jrSud, 3}, {afjNormalDecale, jrSud, 0}, {afjMort, jrNord, 2},
                                          {afjMortDecale, jrNord, 0}, {afjCoteDecale, jrOuest, 2}, {afjCoteMort, jrNord, 1}}};
  int x = 10;
  int y = 10;
  int hauteurLigne = 0;
  const int largeurMax = set == 3 ? 1700 : 1100;
  for (const TExemple& e : exemples) {
    const TValeurCartes main = Valeurs(donne, e.main);
    auto* jeu = new TJeu1024(&fond);
    jeu->SetSetCartes(set);
    jeu->SetAtout(donne.Contrat.Atout);
    jeu->SetJeu(main);
    for (int i = 0; i < e.jouees; ++i) jeu->SetCarteJouee(main[static_cast<std::size_t>(i * 4 + 1)]);
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
  return fond.grab().toImage();
}

TReglages ReglagesTable(int set) {
  TReglages reglages;
  reglages.SetCartes = set;
  return reglages;
}

// The buttons as the controller shows them during the play, or during the
// auction ("Jeu de la carte" and the deal-stepping buttons).
void Boutons(TFMain& table, bool enJeu) {
  for (TBoutonJeu bouton : {bjJeuAuto, bjLastLevee, bjRevoirBids, bjPoint}) table.MontreBouton(bouton, enJeu);
  table.MontreBouton(bjNavigation, !enJeu);
  table.MontreBouton(bjNext, !enJeu);
}

// The main window without a game, told the deal and the play of the first
// trick and a half as the controller tells them.
QImage TableJeu(const TExemple& exemple, int largeur, int hauteur, int set) {
  TFMain table(ReglagesTable(set), QRect(0, 0, largeur, hauteur));
  table.show();
  table.PremiereActivation();
  table.AfficheTitre(exemple.Titre());
  table.MontreDonne(exemple.Donne());
  table.AfficheJeu(jrSud, afjNormal);
  table.AfficheJeu(jrNord, afjMort);
  table.AfficheJeu(jrOuest, afjCoteDecale);
  table.AfficheJeu(jrEst, afjCoteDecale);
  Boutons(table, true);
  table.AfficheMarques({true, true, true});
  table.ChangeMarques({85, 100, 0, 1});
  const std::vector<TLeveeJouee>& levees = exemple.Levees();
  // The first trick, then the second up to South's card.
  for (std::size_t l = 0; l < 2 && l < levees.size(); ++l) {
    if (l > 0) table.CacheCartesJouees();
    TJoueur joueur = levees[l].Entameur;
    for (std::size_t k = 0; k < (l == 0 ? 4U : 3U); ++k) {
      table.PoseCarte(joueur, levees[l].Cartes[k], 0);
      joueur = JoueurSuivant(joueur);
    }
  }
  table.IndiqueTour(TourSud);
  QApplication::processEvents();
  return table.grab().toImage();
}

// The same window while the auction is replayed on it.
QImage TableEncheres(const TExemple& exemple, int largeur, int hauteur, int set) {
  TFMain table(ReglagesTable(set), QRect(0, 0, largeur, hauteur));
  table.show();
  table.PremiereActivation();
  table.AfficheTitre(exemple.TitreEncheres());
  table.MontreDonne(exemple.Donne());
  table.AfficheJeu(jrSud, afjNormal);
  table.RejoueEncheres(0);
  table.IndiqueTour(TourRamasse);
  Boutons(table, false);
  QApplication::processEvents();
  return table.grab().toImage();
}

QImage Afficheurs() {
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
  p.end();
  return image.toImage();
}

QImage Icones() {
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
  p.end();
  return image.toImage();
}

}  // namespace

bool ImagesFaces(const QDir& sortie, const TExemple& exemple) {
  bool ok = true;
  for (int set = 1; set <= NbSetsCartes; ++set) {
    TJeuDeCartes::Commun().Vide();
    QElapsedTimer chrono;
    chrono.start();
    for (int v = 1; v <= 52; ++v) TJeuDeCartes::Commun().Face(v, set);
    std::printf("set %d : 52 faces en %lld ms, %lld octets en cache\n", set, static_cast<long long>(chrono.elapsed()),
                static_cast<long long>(TJeuDeCartes::Commun().Octets()));
    ok &= Ecrit(Feuille(set), sortie, QStringLiteral("faces-set%1.png").arg(set));
    ok &= Ecrit(ImageMains(exemple.Donne(), set), sortie, QStringLiteral("mains-set%1.png").arg(set));
  }
  ok &= Ecrit(TableJeu(exemple, 1280, 1024, 1), sortie, QStringLiteral("table-jeu-set1.png"));
  ok &= Ecrit(TableJeu(exemple, 1600, 1024, 2), sortie, QStringLiteral("table-jeu-set2.png"));
  ok &= Ecrit(TableEncheres(exemple, 1280, 1024, 1), sortie, QStringLiteral("table-encheres-set1.png"));
  ok &= Ecrit(Afficheurs(), sortie, QStringLiteral("afficheurs.png"));
  ok &= Ecrit(Icones(), sortie, QStringLiteral("icones.png"));
  return ok;
}

}  // namespace kalvo::ecrans
