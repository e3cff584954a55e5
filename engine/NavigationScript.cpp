#include "engine/NavigationScript.h"

#include <array>

namespace kalvo {

namespace {

std::string Contexte(int chaine, std::string_view quoi) {
  return "chaîne " + std::to_string(chaine) + " : " + std::string(quoi);
}

int NbLeveesVerifie(const TDonne& donne, int chaine, std::int32_t nb) {
  return static_cast<int>(VerifieBornes(nb, 1, 13, donne.Numero(), Contexte(chaine, "nombre de levées du mode")));
}

// Type 2: the first entry whose sixteen nibbles all match the remaining cards.
int TestDistribution(const TChaine& noeud, const TSuiviMains& suivi) {
  std::array<std::array<int, 4>, 4> compte{};
  for (TJoueur p : TousLesJoueurs)
    for (T4Couleur s : ToutesLesCouleurs) compte[p][s] = suivi.s_GetNbNonPrisesInCouleur(p, s);
  for (int k = 1; k <= 4; ++k) {
    const TEntreeDistribution e = noeud.EntreeDistribution(k);
    bool concorde = true;
    for (TJoueur p : TousLesJoueurs)
      for (T4Couleur s : ToutesLesCouleurs) {
        const int motif = (e.Motifs[p] >> (4 * s)) & 15;
        if (motif != 15 && motif != compte[p][s]) concorde = false;
      }
    if (concorde) return e.Suite;
    if (e.Suite == -1) return -1;
  }
  return -1;
}

// Type 3: chain A while every listed card is still held, unplayed.
int TestCartesTenues(const TChaine& noeud, const TSuiviMains& suivi) {
  const TJoueur joueur = noeud.Joueur();
  const int n = noeud.NbCartes();
  for (int i = 1; i <= n; ++i) {
    const int indice = suivi.s_ChercheIndiceCarte(joueur, noeud.CarteTenue(i));
    if (indice == 0 || suivi.s_isCarteJouee(joueur, indice)) return noeud.ChaineB();
  }
  return noeud.ChaineA();
}

// Type 8: an entry whose next chain is 0 is an unused one (zero-filled),
// which would otherwise match any void.
int TestLongueur(const TChaine& noeud, const TSuiviMains& suivi) {
  for (int k = 1; k <= 4; ++k) {
    const TEntreeLongueur e = noeud.EntreeLongueur(k);
    if (e.Suite == 0) continue;
    if (suivi.s_GetNbNonPrisesInCouleur(e.Joueur, e.Couleur) == e.Nombre) return e.Suite;
  }
  return 1;
}

// Type 9: can the seat's best card beat its partner's lowest one.
int TestPartenairePrend(const TChaine& noeud, const TSuiviMains& suivi) {
  const TJoueur joueur = noeud.Joueur();
  const T4Couleur s = noeud.Couleur();
  const int haute = suivi.s_GetIndicePlusGrosseCarteNonJouee(joueur, s);
  if (haute == 0) return noeud.ChaineB();
  const int basse = suivi.s_GetIndicePlusPetiteCarteNonJouee(Partenaire(joueur), s);
  const int rangPartenaire = basse == 0 ? 0 : suivi.s_GetHauteurCarte(Partenaire(joueur), basse);
  return suivi.s_GetHauteurCarte(joueur, haute) > rangPartenaire ? noeud.ChaineA() : noeud.ChaineB();
}

bool AccepteCarteDeclarant(TCard alternative, TCard carte) {
  return (alternative.c == carte.c || alternative.c == CouleurQuelconque) &&
         (alternative.h == RangQuelconque || alternative.h == carte.h);
}

}  // namespace

TResolutionNoeud ResoutNoeud(const TDonne& donne, const TSuiviMains& suivi, int chaine, TJoueur gagnant, bool hasard) {
  const TChaine noeud = donne.Chaine(chaine);
  TResolutionNoeud r;
  switch (noeud.TypeEffectif()) {
    case tcDistribution:
      r.Resultat = TestDistribution(noeud, suivi);
      break;
    case tcCartesTenues:
      r.Resultat = TestCartesTenues(noeud, suivi);
      break;
    case tcHasard:
      r.Resultat = hasard ? noeud.ChaineA() : noeud.ChaineB();
      break;
    case tcGagnantLevee:
      r.Resultat = gagnant == jrSud ? noeud.ChaineA() : noeud.ChaineB();
      break;
    case tcRevendication:
      r.Resultat = ActionFinDonne;
      r.Commentaire = noeud.CodeRevendication();
      r.LeveesNS = static_cast<int>(VerifieBornes(noeud.LeveesNS(), 0, 13, donne.Numero(), Contexte(chaine, "levées Nord-Sud")));
      r.LeveesEO = static_cast<int>(VerifieBornes(noeud.LeveesEO(), 0, 13, donne.Numero(), Contexte(chaine, "levées Est-Ouest")));
      break;
    case tcLongueur:
      r.Resultat = TestLongueur(noeud, suivi);
      break;
    case tcPartenairePrend:
      r.Resultat = TestPartenairePrend(noeud, suivi);
      break;
    case tcAutomatique:
      r.Resultat = ActionAutomatique;
      r.NbLevees = NbLeveesVerifie(donne, chaine, noeud.Auto().NbLevees());
      break;
    case tcPool:
      r.Resultat = ActionPool;
      r.NbLevees = NbLeveesVerifie(donne, chaine, noeud.NbLevees());
      r.NumeroPool = noeud.NumeroPool();
      break;
    case tcSolution:
      r.Resultat = ActionSolution;
      break;
    case tcLevee:
    case tcRetourDebut:
      r.Resultat = 1;
      break;
  }
  return r;
}

bool DemandeHasard(const TDonne& donne, int chaine) { return donne.Chaine(chaine).TypeEffectif() == tcHasard; }

std::string NomTypeNoeud(int type) {
  static constexpr std::array<const char*, 13> noms{
      "",
      "levée",
      "test de distribution",
      "test des cartes tenues",
      "choix au hasard",
      "test du gagnant de la levée",
      "fin par revendication",
      "retour au début",
      "test de longueur",
      "test de la prise du partenaire",
      "mode automatique",
      "mode pool",
      "mode solutions",
  };
  if (type >= 1 && type <= 12) return noms[static_cast<std::size_t>(type)];
  return "type " + std::to_string(type) + " inconnu";
}

void VerifieResolution(const TDonne& donne, int chaine, int resultat) {
  if ((resultat >= 1 && resultat <= NbChaines) || (resultat >= ActionSolution && resultat <= ActionFinDonne)) return;
  const int type = donne.Chaine(chaine).TypeChaine();
  throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "la chaîne " + std::to_string(chaine) + " (" + NomTypeNoeud(type) +
                     ") ne mène à aucune chaîne (" + std::to_string(resultat) + ").");
}

