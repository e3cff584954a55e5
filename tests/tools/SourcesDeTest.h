// Helpers shared by the tests of the deal compiler: the folder of the deal
// sources, and sources compiled without going through files.
#pragma once

#include "tools/authoring/Compilateur.h"
#include "tests/model/DonnesDeTest.h"

#include <filesystem>
#include <optional>
#include <string>

namespace kalvo::test {

// deals/, from the tests' data folder (tests/data).
inline std::filesystem::path DossierDonnes() {
  return std::filesystem::path(KALVO_TEST_DATA).parent_path().parent_path() / "deals";
}

// The small hold-up deal the compiler tests work on; a test fixture now that
// the delivered deals are written in deals/.
inline std::string SourceDemo() { return LitOctets(std::filesystem::path(KALVO_TEST_DATA) / "demo.donne"); }

// The complete example of deals/README.md, as it is written there.
inline std::string ExempleDuReadme() {
  const std::string readme = LitOctets(DossierDonnes() / "README.md");
  const auto marque = readme.find("<!-- exemple-complet -->");
  const auto debut = readme.find("```donne\n", marque);
  const auto fin = readme.find("\n```", debut + 9);
  if (marque == std::string::npos || debut == std::string::npos || fin == std::string::npos)
    throw std::runtime_error("exemple complet introuvable dans deals/README.md");
  return readme.substr(debut + 9, fin + 1 - (debut + 9));
}

// One source compiled and checked; the diagnostics in `diagnostics`.
inline std::optional<redaction::TDonneCompilee> Compile(const std::string& texte, redaction::TDiagnostics& diagnostics,
                                             bool doubleMort = true, const std::string& nom = "essai.donne") {
  auto donne = redaction::CompileDonne(texte, nom, diagnostics, doubleMort);
  if (donne) donne->Donne.SetNumero(1);
  return donne;
}

// The delivered demo deal, compiled (it must compile without error).
inline redaction::TDonneCompilee Demo() {
  redaction::TDiagnostics diagnostics;
  auto donne = Compile(SourceDemo(), diagnostics, false, "demo.donne");
  if (!donne || diagnostics.AErreurs()) throw std::runtime_error("demo.donne : " + diagnostics.Texte());
  return *donne;
}

// The source with its first `avant` replaced by `apres`; the test fails when
// `avant` is not there.
inline std::string Remplace(std::string texte, const std::string& avant, const std::string& apres) {
  const auto pos = texte.find(avant);
  if (pos == std::string::npos) throw std::runtime_error("absent de la source : " + avant);
  return texte.replace(pos, avant.size(), apres);
}

}  // namespace kalvo::test
