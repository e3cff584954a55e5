#include "table/RevueJeu.h"

#include "table/Carte1024.h"
#include "table/DecorTable.h"
#include "table/GeometrieTable.h"
#include "table/Jeu1024.h"
#include "table/Palette.h"
#include "table/Polices.h"
#include "table/StyleDialogues.h"

#include <QEventLoop>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QTextBrowser>

#include <algorithm>

namespace kalvo {

namespace {

constexpr int LargeurTitre = 520;
constexpr int LargeurBoutonRevue = 200;
constexpr int MargeFeutre = 24;  // inside the frame

QString Html(const std::string& texte) {
  return QString::fromStdString(texte).toHtmlEscaped().replace(QLatin1Char('\n'), QStringLiteral("<br>"));
}

// The hands stand as at the table: South spread, North in columns, the
// defenders on their sides.
constexpr TAffichageJeu AffichageRevue(TJoueur joueur) {
  return joueur == jrSud ? afjNormal : joueur == jrNord ? afjMort : afjCoteDecale;
}

}  // namespace

TRevueJeu::TRevueJeu(QWidget* parent) : QWidget(parent), tapis_(CouleurTapisDefaut) {
  setObjectName(QStringLiteral("RevueJeu"));
  setFocusPolicy(Qt::StrongFocus);
  texture_ = TextureTapis(tapis_);
  for (TJoueur j : TousLesJoueurs) {
    auto* jeu = new TJeu1024(this);
    jeu->SetJoueur(j);
    jeu->SetAffichage(AffichageRevue(j));
    jeux_[j] = jeu;
    auto* carte = new TCarte1024(this);
    carte->SetSens(true);
    carte->hide();
    cartes_[j] = carte;
  }
  titre_ = NouvelleEtiquette({}, PoliceTitre(), QColor(CouleurJaune), this);
  titre_->setObjectName(QStringLiteral("TitreRevue"));
  titre_->setAlignment(Qt::AlignCenter);
  detail_ = NouvelleEtiquette({}, PoliceTexteGras(), QColor(CouleurTexteTapis), this);
  detail_->setObjectName(QStringLiteral("DetailRevue"));
  detail_->setAlignment(Qt::AlignLeft | Qt::AlignTop);

  refus_ = new QTextBrowser(this);
  refus_->setObjectName(QStringLiteral("RefusRevue"));
  refus_->setFocusPolicy(Qt::NoFocus);
  refus_->setFont(PoliceTexte());
  refus_->setStyleSheet(QStringLiteral("QTextBrowser { background: rgba(232, 255, 232, 230); color: #102810;"
                                       " border: 2px solid #2e5a2e; border-radius: 8px; padding: 4px; }"));

  bPrecedente_ = NouveauBouton(QStringLiteral("◀ Levée précédente"), this, LargeurBoutonRevue);
  bSuivante_ = NouveauBouton(QStringLiteral("Levée suivante ▶"), this, LargeurBoutonRevue);
  bRetour_ = NouveauBouton(QStringLiteral("Retour au résumé"), this, LargeurBoutonRevue);
  bPrecedente_->setObjectName(QStringLiteral("BLeveePrecedente"));
  bSuivante_->setObjectName(QStringLiteral("BLeveeSuivante"));
  bRetour_->setObjectName(QStringLiteral("BRetourResume"));
  for (QPushButton* b : {bPrecedente_, bSuivante_, bRetour_}) b->setFocusPolicy(Qt::NoFocus);
  connect(bPrecedente_, &QPushButton::clicked, this, [this] { Precedente(); });
  connect(bSuivante_, &QPushButton::clicked, this, [this] { Suivante(); });
  connect(bRetour_, &QPushButton::clicked, this, [this] { Ferme(); });
  hide();
}

void TRevueJeu::Prepare(const TReleveJeu& releve) {
  releve_ = releve;
  parcours_ = TParcoursReleve(releve_.NbLevees());
}

void TRevueJeu::Montre(int setCartes, const QColor& tapis) {
  if (!Disponible() || boucle_ != nullptr) return;
  setCartes_ = setCartes;
  if (tapis != tapis_) {
    tapis_ = tapis;
    texture_ = TextureTapis(tapis_);
  }
  for (TJoueur j : TousLesJoueurs) {
    jeux_[j]->SetColor(tapis_);
    jeux_[j]->SetSetCartes(setCartes_);
    jeux_[j]->SetAtout(releve_.Atout());
    cartes_[j]->SetSetCartes(setCartes_);
    cartes_[j]->SetBackground(tapis_);
  }
  parcours_ = TParcoursReleve(releve_.NbLevees());
  if (parentWidget() != nullptr) setGeometry(parentWidget()->rect());
  Affiche();
  show();
  raise();
  setFocus(Qt::OtherFocusReason);
  QEventLoop boucle;
  boucle_ = &boucle;
  boucle.exec();
  boucle_ = nullptr;
  hide();
}

void TRevueJeu::Ferme() {
  if (boucle_ != nullptr) boucle_->quit();
}

bool TRevueJeu::Precedente() {
  if (!parcours_.Precedente()) return false;
  Affiche();
  return true;
}

bool TRevueJeu::Suivante() {
  if (!parcours_.Suivante()) return false;
  Affiche();
  return true;
}

void TRevueJeu::keyPressEvent(QKeyEvent* event) {
  event->accept();
  switch (event->key()) {
    case Qt::Key_Left: Precedente(); break;
    case Qt::Key_Right: Suivante(); break;
    case Qt::Key_Home:
      while (parcours_.Precedente()) {}
      Affiche();
      break;
    case Qt::Key_End:
      while (parcours_.Suivante()) {}
      Affiche();
      break;
    case Qt::Key_Escape: Ferme(); break;
    default: break;
  }
}

void TRevueJeu::Affiche() {
  const int n = parcours_.Levee();
  if (n < 1) return;
  const TLeveeReleve& levee = releve_.Levee(n);
  // The hands as dealt, less the cards of the tricks before this one.
  const TMainsReleve restes = releve_.MainsAuDebut(n);
  for (TJoueur j : TousLesJoueurs) {
    TValeurCartes valeurs{};
    for (int i = 1; i <= 13; ++i) {
      const TCard carte = releve_.Mains()(j, i);
      valeurs[static_cast<std::size_t>(i - 1)] = carte.EstReelle() ? static_cast<std::uint16_t>(IndexCarte(carte)) : 0;
    }
    jeux_[j]->SetJeu(valeurs);
    for (int i = 1; i <= 13; ++i) {
      const TCard carte = releve_.Mains()(j, i);
      if (carte.EstReelle() && std::find(restes[j].begin(), restes[j].end(), carte) == restes[j].end())
        jeux_[j]->SetCarteJouee(IndexCarte(carte));
    }
    jeux_[j]->SetVisible(true);
    const TCard jouee = levee.Cartes[j];
    cartes_[j]->setVisible(jouee.EstReelle());
    if (jouee.EstReelle()) cartes_[j]->SetValue(IndexCarte(jouee));
  }

  titre_->setText(QStringLiteral("Revoir le jeu — ") + QString::fromStdString(TitreLeveeReleve(n, parcours_.NbLevees())));
  QString detail = QStringLiteral("Entame : ") + QString::fromUtf8(NomsJoueurs[levee.Entameur].data()) +
                   QStringLiteral("\nGagnée par : ") + QString::fromUtf8(NomsJoueurs[levee.Gagnant].data());
  if (levee.JeuAuto) detail += QStringLiteral("\nJouée par « Jouer pour moi »");
  detail_->setText(detail);
  detail_->adjustSize();
  refus_->setHtml(TexteRefus());
  bPrecedente_->setEnabled(!parcours_.EstPremiere());
  bSuivante_->setEnabled(!parcours_.EstDerniere());
  Place();
  update();
}

QString TRevueJeu::TexteRefus() const {
  const int n = parcours_.Levee();
  const TLeveeReleve& levee = releve_.Levee(n);
  QString html = QStringLiteral("<p><b>Cartes refusées</b></p>");
  if (levee.Refus.empty()) html += QStringLiteral("<p>Aucune carte refusée à cette levée.</p>");
  for (const TRefusReleve& refus : levee.Refus) {
    html += QStringLiteral("<p><b>") + Html(TexteRefusReleve(refus)) + QStringLiteral("</b><br>");
    html += refus.Texte.empty() ? QStringLiteral("<i>Signalé par un bip, sans commentaire.</i>") : Html(refus.Texte);
    html += QStringLiteral("</p>");
  }
  const std::optional<TRevendicationReleve>& fin = releve_.Revendication();
  if (fin && parcours_.EstDerniere()) {
    html += QStringLiteral("<p><b>Le reste est revendiqué</b> : ") + QString::number(fin->LeveesNS) +
            QStringLiteral(" levées pour Nord-Sud, ") + QString::number(fin->LeveesEO) +
            QStringLiteral(" pour Est-Ouest.");
    if (!fin->Texte.empty()) html += QStringLiteral("<br>") + Html(fin->Texte);
    html += QStringLiteral("</p>");
  }
  return html;
}

void TRevueJeu::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  if (parcours_.Levee() >= 1) Place();
}

