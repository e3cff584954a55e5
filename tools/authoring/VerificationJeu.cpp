// Checks of the play: the script's main line, the complete play, and the
// double-dummy result after the scripted opening lead.
#include "engine/DoubleMort.h"
#include "engine/PartieCartes.h"
#include "tools/authoring/LignePrincipale.h"
#include "tools/authoring/PartieControleur.h"
#include "tools/authoring/Verifications.h"

#include <chrono>

namespace kalvo::redaction {

namespace {

// Plays the complete play and the thirteenth trick it implies; the tricks
// of North-South, or nothing when a card cannot be played.
std::optional<int> JoueJeuComplet(const TDonne& donne, TConstats& constats) {
  TPartieCartes partie(donne.Mains(), donne.Atout());
  std::string ligne;
  for (int t = 1; t <= NbLeveesJeuComplet; ++t) {
    for (int i = 1; i <= 4; ++i) {
      const TCard carte = donne.JeuComplet(t, i);
      const std::string ou = "levée " + std::to_string(t) + " du jeu complet : ";
      if (!carte.EstReelle()) {
        constats.Erreur({glJeu, t}, AvecLigne(ou + "la carte " + std::to_string(i) + " (" + TexteCarte(carte) +
                                                  ") n'est pas une carte.", ligne));
        return std::nullopt;
      }
      if (const auto refus = partie.Joue(carte)) {
        const std::string tour = i == 1 ? " (le gagnant de la levée précédente entame)" : "";
        constats.Erreur({glJeu, t}, AvecLigne(ou + "c'est à " + std::string(NomsJoueurs[partie.JoueurActuel()]) +
                                                  " de jouer" + tour + " : " + *refus + ".", ligne));
        return std::nullopt;
      }
      AjouteCarte(ligne, carte, i == 1);
    }
  }
  for (int i = 0; i < 4; ++i) {
    const TJoueur j = partie.JoueurActuel();
    for (T4Couleur s : ToutesLesCouleurs)
      if (const auto reste = partie.Restantes(j, s); !reste.empty()) {
        partie.Joue(reste.front());
        break;
      }
  }
  return partie.LeveesNS();
}

}  // namespace

void VerifieJeu(const TDonne& donne, TConstats& constats, std::optional<TDoubleMortDonne>& doubleMort) {
  const int requises = 6 + donne.NiveauContrat();
  const TLignePrincipale ligne = SuitLignePrincipale(donne, constats.Options());
  for (const TConstat& c : ligne.Constats) constats.Liste().push_back(c);
  const std::optional<TCard> entame = ligne.Entame;

  std::optional<int> leveesJeu;
  if (!constats.Options().JeuCompletInconnu) {
    leveesJeu = JoueJeuComplet(donne, constats);
    if (entame && donne.JeuComplet(1, 1) != *entame)
      constats.Erreur({glJeu, 1}, "le jeu complet commence par " + (donne.JeuComplet(1, 1).EstReelle() ? NomCarteArticle(donne.JeuComplet(1, 1)) : TexteCarte(donne.JeuComplet(1, 1))) +
                                      " alors que le script fait entamer " + NomCarteArticle(*entame) + ".");
    if (leveesJeu && *leveesJeu < requises)
      constats.Erreur({glJeu, 0}, "le jeu complet ne fait pas le contrat : " + std::to_string(*leveesJeu) +
                                      " levées pour le déclarant, il en faut " + std::to_string(requises) + ".");
  }
  if (!constats.Options().DoubleMort || !entame) return;

  const auto debut = std::chrono::steady_clock::now();
  TDoubleMortDonne resultat;
  resultat.Entame = *entame;
  resultat.LeveesRequises = requises;
  resultat.LeveesJeuComplet = leveesJeu.value_or(-1);
  try {
    TPartieCartes partie(donne.Mains(), donne.Atout());
    partie.Joue(*entame);
    resultat.LeveesApresEntame = LeveesNSDoubleMort(partie);
    if (resultat.LeveesApresEntame < requises)
      constats.Avertissement({glContrat, 0}, "en double mort, après l'entame (" + NomCarte(*entame) + ")" +
                                                 ", le déclarant ne fait que " + std::to_string(resultat.LeveesApresEntame) +
                                                 " levées (il en faut " + std::to_string(requises) + ").");
    if (ligne.Fin == TLignePrincipale::lfRevendication) {
      TPartieCartes fin(donne.Mains(), donne.Atout());
      for (const TCard c : ligne.Cartes) fin.Joue(c);
      const int leveesNS = LeveesNSDoubleMort(fin);
      if (leveesNS != ligne.RevendicationNS)
        constats.Avertissement({glChaine, ligne.ChaineFin},
                               AvecLigne("la revendication donne " + std::to_string(ligne.RevendicationNS) +
                                             " levées à Nord-Sud ; sur la ligne principale, le double mort en donne " +
                                             std::to_string(leveesNS) + ".",
                                         ligne.Texte()));
    }
  } catch (const ErreurDoubleMort& e) {
    constats.Erreur({glContrat, 0}, e.what());
    return;
  }
  resultat.Millisecondes = std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - debut).count();
  doubleMort = resultat;
}

}  // namespace kalvo::redaction
