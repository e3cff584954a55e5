// A fixed table numbered from 1, as the deal's comments, tricks and
// questions are numbered.
#pragma once

#include <array>
#include <cassert>

namespace kalvo {

template <class T, int N>
class TTableau1 {
 public:
  static constexpr int Taille = N;
  static constexpr bool EstIndice(int i) { return i >= 1 && i <= N; }

  T& operator[](int i) {
    assert(EstIndice(i));
    return valeurs_[static_cast<std::size_t>(i - 1)];
  }
  const T& operator[](int i) const {
    assert(EstIndice(i));
    return valeurs_[static_cast<std::size_t>(i - 1)];
  }
  auto begin() { return valeurs_.begin(); }
  auto end() { return valeurs_.end(); }
  auto begin() const { return valeurs_.begin(); }
  auto end() const { return valeurs_.end(); }
  void Remplit(const T& valeur) { valeurs_.fill(valeur); }
  friend bool operator==(const TTableau1&, const TTableau1&) = default;

 private:
  std::array<T, N> valeurs_{};
};

}  // namespace kalvo
