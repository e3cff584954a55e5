// The PBN reader: any bytes as a PBN file. A file it accepts is written
// back in export format, and that text must read again, game for game.
#include "model/Pbn.h"
#include "tests/fuzz/Cible.h"

#include <string>

using namespace kalvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const std::string_view texte(reinterpret_cast<const char*>(donnees), taille);
  std::string erreur;
  const auto parties = LitPbn(texte, erreur);
  if (!parties) {
    if (erreur.empty()) fuzz::Echec("un fichier refusé sans message");
    return 0;
  }
  const std::string ecrit = EcritPbn(*parties);
  std::string erreurRelue;
  const auto relues = LitPbn(ecrit, erreurRelue);
  if (!relues) fuzz::Echec("le fichier réécrit ne se relit pas : " + erreurRelue);
  if (relues->size() != parties->size()) fuzz::Echec("le fichier réécrit n'a plus le même nombre de donnes");
  return 0;
}
