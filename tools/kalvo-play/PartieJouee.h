// One deal of a database played by kalvo-play's user (a script or chance)
// through the game controller, the events written as JSON lines. The
// program and the tests that play many deals in one process share it.
#pragma once

#include "control/Controleur.h"
#include "control/EcranEnregistreur.h"
#include "tools/kalvo-play/SortieJson.h"
#include "tools/kalvo-play/Utilisateur.h"

#include <iostream>
#include <memory>
#include <optional>
#include <ostream>

namespace kalvo::outil_partie {

// kalvo-play's exit statuses.
inline constexpr int StatutFini = 0;
inline constexpr int StatutArguments = 1;
inline constexpr int StatutScript = 2;
inline constexpr int StatutDonneeAbimee = 3;
inline constexpr int StatutScriptEpuise = 4;
inline constexpr int StatutLimite = 5;
inline constexpr int LimiteGestes = 5000;

class TPartieJouee {
 public:
  // The JSON lines go to `sortie`, the argument errors to `erreurs`.
  TPartieJouee(const TConfigurationControleur& configuration, std::unique_ptr<TUtilisateur> utilisateur,
               std::ostream& sortie, std::ostream& erreurs = std::cerr);
  TPartieJouee(const TPartieJouee&) = delete;
  TPartieJouee& operator=(const TPartieJouee&) = delete;

  // Plays deal `donne` (1-based) to the end-of-deal choice; the exit status.
  int Joue(int donne);
  // The same for the one deal that carries this collection number in the
  // base's table (the trainer's own numbers, as in its window title).
  int JoueCollection(int collection);
  // The deal that carries this collection number; none (with the message
  // written) when no deal or several carry it.
  std::optional<int> DonneDeCollection(int collection);
  // Steps `pas` times through the deals previous/next choose (next when pas
  // is positive, previous when negative) from deal `donne`, without playing:
  // one "walk" line per step, or the message when no deal is chosen.
  int Parcourt(int donne, int pas);
  // The deal in PBN as the end-of-deal screen offered it; empty when the
  // deal did not reach that screen.
  const std::string& Pbn() const { return ecran_.Pbn; }

 private:
  template <class T, class F>
  T Demande(F demande, T parDefaut);
  bool Fini() const;
  int Statut();
  void Execute(const TGeste& geste);
  void JoueCarte(const TGeste& geste);
  void Avertissements();

  std::ostream& erreurs_;
  TEcranEnregistreur ecran_;
  TSortieJson sortie_;
  std::unique_ptr<TUtilisateur> utilisateur_;
  TControleur controleur_;
  std::optional<ErreurScript> erreurScript_;
  bool epuise_ = false;
  std::size_t avertissements_ = 0;
  std::size_t fatales_ = 0;
};

}  // namespace kalvo::outil_partie
