// The main window's first activation, its closing, the end-of-deal message
// and what follows the settings dialog.
#include "control/Controleur.h"

#include "coaching/Scores.h"
#include "control/ScoresAffiches.h"
#include "model/ReglagesSecours.h"
#include "model/RepriseNotes.h"

namespace kalvo {

TLectureReglages LitReglagesConfigures(const TConfigurationControleur& configuration, int nbDonnes,
                                       const TSectionsBase& sections) {
  if (configuration.TexteReglages)
    return LitReglagesTexte(*configuration.TexteReglages, nbDonnes, "réglages donnés", sections);
  if (!configuration.FichierReglages.empty()) return LitReglages(configuration.FichierReglages, nbDonnes, sections);
  TLectureReglages lecture;
  lecture.Etat.Sections = sections;
  lecture.Etat.ScoresJeu = TScores(nbDonnes);
  lecture.Etat.ScoresQuestions = TScores(nbDonnes);
  return lecture;
}

TLectureReglages LitReglagesConfigures(const TConfigurationControleur& configuration, int nbDonnes,
                                       const TNumerosVolume& numeros) {
  return LitReglagesConfigures(configuration, nbDonnes, SectionsBase(configuration.Emplacement.FichierDonnes, numeros));
}

namespace {

// Volume 1 opened for the first time, beside the demonstration the user
// played: the demonstration's marks follow its deals to their places in
// the volume. The demonstration's own sections are left as they are.
void RepriseNotesDemonstration(const TConfigurationControleur& configuration, const TNumerosVolume& volume,
                               TEtatReglages& etat) {
  const std::filesystem::path& dossier = configuration.Emplacement.Dossier;
  const TResultatCatalogue demonstration = ChargeCatalogue(dossier / NomFichierDonnes);
  if (!demonstration.Ok()) return;
  const int nbDonnes = demonstration.Catalogue.NbDonnes();
  const TResultatVolume numeros = ChargeNumerosVolume(dossier / NomTableVolume(NomFichierDonnes), nbDonnes);
  if (numeros.Avertissement) return;
  const TLectureReglages notes = LitReglagesConfigures(configuration, nbDonnes, TSectionsBase{});
  if (notes.NotesTrouvees) ReprendNotes(notes.Etat, numeros.Numeros, volume, etat);
}

bool EstVolume1(const std::string& fichierDonnes) {
  return std::filesystem::path(fichierDonnes).filename() == NomFichierVolume1;
}

}  // namespace

bool TControleur::Active() {
  if (actif_) return true;
  bool ok = false;
  Execute(TDifferable::Non, [&] {
    for (const std::string& avertissement : configuration_.AvertissementsOuverture) ecran_.AfficheErreur(avertissement);
    const TResultatCatalogue lu = ChargeCatalogue(configuration_.Emplacement.Donnes());
    if (!lu.Ok()) {
      ecran_.AfficheErreurFatale(lu.Erreurs);
      return;
    }
    catalogue_ = lu.Catalogue;
    for (const std::string& avertissement : lu.Avertissements) ecran_.AfficheErreur(avertissement);

    const std::filesystem::path table = configuration_.FichierVolume.empty()
                                            ? configuration_.Emplacement.TableVolume()
                                            : configuration_.FichierVolume;
    const TResultatVolume volume = ChargeNumerosVolume(table, NbDonnes());
    volume_ = volume.Numeros;
    if (volume.Avertissement) ecran_.AfficheErreur(*volume.Avertissement);

    TLectureReglages reglages;
    if (configuration_.FichierReglages.empty() || configuration_.TexteReglages) {
      reglages = LitReglagesConfigures(configuration_, NbDonnes(), volume_);
    } else {
      // The file in use from now on: the fallback while the file cannot be
      // read, none when neither can.
      TReglagesDuDossier lus = LitReglagesDuDossier(
          configuration_.FichierReglages, NbDonnes(), SectionsBase(configuration_.Emplacement.FichierDonnes, volume_));
      reglages = std::move(lus.Lecture);
      configuration_.FichierReglages = lus.FichierEcriture.value_or(std::filesystem::path());
    }
    if (!reglages.NotesTrouvees && EstVolume1(configuration_.Emplacement.FichierDonnes))
      RepriseNotesDemonstration(configuration_, volume_, reglages.Etat);
    reglages_ = std::move(reglages.Etat);
    for (const std::string& avertissement : reglages.Avertissements) ecran_.AfficheErreur(avertissement);
    // A deal number the database does not hold (another database, an edited
    // file) would be read out of range.
    if (reglages_.DonneActuelle < 1 || reglages_.DonneActuelle > NbDonnes()) reglages_.DonneActuelle = 1;
    ecran_.AppliqueReglages(Reglages());

    actif_ = true;
    etat_ = TEtatControleur{};
    TireOrdreAleatoire();
    AfficheTitre(DonneActuelle(), false);
    MontreBouton(bjStart, true);
    CacheTable();
    ecran_.AfficheMarques({});
    MontreBouton(bjRevoirBids, false);
    MontreBouton(bjLastLevee, false);
    MontreBouton(bjPoint, false);
    MontreJeuAuto(false);
    IndiqueTour(TourAucun);
    ok = true;
  });
  return ok;
}

bool TControleur::Ferme() {
  if (!actif_ || configuration_.FichierReglages.empty() || configuration_.TexteReglages) return true;
  const std::optional<std::string> erreur = EcritReglages(configuration_.FichierReglages, reglages_);
  if (!erreur) return true;
  // Said once: a file that refused is not tried again.
  configuration_.FichierReglages.clear();
  ecran_.AfficheErreur(*erreur);
  return false;
}

void TControleur::MessageFinDonne(int action) {
  Execute(TDifferable::Oui, [this, action] {
    if (!actif_) return;
    switch (action) {
      case ActionSuivante:
        etat_.NoBids = false;
        ChangeDonne(+1);
        DemarreDonne();
        break;
      case ActionRejouer:
        etat_.NoBids = true;
        ChangeDonne(0);
        DemarreDonne();
        break;
      case ActionArreter:
        ecran_.FermeFenetre();
        break;
      default:
        break;
    }
  });
}

void TControleur::ReglagesChoisis(const TReglages& reglages) {
  // Kept and told at once, as the dialog's edits always were; the table
  // follows once the handler running now (a card pause) has returned.
  Reglages() = reglages;
  ecran_.AppliqueReglages(Reglages());
  ApresReglages();
}

void TControleur::BScoresClick() {
  if (!actif_) return;
  const TScores sansNote(reglages_.ScoresJeu.NbDonnes());
  const TScores sansNoteQuestions(reglages_.ScoresQuestions.NbDonnes());
  TScoresAffiches scores = ScoresAffiches(reglages_.ScoresJeu, reglages_.ScoresQuestions, catalogue_);
  TScoresAffiches apresRemise = ScoresAffiches(sansNote, sansNoteQuestions, catalogue_);
  // The history is not the marks: a reset of the marks leaves it whole.
  if (carnet_ != nullptr) {
    scores.Progres = CalculeProgres(carnet_->Tentatives(), catalogue_, volume_);
    apresRemise.Progres = scores.Progres;
  }
  if (ecran_.MontreScores(scores, apresRemise)) EffaceScores();
}

void TControleur::ApresReglages() {
  Execute(TDifferable::Oui, [this] {
    if (!etat_.InJeu) return;
    AfficheJeu(jrSud);
    AfficheJeu(jrNord);
    for (TJoueur j : {jrOuest, jrEst}) {
      if (Reglages().QuatreJeux) AfficheJeu(j);
      else ecran_.CacheJeu(j);
    }
    AfficheMarques();
    if (Reglages().Aleatoire) TireOrdreAleatoire();
  });
}

void TControleur::EffaceScores() { RemiseAZeroScores(reglages_.ScoresJeu, reglages_.ScoresQuestions); }

}  // namespace kalvo
