#include "model/Donne.h"

#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

// Raw little-endian reads of the record, independent of the class.
int Octet(const TDonne& d, std::size_t pos) { return d.Octets()[pos]; }
int Mot(const TDonne& d, std::size_t pos) { return d.Octets()[pos] | (d.Octets()[pos + 1] << 8); }
std::int32_t Long(const TDonne& d, std::size_t pos) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(Mot(d, pos)) | (static_cast<std::uint32_t>(Mot(d, pos + 2)) << 16));
}

TEST(Donne, EnTeteAuxBonsOctets) {
  TDonne d;
  ASSERT_EQ(d.Octets().size(), 203476u);
  d.SetCarteMain(jrOuest, 3, TCard{12, clCoeur});
  d.SetCarteMain(jrEst, 13, TCard{2, clPique});
  d.SetCommentaires("ab");
  d.SetDonneur(jrNord);
  d.SetVulnerabilite(vlnEO);
  d.SetNiveauContrat(4);
  d.SetAtout(clPique);
  d.SetEnchere(2, jrNord, {3, clCoeur, 2});
  d.SetAlerte(3, "Texas");
  d.SetPenalite(18, -7);
  d.SetTheme(27);
  d.SetForce(4);
  d.SetTextePoint("xyz");
  d.SetTexteResume(std::string(1900, 'r'));
  d.SetJeuComplet(12, 4, TCard{14, clTrefle});

  EXPECT_EQ(Mot(d, 26 * 1 + 2 * 2), 0x020C);   // card 3 of West
  EXPECT_EQ(Mot(d, 26 * 3 + 2 * 12), 0x0302);  // card 13 of East
  EXPECT_EQ(Long(d, 104), 2);
  EXPECT_EQ(Octet(d, 108), 'a');
  EXPECT_EQ(Octet(d, 2312), jrNord);
  EXPECT_EQ(Octet(d, 2316), vlnEO);
  EXPECT_EQ(Octet(d, 2320), 4);
  EXPECT_EQ(Octet(d, 2321), clPique);
  EXPECT_EQ(Octet(d, 2322 + 16 + 8), 3);
  EXPECT_EQ(Octet(d, 2322 + 16 + 9), clCoeur);
  EXPECT_EQ(Mot(d, 2322 + 16 + 10), 2);
  EXPECT_EQ(Octet(d, 2434 + 82), 5);
  EXPECT_EQ(Octet(d, 2434 + 83), 'T');
  EXPECT_EQ(Long(d, 2600 + 68), -7);
  EXPECT_EQ(Long(d, 2672), 27);
  EXPECT_EQ(Long(d, 2676), 4);
  EXPECT_EQ(Long(d, 200472), 3);
  EXPECT_EQ(Octet(d, 200476 + 2), 'z');
  EXPECT_EQ(Long(d, 201476), 1900);
  EXPECT_EQ(Octet(d, 201480 + 1899), 'r');
  EXPECT_EQ(Mot(d, 203474), 0x000E);  // the record's last two bytes

  EXPECT_EQ(d.CarteMain(jrOuest, 3), (TCard{12, clCoeur}));
  EXPECT_EQ(d.Mains()(jrEst, 13), (TCard{2, clPique}));
  EXPECT_EQ(d.Donneur(), jrNord);
  EXPECT_EQ(d.Vulnerabilite(), vlnEO);
  EXPECT_EQ(d.NiveauContrat(), 4);
  EXPECT_EQ(d.Atout(), clPique);
  EXPECT_EQ(d.Enchere(2, jrNord), (TEnchere{3, clCoeur, 2}));
  EXPECT_EQ(d.Alerte(3), "Texas");
  EXPECT_EQ(d.Penalite(18), -7);
  EXPECT_EQ(d.Theme(), 27);
  EXPECT_EQ(d.Force(), 4);
  EXPECT_EQ(d.TextePoint(), "xyz");
  EXPECT_EQ(d.TexteResume().size(), 1900u);
  EXPECT_EQ(d.JeuComplet(12, 4), (TCard{14, clTrefle}));
}

