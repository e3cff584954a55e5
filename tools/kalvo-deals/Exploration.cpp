#include "tools/kalvo-deals/Exploration.h"

#include "control/EcranMuet.h"
#include "engine/NavigationScript.h"
#include "tools/authoring/Lexique.h"

#include <chrono>
#include <map>
#include <memory>
#include <type_traits>
#include <unordered_set>

namespace kalvo::outil_donnes {

using namespace redaction;

std::string TConstatExploration::Texte() const { return AvecLigne(Message, Ligne, AutresLignes); }

namespace {

// The draws of the random nodes during one action: those imposed first,
// then the first branch; each new draw is kept so that its other branch
// can be tried from the same position.
class TTirages {
 public:
  void Impose(std::vector<bool> tirages, std::string* ligne) {
    imposes_ = std::move(tirages);
    faits_.clear();
    ligne_ = ligne;
  }
  bool Tire() {
    const bool alors = faits_.size() < imposes_.size() ? imposes_[faits_.size()] : true;
    faits_.push_back(alors);
    if (ligne_) *ligne_ += alors ? " [hasard : alors]" : " [hasard : sinon]";
    return alors;
  }
  void Termine() { ligne_ = nullptr; }
  void AjouteAlternatives(std::vector<std::vector<bool>>& aFaire) const {
    for (std::size_t i = imposes_.size(); i < faits_.size(); ++i) {
      std::vector<bool> autre(faits_.begin(), faits_.begin() + static_cast<std::ptrdiff_t>(i));
      autre.push_back(!faits_[i]);
      aFaire.push_back(std::move(autre));
    }
  }

 private:
  std::vector<bool> imposes_, faits_;
  std::string* ligne_ = nullptr;
};

// What one action of the user led to.
struct TIssue {
  std::string Ligne;  // the line with the cards played by the action
  bool Refusee = false;
  bool SansIssue = false;
  std::optional<std::string> Erreur;
  std::optional<int> LeveesNS;  // the deal is over
};

struct TGeste {
  enum TGenre : std::uint8_t { Demarre, Ramasse, Clic };
  TGenre Genre = Ramasse;
  TJoueur Main = jrSud;
  TCard Carte;
};

std::string Qui(TJoueur joueur) { return std::string(NomsJoueurs[joueur]); }

// What decides the rest of the game from a position: the cards played by
// each seat, the trick on the table, the script's state and the counters
// the chains use up. Positions reached by other orders of the same cards
// share it and are explored once. The marks, the questions' statistics and
// the draws of the quiz are left out: they decide no card.
std::string ClePosition(const TControleur& controleur) {
  std::string cle;
  cle.reserve(320);
  const auto ajoute = [&cle](const auto& valeur) {
    static_assert(std::is_trivially_copyable_v<std::decay_t<decltype(valeur)>>);
    cle.append(reinterpret_cast<const char*>(&valeur), sizeof valeur);
  };
  const TSuiviMains& suivi = controleur.Suivi();
  for (TJoueur j : TousLesJoueurs) {
    std::uint16_t jouees = 0;
    for (int i = 1; i <= 13; ++i) jouees = static_cast<std::uint16_t>(jouees | (suivi.s_isCarteJouee(j, i) ? 1 << i : 0));
    ajoute(jouees);
  }
  const TEtatControleur& e = controleur.Etat();
  ajoute(e.OnTable);
  for (int n : {e.CompteCartesJouees, e.CompteurLevees, e.ChaineActuelle, e.FirstChaine, e.LastChaine, e.indiceSolution,
                e.indiceCouplesJoues, e.NumeroPool, e.numero_carte, e.Levee, e.LeveesNS, e.LeveesEO})
    ajoute(n);
  for (TJoueur j : {e.PremierJoueurSolution, e.Gagnant, e.JoueurActuel, e.LastEntameur, e.Entameur}) ajoute(j);
  for (bool b : {e.isJ1Maitresse, e.ModeProgramme, e.EnAutomatique, e.ModeSolution, e.PoolJeuEnCours, e.LeveeComplete,
                 e.PeutJouerDirectement, e.DerniereLevee, e.InJeu})
    ajoute(b);
  ajoute(e.Carte1);
  ajoute(e.CouplesJoues);
  const auto octets = controleur.Donne().Donne.Octets();
  cle.append(reinterpret_cast<const char*>(octets.data()) + offsets::Compteurs, offsets::Pools - offsets::Compteurs);
  return cle;
}

class TExploration;

// Listens to the controller during one action: the cards for the line, the
// verdict on the user's card, the defenders' fallbacks, the end.
class TJournalExploration : public TJournalPartie {
 public:
  explicit TJournalExploration(TExploration& exploration) : exploration_(exploration) {}
  void Commence(const TControleur& controleur, std::string ligne) {
    controleur_ = &controleur;
    issue_ = TIssue{};
    issue_.Ligne = std::move(ligne);
  }
  TIssue& Issue() { return issue_; }

