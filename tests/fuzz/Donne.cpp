// The deal source parser: any bytes as a .donne file, read, laid into a
// record and checked (no double-dummy analysis). Its messages, as printed,
// hold no control character but the line ends.
#include "tools/authoring/Compilateur.h"
#include "tests/fuzz/Cible.h"

using namespace kalvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  redaction::TDiagnostics diagnostics;
  redaction::CompileDonne(fuzz::Texte(donnees, taille), "fuzz.donne", diagnostics, false);
  for (const char c : diagnostics.Texte()) {
    const auto o = static_cast<unsigned char>(c);
    if ((o < 0x20 && c != '\n') || o == 0x7F) fuzz::Echec("caractère de contrôle dans un message");
  }
  return 0;
}
