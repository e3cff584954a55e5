// The questions file: one 148-byte record per deal of the collection, with
// up to three quiz questions, each tied to a trick.
#pragma once

#include "model/BridgeTypes.h"
#include "model/Tableau1.h"

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace kalvo {

inline constexpr int NbEntreesQuestions = 6;
inline constexpr int NbQuestionsMax = 3;

// One 24-byte question entry, as stored (the quiz checks its fields).
struct TQuestion {
  std::uint16_t NumLevee = 0;     // trick 1..13 after which it is asked
  std::uint16_t Penalite = 0;
  std::uint8_t TypeQuestion = 0;  // 0..5
  std::uint8_t Joueur = 0;        // TJoueur
  std::uint8_t Couleur = 0;       // T4Couleur, kinds 4 and 5
  TCard Carte;
  std::uint8_t Option = 0;
  std::uint16_t Depart = 0;
  friend bool operator==(const TQuestion&, const TQuestion&) = default;
};

class TQuestionsDonne {
 public:
  static constexpr std::size_t Taille = 148;

  std::uint16_t NbQuestionsBrut() const;
  // The number of questions in use: the stored word, or 0 when it is above 3.
  int NbQuestions() const;
  void SetNbQuestions(std::uint16_t n);
  // Entry q (1..6); a bad q throws ErreurDonnee. Writing keeps the bytes
  // the entry does not define.
  TQuestion Question(int q) const;
  void SetQuestion(int q, const TQuestion& question);

  const std::array<std::uint8_t, Taille>& Octets() const { return octets_; }
  std::array<std::uint8_t, Taille>& Octets() { return octets_; }
  friend bool operator==(const TQuestionsDonne&, const TQuestionsDonne&) = default;

 private:
  std::size_t PosQuestion(int q) const;
  std::array<std::uint8_t, Taille> octets_{};
};

using TQuestionsLevees = TTableau1<int, 13>;  // trick -> question number, 0 = none

struct TQuestionsLues {
  TQuestionsDonne Record;
  TQuestionsLevees Questions;
  std::vector<std::string> Avertissements;
};

// Reads record numeroVolume (1-based) of the questions file and schedules
// its questions by trick. A missing file gives no questions silently; a file
// too short, a bad record number or a trick outside 1..13 give no question
// (for that entry) and a French warning. numeroDonne is for the messages.
TQuestionsLues LitQuestions(const std::filesystem::path& fichier, int numeroVolume, int numeroDonne);

// The schedule of a record already read: Questions[t] := q for q = 1..NbQuestions.
TQuestionsLevees PlanifieQuestions(const TQuestionsDonne& record, int numeroDonne,
                                   std::vector<std::string>& avertissements);

}  // namespace kalvo
