// A whole deal played headless through the controller, from the deal's
// start (reading it, the auction) to the end-of-deal choice: the delivered
// demo deal played right by a scripted user, and "Jouer pour moi" over
// thirteen tricks. The screen records and never waits.
#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>
#include <unistd.h>
#include <vector>

#include "control/Controleur.h"
#include "control/EcranEnregistreur.h"

namespace kalvo {
namespace {

class TBancPartie {
 public:
  TBancPartie() : controleur_(ecran_, Configuration()) {
    ecran_.RepondQuestion = [](const TQuestionPosee& q) {
      TReponseQuestion r;
      r.Proposition = q.PropositionAttendue;
      return r;
    };
    pret_ = controleur_.Active();
  }
  ~TBancPartie() {
    std::error_code erreur;
    std::filesystem::remove_all(dossier_, erreur);
  }

  bool Pret() const { return pret_; }

  // Deal 1 from its start to the end-of-deal choice.
  bool Joue(bool pourMoi) {
    ecran_.EffaceAppels();
    ecran_.MessagesPostes.clear();
    controleur_.NumDonne1Click(1);
    controleur_.BNextClick();
    if (pourMoi) {
      controleur_.BJeuAutoClick();
      for (int i = 0; i < 16 && controleur_.Etat().InJeu; ++i) controleur_.FormMouseDown();
    } else {
      for (const char* geste : {"H4", "H3", "", "H7", "H6", "", "C5", "D2", "DT", ""}) {
        if (*geste == '\0') {
          controleur_.FormMouseDown();
          continue;
        }
        TCard carte;
        LitCodeCarte(geste, carte);
        const TJoueur main = controleur_.Suivi().s_ChercheCarte(jrNord, carte) ? jrNord : jrSud;
        controleur_.JeuMouseDown(main, IndexCarte(carte), false);
      }
    }
    controleur_.FormMouseDown();  // the end-of-deal screen
    return !ecran_.MessagesPostes.empty() && ecran_.ErreursDonnee.empty();
  }

 private:
  TConfigurationControleur Configuration() {
    dossier_ = std::filesystem::temp_directory_path() / ("kalvo-bench-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dossier_);
    TConfigurationControleur c;
    const std::filesystem::path donnees = std::filesystem::path(KALVO_BUILD_DIR) / "data";
    c.Emplacement.Dossier = dossier_;
    c.Emplacement.FichierDonnes = (donnees / "K01FR_DEMO.DAT").string();
    c.Emplacement.FichierQuestions = (donnees / "KALVO01.ASK").string();
    c.FichierVolume = donnees / "K01FR_DEMO.VOL";
    c.Graine = 1;
    return c;
  }

  std::filesystem::path dossier_;
  TEcranEnregistreur ecran_;
  TControleur controleur_;
  bool pret_ = false;
};

void BM_DonneDemoJoueeJuste(benchmark::State& etat) {
  TBancPartie banc;
  if (!banc.Pret()) {
    etat.SkipWithError("base livrée introuvable (cible kalvo_donnees)");
    return;
  }
  for (auto _ : etat) {
    if (!banc.Joue(false)) etat.SkipWithError("la donne ne va pas au bout");
  }
}
BENCHMARK(BM_DonneDemoJoueeJuste)->Unit(benchmark::kMillisecond);

void BM_JouerPourMoiTreizeLevees(benchmark::State& etat) {
  TBancPartie banc;
  if (!banc.Pret()) {
    etat.SkipWithError("base livrée introuvable (cible kalvo_donnees)");
    return;
  }
  for (auto _ : etat) {
    if (!banc.Joue(true)) etat.SkipWithError("la donne ne va pas au bout");
  }
}
BENCHMARK(BM_JouerPourMoiTreizeLevees)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalvo
