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
  tapis_ = TextureTapis(QColor(CouleurTapisDefaut));
  largeurCouleur_ = ImageSymbole(990).width();
  CreeEnTete();
  CreeDiagramme();
  CreeEncheres();
  CreeCommentaireEtBoutons();
  const QScreen* ecran = QGuiApplication::primaryScreen();
  Dimensionne(ecran ? ecran->availableGeometry() : QRect(0, 0, 1024, 768));
}

void TFinDonne1024::CreeEnTete() {
  bandeau_ = new QWidget(this);
  FondUni(bandeau_, QColor(CouleurVertFonce));
  const QFont legende = PoliceTitre();
  const QFont valeur = PoliceEnPixels(QStringLiteral("Verdana"), 16, true);
  const std::array<const char*, 3> textes{"Donne", "Donneur", "Vulnérabilité"};
  const std::array<const char*, 3> noms{"LabelDonne", "LabelDonneur", "LabelVuln"};
  for (std::size_t i = 0; i < 3; ++i) {
    FLegendes[i] = Etiquette(QString::fromLatin1(noms[i]), legende, CouleurJaune, bandeau_);
    FLegendes[i]->setText(QString::fromUtf8(textes[i]));
  }
  donne_ = Etiquette(QStringLiteral("LDonne"), valeur, CouleurValeurBandeau, bandeau_);
  donneur_ = Etiquette(QStringLiteral("LDonneur"), valeur, CouleurValeurBandeau, bandeau_);
  vuln_ = Etiquette(QStringLiteral("LVuln"), valeur, CouleurValeurBandeau, bandeau_);

  libelleTheme_ = Etiquette(QStringLiteral("LTheme"), PoliceTexteGras(), CouleurVertFonce, this);
  libelleTheme_->setText(QStringLiteral("Thème"));
  theme_ = Etiquette(QStringLiteral("Theme"), PoliceTexte(), CouleurTexteTapis, this);
  libelleForce_ = Etiquette(QStringLiteral("LForce"), PoliceTexteGras(), CouleurVertFonce, this);
  libelleForce_->setText(QStringLiteral("Force"));
  force_ = Etiquette(QStringLiteral("Force"), PoliceTexte(), CouleurTexteTapis, this);
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
      mains_[j][c] = Etiquette(QStringLiteral("C") + nom, PoliceMain(), CouleurTexteTapis, this);
    }
  }
  debut_ = Etiquette(QStringLiteral("stDebut"), PoliceMain(), CouleurTexteTapis, this);
  entameTexte_ = Etiquette(QStringLiteral("stEntame"), PoliceMain(), CouleurEntame, this);
  fin_ = Etiquette(QStringLiteral("stFin"), PoliceMain(), CouleurTexteTapis, this);
  ellipse_ = new TEllipseEntame(this);
  ellipse_->setObjectName(QStringLiteral("Entame"));
  for (QWidget* w : {static_cast<QWidget*>(debut_), static_cast<QWidget*>(entameTexte_),
                     static_cast<QWidget*>(fin_), ellipse_}) {
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
  for (std::size_t i = 0; i < cellules_.size(); ++i) {
    cellules_[i] = Etiquette(QStringLiteral("L%1").arg(i + 1), PoliceAppel(), CouleurTexteTapis, this);
    images_[i] = new QLabel(this);
    images_[i]->setObjectName(QStringLiteral("I%1").arg(i + 1));
  }
  for (std::size_t n = 0; n < 4; ++n) {
    notes_[n] = Etiquette(QStringLiteral("Note%1").arg(n + 1), PoliceEnPixels(QStringLiteral("Verdana"), 13, true),
                          CouleurAlertes, this);
    alertes_[n] = Etiquette(QStringLiteral("A%1").arg(n + 1), PoliceEnPixels(QStringLiteral("Trebuchet MS"), 14),
                            CouleurAlertes, this);
  }
  VideEncheres();
}

