#include "table/FinDonne1024.h"

#include "table/DecorTable.h"
#include "table/IconesTable.h"
#include "table/Palette.h"
#include "table/Polices.h"
#include "table/VisionneuseRtf.h"

#include <QFileDialog>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QMessageBox>
#include <QPushButton>
#include <QSaveFile>
#include <QScreen>
#include <QScrollBar>

namespace kalvo {

namespace {

constexpr std::array<char, 4> LettresJoueurs{'S', 'O', 'N', 'E'};
constexpr std::array<char, 4> LettresCouleurs{'T', 'K', 'C', 'P'};
constexpr int LargeurBouton = 180;
constexpr int HauteurBouton = 32;
constexpr QRgb CouleurAlertes = qRgb(0, 0, 160);

QString Texte(const std::string& s) { return QString::fromStdString(s); }

QFont PoliceMain() { return PoliceEnPixels(QStringLiteral("Verdana"), 15, true); }
QFont PoliceAppel() { return PoliceEnPixels(QStringLiteral("Verdana"), 16, true); }

// The circle round the lead: an outline only, the rank shows through.
class TEllipseEntame : public QWidget {
 public:
  explicit TEllipseEntame(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(CouleurEntame), 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5));
  }
};

QLabel* Etiquette(const QString& nom, const QFont& police, QRgb couleur, QWidget* parent) {
  QLabel* etiquette = NouvelleEtiquette({}, police, QColor(couleur), parent);
  etiquette->setObjectName(nom);
  return etiquette;
}

}  // namespace

TFinDonne1024::TFinDonne1024(QWidget* parent) : TDialogueKalvo(parent, true) {
  setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
  setObjectName(QStringLiteral("FinDonne1024"));
  FTapis = TextureTapis(QColor(CouleurTapisDefaut));
  FLargeurCouleur = ImageSymbole(990).width();
  CreeEnTete();
  CreeDiagramme();
  CreeEncheres();
  CreeCommentaireEtBoutons();
  const QScreen* ecran = QGuiApplication::primaryScreen();
  Dimensionne(ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768));
}

void TFinDonne1024::CreeEnTete() {
  FBandeau = new QWidget(this);
  FondUni(FBandeau, QColor(CouleurVertFonce));
  const QFont legende = PoliceTitre();
  const QFont valeur = PoliceEnPixels(QStringLiteral("Verdana"), 16, true);
  const std::array<const char*, 3> textes{"Donne", "Donneur", "Vulnérabilité"};
  const std::array<const char*, 3> noms{"LabelDonne", "LabelDonneur", "LabelVuln"};
  for (std::size_t i = 0; i < 3; ++i) {
    FLegendes[i] = Etiquette(QString::fromLatin1(noms[i]), legende, CouleurJaune, FBandeau);
    FLegendes[i]->setText(QString::fromUtf8(textes[i]));
  }
  FDonne = Etiquette(QStringLiteral("LDonne"), valeur, CouleurValeurBandeau, FBandeau);
  FDonneur = Etiquette(QStringLiteral("LDonneur"), valeur, CouleurValeurBandeau, FBandeau);
  FVuln = Etiquette(QStringLiteral("LVuln"), valeur, CouleurValeurBandeau, FBandeau);

  FLTheme = Etiquette(QStringLiteral("LTheme"), PoliceTexteGras(), CouleurVertFonce, this);
  FLTheme->setText(QStringLiteral("Thème"));
  FTheme = Etiquette(QStringLiteral("Theme"), PoliceTexte(), CouleurTexteTapis, this);
  FLForce = Etiquette(QStringLiteral("LForce"), PoliceTexteGras(), CouleurVertFonce, this);
  FLForce->setText(QStringLiteral("Force"));
  FForce = Etiquette(QStringLiteral("Force"), PoliceTexte(), CouleurTexteTapis, this);
}

