#include "table/Aide.h"

#include <gtest/gtest.h>

#include "EnvironnementQt.h"

#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>

#include <set>

namespace kalvo {
namespace {

QString LitPage(const QString& nom) {
  QFile page(QStringLiteral(":/aide/") + nom);
  if (!page.open(QIODevice::ReadOnly)) return {};
  return QString::fromUtf8(page.readAll());
}

std::set<QString> Liens(const QString& html) {
  std::set<QString> liens;
  static const QRegularExpression href(QStringLiteral("href=\"([^\"#]+)"));
  for (auto it = href.globalMatch(html); it.hasNext();) liens.insert(it.next().captured(1));
  return liens;
}

TEST(TAide, LeManuelEstLivreAvecSonSommaire) {
  TAide aide;  // registers the manual's resources
  const QString sommaire = LitPage(QStringLiteral("index.html"));
  ASSERT_FALSE(sommaire.isEmpty());
  const std::set<QString> chapitres{"jouer.html", "table.html", "notes.html", "questions.html", "reglages.html",
                                    "donnees.html"};
  for (const QString& chapitre : chapitres) EXPECT_TRUE(Liens(sommaire).count(chapitre)) << chapitre.toStdString();

  // Every page has a title and leads back to the table of contents; no
  // link of the manual is broken.
  for (const QString& nom : chapitres) {
    const QString page = LitPage(nom);
    ASSERT_FALSE(page.isEmpty()) << nom.toStdString();
    EXPECT_TRUE(page.contains(QStringLiteral("<h1>"))) << nom.toStdString();
    EXPECT_TRUE(Liens(page).count(QStringLiteral("index.html"))) << nom.toStdString();
    for (const QString& lien : Liens(page)) {
      if (lien.endsWith(QStringLiteral(".css"))) continue;
      EXPECT_FALSE(LitPage(lien).isEmpty()) << nom.toStdString() << " → " << lien.toStdString();
    }
  }
  EXPECT_FALSE(LitPage(QStringLiteral("aide.css")).isEmpty());
}

TEST(TAide, NavigationEtRetourAuSommaire) {
  TAide aide;
  EXPECT_EQ(aide.windowTitle(), QStringLiteral("Aide de Kalvo"));
  aide.Ouvre();
  EXPECT_TRUE(aide.isVisible());
  EXPECT_EQ(aide.windowModality(), Qt::NonModal);
  EXPECT_EQ(aide.Navigateur->source(), TAide::Sommaire());
  EXPECT_TRUE(aide.Navigateur->toPlainText().contains(QStringLiteral("sommaire")));
  EXPECT_FALSE(aide.BPrecedent->isEnabled());

  aide.Navigateur->setSource(QUrl(QStringLiteral("qrc:/aide/reglages.html")));
  EXPECT_TRUE(aide.Navigateur->toPlainText().contains(QStringLiteral("Est/Ouest visibles")));
  EXPECT_TRUE(aide.BPrecedent->isEnabled());
  aide.BPrecedent->click();
  EXPECT_EQ(aide.Navigateur->source(), TAide::Sommaire());
  EXPECT_TRUE(aide.BSuivant->isEnabled());
  aide.BSuivant->click();
  EXPECT_EQ(aide.Navigateur->source().fileName(), QStringLiteral("reglages.html"));
  aide.BSommaire->click();
  EXPECT_EQ(aide.Navigateur->source(), TAide::Sommaire());

  // Opened again, it starts from the table of contents.
  aide.Navigateur->setSource(QUrl(QStringLiteral("qrc:/aide/questions.html")));
  aide.Ouvre();
  EXPECT_EQ(aide.Navigateur->source(), TAide::Sommaire());
  aide.BFermer->click();
  EXPECT_FALSE(aide.isVisible());
}

TEST(TAide, ModaleQuandUnDialogueEstOuvert) {
  TAide aide;
  aide.Ouvre();
  EXPECT_EQ(aide.windowModality(), Qt::NonModal);
  QDialog reglages;
  reglages.setModal(true);
  reglages.show();
  aide.Ouvre();
  EXPECT_TRUE(aide.isVisible());
  EXPECT_EQ(aide.windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(QApplication::activeModalWidget(), &aide);
  aide.close();
  EXPECT_EQ(QApplication::activeModalWidget(), &reglages);
  reglages.close();
  aide.Ouvre();
  EXPECT_EQ(aide.windowModality(), Qt::NonModal);
  aide.close();
}

}  // namespace
}  // namespace kalvo
