// The settings reader: any bytes as the settings file. The values read stay
// within their ranges, and what the program writes back over those bytes
// reads back as the same settings and marks.
#include "model/Reglages.h"
#include "tests/fuzz/Cible.h"

using namespace kalvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  constexpr int NbDonnes = 4;
  const std::string_view octets = fuzz::Texte(donnees, taille);
  const TLectureReglages lue = LitReglagesTexte(octets, NbDonnes, "fuzz.INI");
  const TEtatReglages& etat = lue.Etat;
  if (etat.Reglages.Vitesse < 0 || etat.Reglages.Vitesse > 10 || etat.Reglages.SetCartes < 1 ||
      etat.Reglages.SetCartes > 3 || etat.DonneActuelle < 1 || etat.DonneActuelle > NbDonnes)
    fuzz::Echec("réglage hors de ses limites");
  for (int n = 1; n <= NbDonnes; ++n)
    if (etat.ScoresJeu[n] < -1 || etat.ScoresJeu[n] > 100) fuzz::Echec("note hors de ses limites");
  const std::string ecrit = TexteReglages(etat, octets);
  const TLectureReglages relue = LitReglagesTexte(ecrit, NbDonnes, "fuzz.INI");
  if (!(relue.Etat == etat)) fuzz::Echec("les réglages écrits ne se relisent pas à l'identique");
  return 0;
}
