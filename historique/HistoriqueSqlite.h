// The history file historique.sqlite in the data folder. A damaged file is
// renamed aside and a new history started; a locked or newer file is left
// as it is and the trainer goes on without history. Every case that is not
// a plain opening comes with a French message for the user.
#pragma once

#include "model/Historique.h"

#include <filesystem>
#include <memory>
#include <string>

namespace kalvo {

inline constexpr const char* NomFichierHistorique = "historique.sqlite";

struct TOuvertureHistorique {
  std::unique_ptr<THistorique> Historique;  // null: no history this session
  std::string Message;                      // empty when all went well
  std::filesystem::path MisDeCote;          // where a damaged file went
};

// Opens the history at `fichier`, creating it when there is none.
TOuvertureHistorique OuvreHistorique(const std::filesystem::path& fichier);

// The serialised refused cards, "SA:12 HT:49"; the reading skips what it
// cannot read.
std::string TexteRefusees(const std::vector<TCarteRefusee>& refusees);
std::vector<TCarteRefusee> LitRefusees(const std::string& texte);

}  // namespace kalvo
