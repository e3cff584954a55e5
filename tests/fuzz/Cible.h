// What a fuzzing target is made of: one function that takes any bytes and
// must never crash, hang or read out of bounds, and a folder of its own for
// the files a reader must find on disk.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille);

namespace kalvo::fuzz {

inline std::string_view Texte(const std::uint8_t* donnees, std::size_t taille) {
  return {reinterpret_cast<const char*>(donnees), taille};
}

// A folder of this process (in memory when /dev/shm is there), removed at exit.
const std::filesystem::path& Dossier();

// Stops the run on a broken promise of a reader: libFuzzer keeps the input.
[[noreturn]] void Echec(std::string_view message);

}  // namespace kalvo::fuzz
