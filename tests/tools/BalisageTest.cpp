#include "tools/authoring/Balisage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iostream>
#include <random>
#include <sstream>

namespace kalvo {
namespace {

using namespace redaction;

const std::string EnTete = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}";
const std::string Rouge = "{\\colortbl;\\red200\\green0\\blue0;}";

std::string LitFichier(const std::string& nom) {
  std::ifstream fichier(std::string(KALVO_TEST_DATA) + "/commentaires/" + nom, std::ios::binary);
  std::ostringstream contenu;
  contenu << fichier.rdbuf();
  return contenu.str();
}

// The body of a successful translation, header and closing brace removed.
std::string Corps(std::string_view source, const std::string& tables = {}) {
  const TResultatBalisage r = BalisageVersRtf(source, 100000);
  EXPECT_TRUE(r.Reussi()) << (r.Erreurs.empty() ? "" : r.Erreurs.front().Message);
  const std::string debut = EnTete + tables;
  EXPECT_EQ(r.Rtf.substr(0, debut.size()), debut) << r.Rtf;
  if (r.Rtf.size() < debut.size() + 1) return {};
  return r.Rtf.substr(debut.size(), r.Rtf.size() - debut.size() - 1);
}

TDiagnosticBalisage SeuleErreur(std::string_view source, int premiereLigne = 1) {
  const TResultatBalisage r = BalisageVersRtf(source, 100000, premiereLigne);
  EXPECT_EQ(r.Erreurs.size(), 1u) << source;
  return r.Erreurs.empty() ? TDiagnosticBalisage{} : r.Erreurs.front();
}

TEST(Balisage, LesExemplesDonnentLeRtfAttenduEtTiennentDansLeurPlace) {
  for (const auto& [nom, budget] : {std::pair{"point-exemple", TailleMaxPoint},
                                    std::pair{"resume-exemple", TailleMaxResume}}) {
    const TResultatBalisage r = BalisageVersRtf(LitFichier(std::string(nom) + ".txt"), budget);
    EXPECT_TRUE(r.Reussi()) << nom;
    EXPECT_EQ(r.Rtf, LitFichier(std::string(nom) + ".rtf")) << nom;
    EXPECT_LE(r.Rtf.size(), budget);
    std::cout << nom << " : " << r.Rtf.size() << " octets de RTF\n";
    // Compiling twice gives the same bytes.
    EXPECT_EQ(BalisageVersRtf(LitFichier(std::string(nom) + ".txt"), budget).Rtf, r.Rtf);
  }
}

TEST(Balisage, StylesEtDelimiteursLesPlusCourts) {
  EXPECT_EQ(Corps("**gras** *italique* __souligné__ ***les deux***"),
            "{\\b gras} {\\i italique} {\\ul soulign\\'e9} {\\b{\\i les deux}}");
  // A digit, a letter, a minus or a space after a control word needs its
  // delimiter; punctuation and braces do not.
  EXPECT_EQ(Corps("**1** **-2** **!** ** x**"), "{\\b 1} {\\b -2} {\\b!} ** x**");
  EXPECT_EQ(Corps("*gras **et** italique*"), "{\\i gras {\\b et} italique}");
  EXPECT_EQ(Corps("5 * 3 = 15, a_b, ____"), "5 * 3 = 15, a_b, ____");
}

TEST(Balisage, AccentsEtCaracteresHorsDuJeuWindows1252) {
  EXPECT_EQ(Corps("Cœur à l’As, 10 € – « oui »"),
            "C\\'9cur \\'e0 l\\'92As, 10 \\'80 \\'96 \\'ab oui \\'bb");
  EXPECT_EQ(Corps("α ≥ ﬁ 😀"), "\\u945? \\u8805? \\u-1279? \\u-10179?\\u-8704?");
  // The no-break spaces of French typography, narrow or not.
  EXPECT_EQ(Corps("Attention\u00a0! Oui\u202f?"), "Attention\\~! Oui\\~?");
}

TEST(Balisage, SymbolesDeCouleurEnRougePourCoeurEtCarreau) {
  EXPECT_EQ(Corps("!S !H !D !C ♠♥♦♣", Rouge),
            "\\u9824? {\\cf1\\u9829?} {\\cf1\\u9830?} \\u9827? \\u9824?{\\cf1\\u9829?}{\\cf1\\u9830?}\\u9827?");
  // Inside a red span the symbol needs no colour of its own; in a blue one it
  // stays red, and the table numbers colours by first use.
  EXPECT_EQ(Corps("{rouge:Roi de !H} {bleu:Dame de !D}",
                  "{\\colortbl;\\red200\\green0\\blue0;\\red0\\green0\\blue200;}"),
            "{\\cf1 Roi de \\u9829?} {\\cf2 Dame de {\\cf1\\u9830?}}");
  EXPECT_EQ(Corps("{bleu:x} !H", "{\\colortbl;\\red0\\green0\\blue200;\\red200\\green0\\blue0;}"),
            "{\\cf1 x} {\\cf2\\u9829?}");
  EXPECT_EQ(Corps("!SARD !X !s"), "\\u9824?ARD !X !s");
}

TEST(Balisage, EchappementsEtBarresObliques) {
  EXPECT_EQ(Corps("\\*pas italique\\* \\!S \\{ \\} \\_\\_ \\# \\\\"),
            "*pas italique* !S \\{ \\} __ # \\\\");
  EXPECT_EQ(Corps("C:\\dossier"), "C:\\\\dossier");
  const TResultatBalisage serif = BalisageVersRtf("{serif:Times}", 1000);
  EXPECT_EQ(serif.Rtf, "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}"
                       "{\\f1\\froman Times New Roman;}}{\\f1 Times}}");
}

TEST(Balisage, LignesTitresPucesEtLignesVides) {
  const std::string source =
      "\xEF\xBB\xBF# Titre\r\n"
      "Texte   avec\tblancs  \r\n"
      "\r\n\r\n\r\n"
      "- un\n"
      "- deux\n"
      "Après\n"
      "\n";
  EXPECT_EQ(Corps(source),
            "\\qc{\\b Titre}\\par\\pard Texte avec blancs\\par\\par"
            "\\fi-300\\li300\\tx300\\'95\\tab un\\par\\'95\\tab deux\\par\\pard Apr\\'e8s");
  EXPECT_EQ(Corps("\\# pas un titre\n\\- pas une puce\n#collé\n-collé"),
            "# pas un titre\\par - pas une puce\\par#coll\\'e9\\par -coll\\'e9");
  EXPECT_EQ(Corps(""), "");
}

TEST(Balisage, ErreursAvecLeurLigne) {
  struct TCas {
    std::string Source;
    TErreurBalisage Code;
    int Ligne;
    std::size_t NbErreurs = 1;
  };
  const std::vector<TCas> cas{
      {"ok\n**gras\nok", ebNonFermee, 2},
      {"**gras\nsuite**", ebNonFermee, 1},
      {"**a {rouge:b** c}", ebCroisees, 1},
      {"**a __b** c__", ebCroisees, 1},
      {"{rose:texte}", ebCouleurInconnue, 1},
      {"a } b", ebFermetureSeule, 1},
      {"a { b", ebAccoladeOuvrante, 1},
      {"****", ebEtoiles, 1},
      {"*a ***", ebEtoiles, 1, 2},  // and the italic left open
      {"ok\nmal \xC3\x28", ebUtf8Invalide, 2},
      {"mal \xED\xA0\x80", ebUtf8Invalide, 1},
      {"bip\x07", ebCaractereInterdit, 1},
  };
  for (const TCas& c : cas) {
    const TResultatBalisage r = BalisageVersRtf(c.Source, 100000);
    ASSERT_EQ(r.Erreurs.size(), c.NbErreurs) << c.Source;
    const TDiagnosticBalisage& d = r.Erreurs.front();
    EXPECT_EQ(d.Code, c.Code) << c.Source << " -> " << d.Message;
    EXPECT_EQ(d.Ligne, c.Ligne) << c.Source;
    EXPECT_EQ(d.Message.rfind("Ligne " + std::to_string(c.Ligne) + " : ", 0), 0u) << d.Message;
  }
  // Lines count from where the commentary sits in the deal file.
  EXPECT_EQ(SeuleErreur("ok\n__x", 41).Ligne, 42);
  EXPECT_EQ(SeuleErreur("{rose:x}").Message,
            "Ligne 1 : couleur inconnue « rose » (rouge, bleu, vert, orange, violet, gris, noir ou serif)");
  // Even with errors the RTF stays balanced.
  const TResultatBalisage r = BalisageVersRtf("**a {rouge:b", 1000);
  EXPECT_EQ(r.Erreurs.size(), 2u);
  EXPECT_EQ(std::count(r.Rtf.begin(), r.Rtf.end(), '{'), std::count(r.Rtf.begin(), r.Rtf.end(), '}'));
}

TEST(Balisage, DepassementDuBudgetSignaleALaLigneOuLaPlaceManque) {
  std::string source;
  for (int i = 1; i <= 30; ++i) source += "Ligne numéro " + std::to_string(i) + " du commentaire.\n";
  const TResultatBalisage complet = BalisageVersRtf(source, 100000);
  ASSERT_TRUE(complet.Reussi());
  const std::size_t taille = complet.Rtf.size();
  EXPECT_TRUE(BalisageVersRtf(source, taille).Reussi());
  const TResultatBalisage juste = BalisageVersRtf(source, taille - 1);
  ASSERT_EQ(juste.Erreurs.size(), 1u);
  EXPECT_EQ(juste.Erreurs[0].Code, ebTropLong);
  EXPECT_EQ(juste.Erreurs[0].Ligne, 30);
  EXPECT_EQ(juste.Rtf, complet.Rtf);

  const TResultatBalisage point = BalisageVersRtf(source, TailleMaxPoint, 10);
  ASSERT_EQ(point.Erreurs.size(), 1u);
  // A 58-byte header, the closing brace, 33 bytes for line 1, 38 for lines
  // 2 to 9 and 39 from line 10 ("\par Ligne num\'e9ro 10 du commentaire."):
  // 922 bytes of body after line 24, 961 after line 25.
  EXPECT_EQ(point.Erreurs[0].Ligne, 10 + 24);
  EXPECT_EQ(point.Erreurs[0].Message,
            "Ligne 34 : commentaire trop long : " + std::to_string(taille) +
                " octets de RTF pour 1000 au plus ; la place manque dès cette ligne");
}

TEST(Balisage, RtfBrutPasseTelQuel) {
  const std::string brut = "\n  {\\rtf1\\ansi {\\b Gras} é ♥\r\n\n\\par fin}\n\n";
  const TResultatBalisage r = BalisageVersRtf(brut, 1000);
  EXPECT_TRUE(r.Reussi());
  EXPECT_EQ(r.Rtf, "{\\rtf1\\ansi {\\b Gras} \\'e9 \\u9829?\n\\par fin}");

  EXPECT_EQ(SeuleErreur("{\\rtf1 {\\b x}").Code, ebRtfMalForme);
  EXPECT_EQ(SeuleErreur("{\\rtf1 x}}\n").Ligne, 1);
  EXPECT_EQ(SeuleErreur("{\\rtf1 x}\nsuite").Ligne, 2);
  EXPECT_TRUE(BalisageVersRtf("{\\rtf1 \\{ \\} \\\\}", 100).Reussi());
  const TResultatBalisage long_ = BalisageVersRtf("{\\rtf1\nxxxxxxxxxx\nyyyyyyyyyy\n}", 20);
  ASSERT_EQ(long_.Erreurs.size(), 1u);
  EXPECT_EQ(long_.Erreurs[0].Code, ebTropLong);
  EXPECT_EQ(long_.Erreurs[0].Ligne, 3);
}

// Whatever the author typed, the RTF stays well formed: its groups pair and
// every message points at a line of the source.
bool GroupesEquilibres(const std::string& rtf) {
  int profondeur = 0;
  for (std::size_t i = 0; i < rtf.size(); ++i) {
    if (rtf[i] == '\\') ++i;
    else if (rtf[i] == '{') ++profondeur;
    else if (rtf[i] == '}' && --profondeur < 0) return false;
  }
  return profondeur == 0;
}

TEST(Balisage, FuzzDuBalisage) {
  static const std::vector<std::string> Morceaux{
      "**", "*", "***", "__", "_", "{rouge:", "{bleu:", "{rose:", "{serif:", "{", "}", "\\", "\\*",
      "!S", "!H", "!", "♥", "é", "œ", "😀", "\n", "\n\n", "# ", "- ", "a", "1", " ", "\t",
      "\xC3", "\x07", "\xED\xA0\x80", "{\\rtf1", "\r\n", "\u00a0"};
  std::mt19937 alea(1549);
  for (int essai = 0; essai < 3000; ++essai) {
    std::string source;
    const std::size_t longueur = alea() % 60;
    for (std::size_t k = 0; k < longueur; ++k) source += Morceaux[alea() % Morceaux.size()];
    const TResultatBalisage r = BalisageVersRtf(source, 300, 5);
    const int lignes = static_cast<int>(std::count(source.begin(), source.end(), '\n')) + 1;
    for (const TDiagnosticBalisage& d : r.Erreurs) {
      ASSERT_GE(d.Ligne, 5) << source;
      ASSERT_LT(d.Ligne, 5 + lignes) << source;
    }
    const bool brut = r.Rtf.rfind("{\\rtf1\\ansi\\ansicpg1252\\deff0{", 0) != 0;
    if (!brut || r.Reussi()) {
      ASSERT_TRUE(GroupesEquilibres(r.Rtf)) << source << "\n" << r.Rtf;
    }
    if (r.Reussi()) {
      ASSERT_LE(r.Rtf.size(), 300u);
    }
  }
}

}  // namespace
}  // namespace kalvo
