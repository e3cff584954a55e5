// Volume 1 beside the demonstration in one data folder: the window title,
// and the marks, which the settings file keeps by the place of a deal in
// its base, following each deal and never landing on another one.
#include "model/RepriseNotes.h"
#include "tests/control/DonnesDeJeu.h"
#include "tests/control/PartieDeTest.h"

#include <gmock/gmock.h>

namespace kalvo::test {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

std::string Lit(const std::filesystem::path& fichier) {
  std::ifstream flux(fichier, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(flux), {});
}

void Ecrit(const std::filesystem::path& fichier, const std::string& octets) {
  std::ofstream(fichier, std::ios::binary | std::ios::trunc) << octets;
}

std::vector<int> Notes(const TScores& scores) {
  std::vector<int> notes;
  for (int n = 1; n <= scores.NbDonnes(); ++n) notes.push_back(scores[n]);
  return notes;
}

// A user of the demonstration (collections 21 and 23) who played its
// first deal and stopped on the second.
const std::string ReglagesDemonstration =
    "[Options]\r\nVitesse=0\r\n[Donne]\r\nNum\xE9ro=2\r\n[ScoresJeu]\r\nD001=80\r\nD002=-1\r\n"
    "[ScoresQuestions]\r\nD001=100\r\nD002=-1\r\n";
const std::string SectionsDemonstration =
    "[Donne]\r\nNum\xE9ro=2\r\n[ScoresJeu]\r\nD001=80\r\nD002=-1\r\n[ScoresQuestions]\r\nD001=100\r\nD002=-1\r\n";

class VolumeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const TDonne demonstration = DonneDemo().Termine();
    const TDonne maitres = DonneMaitres().Termine();
    EcritBase(NomFichierDonnes, {demonstration, maitres}, "21\n23\n");
    // The volume puts a deal of its own (collection 1) before them.
    EcritBase(NomFichierVolume1, {maitres, demonstration, maitres}, "1\n21\n23\n");
    Ecrit(base_.Reglages(), ReglagesDemonstration);
  }

  void EcritBase(const std::string& nom, const std::vector<TDonne>& donnes, const std::string& table) {
    std::string octets;
    for (const TDonne& d : donnes) octets.append(reinterpret_cast<const char*>(d.Octets().data()), d.Octets().size());
    Ecrit(base_.Dossier() / nom, octets);
    Ecrit(base_.Dossier() / NomTableVolume(nom), table);
  }

  TConfigurationControleur Configuration(const std::string& base) const {
    TConfigurationControleur c;
    c.Emplacement = TEmplacementBase{base_.Dossier(), base};
    c.FichierReglages = base_.Reglages();
    c.Graine = 1;
    return c;
  }

  TBaseDeTest base_;
};

