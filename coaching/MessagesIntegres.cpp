#include "coaching/MessagesIntegres.h"

#include <array>

namespace kalvo {

namespace {

// A no-break space (U+00A0) stands before "!" where the line must not break.
constexpr std::array<std::string_view, 9> MessagesAtout{
    "C'est le moment de retirer les atouts adverses.",
    "Continuons à retirer les atouts adverses.",
    "Retirons le dernier atout adverse.",
    "Il faut finir de retirer les atouts adverses.",
    "Il faut maintenant retirer le maximum d'atouts adverses...",
    "C'est le moment de retirer l'atout adverse restant.",
    "Le bon moment pour retirer les atouts adverses\u00A0!",
    "Tous les atouts adverses ont été retirés...",
    "Priorité au retrait des atouts !",
};

struct TMessageIntegre {
  int Cout;
  std::string_view Texte;
};

constexpr std::array<TMessageIntegre, 26> Messages{{
    {20, "Ce doit être une étourderie..."},
    {40, "Vous allez chuter !"},
    {10, "Pas de gaspillage..."},
    {40, "Attention au blocage !"},
    {40, "Attention aux communications"},
    {40, "Il reste une levée à encaisser\u00A0!"},
    {10, "Priorité au retrait des atouts !"},
    {40, "Réfléchissez encore..."},
    {10, "Tous les atouts n'ont pas été retirés !"},
    {0, "Pas de résultats enregistrés"},
    {30, "Les Trèfles sont bloqués !"},
    {30, "Les Carreaux sont bloqués !"},
    {30, "Les Cœurs sont bloqués !"},
    {30, "Les Piques sont bloqués !"},
    {30, "Il faut encaisser les Trèfles maîtres !"},
    {30, "Il faut encaisser les Carreaux maîtres !"},
    {30, "Il faut encaisser les Cœurs maîtres !"},
    {30, "Il faut encaisser les Piques maîtres !"},
    {10, "Il ne reste qu'à encaisser la ou les levées maîtresses..."},
    {0, "Il ne reste plus qu'une levée à encaisser pour gagner ce contrat !"},
    {20, "Il vaut mieux éviter de défausser cette carte..."},
    {10, "Il faut surprendre..."},
    {30, "Il faut encaisser le Trèfle maître !"},
    {30, "Il faut encaisser le Carreau maître !"},
    {30, "Il faut encaisser le Cœur maître !"},
    {30, "Il faut encaisser le Pique maître !"},
}};

}  // namespace

bool EstMessageAtout(int code) { return code >= 50 && code <= 58; }

bool EstMessageIntegre(int code) { return code >= 70 && code <= 95; }

std::optional<std::string_view> TexteMessageIntegre(int code) {
  if (EstMessageAtout(code)) return MessagesAtout[static_cast<std::size_t>(code - 50)];
  if (EstMessageIntegre(code)) return Messages[static_cast<std::size_t>(code - 70)].Texte;
  return std::nullopt;
}

int CoutMessageIntegre(int code) {
  return EstMessageIntegre(code) ? Messages[static_cast<std::size_t>(code - 70)].Cout : 0;
}

}  // namespace kalvo
