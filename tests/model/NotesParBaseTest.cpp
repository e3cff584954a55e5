// Marks and the current deal kept per base in the settings file: the
// demonstration's in the historical sections by place, Volume 1's in its
// own by collection number, and the demonstration's marks carried to the
// same deals of the volume.
#include "model/BaseDonnes.h"
#include "model/RepriseNotes.h"
#include "tests/model/DonnesDeTest.h"

#include <gtest/gtest.h>

namespace kalvo {
namespace {

using test::TDossierTemporaire;

TEST(NotesParBase, SectionsDeChaqueBase) {
  EXPECT_EQ(SectionsBase("K01FR_DEMO.DAT"), TSectionsBase{});
  EXPECT_EQ(SectionsBase("/home/u/.local/share/Kalvo/K1FR/K01FR_DEMO.DAT"), TSectionsBase{});
  EXPECT_EQ(SectionsBase(""), TSectionsBase{});
  const TSectionsBase volume = SectionsBase("K01FR.DAT", TNumerosVolume({1, 5, 21}));
  EXPECT_EQ(volume.Donne, "Donne K01FR.DAT");
  EXPECT_EQ(volume.ScoresJeu, "ScoresJeu K01FR.DAT");
  EXPECT_EQ(volume.ScoresQuestions, "ScoresQuestions K01FR.DAT");
  EXPECT_EQ(CleNote(volume, 3), "C021");
  EXPECT_EQ(CleNote(SectionsBase("K01FR.DAT"), 3), "C003");  // no table: the deals' own numbers
  EXPECT_EQ(CleNote(SectionsBase("K01FR_DEMO.DAT", TNumerosVolume({21, 23, 75})), 3), "D003");
  EXPECT_EQ(SectionsBase("/tmp/essai.DAT").ScoresJeu, "ScoresJeu essai.DAT");
  // A name that would end the section's brackets or break the line.
  EXPECT_EQ(SectionsBase("a]b [c]\xC3\xA9.DAT").ScoresJeu, "ScoresJeu a_b__c___.DAT");
  EXPECT_TRUE(EstBaseDemonstration("/x/K01FR_DEMO.DAT"));
  EXPECT_FALSE(EstBaseDemonstration("K01FR.DAT"));
  EXPECT_EQ(TeteTitre("K01FR_DEMO.DAT"), "Kalvo! (Vol 1) démo");
  EXPECT_EQ(TeteTitre("K01FR.DAT"), "Kalvo! (Vol 1)");
}

// A file written by a demonstration-only program: deal 3 current, deals 1
// and 3 marked.
const std::string FichierDemonstration =
    "[Options]\r\nVitesse=4\r\n[Donne]\r\nNum\xE9ro=3\r\n[ScoresJeu]\r\nD001=80\r\nD002=-1\r\nD003=55\r\nD004=-1\r\n"
    "[ScoresQuestions]\r\nD001=100\r\nD002=-1\r\nD003=-1\r\nD004=-1\r\n";

TEST(NotesParBase, LeVolumeNeLitPasLesNotesDeLaDemonstration) {
  const TLectureReglages volume = LitReglagesTexte(FichierDemonstration, 27, "kalvo.INI", SectionsBase("K01FR.DAT"));
  EXPECT_TRUE(volume.Avertissements.empty());
  EXPECT_FALSE(volume.NotesTrouvees);
  EXPECT_EQ(volume.Etat.Reglages.Vitesse, 4);  // the settings are shared
  EXPECT_EQ(volume.Etat.DonneActuelle, 1);
  EXPECT_EQ(volume.Etat.ScoresJeu, TScores(27));
  EXPECT_EQ(volume.Etat.ScoresQuestions, TScores(27));

  const TLectureReglages demonstration = LitReglagesTexte(FichierDemonstration, 4, "kalvo.INI");
  EXPECT_TRUE(demonstration.NotesTrouvees);
  EXPECT_EQ(demonstration.Etat.DonneActuelle, 3);
  EXPECT_EQ(demonstration.Etat.ScoresJeu[1], 80);
  EXPECT_EQ(demonstration.Etat.ScoresJeu[3], 55);
}

TEST(NotesParBase, ChaqueBaseEcritSesSectionsEtGardeCellesDesAutres) {
  TDossierTemporaire dossier;
  const std::filesystem::path ini = dossier / "kalvo.INI";
  test::EcritOctets(ini, FichierDemonstration);
  const TSectionsBase sections = SectionsBase("K01FR.DAT", TNumerosVolume({1, 5, 21, 23, 75, 81}));
  TLectureReglages volume = LitReglages(ini, 6, sections);
  volume.Etat.DonneActuelle = 5;
  volume.Etat.ScoresJeu[2] = 90;
  volume.Etat.ScoresQuestions[6] = 70;
  ASSERT_FALSE(EcritReglages(ini, volume.Etat));
  const std::string octets = test::LitOctets(ini);
  // The demonstration's sections are exactly as they were.
  EXPECT_NE(octets.find("[Donne]\r\nNum\xE9ro=3\r\n[ScoresJeu]\r\nD001=80\r\nD002=-1\r\nD003=55\r\nD004=-1\r\n"
                        "[ScoresQuestions]\r\nD001=100\r\nD002=-1\r\nD003=-1\r\nD004=-1\r\n"),
            std::string::npos)
      << octets;
  EXPECT_NE(octets.find("\r\n[Donne K01FR.DAT]\r\nCollection=75\r\n"), std::string::npos) << octets;
  EXPECT_NE(octets.find("\r\n[ScoresJeu K01FR.DAT]\r\nC001=-1\r\nC005=90\r\nC021=-1\r\nC023=-1\r\nC075=-1\r\n"
                        "C081=-1\r\n"),
            std::string::npos)
      << octets;
  EXPECT_NE(octets.find("\r\n[ScoresQuestions K01FR.DAT]\r\nC001=-1\r\nC005=-1\r\nC021=-1\r\nC023=-1\r\n"
                        "C075=-1\r\nC081=70\r\n"),
            std::string::npos)
      << octets;

  // Read back: each base finds its own.
  const TLectureReglages relu = LitReglages(ini, 6, sections);
  EXPECT_TRUE(relu.NotesTrouvees);
  EXPECT_TRUE(relu.Avertissements.empty());
  EXPECT_EQ(relu.Etat, volume.Etat);
  const TLectureReglages demonstration = LitReglages(ini, 4);
  EXPECT_EQ(demonstration.Etat.DonneActuelle, 3);
  EXPECT_EQ(demonstration.Etat.ScoresJeu[1], 80);
  EXPECT_EQ(demonstration.Etat.ScoresJeu[2], -1);
  EXPECT_EQ(demonstration.Etat.ScoresQuestions[1], 100);

  // A file with only the volume's sections is a settings file all the same.
  const TLectureReglages seul =
      LitReglagesTexte("[ScoresJeu K01FR.DAT]\nC002=40\n", 3, "kalvo.INI", SectionsBase("K01FR.DAT"));
  EXPECT_TRUE(seul.Avertissements.empty());
  EXPECT_EQ(seul.Etat.ScoresJeu[2], 40);
  // A current deal the volume does not hold: said, and deal 1.
  const TLectureReglages faux = LitReglagesTexte("[Donne K01FR.DAT]\nCollection=40\n", 6, "kalvo.INI", sections);
  ASSERT_EQ(faux.Avertissements.size(), 1u);
  EXPECT_EQ(faux.Avertissements[0], "Réglages (kalvo.INI) : Donne K01FR.DAT/Collection = 40 : aucune donne de la base "
                                    "n'a ce numéro de collection : donne 1.");
  EXPECT_EQ(faux.Etat.DonneActuelle, 1);
}

TEST(NotesParBase, UnVolumeQuiGranditGardeLesNotesSurLeursDonnes) {
  TDossierTemporaire dossier;
  const std::filesystem::path ini = dossier / "kalvo.INI";
  // Three deals played on a volume of three...
  TEtatReglages avant;
  avant.Sections = SectionsBase("K01FR.DAT", TNumerosVolume({1, 21, 81}));
  avant.ScoresJeu = TScores(3);
  avant.ScoresQuestions = TScores(3);
  avant.ScoresJeu[1] = 10;
  avant.ScoresJeu[2] = 20;
  avant.ScoresJeu[3] = 30;
  avant.DonneActuelle = 2;
  ASSERT_FALSE(EcritReglages(ini, avant));
  // ... which then gains deals 5 and 33: each mark stays with its deal.
  const TLectureReglages apres = LitReglages(ini, 5, SectionsBase("K01FR.DAT", TNumerosVolume({1, 5, 21, 33, 81})));
  EXPECT_TRUE(apres.Avertissements.empty());
  EXPECT_EQ(apres.Etat.ScoresJeu[1], 10);
  EXPECT_EQ(apres.Etat.ScoresJeu[2], -1);
  EXPECT_EQ(apres.Etat.ScoresJeu[3], 20);
  EXPECT_EQ(apres.Etat.ScoresJeu[4], -1);
  EXPECT_EQ(apres.Etat.ScoresJeu[5], 30);
  EXPECT_EQ(apres.Etat.DonneActuelle, 3);
}

TEST(NotesParBase, BaseChoisieDansLesReglages) {
  TDossierTemporaire dossier;
  const std::filesystem::path ini = dossier / "kalvo.INI";
  EXPECT_EQ(LitBaseReglee(ini), std::nullopt);  // no file
  test::EcritOctets(ini, "[Options]\r\nBase = K01FR_DEMO.DAT \r\n");
  EXPECT_EQ(LitBaseReglee(ini), "K01FR_DEMO.DAT");
  test::EcritOctets(ini, "[Options]\r\nBase=\r\n[Autre]\r\nBase=X.DAT\r\n");
  EXPECT_EQ(LitBaseReglee(ini), std::nullopt);
  // Written back untouched: the program never writes the key itself.
  test::EcritOctets(ini, "[Options]\r\nBase=K01FR_DEMO.DAT\r\n");
  TEtatReglages etat;
  ASSERT_FALSE(EcritReglages(ini, etat));
  EXPECT_EQ(LitBaseReglee(ini), "K01FR_DEMO.DAT");
}

TEST(NotesParBase, RepriseParNumeroDeCollection) {
  TEtatReglages demonstration;
  demonstration.ScoresJeu = TScores(4);
  demonstration.ScoresQuestions = TScores(4);
  demonstration.ScoresJeu[1] = 80;       // collection 21
  demonstration.ScoresQuestions[1] = 100;
  demonstration.ScoresJeu[3] = 55;       // collection 75
  demonstration.ScoresQuestions[4] = 0;  // collection 81, questions only
  const TNumerosVolume numerosDemonstration({21, 23, 75, 81});
  const TNumerosVolume numerosVolume({1, 5, 21, 23, 33, 75, 81});

  TEtatReglages volume;
  volume.Sections = SectionsBase("K01FR.DAT");
  volume.ScoresJeu = TScores(7);
  volume.ScoresQuestions = TScores(7);
  EXPECT_EQ(ReprendNotes(demonstration, numerosDemonstration, numerosVolume, volume), 3);
  EXPECT_EQ(volume.ScoresJeu[3], 80);
  EXPECT_EQ(volume.ScoresQuestions[3], 100);
  EXPECT_EQ(volume.ScoresJeu[6], 55);
  EXPECT_EQ(volume.ScoresQuestions[6], -1);
  EXPECT_EQ(volume.ScoresJeu[7], -1);
  EXPECT_EQ(volume.ScoresQuestions[7], 0);
  for (int n : {1, 2, 4, 5}) {
    EXPECT_EQ(volume.ScoresJeu[n], -1) << n;
    EXPECT_EQ(volume.ScoresQuestions[n], -1) << n;
  }
  EXPECT_EQ(volume.Sections, SectionsBase("K01FR.DAT"));

  // Without a real table on either side nothing says where a deal went.
  TEtatReglages vierge = volume;
  vierge.ScoresJeu = TScores(7);
  EXPECT_EQ(ReprendNotes(demonstration, TNumerosVolume{}, numerosVolume, vierge), 0);
  EXPECT_EQ(ReprendNotes(demonstration, numerosDemonstration, TNumerosVolume{}, vierge), 0);
  EXPECT_EQ(vierge.ScoresJeu, TScores(7));
  // A number held twice, or not held, carries nothing; a table longer
  // than the marks does not read past them.
  EXPECT_EQ(ReprendNotes(demonstration, TNumerosVolume({21, 23, 75, 81, 99}), TNumerosVolume({21, 21, 75, 9}), vierge),
            1);
  EXPECT_EQ(vierge.ScoresJeu[1], -1);
  EXPECT_EQ(vierge.ScoresJeu[3], 55);
  TEtatReglages court;
  court.ScoresJeu = TScores(2);
  court.ScoresQuestions = TScores(2);
  EXPECT_EQ(ReprendNotes(demonstration, numerosDemonstration, numerosVolume, court), 0);
}

}  // namespace
}  // namespace kalvo
