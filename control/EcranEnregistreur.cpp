#include "control/EcranEnregistreur.h"

#include "control/Controleur.h"

namespace kalvo {

std::string LettreJoueur(TJoueur joueur) { return std::string(1, "SONE"[joueur]); }

std::string NomBouton(TBoutonJeu bouton) {
  static constexpr std::array<const char*, NbBoutonsJeu> noms{"BStart",       "BNext",  "BJeuAuto",   "BLastLevee",
                                                              "BRevoirBids", "BPoint", "Navigation"};
  return noms[bouton];
}

int TEcranEnregistreur::Compte(std::string_view debut) const {
  int n = 0;
  for (const std::string& appel : appels_) n += appel.starts_with(debut) ? 1 : 0;
  return n;
}

void TEcranEnregistreur::TraiteMessages(TControleur& controleur) {
  while (!MessagesPostes.empty() && !FermetureDemandee) {
    const int action = MessagesPostes.front();
    MessagesPostes.pop_front();
    controleur.MessageFinDonne(action);
  }
}

void TEcranEnregistreur::AppliqueReglages(const TReglages& reglages) {
  Reglages = reglages;
  Note("AppliqueReglages");
}

void TEcranEnregistreur::MontreDonne(const TDonneAffichee& donne) {
  Donne = donne;
  Note("MontreDonne " + std::to_string(donne.Numero));
  CartesSurTable = {};
}

void TEcranEnregistreur::AfficheJeu(TJoueur joueur, TAffichageJeu mode) {
  JeuxVisibles[joueur] = true;
  Affichages[joueur] = mode;
  Note("AfficheJeu " + LettreJoueur(joueur) + " " + std::to_string(mode));
}

void TEcranEnregistreur::CacheJeu(TJoueur joueur) {
  JeuxVisibles[joueur] = false;
  Note("CacheJeu " + LettreJoueur(joueur));
}

void TEcranEnregistreur::PoseCarte(TJoueur joueur, TCard carte, int pauseMs) {
  CartesSurTable[joueur] = carte;
  PausesMs += pauseMs;
  Note("PoseCarte " + LettreJoueur(joueur) + " " + CodeCarte(carte) + " " + std::to_string(pauseMs));
  if (pauseMs > 0 && PendantPause) {
    const std::function<void()> entree = std::move(PendantPause);
    PendantPause = nullptr;
    entree();
  }
}

void TEcranEnregistreur::CacheCartesJouees() {
  CartesSurTable = {};
  Note("CacheCartesJouees");
}

void TEcranEnregistreur::CacheTable() {
  CartesSurTable = {};
  JeuxVisibles = {};
  Boutons[bjNext] = false;
  Note("CacheTable");
}

void TEcranEnregistreur::RejoueEncheres(int vitesse) {
  MarquesVisibles = {};
  Note("RejoueEncheres " + std::to_string(vitesse));
}
void TEcranEnregistreur::CacheEncheres() { Note("CacheEncheres"); }
void TEcranEnregistreur::MontreRevueEncheres(bool avantJeu) {
  Note(std::string("MontreRevueEncheres ") + (avantJeu ? "1" : "0"));
}

void TEcranEnregistreur::IndiqueTour(int mode) {
  Tour = mode;
  Note("IndiqueTour " + std::to_string(mode));
}

// Kept, not noted: it comes with every IndiqueTour, whose line says it.
void TEcranEnregistreur::IndiqueCartesJouables(TJoueur joueur, const std::vector<TCard>& cartes) {
  JoueurJouable = joueur;
  CartesJouables = cartes;
}

void TEcranEnregistreur::Sablier(bool actif) {
  Sabliers += actif ? 1 : -1;
  Note(std::string("Sablier ") + (actif ? "1" : "0"));
}

void TEcranEnregistreur::AfficheTitre(const std::string& titre) {
  Titre = titre;
  Note("AfficheTitre " + titre);
}

void TEcranEnregistreur::MontreBouton(TBoutonJeu bouton, bool visible) {
  Boutons[bouton] = visible;
  Note("MontreBouton " + NomBouton(bouton) + " " + (visible ? "1" : "0"));
}

void TEcranEnregistreur::AfficheMarques(const TMarquesVisibles& visibles) {
  MarquesVisibles = visibles;
  Note(std::string("AfficheMarques ") + (visibles.Jeu ? "1" : "0") + (visibles.Questions ? " 1" : " 0") +
       (visibles.Levees ? " 1" : " 0"));
}

void TEcranEnregistreur::ChangeMarques(const TMarques& marques) {
  Marques = marques;
  Note("ChangeMarques " + std::to_string(marques.Notation) + " " + std::to_string(marques.NoteQuestions) + " " +
       std::to_string(marques.LeveesNS) + " " + std::to_string(marques.LeveesEO));
}

void TEcranEnregistreur::MontreDerniereLevee(const TCartesJouees& levee) {
  std::string ligne = "MontreDerniereLevee";
  for (TCard carte : levee) {
    ligne += ' ';
    ligne += carte.EstReelle() ? CodeCarte(carte) : std::string("--");
  }
  Note(ligne);
}

void TEcranEnregistreur::MontrePoint() { Note("MontrePoint"); }

void TEcranEnregistreur::AfficheCommentaire(const std::string& texte) {
  Commentaires.push_back(texte);
  Note("AfficheCommentaire " + texte);
}

void TEcranEnregistreur::AfficheMessage(const std::string& texte) {
  Messages.push_back(texte);
  Note("AfficheMessage " + texte);
}

void TEcranEnregistreur::Bip() {
  ++Bips;
  Note("Bip");
}

TReponseQuestion TEcranEnregistreur::PoseQuestion(const TQuestionPosee& question) {
  Note("PoseQuestion " + std::to_string(question.Numero) + " " + std::to_string(question.Type));
  if (RepondQuestion) return RepondQuestion(question);
  return TReponseQuestion{TCard{14, clPique}, 0, 0, jrSud};
}

void TEcranEnregistreur::MontreReponseAttendue(const TTexteReponseAttendue& reponse) {
  Note("MontreReponseAttendue " + reponse.Enonce + reponse.Reponse);
}

void TEcranEnregistreur::PrepareExportPbn(const std::string& pbn) {
  Pbn = pbn;
  Note(pbn.empty() ? "PrepareExportPbn vide" : "PrepareExportPbn");
}

// Kept, not written among the calls: the lines stay those of the play.
void TEcranEnregistreur::PrepareRevueJeu(const TReleveJeu& releve) { Releve = releve; }

int TEcranEnregistreur::MontreFinDonne(const TVisibiliteFinDonne& visible) {
  VisibiliteFin = visible;
  const int action = ChoisitFinDonne ? ChoisitFinDonne() : ActionSuivante;
  Note("MontreFinDonne " + std::to_string(Donne ? Donne->Numero : 0) + " " + std::to_string(action));
  return action;
}

bool TEcranEnregistreur::MontreScores(const TScoresAffiches& scores, const TScoresAffiches&) {
  Scores = scores;
  const bool remise = RemetScoresAZero && RemetScoresAZero();
  Note("MontreScores " + scores.ScoreJeu + " " + scores.ScoreQuestions + (remise ? " remise" : ""));
  return remise;
}

std::optional<int> TEcranEnregistreur::DemandeNumeroDonne(int maximum, int actuel) {
  const std::optional<int> valeur = ChoisitNumeroDonne ? ChoisitNumeroDonne(maximum, actuel) : std::nullopt;
  Note("DemandeNumeroDonne " + std::to_string(maximum) + " " + std::to_string(actuel) + " " +
       (valeur ? std::to_string(*valeur) : std::string("-")));
  return valeur;
}

std::optional<int> TEcranEnregistreur::MontreChoixDonnes(const TListeDonnes& liste) {
  ListeMontree = liste;
  const std::optional<int> valeur = ChoisitDansListe ? ChoisitDansListe(liste) : std::nullopt;
  Note("MontreChoixDonnes " + std::to_string(liste.Lignes.size()) + " " +
       (valeur ? std::to_string(*valeur) : std::string("-")));
  return valeur;
}

void TEcranEnregistreur::PosteFinDonne(int action) {
  MessagesPostes.push_back(action);
  Note("PosteFinDonne " + std::to_string(action));
}

void TEcranEnregistreur::FermeFenetre() {
  FermetureDemandee = true;
  Note("FermeFenetre");
}

void TEcranEnregistreur::AfficheErreurDonnee(const std::string& message) {
  ErreursDonnee.push_back(message);
  Note("AfficheErreurDonnee " + message);
}

void TEcranEnregistreur::AfficheErreur(const std::string& message) {
  Erreurs.push_back(message);
  Note("AfficheErreur " + message);
}

void TEcranEnregistreur::AfficheErreurFatale(const std::vector<std::string>& messages) {
  ErreursFatales.push_back(messages);
  std::string ligne = "AfficheErreurFatale";
  for (const std::string& m : messages) ligne += " " + m;
  Note(ligne);
}

}  // namespace kalvo
