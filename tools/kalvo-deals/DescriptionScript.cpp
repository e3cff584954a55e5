#include "tools/kalvo-deals/DescriptionScript.h"

#include "model/StructuresDonne.h"

namespace kalvo::outil_donnes {

namespace {

std::string Brut(TCard carte) {
  return " [h=" + std::to_string(carte.h) + ", c=" + std::to_string(carte.c) + "]";
}

// " à Cœur", "" for any suit, or an invalid mark.
std::string ACouleur(std::uint8_t c) {
  if (EstCouleurReelle(c)) return " à " + std::string(NomsCouleurs[c]);
  if (c == CouleurQuelconque) return " de n'importe quelle couleur";
  return " (couleur " + std::to_string(c) + " invalide)";
}

std::string NomRang(int h) {
  if (h >= 11 && h <= 14) return std::string(NomsHonneurs[static_cast<std::size_t>(h - 11)]);
  return std::to_string(h);
}

}  // namespace

std::string DecritCarteScript(TCard carte) {
  const std::uint8_t h = carte.h, c = carte.c;
  if (h >= 2 && h <= 14) {
    if (EstCouleurReelle(c)) return NomCarte(carte);
    return NomRang(h) + ACouleur(c) + Brut(carte);
  }
  switch (h) {
    case RangFinDeListe: return "fin de liste" + Brut(carte);
    case RangQuelconque: return "n'importe quelle carte" + ACouleur(c) + Brut(carte);
    case RangPlusHaute: return "la plus haute carte (défense) ou une maîtresse (déclarant)" + ACouleur(c) + Brut(carte);
    case RangBatCampDeclarant: return "la moins chère qui bat la carte du camp du déclarant" + ACouleur(c) + Brut(carte);
    case RangGroupe:
      return (c >= 1 && c <= NbGroupes ? "une carte du groupe " + std::to_string(c)
                                       : "groupe " + std::to_string(c) + " hors des limites (1 à 4)") + Brut(carte);
    case RangBasDeSequence: return "la plus basse de la séquence maîtresse" + ACouleur(c) + Brut(carte);
    case RangBatPartenaire: return "une carte qui bat celle du partenaire" + ACouleur(c) + Brut(carte);
    case RangCompteur:
      return (c >= 1 && c <= NbTablesCompteurs ? "compteur, table " + std::to_string(c)
                                               : "table de compteurs " + std::to_string(c) + " hors des limites (1 à 2)") +
             Brut(carte);
    default: return "code de carte inconnu" + Brut(carte);
  }
}

bool EstRenvoiValide(std::int32_t renvoi) {
  return (renvoi >= -1 && renvoi <= NbChaines) || (renvoi >= ActionSolution && renvoi <= ActionFinDonne);
}

std::string DecritRenvoi(std::int32_t renvoi) {
  if (renvoi >= 1 && renvoi <= NbChaines) return "chaîne " + std::to_string(renvoi);
  switch (renvoi) {
    case 0: return "aucune (0)";
    case -1: return "aucune (-1)";
    case ActionSolution: return "mode solution (996)";
    case ActionAutomatique: return "mode automatique (997)";
    case ActionPool: return "mode pool (998)";
    case ActionFinDonne: return "fin de la donne (999)";
    default: return "« " + std::to_string(renvoi) + " » hors des limites (1 à 400 ou 996 à 999)";
  }
}

std::string NomTypeChaine(int type) {
  switch (type) {
    case tcLevee: return "levée";
    case tcDistribution: return "test de distribution";
    case tcCartesTenues: return "test de cartes encore tenues";
    case tcHasard: return "choix au hasard";
    case tcGagnantLevee: return "test du gagnant de la levée";
    case tcRevendication: return "fin par revendication";
    case tcRetourDebut: return "retour à la chaîne 1";
    case tcLongueur: return "test de longueur";
    case tcPartenairePrend: return "test : le partenaire peut-il prendre";
    case tcAutomatique: return "mode automatique";
    case tcPool: return "mode pool";
    case tcSolution: return "mode solution";
    default: return "type " + std::to_string(type) + " inconnu, traité comme un retour à la chaîne 1";
  }
}

std::string NomTypeQuestion(int type) {
  switch (type) {
    case 0: return "l'entame ou la première défausse";
    case 1: return "les points d'honneur";
    case 2: return "le nombre de cartes dans chaque couleur";
    case 3: return "qui possède une carte";
    case 4: return "le nombre de cartes dans une couleur";
    case 5: return "la répartition d'une couleur entre Ouest et Est";
    default: return "type " + std::to_string(type) + " inconnu";
  }
}

std::string NomJoueurOctet(int octet) {
  if (EstJoueurValide(octet)) return std::string(NomsJoueurs[static_cast<std::size_t>(octet)]);
  return "joueur " + std::to_string(octet) + " invalide";
}

std::string NomCouleurOctet(int octet) {
  if (EstCouleurReelle(octet)) return std::string(NomsCouleurs[static_cast<std::size_t>(octet)]);
  if (octet == CouleurQuelconque) return "n'importe quelle couleur";
  return "couleur " + std::to_string(octet) + " invalide";
}

std::string DecritRangScript(int rang) {
  if (rang >= 2 && rang <= 14) return NomRang(rang);
  if (rang == RangQuelconque) return "n'importe lequel";
  if (rang == RangPlusHaute) return "une maîtresse";
  if (rang == 0) return "aucun";
  return "rang " + std::to_string(rang) + " inconnu";
}

}  // namespace kalvo::outil_donnes
