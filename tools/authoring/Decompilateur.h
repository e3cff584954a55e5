// The decompiler: a record of the deals database (with its questions)
// written back as a deal source. Everything the format can say is written
// in its readable form; whatever it cannot (bytes a source never sets:
// unused fields that are not zero, a commentary that is not RTF, a value
// out of range) is restored by "octets" lines at the end, so that
// compiling the source gives the record back byte for byte.
#pragma once

#include "model/Donne.h"
#include "model/Questions.h"
#include "tools/authoring/Raisons.h"

#include <string>
#include <vector>

namespace kalvo::redaction {

struct TOptionsDecompilation {
  int Ordre = 0;       // written as "ordre N" when not 0
  int Collection = 0;  // written as "collection N" when not 0
  std::string Origine; // a comment line on top: where the record comes from
  // The deal's written reasons (the table beside the database): each goes
  // back into its chain or pool as "raison N : texte".
  std::vector<TRaison> Raisons;
};

struct TSourceDecompilee {
  std::string Texte;
  int NbOctetsBruts = 0;  // bytes restored by "octets" lines
  bool Exacte = false;    // compiling the text gives the same bytes
};

// questions: the deal's record of the questions file, or nothing.
TSourceDecompilee DecompileDonne(const TDonne& donne, const TQuestionsDonne* questions,
                                 const TOptionsDecompilation& options);

}  // namespace kalvo::redaction
