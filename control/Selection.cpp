// Which deal is played: stepping through the deals, the "# donne" dialog,
// the window title and the random order of the deals.
#include "control/Controleur.h"

namespace kalvo {

void TControleur::ChangeDonne(int sens) {
  CacheTable();
  etat_.InJeu = etat_.FinEncheres = etat_.InEncheres = etat_.JeuAutomatique = false;
  MontreBouton(bjPoint, false);
  MontreJeuAuto(false);
  const TPasDonne pas = PasSelection(sens);
  reglages_.DonneActuelle = pas.Donne;
  if (!pas.Message.empty()) ecran_.AfficheMessage(pas.Message);
}

// The deal previous/next lead to under the order and filter of the
// settings. In random order, a filter other than the last one draws the
// order again, so that each choice of deals gets its own walk.
TPasDonne TControleur::PasSelection(int sens) {
  const TChoixDonnes choix = ChoixDonnes(Reglages());
  if (choixVu_ && choix != *choixVu_) {
    const bool memeFiltre = choix.TypeDonnes == choixVu_->TypeDonnes && choix.NumeroTheme == choixVu_->NumeroTheme &&
                            choix.ForceChoisie == choixVu_->ForceChoisie &&
                            choix.ScoreInferieurA == choixVu_->ScoreInferieurA;
    if (choix.Aleatoire && !memeFiltre) TireOrdreAleatoire();
  }
  choixVu_ = choix;
  return DonneVoisine(choix, catalogue_, reglages_.ScoresJeu, OrdreAleatoire_, reglages_.DonneActuelle, sens);
}

std::string TControleur::TitreDonne(int n, bool avecContrat) const {
  std::string titre = TeteTitre(configuration_.Emplacement.FichierDonnes) + " - Donne " + std::to_string(n) + " [" +
                      std::to_string(volume_[n]) + "]";
  if (avecContrat && donneLue_) {
    titre += " - Contrat : " + std::to_string(donne_.Donne.NiveauContrat()) + " " +
             std::string(NomsCouleurs[donne_.Donne.Atout()]);
  }
  return titre;
}

void TControleur::AfficheTitre(int n, bool avecContrat) { ecran_.AfficheTitre(TitreDonne(n, avecContrat)); }

void TControleur::TireOrdreAleatoire() {
  const int n = NbDonnes();
  OrdreAleatoire_.resize(static_cast<std::size_t>(n));
  for (int i = 0; i < n; ++i) OrdreAleatoire_[static_cast<std::size_t>(i)] = i + 1;
  if (n == 0) return;
  std::uniform_int_distribution<int> position(0, n - 1);
  for (int k = 0; k < 1000; ++k)
    std::swap(OrdreAleatoire_[static_cast<std::size_t>(position(alea_))],
              OrdreAleatoire_[static_cast<std::size_t>(position(alea_))]);
}

void TControleur::Navigue(int sens) {
  if (!actif_ || !etat_.Boutons[bjNavigation]) return;
  // No deal to go to: the deal being played goes on, untouched.
  if (const TPasDonne pas = PasSelection(sens); !pas.Message.empty()) {
    ecran_.AfficheMessage(pas.Message);
    return;
  }
  ChangeDonne(sens);
  DemarreDonne();
}

void TControleur::Precedente1Click() {
  Execute(TDifferable::Oui, [this] { Navigue(-1); });
}

void TControleur::Suivante1Click() {
  Execute(TDifferable::Oui, [this] { Navigue(+1); });
}

void TControleur::Jouer2Click() {
  Execute(TDifferable::Oui, [this] {
    if (actif_ && etat_.Boutons[bjStart]) DemarreDonne();
  });
}

void TControleur::NumDonne1Click() {
  Execute(TDifferable::Oui, [this] {
    if (!actif_ || !etat_.Boutons[bjNavigation]) return;
    if (const std::optional<int> valeur = ecran_.DemandeNumeroDonne(NbDonnes(), DonneActuelle())) ChoisitDonne(*valeur);
  });
}

void TControleur::NumDonne1Click(int valeur) {
  Execute(TDifferable::Oui, [this, valeur] {
    if (actif_ && etat_.Boutons[bjNavigation]) ChoisitDonne(valeur);
  });
}

// The chooser: every deal with its marks and attempts; the deal chosen is
// played at once, like one typed in "# donne".
void TControleur::ChoixDonneClick() {
  Execute(TDifferable::Oui, [this] {
    if (!actif_ || !etat_.Boutons[bjNavigation]) return;
    const std::vector<TTentative> tentatives = carnet_ != nullptr ? carnet_->Tentatives() : std::vector<TTentative>{};
    const TListeDonnes liste = ListeDonnes(catalogue_, volume_, reglages_.ScoresJeu, reglages_.ScoresQuestions,
                                           tentatives, SeuilARevoir(Reglages()), DonneActuelle(), carnet_ != nullptr);
    if (const std::optional<int> valeur = ecran_.MontreChoixDonnes(liste)) ChoisitDonne(*valeur);
  });
}

// "À revoir" on one theme, with the threshold already chosen if there is
// one: previous and next then walk through that theme's weak deals.
void TControleur::RevoirTheme(int theme) {
  Execute(TDifferable::Oui, [this, theme] {
    if (theme < 1 || theme >= NbThemes) return;
    TReglages& r = Reglages();
    r.ScoreInferieurA = SeuilARevoir(r);
    r.TypeDonnes = tdARevoir;
    r.NumeroTheme = theme;
    r.ForceChoisie = -1;
  });
}

// A number outside the database leaves the deal and the table as they were.
void TControleur::ChoisitDonne(int valeur) {
  if (valeur < 1 || valeur > NbDonnes()) return;
  CacheTable();
  etat_.InJeu = etat_.FinEncheres = etat_.InEncheres = etat_.JeuAutomatique = false;
  reglages_.DonneActuelle = valeur;
  DemarreDonne();
}

}  // namespace kalvo
