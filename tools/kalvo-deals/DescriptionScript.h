// French words for the coded values of a deal record: script cards, chain
// references, node types, question kinds. Used by the dump.
#pragma once

#include "model/BridgeTypes.h"

#include <cstdint>
#include <string>

namespace kalvo::outil_donnes {

// "Roi de Pique", "n'importe quelle carte à Cœur [h=15, c=2]", ...
std::string DecritCarteScript(TCard carte);
// "chaîne 12", "fin de la donne (999)", "aucune (0)", "« 512 » hors des limites".
std::string DecritRenvoi(std::int32_t renvoi);
bool EstRenvoiValide(std::int32_t renvoi);
// "levée", "test de distribution", ... "type 40 inconnu".
std::string NomTypeChaine(int type);
// "répartition d'une couleur entre Ouest et Est", ...
std::string NomTypeQuestion(int type);
// "Sud" or "joueur 9 invalide"; "Pique" or "couleur 9 invalide".
std::string NomJoueurOctet(int octet);
std::string NomCouleurOctet(int octet);
// A rank byte of the pool tables: "As", "10", "n'importe lequel", "maîtresse".
std::string DecritRangScript(int rang);

}  // namespace kalvo::outil_donnes
