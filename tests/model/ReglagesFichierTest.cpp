// The settings file is never lost: a file that cannot be read is left as it
// is (the settings go to a fallback beside it), a read-only file stays
// read-only, permissions and links are kept, and a writer killed in the
// middle of its write leaves the old file or the new one, whole.
#include "model/ReglagesSecours.h"

#include "tests/model/DonnesDeTest.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <random>
#include <set>
#include <thread>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace kalvo {
namespace {

using test::TDossierTemporaire;
using ::testing::HasSubstr;

// The user's marks and a section of another program.
const std::string MesNotes = "[ScoresJeu]\r\nD001=80\r\n\r\n[Perso]\r\nCouleur=bleu\r\n";

TEtatReglages Etat(int nbDonnes, int note) {
  TEtatReglages etat;
  etat.ScoresJeu = TScores(nbDonnes);
  etat.ScoresQuestions = TScores(nbDonnes);
  etat.ScoresJeu[nbDonnes] = note;
  return etat;
}

mode_t Droits(const std::filesystem::path& fichier) {
  struct stat etat {};
  ::stat(fichier.c_str(), &etat);
  return etat.st_mode & 07777;
}

int NbFichiers(const std::filesystem::path& dossier) {
  return static_cast<int>(std::distance(std::filesystem::directory_iterator(dossier), {}));
}

TEST(ReglagesFichier, UnFichierIllisibleNestJamaisRemplace) {
  TDossierTemporaire dossier;
  const std::filesystem::path ini = dossier / "kalvo.INI";
  const std::filesystem::path secours = dossier / "kalvo-secours.INI";
  const std::string octets = MesNotes + std::string(17 * 1024 * 1024, ';');  // over 16 MB
  test::EcritOctets(ini, octets);

  TReglagesDuDossier l = LitReglagesDuDossier(ini, 2);
  EXPECT_EQ(l.Lecture.Etat.ScoresJeu[1], TScores::SansNote);
  ASSERT_EQ(l.Lecture.Avertissements.size(), 1u);
  EXPECT_EQ(l.Lecture.Avertissements[0], "Réglages (kalvo.INI) : le fichier « " + ini.string() +
                                     " » ne peut pas être lu (fichier trop grand, " + std::to_string(octets.size()) +
                                     " octets) ; il ne sera pas modifié. Réglages par défaut ; vos réglages et vos "
                                     "notes seront enregistrés dans « " + secours.string() + " ».");
  ASSERT_EQ(l.FichierEcriture, secours);

  // Asked to write over it all the same, the writer refuses.
  const std::optional<std::string> refus = EcritReglages(ini, l.Lecture.Etat);
  ASSERT_TRUE(refus);
  EXPECT_THAT(*refus, HasSubstr("le fichier existe mais ne peut pas être lu (fichier trop grand"));
  ASSERT_FALSE(EcritReglages(secours, Etat(2, 70)));
  EXPECT_EQ(test::LitOctets(ini), octets);

  // The next start goes on from the fallback, and writes there again.
  l = LitReglagesDuDossier(ini, 2);
  EXPECT_EQ(l.Lecture.Etat.ScoresJeu[2], 70);
  EXPECT_THAT(l.Lecture.Avertissements.at(0), HasSubstr("Réglages et notes lus dans « " + secours.string() +
                                                " », où ils seront enregistrés."));
  EXPECT_EQ(l.FichierEcriture, secours);

  // Once the file reads again, it is the one used.
  test::EcritOctets(ini, MesNotes);
  l = LitReglagesDuDossier(ini, 2);
  EXPECT_EQ(l.Lecture.Etat.ScoresJeu[1], 80);
  EXPECT_TRUE(l.Lecture.Avertissements.empty());
  EXPECT_EQ(l.FichierEcriture, ini);
}

TEST(ReglagesFichier, CeQuiNestPasUnFichierLisible) {
  TDossierTemporaire dossier;
  const std::filesystem::path ini = dossier / "kalvo.INI";
  std::filesystem::create_directory(ini);
  TReglagesDuDossier l = LitReglagesDuDossier(ini, 1);
  EXPECT_THAT(l.Lecture.Avertissements.at(0), HasSubstr("ne peut pas être lu (c'est un dossier)"));
  EXPECT_EQ(l.FichierEcriture, dossier / "kalvo-secours.INI");

  // Neither the file nor its fallback: nothing will be written anywhere.
  std::filesystem::create_directory(dossier / "kalvo-secours.INI");
  l = LitReglagesDuDossier(ini, 1);
  EXPECT_FALSE(l.FichierEcriture);
  EXPECT_THAT(l.Lecture.Avertissements.at(0), HasSubstr("rien ne sera enregistré à la fin de la séance."));

  // A pipe in the file's place is refused at once instead of waited on.
  const std::filesystem::path tube = dossier / "tube.INI";
  ASSERT_EQ(::mkfifo(tube.c_str(), 0644), 0);
  l = LitReglagesDuDossier(tube, 1);
  EXPECT_THAT(l.Lecture.Avertissements.at(0), HasSubstr("(ce n'est pas un fichier ordinaire)"));
  EXPECT_TRUE(EcritReglages(tube, l.Lecture.Etat));

  // Without permission to read (root reads everything: then there is nothing to see).
  if (::geteuid() != 0) {
    const std::filesystem::path ferme = dossier / "ferme.INI";
    test::EcritOctets(ferme, MesNotes);
    ::chmod(ferme.c_str(), 0);
    l = LitReglagesDuDossier(ferme, 1);
    EXPECT_THAT(l.Lecture.Avertissements.at(0), HasSubstr("(permission refusée)"));
    EXPECT_TRUE(EcritReglages(ferme, l.Lecture.Etat));
    ::chmod(ferme.c_str(), 0600);
    EXPECT_EQ(test::LitOctets(ferme), MesNotes);
  }
}

TEST(ReglagesFichier, LectureSeuleDroitsEtLienGardes) {
  TDossierTemporaire dossier;
  const std::filesystem::path ini = dossier / "kalvo.INI";
  test::EcritOctets(ini, MesNotes);
  ::chmod(ini.c_str(), 0444);
  const std::optional<std::string> refus = EcritReglages(ini, Etat(2, 50));
  ASSERT_TRUE(refus);
  EXPECT_EQ(*refus, "Les réglages et les notes n'ont pas pu être enregistrés dans « " + ini.string() +
                        " » : il est en lecture seule ; il est resté tel quel.");
  EXPECT_EQ(test::LitOctets(ini), MesNotes);
  EXPECT_EQ(Droits(ini), 0444u);
  EXPECT_EQ(NbFichiers(dossier.Chemin()), 1);

  // A private file stays private.
  ::chmod(ini.c_str(), 0600);
  ASSERT_FALSE(EcritReglages(ini, Etat(2, 50)));
  EXPECT_EQ(Droits(ini), 0600u);
  EXPECT_THAT(test::LitOctets(ini), HasSubstr("D002=50\r\n"));

  // A link stays a link; its target gets the settings.
  std::filesystem::create_directory(dossier / "ailleurs");
  const std::filesystem::path cible = dossier / "ailleurs" / "reel.INI";
  test::EcritOctets(cible, MesNotes);
  const std::filesystem::path lien = dossier / "lien.INI";
  std::filesystem::create_symlink(cible, lien);
  ASSERT_FALSE(EcritReglages(lien, Etat(2, 60)));
  EXPECT_TRUE(std::filesystem::is_symlink(lien));
  EXPECT_THAT(test::LitOctets(cible), HasSubstr("D002=60\r\n"));
  EXPECT_THAT(test::LitOctets(cible), HasSubstr("[Perso]\r\nCouleur=bleu\r\n"));
}

// The marks of many deals: the write is large enough to be cut.
constexpr int GrandeBase = 20000;

TEST(ReglagesFichier, EcritureCoupeeParLaLimiteDeTaille) {
  TDossierTemporaire dossier;
  const std::filesystem::path ini = dossier / "kalvo.INI";
  test::EcritOctets(ini, MesNotes);
  const TEtatReglages etat = Etat(GrandeBase, 90);
  const std::string nouveau = TexteReglages(etat, MesNotes);
  ASSERT_GT(nouveau.size(), 100000u);

  // The child may write only half the new file: the kernel kills it there.
  const pid_t enfant = ::fork();
  ASSERT_GE(enfant, 0);
  if (enfant == 0) {
    const rlim_t moitie = nouveau.size() / 2;
    const rlimit limite{moitie, moitie};
    ::setrlimit(RLIMIT_FSIZE, &limite);
    std::signal(SIGXFSZ, SIG_DFL);
    EcritReglages(ini, etat);
    ::_exit(0);
  }
  int statut = 0;
  ASSERT_EQ(::waitpid(enfant, &statut, 0), enfant);
  ASSERT_TRUE(WIFSIGNALED(statut)) << statut;
  EXPECT_EQ(WTERMSIG(statut), SIGXFSZ);
  EXPECT_EQ(test::LitOctets(ini), MesNotes);
  // The half-written temporary file is there beside it: the kill came mid-write.
  std::uintmax_t provisoire = 0;
  for (const auto& entree : std::filesystem::directory_iterator(dossier.Chemin()))
    if (entree.path() != ini) provisoire = entree.file_size();
  EXPECT_EQ(provisoire, nouveau.size() / 2);

  ASSERT_FALSE(EcritReglages(ini, etat));
  EXPECT_EQ(test::LitOctets(ini), nouveau);
}

TEST(ReglagesFichier, EcrivainTueAuHasard) {
  TDossierTemporaire dossier;
  const std::filesystem::path ini = dossier / "kalvo.INI";
  test::EcritOctets(ini, MesNotes);
  const TEtatReglages a = Etat(GrandeBase, 10);
  const TEtatReglages b = Etat(GrandeBase, 20);
  const std::set<std::string> entiers{MesNotes, TexteReglages(a, MesNotes), TexteReglages(b, MesNotes),
                                      TexteReglages(a, TexteReglages(b, MesNotes)),
                                      TexteReglages(b, TexteReglages(a, MesNotes))};
  std::mt19937 hasard(19);
  for (int essai = 0; essai < 12; ++essai) {
    const pid_t enfant = ::fork();
    ASSERT_GE(enfant, 0);
    if (enfant == 0) {
      for (int n = 0;; ++n) EcritReglages(ini, n % 2 == 0 ? a : b);
    }
    std::this_thread::sleep_for(std::chrono::microseconds(2000 + hasard() % 30000));
    ::kill(enfant, SIGKILL);
    int statut = 0;
    ASSERT_EQ(::waitpid(enfant, &statut, 0), enfant);
    EXPECT_TRUE(entiers.contains(test::LitOctets(ini))) << "essai " << essai;
  }
}

}  // namespace
}  // namespace kalvo
