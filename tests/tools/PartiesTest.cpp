// Golden games: each tests/data/parties/NAME.partie is a kalvo-play script
// played on a delivered database (the demonstration unless "#! base NAME"
// names another one of the build's data folder), whose exact output must be
// NAME.attendu.jsonl. Lines "#! ARGS" give the other arguments, "#! statut N"
// the expected exit status (default 0). KALVO_REGENERE=1 rewrites the
// expected files instead of comparing. Also: every delivered deal played by
// 500 random users through the code kalvo-play uses, and each deal's main
// line, as the authoring checks play it, played again by kalvo-play.
#include "engine/PartieCartes.h"
#include "model/BaseDonnes.h"
#include "tests/model/DonnesDeTest.h"
#include "tools/authoring/LignePrincipale.h"
#include "tools/kalvo-play/PartieJouee.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <sstream>

namespace kalvo {
namespace {

using namespace outil_partie;
using redaction::TLignePrincipale;

const std::filesystem::path Livrees = std::filesystem::path(KALVO_BUILD_DIR) / "data";
const std::filesystem::path DossierParties = std::filesystem::path(KALVO_TEST_DATA) / "parties";

struct TPartieDore {
  std::filesystem::path Script;
  std::vector<std::string> Arguments;
  int Statut = 0;
  std::string Base = NomFichierDonnes;
};

// The "#!" lines of a golden game; throws on a line it cannot read.
TPartieDore LitPartie(const std::filesystem::path& fichier) {
  TPartieDore partie{fichier, {}, 0, NomFichierDonnes};
  std::istringstream lignes(test::LitOctets(fichier));
  for (std::string ligne; std::getline(lignes, ligne);) {
    if (!ligne.starts_with("#!")) continue;
    std::istringstream mots(ligne.substr(2));
    std::vector<std::string> liste;
    for (std::string mot; mots >> mot;) liste.push_back(mot);
    if (liste.size() == 2 && liste[0] == "statut") {
      partie.Statut = std::stoi(liste[1]);
      continue;
    }
    if (!liste.empty() && liste[0] == "base") {
      if (liste.size() != 2 || liste[1].find_first_of("/'") != std::string::npos || !liste[1].ends_with(".DAT"))
        throw std::runtime_error(fichier.string() + " : « #!" + ligne.substr(2) +
                                 " » : une ligne #! base nomme une base du dossier data de la construction "
                                 "(K01FR.DAT)");
      partie.Base = liste[1];
      continue;
    }
    for (const std::string& mot : liste) {
      if (mot.find('\'') != std::string::npos || mot == "--db" || mot == "--questions" || mot == "--script")
        throw std::runtime_error(fichier.string() + " : argument « " + mot + " » interdit dans une ligne #!");
      partie.Arguments.push_back(mot);
    }
  }
  // A volume gains deals: a place chosen today names another deal tomorrow.
  if (partie.Base != NomFichierDonnes &&
      std::find(partie.Arguments.begin(), partie.Arguments.end(), "--deal") != partie.Arguments.end())
    throw std::runtime_error(fichier.string() + " : une partie de " + partie.Base +
                             " choisit sa donne par « #! --collection N », pas par --deal");
  return partie;
}

struct TJeu {
  int Statut = -1;
  std::string Sortie, Erreurs;
};

TJeu LancePartie(const TPartieDore& partie, const std::filesystem::path& dossier) {
  const std::string programme = std::string(KALVO_BUILD_DIR) + "/tools/kalvo-play/kalvo-play";
  std::string commande = "timeout 120 '" + programme + "' --db '" + (Livrees / partie.Base).string() +
                         "' --questions '" + (Livrees / "KALVO01.ASK").string() + "' --script '" +
                         partie.Script.string() + "'";
  for (const std::string& a : partie.Arguments) commande += " '" + a + "'";
  commande += " >'" + (dossier / "sortie.jsonl").string() + "' 2>'" + (dossier / "erreurs.txt").string() + "'";
  const int brut = std::system(commande.c_str());
  return {WIFEXITED(brut) ? WEXITSTATUS(brut) : -1, test::LitOctets(dossier / "sortie.jsonl"),
          test::LitOctets(dossier / "erreurs.txt")};
}

// The first line where two outputs differ, for the failure message.
std::string PremiereDifference(const std::string& obtenu, const std::string& attendu) {
  std::istringstream a(obtenu), b(attendu);
  std::string la, lb;
  for (int n = 1;; ++n) {
    const bool fa = !std::getline(a, la), fb = !std::getline(b, lb);
    if (fa && fb) return "aucune";
    if (fa || fb || la != lb)
      return "ligne " + std::to_string(n) + " :\n  obtenu  : " + (fa ? "(fin)" : la) + "\n  attendu : " + (fb ? "(fin)" : lb);
  }
}

std::vector<std::filesystem::path> Parties() {
  std::vector<std::filesystem::path> fichiers;
  for (const auto& f : std::filesystem::directory_iterator(DossierParties))
    if (f.path().extension() == ".partie") fichiers.push_back(f.path());
  std::sort(fichiers.begin(), fichiers.end());
  return fichiers;
}

TEST(Parties, SortieIdentiqueAuFichierAttendu) {
  const bool regenere = std::getenv("KALVO_REGENERE") && std::string(std::getenv("KALVO_REGENERE")) == "1";
  const std::vector<std::filesystem::path> fichiers = Parties();
  ASSERT_FALSE(fichiers.empty()) << DossierParties;
  test::TDossierTemporaire dossier;
  for (const std::filesystem::path& fichier : fichiers) {
    SCOPED_TRACE(fichier.filename().string());
    const TPartieDore partie = LitPartie(fichier);
    const std::filesystem::path attendu = std::filesystem::path(fichier).replace_extension(".attendu.jsonl");
    if (!regenere && !std::filesystem::exists(attendu)) {
      ADD_FAILURE() << fichier.filename().string() << " n'a pas de sortie attendue : " << attendu.filename().string()
                    << " manque. Pour l'écrire, lancer le test avec KALVO_REGENERE=1 puis relire la partie :\n"
                    << "  KALVO_REGENERE=1 build-asan/tests/kalvo_tests_tools --gtest_filter='Parties.Sortie*'";
      continue;
    }
    const TJeu jeu = LancePartie(partie, dossier.Chemin());
    EXPECT_EQ(jeu.Statut, partie.Statut) << jeu.Erreurs;
    if (regenere) {
      test::EcritOctets(attendu, jeu.Sortie);
      continue;
    }
    const std::string texte = test::LitOctets(attendu);
    EXPECT_EQ(jeu.Sortie, texte) << "première différence, " << PremiereDifference(jeu.Sortie, texte);
  }
}

TEST(Parties, LecteurDesLignesDeCommande) {
  test::TDossierTemporaire dossier;
  test::EcritOctets(dossier / "a.partie", "#! --deal 2 --set Questions=1\n#! statut 4\n# commentaire\n#!--seed 3\nnext\n");
  const TPartieDore partie = LitPartie(dossier / "a.partie");
  EXPECT_EQ(partie.Arguments, (std::vector<std::string>{"--deal", "2", "--set", "Questions=1", "--seed", "3"}));
  EXPECT_EQ(partie.Statut, 4);
  EXPECT_EQ(partie.Base, "K01FR_DEMO.DAT");
  test::EcritOctets(dossier / "b.partie", "#! --deal 1 --db AUTRE.DAT\n");
  EXPECT_THROW(LitPartie(dossier / "b.partie"), std::runtime_error);
  test::EcritOctets(dossier / "c.partie", "#! base K01FR.DAT\n#! --collection 21\n");
  const TPartieDore volume = LitPartie(dossier / "c.partie");
  EXPECT_EQ(volume.Base, "K01FR.DAT");
  EXPECT_EQ(volume.Arguments, (std::vector<std::string>{"--collection", "21"}));
  for (const char* faute : {"#! base ../K01FR.DAT\n", "#! base K01FR.DAT AUTRE.DAT\n", "#! base\n",
                            "#! base kalvo.INI\n", "#! base K01FR.DAT\n#! --deal 1\n"}) {
    test::EcritOctets(dossier / "d.partie", faute);
    EXPECT_THROW(LitPartie(dossier / "d.partie"), std::runtime_error) << faute;
  }
}

// The kalvo-play script of a main line: South's and North's cards, a click
// on the felt after each trick. The second card of the declarer side is
// not written when it is the hand's only card of the suit led: the
// trainer plays it itself.
std::string ScriptDeLaLigne(const TDonne& donne, const TLignePrincipale& ligne) {
  std::string script = "#! --deal " + std::to_string(donne.Numero()) + " --set Questions=0\nnext\n";
  TPartieCartes partie(donne.Mains(), donne.Atout());
  for (const TCard carte : ligne.Cartes) {
    const TJoueur joueur = partie.JoueurActuel();
    const bool partenaireAJoue = partie.OnTable()[Partenaire(joueur)].EstReelle();
    const bool forcee = partenaireAJoue && partie.Compte(joueur, partie.CouleurEntame()) == 1;
    if (!EstDefenseur(joueur) && !forcee) script += CodeCarte(carte) + "\n";
    if (partie.Joue(carte)) throw std::runtime_error("la ligne principale joue " + CodeCarte(carte) + " à contretemps");
    if (partie.FinDeLevee()) script += "click\n";
  }
  return script;
}

TEST(Parties, LignePrincipaleRejoueeParKalvoPlay) {
  const std::filesystem::path base = Livrees / "K01FR_DEMO.DAT";
  const TResultatCatalogue catalogue = ChargeCatalogue(base);
  ASSERT_TRUE(catalogue.Ok());
  test::TDossierTemporaire dossier;
  for (int n = 1; n <= catalogue.Catalogue.NbDonnes(); ++n) {
    SCOPED_TRACE("donne " + std::to_string(n));
    TDonne donne = LitFicheDonne(base, n);
    donne.SetNumero(n);
    const TLignePrincipale ligne = redaction::SuitLignePrincipale(donne);
    std::string constats;
    for (const auto& c : ligne.Constats) constats += c.Message + "\n";
    ASSERT_NE(ligne.Fin, TLignePrincipale::lfErreur) << constats;
    EXPECT_EQ(constats, "");
    ASSERT_GE(ligne.Cartes.size(), 4u);

    const std::filesystem::path script = dossier / ("ligne-" + std::to_string(n) + ".partie");
    test::EcritOctets(script, ScriptDeLaLigne(donne, ligne));
    const TJeu jeu = LancePartie(LitPartie(script), dossier.Chemin());
    std::vector<std::string> cartes, gagnants, verdicts, fin;
    std::istringstream lignes(jeu.Sortie);
    for (std::string texte; std::getline(lignes, texte);) {
      const auto e = nlohmann::json::parse(texte);
      const std::string genre = e["event"];
      if (genre == "card") cartes.push_back(e["seat"].get<std::string>() + " " + e["card"].get<std::string>());
      if (genre == "trick") gagnants.push_back(e["winner"]);
      if (genre == "refused" || genre == "no_way_out" || genre == "data_error" || genre == "script_error") verdicts.push_back(texte);
      if (genre == "claim") fin.push_back("claim " + std::to_string(e["ns"].get<int>()) + " " + std::to_string(e["ew"].get<int>()));
      if (genre == "regime") fin.push_back("regime " + e["regime"].get<std::string>());
    }
    // Every card the main line plays is one the trainer accepts.
    EXPECT_EQ(verdicts, std::vector<std::string>{}) << jeu.Erreurs;

    std::vector<std::string> attendues, attendus;
    TPartieCartes partie(donne.Mains(), donne.Atout());
    for (const TCard carte : ligne.Cartes) {
      attendues.push_back(std::string(1, LettreJoueurAnglaise(partie.JoueurActuel())) + " " + CodeCarte(carte));
      partie.Joue(carte);
    }
    for (const TLeveeJouee& levee : partie.Levees()) attendus.push_back(std::string(1, LettreJoueurAnglaise(levee.Gagnant)));
    ASSERT_GE(cartes.size(), attendues.size());
    cartes.resize(attendues.size());
    EXPECT_EQ(cartes, attendues);
    ASSERT_GE(gagnants.size(), attendus.size());
    gagnants.resize(attendus.size());
    EXPECT_EQ(gagnants, attendus);
    // Where the line stops, kalvo-play's trainer claims or leaves the chains.
    const auto vu = [&fin](const std::string& quoi) { return std::find(fin.begin(), fin.end(), quoi) != fin.end(); };
    switch (ligne.Fin) {
      case TLignePrincipale::lfRevendication:
        EXPECT_TRUE(vu("claim " + std::to_string(ligne.RevendicationNS) + " " + std::to_string(ligne.RevendicationEO)));
        break;
      case TLignePrincipale::lfProgramme: EXPECT_TRUE(vu("regime revendication")); break;
      case TLignePrincipale::lfMode:
        EXPECT_TRUE(vu("regime automatique") || vu("regime pool") || vu("regime solution"));
        break;
      default: EXPECT_EQ(attendus.size(), static_cast<std::size_t>(NbLeveesJeuComplet)); break;
    }
  }
}

// A stream that keeps nothing: the random users' events are not needed.
class TFluxNul : public std::ostream {
 public:
  TFluxNul() : std::ostream(nullptr) {}
};

TEST(Parties, CinqCentsUtilisateursAuHasardParDonne) {
  const TResultatCatalogue catalogue = ChargeCatalogue(Livrees / "K01FR_DEMO.DAT");
  ASSERT_TRUE(catalogue.Ok());
  test::TDossierTemporaire dossier;
  TConfigurationControleur configuration;
  configuration.Emplacement.Dossier = dossier.Chemin();
  configuration.Emplacement.FichierDonnes = (Livrees / "K01FR_DEMO.DAT").string();
  configuration.Emplacement.FichierQuestions = (Livrees / "KALVO01.ASK").string();
  configuration.FichierVolume = Livrees / "K01FR_DEMO.VOL";
  configuration.TexteReglages = "";
  configuration.Graine = 1;
  configuration.AnalyseImprevues = false;  // thousands of cards in no line: the verdict is tested elsewhere
  TFluxNul nul;
  std::ostringstream erreurs;
  for (int donne = 1; donne <= catalogue.Catalogue.NbDonnes(); ++donne) {
    for (std::uint32_t graine = 1; graine <= 500; ++graine) {
      TPartieJouee partie(configuration, std::make_unique<TUtilisateurHasard>(graine), nul, erreurs);
      const int statut = partie.Joue(donne);
      ASSERT_EQ(statut, StatutFini) << "donne " << donne << ", --random-user " << graine << " : " << erreurs.str();
    }
  }
}

}  // namespace
}  // namespace kalvo
