#include "tools/kalvo-play/PartieJouee.h"

namespace kalvo::outil_partie {

namespace {

// The random nodes take the branch the user names, if it names one.
TConfigurationControleur AvecTirages(TConfigurationControleur configuration, TUtilisateur* utilisateur) {
  if (!configuration.Hasard) configuration.Hasard = [utilisateur] { return utilisateur->Tirage(); };
  return configuration;
}

}  // namespace

TPartieJouee::TPartieJouee(const TConfigurationControleur& configuration, std::unique_ptr<TUtilisateur> utilisateur,
                           std::ostream& sortie, std::ostream& erreurs)
    : erreurs_(erreurs),
      sortie_(sortie),
      utilisateur_(std::move(utilisateur)),
      controleur_(ecran_, AvecTirages(configuration, utilisateur_.get())) {
  controleur_.SetJournal(&sortie_);
  ecran_.RepondQuestion = [this](const TQuestionPosee& q) {
    return Demande<TReponseQuestion>([&] { return utilisateur_->Reponse(q); }, TReponseQuestion{});
  };
  ecran_.ChoisitFinDonne = [this] { return Demande<int>([&] { return utilisateur_->ChoixFin(); }, ActionArreter); };
}

int TPartieJouee::Joue(int donne) {
  if (!controleur_.Active()) {
    Avertissements();
    return StatutArguments;
  }
  if (donne < 1 || donne > controleur_.NbDonnes()) {
    erreurs_ << "kalvo-play : la donne " << donne << " n'est pas dans la base (1 à " << controleur_.NbDonnes()
             << ").\n";
    return StatutArguments;
  }
  controleur_.EtatReglages().DonneActuelle = donne;
  controleur_.Jouer2Click();
  Avertissements();
  int gestes = 0;
  while (!Fini()) {
    if (++gestes > LimiteGestes) {
      sortie_.Ecrit({{"event", "limit"}, {"gestures", LimiteGestes}});
      return StatutLimite;
    }
    std::optional<TGeste> geste;
    try {
      geste = utilisateur_->Geste(controleur_);
    } catch (const ErreurScript& e) {
      erreurScript_ = e;
      break;
    }
    if (!geste) {
      epuise_ = true;
      break;
    }
    Execute(*geste);
    Avertissements();
  }
  return Statut();
}

int TPartieJouee::JoueCollection(int collection) {
  const std::optional<int> donne = DonneDeCollection(collection);
  if (!donne) return StatutArguments;
  sortie_.NommeParCollection(controleur_.NumerosVolume());
  return Joue(*donne);
}

std::optional<int> TPartieJouee::DonneDeCollection(int collection) {
  if (!controleur_.Active()) {
    Avertissements();
    return std::nullopt;
  }
  std::vector<int> places;
  std::string numeros;
  for (int n = 1; n <= controleur_.NbDonnes(); ++n) {
    const int numero = controleur_.NumerosVolume()[n];
    if (numero == collection) places.push_back(n);
    numeros += (n > 1 ? ", " : "") + std::to_string(numero);
  }
  if (places.size() == 1) return places.front();
  Avertissements();
  const std::string base = std::filesystem::path(controleur_.Configuration().Emplacement.FichierDonnes).filename();
  if (places.empty()) {
    erreurs_ << "kalvo-play : aucune donne de la base " << base << " ne porte le numéro de collection " << collection
             << " (numéros de la base : " << numeros << ").\n";
  } else {
    erreurs_ << "kalvo-play : plusieurs donnes de la base " << base << " portent le numéro de collection "
             << collection << " (donnes " << places[0] << " et " << places[1] << ") : sa table est fautive.\n";
  }
  return std::nullopt;
}

int TPartieJouee::Parcourt(int donne, int pas) {
  if (!controleur_.Active()) {
    Avertissements();
    return StatutArguments;
  }
  Avertissements();
  if (donne < 1 || donne > controleur_.NbDonnes()) {
    erreurs_ << "kalvo-play : la donne " << donne << " n'est pas dans la base (1 à " << controleur_.NbDonnes()
             << ").\n";
    return StatutArguments;
  }
  controleur_.EtatReglages().DonneActuelle = donne;
  const int sens = pas < 0 ? -1 : +1;
  for (int k = 1; k <= (pas < 0 ? -pas : pas); ++k) {
    const TPasDonne etape = controleur_.PasSelection(sens);
    if (!etape.Message.empty()) {
      sortie_.Ecrit({{"event", "message"}, {"text", etape.Message}});
      break;
    }
    controleur_.EtatReglages().DonneActuelle = etape.Donne;
    const int note = controleur_.EtatReglages().ScoresJeu.EstDonne(etape.Donne)
                         ? controleur_.EtatReglages().ScoresJeu[etape.Donne]
                         : TScores::SansNote;
    sortie_.Ecrit({{"event", "walk"},
                   {"step", k},
                   {"deal", etape.Donne},
                   {"collection", controleur_.NumerosVolume()[etape.Donne]},
                   {"theme", controleur_.Catalogue().Theme(etape.Donne)},
                   {"difficulty", controleur_.Catalogue().Force(etape.Donne)},
                   {"mark", note}});
  }
  return StatutFini;
}

template <class T, class F>
T TPartieJouee::Demande(F demande, T parDefaut) {
  if (erreurScript_ || epuise_) return parDefaut;
  try {
    if (auto r = demande()) return *r;
    epuise_ = true;
  } catch (const ErreurScript& e) {
    erreurScript_ = e;
  }
  return parDefaut;
}

bool TPartieJouee::Fini() const {
  return sortie_.ChoixFait() || sortie_.ErreurDonneeVue() || erreurScript_ || epuise_ || ecran_.FermetureDemandee;
}

int TPartieJouee::Statut() {
  if (erreurScript_) {
    sortie_.Ecrit({{"event", "script_error"}, {"line", erreurScript_->Ligne}, {"message", erreurScript_->what()}});
    return StatutScript;
  }
  if (sortie_.ErreurDonneeVue()) return StatutDonneeAbimee;
  if (sortie_.ChoixFait()) return StatutFini;
  sortie_.Ecrit({{"event", "script_exhausted"}});
  return StatutScriptEpuise;
}

void TPartieJouee::Execute(const TGeste& geste) {
  const std::size_t avant = ecran_.Appels().size();
  switch (geste.Genre) {
    case TGeste::CarteJouee: JoueCarte(geste); break;
    case TGeste::Clic: controleur_.FormMouseDown(); break;
    case TGeste::Touche: controleur_.FormKeyDown(TToucheJeu::Autre); break;
    case TGeste::Droit: controleur_.JeuMouseDown(controleur_.Etat().JoueurActuel, 0, true); break;
    case TGeste::Suivant: controleur_.BNextClick(); break;
    case TGeste::JouePourMoi: controleur_.BJeuAutoClick(); break;
    case TGeste::DerniereLevee: controleur_.RevoirLeveeClick(); break;
    case TGeste::Point: controleur_.BPointClick(); break;
    case TGeste::Encheres: controleur_.BRevoirBidsClick(); break;
    case TGeste::FinImmediate: controleur_.FormKeyDown(TToucheJeu::CtrlAltF9); break;
  }
  if (!erreurScript_ && ecran_.Appels().size() == avant)
    sortie_.Ecrit({{"event", "ignored"}, {"gesture", geste.Texte}});
}

void TPartieJouee::JoueCarte(const TGeste& geste) {
  const TSuiviMains& suivi = controleur_.Suivi();
  for (TJoueur main : {jrSud, jrNord}) {
    const int indice = suivi.s_ChercheIndiceCarte(main, geste.Carte);
    if (indice == 0) continue;
    if (suivi.s_isCarteJouee(main, indice)) break;
    controleur_.JeuMouseDown(main, IndexCarte(geste.Carte), false);
    return;
  }
  erreurScript_ = ErreurScript(geste.Ligne, "ligne " + std::to_string(geste.Ligne) + " : « " + geste.Texte +
                                                " » n'est pas une carte à jouer de Sud ou de Nord.");
}

void TPartieJouee::Avertissements() {
  for (; avertissements_ < ecran_.Erreurs.size(); ++avertissements_)
    sortie_.Ecrit({{"event", "warning"}, {"message", ecran_.Erreurs[avertissements_]}});
  for (; fatales_ < ecran_.ErreursFatales.size(); ++fatales_)
    sortie_.Ecrit({{"event", "fatal"}, {"messages", ecran_.ErreursFatales[fatales_]}});
}

}  // namespace kalvo::outil_partie
