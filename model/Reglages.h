// The user's settings, the current deal and the marks of every deal, kept in
// the initialisation file of the data folder ("kalvo.INI").
#pragma once

#include "model/NumerosVolume.h"

#include <cassert>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

// Each field is named by its key in section "Options"; QuatreJeux is "4Jeux"
// and Aleatoire is "Aléatoire".
struct TReglages {
  bool CompteLevees = true;
  bool Notation = true;
  bool ErreursComments = true;
  bool QuatreJeux = false;
  bool DispoSud = false;
  bool DispoNord = false;
  bool Questions = true;
  int Vitesse = 2;           // 0..10, half seconds per call of the auction
  int Cartes = 1;            // 0..10, tenths of a second per card
  bool Encheres = true;
  bool Themes = true;
  bool Force = true;
  bool Aleatoire = false;
  int Ordre = 0;             // 0 ascending, 1 random
  int TypeDonnes = 0;        // 0..3
  int NumeroTheme = 0;       // 0..27
  int ForceChoisie = 0;      // -1..8
  int ScoreInferieurA = 0;   // -1..100
  int SetCartes = 1;         // 1..3
  // "Analyse des cartes imprévues": a card in no line of the lesson gets
  // its double-dummy verdict in a warning window.
  bool AnalyseImprevues = true;
  // For small screens: the largest card set whatever SetCartes says, with
  // larger indices.
  bool GrandesCartes = false;
  // Stronger card outlines and a plain felt.
  bool ContrasteEleve = false;
  friend bool operator==(const TReglages&, const TReglages&) = default;
};

// Marks of deals 1..NbDonnes(): 0..100, or -1 when the deal has none.
class TScores {
 public:
  static constexpr int SansNote = -1;
  explicit TScores(int nbDonnes = 0) : notes_(static_cast<std::size_t>(nbDonnes < 0 ? 0 : nbDonnes), SansNote) {}
  int NbDonnes() const { return static_cast<int>(notes_.size()); }
  bool EstDonne(int n) const { return n >= 1 && n <= NbDonnes(); }
  int operator[](int n) const {
    assert(EstDonne(n));
    return notes_[static_cast<std::size_t>(n - 1)];
  }
  int& operator[](int n) {
    assert(EstDonne(n));
    return notes_[static_cast<std::size_t>(n - 1)];
  }
  friend bool operator==(const TScores&, const TScores&) = default;

 private:
  std::vector<int> notes_;
};

// Where and how a base's current deal and marks are kept, so that a mark
// never lands on another deal. The demonstration base keeps the historical
// [Donne] Numéro and [ScoresJeu]/[ScoresQuestions] D001.. keyed by the
// deal's place in the base. Any other base has its own sections, named
// after its file ([ScoresJeu K01FR.DAT]), keyed by collection number
// (C021=80, and [Donne K01FR.DAT] Collection=21): a volume that gains
// deals moves its deals to other places, never to other numbers.
struct TSectionsBase {
  std::string Donne = "Donne";
  std::string ScoresJeu = "ScoresJeu";
  std::string ScoresQuestions = "ScoresQuestions";
  bool ParCollection = false;
  TNumerosVolume Numeros;  // collection number of each deal, when ParCollection
  friend bool operator==(const TSectionsBase&, const TSectionsBase&) = default;
};
TSectionsBase SectionsBase(std::string_view fichierDonnes, const TNumerosVolume& numeros = {});

struct TEtatReglages {
  TSectionsBase Sections;
  TReglages Reglages;
  int DonneActuelle = 1;
  TScores ScoresJeu;
  TScores ScoresQuestions;
  friend bool operator==(const TEtatReglages&, const TEtatReglages&) = default;
};

struct TLectureReglages {
  TEtatReglages Etat;
  std::vector<std::string> Avertissements;  // French, for the user
  bool NotesTrouvees = false;  // the file has marks of this base
};

// "kalvo" -> "kalvo.INI", "kalvo.exe" -> "kalvo.INI".
std::string NomFichierReglages(std::string_view executable);
// "D001", "D012", "D1234".
std::string CleDonne(int n);
// The key of deal n's marks in the sections of its base: CleDonne(n), or
// "C021" for the deal of collection number 21.
std::string CleNote(const TSectionsBase& sections, int n);

// Reads the file (which need not exist) for a database of nbDonnes deals,
// the current deal and the marks from the sections of that base. Values
// that are not numbers or are out of range give the default (or the
// nearest bound for the speeds and sizes) and a warning.
TLectureReglages LitReglages(const std::filesystem::path& fichier, int nbDonnes,
                             const TSectionsBase& sections = {});
TLectureReglages LitReglagesTexte(std::string_view octets, int nbDonnes, std::string_view nomFichier,
                                  const TSectionsBase& sections = {});

// The database named by "Options"/"Base" (a user's choice written by hand),
// when the file has one.
std::optional<std::string> LitBaseReglee(const std::filesystem::path& fichier);

// Writes everything back, keeping the file's other lines, through a
// temporary file renamed over the old one. Returns a French error message
// when the file cannot be written (the caller shows it).
std::optional<std::string> EcritReglages(const std::filesystem::path& fichier, const TEtatReglages& etat);
// The bytes EcritReglages writes, given the old file's bytes.
std::string TexteReglages(const TEtatReglages& etat, std::string_view ancien);

}  // namespace kalvo
