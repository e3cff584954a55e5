// The deal chooser's lines and filters.
#include "control/ListeDonnes.h"

#include "control/ChoixDonnes.h"
#include "model/BridgeTypes.h"

#include <array>
#include <utility>

namespace kalvo {

int SeuilARevoir(const TReglages& reglages) {
  return reglages.ScoreInferieurA >= 1 && reglages.ScoreInferieurA <= 100 ? reglages.ScoreInferieurA
                                                                          : SeuilARevoirParDefaut;
}

bool TentativeDeLaBase(const TTentative& tentative, const TCatalogue& catalogue, const TNumerosVolume& volume) {
  return tentative.Donne >= 1 && tentative.Donne <= catalogue.NbDonnes() &&
         volume[tentative.Donne] == tentative.Collection;
}

TListeDonnes ListeDonnes(const TCatalogue& catalogue, const TNumerosVolume& volume, const TScores& scoresJeu,
                         const TScores& scoresQuestions, std::span<const TTentative> historique, int seuil,
                         int actuelle, bool avecHistorique) {
  TListeDonnes liste;
  liste.Actuelle = actuelle;
  liste.Seuil = seuil;
  liste.AvecHistorique = avecHistorique;
  const int nb = catalogue.NbDonnes();
  std::vector<int> tentatives(static_cast<std::size_t>(nb) + 1, 0);
  for (const TTentative& t : historique)
    if (TentativeDeLaBase(t, catalogue, volume)) ++tentatives[static_cast<std::size_t>(t.Donne)];
  liste.Lignes.reserve(static_cast<std::size_t>(nb));
  for (int n = 1; n <= nb; ++n) {
    TLigneDonne l;
    l.Donne = n;
    l.Collection = volume[n];
    l.Theme = catalogue.Theme(n);
    l.NomTheme = l.Theme >= 1 && l.Theme < NbThemes ? std::string(NomsThemes[static_cast<std::size_t>(l.Theme)]) : "—";
    l.Force = catalogue.Force(n);
    l.NoteJeu = scoresJeu.EstDonne(n) ? scoresJeu[n] : TScores::SansNote;
    l.NoteQuestions = scoresQuestions.EstDonne(n) ? scoresQuestions[n] : TScores::SansNote;
    l.Tentatives = tentatives[static_cast<std::size_t>(n)];
    l.ARevoir = ARevoir(l.NoteJeu, seuil);
    liste.Lignes.push_back(std::move(l));
  }
  return liste;
}

std::string SansAccents(std::string_view texte) {
  // The accented letters French writes, in UTF-8, with their bare letter.
  static constexpr std::array<std::pair<std::string_view, char>, 32> accents{{
      {"à", 'a'}, {"â", 'a'}, {"ä", 'a'}, {"é", 'e'}, {"è", 'e'}, {"ê", 'e'}, {"ë", 'e'}, {"î", 'i'},
      {"ï", 'i'}, {"ô", 'o'}, {"ö", 'o'}, {"ù", 'u'}, {"û", 'u'}, {"ü", 'u'}, {"ç", 'c'}, {"ÿ", 'y'},
      {"À", 'a'}, {"Â", 'a'}, {"Ä", 'a'}, {"É", 'e'}, {"È", 'e'}, {"Ê", 'e'}, {"Ë", 'e'}, {"Î", 'i'},
      {"Ï", 'i'}, {"Ô", 'o'}, {"Ö", 'o'}, {"Ù", 'u'}, {"Û", 'u'}, {"Ü", 'u'}, {"Ç", 'c'}, {"Ÿ", 'y'},
  }};
  std::string resultat;
  resultat.reserve(texte.size());
  for (std::size_t i = 0; i < texte.size();) {
    bool trouve = false;
    for (const auto& [accent, lettre] : accents) {
      if (texte.substr(i).starts_with(accent)) {
        resultat += lettre;
        i += accent.size();
        trouve = true;
        break;
      }
    }
    if (trouve) continue;
    const char c = texte[i++];
    resultat += c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return resultat;
}

bool LigneRetenue(const TLigneDonne& ligne, const TFiltreListe& filtre) {
  if (filtre.Theme != 0 && ligne.Theme != filtre.Theme) return false;
  if (filtre.Force != 0 && ligne.Force != filtre.Force) return false;
  if (filtre.ARevoir && !ligne.ARevoir) return false;
  if (filtre.Recherche.empty()) return true;
  return SansAccents(ligne.NomTheme).find(SansAccents(filtre.Recherche)) != std::string::npos;
}

}  // namespace kalvo
