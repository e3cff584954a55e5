// The settings dialog and its three small dialogs, the comment and warning
// windows, the reviews of the sample deal (auction, last trick, "Le
// point"), the deal number, the information box and two pages of the help.
#include "tools/kalvo-ecrans/Commandes.h"
#include "tools/kalvo-ecrans/Exemple.h"
#include "tools/kalvo-ecrans/Images.h"

#include "control/RevueEncheres.h"
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
#include "table/ReglagesDlg.h"

#include <QRadioButton>
#include <QTextBrowser>

namespace kalvo::ecrans {

namespace {

const QRect Table(0, 0, 1280, 1024);

// The sample's auction as if West had dealt: the same calls from West's
// column, for a review whose first row starts there.
TRevueEncheres RevueOuverteParOuest(const TDonneAffichee& donne) {
  TDonne fiche;
  fiche.SetDonneur(jrOuest);
  fiche.SetVulnerabilite(donne.Vulnerabilite);
  int ligne = 1;
  TJoueur joueur = jrOuest;
  for (const TAppel& appel : donne.Encheres) {
    fiche.SetEnchere(ligne, joueur, appel.Enchere);
    joueur = JoueurSuivant(joueur);
    if (joueur == jrSud) ++ligne;
  }
  fiche.SetEnchere(ligne, joueur, TEnchere{NiveauFinEncheres, 0, 0});
  TRevueEncheres revue = LitRevueEncheres(fiche);
  // The explanations are the sample's own, whatever the record above holds.
  for (TExplicationRevue& e : revue.Explications)
    e.Texte = "(" + std::to_string(e.Alerte) + ") " + donne.Alertes[static_cast<std::size_t>(e.Alerte - 1)];
  return revue;
}

}  // namespace

bool ImagesReglages(const QDir& sortie, const TExemple& exemple) {
  bool ok = true;
  const auto ecrit = [&](QWidget& w, const char* nom) { ok &= Ecrit(Photo(w), sortie, QString::fromLatin1(nom)); };
  const TDonneAffichee& donne = exemple.Donne();

  TErreurDlg commentaire;
  commentaire.Prepare(QString::fromStdString(exemple.Commentaire(1)), Table);
  ecrit(commentaire, "commentaire.png");

  TFErreur avertissement;
  avertissement.Prepare(QStringLiteral("Il faut encaisser les Cœurs maîtres !"), Table);
  ecrit(avertissement, "avertissement.png");
  TFErreur verdict;
  verdict.Prepare(QString::fromStdString(exemple.VerdictImprevu()), Table);
  ecrit(verdict, "analyse-carte-imprevue.png");

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
  encheres.PrepareRevueEncheres(donne.Revue, donne.Numero);
  ecrit(encheres, "encheres.png");
  encheres.PrepareRevueEncheres(RevueOuverteParOuest(donne), donne.Numero);
  ecrit(encheres, "encheres-ouest.png");

  // The last trick of the sample's play: the ace of hearts wins the third.
  TFLastL levee;
  const TLeveeJouee& derniere = exemple.Levees().back();
  std::array<int, 4> cartes{};
  TJoueur joueur = derniere.Entameur;
  for (TCard carte : derniere.Cartes) {
    cartes[joueur] = IndexCarte(carte);
    joueur = JoueurSuivant(joueur);
  }
  levee.SetLevee(cartes);
  ecrit(levee, "derniere-levee.png");

  TFPoint point;
  point.ChargePoint(donne.Point);
  ecrit(point, "le-point.png");

  TDonneDlg numero;
  numero.MaxVal = 24;
  numero.ND->SetValue(7);
  ecrit(numero, "donne-numero.png");

  ecrit(infos, "informations.png");

  aide.Ouvre();
  ecrit(aide, "aide-sommaire.png");
  aide.Navigateur->setSource(QUrl(QStringLiteral("qrc:/aide/jouer.html")));
  ecrit(aide, "aide-jouer.png");
  return ok;
}

}  // namespace kalvo::ecrans
