// The checks of a deal, one file per part of the deal. Internal to the
// authoring library; Verificateur.cpp runs them in order.
#pragma once

#include "tools/authoring/GrapheScript.h"
#include "tools/authoring/Verificateur.h"

#include <map>

namespace kalvo::redaction {

class TConstats {
 public:
  explicit TConstats(const TOptionsVerification& options) : options_(options) {}
  void Erreur(TLieu lieu, std::string message) { liste_.push_back({grErreur, lieu, std::move(message)}); }
  void Avertissement(TLieu lieu, std::string message) { liste_.push_back({grAvertissement, lieu, std::move(message)}); }
  std::string Chaine(int numero) const { return NomChaine(numero, options_); }
  const TOptionsVerification& Options() const { return options_; }
  std::vector<TConstat>& Liste() { return liste_; }

 private:
  const TOptionsVerification& options_;
  std::vector<TConstat> liste_;
};

// A comment number the deal's data uses, and where.
struct TCodeUtilise {
  int Code = 0;
  TLieu Lieu;
  bool Revendication = false;  // shown at a claim: costs nothing
};
using TCodesUtilises = std::vector<TCodeUtilise>;

// Hands, header numbers, the lengths of the texts, the alerts' lengths.
void VerifieMainsEtEnTete(const TDonne& donne, TConstats& constats);
// The auction: legal, ending in the contract, South declarer; its alerts.
void VerifieEncheres(const TDonne& donne, TConstats& constats);
// Links, reachability, equivalence cycles, node data, cards held, tables.
// Collects the comment numbers the script uses.
void VerifieScript(const TDonne& donne, const TGrapheScript& graphe, TConstats& constats, TCodesUtilises& codes);
// Comment lines and penalties against the numbers used.
void VerifieCommentaires(const TDonne& donne, const TCodesUtilises& codes, TConstats& constats);
// The complete play, the main line, the double-dummy result.
void VerifieJeu(const TDonne& donne, TConstats& constats, std::optional<TDoubleMortDonne>& doubleMort);
// The deal's questions, checked against the complete play.
void VerifieQuestions(const TDonne& donne, const TQuestionsDonne& questions, TConstats& constats);

// Text of a card in messages: "Roi de Cœur", or the raw bytes when it is no card.
std::string TexteCarte(TCard carte);

}  // namespace kalvo::redaction
