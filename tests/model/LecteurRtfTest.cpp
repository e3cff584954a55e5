#include "model/LecteurRtf.h"

#include "model/Windows1252.h"

#include <gtest/gtest.h>

#include <fstream>
#include <random>
#include <sstream>

namespace kalvo {
namespace {

using namespace std::string_literals;

std::string LitFichier(const std::string& nom) {
  std::ifstream fichier(std::string(KALVO_TEST_DATA) + "/commentaires/" + nom, std::ios::binary);
  std::ostringstream contenu;
  contenu << fichier.rdbuf();
  return contenu.str();
}

std::string Texte(std::string_view rtf) { return LitRtf(rtf).Texte(); }

// The first run whose text contains the given piece.
const TSegmentRtf* Segment(const TDocumentRtf& document, std::string_view morceau) {
  for (const TParagrapheRtf& paragraphe : document.Paragraphes)
    for (const TSegmentRtf& segment : paragraphe.Segments)
      if (segment.Texte.find(morceau) != std::string::npos) return &segment;
  ADD_FAILURE() << "aucun segment ne contient « " << morceau << " »";
  static const TSegmentRtf Absent;
  return &Absent;
}

bool EstUtf8Valide(const std::string& texte) {
  std::size_t pos = 0;
  while (pos < texte.size()) {
    const std::size_t debut = pos;
    if (LitCaractereUtf8(texte, pos) == 0xFFFD && texte.compare(debut, 3, "\xEF\xBF\xBD") != 0) return false;
  }
  return true;
}

// What every reading must give, whatever the bytes.
void VerifieDocumentSain(const TDocumentRtf& document, std::size_t tailleEntree) {
  ASSERT_LE(document.Paragraphes.size(), tailleEntree + 1);
  for (const TParagrapheRtf& paragraphe : document.Paragraphes) {
    ASSERT_LE(paragraphe.Proprietes.Tabulations.size(), 32u);
    for (const TSegmentRtf& segment : paragraphe.Segments) {
      ASSERT_FALSE(segment.Texte.empty());
      ASSERT_TRUE(EstUtf8Valide(segment.Texte));
      ASSERT_LE(segment.Format.DemiPoints, 400);
    }
  }
}

TEST(LecteurRtf, RelitLeTexteEtLesStylesDuCompilateur) {
  const TDocumentRtf point = LitRtf(LitFichier("point-exemple.rtf"));
  EXPECT_TRUE(point.EstRtf);
  EXPECT_EQ(point.Texte(),
            "Le point\n"
            "Contrat : 4♠ joué par Sud. Entame : le Roi de ♥.\n"
            "Levées sûres : cinq ♠, l'As de ♥, As-Roi de ♦, l'As de ♣ : neuf.\n"
            "Perdantes : un ♥, deux ♣ et peut-être un atout.\n"
            "\n"
            "La dixième levée viendra des Carreaux du mort :\n"
            "•\ttirer deux tours d'atout, pas trois ;\n"
            "•\tAs et Roi de ♦, puis un ♦ coupé en main ;\n"
            "•\tremonter au mort par la Dame de ♠ pour le dernier ♦.\n"
            "\n"
            "Danger : si Est prend la main, un ♣ à travers le Roi coûte le contrat.\n"
            "Comptez vos entrées avant de toucher aux atouts.");
  ASSERT_EQ(point.Paragraphes.size(), 12u);
  EXPECT_EQ(point.Paragraphes[0].Proprietes.Alignement, arCentre);
  EXPECT_TRUE(point.Paragraphes[0].Segments.at(0).Format.Gras);
  EXPECT_EQ(point.Paragraphes[1].Proprietes.Alignement, arGauche);
  EXPECT_TRUE(Segment(point, "4♠")->Format.Gras);
  EXPECT_FALSE(Segment(point, " joué")->Format.Gras);
  EXPECT_EQ(Segment(point, "♥")->Format.Couleur, (TCouleurRtf{200, 0, 0}));
  EXPECT_EQ(Segment(point, "♥")->Format.Police, "Arial");
  EXPECT_EQ(Segment(point, "cinq ♠")->Format.Couleur, std::nullopt);
  EXPECT_TRUE(Segment(point, "Comptez")->Format.Italique);
  const TProprietesParagrapheRtf& puce = point.Paragraphes[6].Proprietes;
  EXPECT_EQ(puce.RetraitGauche, 300);
  EXPECT_EQ(puce.RetraitPremiereLigne, -300);
  EXPECT_EQ(puce.Tabulations, std::vector<int>{300});
  EXPECT_EQ(point.Paragraphes[10].Proprietes, TProprietesParagrapheRtf{});

  const TDocumentRtf resume = LitRtf(LitFichier("resume-exemple.rtf"));
  EXPECT_EQ(resume.Paragraphes.size(), 25u);
  EXPECT_TRUE(Segment(resume, "La bonne ligne")->Format.Souligne);
  EXPECT_EQ(Segment(resume, "la faute")->Format.Couleur, (TCouleurRtf{200, 0, 0}));
  const TSegmentRtf* lecon = Segment(resume, "La leçon");
  EXPECT_TRUE(lecon->Format.Gras);
  EXPECT_EQ(lecon->Format.Couleur, (TCouleurRtf{0, 0, 200}));
  EXPECT_EQ(resume.Paragraphes.back().Texte(), "La leçon : comptez vos entrées avant de purger les atouts.");
}

TEST(LecteurRtf, LitUnFichierEcritParUnTraitementDeTexte) {
  const TDocumentRtf document = LitRtf(LitFichier("manuel-traitement-de-texte.rtf"));
  EXPECT_EQ(document.Texte(),
            "Le point\n"
            "Contrat : 4♠ par Sud ; entame ♥R.\n"
            "Mains : \tNord\tSud\u2028Ouest a montré été 12 points.\n"
            "Grec : α β γ ; αβ ; guillemets «\u00a0texte\u00a0» ; € ; …fin.\n"
            "souligné, barré, vert, normal  visible.\n"
            "•\tPuce avec Times et grand.");
  ASSERT_EQ(document.Paragraphes.size(), 6u);
  const TSegmentRtf* titre = Segment(document, "Le point");
  EXPECT_TRUE(titre->Format.Gras);
  EXPECT_EQ(titre->Format.DemiPoints, 28);
  EXPECT_EQ(document.Paragraphes[0].Proprietes.Alignement, arCentre);
  // Symbol-font characters become Unicode drawn in the document's font.
  EXPECT_EQ(Segment(document, "♠")->Format.Police, "Arial");
  EXPECT_EQ(Segment(document, "♥")->Format.Couleur, (TCouleurRtf{255, 0, 0}));
  EXPECT_EQ(Segment(document, "4")->Format.DemiPoints, 20);
  EXPECT_TRUE(Segment(document, "Ouest")->Format.Italique);
  EXPECT_TRUE(Segment(document, "souligné")->Format.Souligne);
  EXPECT_TRUE(Segment(document, "barré")->Format.Barre);
  EXPECT_EQ(Segment(document, "vert")->Format.Couleur, (TCouleurRtf{0, 128, 0}));
  const TSegmentRtf* normal = Segment(document, "normal");
  EXPECT_FALSE(normal->Format.Gras);
  EXPECT_EQ(normal->Format.DemiPoints, 0);
  EXPECT_EQ(normal->Format.Couleur, std::nullopt);
  EXPECT_EQ(document.Paragraphes[4].Proprietes.Alignement, arDroite);
  EXPECT_EQ(Segment(document, "Times")->Format.Police, "Times New Roman");
  EXPECT_EQ(Segment(document, "grand")->Format.DemiPoints, 40);
  EXPECT_EQ(document.Paragraphes[5].Proprietes.Alignement, arGauche);
  EXPECT_EQ(document.Paragraphes[5].Proprietes.RetraitGauche, 300);
}

TEST(LecteurRtf, UnicodeEtCaracteresDeRemplacement) {
  EXPECT_EQ(Texte("{\\rtf1 a\\u233?b}"), "aéb");
  EXPECT_EQ(Texte("{\\rtf1\\uc2 a\\u233 xyb}"), "aéb");
  EXPECT_EQ(Texte("{\\rtf1 a\\u233\\'e9b}"), "aéb");
  EXPECT_EQ(Texte("{\\rtf1\\uc0 a\\u233 b}"), "aéb");
  EXPECT_EQ(Texte("{\\rtf1 a\\u-10179?\\u-8704?b}"), "a😀b");
  EXPECT_EQ(Texte("{\\rtf1 a\\u-10179?b\\u-8704?c}"), "abc");  // unpaired halves show nothing
  EXPECT_EQ(Texte("{\\rtf1{\\uc3 \\u233}abc}"), "éabc");         // a brace ends the skipping
  EXPECT_EQ(Texte("{\\rtf1 \\u99999999999?x\\u0?y\\u7?z}"), "xyz");
  EXPECT_EQ(Texte("{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}\\f1\\u61610?\\u61609?\\'a8\\'a7}"), "♠♥♦♣");
  EXPECT_EQ(Texte("{\\rtf1 \\'e9\\'9c\\'80\\'85\\'81}"), "éœ€…");  // 0x81 is a hole of the code page
  EXPECT_EQ(Texte("{\\rtf1 \\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote\\~\\_\\-x}"),
            "—–•‘’“”\u00a0\u2011x");
}

TEST(LecteurRtf, DestinationsIgnoreesEtMotsInconnus) {
  EXPECT_EQ(Texte("{\\rtf1{\\*\\inconnu a{b}c}{\\stylesheet{x;}}{\\info{\\title t}}"
                  "{\\pict\\bin4 }}}}}d{\\field{\\*\\fldinst lien}{\\fldrslt vu}}\\inconnu12 e}"),
            "dvue");
  EXPECT_EQ(Texte("{\\rtf1 a\\par\\par b\\sect c\\page d\\line e\\cell f\\row}"),
            "a\n\nb\nc\nd\u2028e\tf");
  // The document ends with its group: a NUL, CR LF or anything after is not shown.
  EXPECT_EQ(Texte("{\\rtf1 a\\par}\0\r\nsuite"s), "a");
  EXPECT_EQ(Texte("{\\rtf1 a\0b}"s), "ab");
}

TEST(LecteurRtf, TexteQuiNestPasDuRtf) {
  const TDocumentRtf document = LitRtf("Bonjour\r\n\xE0 tous\rfin\n");
  EXPECT_FALSE(document.EstRtf);
  EXPECT_EQ(document.Texte(), "Bonjour\nà tous\nfin");
  EXPECT_TRUE(LitRtf("").Paragraphes.empty());
  EXPECT_EQ(Texte("  \r\n{\\rtf1 ok}"), "ok");
}

TEST(LecteurRtf, FichiersAbimes) {
  EXPECT_EQ(Texte("{\\rtf1 {\\b a"), "a");
  EXPECT_EQ(Texte("{\\rtf1 a}}}}b"), "a");
  EXPECT_EQ(Texte("{\\rtf1 a\\'e"), "a");
  EXPECT_EQ(Texte("{\\rtf1 a\\'"), "a");
  EXPECT_EQ(Texte("{\\rtf1 a\\"), "a");
  EXPECT_EQ(Texte("{\\rtf1 a\\u"), "a");
  EXPECT_EQ(Texte("{\\rtf1 a\\u65"), "aA");
  EXPECT_EQ(Texte("{\\rtf1 a\\'zzb}"), "azzb");
  EXPECT_EQ(Texte("{\\rtf1 a\\bin99999999999999 perdu}"), "a");
  const TDocumentRtf grands = LitRtf(
      "{\\rtf1\\fs99999999999999999999\\li-99999999999\\cf2147483647\\f-5\\uc99999 "
      "\\tx1\\tx2\\tx3\\tx4\\tx5\\tx6\\tx7\\tx8\\tx9\\tx10\\tx11\\tx12\\tx13\\tx14\\tx15\\tx16\\tx17"
      "\\tx18\\tx19\\tx20\\tx21\\tx22\\tx23\\tx24\\tx25\\tx26\\tx27\\tx28\\tx29\\tx30\\tx31\\tx32\\tx33 a}");
  ASSERT_EQ(grands.Paragraphes.size(), 1u);
  EXPECT_EQ(grands.Paragraphes[0].Segments.at(0).Format.DemiPoints, 400);
  EXPECT_EQ(grands.Paragraphes[0].Proprietes.RetraitGauche, -31680);
  EXPECT_EQ(grands.Paragraphes[0].Proprietes.Tabulations.size(), 32u);

  // Far deeper than the bound: braces still pair and the state comes back.
  const std::size_t profondeur = 100000;
  const std::string profond = "{\\rtf1 " + std::string(profondeur, '{') + "\\b x" +
                              std::string(profondeur, '}') + " y}";
  const TDocumentRtf document = LitRtf(profond);
  EXPECT_EQ(document.Texte(), "x y");
  EXPECT_FALSE(Segment(document, " y")->Format.Gras);
}

TEST(LecteurRtf, ChaqueTroncatureDUnFichierSeLit) {
  for (const char* nom : {"point-exemple.rtf", "manuel-traitement-de-texte.rtf"}) {
    const std::string complet = LitFichier(nom);
    for (std::size_t n = 0; n <= complet.size(); ++n)
      VerifieDocumentSain(LitRtf(std::string_view(complet).substr(0, n)), n);
  }
}

// Random and mutated RTF: the reader must end, stay in bounds (the test
// build runs under AddressSanitizer) and give well-formed text.
TEST(LecteurRtf, FuzzAleatoireEtMutations) {
  static const std::vector<std::string> Morceaux{
      "{", "}", "\\", "\\'", "\\'e9", "\\u", "\\u-", "\\uc", "\\par ", "\\b", "\\b0", "\\fonttbl",
      "\\colortbl", "\\red", ";", "\\*", "\\bin", "\\f", "\\fs", "\\cf", "\\tx", "\\li-", "\\pard",
      "\\plain", "99999999999", "7", "-", " ", "a", "\xAA", "\0"s, "\r\n", "\\fcharset2", "Symbol"};
  std::mt19937 alea(20240611);
  const auto nombre = [&](std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(alea); };
  const std::vector<std::string> exemples{LitFichier("point-exemple.rtf"), LitFichier("resume-exemple.rtf"),
                                          LitFichier("manuel-traitement-de-texte.rtf")};
  for (int essai = 0; essai < 3000; ++essai) {
    std::string entree;
    if (essai % 2 == 0) {
      entree = essai % 4 == 0 ? "{\\rtf1" : "";
      const std::size_t longueur = nombre(300);
      for (std::size_t k = 0; k < longueur; ++k)
        entree += nombre(4) == 0 ? std::string(1, static_cast<char>(nombre(256))) : Morceaux[nombre(Morceaux.size())];
    } else {
      entree = exemples[nombre(exemples.size())];
      for (std::size_t m = nombre(8) + 1; m > 0 && !entree.empty(); --m) {
        const std::size_t pos = nombre(entree.size());
        switch (nombre(4)) {
          case 0: entree[pos] = static_cast<char>(nombre(256)); break;
          case 1: entree.insert(pos, Morceaux[nombre(Morceaux.size())]); break;
          case 2: entree.erase(pos, nombre(40)); break;
          default: entree.insert(pos, entree.substr(pos, nombre(60))); break;
        }
      }
    }
    VerifieDocumentSain(LitRtf(entree), entree.size());
    if (HasFatalFailure()) {
      ADD_FAILURE() << "entrée : " << entree;
      return;
    }
  }
}

}  // namespace
}  // namespace kalvo
