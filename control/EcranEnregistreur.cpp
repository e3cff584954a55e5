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

void TEcranEnregistreur::PrepareDonne(const TDonneLue& donne, const TSuiviMains&) {
  Note("PrepareDonne " + std::to_string(donne.Donne.Numero()));
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

void TEcranEnregistreur::RejoueEncheres(const TDonne&, int vitesse) { Note("RejoueEncheres " + std::to_string(vitesse)); }
void TEcranEnregistreur::CacheEncheres() { Note("CacheEncheres"); }
void TEcranEnregistreur::MontreRevueEncheres() { Note("MontreRevueEncheres"); }

void TEcranEnregistreur::IndiqueTour(int mode) {
  Tour = mode;
  Note("IndiqueTour " + std::to_string(mode));
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

void TEcranEnregistreur::AfficheNotation(bool visible) {
  NotationVisible = visible;
  Note(std::string("AfficheNotation ") + (visible ? "1" : "0"));
}

void TEcranEnregistreur::AfficheNoteQuestions(bool visible) {
  NoteQuestionsVisible = visible;
  Note(std::string("AfficheNoteQuestions ") + (visible ? "1" : "0"));
}

void TEcranEnregistreur::AfficheCompteurLevees(bool visible) {
  CompteurLeveesVisible = visible;
  Note(std::string("AfficheCompteurLevees ") + (visible ? "1" : "0"));
}

void TEcranEnregistreur::ChangeNotation(int note) {
  Notation = note;
  Note("ChangeNotation " + std::to_string(note));
}

void TEcranEnregistreur::ChangeNoteQuestions(int note) {
  NoteQuestions = note;
  Note("ChangeNoteQuestions " + std::to_string(note));
}

void TEcranEnregistreur::ChangeLevees(int leveesNS, int leveesEO) {
  LeveesNS = leveesNS;
  LeveesEO = leveesEO;
  Note("ChangeLevees " + std::to_string(leveesNS) + " " + std::to_string(leveesEO));
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

int TEcranEnregistreur::MontreFinDonne(const TDonneLue& donne, const TReglages&) {
  const int action = ChoisitFinDonne ? ChoisitFinDonne() : ActionSuivante;
  Note("MontreFinDonne " + std::to_string(donne.Donne.Numero()) + " " + std::to_string(action));
  return action;
}

std::optional<int> TEcranEnregistreur::DemandeNumeroDonne(int maximum, int actuel) {
  const std::optional<int> valeur = ChoisitNumeroDonne ? ChoisitNumeroDonne(maximum, actuel) : std::nullopt;
  Note("DemandeNumeroDonne " + std::to_string(maximum) + " " + std::to_string(actuel) + " " +
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
