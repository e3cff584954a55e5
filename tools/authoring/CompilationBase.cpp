// Several sources into one database: the order of the deals, their
// collection numbers, the questions file laid out by collection number,
// and the writing of the three files.
#include "tools/authoring/Compilateur.h"

#include "model/ErreurDonnee.h"
#include "model/NumerosVolume.h"

#include <algorithm>
#include <fstream>
#include <set>

namespace kalvo::redaction {

namespace {

// Positions in the database: explicit ones first, then the others in the
// order the sources were given.
std::optional<std::vector<std::size_t>> Ordonne(const std::vector<TDonneCompilee>& donnes, TDiagnostics& diagnostics) {
  const std::size_t n = donnes.size();
  std::vector<std::optional<std::size_t>> places(n);  // position -> index of the deal
  bool ok = true;
  for (std::size_t i = 0; i < n; ++i) {
    const auto& ordre = donnes[i].Ordre;
    if (!ordre) continue;
    const auto position = static_cast<std::size_t>(ordre->Valeur);
    if (position > n) {
      diagnostics.Erreur(donnes[i].Fichier, ordre->Ligne,
                         "ordre " + std::to_string(position) + " impossible : la base a " + std::to_string(n) + " donne(s).");
      ok = false;
    } else if (places[position - 1]) {
      diagnostics.Erreur(donnes[i].Fichier, ordre->Ligne,
                         "ordre " + std::to_string(position) + " déjà pris par " + donnes[*places[position - 1]].Fichier + ".");
      ok = false;
    } else {
      places[position - 1] = i;
    }
  }
  if (!ok) return std::nullopt;
  std::size_t libre = 0;
  for (std::size_t i = 0; i < n; ++i) {
    if (donnes[i].Ordre) continue;
    while (places[libre]) ++libre;
    places[libre] = i;
  }
  std::vector<std::size_t> ordre;
  for (const auto& p : places) ordre.push_back(*p);
  return ordre;
}

// Positions by collection number; every deal must carry one.
std::optional<std::vector<std::size_t>> OrdonneParCollection(const std::vector<TDonneCompilee>& donnes,
                                                             TDiagnostics& diagnostics) {
  bool ok = true;
  for (const TDonneCompilee& d : donnes) {
    if (!d.Collection) {
      diagnostics.Erreur(d.Fichier, d.Lieux.LigneParDefaut,
                         "numéro de collection manquant (ligne « collection N ») : le volume range ses donnes par "
                         "numéro de collection.");
      ok = false;
    }
    if (d.Ordre) {
      diagnostics.Avertissement(d.Fichier, d.Ordre->Ligne,
                                "ordre " + std::to_string(d.Ordre->Valeur) +
                                    " ignoré : le volume range ses donnes par numéro de collection.");
    }
  }
  if (!ok) return std::nullopt;
  std::vector<std::size_t> ordre(donnes.size());
  for (std::size_t i = 0; i < ordre.size(); ++i) ordre[i] = i;
  // Stable, so that two deals with the same number (an error reported
  // afterwards) keep the order of the sources.
  std::stable_sort(ordre.begin(), ordre.end(), [&donnes](std::size_t a, std::size_t b) {
    return donnes[a].Collection->Valeur < donnes[b].Collection->Valeur;
  });
  return ordre;
}

}  // namespace

void EcritFichier(const std::filesystem::path& fichier, std::string_view octets) {
  std::filesystem::path provisoire = fichier;
  provisoire += ".tmp";
  {
    std::ofstream flux(provisoire, std::ios::binary | std::ios::trunc);
    flux.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    flux.close();
    if (!flux) throw ErreurFichier("Impossible d'écrire le fichier « " + provisoire.string() + " ».");
  }
  std::error_code erreur;
  std::filesystem::rename(provisoire, fichier, erreur);
  if (erreur) throw ErreurFichier("Impossible de renommer « " + provisoire.string() + " » en « " + fichier.string() + " ».");
}

std::optional<TBaseCompilee> CompileSources(const std::vector<TFichierSource>& sources, TDiagnostics& diagnostics,
                                            bool doubleMort, TRangement rangement) {
  std::vector<TDonneCompilee> donnes;
  bool ok = !sources.empty();
  if (sources.empty()) diagnostics.Erreur("kalvo-deals", 0, "aucune donne à compiler.");
  for (const TFichierSource& s : sources) {
    const int avant = diagnostics.NbErreurs();
    auto donne = CompileDonne(s.Texte, s.Nom, diagnostics, doubleMort);
    if (!donne || diagnostics.NbErreurs() > avant) ok = false;
    else donnes.push_back(std::move(*donne));
  }
  if (!ok) return std::nullopt;
  const auto ordre = rangement == TRangement::Collection ? OrdonneParCollection(donnes, diagnostics)
                                                        : Ordonne(donnes, diagnostics);
  if (!ordre) return std::nullopt;
  TBaseCompilee base;
  std::map<int, std::string> collections;
  for (std::size_t position = 0; position < ordre->size(); ++position) {
    TDonneCompilee& d = donnes[(*ordre)[position]];
    const int numero = d.Collection ? d.Collection->Valeur : static_cast<int>(position) + 1;
    if (const auto [i, nouveau] = collections.emplace(numero, d.Fichier); !nouveau) {
      diagnostics.Erreur(d.Fichier, d.Collection ? d.Collection->Ligne : d.Lieux.LigneParDefaut,
                         "numéro de collection " + std::to_string(numero) + " déjà pris par " + i->second +
                             " : les deux donnes partageraient leurs questions.");
      ok = false;
    }
    base.NumerosVolume.push_back(numero);
    d.Donne.SetNumero(static_cast<int>(position) + 1);
    for (TRaison& r : d.Raisons) r.Donne = static_cast<int>(position) + 1;
    base.Donnes.push_back(std::move(d));
  }
  if (!ok) return std::nullopt;
  base.Questions.resize(static_cast<std::size_t>(collections.rbegin()->first));
  for (std::size_t k = 0; k < base.Donnes.size(); ++k)
    base.Questions[static_cast<std::size_t>(base.NumerosVolume[k] - 1)] = base.Donnes[k].Questions;
  return base;
}

std::string OctetsBase(const TBaseCompilee& base) {
  std::string octets;
  for (const TDonneCompilee& d : base.Donnes) {
    const auto fiche = d.Donne.Octets();
    octets.append(reinterpret_cast<const char*>(fiche.data()), fiche.size());
  }
  return octets;
}

std::string OctetsQuestions(const TBaseCompilee& base) {
  std::string octets;
  for (const TQuestionsDonne& q : base.Questions)
    octets.append(reinterpret_cast<const char*>(q.Octets().data()), q.Octets().size());
  return octets;
}

std::string TexteVolume(const TBaseCompilee& base) {
  return EcritNumerosVolume(base.NumerosVolume, "Numéro de chaque donne dans sa collection, une ligne par donne.");
}

std::string TexteRaisons(const TBaseCompilee& base) {
  std::vector<TRaison> raisons;
  for (const TDonneCompilee& d : base.Donnes) raisons.insert(raisons.end(), d.Raisons.begin(), d.Raisons.end());
  return EcritRaisons(raisons);
}

void EcritBase(const TBaseCompilee& base, const std::filesystem::path& dossier, const std::string& nomDonnes,
               const std::string& nomQuestions) {
  std::error_code erreur;
  std::filesystem::create_directories(dossier, erreur);
  if (erreur) throw ErreurFichier("Impossible de créer le dossier « " + dossier.string() + " ».");
  EcritFichier(dossier / nomDonnes, OctetsBase(base));
  EcritFichier(dossier / nomQuestions, OctetsQuestions(base));
  EcritFichier(dossier / NomTableVolume(nomDonnes), TexteVolume(base));
  EcritFichier(dossier / NomTableRaisons(nomDonnes), TexteRaisons(base));
}

}  // namespace kalvo::redaction
