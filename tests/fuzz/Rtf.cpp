// The RTF reader: any bytes as a commentary file. Every text it gives the
// screen is UTF-8.
#include "model/FichierIni.h"
#include "model/LecteurRtf.h"
#include "tests/fuzz/Cible.h"

using namespace kalvo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* donnees, std::size_t taille) {
  const TDocumentRtf document = LitRtf(fuzz::Texte(donnees, taille));
  for (const TParagrapheRtf& paragraphe : document.Paragraphes)
    for (const TSegmentRtf& segment : paragraphe.Segments)
      if (!EstUtf8Valide(segment.Texte) || !EstUtf8Valide(segment.Format.Police)) fuzz::Echec("texte qui n'est pas de l'UTF-8");
  return 0;
}
