// Reading the deals database: the catalogue of all deals at start-up, and
// one deal made ready to be played (its record, comment slots, high-card
// points, quiz schedule, and the two commentary files).
#pragma once

#include "model/Commentaires.h"
#include "model/Donne.h"
#include "model/NumerosVolume.h"
#include "model/Questions.h"

#include <array>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

// The demonstration base (four deals) and Volume 1 (every deal written).
inline constexpr const char* NomFichierDonnes = "K01FR_DEMO.DAT";
inline constexpr const char* NomFichierVolume1 = "K01FR.DAT";
inline constexpr const char* NomFichierQuestions = "KALVO01.ASK";
inline constexpr const char* NomFichierResume = "resume.rtf";
inline constexpr const char* NomFichierPoint = "point.rtf";

// Where the database and its companions are: DossierDonnees and the names.
struct TEmplacementBase {
  std::filesystem::path Dossier;
  std::string FichierDonnes = NomFichierDonnes;
  std::string FichierQuestions = NomFichierQuestions;

  std::filesystem::path Donnes() const { return Dossier / FichierDonnes; }
  std::filesystem::path Questions() const { return Dossier / FichierQuestions; }
  std::filesystem::path TableVolume() const { return Dossier / NomTableVolume(FichierDonnes); }
};

// True for the demonstration base, named as the first installations named
// it (a path is judged by its file name).
bool EstBaseDemonstration(std::string_view fichierDonnes);
// The window title's head for a base: "Kalvo! (Vol 1) démo" for the
// demonstration, "Kalvo! (Vol 1)" otherwise.
std::string TeteTitre(std::string_view fichierDonnes);

// Difficulty and theme of every deal, deal numbers 1..NbDonnes().
class TCatalogue {
 public:
  int NbDonnes() const { return static_cast<int>(forces_.size()); }
  int Force(int n) const { return forces_.at(static_cast<std::size_t>(n - 1)); }
  int Theme(int n) const { return themes_.at(static_cast<std::size_t>(n - 1)); }
  const std::vector<int>& ForcesDonnes() const { return forces_; }
  const std::vector<int>& ThemesDonnes() const { return themes_; }
  void Ajoute(int force, int theme) {
    forces_.push_back(force);
    themes_.push_back(theme);
  }

 private:
  std::vector<int> forces_;
  std::vector<int> themes_;
};

struct TResultatCatalogue {
  TCatalogue Catalogue;
  // Empty when the catalogue is usable. Otherwise the messages to show, in
  // order (the missing database gives the French one then the English one);
  // the program ends after showing them.
  std::vector<std::string> Erreurs;
  std::vector<std::string> Avertissements;  // e.g. an incomplete last record
  bool Ok() const { return Erreurs.empty(); }
};

// Reads only the theme and difficulty of each record (8 bytes each).
TResultatCatalogue ChargeCatalogue(const std::filesystem::path& base);

// A deal made ready: everything the reading of a deal prepares that does
// not touch the screen.
struct TDonneLue {
  TDonne Donne;
  TComments Comment;                   // UTF-8 comment lines by number
  std::array<int, 4> PointsHonneurs{}; // by TJoueur
  TQuestionsLevees Questions;          // trick -> question number
  TQuestionsDonne QuestionsDonne;
  std::vector<std::string> Avertissements;  // data warnings, French
  std::string Resume;                  // the bytes of "resume.rtf" as written
  std::string Point;                   // the bytes of "point.rtf" as written
};

// Reads deal n and writes "resume.rtf" and "point.rtf" into the data folder.
// Throws ErreurBaseAbsente when the database cannot be opened, ErreurDonnee
// when n is not a deal of the database or the deal's data is broken (bad
// hands, bad header values, a comment number that is no number),
// ErreurFichier when the database cannot be read or a commentary file
// cannot be written. Nothing the caller holds is changed on failure.
TDonneLue LitDonne(const TEmplacementBase& emplacement, const TNumerosVolume& volume, int n);

// The record of deal n alone, checked for size (no other check).
TDonne LitFicheDonne(const std::filesystem::path& base, int n);

// Level and strain of deal n (2 bytes read): for lists of deals.
struct TContrat {
  int Niveau = 0;
  int Atout = 0;
};
TContrat LitContrat(const std::filesystem::path& base, int n);

// High-card points of each seat (jack 1 .. ace 4).
std::array<int, 4> CalculePointsHonneurs(const T4Jeux& mains);

// Throws ErreurDonnee unless the four hands hold the 52 cards once each.
void VerifieMains(const TDonne& donne);

// Writes descrambled text + one NUL + CR LF, replacing the file; returns
// the bytes written.
std::string EcritCommentaireRtf(const std::filesystem::path& fichier, std::string_view clair);

}  // namespace kalvo
