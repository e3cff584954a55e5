// The central step of the play: gather the finished trick, walk the script
// to the next one (switching modes on the way), let a defender lead.
#include "control/Controleur.h"

#include "coaching/RemarqueErreur.h"
#include "control/Sablier.h"

namespace kalvo {

void TControleur::Avance() {
  TEtatControleur& e = etat_;
  if (e.FinEncheres) {
    e.FinEncheres = e.InEncheres = false;
    ecran_.CacheEncheres();
    DemarreJeu();
    return;
  }
  if (e.LastLeveeVisible) {
    // The last trick is shown in its own window: the cards of a trick under
    // way stay on the table.
    if (e.CompteCartesJouees == 0) ecran_.CacheCartesJouees();
    e.LastLeveeVisible = false;
    MontreBouton(bjLastLevee, true);
  }
  if (!e.LeveeComplete) return;

  e.LastLevee = e.OnTable;
  SignaleFinDeLevee(suivi_, e.Levee, e.CompteurLevees - 1);
  MontreBouton(bjLastLevee, true);
  MontreJeuAuto(false);
  if (e.Levee > 5) MontreBouton(bjPoint, false);
  e.OnTable = {};

  if (e.DerniereLevee) {
    MontreJeuAuto(false);
    MontreBouton(bjPoint, false);
    MontreBouton(bjRevoirBids, false);
    e.LeveeComplete = e.DerniereLevee = false;
    e.CompteCartesJouees = 0;
    ecran_.CacheCartesJouees();
    IndiqueTour(TourAucun);
    e.InJeu = false;
    if (journal_) journal_->FinDonne(e.LeveesNS, e.LeveesEO, e.Notation, e.NoteQuestions);
    // The export needs the tricks before the counters are cleared.
    ecran_.PrepareExportPbn(PbnDonneJouee());
    e.LeveesNS = e.LeveesEO = 0;
    ChangeMarques();
    SignaleRegime();
    MontreFinDonne();
    return;
  }

  e.LastEntameur = e.Entameur;
  e.LastChaine = e.ChaineActuelle;
  e.LeveeComplete = false;
  ecran_.CacheCartesJouees();
  e.CompteCartesJouees = 0;
  ++e.Levee;
  e.JoueurActuel = e.Entameur = e.Gagnant;

  // The winning claim: the rest of the deal is the declarer side's.
  if (!e.ModeSolution && !e.ModeProgramme && EstDeclarant(e.Gagnant)) {
    e.ModeProgramme = suivi_.s_GetMaitressesRealisables(e.Gagnant) >= 13 - e.Levee &&
                      donne_.Donne.Chaine(e.ChaineActuelle).ChaineSuivante() == 0;
  }
  if (e.ModeProgramme) FinDuMode();

  if (e.Levee == 13) {
    e.ModeSolution = false;
    e.DerniereLevee = true;
    JoueDerniereLevee();
    return;
  }
  if (e.JeuAutomatique) {
    JoueLeveeAuto(e.Levee);
    return;
  }
  if (!e.ModeProgramme && !e.ModeSolution && !ParcourtScript()) return;
  SignaleRegime();
  if (!EstDeclarant(e.JoueurActuel)) {
    JoueCarte(CarteDefenseur());
    e.JoueurActuel = JoueurSuivant(e.JoueurActuel);
  }
  IndiqueTour(e.JoueurActuel == jrSud ? TourSud : TourNord);
}

// An automatic or pool section counts its tricks down; when it is over the
// script goes on by who won its last trick.
void TControleur::FinDuMode() {
  TEtatControleur& e = etat_;
  MontreJeuAuto(false);
  if (!e.PoolJeuEnCours && !e.EnAutomatique) return;
  --e.CompteurLevees;
  if (e.CompteurLevees != 0) return;
  e.ModeProgramme = false;
  const TChaine noeud = donne_.Donne.Chaine(e.ChaineActuelle);
  const bool pool = e.PoolJeuEnCours;
  e.ChaineActuelle = e.Gagnant == jrSud ? noeud.SuiteSiSud() : noeud.SuiteSinon();
  // "Jouer pour moi" comes back only where the complete play can go on.
  if (pool && JeuCompletSuivi()) MontreJeuAuto(true);
}

// The script walk to the trick chain of the next trick, or into a mode.
// False when the deal has ended (a claim).
bool TControleur::ParcourtScript() {
  TEtatControleur& e = etat_;
  const TDonne& donne = donne_.Donne;
  if (e.EnAutomatique) {
    e.EnAutomatique = false;
  } else if (e.PoolJeuEnCours) {
    e.PoolJeuEnCours = false;
  } else if (donne.Chaine(e.ChaineActuelle).TypeChaine() == tcLevee) {
    const int suivante = donne.Chaine(e.ChaineActuelle).ChaineSuivante();
    if (suivante == 0) {
      throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "la chaîne " + std::to_string(e.ChaineActuelle) +
                         " n'a pas de chaîne suivante pour la levée " + std::to_string(e.Levee) + ".");
    }
    e.ChaineActuelle = suivante;
  }
  for (int etape = 0; etape < NbMaxEtapesScript; ++etape) {
    const TChaine chaine = donne.Chaine(e.ChaineActuelle);
    if (chaine.TypeChaine() == tcLevee) {
      const TJoueur entameur = chaine.Entameur();
      if (entameur != e.Gagnant) {
        throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "la chaîne " + std::to_string(e.ChaineActuelle) +
                           " fait entamer " + std::string(NomsJoueurs[entameur]) + " alors que " +
                           std::string(NomsJoueurs[e.Gagnant]) + " a gagné la levée.");
      }
      e.Entameur = e.JoueurActuel = entameur;
      e.CompteurLevees = 0;
      return true;
    }
    const bool hasard = DemandeHasard(donne, e.ChaineActuelle) && TireHasard();
    const TResolutionNoeud resolution = ResoutNoeud(donne, suivi_, e.ChaineActuelle, e.Gagnant, hasard);
    VerifieResolution(donne, e.ChaineActuelle, resolution.Resultat);
    if (resolution.Resultat <= NbChaines) {
      e.ChaineActuelle = resolution.Resultat;
      continue;
    }
    if (resolution.Resultat == ActionFinDonne) {
      Revendique(resolution);
      IndiqueTour(TourAucun);
      e.InJeu = false;
      SignaleRegime();
      return false;
    }
    return EntreEnMode(resolution);
  }
  throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "le script ne mène à aucune levée après la chaîne " +
                     std::to_string(e.LastChaine) + ".");
}

