#include "tools/authoring/Balisage.h"

#include "model/Windows1252.h"
#include "tools/authoring/EcrivainRtf.h"
#include "tools/authoring/LignesSource.h"
#include "tools/authoring/RtfBrut.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kalvo::redaction {

namespace {

struct TCouleurNommee {
  std::string_view Nom;
  TRgb Rgb;
};

// Dark enough to read on the light backgrounds of both viewers.
constexpr std::array<TCouleurNommee, 7> CouleursNommees{{
    {"rouge", {200, 0, 0}},
    {"bleu", {0, 0, 200}},
    {"vert", {0, 128, 0}},
    {"orange", {224, 112, 0}},
    {"violet", {128, 0, 160}},
    {"gris", {100, 100, 100}},
    {"noir", {0, 0, 0}},
}};
constexpr TRgb RougeDesCouleurs = CouleursNommees[0].Rgb;

constexpr char32_t Pique = 0x2660, Coeur = 0x2665, Carreau = 0x2666, Trefle = 0x2663;

// Indent of a bulleted line, in twips: the text stands at the tab stop.
constexpr int RetraitPuce = 300;

enum TGenreSpan : std::uint8_t { gsGras, gsItalique, gsSouligne, gsCouleur, gsSerif };

struct TSpan {
  TGenreSpan Genre = gsGras;
  TRgb Couleur{};
};

enum TMiseEnPage : std::uint8_t { mpNormale, mpTitre, mpPuce };

std::string_view Balise(TGenreSpan genre) {
  switch (genre) {
    case gsGras: return "« ** »";
    case gsItalique: return "« * »";
    case gsSouligne: return "« __ »";
    default: return "« { »";
  }
}

bool EstPonctuationAscii(char32_t c) {
  return (c >= '!' && c <= '/') || (c >= ':' && c <= '@') || (c >= '[' && c <= '`') ||
         (c >= '{' && c <= '~');
}

bool EstLettreAscii(char32_t c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

std::optional<char32_t> SymboleDeLettre(char32_t lettre) {
  switch (lettre) {
    case 'S': return Pique;
    case 'H': return Coeur;
    case 'D': return Carreau;
    case 'C': return Trefle;
    default: return std::nullopt;
  }
}

// Tabs become spaces, runs of spaces one space, and the ends are trimmed.
std::u32string NormaliseEspaces(const std::u32string& texte) {
  std::u32string resultat;
  for (char32_t c : texte) {
    if (c == '\t') c = ' ';
    if (c == ' ' && (resultat.empty() || resultat.back() == ' ')) continue;
    resultat += c;
  }
  if (!resultat.empty() && resultat.back() == ' ') resultat.pop_back();
  return resultat;
}

// Translates the lines of the markup one after the other into the writer.
class TTraducteur {
 public:
  explicit TTraducteur(std::vector<TDiagnosticBalisage>& erreurs) : Erreurs(erreurs) {}

  void Traduit(const std::vector<TLigneSource>& lignes);
  const TEcrivainRtf& Ecrivain() const { return Rtf; }
  const std::vector<TFinDeLigne>& Fins() const { return FinsDeLignes; }

 private:
  void TraduitLigne(std::u32string_view texte);
  void TraduitTexte(std::u32string_view texte);
  void ChangeMiseEnPage(TMiseEnPage nouvelle);
  void Etoiles(std::size_t nombre, bool suivieDUnBlanc);
  void Soulignes(std::size_t nombre, bool suivieDUnBlanc);
  std::size_t AccoladeOuvrante(std::u32string_view reste);
  void AccoladeFermante();
  void Symbole(char32_t code);
  void Ouvre(TSpan span);
  void Ferme();
  void FermeCroisee(std::size_t index, std::string_view precision);
  void FermeTout();
  bool EstOuvert(TGenreSpan genre) const;
  std::size_t DernierIndex(TGenreSpan genre) const;
  bool SommetEst(TGenreSpan genre, std::size_t profondeur = 0) const;
  std::optional<TRgb> CouleurCourante() const;
  void Erreur(TErreurBalisage code, std::string_view precision = {});

  std::vector<TDiagnosticBalisage>& Erreurs;
  TEcrivainRtf Rtf;
  std::vector<TFinDeLigne> FinsDeLignes;
  std::vector<TSpan> Pile;
  TMiseEnPage MiseEnPage = mpNormale;
  int LigneCourante = 0;
};

void TTraducteur::Erreur(TErreurBalisage code, std::string_view precision) {
  Erreurs.push_back(Diagnostic(code, LigneCourante, precision));
}

void TTraducteur::Traduit(const std::vector<TLigneSource>& lignes) {
  bool premiere = true;
  bool videEnAttente = false;
  for (const TLigneSource& ligne : lignes) {
    const std::u32string texte = NormaliseEspaces(ligne.Texte);
    if (texte.empty()) {
      videEnAttente = !premiere;  // several blank lines leave one empty line
      continue;
    }
    LigneCourante = ligne.Numero;
    if (!premiere) Rtf.MotControle("\\par");
    if (videEnAttente) Rtf.MotControle("\\par");
    premiere = videEnAttente = false;
    TraduitLigne(texte);
    FinsDeLignes.push_back({ligne.Numero, Rtf.TailleCorps()});
  }
}

void TTraducteur::TraduitLigne(std::u32string_view texte) {
  TMiseEnPage miseEnPage = mpNormale;
  if (texte.size() > 2 && (texte[0] == '#' || texte[0] == '-') && texte[1] == ' ') {
    miseEnPage = texte[0] == '#' ? mpTitre : mpPuce;
    texte.remove_prefix(2);
  }
  ChangeMiseEnPage(miseEnPage);
  if (miseEnPage == mpPuce) {
    Rtf.Caractere(0x2022);
    Rtf.MotControle("\\tab");
  } else if (miseEnPage == mpTitre) {
    Rtf.OuvreGroupe();
    Rtf.MotControle("\\b");
  }
  TraduitTexte(texte);
  FermeTout();
  if (miseEnPage == mpTitre) Rtf.FermeGroupe();
}

void TTraducteur::TraduitTexte(std::u32string_view texte) {
  for (std::size_t i = 0; i < texte.size();) {
    const char32_t c = texte[i];
    const char32_t suivant = i + 1 < texte.size() ? texte[i + 1] : U'\0';
    if (c == '\\' && EstPonctuationAscii(suivant)) {
      Rtf.Caractere(suivant);
      i += 2;
    } else if (c == '*' || c == '_') {
      const std::size_t fin = std::min(texte.find_first_not_of(c, i), texte.size());
      const bool blancApres = fin == texte.size() || texte[fin] == ' ';
      if (c == '*') Etoiles(fin - i, blancApres); else Soulignes(fin - i, blancApres);
      i = fin;
    } else if (c == '{') {
      i += AccoladeOuvrante(texte.substr(i));
    } else if (c == '}') {
      AccoladeFermante();
      ++i;
    } else if (const auto symbole = c == '!' ? SymboleDeLettre(suivant) : std::nullopt) {
      Symbole(*symbole);
      i += 2;
    } else {
      if (c == Pique || c == Coeur || c == Carreau || c == Trefle) Symbole(c); else Rtf.Caractere(c);
      ++i;
    }
  }
}

// Paragraph properties carry over \par, so they are written only when
// the kind of line changes.
void TTraducteur::ChangeMiseEnPage(TMiseEnPage nouvelle) {
  if (nouvelle == MiseEnPage) return;
  if (MiseEnPage != mpNormale) Rtf.MotControle("\\pard");
  if (nouvelle == mpTitre) {
    Rtf.MotControle("\\qc");
  } else if (nouvelle == mpPuce) {
    Rtf.MotControle("\\fi", -RetraitPuce);
    Rtf.MotControle("\\li", RetraitPuce);
    Rtf.MotControle("\\tx", RetraitPuce);
  }
  MiseEnPage = nouvelle;
}

// "*" italic, "**" bold, "***" both. A run that would open a span but is
// followed by a blank is plain text ("5 * 3").
void TTraducteur::Etoiles(std::size_t nombre, bool suivieDUnBlanc) {
  const auto texteLitteral = [&] { for (std::size_t k = 0; k < nombre; ++k) Rtf.Caractere('*'); };
  if (nombre == 3) {
    if ((SommetEst(gsGras) && SommetEst(gsItalique, 1)) || (SommetEst(gsItalique) && SommetEst(gsGras, 1))) {
      Ferme();
      Ferme();
    } else if (!EstOuvert(gsGras) && !EstOuvert(gsItalique)) {
      if (suivieDUnBlanc) return texteLitteral();
      Ouvre({gsGras});
      Ouvre({gsItalique});
    } else {
      Erreur(ebEtoiles, " : « *** » ne ferme pas les deux dernières balises ouvertes");
    }
    return;
  }
  if (nombre > 3) return Erreur(ebEtoiles, " : plus de trois « * » de suite (écrivez \\* pour une étoile)");
  const TGenreSpan genre = nombre == 1 ? gsItalique : gsGras;
  if (SommetEst(genre)) {
    Ferme();
  } else if (EstOuvert(genre)) {
    FermeCroisee(DernierIndex(genre), std::string(" : ") + std::string(Balise(genre)) +
                                          " ferme une balise qui n'est pas la dernière ouverte");
  } else if (suivieDUnBlanc) {
    texteLitteral();
  } else {
    Ouvre({genre});
  }
}

// "__" underlines; a single "_" or a longer run is plain text.
void TTraducteur::Soulignes(std::size_t nombre, bool suivieDUnBlanc) {
  if (nombre != 2) {
    for (std::size_t k = 0; k < nombre; ++k) Rtf.Caractere('_');
  } else if (SommetEst(gsSouligne)) {
    Ferme();
  } else if (EstOuvert(gsSouligne)) {
    FermeCroisee(DernierIndex(gsSouligne), " : « __ » ferme une balise qui n'est pas la dernière ouverte");
  } else if (suivieDUnBlanc) {
    Rtf.Caractere('_');
    Rtf.Caractere('_');
  } else {
    Ouvre({gsSouligne});
  }
}

// "{nom:" opens a colour (or the serif font); returns the characters used.
std::size_t TTraducteur::AccoladeOuvrante(std::u32string_view reste) {
  std::size_t fin = 1;
  while (fin < reste.size() && EstLettreAscii(reste[fin])) ++fin;
  if (fin == 1 || fin >= reste.size() || reste[fin] != ':') {
    Erreur(ebAccoladeOuvrante);
    Rtf.Caractere('{');
    return 1;
  }
  std::string nom;
  for (std::size_t k = 1; k < fin; ++k) nom += static_cast<char>(reste[k]);
  if (nom == "serif") {
    Ouvre({gsSerif});
    return fin + 1;
  }
  const auto trouvee = std::find_if(CouleursNommees.begin(), CouleursNommees.end(),
                                    [&](const TCouleurNommee& c) { return c.Nom == nom; });
  if (trouvee == CouleursNommees.end()) {
    Erreur(ebCouleurInconnue, " « " + nom + " » (rouge, bleu, vert, orange, violet, gris, noir ou serif)");
    Ouvre({gsCouleur, {}});  // keeps its closing brace paired
    return fin + 1;
  }
  Ouvre({gsCouleur, trouvee->Rgb});
  return fin + 1;
}

void TTraducteur::AccoladeFermante() {
  if (SommetEst(gsCouleur) || SommetEst(gsSerif)) {
    Ferme();
  } else if (EstOuvert(gsCouleur) || EstOuvert(gsSerif)) {
    FermeCroisee(std::max(DernierIndex(gsCouleur), DernierIndex(gsSerif)),
                 " : « } » ferme une couleur alors qu'une autre balise est ouverte après elle");
  } else {
    Erreur(ebFermetureSeule);
    Rtf.Caractere('}');
  }
}

// Hearts and diamonds are red whatever colour surrounds them.
void TTraducteur::Symbole(char32_t code) {
  const bool rouge = code == Coeur || code == Carreau;
  if (!rouge || CouleurCourante() == RougeDesCouleurs) return Rtf.Caractere(code);
  Rtf.OuvreGroupe();
  Rtf.MotControle("\\cf", Rtf.IndexCouleur(RougeDesCouleurs));
  Rtf.Caractere(code);
  Rtf.FermeGroupe();
}

void TTraducteur::Ouvre(TSpan span) {
  Pile.push_back(span);
  Rtf.OuvreGroupe();
  switch (span.Genre) {
    case gsGras: return Rtf.MotControle("\\b");
    case gsItalique: return Rtf.MotControle("\\i");
    case gsSouligne: return Rtf.MotControle("\\ul");
    case gsCouleur: return Rtf.MotControle("\\cf", Rtf.IndexCouleur(span.Couleur));
    case gsSerif: return Rtf.MotControle("\\f", Rtf.IndexPolice(prTimes));
  }
}

void TTraducteur::Ferme() {
  Pile.pop_back();
  Rtf.FermeGroupe();
}

// Reported, then mended as the author surely meant: the span is closed
// and those opened after it go on, so that one slip makes one message.
void TTraducteur::FermeCroisee(std::size_t index, std::string_view precision) {
  Erreur(ebCroisees, precision);
  const std::vector<TSpan> aRouvrir(Pile.begin() + static_cast<std::ptrdiff_t>(index) + 1, Pile.end());
  while (Pile.size() > index) Ferme();
  for (const TSpan& span : aRouvrir) Ouvre(span);
}

// Spans end with their line: one error per span left open, and the RTF
// stays balanced.
void TTraducteur::FermeTout() {
  while (!Pile.empty()) {
    Erreur(ebNonFermee, std::string(" : ") + std::string(Balise(Pile.back().Genre)));
    Ferme();
  }
}

bool TTraducteur::EstOuvert(TGenreSpan genre) const {
  return std::any_of(Pile.begin(), Pile.end(), [&](const TSpan& s) { return s.Genre == genre; });
}

// Index in the stack of the innermost span of this kind; 0 when there is
// none (callers ask only for kinds that are open).
std::size_t TTraducteur::DernierIndex(TGenreSpan genre) const {
  for (std::size_t i = Pile.size(); i > 0; --i)
    if (Pile[i - 1].Genre == genre) return i - 1;
  return 0;
}

bool TTraducteur::SommetEst(TGenreSpan genre, std::size_t profondeur) const {
  return Pile.size() > profondeur && Pile[Pile.size() - 1 - profondeur].Genre == genre;
}

std::optional<TRgb> TTraducteur::CouleurCourante() const {
  for (auto span = Pile.rbegin(); span != Pile.rend(); ++span)
    if (span->Genre == gsCouleur) return span->Couleur;
  return std::nullopt;
}

}  // namespace

TResultatBalisage BalisageVersRtf(std::string_view source, std::size_t budget, int premiereLigne) {
  TResultatBalisage resultat;
  const std::vector<TLigneSource> lignes = DecoupeLignes(source, premiereLigne, resultat.Erreurs);
  if (EstRtfBrut(lignes)) {
    TraduitRtfBrut(lignes, budget, premiereLigne, resultat);
    return resultat;
  }
  TTraducteur traducteur(resultat.Erreurs);
  traducteur.Traduit(lignes);
  const TEcrivainRtf& rtf = traducteur.Ecrivain();
  resultat.Rtf = rtf.Document();
  VerifieBudget(resultat.Rtf.size(), resultat.Rtf.size() - rtf.TailleCorps(), traducteur.Fins(),
                budget, premiereLigne, resultat.Erreurs);
  return resultat;
}

}  // namespace kalvo::redaction
