// The start of a deal: reading it, the auction, the start of the play with
// West's lead; and the end-of-deal screen.
#include "control/Controleur.h"

#include "coaching/Quiz.h"
#include "control/DonneAffichee.h"
#include "control/DonnePbn.h"
#include "control/Sablier.h"
#include "engine/DefenseScript.h"

namespace kalvo {

namespace {

// The engine reads a suit as one block of consecutive cards in descending
// rank: a hand stored otherwise is broken data.
void VerifieOrdreMains(const TDonne& donne) {
  for (TJoueur j : TousLesJoueurs) {
    std::array<bool, 4> vue{};
    for (int i = 1; i <= 13; ++i) {
      const TCard carte = donne.CarteMain(j, i);
      const TCard precedente = i > 1 ? donne.CarteMain(j, i - 1) : TCard{};
      const bool suite = i > 1 && precedente.c == carte.c;
      if ((suite && precedente.h <= carte.h) || (!suite && vue[carte.c])) {
        throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "la main " + std::string(DeJoueurs[j]) +
                           std::string(NomsJoueurs[j]) + " n'est pas rangée par couleur en ordre décroissant.");
      }
      vue[carte.c] = true;
    }
  }
}

}  // namespace

TAffichageJeu TControleur::ModeAffichage(TJoueur joueur) const {
  switch (joueur) {
    case jrSud: return Reglages().DispoSud ? afjNormalDecale : afjNormal;
    case jrNord: return Reglages().DispoNord ? afjMortDecale : afjMort;
    default: return afjCoteDecale;
  }
}

void TControleur::AfficheJeu(TJoueur joueur) { ecran_.AfficheJeu(joueur, ModeAffichage(joueur)); }

void TControleur::AfficheMarques() {
  ecran_.AfficheMarques({Reglages().Notation, Reglages().Questions && Reglages().Notation, Reglages().CompteLevees});
}

void TControleur::ChangeMarques() {
  ecran_.ChangeMarques({etat_.Notation, etat_.NoteQuestions, etat_.LeveesNS, etat_.LeveesEO});
}

// Reads DonneActuelle afresh and sets the engine to it. The deal held
// before is kept when the reading fails.
bool TControleur::LitDonneActuelle() {
  TDonneLue lue;
  try {
    lue = LitDonne(configuration_.Emplacement, volume_, DonneActuelle());
  } catch (const ErreurBaseAbsente& e) {
    ecran_.AfficheErreurFatale({e.what(), e.MessageAnglais()});
    ecran_.FermeFenetre();
    return false;
  }
  VerifieOrdreMains(lue.Donne);
  EcarteQuestionsAbimees(lue.QuestionsDonne, lue.Questions, DonneActuelle(), lue.Avertissements);
  donne_ = std::move(lue);
  NouvelleVersionDonne();
  donneLue_ = true;
  for (const std::string& avertissement : donne_.Avertissements) ecran_.AfficheErreur(avertissement);
  suivi_.s_Initialise(donne_.Donne.Mains(), DonneActuelle(), donne_.Donne.Atout());
  historique_.clear();
  releve_ = TReleveJeu{};
  ecran_.MontreDonne(PrepareDonneAffichee(donne_, DonneActuelle()));
  if (journal_) journal_->DonneChargee(DonneActuelle(), donne_);
  return true;
}

