// A screen that shows nothing: it keeps what would be on the table, writes
// every call as a short line of text, never waits, and answers the modal
// windows through callbacks. The tests and kalvo-play play whole deals
// with it.
#pragma once

#include "control/EcranJeu.h"

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kalvo {

class TControleur;

class TEcranEnregistreur : public TEcranJeu {
 public:
  // Answers of the modal windows. Unset: a default answer (kind 0: the ace
  // of spades, numbers 0, the first proposal, South), "Suivante", no number.
  std::function<TReponseQuestion(const TQuestionPosee&)> RepondQuestion;
  std::function<int()> ChoisitFinDonne;
  std::function<std::optional<int>(int maximum, int actuel)> ChoisitNumeroDonne;
  // Unset: the chooser is closed without a choice.
  std::function<std::optional<int>(const TListeDonnes& liste)> ChoisitDansListe;
  // Unset: the score dialog is closed without a reset.
  std::function<bool()> RemetScoresAZero;
  // Input that arrives during the next card pause (the screen lets pending
  // input through while it waits); run once, then forgotten.
  std::function<void()> PendantPause;

  // Every call, in order: "PoseCarte O HK 100", "Bip", "AfficheCommentaire ..."
  const std::vector<std::string>& Appels() const { return appels_; }
  void EffaceAppels() { appels_.clear(); }
  int Compte(std::string_view debut) const;  // calls whose line starts so

  // What the screen was given: the settings, the deal shown, the scores
  // last shown (as they stood) and the visibility of the end-of-deal screen.
  TReglages Reglages;
  std::optional<TDonneAffichee> Donne;
  std::optional<TScoresAffiches> Scores;
  std::optional<TListeDonnes> ListeMontree;
  std::optional<TVisibiliteFinDonne> VisibiliteFin;
  std::string Pbn;  // the last deal offered for export
  std::optional<TReleveJeu> Releve;  // the last play offered for review

  // What the table shows now.
  std::string Titre;
  std::array<bool, NbBoutonsJeu> Boutons{};
  std::array<bool, 4> JeuxVisibles{};
  std::array<TAffichageJeu, 4> Affichages{};
  TCartesJouees CartesSurTable{};
  int Tour = TourAucun;
  // The cards the hand to play may play, as last told.
  TJoueur JoueurJouable = jrSud;
  std::vector<TCard> CartesJouables;
  int Sabliers = 0;  // hourglasses still on (Sablier(true) not yet matched)
  TMarquesVisibles MarquesVisibles;
  TMarques Marques{0, 0, 0, 0};
  long long PausesMs = 0;  // the pauses asked so far, added up

  // What was shown in the windows, in order.
  std::vector<std::string> Commentaires, Messages, ErreursDonnee, Erreurs;
  std::vector<std::vector<std::string>> ErreursFatales;
  int Bips = 0;
  bool FermetureDemandee = false;

  // Window message 1549, posted and not yet delivered.
  std::deque<int> MessagesPostes;
  // Delivers the posted messages to the controller one by one, as the
  // event loop does once the handler that posted them has returned.
  void TraiteMessages(TControleur& controleur);

  // ---- TEcranJeu ----
  void AppliqueReglages(const TReglages& reglages) override;
  void AfficheTitre(const std::string& titre) override;
  void MontreBouton(TBoutonJeu bouton, bool visible) override;
  void IndiqueTour(int mode) override;
  void IndiqueCartesJouables(TJoueur joueur, const std::vector<TCard>& cartes) override;
  void Sablier(bool actif) override;
  bool MontreScores(const TScoresAffiches& scores, const TScoresAffiches& apresRemise) override;
  std::optional<int> DemandeNumeroDonne(int maximum, int actuel) override;
  std::optional<int> MontreChoixDonnes(const TListeDonnes& liste) override;
  void PosteFinDonne(int action) override;
  void FermeFenetre() override;
  void AfficheErreurDonnee(const std::string& message) override;
  void AfficheErreur(const std::string& message) override;
  void AfficheErreurFatale(const std::vector<std::string>& messages) override;
  void MontreDonne(const TDonneAffichee& donne) override;
  void AfficheJeu(TJoueur joueur, TAffichageJeu mode) override;
  void CacheJeu(TJoueur joueur) override;
  void CacheTable() override;
  void AfficheMarques(const TMarquesVisibles& visibles) override;
  void ChangeMarques(const TMarques& marques) override;
  void RejoueEncheres(int vitesse) override;
  void CacheEncheres() override;
  void MontreRevueEncheres(bool avantJeu) override;
  void PoseCarte(TJoueur joueur, TCard carte, int pauseMs) override;
  void CacheCartesJouees() override;
  void MontreDerniereLevee(const TCartesJouees& levee) override;
  void MontrePoint() override;
  void AfficheCommentaire(const std::string& texte) override;
  void AfficheMessage(const std::string& texte) override;
  void Bip() override;
  TReponseQuestion PoseQuestion(const TQuestionPosee& question) override;
  void MontreReponseAttendue(const TTexteReponseAttendue& reponse) override;
  void PrepareExportPbn(const std::string& pbn) override;
  void PrepareRevueJeu(const TReleveJeu& releve) override;
  int MontreFinDonne(const TVisibiliteFinDonne& visible) override;

 private:
  void Note(std::string ligne) { appels_.push_back(std::move(ligne)); }
  std::vector<std::string> appels_;
};

// "S", "O", "N", "E".
std::string LettreJoueur(TJoueur joueur);
// "BStart", "BNext", "BJeuAuto", ...
std::string NomBouton(TBoutonJeu bouton);

}  // namespace kalvo
