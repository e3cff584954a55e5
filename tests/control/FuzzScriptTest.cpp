// Damaged scripts: random bytes written over the chains, pools, groups,
// counters and complete play of sound deals, played by a random user. The
// deal must end, or stop on a data error, without a crash, a hang or an
// illegal card.
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"

#include <random>

namespace kalvo::test {
namespace {

// Plays at random until the end-of-deal choice or a data error; false when
// the gesture bound is reached.
bool JoueAuHasard(TPartieDeTest& p, std::mt19937& alea) {
  for (int geste = 0; geste < 600; ++geste) {
    if (!p.ecran.ErreursDonnee.empty() || !p.journal.Filtre("choix").empty()) return true;
    const TEtatControleur& e = p.Etat();
    const int de = static_cast<int>(alea() % 40);
    if (e.Boutons[bjJeuAuto] && de == 0) {
      p.controleur.BJeuAutoClick();
    } else if (p.controleur.AttendCarteUtilisateur()) {
      const std::vector<TCard> cartes = p.Jouables();
      if (cartes.empty()) return false;
      p.Joue(CodeCarte(cartes[alea() % cartes.size()]));
    } else if (de == 1) {
      p.controleur.JeuMouseDown(e.JoueurActuel, 0, true);
    } else {
      p.Clic();
    }
  }
  return false;
}

// Each seat's cards are its own, in turn, following suit when able.
void VerifieCartesJouees(const TPartieDeTest& p, const T4Jeux& mains) {
  for (const TLeveeJouee& levee : p.controleur.Historique()) {
    TJoueur j = levee.Entameur;
    for (TCard carte : levee.Cartes) {
      bool tenue = false;
      for (int i = 1; i <= 13; ++i) tenue = tenue || mains(j, i) == carte;
      ASSERT_TRUE(tenue) << CodeCarte(carte);
      j = JoueurSuivant(j);
    }
  }
}

TEST(FuzzScript, OctetsAuHasardDansLeScript) {
  std::mt19937 alea(20240611);
  TFabriqueDonne demo = DonneDemo(), maitres = DonneMaitres();
  const std::array<TDonne, 2> saines{demo.Termine(), maitres.Termine()};
  // The script's tables: chains 1..60, then counters, pools and groups.
  const std::array<std::pair<std::size_t, std::size_t>, 4> zones{{{offsets::Chaines, 60 * TailleChaine},
                                                                  {offsets::Compteurs, 128},
                                                                  {offsets::Groupes, 80},
                                                                  {offsets::JeuComplet, 96}}};
  int arrets = 0, finies = 0;
  for (int essai = 0; essai < 150; ++essai) {
    TDonne donne = saines[static_cast<std::size_t>(essai % 2)];
    const int nbOctets = 1 + static_cast<int>(alea() % 40);
    for (int k = 0; k < nbOctets; ++k) {
      const auto& [debut, taille] = zones[alea() % zones.size()];
      const std::size_t pos = debut + alea() % taille;
      // Small values are the ones that pass for chain numbers and codes.
      donne.Octets()[pos] = static_cast<std::uint8_t>(alea() % 3 == 0 ? alea() : alea() % 20);
    }
    TBaseDeTest base;
    base.Ecrit({donne});
    TPartieDeTest p(base, "Cartes=0\r\n", static_cast<std::uint32_t>(essai));
    p.Demarre();
    std::mt19937 utilisateur(static_cast<std::uint32_t>(essai));
    ASSERT_TRUE(JoueAuHasard(p, utilisateur)) << "essai " << essai;
    VerifieCartesJouees(p, donne.Mains());
    if (!p.ecran.ErreursDonnee.empty()) ++arrets;
    else ++finies;
  }
  // Both outcomes occur: the fuzzing reaches the play and the checks.
  EXPECT_GT(arrets, 0);
  EXPECT_GT(finies, 0);
}

}  // namespace
}  // namespace kalvo::test
