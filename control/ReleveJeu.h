// The play of one deal as it happened, kept for "Revoir le jeu": the hands
// as dealt, each completed trick and the cards refused during it with what
// the user was told. The controller builds it while the deal is played and
// hands it to the screen with the end-of-deal screen; the screen steps
// through it and plays nothing again. Plain values only.
#pragma once

#include "model/BridgeTypes.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace kalvo {

// A refused card, as the user met it.
struct TRefusReleve {
  TJoueur Joueur = jrSud;
  TCard Carte;
  int Code = 0;        // the error code; 49: in no accepted line
  std::string Texte;   // the comment or warning shown; empty when only a beep told it
  friend bool operator==(const TRefusReleve&, const TRefusReleve&) = default;
};

struct TLeveeReleve {
  TJoueur Entameur = jrOuest;
  TCartesJouees Cartes{};  // by seat
  TJoueur Gagnant = jrSud;
  bool JeuAuto = false;    // played by "Jouer pour moi"
  std::vector<TRefusReleve> Refus;  // in the order they happened
};

// A script node ended the deal: the tricks it gave each side, its comment.
struct TRevendicationReleve {
  int LeveesNS = 0;
  int LeveesEO = 0;
  std::string Texte;
};

using TMainsReleve = std::array<std::vector<TCard>, 4>;

class TReleveJeu {
 public:
  TReleveJeu() = default;
  // A new play of a deal with these hands and trump suit (clSA: no trump).
  TReleveJeu(const T4Jeux& mains, TCouleur atout) : mains_(mains), atout_(atout) {}

  // The refusal belongs to the trick under way; it is attached to it when
  // the trick is complete.
  void NoteRefus(TRefusReleve refus) { enCours_.push_back(std::move(refus)); }
  void NoteLevee(TJoueur entameur, const TCartesJouees& cartes, TJoueur gagnant);
  // "Jouer pour moi" took over during this trick: it and the following ones
  // were played for the user.
  void NoteJeuAuto(int levee);
  void NoteRevendication(TRevendicationReleve revendication) { revendication_ = std::move(revendication); }

  const T4Jeux& Mains() const { return mains_; }
  TCouleur Atout() const { return atout_; }
  int NbLevees() const { return static_cast<int>(levees_.size()); }
  // Trick n, 1..NbLevees(); throws std::out_of_range otherwise.
  const TLeveeReleve& Levee(int n) const;
  // Each seat's cards not yet played when trick n (1..NbLevees() + 1)
  // starts, in the dealt order; throws std::out_of_range otherwise.
  TMainsReleve MainsAuDebut(int n) const;
  // Refusals of a trick left unfinished (the end-of-deal screen opened
  // during it).
  const std::vector<TRefusReleve>& RefusEnCours() const { return enCours_; }
  const std::optional<TRevendicationReleve>& Revendication() const { return revendication_; }
  int NombreRefus() const;

 private:
  T4Jeux mains_{};
  TCouleur atout_ = clSA;
  std::vector<TLeveeReleve> levees_;
  std::vector<TRefusReleve> enCours_;
  std::optional<int> jeuAutoDepuis_;
  std::optional<TRevendicationReleve> revendication_;
};

// Where the review stands: one trick of the record at a time, never
// outside it. With no trick recorded there is nothing to show (Levee() 0).
class TParcoursReleve {
 public:
  explicit TParcoursReleve(int nbLevees) : nb_(nbLevees < 0 ? 0 : nbLevees), levee_(nb_ > 0 ? 1 : 0) {}

  int Levee() const { return levee_; }
  int NbLevees() const { return nb_; }
  bool EstPremiere() const { return levee_ <= 1; }
  bool EstDerniere() const { return levee_ >= nb_; }
  // False, and nothing moves, at the bounds.
  bool Precedente();
  bool Suivante();

 private:
  int nb_ = 0;
  int levee_ = 0;
};

// "Levée 3 sur 13"
std::string TitreLeveeReleve(int levee, int nbLevees);
// "Sud : Roi de Pique refusé (code 12)"
std::string TexteRefusReleve(const TRefusReleve& refus);

}  // namespace kalvo
