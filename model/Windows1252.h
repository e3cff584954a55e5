// Files hold Windows-1252 text; the program works in UTF-8. These two
// functions are the only place where one becomes the other.
#pragma once

#include <string>
#include <string_view>

namespace kalvo {

// Every byte has a meaning except the five holes of the code page
// (0x81, 0x8D, 0x8F, 0x90, 0x9D), which map to U+FFFD.
std::string Windows1252VersUtf8(std::string_view octets);

// Characters outside the code page (and malformed UTF-8) become '?'.
std::string Utf8VersWindows1252(std::string_view texte);

// Decodes one UTF-8 character at texte[pos], advancing pos; returns
// U+FFFD for a malformed sequence (and advances by one byte).
char32_t LitCaractereUtf8(std::string_view texte, std::size_t& pos);
void AjouteUtf8(std::string& sortie, char32_t code);

}  // namespace kalvo