void TControleur::DemarreDonne() {
  CacheTable();
  MontreBouton(bjStart, false);
  MontreBouton(bjLastLevee, false);
  MontreBouton(bjRevoirBids, false);
  MontreJeuAuto(false);
  MontreBouton(bjPoint, false);
  IndiqueTour(TourAucun);
  // The flags of a trick left half-way must not act on the auction to come.
  etat_.InJeu = etat_.InEncheres = etat_.FinEncheres = etat_.FeutreFinEncheres = false;
  etat_.LeveeComplete = etat_.DerniereLevee = etat_.BoutonGaucheDown = false;
  etat_.PeutJouerDirectement = etat_.JeuAutomatique = etat_.LastLeveeVisible = false;
  etat_.ErreurDetectee = false;
  etat_.OnTable = {};
  etat_.LastLevee = {};
  etat_.CompteCartesJouees = 0;
  etat_.Levee = 0;
  AfficheTitre(DonneActuelle(), false);
  if (!LitDonneActuelle()) return;
  CommenceTentative();

  if (!Reglages().Encheres || etat_.NoBids) {
    AfficheJeu(jrSud);
    ecran_.MontreRevueEncheres(true);
    DemarreJeu();
    return;
  }
  {
    const TSablier sablier(ecran_);
    etat_.InEncheres = true;
    AfficheJeu(jrSud);
    ecran_.RejoueEncheres(Reglages().Vitesse);
  }
  etat_.FeutreFinEncheres = true;
  MontreBouton(bjNext, true);
  IndiqueTour(TourRamasse);
}

void TControleur::DemarreJeu() {
  statistiques_ = TStatistiquesJeu{};
  MontreBouton(bjNext, false);
  TEtatControleur& e = etat_;
  e.ModeProgramme = e.ModeSolution = e.EnAutomatique = e.PoolJeuEnCours = e.ErreurDetectee = false;
  e.LastLeveeVisible = e.LeveeComplete = e.DerniereLevee = e.BoutonGaucheDown = false;
  e.PeutJouerDirectement = e.isJ1Maitresse = e.InEncheres = e.FinEncheres = e.NoBids = false;
  e.JeuAutomatique = e.FeutreFinEncheres = false;
  e.InJeu = true;
  e.JoueurActuel = e.Entameur = e.LastEntameur = jrOuest;
  e.ChaineActuelle = 1;
  e.FirstChaine = e.LastChaine = 0;
  e.Levee = 1;
  e.CompteurLevees = e.NumeroPool = e.CompteCartesJouees = e.LastErreur = 0;
  e.indiceSolution = e.indiceCouplesJoues = e.numero_carte = 0;
  e.CouplesJoues = {};
  e.Carte1 = {};
  e.OnTable = {};
  e.LeveesNS = e.LeveesEO = 0;
  e.Notation = e.NoteQuestions = 100;
  historique_.clear();
  releve_ = TReleveJeu(donne_.Donne.Mains(), donne_.Donne.Atout());
  ChangeMarques();
  AfficheMarques();
  AfficheJeu(jrSud);
  AfficheJeu(jrNord);
  if (Reglages().QuatreJeux) {
    AfficheJeu(jrOuest);
    AfficheJeu(jrEst);
  }
  AfficheTitre(DonneActuelle(), true);
  MontreBouton(bjPoint, true);
  MontreBouton(bjRevoirBids, true);
  MontreJeuAuto(true);
  SignaleRegime();

  JoueCarte(CarteDefenseur());
  e.JoueurActuel = JoueurSuivant(e.JoueurActuel);
  IndiqueTour(TourNord);
}

// The deal as the user played it, in PBN, for the end-of-deal screen's
// export; empty (no export) when the deal's data cannot be written.
std::string TControleur::PbnDonneJouee() const {
  TBilanPbn bilan{historique_, etat_.LeveesNS, etat_.Notation, etat_.NoteQuestions};
  try {
    const std::string volume = std::filesystem::path(configuration_.Emplacement.FichierDonnes).stem().string();
    return EcritPbn({PartiePbn(donne_.Donne, volume_[DonneActuelle()], volume, bilan)});
  } catch (const ErreurDonnee&) {
    return {};
  }
}

void TControleur::MontreFinDonne() {
  EnregistreTentative();
  ecran_.PrepareRevueJeu(releve_);
  const int action = ecran_.MontreFinDonne(VisibiliteFinDonne(Reglages()));
  if (journal_) journal_->ChoixFinDonne(action);
  ecran_.PosteFinDonne(action);
}

}  // namespace kalvo
