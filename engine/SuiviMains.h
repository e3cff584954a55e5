// The play-tracking engine: follows the 52 cards of the deal being played
// and derives, after every trick, masters, established cards, ranks,
// entries and blocked suits.
//
// The engine checks nothing: callers pass seats South..East, real suits and
// positions 1..13. Assertions (on in the test build) catch a wrong call.
#pragma once

#include <array>
#include <cassert>
#include <cstdint>
#include <string>

#include "engine/Situation.h"
#include "engine/Solutions.h"
#include "model/BridgeTypes.h"

namespace kalvo {

// What the engine knows of one card of a hand.
struct TSuiviCarte {
  bool played = false;
  bool superieure = false;    // the partner holds no higher card of the suit
  bool maitresse = false;     // neither opponent holds a higher card of the suit
  bool affranchie = false;    // established by length
  bool communicante = false;  // the partner holds a higher card: leading it reaches the partner
  bool receptrice = false;    // the partner holds a lower card: it can take the partner's lead
  bool isolee = false;        // the partner has no card of the suit
  bool is_atout = false;
  int numero = 0;       // place among the hand's remaining cards of the suit, 1 = highest
  int rang = 0;         // rank within the partnership
  int rang_absolu = 0;  // rank among the four hands
  int indice = 0;       // position in the hand, 1..13
  T4Couleur coul = clTrefle;
  std::uint8_t ht = 0;
};

// One partnership in one suit.
struct TSuiviLigne {
  int nombre = 0;
  int maxlongueur = 0;
  int maitresses = 0;
};

// One hand in one suit.
struct TSuiviCouleur {
  int nombre = 0;
  int maxlongueur = 0;  // the longer holding of the hand and its partner
  int superieures = 0;
  int maitresses = 0;
  int affranchies = 0;
  int atouts = 0;  // never set
};

// A hand's highest remaining card of a suit; (0, 0) when none.
struct TPlusForte {
  int indice = 0;
  std::uint8_t h = 0;
};

// [seat][position 1..13] of per-card records.
struct TSuiviJeux {
  std::array<std::array<TSuiviCarte, 13>, 4> cartes{};

  TSuiviCarte& operator()(TJoueur j, int position) {
    assert(EstJoueurValide(j) && position >= 1 && position <= 13);
    return cartes[j][static_cast<std::size_t>(position - 1)];
  }
  const TSuiviCarte& operator()(TJoueur j, int position) const {
    assert(EstJoueurValide(j) && position >= 1 && position <= 13);
    return cartes[j][static_cast<std::size_t>(position - 1)];
  }
};

template <typename T>
using TParCouleur = std::array<T, 4>;
using TSuiviLigneCouleurs = std::array<TParCouleur<TSuiviLigne>, 2>;  // [TLigne][suit]
using TSuiviCouleurs = std::array<TParCouleur<TSuiviCouleur>, 4>;     // [seat][suit]
using TPlusFortes = std::array<TParCouleur<TPlusForte>, 4>;           // [seat][suit]
using TRestantes = std::array<int, 4>;                                // [seat]
using TCommunications = std::array<TParCouleur<int>, 2>;              // [0 South, 1 North][suit]
using TBlocage = std::array<TParCouleur<bool>, 2>;                    // [0 South, 1 North][suit]

class TSuiviMains {
 public:
  TSuiviMains() = default;

  // ---- Updates ----
  void s_Initialise(T4Jeux Jx, int Donne, TCouleur atout);
  void s_SetCarteJouee(TJoueur joueur, int indice);
  void s_Actualise(TJoueur Joueur, T4Couleur Coul);
  void s_ActualiseSuiviJeux(int L, int CL);
  void s_ActualiseCommunicationsBlocages(int L);

  // ---- Card lookup (live unless noted) ----
  TJoueur s_QuiACetteCarte(TCard carte) const;
  int s_ChercheIndiceCarte(TJoueur main, TCard carte) const;
  int s_ChercheIndiceCarteInSuivi(TJoueur main, TCard carte) const;
  bool s_ChercheCarte(TJoueur main, TCard carte) const;
  int s_ChercheNumeroCarte(TJoueur main, TCard carte) const;
  int s_GetNumeroInCouleur(TJoueur Joueur, TCard Carte) const;
  bool s_isCarteJouee(TJoueur joueur, int indice) const;
  std::uint8_t s_GetHauteurCarte(TJoueur main, int indice) const;
  bool is_Maitresse(TJoueur Joueur, TCard Carte) const;  // flag
  bool s_NeResteQueCetteCarteDansLaCouleur(TJoueur main, TCard carte) const;

