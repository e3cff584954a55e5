// Little-endian access to a fixed window of a record's bytes. The offsets
// given here are the program's own constants, so they are asserted; numbers
// that come from the data are checked by the views built on top.
#pragma once

#include "model/BridgeTypes.h"
#include "model/ErreurDonnee.h"

#include <cassert>
#include <cstddef>
#include <cstdint>
#include <type_traits>

namespace kalvo {

template <bool Modifiable>
class TBlocOctets {
 public:
  using Octet = std::conditional_t<Modifiable, std::uint8_t, const std::uint8_t>;

  TBlocOctets(Octet* debut, std::size_t taille, int numeroDonne)
      : debut_(debut), taille_(taille), numeroDonne_(numeroDonne) {}

  int NumeroDonne() const { return numeroDonne_; }
  Octet* Debut() const { return debut_; }
  std::size_t Taille() const { return taille_; }

 protected:
  Octet* Adresse(std::size_t pos, [[maybe_unused]] std::size_t n) const {
    assert(pos + n <= taille_);
    return debut_ + pos;
  }
  std::uint8_t Lit8(std::size_t pos) const { return *Adresse(pos, 1); }
  std::uint16_t Lit16(std::size_t pos) const {
    const auto* p = Adresse(pos, 2);
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
  }
  std::int32_t Lit32(std::size_t pos) const {
    const auto* p = Adresse(pos, 4);
    const std::uint32_t v = static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                            (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
    return static_cast<std::int32_t>(v);
  }
  TCard LitCarte(std::size_t pos) const {
    const auto* p = Adresse(pos, 2);
    return TCard{p[0], p[1]};
  }

  void Ecrit8(std::size_t pos, std::uint8_t v) const requires Modifiable { *Adresse(pos, 1) = v; }
  void Ecrit16(std::size_t pos, std::uint16_t v) const requires Modifiable {
    auto* p = Adresse(pos, 2);
    p[0] = static_cast<std::uint8_t>(v & 0xFF);
    p[1] = static_cast<std::uint8_t>(v >> 8);
  }
  void Ecrit32(std::size_t pos, std::int32_t v) const requires Modifiable {
    auto* p = Adresse(pos, 4);
    const auto u = static_cast<std::uint32_t>(v);
    for (int i = 0; i < 4; ++i) p[i] = static_cast<std::uint8_t>((u >> (8 * i)) & 0xFF);
  }
  void EcritCarte(std::size_t pos, TCard carte) const requires Modifiable {
    auto* p = Adresse(pos, 2);
    p[0] = carte.h;
    p[1] = carte.c;
  }

  // Checks a number taken from the data (or asked by a caller) before it
  // selects a part of the record.
  int Borne(long long valeur, long long min, long long max, std::string_view quoi) const {
    return static_cast<int>(VerifieBornes(valeur, min, max, numeroDonne_, quoi));
  }
  TJoueur JoueurVerifie(std::uint8_t octet, std::string_view quoi) const {
    return static_cast<TJoueur>(Borne(octet, jrSud, jrEst, quoi));
  }
  T4Couleur CouleurVerifiee(std::uint8_t octet, std::string_view quoi) const {
    return static_cast<T4Couleur>(Borne(octet, clTrefle, clPique, quoi));
  }

 private:
  Octet* debut_;
  std::size_t taille_;
  int numeroDonne_;
};

}  // namespace kalvo
