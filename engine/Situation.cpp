// Rating of South's or North's remaining cards when the deal is down to
// cashing winners: stranded masters, blocked suits, imminent blockages.
#include "engine/Situation.h"

#include "engine/SuiviMains.h"

namespace kalvo {

namespace {

// Everything the rule sets read about the examined hand J and its partner P.
struct TContexte {
  const TSuiviMains& suivi;
  TJoueur J;
  TJoueur P;
  int K;
  bool F;  // every remaining card of P is master or established

  int MaitressesP(T4Couleur s) const { return suivi.SuiviCouleur(P, s).maitresses; }
  bool PMaitresses(T4Couleur s) const { return MaitressesP(s) != 0; }
  int NombreJ(T4Couleur s) const { return suivi.SuiviCouleur(J, s).nombre; }
  int NombreP(T4Couleur s) const { return suivi.SuiviCouleur(P, s).nombre; }
  int EntreesJ(T4Couleur s) const { return suivi.Communications(J, s); }
  int EntreesP(T4Couleur s) const { return suivi.Communications(P, s); }
  // Masters and established cards of a hand in the three suits other than s.
  int MaitressesAffranchiesSauf(TJoueur j, T4Couleur s) const {
    int total = 0;
    for (T4Couleur autre : ToutesLesCouleurs) {
      if (autre == s) continue;
      const TSuiviCouleur& c = suivi.SuiviCouleur(j, autre);
      total += c.maitresses + c.affranchies;
    }
    return total;
  }
  const TSuiviCarte& X(const TSituationCarte& e) const { return suivi.Suivi(J, e.indice); }
};

void Refuse(TSituationCarte& e, int msg) {
  e.jouable = false;
  e.msg = msg;
}
void Refuse(TSituationCarte& e, int msg, TCause cause) {
  Refuse(e, msg);
  e.cause = cause;
}
void Accepte(TSituationCarte& e, TCause cause) {
  e.jouable = true;
  e.cause = cause;
}

int DerniereCouleur(const TArrayCouleur& couleurs) {
  for (int s = clPique; s >= clTrefle; --s) {
    if (couleurs[static_cast<std::size_t>(s)]) return s;
  }
  return clTrefle;
}

// 92 + suit names one master card, 84 + suit several.
int LongueurSimple(const TSuiviMains& suivi, T4Couleur s) {
  return suivi.SuiviLigne(liNS, s).maxlongueur == 1 ? MsgEncaisserMaitre : MsgEncaisserMaitres;
}

template <typename Regle>
void PourChaqueCarte(TSituation& situation, int K, Regle regle) {
  for (int i = 1; i <= K; ++i) regle(situation(i));
}

void ToutesGagnantes(const TContexte& ctx, TSituation& situation) {
  PourChaqueCarte(situation, ctx.K, [&](TSituationCarte& e) {
    const TSuiviCarte& x = ctx.X(e);
    const T4Couleur s = x.coul;
    if (x.maitresse) {
      if (x.communicante && !x.isolee && ctx.suivi.s_GetRangMini(ctx.P, s) < x.rang && !ctx.F &&
          !ctx.PMaitresses(s)) {
        Refuse(e, MsgEtourderie);
      }
    } else if (!(ctx.PMaitresses(s) && (ctx.F || ctx.suivi.TotalCommunications(ctx.J) != 0))) {
      Refuse(e, MsgEtourderie);
    }
  });
}

void MaitressesIsolees(const TContexte& ctx, const TArrayCouleur& couls, TSituation& situation) {
  const int iso = DerniereCouleur(couls);
  PourChaqueCarte(situation, ctx.K, [&](TSituationCarte& e) {
    const TSuiviCarte& x = ctx.X(e);
    if (couls[x.coul]) {
      if (x.maitresse) {
        Accepte(e, csIsolee);
      } else {
        Refuse(e, MsgEncaisserLevees, csIsolee);
      }
      return;
    }
    const int m = ctx.MaitressesP(x.coul);
    if (m == 0) {
      Refuse(e, MsgEncaisserLevees);
    } else if (m == 1) {
      Refuse(e, MsgEncaisserMaitre + iso, csIsolee);
    } else {
      Refuse(e, MsgEncaisserMaitres + iso, csIsolee);
    }
  });
}

void BloqueeEnMain(const TContexte& ctx, const TArrayCouleur& couls, TSituation& situation) {
  const int derniere = DerniereCouleur(couls);
  PourChaqueCarte(situation, ctx.K, [&](TSituationCarte& e) {
    const TSuiviCarte& x = ctx.X(e);
    const T4Couleur s = x.coul;
    if (couls[s]) {
      if (x.maitresse && x.superieure) {
        Accepte(e, csBloquee);
      } else if (!x.maitresse) {
        if (ctx.PMaitresses(s)) {
          Accepte(e, csNormale);
        } else {
          Refuse(e, 0, csNormale);
        }
      } else if (!ctx.suivi.s_isAllMaitressesInCouleur(ctx.J, s)) {
        Refuse(e, MsgGaspillage);
      }
    } else if (x.maitresse && x.superieure) {
      if (ctx.K - 1 > ctx.MaitressesAffranchiesSauf(ctx.P, s)) Refuse(e, MsgCouleurBloquee + derniere, csBloquee);
    } else if (ctx.PMaitresses(s)) {
      Accepte(e, csNormale);
    } else {
      Refuse(e, MsgEncaisserLevees, csNormale);
    }
  });
}

void BloqueeChezPartenaire(const TContexte& ctx, const TArrayCouleur& couls, TSituation& situation) {
  const int derniere = DerniereCouleur(couls);
  PourChaqueCarte(situation, ctx.K, [&](TSituationCarte& e) {
    const TSuiviCarte& x = ctx.X(e);
    const T4Couleur s = x.coul;
    if (couls[s]) {
      if (x.maitresse && x.superieure) {
        Accepte(e, csBloquee);
      } else {
        Refuse(e, MsgCouleurBloquee + s, csBloquee);
      }
    } else if (ctx.EntreesP(s) == 1) {
      if (x.maitresse && ctx.NombreJ(s) > 1) {
        Accepte(e, csBloquee);
      } else if (ctx.K - 1 > ctx.MaitressesAffranchiesSauf(ctx.J, s)) {
        Refuse(e, MsgCouleurBloquee + derniere, csBloquee);
      } else if (ctx.PMaitresses(s)) {
        Accepte(e, csNormale);
      } else {
        Refuse(e, MsgCouleurBloquee + derniere, csBloquee);
      }
    } else if (x.maitresse || ctx.PMaitresses(s)) {
      Accepte(e, csNormale);
    } else {
      Refuse(e, MsgEncaisserLevees, csNormale);
    }
  });
}

// Applied on top of whatever the entries already hold.
void BlocageImminent(const TContexte& ctx, const TArrayCouleur& couls, TSituation& situation) {
  const T4Couleur derniere = static_cast<T4Couleur>(DerniereCouleur(couls));
  PourChaqueCarte(situation, ctx.K, [&](TSituationCarte& e) {
    const TSuiviCarte& x = ctx.X(e);
    const T4Couleur s = x.coul;
    if (couls[s]) {
      if (!x.superieure && !x.maitresse) {
        Accepte(e, csBloquee);
      } else {
        Refuse(e, LongueurSimple(ctx.suivi, s) + s, csBloquee);
      }
    } else if (ctx.EntreesJ(s) == 1 && x.superieure) {
      Refuse(e, LongueurSimple(ctx.suivi, derniere) + derniere, csBloquee);
    }
  });
}

void ReglesGenerales(const TContexte& ctx, TSituation& situation) {
  const int totalJ = ctx.suivi.TotalCommunications(ctx.J);
  PourChaqueCarte(situation, ctx.K, [&](TSituationCarte& e) {
    const TSuiviCarte& x = ctx.X(e);
    const T4Couleur s = x.coul;
    if (x.maitresse) {
      const bool gaspillage = !x.superieure && totalJ <= 1 && ctx.EntreesJ(s) <= 1 && ctx.NombreP(s) == 1 &&
                              !ctx.F && ctx.NombreJ(s) > 1;
      if (gaspillage) {
        Refuse(e, MsgEtourderie);
      } else {
        e.jouable = true;
      }
      return;
    }
    const int m = ctx.MaitressesP(s);
    if (m == ctx.K && totalJ <= 1 && ctx.EntreesJ(s) <= 1) {
      e.jouable = true;
    } else if (m != 0) {
      const bool coupeLePont = ctx.NombreP(s) == 1 && ctx.suivi.s_GetTotalMaitresses(ctx.J) != 0 &&
                               ctx.suivi.CompteEntrees(ctx.J) != 0 && ctx.suivi.TotalCommunications(ctx.P) <= 1 &&
                               ctx.EntreesJ(s) <= 1 && ctx.NombreJ(s) > 1;
      if (coupeLePont) {
        Refuse(e, MsgEtourderie);
      } else {
        e.jouable = true;
      }
    } else {
      Refuse(e, MsgChute);
    }
  });
}

}  // namespace

// ---- The four situation tests ----

bool TSuiviMains::s_CarteIsolee(TJoueur Joueur, TArrayCouleur& Couleurs) const {
  Couleurs = {};
  int entrees = 0;
  for (T4Couleur s : ToutesLesCouleurs) entrees += Communications(Joueur, s);
  if (entrees != 0) return false;
  const TJoueur p = Partenaire(Joueur);
  bool trouve = false;
  for (T4Couleur s : ToutesLesCouleurs) {
    if (Couleur(Joueur, s).maitresses != 0 && Couleur(p, s).nombre == 0) trouve = Couleurs[s] = true;
  }
  return trouve;
}

bool TSuiviMains::s_Situation_de_blocage(TJoueur Joueur, TArrayCouleur& Couls) const {
  Couls = {};
  bool trouve = false;
  for (T4Couleur s : ToutesLesCouleurs) {
    if (Bloquee(Joueur, s) && EntreesSauf(Joueur, s) <= 1) trouve = Couls[s] = true;
  }
  return trouve;
}

bool TSuiviMains::s_Situation_de_blocage_en_main(TJoueur Joueur, TArrayCouleur& Couls) const {
  Couls = {};
  const TJoueur p = Partenaire(Joueur);
  bool trouve = false;
  for (T4Couleur s : ToutesLesCouleurs) {
    if (Bloquee(p, s) && Communications(p, s) == 0 && EntreesSauf(p, s) <= 1) trouve = Couls[s] = true;
  }
  return trouve;
}

bool TSuiviMains::s_Situation_de_blocage_imminente(TJoueur Joueur, TArrayCouleur& Couls) const {
  Couls = {};
  const TJoueur p = Partenaire(Joueur);
  bool trouve = false;
  for (T4Couleur s : ToutesLesCouleurs) {
    if (Bloquee(p, s) && Communications(Joueur, s) == 0 && EntreesSauf(Joueur, s) <= 1) {
      trouve = Couls[s] = true;
    }
  }
  return trouve;
}

// ---- The ratings ----

TSituation TSuiviMains::s_ExamineSituation(TJoueur Joueur) const {
  TSituation situation;
  int K = 0;
  for (int i = 1; i <= 13; ++i) {
    if (FSuivi(Joueur, i).played) continue;
    situation(++K) = TSituationCarte{FJeux(Joueur, i), i, true, csNormale, 0};
  }
  const TJoueur p = Partenaire(Joueur);
  const TContexte ctx{*this, Joueur, p, K, s_GetTotalMaitressesAffranchies(p) == K};

  if (s_GetTotalMaitressesAffranchies(Joueur) == K) {
    ToutesGagnantes(ctx, situation);
    return situation;
  }
  bool trouvee = true;
  TArrayCouleur couls{};
  if (!ctx.F && s_CarteIsolee(Joueur, couls)) {
    MaitressesIsolees(ctx, couls, situation);
  } else if (s_Situation_de_blocage(Joueur, couls)) {
    BloqueeEnMain(ctx, couls, situation);
  } else if (!ctx.F && s_Situation_de_blocage_en_main(Joueur, couls)) {
    BloqueeChezPartenaire(ctx, couls, situation);
  } else {
    trouvee = false;
  }
  if (s_Situation_de_blocage_imminente(Joueur, couls)) {
    BlocageImminent(ctx, couls, situation);
    trouvee = true;
  }
  if (!trouvee) ReglesGenerales(ctx, situation);
  return situation;
}

TSituationCarte TSuiviMains::s_ExamineDefausseJoueur3(TJoueur Joueur, TCard /*Carte1*/, TCard Carte) const {
  TSituationCarte resultat;
  const int i = s_ChercheIndiceCarte(Joueur, Carte);
  if (i == 0 || FSuivi(Joueur, i).played) return resultat;
  resultat = TSituationCarte{Carte, i, true, csNormale, 0};
  if (s_GetTotalMaitresses(Partenaire(Joueur)) == 0) return resultat;
  // Throwing away the hand's only entry.
  const TSuiviCarte& x = FSuivi(Joueur, i);
  if (x.maitresse && x.receptrice && Communications(Joueur, x.coul) == 1 && TotalCommunications(Joueur) == 1) {
    Refuse(resultat, MsgGaspillage, csNormale);
  }
  return resultat;
}

}  // namespace kalvo
