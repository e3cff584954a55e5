#include "tools/kalvo-engine/EtatJson.h"

#include <string>

namespace kalvo::outil_moteur {

namespace {

// Suits as the output lists them: spades first.
constexpr std::array<T4Couleur, 4> OrdreSortie{clPique, clCoeur, clCarreau, clTrefle};
constexpr std::array<TJoueur, 2> Declarants{jrSud, jrNord};

std::string Lettre(TJoueur j) { return std::string(1, LettreJoueurAnglaise(j)); }
std::string Lettre(T4Couleur c) { return std::string(1, LettreCouleurAnglaise(c)); }

TJson CarteJson(const TSuiviCarte& x) {
  return TJson{{"superieure", x.superieure},   {"maitresse", x.maitresse},   {"affranchie", x.affranchie},
               {"communicante", x.communicante}, {"receptrice", x.receptrice}, {"isolee", x.isolee},
               {"numero", x.numero},           {"rang", x.rang},             {"rang_absolu", x.rang_absolu}};
}

TJson MainJson(const TSuiviMains& suivi, TJoueur j) {
  TJson cartes = TJson::object();
  for (int i = 1; i <= 13; ++i) {
    if (!suivi.s_isCarteJouee(j, i)) cartes[CodeCarte(suivi.Carte(j, i))] = CarteJson(suivi.Suivi(j, i));
  }
  TJson couleurs = TJson::object();
  for (T4Couleur s : OrdreSortie) {
    const TSuiviCouleur& c = suivi.SuiviCouleur(j, s);
    couleurs[Lettre(s)] = TJson{{"nombre", c.nombre},
                                {"maxlongueur", c.maxlongueur},
                                {"superieures", c.superieures},
                                {"maitresses", c.maitresses},
                                {"affranchies", c.affranchies}};
  }
  return TJson{{"cards", cartes}, {"suits", couleurs}};
}

TJson LigneJson(const TSuiviMains& suivi, TLigne ligne) {
  TJson couleurs = TJson::object();
  for (T4Couleur s : OrdreSortie) {
    const TSuiviLigne& l = suivi.SuiviLigne(ligne, s);
    couleurs[Lettre(s)] = TJson{{"nombre", l.nombre}, {"maxlongueur", l.maxlongueur}, {"maitresses", l.maitresses}};
  }
  return couleurs;
}

TJson SituationJson(const TSuiviMains& suivi, TJoueur j) {
  static constexpr std::array<const char*, 3> causes{"csNormale", "csIsolee", "csBloquee"};
  const TSituation situation = suivi.s_ExamineSituation(j);
  TJson entrees = TJson::array();
  for (int i = 1; i <= situation.Nombre(); ++i) {
    const TSituationCarte& e = situation(i);
    entrees.push_back(TJson{{"card", CodeCarte(e.c)},
                            {"jouable", e.jouable},
                            {"cause", causes[e.cause]},
                            {"msg", e.msg}});
  }
  return entrees;
}

}  // namespace

TJson EtatJson(const TSuiviMains& suivi) {
  TJson mains = TJson::object();
  for (TJoueur j : TousLesJoueurs) mains[Lettre(j)] = MainJson(suivi, j);

  TJson communications = TJson::object();
  TJson blocage = TJson::object();
  TJson realisables = TJson::object();
  TJson situation = TJson::object();
  for (TJoueur j : Declarants) {
    TJson entrees = TJson::object();
    TJson bloquees = TJson::array();
    for (T4Couleur s : OrdreSortie) {
      entrees[Lettre(s)] = suivi.Communications(j, s);
      if (suivi.Bloquee(j, s)) bloquees.push_back(Lettre(s));
    }
    entrees["total"] = suivi.TotalCommunications(j);
    communications[Lettre(j)] = entrees;
    blocage[Lettre(j)] = bloquees;
    realisables[Lettre(j)] = suivi.s_GetMaitressesRealisables(j);
    situation[Lettre(j)] = SituationJson(suivi, j);
  }

  return TJson{{"hands", mains},
               {"lines", TJson{{"NS", LigneJson(suivi, liNS)}, {"EO", LigneJson(suivi, liEO)}}},
               {"communications", communications},
               {"blocage", blocage},
               {"realisables", realisables},
               {"situation", situation}};
}

TJson SolutionsJson(const TSuiviMains& suivi, TJoueur joueur, int levee) {
  const int n = 14 - levee;
  const TListeSolutions& liste = suivi.ListeSolutions();
  TJson solutions = TJson::array();
  for (int c = 1; c <= liste.NbSolutions(); ++c) {
    TJson levees = TJson::array();
    for (int t = 1; t <= n; ++t) {
      const TLeveeSolution& l = liste.Levee(c, t);
      levees.push_back(TJson::array({Lettre(l.entameur), CodeCarte(l.carteJoueur), CodeCarte(l.cartePartenaire)}));
    }
    solutions.push_back(std::move(levees));
  }
  return TJson{{"event", "solutions"},
               {"player", Lettre(joueur)},
               {"trick", levee},
               {"count", liste.NbSolutions()},
               {"list", std::move(solutions)}};
}

}  // namespace kalvo::outil_moteur
