#include "tools/kalvo-deals/Audit.h"

#include "coaching/MessagesIntegres.h"
#include "coaching/RemarqueErreur.h"
#include "control/JeuJuste.h"
#include "engine/DoubleMort.h"

#include <algorithm>
#include <chrono>
#include <map>
#include <tuple>
#include <unordered_map>

namespace kalvo::outil_donnes {

using namespace redaction;

namespace {

std::string Levees(int n) { return std::to_string(n) + (n == 1 ? " levée" : " levées"); }

// "Sud joue le 2 de Trèfle"
std::string Geste(const TConstatAudit& c) {
  return std::string(NomsJoueurs[c.Joueur]) + " joue " + NomCarteArticle(c.Carte);
}

// ", refusé par le commentaire 13 (40 points : « ... »)"
std::string Refus(const TConstatAudit& c, bool texte) {
  const std::string quoi = c.Code <= NbCommentaires ? "le commentaire " : "le message ";
  std::string r = ", refusé par " + quoi + std::to_string(c.Code) + " (" + std::to_string(c.Penalite) +
                  (c.Penalite == 1 ? " point" : " points");
  if (texte && !c.Commentaire.empty()) r += " : « " + c.Commentaire + " »";
  return r + ")";
}

// What the card costs double dummy, after "alors qu'en double mort il".
std::string Cout(const TConstatAudit& c) {
  if (c.LeveesCarte >= c.LeveesMeilleure)
    return "fait " + Levees(c.LeveesCarte) + " comme la meilleure carte" +
           (c.LeveesCarte >= c.LeveesRequises ? " (le contrat est fait)" : "");
  if (c.LeveesCarte < c.LeveesRequises && c.LeveesMeilleure >= c.LeveesRequises)
    return "fait chuter le contrat (" + Levees(c.LeveesCarte) + ", il en faut " + std::to_string(c.LeveesRequises) +
           ") quand une autre carte le fait (" + Levees(c.LeveesMeilleure) + ")";
  const int perte = c.LeveesMeilleure - c.LeveesCarte;
  return "coûte " + (perte == 1 ? std::string("une levée") : Levees(perte)) + " (" + Levees(c.LeveesCarte) + " au lieu de " +
         std::to_string(c.LeveesMeilleure) + ")";
}

std::size_t Indice(TGenreAudit genre) { return static_cast<std::size_t>(genre); }

// A position for the solver's cache: the cards, the trick, the seat to play.
struct HachagePosition {
  std::size_t operator()(const TPositionDoubleMort& p) const {
    std::size_t h = static_cast<std::size_t>(p.Atout) * 31 + static_cast<std::size_t>(p.Entameur) * 7 +
                    static_cast<std::size_t>(p.NbSurTable);
    for (const auto& main : p.Mains)
      for (const std::uint16_t couleur : main) h = h * 0x9E3779B97F4A7C15ULL + couleur;
    for (const TCard c : p.SurTable) h = h * 131 + c.Mot();
    return h;
  }
};

class TAuditeur : public TObservateurExploration {
 public:
  TAuditeur(const TOptionsAudit& options, TResultatAudit& resultat) : options_(options), resultat_(resultat) {}

  void Position(const TControleur& position, const std::string& ligne,
                const std::vector<TVerdictCarte>& verdicts) override {
    if (CartesJouables(position, position.Etat().JoueurActuel).size() < 2) return;
    // Where the engine's solutions or the winning claim judge the cards,
    // the author wrote no verdict to weigh.
    if (const TRegime regime = position.Regime();
        regime != TRegime::Chaine && regime != TRegime::Automatique && regime != TRegime::Pool) {
      ++resultat_.PositionsHorsScript;
      return;
    }
    const TEtatControleur& e = position.Etat();
    ++resultat_.PositionsAuditees;
    const TDonneLue& donne = position.Donne();
    const TPositionDoubleMort p =
        PositionDoubleMort(position.Suivi(), donne.Donne.Atout(), e.Entameur, e.OnTable, e.CompteCartesJouees);
    const std::vector<TValeurCarte>* valeurs = Valeurs(p, e, ligne);
    if (!valeurs || valeurs->empty()) return;
    int meilleure = 0;
    for (const TValeurCarte& v : *valeurs) meilleure = std::max(meilleure, v.LeveesNS);
    for (const TVerdictCarte& v : verdicts) {
      const auto valeur = std::find_if(valeurs->begin(), valeurs->end(), [&](const TValeurCarte& x) { return x.Carte == v.Carte; });
      if (valeur == valeurs->end()) continue;
      TConstatAudit c;
      c.Levee = e.Levee;
      c.Ligne = ligne;
      c.Joueur = e.JoueurActuel;
      c.Carte = v.Carte;
      c.LeveesCarte = e.LeveesNS + valeur->LeveesNS;
      c.LeveesMeilleure = e.LeveesNS + meilleure;
      c.LeveesRequises = donne.Donne.NiveauContrat() + 6;
      if (v.Genre == TVerdictCarte::Acceptee) Acceptee(c);
      if (v.Genre == TVerdictCarte::Refusee) Refusee(c, v.Refus, donne);
    }
  }

 private:
  const std::vector<TValeurCarte>* Valeurs(const TPositionDoubleMort& p, const TEtatControleur& e, const std::string& ligne) {
    if (const auto i = cache_.find(p); i != cache_.end()) return &i->second;
    const auto debut = std::chrono::steady_clock::now();
    std::vector<TValeurCarte> valeurs;
    try {
      valeurs = AnalyseDoubleMort(p);
    } catch (const ErreurDoubleMort& erreur) {
      TConstatAudit c;
      c.Genre = TGenreAudit::EchecDoubleMort;
      c.Gravite = grErreur;
      c.Levee = e.Levee;
      c.Ligne = ligne;
      c.Joueur = e.JoueurActuel;
      c.Detail = erreur.what();
      Ajoute(c);
      return nullptr;
    }
    resultat_.MillisecondesDoubleMort +=
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
    ++resultat_.PositionsResolues;
    return &cache_.emplace(p, std::move(valeurs)).first->second;
  }

