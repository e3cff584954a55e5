// Every card, whoever plays it, goes through JoueCarte; the defenders'
// cards; the end of a trick.
#include "control/Controleur.h"

#include "engine/DefenseScript.h"

namespace kalvo {

// The card at `indice` of the seat's hand, when the seat may play it now.
TCard TControleur::VerifieIndice(TJoueur joueur, int indice) {
  const std::string qui = std::string(NomsJoueurs[joueur]);
  if (indice < 1 || indice > 13) {
    throw ErreurDonnee(PrefixeDonne(DonneActuelle()) + qui + " n'a pas de carte à jouer à la levée " +
                       std::to_string(etat_.Levee) + ".");
  }
  const TCard carte = suivi_.Carte(joueur, indice);
  if (suivi_.s_isCarteJouee(joueur, indice)) {
    throw ErreurDonnee(PrefixeDonne(DonneActuelle()) + qui + " a déjà joué le " + NomCarte(carte) + ".");
  }
  if (etat_.CompteCartesJouees >= 4 || !etat_.OnTable[joueur].EstVide()) {
    throw ErreurDonnee(PrefixeDonne(DonneActuelle()) + qui + " a déjà joué à la levée " + std::to_string(etat_.Levee) +
                       ".");
  }
  return carte;
}

// No pause before the card that completes the trick.
int TControleur::PauseCarte(TJoueur joueur) const {
  if (JoueurSuivant(joueur) == etat_.Entameur) return 0;
  return etat_.JeuAutomatique ? 500 : Reglages().Cartes * 100;
}

void TControleur::JoueCarte(int indice) {
  TEtatControleur& e = etat_;
  const TJoueur joueur = e.JoueurActuel;
  const TCard carte = VerifieIndice(joueur, indice);
  e.OnTable[joueur] = carte;
  statistiques_.NoteCarte(joueur, carte, e.Levee, e.Entameur, e.OnTable[e.Entameur], donne_.Donne.Atout());
  SignaleCarteJouee(suivi_, joueur, indice);
  ecran_.PoseCarte(joueur, carte, PauseCarte(joueur));
  ++e.CompteCartesJouees;
  if (journal_) journal_->CarteJouee(e.Levee, joueur, carte);
  const bool quatrieme = e.CompteCartesJouees == 4;
  if (quatrieme && TQuestionsLevees::EstIndice(e.Levee) && donne_.Questions[e.Levee] != 0 && Reglages().Questions &&
      !e.JeuAutomatique) {
    PoseQuestion(donne_.Questions[e.Levee]);
  }
  if (e.Levee == 13 && quatrieme) e.JeuAutomatique = false;
}

TPositionDefense TControleur::PositionDefense() const {
  return TPositionDefense{etat_.JoueurActuel, etat_.Entameur, etat_.OnTable, etat_.Levee, etat_.ChaineActuelle};
}

TCoupUtilisateur TControleur::Coup() const {
  return TCoupUtilisateur{etat_.JoueurActuel, etat_.Entameur, etat_.OnTable, etat_.Gagnant};
}

// The defender to play: the script in chain mode, the engine otherwise.
int TControleur::CarteDefenseur() {
  if (etat_.ModeProgramme || etat_.ModeSolution) return CarteDefenseurModeProgramme();
  const TChoixDefense choix = ChoisitCarteDefenseExpliquee(donne_.Donne, suivi_, PositionDefense());
  if (journal_) journal_->ChoixDefense(etat_.JoueurActuel, choix);
  return choix.Indice;
}

// Outside the chains the defender follows with its lowest card, or
// discards by the rules; leading, it leads by the discard rules.
int TControleur::CarteDefenseurModeProgramme() const {
  const TPositionDefense position = PositionDefense();
  const TJoueur p = position.JoueurActuel;
  if (p != position.Entameur) {
    const T4Couleur entame = etat_.OnTable[etat_.Entameur].Couleur();
    if (suivi_.s_GetCompteCouleur(p, entame) >= 1) return suivi_.s_FindIndiceLastNonPrise(p, entame);
  }
  return ChoisitDefausse(suivi_, position);
}

// The trick is complete: its winner, the counters, the journal.
void TControleur::FinDeLevee() {
  TEtatControleur& e = etat_;
  historique_.push_back(LeveeJouee(e.OnTable, e.Entameur, donne_.Donne.Atout()));
  e.Gagnant = historique_.back().Gagnant;
  releve_.NoteLevee(e.Entameur, e.OnTable, e.Gagnant);
  CompteLevee(e.Gagnant);
  if (journal_) journal_->LeveeTerminee(e.Levee, e.Gagnant, e.LeveesNS, e.LeveesEO);
}

void TControleur::CompteLevee(TJoueur gagnant) {
  if (EstDeclarant(gagnant)) ++etat_.LeveesNS;
  else ++etat_.LeveesEO;
  ChangeMarques();
}

void TControleur::InviteApresLevee() {
  TEtatControleur& e = etat_;
  if (EstDeclarant(e.Gagnant) && e.Levee < 13) {
    IndiqueTour(e.Gagnant == jrSud ? TourSud : TourNord);
    e.PeutJouerDirectement = true;
  } else {
    IndiqueTour(TourRamasse);
    e.PeutJouerDirectement = false;
  }
}

}  // namespace kalvo
