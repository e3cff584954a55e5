#include "model/LecteurRtf.h"

#include "model/Windows1252.h"
#include "model/PoliceSymbol.h"

#include <algorithm>
#include <array>
#include <climits>
#include <map>

namespace kalvo {

namespace {

// Bounds on what a damaged file can make us keep.
constexpr int MaxTwips = 31680;  // 22 inches: wider than any screen
constexpr std::size_t MaxTabulations = 32;
constexpr std::size_t MaxPolices = 256;
constexpr std::size_t MaxCouleurs = 256;
constexpr std::size_t MaxNomPolice = 64;
constexpr int MaxSautUnicode = 8;
constexpr std::size_t MaxLettresMot = 32;  // the longest control word RTF allows
constexpr int MaxDemiPoints = 400;         // 200 points

constexpr char32_t SeparateurLigne = 0x2028;

// Groups whose content is never shown, besides those marked with \*.
constexpr std::string_view DestinationsIgnorees[]{
    "annotation", "atnauthor", "atnid",   "author",      "bkmkend",    "bkmkstart",
    "buptim",     "colorschememapping",   "comment",     "company",    "creatim",
    "datastore",  "docvar",     "doccomm", "fchars",      "filetbl",    "fldinst",
    "footer",     "footerf",    "footerl", "footerr",     "footnote",   "generator",
    "header",     "headerf",    "headerl", "headerr",     "info",       "keywords",
    "latentstyles", "lchars",   "listoverridetable",      "listtable",  "nonshppict",
    "object",     "operator",   "pgdsctbl", "pict",       "pn",         "printim",
    "private",    "revtbl",     "revtim",  "rsidtbl",     "stylesheet", "themedata",
    "title",      "xmlnstbl"};

enum TDestination : std::uint8_t { dsTexte, dsPolices, dsCouleurs, dsIgnoree };

// What a group carries and restores when it closes.
struct TEtat {
  bool Gras = false;
  bool Italique = false;
  bool Souligne = false;
  bool Barre = false;
  std::int8_t Position = 0;
  int DemiPoints = 0;
  int Couleur = 0;
  int Fond = 0;
  int Police = -1;  // -1: the default font (\deff)
  TProprietesParagrapheRtf Paragraphe;
  int SautUnicode = 1;
  TDestination Destination = dsTexte;
};

struct TPolice {
  std::string Nom;
  bool Symbol = false;
};

struct TMot {
  std::string_view Nom;
  bool AParametre = false;
  int Parametre = 0;
  bool Active() const { return !AParametre || Parametre != 0; }  // \b, \b1 versus \b0
};

bool EstLettre(unsigned char o) { return (o >= 'a' && o <= 'z') || (o >= 'A' && o <= 'Z'); }
bool EstChiffre(unsigned char o) { return o >= '0' && o <= '9'; }

int ValeurHexa(unsigned char o) {
  if (EstChiffre(o)) return o - '0';
  if (o >= 'a' && o <= 'f') return o - 'a' + 10;
  if (o >= 'A' && o <= 'F') return o - 'A' + 10;
  return -1;
}

char32_t CaractereWindows1252(unsigned char octet) {
  const char brut = static_cast<char>(octet);
  const std::string utf8 = Windows1252VersUtf8(std::string_view(&brut, 1));
  std::size_t pos = 0;
  const char32_t code = LitCaractereUtf8(utf8, pos);
  return code == 0xFFFD ? 0 : code;  // the holes of the code page show nothing
}

bool EgalSansCasse(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return (x | 0x20) == (y | 0x20);
  });
}

std::string SansBlancsAutour(std::string texte) {
  const auto blanc = [](char c) { return c == ' ' || c == '\t'; };
  while (!texte.empty() && blanc(texte.back())) texte.pop_back();
  const auto debut = std::find_if_not(texte.begin(), texte.end(), blanc);
  return std::string(debut, texte.end());
}

// Text that is not RTF is shown as it is, one paragraph per line.
TDocumentRtf LitTexteBrut(std::string_view octets) {
  TDocumentRtf document;
  std::string ligne;
  const auto range = [&] {
    document.Paragraphes.emplace_back();
    if (!ligne.empty()) document.Paragraphes.back().Segments.push_back({ligne, {}});
    ligne.clear();
  };
  for (std::size_t i = 0; i < octets.size(); ++i) {
    const auto o = static_cast<unsigned char>(octets[i]);
    if (o == '\n' || (o == '\r' && (i + 1 == octets.size() || octets[i + 1] != '\n'))) {
      range();
    } else if (o >= 0x20 || o == '\t') {
      if (const char32_t code = CaractereWindows1252(o)) AjouteUtf8(ligne, code);
    }
  }
  if (!ligne.empty()) range();
  return document;
}

