// The deal compiler: deal sources (.donne) in, the deals database, the
// questions file and the table of collection numbers out. The same sources
// always give the same bytes.
#pragma once

#include "model/Donne.h"
#include "model/Questions.h"
#include "tools/authoring/Diagnostics.h"
#include "tools/authoring/Raisons.h"
#include "tools/authoring/SourceDonne.h"
#include "tools/authoring/Verificateur.h"

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kalvo::redaction {

// The line of the source each part of the deal comes from.
struct TLieuxSource {
  std::map<std::pair<TGenreLieu, int>, int> Lignes;
  int LigneParDefaut = 1;
  int Ligne(const TLieu& lieu) const;
};

struct TDonneCompilee {
  std::string Fichier;
  TDonne Donne;
  TQuestionsDonne Questions;
  std::optional<TValeurLigne<int>> Ordre, Collection;
  TLieuxSource Lieux;
  std::vector<std::string> NomsChaines;  // index = chain number
  struct TLeveeAnnoncee {
    int Chaine = 0;
    int Levee = 0;
    int Ligne = 0;
  };
  std::vector<TLeveeAnnoncee> LeveesAnnoncees;  // "chaine NOM levee N": checked against the script's walk
  bool JeuDeduit = false;                // the complete play comes from the script
  bool JeuCompletInconnu = false;        // ... and could not be derived
  std::optional<TDoubleMortDonne> DoubleMort;  // filled by the checks
  // The reasons of deliberate refusals (their deal number is set with the
  // deal's place in the database), and the line of each.
  std::vector<TRaison> Raisons;
  std::vector<int> LignesRaisons;
};

struct TOptionsConstruction {
  // Derive the complete play from the script when the source gives none.
  bool DeduitJeu = true;
};

// Lays one source into a record, without the checks. Faults of the source
// itself (unknown name, a table too full, a commentary too long) are errors
// with their line; nothing is returned when there is one.
std::optional<TDonneCompilee> ConstruitDonne(const TSourceDonne& source, TDiagnostics& diagnostics,
                                             const TOptionsConstruction& options = {});

// Reads, builds and checks one source text.
std::optional<TDonneCompilee> CompileDonne(std::string_view texte, const std::string& fichier,
                                           TDiagnostics& diagnostics, bool doubleMort = true);

// The checks' findings as diagnostics at the lines of the source.
void RapporteConstats(const TResultatVerification& resultat, const TDonneCompilee& donne, TDiagnostics& diagnostics);

struct TFichierSource {
  std::string Nom;  // as it is shown in the messages
  std::string Texte;
};

struct TBaseCompilee {
  std::vector<TDonneCompilee> Donnes;      // in the order of the database
  std::vector<int> NumerosVolume;          // collection number of each deal
  std::vector<TQuestionsDonne> Questions;  // record k = collection number k + 1
};

// How the deals are placed in the database: in the order of the sources
// (each "ordre N" taking its place), or by collection number, as a volume
// is laid out (every source must then give its number; "ordre" is ignored
// with a warning).
enum class TRangement : bool { Sources, Collection };

// Every source, placed as asked. Nothing is returned when there is an error.
std::optional<TBaseCompilee> CompileSources(const std::vector<TFichierSource>& sources, TDiagnostics& diagnostics,
                                            bool doubleMort = true, TRangement rangement = TRangement::Sources);

// The files' bytes.
std::string OctetsBase(const TBaseCompilee& base);
std::string OctetsQuestions(const TBaseCompilee& base);
std::string TexteVolume(const TBaseCompilee& base);
std::string TexteRaisons(const TBaseCompilee& base);

// Writes the database, the questions file, the collection table and the
// table of reasons (both named after the database) into dossier, each
// through a temporary file.
// Throws ErreurFichier.
// Writes a file whole or not at all, through a temporary file beside it.
// Throws ErreurFichier.
void EcritFichier(const std::filesystem::path& fichier, std::string_view octets);

void EcritBase(const TBaseCompilee& base, const std::filesystem::path& dossier, const std::string& nomDonnes,
               const std::string& nomQuestions);

}  // namespace kalvo::redaction
