#include "tools/authoring/Verificateur.h"

#include "tools/authoring/Verifications.h"

#include <algorithm>

namespace kalvo::redaction {

bool TResultatVerification::Reussi() const {
  return std::none_of(Constats.begin(), Constats.end(), [](const TConstat& c) { return c.Gravite == grErreur; });
}

std::string NomChaine(int numero, const TOptionsVerification& options) {
  const auto i = static_cast<std::size_t>(numero);
  if (numero >= 1 && i < options.NomsChaines.size() && !options.NomsChaines[i].empty())
    return "la chaîne « " + options.NomsChaines[i] + " » (" + std::to_string(numero) + ")";
  return "la chaîne " + std::to_string(numero);
}

std::string TexteCarte(TCard carte) {
  if (carte.EstReelle()) return NomCarte(carte);
  return "[carte " + std::to_string(carte.h) + ", " + std::to_string(carte.c) + "]";
}

bool MainsJouables(const TDonne& donne) {
  std::array<bool, 53> vues{};
  for (TJoueur j : TousLesJoueurs) {
    std::array<bool, 4> finies{};
    for (int i = 1; i <= 13; ++i) {
      const TCard c = donne.CarteMain(j, i);
      if (!c.EstReelle() || vues[static_cast<std::size_t>(IndexCarte(c))]) return false;
      vues[static_cast<std::size_t>(IndexCarte(c))] = true;
      if (i > 1) {
        const TCard avant = donne.CarteMain(j, i - 1);
        if (avant.c == c.c && avant.h <= c.h) return false;
        if (avant.c != c.c) finies[avant.c] = true;
      }
      if (finies[c.c]) return false;
    }
  }
  return true;
}

TResultatVerification VerifieDonne(const TDonne& donne, const TQuestionsDonne* questions,
                                   const TOptionsVerification& options) {
  TConstats constats(options);
  TResultatVerification resultat;
  // Each part reads the data with checked views; a value they refuse ends
  // that part with its message and the other parts go on.
  auto partie = [&](TGenreLieu genre, auto&& verification) {
    try {
      verification();
    } catch (const ErreurDonnee& e) {
      constats.Erreur({genre, 0}, e.what());
    }
  };
  partie(glMains, [&] { VerifieMainsEtEnTete(donne, constats); });
  partie(glEncheres, [&] { VerifieEncheres(donne, constats); });
  const TGrapheScript graphe = AnalyseGraphe(donne);
  TCodesUtilises codes;
  partie(glChaine, [&] { VerifieScript(donne, graphe, constats, codes); });
  partie(glCommentaire, [&] { VerifieCommentaires(donne, codes, constats); });
  const auto octets = donne.Octets();
  const bool contratValide = octets[offsets::NiveauContrat] >= 1 && octets[offsets::NiveauContrat] <= 7 &&
                             octets[offsets::Atout] <= clSA;
  if (MainsJouables(donne) && contratValide) partie(glJeu, [&] { VerifieJeu(donne, constats, resultat.DoubleMort); });
  if (questions) partie(glQuestion, [&] { VerifieQuestions(donne, *questions, constats); });
  resultat.Constats = std::move(constats.Liste());
  return resultat;
}

}  // namespace kalvo::redaction
