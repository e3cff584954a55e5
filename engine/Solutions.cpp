// Solution mode: every order of the two declarer-side hands' remaining
// cards that cashes the last tricks with master or established cards.
//
// Candidates come in a fixed order: every order of J's cards (outer) and,
// within it, every order of P's cards (inner). Whether a candidate survives
// trick m depends only on its first m tricks, so the search walks J's orders
// depth first and carries, for the J prefix in hand, the list of P prefixes
// still alive (in their enumeration order). A J prefix whose list dies is
// skipped whole; a P prefix is dropped at its first failing trick. The
// survivors of the last trick come out in exactly the candidate order.
#include "engine/Solutions.h"

#include <algorithm>
#include <vector>

#include "engine/SuiviMains.h"

namespace kalvo {

void TListeSolutions::Vide() {
  std::fill(solutions_.begin(), solutions_.begin() + nombre_, TSolution{});
  nombre_ = 0;
}

namespace {

constexpr int NbMinLevees = 2;
constexpr int NbMaxLevees = NbMaxLeveesSolution;

struct TCarteCandidate {
  TCard carte;
  bool maitresse = false;
  bool affranchie = false;
};

// Sides of the pair: the seat to play (J) and its partner (P).
constexpr std::size_t cJ = 0;
constexpr std::size_t cP = 1;

// The working counters of a candidate after some of its tricks. Only J's
// and P's remaining counts are kept: the defenders' counts never feed a check.
struct TCompteurs {
  std::array<TParCouleur<std::int8_t>, 2> X{};  // remaining cards
  std::array<TParCouleur<std::int8_t>, 2> M{};  // masters not yet spent
  std::array<TParCouleur<std::int8_t>, 2> E{};  // established cards not yet spent
  std::int8_t W = 0;                            // winners spent
  std::uint8_t entameur = cJ;                   // side leading the next trick
};

using TListeCartes = std::array<std::uint8_t, NbMaxLevees>;  // indices into A or B

// A prefix of P's order that is still alive for the current prefix of J's order.
struct TNoeud {
  TCompteurs compteurs;
  TListeCartes restants{};  // P's cards not yet played, in their enumeration order
  TListeCartes ordre{};     // P's cards of the tricks so far
  TListeCartes entameurs{}; // side leading each trick so far
};

// Orders of a list: each card in turn comes first (the list rotated left),
// followed by the orders of the rest as the rotation leaves it.
TListeCartes Reste(const TListeCartes& liste, int taille, int tete) {
  TListeCartes reste{};
  for (int k = 1; k < taille; ++k) reste[static_cast<std::size_t>(k - 1)] = liste[static_cast<std::size_t>((tete + k) % taille)];
  return reste;
}

class TRecherche {
 public:
  TRecherche(const TSuiviMains& suivi, TJoueur J, int n, TListeSolutions& liste)
      : FJ(J), FN(n), FAtout(suivi.CouleurAtout()), FListe(liste) {
    const TJoueur P = Partenaire(J);
    int a = 0;
    int b = 0;
    for (int i = 1; i <= 13; ++i) {
      if (!suivi.Suivi(J, i).played && a < NbMaxLevees) FA[static_cast<std::size_t>(a++)] = Candidate(suivi, J, i);
      if (!suivi.Suivi(P, i).played && b < NbMaxLevees) FB[static_cast<std::size_t>(b++)] = Candidate(suivi, P, i);
    }
    FCartesConformes = a == n && b == n && suivi.s_nb_cartes_jouees(J) == n && suivi.s_nb_cartes_jouees(P) == n;
    for (const TCarteCandidate& c : FA) FK += c.maitresse || c.affranchie;
    for (const TCarteCandidate& c : FB) FK += c.maitresse || c.affranchie;

    TNoeud& racine = FNiveaux[0].emplace_back();
    for (T4Couleur s : ToutesLesCouleurs) {
      racine.compteurs.X[cJ][s] = static_cast<std::int8_t>(suivi.SuiviCouleur(J, s).nombre);
      racine.compteurs.X[cP][s] = static_cast<std::int8_t>(suivi.SuiviCouleur(P, s).nombre);
    }
    for (std::size_t k = 0; k < static_cast<std::size_t>(n); ++k) {
      ComptePrimes(racine.compteurs, cJ, FA[k]);
      ComptePrimes(racine.compteurs, cP, FB[k]);
      racine.restants[k] = static_cast<std::uint8_t>(k);
    }
    // The alive P prefixes after trick m never outnumber n!/(n-m)!.
    std::size_t capacite = 1;
    for (int m = 1; m < n; ++m) {
      capacite *= static_cast<std::size_t>(n - m + 1);
      FNiveaux[static_cast<std::size_t>(m)].reserve(capacite);
    }
  }

