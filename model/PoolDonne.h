// Views over the pools of accepted plays (22796 bytes each) and their
// entries. Indexes and stored counts are checked as in ChaineDonne.h.
#pragma once

#include "model/BlocOctets.h"
#include "model/StructuresDonne.h"

#include <string>

namespace kalvo {

inline constexpr std::size_t TaillePool = 22796;
inline constexpr std::size_t TaillePoolCarte = 336;
inline constexpr std::size_t TaillePoolAutre = 20;

// One accepted lead and the accepted replies of the leader's partner.
template <bool Modifiable>
class TVuePoolCarte : public TBlocOctets<Modifiable> {
  using Base = TBlocOctets<Modifiable>;

 public:
  TVuePoolCarte(typename Base::Octet* debut, std::string contexte, int numeroDonne)
      : Base(debut, TaillePoolCarte, numeroDonne), contexte_(std::move(contexte)) {}

  std::uint8_t Rang() const { return this->Lit8(4); }
  int NbConditions() const { return this->Borne(this->Lit8(5), 0, 4, Contexte("NbConditions")); }
  int NbSuites() const { return this->Borne(this->Lit16(6), 0, 6, Contexte("NbSuites")); }
  int NbDefausses() const { return this->Borne(this->Lit16(8), 0, 7, Contexte("NbDefausses")); }
  TConditionPool Condition(int z) const {
    const std::size_t pos = PosCondition(z);
    return {this->Lit8(pos), this->LitCarte(pos + 1), this->Lit16(pos + 4)};
  }
  TSuitePool Suite(int k) const {
    const std::size_t pos = PosSuite(k);
    return {this->Lit8(pos), this->Lit16(pos + 4)};
  }
  TDefaussePool Defausse(int k) const {
    const std::size_t pos = PosDefausse(k);
    return {this->Lit8(pos), this->Lit8(pos + 1), this->Lit16(pos + 2)};
  }
  bool EstVide() const {
    for (std::size_t i = 0; i < TaillePoolCarte; ++i)
      if (this->Lit8(i) != 0) return false;
    return true;
  }

  void SetRang(std::uint8_t v) const requires Modifiable { this->Ecrit8(4, v); }
  void SetNbConditions(std::uint8_t v) const requires Modifiable { this->Ecrit8(5, v); }
  void SetNbSuites(std::uint16_t v) const requires Modifiable { this->Ecrit16(6, v); }
  void SetNbDefausses(std::uint16_t v) const requires Modifiable { this->Ecrit16(8, v); }
  void SetCondition(int z, const TConditionPool& v) const requires Modifiable {
    const std::size_t pos = PosCondition(z);
    this->Ecrit8(pos, v.Genre);
    this->EcritCarte(pos + 1, v.Carte);
    this->Ecrit16(pos + 4, v.Code);
  }
  void SetSuite(int k, const TSuitePool& v) const requires Modifiable {
    const std::size_t pos = PosSuite(k);
    this->Ecrit8(pos, v.Rang);
    this->Ecrit16(pos + 4, v.Code);
  }
  void SetDefausse(int k, const TDefaussePool& v) const requires Modifiable {
    const std::size_t pos = PosDefausse(k);
    this->Ecrit8(pos, v.Rang);
    this->Ecrit8(pos + 1, v.Couleur);
    this->Ecrit16(pos + 2, v.Code);
  }

 private:
  std::string Contexte(std::string_view quoi) const { return contexte_ + " : " + std::string(quoi); }
  std::size_t PosCondition(int z) const {
    return 8 * static_cast<std::size_t>(this->Borne(z, 1, 4, Contexte("condition"))) + 4;
  }
  std::size_t PosSuite(int k) const { return 44 * static_cast<std::size_t>(this->Borne(k, 1, 6, Contexte("suite"))); }
  std::size_t PosDefausse(int k) const {
    return 304 + 4 * static_cast<std::size_t>(this->Borne(k, 1, 7, Contexte("défausse")));
  }