void TFinDonne1024::CreeDiagramme() {
  for (TJoueur j : TousLesJoueurs) {
    for (T4Couleur c : ToutesLesCouleurs) {
      const QString nom = QString(QChar(LettresJoueurs[j])) + QChar(LettresCouleurs[c]);
      auto* image = new QLabel(this);
      image->setObjectName(nom);
      image->setPixmap(ImageSymbole(990 + c));
      image->setFixedSize(image->pixmap().size());
      FSymboles[j][c] = image;
      FMains[j][c] = Etiquette(QStringLiteral("C") + nom, PoliceMain(), CouleurTexteTapis, this);
    }
  }
  FDebut = Etiquette(QStringLiteral("stDebut"), PoliceMain(), CouleurTexteTapis, this);
  FEntameTexte = Etiquette(QStringLiteral("stEntame"), PoliceMain(), CouleurEntame, this);
  FFin = Etiquette(QStringLiteral("stFin"), PoliceMain(), CouleurTexteTapis, this);
  FEllipse = new TEllipseEntame(this);
  FEllipse->setObjectName(QStringLiteral("Entame"));
  for (QWidget* w : {static_cast<QWidget*>(FDebut), static_cast<QWidget*>(FEntameTexte),
                     static_cast<QWidget*>(FFin), FEllipse}) {
    w->hide();
  }
}

void TFinDonne1024::CreeEncheres() {
  const std::array<const char*, 4> titres{"LSud", "LOuest", "LNord", "LEst"};
  for (TJoueur j : TousLesJoueurs) {
    FTitres[j] = Etiquette(QString::fromLatin1(titres[j]), PoliceTitre(), CouleurVertFonce, this);
    FTitres[j]->setText(QString::fromUtf8(NomsJoueurs[j].data()));
    FTitres[j]->adjustSize();
  }
  for (std::size_t i = 0; i < FCellules.size(); ++i) {
    FCellules[i] = Etiquette(QStringLiteral("L%1").arg(i + 1), PoliceAppel(), CouleurTexteTapis, this);
    FImages[i] = new QLabel(this);
    FImages[i]->setObjectName(QStringLiteral("I%1").arg(i + 1));
  }
  for (std::size_t n = 0; n < 4; ++n) {
    FNotes[n] = Etiquette(QStringLiteral("Note%1").arg(n + 1), PoliceEnPixels(QStringLiteral("Verdana"), 13, true),
                          CouleurAlertes, this);
    FAlertes[n] = Etiquette(QStringLiteral("A%1").arg(n + 1), PoliceEnPixels(QStringLiteral("Trebuchet MS"), 14),
                            CouleurAlertes, this);
  }
  VideEncheres();
}

void TFinDonne1024::CreeCommentaireEtBoutons() {
  FTitreCommentaire = Etiquette(QStringLiteral("TitreCommentaireJeu"), PoliceTitre(), CouleurVertFonce, this);
  FTitreCommentaire->setText(QStringLiteral("Jeu de la carte"));
  FTitreCommentaire->adjustSize();
  FCommentaire = new VisionneuseRtf(this);
  FCommentaire->setObjectName(QStringLiteral("RECoup"));
  FCommentaire->setFocusPolicy(Qt::NoFocus);
  FCommentaire->setStyleSheet(QStringLiteral(
      "QTextBrowser { background: #e8ffe8; border: 1px solid #2e5a2e; border-radius: 6px; padding: 4px 8px; }"));

  struct TBouton {
    QPushButton** bouton;
    const char* texte;
    const char* nom;
    int tag;
  };
  for (const TBouton& b : {TBouton{&FStop, "Arrêter", "BStop", acArreter},
                           TBouton{&FRejouer, "Rejouer la donne", "BRejouer", acRejouer},
                           TBouton{&FSuivante, "Suivante", "BSuivante", acSuivante}}) {
    *b.bouton = NouveauBouton(QString::fromUtf8(b.texte), this, LargeurBouton);
    (*b.bouton)->setObjectName(QString::fromLatin1(b.nom));
    (*b.bouton)->setFixedSize(LargeurBouton, HauteurBouton);
    const int tag = b.tag;
    connect(*b.bouton, &QPushButton::clicked, this, [this, tag] { Termine(tag); });
  }
  FSuivante->setDefault(true);
  bExportPbn_ = NouveauBouton(QStringLiteral("Exporter (PBN)…"), this, LargeurBouton);
  bExportPbn_->setObjectName(QStringLiteral("BExportPbn"));
  bExportPbn_->setFixedSize(LargeurBouton, HauteurBouton);
  bExportPbn_->setEnabled(false);
  connect(bExportPbn_, &QPushButton::clicked, this, [this] { ExportePbn(); });
}

