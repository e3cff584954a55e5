// The scrambling of the deal's texts: each stored byte is the plain byte
// XOR the previous stored byte (the first one XOR 128).
#pragma once

#include <string>
#include <string_view>

namespace kalvo {

std::string DebrouilleTexte(std::string_view octets);
// The inverse, used by the tools that build a database.
std::string BrouilleTexte(std::string_view clair);

}  // namespace kalvo
