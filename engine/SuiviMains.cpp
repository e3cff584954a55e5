// The engine's updates: a new deal, each card played, and the trick end
// that recomputes every derived flag, rank and counter.
#include "engine/SuiviMains.h"

#include <algorithm>
#include <bit>

namespace kalvo {

namespace {

constexpr TJoueur AdversaireGauche(TJoueur j) { return JoueurSuivant(j); }
constexpr TJoueur AdversaireDroite(TJoueur j) { return JoueurPrecedent(j); }

// Remaining ranks of each hand and suit as bit sets (bit h = rank h), read
// from the played flags as they stand: higher(P, s, h) becomes one popcount.
using TRangsRestants = std::array<TParCouleur<std::uint16_t>, 4>;

TRangsRestants RangsRestants(const TSuiviMains& suivi) {
  TRangsRestants rangs{};
  for (TJoueur j : TousLesJoueurs) {
    for (int i = 1; i <= 13; ++i) {
      if (suivi.Suivi(j, i).played) continue;
      const TCard carte = suivi.Carte(j, i);
      rangs[j][carte.c] = static_cast<std::uint16_t>(rangs[j][carte.c] | (1u << carte.h));
    }
  }
  return rangs;
}

int PlusFortes(const TRangsRestants& rangs, TJoueur p, T4Couleur s, int h) {
  return std::popcount(static_cast<unsigned>(rangs[p][s] >> (h + 1)));
}

}  // namespace

void TSuiviMains::s_Initialise(T4Jeux Jx, int Donne, TCouleur atout) {
  FCouleurAtout = atout;
  FNumDonne = Donne;
  FCompteurLevees = 0;
  FJeux = Jx;
  FSuivi = TSuiviJeux{};
  FSuiviCouleurs = TSuiviCouleurs{};
  FSuiviLigneCouleurs = TSuiviLigneCouleurs{};
  FBlocage = TBlocage{};
  FTotalCommunications = {0, 0};
  FCommunications = TCommunications{};
  FCompte = TRestantes{};
  for (TJoueur j : TousLesJoueurs) {
    FCompte[j] = 13;
    for (int i = 1; i <= 13; ++i) {
      const TCard carte = FJeux(j, i);
      assert(carte.EstReelle());
      TSuiviCarte& x = FSuivi(j, i);
      x.played = false;
      x.indice = i;
      x.coul = carte.Couleur();
      x.ht = carte.h;
      x.rang_absolu = 15 - carte.h;
      x.is_atout = carte.c == atout;
      ++Couleur(j, carte.Couleur()).nombre;
    }
    for (T4Couleur s : ToutesLesCouleurs) ActualisePlusForte(j, s);
  }
  for (T4Couleur s : ToutesLesCouleurs) ActualiseLignes(s);
}

void TSuiviMains::s_SetCarteJouee(TJoueur joueur, int indice) { FSuivi(joueur, indice).played = true; }

void TSuiviMains::s_Actualise(TJoueur Joueur, T4Couleur Coul) {
  --FCompte[JoueurValide(Joueur)];
  TSuiviCouleur& compte = Couleur(Joueur, Coul);
  assert(compte.nombre > 0);
  --compte.nombre;
  if (compte.nombre == 0) {
    FPlusFortes[Joueur][Coul] = TPlusForte{};
  } else {
    ActualisePlusForte(Joueur, Coul);
  }
  ActualiseLignes(Coul);
}

void TSuiviMains::ActualisePlusForte(TJoueur j, T4Couleur coul) {
  TPlusForte& plus = FPlusFortes[JoueurValide(j)][CouleurValide(coul)];
  plus.indice = s_GetIndicePlusGrosseCarteNonJouee(j, coul);
  plus.h = plus.indice == 0 ? 0 : FJeux(j, plus.indice).h;
}

// Both partnerships' length and longer holding in one suit, from the hands' counts.
void TSuiviMains::ActualiseLignes(T4Couleur coul) {
  const int sud = Couleur(jrSud, coul).nombre;
  const int nord = Couleur(jrNord, coul).nombre;
  const int ouest = Couleur(jrOuest, coul).nombre;
  const int est = Couleur(jrEst, coul).nombre;
  FSuiviLigneCouleurs[liNS][coul].nombre = sud + nord;
  FSuiviLigneCouleurs[liNS][coul].maxlongueur = std::max(sud, nord);
  FSuiviLigneCouleurs[liEO][coul].nombre = ouest + est;
  FSuiviLigneCouleurs[liEO][coul].maxlongueur = std::max(ouest, est);
}

void TSuiviMains::RecompteLignes() {
  FSuiviLigneCouleurs = TSuiviLigneCouleurs{};
  for (TJoueur j : TousLesJoueurs) {
    for (const TSuiviCarte& x : FSuivi.cartes[j]) {
      if (x.played) continue;
      TSuiviLigne& ligne = FSuiviLigneCouleurs[LigneDe(j)][x.coul];
      ++ligne.nombre;
      if (x.maitresse) ++ligne.maitresses;
    }
  }
  // The hand counts still hold the live values here.
  for (T4Couleur s : ToutesLesCouleurs) {
    FSuiviLigneCouleurs[liNS][s].maxlongueur = std::max(Couleur(jrSud, s).nombre, Couleur(jrNord, s).nombre);
    FSuiviLigneCouleurs[liEO][s].maxlongueur = std::max(Couleur(jrOuest, s).nombre, Couleur(jrEst, s).nombre);
  }
}

void TSuiviMains::RecompteCouleurs() {
  FSuiviCouleurs = TSuiviCouleurs{};
  for (TJoueur j : TousLesJoueurs) {
    for (const TSuiviCarte& x : FSuivi.cartes[j]) {
      if (x.played) continue;
      TSuiviCouleur& compte = FSuiviCouleurs[j][x.coul];
      ++compte.nombre;
      if (x.maitresse) ++compte.maitresses;
      if (x.superieure) ++compte.superieures;
    }
  }
  for (T4Couleur s : ToutesLesCouleurs) {
    const int ns = std::max(FSuiviCouleurs[jrSud][s].nombre, FSuiviCouleurs[jrNord][s].nombre);
    const int eo = std::max(FSuiviCouleurs[jrOuest][s].nombre, FSuiviCouleurs[jrEst][s].nombre);
    FSuiviCouleurs[jrSud][s].maxlongueur = FSuiviCouleurs[jrNord][s].maxlongueur = ns;
    FSuiviCouleurs[jrOuest][s].maxlongueur = FSuiviCouleurs[jrEst][s].maxlongueur = eo;
  }
  // A hand whose masters cover the longer opponent holding has its small
  // cards established as a block.
  for (TJoueur j : TousLesJoueurs) {
    for (T4Couleur s : ToutesLesCouleurs) {
      TSuiviCouleur& compte = FSuiviCouleurs[j][s];
      if (compte.maitresses >= FSuiviCouleurs[AdversaireGauche(j)][s].maxlongueur) {
        compte.affranchies = compte.nombre - compte.maitresses;
      }
    }
  }
}

void TSuiviMains::s_ActualiseSuiviJeux(int L, int CL) {
  FLevee = L;
  FCompteurLevees = CL;
  const TRangsRestants rangs = RangsRestants(*this);

  for (TJoueur j : TousLesJoueurs) {
    for (TSuiviCarte& x : FSuivi.cartes[j]) {
      if (x.played) {
        x.superieure = x.maitresse = x.affranchie = false;
        x.communicante = x.receptrice = x.isolee = false;
        continue;
      }
      x.maitresse = PlusFortes(rangs, AdversaireGauche(j), x.coul, x.ht) +
                        PlusFortes(rangs, AdversaireDroite(j), x.coul, x.ht) == 0;
      x.superieure = PlusFortes(rangs, Partenaire(j), x.coul, x.ht) == 0;
    }
  }
  RecompteLignes();
  RecompteCouleurs();

  for (TJoueur j : TousLesJoueurs) {
    const TJoueur p = Partenaire(j);
    for (TSuiviCarte& x : FSuivi.cartes[j]) {
      if (x.played) continue;
      const int propres = PlusFortes(rangs, j, x.coul, x.ht);
      const int partenaire = PlusFortes(rangs, p, x.coul, x.ht);
      x.isolee = FSuiviCouleurs[p][x.coul].nombre == 0;
      x.communicante = !x.superieure && !x.isolee;
      x.rang = propres + partenaire + 1;
      x.rang_absolu = propres + partenaire + PlusFortes(rangs, AdversaireGauche(j), x.coul, x.ht) +
                      PlusFortes(rangs, AdversaireDroite(j), x.coul, x.ht) + 1;
      x.numero = propres + 1;
      // A master card keeps its former value: readers test maitresse first.
      if (!x.maitresse) x.affranchie = FSuiviCouleurs[AdversaireGauche(j)][x.coul].maxlongueur < x.numero;
    }
  }

  // Needs every card's new rang, hence its own pass.
  for (TJoueur j : TousLesJoueurs) {
    const auto& partenaire = FSuivi.cartes[Partenaire(j)];
    for (TSuiviCarte& x : FSuivi.cartes[j]) {
      if (x.played) continue;
      x.receptrice = !x.isolee && std::any_of(partenaire.begin(), partenaire.end(), [&x](const TSuiviCarte& y) {
                       return !y.played && y.coul == x.coul && y.rang > x.rang;
                     });
    }
  }
}

void TSuiviMains::s_ActualiseCommunicationsBlocages(int L) {
  FLevee = L;
  FTotalCommunications = {0, 0};
  for (TJoueur j : {jrSud, jrNord}) {
    for (T4Couleur s : ToutesLesCouleurs) {
      const auto& cartes = FSuivi.cartes[j];
      const int entrees = static_cast<int>(std::count_if(cartes.begin(), cartes.end(), [s](const TSuiviCarte& x) {
        return !x.played && x.coul == s && x.maitresse && x.receptrice;
      }));
      FCommunications[RangeeNS(j)][s] = entrees;
      FTotalCommunications[RangeeNS(j)] += entrees;
    }
  }

  FBlocage = TBlocage{};
  for (T4Couleur s : ToutesLesCouleurs) {
    const TSuiviCouleur& S = FSuiviCouleurs[jrSud][s];
    const TSuiviCouleur& N = FSuiviCouleurs[jrNord][s];
    const TSuiviLigne& LNS = FSuiviLigneCouleurs[liNS][s];
    const TSuiviLigne& LEO = FSuiviLigneCouleurs[liEO][s];
    const int autresS = EntreesSauf(jrSud, s);
    const int autresN = EntreesSauf(jrNord, s);
    const bool couvertes = LNS.maitresses >= LEO.maxlongueur;

    const bool regle1 = autresS == 0 && S.nombre == 1 && S.superieures == 1 && N.nombre > 1 && N.maitresses >= 1;
    const bool regle2 = N.nombre != 0 && S.nombre > N.nombre && couvertes &&
                        ((N.maitresses == N.nombre && N.superieures == N.nombre && autresS <= 1) ||
                         (autresS == 0 && N.nombre == N.maitresses + 1));
    const bool regle3 = S.nombre != 0 && N.nombre > S.nombre && couvertes &&
                        ((S.maitresses == S.nombre && S.superieures == S.nombre && autresN <= 1) ||
                         (autresN == 0 && S.nombre == S.maitresses + 1));
    if (regle1 || regle2) FBlocage[0][s] = true;
    if (regle3) FBlocage[1][s] = true;
  }
}

int TSuiviMains::EntreesSauf(TJoueur j, T4Couleur exclue) const {
  int total = 0;
  for (T4Couleur s : ToutesLesCouleurs) {
    if (s != exclue) total += Communications(j, s);
  }
  return total;
}

}  // namespace kalvo
