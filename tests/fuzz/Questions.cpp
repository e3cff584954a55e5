// The questions reader: any bytes as a questions file, each record read,
// scheduled, its damaged questions set aside, and every question left
// prepared by the quiz on a fixed deal, judged and explained.
#include "coaching/Quiz.h"
#include "model/NotationMains.h"
#include "tests/fuzz/Cible.h"

#include <algorithm>
#include <fstream>

using namespace kalvo;

namespace {

// One suit each: every kind of question has something to ask about.
const T4Jeux& Jeux() {
  static const T4Jeux jeux = [] {
    std::string erreur;
    const auto lus = LitJeuxPbn("S:AKQ2.KJ3.A2.K432 JT9.Q92.KQJ3.QJ9 8765.A84.T98.A76 43.T765.7654.T85", erreur);
    if (!lus) fuzz::Echec(erreur);
    return *lus;
  }();
  return jeux;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::filesystem::path fichier = fuzz::Dossier() / "KALVO01.ASK";
  {
    std::ofstream flux(fichier, std::ios::binary | std::ios::trunc);
    flux.write(reinterpret_cast<const char*>(donnees), static_cast<std::streamsize>(taille));
  }
  TSuiviMains suivi;
  suivi.s_Initialise(Jeux(), 1, clSA);
  const TStatistiquesJeu stats;
  const std::array<int, 4> points{13, 9, 5, 3};
  std::mt19937 alea(1);
  const int fiches = static_cast<int>(std::min<std::size_t>(taille / TQuestionsDonne::Taille, 6));
  for (int volume = 0; volume <= fiches + 1; ++volume) {
    TQuestionsLues lues = LitQuestions(fichier, volume, 1);
    EcarteQuestionsAbimees(lues.Record, lues.Questions, 1, lues.Avertissements);
    for (int levee = 1; levee <= 13; ++levee) {
      const int numero = lues.Questions[levee];
      if (numero == 0) continue;
      const std::optional<TQuestionPosee> posee = PrepareQuestion(lues.Record, numero, suivi, stats, points, alea);
      if (!posee) continue;
      EstBonneReponse(*posee, TReponseQuestion{});
      ReponseAttendue(*posee);
      for (int k = 0; k <= 4; ++k) TexteProposition(*posee, k);
    }
  }
  return 0;
}
