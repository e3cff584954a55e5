// export-pbn: the whole volume as one PBN file; depuis-pbn: a PBN deal as
// the skeleton of a lesson source. Either writes its file whole or not at all.
#include "model/ErreurDonnee.h"
#include "tools/authoring/Compilateur.h"
#include "tools/kalvo-deals/Commandes.h"
#include "tools/kalvo-deals/PbnBase.h"

#include <CLI/CLI.hpp>

#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

namespace kalvo::outil_donnes {

void AjouteCommandeExportPbn(CLI::App& programme, int& statut) {
  auto* commande = programme.add_subcommand(
      "export-pbn", "Écrit toutes les donnes d'une base (.DAT) en PBN, avec la bonne ligne comme jeu de la carte.");
  auto base = std::make_shared<std::string>();
  auto volume = std::make_shared<std::string>();
  auto sortie = std::make_shared<std::string>();
  commande->add_option("BASE", *base, "Base de donnes (.DAT)")->required();
  commande->add_option("--volume", *volume, "Table des numéros de collection (par défaut : .VOL à côté de la base)");
  commande->add_option("-o,--out", *sortie, "Fichier PBN à écrire")->required();
  commande->callback([=, &statut] {
    try {
      const TBaseLue lue = LitBase(*base, std::nullopt,
                                   volume->empty() ? std::nullopt : std::optional<std::filesystem::path>(*volume));
      for (const std::string& avertissement : lue.Avertissements) std::cerr << avertissement << '\n';
      redaction::EcritFichier(*sortie, PbnDeBase(lue));
      std::cout << *sortie << " : " << lue.Donnes.size() << (lue.Donnes.size() > 1 ? " donnes" : " donne") << " en PBN.\n";
      statut = 0;
    } catch (const std::runtime_error& e) {  // ErreurFichier, ErreurDonnee
      std::cerr << e.what() << '\n';
      statut = 1;
    }
  });
}

void AjouteCommandeDepuisPbn(CLI::App& programme, int& statut) {
  auto* commande = programme.add_subcommand(
      "depuis-pbn", "Écrit le squelette d'une donne (.donne) à partir d'une donne PBN, le déclarant tourné en Sud.");
  auto fichier = std::make_shared<std::string>();
  auto board = std::make_shared<int>(0);
  auto sortie = std::make_shared<std::string>();
  commande->add_option("FICHIER", *fichier, "Fichier PBN")->required();
  commande->add_option("--board", *board, "La partie [Board \"N\"] (par défaut : la première)");
  commande->add_option("-o,--out", *sortie, "Source à écrire (NOM.donne)")->required();
  commande->callback([=, &statut] {
    statut = 1;
    std::ifstream flux(*fichier, std::ios::binary);
    if (!flux) {
      std::cerr << "Impossible de lire le fichier « " << *fichier << " ».\n";
      return;
    }
    std::ostringstream texte;
    texte << flux.rdbuf();
    const std::string nom = std::filesystem::path(*fichier).filename().string();
    std::string erreur;
    const auto parties = LitPbn(texte.str(), erreur);
    if (!parties) {
      std::cerr << nom << ", " << erreur << '\n';
      return;
    }
    const TPartiePbn* choisie = &parties->front();
    if (*board != 0) {
      choisie = nullptr;
      for (const TPartiePbn& partie : *parties)
        if (partie.Board == *board && choisie == nullptr) choisie = &partie;
      if (choisie == nullptr) {
        std::cerr << nom << " : aucune partie [Board \"" << *board << "\"].\n";
        return;
      }
    }
    const auto squelette = SqueletteDonne(*choisie, nom, erreur);
    if (!squelette) {
      std::cerr << nom << ", " << erreur << '\n';
      return;
    }
    try {
      redaction::EcritFichier(*sortie, *squelette);
    } catch (const ErreurFichier& e) {
      std::cerr << e.what() << '\n';
      return;
    }
    std::cout << *sortie << " : squelette écrit depuis " << nom << " (partie de la ligne " << choisie->LigneDebut << ").\n";
    statut = 0;
  });
}

}  // namespace kalvo::outil_donnes