void TFinDonne1024::CreeCommentaireEtBoutons() {
  titreCommentaire_ = Etiquette(QStringLiteral("TitreCommentaireJeu"), PoliceTitre(), CouleurVertFonce, this);
  titreCommentaire_->setText(QStringLiteral("Jeu de la carte"));
  titreCommentaire_->adjustSize();
  commentaire_ = new VisionneuseRtf(this);
  commentaire_->setObjectName(QStringLiteral("RECoup"));
  commentaire_->setFocusPolicy(Qt::NoFocus);
  commentaire_->setStyleSheet(QStringLiteral(
      "QTextBrowser { background: #e8ffe8; border: 1px solid #2e5a2e; border-radius: 6px; padding: 4px 8px; }"));

  struct TBouton {
    QPushButton** bouton;
    const char* texte;
    const char* nom;
    int tag;
  };
  for (const TBouton& b : {TBouton{&stop_, "Arrêter", "BStop", acArreter},
                           TBouton{&rejouer_, "Rejouer la donne", "BRejouer", acRejouer},
                           TBouton{&suivante_, "Suivante", "BSuivante", acSuivante}}) {
    *b.bouton = NouveauBouton(QString::fromUtf8(b.texte), this, LargeurBouton);
    (*b.bouton)->setObjectName(QString::fromLatin1(b.nom));
    (*b.bouton)->setFixedSize(LargeurBouton, HauteurBouton);
    const int tag = b.tag;
    connect(*b.bouton, &QPushButton::clicked, this, [this, tag] { Termine(tag); });
  }
  suivante_->setDefault(true);
  bExportPbn_ = NouveauBouton(QStringLiteral("Exporter (PBN)…"), this, LargeurBouton);
  bExportPbn_->setObjectName(QStringLiteral("BExportPbn"));
  bExportPbn_->setFixedSize(LargeurBouton, HauteurBouton);
  bExportPbn_->setEnabled(false);
  connect(bExportPbn_, &QPushButton::clicked, this, [this] { ExportePbn(); });
  bRevoir_ = NouveauBouton(QStringLiteral("Revoir le jeu"), this, LargeurBouton);
  bRevoir_->setObjectName(QStringLiteral("BRevoirJeu"));
  bRevoir_->setFixedSize(LargeurBouton, HauteurBouton);
  bRevoir_->setEnabled(false);
  connect(bRevoir_, &QPushButton::clicked, this, [this] { Termine(acRevoir); });
}

void TFinDonne1024::PrepareRevue(bool disponible) { bRevoir_->setEnabled(disponible); }

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
  const QString nom = QStringLiteral("donne-%1.pbn").arg(QString::fromStdString(contenu_.Donne));
  const QString chemin = QFileDialog::getSaveFileName(this, QStringLiteral("Exporter la donne (PBN)"), nom,
                                                      QStringLiteral("Donnes PBN (*.pbn)"));
  if (chemin.isEmpty()) return;
  QString erreur;
  if (!EnregistrePbn(chemin, erreur)) QMessageBox::warning(this, QStringLiteral("Kalvo !"), erreur);
}

