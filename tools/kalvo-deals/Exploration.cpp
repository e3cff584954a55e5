#include "tools/kalvo-deals/Exploration.h"

#include "coaching/MessagesIntegres.h"
#include "control/EcranMuet.h"
#include "control/JeuJuste.h"
#include "engine/NavigationScript.h"
#include "tools/authoring/Lexique.h"
#include "tools/kalvo-deals/ClePosition.h"

#include <chrono>
#include <cstdio>
#include <map>
#include <memory>
#include <unordered_set>

namespace kalvo::outil_donnes {

using namespace redaction;

std::string TConstatExploration::Texte() const {
  if (!Ligne.empty() || Levee < 1) return AvecLigne(Message, Ligne, AutresLignes);
  // Before the first card: the line is the deal's start.
  const bool point = Message.ends_with('.');
  std::string texte = Message.substr(0, Message.size() - (point ? 1 : 0)) + " (au départ de la donne";
  if (AutresLignes > 0)
    texte += " ; " + std::to_string(AutresLignes) + (AutresLignes == 1 ? " autre ligne" : " autres lignes");
  return texte + (point ? ")." : ")");
}

namespace {

using THorloge = std::chrono::steady_clock;

// The sanitizer build walks ten to fifteen times slower: its clock budget
// is stretched so that the tests, built with it, meet the same count
// budgets as the Release build.
#if defined(__SANITIZE_ADDRESS__)
constexpr double FacteurTemps = 15;
#else
constexpr double FacteurTemps = 1;
#endif

std::string Nombre(long n) {
  std::string chiffres = std::to_string(n), texte;
  for (std::size_t i = 0; i < chiffres.size(); ++i) {
    if (i > 0 && (chiffres.size() - i) % 3 == 0) texte += "\u202F";
    texte += chiffres[i];
  }
  return texte;
}

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
  std::optional<TRefus> Refus;
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
  void CarteRefusee(const TRefus& refus) override { issue_.Refus = refus; }
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
      : options_(options), resultat_(resultat), journal_(*this), debut_(THorloge::now()), dernierAvis_(debut_) {}

