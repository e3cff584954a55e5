#include "coaching/VerificationSolution.h"

#include "coaching/MessagesIntegres.h"

namespace kalvo {

namespace {

TCard CarteSolution(const TLeveeSolution& levee, int b) { return b == 1 ? levee.carteJoueur : levee.cartePartenaire; }

bool Convient(const TListeSolutions& liste, int k, const TCoupUtilisateur& coup, const TEtatSolution& etat, int b,
              int t, TCard carte) {
  for (int j = 1; j < t; ++j) {
    const TLeveeSolution& levee = liste.Levee(k, j);
    const auto& couple = etat.CouplesJoues[static_cast<std::size_t>(j - 1)];
    if (levee.carteJoueur != couple[0] || levee.cartePartenaire != couple[1]) return false;
  }
  const TLeveeSolution& levee = liste.Levee(k, t);
  if (!coup.Entame() && CarteSolution(levee, 3 - b) != etat.CouplesJoues[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>(2 - b)])
    return false;
  return CarteSolution(levee, b) == carte;
}

}  // namespace

TVerificationSolution VerifieCarteSolution(const TSuiviMains& suivi, const TCoupUtilisateur& coup,
                                           const TEtatSolution& etat, TCard carte) {
  const int b = coup.JoueurActuel == etat.PremierJoueurSolution ? 1 : 2;
  const int t = etat.indiceCouplesJoues + 1;
  // Solutions hold six tricks at most: beyond them nothing fits.
  if (t > NbMaxLeveesSolution) return {MsgEtourderie, etat};
  const TListeSolutions& liste = suivi.ListeSolutions();
  const int nb = liste.NbSolutions() < NbMaxSolutions ? liste.NbSolutions() : NbMaxSolutions;
  for (int k = etat.indiceSolution < 1 ? 1 : etat.indiceSolution; k <= nb; ++k) {
    if (!Convient(liste, k, coup, etat, b, t, carte)) continue;
    TVerificationSolution r{0, etat};
    r.Etat.indiceSolution = k;
    r.Etat.CouplesJoues[static_cast<std::size_t>(t - 1)][static_cast<std::size_t>(b - 1)] = carte;
    if (!coup.Entame()) ++r.Etat.indiceCouplesJoues;
    return r;
  }
  return {MsgEtourderie, etat};
}

}  // namespace kalvo