void TFinDonne1024::Dimensionne(const QRect& zoneTravail) {
  zoneTravail_ = zoneTravail;
  const QRect fenetre = RectFenetreFinDonne(zoneTravail);
  setGeometry(fenetre);
  setFixedSize(fenetre.size());
  const int W = fenetre.width();
  const int H = fenetre.height();

  // Header band, then the theme and strength lines under it.
  bandeau_->setGeometry(0, 0, W, 40);
  const std::array<int, 3> xLegendes{14, W / 3, 2 * W / 3 - 20};
  const std::array<QLabel*, 3> valeurs{donne_, donneur_, vuln_};
  for (std::size_t i = 0; i < 3; ++i) {
    FLegendes[i]->adjustSize();
    FLegendes[i]->move(xLegendes[i], (40 - FLegendes[i]->height()) / 2);
    valeurs[i]->move(FLegendes[i]->geometry().right() + 12, FLegendes[i]->y());
  }
  libelleTheme_->adjustSize();
  libelleForce_->adjustSize();
  libelleTheme_->move(12, 52);
  libelleForce_->move(12, 52 + libelleTheme_->height() + 6);
  theme_->move(libelleTheme_->geometry().right() + 1 + 8, libelleTheme_->y());
  force_->move(libelleForce_->geometry().right() + 1 + 8, libelleForce_->y());
  force_->setText(QStringLiteral("4"));
  force_->adjustSize();

  geometrie_ = GeometrieFinDonne(W, H, force_->y() + force_->height(), LargeurBouton, HauteurBouton);
  const TGeometrieFinDonne& g = geometrie_;
  for (TJoueur j : TousLesJoueurs) {
    for (T4Couleur c : ToutesLesCouleurs) {
      const int ligne = clPique - c;  // spades on top
      const int y = g.YCouleur(j, ligne);
      FSymboles[j][c]->move(g.Blocs[j].x(), y);
      mains_[j][c]->move(g.Blocs[j].x() + 24, y + (FSymboles[j][c]->height() - QFontMetrics(PoliceMain()).height()) / 2);
    }
  }
  for (TJoueur j : TousLesJoueurs) {
    const int gauche = g.Xcol[j];
    const int droite = g.Xcol[j + 1];
    FTitres[j]->move(gauche + (droite - gauche - FTitres[j]->width()) / 2, g.t);
  }
  titreCommentaire_->move(g.l, g.c);
  const int hautCommentaire = g.c + titreCommentaire_->height() + g.m;
  commentaire_->setGeometry(g.l, hautCommentaire, W - 2 * g.m, g.YBoutons - 16 - hautCommentaire);
  stop_->move(g.XBoutons[0], g.YBoutons);
  rejouer_->move(g.XBoutons[1], g.YBoutons);
  suivante_->move(g.XBoutons[2], g.YBoutons);
  // Under the header band, on the right, away from the choices that end the screen.
  bExportPbn_->move(W - g.m - LargeurBouton, 48);
  bRevoir_->move(W - g.m - LargeurBouton, 48 + HauteurBouton + 6);
  update();
}

void TFinDonne1024::Prepare(const TContenuFinDonne& contenu) {
  contenu_ = contenu;
  donne_->setText(Texte(contenu.Donne));
  donne_->adjustSize();
  for (TJoueur j : TousLesJoueurs) {
    for (T4Couleur c : ToutesLesCouleurs) {
      mains_[j][c]->setText(Texte(contenu.Diagramme[j][c]));
      mains_[j][c]->adjustSize();
      mains_[j][c]->show();
    }
  }
  for (QWidget* w : {static_cast<QWidget*>(debut_), static_cast<QWidget*>(entameTexte_),
                     static_cast<QWidget*>(fin_), ellipse_}) {
    w->hide();
  }
  VideEncheres();
}

void TFinDonne1024::VideEncheres() {
  for (std::size_t i = 0; i < cellules_.size(); ++i) {
    cellules_[i]->clear();
    cellules_[i]->hide();
    images_[i]->clear();
    images_[i]->hide();
  }
  for (std::size_t n = 0; n < 4; ++n) {
    notes_[n]->clear();
    notes_[n]->hide();
    alertes_[n]->clear();
    alertes_[n]->hide();
  }
}

void TFinDonne1024::Remplit(const TDocumentRtf& resume, const TVisibiliteFinDonne& visible) {
  commentaire_->ChargeDocument(resume);
  commentaire_->FixeTailleUniforme(TaillePoliceCommentaire(zoneTravail_.width(), zoneTravail_.height()));
  commentaire_->verticalScrollBar()->setValue(0);

  donneur_->setText(Texte(contenu_.Donneur));
  vuln_->setText(Texte(contenu_.Vulnerabilite));
  donneur_->adjustSize();
  vuln_->adjustSize();
  theme_->setText(Texte(contenu_.Theme));
  force_->setText(Texte(contenu_.Force));
  theme_->adjustSize();
  force_->adjustSize();
  libelleTheme_->setVisible(visible.Theme);
  theme_->setVisible(visible.Theme);
  libelleForce_->setVisible(visible.Force);
  force_->setVisible(visible.Force);

  EcritEncheres();
  EntoureEntame();
  action_ = acSuivante;
  suivante_->setFocus(Qt::OtherFocusReason);
  update();
}

