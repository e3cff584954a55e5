// The engine's read-only queries. "Live" ones follow every card at once;
// "flag" ones read the flags and counters of the last trick end.
#include <algorithm>

#include "engine/SuiviMains.h"

namespace kalvo {

namespace {

constexpr std::array<TJoueur, 2> Adversaires(TJoueur j) { return {JoueurSuivant(j), JoueurPrecedent(j)}; }

}  // namespace

// ---- Card lookup ----

TJoueur TSuiviMains::s_QuiACetteCarte(TCard carte) const {
  for (TJoueur j : TousLesJoueurs) {
    if (s_ChercheCarte(j, carte)) return j;
  }
  return jrSud;
}

int TSuiviMains::s_ChercheIndiceCarte(TJoueur main, TCard carte) const {
  for (int i = 1; i <= 13; ++i) {
    if (FJeux(main, i) == carte) return i;
  }
  return 0;
}

int TSuiviMains::s_ChercheIndiceCarteInSuivi(TJoueur main, TCard carte) const {
  for (int i = 1; i <= 13; ++i) {
    const TSuiviCarte& x = FSuivi(main, i);
    if (x.coul == carte.c && x.ht == carte.h) return i;
  }
  return 0;
}

bool TSuiviMains::s_ChercheCarte(TJoueur main, TCard carte) const { return s_ChercheIndiceCarte(main, carte) != 0; }

int TSuiviMains::s_ChercheNumeroCarte(TJoueur main, TCard carte) const {
  int numero = 0;
  for (int i = 1; i <= 13; ++i) {
    if (FJeux(main, i).c != carte.c) continue;
    ++numero;
    if (FJeux(main, i) == carte) return numero;
  }
  return numero;
}

int TSuiviMains::s_GetNumeroInCouleur(TJoueur Joueur, TCard Carte) const {
  int numero = 0;
  for (int i = 1; i <= 13; ++i) {
    const TCard carte = FJeux(Joueur, i);
    if (!FSuivi(Joueur, i).played && carte.c == Carte.c && carte.h >= Carte.h) ++numero;
  }
  return numero;
}

bool TSuiviMains::s_isCarteJouee(TJoueur joueur, int indice) const { return FSuivi(joueur, indice).played; }

std::uint8_t TSuiviMains::s_GetHauteurCarte(TJoueur main, int indice) const { return FJeux(main, indice).h; }

bool TSuiviMains::is_Maitresse(TJoueur Joueur, TCard Carte) const {
  const int i = s_ChercheIndiceCarte(Joueur, Carte);
  return i != 0 && !FSuivi(Joueur, i).played && FSuivi(Joueur, i).maitresse;
}

bool TSuiviMains::s_NeResteQueCetteCarteDansLaCouleur(TJoueur main, TCard carte) const {
  const T4Couleur c = carte.Couleur();
  return Couleur(main, c).nombre == 1 && FPlusFortes[main][c].h == carte.h;
}

// ---- Positions within a suit ----

int TSuiviMains::s_GetIndiceOfCouleur(TJoueur main, T4Couleur coul) const {
  CouleurValide(coul);
  for (int i = 1; i <= 13; ++i) {
    if (FJeux(main, i).c == coul) return i;
  }
  return 0;
}

int TSuiviMains::s_GetIndicePlusGrosseCarteNonJouee(TJoueur Joueur, T4Couleur Coul) const {
  return s_FindIndiceFirstNonPrise(Joueur, Coul);
}

int TSuiviMains::s_FindIndiceFirstNonPrise(TJoueur main, T4Couleur coul) const {
  const int debut = s_GetIndiceOfCouleur(main, coul);
  if (debut == 0) return 0;
  for (int i = debut; i <= 13 && FJeux(main, i).c == coul; ++i) {
    if (!FSuivi(main, i).played) return i;
  }
  return 0;
}

int TSuiviMains::s_GetIndicePlusPetiteCarteNonJouee(TJoueur Joueur, T4Couleur Coul) const {
  return s_FindIndiceLastNonPrise(Joueur, Coul);
}

int TSuiviMains::s_FindIndiceLastNonPrise(TJoueur main, T4Couleur coul) const {
  const int debut = s_GetIndiceOfCouleur(main, coul);
  if (debut == 0) return 0;
  int derniere = 0;
  for (int i = debut; i <= 13 && FJeux(main, i).c == coul; ++i) {
    if (!FSuivi(main, i).played) derniere = i;
  }
  return derniere;
}

// The cheapest card that beats h, found walking up from the lowest one.
int TSuiviMains::s_GetIndicePlusGrosse(TJoueur main, T4Couleur coul, std::uint8_t h) const {
  const int basse = s_FindIndiceLastNonPrise(main, coul);
  for (int i = basse; i >= 1 && FJeux(main, i).c == coul; --i) {
    if (!FSuivi(main, i).played && FJeux(main, i).h > h) return i;
  }
  return 0;
}

std::uint8_t TSuiviMains::s_PlusPetiteDesEquivalentes(TJoueur main, T4Couleur coul) const {
  const int basse = s_FindIndiceLastNonPrise(main, coul);
  if (basse == 0) return 0;
  std::uint8_t resultat = FJeux(main, basse).h;
  std::uint8_t precedente = resultat;
  // Only the hand's own remaining cards close a gap in the run.
  for (int i = basse - 1; i >= 1 && FJeux(main, i).c == coul; --i) {
    if (FSuivi(main, i).played) continue;
    const std::uint8_t r = FJeux(main, i).h;
    if (r > precedente + 1) resultat = r;
    precedente = r;
  }
  return resultat;
}

int TSuiviMains::s_FindIndiceLastCarteNonPrise(TJoueur main) const {
  for (int i = 1; i <= 13; ++i) {
    if (!FSuivi(main, i).played) return i;
  }
  return 14;
}

// ---- Counts ----

int TSuiviMains::s_CompteCartesCouleur(TJoueur Joueur, T4Couleur Coul) const {
  CouleurValide(Coul);
  const auto& cartes = FJeux.cartes[JoueurValide(Joueur)];
  return static_cast<int>(std::count_if(cartes.begin(), cartes.end(), [Coul](TCard c) { return c.c == Coul; }));
}

int TSuiviMains::s_GetNbNonPrisesInCouleur(TJoueur main, T4Couleur coul) const {
  const int debut = s_GetIndiceOfCouleur(main, coul);
  if (debut == 0) return 0;
  int nombre = 0;
  for (int i = debut; i <= 13 && FJeux(main, i).c == coul; ++i) {
    if (!FSuivi(main, i).played) ++nombre;
  }
  return nombre;
}

int TSuiviMains::s_GetCompteCouleur(TJoueur Joueur, T4Couleur Coul) const { return Couleur(Joueur, Coul).nombre; }

int TSuiviMains::s_GetNbreCartesCouleur(TJoueur Joueur, T4Couleur Coul) const { return Couleur(Joueur, Coul).nombre; }

int TSuiviMains::s_nb_cartes_jouees(TJoueur joueur) const {
  const auto& cartes = FSuivi.cartes[JoueurValide(joueur)];
  return static_cast<int>(std::count_if(cartes.begin(), cartes.end(), [](const TSuiviCarte& x) { return !x.played; }));
}

int TSuiviMains::s_GetNbPlusfortes(T4Couleur Coul, TJoueur Joueur, std::uint8_t h) const {
  CouleurValide(Coul);
  int nombre = 0;
  for (int i = 1; i <= 13; ++i) {
    const TCard carte = FJeux(Joueur, i);
    if (!FSuivi(Joueur, i).played && carte.c == Coul && carte.h > h) ++nombre;
  }
  return nombre;
}

// With no card of the suit the reference rank is 0: every card counts.
int TSuiviMains::s_GetNombreDeCartesSuperieures(TJoueur JoueurOrigine, TJoueur JoueurCompare, T4Couleur Coul) const {
  return s_GetNbPlusfortes(Coul, JoueurCompare, PlusForte(JoueurOrigine, Coul).h);
}

int TSuiviMains::s_CombienDeCartesSuperieures(TJoueur Joueur, T4Couleur Coul) const {
  const std::uint8_t h = PlusForte(Joueur, Coul).h;
  int nombre = 0;
  for (TJoueur adversaire : Adversaires(Joueur)) nombre += s_GetNbPlusfortes(Coul, adversaire, h);
  return nombre;
}

int TSuiviMains::PlusPetiteRestante(TJoueur main, T4Couleur coul) const {
  const int i = s_FindIndiceLastNonPrise(main, coul);
  return i == 0 ? 0 : FJeux(main, i).h;
}

bool TSuiviMains::s_IsInferieureACartesAdverses(TJoueur Joueur, T4Couleur Coul) const {
  const int h = PlusForte(Joueur, Coul).h;
  const std::array<TJoueur, 2> adversaires =
      EstDefenseur(Joueur) ? std::array<TJoueur, 2>{jrSud, jrNord} : std::array<TJoueur, 2>{jrOuest, jrEst};
  bool unDetenteur = false;
  for (TJoueur adversaire : adversaires) {
    const int basse = PlusPetiteRestante(adversaire, Coul);
    if (basse == 0) continue;
    unDetenteur = true;
    if (basse <= h) return false;
  }
  return unDetenteur;
}

int TSuiviMains::s_CompteCartesMaitresses(TJoueur Joueur, T4Couleur Coul) const {
  int nombre = 0;
  for (int i = 1; i <= 13; ++i) {
    const TCard carte = FJeux(Joueur, i);
    if (FSuivi(Joueur, i).played || carte.c != Coul) continue;
    const auto [gauche, droite] = Adversaires(Joueur);
    if (s_GetNbPlusfortes(Coul, gauche, carte.h) + s_GetNbPlusfortes(Coul, droite, carte.h) == 0) ++nombre;
  }
  return nombre;
}

int TSuiviMains::s_CompteCartesSuperieures(TJoueur Joueur, T4Couleur Coul) const {
  int nombre = 0;
  for (int i = 1; i <= 13; ++i) {
    const TCard carte = FJeux(Joueur, i);
    if (FSuivi(Joueur, i).played || carte.c != Coul) continue;
    if (s_GetNbPlusfortes(Coul, Partenaire(Joueur), carte.h) == 0) ++nombre;
  }
  return nombre;
}

int TSuiviMains::s_CompteCartesSuperieuresAbsolues(TJoueur Joueur, T4Couleur Coul) const {
  int somme = 0;
  for (int i = 1; i <= 13; ++i) {
    const TCard carte = FJeux(Joueur, i);
    if (FSuivi(Joueur, i).played || carte.c != Coul) continue;
    for (TJoueur autre : TousLesJoueurs) {
      if (autre != Joueur) somme += s_GetNbPlusfortes(Coul, autre, carte.h);
    }
  }
  return somme;
}

namespace {

template <typename Filtre>
int CompteRestantes(const TSuiviMains& suivi, TJoueur j, T4Couleur c, Filtre filtre) {
  assert(EstCouleurReelle(c));
  int nombre = 0;
  for (int i = 1; i <= 13; ++i) {
    const TSuiviCarte& x = suivi.Suivi(j, i);
    if (!x.played && x.coul == c && filtre(x)) ++nombre;
  }
  return nombre;
}

}  // namespace

int TSuiviMains::s_GetMaitresses(TJoueur Joueur, T4Couleur Coul) const {
  return CompteRestantes(*this, Joueur, Coul, [](const TSuiviCarte& x) { return x.maitresse; });
}

int TSuiviMains::s_GetSuperieures(TJoueur Joueur, T4Couleur Coul) const {
  return CompteRestantes(*this, Joueur, Coul, [](const TSuiviCarte& x) { return x.superieure; });
}

int TSuiviMains::s_ComptesCartesReceveuses(TJoueur Joueur, T4Couleur Coul) const {
  return CompteRestantes(*this, Joueur, Coul, [](const TSuiviCarte& x) { return x.maitresse && x.receptrice; });
}

int TSuiviMains::CompteEntrees(TJoueur Joueur) const {
  int total = 0;
  for (T4Couleur s : ToutesLesCouleurs) total += s_ComptesCartesReceveuses(Joueur, s);
  return total;
}

// ---- Counters and totals ----

int TSuiviMains::s_GetLongueur(TLigne Ligne, T4Couleur Couleur) const { return SuiviLigne(Ligne, Couleur).maxlongueur; }

int TSuiviMains::s_PlusGrandeLongueur(T4Couleur Couleur, bool isNS) const {
  const TJoueur a = isNS ? jrSud : jrOuest;
  return std::max(this->Couleur(a, Couleur).nombre, this->Couleur(Partenaire(a), Couleur).nombre);
}

T4Couleur TSuiviMains::s_GetCouleurLaPlusLongue(TJoueur Joueur) const {
  T4Couleur longue = clTrefle;
  for (T4Couleur s : ToutesLesCouleurs) {
    if (Couleur(Joueur, s).nombre > Couleur(Joueur, longue).nombre) longue = s;
  }
  return longue;
}

int TSuiviMains::s_GetMaitressesLigne(TLigne Ligne, T4Couleur Coul) const {
  const TSuiviLigne& ligne = SuiviLigne(Ligne, Coul);
  return std::min(ligne.maitresses, ligne.maxlongueur);
}

bool TSuiviMains::s_isAllMaitressesInCouleur(TJoueur Joueur, T4Couleur Coul) const {
  const TSuiviCouleur& c = Couleur(Joueur, Coul);
  return c.maitresses == c.nombre;
}

bool TSuiviMains::s_isAllMaitressesOrAffranchiesInCouleur(TJoueur Joueur, T4Couleur Coul) const {
  const TSuiviCouleur& c = Couleur(Joueur, Coul);
  return c.maitresses + c.affranchies == c.nombre;
}

int TSuiviMains::s_GetTotalMaitresses(TJoueur Joueur) const {
  int total = 0;
  for (T4Couleur s : ToutesLesCouleurs) total += Couleur(Joueur, s).maitresses;
  return total;
}

int TSuiviMains::s_GetTotalMaitressesAffranchies(TJoueur Joueur) const {
  int total = 0;
  for (T4Couleur s : ToutesLesCouleurs) total += Couleur(Joueur, s).maitresses + Couleur(Joueur, s).affranchies;
  return total;
}

int TSuiviMains::s_GetTotalCommunications(bool sens) const { return FTotalCommunications[sens ? 1 : 0]; }

// Tricks the partnership can cash at once, seen from Joueur's side: the
// partner's masters count when Joueur can reach them.
int TSuiviMains::s_GetMaitressesRealisables(TJoueur Joueur) const {
  const TJoueur p = Partenaire(Joueur);
  const bool entreesPartenaire = s_GetTotalCommunications(Joueur == jrSud) != 0;
  int total = 0;
  for (T4Couleur s : ToutesLesCouleurs) {
    const TSuiviCouleur& J = Couleur(Joueur, s);
    const TSuiviCouleur& Q = Couleur(p, s);
    int m = J.maitresses;
    if (Q.maitresses != 0 && (J.nombre > J.maitresses || entreesPartenaire)) {
      m = std::min(m + Q.maitresses, J.maxlongueur);
    }
    total += m;
  }
  return total;
}

int TSuiviMains::s_GetRangMini(TJoueur Joueur, T4Couleur Coul) const {
  CouleurValide(Coul);
  int mini = 0;
  for (int i = 1; i <= 13; ++i) {
    const TSuiviCarte& x = FSuivi(Joueur, i);
    if (x.played || x.coul != Coul) continue;
    if (mini == 0 || x.rang < mini) mini = x.rang;
  }
  return mini;
}

// ---- Text ----

std::string TSuiviMains::s_GetCartes(TJoueur main, T4Couleur coul) const {
  const int debut = s_GetIndiceOfCouleur(main, coul);
  if (debut == 0) return " —";
  std::string texte;
  for (int i = debut; i <= 13 && FJeux(main, i).c == coul; ++i) {
    texte += ' ';
    texte += TexteRang(FJeux(main, i).h);
  }
  return texte;
}

}  // namespace kalvo
