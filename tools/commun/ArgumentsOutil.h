// The command line of the tools: the option parser speaks French (its help
// and its errors), and bad arguments end the tool with its documented exit
// status and one French line on the error output.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace CLI {
class App;
class ParseError;
}  // namespace CLI

namespace kalvo::outils {

// French headings, help flag and value names in the help of the program and
// of each of its sub-commands. Called once every option is declared.
void FrancisePresentation(CLI::App& programme);

// The parser's error as a French sentence: "l'option --db est obligatoire",
// "argument inattendu : --foo", "valeur « abc » illisible pour --deal"...
std::string MessageErreurArguments(const CLI::ParseError& erreur, const CLI::App& programme);

// Parses the command line. Nothing when the tool goes on; otherwise the exit
// status: 0 once the help is printed, statutArguments once
// "outil : message ; « outil --help » donne les options." is on the error
// output.
std::optional<int> AnalyseArguments(CLI::App& programme, int argc, const char* const* argv, std::string_view outil,
                                    int statutArguments);

}  // namespace kalvo::outils