void TFinDonne1024::PrepareExportPbn(std::string pbn) {
  pbn_ = std::move(pbn);
  bExportPbn_->setEnabled(!pbn_.empty());
}

bool TFinDonne1024::EnregistrePbn(const QString& chemin, QString& erreur) const {
  QSaveFile fichier(chemin);
  if (!fichier.open(QIODevice::WriteOnly) ||
      fichier.write(pbn_.data(), static_cast<qint64>(pbn_.size())) != static_cast<qint64>(pbn_.size()) ||
      !fichier.commit()) {
    erreur = QStringLiteral("Impossible d'écrire le fichier « %1 » : %2").arg(chemin, fichier.errorString());
    return false;
  }
  return true;
}

void TFinDonne1024::ExportePbn() {
  const QString nom = QStringLiteral("donne-%1.pbn").arg(QString::fromStdString(FContenu.Donne));
  const QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Exporter la donne (PBN)"), nom,
                                                      QStringLiteral("Donnes PBN (*.pbn)"));
  if (chemin.isEmpty()) return;
  QString erreur;
  if (!EnregistrePbn(chemin, erreur)) QMessageBox::warning(this, QStringLiteral("Kalvo !"), erreur);
}

void TFinDonne1024::Dimensionne(const QRect& zoneTravail) {
  FZoneTravail = zoneTravail;
  const QRect fenetre = RectFenetreFinDonne(zoneTravail);
  setGeometry(fenetre);
  setFixedSize(fenetre.size());
  const int W = fenetre.width();
  const int H = fenetre.height();

  // Header band, then the theme and strength lines under it.
  FBandeau->setGeometry(0, 0, W, 40);
  const std::array<int, 3> xLegendes{14, W / 3, 2 * W / 3 - 20};
  const std::array<QLabel*, 3> valeurs{FDonne, FDonneur, FVuln};
  for (std::size_t i = 0; i < 3; ++i) {
    FLegendes[i]->adjustSize();
    FLegendes[i]->move(xLegendes[i], (40 - FLegendes[i]->height()) / 2);
    valeurs[i]->move(FLegendes[i]->geometry().right() + 12, FLegendes[i]->y());
  }
  FLTheme->adjustSize();
  FLForce->adjustSize();
  FLTheme->move(12, 52);
  FLForce->move(12, 52 + FLTheme->height() + 6);
  FTheme->move(FLTheme->geometry().right() + 1 + 8, FLTheme->y());
  FForce->move(FLForce->geometry().right() + 1 + 8, FLForce->y());
  FForce->setText(QStringLiteral("4"));
  FForce->adjustSize();

  FGeometrie = GeometrieFinDonne(W, H, FForce->y() + FForce->height(), LargeurBouton, HauteurBouton);
  const TGeometrieFinDonne& g = FGeometrie;
  for (TJoueur j : TousLesJoueurs) {
    for (T4Couleur c : ToutesLesCouleurs) {
      const int ligne = clPique - c;  // spades on top
      const int y = g.YCouleur(j, ligne);
      FSymboles[j][c]->move(g.Blocs[j].x(), y);
      FMains[j][c]->move(g.Blocs[j].x() + 24, y + (FSymboles[j][c]->height() - QFontMetrics(PoliceMain()).height()) / 2);
    }
  }
  for (TJoueur j : TousLesJoueurs) {
    const int gauche = g.Xcol[j];
    const int droite = g.Xcol[j + 1];
    FTitres[j]->move(gauche + (droite - gauche - FTitres[j]->width()) / 2, g.t);
  }
  FTitreCommentaire->move(g.l, g.c);
  const int hautCommentaire = g.c + FTitreCommentaire->height() + g.m;
  FCommentaire->setGeometry(g.l, hautCommentaire, W - 2 * g.m, g.YBoutons - 16 - hautCommentaire);
  FStop->move(g.XBoutons[0], g.YBoutons);
  FRejouer->move(g.XBoutons[1], g.YBoutons);
  FSuivante->move(g.XBoutons[2], g.YBoutons);
  // Under the header band, on the right, away from the choices that end the screen.
  bExportPbn_->move(W - g.m - LargeurBouton, 48);
  update();
}