// 996, 997 or 998: the node stays current, its data serves the mode.
bool TControleur::EntreEnMode(const TResolutionNoeud& resolution) {
  TEtatControleur& e = etat_;
  switch (resolution.Resultat) {
    case ActionSolution:
      e.ModeProgramme = false;
      e.EnAutomatique = e.ModeSolution = true;
      e.indiceSolution = 0;
      e.CompteurLevees = 14 - e.Levee;
      LanceSolutions();
      break;
    case ActionAutomatique:
      e.EnAutomatique = e.ModeProgramme = true;
      e.ModeSolution = false;
      MontreJeuAuto(false);
      e.CompteurLevees = resolution.NbLevees;
      break;
    case ActionPool:
      e.ModeProgramme = e.PoolJeuEnCours = true;
      e.ModeSolution = false;
      MontreJeuAuto(false);
      e.CompteurLevees = resolution.NbLevees;
      e.NumeroPool = resolution.NumeroPool;
      break;
    default:
      break;
  }
  e.JoueurActuel = e.Entameur = e.Gagnant;
  return true;
}

// The solutions are those of the hand that leads: a defender on lead
// means the script is wrong.
void TControleur::LanceSolutions() {
  TEtatControleur& e = etat_;
  if (!EstDeclarant(e.Gagnant)) {
    throw ErreurDonnee(PrefixeDonne(donne_.Donne.Numero()) + "la chaîne " + std::to_string(e.ChaineActuelle) +
                       " lance le mode solutions alors que " + std::string(NomsJoueurs[e.Gagnant]) +
                       " a la main.");
  }
  const TSablier sablier(ecran_);
  e.CouplesJoues = {};
  e.PremierJoueurSolution = e.Gagnant;
  suivi_.s_CalculeSolutions(e.Gagnant, e.Levee);
  e.indiceCouplesJoues = 0;
}

void TControleur::Revendique(const TResolutionNoeud& resolution) {
  TEtatControleur& e = etat_;
  e.LeveesNS = resolution.LeveesNS;
  e.LeveesEO = resolution.LeveesEO;
  ChangeMarques();
  AfficheJeu(jrOuest);
  AfficheJeu(jrEst);
  const std::string texte =
      resolution.Commentaire == 0 ? std::string() : TexteCommentaire(donne_.Donne, donne_.Comment, resolution.Commentaire);
  e.LeveeComplete = e.DerniereLevee = true;
  if (journal_) journal_->Revendication(e.LeveesNS, e.LeveesEO, texte);
  releve_.NoteRevendication({e.LeveesNS, e.LeveesEO, texte});
  if (resolution.Commentaire != 0) ecran_.AfficheCommentaire(texte);
}

void TControleur::JoueDerniereLevee() {
  TEtatControleur& e = etat_;
  for (int i = 0; i < 4; ++i) {
    JoueCarte(suivi_.s_FindIndiceLastCarteNonPrise(e.JoueurActuel));
    e.JoueurActuel = JoueurSuivant(e.JoueurActuel);
  }
  e.LeveeComplete = true;
  FinDeLevee();
  InviteApresLevee();
}

bool TControleur::TireHasard() {
  if (configuration_.Hasard)
    if (const std::optional<bool> tirage = configuration_.Hasard()) return *tirage;
  return std::uniform_int_distribution<int>(0, 1)(alea_) == 0;
}

}  // namespace kalvo
