// A deal source (.donne) once read: every statement with the line it comes
// from, the script's chains and tables still named by their labels. The
// compiler gives the labels their numbers and lays everything into the
// deal record. The format is described in deals/README.md.
#pragma once

#include "model/BridgeTypes.h"
#include "model/NotationMains.h"
#include "model/Questions.h"
#include "model/StructuresDonne.h"
#include "tools/authoring/Diagnostics.h"
#include "tools/authoring/Lexique.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kalvo::redaction {

// A reference to a chain: a label (a name, or a number that is the chain's
// number), or one of the two values that are no chain.
struct TRenvoi {
  enum TGenre : std::uint8_t { rvAucun, rvEtiquette, rvStop } Genre = rvAucun;  // 0, a chain, -1
  std::string Etiquette;
  int Ligne = 0;
};

// A script card that may name a group or a counter (suit byte to resolve).
struct TCarteNommee {
  TCarteScript Carte;
  std::uint16_t Code = 0;
  int Ligne = 0;
};

// "raison N : texte": the script refuses a card with comment N although it
// is as good double dummy, on purpose, for this reason (Raisons.h).
struct TRaisonSource {
  std::uint16_t Code = 0;
  std::string Texte;  // UTF-8
  int Ligne = 0;
};

struct TEntreeSource {
  TRenvoi Suite;
  std::array<std::uint16_t, 4> Motifs{};  // type 2: a nibble per suit, 15 = any
  TJoueur Joueur = jrSud;                 // type 8
  T4Couleur Couleur = clTrefle;
  std::int32_t Nombre = 0;
  int Ligne = 0;
};

struct TChaineSource {
  std::string Etiquette;
  int Ligne = 0;
  TTypeChaine Type = tcLevee;
  std::optional<int> NumeroLevee;  // "levee 3": checked against the script's walk

  // Trick chain: the seat that leads, the lists of each seat in the order written.
  TJoueur Entameur = jrOuest;
  TRenvoi Suivante, Equivalente;
  std::array<std::vector<TCarteDefense>, 4> Defense;
  std::array<std::vector<TCarteNommee>, 4> Declarant;

  // Types 2 and 8.
  std::vector<TEntreeSource> Entrees;
  // Types 3, 4, 5, 9 (A, B); 10 and 11 (after the mode: South won, else).
  TRenvoi A, B;
  TJoueur Joueur = jrSud;
  T4Couleur Couleur = clTrefle;
  std::vector<TCard> Cartes;  // type 3
  // Type 6.
  std::uint16_t CodeRevendication = 0;
  std::int32_t LeveesNS = 0, LeveesEO = 0;
  // Types 10 and 11.
  std::int32_t NbLevees = 0;
  std::int32_t CodeDefaut = 0;
  std::vector<TCarteAuto> ListeSud, ListeNord;
  std::array<TParCouleurAuto, 4> ParCouleur{{{1, 0}, {1, 0}, {1, 0}, {1, 0}}};
  std::string Pool;
  // Trick chains and automatic sections: the reasons of deliberate refusals.
  std::vector<TRaisonSource> Raisons;
};

struct TGroupeSource {
  std::string Etiquette;
  int Ligne = 0;
  TGroupe Valeur;
};

struct TCompteurSource {
  std::string Etiquette;
  int Ligne = 0;
  std::array<TCompteur, 4> ParCouleur{};
};

struct TEntamePool {
  int Ligne = 0;
  bool Sud = true;  // the lead is South's (else North's)
  T4Couleur Couleur = clTrefle;
  std::uint8_t Rang = 0;
  std::vector<TConditionPool> Conditions;
  std::vector<TSuitePool> Suites;
  std::vector<TDefaussePool> Defausses;
  std::vector<TSuiteAutre> AutresSuites;
};

struct TMauvaiseEntame {
  int Ligne = 0;
  bool Sud = true;
  T4Couleur Couleur = clTrefle;
  std::uint8_t Rang = 0;
  std::uint16_t Code = 0;
};

struct TPoolSource {
  std::string Etiquette;
  int Ligne = 0;
  std::vector<TEntamePool> Entames;
  std::vector<TMauvaiseEntame> Mauvaises;
  std::vector<TRaisonSource> Raisons;
};

struct TCommentaireSource {
  int Numero = 0;
  std::string Texte;  // UTF-8
  int Ligne = 0;
};

struct TTexteSource {
  std::string Texte;  // the lines of the block, joined by LF
  int PremiereLigne = 0;
  int Ligne = 0;      // of the block's keyword
};

struct TQuestionSource {
  TQuestion Valeur;
  int Ligne = 0;
};

struct TPatch {
  std::size_t Decalage = 0;
  std::vector<std::uint8_t> Octets;
  int Ligne = 0;
};

template <class T>
struct TValeurLigne {
  T Valeur{};
  int Ligne = 0;
};

struct TSourceDonne {
  std::string Fichier;
  std::optional<TValeurLigne<int>> Ordre, Collection, Theme, Force;
  std::optional<TValeurLigne<TJoueur>> Donneur;
  std::optional<TValeurLigne<TVulnerabilite>> Vulnerabilite;
  std::optional<TValeurLigne<TEnchere>> Contrat;
  std::optional<TValeurLigne<TRangsDonne>> Mains;
  std::array<std::optional<std::array<T4Couleur, 4>>, 4> Rangements;  // by seat, order of the suits
  std::vector<TEnchere> Appels;  // the whole auction, closing passes included
  int LigneEncheres = 0;
  std::array<std::optional<TValeurLigne<std::string>>, NbAlertes> Alertes;
  std::vector<TCommentaireSource> Commentaires;  // in the order written
  std::array<std::optional<TValeurLigne<std::int32_t>>, NbCommentaires> Penalites;
  std::optional<TTexteSource> Point, Resume;
  std::vector<TGroupeSource> Groupes;
  std::vector<TCompteurSource> Compteurs;
  std::vector<TPoolSource> Pools;
  std::vector<TChaineSource> Chaines;
  std::vector<TValeurLigne<std::array<TCard, 4>>> Jeu;
  bool JeuAbsent = false;  // "jeu aucun": no complete play at all
  int LigneJeuAucun = 0;
  std::vector<TQuestionSource> Questions;
  std::vector<TPatch> PatchsDonne, PatchsQuestions;
  int DerniereLigne = 0;
};

// Reads a source. Every mistake is reported with its line; what could be
// read is returned all the same.
TSourceDonne AnalyseSource(std::string_view texte, const std::string& fichier, TDiagnostics& diagnostics);

}  // namespace kalvo::redaction