void TFinDonne1024::Prepare(const TContenuFinDonne& contenu) {
  FContenu = contenu;
  FDonne->setText(Texte(contenu.Donne));
  FDonne->adjustSize();
  for (TJoueur j : TousLesJoueurs) {
    for (T4Couleur c : ToutesLesCouleurs) {
      FMains[j][c]->setText(Texte(contenu.Diagramme[j][c]));
      FMains[j][c]->adjustSize();
      FMains[j][c]->show();
    }
  }
  for (QWidget* w : {static_cast<QWidget*>(FDebut), static_cast<QWidget*>(FEntameTexte),
                     static_cast<QWidget*>(FFin), FEllipse}) {
    w->hide();
  }
  VideEncheres();
}

void TFinDonne1024::VideEncheres() {
  for (std::size_t i = 0; i < FCellules.size(); ++i) {
    FCellules[i]->clear();
    FCellules[i]->hide();
    FImages[i]->clear();
    FImages[i]->hide();
  }
  for (std::size_t n = 0; n < 4; ++n) {
    FNotes[n]->clear();
    FNotes[n]->hide();
    FAlertes[n]->clear();
    FAlertes[n]->hide();
  }
}

void TFinDonne1024::Remplit(const TDocumentRtf& resume, const TVisibiliteFinDonne& visible) {
  FCommentaire->ChargeDocument(resume);
  FCommentaire->FixeTailleUniforme(TaillePoliceCommentaire(FZoneTravail.width(), FZoneTravail.height()));
  FCommentaire->verticalScrollBar()->setValue(0);

  FDonneur->setText(Texte(FContenu.Donneur));
  FVuln->setText(Texte(FContenu.Vulnerabilite));
  FDonneur->adjustSize();
  FVuln->adjustSize();
  FTheme->setText(Texte(FContenu.Theme));
  FForce->setText(Texte(FContenu.Force));
  FTheme->adjustSize();
  FForce->adjustSize();
  FLTheme->setVisible(visible.Theme);
  FTheme->setVisible(visible.Theme);
  FLForce->setVisible(visible.Force);
  FForce->setVisible(visible.Force);

  EcritEncheres();
  EntoureEntame();
  FAction = acSuivante;
  FSuivante->setFocus(Qt::OtherFocusReason);
  update();
}

void TFinDonne1024::EcritEncheres() {
  VideEncheres();
  const TGeometrieFinDonne& g = FGeometrie;
  const int largeurColonne = g.LargeurColonne();
  int derniereRangee = 0;
  for (const TCelluleEnchere& cellule : FContenu.Encheres.Cellules) {
    if (cellule.Ligne < 1 || cellule.Ligne > NbLignesGrilleEncheres) continue;
    const std::size_t i = static_cast<std::size_t>(4 * (cellule.Ligne - 1) + cellule.Colonne);
    QLabel* texte = FCellules[i];
    texte->setText(Texte(cellule.Texte));
    texte->adjustSize();
    const int largeur = texte->width() + (cellule.Symbole ? FLargeurCouleur : 0);
    const int x = g.Xcol[cellule.Colonne] + (largeurColonne - largeur) / 2;
    const int y = g.YRangee(cellule.Ligne);
    texte->move(x, y);
    texte->show();
    int fin = x + texte->width();
    if (cellule.Symbole) {
      QLabel* image = FImages[i];
      image->setPixmap(ImageSymbole(990 + *cellule.Symbole));
      image->adjustSize();
      image->move(fin, y + (texte->height() - image->height()) / 2);
      image->show();
      fin += image->width();
    }
    if (cellule.Marque >= 1 && cellule.Marque <= NbMarquesAlertes) {
      QLabel* note = FNotes[static_cast<std::size_t>(cellule.Marque - 1)];
      note->setText(Texte(cellule.TexteMarque()));
      note->adjustSize();
      note->move(fin + 1, y - 1);
      note->show();
    }
    derniereRangee = std::max(derniereRangee, cellule.Ligne);
  }
  // A long auction would run into the first alert line: the lines then
  // start below its last row.
  const int decalage = std::max(0, g.YRangee(derniereRangee) + 26 - g.YAlerte(1));
  for (std::size_t n = 0; n < 4; ++n) {
    const std::string& ligne = FContenu.Encheres.LignesAlertes[n];
    if (ligne.empty()) continue;
    FAlertes[n]->setText(Texte(ligne));
    FAlertes[n]->adjustSize();
    FAlertes[n]->move(g.a, g.YAlerte(static_cast<int>(n) + 1) + decalage);
    FAlertes[n]->show();
  }
}

