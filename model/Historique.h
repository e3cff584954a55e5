// The history of the deals played: one attempt per deal that reached the
// end-of-deal screen. The settings file keeps one mark per deal; the
// history keeps every attempt beside it. The core reaches the stored
// history only through THistorique, so that it needs no database itself.
#pragma once

#include <string>
#include <vector>

namespace kalvo {

struct TCarteRefusee {
  std::string Carte;  // "SA", "HT", "C2"
  int Code = 0;       // the comment code of the refusal; 49 in no line
  friend bool operator==(const TCarteRefusee&, const TCarteRefusee&) = default;
};

struct TTentative {
  std::string DateHeure;   // local time, "2026-12-09T21:43:05"
  int Donne = 0;           // number in the base
  int Collection = 0;      // number in the collection (the window title's)
  int NoteJeu = -1;        // play mark 0..100; -1 when the play was not marked
  int NoteQuestions = -1;  // questions mark 0..100; -1 when none was kept
  std::vector<TCarteRefusee> Refusees;
  bool JouePourMoi = false;  // "Jouer pour moi" finished the deal
  friend bool operator==(const TTentative&, const TTentative&) = default;
};

class THistorique {
 public:
  virtual ~THistorique() = default;
  // Stores one attempt; false when it could not be written (the caller
  // tells the user once and goes on).
  virtual bool Ajoute(const TTentative& tentative) = 0;
  // Every attempt stored, oldest first.
  virtual std::vector<TTentative> Tentatives() const = 0;
};

}  // namespace kalvo