class TLecteur {
 public:
  explicit TLecteur(std::string_view octets) : Octets(octets) {}
  TDocumentRtf Lit();

 private:
  void LitControle();
  TMot LitMot();
  void LitHexa();
  void OuvreGroupe();
  void FermeGroupe();
  void Octet(unsigned char octet);
  void MotControle(const TMot& mot);
  bool Tables(const TMot& mot);
  bool Destination(const TMot& mot);
  bool FormatCaracteres(const TMot& mot);
  bool FormatParagraphe(const TMot& mot);
  bool CaractereSpecial(const TMot& mot);
  void SymboleControle(unsigned char symbole);
  void Unicode(int parametre);
  void AjouteCaractere(char32_t code);
  void FinParagraphe();
  void RangeParagraphe();
  void ValidePolice();
  const TPolice* PoliceDe(int numero) const;
  std::optional<TCouleurRtf> CouleurDe(int index) const;
  const TFormatCaracteresRtf& FormatCourant();
  bool PoliceCouranteSymbol() const;
  TEtat& Etat() { return Pile.back(); }

  std::string_view Octets;
  std::size_t Pos = 0;
  bool Fini = false;
  std::vector<TEtat> Pile;
  std::size_t Debordement = 0;  // groups opened beyond ProfondeurMaxRtf
  int ASauter = 0;              // fallback characters after \uN still to skip
  char32_t SurrogatHaut = 0;
  int PoliceParDefaut = 0;
  std::map<int, TPolice> Polices;
  int NumeroPolice = -1;  // the font table entry being read
  int JeuPolice = 0;
  std::string NomPolice;
  std::vector<std::optional<TCouleurRtf>> Couleurs;  // none: "auto"
  TCouleurRtf CouleurLue;
  bool CouleurDefinie = false;
  TDocumentRtf Document;
  TParagrapheRtf Courant;
  TFormatCaracteresRtf Format;
  bool FormatSale = true;
};

TDocumentRtf TLecteur::Lit() {
  const std::size_t debut = Octets.find_first_not_of(" \t\r\n");
  if (debut == std::string_view::npos || Octets.substr(debut, 5) != "{\\rtf") return LitTexteBrut(Octets);
  Pos = debut;
  Pile.emplace_back();
  while (Pos < Octets.size() && !Fini) {
    const auto o = static_cast<unsigned char>(Octets[Pos]);
    if (o == '\\') {
      LitControle();
      continue;
    }
    ++Pos;
    if (o == '{') {
      OuvreGroupe();
    } else if (o == '}') {
      FermeGroupe();
    } else if (o != '\r' && o != '\n') {
      if (ASauter > 0) --ASauter; else Octet(o);
    }
  }
  if (!Courant.Segments.empty()) RangeParagraphe();
  Document.EstRtf = true;
  return std::move(Document);
}

void TLecteur::LitControle() {
  if (Pos + 1 >= Octets.size()) {
    Pos = Octets.size();
    return;
  }
  const auto suivant = static_cast<unsigned char>(Octets[Pos + 1]);
  if (EstLettre(suivant)) {
    ++Pos;
    const TMot mot = LitMot();
    if (mot.Nom == "bin" && mot.Parametre > 0)  // raw bytes, never to be read as RTF
      Pos += std::min<std::size_t>(static_cast<std::size_t>(mot.Parametre), Octets.size() - Pos);
    if (ASauter > 0) --ASauter; else MotControle(mot);
  } else if (suivant == '\'') {
    LitHexa();
  } else {
    Pos += 2;
    if (ASauter > 0) --ASauter; else SymboleControle(suivant);
  }
}

// A control word: up to 32 letters, an optional signed number (clamped),
// and an optional space that belongs to it.
TMot TLecteur::LitMot() {
  const std::size_t debut = Pos;
  while (Pos < Octets.size() && EstLettre(static_cast<unsigned char>(Octets[Pos]))) ++Pos;
  TMot mot;
  mot.Nom = Octets.substr(debut, std::min(Pos - debut, MaxLettresMot));
  bool negatif = false;
  if (Pos + 1 < Octets.size() && Octets[Pos] == '-' && EstChiffre(static_cast<unsigned char>(Octets[Pos + 1]))) {
    negatif = true;
    ++Pos;
  }
  long long valeur = 0;
  while (Pos < Octets.size() && EstChiffre(static_cast<unsigned char>(Octets[Pos]))) {
    mot.AParametre = true;
    valeur = std::min<long long>(valeur * 10 + (Octets[Pos] - '0'), INT_MAX);
    ++Pos;
  }
  mot.Parametre = static_cast<int>(negatif ? -valeur : valeur);
  if (Pos < Octets.size() && Octets[Pos] == ' ') ++Pos;
  return mot;
}

