// What a refused card earns: the text that explains it, the window it is
// shown in and the marks it costs.
#pragma once

#include "model/Commentaires.h"
#include "model/Donne.h"

#include <string>

namespace kalvo {

// A mark after n more are taken: never below 0.
constexpr int NoteApresRetrait(int note, int n) { return note - n > 0 ? note - n : 0; }

enum class TFenetreRemarque : std::uint8_t {
  Commentaire,    // the comment window: the deal's lines 1..18, the trump messages 50..58
  Avertissement,  // the warning window: the built-in messages 70..95
};

struct TRemarqueErreur {
  TFenetreRemarque Fenetre = TFenetreRemarque::Commentaire;
  std::string Texte;  // UTF-8; a comment slot the deal left empty gives an empty text
  int Cout = 0;       // marks taken from the play mark (when not the same code as the last error)
};

// The remark of error code 1..18, 50..58 or 70..95. Any other code has
// neither text nor cost: the deal's data is broken (ErreurDonnee), as is a
// deal penalty outside 0..100.
TRemarqueErreur RemarqueErreur(const TDonne& donne, const TComments& Comment, int code);

// The text of a comment number a script node shows (the end by claim):
// 1..18 or 50..58; ErreurDonnee for any other.
std::string TexteCommentaire(const TDonne& donne, const TComments& Comment, int code);

}  // namespace kalvo
