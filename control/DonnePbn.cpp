#include "control/DonnePbn.h"

#include "engine/PartieCartes.h"
#include "model/ErreurDonnee.h"
#include "model/Encheres.h"
#include "model/Windows1252.h"

#include <algorithm>

namespace kalvo {

namespace {

TCartesJouees ParJoueur(const TLeveeJouee& levee) {
  TCartesJouees cartes{};
  TJoueur joueur = levee.Entameur;
  for (const TCard carte : levee.Cartes) {
    cartes[joueur] = carte;
    joueur = JoueurSuivant(joueur);
  }
  return cartes;
}

std::string Note(int note) { return std::to_string(note) + " sur 100"; }

}  // namespace

std::vector<TLeveeJouee> JeuCompletJoue(const TDonne& donne) {
  if (donne.JeuComplet(1, 1).EstVide()) return {};
  TPartieCartes partie(donne.Mains(), donne.Atout());
  for (int levee = 1; levee <= 13; ++levee) {
    for (int i = 1; i <= 4; ++i) {
      TCard carte;
      if (levee <= NbLeveesJeuComplet) {
        carte = donne.JeuComplet(levee, i);
      } else {
        // The last trick: each seat's one card left.
        for (const T4Couleur couleur : ToutesLesCouleurs)
          if (const auto reste = partie.Restantes(partie.JoueurActuel(), couleur); !reste.empty()) carte = reste.front();
      }
      if (const auto refus = partie.Joue(carte))
        throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "le jeu complet ne se joue pas à la levée " +
                           std::to_string(levee) + " : " + *refus);
    }
  }
  return partie.Levees();
}

TPartiePbn PartiePbn(const TDonne& donne, int collection, const std::string& evenement,
                     const std::optional<TBilanPbn>& bilan) {
  TPartiePbn partie;
  partie.Evenement = evenement;
  partie.Board = collection;
  partie.Donneur = donne.Donneur();
  partie.Vulnerabilite = donne.Vulnerabilite();
  partie.Mains = donne.Mains();
  // The trainer's deals are always played by South.
  partie.Declarant = jrSud;
  for (const TAppel& appel : SuiteEncheres(donne)) partie.Encheres.push_back(appel.Enchere);
  const auto issue = IssueEncheres(partie.Encheres, partie.Donneur);
  partie.Contrat = TContratPbn{donne.NiveauContrat(), donne.Atout(), issue ? issue->Contrat.Contre : 0};
  // Three passes close the auction: a stored one that stops short is completed.
  while (partie.Encheres.size() < 4 ||
         !(partie.Encheres.end()[-1] == TEnchere{0, 1, 0} && partie.Encheres.end()[-2] == TEnchere{0, 1, 0} &&
           partie.Encheres.end()[-3] == TEnchere{0, 1, 0}))
    partie.Encheres.push_back(TEnchere{0, 1, 0});
  for (const TEnchere& appel : partie.Encheres) {
    if (appel.Alerte == 0) continue;
    const bool dejaNotee = std::any_of(partie.Notes.begin(), partie.Notes.end(),
                                       [&](const auto& note) { return note.first == appel.Alerte; });
    if (!dejaNotee) partie.Notes.emplace_back(appel.Alerte, TexteAlerte(donne, appel.Alerte));
  }

  const std::vector<TLeveeJouee> levees = bilan ? bilan->Levees : JeuCompletJoue(donne);
  for (const TLeveeJouee& levee : levees) partie.Levees.push_back(ParJoueur(levee));
  if (bilan) {
    partie.Resultat = bilan->LeveesDeclarant;
  } else if (!levees.empty()) {
    int faites = 0;
    for (const TLeveeJouee& levee : levees) faites += LigneDe(levee.Gagnant) == liNS ? 1 : 0;
    partie.Resultat = faites;
  }

  const std::string theme(NomsThemes[static_cast<std::size_t>(donne.Theme())]);
  const std::string force = std::to_string(donne.Force());
  partie.AutresTags.emplace_back("KalvoTheme", theme);
  partie.AutresTags.emplace_back("KalvoForce", force);
  std::string commentaire = "Thème : " + theme + ". Difficulté : " + force + " sur 4.";
  if (bilan) {
    partie.AutresTags.emplace_back("KalvoNoteJeu", std::to_string(bilan->Notation));
    partie.AutresTags.emplace_back("KalvoNoteQuestions", std::to_string(bilan->NoteQuestions));
    commentaire += " Note de jeu : " + Note(bilan->Notation) + ". Note des questions : " + Note(bilan->NoteQuestions) +
                   ". Le jeu de la carte est celui de l'élève, cartes refusées exclues.";
  } else if (!levees.empty()) {
    commentaire += " Le jeu de la carte est la bonne ligne de la leçon.";
  }
  partie.Commentaires.push_back(commentaire);
  return partie;
}

}  // namespace kalvo
