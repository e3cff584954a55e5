// A stand-in for the deal compiler: reads ONE deal written in a small text
// format (see deals/demo.txt, whose header describes it) and writes the
// delivered database, questions file and collection table from it. The
// real compiler replaces it.
#pragma once

#include "model/Donne.h"
#include "model/Questions.h"

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

class ErreurSource : public std::runtime_error {
 public:
  explicit ErreurSource(const std::string& message) : std::runtime_error(message) {}
};

struct TBaseDemo {
  TDonne Donne;
  int NumeroVolume = 1;
  TQuestionsDonne Questions;
};

// Throws ErreurSource "demo.txt, ligne 12 : ..." for anything wrong: unknown
// keyword, bad card, illegal hands, auction or complete play, a card given
// to a seat that does not hold it, a script reference to nothing, a text too
// long for its field.
TBaseDemo LitSourceDemo(std::string_view texte, std::string_view nomFichier);
TBaseDemo LitFichierSourceDemo(const std::filesystem::path& fichier);

// Writes K01FR_DEMO.DAT, KALVO01.ASK (records 1..NumeroVolume, the last one
// holding the deal's questions) and K01FR_DEMO.VOL into dossier.
void EcritBaseDemo(const TBaseDemo& base, const std::filesystem::path& dossier);

// UTF-8 paragraphs as a small RTF document in 7-bit text (Windows-1252
// escapes, \uN? beyond the code page).
std::string RtfSimple(const std::vector<std::string>& paragraphes);

}  // namespace kalvo