  std::function<std::optional<bool>()> Hasard() {
    return [this] { return std::optional<bool>(tirages_.Tire()); };
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
  using TArret = TResultatExploration::TArret;

  bool Arrete() {
    if (resultat_.Arret != TArret::Aucun) return true;
    if (resultat_.Lignes >= options_.LignesMax) {
      resultat_.Arret = TArret::Lignes;
    } else if (resultat_.Positions >= options_.PositionsMax) {
      resultat_.Arret = TArret::Positions;
    } else if (options_.SecondesMax > 0 && Secondes() > options_.SecondesMax * FacteurTemps) {
      resultat_.Arret = TArret::Temps;
    }
    resultat_.Interrompue = resultat_.Arret != TArret::Aucun;
    return resultat_.Interrompue;
  }

  double Secondes() const { return std::chrono::duration<double>(THorloge::now() - debut_).count(); }

  // Choices a budget left unexplored at a position of trick `levee`.
  void Laisse(int levee, const std::string& ligne, long nombre) {
    if (nombre <= 0) return;
    resultat_.ChoixLaisses += nombre;
    if (resultat_.PremiereLeveeIncomplete == 0 || levee < resultat_.PremiereLeveeIncomplete) {
      resultat_.PremiereLeveeIncomplete = levee;
      resultat_.LigneLaissee = ligne;
    }
  }

  void FinDeLigne() { ++resultat_.Lignes; }

  void SignaleAvancement() {
    if (!options_.Avancement || (resultat_.Positions & 255) != 0) return;
    const auto maintenant = THorloge::now();
    if (maintenant - debut_ < std::chrono::seconds(1) || maintenant - dernierAvis_ < std::chrono::milliseconds(250))
      return;
    dernierAvis_ = maintenant;
    options_.Avancement({resultat_.Lignes, resultat_.Positions, Secondes()});
  }

  // The position waits for the user: every card, or the gathering.
  void Parcourt(const TControleur& position, const std::string& ligne) {
    const TEtatControleur& e = position.Etat();
    if (Arrete()) return Laisse(e.Levee, ligne, 1);
    if (!cles_) cles_.emplace(position.Donne().Donne);  // the deal is read at its start
    if (!vues_.insert(cles_->Cle(position)).second) {
      ++resultat_.PositionsDejaVues;
      return;
    }
    ++resultat_.Positions;
    SignaleAvancement();
    if (e.LeveeComplete) {
      Agit(position, ligne, TGeste{TGeste::Ramasse, jrSud, {}});
      return;
    }
    if (!position.AttendCarteUtilisateur()) {
      Constate(grErreur, e.Levee, ligne, "la partie s'arrête sans écran de fin de donne.");
      FinDeLigne();
      return;
    }
    const std::vector<TCard> cartes = CartesJouables(position, e.JoueurActuel);
    std::vector<TVerdictCarte> verdicts;
    // The solutions are the engine's best lines: every card they accept
    // keeps the same number of tricks, one of them is followed.
    bool suivre = true;
    for (std::size_t k = 0; k < cartes.size(); ++k) {
      if (Arrete()) return Laisse(e.Levee, ligne, static_cast<long>(cartes.size() - k));
      const TCard carte = cartes[k];
      const TSuite suite = Agit(position, ligne, TGeste{TGeste::Clic, e.JoueurActuel, carte}, &verdicts, suivre);
      if (suite == TSuite::Suivie && e.ModeSolution) suivre = false;
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
    if (options_.Observateur && !resultat_.Interrompue) options_.Observateur->Position(position, ligne, verdicts);
  }

  // One action from the position, once for each way the random nodes it
  // meets can fall; each accepted outcome is followed (when `suivre`).
  TSuite Agit(const TControleur& position, const std::string& ligne, const TGeste& geste,
              std::vector<TVerdictCarte>* verdicts = nullptr, bool suivre = true) {
    TSuite suite = TSuite::Refusee;
    const std::size_t profondeur = profondeur_++;
    struct TRemonte {
      std::size_t& p;
      ~TRemonte() { --p; }
    } remonte{profondeur_};
    std::vector<std::vector<bool>> aFaire{{}};
    while (!aFaire.empty()) {
      if (Arrete()) {
        Laisse(position.Etat().Levee, ligne, static_cast<long>(aFaire.size()));
        break;
      }
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
      if (issue.SansIssue) {
        if (verdicts) verdicts->push_back({geste.Carte, TVerdictCarte::SansIssue, {}});
        return TSuite::SansIssue;
      }
      if (issue.Refus) {
        if (verdicts) {
          const auto genre = issue.Refus->Code == CodeHorsLigne ? TVerdictCarte::HorsLigne : TVerdictCarte::Refusee;
          verdicts->push_back({geste.Carte, genre, *issue.Refus});
        }
        continue;
      }
      if (verdicts) verdicts->push_back({geste.Carte, TVerdictCarte::Acceptee, {}});
      suite = TSuite::Suivie;
      if (!suivre) continue;
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
  std::optional<TFabriqueCles> cles_;
  std::unordered_set<TCle, HachageCle> vues_;
  std::size_t profondeur_ = 0;
  THorloge::time_point debut_, dernierAvis_;
};

void TJournalExploration::ChoixDefense(TJoueur joueur, const TChoixDefense& choix) {
  const TEtatControleur& e = controleur_->Etat();
  if (const auto constat = ConstatDefense(*controleur_, joueur, choix, "la chaîne " + std::to_string(e.ChaineActuelle)))
    exploration_.Constate(constat->Gravite, e.Levee, issue_.Ligne, constat->Message);
}

std::string MessageInterruption(const TResultatExploration& r, const TOptionsExploration& options) {
  using TArret = TResultatExploration::TArret;
  char secondes[32];
  std::snprintf(secondes, sizeof secondes, "%g", options.SecondesMax);
  const std::string cause = r.Arret == TArret::Lignes      ? "plafond de " + Nombre(options.LignesMax) + " lignes"
                            : r.Arret == TArret::Positions ? "plafond de " + Nombre(options.PositionsMax) + " positions"
                                                           : "limite de " + std::string(secondes) + " s";
  std::string texte = "exploration interrompue après " + Nombre(r.Lignes) + (r.Lignes == 1 ? " ligne" : " lignes") +
                      " et " + Nombre(r.Positions) + " positions (" + cause + ") : ";
  const int t = r.PremiereLeveeIncomplete;
  texte += t > 1 ? (t == 2 ? "levée 1 entièrement explorée" : "levées 1 à " + std::to_string(t - 1) + " entièrement explorées")
                 : "aucune levée entièrement explorée";
  if (r.ChoixLaisses > 0) {
    texte += ", " + Nombre(r.ChoixLaisses) + (r.ChoixLaisses == 1 ? " choix laissé" : " choix laissés") +
             " à partir de la levée " + std::to_string(t);
    texte += r.LigneLaissee.empty() ? " (dès le départ)" : " (le premier après " + r.LigneLaissee + ")";
  }
  return texte + ".";
}

}  // namespace

TResultatExploration ExploreDonne(const TFichiersExploration& fichiers, int numero, const TOptionsExploration& options) {
  const auto debut = THorloge::now();
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
  if (resultat.Interrompue) exploration.Constate(grAvertissement, 0, {}, MessageInterruption(resultat, options));
  resultat.Millisecondes = std::chrono::duration<double, std::milli>(THorloge::now() - debut).count();
  return resultat;
}

}  // namespace kalvo::outil_donnes
