// The tracking model and its updates: what a new deal sets, what each card
// changes at once, and what the trick end derives.
#include <gtest/gtest.h>

#include "engine/Defausse.h"
#include "engine/SuiviMains.h"
#include "tests/engine/AideSuivi.h"

namespace kalvo {
namespace {

using test::C;
using test::Joue;
using test::JoueLevee;
using test::Position;

// S: ♠AKQ2 ♥KJ3 ♦A2 ♣K432, W: ♠JT9 ♥Q92 ♦KQJ3 ♣QJ9,
// N: ♠8765 ♥A84 ♦T98 ♣A76, E: ♠43 ♥T765 ♦7654 ♣T85.
T4Jeux DonneD() {
  return test::Jeux({"AKQ2.KJ3.A2.K432", "JT9.Q92.KQJ3.QJ9", "8765.A84.T98.A76", "43.T765.7654.T85"});
}

void AttendDrapeauxNuls(const TSuiviMains& suivi) {
  for (TJoueur j : TousLesJoueurs) {
    for (int i = 1; i <= 13; ++i) {
      const TSuiviCarte& x = suivi.Suivi(j, i);
      EXPECT_FALSE(x.superieure || x.maitresse || x.affranchie || x.communicante || x.receptrice || x.isolee);
      EXPECT_EQ(x.numero, 0);
      EXPECT_EQ(x.rang, 0);
    }
    for (T4Couleur s : ToutesLesCouleurs) {
      const TSuiviCouleur& c = suivi.SuiviCouleur(j, s);
      EXPECT_EQ(c.maxlongueur + c.superieures + c.maitresses + c.affranchies, 0);
      EXPECT_EQ(suivi.s_GetMaitresses(j, s), 0);
    }
  }
  for (TJoueur j : {jrSud, jrNord}) {
    EXPECT_EQ(suivi.TotalCommunications(j), 0);
    for (T4Couleur s : ToutesLesCouleurs) EXPECT_FALSE(suivi.Bloquee(j, s));
  }
}

TEST(Initialisation, EnregistreLesCartesSansRienDeriver) {
  TSuiviMains suivi;
  suivi.s_Initialise(DonneD(), 7, clCoeur);
  EXPECT_EQ(suivi.NumDonne(), 7);
  EXPECT_EQ(suivi.CouleurAtout(), clCoeur);

  const TSuiviCarte& as = suivi.Suivi(jrSud, 1);
  EXPECT_EQ(as.indice, 1);
  EXPECT_EQ(as.coul, clPique);
  EXPECT_EQ(as.ht, 14);
  EXPECT_EQ(as.rang_absolu, 1);
  EXPECT_FALSE(as.is_atout);
  EXPECT_EQ(suivi.Suivi(jrSud, 4).rang_absolu, 13);  // the two of spades
  EXPECT_TRUE(suivi.Suivi(jrSud, 5).is_atout);       // the king of hearts
  EXPECT_EQ(suivi.Suivi(jrSud, 13).indice, 13);

  EXPECT_EQ(suivi.SuiviCouleur(jrSud, clPique).nombre, 4);
  EXPECT_EQ(suivi.SuiviCouleur(jrSud, clCarreau).nombre, 2);
  EXPECT_EQ(suivi.PlusForte(jrSud, clCarreau).indice, 8);
  EXPECT_EQ(suivi.PlusForte(jrSud, clCarreau).h, 14);
  EXPECT_EQ(suivi.PlusForte(jrEst, clPique).h, 4);

  EXPECT_EQ(suivi.SuiviLigne(liNS, clPique).nombre, 8);
  EXPECT_EQ(suivi.SuiviLigne(liNS, clPique).maxlongueur, 4);
  EXPECT_EQ(suivi.SuiviLigne(liEO, clPique).nombre, 5);
  EXPECT_EQ(suivi.SuiviLigne(liEO, clCoeur).maxlongueur, 4);
  EXPECT_EQ(suivi.SuiviLigne(liNS, clCoeur).maitresses, 0);
  EXPECT_EQ(suivi.Compte(jrOuest), 13);
  AttendDrapeauxNuls(suivi);
}

TEST(Initialisation, UneCouleurAbsenteNaPasDePlusForte) {
  TSuiviMains suivi;
  suivi.s_Initialise(test::Jeux({"AKQJT.AKQJ.AKQJ.", "98765432.T9..AKQ", ".8765432.T98.JT9", "..765432.8765432"}), 1, clSA);
  EXPECT_EQ(suivi.PlusForte(jrSud, clTrefle).indice, 0);
  EXPECT_EQ(suivi.PlusForte(jrSud, clTrefle).h, 0);
  EXPECT_EQ(suivi.SuiviCouleur(jrSud, clTrefle).nombre, 0);
  EXPECT_EQ(suivi.PlusForte(jrEst, clCarreau).indice, 1);
}

TEST(Initialisation, UneNouvelleDonneEffaceLaPrecedente) {
  TSuiviMains suivi;
  suivi.s_Initialise(DonneD(), 1, clSA);
  JoueLevee(suivi, 1, jrOuest, {"SJ", "S5", "S3", "SA"});
  suivi.s_Initialise(DonneD(), 2, clPique);
  EXPECT_FALSE(suivi.s_isCarteJouee(jrSud, 1));
  EXPECT_EQ(suivi.SuiviCouleur(jrOuest, clPique).nombre, 3);
  EXPECT_EQ(suivi.CompteurLevees(), 0);
  AttendDrapeauxNuls(suivi);
}

TEST(PremiereLevee, SeJoueAvecLesDrapeauxAZeroEtLesComptesAJour) {
  TSuiviMains suivi;
  suivi.s_Initialise(DonneD(), 1, clSA);
  Joue(suivi, jrOuest, "DK");
  // Live counters follow the card at once.
  EXPECT_EQ(suivi.SuiviCouleur(jrOuest, clCarreau).nombre, 3);
  EXPECT_EQ(suivi.PlusForte(jrOuest, clCarreau).h, 12);
  EXPECT_EQ(suivi.SuiviLigne(liEO, clCarreau).nombre, 7);
  EXPECT_EQ(suivi.Compte(jrOuest), 12);
  Joue(suivi, jrNord, "D8");
  Joue(suivi, jrEst, "D4");
  Joue(suivi, jrSud, "DA");
  EXPECT_EQ(suivi.SuiviLigne(liNS, clCarreau).nombre, 3);
  EXPECT_EQ(suivi.SuiviLigne(liNS, clCarreau).maxlongueur, 2);
  AttendDrapeauxNuls(suivi);
  EXPECT_EQ(suivi.s_GetMaitressesRealisables(jrSud), 0);

  test::FinDeLevee(suivi, 1);
  EXPECT_EQ(suivi.Levee(), 1);
  EXPECT_EQ(suivi.CompteurLevees(), 0);
  const TSuiviCarte& deux = test::Suivi(suivi, jrSud, "D2");
  EXPECT_EQ(deux.rang, 3);          // below North's ten and nine
  EXPECT_EQ(deux.rang_absolu, 9);   // Q J 3, T 9, 7 6 5 above it
  EXPECT_EQ(deux.numero, 1);
  EXPECT_TRUE(deux.communicante);
  EXPECT_FALSE(deux.receptrice);
  EXPECT_TRUE(test::Suivi(suivi, jrOuest, "DQ").maitresse);
  EXPECT_EQ(test::Suivi(suivi, jrOuest, "DQ").rang_absolu, 1);
  EXPECT_FALSE(test::Suivi(suivi, jrNord, "DT").maitresse);
  // The played cards are cleared.
  EXPECT_FALSE(test::Suivi(suivi, jrSud, "DA").maitresse);
}

TEST(PremiereLevee, LaDerniereCarteDuneCouleurEffaceLaPlusForte) {
  TSuiviMains suivi = Position({"A.K.2.", "K.A..2", ".Q.A.3", "..K.AK"});
  Joue(suivi, jrSud, "D2");
  EXPECT_EQ(suivi.PlusForte(jrSud, clCarreau).indice, 0);
  EXPECT_EQ(suivi.PlusForte(jrSud, clCarreau).h, 0);
  EXPECT_EQ(suivi.SuiviCouleur(jrSud, clCarreau).nombre, 0);
}

TEST(FinDeLevee, RoiDeuxFaceAsDameApresAsEtRoi) {
  TSuiviMains suivi = Position({".K2.3.", "A.JT..", ".AQ..4", "K.98.."});
  EXPECT_EQ(test::Suivi(suivi, jrNord, "HA").rang, 1);
  EXPECT_EQ(test::Suivi(suivi, jrSud, "HK").rang, 2);
  EXPECT_EQ(test::Suivi(suivi, jrNord, "HQ").rang, 3);
  EXPECT_EQ(test::Suivi(suivi, jrSud, "H2").rang, 4);

  JoueLevee(suivi, 11, jrNord, {"HA", "H8", "HK", "HT"});
  const TSuiviCarte& deux = test::Suivi(suivi, jrSud, "H2");
  const TSuiviCarte& dame = test::Suivi(suivi, jrNord, "HQ");
  EXPECT_EQ(deux.rang, 2);
  EXPECT_EQ(deux.rang_absolu, 4);
  EXPECT_FALSE(deux.receptrice);
  EXPECT_EQ(dame.rang, 1);
  EXPECT_EQ(dame.rang_absolu, 1);
  EXPECT_TRUE(dame.maitresse);
  EXPECT_TRUE(dame.receptrice);
  EXPECT_EQ(suivi.Communications(jrNord, clCoeur), 1);
  EXPECT_EQ(suivi.TotalCommunications(jrNord), 1);
  EXPECT_EQ(suivi.TotalCommunications(jrSud), 0);
  EXPECT_EQ(suivi.Levee(), 11);
  EXPECT_EQ(suivi.CompteurLevees(), 10);
}

TEST(FinDeLevee, PartenaireChicaneRendLaCarteIsolee) {
  TSuiviMains suivi = Position({".K2.3.", "A.JT..", ".AQ..4", "K.98.."});
  const TSuiviCarte& carreau = test::Suivi(suivi, jrSud, "D3");
  EXPECT_TRUE(carreau.isolee);
  EXPECT_TRUE(carreau.superieure);
  EXPECT_FALSE(carreau.communicante);
  EXPECT_FALSE(carreau.receptrice);
}

TEST(Affranchies, AutantDeMaitressesQueLaPlusLongueAdverse) {
  TSuiviMains suivi = Position({"AK432...", "QJ.AKQ..", ".JT9.AK.", "..QJT.AK"});
  const TSuiviCouleur& piques = suivi.SuiviCouleur(jrSud, clPique);
  EXPECT_EQ(piques.maitresses, 2);
  EXPECT_EQ(piques.affranchies, 3);
  for (std::string_view c : {"S4", "S3", "S2"}) EXPECT_TRUE(test::Suivi(suivi, jrSud, c).affranchie) << c;
  EXPECT_TRUE(suivi.s_isAllMaitressesOrAffranchiesInCouleur(jrSud, clPique));
  EXPECT_EQ(suivi.s_GetTotalMaitressesAffranchies(jrSud), 5);
}

TEST(Affranchies, UneMaitresseDeMoinsEtRienNestAffranchiEnBloc) {
  TSuiviMains suivi = Position({"AQ432...", "KJ.AKQ..", ".JT9.AK.", "..QJT.AK"});
  const TSuiviCouleur& piques = suivi.SuiviCouleur(jrSud, clPique);
  EXPECT_EQ(piques.maitresses, 1);
  EXPECT_EQ(piques.affranchies, 0);
  // Card by card, those beyond the opponents' longer holding still are.
  EXPECT_FALSE(test::Suivi(suivi, jrSud, "SQ").affranchie);
  for (std::string_view c : {"S4", "S3", "S2"}) EXPECT_TRUE(test::Suivi(suivi, jrSud, c).affranchie) << c;
  EXPECT_FALSE(suivi.s_isAllMaitressesOrAffranchiesInCouleur(jrSud, clPique));
}

TEST(Affranchies, UneCarteDevenueMaitresseGardeSonAncienneValeur) {
  TSuiviMains suivi = Position({"J32...", "K.AK..", "A..AK.", "...AKQ"});
  EXPECT_FALSE(test::Suivi(suivi, jrSud, "SJ").affranchie);
  EXPECT_TRUE(test::Suivi(suivi, jrSud, "S2").affranchie);
  EXPECT_FALSE(test::Suivi(suivi, jrSud, "S2").maitresse);

  JoueLevee(suivi, 11, jrOuest, {"SK", "SA", "CQ", "S3"});
  const TSuiviCarte& valet = test::Suivi(suivi, jrSud, "SJ");
  const TSuiviCarte& deux = test::Suivi(suivi, jrSud, "S2");
  EXPECT_TRUE(valet.maitresse);
  EXPECT_FALSE(valet.affranchie);  // not recomputed although the opponents are void
  EXPECT_TRUE(deux.maitresse);
  EXPECT_TRUE(deux.affranchie);
}

// ---- Blocked suits ----

struct TBlocages {
  std::vector<T4Couleur> sud, nord;
};
TBlocages Blocages(const TSuiviMains& suivi) {
  TBlocages b;
  for (T4Couleur s : ToutesLesCouleurs) {
    if (suivi.Bloquee(jrSud, s)) b.sud.push_back(s);
    if (suivi.Bloquee(jrNord, s)) b.nord.push_back(s);
  }
  return b;
}

TEST(Blocage, Regle1SingletonSuperieurDeSudSansAutreEntree) {
  const TSuiviMains suivi = Position({".A..432", "AKQJ...", ".KQ.32.", ".5432.."});
  EXPECT_EQ(suivi.Communications(jrSud, clCoeur), 1);
  const TBlocages b = Blocages(suivi);
  EXPECT_EQ(b.sud, std::vector<T4Couleur>{clCoeur});
  EXPECT_TRUE(b.nord.empty());  // the partnership's masters do not cover East's four hearts
}

TEST(Blocage, Regle1TombeAvecUneEntreeAilleurs) {
  const TSuiviMains suivi = Position({".A..A32", "AKQJ...", ".KQ.2.4", ".5432.."});
  EXPECT_EQ(suivi.Communications(jrSud, clTrefle), 1);
  const TBlocages b = Blocages(suivi);
  EXPECT_TRUE(b.sud.empty());
  EXPECT_TRUE(b.nord.empty());
}

TEST(Blocage, Regle2MainLongueDeSudFaceAuxHonneursSecsDuNord) {
  const TSuiviMains suivi = Position({"5432...", "QJ.KQ..", "AK..32.", ".JT98.."});
  EXPECT_EQ(suivi.Communications(jrNord, clPique), 2);
  const TBlocages b = Blocages(suivi);
  EXPECT_EQ(b.sud, std::vector<T4Couleur>{clPique});
  EXPECT_TRUE(b.nord.empty());
}

TEST(Blocage, Regle3MainLongueDuNordFaceAuxHonneursDeSud) {
  // South's A-2 opposite four small: all but one of South's spades are masters.
  const TSuiviMains suivi = Position({"A2.32..", "K.AKQ..", "6543...", "..AKQJ."});
  EXPECT_EQ(suivi.Communications(jrSud, clPique), 1);
  const TBlocages b = Blocages(suivi);
  EXPECT_TRUE(b.sud.empty());
  EXPECT_EQ(b.nord, std::vector<T4Couleur>{clPique});
}

// ---- Invariants over whole deals ----

void VerifieInvariants(const TSuiviMains& suivi, int levee) {
  SCOPED_TRACE("levée " + std::to_string(levee));
  for (T4Couleur s : ToutesLesCouleurs) {
    int restantes = 0;
    std::array<std::vector<int>, 2> rangs;
    std::vector<int> absolus;
    for (TJoueur j : TousLesJoueurs) {
      const TSuiviCouleur& c = suivi.SuiviCouleur(j, s);
      EXPECT_EQ(c.nombre, suivi.s_GetNbNonPrisesInCouleur(j, s));
      EXPECT_LE(c.maitresses, c.nombre);
      EXPECT_LE(c.superieures, c.nombre);
      restantes += c.nombre;
      for (int i = 1; i <= 13; ++i) {
        const TSuiviCarte& x = suivi.Suivi(j, i);
        if (x.coul != s) continue;
        if (x.played) {
          EXPECT_FALSE(x.superieure || x.maitresse || x.affranchie || x.communicante || x.receptrice || x.isolee);
          continue;
        }
        if (x.communicante) {
          EXPECT_TRUE(!x.superieure && !x.isolee);
        }
        if (x.isolee) {
          EXPECT_TRUE(x.superieure && !x.communicante && !x.receptrice);
        }
        if (x.ht == 14) {
          EXPECT_TRUE(x.maitresse && x.rang == 1 && x.rang_absolu == 1);
        }
        EXPECT_EQ(x.numero, suivi.s_GetNumeroInCouleur(j, suivi.Carte(j, i)));
        rangs[LigneDe(j)].push_back(x.rang);
        absolus.push_back(x.rang_absolu);
      }
    }
    EXPECT_EQ(restantes, suivi.SuiviLigne(liNS, s).nombre + suivi.SuiviLigne(liEO, s).nombre);
    for (TLigne l : {liNS, liEO}) {
      const TJoueur a = l == liNS ? jrSud : jrOuest;
      EXPECT_EQ(suivi.SuiviLigne(l, s).maitresses,
                suivi.SuiviCouleur(a, s).maitresses + suivi.SuiviCouleur(Partenaire(a), s).maitresses);
      std::sort(rangs[l].begin(), rangs[l].end());
      for (std::size_t k = 0; k < rangs[l].size(); ++k) EXPECT_EQ(rangs[l][k], static_cast<int>(k) + 1);
    }
    std::sort(absolus.begin(), absolus.end());
    for (std::size_t k = 0; k < absolus.size(); ++k) EXPECT_EQ(absolus[k], static_cast<int>(k) + 1);
  }
}

TEST(Invariants, TiennentApresChaqueLeveeDeDonnesAuHasard) {
  std::mt19937 alea(20240611);
  for (int donne = 0; donne < 20; ++donne) {
    TSuiviMains suivi;
    suivi.s_Initialise(test::JeuxAuHasard(alea), donne, static_cast<TCouleur>(donne % 5));
    test::JoueAuHasard(suivi, jrOuest, 1, 13, alea, [&](int levee) {
      VerifieInvariants(suivi, levee);
      for (TJoueur j : TousLesJoueurs) EXPECT_EQ(suivi.Compte(j), 13 - levee);
    });
    for (TJoueur j : TousLesJoueurs) EXPECT_EQ(suivi.s_FindIndiceLastCarteNonPrise(j), 14);
  }
}

}  // namespace
}  // namespace kalvo

namespace kalvo {
namespace {

#ifndef NDEBUG
// The engine checks nothing at run time; in the test build a wrong call
// stops on an assertion instead of reading out of bounds.
TEST(ContratsDAppelDeathTest, UnAppelHorsDesBornesEstArrete) {
  TSuiviMains suivi;
  suivi.s_Initialise(DonneD(), 1, clSA);
  EXPECT_DEATH((void)suivi.Suivi(jrSud, 14), "");
  EXPECT_DEATH((void)suivi.s_isCarteJouee(jrSud, 0), "");
  EXPECT_DEATH((void)suivi.s_GetCompteCouleur(jrSud, clSA), "");
  EXPECT_DEATH((void)suivi.Communications(jrOuest, clPique), "");
  EXPECT_DEATH((void)suivi.s_ExamineSituation(jrEst), "");
  EXPECT_DEATH((void)ChoisitDefausse(suivi, TPositionDefense{jrNord, jrSud, {}, 1}), "");
  test::Joue(suivi, jrSud, "DA");
  test::Joue(suivi, jrSud, "D2");
  EXPECT_DEATH(suivi.s_Actualise(jrSud, clCarreau), "");  // no diamond left to count down
}
#endif

}  // namespace
}  // namespace kalvo
