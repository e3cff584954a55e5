// Checks of the hands and of the deal's header.
#include "model/Brouillage.h"
#include "tools/authoring/Verifications.h"

namespace kalvo::redaction {

namespace {

std::string De(TJoueur j) { return std::string(DeJoueurs[j]) + std::string(NomsJoueurs[j]); }

void VerifieMains(const TDonne& donne, TConstats& constats) {
  std::array<int, 53> detenteur{};
  detenteur.fill(-1);
  for (TJoueur j : TousLesJoueurs) {
    std::array<bool, 4> finies{};
    for (int i = 1; i <= 13; ++i) {
      const TCard c = donne.CarteMain(j, i);
      if (!c.EstReelle()) {
        constats.Erreur({glMains, 0}, "la main " + De(j) + " a en position " + std::to_string(i) + " " + TexteCarte(c) +
                                          ", qui n'est pas une carte.");
        continue;
      }
      int& qui = detenteur[static_cast<std::size_t>(IndexCarte(c))];
      if (qui >= 0) {
        constats.Erreur({glMains, 0}, NomCarteArticle(c) + " est dans deux mains : celle " +
                                          De(static_cast<TJoueur>(qui)) + " et celle " + De(j) + ".");
      }
      qui = j;
      if (i == 1) continue;
      const TCard avant = donne.CarteMain(j, i - 1);
      if (!avant.EstReelle()) continue;
      if (avant.c == c.c && avant.h <= c.h)
        constats.Erreur({glMains, 0}, "la main " + De(j) + " doit donner ses " + std::string(NomsCouleursPluriel[c.c]) +
                                          " en ordre décroissant.");
      if (avant.c != c.c) finies[avant.c] = true;
      if (finies[c.c])
        constats.Erreur({glMains, 0}, "la main " + De(j) + " doit donner ses " + std::string(NomsCouleursPluriel[c.c]) +
                                          " à la suite les uns des autres.");
    }
  }
}

void Borne(TConstats& constats, TLieu lieu, long long valeur, long long min, long long max, std::string_view quoi) {
  if (valeur < min || valeur > max)
    constats.Erreur(lieu, std::string(quoi) + " " + std::to_string(valeur) + " hors des limites (" + std::to_string(min) +
                              " à " + std::to_string(max) + ").");
}

void VerifieTexte(TConstats& constats, TGenreLieu genre, std::int32_t lg, std::string_view brouille, int lgMax,
                  std::string_view quoi) {
  Borne(constats, {genre, 0}, lg, 0, lgMax, "longueur " + std::string(quoi));
  if (lg <= 0) {
    constats.Avertissement({genre, 0}, "la donne n'a pas " + std::string(quoi) + ".");
    return;
  }
  if (!DebrouilleTexte(brouille).starts_with("{\\rtf"))
    constats.Avertissement({genre, 0}, std::string(quoi) + " n'est pas du RTF : la visionneuse l'affichera mal.");
}

}  // namespace

void VerifieMainsEtEnTete(const TDonne& donne, TConstats& constats) {
  VerifieMains(donne, constats);
  const auto o = donne.Octets();
  Borne(constats, {glEncheres, 0}, o[offsets::Donneur], jrSud, jrEst, "donneur");
  Borne(constats, {glDonne, 0}, o[offsets::Vulnerabilite], vlnPersonne, vlnTous, "vulnérabilité");
  Borne(constats, {glContrat, 0}, o[offsets::NiveauContrat], 1, 7, "niveau du contrat");
  Borne(constats, {glContrat, 0}, o[offsets::Atout], clTrefle, clSA, "dénomination du contrat");
  Borne(constats, {glDonne, 0}, donne.ThemeBrut(), 0, NbThemes - 1, "thème");
  Borne(constats, {glDonne, 0}, donne.ForceBrute(), 1, 4, "force");
  Borne(constats, {glCommentaire, 0}, donne.LgCommentaires(), 0, LgMaxCommentaires, "longueur des commentaires");
  VerifieTexte(constats, glPoint, donne.LgPoint(), donne.TextePoint(), LgMaxPoint, "« Le point »");
  VerifieTexte(constats, glResume, donne.LgResume(), donne.TexteResume(), LgMaxResume, "résumé");
  for (int n = 1; n <= NbAlertes; ++n)
    Borne(constats, {glAlerte, n}, donne.LgAlerte(n), 0, LgMaxAlerte, "longueur de l'alerte " + std::to_string(n));
}

}  // namespace kalvo::redaction
