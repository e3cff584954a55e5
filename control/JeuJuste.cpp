#include "control/JeuJuste.h"

#include "control/EcranMuet.h"

namespace kalvo {

std::vector<TCard> CartesJouables(const TControleur& controleur, TJoueur main) {
  const TSuiviMains& suivi = controleur.Suivi();
  const TEtatControleur& e = controleur.Etat();
  const bool entame = main == e.Entameur || e.LeveeComplete;
  const T4Couleur couleur = e.OnTable[e.Entameur].Couleur();
  const bool fournit = !entame && EstCouleurReelle(couleur) && suivi.s_GetCompteCouleur(main, couleur) > 0;
  std::vector<TCard> cartes;
  for (int i = 1; i <= 13; ++i) {
    const TCard carte = suivi.Carte(main, i);
    if (suivi.s_isCarteJouee(main, i) || (fournit && carte.c != couleur)) continue;
    cartes.push_back(carte);
  }
  return cartes;
}

std::optional<TCard> CarteJuste(const TControleur& controleur) {
  if (!controleur.AttendCarteUtilisateur()) return std::nullopt;
  const TEtatControleur& avant = controleur.Etat();
  const TJoueur joueur = avant.JoueurActuel;
  for (const TCard carte : CartesJouables(controleur, joueur)) {
    TEcranMuet muet;
    TControleur essai(controleur, muet);
    essai.JeuMouseDown(joueur, IndexCarte(carte), false);
    const TEtatControleur& apres = essai.Etat();
    const bool posee = apres.CompteCartesJouees != avant.CompteCartesJouees || apres.Levee != avant.Levee;
    if (posee && apres.Notation == avant.Notation) return carte;
  }
  return std::nullopt;
}

TReponseQuestion ReponseJuste(const TQuestionPosee& question) {
  TReponseQuestion reponse;
  reponse.Carte = question.CarteAttendue;
  reponse.Nombre = question.NombreAttendu;
  reponse.Proposition = question.PropositionAttendue;
  for (TJoueur j : TousLesJoueurs)
    if (question.JoueursAttendus[j]) reponse.Joueur = j;
  return reponse;
}

}  // namespace kalvo
