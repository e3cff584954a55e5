// The progress figures.
#include "control/Progres.h"

#include "control/ListeDonnes.h"
#include "model/BridgeTypes.h"

#include <algorithm>
#include <map>
#include <set>

namespace kalvo {

namespace {

struct TCumul {
  long long Somme = 0;
  int Tentatives = 0;
  std::set<int> Donnes;
  void Ajoute(int donne, int note) {
    Somme += note;
    ++Tentatives;
    Donnes.insert(donne);
  }
};

std::vector<TMoyenneProgres> Moyennes(const std::map<int, TCumul>& cumuls, bool themes) {
  std::vector<TMoyenneProgres> moyennes;
  for (const auto& [cle, c] : cumuls) {
    TMoyenneProgres m;
    m.Cle = cle;
    m.Nom = themes ? (cle >= 1 && cle < NbThemes ? std::string(NomsThemes[static_cast<std::size_t>(cle)]) : "—")
                   : "Force " + std::to_string(cle);
    m.Moyenne = static_cast<int>((c.Somme * 2 + c.Tentatives) / (c.Tentatives * 2));  // rounded half up
    m.Donnes = static_cast<int>(c.Donnes.size());
    m.Tentatives = c.Tentatives;
    moyennes.push_back(std::move(m));
  }
  return moyennes;
}

}  // namespace

TProgres CalculeProgres(std::span<const TTentative> historique, const TCatalogue& catalogue,
                        const TNumerosVolume& volume, int nbPoints, int nbATravailler) {
  TProgres progres;
  progres.AvecHistorique = true;
  std::map<int, TCumul> parTheme, parForce;
  std::vector<const TTentative*> notees;
  for (const TTentative& t : historique) {
    if (t.NoteJeu < 0 || t.NoteJeu > 100 || !TentativeDeLaBase(t, catalogue, volume)) continue;
    parTheme[catalogue.Theme(t.Donne)].Ajoute(t.Donne, t.NoteJeu);
    parForce[catalogue.Force(t.Donne)].Ajoute(t.Donne, t.NoteJeu);
    notees.push_back(&t);
  }
  progres.TentativesNotees = static_cast<int>(notees.size());
  progres.ParTheme = Moyennes(parTheme, true);
  progres.ParForce = Moyennes(parForce, false);
  const std::size_t debut = notees.size() > static_cast<std::size_t>(std::max(nbPoints, 0))
                                ? notees.size() - static_cast<std::size_t>(std::max(nbPoints, 0))
                                : 0;
  for (std::size_t i = debut; i < notees.size(); ++i)
    progres.Tendance.push_back({notees[i]->DateHeure, notees[i]->Donne, notees[i]->NoteJeu});
  // Theme 0 is "no theme": nothing to work on there.
  for (const TMoyenneProgres& m : progres.ParTheme)
    if (m.Cle != 0) progres.ATravailler.push_back(m);
  // The weakest first; at equal averages, the theme tried more often (its
  // average says more), then the theme number.
  std::stable_sort(progres.ATravailler.begin(), progres.ATravailler.end(),
                   [](const TMoyenneProgres& a, const TMoyenneProgres& b) {
                     if (a.Moyenne != b.Moyenne) return a.Moyenne < b.Moyenne;
                     return a.Tentatives > b.Tentatives;
                   });
  if (progres.ATravailler.size() > static_cast<std::size_t>(std::max(nbATravailler, 0)))
    progres.ATravailler.resize(static_cast<std::size_t>(std::max(nbATravailler, 0)));
  return progres;
}

}  // namespace kalvo
