#include "tools/commun/ArgumentsOutil.h"

#include "model/TexteVisible.h"

#include <CLI/CLI.hpp>

#include <iostream>
#include <regex>

namespace kalvo::outils {

namespace {

void FranciseCommande(CLI::App& commande) {
  commande.set_help_flag("-h,--help", "Affiche cette aide");
  for (CLI::Option* option : commande.get_options()) {
    const std::string type = option->get_type_name();
    if (type == "TEXT") option->type_name("TEXTE");
    else if (type == "INT" || type == "UINT") option->type_name("ENTIER");
    else if (type == "FLOAT") option->type_name("NOMBRE");
  }
  for (CLI::App* sous : commande.get_subcommands([](CLI::App*) { return true; })) FranciseCommande(*sous);
}

// The names of the program's sub-commands: "compile, check ou dump".
std::string SousCommandes(const CLI::App& programme) {
  const std::vector<const CLI::App*> sous = programme.get_subcommands([](const CLI::App*) { return true; });
  std::string liste;
  for (std::size_t i = 0; i < sous.size(); ++i) {
    if (i > 0) liste += i + 1 == sous.size() ? " ou " : ", ";
    liste += sous[i]->get_name();
  }
  return liste;
}

// "--db" is an option, "FICHIER" an argument given by its place.
std::string Nomme(const std::string& nom) {
  const std::string visible = TexteVisible(nom);
  return nom.starts_with('-') ? "l'option " + visible : "l'argument " + visible;
}

}  // namespace

void FrancisePresentation(CLI::App& programme) {
  const auto presentation = programme.get_formatter();
  presentation->label("Usage", "Utilisation");
  presentation->label("Positionals", "Arguments");
  presentation->label("Subcommands", "Sous-commandes");
  presentation->label("SUBCOMMAND", "SOUS-COMMANDE");
  presentation->label("SUBCOMMANDS", "SOUS-COMMANDES");
  presentation->label("REQUIRED", "OBLIGATOIRE");
  presentation->label("Needs", "Demande");
  presentation->label("Excludes", "Exclut");
  FranciseCommande(programme);
}

std::string MessageErreurArguments(const CLI::ParseError& erreur, const CLI::App& programme) {
  // The parser's English sentences are known by their shape; what they
  // name (an option, a value) is kept.
  const std::string texte = erreur.what();
  std::smatch m;
  const auto forme = [&](const char* motif) { return std::regex_match(texte, m, std::regex(motif)); };
  if (dynamic_cast<const CLI::RequiredError*>(&erreur) != nullptr) {
    if (forme("(.+) is required") && texte.find("subcommand") == std::string::npos)
      return Nomme(m[1]) + " est obligatoire";
    if (texte.find("subcommand") != std::string::npos) return "il faut une sous-commande : " + SousCommandes(programme);
    return "une option obligatoire manque";
  }
  if (dynamic_cast<const CLI::ExtrasError*>(&erreur) != nullptr) {
    if (forme("The following arguments? (?:was|were) not expected: (.*)")) {
      const bool plusieurs = texte.find("arguments were") != std::string::npos;
      return std::string(plusieurs ? "arguments inattendus : " : "argument inattendu : ") + TexteVisible(m[1].str());
    }
    return "argument inattendu";
  }
  if (dynamic_cast<const CLI::ConversionError*>(&erreur) != nullptr) {
    if (forme("Could not convert: (.+) = (.*)"))
      return "valeur « " + TexteVisible(m[2].str()) + " » illisible pour " + Nomme(m[1]);
    if (forme("The value (.*) is not an allowed value for (.+)"))
      return "valeur « " + TexteVisible(m[1].str()) + " » refusée pour " + Nomme(m[2]);
    if (forme("(.+): too many inputs for a flag")) return Nomme(m[1]) + " ne prend pas de valeur";
    return "valeur illisible";
  }
  if (dynamic_cast<const CLI::ArgumentMismatch*>(&erreur) != nullptr) {
    if (forme("(.+): [0-9]+ required .* missing")) return "il manque la valeur de " + Nomme(m[1]);
    if (forme("Expected .* arguments to (.+), got [0-9]+") || forme("(.+): At (?:least|Most) .*") ||
        forme("(.+) was given a disallowed flag override"))
      return "nombre de valeurs incorrect pour " + Nomme(m[1]);
    return "nombre de valeurs incorrect";
  }
  if (dynamic_cast<const CLI::ExcludesError*>(&erreur) != nullptr && forme("(.+) excludes (.+)"))
    return Nomme(m[1]) + " et " + Nomme(m[2]) + " ne vont pas ensemble";
  if (dynamic_cast<const CLI::RequiresError*>(&erreur) != nullptr && forme("(.+) requires (.+)"))
    return Nomme(m[1]) + " demande aussi " + Nomme(m[2]);
  if (dynamic_cast<const CLI::ValidationError*>(&erreur) != nullptr && forme("([^:]+): .*"))
    return "valeur refusée pour " + Nomme(m[1]);
  return "arguments invalides";
}

std::optional<int> AnalyseArguments(CLI::App& programme, int argc, const char* const* argv, std::string_view outil,
                                    int statutArguments) {
  try {
    programme.parse(argc, argv);
  } catch (const CLI::Success& e) {
    return programme.exit(e);
  } catch (const CLI::ParseError& e) {
    std::cerr << outil << " : " << MessageErreurArguments(e, programme) << " ; « " << outil
              << " --help » donne les options.\n";
    return statutArguments;
  }
  return std::nullopt;
}

}  // namespace kalvo::outils
