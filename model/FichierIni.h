// A Windows initialisation file kept as its lines, so that rewriting it
// changes only the keys written: sections in brackets, key=value lines,
// CRLF, Windows-1252 on disk. Reading accepts UTF-8 lines too (a file edited
// on Linux), and any line ends. Section and key names compare without regard
// to ASCII case, as Windows does.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

class TFichierIni {
 public:
  static TFichierIni Analyse(std::string_view octets);

  // The value (UTF-8, blanks trimmed) of the first such key of the first
  // such section.
  std::optional<std::string> Valeur(std::string_view section, std::string_view cle) const;
  bool ASection(std::string_view section) const;

  // Sets a key as the system call does: in place when it exists, else after
  // the section's last key, creating the section at the end when needed.
  void Ecrit(std::string_view section, std::string_view cle, std::string_view valeur);

  // The file's bytes: Windows-1252, each line ended by CR LF.
  std::string Octets() const;

 private:
  struct TLigne {
    std::string Texte;  // the line as read (non-key lines)
    std::string Cle;
    std::string Valeur;
    bool EstCle = false;
  };
  struct TSection {
    std::string Nom;
    std::string EnTete;
    std::vector<TLigne> Lignes;
  };

  TSection* TrouveSection(std::string_view nom);
  const TSection* TrouveSection(std::string_view nom) const;

  std::vector<TLigne> preambule_;
  std::vector<TSection> sections_;
};

// True when the bytes are well-formed UTF-8.
bool EstUtf8Valide(std::string_view octets);

}  // namespace kalvo
