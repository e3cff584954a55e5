// What a game controller is made from: the data folder and its files, the
// settings, the seed of its draws.
#pragma once

#include "model/BaseDonnes.h"
#include "model/Reglages.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kalvo {

struct TConfigurationControleur {
  // The data folder (the commentary files are written there) and the files.
  TEmplacementBase Emplacement;
  // The collection table; empty: beside the database (TableVolume()).
  std::filesystem::path FichierVolume;
  // The initialisation file; empty: none (defaults, nothing written).
  std::filesystem::path FichierReglages;
  // Settings given as the file's text instead (kalvo-play); never written.
  std::optional<std::string> TexteReglages;
  // Seed of the random draws (deal order, random nodes, quiz proposals);
  // none: drawn from the system.
  std::optional<std::uint32_t> Graine;
  // The draw of each random node met in play (true: its first branch);
  // unset, or nothing answered: the seeded generator. The script
  // exploration of the tools sets it to walk both branches, kalvo-play to
  // replay the draws a script names.
  std::function<std::optional<bool>()> Hasard;
  // The double-dummy verdict on a card in no line of the lesson (when the
  // user's setting asks for it): false never computes it (the tools and
  // tests that play many deals through the controller).
  bool AnalyseImprevues = true;
  // How long the user waits for that verdict before the beep alone; none:
  // until it is known (kalvo-play, whose output must not depend on the
  // machine's speed).
  std::optional<std::chrono::milliseconds> DelaiAnalyse = std::chrono::milliseconds(1000);
  // Found while choosing the base (a settings key naming a missing base...):
  // shown when the window is first activated.
  std::vector<std::string> AvertissementsOuverture;
};

// The settings of the configuration (file or text) for a database of
// nbDonnes deals numbered in their collection by `numeros`, with the marks
// and current deal of the configured base (or of the base whose sections
// are given); defaults when there is neither file nor text.
TLectureReglages LitReglagesConfigures(const TConfigurationControleur& configuration, int nbDonnes,
                                       const TNumerosVolume& numeros = {});
TLectureReglages LitReglagesConfigures(const TConfigurationControleur& configuration, int nbDonnes,
                                       const TSectionsBase& sections);

}  // namespace kalvo
