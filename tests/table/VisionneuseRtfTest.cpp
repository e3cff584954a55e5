#include "table/VisionneuseRtf.h"

#include <gtest/gtest.h>

#include "EnvironnementQt.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTest>
#include <QTextBlock>
#include <QTextFragment>

#include <iostream>
#include <random>
#include <set>

namespace kalvo {
namespace {

QString Donnee(const char* nom) {
  return QString::fromUtf8(KALVO_TEST_DATA) + "/commentaires/" + QString::fromUtf8(nom);
}

QByteArray LitDonnee(const char* nom) {
  QFile fichier(Donnee(nom));
  return fichier.open(QIODevice::ReadOnly) ? fichier.readAll() : QByteArray();
}

// The viewer shows documents; the controller reads them from the files.
void Charge(VisionneuseRtf& visionneuse, const QByteArray& octets) {
  visionneuse.ChargeDocument(LitRtf(std::string_view(octets.constData(), static_cast<std::size_t>(octets.size()))));
}

// The viewer of the "Le point" dialog: 767 pixels wide, 8-pixel margins,
// green Trebuchet MS of 17 pixels on a pale green ground.
constexpr int HauteurPolicePoint = 17;

void PrepareCommeLePoint(VisionneuseRtf& visionneuse) {
  QFont police("Trebuchet MS");
  police.setPixelSize(HauteurPolicePoint);
  visionneuse.setFont(police);
  visionneuse.setFrameShape(QFrame::NoFrame);
  visionneuse.document()->setDocumentMargin(8);
  QPalette palette = visionneuse.palette();
  palette.setColor(QPalette::Base, QColor(232, 255, 232));
  palette.setColor(QPalette::Text, QColor(0, 128, 0));
  visionneuse.setPalette(palette);
  visionneuse.resize(767, 400);
}

// Every text fragment of the laid-out document.
std::vector<QTextFragment> Fragments(QTextDocument& document) {
  std::vector<QTextFragment> fragments;
  for (QTextBlock bloc = document.begin(); bloc.isValid(); bloc = bloc.next())
    for (auto it = bloc.begin(); !it.atEnd(); ++it) fragments.push_back(it.fragment());
  return fragments;
}

TEST(VisionneuseRtf, LePointTientDansLaHauteurCalculeeSurSesLignes) {
  VisionneuseRtf visionneuse;
  PrepareCommeLePoint(visionneuse);
  Charge(visionneuse, LitDonnee("point-exemple.rtf"));
  const int lignes = visionneuse.NombreLignes();
  EXPECT_EQ(lignes, 12);
  // The dialog gives each line the font height plus 3 pixels, plus the margins.
  const int hauteurDialogue = (3 + HauteurPolicePoint) * lignes + 8 + 8;
  std::cout << "Le point : " << lignes << " lignes, " << visionneuse.HauteurDocument()
            << " pixels de texte pour " << hauteurDialogue << " dans le dialogue\n";
  EXPECT_LE(visionneuse.HauteurDocument(), hauteurDialogue);
  EXPECT_GT(visionneuse.HauteurDocument(), hauteurDialogue * 3 / 4);

  // A font set after loading lays the text out again, and so does a
  // narrower viewer, whose long lines wrap.
  QFont petite = visionneuse.font();
  petite.setPixelSize(10);
  visionneuse.setFont(petite);
  EXPECT_LT(visionneuse.HauteurDocument(), hauteurDialogue * 3 / 4);
  PrepareCommeLePoint(visionneuse);
  EXPECT_EQ(visionneuse.NombreLignes(), lignes);
  visionneuse.resize(300, 400);
  EXPECT_GT(visionneuse.NombreLignes(), lignes);
}

TEST(VisionneuseRtf, TailleUniformeDeLEcranDeFinDeDonne) {
  VisionneuseRtf visionneuse;
  visionneuse.resize(980, 300);
  Charge(visionneuse, LitDonnee("manuel-traitement-de-texte.rtf"));
  const auto tailles = [&] {
    std::set<qreal> vues;
    for (const QTextFragment& f : Fragments(*visionneuse.document())) vues.insert(f.charFormat().fontPointSize());
    return vues;
  };
  EXPECT_EQ(tailles(), (std::set<qreal>{0, 10, 14, 20}));  // 0: no size of its own
  const int hauteurRtf = visionneuse.HauteurDocument();
  visionneuse.FixeTailleUniforme(14);
  EXPECT_EQ(tailles(), (std::set<qreal>{14}));
  const int hauteur14 = visionneuse.HauteurDocument();
  visionneuse.FixeTailleUniforme(12);
  EXPECT_LT(visionneuse.HauteurDocument(), hauteur14);
  visionneuse.FixeTailleUniforme(0);
  EXPECT_EQ(visionneuse.HauteurDocument(), hauteurRtf);

  // Formats reach the Qt document: bold title, red heart, tab stop of the bullet.
  QTextDocument& document = *visionneuse.document();
  EXPECT_EQ(document.begin().begin().fragment().charFormat().fontWeight(), QFont::Bold);
  EXPECT_EQ(document.begin().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
  bool coeurRouge = false;
  for (const QTextFragment& f : Fragments(document))
    if (f.text().contains(QChar(0x2665))) coeurRouge = f.charFormat().foreground().color() == QColor(255, 0, 0);
  EXPECT_TRUE(coeurRouge);
  const QTextBlockFormat puce = document.lastBlock().blockFormat();
  EXPECT_EQ(puce.leftMargin(), 20);
  EXPECT_EQ(puce.textIndent(), -20);
  ASSERT_EQ(puce.tabPositions().size(), 1);
  EXPECT_EQ(puce.tabPositions().front().position, 20);
}

TEST(VisionneuseRtf, FichierEcritParLeProgrammeVideOuEnTexteBrut) {
  VisionneuseRtf visionneuse;
  // The program writes the commentary followed by a NUL and CR LF.
  Charge(visionneuse, LitDonnee("point-exemple.rtf") + QByteArray("\0\r\n", 3));
  EXPECT_EQ(visionneuse.Contenu().Texte(), LitRtf(LitDonnee("point-exemple.rtf").toStdString()).Texte());
  EXPECT_EQ(visionneuse.document()->blockCount(), 12);

  Charge(visionneuse, "{\\rtf1 avant}");
  visionneuse.ChargeDocument({});
  EXPECT_TRUE(visionneuse.Contenu().Paragraphes.empty());
  EXPECT_EQ(visionneuse.NombreLignes(), 0);
  EXPECT_TRUE(visionneuse.document()->toPlainText().isEmpty());

  Charge(visionneuse, "Pas du RTF\r\nmais du texte");
  EXPECT_EQ(visionneuse.document()->toPlainText(), "Pas du RTF\nmais du texte");

  QSignalSpy clics(&visionneuse, &VisionneuseRtf::Clique);
  visionneuse.show();
  QTest::mouseClick(visionneuse.viewport(), Qt::LeftButton);
  EXPECT_EQ(clics.count(), 1);
  EXPECT_TRUE(visionneuse.isReadOnly());
}

TEST(VisionneuseRtf, DonneesAbimeesAfficheesSansPlanter) {
  VisionneuseRtf visionneuse;
  visionneuse.resize(400, 200);
  std::mt19937 alea(1549);
  QByteArray base = LitDonnee("manuel-traitement-de-texte.rtf");
  for (int essai = 0; essai < 100; ++essai) {
    QByteArray entree = base;
    for (int m = 0; m < 6; ++m) {
      const auto pos = static_cast<qsizetype>(alea() % static_cast<unsigned>(entree.size()));
      entree[pos] = static_cast<char>(alea() % 256);
    }
    Charge(visionneuse, entree);
    visionneuse.FixeTailleUniforme(essai % 3 == 0 ? 14 : 0);
    EXPECT_GE(visionneuse.NombreLignes(), 0);
  }
  Charge(visionneuse, "{\\rtf1\\fs400\\li-31680\\fi31680\\tx31680 " + QByteArray(5000, '{') + "x}");
  EXPECT_GE(visionneuse.NombreLignes(), 1);
}

// Renders both commentaries as the user sees them, for a person to look at.
TEST(VisionneuseRtf, RenduPourLesYeux) {
  QDir().mkpath(QString::fromUtf8(KALVO_BUILD_DIR) + "/rendus");
  VisionneuseRtf point;
  PrepareCommeLePoint(point);
  Charge(point, LitDonnee("point-exemple.rtf"));
  point.resize(767, (3 + HauteurPolicePoint) * point.NombreLignes() + 16);
  point.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&point));
  const QImage image = point.grab().toImage();
  EXPECT_TRUE(image.save(QString::fromUtf8(KALVO_BUILD_DIR) + "/rendus/visionneuse-point.png"));
  int rouges = 0;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      rouges += c.red() > 150 && c.green() < 90 && c.blue() < 90;
    }
  EXPECT_GT(rouges, 100);  // hearts, diamonds and "Danger" are drawn in red

  VisionneuseRtf resume;
  resume.resize(980, 560);
  resume.FixeTailleUniforme(13);
  Charge(resume, LitDonnee("resume-exemple.rtf"));
  resume.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&resume));
  EXPECT_TRUE(resume.grab().toImage().save(QString::fromUtf8(KALVO_BUILD_DIR) + "/rendus/visionneuse-resume.png"));

  VisionneuseRtf manuel;
  manuel.resize(600, 220);
  Charge(manuel, LitDonnee("manuel-traitement-de-texte.rtf"));
  manuel.show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&manuel));
  EXPECT_TRUE(manuel.grab().toImage().save(QString::fromUtf8(KALVO_BUILD_DIR) + "/rendus/visionneuse-manuel.png"));
}

}  // namespace
}  // namespace kalvo
