// kalvo-play: plays one deal of a database through the game controller,
// with a screen that shows nothing and a user that is a script or chance,
// and writes what a user would see as JSON lines.
#include "control/Controleur.h"
#include "control/EcranEnregistreur.h"
#include "model/FichierIni.h"
#include "model/TexteVisible.h"
#include "tools/commun/ArgumentsOutil.h"
#include "tools/kalvo-play/PartieJouee.h"

#include <CLI/CLI.hpp>
#include <unistd.h>

#include <fstream>
#include <iostream>
#include <memory>
#include <set>
#include <sstream>

namespace kalvo::outil_partie {
namespace {

struct TOptions {
  std::string base, questions, volume, reglages, script, pbn;
  std::vector<std::string> valeurs;
  int donne = 0;
  int collection = 0;
  int parcours = 0;
  std::uint32_t graine = 1;
  std::optional<std::uint32_t> hasard;
};

int Erreur(const std::string& message, int statut) {
  std::cerr << "kalvo-play : " << TexteVisible(message) << '\n';
  return statut;
}

std::optional<std::string> LitFichier(const std::string& chemin) {
  std::ifstream flux(chemin, std::ios::binary);
  if (!flux) return std::nullopt;
  std::ostringstream texte;
  texte << flux.rdbuf();
  return texte.str();
}

// The settings file (if any) with the --set values written over it.
std::optional<std::string> TexteReglages(const TOptions& options, std::string& erreur) {
  static const std::set<std::string> cles{"CompteLevees", "Notation",  "ErreursComments", "4Jeux",       "DispoSud",
                                          "DispoNord",    "Questions", "Vitesse",         "Cartes",      "Encheres",
                                          "Themes",       "Force",     "Aléatoire",       "Ordre",       "TypeDonnes",
                                          "NumeroTheme",  "ForceChoisie", "ScoreInferieurA", "SetCartes",
                                          "AnalyseImprevues", "GrandesCartes", "ContrasteEleve"};
  std::string octets;
  if (!options.reglages.empty()) {
    const std::optional<std::string> lu = LitFichier(options.reglages);
    if (!lu) {
      erreur = "impossible de lire le fichier de réglages « " + options.reglages + " ».";
      return std::nullopt;
    }
    octets = *lu;
  }
  TFichierIni ini = TFichierIni::Analyse(octets);
  for (const std::string& valeur : options.valeurs) {
    const auto egal = valeur.find('=');
    std::string cle = valeur.substr(0, egal);
    if (cle == "Aleatoire") cle = "Aléatoire";
    if (egal == std::string::npos || !cles.contains(cle)) {
      erreur = "réglage « " + valeur + " » inconnu (--set Clé=Valeur, clés de la section Options).";
      return std::nullopt;
    }
    ini.Ecrit("Options", cle, valeur.substr(egal + 1));
  }
  return ini.Octets();
}

// A data folder of the run's own for the commentary files the deal writes.
class TDossierTemporaire {
 public:
  TDossierTemporaire() {
    chemin_ = std::filesystem::temp_directory_path() / ("kalvo-play-" + std::to_string(::getpid()));
    std::filesystem::create_directories(chemin_);
  }
  ~TDossierTemporaire() {
    std::error_code erreur;
    std::filesystem::remove_all(chemin_, erreur);
  }
  const std::filesystem::path& Chemin() const { return chemin_; }

