// "kalvo-deals check": the checks of every deal of a database, with the
// double-dummy result of each deal.
#pragma once

#include "tools/authoring/Verificateur.h"
#include "tools/kalvo-deals/Exploration.h"
#include "tools/kalvo-deals/LectureBase.h"

#include <ostream>

namespace kalvo::outil_donnes {

// "chaîne 3", "jeu complet, levée 5", "question 2"... empty for the deal itself.
std::string TexteLieu(const redaction::TLieu& lieu);

struct TOptionsCheck {
  bool DoubleMort = true;
  // The files the base was read from, for the exploration of each deal's
  // script through the controller; none: no exploration.
  std::optional<TFichiersExploration> Exploration;
  TOptionsExploration OptionsExploration;
};

// Prints each deal's double-dummy line on `sortie` and the findings on
// `erreurs`; returns 1 when there is an error, else 0.
int VerifieBase(const TBaseLue& base, const TOptionsCheck& options, std::ostream& sortie, std::ostream& erreurs);

}  // namespace kalvo::outil_donnes
