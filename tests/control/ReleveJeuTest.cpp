// The play kept for "Revoir le jeu": each refusal goes with the trick it was
// made in, the hands of a trick are those before it, the review never steps
// out of the record, and the controller hands the screen the play as it was.
#include "control/ReleveJeu.h"
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"
#include "tests/engine/AideSuivi.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <stdexcept>

namespace kalvo::test {
namespace {

using ::testing::ElementsAre;

TCard K(std::string_view code) { return CarteScript(code); }

// Four cards by seat, South first.
TCartesJouees Cartes(TCard sud, TCard ouest, TCard nord, TCard est) { return {sud, ouest, nord, est}; }

bool Contient(const std::vector<TCard>& main, TCard carte) {
  return std::find(main.begin(), main.end(), carte) != main.end();
}

const T4Jeux Demo = Jeux({"AK4.A63.942.AQT3", "QT9.KQJ95.765.97", "762.74.AQJT3.K85", "J853.T82.K8.J642"});

TEST(ReleveJeu, ChaqueRefusVaALaLeveeOuIlAEteFaitEtLesMainsSontCellesDAvant) {
  TReleveJeu r(Demo, clSA);
  const TRefusReleve as{jrSud, K("HA"), 1, "Laissez passer."};
  r.NoteRefus(as);
  r.NoteLevee(jrOuest, Cartes(K("H3"), K("HK"), K("H4"), K("H2")), jrOuest);
  const TRefusReleve bip{jrNord, K("H4"), 49, ""};
  const TRefusReleve encore{jrSud, K("HA"), 2, "Encore."};
  r.NoteRefus(bip);
  r.NoteRefus(encore);
  r.NoteLevee(jrOuest, Cartes(K("H6"), K("HQ"), K("H7"), K("H8")), jrOuest);
  const TRefusReleve pendant{jrNord, K("D3"), 3, "Pas un Carreau."};
  r.NoteRefus(pendant);

  ASSERT_EQ(r.NbLevees(), 2);
  EXPECT_THAT(r.Levee(1).Refus, ElementsAre(as));
  EXPECT_THAT(r.Levee(2).Refus, ElementsAre(bip, encore));
  EXPECT_THAT(r.RefusEnCours(), ElementsAre(pendant));
  EXPECT_EQ(r.NombreRefus(), 4);
  EXPECT_EQ(r.Levee(2).Cartes[jrOuest], K("HQ"));

  const TMainsReleve debut = r.MainsAuDebut(1);
  for (TJoueur j : TousLesJoueurs) EXPECT_EQ(debut[j].size(), 13u) << NomsJoueurs[j];
  const TMainsReleve troisieme = r.MainsAuDebut(3);
  for (TJoueur j : TousLesJoueurs) EXPECT_EQ(troisieme[j].size(), 11u) << NomsJoueurs[j];
  EXPECT_TRUE(Contient(r.MainsAuDebut(2)[jrOuest], K("HQ")));
  EXPECT_FALSE(Contient(r.MainsAuDebut(2)[jrOuest], K("HK")));
  EXPECT_FALSE(Contient(troisieme[jrOuest], K("HQ")));
  EXPECT_TRUE(Contient(troisieme[jrSud], K("HA")));
  // The dealt order is kept: South's spades come first, ace first.
  EXPECT_EQ(troisieme[jrSud].front(), Demo(jrSud, 1));

  for (int hors : {0, 3}) EXPECT_THROW(static_cast<void>(r.Levee(hors)), std::out_of_range) << hors;
  for (int hors : {0, 4}) EXPECT_THROW(static_cast<void>(r.MainsAuDebut(hors)), std::out_of_range) << hors;
}

TEST(ReleveJeu, JouerPourMoiMarqueSaLeveeEtLesSuivantes) {
  TReleveJeu r(Demo, clSA);
  r.NoteLevee(jrOuest, Cartes(K("H3"), K("HK"), K("H4"), K("H2")), jrOuest);
  r.NoteJeuAuto(2);
  r.NoteJeuAuto(4);  // a later call does not move the start
  r.NoteLevee(jrOuest, Cartes(K("H6"), K("HQ"), K("H7"), K("H8")), jrOuest);
  r.NoteLevee(jrOuest, Cartes(K("HA"), K("HJ"), K("C5"), K("HT")), jrSud);
  EXPECT_FALSE(r.Levee(1).JeuAuto);
  EXPECT_TRUE(r.Levee(2).JeuAuto);
  EXPECT_TRUE(r.Levee(3).JeuAuto);
}

TEST(ReleveJeu, LeParcoursNeSortJamaisDuReleve) {
  TParcoursReleve p(3);
  EXPECT_EQ(p.Levee(), 1);
  EXPECT_TRUE(p.EstPremiere());
  EXPECT_FALSE(p.Precedente());
  EXPECT_EQ(p.Levee(), 1);
  EXPECT_TRUE(p.Suivante());
  EXPECT_TRUE(p.Suivante());
  EXPECT_TRUE(p.EstDerniere());
  EXPECT_FALSE(p.Suivante());
  EXPECT_EQ(p.Levee(), 3);
  EXPECT_TRUE(p.Precedente());
  EXPECT_EQ(p.Levee(), 2);

  for (int vide : {0, -2}) {
    TParcoursReleve rien(vide);
    EXPECT_EQ(rien.Levee(), 0);
    EXPECT_FALSE(rien.Suivante());
    EXPECT_FALSE(rien.Precedente());
    EXPECT_EQ(rien.Levee(), 0);
  }
  TParcoursReleve une(1);
  EXPECT_TRUE(une.EstPremiere() && une.EstDerniere());
  EXPECT_FALSE(une.Suivante());
}

TEST(ReleveJeu, TextesDeLaRevue) {
  EXPECT_EQ(TitreLeveeReleve(3, 13), "Levée 3 sur 13");
  EXPECT_EQ(TexteRefusReleve({jrSud, K("HA"), 1, "Laissez passer."}), "Sud : As de Cœur refusé (erreur 1)");
  EXPECT_EQ(TexteRefusReleve({jrNord, K("S7"), 49, ""}), "Nord : 7 de Pique refusé (hors des lignes prévues)");
}

class ReleveJeuPartieTest : public ::testing::Test {
 protected:
  TBaseDeTest base;
};

// The delivered demo with a wrong card in each of the first three tricks,
// then the claim.
TEST_F(ReleveJeuPartieTest, LaDemoAvecSesErreursPuisLaRevendication) {
  TFabriqueDonne f = DonneDemo();
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.Joue("H4");
  p.Joue("HA");  // "Laissez passer."
  p.Joue("H3");
  p.Clic();
  p.Joue("H7");
  p.Joue("HA");  // "Encore."
  p.Joue("H6");
  p.Clic();
  p.Joue("D3");  // "Pas un Carreau."
  p.Joue("C5");
  p.Joue("D2");
  p.Joue("DT");
  p.Clic();
  ASSERT_FALSE(p.Etat().InJeu);
  EXPECT_FALSE(p.ecran.Releve) << "nothing is handed over before the end-of-deal screen";
  p.controleur.FormMouseDown();

  ASSERT_TRUE(p.ecran.Releve);
  const TReleveJeu& r = *p.ecran.Releve;
  ASSERT_EQ(r.NbLevees(), 4);
  EXPECT_THAT(r.Levee(1).Refus, ElementsAre(TRefusReleve{jrSud, K("HA"), 1, "Laissez passer."}));
  EXPECT_THAT(r.Levee(2).Refus, ElementsAre(TRefusReleve{jrSud, K("HA"), 2, "Encore."}));
  EXPECT_THAT(r.Levee(3).Refus, ElementsAre(TRefusReleve{jrNord, K("D3"), 3, "Pas un Carreau."}));
  EXPECT_TRUE(r.Levee(4).Refus.empty());
  EXPECT_TRUE(r.RefusEnCours().empty());
  // The tricks as the table saw them, by seat, with their leader and winner.
  EXPECT_EQ(r.Levee(1).Cartes, Cartes(K("H3"), K("HK"), K("H4"), K("H2")));
  EXPECT_EQ(r.Levee(3).Cartes, Cartes(K("HA"), K("HJ"), K("C5"), K("HT")));
  EXPECT_EQ(r.Levee(3).Gagnant, jrSud);
  EXPECT_EQ(r.Levee(4).Entameur, jrSud);
  EXPECT_EQ(r.Levee(4).Gagnant, jrEst);
  EXPECT_FALSE(r.Levee(4).JeuAuto);
  EXPECT_EQ(r.Mains(), Demo);
  ASSERT_TRUE(r.Revendication());
  EXPECT_EQ(r.Revendication()->LeveesNS, 10);
  EXPECT_EQ(r.Revendication()->LeveesEO, 3);
  EXPECT_EQ(r.Revendication()->Texte, "Bravo, le reste est à vous.");
  // "Suivante" starts the deal again (the only one of the base): the
  // controller's record is new, the screen keeps what it was given.
  p.ecran.TraiteMessages(p.controleur);
  EXPECT_EQ(p.controleur.Releve().NbLevees(), 0);
  EXPECT_EQ(p.ecran.Releve->NbLevees(), 4);
}

TEST_F(ReleveJeuPartieTest, RejouerRepartDUnReleveVide) {
  TFabriqueDonne f = DonneDemo();
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.ecran.ChoisitFinDonne = [] { return ActionRejouer; };
  p.Demarre();
  p.Joue("H4");
  p.Joue("HA");
  EXPECT_EQ(p.controleur.Releve().RefusEnCours().size(), 1u);
  p.controleur.FormKeyDown(TToucheJeu::CtrlAltF9);
  ASSERT_TRUE(p.ecran.Releve);
  EXPECT_EQ(p.ecran.Releve->NbLevees(), 0);
  EXPECT_EQ(p.ecran.Releve->RefusEnCours().size(), 1u);
  p.ecran.TraiteMessages(p.controleur);
  // The replay: the same deal, nothing of the first play left.
  EXPECT_TRUE(p.Etat().InJeu);
  EXPECT_EQ(p.controleur.Releve().NombreRefus(), 0);
  EXPECT_EQ(p.controleur.Releve().Mains(), Demo);
}

TEST_F(ReleveJeuPartieTest, UneDonneJoueeParJouerPourMoi) {
  TFabriqueDonne f = DonneDemo();
  base.Ecrit(f);
  TPartieDeTest p(base);
  p.Demarre();
  p.controleur.BJeuAutoClick();
  for (int i = 0; i < 20 && p.Etat().InJeu; ++i) p.Clic();
  ASSERT_TRUE(p.ecran.Releve);
  const TReleveJeu& r = *p.ecran.Releve;
  ASSERT_EQ(r.NbLevees(), 13);
  EXPECT_EQ(r.NombreRefus(), 0);
  EXPECT_FALSE(r.Revendication());
  for (int n = 1; n <= 13; ++n) EXPECT_TRUE(r.Levee(n).JeuAuto) << n;
  // The complete play of the deal, trick 5: "S3 SA S9 S2" from East's lead.
  EXPECT_EQ(r.Levee(5).Cartes, Cartes(K("SA"), K("S9"), K("S2"), K("S3")));
  EXPECT_EQ(r.Levee(5).Entameur, jrEst);
  // Before the last trick each seat holds its last card, and it is the one
  // it plays.
  const TMainsReleve derniere = r.MainsAuDebut(13);
  for (TJoueur j : TousLesJoueurs) EXPECT_THAT(derniere[j], ElementsAre(r.Levee(13).Cartes[j])) << NomsJoueurs[j];
  for (TJoueur j : TousLesJoueurs) EXPECT_TRUE(r.MainsAuDebut(14)[j].empty());
}

}  // namespace
}  // namespace kalvo::test
