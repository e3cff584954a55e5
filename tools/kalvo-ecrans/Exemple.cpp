#include "tools/kalvo-ecrans/Exemple.h"

#include "coaching/Quiz.h"
#include "model/DossierDonnees.h"

#include <cstdio>
#include <random>

namespace kalvo::ecrans {

namespace {

// West leads hearts three times, South holds up twice and wins the third
// with the ace (its last heart, which the controller plays for it) while
// dummy lets a club go: the cards clicked for North and South.
constexpr std::array<std::string_view, 5> CartesJouees{"H4", "H3", "H7", "H6", "C5"};

}  // namespace

std::unique_ptr<TExemple> TExemple::Lit(const std::filesystem::path& dossier) {
  std::unique_ptr<TExemple> exemple(new TExemple);
  const TEmplacementBase emplacement{std::filesystem::path(exemple->dossier_.path().toStdString())};
  const TInstallation installation = InstalleDonnees(emplacement, {dossier});
  if (!installation.Ok) {
    std::fprintf(stderr, "La donne d'exemple est introuvable : %s\n", installation.Detail.c_str());
    return nullptr;
  }
  TConfigurationControleur configuration;
  configuration.Emplacement = emplacement;
  configuration.TexteReglages = "[Options]\r\nVitesse=0\r\nCartes=0\r\nQuestions=0\r\n";
  configuration.Graine = 1;
  configuration.DelaiAnalyse = std::nullopt;  // the picture shows the verdict whatever the machine's speed
  exemple->controleur_ = std::make_unique<TControleur>(exemple->ecran_, std::move(configuration));
  TControleur& c = *exemple->controleur_;
  if (!c.Active()) return nullptr;
  c.Jouer2Click();
  exemple->titreEncheres_ = exemple->ecran_.Titre;
  c.BNextClick();
  exemple->titre_ = exemple->ecran_.Titre;
  for (std::string_view carte : CartesJouees) {
    if (c.Etat().LeveeComplete) c.FormMouseDown();
    if (carte == "C5") {
      // On a copy: dummy's King of clubs, in no line, and the verdict on it.
      TEcranEnregistreur ecran;
      TControleur essai(c, ecran);
      essai.JeuMouseDown(jrNord, IndexCarte(TCard{13, clTrefle}), false);
      if (ecran.Messages.size() != 1) {
        std::fprintf(stderr, "La donne d'exemple ne donne pas de verdict sur le Roi de Trèfle du mort.\n");
        return nullptr;
      }
      exemple->verdictImprevu_ = ecran.Messages.front();
    }
    if (!exemple->Joue(carte)) {
      std::fprintf(stderr, "La donne d'exemple ne se joue pas : %s refusée.\n", std::string(carte).c_str());
      return nullptr;
    }
  }
  if (!exemple->ecran_.Donne || c.Historique().size() != 3) {
    std::fprintf(stderr, "La donne d'exemple ne se joue pas jusqu'à la troisième levée.\n");
    return nullptr;
  }
  return exemple;
}

bool TExemple::Joue(std::string_view code) {
  TCard carte;
  if (!LitCodeCarte(code, carte)) return false;
  TControleur& c = *controleur_;
  const int avant = static_cast<int>(c.Historique().size()) * 4 + c.Etat().CompteCartesJouees;
  for (TJoueur j : {jrSud, jrNord}) {
    if (c.Suivi().s_ChercheIndiceCarte(j, carte) != 0) c.JeuMouseDown(j, IndexCarte(carte), false);
  }
  return static_cast<int>(c.Historique().size()) * 4 + c.Etat().CompteCartesJouees > avant;
}

std::optional<TQuestionPosee> TExemple::Question(const TQuestion& question) const {
  TQuestionsDonne fiche;
  fiche.SetNbQuestions(1);
  fiche.SetQuestion(1, question);
  std::mt19937 alea(2024);
  return PrepareQuestion(fiche, 1, controleur_->Suivi(), controleur_->Statistiques(), controleur_->Donne().PointsHonneurs,
                         alea);
}

}  // namespace kalvo::ecrans