  std::string contexte_;
};

// A known but wrong lead, and further known replies in the suit led.
template <bool Modifiable>
class TVuePoolAutre : public TBlocOctets<Modifiable> {
  using Base = TBlocOctets<Modifiable>;

 public:
  TVuePoolAutre(typename Base::Octet* debut, std::string contexte, int numeroDonne)
      : Base(debut, TaillePoolAutre, numeroDonne), contexte_(std::move(contexte)) {}

  std::uint8_t Rang() const { return this->Lit8(0); }
  std::uint16_t Code() const { return this->Lit16(16); }
  int NbSuites() const { return this->Borne(this->Lit8(1), 0, 7, contexte_ + " : NbSuites"); }
  TSuiteAutre Suite(int j) const {
    const std::size_t pos = PosSuite(j);
    return {this->Lit8(pos), this->Lit8(pos + 1)};
  }
  bool EstVide() const {
    for (std::size_t i = 0; i < TaillePoolAutre; ++i)
      if (this->Lit8(i) != 0) return false;
    return true;
  }

  void SetRang(std::uint8_t v) const requires Modifiable { this->Ecrit8(0, v); }
  void SetCode(std::uint16_t v) const requires Modifiable { this->Ecrit16(16, v); }
  void SetNbSuites(std::uint8_t v) const requires Modifiable { this->Ecrit8(1, v); }
  void SetSuite(int j, const TSuiteAutre& v) const requires Modifiable {
    const std::size_t pos = PosSuite(j);
    this->Ecrit8(pos, v.Rang);
    this->Ecrit8(pos + 1, v.Code);
  }

 private:
  std::size_t PosSuite(int j) const {
    return 2 * static_cast<std::size_t>(this->Borne(j, 1, 7, contexte_ + " : suite"));
  }

  std::string contexte_;
};

template <bool Modifiable>
class TVuePool : public TBlocOctets<Modifiable> {
  using Base = TBlocOctets<Modifiable>;

 public:
  TVuePool(typename Base::Octet* debut, int numero, int numeroDonne)
      : Base(debut, TaillePool, numeroDonne), numero_(numero) {}
  operator TVuePool<false>() const requires Modifiable { return {this->Debut(), numero_, this->NumeroDonne()}; }

  int Numero() const { return numero_; }
  // entameurSud: the trick is led by South (else by North); s the suit led.
  TVuePoolCarte<Modifiable> Entame(bool entameurSud, T4Couleur s, int y) const {
    const std::size_t pos = 8 + 10752 * (entameurSud ? 1u : 0u) + 2688 * Couleur(s) + 336 * (Entree(y) - 1);
    return {this->Adresse(pos, TaillePoolCarte), Contexte("entame", entameurSud, s, y), this->NumeroDonne()};
  }
  TVuePoolAutre<Modifiable> Autre(bool entameurSud, T4Couleur s, int y) const {
    const std::size_t pos = 21516 + 640 * (entameurSud ? 1u : 0u) + 160 * Couleur(s) + 20 * (Entree(y) - 1);
    return {this->Adresse(pos, TaillePoolAutre), Contexte("autre", entameurSud, s, y), this->NumeroDonne()};
  }

 private:
  std::size_t Couleur(T4Couleur s) const {
    return static_cast<std::size_t>(this->Borne(s, clTrefle, clPique, "pool " + std::to_string(numero_) + " : couleur"));
  }
  std::size_t Entree(int y) const {
    return static_cast<std::size_t>(this->Borne(y, 1, 8, "pool " + std::to_string(numero_) + " : entrée"));
  }
  std::string Contexte(std::string_view genre, bool entameurSud, T4Couleur s, int y) const {
    return "pool " + std::to_string(numero_) + ", " + std::string(genre) + (entameurSud ? " Sud " : " Nord ") +
           std::string(NomsCouleurs[s]) + " " + std::to_string(y);
  }

  int numero_;
};

using TPool = TVuePool<false>;
using TPoolModifiable = TVuePool<true>;
using TPoolCarte = TVuePoolCarte<false>;
using TPoolAutre = TVuePoolAutre<false>;

}  // namespace kalvo
