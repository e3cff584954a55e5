// The bridge vocabulary every layer speaks: seats, suits, cards, hands,
// the French name tables and the small seat and arithmetic helpers.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace kalvo {

// Ordinals are stored in the deals database: the order is binding.
enum TJoueur : std::uint8_t { jrSud, jrOuest, jrNord, jrEst };
enum TCouleur : std::uint8_t { clTrefle, clCarreau, clCoeur, clPique, clSA, clIndefinie };
// A real suit, clTrefle..clPique. Kept as the same type so that suits read
// from a record flow without casts; EstCouleurReelle() guards the range.
using T4Couleur = TCouleur;
enum TVulnerabilite : std::uint8_t { vlnPersonne, vlnNS, vlnEO, vlnTous };
enum TLigne : std::uint8_t { liNS, liEO };
enum TAffichageJeu : std::uint8_t {
  afjNormal, afjNormalDecale, afjCoteDebout, afjCoteDecale,
  afjCoteNormal, afjCoteMort, afjMort, afjMortDecale
};

inline constexpr std::array<TJoueur, 4> TousLesJoueurs{jrSud, jrOuest, jrNord, jrEst};
inline constexpr std::array<T4Couleur, 4> ToutesLesCouleurs{clTrefle, clCarreau, clCoeur, clPique};

constexpr bool EstJoueurValide(int j) { return j >= jrSud && j <= jrEst; }
constexpr bool EstCouleurReelle(int c) { return c >= clTrefle && c <= clPique; }

// One card: rank h (2..14, ace high) then suit c, two bytes as stored.
// In script data the same bytes may carry codes (rank 15 = any rank, ...).
struct TCard {
  std::uint8_t h = 0;
  std::uint8_t c = 0;

  constexpr std::uint16_t Mot() const { return static_cast<std::uint16_t>(h | (c << 8)); }
  static constexpr TCard DeMot(std::uint16_t mot) {
    return TCard{static_cast<std::uint8_t>(mot & 0xFF), static_cast<std::uint8_t>(mot >> 8)};
  }
  constexpr bool EstVide() const { return h == 0 && c == 0; }
  constexpr bool EstReelle() const { return h >= 2 && h <= 14 && c <= clPique; }
  constexpr T4Couleur Couleur() const { return static_cast<T4Couleur>(c); }
  friend constexpr bool operator==(TCard, TCard) = default;
};
static_assert(sizeof(TCard) == 2);

constexpr bool CartesEgales(TCard a, TCard b) { return a == b; }

// Card index 1..52: clubs 2..A = 1..13, diamonds 14..26, hearts 27..39, spades 40..52.
constexpr int IndexCarte(TCard carte) { return carte.c * 13 + carte.h - 1; }
constexpr TCard CarteDeIndex(int index) {
  return TCard{static_cast<std::uint8_t>((index - 1) % 13 + 2), static_cast<std::uint8_t>((index - 1) / 13)};
}
constexpr bool EstIndexCarteValide(int index) { return index >= 1 && index <= 52; }

// Four hands of 13 cards in the stored order. Positions are 1..13 as the
// rest of the program counts them.
struct T4Jeux {
  std::array<std::array<TCard, 13>, 4> cartes{};

  TCard& operator()(TJoueur j, int position) {
    assert(EstJoueurValide(j) && position >= 1 && position <= 13);
    return cartes[j][static_cast<std::size_t>(position - 1)];
  }
  const TCard& operator()(TJoueur j, int position) const {
    assert(EstJoueurValide(j) && position >= 1 && position <= 13);
    return cartes[j][static_cast<std::size_t>(position - 1)];
  }
  friend bool operator==(const T4Jeux&, const T4Jeux&) = default;
};

// One card per seat: the current trick, or the last one. A zero card means
// the seat has not played.
using TCartesJouees = std::array<TCard, 4>;
using TArrayCouleur = std::array<bool, 4>;
using TPattern = std::array<int, 4>;

// [leader][seat]: 1 when the seat plays first or second in the trick,
// 2 when it plays third or fourth.
inline constexpr std::array<TPattern, 4> PositionsDansLevee{{
    {1, 1, 2, 2},  // Sud leads
    {2, 1, 1, 2},  // Ouest leads
    {2, 2, 1, 1},  // Nord leads
    {1, 2, 2, 1},  // Est leads
}};

