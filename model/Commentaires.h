// The deal's numbered comment lines: "$01 Bravo$02 Non" once descrambled.
#pragma once

#include "model/StructuresDonne.h"
#include "model/Tableau1.h"

#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

class TDonne;

using TComments = TTableau1<std::string, NbCommentaires>;

struct TCommentairesLus {
  TComments Comment;                        // UTF-8, by comment number
  std::vector<std::string> Avertissements;  // data warnings, French
};

// Splits the descrambled comment text into the slots. A number outside
// 1..18 is skipped with a warning; a number that is not a number throws
// ErreurDonnee (the deal cannot be prepared).
TCommentairesLus DecoupeCommentaires(std::string_view clair, int numeroDonne);

// The text of comment number `numero` (a code taken from the script):
// throws ErreurDonnee unless it is 1..18.
const std::string& CommentaireNumero(const TComments& comments, int numero, int numeroDonne);

// Descrambles and splits the record's comment text; a stored length outside
// 0..2204 is clamped and reported.
TCommentairesLus LitCommentaires(const TDonne& donne);

// Builds the plain text "$01 texte$02 texte" from UTF-8 texts (the tools'
// side of the format). Throws ErreurDonnee for a '$' inside a text or a
// number outside 1..18.
std::string ComposeCommentaires(const std::vector<std::pair<int, std::string>>& lignes);

// "Donne 3 : longueur de ... 5000 plus grande que son champ (2204 octets) :
// ramenée à 2204." or nothing when lg is in 0..lgMax.
std::string AvertissementLongueur(int numeroDonne, std::string_view quoi, long long lg, int lgMax);

}  // namespace kalvo
