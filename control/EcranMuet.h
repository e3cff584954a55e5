// A screen for the script exploration: it shows nothing, never waits,
// answers every question with the same answer and closes every window at
// once. It keeps only the errors, which the exploration reports.
#pragma once

#include "control/EcranJeu.h"

#include <string>
#include <vector>

namespace kalvo {

class TEcranMuet : public TEcranJeu {
 public:
  std::vector<std::string> ErreursDonnee;  // deals stopped on broken data
  std::vector<std::string> Erreurs;        // warnings and files not written
  std::vector<std::string> ErreursFatales;

  // The program.
  void AppliqueReglages(const TReglages&) override {}
  void AfficheTitre(const std::string&) override {}
  void MontreBouton(TBoutonJeu, bool) override {}
  void IndiqueTour(int) override {}
  void IndiqueCartesJouables(TJoueur, const std::vector<TCard>&) override {}
  void Sablier(bool) override {}
  bool MontreScores(const TScoresAffiches&, const TScoresAffiches&) override { return false; }
  std::optional<int> DemandeNumeroDonne(int, int) override { return std::nullopt; }
  std::optional<int> MontreChoixDonnes(const TListeDonnes&) override { return std::nullopt; }
  void PosteFinDonne(int) override {}
  void FermeFenetre() override {}
  void AfficheErreurDonnee(const std::string& message) override { ErreursDonnee.push_back(message); }
  void AfficheErreur(const std::string& message) override { Erreurs.push_back(message); }
  void AfficheErreurFatale(const std::vector<std::string>& messages) override {
    ErreursFatales.insert(ErreursFatales.end(), messages.begin(), messages.end());
  }
  // A deal on the table.
  void MontreDonne(const TDonneAffichee&) override {}
  void AfficheJeu(TJoueur, TAffichageJeu) override {}
  void CacheJeu(TJoueur) override {}
  void CacheTable() override {}
  void AfficheMarques(const TMarquesVisibles&) override {}
  void ChangeMarques(const TMarques&) override {}
  // The auction.
  void RejoueEncheres(int) override {}
  void CacheEncheres() override {}
  void MontreRevueEncheres(bool) override {}
  // The play.
  void PoseCarte(TJoueur, TCard, int) override {}
  void CacheCartesJouees() override {}
  void MontreDerniereLevee(const TCartesJouees&) override {}
  void MontrePoint() override {}
  void AfficheCommentaire(const std::string&) override {}
  void AfficheMessage(const std::string&) override {}
  void Bip() override {}
  // Questions and the end of the deal.
  TReponseQuestion PoseQuestion(const TQuestionPosee&) override { return TReponseQuestion{TCard{14, clPique}, 0, 0, jrSud}; }
  void MontreReponseAttendue(const TTexteReponseAttendue&) override {}
  void PrepareExportPbn(const std::string&) override {}
  void PrepareRevueJeu(const TReleveJeu&) override {}
  int MontreFinDonne(const TVisibiliteFinDonne&) override { return ActionArreter; }
};

}  // namespace kalvo
