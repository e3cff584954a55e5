// What the user does on the table, as the screen reports it: clicks, keys,
// the buttons, and the choices made in the windows the screen opens by
// itself. The controller implements it. The screen reports and never reads
// anything back: what follows comes to it through TEcranJeu.
#pragma once

#include "model/BridgeTypes.h"
#include "model/Reglages.h"

#include <cstdint>

namespace kalvo {

enum class TToucheJeu : std::uint8_t { Autre, CtrlAltF9 };

class TEntreesJeu {
 public:
  virtual ~TEntreesJeu() = default;

  // The window's first activation; false when the program must end at once
  // (the messages have been shown).
  virtual bool Active() = 0;
  // The window closes; false (the error shown) when the settings could not
  // be written.
  virtual bool Ferme() = 0;
  // Window message 1549, which the screen posted for PosteFinDonne.
  virtual void MessageFinDonne(int action) = 0;

  virtual void FormMouseDown() = 0;   // the felt or the bottom frame
  virtual void CarteMouseDown() = 0;  // a played card
  virtual void FormKeyDown(TToucheJeu touche) = 0;
  // A click on a hand: the seat, the value (IndexCarte, 1..52) of the card
  // under the pointer or 0, and whether the right button was pressed.
  virtual void JeuMouseDown(TJoueur joueur, int valeurCarte, bool boutonDroit) = 0;

  virtual void BNextClick() = 0;        // "Jeu de la carte"
  virtual void Jouer2Click() = 0;       // "Démarrer"
  virtual void Precedente1Click() = 0;
  virtual void Suivante1Click() = 0;
  virtual void NumDonne1Click() = 0;    // "# donne"
  virtual void ChoixDonneClick() = 0;   // "Choisir une donne"
  // The progress window asked to work on this theme: the deal filter
  // becomes "à revoir" on it.
  virtual void RevoirTheme(int theme) = 0;
  virtual void RevoirLeveeClick() = 0;  // "Dernière levée"
  virtual void BPointClick() = 0;       // "Le point"
  virtual void BRevoirBidsClick() = 0;  // "Enchères"
  virtual void BJeuAutoClick() = 0;     // "Jouer pour moi"
  virtual void BScoresClick() = 0;      // "Scores"
  // The settings dialog has been closed with these settings.
  virtual void ReglagesChoisis(const TReglages& reglages) = 0;
};

}  // namespace kalvo