// \'xx; a truncated or malformed one is dropped with the hex digits it has.
void TLecteur::LitHexa() {
  Pos += 2;
  int valeur = 0;
  int chiffres = 0;
  while (chiffres < 2 && Pos < Octets.size()) {
    const int chiffre = ValeurHexa(static_cast<unsigned char>(Octets[Pos]));
    if (chiffre < 0) break;
    valeur = valeur * 16 + chiffre;
    ++chiffres;
    ++Pos;
  }
  if (chiffres < 2) return;
  if (ASauter > 0) --ASauter; else Octet(static_cast<unsigned char>(valeur));
}

void TLecteur::OuvreGroupe() {
  ASauter = 0;
  FormatSale = true;
  if (Pile.size() > ProfondeurMaxRtf) {
    ++Debordement;
    return;
  }
  Pile.push_back(Pile.back());
}

void TLecteur::FermeGroupe() {
  ASauter = 0;
  FormatSale = true;
  if (Debordement > 0) {
    --Debordement;
    return;
  }
  if (Pile.size() <= 1) {
    Fini = true;
    return;
  }
  if (Etat().Destination == dsPolices) ValidePolice();
  // A last paragraph with no \par keeps the properties it was written with.
  if (Pile.size() == 2 && !Courant.Segments.empty()) RangeParagraphe();
  Pile.pop_back();
  Fini = Pile.size() <= 1;  // the document's own group has closed: what follows is not ours
}

void TLecteur::Octet(unsigned char octet) {
  switch (Etat().Destination) {
    case dsPolices:
      if (octet == ';') ValidePolice();
      else if (NomPolice.size() < MaxNomPolice) NomPolice += static_cast<char>(octet);
      return;
    case dsCouleurs:
      if (octet != ';') return;
      if (Couleurs.size() < MaxCouleurs)
        Couleurs.push_back(CouleurDefinie ? std::optional(CouleurLue) : std::nullopt);
      CouleurLue = {};
      CouleurDefinie = false;
      return;
    case dsIgnoree:
      return;
    case dsTexte:
      if (octet == '\t') return AjouteCaractere('\t');
      if (octet < 0x20) return;
      AjouteCaractere(PoliceCouranteSymbol() ? CaractereSymbol(octet) : CaractereWindows1252(octet));
      return;
  }
}

void TLecteur::MotControle(const TMot& mot) {
  FormatSale = true;
  if (Tables(mot) || Destination(mot) || FormatCaracteres(mot) || FormatParagraphe(mot)) return;
  CaractereSpecial(mot);  // unknown words are ignored
}

// Words that only mean something inside the font and colour tables.
bool TLecteur::Tables(const TMot& mot) {
  const TDestination destination = Etat().Destination;
  if (destination == dsPolices) {
    if (mot.Nom == "f") {
      ValidePolice();
      NumeroPolice = std::max(0, mot.Parametre);
    } else if (mot.Nom == "fcharset") {
      JeuPolice = mot.Parametre;
    }
    return mot.Nom == "f" || mot.Nom == "fcharset";
  }
  if (destination != dsCouleurs) return false;
  const auto composante = static_cast<std::uint8_t>(std::clamp(mot.Parametre, 0, 255));
  if (mot.Nom == "red") CouleurLue.Rouge = composante;
  else if (mot.Nom == "green") CouleurLue.Vert = composante;
  else if (mot.Nom == "blue") CouleurLue.Bleu = composante;
  else return false;
  CouleurDefinie = true;
  return true;
}

bool TLecteur::Destination(const TMot& mot) {
  if (mot.Nom == "fonttbl") {
    Etat().Destination = dsPolices;
  } else if (mot.Nom == "colortbl") {
    Etat().Destination = dsCouleurs;
  } else if (std::ranges::find(DestinationsIgnorees, mot.Nom) != std::end(DestinationsIgnorees)) {
    Etat().Destination = dsIgnoree;
  } else if (mot.Nom == "deff") {
    PoliceParDefaut = mot.Parametre;
  } else if (mot.Nom == "uc") {
    Etat().SautUnicode = std::clamp(mot.Parametre, 0, MaxSautUnicode);
  } else {
    return false;
  }
  return true;
}