  // ---- Positions within a suit (live); 0 means none ----
  int s_GetIndiceOfCouleur(TJoueur main, T4Couleur coul) const;
  int s_GetIndicePlusGrosseCarteNonJouee(TJoueur Joueur, T4Couleur Coul) const;
  int s_FindIndiceFirstNonPrise(TJoueur main, T4Couleur coul) const;
  int s_GetIndicePlusPetiteCarteNonJouee(TJoueur Joueur, T4Couleur Coul) const;
  int s_FindIndiceLastNonPrise(TJoueur main, T4Couleur coul) const;
  int s_GetIndicePlusGrosse(TJoueur main, T4Couleur coul, std::uint8_t h) const;
  std::uint8_t s_PlusPetiteDesEquivalentes(TJoueur main, T4Couleur coul) const;  // a rank
  int s_FindIndiceLastCarteNonPrise(TJoueur main) const;  // first unplayed position, 14 if none

  // ---- Counts ----
  int s_CompteCartesCouleur(TJoueur Joueur, T4Couleur Coul) const;
  int s_GetNbNonPrisesInCouleur(TJoueur main, T4Couleur coul) const;
  int s_GetCompteCouleur(TJoueur Joueur, T4Couleur Coul) const;
  int s_GetNbreCartesCouleur(TJoueur Joueur, T4Couleur Coul) const;
  int s_nb_cartes_jouees(TJoueur joueur) const;  // the cards NOT yet played
  int s_GetNbPlusfortes(T4Couleur Coul, TJoueur Joueur, std::uint8_t h) const;
  int s_GetNombreDeCartesSuperieures(TJoueur JoueurOrigine, TJoueur JoueurCompare, T4Couleur Coul) const;
  int s_CombienDeCartesSuperieures(TJoueur Joueur, T4Couleur Coul) const;
  bool s_IsInferieureACartesAdverses(TJoueur Joueur, T4Couleur Coul) const;
  int s_CompteCartesMaitresses(TJoueur Joueur, T4Couleur Coul) const;
  int s_CompteCartesSuperieures(TJoueur Joueur, T4Couleur Coul) const;
  int s_CompteCartesSuperieuresAbsolues(TJoueur Joueur, T4Couleur Coul) const;
  int s_GetMaitresses(TJoueur Joueur, T4Couleur Coul) const;            // flag
  int s_GetSuperieures(TJoueur Joueur, T4Couleur Coul) const;           // flag
  int s_ComptesCartesReceveuses(TJoueur Joueur, T4Couleur Coul) const;  // flag

  // ---- Counters and totals ----
  int s_GetLongueur(TLigne Ligne, T4Couleur Couleur) const;
  int s_PlusGrandeLongueur(T4Couleur Couleur, bool isNS) const;
  T4Couleur s_GetCouleurLaPlusLongue(TJoueur Joueur) const;
  int s_GetMaitressesLigne(TLigne Ligne, T4Couleur Coul) const;                 // flag
  bool s_isAllMaitressesInCouleur(TJoueur Joueur, T4Couleur Coul) const;        // flag
  bool s_isAllMaitressesOrAffranchiesInCouleur(TJoueur Joueur, T4Couleur Coul) const;  // flag
  int s_GetTotalMaitresses(TJoueur Joueur) const;                               // flag
  int s_GetTotalMaitressesAffranchies(TJoueur Joueur) const;                    // flag
  int s_GetTotalCommunications(bool sens) const;                                // flag; true = North
  int s_GetMaitressesRealisables(TJoueur Joueur) const;                         // flag
  int s_GetRangMini(TJoueur Joueur, T4Couleur Coul) const;                      // flag

  // ---- Text ----
  // The hand's cards of the suit as dealt, " R V 10 4", or " —" for a void (UTF-8).
  std::string s_GetCartes(TJoueur main, T4Couleur coul) const;

