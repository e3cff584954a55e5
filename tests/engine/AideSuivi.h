// Builds engine positions for the tests: whole deals in PBN-like hands, or
// end positions given by the cards still held (the rest counted as played).
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/Levee.h"
#include "engine/SuiviMains.h"
#include "model/BridgeTypes.h"
#include "model/NotationMains.h"

namespace kalvo::test {

inline TCard C(std::string_view code) {
  TCard carte;
  EXPECT_TRUE(LitCodeCarte(code, carte)) << code;
  return carte;
}

// "AKQ2.KJ3.A2.K432": spades, hearts, diamonds, clubs, in the order written.
inline std::vector<TCard> CartesMain(std::string_view main) {
  std::string erreur;
  const std::optional<TRangsMain> rangs = LitMain(main, jrSud, erreur);
  EXPECT_TRUE(rangs) << main << " : " << erreur;
  return rangs ? CartesDeMain(*rangs) : std::vector<TCard>{};
}

// Four whole hands South, West, North, East, in the engine's order.
inline T4Jeux Jeux(const std::array<std::string_view, 4>& mains) {
  std::string texte = "S:";
  for (std::string_view main : mains) texte.append(main).append(" ");
  std::string erreur;
  const std::optional<T4Jeux> jeux = LitJeuxPbn(texte, erreur);
  EXPECT_TRUE(jeux) << texte << " : " << erreur;
  return jeux.value_or(T4Jeux{});
}

inline void Joue(TSuiviMains& suivi, TJoueur j, TCard carte) {
  const int i = suivi.s_ChercheIndiceCarte(j, carte);
  ASSERT_NE(i, 0) << CodeCarte(carte);
  ASSERT_FALSE(suivi.s_isCarteJouee(j, i)) << CodeCarte(carte);
  SignaleCarteJouee(suivi, j, i);
}
inline void Joue(TSuiviMains& suivi, TJoueur j, std::string_view code) { Joue(suivi, j, C(code)); }

inline void FinDeLevee(TSuiviMains& suivi, int levee) { SignaleFinDeLevee(suivi, levee, levee - 1); }

// Plays one trick from the leader (cards in playing order) and runs the trick end.
inline void JoueLevee(TSuiviMains& suivi, int levee, TJoueur entameur, const std::array<std::string_view, 4>& cartes) {
  TJoueur j = entameur;
  for (std::string_view c : cartes) {
    Joue(suivi, j, c);
    j = JoueurSuivant(j);
  }
  FinDeLevee(suivi, levee);
}

// An engine at the end of trick 13 - n where each hand still holds the
// given n cards (South, West, North, East). The other cards are dealt to
// fill the hands and reported as played.
inline TSuiviMains PositionCartes(const std::array<std::vector<TCard>, 4>& mains, TCouleur atout = clSA) {
  std::array<bool, 53> tenues{};
  for (TJoueur j : TousLesJoueurs) {
    for (TCard c : mains[j]) {
      EXPECT_FALSE(tenues[static_cast<std::size_t>(IndexCarte(c))]) << CodeCarte(c) << " twice";
      tenues[static_cast<std::size_t>(IndexCarte(c))] = true;
    }
  }
  const std::size_t n = mains[jrSud].size();
  std::array<std::vector<TCard>, 4> jouees;
  int index = 1;
  for (TJoueur j : TousLesJoueurs) {
    EXPECT_EQ(mains[j].size(), n) << "hands of unequal length";
    while (mains[j].size() + jouees[j].size() < 13) {
      while (tenues[static_cast<std::size_t>(index)]) ++index;
      jouees[j].push_back(CarteDeIndex(index++));
    }
  }
  T4Jeux jeux;
  for (TJoueur j : TousLesJoueurs) {
    std::vector<TCard> toutes = mains[j];
    toutes.insert(toutes.end(), jouees[j].begin(), jouees[j].end());
    RangeCommeLeMoteur(toutes);
    for (int i = 1; i <= 13; ++i) jeux(j, i) = toutes[static_cast<std::size_t>(i - 1)];
  }
  TSuiviMains suivi;
  suivi.s_Initialise(jeux, 1, atout);
  for (TJoueur j : TousLesJoueurs) {
    for (TCard c : jouees[j]) Joue(suivi, j, c);
  }
  const int levee = 13 - static_cast<int>(n);
  if (levee >= 1) FinDeLevee(suivi, levee);
  return suivi;
}

inline TSuiviMains Position(const std::array<std::string_view, 4>& restantes, TCouleur atout = clSA) {
  std::array<std::vector<TCard>, 4> mains;
  for (TJoueur j : TousLesJoueurs) mains[j] = CartesMain(restantes[j]);
  return PositionCartes(mains, atout);
}

inline const TSuiviCarte& Suivi(const TSuiviMains& suivi, TJoueur j, std::string_view code) {
  const int i = suivi.s_ChercheIndiceCarte(j, C(code));
  EXPECT_NE(i, 0) << code;
  return suivi.Suivi(j, i == 0 ? 1 : i);
}

}  // namespace kalvo::test

#include <functional>
#include <random>

namespace kalvo::test {

inline T4Jeux JeuxAuHasard(std::mt19937& alea) {
  std::array<int, 52> paquet{};
  for (int i = 0; i < 52; ++i) paquet[static_cast<std::size_t>(i)] = i + 1;
  for (int i = 51; i > 0; --i) std::swap(paquet[static_cast<std::size_t>(i)], paquet[alea() % static_cast<unsigned>(i + 1)]);
  T4Jeux jeux;
  for (TJoueur j : TousLesJoueurs) {
    std::vector<TCard> cartes;
    for (int k = 0; k < 13; ++k) cartes.push_back(CarteDeIndex(paquet[static_cast<std::size_t>(j * 13 + k)]));
    RangeCommeLeMoteur(cartes);
    for (int i = 1; i <= 13; ++i) jeux(j, i) = cartes[static_cast<std::size_t>(i - 1)];
  }
  return jeux;
}

// Plays nb tricks from trick premiere with random legal cards; calls
// apres(levee) after each trick end. Returns the next leader.
inline TJoueur JoueAuHasard(TSuiviMains& suivi, TJoueur entameur, int premiere, int nb, std::mt19937& alea,
                            const std::function<void(int)>& apres = {}) {
  for (int levee = premiere; levee < premiere + nb; ++levee) {
    TCartesJouees table{};
    TJoueur j = entameur;
    for (int k = 0; k < 4; ++k) {
      std::vector<int> permises;
      for (int i = 1; i <= 13; ++i) {
        if (suivi.s_isCarteJouee(j, i)) continue;
        const bool fournit = k == 0 || suivi.Carte(j, i).c == table[entameur].c ||
                             suivi.s_GetCompteCouleur(j, table[entameur].Couleur()) == 0;
        if (fournit) permises.push_back(i);
      }
      const int i = permises[alea() % permises.size()];
      table[j] = suivi.Carte(j, i);
      SignaleCarteJouee(suivi, j, i);
      j = JoueurSuivant(j);
    }
    FinDeLevee(suivi, levee);
    entameur = GagnantLevee(table, entameur, suivi.CouleurAtout());
    if (apres) apres(levee);
  }
  return entameur;
}

}  // namespace kalvo::test

namespace kalvo::test {

// The first card the hand still holds.
inline TCard Restante(const TSuiviMains& suivi, TJoueur j) {
  const int i = suivi.s_FindIndiceLastCarteNonPrise(j);
  return i <= 13 ? suivi.Carte(j, i) : TCard{};
}

}  // namespace kalvo::test
