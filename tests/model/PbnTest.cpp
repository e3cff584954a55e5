// PBN written and read back, the export checked against the standard's
// grammar, the reader's French messages naming the faulty line, and the
// reader fed thousands of damaged files (a fuzz-style robustness test run in
// the normal suite).
#include "model/NotationMains.h"
#include "model/Pbn.h"
#include "tests/model/GrammairePbn.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <random>

namespace kalvo {
namespace {

using ::testing::HasSubstr;
using ::testing::Not;
using ::testing::StartsWith;

constexpr std::string_view MainsEcrans = "S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642";

TCard C(std::string_view code) {
  TCard carte;
  EXPECT_TRUE(LitCodeCarte(code, carte)) << code;
  return carte;
}

TEnchere E(std::string_view appel, std::uint16_t alerte = 0) {
  if (appel == "P") return TEnchere{0, 1, alerte};
  if (appel == "X") return TEnchere{0, 2, alerte};
  const std::string_view couleurs = "CDHSN";
  return TEnchere{static_cast<std::uint8_t>(appel[0] - '0'), static_cast<std::uint8_t>(couleurs.find(appel[1])), alerte};
}

// The picture tool's sample deal, played to trick 3 then claimed.
TPartiePbn Exemple() {
  TPartiePbn p;
  p.Evenement = "K01FR \"démo\"";
  p.Board = 21;
  p.Donneur = jrSud;
  p.Vulnerabilite = vlnNS;
  std::string erreur;
  p.Mains = *LitJeuxPbn(MainsEcrans, erreur);
  p.Declarant = jrSud;
  p.Contrat = TContratPbn{3, clSA, 0};
  p.Resultat = 10;
  p.Encheres = {E("1C", 1), E("1H"), E("X", 2), E("2H"), E("2N"), E("P"), E("3N"), E("P"), E("P"), E("P")};
  p.Notes = {{1, "Trèfle préparé : deux cartes possibles"}, {2, "Spoutnik : quatre cartes à Pique"}};
  const auto levee = [](std::string_view s, std::string_view o, std::string_view n, std::string_view e) {
    return TCartesJouees{C(s), C(o), C(n), C(e)};
  };
  p.Levees = {levee("H3", "HK", "H4", "H2"), levee("H6", "HQ", "H7", "H8"), levee("HA", "HJ", "C8", "HT")};
  p.AutresTags = {{"KalvoTheme", "Prendre ou laisser-passer"}};
  p.Commentaires = {"Thème : Prendre ou laisser-passer. Une accolade } n'en ferme aucune ; le texte est assez long pour "
                    "être coupé en plusieurs lignes par l'écriture du commentaire."};
  return p;
}

std::vector<TPartiePbn> Lit(const std::string& texte) {
  std::string erreur;
  auto parties = LitPbn(texte, erreur);
  EXPECT_TRUE(parties) << erreur << "\n" << texte;
  return parties ? *parties : std::vector<TPartiePbn>{};
}

std::string Erreur(const std::string& texte) {
  std::string erreur;
  EXPECT_FALSE(LitPbn(texte, erreur)) << texte;
  return erreur;
}

TEST(Pbn, EcritLeFormatExportEtLeRelit) {
  const std::string texte = EcritPbn({Exemple(), Exemple()});
  EXPECT_THAT(test::FautesExportPbn(texte), ::testing::IsEmpty()) << texte;
  EXPECT_THAT(texte, HasSubstr("[Event \"K01FR \\\"démo\\\"\"]\n"));
  EXPECT_THAT(texte, HasSubstr("[Deal \"S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642\"]\n"));
  EXPECT_THAT(texte, HasSubstr("[Auction \"S\"]\n1C =1= 1H X =2= 2H\n2NT Pass 3NT Pass\nPass Pass\n"
                               "[Note \"1:Trèfle préparé : deux cartes possibles\"]\n"));
  // Columns from the leader, West: West, North, East, South; the claim leaves the play open.
  EXPECT_THAT(texte, HasSubstr("[Play \"W\"]\nHK H4 H2 H3\nHQ H7 H8 H6\nHJ C8 HT HA\n*\n"));

  const auto parties = Lit(texte);
  ASSERT_EQ(parties.size(), 2u);
  const TPartiePbn attendu = Exemple();
  for (const TPartiePbn& p : parties) {
    EXPECT_EQ(p.Evenement, attendu.Evenement);
    EXPECT_EQ(p.Board, 21);
    EXPECT_EQ(p.Donneur, jrSud);
    EXPECT_EQ(p.Vulnerabilite, vlnNS);
    EXPECT_EQ(p.Mains, attendu.Mains);
    EXPECT_EQ(p.Declarant, jrSud);
    EXPECT_EQ(p.Contrat, attendu.Contrat);
    EXPECT_EQ(p.Resultat, 10);
    EXPECT_EQ(p.Encheres, attendu.Encheres);
    EXPECT_EQ(p.Notes, attendu.Notes);
    EXPECT_EQ(p.Levees, attendu.Levees);
    EXPECT_EQ(p.AutresTags, attendu.AutresTags);
    ASSERT_EQ(p.Commentaires.size(), 1u);
    EXPECT_THAT(p.Commentaires[0], HasSubstr("accolade ) n'en"));
  }
  const auto deuxieme = texte.find("[Event", texte.find("[Event") + 1);
  EXPECT_EQ(parties[1].LigneDebut, 1 + std::count(texte.begin(), texte.begin() + static_cast<long>(deuxieme), '\n'));
}

TEST(Pbn, EcritLeDonneurEnPremiereMainEtLesContrats) {
  TPartiePbn p = Exemple();
  p.Donneur = jrEst;
  p.Encheres.insert(p.Encheres.begin(), E("P"));
  p.Contrat.Contre = 2;
  p.Levees.clear();
  const std::string texte = EcritPbn({p});
  EXPECT_THAT(texte, HasSubstr("[Deal \"E:J853.T82.K8.J642 AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85\"]"));
  EXPECT_THAT(texte, HasSubstr("[Contract \"3NTXX\"]"));
  EXPECT_THAT(texte, Not(HasSubstr("[Play")));
  EXPECT_EQ(TexteContratPbn(TContratPbn{}), "Pass");
  EXPECT_EQ(TexteContratPbn(TContratPbn{4, clPique, 1}), "4SX");
}

TEST(Pbn, LeContratEtLeDeclarantDeLEnchere) {
  // North names spades first; South raises: North declares; doubled then redoubled.
  const auto issue = IssueEncheres({E("1S"), E("P"), E("2S"), E("P"), E("4S"), E("X"), TEnchere{0, 3, 0}, E("P"), E("P"), E("P")}, jrNord);
  ASSERT_TRUE(issue);
  EXPECT_EQ(issue->Declarant, jrNord);
  EXPECT_EQ(issue->Contrat, (TContratPbn{4, clPique, 2}));
  // A new bid clears the double.
  const auto apres = IssueEncheres({E("1H"), E("X"), E("2H"), E("P"), E("P"), E("P")}, jrOuest);
  ASSERT_TRUE(apres);
  EXPECT_EQ(apres->Declarant, jrOuest);
  EXPECT_EQ(apres->Contrat.Contre, 0);
  EXPECT_FALSE(IssueEncheres({E("P"), E("P"), E("P"), E("P")}, jrSud));
}

// A game written by hand in the import format: commentary of both kinds,
// escape lines, a BOM, lower-case calls, "AP", a note, inherited values and
// two games with no empty line between them.
TEST(Pbn, LitLeFormatImport) {
  const std::string texte =
      "\xEF\xBB\xBF% PBN 2.1\n"
      "[Event \"Club\"] ; le tournoi du jeudi\n"
      "[Board \"7\"]\n"
      "[Dealer \"N\"]\n"
      "[Vulnerable \"Both\"]\n"
      "{ une donne\n sur deux lignes }\n"
      "[Deal \"N:762.74.AQJT3.K85 J853.T82.K8.J642 AK4.A63.942.AQT3 QT9.KQJ95.765.97\"]\n"
      "[Declarer \"S\"]\n"
      "[Contract \"3NT\"]\n"
      "[Auction \"N\"]\n"
      "pass pass 1NT! =1= Pass 3NT AP\n"
      "[Note \"1:15-17\"]\n"
      "[Play \"W\"]\n"
      "HK H4 H2 H3 HQ H7 H8 H6\n"
      "*\n"
      "[Event \"#\"]\n"
      "[Board \"8\"]\n"
      "[Dealer \"E\"]\n"
      "[Deal \"E:J853.T82.K8.J642 AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85\"]\n"
      "[Declarer \"W\"]\n"
      "[Contract \"1S\"]\n";
  const auto parties = Lit(texte);
  ASSERT_EQ(parties.size(), 2u);
  const TPartiePbn& p = parties[0];
  EXPECT_EQ(p.Evenement, "Club");
  EXPECT_EQ(p.Board, 7);
  EXPECT_EQ(p.Donneur, jrNord);
  EXPECT_EQ(p.Vulnerabilite, vlnTous);
  EXPECT_EQ(p.Mains, Exemple().Mains);
  EXPECT_EQ(p.Encheres, (std::vector<TEnchere>{E("P"), E("P"), E("1N", 1), E("P"), E("3N"), E("P"), E("P"), E("P")}));
  EXPECT_EQ(p.Notes, (std::vector<std::pair<int, std::string>>{{1, "15-17"}}));
  ASSERT_EQ(p.Levees.size(), 2u);
  EXPECT_EQ(p.Levees[1][jrOuest], C("HQ"));
  EXPECT_EQ(p.LignesLevees, (std::vector<int>{15, 15}));
  EXPECT_EQ(p.Commentaires, (std::vector<std::string>{" le tournoi du jeudi", " une donne\n sur deux lignes "}));
  EXPECT_EQ(parties[1].Evenement, "Club");
  EXPECT_EQ(parties[1].LigneDebut, 17);
  EXPECT_EQ(parties[1].Declarant, jrOuest);
  EXPECT_TRUE(parties[1].Encheres.empty());
}

// Each fault gives a French message that names its line, and nothing is read.
TEST(Pbn, LesFautesNommentLaLigne) {
  const std::string tete = "[Event \"x\"]\n[Dealer \"S\"]\n";                                       // lines 1, 2
  const std::string deal = "[Deal \"S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642\"]\n";  // 3
  const std::string fin = "[Declarer \"S\"]\n[Contract \"3NT\"]\n";                                 // 4, 5
  const struct {
    std::string texte, attendu;
  } cas[] = {
      {tete + fin, "ligne 1 : il manque l'étiquette [Deal]"},
      {tete + "[Deal \"S:AK4.A63.942.AQT QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J642\"]\n" + fin,
       "ligne 3 : [Deal] : la main de Sud a 12 cartes au lieu de 13."},
      {tete + "[Deal \"S:AK4.A63.942.AQT3 QT9.KQJ95.765.97 762.74.AQJT3.K85 J853.T82.K8.J64A\"]\n" + fin,
       "ligne 3 : [Deal] : la carte « As de Trèfle » est donnée deux fois."},
      {tete + deal + "[Declarer \"S\"]\n", "ligne 1 : il manque l'étiquette [Contract]"},
      {tete + deal + fin + "[Auction \"S\"]\n1NT Pass 3NT Pass\nPass\n", "ligne 8 : l'enchère ne finit pas"},
      {tete + deal + fin + "[Auction \"S\"]\n1NT Pass 3NT Pass\nPass *\n", "ligne 8 : l'enchère ne finit pas"},
      {tete + deal + "[Declarer \"S\"]\n[Contract \"4S\"]\n[Auction \"S\"]\n1NT Pass 3NT AP\n",
       "ligne 5 : le contrat 4S par Sud ne correspond pas à l'enchère, qui finit en 3NT par Sud."},
      {tete + deal + "[Declarer \"N\"]\n[Contract \"3NT\"]\n[Auction \"S\"]\n1NT Pass 3NT AP\n",
       "ligne 5 : le contrat 3NT par Nord ne correspond pas"},
      {tete + deal + fin + "[Auction \"S\"]\n1NT Pass\n1S AP\n", "ligne 8 : appel « 1S » interdit : 1S n'est pas plus haut que 1NT."},
      {tete + deal + fin + "[Auction \"S\"]\n1NT Pass X\n", "ligne 7 : appel « X » interdit : contre sans enchère adverse"},
      {tete + deal + fin + "[Auction \"S\"]\n1NT X Pass XX\n", "ligne 7 : appel « XX » interdit : surcontre sans contre adverse"},
      {tete + deal + fin + "[Auction \"S\"]\n1NT 2Z\n", "ligne 7 : appel « 2Z » inconnu"},
      {tete + deal + fin + "[Auction \"S\"]\n3NT AP Pass\n", "ligne 7 : appel « Pass » interdit : l'enchère est déjà finie."},
      {tete + deal + fin + "[Auction \"W\"]\nPass\n", "ligne 6 : l'enchère commence par Ouest mais le donneur est Sud."},
      {tete + deal + fin + "[Play \"W\"]\nHK H4 H2 H3\nHQ H7 S2 H6\n", "ligne 8 : le 2 de Pique n'est pas dans la main d'Est."},
      {tete + deal + fin + "[Play \"W\"]\nHK H4 H2 H3\nHK H7 H8 H6\n", "ligne 8 : la carte « Roi de Cœur » est jouée deux fois."},
      {tete + deal + fin + "[Play \"N\"]\n", "ligne 6 : [Play] doit nommer l'entameur"},
      {tete + deal + fin + "[Result \"14\"]\n", "ligne 6 : résultat « 14 »"},
      {tete + deal + "[Vulnerable \"Some\"]\n" + fin, "ligne 4 : vulnérabilité « Some » inconnue"},
      {tete + "[Deal \"S:AK4\n", "ligne 3 : la valeur de l'étiquette [Deal] n'a pas de guillemet fermant sur sa ligne."},
      {tete + deal + fin + "{ jamais fermé\n\n", "ligne 6 : commentaire ouvert par « { » et jamais fermé."},
      {tete + deal + "3NT\n" + fin, "ligne 4 : « 3NT » inattendu"},
      {"% rien\n\n", "ligne 1 : aucune partie"},
      {"[Event \"#\"]\n", "ligne 1 : la valeur « # » de [Event]"},
  };
  for (const auto& c : cas) EXPECT_THAT(Erreur(c.texte), StartsWith(c.attendu)) << c.texte;
}

// The reader is fed damaged copies of a valid file: bytes changed, removed,
// doubled, cut short, special characters inserted. It must never read out
// of bounds (the sanitizers watch) nor hang, and every answer is either
// games or a message naming a line.
TEST(Pbn, RobusteAuxFichiersAbimes) {
  const std::string modele = EcritPbn({Exemple(), Exemple()});
  std::mt19937 alea(18);
  const std::string speciaux = "[]{}\";%#=*-\\\n \xEF\xBB\xBF" "0123456789ASHDCNTXP";
  int lues = 0, refusees = 0;
  for (int essai = 0; essai < 4000; ++essai) {
    std::string texte = modele;
    const int retouches = 1 + static_cast<int>(alea() % 6);
    for (int r = 0; r < retouches && !texte.empty(); ++r) {
      const std::size_t pos = alea() % texte.size();
      switch (alea() % 5) {
        case 0: texte[pos] = speciaux[alea() % speciaux.size()]; break;
        case 1: texte.erase(pos, 1 + alea() % 8); break;
        case 2: texte.insert(pos, 1, speciaux[alea() % speciaux.size()]); break;
        case 3: texte.resize(pos); break;
        default: texte.insert(pos, texte.substr(pos, alea() % 40)); break;
      }
    }
    std::string erreur;
    const auto parties = LitPbn(texte, erreur);
    if (parties) {
      ++lues;
      EXPECT_FALSE(parties->empty());
      for (const TPartiePbn& p : *parties) EXPECT_LE(p.Levees.size(), 13u);
    } else {
      ++refusees;
      EXPECT_THAT(erreur, StartsWith("ligne ")) << texte;
    }
  }
  // Both outcomes occur: the damage is neither always harmless nor always fatal.
  EXPECT_GT(lues, 100);
  EXPECT_GT(refusees, 100);
}

}  // namespace
}  // namespace kalvo
