// The user's card judged in the regime in force, charged and commented when
// refused, played when accepted; then the rest of the trick.
#include "control/Controleur.h"

#include "coaching/MessagesIntegres.h"
#include "coaching/RemarqueErreur.h"
#include "coaching/VerificationChaine.h"
#include "coaching/VerificationPool.h"
#include "coaching/VerificationProgramme.h"
#include "coaching/VerificationSolution.h"
#include "control/Sablier.h"
#include "engine/Levee.h"

namespace kalvo {

// The verdict on a card and the state to keep if it is played. Judging
// changes nothing, so every card of the hand can be judged.
struct TControleur::TJugement {
  TRegime Regime = TRegime::Chaine;
  bool Trouvee = true;  // chain mode: the card is in some accepted line
  int Code = 0;
  TVerificationChaine Chaine;
  TVerificationPool Pool;
  TVerificationProgramme Programme;
  TVerificationSolution Solution;

  bool Acceptee() const { return Trouvee && Code == 0; }
};

TControleur::TJugement TControleur::Juge(TCard carte, std::mt19937& alea) const {
  const TEtatControleur& e = etat_;
  const TCoupUtilisateur coup = Coup();
  TJugement j;
  if (e.ModeProgramme && e.PoolJeuEnCours) {
    j.Regime = TRegime::Pool;
    j.Pool = VerifieCartePool(donne_.Donne, suivi_, coup, e.NumeroPool, {e.numero_carte, e.Carte1}, carte);
    j.Code = j.Pool.Code;
  } else if (e.ModeProgramme) {
    j.Regime = TRegime::Automatique;
    j.Programme = VerifieCarteProgramme(donne_.Donne, suivi_, coup, e.ChaineActuelle, e.EnAutomatique,
                                        {e.Carte1, e.isJ1Maitresse}, carte);
    j.Code = j.Programme.Code;
  } else if (e.ModeSolution) {
    j.Regime = TRegime::Solution;
    const TEtatSolution solution{e.PremierJoueurSolution, e.indiceSolution, e.indiceCouplesJoues, e.CouplesJoues};
    j.Solution = VerifieCarteSolution(suivi_, coup, solution, carte);
    j.Code = j.Solution.Code;
  } else {
    // A trial judgement (alea is a copy) must not draw from the hook.
    const bool crochet = configuration_.Hasard && &alea == &alea_;
    const auto hasard = [&] {
      if (crochet)
        if (const std::optional<bool> tirage = configuration_.Hasard()) return *tirage;
      return std::uniform_int_distribution<int>(0, 1)(alea) == 0;
    };
    j.Chaine = VerifieCarteChaine(donne_.Donne, suivi_, coup, e.ChaineActuelle, carte, hasard);
    j.Trouvee = j.Chaine.Trouvee;
    j.Code = j.Chaine.Code;
  }
  return j;
}

// True when no other card the hand may play now would be accepted: the
// user must not be left without a card to play.
bool TControleur::SansIssue(TCard carte) const {
  const TJoueur main = etat_.JoueurActuel;
  const TCard entame = main == etat_.Entameur ? TCard{} : etat_.OnTable[etat_.Entameur];
  for (const TCard autre : CartesPermises(suivi_, main, entame)) {
    if (autre == carte) continue;
    std::mt19937 essai = alea_;  // the real draws stay as they are
    if (Juge(autre, essai).Acceptee()) return false;
  }
  return true;
}

void TControleur::AppliqueJugement(const TJugement& j, bool sansIssue) {
  TEtatControleur& e = etat_;
  switch (j.Regime) {
    case TRegime::Pool:
      e.numero_carte = j.Pool.Entame.numero_carte;
      e.Carte1 = j.Pool.Entame.Carte1;
      break;
    case TRegime::Automatique:
      e.Carte1 = j.Programme.Entame.Carte1;
      e.isJ1Maitresse = j.Programme.Entame.isJ1Maitresse;
      break;
    case TRegime::Solution:
      e.indiceSolution = j.Solution.Etat.indiceSolution;
      e.indiceCouplesJoues = j.Solution.Etat.indiceCouplesJoues;
      e.CouplesJoues = j.Solution.Etat.CouplesJoues;
      break;
    default:
      e.FirstChaine = j.Chaine.FirstChaine;
      if (sansIssue) break;
      e.ChaineActuelle = j.Chaine.ChaineActuelle;
      break;
  }
}

bool TControleur::VerifieCarte(TCard carte) {
  TEtatControleur& e = etat_;
  TJugement j = Juge(carte, alea_);
  bool sansIssue = false;
  if (!j.Acceptee() && SansIssue(carte)) {
    sansIssue = true;
    if (journal_) journal_->CarteSansIssue(e.JoueurActuel, carte);
  }
  if (!sansIssue && !j.Trouvee) {
    e.FirstChaine = j.Chaine.FirstChaine;
    RefuseHorsLigne(carte);
    return false;
  }
  if (!sansIssue && j.Code != 0) {
    if (j.Regime == TRegime::Chaine) e.FirstChaine = j.Chaine.FirstChaine;
    TRefus lieu;
    if (j.Regime == TRegime::Chaine) lieu.Chaine = j.Chaine.ChaineTrouvee;
    if (j.Regime == TRegime::Automatique && e.EnAutomatique) lieu.Chaine = e.ChaineActuelle;
    if (j.Regime == TRegime::Pool) lieu.Pool = e.NumeroPool;
    Refuse(carte, j.Code, lieu);
    return false;
  }
  AppliqueJugement(j, sansIssue);
  if (!sansIssue && j.Regime == TRegime::Chaine && j.Chaine.TableCompteur != 0)
    DecompteCompteur(donne_.Donne, j.Chaine.TableCompteur, carte.Couleur());
  RetireNotation(0);
  e.LastErreur = 0;
  JoueCarte(suivi_.s_ChercheIndiceCarte(e.JoueurActuel, carte));
  return true;
}

// A card in no accepted line: 50 marks once in a row and a beep; with the
// setting (and comments on), its double-dummy verdict in the warning window.
void TControleur::RefuseHorsLigne(TCard carte) {
  TEtatControleur& e = etat_;
  const int avant = e.Notation;
  if (e.LastErreur != CodeHorsLigne) RetireNotation(CoutHorsLigne);
  const int points = avant - e.Notation;
  e.LastErreur = CodeHorsLigne;
  e.BoutonGaucheDown = false;
  ecran_.Bip();
  const std::optional<TVerdictImprevu> verdict = AnalyseImprevue(carte);
  NoteRefus({e.JoueurActuel, carte, CodeHorsLigne, points, TSignalRefus::Bip, {}, 0, 0, verdict});
  if (verdict) ecran_.AfficheMessage(TexteVerdictImprevu(*verdict));
}

// The solver runs off this thread and is given DelaiAnalyse; the hourglass
// shows meanwhile. Nothing when it is late or not asked for.
std::optional<TVerdictImprevu> TControleur::AnalyseImprevue(TCard carte) {
  if (!configuration_.AnalyseImprevues || !Reglages().AnalyseImprevues || !Reglages().ErreursComments) return std::nullopt;
  const TEtatControleur& e = etat_;
  const TPositionDoubleMort position =
      PositionDoubleMort(suivi_, donne_.Donne.Atout(), e.Entameur, e.OnTable, e.CompteCartesJouees);
  if (!analyseur_) analyseur_ = std::make_unique<TAnalyseurDoubleMort>();
  std::optional<std::vector<TValeurCarte>> valeurs;
  {
    const TSablier sablier(ecran_);
    valeurs = analyseur_->Analyse(position, configuration_.DelaiAnalyse);
  }
  if (!valeurs) return std::nullopt;
  return VerdictImprevu(*valeurs, carte, e.LeveesNS, donne_.Donne.NiveauContrat() + 6);
}

void TControleur::Refuse(TCard carte, int code, const TRefus& lieu) {
  TEtatControleur& e = etat_;
  const TRemarqueErreur remarque = RemarqueErreur(donne_.Donne, donne_.Comment, code);
  const int avant = e.Notation;
  if (code != e.LastErreur) RetireNotation(remarque.Cout);
  const int points = avant - e.Notation;
  const bool commente = Reglages().ErreursComments;
  const TSignalRefus signal = !commente ? TSignalRefus::Bip
                              : remarque.Fenetre == TFenetreRemarque::Commentaire ? TSignalRefus::Commentaire
                                                                                  : TSignalRefus::Avertissement;
  e.LastErreur = code;
  e.BoutonGaucheDown = false;
  NoteRefus({e.JoueurActuel, carte, code, points, signal, commente ? remarque.Texte : "", lieu.Chaine, lieu.Pool, {}});
  switch (signal) {
    case TSignalRefus::Commentaire: ecran_.AfficheCommentaire(remarque.Texte); break;
    case TSignalRefus::Avertissement: ecran_.AfficheMessage(remarque.Texte); break;
    case TSignalRefus::Bip: ecran_.Bip(); break;
  }
}

// The journal is told, the attempt for the history keeps the card and its
// code, and the review keeps what the user was shown: the comment, or the
// verdict on a card in no line.
void TControleur::NoteRefus(const TRefus& refus) {
  if (journal_) journal_->CarteRefusee(refus);
  NoteRefusTentative(refus.Carte, refus.Code);
  releve_.NoteRefus({refus.Joueur, refus.Carte, refus.Code, refus.Verdict ? TexteVerdictImprevu(*refus.Verdict) : refus.Texte});
}

void TControleur::TermineLevee() {
  TEtatControleur& e = etat_;
  e.ErreurDetectee = false;
  const TJoueur dernier = JoueurPrecedent(e.Entameur);
  if (e.JoueurActuel != dernier) {
    e.JoueurActuel = JoueurSuivant(e.JoueurActuel);
    JoueCarte(CarteDefenseur());
  }
  if (e.JoueurActuel != dernier) {
    e.JoueurActuel = JoueurSuivant(e.JoueurActuel);
    if (!JoueCarteForcee()) {
      IndiqueTour(e.JoueurActuel == jrSud ? TourSud : TourNord);
      e.BoutonGaucheDown = false;
      return;
    }
  }
  if (e.JoueurActuel != dernier) {
    e.JoueurActuel = JoueurSuivant(e.JoueurActuel);
    JoueCarte(CarteDefenseur());
  }
  e.LeveeComplete = true;
  FinDeLevee();
  InviteApresLevee();
  e.BoutonGaucheDown = false;
}

// The user's other hand holds a single card of the suit led: it is played
// at once, and recorded where the regime keeps track of the user's cards.
bool TControleur::JoueCarteForcee() {
  TEtatControleur& e = etat_;
  const TJoueur main = e.JoueurActuel;
  const T4Couleur entame = e.OnTable[e.Entameur].Couleur();
  if (suivi_.s_GetNbNonPrisesInCouleur(main, entame) != 1) return false;
  const int indice = suivi_.s_FindIndiceFirstNonPrise(main, entame);
  const TCard carte = suivi_.Carte(main, indice);
  if (e.ModeSolution) {
    const TEtatSolution solution{e.PremierJoueurSolution, e.indiceSolution, e.indiceCouplesJoues, e.CouplesJoues};
    const TVerificationSolution r = VerifieCarteSolution(suivi_, Coup(), solution, carte);
    e.indiceSolution = r.Etat.indiceSolution;
    e.indiceCouplesJoues = r.Etat.indiceCouplesJoues;
    e.CouplesJoues = r.Etat.CouplesJoues;
  } else if (!e.ModeProgramme) {
    const auto hasard = [this] { return TireHasard(); };
    const std::optional<int> chaine =
        ChercheChaineEquivalente(donne_.Donne, suivi_, e.ChaineActuelle, main, carte, e.Gagnant, hasard);
    if (!chaine) {
      throw ErreurDonnee(std::string(MessagePasDeChaineEquivalente) + " (" + PrefixeDonne(DonneActuelle()) +
                         "chaîne " + std::to_string(e.ChaineActuelle) + ", " + NomCarte(carte) + " de " +
                         std::string(NomsJoueurs[main]) + ")");
    }
    e.ChaineActuelle = *chaine;
  }
  JoueCarte(indice);
  return true;
}

void TControleur::RetireNotation(int n) {
  etat_.Notation = NoteApresRetrait(etat_.Notation, n);
  ChangeMarques();
  if (Reglages().Notation && reglages_.ScoresJeu.EstDonne(DonneActuelle()))
    reglages_.ScoresJeu[DonneActuelle()] = etat_.Notation;
}

void TControleur::RetireNoteQuestions(int n) {
  etat_.NoteQuestions = NoteApresRetrait(etat_.NoteQuestions, n);
  ChangeMarques();
  if (Reglages().Questions && Reglages().Notation && reglages_.ScoresQuestions.EstDonne(DonneActuelle()))
    reglages_.ScoresQuestions[DonneActuelle()] = etat_.NoteQuestions;
}

}  // namespace kalvo
