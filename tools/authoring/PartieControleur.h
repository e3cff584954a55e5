// The trainer's own controller, on a screen that shows nothing, as the
// checks of a deal play it: its files and settings, the cards the user may
// click, the line of play that reaches a finding, and what a defender's
// fallback says about the script. The main line and the exploration of a
// script both play through it, so that they judge every card as the
// trainer does.
#pragma once

#include "control/Controleur.h"
#include "tools/authoring/Diagnostics.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace kalvo::redaction {

// The controller writes the deal's commentary files: a folder of the
// checks' own, removed at the end.
class TDossierProvisoire {
 public:
  TDossierProvisoire();
  ~TDossierProvisoire();
  TDossierProvisoire(const TDossierProvisoire&) = delete;
  TDossierProvisoire& operator=(const TDossierProvisoire&) = delete;
  const std::filesystem::path& Chemin() const { return chemin_; }

 private:
  std::filesystem::path chemin_;
};

struct TFichiersBase {
  std::filesystem::path Base;                      // the deals database (.DAT)
  std::optional<std::filesystem::path> Questions;  // none: no question is asked
  std::optional<std::filesystem::path> Volume;     // none: beside the database
};

// No auction replay; the questions asked when there is a questions file;
// the commentary files written into `dossier`; seed 1.
TConfigurationControleur ConfigurationVerification(const TFichiersBase& fichiers, const std::filesystem::path& dossier);

// Adds a card to a line of play, "HK H4 H2 H3 / HQ": a slash before the
// first card of a trick.
void AjouteCarte(std::string& ligne, TCard carte, bool nouvelleLevee);

// "message (après LIGNE ; N autres lignes)." ; the message alone when there
// is neither.
std::string AvecLigne(const std::string& message, const std::string& ligne, long autresLignes = 0);

// A message of the controller without its "Donne N : " prefix.
std::string SansPrefixeDonne(const std::string& message);

// What a defender's card says about the script, when it is not the card
// the chain gives: nothing for a scripted card or outside the chains.
struct TConstatDefense {
  TGravite Gravite = grErreur;
  std::string Message;
};
std::optional<TConstatDefense> ConstatDefense(const TControleur& controleur, TJoueur joueur, const TChoixDefense& choix,
                                              const std::string& chaine);

}  // namespace kalvo::redaction