TEST_F(VolumeTest, LesNotesDeLaDemonstrationSuiventSesDonnesDansLeVolume) {
  {
    TEcranEnregistreur ecran;
    TControleur volume(ecran, Configuration(NomFichierVolume1));
    ASSERT_TRUE(volume.Active());
    EXPECT_EQ(volume.NbDonnes(), 3);
    EXPECT_EQ(volume.Reglages().Vitesse, 0);  // the settings are the user's
    // The demonstration's current deal is a place in the demonstration.
    EXPECT_EQ(volume.DonneActuelle(), 1);
    EXPECT_EQ(ecran.Titre, "Kalvo! (Vol 1) - Donne 1 [1]");
    // Deal 1 of the demonstration is deal 2 of the volume (collection 21).
    EXPECT_THAT(Notes(volume.EtatReglages().ScoresJeu), ElementsAre(-1, 80, -1));
    EXPECT_THAT(Notes(volume.EtatReglages().ScoresQuestions), ElementsAre(-1, 100, -1));
    EXPECT_THAT(ecran.Erreurs, ElementsAre());
    // A mark earned in the volume stays the volume's.
    volume.EtatReglages().ScoresJeu[1] = 45;
    volume.EtatReglages().DonneActuelle = 3;
    ASSERT_TRUE(volume.Ferme());
  }
  const std::string fichier = Lit(base_.Reglages());
  EXPECT_THAT(fichier, HasSubstr(SectionsDemonstration));
  // The volume's own sections, by collection number.
  EXPECT_THAT(fichier, HasSubstr("[Donne K01FR.DAT]\r\nCollection=23\r\n"));
  EXPECT_THAT(fichier, HasSubstr("[ScoresJeu K01FR.DAT]\r\nC001=45\r\nC021=80\r\nC023=-1\r\n"));
  EXPECT_THAT(fichier, HasSubstr("[ScoresQuestions K01FR.DAT]\r\nC001=-1\r\nC021=100\r\nC023=-1\r\n"));

  // Back to the demonstration: its own deal and marks, as they were.
  TEcranEnregistreur ecran;
  TControleur demonstration(ecran, Configuration(NomFichierDonnes));
  ASSERT_TRUE(demonstration.Active());
  EXPECT_EQ(ecran.Titre, "Kalvo! (Vol 1) démo - Donne 2 [23]");
  EXPECT_THAT(Notes(demonstration.EtatReglages().ScoresJeu), ElementsAre(80, -1));
  EXPECT_THAT(Notes(demonstration.EtatReglages().ScoresQuestions), ElementsAre(100, -1));
}

TEST_F(VolumeTest, LaRepriseNeSeFaitQuUneFois) {
  {
    TEcranEnregistreur ecran;
    TControleur volume(ecran, Configuration(NomFichierVolume1));
    ASSERT_TRUE(volume.Active());
    volume.EffaceScores();  // the user starts the volume afresh
    ASSERT_TRUE(volume.Ferme());
  }
  TEcranEnregistreur ecran;
  TControleur volume(ecran, Configuration(NomFichierVolume1));
  ASSERT_TRUE(volume.Active());
  EXPECT_THAT(Notes(volume.EtatReglages().ScoresJeu), ElementsAre(-1, -1, -1));
  EXPECT_THAT(Notes(volume.EtatReglages().ScoresQuestions), ElementsAre(-1, -1, -1));
  EXPECT_THAT(Lit(base_.Reglages()), HasSubstr(SectionsDemonstration));
}

TEST_F(VolumeTest, SansTableRienNestRepris) {
  // Without the demonstration's table nothing tells where its deals went:
  // no mark is carried, and none is read by place.
  std::filesystem::remove(base_.Dossier() / "K01FR_DEMO.VOL");
  {
    TEcranEnregistreur ecran;
    TControleur volume(ecran, Configuration(NomFichierVolume1));
    ASSERT_TRUE(volume.Active());
    EXPECT_THAT(Notes(volume.EtatReglages().ScoresJeu), ElementsAre(-1, -1, -1));
  }
  // Nor without the volume's own.
  Ecrit(base_.Dossier() / "K01FR_DEMO.VOL", "21\n23\n");
  std::filesystem::remove(base_.Dossier() / "K01FR.VOL");
  TEcranEnregistreur ecran;
  TControleur volume(ecran, Configuration(NomFichierVolume1));
  ASSERT_TRUE(volume.Active());
  EXPECT_EQ(ecran.Titre, "Kalvo! (Vol 1) - Donne 1 [1]");
  EXPECT_THAT(Notes(volume.EtatReglages().ScoresJeu), ElementsAre(-1, -1, -1));
}

TEST_F(VolumeTest, AvertissementsDeLOuvertureMontresALActivation) {
  TConfigurationControleur configuration = Configuration(NomFichierDonnes);
  configuration.AvertissementsOuverture = {"Réglages : la base « K02FR.DAT » ..."};
  TEcranEnregistreur ecran;
  TControleur demonstration(ecran, configuration);
  ASSERT_TRUE(demonstration.Active());
  EXPECT_THAT(ecran.Erreurs, ElementsAre("Réglages : la base « K02FR.DAT » ..."));
}

}  // namespace
}  // namespace kalvo::test
