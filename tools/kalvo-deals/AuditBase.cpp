#include "tools/kalvo-deals/AuditBase.h"

#include "model/Commentaires.h"
#include "model/ErreurDonnee.h"
#include "tools/authoring/Diagnostics.h"
#include "tools/kalvo-deals/Avancement.h"
#include "tools/kalvo-deals/VerificationBase.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <iostream>

namespace kalvo::outil_donnes {

using namespace redaction;
using Json = nlohmann::ordered_json;

namespace {

constexpr std::array<const char*, NbGenresAudit> NomsJson{"refused_as_good", "deliberate_refusal", "accepted_worse",
                                                          "penalty_out_of_scale", "solver_failure"};

// Right-aligned in a column of `largeur` characters (UTF-8 counted by character).
std::string Colonne(const std::string& texte, std::size_t largeur) {
  std::size_t n = 0;
  for (const unsigned char c : texte) n += (c & 0xC0) != 0x80;
  return std::string(largeur > n ? largeur - n : 0, ' ') + texte;
}

std::string Duree(double ms) {
  char texte[32];
  std::snprintf(texte, sizeof texte, "%.1f s", ms / 1000);
  std::string t = texte;
  if (const auto point = t.find('.'); point != std::string::npos) t[point] = ',';
  return t;
}

struct TLigneTable {
  int Donne = 0;
  TResultatAudit Resultat;
  std::vector<std::string> FautesRaisons;
};

constexpr std::array<std::size_t, 9> Largeurs{5, 10, 9, 13, 7, 13, 10, 12, 8};

void EcritEnTete(std::ostream& sortie) {
  static const std::array<std::string, 9> titres{"Donne",  "Positions",    "Résolues",  "Aussi bonnes", "Voulus",
                                                 "Moins bonnes", "Pénalités", "Exploration", "Durée"};
  for (std::size_t i = 0; i < titres.size(); ++i) sortie << (i ? "  " : "") << Colonne(titres[i], Largeurs[i]);
  sortie << '\n';
}

void EcritLigne(std::ostream& sortie, const std::string& donne, const TResultatAudit& r) {
  const std::string exploration =
      std::to_string(r.Exploration.Lignes) + (r.Exploration.Interrompue ? " (int.)" : "");
  const std::array<std::string, 9> valeurs{donne,
                                           std::to_string(r.PositionsAuditees),
                                           std::to_string(r.PositionsResolues),
                                           std::to_string(r.Nombre(TGenreAudit::RefuseeAussiBonne)),
                                           std::to_string(r.Nombre(TGenreAudit::RefusVoulu)),
                                           std::to_string(r.Nombre(TGenreAudit::AccepteeMoinsBonne)),
                                           std::to_string(r.Nombre(TGenreAudit::PenaliteHorsEchelle)),
                                           exploration,
                                           Duree(r.Millisecondes)};
  for (std::size_t i = 0; i < valeurs.size(); ++i) sortie << (i ? "  " : "") << Colonne(valeurs[i], Largeurs[i]);
  sortie << '\n';
}

Json JsonConstat(const TConstatAudit& c) {
  Json j;
  j["kind"] = NomsJson[static_cast<std::size_t>(c.Genre)];
  j["severity"] = c.Gravite == grErreur ? "error" : c.Genre == TGenreAudit::RefusVoulu ? "info" : "warning";
  j["trick"] = c.Levee;
  j["line"] = c.Ligne;
  j["other_lines"] = c.AutresLignes;
  j["seat"] = std::string(1, LettreJoueurAnglaise(c.Joueur));
  j["card"] = c.Carte.EstReelle() ? CodeCarte(c.Carte) : "";
  j["code"] = c.Code;
  j["penalty"] = c.Penalite;
  j["comment"] = c.Commentaire;
  j["tricks"] = c.LeveesCarte;
  j["best"] = c.LeveesMeilleure;
  j["required"] = c.LeveesRequises;
  if (!c.Raison.empty()) j["reason"] = c.Raison;
  j["message"] = c.Message();
  return j;
}

Json JsonDonne(const TLigneTable& ligne) {
  const TResultatAudit& r = ligne.Resultat;
  Json j;
  j["deal"] = ligne.Donne;
  j["positions"] = r.PositionsAuditees;
  j["solved"] = r.PositionsResolues;
  j["not_scripted"] = r.PositionsHorsScript;
  Json nombres = Json::object();
  for (std::size_t g = 0; g < NomsJson.size(); ++g) nombres[NomsJson[g]] = r.Nombres[g];
  j["counts"] = nombres;
  j["time_ms"] = r.Millisecondes;
  j["double_dummy_ms"] = r.MillisecondesDoubleMort;
  j["exploration"] = {{"lines", r.Exploration.Lignes},
                      {"positions", r.Exploration.Positions},
                      {"positions_seen_again", r.Exploration.PositionsDejaVues},
                      {"interrupted", r.Exploration.Interrompue}};
  Json constats = Json::array();
  for (const TConstatAudit& c : r.Constats) constats.push_back(JsonConstat(c));
  j["findings"] = constats;
  Json exploration = Json::array();
  for (const TConstatExploration& c : r.Exploration.Constats)
    exploration.push_back({{"severity", c.Gravite == grErreur ? "error" : "warning"}, {"trick", c.Levee}, {"message", c.Texte()}});
  j["exploration_findings"] = exploration;
  j["reason_faults"] = ligne.FautesRaisons;
  return j;
}

}  // namespace

int AuditeBase(const TBaseLue& base, const TFichiersExploration& fichiers, const TOptionsAuditBase& options,
               std::ostream& sortie, std::ostream& erreurs) {
  const int nb = static_cast<int>(base.Donnes.size());
  if (options.Donne && (*options.Donne < 1 || *options.Donne > nb)) {
    erreurs << base.Nom << " : la donne " << *options.Donne << " n'est pas dans la base (1 à " << nb << ").\n";
    return 2;
  }
  TDiagnostics diagnostics;
  for (const std::string& a : base.Avertissements) diagnostics.Avertissement(base.Nom, 0, a);
  std::vector<TLigneTable> lignes;
  TAvancement avancement(options.Avancement ? *options.Avancement : std::cerr);
  for (int n = options.Donne.value_or(1); n <= options.Donne.value_or(nb); ++n) {
    TLigneTable ligne;
    ligne.Donne = n;
    const std::string donne = base.Nom + ", donne " + std::to_string(n);
    TOptionsAudit audit;
    audit.Exploration = options.Exploration;
    if (options.Avancement) audit.Exploration.Avancement = avancement.Pour(n, nb);
    audit.Raisons = base.RaisonsDe(n);
    ligne.Resultat = AuditeDonne(fichiers, n, audit);
    avancement.Efface();
    try {
      const TDonne& d = base.Donnes[static_cast<std::size_t>(n - 1)];
      ligne.FautesRaisons = VerifieRaisons(d, LitCommentaires(d).Comment, audit.Raisons);
    } catch (const ErreurDonnee& e) {
      ligne.FautesRaisons.push_back(e.what());
    }
    for (const std::string& f : ligne.FautesRaisons) diagnostics.Erreur(donne, 0, f);
    for (const TConstatExploration& c : ligne.Resultat.Exploration.Constats)
      diagnostics.Ajoute({c.Gravite, LieuConstat(donne, c.Levee), 0, c.Texte()});
    for (const TConstatAudit& c : ligne.Resultat.Constats)
      if (c.Genre != TGenreAudit::RefusVoulu) diagnostics.Ajoute({c.Gravite, LieuConstat(donne, c.Levee), 0, c.Texte()});
    lignes.push_back(std::move(ligne));
  }
  const bool erreur = diagnostics.AErreurs();
  if (options.Json) {
    Json document;
    document["base"] = base.Nom;
    Json donnes = Json::array();
    for (const TLigneTable& l : lignes) donnes.push_back(JsonDonne(l));
    document["deals"] = donnes;
    sortie << document.dump(2) << '\n';
    return erreur ? 1 : 0;
  }
  sortie << "Audit en double mort de " << base.Nom << " :\n";
  EcritEnTete(sortie);
  TResultatAudit total;
  for (const TLigneTable& l : lignes) {
    EcritLigne(sortie, std::to_string(l.Donne), l.Resultat);
    total.PositionsAuditees += l.Resultat.PositionsAuditees;
    total.PositionsResolues += l.Resultat.PositionsResolues;
    for (std::size_t g = 0; g < total.Nombres.size(); ++g) total.Nombres[g] += l.Resultat.Nombres[g];
    total.Exploration.Lignes += l.Resultat.Exploration.Lignes;
    total.Exploration.Interrompue = total.Exploration.Interrompue || l.Resultat.Exploration.Interrompue;
    total.Millisecondes += l.Resultat.Millisecondes;
  }
  if (lignes.size() > 1) EcritLigne(sortie, "Total", total);
  erreurs << diagnostics.Texte();
  return erreur ? 1 : 0;
}

}  // namespace kalvo::outil_donnes
