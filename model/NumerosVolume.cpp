#include "model/NumerosVolume.h"

#include "model/Windows1252.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace kalvo {

int TNumerosVolume::operator[](int n) const {
  if (n >= 1 && static_cast<std::size_t>(n) <= numeros_.size()) return numeros_[static_cast<std::size_t>(n - 1)];
  return n;
}

std::string NomTableVolume(std::string_view fichierDonnes) {
  std::filesystem::path nom{std::string(fichierDonnes)};
  nom.replace_extension(".VOL");
  return nom.string();
}

namespace {

std::string_view SansBlancs(std::string_view texte) {
  while (!texte.empty() && (texte.front() == ' ' || texte.front() == '\t')) texte.remove_prefix(1);
  while (!texte.empty() && (texte.back() == ' ' || texte.back() == '\t' || texte.back() == '\r')) texte.remove_suffix(1);
  return texte;
}

TResultatVolume Identite(std::string message) { return {TNumerosVolume{}, std::move(message)}; }

}  // namespace

TResultatVolume LitNumerosVolume(std::string_view texte, std::string_view nomTable, int nbDonnes) {
  const std::string table(nomTable);
  const std::string suite = " : les donnes gardent leur propre numéro.";
  std::vector<int> numeros;
  int numeroLigne = 0;
  while (!texte.empty()) {
    ++numeroLigne;
    const std::size_t fin = texte.find('\n');
    std::string_view ligne = texte.substr(0, fin);
    texte = fin == std::string_view::npos ? std::string_view{} : texte.substr(fin + 1);
    ligne = SansBlancs(ligne.substr(0, ligne.find('#')));
    if (ligne.empty()) continue;
    int numero = 0;
    const auto [fin_nombre, erreur] = std::from_chars(ligne.data(), ligne.data() + ligne.size(), numero);
    if (erreur != std::errc{} || fin_nombre != ligne.data() + ligne.size() || numero < 1) {
      return Identite("Table des numéros de collection " + table + ", ligne " + std::to_string(numeroLigne) + " : « " +
                      Windows1252VersUtf8(ligne) + " » n'est pas un numéro valable" + suite);
    }
    numeros.push_back(numero);
  }
  if (numeros.size() != static_cast<std::size_t>(nbDonnes)) {
    return Identite("Table des numéros de collection " + table + " : " + std::to_string(numeros.size()) +
                    " numéros pour " + std::to_string(nbDonnes) + " donnes" + suite);
  }
  return {TNumerosVolume{std::move(numeros)}, std::nullopt};
}

TResultatVolume ChargeNumerosVolume(const std::filesystem::path& table, int nbDonnes) {
  std::ifstream flux(table, std::ios::binary);
  if (!flux) return {};
  std::ostringstream texte;
  texte << flux.rdbuf();
  return LitNumerosVolume(texte.str(), table.filename().string(), nbDonnes);
}

std::string EcritNumerosVolume(const std::vector<int>& numeros, std::string_view commentaire) {
  std::string texte = "# " + std::string(commentaire) + "\n";
  for (int n : numeros) texte += std::to_string(n) + "\n";
  return texte;
}

}  // namespace kalvo
