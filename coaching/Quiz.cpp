#include "coaching/Quiz.h"

#include "coaching/PropositionsQuiz.h"

#include "model/ErreurDonnee.h"

#include <algorithm>

namespace kalvo {

namespace {

std::string Nom(int joueur) { return std::string(NomsJoueurs[static_cast<std::size_t>(joueur)]); }

std::string QuestionMontreOuDepart(int joueur, bool montre, std::string_view accord) {
  return Nom(joueur) + (montre ? std::string(" a-t-il ") + std::string(accord) + " ?" : " avait-il au départ ?");
}

// Opening lead (Option 0) or the first discard of the named seat or, when
// only its partner has discarded, of the partner.
std::optional<TQuestionPosee> PrepareCarte(TQuestion& q, const TStatistiquesJeu& stats, TQuestionPosee p) {
  if (q.Option == 0) {
    p.isEntame = true;
    p.Joueur = jrOuest;
    p.Titre = "Quelle a été l'entame ?";
    q.Carte = stats.EntameJouee;
  } else {
    if (!EstJoueurValide(q.Joueur)) return std::nullopt;
    const auto s = static_cast<TJoueur>(q.Joueur);
    if (!stats.DefausseNotee[s] && !stats.DefausseNotee[Partenaire(s)]) return std::nullopt;
    const TJoueur qui = stats.DefausseNotee[s] ? s : Partenaire(s);
    p.isEntame = false;
    p.Joueur = qui;
    p.Titre = "Quelle a été la première défausse " + std::string(DeJoueurs[qui]) + Nom(qui) + " ?";
    q.Carte = stats.PremiereDefausse[qui];
  }
  // No lead yet, or statistics that hold no card: nothing can be asked.
  if (!q.Carte.EstReelle()) return std::nullopt;
  p.Carte = q.Carte;
  p.CarteAttendue = q.Carte;
  return p;
}

std::optional<TQuestionPosee> PreparePoints(const TQuestion& q, const TStatistiquesJeu& stats,
                                            const std::array<int, 4>& pointsHonneurs, TQuestionPosee p) {
  if (!EstJoueurValide(q.Joueur)) return std::nullopt;
  p.Joueur = static_cast<TJoueur>(q.Joueur);
  p.isPlayed = q.Option != 0;
  p.Titre = "Question points";
  p.Libelle1 = "Combien de points";
  p.Libelle2 = QuestionMontreOuDepart(q.Joueur, p.isPlayed, "montrés");
  p.NombreAttendu = p.isPlayed ? stats.PointsJoues[p.Joueur] : pointsHonneurs[p.Joueur];
  return p;
}

std::optional<TQuestionPosee> PrepareDejaVues(const TQuestion& q, const TSuiviMains& suivi, std::mt19937& alea,
                                              TQuestionPosee p) {
  if (!EstJoueurValide(q.Joueur)) return std::nullopt;
  p.Joueur = static_cast<TJoueur>(q.Joueur);
  // Any value but 0 means the holding at the start, as the judging and the
  // expected answer read it.
  p.isPlayed = q.Depart == 0;
  p.Titre = "Compte des cartes";
  p.Libelle1 = "Combien de cartes dans chaque couleur";
  p.Libelle2 = QuestionMontreOuDepart(q.Joueur, p.isPlayed, "montrées");
  TCompteCouleurs vraies{};
  for (T4Couleur c : ToutesLesCouleurs) {
    const int tenues = suivi.s_CompteCartesCouleur(p.Joueur, c);
    vraies[c] = p.isPlayed ? tenues - suivi.s_GetCompteCouleur(p.Joueur, c) : tenues;
  }
  const auto propositions = PropositionsDejaVues(vraies, alea);
  if (!propositions) return std::nullopt;
  p.NbPropositions = static_cast<int>(propositions->size());
  for (std::size_t k = 0; k < propositions->size(); ++k) {
    p.Repart[k] = (*propositions)[k];
    if ((*propositions)[k] == vraies) p.PropositionAttendue = static_cast<int>(k);
  }
  return p;
}

std::optional<TQuestionPosee> PrepareQuiPossede(const TQuestion& q, const TSuiviMains& suivi, TQuestionPosee p) {
  if (!q.Carte.EstReelle() || q.Option > 1) return std::nullopt;
  const auto detenteur = std::find_if(TousLesJoueurs.begin(), TousLesJoueurs.end(),
                                      [&](TJoueur j) { return suivi.s_ChercheCarte(j, q.Carte); });
  if (detenteur == TousLesJoueurs.end()) return std::nullopt;
  const TJoueur o = *detenteur;
  const bool jouee = suivi.s_isCarteJouee(o, suivi.s_ChercheIndiceCarte(o, q.Carte));
  if (jouee != (q.Option == 1)) return std::nullopt;
  p.Titre = jouee ? "Qui possédait cette carte ?" : "Qui possède cette carte ?";
  p.Carte = q.Carte;
  p.JoueursAttendus[o] = true;
  return p;
}

std::optional<TQuestionPosee> PrepareNombreCartes(const TQuestion& q, const TSuiviMains& suivi,
                                                  const TStatistiquesJeu& stats, TQuestionPosee p) {
  if (!EstJoueurValide(q.Joueur) || !EstCouleurReelle(q.Couleur)) return std::nullopt;
  p.Joueur = static_cast<TJoueur>(q.Joueur);
  p.Couleur = static_cast<T4Couleur>(q.Couleur);
  p.isPlayed = q.Option != 0;
  p.Titre = "Question nombre de cartes";
  p.Libelle1 = "Combien de cartes à " + std::string(NomsCouleurs[p.Couleur]);
  p.Libelle2 = QuestionMontreOuDepart(q.Joueur, p.isPlayed, "montrées");
  p.NombreAttendu = p.isPlayed ? stats.CartesJoueesParCouleur[p.Joueur][p.Couleur]
                               : suivi.s_CompteCartesCouleur(p.Joueur, p.Couleur);
  return p;
}

std::optional<TQuestionPosee> PrepareRepartition(const TQuestion& q, const TSuiviMains& suivi, std::mt19937& alea,
                                                 TQuestionPosee p) {
  if (!EstCouleurReelle(q.Couleur)) return std::nullopt;
  p.Couleur = static_cast<T4Couleur>(q.Couleur);
  p.Titre = "Question répartition";
  p.Libelle1 = "Comment étaient partagés";
  p.Libelle2 = "les " + std::string(NomsCouleursPluriel[p.Couleur]) + " ?";
  p.repartReelle = {suivi.s_CompteCartesCouleur(jrOuest, p.Couleur), suivi.s_CompteCartesCouleur(jrEst, p.Couleur)};
  const auto propositions = PropositionsRepartition(p.repartReelle[0], p.repartReelle[1], alea);
  if (!propositions) return std::nullopt;
  p.NbPropositions = static_cast<int>(propositions->size());
  for (std::size_t k = 0; k < propositions->size(); ++k) {
    p.repartProp[k] = (*propositions)[k];
    if ((*propositions)[k] == p.repartReelle) p.PropositionAttendue = static_cast<int>(k);
  }
  return p;
}

}  // namespace

std::optional<std::string> DefautQuestion(const TQuestion& q) {
  const auto joueur = [&]() -> std::optional<std::string> {
    if (EstJoueurValide(q.Joueur)) return std::nullopt;
    return "joueur " + std::to_string(q.Joueur) + " hors des limites (0 à 3)";
  };
  const auto couleur = [&]() -> std::optional<std::string> {
    if (EstCouleurReelle(q.Couleur)) return std::nullopt;
    return "couleur " + std::to_string(q.Couleur) + " hors des limites (0 à 3)";
  };
  switch (q.TypeQuestion) {
    case tqCarte:
      return q.Option == 0 ? std::nullopt : joueur();
    case tqPoints:
    case tqDejaVues:
      return joueur();
    case tqPCarte:
      if (!q.Carte.EstReelle())
        return "carte invalide (rang " + std::to_string(q.Carte.h) + ", couleur " + std::to_string(q.Carte.c) + ")";
      if (q.Option > 1) return "option " + std::to_string(q.Option) + " inconnue (0 ou 1)";
      return std::nullopt;
    case tqJ4MQ4:
      if (auto defaut = joueur()) return defaut;
      return couleur();
    case tqRepartition:
      return couleur();
    default:
      return "genre " + std::to_string(q.TypeQuestion) + " inconnu (0 à 5)";
  }
}

void EcarteQuestionsAbimees(const TQuestionsDonne& record, TQuestionsLevees& planning, int numeroDonne,
                            std::vector<std::string>& avertissements) {
  for (int t = 1; t <= 13; ++t) {
    const int numero = planning[t];
    if (numero < 1 || numero > NbQuestionsMax) continue;
    if (const std::optional<std::string> defaut = DefautQuestion(record.Question(numero))) {
      avertissements.push_back(PrefixeDonne(numeroDonne) + "la question " + std::to_string(numero) + " est abîmée (" +
                               *defaut + ") : elle est ignorée.");
      planning[t] = 0;
    }
  }
}

std::optional<TQuestionPosee> PrepareQuestion(TQuestionsDonne& questions, int numero, const TSuiviMains& suivi,
                                              const TStatistiquesJeu& stats,
                                              const std::array<int, 4>& PointsHonneurs, std::mt19937& alea) {
  if (numero < 1 || numero > NbQuestionsMax) return std::nullopt;
  TQuestion q = questions.Question(numero);
  if (DefautQuestion(q)) return std::nullopt;
  TQuestionPosee p;
  p.Numero = numero;
  p.Penalite = q.Penalite;
  std::optional<TQuestionPosee> posee;
  switch (q.TypeQuestion) {
    case tqCarte:
      p.Type = tqCarte;
      posee = PrepareCarte(q, stats, p);
      // The record keeps the expected card once the question is asked.
      if (posee) questions.SetQuestion(numero, q);
      break;
    case tqPoints:
      p.Type = tqPoints;
      posee = PreparePoints(q, stats, PointsHonneurs, p);
      break;
    case tqDejaVues:
      p.Type = tqDejaVues;
      posee = PrepareDejaVues(q, suivi, alea, p);
      break;
    case tqPCarte:
      p.Type = tqPCarte;
      posee = PrepareQuiPossede(q, suivi, p);
      break;
    case tqJ4MQ4:
      p.Type = tqJ4MQ4;
      posee = PrepareNombreCartes(q, suivi, stats, p);
      break;
    case tqRepartition:
      p.Type = tqRepartition;
      posee = PrepareRepartition(q, suivi, alea, p);
      break;
    default:
      break;
  }
  return posee;
}

bool EstBonneReponse(const TQuestionPosee& question, const TReponseQuestion& reponse) {
  switch (question.Type) {
    case tqCarte:
      return reponse.Carte == question.CarteAttendue;
    case tqPoints:
    case tqJ4MQ4:
      return reponse.Nombre == question.NombreAttendu;
    case tqDejaVues:
    case tqRepartition:
      return reponse.Proposition >= 0 && reponse.Proposition < question.NbPropositions &&
             reponse.Proposition == question.PropositionAttendue;
    case tqPCarte:
      return EstJoueurValide(reponse.Joueur) && question.JoueursAttendus[reponse.Joueur];
  }
  return false;
}

TTexteReponseAttendue ReponseAttendue(const TQuestionPosee& question) {
  TTexteReponseAttendue texte;
  switch (question.Type) {
    case tqCarte:
      texte.Enonce = question.isEntame ? "L'entame était : " : "La carte défaussée était : ";
      texte.Reponse = question.CarteAttendue.EstReelle() ? NomCarte(question.CarteAttendue) : "";
      break;
    case tqPoints:
      texte.Enonce = "La réponse attendue était ";
      texte.Reponse = std::to_string(question.NombreAttendu) + (question.NombreAttendu > 1 ? " points" : " point");
      break;
    case tqDejaVues:
      texte.Enonce = "La réponse attendue était : ";
      if (question.PropositionAttendue >= 0 && question.PropositionAttendue < 4) {
        const auto& comptes = question.Repart[static_cast<std::size_t>(question.PropositionAttendue)];
        for (T4Couleur c : {clPique, clCoeur, clCarreau, clTrefle}) {
          if (!texte.Reponse.empty()) texte.Reponse += ", ";
          texte.Reponse += std::string(NomsCouleursPluriel[c]) + " : " + std::to_string(comptes[c]);
        }
      }
      break;
    case tqPCarte:
      texte.Enonce = "La réponse attendue était : ";
      for (TJoueur j : TousLesJoueurs) {
        if (question.JoueursAttendus[j]) texte.Reponse = Nom(j);
      }
      break;
    case tqJ4MQ4:
      texte.Enonce = "La réponse attendue était : ";
      texte.Reponse = std::to_string(question.NombreAttendu);
      break;
    case tqRepartition:
      texte.Reponse = "La réponse attendue était : " + std::to_string(question.repartReelle[0]) + "-" +
                      std::to_string(question.repartReelle[1]);
      break;
  }
  return texte;
}

}  // namespace kalvo