void TFinDonne1024::EntoureEntame() {
  FDebut->hide();
  FEntameTexte->hide();
  FFin->hide();
  FEllipse->hide();
  if (!FContenu.EntameDecoupee || !FContenu.Entame.EstReelle()) return;
  const TEntameDecoupee& e = *FContenu.EntameDecoupee;
  QLabel* ligne = FMains[jrOuest][FContenu.Entame.c];
  ligne->hide();
  // The listing's leading blank keeps the lead in line with the other suits.
  const QFontMetrics fm(PoliceMain());
  int x = ligne->x() + fm.horizontalAdvance(QLatin1Char(' '));
  // A little room on each side of the lead, so that the circle touches
  // neither neighbour.
  constexpr int Marge = 3;
  const std::array<std::pair<QLabel*, const std::string*>, 3> parties{
      {{FDebut, &e.Debut}, {FEntameTexte, &e.Entame}, {FFin, &e.Fin}}};
  for (const auto& [partie, texte] : parties) {
    partie->setText(Texte(*texte));
    partie->adjustSize();
    partie->move(x, ligne->y());
    partie->show();
    if (!texte->empty()) x += partie->width() + Marge;
  }
  const int largeurTexte = FEntameTexte->width();
  const int largeur = std::max(e.Entame == "10" ? 32 : 22, largeurTexte + 10);
  FEllipse->setGeometry(FEntameTexte->x() - 5, ligne->y() - 4, largeur, FEntameTexte->height() + 8);
  FEllipse->show();
  FEllipse->raise();
}

int TFinDonne1024::Montre(const TDocumentRtf& resume, const TVisibiliteFinDonne& visible) {
  Remplit(resume, visible);
  exec();
  return FAction;
}

void TFinDonne1024::Termine(int action) {
  FAction = action;
  accept();
}

void TFinDonne1024::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawTiledPixmap(rect(), FTapis);
  const TGeometrieFinDonne& g = FGeometrie;
  // Light panels under the diagram and the auction.
  const QColor panneau(255, 255, 255, 60);
  const QColor bord(46, 90, 46, 160);
  p.setPen(QPen(bord, 1));
  p.setBrush(panneau);
  p.drawRoundedRect(QRectF(g.l - 4, g.t - 8, g.dw + 4, g.dh + 8), 10, 10);
  p.drawRoundedRect(QRectF(g.a, g.t - 8, g.W - g.m - g.a, g.dh + 8), 10, 10);
  // The compass in the middle of the diagram.
  const int cote = std::min(g.cw, g.rh) * 4 / 5;
  const QRectF centre(g.l + g.cw + (g.cw - cote) / 2.0, g.t + g.rh + (g.rh - cote) / 2.0, cote, cote);
  p.setBrush(QColor(0, 66, 0, 200));
  p.setPen(QPen(QColor(200, 160, 0), 2));
  p.drawRoundedRect(centre, 6, 6);
  p.setFont(PoliceEnPixels(QStringLiteral("Verdana"), std::max(11, cote / 6), true));
  p.setPen(QColor(CouleurJaune));
  const qreal d = cote / 4.0;
  p.drawText(QRectF(centre.left(), centre.top(), cote, d * 1.3), Qt::AlignCenter, QStringLiteral("N"));
  p.drawText(QRectF(centre.left(), centre.bottom() - d * 1.3, cote, d * 1.3), Qt::AlignCenter, QStringLiteral("S"));
  p.drawText(QRectF(centre.left(), centre.top(), d * 1.3, cote), Qt::AlignCenter, QStringLiteral("O"));
  p.drawText(QRectF(centre.right() - d * 1.3, centre.top(), d * 1.3, cote), Qt::AlignCenter, QStringLiteral("E"));
  // A separator under the auction titles.
  p.setPen(QPen(bord, 1));
  p.drawLine(g.Xcol[0], g.t + 22, g.Xcol[4], g.t + 22);
  // The window's edge: maroon with a gold thread.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(CouleurMarron), 6));
  p.drawRect(QRectF(rect()).adjusted(3, 3, -3, -3));
  p.setPen(QPen(QColor(200, 160, 0), 1));
  p.drawRect(QRectF(rect()).adjusted(6.5, 6.5, -6.5, -6.5));
}

}  // namespace kalvo
