// Checks of the auction: every call legal where it stands, the auction
// ending in the stated contract, and South the declarer.
#include "model/Encheres.h"
#include "tools/authoring/Verifications.h"

namespace kalvo::redaction {

namespace {

struct TAppelLu {
  TJoueur Joueur;
  TEnchere Enchere;
};

std::string Appel(const TEnchere& e) {
  if (e.Niveau >= 1 && e.Niveau <= 7 && e.Couleur <= clSA) return TexteEnchere(e);
  if (e.Niveau == 0) return TexteEnchere(e);
  return "[enchère " + std::to_string(e.Niveau) + ", " + std::to_string(e.Couleur) + "]";
}

bool MemeCamp(TJoueur a, TJoueur b) { return (a % 2) == (b % 2); }

// The calls from the dealer's up to the end marker (or the end of the table).
std::vector<TAppelLu> LitAppels(const TDonne& donne) {
  std::vector<TAppelLu> appels;
  TJoueur joueur = donne.Donneur();
  for (int tour = 1; tour <= NbLignesEncheres;) {
    const TEnchere e = donne.Enchere(tour, joueur);
    if (e.Niveau == NiveauFinEncheres) break;
    appels.push_back({joueur, e});
    joueur = JoueurSuivant(joueur);
    if (joueur == jrSud) ++tour;
  }
  return appels;
}

// The declarer is the first of the contract's side to have named its strain.
void VerifieDeclarant(const std::vector<TAppelLu>& appels, const TAppelLu& finale, TConstats& constats) {
  const std::uint8_t couleur = finale.Enchere.Couleur;
  for (const TAppelLu& a : appels) {
    if (a.Enchere.Niveau < 1 || a.Enchere.Niveau > 7 || a.Enchere.Couleur != couleur || !MemeCamp(a.Joueur, finale.Joueur))
      continue;
    if (a.Joueur != jrSud)
      constats.Erreur({glEncheres, 0}, "le déclarant serait " + std::string(NomsJoueurs[a.Joueur]) +
                                           " (le premier de son camp à nommer " +
                                           (couleur == clSA ? std::string("les Sans-Atout") : "les " + std::string(NomsCouleursPluriel[couleur])) +
                                           ") : c'est toujours Sud qui joue.");
    return;
  }
}

}  // namespace

void VerifieEncheres(const TDonne& donne, TConstats& constats) {
  const TLieu lieu{glEncheres, 0};
  const auto o = donne.Octets();
  if (o[offsets::Donneur] > jrEst) return;
  const std::vector<TAppelLu> appels = LitAppels(donne);
  std::array<bool, NbAlertes + 1> alertesUtilisees{};
  std::optional<TAppelLu> derniereEnchere;
  std::optional<TAppelLu> dernierAppelActif;  // the last call that is not a pass
  int passesDeSuite = 0;
  for (std::size_t i = 0; i < appels.size(); ++i) {
    const TAppelLu& a = appels[i];
    const TEnchere& e = a.Enchere;
    const std::string ou = " (" + std::string(NomsJoueurs[a.Joueur]) + ", appel " + std::to_string(i + 1) + ")";
    if (e.Alerte > NbAlertes) {
      constats.Erreur(lieu, "alerte " + std::to_string(e.Alerte) + " inexistante" + ou + ".");
    } else if (e.Alerte > 0) {
      alertesUtilisees[e.Alerte] = true;
      if (donne.LgAlerte(e.Alerte) == 0)
        constats.Erreur({glAlerte, e.Alerte}, "l'alerte " + std::to_string(e.Alerte) + " n'a pas de texte" + ou + ".");
    }
    if ((passesDeSuite == 3 && derniereEnchere) || passesDeSuite == 4)
      constats.Erreur(lieu, "l'enchère est déjà finie avant " + Appel(e) + ou + ".");
    if (e.Niveau >= 1 && e.Niveau <= 7 && e.Couleur <= clSA) {
      if (derniereEnchere && e.Niveau * 5 + e.Couleur <= derniereEnchere->Enchere.Niveau * 5 + derniereEnchere->Enchere.Couleur)
        constats.Erreur(lieu, Appel(e) + " n'est pas plus haut que " + Appel(derniereEnchere->Enchere) + ou + ".");
      derniereEnchere = a;
      dernierAppelActif = a;
      passesDeSuite = 0;
    } else if (e.Niveau == 0 && e.Couleur == 1) {
      ++passesDeSuite;
    } else if (e.Niveau == 0) {
      const bool contre = e.Couleur == 2;
      const bool permis = dernierAppelActif && !MemeCamp(dernierAppelActif->Joueur, a.Joueur) &&
                          (contre ? dernierAppelActif->Enchere.Niveau >= 1
                                  : dernierAppelActif->Enchere.Niveau == 0 && dernierAppelActif->Enchere.Couleur == 2);
      if (!permis)
        constats.Erreur(lieu, std::string(contre ? "contre" : "surcontre") + " impossible à cet endroit" + ou + ".");
      dernierAppelActif = a;
      passesDeSuite = 0;
    } else {
      constats.Erreur(lieu, Appel(e) + " n'est pas une enchère" + ou + ".");
    }
  }
  for (int n = 1; n <= NbAlertes; ++n)
    if (!alertesUtilisees[static_cast<std::size_t>(n)] && donne.LgAlerte(n) > 0)
      constats.Avertissement({glAlerte, n}, "l'alerte " + std::to_string(n) + " n'est attachée à aucune enchère.");
  if (!derniereEnchere) return constats.Erreur(lieu, "l'enchère n'a aucune enchère : la donne est passée.");
  // The three closing passes are implied after the last stored call.
  if (passesDeSuite > 0)
    constats.Erreur(lieu, "l'enchère a " + std::to_string(passesDeSuite + 3) + " passes après la dernière enchère : trois la finissent.");
  const TEnchere finale = derniereEnchere->Enchere;
  if (finale.Niveau != o[offsets::NiveauContrat] || finale.Couleur != o[offsets::Atout])
    constats.Erreur({glContrat, 0}, "l'enchère finit par " + Appel(finale) + ", le contrat annoncé est " +
                                        Appel(TEnchere{o[offsets::NiveauContrat], o[offsets::Atout], 0}) + ".");
  VerifieDeclarant(appels, *derniereEnchere, constats);
}

}  // namespace kalvo::redaction
