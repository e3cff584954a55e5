#include "tools/kalvo-deals/VerificationBase.h"

#include "model/Commentaires.h"
#include "model/ErreurDonnee.h"
#include "tools/kalvo-deals/Avancement.h"

#include <cstdio>
#include <iostream>
#include <map>

namespace kalvo::outil_donnes {

using namespace redaction;

std::string TexteLieu(const TLieu& lieu) {
  const std::string n = std::to_string(lieu.Indice);
  switch (lieu.Genre) {
    case glMains: return "mains";
    case glEncheres: return "enchères";
    case glContrat: return "contrat";
    case glAlerte: return lieu.Indice ? "alerte " + n : "alertes";
    case glCommentaire: return lieu.Indice ? "commentaire " + n : "commentaires";
    case glPoint: return "« Le point »";
    case glResume: return "résumé";
    case glChaine: return lieu.Indice ? "chaîne " + n : "script";
    case glGroupe: return "groupe " + n;
    case glCompteur: return "table de compteurs " + n;
    case glPool: return "pool " + n;
    case glJeu: return lieu.Indice ? "jeu complet, levée " + n : "jeu complet";
    case glQuestion: return lieu.Indice ? "question " + n : "questions";
    case glDonne: break;
  }
  return {};
}

namespace {

std::string Millisecondes(double ms) {
  char temps[32];
  std::snprintf(temps, sizeof temps, "%.1f", ms);
  return temps;
}

// The exploration's findings (and the audit's), placed at their trick; the
// summary's words.
std::string Explore(const TOptionsCheck& options, const TBaseLue& base, int n, const std::string& donne,
                    TDiagnostics& diagnostics) {
  TAvancement avancement(options.Avancement ? *options.Avancement : std::cerr);
  TOptionsAudit audit;
  audit.Exploration = options.OptionsExploration;
  if (options.Avancement) audit.Exploration.Avancement = avancement.Pour(n, static_cast<int>(base.Donnes.size()));
  audit.Raisons = base.RaisonsDe(n);
  TResultatAudit a;
  if (options.Audit) {
    a = AuditeDonne(*options.Exploration, n, audit);
  } else {
    a.Exploration = ExploreDonne(*options.Exploration, n, audit.Exploration);
  }
  avancement.Efface();
  const TResultatExploration& r = a.Exploration;
  for (const TConstatExploration& c : r.Constats) diagnostics.Ajoute({c.Gravite, LieuConstat(donne, c.Levee), 0, c.Texte()});
  for (const TConstatAudit& c : a.Constats)
    if (c.Genre != TGenreAudit::RefusVoulu) diagnostics.Ajoute({c.Gravite, LieuConstat(donne, c.Levee), 0, c.Texte()});
  std::string resume = ", exploration " + std::to_string(r.Lignes) + (r.Lignes == 1 ? " ligne" : " lignes") +
                       (r.Interrompue ? " (interrompue)" : "") + ", " + std::to_string(r.Positions) + " positions et " +
                       std::to_string(r.PositionsDejaVues) + " déjà vues [" + Millisecondes(r.Millisecondes) + " ms]";
  if (options.Audit) {
    resume += ", audit de " + std::to_string(a.PositionsAuditees) + " positions (" +
              std::to_string(a.Nombre(TGenreAudit::RefusVoulu)) + " refus voulus) [" +
              Millisecondes(a.MillisecondesDoubleMort) + " ms en double mort]";
  }
  return resume;
}

}  // namespace

std::string LieuConstat(const std::string& donne, int levee) {
  return levee > 0 ? donne + ", levée " + std::to_string(levee) : donne;
}

int VerifieBase(const TBaseLue& base, const TOptionsCheck& check, std::ostream& sortie, std::ostream& erreurs) {
  const bool doubleMort = check.DoubleMort;
  TDiagnostics diagnostics;
  for (const std::string& a : base.Avertissements) diagnostics.Avertissement(base.Nom, 0, a);
  std::map<int, int> fiches;  // collection number -> first deal
  for (std::size_t k = 0; k < base.Donnes.size(); ++k) {
    const int n = static_cast<int>(k) + 1;
    const std::string donne = base.Nom + ", donne " + std::to_string(n);
    const int fiche = base.Volume[n];
    if (const auto [i, nouveau] = fiches.emplace(fiche, n); !nouveau)
      diagnostics.Avertissement(donne, 0, "même numéro de collection (" + std::to_string(fiche) + ") que la donne " +
                                              std::to_string(i->second) + " : elles partagent leurs questions.");
    const TQuestionsDonne* questions = base.QuestionsDe(n);
    if (base.Questions && !questions)
      diagnostics.Avertissement(donne, 0, "le fichier de questions n'a pas de fiche " + std::to_string(fiche) + ".");
    TOptionsVerification options;
    options.DoubleMort = doubleMort;
    const TResultatVerification resultat = VerifieDonne(base.Donnes[k], questions, options);
    for (const TConstat& c : resultat.Constats) {
      const std::string lieu = TexteLieu(c.Lieu);
      diagnostics.Ajoute({c.Gravite, donne + (lieu.empty() ? "" : ", " + lieu), 0, c.Message});
    }
    if (const std::vector<TRaison> raisons = base.RaisonsDe(n); !raisons.empty()) {
      try {
        for (const std::string& faute : VerifieRaisons(base.Donnes[k], LitCommentaires(base.Donnes[k]).Comment, raisons))
          diagnostics.Erreur(donne, 0, faute);
      } catch (const ErreurDonnee&) {
        // The comments cannot be read: the checks above say so.
      }
    }
    sortie << "Donne " << n << " (collection " << fiche << ")";
    if (const auto& dm = resultat.DoubleMort) {
      sortie << " : entame " << NomCarte(dm->Entame) << ", " << dm->LeveesApresEntame << " levées en double mort (il en faut "
             << dm->LeveesRequises << ")";
      if (dm->LeveesJeuComplet >= 0) sortie << ", jeu complet " << dm->LeveesJeuComplet << " levées";
      sortie << " [" << Millisecondes(dm->Millisecondes) << " ms]";
    } else if (doubleMort) {
      sortie << " : pas d'analyse en double mort (donne incomplète)";
    }
    const int avant = diagnostics.NbErreurs();
    if (check.Exploration) sortie << Explore(check, base, n, donne, diagnostics);
    const bool reussi = resultat.Reussi() && diagnostics.NbErreurs() == avant;
    sortie << (reussi ? "" : " — ERREURS") << "\n";
  }
  for (const TRaison& r : base.Raisons)
    if (r.Donne > static_cast<int>(base.Donnes.size()))
      diagnostics.Avertissement(base.Nom, 0, "la table des raisons nomme la donne " + std::to_string(r.Donne) +
                                                 ", qui n'est pas dans la base.");
  erreurs << diagnostics.Texte();
  return diagnostics.AErreurs() ? 1 : 0;
}

}  // namespace kalvo::outil_donnes
