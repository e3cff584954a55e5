#include "coaching/VerificationPool.h"

namespace kalvo {

namespace {

constexpr bool RangConcorde(int rang, TCard carte) { return rang == carte.h || rang == RangQuelconque; }

// The code of the last failing condition of the entry, or `code` unchanged.
int ExamineConditions(const TSuiviMains& suivi, TJoueur main, const TPoolCarte& entree, int code) {
  for (int z = 1; z <= entree.NbConditions(); ++z) {
    const TConditionPool condition = entree.Condition(z);
    const TCard carte = condition.Carte;
    if (carte.h == RangPlusHaute) {
      const T4Couleur s = static_cast<T4Couleur>(
          VerifieBornes(carte.c, clTrefle, clPique, entree.NumeroDonne(), "couleur d'une condition de pool"));
      if (suivi.s_GetMaitresses(Partenaire(main), s) == 0) {
        code = condition.Code;
        break;
      }
      continue;
    }
    if (!carte.EstReelle()) continue;
    const TJoueur detenteur = suivi.s_QuiACetteCarte(carte);
    const int indice = suivi.s_ChercheIndiceCarte(detenteur, carte);
    if (indice == 0) continue;
    const bool jouee = suivi.s_isCarteJouee(detenteur, indice);
    if ((condition.Genre == 1 && !jouee) || (condition.Genre == 2 && jouee)) code = condition.Code;
  }
  return code;
}

TVerificationPool Entame(const TPool& pool, const TSuiviMains& suivi, TJoueur main, TCard carte) {
  TVerificationPool r;
  r.Entame = {0, carte};
  const bool sud = main == jrSud;
  for (int y = 1; y <= 8; ++y) {
    const TPoolCarte entree = pool.Entame(sud, carte.Couleur(), y);
    if (!RangConcorde(entree.Rang(), carte)) continue;
    r.Entame.numero_carte = y;
    r.Code = ExamineConditions(suivi, main, entree, r.Code);
  }
  if (r.Entame.numero_carte != 0) return r;
  for (int y = 1; y <= 8; ++y) {
    const TPoolAutre autre = pool.Autre(sud, carte.Couleur(), y);
    if (RangConcorde(autre.Rang(), carte)) {
      r.Code = autre.Code();
      return r;
    }
  }
  r.Code = 70;
  return r;
}

int Reponse(const TPool& pool, const TSuiviMains& suivi, const TCoupUtilisateur& coup, const TEntamePool& entame,
            TCard carte) {
  const bool sud = coup.Entameur == jrSud;
  const TPoolCarte entree = pool.Entame(sud, entame.Carte1.Couleur(), entame.numero_carte);
  if (carte.c == entame.Carte1.c) {
    for (int k = 1; k <= entree.NbSuites(); ++k) {
      const TSuitePool suite = entree.Suite(k);
      if (RangConcorde(suite.Rang, carte)) return suite.Code;
    }
    const TPoolAutre autre = pool.Autre(sud, entame.Carte1.Couleur(), entame.numero_carte);
    for (int j = 1; j <= autre.NbSuites(); ++j) {
      const TSuiteAutre suite = autre.Suite(j);
      if (RangConcorde(suite.Rang, carte)) return suite.Code;
    }
    return 0;
  }
  for (int k = 1; k <= entree.NbDefausses(); ++k) {
    const TDefaussePool defausse = entree.Defausse(k);
    const bool couleur = defausse.Couleur == CouleurQuelconque || defausse.Couleur == carte.c;
    const bool rang = RangConcorde(defausse.Rang, carte) ||
                      (defausse.Rang == RangPlusHaute && suivi.is_Maitresse(coup.JoueurActuel, carte));
    if (couleur && rang) return defausse.Code;
  }
  return 0;
}

}  // namespace

TVerificationPool VerifieCartePool(const TDonne& donne, const TSuiviMains& suivi, const TCoupUtilisateur& coup,
                                   int NumeroPool, const TEntamePool& entame, TCard carte) {
  if (EstDefenseur(coup.Entameur)) return {0, entame};
  const TPool pool = donne.Pool(NumeroPool);
  if (coup.Entame()) return Entame(pool, suivi, coup.JoueurActuel, carte);
  if (entame.numero_carte == 0 || !entame.Carte1.EstReelle()) return {0, entame};
  return {Reponse(pool, suivi, coup, entame, carte), entame};
}

}  // namespace kalvo
