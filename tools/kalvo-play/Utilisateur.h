// The user of kalvo-play: a script of gestures and answers, or a user who
// clicks at random among the cards it may play.
#pragma once

#include "control/Controleur.h"
#include "control/JeuJuste.h"

#include <deque>
#include <optional>
#include <random>
#include <stdexcept>
#include <string>
#include <vector>

namespace kalvo::outil_partie {

// A script line that cannot be read or does not fit the moment.
class ErreurScript : public std::runtime_error {
 public:
  ErreurScript(int ligne, const std::string& message)
      : std::runtime_error(message), Ligne(ligne) {}
  int Ligne;
};

// One gesture of the user.
struct TGeste {
  enum TGenre : std::uint8_t { CarteJouee, Clic, Touche, Droit, Suivant, JouePourMoi, DerniereLevee, Point, Encheres, FinImmediate };
  TGenre Genre = Clic;
  TCard Carte;       // Carte
  std::string Texte; // the gesture as written, for the output
  int Ligne = 0;     // in the script, 0 for the random user
};

class TUtilisateur {
 public:
  virtual ~TUtilisateur() = default;
  // The next gesture; nothing when the script has run out.
  virtual std::optional<TGeste> Geste(const TControleur& controleur) = 0;
  // The answer to a question; nothing when the script has run out. Throws
  // ErreurScript when the script has something else to say.
  virtual std::optional<TReponseQuestion> Reponse(const TQuestionPosee& question) = 0;
  // The end-of-deal choice; nothing when the script has run out.
  virtual std::optional<int> ChoixFin() = 0;
  // The draw of a random node of the script (true: its first branch);
  // nothing: the trainer draws it.
  virtual std::optional<bool> Tirage() { return std::nullopt; }
};

// The script: one line per gesture or answer, '#' starts a comment.
//   SA | play SA          click the ace of spades in the hand that holds it
//   click | key | right   the felt, a key, a right click on a hand
//   next                  "Jeu de la carte"
//   auto                  "Jouer pour moi"
//   lasttrick | point | bids   "Dernière levée", "Le point", "Enchères"
//   ctrl-alt-f9           the end-of-deal screen at once
//   answer card HK | answer number 12 | answer proposal 2 | answer seat W
//   end next | end replay | end stop
//   draw then | draw else  the next random node met takes this branch
class TUtilisateurScript : public TUtilisateur {
 public:
  // Throws ErreurScript for a line that is no gesture or answer.
  explicit TUtilisateurScript(const std::string& texte);
  std::optional<TGeste> Geste(const TControleur& controleur) override;
  std::optional<TReponseQuestion> Reponse(const TQuestionPosee& question) override;
  std::optional<int> ChoixFin() override;
  std::optional<bool> Tirage() override;

 private:
  struct TLigne {
    int Numero = 0;
    std::vector<std::string> Mots;
  };
  // The next line that is not a draw; the draws met on the way are queued.
  const TLigne* Suivante();
  std::vector<TLigne> lignes_;
  std::size_t position_ = 0;
  std::deque<bool> tirages_;
};

// Clicks at random a card the hand to play may play (following suit),
// gathers tricks, answers at random, chooses "Suivante" at the end.
class TUtilisateurHasard : public TUtilisateur {
 public:
  explicit TUtilisateurHasard(std::uint32_t graine) : alea_(graine) {}
  std::optional<TGeste> Geste(const TControleur& controleur) override;
  std::optional<TReponseQuestion> Reponse(const TQuestionPosee& question) override;
  std::optional<int> ChoixFin() override { return ActionSuivante; }

 private:
  int Tire(int n) { return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(alea_); }
  std::mt19937 alea_;
};

}  // namespace kalvo::outil_partie
