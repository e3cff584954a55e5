// Discard rules of the defenders, tried in order; within a rule the suits
// are tried clubs, diamonds, hearts, spades and the first card found wins.
#include "engine/Defausse.h"

namespace kalvo {

namespace {

class TDefausse {
 public:
  TDefausse(const TSuiviMains& suivi, const TPositionDefense& position)
      : FSuivi(suivi), FP(position.JoueurActuel), FL(position.Entameur), FLevee(position.Levee) {
    assert(EstDefenseur(FP) && EstJoueurValide(FL));
  }

  int Choisit() const {
    int indice = 0;
    if (FL == Partenaire(FP) && (indice = PartenaireEntame()) != 0) return indice;
    if ((indice = PremiereCouleur([this](T4Couleur s) { return Regle2(s); })) != 0) return indice;
    if ((indice = PremiereCouleur([this](T4Couleur s) { return Regle3(s); })) != 0) return indice;
    if ((indice = PremiereCouleur([this](T4Couleur s) {
           return A(s) > 0 && Nombre(Partenaire(FP), s) > FSuivi.s_GetLongueur(liNS, s);
         })) != 0) {
      return indice;
    }
    if ((indice = PremiereCouleur([this](T4Couleur s) {
           return A(s) > 0 && (B(s) >= A(s) || E(s) >= A(s)) && K(s) >= A(s);
         })) != 0) {
      return indice;
    }
    if ((indice = Prends(FSuivi.s_GetCouleurLaPlusLongue(FP))) != 0) return indice;
    return -1;
  }

 private:
  // P's lowest remaining card of s, 0 when it has none.
  int Prends(T4Couleur s) const { return FSuivi.s_FindIndiceLastNonPrise(FP, s); }

  template <typename Condition>
  int PremiereCouleur(Condition condition) const {
    for (T4Couleur s : ToutesLesCouleurs) {
      if (!condition(s)) continue;
      if (const int indice = Prends(s); indice != 0) return indice;
    }
    return 0;
  }

  int Nombre(TJoueur j, T4Couleur s) const { return FSuivi.s_GetCompteCouleur(j, s); }
  int A(T4Couleur s) const { return Nombre(FP, s); }
  int B(T4Couleur s) const { return Nombre(FL, s); }
  int E(T4Couleur s) const { return Nombre(Partenaire(FL), s); }
  // X's cards of s above P's highest card of s.
  int BattuesPar(TJoueur x, T4Couleur s) const { return FSuivi.s_GetNombreDeCartesSuperieures(FP, x, s); }
  int K(T4Couleur s) const { return FSuivi.s_CombienDeCartesSuperieures(FP, s); }
  // Total entries of North for South, of South for everyone else.
  int EntreesPartenaire(TJoueur j) const { return FSuivi.s_GetTotalCommunications(j == jrSud); }

  // The partner led: keep its suits when it can cash the rest.
  int PartenaireEntame() const {
    if (FSuivi.s_GetTotalMaitressesAffranchies(FL) >= 14 - FLevee) {
      return Prends(FSuivi.s_GetCouleurLaPlusLongue(FP));
    }
    return PremiereCouleur([this](T4Couleur s) { return A(s) > 0 && FSuivi.s_GetMaitresses(FP, s) == 0; });
  }

  bool Regle2(T4Couleur s) const {
    const int a = A(s);
    if (a == 0) return false;
    if (!EstDefenseur(FL) && EntreesPartenaire(FL) == 0) {
      const int b = B(s);
      const int battuesL = BattuesPar(FL, s);
      return b == 0 || (a == b && (battuesL == b || (E(s) >= a && battuesL + BattuesPar(Partenaire(FL), s) >= a))) ||
             a > b || (a < b && battuesL >= a);
    }
    return (Nombre(jrSud, s) >= a && BattuesPar(jrSud, s) >= a) || (Nombre(jrNord, s) >= a && BattuesPar(jrNord, s) >= a);
  }

  bool Regle3(T4Couleur s) const {
    const int a = A(s);
    if (EntreesPartenaire(FL) == 0) return a > 0 && B(s) < a && FSuivi.s_GetMaitresses(FP, s) == 0;
    if (a == 0) return false;
    const int g = FSuivi.s_GetLongueur(liNS, s);
    const int k = K(s);
    if (a > g) return true;
    if (a == g) {
      const bool toutesPlusBasses = FSuivi.s_IsInferieureACartesAdverses(FP, s);
      return (k == 0 && a > 1) || (k > 0 && ((toutesPlusBasses && a == 1) || a - k > 1));
    }
    return k != a - 1;
  }

  const TSuiviMains& FSuivi;
  TJoueur FP;
  TJoueur FL;
  int FLevee;
};

}  // namespace

int ChoisitDefausse(const TSuiviMains& suivi, const TPositionDefense& position) {
  return TDefausse(suivi, position).Choisit();
}

}  // namespace kalvo
