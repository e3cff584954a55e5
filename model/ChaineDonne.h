// Views over one chain (266 bytes) of a deal's script. A view reads (and,
// when Modifiable, writes) the record in place; every number that selects a
// part of the chain is checked and reported as an ErreurDonnee.
#pragma once

#include "model/BlocOctets.h"
#include "model/StructuresDonne.h"

#include <string>

namespace kalvo {

inline constexpr std::size_t TailleChaine = 266;

// Variant part of an automatic-mode node (type 10).
template <bool Modifiable>
class TVueChaineAuto : public TBlocOctets<Modifiable> {
  using Base = TBlocOctets<Modifiable>;

 public:
  TVueChaineAuto(typename Base::Octet* chaine, int numero, int numeroDonne)
      : Base(chaine, TailleChaine, numeroDonne), numero_(numero) {}
  operator TVueChaineAuto<false>() const requires Modifiable { return {this->Debut(), numero_, this->NumeroDonne()}; }

  std::int32_t SuiteSiSud() const { return this->Lit32(18); }
  std::int32_t SuiteSinon() const { return this->Lit32(22); }
  std::int32_t NbLevees() const { return this->Lit32(26); }
  std::int32_t CodeDefaut() const { return this->Lit32(30); }
  int NbSud() const { return this->Borne(this->Lit32(34), 0, 8, Contexte("NbSud")); }
  int NbNord() const { return this->Borne(this->Lit32(38), 0, 8, Contexte("NbNord")); }
  TCarteAuto ListeSud(int i) const { return LitCarteAuto(42, i, "entrée de ListeSud"); }
  TCarteAuto ListeNord(int i) const { return LitCarteAuto(138, i, "entrée de ListeNord"); }
  TParCouleurAuto ParCouleur(T4Couleur s) const {
    const std::size_t pos = 234 + 8 * static_cast<std::size_t>(this->Borne(s, clTrefle, clPique, Contexte("couleur")));
    return {this->Lit8(pos), this->Lit32(pos + 4)};
  }

  void SetSuiteSiSud(std::int32_t v) const requires Modifiable { this->Ecrit32(18, v); }
  void SetSuiteSinon(std::int32_t v) const requires Modifiable { this->Ecrit32(22, v); }
  void SetNbLevees(std::int32_t v) const requires Modifiable { this->Ecrit32(26, v); }
  void SetCodeDefaut(std::int32_t v) const requires Modifiable { this->Ecrit32(30, v); }
  void SetNbSud(std::int32_t v) const requires Modifiable { this->Ecrit32(34, v); }
  void SetNbNord(std::int32_t v) const requires Modifiable { this->Ecrit32(38, v); }
  void SetListeSud(int i, const TCarteAuto& v) const requires Modifiable { EcritCarteAuto(42, i, v); }
  void SetListeNord(int i, const TCarteAuto& v) const requires Modifiable { EcritCarteAuto(138, i, v); }
  void SetParCouleur(T4Couleur s, const TParCouleurAuto& v) const requires Modifiable {
    const std::size_t pos = 234 + 8 * static_cast<std::size_t>(this->Borne(s, clTrefle, clPique, Contexte("couleur")));
    this->Ecrit8(pos, v.Permis);
    this->Ecrit32(pos + 4, v.Code);
  }

 private:
  std::string Contexte(std::string_view quoi) const {
    return "chaîne " + std::to_string(numero_) + " : " + std::string(quoi);
  }
  std::size_t PosCarteAuto(std::size_t debut, int i, std::string_view quoi) const {
    return debut + 12 * static_cast<std::size_t>(this->Borne(i, 1, 8, Contexte(quoi)) - 1);
  }
  TCarteAuto LitCarteAuto(std::size_t debut, int i, std::string_view quoi) const {
    const std::size_t pos = PosCarteAuto(debut, i, quoi);
    return {this->LitCarte(pos), this->Lit32(pos + 4), this->Lit8(pos + 8)};
  }
  void EcritCarteAuto(std::size_t debut, int i, const TCarteAuto& v) const requires Modifiable {
    const std::size_t pos = PosCarteAuto(debut, i, "entrée de liste automatique");
    this->EcritCarte(pos, v.Carte);
    this->Ecrit32(pos + 4, v.Code);
    this->Ecrit8(pos + 8, v.Defausse);
  }

  int numero_;
};

template <bool Modifiable>
class TVueChaine : public TBlocOctets<Modifiable> {
  using Base = TBlocOctets<Modifiable>;