  // ---- Situation analysis (South or North only) ----
  TSituation s_ExamineSituation(TJoueur Joueur) const;
  TSituationCarte s_ExamineDefausseJoueur3(TJoueur Joueur, TCard Carte1, TCard Carte) const;
  bool s_CarteIsolee(TJoueur Joueur, TArrayCouleur& Couleurs) const;
  bool s_Situation_de_blocage(TJoueur Joueur, TArrayCouleur& Couls) const;
  bool s_Situation_de_blocage_en_main(TJoueur Joueur, TArrayCouleur& Couls) const;
  bool s_Situation_de_blocage_imminente(TJoueur Joueur, TArrayCouleur& Couls) const;
  int CompteEntrees(TJoueur Joueur) const;  // flag: entries over the four suits

  // ---- Solutions ----
  // Fills the solution list for the seat that leads trick Levee (South or
  // North). Leaves it empty unless 2 to 6 tricks are left.
  void s_CalculeSolutions(TJoueur JoueurActuel, int Levee);
  const TListeSolutions& ListeSolutions() const { return listeSolutions_; }
  int NbSolutions() const { return listeSolutions_.NbSolutions(); }

  // ---- Read access to the records ----
  const T4Jeux& Jeux() const { return FJeux; }
  TCard Carte(TJoueur j, int indice) const { return FJeux(j, indice); }
  const TSuiviCarte& Suivi(TJoueur j, int indice) const { return FSuivi(j, indice); }
  const TSuiviCouleur& SuiviCouleur(TJoueur j, T4Couleur c) const {
    assert(EstJoueurValide(j) && EstCouleurReelle(c));
    return FSuiviCouleurs[j][c];
  }
  const TSuiviLigne& SuiviLigne(TLigne l, T4Couleur c) const {
    assert((l == liNS || l == liEO) && EstCouleurReelle(c));
    return FSuiviLigneCouleurs[l][c];
  }
  const TPlusForte& PlusForte(TJoueur j, T4Couleur c) const {
    assert(EstJoueurValide(j) && EstCouleurReelle(c));
    return FPlusFortes[j][c];
  }
  // Entries and blocked flags exist for South and North only.
  int Communications(TJoueur j, T4Couleur c) const { return FCommunications[RangeeNS(j)][CouleurValide(c)]; }
  int TotalCommunications(TJoueur j) const { return FTotalCommunications[RangeeNS(j)]; }
  bool Bloquee(TJoueur j, T4Couleur c) const { return FBlocage[RangeeNS(j)][CouleurValide(c)]; }
  int Compte(TJoueur j) const { return FCompte[JoueurValide(j)]; }
  TCouleur CouleurAtout() const { return FCouleurAtout; }
  int Levee() const { return FLevee; }
  int NumDonne() const { return FNumDonne; }
  int CompteurLevees() const { return FCompteurLevees; }

 private:
  static std::size_t RangeeNS(TJoueur j) {
    assert(j == jrSud || j == jrNord);
    return j == jrNord ? 1 : 0;
  }
  static std::size_t CouleurValide(T4Couleur c) {
    assert(EstCouleurReelle(c));
    return c;
  }
  static std::size_t JoueurValide(TJoueur j) {
    assert(EstJoueurValide(j));
    return j;
  }
  TSuiviCouleur& Couleur(TJoueur j, T4Couleur c) { return FSuiviCouleurs[JoueurValide(j)][CouleurValide(c)]; }
  const TSuiviCouleur& Couleur(TJoueur j, T4Couleur c) const {
    return FSuiviCouleurs[JoueurValide(j)][CouleurValide(c)];
  }
  int EntreesSauf(TJoueur j, T4Couleur exclue) const;  // entries in the three other suits
  int PlusPetiteRestante(TJoueur main, T4Couleur coul) const;  // rank, 0 if none
  void ActualiseLignes(T4Couleur coul);
  void ActualisePlusForte(TJoueur j, T4Couleur coul);
  void RecompteLignes();
  void RecompteCouleurs();

  TSuiviJeux FSuivi;
  T4Jeux FJeux;
  TSuiviLigneCouleurs FSuiviLigneCouleurs{};
  TSuiviCouleurs FSuiviCouleurs{};
  TRestantes FCompte{};
  TCommunications FCommunications{};
  std::array<int, 2> FTotalCommunications{};  // [false] South, [true] North
  TPlusFortes FPlusFortes{};
  TBlocage FBlocage{};
  int FLevee = 0;
  int FNumDonne = 0;
  int FCompteurLevees = 0;
  TCouleur FCouleurAtout = clSA;
  // Not part of the tracking: the last calculation's result, kept until the next one.
  TListeSolutions listeSolutions_;
};

}  // namespace kalvo
