// Checks of the comment lines and their penalties against the comment
// numbers the script uses.
#include "coaching/MessagesIntegres.h"
#include "model/Brouillage.h"
#include "model/Commentaires.h"
#include "tools/authoring/Verifications.h"

namespace kalvo::redaction {

void VerifieCommentaires(const TDonne& donne, const TCodesUtilises& codes, TConstats& constats) {
  TComments comment;
  try {
    const TCommentairesLus lus = DecoupeCommentaires(DebrouilleTexte(donne.Commentaires()), 0);
    comment = lus.Comment;
    for (const std::string& a : lus.Avertissements) constats.Erreur({glCommentaire, 0}, a);
  } catch (const ErreurDonnee& e) {
    constats.Erreur({glCommentaire, 0}, e.what());
  }
  std::array<bool, NbCommentaires + 1> utilise{};
  for (const TCodeUtilise& u : codes) {
    const std::string code = "commentaire " + std::to_string(u.Code);
    if (u.Code >= 1 && u.Code <= NbCommentaires) {
      utilise[static_cast<std::size_t>(u.Code)] = true;
      if (comment[u.Code].empty()) {
        constats.Erreur(u.Lieu, "le " + code + " est utilisé mais n'a pas de texte.");
      } else if (!u.Revendication && donne.Penalite(u.Code) == 0) {
        // The trainer plays it (the card is refused, nothing taken): a slip, perhaps.
        constats.Avertissement({glCommentaire, u.Code},
                               "le " + code + " sanctionne une carte sans retirer de points (pénalité 0).");
      }
    } else if (u.Revendication) {
      // A claim shows what the comment window shows: the deal's comments
      // and the trainer's trump messages.
      if (!EstMessageAtout(u.Code))
        constats.Erreur(u.Lieu, "une revendication montre un commentaire de la donne (1 à 18) ou un message du "
                                "programme (50 à 58), pas le " + code + ".");
    } else if (!EstMessageAtout(u.Code) && !EstMessageIntegre(u.Code)) {
      constats.Erreur(u.Lieu, "le " + code + " n'existe pas : 1 à 18 pour ceux de la donne, 50 à 58 et 70 à 95 pour ceux du programme.");
    }
  }
  for (int n = 1; n <= NbCommentaires; ++n) {
    const TLieu lieu{glCommentaire, n};
    const std::int32_t penalite = donne.Penalite(n);
    if (penalite < 0) constats.Erreur(lieu, "la pénalité du commentaire " + std::to_string(n) + " est négative.");
    // The trainer stops a deal that charges more than 100 points.
    if (penalite > 100)
      constats.Erreur(lieu, "la pénalité du commentaire " + std::to_string(n) +
                                " dépasse 100 points : l'entraîneur arrêterait la donne en la retirant.");
    if (!comment[n].empty() && !utilise[static_cast<std::size_t>(n)])
      constats.Avertissement(lieu, "le commentaire " + std::to_string(n) + " n'est jamais utilisé.");
    if (comment[n].empty() && penalite != 0)
      constats.Avertissement(lieu, "la pénalité " + std::to_string(n) + " n'a pas de commentaire.");
  }
}

}  // namespace kalvo::redaction