TEST(Donne, ChaineDeLeveeAuxBonsOctets) {
  TDonne d;
  const std::size_t c400 = 2680 + 266 * 399;
  auto chaine = d.Chaine(400);
  chaine.SetChaineEquivalente(-1);
  chaine.SetChaineSuivante(999);
  chaine.SetEntameur(jrEst);
  chaine.SetTypeChaine(tcLevee);
  chaine.SetDefense(2, 3, TCarteDefense{1, 2, TCard{3, 1}, TCard{15, 2}, TCard{32, 3}});
  chaine.SetDeclarant(2, 8, TCarteDeclarant{TCard{128, 2}, 17});
  EXPECT_EQ(Long(d, c400), -1);
  EXPECT_EQ(Long(d, c400 + 4), 999);
  EXPECT_EQ(Octet(d, c400 + 12), jrEst);
  EXPECT_EQ(Octet(d, c400 + 17), 1);
  const std::size_t def = c400 + 18 + 24 + 16;
  EXPECT_EQ(Octet(d, def), 1);
  EXPECT_EQ(Octet(d, def + 1), 2);
  EXPECT_EQ(Mot(d, def + 2), 0x0103);
  EXPECT_EQ(Mot(d, def + 4), 0x020F);
  EXPECT_EQ(Mot(d, def + 6), 0x0320);
  EXPECT_EQ(Mot(d, c400 + 66 + 32 + 28), 0x0280);
  EXPECT_EQ(Mot(d, c400 + 66 + 32 + 30), 17);
  const TDonne& lecture = d;
  EXPECT_EQ(lecture.Chaine(400).Defense(2, 3).CarteCondition, (TCard{15, 2}));
  EXPECT_EQ(lecture.Chaine(400).Declarant(2, 8).Code, 17);
  EXPECT_EQ(lecture.Chaine(400).Entameur(), jrEst);
  // Led by East, North plays second: slot 2 of the declarer side; East slot 1.
  EXPECT_EQ(lecture.Chaine(400).Place(jrNord), 2);
  EXPECT_EQ(lecture.Chaine(400).Place(jrEst), 1);

  // The opening lead is read at record offset 2704.
  d.Chaine(1).SetDefense(1, 1, TCarteDefense{0, 0, {}, {}, TCard{13, clCoeur}});
  EXPECT_EQ(Mot(d, 2704), 0x020D);
  EXPECT_EQ(d.Entame(), (TCard{13, clCoeur}));
}

TEST(Donne, NoeudsDeDecisionAuxBonsOctets) {
  TDonne d;
  const std::size_t c2 = 2680 + 266;
  auto chaine = d.Chaine(2);
  chaine.SetEntreeDistribution(4, TEntreeDistribution{-1, {0x1234, 0xFFFF, 0, 0x00F0}});
  EXPECT_EQ(Long(d, c2 + 54), -1);
  EXPECT_EQ(Mot(d, c2 + 58), 0x1234);
  EXPECT_EQ(Mot(d, c2 + 64), 0x00F0);

  chaine.SetEntreeLongueur(2, TEntreeLongueur{12, jrOuest, clCarreau, 3});
  EXPECT_EQ(Long(d, c2 + 30), 12);
  EXPECT_EQ(Octet(d, c2 + 34), jrOuest);
  EXPECT_EQ(Octet(d, c2 + 35), clCarreau);
  EXPECT_EQ(Long(d, c2 + 38), 3);
  EXPECT_EQ(d.Chaine(2).EntreeLongueur(2), (TEntreeLongueur{12, jrOuest, clCarreau, 3}));

  // Types 3, 4, 5, 9 share chain A and B; 3 and 9 the seat byte.
  chaine.SetChaineA(7);
  chaine.SetChaineB(8);
  chaine.SetJoueur(jrNord);
  chaine.SetNbCartes(17);
  chaine.SetCarteTenue(17, TCard{11, clPique});
  EXPECT_EQ(Long(d, c2 + 18), 7);
  EXPECT_EQ(Long(d, c2 + 22), 8);
  EXPECT_EQ(Octet(d, c2 + 26), jrNord);
  EXPECT_EQ(Long(d, c2 + 27), 17);
  EXPECT_EQ(Mot(d, c2 + 31 + 32), 0x030B);
  EXPECT_EQ(d.Chaine(2).NbCartes(), 17);
  chaine.SetCouleur(clCoeur);
  EXPECT_EQ(Octet(d, c2 + 27), clCoeur);
  EXPECT_EQ(d.Chaine(2).Couleur(), clCoeur);

  // Type 6 and type 11.
  chaine.SetCodeRevendication(5);
  chaine.SetLeveesNS(9);
  chaine.SetLeveesEO(4);
  EXPECT_EQ(Mot(d, c2 + 18), 5);
  EXPECT_EQ(Long(d, c2 + 22), 9);
  EXPECT_EQ(Long(d, c2 + 26), 4);
  chaine.SetNumeroPool(3);
  EXPECT_EQ(Long(d, c2 + 30), 3);
  EXPECT_EQ(d.Chaine(2).NumeroPool(), 3);
}