 private:
  std::filesystem::path chemin_;
};

int Principal(int argc, char** argv) {
  CLI::App app{"Joue une donne de la base par le contrôleur de l'entraîneur, sans écran ; écrit une ligne JSON par événement."};
  TOptions o;
  app.add_option("--db", o.base, "base de donnes (.DAT)")->required();
  app.add_option("--questions", o.questions, "fichier de questions (.ASK) ; sans lui, aucune question");
  app.add_option("--volume", o.volume, "table des numéros de collection (.VOL) ; défaut : à côté de la base");
  auto* donne = app.add_option("--deal", o.donne, "numéro de la donne dans la base (1..)");
  auto* collection =
      app.add_option("--collection", o.collection, "numéro de collection de la donne, lu dans la table (.VOL)");
  donne->excludes(collection);
  app.add_option("--settings", o.reglages, "fichier de réglages (.INI), lu sans être écrit");
  app.add_option("--set", o.valeurs, "réglage Clé=Valeur de la section Options (répétable)");
  app.add_option("--seed", o.graine, "graine des tirages de l'entraîneur (défaut 1)");
  auto* script = app.add_option("--script", o.script, "script des gestes (défaut : l'entrée standard)");
  auto* hasard = app.add_option("--random-user", o.hasard, "un utilisateur qui joue au hasard, avec cette graine");
  script->excludes(hasard);
  auto* marche = app.add_option("--walk", o.parcours,
                                 "ne joue pas : écrit les N donnes que « Suivante » propose à partir de la donne "
                                 "choisie (N négatif : « Précédente »), selon l'ordre et le type de donnes des réglages");
  app.add_option("--pbn", o.pbn, "écrit la donne jouée en PBN dans ce fichier (à l'écran de fin de donne)");
  outils::FrancisePresentation(app);
  if (const auto statut = outils::AnalyseArguments(app, argc, argv, "kalvo-play", StatutArguments)) return *statut;
  if (donne->count() == 0 && collection->count() == 0)
    return Erreur("la donne à jouer manque (--deal N ou --collection N).", StatutArguments);

  std::string erreur;
  const std::optional<std::string> reglages = TexteReglages(o, erreur);
  if (!reglages) return Erreur(erreur, StatutArguments);

  std::unique_ptr<TUtilisateur> utilisateur;
  if (marche->count() > 0) {
    if (!o.pbn.empty() || !o.script.empty() || o.hasard)
      return Erreur("--walk ne joue aucune donne : il s'emploie sans --script, --random-user ni --pbn.", StatutArguments);
    utilisateur = std::make_unique<TUtilisateurScript>(std::string{});
  }
  if (!utilisateur) try {
    if (o.hasard) {
      utilisateur = std::make_unique<TUtilisateurHasard>(*o.hasard);
    } else {
      std::optional<std::string> texte;
      if (o.script.empty()) {
        std::ostringstream entree;
        entree << std::cin.rdbuf();
        texte = entree.str();
      } else {
        texte = LitFichier(o.script);
      }
      if (!texte) return Erreur("impossible de lire le script « " + o.script + " ».", StatutArguments);
      utilisateur = std::make_unique<TUtilisateurScript>(*texte);
    }
  } catch (const ErreurScript& e) {
    return Erreur(e.what(), StatutScript);
  }

  const TDossierTemporaire dossier;
  TConfigurationControleur configuration;
  const std::filesystem::path base = std::filesystem::absolute(o.base);
  configuration.Emplacement.Dossier = dossier.Chemin();
  configuration.Emplacement.FichierDonnes = base.string();
  configuration.Emplacement.FichierQuestions =
      o.questions.empty() ? (dossier.Chemin() / "aucune.ASK").string() : std::filesystem::absolute(o.questions).string();
  configuration.FichierVolume =
      o.volume.empty() ? base.parent_path() / NomTableVolume(base.filename().string()) : std::filesystem::path(o.volume);
  configuration.TexteReglages = *reglages;
  configuration.Graine = o.graine;
  // The verdict on an unforeseen card is waited for: the output must not
  // depend on the machine's speed.
  configuration.DelaiAnalyse = std::nullopt;
  TPartieJouee partie(configuration, std::move(utilisateur), std::cout);
  if (marche->count() > 0) {
    if (collection->count() == 0) return partie.Parcourt(o.donne, o.parcours);
    const std::optional<int> depart = partie.DonneDeCollection(o.collection);
    return depart ? partie.Parcourt(*depart, o.parcours) : StatutArguments;
  }
  const int statut = collection->count() > 0 ? partie.JoueCollection(o.collection) : partie.Joue(o.donne);
  if (o.pbn.empty()) return statut;
  if (partie.Pbn().empty()) return Erreur("la donne n'a pas atteint l'écran de fin : rien à écrire dans « " + o.pbn + " ».", statut == StatutFini ? StatutDonneeAbimee : statut);
  std::ofstream fichier(o.pbn, std::ios::binary | std::ios::trunc);
  fichier << partie.Pbn();
  fichier.close();
  if (!fichier) return Erreur("impossible d'écrire « " + o.pbn + " ».", StatutArguments);
  return statut;
}

}  // namespace
}  // namespace kalvo::outil_partie

int main(int argc, char** argv) { return kalvo::outil_partie::Principal(argc, argv); }
