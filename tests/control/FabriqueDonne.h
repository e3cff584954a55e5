// Small deals for the tests: four hands, a contract, a script written in a
// compact form, comments and questions, written into a database of a
// temporary data folder that the controller reads like the real one.
//
//   TFabriqueDonne f("S:AK4.A63.942.AQT3 O:QT9.KQJ95.765.97 N:762.74.AQJT3.K85 E:J853.T82.K8.J642", "3SA");
//   f.Levee(1, jrOuest, 2, "O:HK E:H2 N:H4,H7 S:H3,H6,HA=1");
//
// A card of the script is "HK" (suit letter C D H S, rank 2..9 T J Q K A),
// "H*" any heart, "**" any card, "H+" rank 16, "H>" code 32, "H<" code 64,
// or raw bytes "48/1" (rank/suit); "=N" after a declarer-side card gives
// its comment number.
#pragma once

#include <gtest/gtest.h>

#include "model/BaseDonnes.h"
#include "model/Brouillage.h"
#include "model/Commentaires.h"
#include "model/Donne.h"
#include "model/NotationMains.h"
#include "model/Questions.h"

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <vector>

namespace kalvo::test {

inline TCard CarteScript(std::string_view mot) {
  if (mot == "**") return {RangQuelconque, CouleurQuelconque};
  if (const auto barre = mot.find('/'); barre != std::string_view::npos) {
    return {static_cast<std::uint8_t>(std::stoi(std::string(mot.substr(0, barre)))),
            static_cast<std::uint8_t>(std::stoi(std::string(mot.substr(barre + 1))))};
  }
  if (mot.size() == 2 && std::string_view("*+><").find(mot[1]) != std::string_view::npos) {
    const auto c = std::string_view("CDHS").find(mot[0]);
    EXPECT_NE(c, std::string_view::npos) << mot;
    const std::uint8_t rang = mot[1] == '*' ? RangQuelconque
                              : mot[1] == '+' ? RangPlusHaute
                              : mot[1] == '>' ? RangBatCampDeclarant
                                              : RangBasDeSequence;
    return {rang, static_cast<std::uint8_t>(c)};
  }
  TCard carte;
  EXPECT_TRUE(LitCodeCarte(mot, carte)) << mot;
  return carte;
}

inline TJoueur SiegeTest(char lettre) {
  switch (lettre) {
    case 'S': return jrSud;
    case 'O': case 'W': return jrOuest;
    case 'N': return jrNord;
    default: return jrEst;
  }
}

inline std::vector<std::string> Decoupe(std::string_view texte, char separateur) {
  std::vector<std::string> morceaux;
  std::string morceau;
  std::istringstream flux{std::string(texte)};
  while (std::getline(flux, morceau, separateur))
    if (!morceau.empty()) morceaux.push_back(morceau);
  return morceaux;
}

class TFabriqueDonne {
 public:
  // mains: "S:pique.coeur.carreau.trefle O:... N:... E:..."; contrat "3SA", "4P", "2C" (T K C P SA).
  explicit TFabriqueDonne(std::string_view mains, std::string_view contrat = "3SA") {
    for (const std::string& main : Decoupe(mains, ' ')) {
      const TJoueur j = SiegeTest(main[0]);
      std::string erreur;
      const std::optional<TRangsMain> rangs = LitMain(std::string_view(main).substr(2), j, erreur);
      const std::vector<TCard> cartes = rangs ? CartesDeMain(*rangs) : std::vector<TCard>{};
      EXPECT_EQ(cartes.size(), 13u) << main << " " << erreur;
      for (int position = 1; position <= 13 && position <= static_cast<int>(cartes.size()); ++position)
        donne_.SetCarteMain(j, position, cartes[static_cast<std::size_t>(position - 1)]);
    }
    const int niveau = contrat[0] - '0';
    const std::string_view force = contrat.substr(1);
    const std::uint8_t atout = force == "T" ? clTrefle : force == "K" ? clCarreau : force == "C" ? clCoeur
                               : force == "P" ? clPique : clSA;
    donne_.SetNiveauContrat(static_cast<std::uint8_t>(niveau));
    donne_.SetAtout(atout);
    donne_.SetDonneur(jrSud);
    donne_.SetForce(1);
    donne_.SetTheme(0);
    donne_.SetEnchere(1, jrSud, TEnchere{static_cast<std::uint8_t>(niveau), atout, 0});
    donne_.SetEnchere(1, jrOuest, TEnchere{NiveauFinEncheres, 0, 0});
    JeuCompletParDefaut();
  }

