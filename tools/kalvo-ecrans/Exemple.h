// The sample deal of the pictures (tests/data/ecrans.donne, compiled by the
// build): read by the game controller on a recording screen, as the table
// reads it, and its first three tricks played. The dialogs are filled with
// what the controller hands the screen.
#pragma once

#include "control/Controleur.h"
#include "control/EcranEnregistreur.h"

#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string>

namespace kalvo::ecrans {

class TExemple {
 public:
  // Nothing when the compiled sample in `dossier` cannot be read or played
  // (the reason is written on the error output).
  static std::unique_ptr<TExemple> Lit(const std::filesystem::path& dossier);

  // The deal as the controller handed it to the screen.
  const TDonneAffichee& Donne() const { return *ecran_.Donne; }
  // The window title during the auction, and once the play has started,
  // with the contract.
  const std::string& TitreEncheres() const { return titreEncheres_; }
  const std::string& Titre() const { return titre_; }
  // Comment line n of the deal, as the comment window shows it.
  const std::string& Commentaire(int n) const { return controleur_->Donne().Comment[n]; }
  // The tricks played, in playing order from their leader.
  const std::vector<TLeveeJouee>& Levees() const { return controleur_->Historique(); }
  // The warning the trainer gives when dummy discards its King of clubs at
  // trick 3, a card in no line of the lesson: its double-dummy verdict.
  const std::string& VerdictImprevu() const { return verdictImprevu_; }
  // The question as the quiz prepares it with the fourth card of trick 3 on
  // the table; nothing when the quiz gives it up.
  std::optional<TQuestionPosee> Question(const TQuestion& question) const;

 private:
  TExemple() = default;
  bool Joue(std::string_view carte);

  QTemporaryDir dossier_;
  TEcranEnregistreur ecran_;
  std::unique_ptr<TControleur> controleur_;
  std::string titreEncheres_;
  std::string titre_;
  std::string verdictImprevu_;
};

}  // namespace kalvo::ecrans
