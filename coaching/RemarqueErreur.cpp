#include "coaching/RemarqueErreur.h"

#include "coaching/MessagesIntegres.h"

namespace kalvo {

namespace {

[[noreturn]] void CodeInconnu(const TDonne& donne, int code) {
  throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "le code d'erreur " + std::to_string(code) +
                     " n'a ni commentaire ni message.");
}

}  // namespace

std::string TexteCommentaire(const TDonne& donne, const TComments& Comment, int code) {
  if (code >= 1 && code <= NbCommentaires) return Comment[code];
  if (EstMessageAtout(code)) return std::string(*TexteMessageIntegre(code));
  CodeInconnu(donne, code);
}

TRemarqueErreur RemarqueErreur(const TDonne& donne, const TComments& Comment, int code) {
  if (code >= 1 && code <= NbCommentaires) {
    const int cout = static_cast<int>(VerifieBornes(donne.Penalite(code), 0, 100, donne.Numero(),
                                                    "pénalité du commentaire " + std::to_string(code)));
    return {TFenetreRemarque::Commentaire, Comment[code], cout};
  }
  if (EstMessageAtout(code)) return {TFenetreRemarque::Commentaire, std::string(*TexteMessageIntegre(code)), CoutMessageAtout};
  if (EstMessageIntegre(code))
    return {TFenetreRemarque::Avertissement, std::string(*TexteMessageIntegre(code)), CoutMessageIntegre(code)};
  CodeInconnu(donne, code);
}

}  // namespace kalvo
