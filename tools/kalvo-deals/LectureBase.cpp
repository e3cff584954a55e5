#include "tools/kalvo-deals/LectureBase.h"

#include "model/ErreurDonnee.h"

#include <algorithm>
#include <fstream>
#include <iterator>

namespace kalvo::outil_donnes {

namespace {

std::vector<std::uint8_t> LitOctets(const std::filesystem::path& fichier) {
  std::ifstream flux(fichier, std::ios::binary);
  if (!flux) throw ErreurFichier("Impossible de lire le fichier « " + fichier.string() + " ».");
  return {std::istreambuf_iterator<char>(flux), std::istreambuf_iterator<char>()};
}

}  // namespace

const TQuestionsDonne* TBaseLue::QuestionsDe(int n) const {
  if (!Questions) return nullptr;
  const int fiche = Volume[n];
  if (fiche < 1 || static_cast<std::size_t>(fiche) > Questions->size()) return nullptr;
  return &(*Questions)[static_cast<std::size_t>(fiche - 1)];
}

std::vector<redaction::TRaison> TBaseLue::RaisonsDe(int n) const {
  std::vector<redaction::TRaison> raisons;
  for (const redaction::TRaison& r : Raisons)
    if (r.Donne == n) raisons.push_back(r);
  return raisons;
}

TBaseLue LitBase(const std::filesystem::path& base, const std::optional<std::filesystem::path>& questions,
                 const std::optional<std::filesystem::path>& volume, const std::optional<std::filesystem::path>& raisons) {
  TBaseLue lue;
  lue.Nom = base.filename().string();
  const std::vector<std::uint8_t> octets = LitOctets(base);
  const std::size_t nb = octets.size() / TDonne::Taille;
  if (nb == 0)
    throw ErreurFichier("La base de donnes " + lue.Nom + " ne contient aucune donne entière (" + std::to_string(octets.size()) + " octets).");
  if (octets.size() % TDonne::Taille != 0)
    lue.Avertissements.push_back("la base " + lue.Nom + " est tronquée : " + std::to_string(octets.size() % TDonne::Taille) +
                                 " octets après la dernière donne entière sont ignorés.");
  for (std::size_t n = 0; n < nb; ++n)
    lue.Donnes.emplace_back(std::span<const std::uint8_t>(octets).subspan(n * TDonne::Taille, TDonne::Taille), 0);
  const TResultatVolume numeros =
      ChargeNumerosVolume(volume.value_or(base.parent_path() / NomTableVolume(lue.Nom)), static_cast<int>(nb));
  lue.Volume = numeros.Numeros;
  if (numeros.Avertissement) lue.Avertissements.push_back(*numeros.Avertissement);
  redaction::TRaisonsLues lues =
      redaction::ChargeRaisons(raisons.value_or(base.parent_path() / redaction::NomTableRaisons(lue.Nom)));
  lue.Raisons = std::move(lues.Raisons);
  for (std::string& a : lues.Avertissements) lue.Avertissements.push_back(std::move(a));
  if (questions) {
    const std::vector<std::uint8_t> fiches = LitOctets(*questions);
    if (fiches.size() % TQuestionsDonne::Taille != 0)
      lue.Avertissements.push_back("le fichier de questions " + questions->filename().string() +
                                   " n'a pas un nombre entier de fiches de 148 octets.");
    lue.Questions.emplace();
    for (std::size_t k = 0; k + TQuestionsDonne::Taille <= fiches.size(); k += TQuestionsDonne::Taille) {
      TQuestionsDonne fiche;
      std::copy_n(fiches.begin() + static_cast<std::ptrdiff_t>(k), TQuestionsDonne::Taille, fiche.Octets().begin());
      lue.Questions->push_back(fiche);
    }
  }
  return lue;
}

}  // namespace kalvo::outil_donnes