  TDonne& Donne() { return donne_; }
  TQuestionsDonne& Questions() { return questions_; }
  TChaineModifiable Chaine(int c) { return donne_.Chaine(c); }

  // A trick chain and the cards of each seat: "O:HK E:H2 N:H4,H7 S:H3,H6,HA=1".
  TFabriqueDonne& Levee(int c, TJoueur entameur, int suivante, std::string_view cartes, int equivalente = 0) {
    const TChaineModifiable chaine = donne_.Chaine(c);
    chaine.SetTypeChaine(tcLevee);
    chaine.SetEntameur(entameur);
    chaine.SetChaineSuivante(suivante);
    chaine.SetChaineEquivalente(equivalente);
    for (const std::string& groupe : Decoupe(cartes, ' ')) {
      const TJoueur j = SiegeTest(groupe[0]);
      const int place = chaine.Place(j);
      int rang = 0;
      for (std::string mot : Decoupe(std::string_view(groupe).substr(2), ',')) {
        int code = 0;
        if (const auto egal = mot.find('='); egal != std::string::npos) {
          code = std::stoi(mot.substr(egal + 1));
          mot.erase(egal);
        }
        const TCard carte = CarteScript(mot);
        ++rang;
        if (EstDefenseur(j)) chaine.SetDefense(place, rang, TCarteDefense{0, 0, {}, {}, carte});
        else chaine.SetDeclarant(place, rang, TCarteDeclarant{carte, static_cast<std::uint16_t>(code)});
      }
    }
    return *this;
  }

  TFabriqueDonne& Revendication(int c, int commentaire, int ns, int eo) {
    const TChaineModifiable chaine = donne_.Chaine(c);
    chaine.SetTypeChaine(tcRevendication);
    chaine.SetCodeRevendication(static_cast<std::uint16_t>(commentaire));
    chaine.SetLeveesNS(ns);
    chaine.SetLeveesEO(eo);
    return *this;
  }

  // A two-way node (types 3, 4, 5, 9).
  TFabriqueDonne& Noeud(int c, int type, int a, int b) {
    const TChaineModifiable chaine = donne_.Chaine(c);
    chaine.SetTypeChaine(static_cast<std::uint8_t>(type));
    chaine.SetChaineA(a);
    chaine.SetChaineB(b);
    return *this;
  }

  TFabriqueDonne& Commentaire(int n, int penalite, std::string texte) {
    commentaires_[n] = std::move(texte);
    donne_.SetPenalite(n, penalite);
    return *this;
  }

  TFabriqueDonne& Question(int q, const TQuestion& question) {
    questions_.SetQuestion(q, question);
    questions_.SetNbQuestions(static_cast<std::uint16_t>(std::max<int>(questions_.NbQuestions(), q)));
    return *this;
  }

  // The complete play: the given tricks in playing order from each leader.
  TFabriqueDonne& JeuComplet(const std::vector<std::string>& levees) {
    for (std::size_t t = 0; t < levees.size(); ++t) {
      const std::vector<std::string> cartes = Decoupe(levees[t], ' ');
      for (std::size_t i = 0; i < 4 && i < cartes.size(); ++i)
        donne_.SetJeuComplet(static_cast<int>(t) + 1, static_cast<int>(i) + 1, CarteScript(cartes[i]));
    }
    return *this;
  }

  // The deal as it is written into the database.
  TDonne Termine() {
    std::vector<std::pair<int, std::string>> lignes(commentaires_.begin(), commentaires_.end());
    donne_.SetCommentaires(BrouilleTexte(ComposeCommentaires(lignes)));
    return donne_;
  }

