// The program's own messages on the user's refused cards: the trump
// messages 50..58 (shown in the comment window) and the warnings 70..95,
// with what each costs on the play mark.
#pragma once

#include <optional>
#include <string_view>

namespace kalvo {

// Code of a card found in no accepted line: never commented, costs 50 once
// in a row.
inline constexpr int CodeHorsLigne = 49;
inline constexpr int CoutHorsLigne = 50;
// Cost of any code 50..69.
inline constexpr int CoutMessageAtout = 20;

// Codes of the checks of the user's card.
inline constexpr int MsgDefausseInterdite = 90;   // a discard counter refuses the card
inline constexpr int MsgSurprendre = 91;          // the partner's card was not overtaken

bool EstMessageAtout(int code);    // 50..58
bool EstMessageIntegre(int code);  // 70..95

// The text of a built-in message (UTF-8, no-break spaces kept); nothing for
// a code that has none.
std::optional<std::string_view> TexteMessageIntegre(int code);

// Marks a built-in warning 70..95 costs; 0 for any other code.
int CoutMessageIntegre(int code);

}  // namespace kalvo
