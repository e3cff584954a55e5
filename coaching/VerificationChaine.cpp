#include "coaching/VerificationChaine.h"

#include "coaching/MessagesIntegres.h"
#include "engine/NavigationScript.h"

#include <optional>

namespace kalvo {

namespace {

// What one alternative makes of the card.
enum class TVerdict { Suivante, Acceptee, Immediat };

struct TExamen {
  TVerdict Verdict = TVerdict::Suivante;
  int Code = 0;            // for Immediat
  int TableCompteur = 0;   // for Immediat with code 0
};

bool MemeCarteOuRang15(TCard liste, TCard carte) {
  return liste.h != RangFinDeListe && liste.c == carte.c && (liste.h == carte.h || liste.h == RangQuelconque);
}

// A prerequisite the hand never held cannot hold anything back.
bool PrealableJoue(const TSuiviMains& suivi, TJoueur main, TCard prealable) {
  const int i = suivi.s_ChercheIndiceCarte(main, prealable);
  return i == 0 || suivi.s_isCarteJouee(main, i);
}

TExamen ExamineGroupe(const TDonne& donne, const TSuiviMains& suivi, TJoueur main, int groupe, TCard carte) {
  const TGroupe g = donne.Groupe(groupe);
  bool tousJoues = true;
  for (TCard p : g.Prealables)
    if (p.h != RangFinDeListe && !PrealableJoue(suivi, main, p)) tousJoues = false;
  bool acceptee = false;
  for (TCard a : g.Acceptees) acceptee = acceptee || MemeCarteOuRang15(a, carte);
  if (tousJoues) return {acceptee ? TVerdict::Acceptee : TVerdict::Suivante};
  for (TCard p : g.Prealables)
    if (p.h != RangFinDeListe && p == carte) return {TVerdict::Acceptee};
  if (acceptee) return {TVerdict::Immediat, g.Code};
  return {TVerdict::Suivante};
}

TExamen ExamineCompteur(const TDonne& donne, int table, TCard carte) {
  const TCompteur compteur = donne.Compteur(table, carte.Couleur());
  bool liste = false;
  for (std::uint8_t r : compteur.Rangs) liste = liste || (r != 0 && (r == carte.h || r == RangQuelconque));
  if (!liste) return {TVerdict::Immediat, MsgDefausseInterdite};
  if (compteur.Reste <= 0) return {TVerdict::Immediat, compteur.Code};
  return {TVerdict::Immediat, 0, table};
}

TExamen ExamineAlternative(const TDonne& donne, const TSuiviMains& suivi, const TCoupUtilisateur& coup, TCard a,
                           TCard carte) {
  const TJoueur main = coup.JoueurActuel;
  switch (a.h) {
    case RangGroupe:
      return ExamineGroupe(donne, suivi, main, a.c, carte);
    case RangCompteur:
      return ExamineCompteur(donne, a.c, carte);
    case RangBatPartenaire: {
      const TCard partenaire = coup.OnTable[Partenaire(main)];
      if (partenaire.EstReelle() && partenaire.c == carte.c && partenaire.h < carte.h) return {TVerdict::Acceptee};
      return {TVerdict::Immediat, MsgSurprendre};
    }
    case RangPlusHaute:
      // Read as "a master card of the suit" for the declarer side.
      if ((a.c == carte.c || a.c == CouleurQuelconque) && suivi.is_Maitresse(main, carte)) return {TVerdict::Acceptee};
      return {TVerdict::Suivante};
    default:
      break;
  }
  const bool concorde = (a.c == carte.c || a.c == CouleurQuelconque) && (a.h == carte.h || a.h == RangQuelconque);
  if (concorde && !AlternativeEpuisee(donne, suivi, main, a)) return {TVerdict::Acceptee};
  return {TVerdict::Suivante};
}

}  // namespace

TVerificationChaine VerifieCarteChaine(const TDonne& donne, const TSuiviMains& suivi, const TCoupUtilisateur& coup,
                                       int chaineActuelle, TCard carte, const std::function<bool()>& hasard) {
  TVerificationChaine r;
  r.ChaineActuelle = chaineActuelle;
  int c = chaineActuelle;
  for (int etape = 0; etape < NbMaxEtapesScript; ++etape) {
    const TChaine chaine = donne.Chaine(c);
    const int place = chaine.Place(coup.JoueurActuel);
    for (int i = 1; i <= 8; ++i) {
      const TCarteDeclarant alternative = chaine.Declarant(place, i);
      if (alternative.Carte.h == RangFinDeListe) break;
      const TExamen examen = ExamineAlternative(donne, suivi, coup, alternative.Carte, carte);
      if (examen.Verdict == TVerdict::Suivante) continue;
      r.Trouvee = true;
      r.ChaineTrouvee = c;
      if (examen.Verdict == TVerdict::Immediat) {
        r.Code = examen.Code;
        r.TableCompteur = examen.TableCompteur;
        return r;
      }
      if (c != chaineActuelle) {
        r.FirstChaine = chaineActuelle;
        r.ChaineActuelle = c;
      }
      r.Code = alternative.Code;
      return r;
    }
    c = ChaineEquivalenteSuivante(donne, suivi, c, coup.Gagnant, hasard);
    if (c == 0) return r;
  }
  throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "les chaînes équivalentes de la chaîne " +
                     std::to_string(chaineActuelle) + " tournent en rond.");
}

bool AlternativeEpuisee(const TDonne& donne, const TSuiviMains& suivi, TJoueur main, TCard alternative) {
  if (alternative.c == CouleurQuelconque) {
    if (alternative.h != RangQuelconque) return true;
    for (T4Couleur s : ToutesLesCouleurs)
      if (suivi.s_FindIndiceLastNonPrise(main, s) != 0) return false;
    return true;
  }
  if (!EstCouleurReelle(alternative.c)) return true;
  if (alternative.h == RangQuelconque) return suivi.s_FindIndiceLastNonPrise(main, alternative.Couleur()) == 0;
  if (alternative.h == RangPlusHaute) {
    for (int i = 1; i <= 13; ++i) {
      const TCard carte = suivi.Carte(main, i);
      if (carte.c == alternative.c && suivi.is_Maitresse(main, carte)) return false;
    }
    return true;
  }
  if (!alternative.EstReelle()) return true;
  for (int i = 1; i <= 13; ++i)
    if (donne.CarteMain(main, i) == alternative) return suivi.s_isCarteJouee(main, i);
  return true;
}

TCard CarteChaine(const TDonne& donne, const TSuiviMains& suivi, const TPositionDefense& position, int chaine, int i) {
  const TJoueur joueur = position.JoueurActuel;
  if (EstDefenseur(joueur)) return CarteChaineDefense(donne, suivi, position, chaine, i);
  const TChaine vue = donne.Chaine(chaine);
  return vue.Declarant(vue.Place(joueur), i).Carte;
}

int CodeChaine(const TDonne& donne, TJoueur joueur, int chaine, int i) {
  if (EstDefenseur(joueur)) return 0;
  const TChaine vue = donne.Chaine(chaine);
  return vue.Declarant(vue.Place(joueur), i).Code;
}

void DecompteCompteur(TDonne& donne, int table, T4Couleur couleur) {
  TCompteur compteur = donne.Compteur(table, couleur);
  if (compteur.Reste > 0) --compteur.Reste;
  donne.SetCompteur(table, couleur, compteur);
}

}  // namespace kalvo
