#include "model/NumerosVolume.h"

#include "model/Accords.h"
#include "model/ErreurDonnee.h"
#include "model/TexteVisible.h"
#include "model/Windows1252.h"

#include <algorithm>
#include <cerrno>
#include <climits>
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

// A decimal integer with an optional sign; one too large is kept at a
// bound outside the range of collection numbers.
std::optional<long long> LitNombre(std::string_view texte) {
  const bool negatif = !texte.empty() && texte.front() == '-';
  if (!texte.empty() && (texte.front() == '-' || texte.front() == '+')) texte.remove_prefix(1);
  if (texte.empty()) return std::nullopt;
  long long valeur = 0;
  for (char c : texte) {
    if (c < '0' || c > '9') return std::nullopt;
    valeur = std::min(10LL * INT_MAX, valeur * 10 + (c - '0'));
  }
  return negatif ? -valeur : valeur;
}

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
    const std::string lieu = "Table des numéros de collection " + table + ", ligne " + std::to_string(numeroLigne) +
                             " : « " + TexteVisible(Windows1252VersUtf8(ligne)) + " »";
    const std::optional<long long> numero = LitNombre(ligne);
    if (!numero) return Identite(lieu + " n'est pas un nombre" + suite);
    if (*numero < 1 || *numero > INT_MAX)
      return Identite(lieu + " est hors des limites (1 à " + std::to_string(INT_MAX) + ")" + suite);
    numeros.push_back(static_cast<int>(*numero));
  }
  if (numeros.size() != static_cast<std::size_t>(nbDonnes)) {
    return Identite("Table des numéros de collection " + table + " : " +
                    Compte(static_cast<long long>(numeros.size()), "numéro", "numéros") + " pour " +
                    Compte(nbDonnes, "donne", "donnes") + suite);
  }
  return {TNumerosVolume{std::move(numeros)}, std::nullopt};
}

TResultatVolume ChargeNumerosVolume(const std::filesystem::path& table, int nbDonnes) {
  std::error_code erreur;
  const std::filesystem::file_status etat = std::filesystem::status(table, erreur);
  if (!std::filesystem::exists(etat)) return {};
  std::ifstream flux;
  // Only a regular file is opened: a pipe in its place would never end.
  if (std::filesystem::is_regular_file(etat)) flux.open(table, std::ios::binary);
  if (!flux.is_open()) {
    const std::string raison = std::filesystem::is_directory(etat)         ? "c'est un dossier"
                               : !std::filesystem::is_regular_file(etat) ? "ce n'est pas un fichier ordinaire"
                                                                         : TexteErreurSysteme(errno);
    return Identite("Table des numéros de collection " + table.filename().string() +
                    " : le fichier existe mais ne peut pas être lu (" + raison +
                    ") : les donnes gardent leur propre numéro.");
  }
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