bool TLecteur::FormatCaracteres(const TMot& mot) {
  TEtat& e = Etat();
  const std::string_view n = mot.Nom;
  if (n == "b") e.Gras = mot.Active();
  else if (n == "i") e.Italique = mot.Active();
  else if (n == "ul" || n == "uld" || n == "uldb" || n == "ulw" || n == "ulth" || n == "uldash" || n == "ulwave")
    e.Souligne = mot.Active();
  else if (n == "ulnone") e.Souligne = false;
  else if (n == "strike") e.Barre = mot.Active();
  else if (n == "super") e.Position = 1;
  else if (n == "sub") e.Position = -1;
  else if (n == "nosupersub") e.Position = 0;
  else if (n == "fs") e.DemiPoints = mot.Parametre > 0 ? std::clamp(mot.Parametre, 2, MaxDemiPoints) : 0;
  else if (n == "cf") e.Couleur = mot.Parametre;
  else if (n == "cb" || n == "highlight" || n == "chcbpat") e.Fond = mot.Parametre;
  else if (n == "f") e.Police = mot.Parametre;
  else if (n == "plain") {
    const TEtat neutre;
    e.Gras = e.Italique = e.Souligne = e.Barre = false;
    e.Position = neutre.Position;
    e.DemiPoints = neutre.DemiPoints;
    e.Couleur = e.Fond = 0;
    e.Police = neutre.Police;
  } else {
    return false;
  }
  return true;
}

bool TLecteur::FormatParagraphe(const TMot& mot) {
  TProprietesParagrapheRtf& p = Etat().Paragraphe;
  const std::string_view n = mot.Nom;
  const int longueur = std::clamp(mot.Parametre, -MaxTwips, MaxTwips);
  if (n == "pard") p = {};
  else if (n == "ql") p.Alignement = arGauche;
  else if (n == "qc") p.Alignement = arCentre;
  else if (n == "qr") p.Alignement = arDroite;
  else if (n == "qj") p.Alignement = arJustifie;
  else if (n == "li") p.RetraitGauche = longueur;
  else if (n == "ri") p.RetraitDroit = longueur;
  else if (n == "fi") p.RetraitPremiereLigne = longueur;
  else if (n == "sb") p.EspaceAvant = std::max(0, longueur);
  else if (n == "sa") p.EspaceApres = std::max(0, longueur);
  else if (n == "tx" || n == "tb") {
    if (p.Tabulations.size() < MaxTabulations) p.Tabulations.push_back(std::max(0, longueur));
  } else {
    return false;
  }
  return true;
}

bool TLecteur::CaractereSpecial(const TMot& mot) {
  static constexpr std::array<std::pair<std::string_view, char32_t>, 13> Caracteres{{
      {"line", SeparateurLigne}, {"tab", U'\t'},     {"cell", U'\t'},      {"emdash", U'—'},
      {"endash", U'–'},          {"bullet", U'•'},   {"lquote", U'‘'},     {"rquote", U'’'},
      {"ldblquote", U'“'},       {"rdblquote", U'”'}, {"emspace", 0x2003}, {"enspace", 0x2002},
      {"qmspace", 0x2005}}};
  const std::string_view n = mot.Nom;
  if (n == "u") {
    Unicode(mot.Parametre);
  } else if (n == "par" || n == "sect" || n == "page" || n == "row") {
    FinParagraphe();
  } else if (const auto trouve = std::find_if(Caracteres.begin(), Caracteres.end(),
                                              [&](const auto& c) { return c.first == n; });
             trouve != Caracteres.end()) {
    if (Etat().Destination == dsTexte) AjouteCaractere(trouve->second);
  } else {
    return false;
  }
  return true;
}

void TLecteur::SymboleControle(unsigned char symbole) {
  const bool texte = Etat().Destination == dsTexte;
  switch (symbole) {
    case '\\': case '{': case '}': return Octet(symbole);
    case '~': if (texte) AjouteCaractere(0xA0); return;
    case '_': if (texte) AjouteCaractere(0x2011); return;
    case '*': Etat().Destination = dsIgnoree; return;
    case '\r': case '\n': return FinParagraphe();
    default: return;  // \- (optional hyphen), \:, \| and unknown symbols show nothing
  }
}

