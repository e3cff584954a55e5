// The number each deal of the database carries in its collection. It comes
// from a small text table beside the database, named like the database with
// the extension ".VOL" (K01FR_DEMO.VOL): one number per line, in the order of
// the deals; '#' starts a comment; blank lines are skipped. Without a table
// the numbers are the deal numbers themselves.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

class TNumerosVolume {
 public:
  TNumerosVolume() = default;  // identity
  explicit TNumerosVolume(std::vector<int> numeros) : numeros_(std::move(numeros)) {}

  // Collection number of deal n (1-based); the identity beyond the table.
  int operator[](int n) const;
  bool EstIdentite() const { return numeros_.empty(); }
  const std::vector<int>& Numeros() const { return numeros_; }
  friend bool operator==(const TNumerosVolume&, const TNumerosVolume&) = default;

 private:
  std::vector<int> numeros_;
};

struct TResultatVolume {
  TNumerosVolume Numeros;
  std::optional<std::string> Avertissement;  // French; the identity is used then
};

// "K01FR_DEMO.DAT" -> "K01FR_DEMO.VOL".
std::string NomTableVolume(std::string_view fichierDonnes);

// Reads the table for a database of nbDonnes deals. A missing table gives the
// identity silently; a bad one (not a number, a number below 1, not exactly
// one number per deal) gives the identity and a warning.
TResultatVolume ChargeNumerosVolume(const std::filesystem::path& table, int nbDonnes);
TResultatVolume LitNumerosVolume(std::string_view texte, std::string_view nomTable, int nbDonnes);

// The table's text for the given numbers, with a comment line on top.
std::string EcritNumerosVolume(const std::vector<int>& numeros, std::string_view commentaire);

}  // namespace kalvo
