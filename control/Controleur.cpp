// The controller's plumbing: entry points that survive broken data and input
// let through during a pause, the buttons, the pointer, the deal stopped on
// an error.
#include "control/Controleur.h"

#include "control/JeuJuste.h"
#include "model/ErreurDonnee.h"

#include <algorithm>
#include <atomic>
#include <stdexcept>

namespace kalvo {

namespace {

std::mt19937 Generateur(const std::optional<std::uint32_t>& graine) {
  if (graine) return std::mt19937(*graine);
  std::random_device systeme;
  return std::mt19937(systeme());
}

}  // namespace

TControleur::TControleur(TEcranJeu& ecran, TConfigurationControleur configuration)
    : ecran_(ecran), configuration_(std::move(configuration)), alea_(Generateur(configuration_.Graine)) {
  reglages_ = LitReglagesConfigures(configuration_, 0).Etat;
  ecran_.AppliqueReglages(Reglages());
}

TControleur::TControleur(const TControleur& modele, TEcranJeu& ecran)
    : ecran_(ecran),
      configuration_(modele.configuration_),
      etat_(modele.etat_),
      reglages_(modele.reglages_),
      catalogue_(modele.catalogue_),
      volume_(modele.volume_),
      donne_(modele.donne_),
      versionDonne_(modele.versionDonne_),
      donneLue_(modele.donneLue_),
      suivi_(modele.suivi_),
      historique_(modele.historique_),
      releve_(modele.releve_),
      actif_(modele.actif_),
      statistiques_(modele.statistiques_),
      OrdreAleatoire_(modele.OrdreAleatoire_),
      alea_(modele.alea_),
      regimeSignale_(modele.regimeSignale_),
      tentative_(modele.tentative_) {
  if (modele.profondeur_ != 0 || !modele.differes_.empty())
    throw std::logic_error("copie du contrôleur pendant un traitement");
}

void TControleur::NouvelleVersionDonne() {
  static std::atomic<std::uint64_t> versions{0};
  versionDonne_ = ++versions;
}

void TControleur::Reprend(const TControleur& modele) {
  if (modele.profondeur_ != 0 || !modele.differes_.empty() || profondeur_ != 0)
    throw std::logic_error("copie du contrôleur pendant un traitement");
  configuration_ = modele.configuration_;
  etat_ = modele.etat_;
  tentative_ = modele.tentative_;
  reglages_ = modele.reglages_;
  catalogue_ = modele.catalogue_;
  volume_ = modele.volume_;
  if (versionDonne_ != modele.versionDonne_) {
    donne_ = modele.donne_;
    versionDonne_ = modele.versionDonne_;
  } else {
    const auto source = modele.donne_.Donne.Octets().subspan(offsets::Compteurs, offsets::Pools - offsets::Compteurs);
    std::ranges::copy(source, donne_.Donne.Octets().begin() + offsets::Compteurs);
  }
  donneLue_ = modele.donneLue_;
  suivi_ = modele.suivi_;
  historique_ = modele.historique_;
  releve_ = modele.releve_;
  actif_ = modele.actif_;
  statistiques_ = modele.statistiques_;
  OrdreAleatoire_ = modele.OrdreAleatoire_;
  alea_ = modele.alea_;
  regimeSignale_ = modele.regimeSignale_;
  differes_.clear();
}

void TControleur::Execute(TDifferable differable, const std::function<void()>& action) {
  if (profondeur_ > 0) {
    if (differable == TDifferable::Oui) differes_.push_back(action);
    return;
  }
  struct TProfondeur {
    int& p;
    explicit TProfondeur(int& profondeur) : p(profondeur) { ++p; }
    ~TProfondeur() { --p; }
  };
  {
    TProfondeur garde(profondeur_);
    Protege(action);
  }
  while (!differes_.empty()) {
    const std::function<void()> suivante = std::move(differes_.front());
    differes_.pop_front();
    TProfondeur garde(profondeur_);
    Protege(suivante);
  }
}

void TControleur::Protege(const std::function<void()>& action) {
  try {
    action();
  } catch (const ErreurBaseAbsente& e) {
    ecran_.AfficheErreurFatale({e.what(), e.MessageAnglais()});
    ecran_.FermeFenetre();
  } catch (const ErreurDonnee& e) {
    ArretSurErreur(e.what());
  } catch (const ErreurFichier& e) {
    ArretSurErreur(e.what());
  } catch (const std::exception& e) {
    ArretSurErreur(std::string("Erreur interne : ") + e.what());
  }
  SignaleRegime();
}

void TControleur::MontreBouton(TBoutonJeu bouton, bool visible) {
  etat_.Boutons[bouton] = visible;
  ecran_.MontreBouton(bouton, visible);
}

// "Jouer pour moi" and the deal-stepping buttons share their place.
void TControleur::MontreJeuAuto(bool visible) {
  MontreBouton(bjJeuAuto, visible);
  MontreBouton(bjNavigation, !visible);
}

void TControleur::IndiqueTour(int mode) {
  ecran_.IndiqueTour(mode);
  // The screen's keyboard focus needs the cards it may rest on.
  if (mode == TourSud || mode == TourNord) {
    const TJoueur joueur = mode == TourSud ? jrSud : jrNord;
    ecran_.IndiqueCartesJouables(joueur, CartesJouables(*this, joueur));
  } else {
    ecran_.IndiqueCartesJouables(jrSud, {});
  }
}

void TControleur::CacheTable() {
  ecran_.CacheTable();
  etat_.Boutons[bjNext] = false;
}

void TControleur::ArretSurErreur(const std::string& message) {
  if (!etat_.ErreurDetectee) {
    etat_.ErreurDetectee = true;
    CacheTable();
  }
  etat_.InJeu = etat_.InEncheres = etat_.FinEncheres = etat_.FeutreFinEncheres = false;
  etat_.LeveeComplete = etat_.DerniereLevee = etat_.BoutonGaucheDown = false;
  etat_.PeutJouerDirectement = etat_.JeuAutomatique = false;
  MontreJeuAuto(false);
  MontreBouton(bjNext, false);
  MontreBouton(bjPoint, false);
  MontreBouton(bjLastLevee, false);
  MontreBouton(bjRevoirBids, false);
  IndiqueTour(TourAucun);
  if (journal_) journal_->ErreurDonnee(message);
  ecran_.AfficheErreurDonnee(message);
}

TRegime TControleur::Regime() const {
  if (!etat_.InJeu || etat_.DerniereLevee) return TRegime::Aucun;
  if (etat_.JeuAutomatique) return TRegime::JeuAutomatique;
  if (etat_.ModeSolution) return TRegime::Solution;
  if (etat_.ModeProgramme && etat_.PoolJeuEnCours) return TRegime::Pool;
  if (etat_.ModeProgramme && etat_.EnAutomatique) return TRegime::Automatique;
  if (etat_.ModeProgramme) return TRegime::Revendication;
  return TRegime::Chaine;
}

void TControleur::SignaleRegime() {
  const TRegime regime = Regime();
  if (regime == regimeSignale_) return;
  regimeSignale_ = regime;
  if (journal_) journal_->ChangementRegime(regime);
}

bool TControleur::AttendCarteUtilisateur() const {
  const TEtatControleur& e = etat_;
  return e.InJeu && !e.InEncheres && !e.FinEncheres && !e.LeveeComplete && !e.BoutonGaucheDown &&
         !e.ErreurDetectee && !e.JeuAutomatique && EstDeclarant(e.JoueurActuel);
}

std::string_view NomRegime(TRegime regime) {
  switch (regime) {
    case TRegime::Aucun: return "aucun";
    case TRegime::Chaine: return "chaine";
    case TRegime::Automatique: return "automatique";
    case TRegime::Pool: return "pool";
    case TRegime::Solution: return "solution";
    case TRegime::Revendication: return "revendication";
    case TRegime::JeuAutomatique: return "jouer_pour_moi";
  }
  return "aucun";
}

}  // namespace kalvo