TEST(Donne, ChaineAutomatiqueAuxBonsOctets) {
  TDonne d;
  const std::size_t c = 2680 + 266 * 9;
  const auto a = d.Chaine(10).Auto();
  a.SetSuiteSiSud(11);
  a.SetSuiteSinon(12);
  a.SetNbLevees(3);
  a.SetCodeDefaut(6);
  a.SetNbSud(8);
  a.SetNbNord(1);
  a.SetListeSud(1, TCarteAuto{TCard{14, 3}, 9, 1});
  a.SetListeNord(8, TCarteAuto{TCard{15, 7}, -2, 0});
  a.SetParCouleur(clPique, TParCouleurAuto{1, 70});
  EXPECT_EQ(Long(d, c + 18), 11);
  EXPECT_EQ(Long(d, c + 22), 12);
  EXPECT_EQ(Long(d, c + 26), 3);
  EXPECT_EQ(Long(d, c + 30), 6);
  EXPECT_EQ(Long(d, c + 34), 8);
  EXPECT_EQ(Long(d, c + 38), 1);
  EXPECT_EQ(Mot(d, c + 42), 0x030E);
  EXPECT_EQ(Long(d, c + 46), 9);
  EXPECT_EQ(Octet(d, c + 50), 1);
  EXPECT_EQ(Mot(d, c + 138 + 84), 0x070F);
  EXPECT_EQ(Long(d, c + 138 + 88), -2);
  EXPECT_EQ(Octet(d, c + 258), 1);
  EXPECT_EQ(Long(d, c + 262), 70);
  const TDonne& lecture = d;
  EXPECT_EQ(lecture.Chaine(10).Auto().ListeNord(8), (TCarteAuto{TCard{15, 7}, -2, 0}));
  EXPECT_EQ(lecture.Chaine(10).Auto().ParCouleur(clPique), (TParCouleurAuto{1, 70}));
  EXPECT_EQ(lecture.Chaine(10).Auto().NbSud(), 8);
}

TEST(Donne, TablesAuxBonsOctets) {
  TDonne d;
  d.SetCompteur(2, clPique, TCompteur{3, 44, {2, 3, 15, 0, 0, 0, 0, 9}});
  const std::size_t cpt = 109080 + 64 + 48;
  EXPECT_EQ(Long(d, cpt), 3);
  EXPECT_EQ(Mot(d, cpt + 4), 44);
  EXPECT_EQ(Octet(d, cpt + 8 + 2), 15);
  EXPECT_EQ(Octet(d, cpt + 15), 9);
  EXPECT_EQ(d.Compteur(2, clPique).Rangs[7], 9);

  TGroupe groupe;
  groupe.Prealables[3] = TCard{14, 2};
  groupe.Acceptees[0] = TCard{15, 1};
  groupe.Code = 12;
  d.SetGroupe(4, groupe);
  const std::size_t g4 = 200392 + 60;
  EXPECT_EQ(Mot(d, g4 + 6), 0x020E);
  EXPECT_EQ(Mot(d, g4 + 8), 0x010F);
  EXPECT_EQ(Mot(d, g4 + 16), 12);
  EXPECT_EQ(d.Groupe(4), groupe);

  const std::size_t p4 = 109208 + 22796 * 3;
  const auto entame = d.Pool(4).Entame(true, clPique, 8);
  const std::size_t e = p4 + 8 + 10752 + 2688 * 3 + 336 * 7;
  entame.SetRang(15);
  entame.SetNbConditions(4);
  entame.SetNbSuites(6);
  entame.SetNbDefausses(7);
  entame.SetCondition(4, TConditionPool{2, TCard{16, 1}, 33});
  entame.SetSuite(6, TSuitePool{9, 34});
  entame.SetDefausse(7, TDefaussePool{16, 7, 35});
  EXPECT_EQ(Octet(d, e + 4), 15);
  EXPECT_EQ(Octet(d, e + 5), 4);
  EXPECT_EQ(Mot(d, e + 6), 6);
  EXPECT_EQ(Mot(d, e + 8), 7);
  EXPECT_EQ(Octet(d, e + 36), 2);
  EXPECT_EQ(Mot(d, e + 37), 0x0110);
  EXPECT_EQ(Mot(d, e + 40), 33);
  EXPECT_EQ(Octet(d, e + 264), 9);
  EXPECT_EQ(Mot(d, e + 268), 34);
  EXPECT_EQ(Octet(d, e + 332), 16);
  EXPECT_EQ(Octet(d, e + 333), 7);
  EXPECT_EQ(Mot(d, e + 334), 35);

  const auto autre = d.Pool(4).Autre(true, clPique, 8);
  const std::size_t a = p4 + 21516 + 640 + 480 + 140;
  EXPECT_EQ(a + 20, p4 + 22796);  // the pool's last entry ends the pool
  autre.SetRang(13);
  autre.SetNbSuites(7);
  autre.SetSuite(7, TSuiteAutre{15, 36});
  autre.SetCode(37);
  EXPECT_EQ(Octet(d, a), 13);
  EXPECT_EQ(Octet(d, a + 1), 7);
  EXPECT_EQ(Octet(d, a + 14), 15);
  EXPECT_EQ(Octet(d, a + 15), 36);
  EXPECT_EQ(Mot(d, a + 16), 37);

  const TDonne& lecture = d;
  EXPECT_EQ(lecture.Pool(4).Entame(true, clPique, 8).Condition(4), (TConditionPool{2, TCard{16, 1}, 33}));
  EXPECT_EQ(lecture.Pool(4).Entame(true, clPique, 8).NbDefausses(), 7);
  EXPECT_EQ(lecture.Pool(4).Autre(true, clPique, 8).Suite(7), (TSuiteAutre{15, 36}));
  EXPECT_TRUE(lecture.Pool(4).Entame(false, clPique, 8).EstVide());
}

