// A deal source fixed for the tests that need its exact lines and
// numbers, whatever becomes of the delivered deals.
#pragma once

#include <string>

namespace kalvo::test {

// The demo deal of the first release, kept here so that the delivered
// deals may change without moving these tests.
inline const std::string Source = R"(collection 1
theme 4
force 1
donneur Sud
contrat 3SA
mains S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642
encheres 1SA passe 3SA passe passe passe
commentaire 1 40 : Ne prenez pas tout de suite.
commentaire 2 30 : Trop tôt.
commentaire 3 20 : Ne défaussez pas un Carreau du mort.
commentaire 4 10 : Attaquez les Carreaux.
commentaire 5 10 : Faites l'impasse.
commentaire 6 10 : Prenez de l'As.
commentaire 7 0 : Le reste est à vous.
chaine roi levee 1 entame Ouest suivante dame
  Ouest : HK
  Nord  : H4 H7
  Est   : H2
  Sud   : H3 H6 HA=1
chaine dame levee 2 entame Ouest suivante valet
  Ouest : HQ
  Nord  : H7 H4
  Est   : H8
  Sud   : H6 H3 HA=2
chaine valet levee 3 entame Ouest suivante impasse
  Ouest : HJ
  Nord  : S* C8 C5 D*=3
  Est   : HT
  Sud   : HA H6=6 H3=6
chaine impasse levee 4 entame Sud suivante fin
  Sud   : D2 D4 D9 S*=4 C*=4
  Ouest : D5
  Nord  : DT DJ DQ D3=5 DA=5
  Est   : DK
chaine fin revendication ns 10 eo 3 commentaire 7
question levee 3 repartition H penalite 10
point
Le point.
fin point
resume
Le résumé.
fin resume
)";

}  // namespace kalvo::test
