#include "tools/commun/ArgumentsOutil.h"

#include "model/TexteVisible.h"

#include <CLI/CLI.hpp>

#include <iostream>

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

// The text before the first `marque`, when it is there and not at the start.
std::optional<std::string> Avant(const std::string& texte, std::string_view marque) {
  const std::size_t pos = texte.find(marque);
  if (pos == std::string::npos || pos == 0) return std::nullopt;
  return texte.substr(0, pos);
}

// The text after the first `marque`, when it is there.
std::optional<std::string> Apres(const std::string& texte, std::string_view marque) {
  const std::size_t pos = texte.find(marque);
  if (pos == std::string::npos) return std::nullopt;
  return texte.substr(pos + marque.size());
}

template <typename TErreur>
bool Est(const CLI::ParseError& erreur) {
  return dynamic_cast<const TErreur*>(&erreur) != nullptr;
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
  if (Est<CLI::RequiredError>(erreur)) {
    if (texte.find("subcommand") != std::string::npos) return "il faut une sous-commande : " + SousCommandes(programme);
    // "--db is required"; "Exactly 1 option from [...]" names no single option.
    const auto nom = Avant(texte, " is required");
    if (nom && nom->find(' ') == std::string::npos) return Nomme(*nom) + " est obligatoire";
    return "une option obligatoire manque";
  }
  if (Est<CLI::ExtrasError>(erreur)) {
    if (const auto reste = Apres(texte, "was not expected: ")) return "argument inattendu : " + TexteVisible(*reste);
    if (const auto reste = Apres(texte, "were not expected: ")) return "arguments inattendus : " + TexteVisible(*reste);
    return "argument inattendu";
  }
  if (Est<CLI::ConversionError>(erreur)) {
    if (const auto reste = Apres(texte, "Could not convert: ")) {
      const std::size_t egal = reste->find(" = ");
      if (egal != std::string::npos && egal > 0)
        return "valeur « " + TexteVisible(reste->substr(egal + 3)) + " » illisible pour " + Nomme(reste->substr(0, egal));
    }
    if (const auto nom = Avant(texte, ": too many inputs for a flag")) return Nomme(*nom) + " ne prend pas de valeur";
    return "valeur illisible";
  }
  if (Est<CLI::ArgumentMismatch>(erreur)) {
    if (texte.ends_with(" missing")) {
      if (const auto nom = Avant(texte, ": ")) return "il manque la valeur de " + Nomme(*nom);
    }
    std::optional<std::string> nom = Avant(texte, ": At ");
    if (!nom) nom = Avant(texte, " was given a disallowed flag override");
    if (!nom && texte.starts_with("Expected ")) {
      const auto apres = Apres(texte, " arguments to ");
      if (apres) nom = Avant(*apres, ", got ");
    }
    return nom ? "nombre de valeurs incorrect pour " + Nomme(*nom) : "nombre de valeurs incorrect";
  }
  if (Est<CLI::ExcludesError>(erreur)) {
    if (const auto premier = Avant(texte, " excludes "))
      return Nomme(*premier) + " et " + Nomme(*Apres(texte, " excludes ")) + " ne vont pas ensemble";
  }
  if (Est<CLI::RequiresError>(erreur)) {
    if (const auto premier = Avant(texte, " requires "))
      return Nomme(*premier) + " demande aussi " + Nomme(*Apres(texte, " requires "));
  }
  if (Est<CLI::ValidationError>(erreur)) {
    if (const auto nom = Avant(texte, ": ")) return "valeur refusée pour " + Nomme(*nom);
  }
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
