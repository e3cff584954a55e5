// Every delivered deal exported to PBN and imported back as a lesson
// source, compiled again: the same hands, auction and contract. A deal
// declared by East comes back turned so that South declares.
#include "control/DonnePbn.h"
#include "model/Encheres.h"
#include "model/NotationMains.h"
#include "tests/model/GrammairePbn.h"
#include "tests/tools/SourcesDeTest.h"
#include "tools/kalvo-deals/PbnBase.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>

namespace kalvo {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

const std::filesystem::path DonneesLivrees = std::filesystem::path(KALVO_BUILD_DIR) / "data";

// The hands as sets of cards: a source may store a hand's suits in another order.
std::array<std::vector<TCard>, 4> Rangees(const T4Jeux& mains) {
  std::array<std::vector<TCard>, 4> r;
  for (const TJoueur j : TousLesJoueurs) {
    r[j].assign(mains.cartes[j].begin(), mains.cartes[j].end());
    RangeCommeLeMoteur(r[j]);
  }
  return r;
}

std::vector<TEnchere> Appels(const TDonne& donne) {
  std::vector<TEnchere> appels;
  for (const TAppel& a : SuiteEncheres(donne)) appels.push_back(a.Enchere);
  return appels;
}

std::optional<redaction::TDonneCompilee> CompileSquelette(const TPartiePbn& partie, std::string& texte) {
  std::string erreur;
  const auto squelette = outil_donnes::SqueletteDonne(partie, "essai.pbn", erreur);
  EXPECT_TRUE(squelette) << erreur;
  if (!squelette) return std::nullopt;
  texte = *squelette;
  redaction::TDiagnostics diagnostics;
  auto donne = test::Compile(texte, diagnostics, false, "squelette.donne");
  EXPECT_FALSE(diagnostics.AErreurs()) << diagnostics.Texte() << "\n" << texte;
  return donne;
}

// The first game of a PBN text, read then made a source and compiled.
std::optional<redaction::TDonneCompilee> SqueletteDuTexte(const std::string& texte, std::string& source) {
  std::string erreur;
  const auto parties = LitPbn(texte, erreur);
  EXPECT_TRUE(parties) << erreur;
  return parties ? CompileSquelette(parties->front(), source) : std::nullopt;
}

// Both delivered bases, the demonstration and the whole of Volume 1.
class PbnLivree : public ::testing::TestWithParam<std::string> {};

TEST_P(PbnLivree, ChaqueDonneFaitLAllerRetour) {
  const std::string nomBase = GetParam();
  const outil_donnes::TBaseLue base = outil_donnes::LitBase(DonneesLivrees / nomBase, std::nullopt, std::nullopt);
  ASSERT_GE(base.Donnes.size(), 4u);
  const std::string evenement = std::filesystem::path(nomBase).stem().string();
  const std::string pbn = outil_donnes::PbnDeBase(base);
  EXPECT_THAT(test::FautesExportPbn(pbn), IsEmpty());
  std::string erreur;
  const auto parties = LitPbn(pbn, erreur);
  ASSERT_TRUE(parties) << erreur;
  ASSERT_EQ(parties->size(), base.Donnes.size());
  for (std::size_t k = 0; k < parties->size(); ++k) {
    SCOPED_TRACE("donne " + std::to_string(k + 1));
    const TDonne& donne = base.Donnes[k];
    const TPartiePbn& partie = (*parties)[k];
    EXPECT_EQ(partie.Evenement, evenement);
    EXPECT_EQ(partie.Board, base.Volume[static_cast<int>(k) + 1]);
    EXPECT_EQ(Rangees(partie.Mains), Rangees(donne.Mains()));
    EXPECT_EQ(partie.Contrat.Niveau, donne.NiveauContrat());
    EXPECT_EQ(partie.Contrat.Atout, donne.Atout());
    EXPECT_EQ(partie.Declarant, jrSud);
    EXPECT_EQ(partie.Levees.size(), 13u);  // the right line, whole

    std::string source;
    const auto compilee = CompileSquelette(partie, source);
    ASSERT_TRUE(compilee);
    const TDonne& retour = compilee->Donne;
    EXPECT_EQ(Rangees(retour.Mains()), Rangees(donne.Mains()));
    EXPECT_EQ(retour.Donneur(), donne.Donneur());
    EXPECT_EQ(retour.Vulnerabilite(), donne.Vulnerabilite());
    EXPECT_EQ(retour.NiveauContrat(), donne.NiveauContrat());
    EXPECT_EQ(retour.Atout(), donne.Atout());
    std::vector<TEnchere> appels = Appels(donne);
    std::vector<TEnchere> appelsRetour = Appels(retour);
    appelsRetour.resize(appels.size());
    EXPECT_EQ(appelsRetour, appels);
    for (int n = 1; n <= NbAlertes; ++n) EXPECT_EQ(TexteAlerte(retour, n), TexteAlerte(donne, n));
    // The first chain is the stored right line's first trick.
    EXPECT_EQ(retour.Entame(), donne.JeuComplet(1, 1));
    EXPECT_THAT(source, HasSubstr("# Double mort, meilleure défense : Sud fait "));
  }
}

INSTANTIATE_TEST_SUITE_P(BasesLivrees, PbnLivree, ::testing::Values("K01FR_DEMO.DAT", "K01FR.DAT"),
                         [](const ::testing::TestParamInfo<std::string>& info) {
                           return info.param == "K01FR.DAT" ? std::string("Volume1") : std::string("Demonstration");
                         });

// East declares in the file: every seat turns one place, the vulnerability
// of the sides is swapped, and the club's lead comes from West.
TEST(PbnBase, LeDeclarantDevientSud) {
  const std::string texte =
      "[Event \"Club\"]\n[Board \"3\"]\n[Dealer \"E\"]\n[Vulnerable \"NS\"]\n"
      "[Deal \"E:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642\"]\n"
      "[Declarer \"E\"]\n[Contract \"3NT\"]\n"
      "[Auction \"E\"]\n1NT =1= Pass 3NT AP\n[Note \"1:15-17 points, une main régulière sans singleton\"]\n"
      "[Play \"S\"]\nHK H4 H2 H3\nHQ H7 H8 H6\n*\n";
  std::string source;
  const auto compilee = SqueletteDuTexte(texte, source);
  ASSERT_TRUE(compilee);
  const TDonne& d = compilee->Donne;
  std::string e2;
  EXPECT_EQ(Rangees(d.Mains()), Rangees(*LitJeuxPbn("S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642", e2)));
  EXPECT_EQ(d.Donneur(), jrSud);
  EXPECT_EQ(d.Vulnerabilite(), vlnEO);
  EXPECT_EQ(d.NiveauContrat(), 3);
  EXPECT_EQ(Appels(d).front(), (TEnchere{1, clSA, 1}));
  EXPECT_EQ(TexteAlerte(d, 1), "15-17 points, une main régulière sans si");
  EXPECT_EQ(d.Entame(), (TCard{13, clCoeur}));
  EXPECT_THAT(source, HasSubstr("# Les mains sont tournées pour que le déclarant, Est dans le fichier, soit Sud"));
  EXPECT_THAT(source, HasSubstr("# alerte 1 raccourcie à 40 caractères ; en entier : 15-17 points, une main régulière sans singleton\n"));
  // West keeps the lead: the chains go on until South or North wins a trick.
  EXPECT_THAT(source, HasSubstr("chaine levee2 levee 2 entame Ouest suivante "));
  EXPECT_THAT(source, HasSubstr("\nchaine suite solution\n"));
  EXPECT_THAT(source, HasSubstr("chaine entame levee 1 entame Ouest suivante levee2\n  Ouest : HK\n  Nord  : H4\n  Est   : H2\n  Sud   : H3\n"));
}

// Without a play the first trick is the double-dummy one; without an
// auction, the simplest one that reaches the contract.
TEST(PbnBase, SansJeuNiEnchere) {
  const std::string texte =
      "[Dealer \"N\"]\n[Deal \"S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642\"]\n"
      "[Declarer \"S\"]\n[Contract \"3NTX\"]\n";
  std::string source;
  const auto compilee = SqueletteDuTexte(texte, source);
  ASSERT_TRUE(compilee);
  EXPECT_THAT(source, HasSubstr("encheres passe passe 3SA contre passe passe passe\n"));
  EXPECT_THAT(source, HasSubstr("(double mort, à revoir).\n# Ajoutez aux lignes"));
  EXPECT_TRUE(compilee->Donne.Entame().EstReelle());
}

TEST(PbnBase, CeQuiNeFaitPasUneLecon) {
  const std::string deal = "[Deal \"S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642\"]\n";
  std::string erreur;
  const auto passee = LitPbn("[Dealer \"S\"]\n" + deal + "[Contract \"Pass\"]\n[Auction \"S\"]\nAP\n", erreur);
  ASSERT_TRUE(passee) << erreur;
  EXPECT_FALSE(outil_donnes::SqueletteDonne(passee->front(), "x.pbn", erreur));
  EXPECT_EQ(erreur, "la donne a été passée : il n'y a pas de contrat à jouer.");
  // North does not follow to hearts while holding one.
  const auto renonce = LitPbn("[Dealer \"S\"]\n" + deal + "[Declarer \"S\"]\n[Contract \"3NT\"]\n[Play \"W\"]\nHK C5 H2 H3\n", erreur);
  ASSERT_TRUE(renonce) << erreur;
  EXPECT_FALSE(outil_donnes::SqueletteDonne(renonce->front(), "x.pbn", erreur));
  EXPECT_THAT(erreur, StartsWith("ligne 6 : levée 1, le 5 de Trèfle : "));
}

}  // namespace
}  // namespace kalvo