  void Lance() {
    // J and P must both hold exactly the n cards of the tricks left.
    assert(FCartesConformes);
    if (!FCartesConformes) return;
    TListeCartes ordreA{};
    for (std::size_t k = 0; k < static_cast<std::size_t>(FN); ++k) ordreA[k] = static_cast<std::uint8_t>(k);
    ExploreJ(1, ordreA);
  }

 private:
  static TCarteCandidate Candidate(const TSuiviMains& suivi, TJoueur j, int i) {
    const TSuiviCarte& x = suivi.Suivi(j, i);
    return TCarteCandidate{suivi.Carte(j, i), x.maitresse, x.affranchie};
  }
  static void ComptePrimes(TCompteurs& compteurs, std::size_t cote, const TCarteCandidate& c) {
    if (c.maitresse) {
      ++compteurs.M[cote][c.carte.c];
    } else if (c.affranchie) {
      ++compteurs.E[cote][c.carte.c];
    }
  }

  // Trick m of J's choices at this depth; liste holds J's cards still to play
  // in their enumeration order.
  void ExploreJ(int m, const TListeCartes& liste) {
    const int taille = FN - m + 1;
    const std::vector<TNoeud>& parents = FNiveaux[static_cast<std::size_t>(m - 1)];
    for (int tete = 0; tete < taille && !FListe.EstPleine(); ++tete) {
      const std::uint8_t a = liste[static_cast<std::size_t>(tete)];
      FOrdreA[static_cast<std::size_t>(m - 1)] = a;
      if (m == FN) {
        EmetDerniereLevee(parents, a);
        continue;
      }
      std::vector<TNoeud>& enfants = FNiveaux[static_cast<std::size_t>(m)];
      enfants.clear();
      for (const TNoeud& parent : parents) Etend(parent, m, a, taille, enfants);
      if (!enfants.empty()) ExploreJ(m + 1, Reste(liste, taille, tete));
    }
  }

  void Etend(const TNoeud& parent, int m, std::uint8_t a, int taille, std::vector<TNoeud>& enfants) const {
    const std::size_t t = static_cast<std::size_t>(m - 1);
    for (int tete = 0; tete < taille; ++tete) {
      const std::uint8_t b = parent.restants[static_cast<std::size_t>(tete)];
      TCompteurs apres;
      if (!Joue(parent.compteurs, m, a, b, apres)) continue;
      TNoeud& enfant = enfants.emplace_back();
      enfant.compteurs = apres;
      enfant.restants = Reste(parent.restants, taille, tete);
      enfant.ordre = parent.ordre;
      enfant.ordre[t] = b;
      enfant.entameurs = parent.entameurs;
      enfant.entameurs[t] = parent.compteurs.entameur;
    }
  }

  void EmetDerniereLevee(const std::vector<TNoeud>& parents, std::uint8_t a) {
    const std::size_t t = static_cast<std::size_t>(FN - 1);
    for (const TNoeud& parent : parents) {
      // Only one card of P is left at the last trick.
      const std::uint8_t b = parent.restants[0];
      TCompteurs apres;
      if (!Joue(parent.compteurs, FN, a, b, apres)) continue;
      TSolution solution{};
      for (std::size_t k = 0; k <= t; ++k) {
        const std::uint8_t cote = k < t ? parent.entameurs[k] : parent.compteurs.entameur;
        solution[k].entameur = cote == cJ ? FJ : Partenaire(FJ);
        solution[k].carteJoueur = FA[FOrdreA[k]].carte;
        solution[k].cartePartenaire = FB[k < t ? parent.ordre[k] : b].carte;
      }
      // Past 3000 solutions the first 3000 in candidate order are kept.
      FListe.Ajoute(solution);
      if (FListe.EstPleine()) return;
    }
  }

  bool EstAtout(TCard carte) const { return FAtout != clSA && carte.c == FAtout; }

  // One trick seen from its leader (L) and its follower (F).
  struct TPli {
    std::size_t l, f;
    const TCarteCandidate& xL;
    const TCarteCandidate& xF;
    T4Couleur sL, sF;
    bool estL, estF;      // established cards that count
    bool budgetDeuxGagnantes;  // two winners may be spent on this trick
  };

