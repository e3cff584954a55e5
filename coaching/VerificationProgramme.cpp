#include "coaching/VerificationProgramme.h"

#include "coaching/MessagesIntegres.h"
#include "engine/Situation.h"

#include <optional>

namespace kalvo {

namespace {

int NbExceptions(const TChaineAuto& noeud, TJoueur main) { return main == jrSud ? noeud.NbSud() : noeud.NbNord(); }

TCarteAuto Exception(const TChaineAuto& noeud, TJoueur main, int i) {
  return main == jrSud ? noeud.ListeSud(i) : noeud.ListeNord(i);
}

// The code of the first (or, with `derniere`, the last) exception of the
// hand that names the card, among those of the kind asked (discard or not).
std::optional<int> CodeException(const TChaineAuto& noeud, TJoueur main, TCard carte, bool defausse, bool derniere) {
  std::optional<int> code;
  for (int i = 1; i <= NbExceptions(noeud, main); ++i) {
    const TCarteAuto e = Exception(noeud, main, i);
    if (e.Carte != carte || (e.Defausse != 0) != defausse) continue;
    code = e.Code;
    if (!derniere) break;
  }
  return code;
}

int CodeRefus(int code, bool EnAutomatique, const std::optional<TChaineAuto>& noeud) {
  if (code == MsgChute && EnAutomatique && noeud->CodeDefaut() != 0) code = noeud->CodeDefaut();
  return code == 0 ? MsgEtourderie : code;
}

int Entame(const TSuiviMains& suivi, TJoueur main, const std::optional<TChaineAuto>& noeud, TCard carte) {
  const TSituation situation = suivi.s_ExamineSituation(main);
  for (const TSituationCarte& entree : situation.entrees) {
    if (entree.indice == 0 || entree.c != carte) continue;
    bool jouable = entree.jouable;
    int msg = entree.msg;
    if (noeud) {
      const TParCouleurAuto parCouleur = noeud->ParCouleur(carte.Couleur());
      if (parCouleur.Permis == 0) {
        jouable = false;
        msg = parCouleur.Code;
      } else if (const auto code = CodeException(*noeud, main, carte, false, false)) {
        jouable = false;
        msg = *code;
      }
    }
    return jouable ? 0 : CodeRefus(msg, noeud.has_value(), noeud);
  }
  return MsgEtourderie;
}

int FournitCouleur(const TSuiviMains& suivi, TJoueur main, const std::optional<TChaineAuto>& noeud,
                   const TEntameProgramme& entame, TCard carte) {
  int code = 0;
  if (noeud) code = CodeException(*noeud, main, carte, false, true).value_or(0);
  if (code != 0) return code;
  const T4Couleur s = carte.Couleur();
  if (suivi.is_Maitresse(main, carte)) {
    if (!entame.isJ1Maitresse) return 0;
    const TJoueur partenaire = Partenaire(main);
    const int m = suivi.s_GetMaitresses(main, s), n = suivi.s_GetCompteCouleur(main, s);
    const int mp = suivi.s_GetMaitresses(partenaire, s), np = suivi.s_GetCompteCouleur(partenaire, s);
    if (m != n) return suivi.s_GetNombreDeCartesSuperieures(partenaire, main, s) < n ? MsgGaspillage : 0;
    return (mp + 1 < n && np == 0 && carte.h < entame.Carte1.h) ? MsgChute : 0;
  }
  if (entame.isJ1Maitresse) return 0;
  return (noeud && noeud->CodeDefaut() != 0) ? noeud->CodeDefaut() : MsgChute;
}

int Defausse(const TSuiviMains& suivi, TJoueur main, const std::optional<TChaineAuto>& noeud,
             const TEntameProgramme& entame, TCard carte) {
  if (noeud) {
    if (const auto code = CodeException(*noeud, main, carte, true, false)) return *code;
  }
  const TSituationCarte jugement = suivi.s_ExamineDefausseJoueur3(main, entame.Carte1, carte);
  if (jugement.jouable) return 0;
  return jugement.msg == 0 ? MsgEtourderie : jugement.msg;
}

}  // namespace

TVerificationProgramme VerifieCarteProgramme(const TDonne& donne, const TSuiviMains& suivi,
                                             const TCoupUtilisateur& coup, int chaineActuelle, bool EnAutomatique,
                                             const TEntameProgramme& entame, TCard carte) {
  if (EstDefenseur(coup.Entameur)) return {0, entame};
  std::optional<TChaineAuto> noeud;
  if (EnAutomatique) noeud = donne.Chaine(chaineActuelle).Auto();
  const TJoueur main = coup.JoueurActuel;
  if (coup.Entame()) return {Entame(suivi, main, noeud, carte), {carte, suivi.is_Maitresse(main, carte)}};
  if (!entame.Carte1.EstReelle()) return {0, entame};
  if (carte.c == entame.Carte1.c) return {FournitCouleur(suivi, main, noeud, entame, carte), entame};
  return {Defausse(suivi, main, noeud, entame, carte), entame};
}

}  // namespace kalvo
