// The attempt of the deal being played, recorded in the history when the
// end-of-deal screen is reached.
#include "control/Controleur.h"

#include <ctime>

namespace kalvo {

namespace {

std::string DateHeureLocale() {
  const std::time_t maintenant = std::time(nullptr);
  std::tm local{};
  localtime_r(&maintenant, &local);
  char texte[32];
  const std::size_t n = std::strftime(texte, sizeof texte, "%Y-%m-%dT%H:%M:%S", &local);
  return std::string(texte, n);
}

}  // namespace

void TControleur::CommenceTentative() {
  tentative_ = TTentative{};
  tentative_.Donne = DonneActuelle();
  tentative_.Collection = volume_[DonneActuelle()];
}

void TControleur::NoteRefusTentative(TCard carte, int code) { tentative_.Refusees.push_back({CodeCarte(carte), code}); }

// Once per deal played: the end-of-deal screen shown again (the shortcut
// pressed twice) records nothing more. A history that cannot be written is
// told once and left aside for the rest of the session.
void TControleur::EnregistreTentative() {
  if (tentative_.Donne == 0) return;
  tentative_.DateHeure = DateHeureLocale();
  tentative_.NoteJeu = Reglages().Notation ? etat_.Notation : -1;
  tentative_.NoteQuestions = Reglages().Notation && Reglages().Questions ? etat_.NoteQuestions : -1;
  if (carnet_ != nullptr && !carnet_->Ajoute(tentative_)) {
    carnet_ = nullptr;
    ecran_.AfficheErreur(
        "L'historique des donnes jouées ne peut plus être écrit : l'entraîneur continue sans lui jusqu'à sa "
        "fermeture. Les notes des réglages restent enregistrées.");
  }
  tentative_.Donne = 0;
}

}  // namespace kalvo
