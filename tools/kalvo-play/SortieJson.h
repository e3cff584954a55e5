// kalvo-play's output: one JSON object per line for everything a user would
// see, in the order it happens.
#pragma once

#include "control/JournalPartie.h"
#include "model/NumerosVolume.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <ostream>

namespace kalvo::outil_partie {

using TJson = nlohmann::ordered_json;

// "S", "W", "N", "E".
std::string LettreSiege(TJoueur joueur);

class TSortieJson : public TJournalPartie {
 public:
  explicit TSortieJson(std::ostream& flux) : flux_(flux) {}

  void Ecrit(const TJson& ligne);
  bool ChoixFait() const { return choixFait_; }
  bool ErreurDonneeVue() const { return erreurDonnee_; }
  // The deal line then names the deal by its collection number instead of
  // its place in the base: a volume's golden games stay the same when
  // deals are inserted before theirs.
  void NommeParCollection(const TNumerosVolume& numeros) { collections_ = numeros; }

  void DonneChargee(int numero, const TDonneLue& donne) override;
  void CarteJouee(int levee, TJoueur joueur, TCard carte) override;
  void CarteRefusee(const TRefus& refus) override;
  void CarteSansIssue(TJoueur joueur, TCard carte) override;
  void QuestionPosee(const TQuestionPosee& question, const TReponseQuestion& reponse, bool bonne,
                     int points) override;
  void LeveeTerminee(int levee, TJoueur gagnant, int leveesNS, int leveesEO) override;
  void ChangementRegime(TRegime regime) override;
  void Revendication(int leveesNS, int leveesEO, const std::string& commentaire) override;
  void FinDonne(int leveesNS, int leveesEO, int notation, int noteQuestions) override;
  void ChoixFinDonne(int action) override;
  void ErreurDonnee(const std::string& message) override;

 private:
  std::ostream& flux_;
  bool choixFait_ = false;
  bool erreurDonnee_ = false;
  std::optional<TNumerosVolume> collections_;
};

}  // namespace kalvo::outil_partie