  void CarteJouee(int, TJoueur, TCard carte) override {
    AjouteCarte(issue_.Ligne, carte, controleur_->Etat().CompteCartesJouees == 1);
  }
  void CarteRefusee(const TRefus&) override { issue_.Refusee = true; }
  void CarteSansIssue(TJoueur, TCard) override { issue_.SansIssue = true; }
  void FinDonne(int leveesNS, int, int, int) override { issue_.LeveesNS = leveesNS; }
  void ErreurDonnee(const std::string& message) override { issue_.Erreur = message; }
  void ChoixDefense(TJoueur joueur, const TChoixDefense& choix) override;

 private:
  TExploration& exploration_;
  const TControleur* controleur_ = nullptr;
  TIssue issue_;
};

class TExploration {
 public:
  TExploration(const TOptionsExploration& options, TResultatExploration& resultat)
      : options_(options), resultat_(resultat), journal_(*this) {}

  std::function<bool()> Hasard() {
    return [this] { return tirages_.Tire(); };
  }
  TEcranMuet& Ecran() { return ecran_; }

  void Constate(TGravite gravite, int levee, const std::string& ligne, const std::string& message) {
    const auto [place, nouveau] = constatsVus_.emplace(std::make_pair(levee, message), resultat_.Constats.size());
    if (!nouveau) {
      ++resultat_.Constats[place->second].AutresLignes;
      return;
    }
    resultat_.Constats.push_back({gravite, levee, ligne, message, 0});
  }

  void Demarre(const TControleur& depart) { Agit(depart, {}, TGeste{TGeste::Demarre, jrSud, {}}); }

 private:
  enum class TSuite : std::uint8_t { Refusee, Suivie, SansIssue };

  bool Arrete() {
    if (resultat_.Lignes < options_.LignesMax) return false;
    resultat_.Interrompue = true;
    return true;
  }

  void FinDeLigne() { ++resultat_.Lignes; }

  // The position waits for the user: every card, or the gathering.
  void Parcourt(const TControleur& position, const std::string& ligne) {
    if (Arrete()) return;
    if (!vues_.insert(ClePosition(position)).second) {
      ++resultat_.PositionsDejaVues;
      return;
    }
    const TEtatControleur& e = position.Etat();
    if (e.LeveeComplete) {
      Agit(position, ligne, TGeste{TGeste::Ramasse, jrSud, {}});
      return;
    }
    if (!position.AttendCarteUtilisateur()) {
      Constate(grErreur, e.Levee, ligne, "la partie s'arrête sans écran de fin de donne.");
      FinDeLigne();
      return;
    }
    const std::vector<TCard> cartes = CartesPermises(position);
    for (TCard carte : cartes) {
      const TSuite suite = Agit(position, ligne, TGeste{TGeste::Clic, e.JoueurActuel, carte});
      // The solutions are the engine's best lines: every card they accept
      // keeps the same number of tricks, one of them is enough.
      if (suite == TSuite::Suivie && e.ModeSolution) return;
      if (suite != TSuite::SansIssue) continue;
      const std::string main = Qui(e.JoueurActuel);
      if (cartes.size() == 1) {
        Constate(grErreur, e.Levee, ligne,
                 "la carte forcée de " + main + " (" + NomCarteArticle(carte) + ") n'est acceptée par aucune chaîne.");
      } else {
        std::string liste;
        for (TCard c : cartes) liste += (liste.empty() ? "" : " ") + EcritCarteReelle(c);
        Constate(grErreur, e.Levee, ligne, main + " n'a aucune carte acceptée (cartes permises : " + liste + ").");
      }
      FinDeLigne();
      return;
    }
  }

