// The small fixed records of a deal's script and the codes its card bytes
// may carry. They are values: read from the record, changed, written back.
#pragma once

#include "model/BridgeTypes.h"

#include <array>
#include <cstdint>

namespace kalvo {

// Sizes of the record's tables.
inline constexpr int NbChaines = 400;
inline constexpr int NbPools = 4;
inline constexpr int NbGroupes = 4;
inline constexpr int NbTablesCompteurs = 2;
inline constexpr int NbAlertes = 4;
inline constexpr int NbCommentaires = 18;
inline constexpr int NbLignesEncheres = 7;
inline constexpr int NbLeveesJeuComplet = 12;
inline constexpr int LgMaxCommentaires = 2204;
inline constexpr int LgMaxPoint = 1000;
inline constexpr int LgMaxResume = 1900;
inline constexpr int LgMaxAlerte = 40;

// Codes of a script card's rank byte (they never occur in a hand).
inline constexpr std::uint8_t RangFinDeListe = 0;
inline constexpr std::uint8_t RangQuelconque = 15;       // any card of the suit
inline constexpr std::uint8_t RangPlusHaute = 16;        // highest (defender); any master (pool discard)
inline constexpr std::uint8_t RangBatCampDeclarant = 32; // cheapest card beating the declarer side's
inline constexpr std::uint8_t RangGroupe = 48;           // suit byte = group number 1..4
inline constexpr std::uint8_t RangBasDeSequence = 64;    // lowest of the defender's top run
inline constexpr std::uint8_t RangBatPartenaire = 80;    // must beat partner's card, else message 91
inline constexpr std::uint8_t RangCompteur = 128;        // suit byte = counter table 1..2
inline constexpr std::uint8_t CouleurQuelconque = 7;     // suit byte: any suit

// Chain numbers a node may resolve to besides a chain.
inline constexpr int ActionSolution = 996;
inline constexpr int ActionAutomatique = 997;
inline constexpr int ActionPool = 998;
inline constexpr int ActionFinDonne = 999;

enum TTypeChaine : std::uint8_t {
  tcLevee = 1,
  tcDistribution = 2,
  tcCartesTenues = 3,
  tcHasard = 4,
  tcGagnantLevee = 5,
  tcRevendication = 6,
  tcRetourDebut = 7,
  tcLongueur = 8,
  tcPartenairePrend = 9,
  tcAutomatique = 10,
  tcPool = 11,
  tcSolution = 12,
};

// One call of the auction.
inline constexpr std::uint8_t NiveauFinEncheres = 255;
struct TEnchere {
  std::uint8_t Niveau = 0;   // 1..7 a bid, 0 not a bid, 255 end of the auction
  std::uint8_t Couleur = 0;  // bid: TCouleur; Niveau 0: 1 pass, 2 double, other redouble
  std::uint16_t Alerte = 0;  // 0 or the alert text 1..4
  friend bool operator==(const TEnchere&, const TEnchere&) = default;
};

struct TCarteDefense {
  std::uint8_t SiPrecedente = 0;
  std::uint8_t SiDerniere = 0;
  TCard CarteDerniere;
  TCard CarteCondition;
  TCard Carte;
  friend bool operator==(const TCarteDefense&, const TCarteDefense&) = default;
};

struct TCarteDeclarant {
  TCard Carte;
  std::uint16_t Code = 0;  // comment number its play earns, 0 = right
  friend bool operator==(const TCarteDeclarant&, const TCarteDeclarant&) = default;
};

// Type 2 node entry: next chain and, per seat, a nibble per suit (15 = any).
struct TEntreeDistribution {
  std::int32_t Suite = 0;
  std::array<std::uint16_t, 4> Motifs{};
  friend bool operator==(const TEntreeDistribution&, const TEntreeDistribution&) = default;
};

// Type 8 node entry. Joueur and Couleur are checked when read.
struct TEntreeLongueur {
  std::int32_t Suite = 0;
  TJoueur Joueur = jrSud;
  T4Couleur Couleur = clTrefle;
  std::int32_t Nombre = 0;
  friend bool operator==(const TEntreeLongueur&, const TEntreeLongueur&) = default;
};

struct TCarteAuto {
  TCard Carte;
  std::int32_t Code = 0;
  std::uint8_t Defausse = 0;
  friend bool operator==(const TCarteAuto&, const TCarteAuto&) = default;
};

struct TParCouleurAuto {
  std::uint8_t Permis = 0;
  std::int32_t Code = 0;
  friend bool operator==(const TParCouleurAuto&, const TParCouleurAuto&) = default;
};

struct TCompteur {
  std::int32_t Reste = 0;
  std::uint16_t Code = 0;
  std::array<std::uint8_t, 8> Rangs{};
  friend bool operator==(const TCompteur&, const TCompteur&) = default;
};

struct TGroupe {
  std::array<TCard, 4> Prealables{};
  std::array<TCard, 4> Acceptees{};
  std::uint16_t Code = 0;
  friend bool operator==(const TGroupe&, const TGroupe&) = default;
};

struct TConditionPool {
  std::uint8_t Genre = 0;  // 1 fails while the card is unplayed, 2 once it is played
  TCard Carte;
  std::uint16_t Code = 0;
  friend bool operator==(const TConditionPool&, const TConditionPool&) = default;
};

struct TSuitePool {
  std::uint8_t Rang = 0;
  std::uint16_t Code = 0;
  friend bool operator==(const TSuitePool&, const TSuitePool&) = default;
};

struct TDefaussePool {
  std::uint8_t Rang = 0;
  std::uint8_t Couleur = 0;
  std::uint16_t Code = 0;
  friend bool operator==(const TDefaussePool&, const TDefaussePool&) = default;
};

struct TSuiteAutre {
  std::uint8_t Rang = 0;
  std::uint8_t Code = 0;
  friend bool operator==(const TSuiteAutre&, const TSuiteAutre&) = default;
};

}  // namespace kalvo
