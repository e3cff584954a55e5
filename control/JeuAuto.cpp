// "Jouer pour moi": the deal's complete play, trick by trick, with nothing
// judged, no mark changed and no question asked.
#include "control/Controleur.h"

#include "control/Sablier.h"

namespace kalvo {

void TControleur::BJeuAutoClick() {
  Execute(TDifferable::Oui, [this] {
    TEtatControleur& e = etat_;
    if (!e.InJeu || !e.Boutons[bjJeuAuto] || e.LeveeComplete || e.Levee < 1 || e.Levee > NbLeveesJeuComplet) return;
    MontreJeuAuto(false);
    e.JeuAutomatique = true;
    releve_.NoteJeuAuto(e.Levee);
    tentative_.JouePourMoi = true;
    e.PeutJouerDirectement = false;
    e.JoueurActuel = e.Entameur;
    SignaleRegime();
    JoueLeveeAuto(e.Levee);
  });
}

// Plays what is left of trick `levee` from the complete play: the cards
// already on the table must be those of the complete play.
void TControleur::JoueLeveeAuto(int levee) {
  TEtatControleur& e = etat_;
  const TSablier sablier(ecran_);
  const TDonne& donne = donne_.Donne;
  const TCouleur couleurEntame = donne.JeuComplet(levee, 1).Couleur();
  e.JoueurActuel = e.Entameur;
  for (int i = 1; i <= 4; ++i) {
    const TCard carte = donne.JeuComplet(levee, i);
    const TJoueur joueur = e.JoueurActuel;
    const std::string ecart = PrefixeDonne(donne.Numero()) + "le jeu complet (levée " + std::to_string(levee) +
                              ") fait jouer « " + CodeCarte(carte) + " » à " + std::string(NomsJoueurs[joueur]);
    if (!e.OnTable[joueur].EstVide()) {
      if (e.OnTable[joueur] != carte) throw ErreurDonnee(ecart + ", qui a joué « " + CodeCarte(e.OnTable[joueur]) + " ».");
    } else {
      const int indice = carte.EstReelle() ? suivi_.s_ChercheIndiceCarte(joueur, carte) : 0;
      if (indice == 0 || suivi_.s_isCarteJouee(joueur, indice)) throw ErreurDonnee(ecart + ", qui ne l'a pas.");
      if (i > 1 && carte.c != couleurEntame && suivi_.s_GetCompteCouleur(joueur, couleurEntame) > 0)
        throw ErreurDonnee(ecart + ", qui doit fournir.");
      JoueCarte(indice);
    }
    e.JoueurActuel = JoueurSuivant(joueur);
  }
  e.LeveeComplete = true;
  FinDeLevee();
  IndiqueTour(TourRamasse);
}

// The tricks played so far, and the cards of the current one, are those
// of the complete play: automatic play can take over from here.
bool TControleur::JeuCompletSuivi() const {
  const TEtatControleur& e = etat_;
  if (e.Levee < 1 || e.Levee > NbLeveesJeuComplet) return false;
  const TDonne& donne = donne_.Donne;
  for (int t = 1; t < e.Levee; ++t) {
    if (static_cast<std::size_t>(t) > historique_.size()) return false;
    const TLeveeJouee& jouee = historique_[static_cast<std::size_t>(t - 1)];
    for (int i = 1; i <= 4; ++i)
      if (jouee.Cartes[static_cast<std::size_t>(i - 1)] != donne.JeuComplet(t, i)) return false;
  }
  TJoueur j = e.Entameur;
  for (int i = 1; i <= e.CompteCartesJouees; ++i, j = JoueurSuivant(j))
    if (e.OnTable[j] != donne.JeuComplet(e.Levee, i)) return false;
  return true;
}

}  // namespace kalvo