void TFinDonne1024::EcritEncheres() {
  VideEncheres();
  const TGeometrieFinDonne& g = geometrie_;
  const int largeurColonne = g.LargeurColonne();
  int derniereRangee = 0;
  for (const TCelluleEnchere& cellule : contenu_.Encheres.Cellules) {
    if (cellule.Ligne < 1 || cellule.Ligne > NbLignesGrilleEncheres) continue;
    const std::size_t i = static_cast<std::size_t>(4 * (cellule.Ligne - 1) + cellule.Colonne);
    QLabel* texte = cellules_[i];
    texte->setText(Texte(cellule.Texte));
    texte->adjustSize();
    const int largeur = texte->width() + (cellule.Symbole ? largeurCouleur_ : 0);
    const int x = g.Xcol[cellule.Colonne] + (largeurColonne - largeur) / 2;
    const int y = g.YRangee(cellule.Ligne);
    texte->move(x, y);
    texte->show();
    int fin = x + texte->width();
    if (cellule.Symbole) {
      QLabel* image = images_[i];
      image->setPixmap(ImageSymbole(990 + *cellule.Symbole));
      image->adjustSize();
      image->move(fin, y + (texte->height() - image->height()) / 2);
      image->show();
      fin += image->width();
    }
    if (cellule.Marque >= 1 && cellule.Marque <= NbMarquesAlertes) {
      QLabel* note = notes_[static_cast<std::size_t>(cellule.Marque - 1)];
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
    const std::string& ligne = contenu_.Encheres.LignesAlertes[n];
    if (ligne.empty()) continue;
    alertes_[n]->setText(Texte(ligne));
    alertes_[n]->adjustSize();
    alertes_[n]->move(g.a, g.YAlerte(static_cast<int>(n) + 1) + decalage);
    alertes_[n]->show();
  }
}

void TFinDonne1024::EntoureEntame() {
  debut_->hide();
  entameTexte_->hide();
  fin_->hide();
  ellipse_->hide();
  if (!contenu_.EntameDecoupee || !contenu_.Entame.EstReelle()) return;
  const TEntameDecoupee& e = *contenu_.EntameDecoupee;
  QLabel* ligne = mains_[jrOuest][contenu_.Entame.c];
  ligne->hide();
  // The listing's leading blank keeps the lead in line with the other suits.
  const QFontMetrics fm(PoliceMain());
  int x = ligne->x() + fm.horizontalAdvance(QLatin1Char(' '));
  // A little room on each side of the lead, so that the circle touches
  // neither neighbour.
  constexpr int Marge = 3;
  const std::array<std::pair<QLabel*, const std::string*>, 3> parties{
      {{debut_, &e.Debut}, {entameTexte_, &e.Entame}, {fin_, &e.Fin}}};
  for (const auto& [partie, texte] : parties) {
    partie->setText(Texte(*texte));
    partie->adjustSize();
    partie->move(x, ligne->y());
    partie->show();
    if (!texte->empty()) x += partie->width() + Marge;
  }
  const int largeurTexte = entameTexte_->width();
  const int largeur = std::max(e.Entame == "10" ? 32 : 22, largeurTexte + 10);
  ellipse_->setGeometry(entameTexte_->x() - 5, ligne->y() - 4, largeur, entameTexte_->height() + 8);
  ellipse_->show();
  ellipse_->raise();
}

int TFinDonne1024::Montre(const TDocumentRtf& resume, const TVisibiliteFinDonne& visible) {
  Remplit(resume, visible);
  exec();
  return action_;
}

void TFinDonne1024::Termine(int action) {
  action_ = action;
  accept();
}

void TFinDonne1024::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.drawTiledPixmap(rect(), tapis_);
  const TGeometrieFinDonne& g = geometrie_;
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
