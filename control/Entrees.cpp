// The input handlers of the table: clicks on the felt, the played cards and
// the hands, keys, and the buttons of the play.
#include "control/Controleur.h"

namespace kalvo {

void TControleur::FormMouseDown() {
  Execute(TDifferable::Non, [this] {
    if (etat_.FeutreFinEncheres) {
      etat_.FeutreFinEncheres = false;
      MontreBouton(bjNext, false);
      if (etat_.InEncheres) {
        etat_.FinEncheres = true;
        etat_.InEncheres = false;
      }
      Avance();
      return;
    }
    if (etat_.LeveeComplete || etat_.FinEncheres) Avance();
  });
}

void TControleur::EndBidsMouseDown() { FormMouseDown(); }

void TControleur::CarteMouseDown() {
  Execute(TDifferable::Non, [this] {
    if (etat_.LeveeComplete) Avance();
  });
}

void TControleur::FormKeyDown(TToucheJeu touche) {
  if (touche == TToucheJeu::CtrlAltF9) {
    Execute(TDifferable::Oui, [this] {
      if (actif_ && donneLue_) {
        ecran_.PrepareExportPbn(PbnDonneJouee());
        MontreFinDonne();
      }
    });
    return;
  }
  Execute(TDifferable::Non, [this] {
    if (etat_.LeveeComplete || etat_.FinEncheres) Avance();
  });
}

void TControleur::BNextClick() {
  Execute(TDifferable::Non, [this] {
    if (!etat_.Boutons[bjNext]) return;
    MontreBouton(bjNext, false);
    etat_.FinEncheres = true;
    etat_.InEncheres = false;
    Avance();
  });
}

void TControleur::RevoirLeveeClick() {
  Execute(TDifferable::Non, [this] {
    if (etat_.Levee <= 1 || !etat_.InJeu) return;
    etat_.LastLeveeVisible = true;
    ecran_.MontreDerniereLevee(etat_.LastLevee);
  });
}

void TControleur::BPointClick() {
  Execute(TDifferable::Non, [this] {
    if (donneLue_) ecran_.MontrePoint();
  });
}

void TControleur::BRevoirBidsClick() {
  Execute(TDifferable::Non, [this] {
    if (donneLue_) ecran_.MontreRevueEncheres(!etat_.InJeu);
  });
}

void TControleur::JeuMouseDown(TJoueur joueur, int valeurCarte, bool boutonDroit) {
  Execute(TDifferable::Non, [this, joueur, valeurCarte, boutonDroit] {
    TEtatControleur& e = etat_;
    if (e.InEncheres || e.ErreurDetectee) return;
    if (boutonDroit || e.LeveeComplete || e.FinEncheres) {
      Avance();
      if (!e.PeutJouerDirectement) return;
      e.PeutJouerDirectement = false;
    }
    if (e.BoutonGaucheDown || !e.InJeu || e.JeuAutomatique) return;
    if (e.Boutons[bjJeuAuto]) MontreJeuAuto(false);
    if (joueur != e.JoueurActuel || !EstDeclarant(joueur) || !EstIndexCarteValide(valeurCarte)) return;
    const TCard carte = CarteDeIndex(valeurCarte);
    const int indice = suivi_.s_ChercheIndiceCarte(joueur, carte);
    if (indice == 0 || suivi_.s_isCarteJouee(joueur, indice)) return;
    e.BoutonGaucheDown = true;
    if (joueur != e.Entameur) {
      const T4Couleur entame = e.OnTable[e.Entameur].Couleur();
      if (suivi_.s_GetCompteCouleur(joueur, entame) > 0 && carte.c != entame) {
        e.BoutonGaucheDown = false;
        return;
      }
    }
    if (VerifieCarte(carte)) TermineLevee();
  });
}

}  // namespace kalvo