bool ChaineAccepteCarte(const TDonne& donne, int chaine, TJoueur joueur, TCard carte) {
  const TChaine vue = donne.Chaine(chaine);
  const int place = vue.Place(joueur);
  for (int i = 1; i <= 8; ++i) {
    const TCard alternative = vue.Declarant(place, i).Carte;
    if (alternative.h == RangFinDeListe) break;
    if (AccepteCarteDeclarant(alternative, carte)) return true;
  }
  return false;
}

int ChaineEquivalenteSuivante(const TDonne& donne, const TSuiviMains& suivi, int chaine, TJoueur gagnant,
                              const std::function<bool()>& hasard) {
  int c = donne.Chaine(chaine).ChaineEquivalente();
  for (int etape = 0; etape < NbMaxEtapesScript; ++etape) {
    if (c == 0) return 0;
    const TChaine vue = donne.Chaine(c);
    if (vue.TypeChaine() == tcLevee) return c;
    const bool tirage = vue.TypeEffectif() == tcHasard && hasard && hasard();
    const int suivante = ResoutNoeud(donne, suivi, c, gagnant, tirage).Resultat;
    VerifieResolution(donne, c, suivante);
    if (suivante >= ActionSolution) return 0;
    c = suivante;
  }
  throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "les chaînes équivalentes de la chaîne " + std::to_string(chaine) +
                     " tournent en rond.");
}

std::optional<int> ChercheChaineEquivalente(const TDonne& donne, const TSuiviMains& suivi, int chaine, TJoueur joueur,
                                            TCard carte, TJoueur gagnant, const std::function<bool()>& hasard) {
  int c = chaine;
  for (int etape = 0; etape < NbMaxEtapesScript; ++etape) {
    if (ChaineAccepteCarte(donne, c, joueur, carte)) return c;
    c = ChaineEquivalenteSuivante(donne, suivi, c, gagnant, hasard);
    if (c == 0) return std::nullopt;
  }
  throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "les chaînes équivalentes de la chaîne " + std::to_string(chaine) +
                     " tournent en rond.");
}

}  // namespace kalvo
