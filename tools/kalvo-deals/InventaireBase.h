// "kalvo-deals inventaire": which script features the deals of a base use,
// as a French table or as JSON, and whether every one is used.
#pragma once

#include "tools/kalvo-deals/Inventaire.h"
#include "tools/kalvo-deals/LectureBase.h"

#include <array>
#include <ostream>
#include <string>
#include <vector>

namespace kalvo::outil_donnes {

struct TInventaireBase {
  std::string Nom;                 // file name of the base
  int NbDonnes = 0;
  bool NumerosCollection = false;  // deals named by their collection number
  bool QuestionsMesurees = false;  // a questions file was given
  std::array<std::vector<int>, NbFonctions> Donnes;  // per feature, the deals that use it
  std::vector<std::string> Avertissements;           // French, each naming its deal

  const std::vector<int>& DonnesDe(TFonction f) const { return Donnes[static_cast<std::size_t>(f)]; }
  bool Mesuree(TFonction f) const { return QuestionsMesurees || !EstFonctionQuestion(f); }
  // Measured, expected of a volume and used by no deal.
  std::vector<TFonction> Inutilisees() const;
  // Used by no deal and never expected of one (SansObjet).
  std::vector<TFonction> SansObjetInutilisees() const;
  std::vector<TFonction> NonMesurees() const;
  // 0 when every expected feature is measured and used, else 1.
  int Statut() const;
};

TInventaireBase InventorieBase(const TBaseLue& base);

void EcritInventaire(const TInventaireBase& inventaire, std::ostream& sortie);
void EcritInventaireJson(const TInventaireBase& inventaire, std::ostream& sortie);

}  // namespace kalvo::outil_donnes
