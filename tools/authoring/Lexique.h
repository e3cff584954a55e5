// The words of a deal source (.donne): how a line is cut into words, and
// how seats, suits, cards, script card codes and calls are read and
// written (hands are model/NotationMains.h's). The reader and the writer of
// each kind of word sit side by side so that what the decompiler writes is
// what the compiler reads.
#pragma once

#include "model/BridgeTypes.h"
#include "model/StructuresDonne.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo::redaction {

// One line of a source. Mots drops a word made of ":" alone, the ":" that
// ends a word, and everything from a word that begins with "#".
struct TLigneDonne {
  int Numero = 0;
  std::string Brut;  // the line as written, without its line break
  std::vector<std::string> Mots;
};

// Splits at LF (a CR before it is dropped), skipping a byte-order mark.
std::vector<TLigneDonne> DecoupeLignesDonne(std::string_view texte);

// The line's text after its first ':' (trimmed), or nothing without one.
std::optional<std::string> TexteApresDeuxPoints(std::string_view brut);

// Lower case without accents, for keywords: "Résumé" -> "resume".
std::string Replie(std::string_view mot);

std::optional<long long> LitNombre(std::string_view mot);
std::optional<TJoueur> LitJoueur(std::string_view mot);     // Sud, O, W, ...
std::optional<T4Couleur> LitCouleur(std::string_view mot);  // S, ♠, Pique, ...
std::optional<std::uint8_t> LitRang(std::string_view mot);  // A K Q J T 10 9 .. 2
std::optional<TCard> LitCarteReelle(std::string_view mot);  // HK, S10, ♥K

// A card of the script, with its codes: "HK", "H*" (15), "H+" (16), "H>" (32),
// "H^" (64), "**", "groupe:NOM" (48), "compteur:NOM" (128), "surprend" (80).
// For a group or a counter, Table holds its name and the suit byte is 0
// until the compiler knows the table's number.
struct TCarteScript {
  TCard Carte;
  std::string Table;
};
std::optional<TCarteScript> LitCarteScript(std::string_view mot);

// "HA=3" -> "HA" and 3. Code is empty without "=", and Invalide is set when
// what follows "=" is no number.
struct TMotCode {
  std::string Mot;
  std::optional<long long> Code;
  bool Invalide = false;
};
TMotCode SepareCode(std::string_view mot);

// A call in French: "1SA", "2T", "4♠", "passe", "contre", "surcontre",
// with "!N" for alert N.
std::optional<TEnchere> LitAppel(std::string_view mot);
// A contract: level and strain, "3SA", "4P", "4♠".
std::optional<TEnchere> LitContrat(std::string_view mot);

// Writers.
std::string_view MotJoueur(TJoueur joueur);        // "Sud"
char LettreCouleur(T4Couleur couleur);             // 'S', 'H', 'D', 'C'
std::string EcritRang(int h);                      // "A", "T", "2"
std::string EcritCarteReelle(TCard carte);         // "HK"
// Nothing for bytes no word stands for.
std::optional<std::string> EcritCarteScript(TCard carte);
std::optional<std::string> EcritAppel(const TEnchere& enchere);
std::string EcritContrat(int niveau, TCouleur atout);

// Keywords of the format, in one place for the parser and the writer.
inline constexpr std::array<std::string_view, 4> MotsVulnerabilite{"Personne", "Nord-Sud", "Est-Ouest", "Tous"};

}  // namespace kalvo::redaction
