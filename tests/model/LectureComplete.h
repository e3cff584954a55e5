// Every field of a deal record read through its checked readers, as the
// controller and the engine read them: only the model's own French errors
// may come out. Shared by the random-record tests and the fuzzing target.
#pragma once

#include "model/Commentaires.h"
#include "model/Donne.h"
#include "model/Encheres.h"
#include "model/ErreurDonnee.h"

namespace kalvo::test {

template <class Action>
void SansAutreErreurQueDonnee(Action&& action) {
  try {
    action();
  } catch (const ErreurDonnee&) {
  }
}

// Reads every field of a record through its checked readers.
inline void LitTout(const TDonne& d) {
  SansAutreErreurQueDonnee([&] { d.Mains(); });
  SansAutreErreurQueDonnee([&] { SuiteEncheres(d); });
  SansAutreErreurQueDonnee([&] { LitCommentaires(d); });
  for (int a = 1; a <= 4; ++a) d.Alerte(a);
  for (int c = 1; c <= NbChaines; ++c) {
    const TChaine ch = d.Chaine(c);
    SansAutreErreurQueDonnee([&] { ch.Place(jrNord); });
    for (int s = 1; s <= 2; ++s) {
      for (int a = 1; a <= 3; ++a) ch.Defense(s, a);
      for (int i = 1; i <= 8; ++i) ch.Declarant(s, i);
    }
    SansAutreErreurQueDonnee([&] {
      for (int i = 1; i <= ch.NbCartes(); ++i) ch.CarteTenue(i);
    });
    for (int e = 1; e <= 4; ++e) SansAutreErreurQueDonnee([&] { ch.EntreeLongueur(e); });
    SansAutreErreurQueDonnee([&] { d.Pool(ch.NumeroPool()); });
    SansAutreErreurQueDonnee([&] { ch.Couleur(); });
    SansAutreErreurQueDonnee([&] {
      for (int i = 1; i <= ch.Auto().NbSud(); ++i) ch.Auto().ListeSud(i);
    });
  }
  for (int p = 1; p <= NbPools; ++p) {
    for (T4Couleur s : ToutesLesCouleurs) {
      for (int y = 1; y <= 8; ++y) {
        const TPoolCarte e = d.Pool(p).Entame(y % 2 == 0, s, y);
        SansAutreErreurQueDonnee([&] {
          for (int z = 1; z <= e.NbConditions(); ++z) e.Condition(z);
          for (int k = 1; k <= e.NbSuites(); ++k) e.Suite(k);
          for (int k = 1; k <= e.NbDefausses(); ++k) e.Defausse(k);
        });
        const TPoolAutre a = d.Pool(p).Autre(y % 2 == 0, s, y);
        SansAutreErreurQueDonnee([&] {
          for (int j = 1; j <= a.NbSuites(); ++j) a.Suite(j);
        });
      }
    }
  }
}

}  // namespace kalvo::test
