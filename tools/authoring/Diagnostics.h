// What the deal compiler and checker report: errors, which stop the build,
// and warnings, which are printed. Each one names the file and the line of
// the source (or the deal of a database) so that the author finds it.
#pragma once

#include "model/BridgeTypes.h"

#include <string>
#include <string_view>
#include <vector>

namespace kalvo::redaction {

enum TGravite : unsigned char { grErreur, grAvertissement };

struct TDiagnostic {
  TGravite Gravite = grErreur;
  std::string Fichier;  // source file, or "BASE.DAT, donne 3"
  int Ligne = 0;        // 0 when no line applies
  std::string Message;  // French, without the place
  friend bool operator==(const TDiagnostic&, const TDiagnostic&) = default;
};

// "demo.donne, ligne 12 : message" ; "... : attention : message" for a warning.
// Control characters read from a source are shown written out (\x1b, \r):
// the message must not drive the terminal it is printed on.
std::string Formate(const TDiagnostic& diagnostic);

// A word of the source between French quotes, control characters written out.
std::string Guillemets(std::string_view mot);

class TDiagnostics {
 public:
  void Erreur(std::string fichier, int ligne, std::string message);
  void Avertissement(std::string fichier, int ligne, std::string message);
  // Adds a diagnostic unless the same one is already there.
  void Ajoute(TDiagnostic diagnostic);
  void Ajoute(const TDiagnostics& autres);

  const std::vector<TDiagnostic>& Tous() const { return liste_; }
  int NbErreurs() const;
  bool AErreurs() const { return NbErreurs() > 0; }
  // Every diagnostic, one per line, in the order they were found.
  std::string Texte() const;

 private:
  std::vector<TDiagnostic> liste_;
};

}  // namespace kalvo::redaction
