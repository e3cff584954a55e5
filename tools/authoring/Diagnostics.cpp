#include "tools/authoring/Diagnostics.h"

#include "model/TexteVisible.h"

#include <algorithm>

namespace kalvo::redaction {

std::string Formate(const TDiagnostic& diagnostic) {
  std::string texte = TexteVisible(diagnostic.Fichier);
  if (diagnostic.Ligne > 0) texte += ", ligne " + std::to_string(diagnostic.Ligne);
  texte += " : ";
  if (diagnostic.Gravite == grAvertissement) texte += "attention : ";
  return texte + TexteVisible(diagnostic.Message);
}

std::string Guillemets(std::string_view mot) { return "« " + TexteVisible(mot) + " »"; }

void TDiagnostics::Erreur(std::string fichier, int ligne, std::string message) {
  Ajoute({grErreur, std::move(fichier), ligne, std::move(message)});
}

void TDiagnostics::Avertissement(std::string fichier, int ligne, std::string message) {
  Ajoute({grAvertissement, std::move(fichier), ligne, std::move(message)});
}

void TDiagnostics::Ajoute(TDiagnostic diagnostic) {
  if (std::find(liste_.begin(), liste_.end(), diagnostic) == liste_.end()) liste_.push_back(std::move(diagnostic));
}

void TDiagnostics::Ajoute(const TDiagnostics& autres) {
  for (const TDiagnostic& d : autres.liste_) Ajoute(d);
}

int TDiagnostics::NbErreurs() const {
  return static_cast<int>(std::count_if(liste_.begin(), liste_.end(),
                                        [](const TDiagnostic& d) { return d.Gravite == grErreur; }));
}

std::string TDiagnostics::Texte() const {
  std::string texte;
  for (const TDiagnostic& d : liste_) texte += Formate(d) + '\n';
  return texte;
}

}  // namespace kalvo::redaction