// Every number that selects a part of the record is checked.
TEST(Donne, NumerosHorsLimitesSignales) {
  TDonne d;
  d.SetNumero(3);
  try {
    d.Chaine(512);
    FAIL();
  } catch (const ErreurDonnee& e) {
    EXPECT_STREQ(e.what(), "Donne 3 : chaîne 512 hors des limites (1 à 400).");
  }
  EXPECT_THROW(d.Chaine(0), ErreurDonnee);
  EXPECT_THROW(d.Pool(5), ErreurDonnee);
  EXPECT_THROW(d.Pool(0), ErreurDonnee);
  EXPECT_THROW(d.Groupe(0), ErreurDonnee);
  EXPECT_THROW(d.SetGroupe(5, {}), ErreurDonnee);
  EXPECT_THROW(d.Compteur(3, clTrefle), ErreurDonnee);
  EXPECT_THROW(d.Compteur(1, static_cast<T4Couleur>(4)), ErreurDonnee);
  EXPECT_THROW(d.Alerte(5), ErreurDonnee);
  EXPECT_THROW(d.Penalite(19), ErreurDonnee);
  EXPECT_THROW(d.Penalite(0), ErreurDonnee);
  EXPECT_THROW(d.Enchere(8, jrSud), ErreurDonnee);
  EXPECT_THROW(d.JeuComplet(13, 1), ErreurDonnee);
  EXPECT_THROW(d.JeuComplet(1, 5), ErreurDonnee);
  EXPECT_THROW(d.CarteMain(jrSud, 14), ErreurDonnee);
  EXPECT_THROW(d.CarteMain(static_cast<TJoueur>(4), 1), ErreurDonnee);
  EXPECT_THROW(d.SetAlerte(1, std::string(41, 'x')), ErreurDonnee);
  EXPECT_THROW(d.SetTextePoint(std::string(1001, 'x')), ErreurDonnee);
  EXPECT_THROW(TDonne(std::vector<std::uint8_t>(100), 2), ErreurDonnee);

  const TChaine c = std::as_const(d).Chaine(7);
  EXPECT_THROW(c.Defense(3, 1), ErreurDonnee);
  EXPECT_THROW(c.Defense(1, 4), ErreurDonnee);
  EXPECT_THROW(c.Declarant(1, 9), ErreurDonnee);
  EXPECT_THROW(c.CarteTenue(18), ErreurDonnee);
  EXPECT_THROW(c.EntreeDistribution(5), ErreurDonnee);
  EXPECT_THROW(c.Auto().ListeSud(9), ErreurDonnee);
  EXPECT_THROW(c.Auto().ListeNord(0), ErreurDonnee);
  EXPECT_THROW(d.Pool(1).Entame(true, clTrefle, 9), ErreurDonnee);
  EXPECT_THROW(d.Pool(1).Autre(false, clTrefle, 0), ErreurDonnee);
  EXPECT_THROW(d.Pool(1).Entame(true, clTrefle, 1).Condition(5), ErreurDonnee);
  EXPECT_THROW(d.Pool(1).Entame(true, clTrefle, 1).Suite(7), ErreurDonnee);
  EXPECT_THROW(d.Pool(1).Entame(true, clTrefle, 1).Defausse(8), ErreurDonnee);
  EXPECT_THROW(d.Pool(1).Autre(true, clTrefle, 1).Suite(8), ErreurDonnee);
}

