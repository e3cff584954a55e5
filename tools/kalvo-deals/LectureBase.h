// A deals database read whole for the tools that go through all its
// deals: the records, the collection numbers, and the questions file when
// one is given.
#pragma once

#include "model/Donne.h"
#include "model/NumerosVolume.h"
#include "model/Questions.h"
#include "tools/authoring/Raisons.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kalvo::outil_donnes {

struct TBaseLue {
  std::string Nom;  // file name of the database, for the messages
  std::vector<TDonne> Donnes;
  TNumerosVolume Volume;
  std::optional<std::vector<TQuestionsDonne>> Questions;  // record k = collection number k + 1
  std::vector<redaction::TRaison> Raisons;                 // the table of reasons beside the database
  std::vector<std::string> Avertissements;                 // French
  // The questions of deal n (1-based), when the file has its record.
  const TQuestionsDonne* QuestionsDe(int n) const;
  // The written reasons of deal n's deliberate refusals.
  std::vector<redaction::TRaison> RaisonsDe(int n) const;
};

// Throws ErreurFichier when the database cannot be read or holds no whole
// record. A truncated database, a bad collection table and a questions file
// whose length is not a whole number of records give warnings.
// volume: the collection table, raisons: the table of reasons (default:
// beside the database; an unreadable line is a warning).
TBaseLue LitBase(const std::filesystem::path& base, const std::optional<std::filesystem::path>& questions,
                 const std::optional<std::filesystem::path>& volume,
                 const std::optional<std::filesystem::path>& raisons = std::nullopt);

}  // namespace kalvo::outil_donnes
