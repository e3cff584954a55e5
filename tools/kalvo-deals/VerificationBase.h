// "kalvo-deals check": the checks of every deal of a database, with the
// double-dummy result of each deal, the exploration of its script and the
// double-dummy audit of the positions it reaches.
#pragma once

#include "tools/authoring/Verificateur.h"
#include "tools/kalvo-deals/Audit.h"
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
  // With the exploration: each position where the user has a choice
  // audited against double dummy (Audit.h).
  bool Audit = true;
  // A progress line on this stream while a deal takes long (only when it
  // is the error output of a terminal); none: no progress line.
  std::ostream* Avancement = nullptr;
};

// "BASE.DAT, donne 2, levée 6" for a finding of deal 2 at trick 6.
std::string LieuConstat(const std::string& donne, int levee);

// Prints each deal's double-dummy line on `sortie` and the findings on
// `erreurs`; returns 1 when there is an error, else 0.
int VerifieBase(const TBaseLue& base, const TOptionsCheck& options, std::ostream& sortie, std::ostream& erreurs);

}  // namespace kalvo::outil_donnes
