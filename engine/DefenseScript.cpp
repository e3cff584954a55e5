#include "engine/DefenseScript.h"

#include <optional>

namespace kalvo {

namespace {

TJoueur Joueur(const TPositionDefense& position) { return position.JoueurActuel; }

bool Entame(const TPositionDefense& position) { return position.JoueurActuel == position.Entameur; }

// The suit led, or none when the defender leads (or nothing is on the table).
std::optional<T4Couleur> CouleurEntame(const TPositionDefense& position) {
  if (Entame(position)) return std::nullopt;
  const TCard entame = position.OnTable[position.Entameur];
  if (!entame.EstReelle()) return std::nullopt;
  return entame.Couleur();
}

bool Tient(const TSuiviMains& suivi, TJoueur joueur, T4Couleur s) { return suivi.s_GetCompteCouleur(joueur, s) > 0; }

// Suit byte 7: the suit led when the defender holds it, else the first suit
// it holds (clubs first), else the discard rules.
int CarteToutesCouleurs(const TSuiviMains& suivi, const TPositionDefense& position) {
  const TJoueur p = Joueur(position);
  const std::optional<T4Couleur> entame = CouleurEntame(position);
  if (entame && Tient(suivi, p, *entame)) return suivi.s_FindIndiceLastNonPrise(p, *entame);
  for (T4Couleur s : ToutesLesCouleurs) {
    if (entame && s == *entame) continue;
    if (const int i = suivi.s_FindIndiceLastNonPrise(p, s); i != 0) return i;
  }
  const int defausse = ChoisitDefausse(suivi, position);
  return defausse > 0 ? defausse : 0;
}

int NombreAlternatives(const TChaine& chaine, int place) {
  int n = 0;
  while (n < 3 && chaine.Defense(place, n + 1).Carte.h != RangFinDeListe) ++n;
  return n;
}

int PremiereAlternative(const TDonne& donne, const TSuiviMains& suivi, const TPositionDefense& position, int n,
                        std::optional<T4Couleur> seulement) {
  for (int a = 1; a <= n; ++a) {
    const TCard carte = CarteChaineDefense(donne, suivi, position, position.ChaineActuelle, a);
    if (seulement && carte.c != *seulement) continue;
    if (const int i = PositionCarteDefense(suivi, position, carte); i != 0) return i;
  }
  return 0;
}

}  // namespace

TCard CarteChaineDefense(const TDonne& donne, const TSuiviMains& suivi, const TPositionDefense& position, int chaine,
                         int alternative) {
  const TChaine vue = donne.Chaine(chaine);
  const TCarteDefense e = vue.Defense(vue.Place(Joueur(position)), alternative);
  if (e.SiPrecedente != 0) {
    // An empty place is no card: it must not pass for a club.
    const TCard precedente = position.OnTable[JoueurPrecedent(Joueur(position))];
    const bool concorde = precedente.EstReelle() && precedente.c == e.CarteCondition.c &&
                          (e.CarteCondition.h == RangQuelconque || e.CarteCondition.h == precedente.h);
    return concorde ? e.Carte : TCard{};
  }
  if (e.SiDerniere != 0 && e.Carte.h == RangQuelconque && EstCouleurReelle(e.Carte.c) &&
      suivi.s_GetCompteCouleur(Joueur(position), e.Carte.Couleur()) == 1 &&
      EstCouleurReelle(e.CarteDerniere.c) && e.CarteDerniere.c == e.Carte.c &&
      suivi.s_NeResteQueCetteCarteDansLaCouleur(Joueur(position), e.CarteDerniere)) {
    return e.CarteCondition;
  }
  // Any other last card of the suit: the alternative gives its own card.
  return e.Carte;
}

int RangABattre(const TPositionDefense& position) {
  const TJoueur p = Joueur(position);
  const TJoueur l = position.Entameur;
  if (p == l) return 0;
  const TCard entame = position.OnTable[l];
  const TCard precedente = position.OnTable[JoueurPrecedent(p)];
  if (l == JoueurSuivant(p) && precedente.EstReelle() && precedente.c == entame.c)
    return entame.h > precedente.h ? entame.h : precedente.h;
  if (l == Partenaire(p)) return precedente.h;
  return entame.h;
}

int PositionCarteDefense(const TSuiviMains& suivi, const TPositionDefense& position, TCard carte) {
  const TJoueur p = Joueur(position);
  if (carte.h == RangFinDeListe) return 0;
  if (carte.c == CouleurQuelconque) return CarteToutesCouleurs(suivi, position);
  if (!EstCouleurReelle(carte.c)) return 0;
  const T4Couleur s = carte.Couleur();
  switch (carte.h) {
    case RangQuelconque:
      return suivi.s_FindIndiceLastNonPrise(p, s);
    case RangPlusHaute:
      return suivi.s_GetIndicePlusGrosseCarteNonJouee(p, s);
    case RangBatCampDeclarant: {
      const int i = suivi.s_GetIndicePlusGrosse(p, s, static_cast<std::uint8_t>(RangABattre(position)));
      return i != 0 ? i : suivi.s_FindIndiceLastNonPrise(p, s);
    }
    case RangBasDeSequence: {
      const std::uint8_t rang = suivi.s_PlusPetiteDesEquivalentes(p, s);
      return rang == 0 ? 0 : suivi.s_ChercheIndiceCarte(p, TCard{rang, carte.c});
    }
    default:
      break;
  }
  if (!carte.EstReelle()) return 0;
  const int i = suivi.s_ChercheIndiceCarte(p, carte);
  return (i != 0 && !suivi.s_isCarteJouee(p, i)) ? i : 0;
}

int SansRenonce(const TSuiviMains& suivi, const TPositionDefense& position, int indice) {
  const TJoueur p = Joueur(position);
  const std::optional<T4Couleur> entame = CouleurEntame(position);
  if (!entame || !Tient(suivi, p, *entame)) return indice;
  if (indice >= 1 && indice <= 13 && suivi.Carte(p, indice).c == *entame) return indice;
  return suivi.s_FindIndiceLastNonPrise(p, *entame);
}

int ChoisitCarteDefense(const TDonne& donne, const TSuiviMains& suivi, const TPositionDefense& position) {
  return ChoisitCarteDefenseExpliquee(donne, suivi, position).Indice;
}

TChoixDefense ChoisitCarteDefenseExpliquee(const TDonne& donne, const TSuiviMains& suivi,
                                           const TPositionDefense& position) {
  const TChaine chaine = donne.Chaine(position.ChaineActuelle);
  TChoixDefense choix;
  if (chaine.TypeChaine() == tcLevee) {
    const int n = NombreAlternatives(chaine, chaine.Place(Joueur(position)));
    if (n == 1) {
      choix.Indice = PremiereAlternative(donne, suivi, position, 1, std::nullopt);
    } else if (n > 1) {
      const std::optional<T4Couleur> entame = CouleurEntame(position);
      if (entame && Tient(suivi, Joueur(position), *entame))
        choix.Indice = PremiereAlternative(donne, suivi, position, n, entame);
      if (choix.Indice == 0) choix.Indice = PremiereAlternative(donne, suivi, position, n, std::nullopt);
    }
    if (choix.Indice == 0) {
      choix.Origine = TOrigineDefense::SansCarte;
      for (int a = 1; a <= n && choix.Origine == TOrigineDefense::SansCarte; ++a) {
        const TCard carte = CarteChaineDefense(donne, suivi, position, position.ChaineActuelle, a);
        if (carte.h != RangFinDeListe) {
          choix.Origine = TOrigineDefense::NonTenue;
          choix.Nommee = carte;
        }
      }
    }
  } else {
    choix.Origine = TOrigineDefense::HorsChaine;
  }
  if (choix.Indice == 0) choix.Indice = ChoisitDefausse(suivi, position);
  const int corrigee = SansRenonce(suivi, position, choix.Indice);
  if (corrigee != choix.Indice && choix.Origine == TOrigineDefense::Script) {
    choix.Origine = TOrigineDefense::Renonce;
    choix.Nommee = suivi.Carte(Joueur(position), choix.Indice);
  }
  choix.Indice = corrigee;
  return choix;
}

}  // namespace kalvo
