// The deal as the user played it, handed to the end-of-deal screen in PBN:
// the cards played (a refused card is no card played), the result with the
// claim, the marks; and a deal of the database with its right line.
#include "control/DonnePbn.h"
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"
#include "tests/model/GrammairePbn.h"

#include <gmock/gmock.h>

#include <algorithm>

namespace kalvo::test {
namespace {

using ::testing::HasSubstr;
using ::testing::IsEmpty;

TCard C(std::string_view code) {
  TCard carte;
  EXPECT_TRUE(LitCodeCarte(code, carte)) << code;
  return carte;
}

// Each hand sorted: the record may keep a hand's suits in another order.
T4Jeux Rangees(T4Jeux mains) {
  for (auto& main : mains.cartes)
    std::sort(main.begin(), main.end(), [](TCard a, TCard b) { return IndexCarte(a) > IndexCarte(b); });
  return mains;
}

std::string Tag(const TPartiePbn& partie, std::string_view nom) {
  for (const auto& [n, valeur] : partie.AutresTags)
    if (n == nom) return valeur;
  return "(absent)";
}

TEST(ExportPbn, LaDonneJoueeParLUtilisateur) {
  TBaseDeTest base;
  TFabriqueDonne demo = DonneDemo();
  base.Ecrit(demo);
  TPartieDeTest p(base);
  p.Demarre(1);
  p.Joue("H4");
  p.Joue("HA");  // refused: comment 1
  p.Joue("H3");
  p.JoueJusquALaFin();
  p.Clic();  // the last trick gathered: the end-of-deal screen
  ASSERT_EQ(p.ecran.Compte("PrepareExportPbn"), 1);
  const std::vector<std::string> fin = p.journal.Filtre("fin ");
  ASSERT_EQ(fin.size(), 1u);

  EXPECT_THAT(FautesExportPbn(p.ecran.Pbn), IsEmpty()) << p.ecran.Pbn;
  std::string erreur;
  const auto parties = LitPbn(p.ecran.Pbn, erreur);
  ASSERT_TRUE(parties) << erreur;
  ASSERT_EQ(parties->size(), 1u);
  const TPartiePbn& partie = parties->front();
  EXPECT_EQ(Rangees(partie.Mains), Rangees(demo.Donne().Mains()));
  EXPECT_EQ(partie.Contrat, (TContratPbn{3, clSA, 0}));
  EXPECT_EQ(partie.Declarant, jrSud);
  // The claim after trick 4 ends the play: four tricks, the first without the refused ace.
  ASSERT_EQ(partie.Levees.size(), 4u);
  EXPECT_EQ(partie.Levees[0], (TCartesJouees{C("H3"), C("HK"), C("H4"), C("H2")}));
  EXPECT_THAT(p.ecran.Pbn, HasSubstr("[Play \"W\"]\nHK H4 H2 H3\n"));
  // Result and marks as the end of the deal told them.
  EXPECT_EQ(fin[0], "fin " + std::to_string(*partie.Resultat) + " " + std::to_string(13 - *partie.Resultat) + " " +
                        Tag(partie, "KalvoNoteJeu") + " " + Tag(partie, "KalvoNoteQuestions"));
  EXPECT_EQ(partie.Evenement, "K01FR_DEMO");
  EXPECT_EQ(partie.Board, 1);
}

TEST(ExportPbn, LaDonneDeLaBaseAvecSaBonneLigne) {
  TFabriqueDonne demo = DonneDemo();
  const TPartiePbn partie = PartiePbn(demo.Donne(), 21, "Volume", std::nullopt);
  EXPECT_EQ(partie.Board, 21);
  // The stored auction stops without its passes; the export closes it.
  ASSERT_GE(partie.Encheres.size(), 4u);
  EXPECT_EQ(partie.Encheres.back(), (TEnchere{0, 1, 0}));
  ASSERT_EQ(partie.Levees.size(), 13u);
  // The thirteenth trick is deduced: each seat's last card.
  std::array<int, 52> vues{};
  for (const TCartesJouees& levee : partie.Levees)
    for (const TCard carte : levee) ++vues[static_cast<std::size_t>(IndexCarte(carte) - 1)];
  EXPECT_EQ(std::count(vues.begin(), vues.end(), 1), 52);
  ASSERT_TRUE(partie.Resultat);
  EXPECT_EQ(Tag(partie, "KalvoNoteJeu"), "(absent)");
  EXPECT_EQ(Tag(partie, "KalvoForce"), std::to_string(demo.Donne().Force()));

  // A stored play that cannot be played there is broken data, not a file.
  TFabriqueDonne abimee = DonneDemo();
  abimee.Donne().SetJeuComplet(2, 2, C("SA"));  // North has no ace of spades
  EXPECT_THROW(PartiePbn(abimee.Donne(), 1, "Volume", std::nullopt), ErreurDonnee);
}

}  // namespace
}  // namespace kalvo::test
