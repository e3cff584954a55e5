// A whole deal played headless through the controller, from the deal's
// start (reading it, the auction) to the end-of-deal choice: deal 1 of the
// delivered database played right, and "Jouer pour moi" over thirteen
// tricks. The screen records and never waits.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <string>
#include <unistd.h>
#include <vector>

#include "control/Controleur.h"
#include "control/EcranEnregistreur.h"
#include "control/JeuJuste.h"

namespace kalvo {
namespace {

// A gesture of the user: a card of South or North, or a click on the felt.
using TGeste = std::optional<TCard>;

class TBancPartie {
 public:
  TBancPartie() : controleur_(ecran_, Configuration()) {
    ecran_.RepondQuestion = ReponseJuste;
    pret_ = controleur_.Active();
  }
  ~TBancPartie() {
    std::error_code erreur;
    std::filesystem::remove_all(dossier_, erreur);
  }

  bool Pret() const { return pret_; }
  // The trick the deal ended at (a claim ends it early).
  int Levee() const { return controleur_.Etat().Levee; }

  // Deal 1's right line, found at each card as the picture tool finds it:
  // the first card the script accepts without a charge. Nothing when the
  // deal stops on the way.
  std::optional<std::vector<TGeste>> LigneJuste() {
    Commence();
    std::vector<TGeste> gestes;
    while (controleur_.Etat().InJeu && gestes.size() < 200) {
      TGeste geste;
      if (controleur_.AttendCarteUtilisateur()) {
        geste = CarteJuste(controleur_);
        if (!geste) return std::nullopt;
      }
      gestes.push_back(geste);
      Fait(geste);
    }
    if (!Termine()) return std::nullopt;
    return gestes;
  }

  // Deal 1 from its start to the end-of-deal choice, with these gestures.
  bool Joue(const std::vector<TGeste>& gestes) {
    Commence();
    for (const TGeste& geste : gestes) Fait(geste);
    return Termine();
  }

  // Deal 1 from its start to the end-of-deal choice, "Jouer pour moi" at once.
  bool JouePourMoi() {
    Commence();
    controleur_.BJeuAutoClick();
    for (int i = 0; i < 16 && controleur_.Etat().InJeu; ++i) controleur_.FormMouseDown();
    return Termine();
  }

 private:
  void Commence() {
    ecran_.EffaceAppels();
    ecran_.MessagesPostes.clear();
    controleur_.NumDonne1Click(1);
    controleur_.BNextClick();
  }

  void Fait(const TGeste& geste) {
    if (!geste) {
      controleur_.FormMouseDown();
      return;
    }
    const TJoueur main = controleur_.Suivi().s_ChercheCarte(jrNord, *geste) ? jrNord : jrSud;
    controleur_.JeuMouseDown(main, IndexCarte(*geste), false);
  }

  // The click that opens the end-of-deal screen; true when it opened on a
  // deal played to its end without an error.
  bool Termine() {
    if (controleur_.Etat().InJeu) return false;
    controleur_.FormMouseDown();
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
  const std::optional<std::vector<TGeste>> ligne = banc.LigneJuste();
  if (!ligne) {
    etat.SkipWithError("pas de ligne juste jusqu'au bout de la donne 1");
    return;
  }
  for (auto _ : etat) {
    if (!banc.Joue(*ligne)) {
      etat.SkipWithError("la donne ne va pas au bout");
      break;
    }
  }
  etat.counters["levees"] = banc.Levee();
  etat.counters["cartes"] = static_cast<double>(std::count_if(ligne->begin(), ligne->end(), [](const TGeste& g) { return g.has_value(); }));
}
BENCHMARK(BM_DonneDemoJoueeJuste)->Unit(benchmark::kMillisecond);

void BM_JouerPourMoiTreizeLevees(benchmark::State& etat) {
  TBancPartie banc;
  if (!banc.Pret()) {
    etat.SkipWithError("base livrée introuvable (cible kalvo_donnees)");
    return;
  }
  for (auto _ : etat) {
    if (!banc.JouePourMoi()) {
      etat.SkipWithError("la donne ne va pas au bout");
      break;
    }
  }
}
BENCHMARK(BM_JouerPourMoiTreizeLevees)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace kalvo
