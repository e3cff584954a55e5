// The delivered bases as the build compiles them: Volume 1 holds every deal
// of deals/ by collection number, the demonstration its four deals as
// before, one questions file serves both; and the trainer opens Volume 1
// for a new user.
#include "control/Controleur.h"
#include "control/EcranEnregistreur.h"
#include "model/BasesLivrees.h"
#include "tests/model/DonnesDeTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>

namespace kalvo {
namespace {

using ::testing::ElementsAre;

const std::filesystem::path Livrees = std::filesystem::path(KALVO_BUILD_DIR) / "data";
const std::filesystem::path Sources = std::filesystem::path(KALVO_TEST_DATA).parent_path().parent_path() / "deals";

struct TBaseLivree {
  int NbDonnes = 0;
  std::vector<int> Numeros;
};

TBaseLivree LitBaseLivree(const std::string& nom) {
  TBaseLivree base;
  const TResultatCatalogue catalogue = ChargeCatalogue(Livrees / nom);
  EXPECT_TRUE(catalogue.Ok() && catalogue.Avertissements.empty()) << nom;
  base.NbDonnes = catalogue.Catalogue.NbDonnes();
  const TResultatVolume table = ChargeNumerosVolume(Livrees / NomTableVolume(nom), base.NbDonnes);
  EXPECT_FALSE(table.Avertissement) << *table.Avertissement;
  EXPECT_FALSE(table.Numeros.EstIdentite()) << nom;
  base.Numeros = table.Numeros.Numeros();
  return base;
}

std::string Fiche(const std::string& octets, std::size_t taille, int numero) {
  return octets.substr(static_cast<std::size_t>(numero - 1) * taille, taille);
}

TEST(Volume1, ToutesLesDonnesParNumeroDeCollection) {
  int sources = 0;
  for (const auto& f : std::filesystem::directory_iterator(Sources)) sources += f.path().extension() == ".donne";
  const TBaseLivree volume = LitBaseLivree(NomFichierVolume1);
  EXPECT_EQ(volume.NbDonnes, sources);
  EXPECT_TRUE(std::adjacent_find(volume.Numeros.begin(), volume.Numeros.end(), std::greater_equal<>()) ==
              volume.Numeros.end())
      << "les numéros de collection du volume ne sont pas croissants";

  // The demonstration as it always was; each of its deals is in the volume,
  // the same bytes, at the place of its collection number.
  const TBaseLivree demonstration = LitBaseLivree(NomFichierDonnes);
  ASSERT_THAT(demonstration.Numeros, ElementsAre(21, 23, 75, 81));
  const std::string octetsVolume = test::LitOctets(Livrees / NomFichierVolume1);
  const std::string octetsDemonstration = test::LitOctets(Livrees / NomFichierDonnes);
  for (int n = 1; n <= demonstration.NbDonnes; ++n) {
    const int numero = demonstration.Numeros[static_cast<std::size_t>(n - 1)];
    const auto place = std::find(volume.Numeros.begin(), volume.Numeros.end(), numero);
    ASSERT_NE(place, volume.Numeros.end()) << numero;
    const int p = static_cast<int>(place - volume.Numeros.begin()) + 1;
    EXPECT_TRUE(Fiche(octetsVolume, TDonne::Taille, p) == Fiche(octetsDemonstration, TDonne::Taille, n))
        << "la donne " << numero << " diffère entre les deux bases";
  }
}

TEST(Volume1, UnSeulFichierDeQuestionsPourLesDeuxBases) {
  // The demonstration's own compile wrote its questions beside the build
  // files of deals/: the shared file must hold the very same records.
  const std::string partage = test::LitOctets(Livrees / NomFichierQuestions);
  const std::string propre = test::LitOctets(std::filesystem::path(KALVO_BUILD_DIR) / "deals" / "KALVO01_DEMO.ASK");
  const TBaseLivree volume = LitBaseLivree(NomFichierVolume1);
  ASSERT_FALSE(volume.Numeros.empty());
  EXPECT_EQ(partage.size(), static_cast<std::size_t>(volume.Numeros.back()) * TQuestionsDonne::Taille);
  ASSERT_EQ(propre.size(), 81u * TQuestionsDonne::Taille);
  for (const int numero : LitBaseLivree(NomFichierDonnes).Numeros) {
    EXPECT_EQ(Fiche(partage, TQuestionsDonne::Taille, numero), Fiche(propre, TQuestionsDonne::Taille, numero))
        << "fiche " << numero;
    EXPECT_NE(Fiche(propre, TQuestionsDonne::Taille, numero), std::string(TQuestionsDonne::Taille, '\0')) << numero;
  }
}

TEST(Volume1, UnNouvelUtilisateurOuvreLeVolume) {
  test::TDossierTemporaire dossier;
  const std::filesystem::path donnees = dossier / "Kalvo" / "K1FR";
  const TOuverture ouverture = OuvreDossierDonnees(donnees, {Livrees}, std::nullopt, donnees / "kalvo.INI");
  ASSERT_TRUE(ouverture.Installation.Ok) << ouverture.Installation.Detail;
  EXPECT_TRUE(ouverture.Installation.Copiee);
  EXPECT_TRUE(ouverture.Avertissements.empty());
  EXPECT_EQ(ouverture.Emplacement.FichierDonnes, NomFichierVolume1);
  for (const char* nom : {"K01FR.DAT", "K01FR.VOL", "K01FR_DEMO.DAT", "K01FR_DEMO.VOL", "KALVO01.ASK"})
    EXPECT_EQ(test::LitOctets(donnees / nom), test::LitOctets(Livrees / nom)) << nom;

  TConfigurationControleur configuration;
  configuration.Emplacement = ouverture.Emplacement;
  configuration.FichierReglages = donnees / "kalvo.INI";
  TEcranEnregistreur ecran;
  TControleur controleur(ecran, configuration);
  ASSERT_TRUE(controleur.Active());
  const TBaseLivree volume = LitBaseLivree(NomFichierVolume1);
  EXPECT_EQ(controleur.NbDonnes(), volume.NbDonnes);
  EXPECT_EQ(ecran.Titre, "Kalvo! (Vol 1) - Donne 1 [" + std::to_string(volume.Numeros.front()) + "]");
  EXPECT_THAT(ecran.Erreurs, ElementsAre());
  ASSERT_TRUE(controleur.Ferme());
  const std::string reglages = test::LitOctets(donnees / "kalvo.INI");
  char cle[16];
  std::snprintf(cle, sizeof cle, "C%03d=-1", volume.Numeros.front());
  EXPECT_NE(reglages.find("[ScoresJeu K01FR.DAT]\r\n" + std::string(cle) + "\r\n"), std::string::npos) << reglages;
  EXPECT_EQ(reglages.find("[ScoresJeu]"), std::string::npos) << reglages;
}

}  // namespace
}  // namespace kalvo