// Stored counts, seats and numbers are checked when read.
TEST(Donne, ValeursStockeesHorsLimitesSignalees) {
  TDonne d;
  d.SetNumero(9);
  d.SetDonneur(4);
  d.SetVulnerabilite(7);
  d.SetNiveauContrat(8);
  d.SetAtout(5);
  d.SetTheme(28);
  d.SetForce(5);
  EXPECT_THROW(d.Donneur(), ErreurDonnee);
  EXPECT_THROW(d.Vulnerabilite(), ErreurDonnee);
  EXPECT_THROW(d.NiveauContrat(), ErreurDonnee);
  EXPECT_THROW(d.Atout(), ErreurDonnee);
  EXPECT_THROW(d.Theme(), ErreurDonnee);
  EXPECT_THROW(d.Force(), ErreurDonnee);
  EXPECT_EQ(d.ThemeBrut(), 28);
  d.SetForce(0);
  EXPECT_THROW(d.Force(), ErreurDonnee);

  auto c = d.Chaine(5);
  c.SetEntameur(4);
  c.SetNbCartes(18);
  c.SetNumeroPool(5);
  EXPECT_THROW(c.Entameur(), ErreurDonnee);
  EXPECT_THROW(c.Place(jrSud), ErreurDonnee);
  EXPECT_THROW(c.NbCartes(), ErreurDonnee);
  EXPECT_THROW(c.NumeroPool(), ErreurDonnee);
  c.SetNbCartes(-1);
  EXPECT_THROW(c.NbCartes(), ErreurDonnee);
  c.SetJoueur(9);
  EXPECT_THROW(c.Joueur(), ErreurDonnee);
  c.SetEntreeLongueur(1, TEntreeLongueur{2, static_cast<TJoueur>(5), clTrefle, 1});
  EXPECT_THROW(c.EntreeLongueur(1), ErreurDonnee);
  c.SetTypeChaine(40);
  EXPECT_EQ(c.TypeEffectif(), tcRetourDebut);

  const auto a = c.Auto();
  a.SetNbSud(9);
  a.SetNbNord(-1);
  EXPECT_THROW(a.NbSud(), ErreurDonnee);
  EXPECT_THROW(a.NbNord(), ErreurDonnee);

  const auto e = d.Pool(2).Entame(false, clCoeur, 3);
  e.SetNbConditions(5);
  e.SetNbSuites(7);
  e.SetNbDefausses(8);
  EXPECT_THROW(e.NbConditions(), ErreurDonnee);
  EXPECT_THROW(e.NbSuites(), ErreurDonnee);
  EXPECT_THROW(e.NbDefausses(), ErreurDonnee);
  const auto autre = d.Pool(2).Autre(false, clCoeur, 3);
  autre.SetNbSuites(8);
  EXPECT_THROW(autre.NbSuites(), ErreurDonnee);
  try {
    autre.NbSuites();
  } catch (const ErreurDonnee& erreur) {
    EXPECT_STREQ(erreur.what(), "Donne 9 : pool 2, autre Nord Cœur 3 : NbSuites 8 hors des limites (0 à 7).");
  }

  // Lengths beyond their fields are clamped, never read past.
  d.SetLgCommentaires(99999);
  d.SetLgPoint(-4);
  d.SetLgResume(1901);
  EXPECT_EQ(d.Commentaires().size(), 2204u);
  EXPECT_EQ(d.TextePoint().size(), 0u);
  EXPECT_EQ(d.TexteResume().size(), 1900u);
  d.Octets()[2434] = 200;  // alert 1 claims 200 characters
  EXPECT_EQ(d.Alerte(1).size(), 40u);
  EXPECT_EQ(d.LgAlerte(1), 200);
}

TEST(Donne, LectureDUneFicheEntiere) {
  const TDonne modele = test::DonneValide(3, 12);
  const std::string octets = test::OctetsDe(modele);
  const TDonne lue(std::span(reinterpret_cast<const std::uint8_t*>(octets.data()), octets.size()), 4);
  EXPECT_EQ(lue.Numero(), 4);
  EXPECT_EQ(lue.Force(), 3);
  EXPECT_EQ(lue.Theme(), 12);
  EXPECT_EQ(lue.Mains(), modele.Mains());
}

}  // namespace
}  // namespace kalvo
