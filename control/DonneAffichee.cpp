#include "control/DonneAffichee.h"

namespace kalvo {

TDonneAffichee PrepareDonneAffichee(const TDonneLue& donne, int numero) {
  const TDonne& d = donne.Donne;
  TDonneAffichee affichee;
  affichee.Numero = numero;
  affichee.Contrat = {d.NiveauContrat(), d.Atout()};
  affichee.Mains = d.Mains();
  affichee.Donneur = d.Donneur();
  affichee.Vulnerabilite = d.Vulnerabilite();
  affichee.Encheres = SuiteEncheres(d);
  for (int n = 1; n <= NbAlertes; ++n) affichee.Alertes[static_cast<std::size_t>(n - 1)] = TexteAlerte(d, n);
  affichee.Revue = LitRevueEncheres(d);
  affichee.FinDonne = PrepareFinDonne(d, numero);
  affichee.Resume = LitRtf(donne.Resume);
  affichee.Point = LitRtf(donne.Point);
  return affichee;
}

}  // namespace kalvo