 public:
  TVueChaine(typename Base::Octet* chaine, int numero, int numeroDonne)
      : Base(chaine, TailleChaine, numeroDonne), numero_(numero) {}
  operator TVueChaine<false>() const requires Modifiable { return {this->Debut(), numero_, this->NumeroDonne()}; }

  int Numero() const { return numero_; }

  // Common part.
  std::int32_t ChaineEquivalente() const { return this->Lit32(0); }
  std::int32_t ChaineSuivante() const { return this->Lit32(4); }
  TJoueur Entameur() const { return this->JoueurVerifie(this->Lit8(12), Contexte("entameur")); }
  std::uint8_t TypeChaine() const { return this->Lit8(17); }
  // Types outside 1..12 behave like 7.
  TTypeChaine TypeEffectif() const {
    const std::uint8_t t = TypeChaine();
    return (t >= tcLevee && t <= tcSolution) ? static_cast<TTypeChaine>(t) : tcRetourDebut;
  }
  // Slot (1 or 2) of a seat in this chain's trick.
  int Place(TJoueur joueur) const {
    return PositionsDansLevee[Entameur()][static_cast<std::size_t>(this->Borne(joueur, jrSud, jrEst, Contexte("joueur")))];
  }
  bool EstVide() const {
    for (std::size_t i = 0; i < TailleChaine; ++i)
      if (this->Lit8(i) != 0) return false;
    return true;
  }

  // Trick chain (type 1).
  TCarteDefense Defense(int place, int alternative) const {
    const std::size_t pos = PosDefense(place, alternative);
    return {this->Lit8(pos), this->Lit8(pos + 1), this->LitCarte(pos + 2), this->LitCarte(pos + 4),
            this->LitCarte(pos + 6)};
  }
  TCarteDeclarant Declarant(int place, int i) const {
    const std::size_t pos = PosDeclarant(place, i);
    return {this->LitCarte(pos), this->Lit16(pos + 2)};
  }

  // Two-way nodes (types 3, 4, 5, 9).
  std::int32_t ChaineA() const { return this->Lit32(18); }
  std::int32_t ChaineB() const { return this->Lit32(22); }
  // Seat tested by types 3 and 9, suit by type 9.
  TJoueur Joueur() const { return this->JoueurVerifie(this->Lit8(26), Contexte("joueur")); }
  T4Couleur Couleur() const { return this->CouleurVerifiee(this->Lit8(27), Contexte("couleur")); }
  // Type 3: the cards that must still be held.
  int NbCartes() const { return this->Borne(this->Lit32(27), 0, 17, Contexte("nombre de cartes")); }
  TCard CarteTenue(int i) const { return this->LitCarte(PosCarteTenue(i)); }

  // Types 2 and 8: four entries.
  TEntreeDistribution EntreeDistribution(int e) const {
    const std::size_t pos = PosEntree(e);
    return {this->Lit32(pos),
            {this->Lit16(pos + 4), this->Lit16(pos + 6), this->Lit16(pos + 8), this->Lit16(pos + 10)}};
  }
  TEntreeLongueur EntreeLongueur(int e) const {
    const std::size_t pos = PosEntree(e);
    return {this->Lit32(pos), this->JoueurVerifie(this->Lit8(pos + 4), Contexte("joueur de l'entrée")),
            this->CouleurVerifiee(this->Lit8(pos + 5), Contexte("couleur de l'entrée")), this->Lit32(pos + 8)};
  }

  // Type 6: end by claim.
  std::uint16_t CodeRevendication() const { return this->Lit16(18); }
  std::int32_t LeveesNS() const { return this->Lit32(22); }
  std::int32_t LeveesEO() const { return this->Lit32(26); }

  // Types 10 and 11.
  std::int32_t SuiteSiSud() const { return this->Lit32(18); }
  std::int32_t SuiteSinon() const { return this->Lit32(22); }
  std::int32_t NbLevees() const { return this->Lit32(26); }
  int NumeroPool() const { return this->Borne(this->Lit32(30), 1, NbPools, Contexte("pool")); }
  TVueChaineAuto<Modifiable> Auto() const { return {this->Debut(), numero_, this->NumeroDonne()}; }

