// French agreement of a counted noun in messages: "1 donne", "4 donnes".
#pragma once

#include <string>
#include <string_view>

namespace kalvo {

// The number and the noun, singular below 2 ("0 donne", "1 donne").
inline std::string Compte(long long n, std::string_view singulier, std::string_view pluriel) {
  return std::to_string(n) + " " + std::string(n >= -1 && n <= 1 ? singulier : pluriel);
}

}  // namespace kalvo
