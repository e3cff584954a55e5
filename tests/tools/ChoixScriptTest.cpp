// The script read as the trainer reads it during a play: the defenders'
// script codes, the first right card of the declarer side, the nodes.
#include "tools/authoring/ChoixScript.h"
#include "tools/authoring/DoubleMort.h"
#include "tests/tools/SourcesDeTest.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace kalvo {
namespace {

// S ♠J32 ♥AKQJ ♦AKQJ ♣AK, W ♠KQ4 ♥T987 ♦T987 ♣QJ, N ♠T95 ♥654 ♦654 ♣T987, E ♠A876 ♥32 ♦32 ♣65432.
const std::string EnTete =
    "theme 0\nforce 1\ndonneur Sud\nencheres 1SA passe 3SA passe passe passe\njeu aucun\n"
    "mains S:J32.AKQJ.AKQJ.AK KQ4.T987.T987.QJ T95.654.654.T987 A876.32.32.65432\n";

TDonne Construit(const std::string& chaines) {
  TDiagnostics diagnostics;
  const TSourceDonne source = AnalyseSource(EnTete + chaines, "essai.donne", diagnostics);
  TOptionsConstruction options;
  options.DeduitJeu = false;
  auto donne = diagnostics.AErreurs() ? std::nullopt : ConstruitDonne(source, diagnostics, options);
  if (!donne) throw std::runtime_error(diagnostics.Texte());
  return donne->Donne;
}

TCard C(std::string_view mot) { return *LitCarteReelle(mot); }

TPartieSimulee Partie(const TDonne& donne, TJoueur entameur, std::initializer_list<std::string_view> cartes) {
  TPartieSimulee partie(donne.Mains(), donne.Atout(), entameur);
  for (const auto c : cartes)
    if (const auto refus = partie.Joue(C(c))) throw std::runtime_error(*refus);
  return partie;
}

TCard Defenseur(const TDonne& donne, const TPartieSimulee& partie, int chaine = 1) {
  return ChoisitCarteDefenseur(donne, chaine, partie).Carte;
}

TEST(ChoixScript, CodesDesCartesDeLaDefense) {
  // North leads ♠9, East follows, South plays the jack: West's cheapest card above it.
  const TDonne d = Construit("chaine a levee entame Nord\n  Ouest : S>\n  Est : H>\n");
  EXPECT_EQ(Defenseur(d, Partie(d, jrNord, {"S9", "S6", "SJ"})), C("SQ"));
  // South's ace is the card to beat: nothing above it, its lowest spade.
  EXPECT_EQ(Defenseur(d, Partie(d, jrNord, {"H4", "H2", "HA"})), C("S4"));
  // East third after West's lead: it must beat North's card.
  const TDonne e = Construit("chaine a levee entame Ouest\n  Est : S>\n");
  EXPECT_EQ(Defenseur(e, Partie(e, jrOuest, {"S4", "S5"})), C("S6"));
  EXPECT_EQ(Defenseur(e, Partie(e, jrOuest, {"S4", "ST"})), C("SA"));

  const TDonne f = Construit("chaine a levee entame Ouest\n  Ouest : H^\n  Est : S+\n");
  EXPECT_EQ(Defenseur(f, Partie(f, jrOuest, {})), C("H7"));  // ♥T987: the bottom of its top run
  EXPECT_EQ(Defenseur(f, Partie(f, jrOuest, {"H7", "H4"})), C("SA"));  // its highest spade, whatever was led
}

TEST(ChoixScript, NImporteQuelleCouleur) {
  // Each seat holds one suit: West the diamonds, East the spades.
  TDonne d = test::DonneValide();
  d.Chaine(1).SetTypeChaine(tcLevee);
  d.Chaine(1).SetEntameur(jrOuest);
  d.Chaine(1).SetDefense(1, 1, TCarteDefense{0, 0, {}, {}, TCard{RangQuelconque, CouleurQuelconque}});
  d.Chaine(1).SetDefense(2, 1, TCarteDefense{0, 0, {}, {}, TCard{RangQuelconque, CouleurQuelconque}});
  TPartieSimulee partie(d.Mains(), d.Atout(), jrOuest);
  EXPECT_EQ(Defenseur(d, partie), (TCard{2, clCarreau}));  // leading: the lowest of its first suit
  partie.Joue(TCard{2, clCarreau});
  partie.Joue(TCard{2, clCoeur});
  EXPECT_EQ(Defenseur(d, partie), (TCard{2, clPique}));  // void in diamonds: its first suit left
}

TEST(ChoixScript, ConditionsEtOrdreDesAlternatives) {
  // South leads the ace of diamonds: West's first alternative wants the king.
  const TDonne d = Construit("chaine a levee entame Sud\n  Ouest : DT si DK  D*\n  Est : H* seule H3 alors S6\n");
  const TPartieSimulee partie = Partie(d, jrSud, {"DA"});
  EXPECT_EQ(AlternativeDefense(d, 1, 1, partie), TCard{});
  EXPECT_EQ(Defenseur(d, partie), C("D7"));
  const TDonne e = Construit("chaine a levee entame Sud\n  Ouest : DT si D*\n");
  EXPECT_EQ(Defenseur(e, partie), C("DT"));  // any diamond before it
  // East's last heart is the three: the replacement card instead.
  EXPECT_EQ(AlternativeDefense(d, 1, 1, Partie(d, jrSud, {"HA", "H7", "H4"})), (TCard{RangQuelconque, clCoeur}));
  const TPartieSimulee est = Partie(d, jrSud, {"HA", "H7", "H4", "H2", "HK", "H8", "H5"});
  ASSERT_EQ(est.JoueurActuel(), jrEst);
  EXPECT_EQ(AlternativeDefense(d, 1, 1, est), C("S6"));
  // East follows a spade lead: of (15, hearts) then (15, spades), the spade first.
  const TDonne f = Construit("chaine a levee entame Sud\n  Est : H* S*\n");
  EXPECT_EQ(Defenseur(f, Partie(f, jrSud, {"S2", "S4", "S5"})), C("S6"));
  // Leading, the alternatives keep their order: a card not held gives nothing.
  const TDonne g = Construit("chaine a levee entame Ouest\n  Ouest : SA C*\n");
  EXPECT_EQ(Defenseur(g, Partie(g, jrOuest, {})), C("CJ"));
  // Nothing from the script: the discard rules choose.
  const TDonne h = Construit("chaine a levee entame Ouest\n  Ouest : SA\n");
  EXPECT_TRUE(ChoisitCarteDefenseur(h, 1, Partie(h, jrOuest, {})).ParDefausse);
}

TEST(ChoixScript, PremiereCarteJusteDuCampDuDeclarant) {
  const TDonne d = Construit(
      "groupe g prealables SJ acceptees S* code 8\n"
      "chaine a levee entame Sud\n  Sud : HA=3 H*\n  Nord : ** \n"
      "chaine b levee entame Sud\n  Sud : groupe:g\n"
      "chaine c levee entame Nord\n  Sud : surprend\n  Nord : D*=4 CT\n");
  EXPECT_EQ(PremiereCarteJuste(d, 1, Partie(d, jrSud, {})), C("HJ"));         // HA has a code
  EXPECT_EQ(PremiereCarteJuste(d, 1, Partie(d, jrSud, {"HA", "H7"})), C("H4"));  // any card: it follows
  EXPECT_EQ(PremiereCarteJuste(d, 2, Partie(d, jrSud, {})), C("SJ"));         // the prerequisite first
  // The jack played, then West leads a spade: the lowest spade the group accepts.
  EXPECT_EQ(PremiereCarteJuste(d, 2, Partie(d, jrSud, {"SJ", "SK", "S5", "S6", "S4", "S9", "S7"})), C("S2"));
  EXPECT_EQ(PremiereCarteJuste(d, 3, Partie(d, jrNord, {})), C("CT"));            // D*=4 has a code
  EXPECT_EQ(PremiereCarteJuste(d, 3, Partie(d, jrNord, {"S5", "S6"})), C("SJ"));  // the cheapest above the 5
  EXPECT_EQ(PremiereCarteJuste(d, 3, Partie(d, jrNord, {"CT", "C2"})), C("CK"));
}

TEST(ChoixScript, Noeuds) {
  const TDonne d = Construit(
      "chaine a levee entame Sud\n  Sud : H*\n"
      "chaine tout distribution\n  sinon a\n"
      "chaine arret distribution\n  si Ouest S=1 alors a\n  si Est S=0 alors stop\n  sinon a\n"
      "chaine tenue tenues Sud SJ alors a sinon tout\n"
      "chaine gagne sud-gagne alors a sinon tout\n"
      "chaine longue longueur\n  si Nord C=5 alors a\n"
      "chaine nord depasse Nord C alors a sinon tout\n"
      "chaine sud depasse Sud S alors a sinon tout\n"
      "chaine hasard hasard alors tout sinon a\n"
      "chaine auto automatique levees 2 si-sud a sinon a\n"
      "chaine fin revendication ns 13 eo 0\n"
      "chaine sol solution\n"
      "chaine retour retour-debut\n");
  const TPartieSimulee debut = Partie(d, jrSud, {});
  EXPECT_EQ(ResoutNoeudSimule(d, 2, debut), 1);
  EXPECT_EQ(ResoutNoeudSimule(d, 3, debut), -1);  // entry 2 fails and stops the test
  EXPECT_EQ(ResoutNoeudSimule(d, 4, debut), 1);
  EXPECT_EQ(ResoutNoeudSimule(d, 4, Partie(d, jrSud, {"SJ"})), 2);  // the jack is played
  const TPartieSimulee ouestGagne = Partie(d, jrOuest, {"SK", "S5", "S6", "S2"});
  ASSERT_EQ(ouestGagne.GagnantDerniere(), jrOuest);
  EXPECT_EQ(ResoutNoeudSimule(d, 5, ouestGagne), 2);
  EXPECT_EQ(ResoutNoeudSimule(d, 5, Partie(d, jrSud, {"HA", "H7", "H4", "H2"})), 1);
  EXPECT_EQ(ResoutNoeudSimule(d, 6, debut), 1);  // no entry matches: chain 1
  EXPECT_EQ(ResoutNoeudSimule(d, 7, debut), 2);  // North's ten does not beat South's king
  EXPECT_EQ(ResoutNoeudSimule(d, 8, debut), 1);  // South's jack beats North's five
  EXPECT_EQ(ResoutNoeudSimule(d, 9, debut), 2);  // a random node takes its first branch
  EXPECT_EQ(ResoutNoeudSimule(d, 10, debut), ActionAutomatique);
  EXPECT_EQ(ResoutNoeudSimule(d, 11, debut), ActionFinDonne);
  EXPECT_EQ(ResoutNoeudSimule(d, 12, debut), ActionSolution);
  EXPECT_EQ(ResoutNoeudSimule(d, 13, debut), 1);
}

TEST(ChoixScript, MeilleureCarteEnDoubleMort) {
  // West on lead against no trump: of the leads that leave North-South the
  // fewest tricks, the lowest (clubs first on equal ranks).
  const TDonne d = Construit("chaine a levee entame Ouest\n");
  TSolveurDoubleMort solveur;
  const TPartieSimulee partie = Partie(d, jrOuest, {});
  const int avant = solveur.LeveesNS(partie);
  int meilleur = 14;
  std::vector<TCard> meilleures;
  for (int i = 1; i <= 13; ++i) {
    const TCard carte = d.CarteMain(jrOuest, i);
    TPartieSimulee essai = partie;
    essai.Joue(carte);
    const int levees = solveur.LeveesNS(essai);
    if (levees < meilleur) meilleures.clear();
    if (levees <= meilleur) meilleur = levees, meilleures.push_back(carte);
  }
  EXPECT_EQ(meilleur, avant);
  const TCard attendue = *std::min_element(meilleures.begin(), meilleures.end(), [](TCard a, TCard b) {
    return a.h != b.h ? a.h < b.h : a.c < b.c;
  });
  EXPECT_EQ(solveur.MeilleureCarte(partie), attendue);
}

}  // namespace
}  // namespace kalvo