  // Writers: they store what they are given; the readers check it.
  void SetChaineEquivalente(std::int32_t v) const requires Modifiable { this->Ecrit32(0, v); }
  void SetChaineSuivante(std::int32_t v) const requires Modifiable { this->Ecrit32(4, v); }
  void SetEntameur(std::uint8_t joueur) const requires Modifiable { this->Ecrit8(12, joueur); }
  void SetTypeChaine(std::uint8_t type) const requires Modifiable { this->Ecrit8(17, type); }
  void SetDefense(int place, int alternative, const TCarteDefense& v) const requires Modifiable {
    const std::size_t pos = PosDefense(place, alternative);
    this->Ecrit8(pos, v.SiPrecedente);
    this->Ecrit8(pos + 1, v.SiDerniere);
    this->EcritCarte(pos + 2, v.CarteDerniere);
    this->EcritCarte(pos + 4, v.CarteCondition);
    this->EcritCarte(pos + 6, v.Carte);
  }
  void SetDeclarant(int place, int i, const TCarteDeclarant& v) const requires Modifiable {
    const std::size_t pos = PosDeclarant(place, i);
    this->EcritCarte(pos, v.Carte);
    this->Ecrit16(pos + 2, v.Code);
  }
  void SetChaineA(std::int32_t v) const requires Modifiable { this->Ecrit32(18, v); }
  void SetChaineB(std::int32_t v) const requires Modifiable { this->Ecrit32(22, v); }
  void SetJoueur(std::uint8_t joueur) const requires Modifiable { this->Ecrit8(26, joueur); }
  void SetCouleur(std::uint8_t couleur) const requires Modifiable { this->Ecrit8(27, couleur); }
  void SetNbCartes(std::int32_t n) const requires Modifiable { this->Ecrit32(27, n); }
  void SetCarteTenue(int i, TCard carte) const requires Modifiable { this->EcritCarte(PosCarteTenue(i), carte); }
  void SetEntreeDistribution(int e, const TEntreeDistribution& v) const requires Modifiable {
    const std::size_t pos = PosEntree(e);
    this->Ecrit32(pos, v.Suite);
    for (std::size_t j = 0; j < 4; ++j) this->Ecrit16(pos + 4 + 2 * j, v.Motifs[j]);
  }
  void SetEntreeLongueur(int e, const TEntreeLongueur& v) const requires Modifiable {
    const std::size_t pos = PosEntree(e);
    this->Ecrit32(pos, v.Suite);
    this->Ecrit8(pos + 4, v.Joueur);
    this->Ecrit8(pos + 5, v.Couleur);
    this->Ecrit32(pos + 8, v.Nombre);
  }
  void SetCodeRevendication(std::uint16_t v) const requires Modifiable { this->Ecrit16(18, v); }
  void SetLeveesNS(std::int32_t v) const requires Modifiable { this->Ecrit32(22, v); }
  void SetLeveesEO(std::int32_t v) const requires Modifiable { this->Ecrit32(26, v); }
  void SetSuiteSiSud(std::int32_t v) const requires Modifiable { this->Ecrit32(18, v); }
  void SetSuiteSinon(std::int32_t v) const requires Modifiable { this->Ecrit32(22, v); }
  void SetNbLevees(std::int32_t v) const requires Modifiable { this->Ecrit32(26, v); }
  void SetNumeroPool(std::int32_t v) const requires Modifiable { this->Ecrit32(30, v); }

 private:
  std::string Contexte(std::string_view quoi) const {
    return "chaîne " + std::to_string(numero_) + " : " + std::string(quoi);
  }
  std::size_t PosDefense(int place, int alternative) const {
    const int s = this->Borne(place, 1, 2, Contexte("place de défense"));
    const int a = this->Borne(alternative, 1, 3, Contexte("alternative de défense"));
    return 18 + 24 * static_cast<std::size_t>(s - 1) + 8 * static_cast<std::size_t>(a - 1);
  }
  std::size_t PosDeclarant(int place, int i) const {
    const int s = this->Borne(place, 1, 2, Contexte("place du déclarant"));
    const int k = this->Borne(i, 1, 8, Contexte("carte du déclarant"));
    return 66 + 32 * static_cast<std::size_t>(s - 1) + 4 * static_cast<std::size_t>(k - 1);
  }
  std::size_t PosCarteTenue(int i) const {
    return 31 + 2 * static_cast<std::size_t>(this->Borne(i, 1, 17, Contexte("carte tenue")) - 1);
  }
  std::size_t PosEntree(int e) const {
    return 18 + 12 * static_cast<std::size_t>(this->Borne(e, 1, 4, Contexte("entrée")) - 1);
  }

  int numero_;
};

using TChaine = TVueChaine<false>;
using TChaineModifiable = TVueChaine<true>;
using TChaineAuto = TVueChaineAuto<false>;
using TChaineAutoModifiable = TVueChaineAuto<true>;

}  // namespace kalvo
