// Text read from a file, made safe to quote in a message: a terminal must
// not obey an escape sequence hidden in a deal source or a settings value,
// and a carriage return must not overwrite the start of the line.
#pragma once

#include <string>
#include <string_view>

namespace kalvo {

// The text with every control character written out (\r, \n, \t, \x1b;
// \u009b for a C1 control) and every byte that is not UTF-8 as \xNN.
// Printable UTF-8 is kept as it is.
std::string TexteVisible(std::string_view texte);

}  // namespace kalvo
