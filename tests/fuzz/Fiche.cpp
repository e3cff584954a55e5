// The deal record reader: any bytes as the first record of a database (cut
// or padded to one record; what is beyond a record stays as a broken tail),
// read by the catalogue, by the reading of a deal and through every checked
// view of the record; the two commentaries it writes go through the RTF
// reader.
#include "model/BaseDonnes.h"
#include "model/LecteurRtf.h"
#include "tests/fuzz/Cible.h"
#include "tests/model/LectureComplete.h"

#include <algorithm>
#include <fstream>

using namespace kalvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  std::vector<std::uint8_t> octets(donnees, donnees + taille);
  if (octets.size() < TDonne::Taille) octets.resize(TDonne::Taille);
  const TDonne fiche(std::span<const std::uint8_t>(octets).first(TDonne::Taille), 1);
  test::LitTout(fiche);

  const TEmplacementBase emplacement{fuzz::Dossier()};
  {
    std::ofstream base(emplacement.Donnes(), std::ios::binary | std::ios::trunc);
    base.write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
  }
  const TResultatCatalogue catalogue = ChargeCatalogue(emplacement.Donnes());
  if (!catalogue.Ok() && catalogue.Erreurs.empty()) fuzz::Echec("catalogue refusé sans message");
  try {
    const TDonneLue lue = LitDonne(emplacement, {}, 1);
    LitRtf(lue.Resume);
    LitRtf(lue.Point);
  } catch (const ErreurDonnee&) {
  } catch (const ErreurFichier&) {
  }
  return 0;
}
