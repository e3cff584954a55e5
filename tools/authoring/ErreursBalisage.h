// The mistakes the commentary markup can hold, each with its French text,
// so that the deal compiler reports them the same way as its own errors.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace kalvo::redaction {

enum TErreurBalisage : std::uint8_t {
  ebTropLong,           // the RTF exceeds the room of its field
  ebNonFermee,          // a span still open at the end of its line
  ebCroisees,           // spans closed in another order than opened
  ebFermetureSeule,     // a closing brace with nothing open
  ebAccoladeOuvrante,   // an opening brace that opens no colour
  ebCouleurInconnue,    // {nom:...} with a name that is not in the list
  ebEtoiles,            // a run of stars that cannot be read
  ebUtf8Invalide,       // bytes that are no UTF-8
  ebCaractereInterdit,  // a control character in the text
  ebRtfMalForme         // raw RTF that does not hold together
};

std::string_view TexteErreurBalisage(TErreurBalisage code);

struct TDiagnosticBalisage {
  TErreurBalisage Code = ebTropLong;
  int Ligne = 0;        // line of the source file
  std::string Message;  // "Ligne 12 : ..." ready to show
};

// "Ligne <ligne> : <texte de l'erreur><precision>".
TDiagnosticBalisage Diagnostic(TErreurBalisage code, int ligne, std::string_view precision = {});

}  // namespace kalvo::redaction
