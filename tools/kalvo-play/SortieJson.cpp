#include "tools/kalvo-play/SortieJson.h"

#include "control/EcranJeu.h"
#include "model/Encheres.h"
#include "model/NotationMains.h"

namespace kalvo::outil_partie {

namespace {

constexpr std::array<T4Couleur, 4> OrdreSortie{clPique, clCoeur, clCarreau, clTrefle};

std::string Action(int action) {
  switch (action) {
    case ActionSuivante: return "next";
    case ActionRejouer: return "replay";
    case ActionArreter: return "stop";
    default: return std::to_string(action);
  }
}

TJson Reponse(const TQuestionPosee& q, const TReponseQuestion& r, bool attendue) {
  switch (q.Type) {
    case tqCarte: return CodeCarte(attendue ? q.CarteAttendue : r.Carte);
    case tqPoints:
    case tqJ4MQ4: return attendue ? q.NombreAttendu : r.Nombre;
    case tqDejaVues:
    case tqRepartition: return attendue ? q.PropositionAttendue : r.Proposition;
    case tqPCarte: {
      if (!attendue) return LettreSiege(r.Joueur);
      TJson sieges = TJson::array();
      for (TJoueur j : TousLesJoueurs)
        if (q.JoueursAttendus[j]) sieges.push_back(LettreSiege(j));
      return sieges;
    }
  }
  return nullptr;
}

TJson Propositions(const TQuestionPosee& q) {
  TJson propositions = TJson::array();
  for (int k = 0; k < q.NbPropositions && k < 4; ++k) {
    const auto i = static_cast<std::size_t>(k);
    if (q.Type == tqDejaVues) {
      TJson p = TJson::object();
      for (T4Couleur s : OrdreSortie) p[std::string(1, LettreCouleurAnglaise(s))] = q.Repart[i][s];
      propositions.push_back(p);
    } else if (q.Type == tqRepartition) {
      propositions.push_back(TJson::array({q.repartProp[i][0], q.repartProp[i][1]}));
    }
  }
  return propositions;
}

}  // namespace

std::string LettreSiege(TJoueur joueur) { return std::string(1, LettreJoueurAnglaise(joueur)); }

void TSortieJson::Ecrit(const TJson& ligne) {
  flux_ << ligne.dump(-1, ' ', false, TJson::error_handler_t::replace) << '\n';
  flux_.flush();
}

void TSortieJson::DonneChargee(int numero, const TDonneLue& lue) {
  const TDonne& donne = lue.Donne;
  const T4Jeux jeux = donne.Mains();
  TJson mains = TJson::object();
  for (TJoueur j : TousLesJoueurs) mains[LettreSiege(j)] = EcritMain(MainDeCartes(jeux.cartes[j]));
  TJson ligne{{"event", "deal"}};
  if (collections_) ligne["collection"] = (*collections_)[numero];
  else ligne["number"] = numero;
  ligne["contract"] = TexteContrat(donne.NiveauContrat(), donne.Atout());
  ligne["dealer"] = LettreSiege(donne.Donneur());
  ligne["hands"] = mains;
  Ecrit(ligne);
}

void TSortieJson::CarteJouee(int levee, TJoueur joueur, TCard carte) {
  Ecrit({{"event", "card"}, {"trick", levee}, {"seat", LettreSiege(joueur)}, {"card", CodeCarte(carte)}});
}

void TSortieJson::CarteRefusee(const TRefus& refus) {
  static constexpr std::array<const char*, 3> signaux{"comment", "warning", "beep"};
  TJson ligne{{"event", "refused"},
              {"seat", LettreSiege(refus.Joueur)},
              {"card", CodeCarte(refus.Carte)},
              {"code", refus.Code},
              {"marks", refus.Points},
              {"signal", signaux[static_cast<std::size_t>(refus.Signal)]}};
  if (refus.Signal != TSignalRefus::Bip) ligne["text"] = refus.Texte;
  if (refus.Verdict) {
    static constexpr std::array<const char*, 3> verdicts{"costs_contract", "costs_tricks", "costs_nothing"};
    ligne["analysis"] = verdicts[static_cast<std::size_t>(refus.Verdict->Genre)];
    ligne["analysis_tricks"] = refus.Verdict->LeveesCarte;
    ligne["analysis_best"] = refus.Verdict->LeveesMeilleure;
    ligne["analysis_text"] = TexteVerdictImprevu(*refus.Verdict);
  }
  Ecrit(ligne);
}

void TSortieJson::CarteSansIssue(TJoueur joueur, TCard carte) {
  Ecrit({{"event", "no_way_out"}, {"seat", LettreSiege(joueur)}, {"card", CodeCarte(carte)}});
}

void TSortieJson::QuestionPosee(const TQuestionPosee& q, const TReponseQuestion& r, bool bonne, int points) {
  TJson ligne{{"event", "question"}, {"number", q.Numero}, {"kind", static_cast<int>(q.Type)}, {"title", q.Titre},
              {"text", TJson::array({q.Libelle1, q.Libelle2})}};
  if (q.Type == tqDejaVues || q.Type == tqRepartition) ligne["proposals"] = Propositions(q);
  if (q.Type == tqPCarte || q.Type == tqCarte) ligne["asked_card"] = CodeCarte(q.Carte);
  ligne["expected"] = Reponse(q, r, true);
  ligne["answer"] = Reponse(q, r, false);
  ligne["right"] = bonne;
  ligne["marks"] = points;
  Ecrit(ligne);
}

void TSortieJson::LeveeTerminee(int levee, TJoueur gagnant, int leveesNS, int leveesEO) {
  Ecrit({{"event", "trick"}, {"trick", levee}, {"winner", LettreSiege(gagnant)}, {"ns", leveesNS}, {"ew", leveesEO}});
}

void TSortieJson::ChangementRegime(TRegime regime) {
  Ecrit({{"event", "regime"}, {"regime", NomRegime(regime)}});
}

void TSortieJson::Revendication(int leveesNS, int leveesEO, const std::string& commentaire) {
  Ecrit({{"event", "claim"}, {"ns", leveesNS}, {"ew", leveesEO}, {"comment", commentaire}});
}

void TSortieJson::FinDonne(int leveesNS, int leveesEO, int notation, int noteQuestions) {
  Ecrit({{"event", "end"},
         {"ns", leveesNS},
         {"ew", leveesEO},
         {"play_mark", notation},
         {"questions_mark", noteQuestions}});
}

void TSortieJson::ChoixFinDonne(int action) {
  choixFait_ = true;
  Ecrit({{"event", "choice"}, {"action", Action(action)}});
}

void TSortieJson::ErreurDonnee(const std::string& message) {
  erreurDonnee_ = true;
  Ecrit({{"event", "data_error"}, {"message", message}});
}

}  // namespace kalvo::outil_partie
