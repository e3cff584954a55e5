// Each check of a deal, shown failing on a source that breaks it, with the
// message and the line the author gets.
#include "tests/tools/SourcesDeTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

namespace kalvo {
namespace {

using namespace redaction;

using ::testing::HasSubstr;
using ::testing::Not;

struct TCas {
  std::string Avant, Apres, Attendu;
};

std::string Diagnostics(const std::string& texte, bool doubleMort = false) {
  TDiagnostics diagnostics;
  test::Compile(texte, diagnostics, doubleMort);
  return diagnostics.Texte();
}

void VerifieCas(const std::string& source, const std::vector<TCas>& cas) {
  for (const TCas& c : cas)
    EXPECT_THAT(Diagnostics(test::Remplace(source, c.Avant, c.Apres)), HasSubstr(c.Attendu)) << c.Apres;
}

std::vector<TConstat> Constats(const TDonne& donne, const TQuestionsDonne* questions = nullptr) {
  TOptionsVerification options;
  options.DoubleMort = false;
  return VerifieDonne(donne, questions, options).Constats;
}

std::string Messages(const std::vector<TConstat>& constats) {
  std::string texte;
  for (const TConstat& c : constats) texte += (c.Gravite == grErreur ? "E " : "A ") + c.Message + "\n";
  return texte;
}

TEST(Verificateur, LesSourcesLivreesPassent) {
  EXPECT_EQ(Diagnostics(test::SourceDemo(), true), "");
  EXPECT_EQ(Diagnostics(test::ExempleDuReadme(), true), "");
}

TEST(Verificateur, MainsEtEnTete) {
  VerifieCas(test::SourceDemo(), {
      {"QT9.KQJ95", "QT9.KQJ9A", "ligne 10 : l'As de Cœur est dans deux mains : celle de Sud et celle d'Ouest."},
      {"S:AK4.A63", "S:KA4.A63", "ligne 10 : la main de Sud doit donner ses Piques en ordre décroissant."},
  });
  // Written by hand in the record: a suit in two pieces, a header value out of range.
  TDonne d = test::Demo().Donne;
  const TCard premiere = d.CarteMain(jrSud, 1), derniere = d.CarteMain(jrSud, 13);
  d.SetCarteMain(jrSud, 1, derniere);
  d.SetCarteMain(jrSud, 13, premiere);
  d.SetForce(7);
  d.SetLgPoint(0);
  const std::string m = Messages(Constats(d));
  EXPECT_THAT(m, HasSubstr("E la main de Sud doit donner ses Trèfles à la suite les uns des autres."));
  EXPECT_THAT(m, HasSubstr("E force 7 hors des limites (1 à 4)."));
  EXPECT_THAT(m, HasSubstr("A la donne n'a pas « Le point »."));
}

TEST(Verificateur, Encheres) {
  VerifieCas(test::SourceDemo(), {
      {"encheres 1SA passe 3SA", "encheres 1SA passe 1T", "ligne 11 : 1♣ n'est pas plus haut que 1SA (Nord, appel 3)."},
      {"contrat 3SA", "contrat 4SA", "ligne 9 : l'enchère finit par 3SA, le contrat annoncé est 4SA."},
      {"encheres 1SA passe 3SA", "encheres passe passe 1SA passe 3SA",
       "ligne 11 : le déclarant serait Nord (le premier de son camp à nommer les Sans-Atout) : c'est toujours Sud qui joue."},
      {"encheres 1SA passe 3SA", "encheres 1SA passe contre passe 3SA", "ligne 11 : contre impossible à cet endroit (Nord, appel 3)."},
      {"3SA passe passe passe", "3SA passe passe passe passe", "ligne 11 : l'enchère a 4 passes après la dernière enchère : trois la finissent."},
      {"encheres 1SA passe", "encheres 1SA!2 passe", "l'alerte 2 n'a pas de texte (Sud, appel 1)."},
      {"encheres 1SA passe 3SA passe passe passe", "encheres passe passe passe passe 1SA passe 3SA passe passe passe",
       "ligne 11 : l'enchère est déjà finie avant 1SA (Sud, appel 5)."},
  });
  EXPECT_EQ(Diagnostics(test::Remplace(test::SourceDemo(), "1SA passe 3SA passe", "1SA contre surcontre passe 3SA passe")), "");
}

TEST(Verificateur, LiensDuScript) {
  const std::string demo = test::SourceDemo();
  VerifieCas(demo, {
      {"suivante fin", "suivante 40", "ligne 43 : la suivante mène à la chaîne 40, qui est vide."},
      {"suivante fin", "suivante fin equivalente fin",
       "ligne 43 : l'équivalente de la chaîne « impasse » (4) mène à la chaîne « fin » (5), qui change de mode de jeu"},
      {"chaine roi levee 1 entame Ouest", "chaine roi levee 1 entame Est", "ligne 22 : la chaîne 1 doit être la première levée, entamée par Ouest."},
      {"Nord  : S* C8 C5 D*=3", "Nord  : D*=3",
       "ligne 36 : Nord n'a aucune carte juste (code 0) dans la chaîne « valet » (3), qui n'a pas d'équivalente : le joueur resterait bloqué."},
  });
  EXPECT_THAT(Diagnostics(demo + "chaine seule solution\n"), HasSubstr("la chaîne « seule » (6) n'est jamais atteinte depuis la chaîne 1."));
  const std::string boucle = test::Remplace(demo, "suivante fin", "suivante fin equivalente bis") +
                             "chaine bis levee entame Sud suivante fin equivalente impasse\n  Sud : D2\n  Nord : DT\n";
  EXPECT_THAT(Diagnostics(boucle), HasSubstr("les équivalences tournent en rond (4 → 6 → 4)"));
  // In the record: a link out of range, a type no one knows, a count out of range.
  TDonne d = test::Demo().Donne;
  d.Chaine(2).SetChaineSuivante(512);
  d.Chaine(5).SetTypeChaine(40);
  const std::string m = Messages(Constats(d));
  EXPECT_THAT(m, HasSubstr("E la suivante « 512 » n'est pas une chaîne (1 à 400)."));
  EXPECT_THAT(m, HasSubstr("E type de chaîne 40 inconnu (1 à 12) : le jeu reviendrait à la chaîne 1."));
  EXPECT_THAT(m, HasSubstr("E la chaîne 3 n'est jamais atteinte depuis la chaîne 1."));
}

TEST(Verificateur, CartesTenuesParLeJoueurQuiLesJoue) {
  VerifieCas(test::SourceDemo(), {
      {"Nord  : H4 H7", "Nord  : H4 HQ", "ligne 22 : carte 2 de Nord : la Dame de Cœur n'est pas dans la main de Nord."},
      {"Est   : H2", "Est   : HQ", "ligne 22 : carte 1 d'Est : la Dame de Cœur n'est pas dans la main d'Est."},
      {"Est   : H2", "Est   : H8 si HQ  H2",
       "carte 1 d'Est (condition sur la carte de Nord) : la Dame de Cœur n'est pas dans la main de Nord."},
  });
  // A master card ("+") is a card Sud or Nord may be asked for, and a right one.
  EXPECT_EQ(Diagnostics(test::Remplace(test::SourceDemo(), "Nord  : H4 H7", "Nord  : H+ H4 H7")), "");
  EXPECT_THAT(Diagnostics(test::Remplace(test::SourceDemo(), "Nord  : S* C8 C5 D*=3", "Nord  : *+ D*=3")),
              Not(HasSubstr("aucune carte juste")));
  VerifieCas(test::ExempleDuReadme(), {
      {"tenues Est DK", "tenues Est HK", "test des cartes tenues : le Roi de Cœur n'est pas dans la main d'Est."},
      {"prealables DA", "prealables SA", "groupe 1 : l'As de Pique n'est pas dans la main de Nord."},
      {"Sud : SA=4", "Sud : S7=4", "exception de Sud : le 7 de Pique n'est pas dans la main de Sud."},
      {"entame Sud CA", "entame Sud CK", "entame de Sud à Trèfle : le Roi de Trèfle n'est pas dans la main de Sud."},
      {"suites 5 *=9", "suites 4 *=9", "entame de Sud à Trèfle, suite : le 4 de Trèfle n'est pas dans la main de Nord."},
  });
}

TEST(Verificateur, JeuComplet) {
  const std::string exemple = test::ExempleDuReadme();
  VerifieCas(exemple, {
      {"jeu HJ S2 HT HA", "jeu HJ S2 D8 HA",
       "levée 3 du jeu complet : c'est à Est de jouer : Est doit fournir à Cœur (après HK H4 H2 H3 / HQ H7 H8 H6 / HJ S2)."},
      {"jeu C2 C3 C7 C8", "jeu C3 C7 C8 C2",
       "levée 5 du jeu complet : c'est à Est de jouer (le gagnant de la levée précédente entame) : Est n'a pas le 3 de "
       "Trèfle (après HK H4 H2 H3 / HQ H7 H8 H6 / HJ S2 HT HA / D2 D5 DT DK)."},
      {"Ouest : HK\n", "Ouest : HQ\n", "le jeu complet commence par le Roi de Cœur alors que le script fait entamer la Dame de Cœur."},
  });
  // 6SA with the play that makes ten tricks.
  std::string chelem = test::Remplace(test::Remplace(exemple, "encheres 3SA passe", "encheres 6SA passe"), "contrat 3SA", "contrat 6SA");
  const std::string m = Diagnostics(chelem, true);
  EXPECT_THAT(m, HasSubstr("le jeu complet ne fait pas le contrat : 10 levées pour le déclarant, il en faut 12."));
  EXPECT_THAT(m, HasSubstr("attention : en double mort, après l'entame (Roi de Cœur), le déclarant ne fait que 10 levées (il en faut 12)."));
  EXPECT_THAT(m, HasSubstr("attention : la revendication fait chuter le contrat (10 levées sur 12)."));
}

TEST(Verificateur, CommentairesEtPenalites) {
  const std::string demo = test::SourceDemo();
  VerifieCas(demo, {
      {"HA=1", "HA=9", "ligne 22 : le commentaire 9 est utilisé mais n'a pas de texte."},
      {"commentaire 1 40 :", "commentaire 1 :",
       "ligne 13 : attention : le commentaire 1 sanctionne une carte sans retirer de points (pénalité 0)."},
      {"HA=1", "HA=30", "le commentaire 30 n'existe pas : 1 à 18 pour ceux de la donne, 50 à 58 et 70 à 95 pour ceux du programme."},
      {"eo 3 commentaire 7", "eo 3 commentaire 91",
       "une revendication montre un commentaire de la donne (1 à 18) ou un message du programme (50 à 58), pas le "
       "commentaire 91."},
      {"eo 3 commentaire 7", "eo 3 commentaire 59", "(50 à 58), pas le commentaire 59."},
      {"commentaire 6 10 :", "commentaire 6 150 :", "la pénalité du commentaire 6 dépasse 100 points : l'entraîneur arrêterait la donne en la retirant."},
  });
  EXPECT_THAT(Diagnostics(demo + "commentaire 9 10 : Jamais dit.\n"), HasSubstr("attention : le commentaire 9 n'est jamais utilisé."));
  EXPECT_THAT(Diagnostics(test::Remplace(demo, "HA=1", "HA=72")), Not(HasSubstr("HA")));  // a message of the program
  // What the trainer plays is no error: a claim showing a trump message, a
  // foreseen error that takes no points (a warning).
  EXPECT_THAT(Diagnostics(test::Remplace(demo, "eo 3 commentaire 7", "eo 3 commentaire 52")),
              Not(HasSubstr("commentaire 52")));
  TDiagnostics sansPoints;
  EXPECT_TRUE(test::Compile(test::Remplace(demo, "commentaire 1 40 :", "commentaire 1 0 :"), sansPoints, false));
  EXPECT_FALSE(sansPoints.AErreurs()) << sansPoints.Texte();
}

TEST(Verificateur, Questions) {
  const std::string demo = test::SourceDemo();
  VerifieCas(demo, {
      {"question levee 3 repartition H", "question levee 3 defausse Nord", "ligne 53 : une question de défausse porte sur Ouest ou Est."},
      {"question levee 3 repartition H", "question levee 3 carte DK jouee",
       "attention : sur le jeu complet, le Roi de Carreau n'est pas encore joué à la fin de la levée 3 : la question ne sera pas posée."},
      {"question levee 3 repartition H", "question levee 3 defausse Est",
       "attention : sur le jeu complet, ni Ouest ni Est n'a défaussé à la levée 3 : la question ne sera pas posée."},
      {"penalite 10\n", "penalite 10\nquestion levee 3 entame penalite 0\n",
       "ligne 54 : attention : la question 2 remplace la question 1 à la levée 3."},
  });
  // On a deal where each seat holds one suit.
  const TDonne d = test::DonneValide();
  TQuestionsDonne q;
  q.SetNbQuestions(3);
  q.SetQuestion(1, TQuestion{5, 10, 5, 0, clTrefle, {}, 0, 0});
  q.SetQuestion(2, TQuestion{6, 10, 2, jrSud, 0, {}, 0, 1});
  q.SetQuestion(3, TQuestion{14, 10, 1, 0, 0, {}, 0, 0});
  std::string m = Messages(Constats(d, &q));
  EXPECT_THAT(m, HasSubstr("E Ouest et Est n'ont que 0 Trèfles : quatre répartitions différentes ne peuvent pas être proposées."));
  EXPECT_THAT(m, HasSubstr("E une couleur de 13 cartes : les propositions, d'un chiffre par couleur, ne peuvent pas l'écrire."));
  EXPECT_THAT(m, HasSubstr("E la question 3 vise la levée 14 (1 à 13)."));
  q.SetQuestion(3, TQuestion{7, 10, 3, 0, 0, TCard{0, 9}, 1, 0});
  m = Messages(Constats(d, &q));
  EXPECT_THAT(m, HasSubstr("E [carte 0, 9] n'est pas une carte."));
  q.SetNbQuestions(4);
  EXPECT_THAT(Messages(Constats(d, &q)), HasSubstr("E la fiche de questions annonce 4 questions : trois au plus."));
}

// The trainer's own play finds these: each names the trick and the cards
// that lead there.
TEST(Verificateur, LignePrincipale) {
  const std::string troisLevees = "(après HK H4 H2 H3 / HQ H7 H8 H6 / HJ S2 HT HA).";
  VerifieCas(test::SourceDemo(), {
      {"chaine impasse levee 4 entame Sud", "chaine impasse levee 4 entame Nord",
       "ligne 43 : levée 4 : la chaîne 4 fait entamer Nord alors que Sud a gagné la levée " + troisLevees},
      {"chaine dame levee 2 entame Ouest suivante valet", "chaine dame levee 2 entame Ouest",
       "ligne 29 : levée 3 : la chaîne 2 n'a pas de chaîne suivante pour la levée 3 (après HK H4 H2 H3 / HQ H7 H8 H6)."},
      // A defender never revokes: the script's card in another suit is not played.
      {"Est   : HT", "Est   : D8",
       "ligne 36 : levée 3 : la chaîne « valet » (3) fait jouer le 8 de Carreau à Est, qui doit fournir à Cœur : il "
       "joue le 10 de Cœur (après HK H4 H2 H3 / HQ H7 H8 H6 / HJ S2)."},
      {"Est   : H2", "Est   : H2 si H7",
       "attention : levée 1 : la chaîne « roi » (1) ne donne aucune carte à Est : il joue"},
      // The trainer stops there: solutions are computed for the declarer side only.
      {"chaine fin revendication ns 10 eo 3 commentaire 7", "chaine fin solution",
       "levée 5 : la chaîne 5 lance le mode solutions alors que Est a la main (après HK H4 H2 H3 / HQ H7 H8 H6 / HJ S2 HT "
       "HA / D2 D5 DT DK)."},
      // North discards: the only entry is a diamond with a code.
      {"Nord  : S* C8 C5 D*=3", "Nord  : D*=3",
       "ligne 36 : levée 3 : Nord n'a aucune carte acceptée (cartes permises : C5 C8 CK D3 DT DJ DQ DA S2 S6 S7) (après "
       "HK H4 H2 H3 / HQ H7 H8 H6 / HJ)."},
  });
  VerifieCas(test::ExempleDuReadme(), {
      {"si Ouest D=3 Est D=2 alors impasse", "si Ouest D=2 Est D=3 alors impasse",
       "levée 4 : la chaîne 4 (test de distribution) ne mène à aucune chaîne (-1) " + troisLevees},
  });
  // South's last heart is the ace the list charges: the trainer plays it
  // itself (the only card of the suit led), without a charge.
  EXPECT_THAT(Diagnostics(test::Remplace(test::SourceDemo(), "Sud   : HA H6=6 H3=6", "Sud   : H6 HA=6")),
              ::testing::Not(HasSubstr("levée 3 :")));
}

TEST(Verificateur, Revendication) {
  VerifieCas(test::SourceDemo(), {
      {"ns 10 eo 3", "ns 10 eo 2", "ligne 51 : la revendication donne 10 et 2 levées : il en faut 13 en tout."},
  });
  EXPECT_THAT(Diagnostics(test::Remplace(test::SourceDemo(), "ns 10 eo 3", "ns 9 eo 4"), true),
              HasSubstr("ligne 51 : attention : la revendication donne 9 levées à Nord-Sud ; sur la ligne principale, "
                        "le double mort en donne 10 (après HK H4 H2 H3 / HQ H7 H8 H6 / HJ S2 HT HA / D2 D5 DT DK)."));
}

// The script hands the play to solution mode after trick 4, which North
// wins (East keeps his king): the complete play is the main line, then
// double-dummy play.
TEST(Verificateur, JeuDeduitQuandLeScriptPasseLaMain) {
  TDiagnostics diagnostics;
  const std::string source = test::Remplace(test::SourceDemo(), "  Est   : DK\n", "  Est   : D8\n");
  const auto donne = test::Compile(test::Remplace(source, "chaine fin revendication ns 10 eo 3 commentaire 7",
                                                  "chaine fin solution"), diagnostics, true);
  ASSERT_TRUE(donne);
  EXPECT_EQ(diagnostics.NbErreurs(), 0) << diagnostics.Texte();
  EXPECT_THAT(diagnostics.Texte(), HasSubstr("attention : le commentaire 7 n'est jamais utilisé."));
  EXPECT_TRUE(donne->JeuDeduit);
  EXPECT_FALSE(donne->JeuCompletInconnu);
  EXPECT_EQ(donne->Donne.JeuComplet(4, 1), (TCard{2, clCarreau}));
  ASSERT_TRUE(donne->DoubleMort);
  // East's bare king falls under the ace: two spades, the ace of hearts,
  // five diamonds and three clubs.
  EXPECT_EQ(donne->DoubleMort->LeveesJeuComplet, 11);
}

TEST(Verificateur, DoubleMortDUneDonneConnue) {
  // The delivered deal: after the king of hearts, ten tricks double dummy.
  TDiagnostics diagnostics;
  const auto demo = test::Compile(test::SourceDemo(), diagnostics, true);
  ASSERT_TRUE(demo && demo->DoubleMort) << diagnostics.Texte();
  EXPECT_EQ(demo->DoubleMort->Entame, (TCard{13, clCoeur}));
  EXPECT_EQ(demo->DoubleMort->LeveesApresEntame, 10);
  EXPECT_EQ(demo->DoubleMort->LeveesRequises, 9);
  EXPECT_EQ(demo->DoubleMort->LeveesJeuComplet, 10);
  // Each seat holds one suit: in no trump the lead of a diamond gives West
  // all thirteen tricks; in clubs South ruffs and takes all but none.
  TDonne d = test::DonneValide();
  d.Chaine(1).SetTypeChaine(tcLevee);
  d.Chaine(1).SetEntameur(jrOuest);
  d.Chaine(1).SetDefense(1, 1, TCarteDefense{0, 0, {}, {}, TCard{RangQuelconque, clCarreau}});
  TOptionsVerification options;
  const TResultatVerification sansAtout = VerifieDonne(d, nullptr, options);
  ASSERT_TRUE(sansAtout.DoubleMort);
  EXPECT_EQ(sansAtout.DoubleMort->Entame, (TCard{2, clCarreau}));
  EXPECT_EQ(sansAtout.DoubleMort->LeveesApresEntame, 0);
  d.SetAtout(clTrefle);
  const TResultatVerification trefle = VerifieDonne(d, nullptr, options);
  ASSERT_TRUE(trefle.DoubleMort);
  EXPECT_EQ(trefle.DoubleMort->LeveesApresEntame, 13);
}

// Damaged records never crash, hang or throw: every fault is a finding.
TEST(Verificateur, OctetsAuHasardSansPlantage) {
  std::mt19937 hasard(7);
  const TDonne demo = test::Demo().Donne;
  TOptionsVerification options;
  options.DoubleMort = false;
  for (int essai = 0; essai < 60; ++essai) {
    TDonne d = demo;
    auto octets = d.Octets();
    if (essai < 5) {
      for (auto& o : octets) o = static_cast<std::uint8_t>(hasard());
    } else {
      // The script only, so that the main line walks through the damage.
      for (int k = 0; k < 30; ++k) octets[2680 + hasard() % 1400] = static_cast<std::uint8_t>(hasard() % 8);
      for (int k = 0; k < 10; ++k) octets[104 + hasard() % 203000] = static_cast<std::uint8_t>(hasard());
    }
    TQuestionsDonne q;
    for (auto& o : q.Octets()) o = static_cast<std::uint8_t>(hasard() % 16);
    EXPECT_NO_THROW(VerifieDonne(d, &q, options));
  }
}

}  // namespace
}  // namespace kalvo
