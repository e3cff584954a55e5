// Checks of the deal's quiz questions: each names a trick, a seat, a suit
// or a card that make sense, and the questions that depend on the play are
// checked on the complete play.
#include "engine/PartieCartes.h"
#include "tools/authoring/Verifications.h"

namespace kalvo::redaction {

namespace {

// What the quiz counts along the complete play, trick after trick.
struct TEtatQuiz {
  std::array<std::array<int, 4>, 4> JoueesParCouleur{};  // [seat][suit]
  std::array<bool, 4> ADefausse{};
  std::array<std::vector<TCard>, 14> JoueesApres;        // cards played by the end of each trick
};

std::optional<TEtatQuiz> SuitJeuComplet(const TDonne& donne, int jusquA) {
  if (!MainsJouables(donne)) return std::nullopt;
  const auto o = donne.Octets();
  if (o[offsets::Atout] > clSA) return std::nullopt;
  TPartieCartes partie(donne.Mains(), static_cast<TCouleur>(o[offsets::Atout]));
  TEtatQuiz etat;
  for (int t = 1; t <= std::min(jusquA, NbLeveesJeuComplet); ++t)
    for (int i = 1; i <= 4; ++i) {
      const TCard carte = donne.JeuComplet(t, i);
      const TJoueur j = partie.JoueurActuel();
      const bool entame = partie.NbSurTable() == 0;
      const T4Couleur menee = entame ? carte.Couleur() : partie.CouleurEntame();
      if (!carte.EstReelle() || partie.Joue(carte)) return std::nullopt;
      ++etat.JoueesParCouleur[j][carte.c];
      const bool coupe = partie.Atout() != clSA && carte.c == partie.Atout();
      if (!entame && EstDefenseur(j) && carte.c != menee && !coupe) etat.ADefausse[j] = true;
    }
  return etat;
}

int CompteDepart(const TDonne& donne, TJoueur j, T4Couleur s) {
  int n = 0;
  for (int i = 1; i <= 13; ++i) n += donne.CarteMain(j, i).c == s ? 1 : 0;
  return n;
}

bool JoueeAvant(const TDonne& donne, TCard carte, int levee) {
  for (int t = 1; t <= std::min(levee, NbLeveesJeuComplet); ++t)
    for (int i = 1; i <= 4; ++i)
      if (donne.JeuComplet(t, i) == carte) return true;
  return levee >= 13;
}

// The fields of question q against the deal and its complete play.
void VerifieQuestion(const TDonne& donne, int q, const TQuestion& question, TConstats& constats) {
  const TLieu lieu{glQuestion, q};
  const int t = question.NumLevee;
  const bool joueurValide = question.Joueur <= jrEst;
  const bool couleurValide = question.Couleur <= clPique;
  const auto j = static_cast<TJoueur>(question.Joueur & 3);
  const auto s = static_cast<T4Couleur>(question.Couleur & 3);
  const auto etat = SuitJeuComplet(donne, t);
  switch (question.TypeQuestion) {
    case 0:
      if (question.Option == 0) break;
      if (!joueurValide || !EstDefenseur(j)) {
        constats.Erreur(lieu, "une question de défausse porte sur Ouest ou Est.");
      } else if (etat && !etat->ADefausse[j] && !etat->ADefausse[Partenaire(j)]) {
        constats.Avertissement(lieu, "sur le jeu complet, ni Ouest ni Est n'a défaussé à la levée " + std::to_string(t) +
                                         " : la question ne sera pas posée.");
      }
      break;
    case 1:
    case 2:
    case 4:
      if (!joueurValide) constats.Erreur(lieu, "joueur " + std::to_string(question.Joueur) + " invalide.");
      if (question.TypeQuestion == 4 && !couleurValide) constats.Erreur(lieu, "couleur " + std::to_string(question.Couleur) + " invalide.");
      if (question.TypeQuestion == 2) {
        if (question.Depart > 1) constats.Erreur(lieu, "« depart » vaut 0 (cartes montrées) ou 1 (au départ).");
        for (T4Couleur c : ToutesLesCouleurs) {
          const int n = question.Depart == 1 ? CompteDepart(donne, j, c) : (etat ? etat->JoueesParCouleur[j][c] : 0);
          if (joueurValide && n >= 9) {
            constats.Erreur(lieu, "une couleur de " + std::to_string(n) + " cartes : les propositions, d'un chiffre par couleur, ne peuvent pas l'écrire.");
            break;
          }
        }
      }
      break;
    case 3:
      if (!question.Carte.EstReelle()) {
        constats.Erreur(lieu, TexteCarte(question.Carte) + " n'est pas une carte.");
      } else if (question.Option > 1) {
        constats.Erreur(lieu, "l'option d'une question « carte » vaut 0 (pas encore jouée) ou 1 (déjà jouée).");
      } else if (etat && JoueeAvant(donne, question.Carte, t) != (question.Option == 1)) {
        constats.Avertissement(lieu, "sur le jeu complet, " + NomCarteArticle(question.Carte) +
                                         (question.Option == 1 ? " n'est pas encore joué" : " est déjà joué") + " à la fin de la levée " +
                                         std::to_string(t) + " : la question ne sera pas posée.");
      }
      break;
    case 5:
      if (!couleurValide) {
        constats.Erreur(lieu, "couleur " + std::to_string(question.Couleur) + " invalide.");
      } else if (const int n = CompteDepart(donne, jrOuest, s) + CompteDepart(donne, jrEst, s); n < 3) {
        constats.Erreur(lieu, "Ouest et Est n'ont que " + std::to_string(n) + " " + std::string(NomsCouleursPluriel[s]) +
                                  " : quatre répartitions différentes ne peuvent pas être proposées.");
      }
      break;
    default:
      constats.Erreur(lieu, "genre de question " + std::to_string(question.TypeQuestion) + " inconnu (0 à 5).");
  }
}

}  // namespace

void VerifieQuestions(const TDonne& donne, const TQuestionsDonne& questions, TConstats& constats) {
  if (questions.NbQuestionsBrut() > NbQuestionsMax)
    return constats.Erreur({glQuestion, 0}, "la fiche de questions annonce " + std::to_string(questions.NbQuestionsBrut()) +
                                                " questions : trois au plus.");
  std::array<int, 14> parLevee{};
  for (int q = 1; q <= questions.NbQuestions(); ++q) {
    const TLieu lieu{glQuestion, q};
    const TQuestion question = questions.Question(q);
    const int t = question.NumLevee;
    if (t < 1 || t > 13) {
      constats.Erreur(lieu, "la question " + std::to_string(q) + " vise la levée " + std::to_string(t) + " (1 à 13).");
      continue;
    }
    if (parLevee[static_cast<std::size_t>(t)] != 0)
      constats.Avertissement(lieu, "la question " + std::to_string(q) + " remplace la question " +
                                       std::to_string(parLevee[static_cast<std::size_t>(t)]) + " à la levée " + std::to_string(t) + ".");
    parLevee[static_cast<std::size_t>(t)] = q;
    if (question.Penalite == 0) constats.Avertissement(lieu, "la question " + std::to_string(q) + " ne coûte rien.");
    VerifieQuestion(donne, q, question, constats);
  }
}

}  // namespace kalvo::redaction
