// The table of the deal chooser ("Choisir une donne"): one line per deal of
// the base with its marks and attempts, and the chooser's filters. Pure:
// the screen only shows the lines and hides those the filter leaves out.
#pragma once

#include "model/BaseDonnes.h"
#include "model/Historique.h"
#include "model/Reglages.h"

#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

struct TLigneDonne {
  int Donne = 0;
  int Collection = 0;
  int Theme = 0;
  std::string NomTheme;  // "—" for theme 0 or out of the table
  int Force = 0;
  int NoteJeu = -1;  // the marks of the settings file; -1 none
  int NoteQuestions = -1;
  int Tentatives = 0;  // attempts of this deal in the history
  bool ARevoir = false;  // below the threshold or never played
  friend bool operator==(const TLigneDonne&, const TLigneDonne&) = default;
};

struct TListeDonnes {
  std::vector<TLigneDonne> Lignes;
  int Actuelle = 0;  // the deal shown, selected when the chooser opens
  int Seuil = 0;     // the "à revoir" threshold used
  bool AvecHistorique = false;  // false: the attempts column says nothing
};

// The "à revoir" threshold: the settings' own when they hold one (1..100),
// SeuilARevoirParDefaut otherwise.
int SeuilARevoir(const TReglages& reglages);

// An attempt counts for deal n only when it carries n's collection number:
// attempts made on another base (the demonstration, then Volume 1) are not
// mixed with this one's.
bool TentativeDeLaBase(const TTentative& tentative, const TCatalogue& catalogue, const TNumerosVolume& volume);

TListeDonnes ListeDonnes(const TCatalogue& catalogue, const TNumerosVolume& volume, const TScores& scoresJeu,
                         const TScores& scoresQuestions, std::span<const TTentative> historique, int seuil,
                         int actuelle, bool avecHistorique);

struct TFiltreListe {
  int Theme = 0;    // 0: every theme
  int Force = 0;    // 0: every difficulty
  bool ARevoir = false;
  std::string Recherche;  // part of the theme name, any case, accents or not
};
bool LigneRetenue(const TLigneDonne& ligne, const TFiltreListe& filtre);

// Lower case without accents, for the search: "Élimination" → "elimination".
std::string SansAccents(std::string_view texte);

}  // namespace kalvo
