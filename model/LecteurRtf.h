// Reading the rich-text commentaries. The parser builds a small model of
// paragraphs and formatted runs in UTF-8, which the controller hands to the
// screen and the table's viewer turns into a Qt document. It reads what our
// deal compiler writes and reasonable hand-written RTF, and it shows what it
// can of a damaged file: every byte is untrusted, the nesting of groups is
// bounded, numbers are clamped and nothing is read past the end.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

struct TCouleurRtf {
  std::uint8_t Rouge = 0;
  std::uint8_t Vert = 0;
  std::uint8_t Bleu = 0;
  friend bool operator==(const TCouleurRtf&, const TCouleurRtf&) = default;
};

struct TFormatCaracteresRtf {
  bool Gras = false;
  bool Italique = false;
  bool Souligne = false;
  bool Barre = false;
  std::int8_t Position = 0;           // -1 subscript, +1 superscript
  int DemiPoints = 0;                 // 0: the viewer's own size
  std::optional<TCouleurRtf> Couleur;  // none: the viewer's text colour
  std::optional<TCouleurRtf> Fond;
  std::string Police;                 // empty: the viewer's own font
  friend bool operator==(const TFormatCaracteresRtf&, const TFormatCaracteresRtf&) = default;
};

struct TSegmentRtf {
  std::string Texte;  // UTF-8; '\t' for a tab, U+2028 for a line break
  TFormatCaracteresRtf Format;
};

enum TAlignementRtf : std::uint8_t { arGauche, arCentre, arDroite, arJustifie };

// Lengths in twips (1/1440 inch), as RTF gives them.
struct TProprietesParagrapheRtf {
  TAlignementRtf Alignement = arGauche;
  int RetraitGauche = 0;
  int RetraitDroit = 0;
  int RetraitPremiereLigne = 0;
  int EspaceAvant = 0;
  int EspaceApres = 0;
  std::vector<int> Tabulations;
  friend bool operator==(const TProprietesParagrapheRtf&, const TProprietesParagrapheRtf&) = default;
};

struct TParagrapheRtf {
  TProprietesParagrapheRtf Proprietes;
  std::vector<TSegmentRtf> Segments;
  // The format at the paragraph mark, which gives an empty line its height.
  TFormatCaracteresRtf FormatFin;
  std::string Texte() const;
};

struct TDocumentRtf {
  std::vector<TParagrapheRtf> Paragraphes;
  bool EstRtf = false;  // false: the bytes were not RTF and are shown as plain text
  // The paragraphs' texts joined by '\n'.
  std::string Texte() const;
};

// Bytes as stored in the commentary files (Windows-1252 RTF, possibly
// followed by a NUL and CR LF). Never fails: what cannot be read is left out.
TDocumentRtf LitRtf(std::string_view octets);

// The deepest nesting of groups that is followed; deeper groups are
// counted so that their braces still pair, but keep their parent's state.
inline constexpr std::size_t ProfondeurMaxRtf = 100;

}  // namespace kalvo