  // Plays trick m of J's card a and P's card b; false when the candidate fails there.
  bool Joue(const TCompteurs& avant, int m, std::uint8_t a, std::uint8_t b, TCompteurs& c) const {
    c = avant;
    const TCarteCandidate& carteJ = FA[a];
    const TCarteCandidate& carteP = FB[b];
    const std::size_t l = avant.entameur;
    const std::size_t f = 1 - l;
    const TCarteCandidate& xL = l == cJ ? carteJ : carteP;
    const TCarteCandidate& xF = l == cJ ? carteP : carteJ;
    const T4Couleur sL = xL.carte.Couleur();
    const T4Couleur sF = xF.carte.Couleur();
    // An established card counts only once its hand has no master left in the suit.
    const TPli pli{l, f, xL, xF, sL, sF, xL.affranchie && c.M[l][sL] == 0, xF.affranchie && c.M[f][sF] == 0,
                   FK >= FN && FK - (c.W + 2) >= FN - m};
    if (!(sL != sF ? CouleursDifferentes(pli, c) : MemeCouleur(pli, c))) return false;
    --c.X[l][sL];
    --c.X[f][sF];
    c.entameur = static_cast<std::uint8_t>(Gagnant(carteJ.carte, carteP.carte, avant.entameur));
    return true;
  }

  bool CouleursDifferentes(const TPli& p, TCompteurs& c) const {
    if (c.X[p.f][p.sL] != 0) return false;  // the follower could have followed suit
    if (EstAtout(p.xL.carte) || EstAtout(p.xF.carte)) return true;  // a ruff or a trump led: no winner check
    if (p.xL.maitresse && p.xF.maitresse) {
      if (c.E[p.f][p.sF] != 0 || !p.budgetDeuxGagnantes) return false;
      c.W += 2;
      --c.M[p.l][p.sL];
      --c.M[p.f][p.sF];
    } else if (p.xL.maitresse) {
      c.W += 1;
      --c.M[p.l][p.sL];
      if (p.estF) --c.E[p.f][p.sF];
    } else {
      if (!p.estL) return false;
      DepenseAffranchies(p, c);
    }
    return true;
  }

  bool MemeCouleur(const TPli& p, TCompteurs& c) const {
    if (p.xL.maitresse && p.xF.maitresse) {
      if (!p.budgetDeuxGagnantes) return false;
      c.W += 2;
      --c.M[p.l][p.sL];
      --c.M[p.f][p.sF];
    } else if (p.xL.maitresse || p.xF.maitresse) {
      c.W += 1;
      if (p.xL.maitresse) {
        --c.M[p.l][p.sL];
      } else {
        --c.M[p.f][p.sF];
      }
      if (p.estL) --c.E[p.l][p.sL];
      if (p.estF) --c.E[p.f][p.sF];
    } else {
      if (!p.estL && !p.estF) return false;
      DepenseAffranchies(p, c);
    }
    return true;
  }

  // Each established card that counts is one winner spent.
  static void DepenseAffranchies(const TPli& p, TCompteurs& c) {
    if (p.estL) {
      c.W += 1;
      --c.E[p.l][p.sL];
    }
    if (p.estF) {
      c.W += 1;
      --c.E[p.f][p.sF];
    }
  }

  std::size_t Gagnant(TCard carteJ, TCard carteP, std::size_t entameur) const {
    if (carteJ.c == carteP.c) return carteJ.h > carteP.h ? cJ : cP;
    if (EstAtout(carteJ)) return cJ;
    if (EstAtout(carteP)) return cP;
    return entameur;  // the leader keeps the trick
  }

  TJoueur FJ;
  int FN;
  TCouleur FAtout;
  TListeSolutions& FListe;
  std::array<TCarteCandidate, NbMaxLevees> FA{};
  std::array<TCarteCandidate, NbMaxLevees> FB{};
  bool FCartesConformes = false;
  int FK = 0;
  TListeCartes FOrdreA{};
  // [m]: the alive P prefixes after trick m for the current J prefix.
  std::array<std::vector<TNoeud>, NbMaxLevees> FNiveaux;
};

}  // namespace

void TSuiviMains::s_CalculeSolutions(TJoueur JoueurActuel, int Levee) {
  listeSolutions_.Vide();
  const int n = 14 - Levee;
  // The enumeration is defined for 2 to 6 tricks left only; outside that the list stays empty.
  if (n < NbMinLevees || n > NbMaxLevees) return;
  assert(JoueurActuel == jrSud || JoueurActuel == jrNord);
  TRecherche recherche(*this, JoueurActuel, n, listeSolutions_);
  recherche.Lance();
}

}  // namespace kalvo
