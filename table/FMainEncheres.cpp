// The auction replayed on the table: the board, the four bidding rows
// filled call by call at the chosen speed, and the alert boxes.
#include "table/FMain.h"

#include "table/Bids1024.h"
#include "table/Etui1024.h"
#include "table/Pause.h"
#include "table/Polices.h"

#include <QPainter>

namespace kalvo {

void TFMain::RejoueEncheres(int vitesse) {
  if (!donne_) return;
  const TDonneAffichee& donne = *donne_;
  AfficheMarques({});

  const int k = SetCartes();
  Etui->Vulnerabilite = donne.Vulnerabilite;
  Etui->Donneur = donne.Donneur;
  Etui->NumeroDonne = donne.Numero;
  Etui->SetColor(CouleurTapis);
  Etui->SetDimension(k);
  Etui->SetVisible(true);
  Etui->move(kalvo::PlaceEtui(width(), height(), Etui->Cote()));
  Etui->update();

  std::array<QSize, 4> tailles{};
  for (TJoueur j : TousLesJoueurs) {
    BidsSurTable[j]->SetColor(CouleurTapis);
    BidsSurTable[j]->SetDimension(k);
    tailles[j] = QSize(BidsSurTable[j]->Largeur(), BidsSurTable[j]->Hauteur());
  }
  const QRect etui(Etui->pos(), QSize(Etui->Cote(), Etui->Cote()));
  const std::array<QPoint, 4> coins =
      kalvo::PlaceBids(etui, width(), tailles, BidsSurTable[jrSud]->Hauteur(), EcartBidsEncheres);
  for (TJoueur j : TousLesJoueurs) BidsSurTable[j]->move(coins[j]);
  alertes_.clear();
  update();

  const int pauseAppel = std::max(0, vitesse) * 500;
  const int pausePasse = std::max(0, vitesse) * 100;
  TJoueur joueur = donne.Donneur;
  for (const TAppel& appel : donne.Encheres) {
    joueur = appel.Joueur;
    const TEnchere& e = appel.Enchere;
    TBids1024* rangee = BidsSurTable[joueur];
    rangee->SetBid(e.Niveau, e.Couleur);
    rangee->SetVisible(true);
    if (e.Alerte >= 1 && e.Alerte <= NbAlertes) {
      TBids1024* partenaire = BidsSurTable[Partenaire(joueur)];
      partenaire->SetBid(0, 4);
      partenaire->SetVisible(true);
      const int n = static_cast<int>(alertes_.size()) + 1;
      alertes_.push_back({n, e.Niveau, e.Couleur, QString::fromStdString(donne.Alertes[e.Alerte - 1U])});
      update(RectAlerte(n).adjusted(-1, -1, 2, 2));
    }
    Pause(pauseAppel, TEntreesPause::Retenues);
    joueur = JoueurSuivant(joueur);
  }
  // The three passes that close the auction, from the player after the last call.
  for (int i = 0; i < 3; ++i) {
    BidsSurTable[joueur]->SetBid(0, 1);
    BidsSurTable[joueur]->SetVisible(true);
    Pause(pausePasse, TEntreesPause::Retenues);
    joueur = JoueurSuivant(joueur);
  }
}

void TFMain::DessineAlerte(QPainter& p, const TAlerteAffichee& alerte) const {
  const QRect cadre = RectAlerte(alerte.Numero);
  int x = cadre.x();
  const int y = cadre.y();
  p.save();
  p.setRenderHint(QPainter::Antialiasing, false);
  p.setPen(QPen(Qt::black));
  p.setBrush(palette().color(QPalette::ToolTipBase));
  p.drawRoundedRect(QRect(x, y, cadre.width(), cadre.height()), 4, 4);

  x = 30;
  p.setFont(PoliceEnPoints(QStringLiteral("Tahoma"), 11));
  p.setPen(Qt::black);
  const QString deuxPoints = QStringLiteral(": ");
  if (alerte.Niveau == 0) {
    const QString appel = alerte.Couleur == 1 ? QStringLiteral("Passe") : alerte.Couleur == 2 ? QStringLiteral("X") : QStringLiteral("XX");
    EcritTexteAlerte(p, x, y, appel + deuxPoints + alerte.Texte);
    p.restore();
    return;
  }
  const QString niveau = QString::number(alerte.Niveau);
  EcritTexteAlerte(p, x, y, niveau);
  x += p.fontMetrics().horizontalAdvance(niveau) + 2;
  if (alerte.Couleur == clSA) {
    const QString sa = QStringLiteral("SA");
    EcritTexteAlerte(p, x, y, sa);
    x += p.fontMetrics().horizontalAdvance(sa) + 3;
  } else if (EstCouleurReelle(alerte.Couleur)) {
    static constexpr std::array<char16_t, 4> symboles{u'\u2663', u'\u2666', u'\u2665', u'\u2660'};
    const QString symbole(QChar(symboles[static_cast<std::size_t>(alerte.Couleur)]));
    const bool rouge = alerte.Couleur == clCarreau || alerte.Couleur == clCoeur;
    p.setFont(PoliceEnPoints(FamilleSymboles(), 13));
    p.setPen(rouge ? QColor(255, 0, 0) : QColor(Qt::black));
    p.drawText(QRect(x, y + 4, 40, 30), Qt::AlignLeft | Qt::AlignTop, symbole);
    x += p.fontMetrics().horizontalAdvance(symbole) + 3;
    p.setFont(PoliceEnPoints(QStringLiteral("Times New Roman"), 11));
    p.setPen(Qt::black);
  }
  EcritTexteAlerte(p, x, y, deuxPoints + alerte.Texte);
  p.restore();
}

void TFMain::EcritTexteAlerte(QPainter& p, int x, int y, const QString& texte) const {
  QFont police = p.font();
  police.setBold(true);
  police.setPixelSize((11 * 96 + 36) / 72);
  p.setFont(police);
  p.drawText(QRect(x, y + 6, width() - x, 40), Qt::AlignLeft | Qt::AlignTop, texte);
}

}  // namespace kalvo