  // One action from the position, once for each way the random nodes it
  // meets can fall; each accepted outcome is followed.
  TSuite Agit(const TControleur& position, const std::string& ligne, const TGeste& geste) {
    TSuite suite = TSuite::Refusee;
    const std::size_t profondeur = profondeur_++;
    struct TRemonte {
      std::size_t& p;
      ~TRemonte() { --p; }
    } remonte{profondeur_};
    std::vector<std::vector<bool>> aFaire{{}};
    while (!aFaire.empty() && !Arrete()) {
      const std::vector<bool> tirages = std::move(aFaire.back());
      aFaire.pop_back();
      TControleur* copie = Copie(position, profondeur);
      journal_.Commence(*copie, ligne);
      tirages_.Impose(tirages, &journal_.Issue().Ligne);
      copie->SetJournal(&journal_);
      Execute(*copie, geste);
      copie->SetJournal(nullptr);
      tirages_.Termine();
      tirages_.AjouteAlternatives(aFaire);
      const TIssue issue = journal_.Issue();
      const int levee = copie->Etat().Levee;
      if (issue.Erreur) {
        const bool forcee = issue.Erreur->starts_with(MessagePasDeChaineEquivalente);
        Constate(grErreur, levee, issue.Ligne,
                 forcee ? "une carte forcée n'est acceptée par aucune chaîne : " + *issue.Erreur
                        : "la donne s'arrête sur une donnée abîmée : " + *issue.Erreur);
        FinDeLigne();
        continue;
      }
      if (issue.SansIssue) return TSuite::SansIssue;
      if (issue.Refusee) continue;
      suite = TSuite::Suivie;
      if (issue.LeveesNS) {
        VerifieContrat(*copie, *issue.LeveesNS, issue.Ligne);
        FinDeLigne();
        continue;
      }
      Parcourt(*copie, issue.Ligne);
    }
    return suite;
  }

  // One controller per depth of the walk, reused: copying into it keeps its
  // storage, where a new copy would allocate a deal record every time.
  TControleur* Copie(const TControleur& position, std::size_t profondeur) {
    if (profondeur == copies_.size()) {
      copies_.push_back(std::make_unique<TControleur>(position, ecran_));
    } else {
      copies_[profondeur]->Reprend(position);
    }
    return copies_[profondeur].get();
  }

  static void Execute(TControleur& controleur, const TGeste& geste) {
    switch (geste.Genre) {
      case TGeste::Demarre: controleur.Jouer2Click(); break;
      case TGeste::Ramasse: controleur.FormMouseDown(); break;
      case TGeste::Clic: controleur.JeuMouseDown(geste.Main, IndexCarte(geste.Carte), false); break;
    }
  }

  void VerifieContrat(const TControleur& fin, int leveesNS, const std::string& ligne) {
    const int requises = fin.Donne().Donne.NiveauContrat() + 6;
    if (leveesNS >= requises) return;
    Constate(grErreur, 13, ligne,
             "une ligne acceptée fait chuter le contrat : " + std::to_string(leveesNS) + " levées pour Nord-Sud, il en faut " +
                 std::to_string(requises) + ".");
  }

  const TOptionsExploration& options_;
  TResultatExploration& resultat_;
  TEcranMuet ecran_;
  TTirages tirages_;
  TJournalExploration journal_;
  std::map<std::pair<int, std::string>, std::size_t> constatsVus_;
  std::vector<std::unique_ptr<TControleur>> copies_;
  std::unordered_set<std::string> vues_;
  std::size_t profondeur_ = 0;
};

void TJournalExploration::ChoixDefense(TJoueur joueur, const TChoixDefense& choix) {
  const TEtatControleur& e = controleur_->Etat();
  if (const auto constat = ConstatDefense(*controleur_, joueur, choix, "la chaîne " + std::to_string(e.ChaineActuelle)))
    exploration_.Constate(constat->Gravite, e.Levee, issue_.Ligne, constat->Message);
}

}  // namespace

TResultatExploration ExploreDonne(const TFichiersExploration& fichiers, int numero, const TOptionsExploration& options) {
  const auto debut = std::chrono::steady_clock::now();
  TResultatExploration resultat;
  const TDossierProvisoire dossier;
  TExploration exploration(options, resultat);
  TConfigurationControleur configuration = ConfigurationVerification(fichiers, dossier.Chemin());
  configuration.Hasard = exploration.Hasard();
  TControleur depart(exploration.Ecran(), configuration);
  if (!depart.Active()) {
    std::string messages;
    for (const std::string& m : exploration.Ecran().ErreursFatales) messages += (messages.empty() ? "" : " ") + m;
    exploration.Constate(grErreur, 0, {}, "la base ne peut pas être jouée : " + messages);
  } else if (numero < 1 || numero > depart.NbDonnes()) {
    exploration.Constate(grErreur, 0, {}, "la donne " + std::to_string(numero) + " n'est pas dans la base.");
  } else {
    depart.EtatReglages().DonneActuelle = numero;
    exploration.Demarre(depart);
  }
  if (resultat.Interrompue) {
    exploration.Constate(grAvertissement, 0, {},
                         "exploration interrompue après " + std::to_string(resultat.Lignes) + " lignes.");
  }
  resultat.Millisecondes = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
  return resultat;
}

}  // namespace kalvo::outil_donnes