void TRevueJeu::Place() {
  const int W = width();
  const int H = height();
  for (TJoueur j : TousLesJoueurs) {
    TJeu1024* jeu = jeux_[j];
    jeu->move(PlaceJeu(j, W, H, QSize(jeu->Largeur(), jeu->Hauteur()), jeux_[jrOuest]->y()));
  }
  jeux_[jrSud]->raise();
  const TJeu1024* nord = jeux_[jrNord];
  const TCartesJoueesPlaces places =
      PlaceCartesJouees(W, setCartes_, cartes_[jrSud]->size(), jeux_[jrSud]->y(), nord->y() + nord->height());
  for (TJoueur j : TousLesJoueurs) cartes_[j]->move(places.Coins[j]);

  titre_->setGeometry((W - LargeurTitre) / 2, 0, LargeurTitre, 24);
  detail_->move(MargeFeutre, PlacesCadre(W, H)[ecFondHG].bottom() + 8);
  // The refusals in the lower right corner of the felt, clear of South and East.
  const TJeu1024* est = jeux_[jrEst];
  const TJeu1024* sud = jeux_[jrSud];
  const int gauche = std::max(W * 2 / 3, sud->x() + sud->width() + 16);
  const int haut = std::max(H / 2, est->y() + est->height() + 12);
  const int bas = H - HauteurBas - 10;
  refus_->setGeometry(gauche, haut, std::max(160, W - MargeFeutre - gauche), std::max(120, bas - haut));

  const TRangeeBoutons rangee = RangeeBoutons(W, H);
  const int y = rangee.Boutons[0].y();
  const int h = rangee.Boutons[0].height();
  const int ecart = 24;
  int x = (W - 3 * LargeurBoutonRevue - 2 * ecart) / 2;
  for (QPushButton* b : {bPrecedente_, bSuivante_, bRetour_}) {
    b->setGeometry(x, y, LargeurBoutonRevue, h);
    x += LargeurBoutonRevue + ecart;
  }
}

void TRevueJeu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), QBrush(texture_));
  DessineCadre(p, width(), height());
}

}  // namespace kalvo
