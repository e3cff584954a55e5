#include "tools/kalvo-deals/InventaireBase.h"

#include <nlohmann/json.hpp>

#include <algorithm>

namespace kalvo::outil_donnes {

using Json = nlohmann::ordered_json;

namespace {

std::size_t Largeur(std::string_view texte) {
  return static_cast<std::size_t>(
      std::count_if(texte.begin(), texte.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

std::string Complete(std::string texte, std::size_t largeur) {
  const std::size_t l = Largeur(texte);
  if (l < largeur) texte.append(largeur - l, ' ');
  return texte;
}

std::string Droite(const std::string& texte, std::size_t largeur) {
  const std::size_t l = Largeur(texte);
  return std::string(largeur > l ? largeur - l : 0, ' ') + texte;
}

std::string Liste(const std::vector<int>& numeros) {
  std::string texte;
  for (int n : numeros) texte += (texte.empty() ? "" : ", ") + std::to_string(n);
  return texte;
}

std::string Libelles(const std::vector<TFonction>& fonctions) {
  std::string texte;
  for (TFonction f : fonctions) texte += (texte.empty() ? "" : " ; ") + std::string(Description(f).Libelle);
  return texte;
}

std::size_t LargeurLibelles() {
  std::size_t largeur = Largeur("Fonction");
  for (TFonction f : ToutesLesFonctions()) largeur = std::max(largeur, Largeur(Description(f).Libelle));
  return largeur;
}

}  // namespace

std::vector<TFonction> TInventaireBase::Inutilisees() const {
  std::vector<TFonction> liste;
  for (TFonction f : ToutesLesFonctions())
    if (Mesuree(f) && DonnesDe(f).empty() && SansObjet(f).empty()) liste.push_back(f);
  return liste;
}

std::vector<TFonction> TInventaireBase::SansObjetInutilisees() const {
  std::vector<TFonction> liste;
  for (TFonction f : ToutesLesFonctions())
    if (DonnesDe(f).empty() && !SansObjet(f).empty()) liste.push_back(f);
  return liste;
}

std::vector<TFonction> TInventaireBase::NonMesurees() const {
  std::vector<TFonction> liste;
  for (TFonction f : ToutesLesFonctions())
    if (!Mesuree(f)) liste.push_back(f);
  return liste;
}

int TInventaireBase::Statut() const { return Inutilisees().empty() && NonMesurees().empty() ? 0 : 1; }

TInventaireBase InventorieBase(const TBaseLue& base) {
  TInventaireBase inventaire;
  inventaire.Nom = base.Nom;
  inventaire.NbDonnes = static_cast<int>(base.Donnes.size());
  inventaire.NumerosCollection = !base.Volume.EstIdentite();
  inventaire.QuestionsMesurees = base.Questions.has_value();
  for (const std::string& a : base.Avertissements) inventaire.Avertissements.push_back(base.Nom + " : " + a);
  for (int n = 1; n <= inventaire.NbDonnes; ++n) {
    const int numero = base.Volume[n];
    const TInventaireDonne donne = InventorieDonne(base.Donnes[static_cast<std::size_t>(n - 1)], base.QuestionsDe(n));
    for (TFonction f : donne.Usages.Liste()) inventaire.Donnes[static_cast<std::size_t>(f)].push_back(numero);
    for (const std::string& a : donne.Avertissements)
      inventaire.Avertissements.push_back(base.Nom + ", donne " + std::to_string(n) + " : " + a);
  }
  for (auto& numeros : inventaire.Donnes) std::sort(numeros.begin(), numeros.end());
  return inventaire;
}

void EcritInventaire(const TInventaireBase& inventaire, std::ostream& sortie) {
  sortie << "Fonctions du script dans " << inventaire.Nom << " : " << inventaire.NbDonnes
         << (inventaire.NbDonnes > 1 ? " donnes" : " donne") << ", désignées par leur numéro "
         << (inventaire.NumerosCollection ? "de collection" : "de donne") << ".\n\n";
  const std::size_t largeur = LargeurLibelles();
  sortie << Complete("Fonction", largeur) << "  Donnes  Lesquelles\n";
  for (TFonction f : ToutesLesFonctions()) {
    const std::vector<int>& numeros = inventaire.DonnesDe(f);
    sortie << Complete(std::string(Description(f).Libelle), largeur) << "  ";
    if (inventaire.Mesuree(f))
      sortie << Droite(std::to_string(numeros.size()), 6) << (numeros.empty() ? "" : "  " + Liste(numeros)) << '\n';
    else
      sortie << Droite("—", 6) << "  non mesurée (pas de fichier de questions)\n";
  }
  sortie << '\n';
  const std::vector<TFonction> inutilisees = inventaire.Inutilisees();
  const std::vector<TFonction> nonMesurees = inventaire.NonMesurees();
  if (!inutilisees.empty())
    sortie << "Fonctions jamais utilisées : " << Libelles(inutilisees) << ".\n";
  else if (nonMesurees.empty())
    sortie << "Toutes les fonctions attendues du script sont utilisées.\n";
  for (TFonction f : inventaire.SansObjetInutilisees())
    sortie << "Non exigée, " << Description(f).Libelle << " : " << SansObjet(f) << ".\n";
  if (!nonMesurees.empty())
    sortie << "Les questions ne sont pas mesurées : donnez le fichier de questions avec --questions.\n";
}

void EcritInventaireJson(const TInventaireBase& inventaire, std::ostream& sortie) {
  Json j;
  j["base"] = inventaire.Nom;
  j["deals"] = inventaire.NbDonnes;
  j["numbering"] = inventaire.NumerosCollection ? "collection" : "deal";
  j["questions_measured"] = inventaire.QuestionsMesurees;
  j["features"] = Json::array();
  for (TFonction f : ToutesLesFonctions()) {
    Json ligne{{"key", Description(f).Cle}, {"label", Description(f).Libelle}, {"measured", inventaire.Mesuree(f)}};
    ligne["deals"] = inventaire.DonnesDe(f);
    j["features"].push_back(std::move(ligne));
  }
  j["unused"] = Json::array();
  for (TFonction f : inventaire.Inutilisees()) j["unused"].push_back(Description(f).Cle);
  j["not_expected"] = Json::array();
  for (TFonction f : inventaire.SansObjetInutilisees()) j["not_expected"].push_back(Description(f).Cle);
  j["not_measured"] = Json::array();
  for (TFonction f : inventaire.NonMesurees()) j["not_measured"].push_back(Description(f).Cle);
  j["all_used"] = inventaire.Statut() == 0;
  j["warnings"] = inventaire.Avertissements;
  sortie << j.dump(2) << '\n';
}

}  // namespace kalvo::outil_donnes
