// The "Symbol" font places Greek letters, the four suits and mathematical
// signs on the byte values of ordinary letters; text written in it must be
// mapped to Unicode to be shown in any other font.
#pragma once

namespace kalvo {

// The Unicode character of a byte of the Symbol font, or 0 for the bytes
// that only draw pieces of large brackets.
char32_t CaractereSymbol(unsigned char octet);

}  // namespace kalvo