 private:
  // A legal complete play: everyone plays its lowest card of the suit led,
  // else its lowest card; West leads its lowest card.
  void JeuCompletParDefaut() {
    T4Jeux mains = donne_.Mains();
    std::array<std::vector<TCard>, 4> restes;
    for (TJoueur j : TousLesJoueurs)
      for (int i = 1; i <= 13; ++i) restes[j].push_back(mains(j, i));
    auto basse = [](const std::vector<TCard>& cartes, int couleur) {
      std::optional<TCard> choix;
      for (TCard c : cartes)
        if ((couleur < 0 || c.c == couleur) && (!choix || c.h < choix->h)) choix = c;
      return choix;
    };
    TJoueur entameur = jrOuest;
    const TCouleur atout = donne_.Atout();
    for (int t = 1; t <= 12; ++t) {
      std::array<TCard, 4> levee;
      TJoueur j = entameur;
      for (int i = 0; i < 4; ++i, j = JoueurSuivant(j)) {
        std::optional<TCard> carte = i == 0 ? basse(restes[j], -1) : basse(restes[j], levee[0].c);
        if (!carte) carte = basse(restes[j], -1);
        levee[static_cast<std::size_t>(i)] = *carte;
        restes[j].erase(std::find(restes[j].begin(), restes[j].end(), *carte));
        donne_.SetJeuComplet(t, i + 1, *carte);
      }
      std::size_t meilleure = 0;
      for (std::size_t i = 1; i < 4; ++i) {
        const TCard a = levee[meilleure], b = levee[i];
        const bool coupe = atout != clSA && b.c == atout && a.c != atout;
        if ((b.c == a.c && b.h > a.h) || coupe) meilleure = i;
      }
      entameur = static_cast<TJoueur>((entameur + meilleure) % 4);
    }
  }

  TDonne donne_;
  TQuestionsDonne questions_;
  std::map<int, std::string> commentaires_;
};

// A data folder of its own with a database of the given deals (the
// questions file holds their question records, deal n at record n).
class TBaseDeTest {
 public:
  TBaseDeTest() {
    static std::atomic<int> compteur{0};
    dossier_ = std::filesystem::temp_directory_path() /
               ("kalvo-test-" + std::to_string(::getpid()) + "-" + std::to_string(compteur++));
    std::filesystem::remove_all(dossier_);
    std::filesystem::create_directories(dossier_);
  }
  ~TBaseDeTest() {
    std::error_code erreur;
    std::filesystem::remove_all(dossier_, erreur);
  }
  TBaseDeTest(const TBaseDeTest&) = delete;
  TBaseDeTest& operator=(const TBaseDeTest&) = delete;

  const std::filesystem::path& Dossier() const { return dossier_; }
  TEmplacementBase Emplacement() const { return TEmplacementBase{dossier_}; }
  std::filesystem::path Reglages() const { return dossier_ / "kalvo.INI"; }

  void Ecrit(const std::vector<TDonne>& donnes, const std::vector<TQuestionsDonne>& questions = {}) {
    std::ofstream base(dossier_ / NomFichierDonnes, std::ios::binary | std::ios::trunc);
    for (const TDonne& d : donnes)
      base.write(reinterpret_cast<const char*>(d.Octets().data()), static_cast<std::streamsize>(d.Octets().size()));
    std::ofstream ask(dossier_ / NomFichierQuestions, std::ios::binary | std::ios::trunc);
    for (std::size_t i = 0; i < donnes.size(); ++i) {
      const TQuestionsDonne q = i < questions.size() ? questions[i] : TQuestionsDonne{};
      ask.write(reinterpret_cast<const char*>(q.Octets().data()), static_cast<std::streamsize>(q.Octets().size()));
    }
  }
  void Ecrit(TFabriqueDonne& fabrique) { Ecrit({fabrique.Termine()}, {fabrique.Questions()}); }

 private:
  std::filesystem::path dossier_;
};

}  // namespace kalvo::test