  void Acceptee(TConstatAudit c) {
    if (c.LeveesCarte >= c.LeveesMeilleure) return;
    c.Genre = TGenreAudit::AccepteeMoinsBonne;
    const bool chute = c.LeveesCarte < c.LeveesRequises && c.LeveesMeilleure >= c.LeveesRequises;
    c.Gravite = chute ? grErreur : grAvertissement;
    Ajoute(c);
  }

  void Refusee(TConstatAudit c, const TRefus& refus, const TDonneLue& donne) {
    c.Code = refus.Code;
    try {
      const TRemarqueErreur remarque = RemarqueErreur(donne.Donne, donne.Comment, refus.Code);
      c.Penalite = remarque.Cout;
      c.Commentaire = remarque.Texte;
    } catch (const ErreurDonnee&) {
      return;  // the exploration reports the broken data
    }
    const bool gratuite = c.LeveesCarte >= c.LeveesMeilleure;
    const TRaison* raison = RaisonDuRefus(options_.Raisons, refus.Chaine, refus.Pool, refus.Code);
    if (gratuite && c.LeveesCarte >= c.LeveesRequises) {
      TConstatAudit aussiBonne = c;
      if (raison) {
        aussiBonne.Genre = TGenreAudit::RefusVoulu;
        aussiBonne.Raison = raison->Texte;
      } else {
        aussiBonne.Genre = TGenreAudit::RefuseeAussiBonne;
      }
      Ajoute(aussiBonne);
    }
    // A refusal with a written reason weighs the danger the reason names on
    // the layouts the user cannot see: a heavy charge is then the author's
    // choice, not a slip. A light charge for a card that loses is always one.
    const bool chute = c.LeveesCarte < c.LeveesRequises && c.LeveesMeilleure >= c.LeveesRequises;
    if ((gratuite && c.Penalite >= 30 && !raison) || (chute && c.Penalite <= 10)) {
      c.Genre = TGenreAudit::PenaliteHorsEchelle;
      Ajoute(c);
    }
  }

  // One finding per kind, trick, seat, card and code; the other lines that
  // reach it are counted.
  void Ajoute(TConstatAudit c) {
    const auto cle = std::make_tuple(Indice(c.Genre), c.Levee, c.Joueur, IndexCarte(c.Carte), c.Code, c.Detail);
    const auto [place, nouveau] = vus_.emplace(cle, resultat_.Constats.size());
    if (!nouveau) {
      ++resultat_.Constats[place->second].AutresLignes;
      return;
    }
    ++resultat_.Nombres[Indice(c.Genre)];
    resultat_.Constats.push_back(std::move(c));
  }

  const TOptionsAudit& options_;
  TResultatAudit& resultat_;
  std::unordered_map<TPositionDoubleMort, std::vector<TValeurCarte>, HachagePosition> cache_;
  std::map<std::tuple<std::size_t, int, TJoueur, int, int, std::string>, std::size_t> vus_;
};

}  // namespace

std::string TConstatAudit::Message() const {
  switch (Genre) {
    case TGenreAudit::RefuseeAussiBonne:
      return "refusée mais aussi bonne : " + Geste(*this) + Refus(*this, true) + ", alors qu'en double mort il " +
             Cout(*this) + ".";
    case TGenreAudit::RefusVoulu:
      return "refus voulu : " + Geste(*this) + Refus(*this, false) + ", aussi bon en double mort (" +
             Levees(LeveesCarte) + "), pour la raison écrite : « " + Raison + " ».";
    case TGenreAudit::AccepteeMoinsBonne:
      return "acceptée mais moins bonne : " + Geste(*this) + ", accepté, alors qu'en double mort il " + Cout(*this) + ".";
    case TGenreAudit::PenaliteHorsEchelle:
      return "pénalité hors d'échelle : " + Geste(*this) + Refus(*this, true) + ", alors qu'en double mort il " +
             (LeveesCarte >= LeveesMeilleure ? "ne coûte rien (" + Levees(LeveesCarte) + " comme la meilleure carte)"
                                             : Cout(*this)) +
             ".";
    case TGenreAudit::EchecDoubleMort:
      return "le double mort ne peut pas juger les cartes de " + std::string(NomsJoueurs[Joueur]) + " : " + Detail;
  }
  return {};
}

std::string TConstatAudit::Texte() const { return AvecLigne(Message(), Ligne, AutresLignes); }

bool TResultatAudit::AErreurs() const {
  for (const TConstatAudit& c : Constats)
    if (c.Gravite == grErreur) return true;
  for (const TConstatExploration& c : Exploration.Constats)
    if (c.Gravite == grErreur) return true;
  return false;
}

TResultatAudit AuditeDonne(const TFichiersExploration& fichiers, int numero, const TOptionsAudit& options) {
  const auto debut = std::chrono::steady_clock::now();
  TResultatAudit resultat;
  TAuditeur auditeur(options, resultat);
  TOptionsExploration exploration = options.Exploration;
  exploration.Observateur = &auditeur;
  resultat.Exploration = ExploreDonne(fichiers, numero, exploration);
  LibereDoubleMort();
  resultat.Millisecondes = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
  return resultat;
}

}  // namespace kalvo::outil_donnes