// ".23456789XVDRA": the letter of rank h is at 1-based position h.
inline constexpr std::string_view LettresRangs = ".23456789XVDRA";
constexpr char LettreRang(int h) {
  assert(h >= 1 && h <= 14);
  return LettresRangs[static_cast<std::size_t>(h - 1)];
}

// French name tables, held in UTF-8 inside the program.
inline constexpr std::array<std::string_view, 4> NomsJoueurs{"Sud", "Ouest", "Nord", "Est"};
inline constexpr std::array<std::string_view, 4> DeJoueurs{"de ", "d'", "de ", "d'"};
inline constexpr std::array<std::string_view, 4> NomsVulnerabilites{"Personne", "Nord-Sud", "Est-Ouest", "Tous"};
inline constexpr std::array<std::string_view, 4> NomsHonneurs{"Valet", "Dame", "Roi", "As"};  // ranks 11..14
inline constexpr std::array<std::string_view, 5> NomsCouleursPluriel{"Trèfles", "Carreaux", "Cœurs", "Piques", "SA"};
inline constexpr std::array<std::string_view, 5> NomsCouleurs{"Trèfle", "Carreau", "Cœur", "Pique", "SA"};
inline constexpr int NbThemes = 28;
extern const std::array<std::string_view, NbThemes> NomsThemes;

// Suit symbols as shown on screen.
inline constexpr std::array<std::string_view, 5> SymbolesCouleurs{"♣", "♦", "♥", "♠", "SA"};

// Integer helpers of the layout code; integer division truncates toward zero.
constexpr int Maximum(int a, int b) { return a > b ? a : b; }
constexpr int Minimum(int a, int b) { return a < b ? a : b; }
constexpr int Centre(int taille, int debut, int fin) { return debut + (fin - debut - taille) / 2; }
constexpr int DemiEcart(int a, int b) { return (b - a) / 2; }
constexpr int MulDivEntier(int a, int b, int c) {
  return static_cast<int>(static_cast<std::int64_t>(a) * b / c);
}
constexpr int Pourcentage(int a, int b, int p) { return (b - a) * p / 100; }

constexpr TJoueur JoueurSuivant(TJoueur j) { return static_cast<TJoueur>((j + 1) % 4); }
constexpr TJoueur JoueurPrecedent(TJoueur j) { return static_cast<TJoueur>((j + 3) % 4); }
constexpr TJoueur Partenaire(TJoueur j) { return JoueurSuivant(JoueurSuivant(j)); }
constexpr bool EstDefenseur(TJoueur j) { return j == jrOuest || j == jrEst; }
constexpr TLigne LigneDe(TJoueur j) { return (j == jrSud || j == jrNord) ? liNS : liEO; }

// "Roi de Pique", "10 de Cœur", "2 de Trèfle".
std::string NomCarte(TCard carte);
// With its article: "le Roi de Cœur", "la Dame de Pique", "l'As de Trèfle".
std::string NomCarteArticle(TCard carte);
// The rank as written in a suit listing: "10" for the ten, else the letter.
std::string TexteRang(int h);
// The rank letters of the tools' notation, rank h at index h - 2.
inline constexpr std::string_view LettresRangsAnglaises = "23456789TJQKA";
char LettreRangAnglaise(int h);                          // 'A', 'T', '2'; '?' outside 2..14
std::optional<std::uint8_t> LitLettreRang(char lettre);  // upper or lower case
std::optional<TJoueur> LitLettreJoueur(char lettre);     // S, W or O, N, E, either case
// Short form used by the tools: "SA", "HT", "C2" (suit letter then rank letter).
std::string CodeCarte(TCard carte);
// Reads "SA", "HT", "C2" (also "S10"); false when the text is no card.
bool LitCodeCarte(std::string_view texte, TCard& carte);
char LettreCouleurAnglaise(T4Couleur c);   // 'C','D','H','S'
char LettreJoueurAnglaise(TJoueur j);      // 'S','W','N','E'

}  // namespace kalvo
