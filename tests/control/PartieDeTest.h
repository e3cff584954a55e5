// A controller on a recording screen, with a journal kept as text lines, and
// the user's gestures written shortly: Joue("HA") clicks the ace of hearts
// in the hand that holds it, Clic() clicks the felt.
#pragma once

#include "control/Controleur.h"
#include "control/EcranEnregistreur.h"
#include "control/JeuJuste.h"
#include "tests/control/FabriqueDonne.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace kalvo::test {

class TJournalTexte : public TJournalPartie {
 public:
  std::vector<std::string> Lignes;

  void DonneChargee(int numero, const TDonneLue&) override { Lignes.push_back("donne " + std::to_string(numero)); }
  void CarteJouee(int levee, TJoueur joueur, TCard carte) override {
    Lignes.push_back("carte " + std::to_string(levee) + " " + LettreJoueur(joueur) + " " + CodeCarte(carte));
  }
  void CarteRefusee(const TRefus& r) override {
    static constexpr const char* signaux[] = {"commentaire", "avertissement", "bip"};
    Lignes.push_back("refus " + LettreJoueur(r.Joueur) + " " + CodeCarte(r.Carte) + " " + std::to_string(r.Code) + " " +
                     std::to_string(r.Points) + " " + signaux[static_cast<int>(r.Signal)]);
  }
  void CarteSansIssue(TJoueur joueur, TCard carte) override {
    Lignes.push_back("sans_issue " + LettreJoueur(joueur) + " " + CodeCarte(carte));
  }
  void QuestionPosee(const TQuestionPosee& q, const TReponseQuestion&, bool bonne, int points) override {
    Lignes.push_back("question " + std::to_string(q.Numero) + " " + (bonne ? "bonne" : "fausse") + " " +
                     std::to_string(points));
  }
  void LeveeTerminee(int levee, TJoueur gagnant, int ns, int eo) override {
    Lignes.push_back("levee " + std::to_string(levee) + " " + LettreJoueur(gagnant) + " " + std::to_string(ns) + " " +
                     std::to_string(eo));
  }
  void ChangementRegime(TRegime regime) override { Lignes.push_back("regime " + std::string(NomRegime(regime))); }
  void Revendication(int ns, int eo, const std::string& texte) override {
    Lignes.push_back("revendication " + std::to_string(ns) + " " + std::to_string(eo) + " " + texte);
  }
  void FinDonne(int ns, int eo, int notation, int noteQuestions) override {
    Lignes.push_back("fin " + std::to_string(ns) + " " + std::to_string(eo) + " " + std::to_string(notation) + " " +
                     std::to_string(noteQuestions));
  }
  void ChoixFinDonne(int action) override { Lignes.push_back("choix " + std::to_string(action)); }
  void ErreurDonnee(const std::string& message) override { Lignes.push_back("erreur " + message); }

  // The lines that start with `debut`.
  std::vector<std::string> Filtre(std::string_view debut) const {
    std::vector<std::string> r;
    for (const std::string& l : Lignes)
      if (l.starts_with(debut)) r.push_back(l);
    return r;
  }
  bool Contient(std::string_view ligne) const {
    return std::find(Lignes.begin(), Lignes.end(), ligne) != Lignes.end();
  }
};

class TPartieDeTest {
 public:
  // ajuste: changes to the configuration (the double-dummy verdict, off by default).
  explicit TPartieDeTest(const TBaseDeTest& base, std::string reglages = "", std::uint32_t graine = 1,
                         const std::function<void(TConfigurationControleur&)>& ajuste = {})
      : controleur(ecran, Configuration(base, std::move(reglages), graine, ajuste)) {
    controleur.SetJournal(&journal);
  }

  // Activation, then deal n started and its play begun (auction replayed).
  void Demarre(int n = 1) {
    ASSERT_TRUE(controleur.Active());
    controleur.EtatReglages().DonneActuelle = n;
    controleur.Jouer2Click();
    if (controleur.Etat().InEncheres) controleur.BNextClick();
  }

  // Clicks a card by its code in the hand of South or North that holds it.
  void Joue(std::string_view code) {
    const TCard carte = CarteScript(code);
    const TJoueur main = controleur.Suivi().s_ChercheCarte(jrNord, carte) ? jrNord : jrSud;
    controleur.JeuMouseDown(main, IndexCarte(carte), false);
    ecran.TraiteMessages(controleur);
  }
  void Clic() {
    controleur.FormMouseDown();
    ecran.TraiteMessages(controleur);
  }
  const TEtatControleur& Etat() const { return controleur.Etat(); }

  // The cards the hand to play may play, in hand order.
  std::vector<TCard> Jouables() const { return CartesJouables(controleur, Etat().JoueurActuel); }

  // Clicks the playable cards in hand order until one is taken.
  void JoueUneCarte() {
    const TJoueur main = Etat().JoueurActuel;
    for (TCard c : Jouables()) {
      Joue(CodeCarte(c));
      if (Etat().OnTable[main] == c || !controleur.AttendCarteUtilisateur() || Etat().JoueurActuel != main) return;
    }
  }

  // Plays on, gathering each trick, until the deal is over or trick
  // `levees` is complete.
  void JoueJusquALaFin(int levees = 13) {
    for (int garde = 0; garde < 200 && Etat().InJeu; ++garde) {
      if (Etat().LeveeComplete) {
        if (Etat().Levee >= levees) return;
        Clic();
      } else if (controleur.AttendCarteUtilisateur()) {
        JoueUneCarte();
      } else {
        Clic();
      }
    }
  }

  TEcranEnregistreur ecran;
  TJournalTexte journal;
  TControleur controleur;

 private:
  static TConfigurationControleur Configuration(const TBaseDeTest& base, std::string reglages, std::uint32_t graine,
                                                const std::function<void(TConfigurationControleur&)>& ajuste) {
    TConfigurationControleur c;
    c.Emplacement = base.Emplacement();
    if (reglages.empty()) {
      c.FichierReglages = base.Reglages();
    } else {
      c.TexteReglages = "[Options]\r\n" + reglages;
    }
    c.Graine = graine;
    // The double-dummy verdict is tested on its own (VerdictImprevuTest).
    c.AnalyseImprevues = false;
    if (ajuste) ajuste(c);
    return c;
  }
};

}  // namespace kalvo::test
