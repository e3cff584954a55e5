#include "control/JeuJuste.h"

#include "control/EcranMuet.h"
#include "engine/Levee.h"

namespace kalvo {

std::vector<TCard> CartesJouables(const TControleur& controleur, TJoueur main) {
  const TEtatControleur& e = controleur.Etat();
  const bool entame = main == e.Entameur || e.LeveeComplete;
  return CartesPermises(controleur.Suivi(), main, entame ? TCard{} : e.OnTable[e.Entameur]);
}

std::optional<TCard> CarteJuste(const TControleur& controleur) {
  if (!controleur.AttendCarteUtilisateur()) return std::nullopt;
  const TEtatControleur& avant = controleur.Etat();
  const TJoueur joueur = avant.JoueurActuel;
  for (const TCard carte : CartesJouables(controleur, joueur)) {
    TEcranMuet muet;
    TControleur essai(controleur, muet);
    essai.SansAnalyseImprevues();
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
