// The keyboard focus over the playable cards of the hand to play: which key
// moves it where. Left and Right step through the cards as they lie in the
// hand; a suit letter (P Pique, C Cœur, K Carreau, T Trèfle) goes to that
// suit, and again to its next card; a rank (A R D V, 9..2) goes to a card of
// that rank, in the focused suit first. The ten is typed "X" or "1": the
// "0" that may follow the "1" is ignored, so "10" also reads as the ten.
#pragma once

#include <QString>

#include <cstdint>
#include <vector>

namespace kalvo {

struct TToucheFocus {
  enum class TGenre : std::uint8_t { Aucune, Gauche, Droite, Couleur, Rang, Ignoree };
  TGenre Genre = TGenre::Aucune;
  int Valeur = 0;  // the suit (0 clubs..3 spades) or the rank (2..14)
};

// The key as the focus reads it; Aucune for a key that is no focus key.
TToucheFocus LitToucheFocus(int touche, const QString& texte);

// The card (IndexCarte value) the focus goes to from `actuelle` (0: none
// yet) over `jouables`, in the hand's order; 0 when there is none. A key
// that names no playable card leaves the focus where it is.
int DeplaceFocus(const std::vector<int>& jouables, int actuelle, TToucheFocus touche);

}  // namespace kalvo