// \uN gives a signed 16-bit code; the next \ucN characters are its
// fallback for older readers and are skipped.
void TLecteur::Unicode(int parametre) {
  ASauter = Etat().SautUnicode;
  if (Etat().Destination != dsTexte) return;
  const long long valeur = parametre < 0 ? parametre + 65536LL : parametre;
  if (valeur <= 0 || valeur > 0xFFFF) return;
  auto code = static_cast<char32_t>(valeur);
  if (code >= 0xD800 && code < 0xDC00) {
    SurrogatHaut = code;
    return;
  }
  if (code >= 0xDC00 && code < 0xE000) {
    if (SurrogatHaut == 0) return;
    code = 0x10000 + ((SurrogatHaut - 0xD800) << 10) + (code - 0xDC00);
  } else if (PoliceCouranteSymbol() && code >= 0xF020 && code <= 0xF0FF) {
    code = CaractereSymbol(static_cast<unsigned char>(code - 0xF000));  // the font's private-use copy
  }
  if (code < 0x20 && code != '\t') return;
  AjouteCaractere(code);
}

void TLecteur::AjouteCaractere(char32_t code) {
  SurrogatHaut = 0;
  if (code == 0) return;
  const TFormatCaracteresRtf& format = FormatCourant();
  if (Courant.Segments.empty() || !(Courant.Segments.back().Format == format))
    Courant.Segments.push_back({{}, format});
  AjouteUtf8(Courant.Segments.back().Texte, code);
}

void TLecteur::FinParagraphe() {
  if (Etat().Destination == dsTexte) RangeParagraphe();
}

void TLecteur::RangeParagraphe() {
  Courant.Proprietes = Etat().Paragraphe;
  Courant.FormatFin = FormatCourant();
  Document.Paragraphes.push_back(std::move(Courant));
  Courant = {};
}

void TLecteur::ValidePolice() {
  if (NumeroPolice >= 0 && (Polices.size() < MaxPolices || Polices.contains(NumeroPolice))) {
    TPolice police;
    police.Nom = SansBlancsAutour(Windows1252VersUtf8(NomPolice));
    police.Symbol = JeuPolice == 2 || EgalSansCasse(police.Nom, "Symbol");
    Polices[NumeroPolice] = std::move(police);
  }
  NumeroPolice = -1;
  JeuPolice = 0;
  NomPolice.clear();
}

const TPolice* TLecteur::PoliceDe(int numero) const {
  const auto trouvee = Polices.find(numero < 0 ? PoliceParDefaut : numero);
  return trouvee == Polices.end() ? nullptr : &trouvee->second;
}

std::optional<TCouleurRtf> TLecteur::CouleurDe(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= Couleurs.size()) return std::nullopt;
  return Couleurs[static_cast<std::size_t>(index)];
}

bool TLecteur::PoliceCouranteSymbol() const {
  const TPolice* police = PoliceDe(Pile.back().Police);
  return police != nullptr && police->Symbol;
}

// Symbol-font text has been turned into Unicode, so it is drawn in the
// document's default font rather than in "Symbol".
const TFormatCaracteresRtf& TLecteur::FormatCourant() {
  if (!FormatSale) return Format;
  const TEtat& e = Pile.back();
  Format.Gras = e.Gras;
  Format.Italique = e.Italique;
  Format.Souligne = e.Souligne;
  Format.Barre = e.Barre;
  Format.Position = e.Position;
  Format.DemiPoints = e.DemiPoints;
  Format.Couleur = CouleurDe(e.Couleur);
  Format.Fond = e.Fond > 0 ? CouleurDe(e.Fond) : std::nullopt;
  const TPolice* police = PoliceDe(e.Police);
  if (police != nullptr && police->Symbol) police = PoliceDe(-1);
  Format.Police = police != nullptr && !police->Symbol ? police->Nom : std::string();
  FormatSale = false;
  return Format;
}

}  // namespace

std::string TParagrapheRtf::Texte() const {
  std::string texte;
  for (const TSegmentRtf& segment : Segments) texte += segment.Texte;
  return texte;
}

std::string TDocumentRtf::Texte() const {
  std::string texte;
  for (std::size_t i = 0; i < Paragraphes.size(); ++i) {
    if (i > 0) texte += '\n';
    texte += Paragraphes[i].Texte();
  }
  return texte;
}

TDocumentRtf LitRtf(std::string_view octets) { return TLecteur(octets).Lit(); }

}  // namespace kalvo
