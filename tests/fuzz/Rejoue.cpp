// Replays the corpus of a fuzzing target without libFuzzer, in the test
// suite: every file below the folders given (seeds and findings) goes
// through the target once, in the order of their names.
#include "tests/fuzz/Cible.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

int main(int argc, char** argv) {
  std::vector<std::filesystem::path> fichiers;
  for (int i = 1; i < argc; ++i) {
    if (!std::filesystem::is_directory(argv[i])) {
      fichiers.emplace_back(argv[i]);
      continue;
    }
    for (const auto& entree : std::filesystem::recursive_directory_iterator(argv[i]))
      if (entree.is_regular_file()) fichiers.push_back(entree.path());
  }
  std::sort(fichiers.begin(), fichiers.end());
  if (fichiers.empty()) {
    std::cerr << "Aucun fichier à rejouer.\n";
    return 1;
  }
  for (const std::filesystem::path& fichier : fichiers) {
    std::ifstream flux(fichier, std::ios::binary);
    if (!flux.is_open()) {
      std::cerr << "Impossible de lire " << fichier << '\n';
      return 1;
    }
    const std::vector<std::uint8_t> octets{std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
    LLVMFuzzerTestOneInput(octets.data(), octets.size());
  }
  std::cout << fichiers.size() << " fichiers rejoués.\n";
  return 0;
}
