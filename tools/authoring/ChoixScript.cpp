#include "tools/authoring/ChoixScript.h"

#include "engine/Defausse.h"

namespace kalvo {

namespace {

std::optional<TCard> PlusBasse(const TPartieSimulee& partie, TJoueur joueur, T4Couleur couleur) {
  const auto cartes = partie.Restantes(joueur, couleur);
  if (cartes.empty()) return std::nullopt;
  return cartes.back();
}

std::optional<TCard> PlusHaute(const TPartieSimulee& partie, TJoueur joueur, T4Couleur couleur) {
  const auto cartes = partie.Restantes(joueur, couleur);
  if (cartes.empty()) return std::nullopt;
  return cartes.front();
}

// The declarer side's card that a code 32 must beat.
int RangABattre(const TPartieSimulee& partie, TJoueur p) {
  if (partie.NbSurTable() == 0) return 0;
  const TJoueur entameur = partie.Entameur();
  const TCartesJouees& table = partie.OnTable();
  const TCard avant = table[JoueurPrecedent(p)];
  const TCard entame = table[entameur];
  if (entameur == JoueurSuivant(p) && avant.h != 0 && avant.c == entame.c) return std::max(entame.h, avant.h);
  if (entameur == Partenaire(p)) return avant.h;
  return entame.h;
}

TCard CarteDeDefausse(const TPartieSimulee& partie, bool& parDefausse) {
  const TPositionDefense position{partie.JoueurActuel(), partie.Entameur(), partie.OnTable(), partie.Levee()};
  const int indice = ChoisitDefausse(partie.Suivi(), position);
  parDefausse = true;
  if (indice < 1) return {};
  return partie.Mains()(partie.JoueurActuel(), indice);
}

// The lowest card of the first suit the defender holds, clubs first,
// leaving out `sauf` (or no suit when sauf is beyond spades).
std::optional<TCard> PremiereCouleurTenue(const TPartieSimulee& partie, TJoueur p, int sauf) {
  for (T4Couleur s : ToutesLesCouleurs)
    if (s != sauf)
      if (const auto carte = PlusBasse(partie, p, s)) return carte;
  return std::nullopt;
}

}  // namespace

TCard AlternativeDefense(const TDonne& donne, int chaine, int alternative, const TPartieSimulee& partie) {
  const TChaine c = donne.Chaine(chaine);
  const TJoueur p = partie.JoueurActuel();
  const TCarteDefense e = c.Defense(c.Place(p), alternative);
  if (e.SiPrecedente != 0) {
    const TCard avant = partie.OnTable()[JoueurPrecedent(p)];
    const bool vu = avant.h != 0 && avant.c == e.CarteCondition.c &&
                    (e.CarteCondition.h == RangQuelconque || e.CarteCondition.h == avant.h);
    return vu ? e.Carte : TCard{};
  }
  if (e.SiDerniere != 0 && e.Carte.h == RangQuelconque && e.Carte.c <= clPique) {
    const auto restantes = partie.Restantes(p, e.Carte.Couleur());
    if (restantes.size() == 1 && restantes.front() == e.CarteDerniere) return e.CarteCondition;
  }
  return e.Carte;
}

std::optional<TCard> CarteDeCodeDefense(TCard code, const TPartieSimulee& partie, bool& parDefausse) {
  parDefausse = false;
  const TJoueur p = partie.JoueurActuel();
  if (code.h == RangFinDeListe) return std::nullopt;
  if (code.c == CouleurQuelconque) {
    const bool entame = partie.NbSurTable() > 0;
    if (entame)
      if (const auto carte = PlusBasse(partie, p, partie.CouleurEntame())) return carte;
    if (const auto carte = PremiereCouleurTenue(partie, p, entame ? partie.CouleurEntame() : clSA)) return carte;
    const TCard carte = CarteDeDefausse(partie, parDefausse);
    return carte.h == 0 ? std::nullopt : std::optional<TCard>(carte);
  }
  if (code.c > clPique) return std::nullopt;
  const T4Couleur s = code.Couleur();
  switch (code.h) {
    case RangQuelconque: return PlusBasse(partie, p, s);
    case RangPlusHaute: return PlusHaute(partie, p, s);
    case RangBatCampDeclarant: {
      const int aBattre = RangABattre(partie, p);
      const auto cartes = partie.Restantes(p, s);
      for (auto i = cartes.rbegin(); i != cartes.rend(); ++i)
        if (i->h > aBattre) return *i;
      return PlusBasse(partie, p, s);
    }
    case RangBasDeSequence: {
      const TCard carte{partie.Suivi().s_PlusPetiteDesEquivalentes(p, s), static_cast<std::uint8_t>(s)};
      if (carte.h == 0 || !partie.Tient(p, carte)) return std::nullopt;
      return carte;
    }
    default:
      if (code.h >= 2 && code.h <= 14 && partie.Tient(p, code)) return code;
      return std::nullopt;
  }
}

TChoixDefense ChoisitCarteDefenseur(const TDonne& donne, int chaine, const TPartieSimulee& partie) {
  int n = 0;
  const TChaine c = donne.Chaine(chaine);
  const int place = c.Place(partie.JoueurActuel());
  while (n < 3 && c.Defense(place, n + 1).Carte.h != RangFinDeListe) ++n;
  bool parDefausse = false;
  if (n == 1) {
    if (const auto carte = CarteDeCodeDefense(AlternativeDefense(donne, chaine, 1, partie), partie, parDefausse))
      return {*carte, parDefausse};
  } else if (n > 1) {
    const TJoueur p = partie.JoueurActuel();
    if (partie.NbSurTable() > 0 && partie.Compte(p, partie.CouleurEntame()) > 0) {
      for (int a = 1; a <= n; ++a) {
        const TCard code = AlternativeDefense(donne, chaine, a, partie);
        if (code.c != partie.CouleurEntame()) continue;
        if (const auto carte = CarteDeCodeDefense(code, partie, parDefausse)) return {*carte, parDefausse};
      }
    }
    for (int a = 1; a <= n; ++a)
      if (const auto carte = CarteDeCodeDefense(AlternativeDefense(donne, chaine, a, partie), partie, parDefausse))
        return {*carte, parDefausse};
  }
  const TCard carte = CarteDeDefausse(partie, parDefausse);
  return {carte, true};
}

namespace {

std::optional<TCard> SiJouable(const TPartieSimulee& partie, std::optional<TCard> carte) {
  if (carte && partie.PeutJouer(*carte)) return carte;
  return std::nullopt;
}

// The lowest card of a suit (7: of the suit led when the hand can follow,
// else of its first suit, clubs first) that the hand may play.
std::optional<TCard> PlusBasseJouable(const TPartieSimulee& partie, std::uint8_t couleur) {
  const TJoueur p = partie.JoueurActuel();
  if (couleur <= clPique) return SiJouable(partie, PlusBasse(partie, p, static_cast<T4Couleur>(couleur)));
  if (couleur != CouleurQuelconque) return std::nullopt;
  if (partie.NbSurTable() > 0)
    if (const auto carte = PlusBasse(partie, p, partie.CouleurEntame())) return carte;
  return SiJouable(partie, PremiereCouleurTenue(partie, p, clSA));
}

std::optional<TCard> CarteDuGroupe(const TDonne& donne, int g, const TPartieSimulee& partie) {
  if (g < 1 || g > NbGroupes) return std::nullopt;
  const TGroupe groupe = donne.Groupe(g);
  const TJoueur p = partie.JoueurActuel();
  bool prets = true;
  for (const TCard c : groupe.Prealables)
    if (c.h != 0 && !(partie.ADistribue(p, c) && !partie.Tient(p, c))) prets = false;
  if (prets) {
    for (const TCard c : groupe.Acceptees) {
      if (c.h == 0) continue;
      const auto carte = c.h == RangQuelconque ? PlusBasseJouable(partie, c.c) : SiJouable(partie, c);
      if (carte) return carte;
    }
    return std::nullopt;
  }
  for (const TCard c : groupe.Prealables)
    if (c.h != 0 && partie.PeutJouer(c)) return c;
  return std::nullopt;
}

std::optional<TCard> CarteQuiSurprend(const TPartieSimulee& partie) {
  const TJoueur p = partie.JoueurActuel();
  const TCard partenaire = partie.OnTable()[Partenaire(p)];
  if (partenaire.h == 0) return std::nullopt;
  const auto cartes = partie.Restantes(p, partenaire.Couleur());
  for (auto i = cartes.rbegin(); i != cartes.rend(); ++i)
    if (i->h > partenaire.h) return SiJouable(partie, *i);
  return std::nullopt;
}

}  // namespace

std::optional<TCard> PremiereCarteJuste(const TDonne& donne, int chaine, const TPartieSimulee& partie) {
  const TChaine c = donne.Chaine(chaine);
  const int place = c.Place(partie.JoueurActuel());
  for (int i = 1; i <= 8; ++i) {
    const TCarteDeclarant e = c.Declarant(place, i);
    if (e.Carte.h == RangFinDeListe) break;
    if (e.Code != 0) continue;
    std::optional<TCard> carte;
    if (e.Carte.h >= 2 && e.Carte.h <= 14 && e.Carte.c <= clPique) carte = SiJouable(partie, e.Carte);
    else if (e.Carte.h == RangQuelconque) carte = PlusBasseJouable(partie, e.Carte.c);
    else if (e.Carte.h == RangGroupe) carte = CarteDuGroupe(donne, e.Carte.c, partie);
    else if (e.Carte.h == RangBatPartenaire) carte = CarteQuiSurprend(partie);
    if (carte) return carte;
  }
  return std::nullopt;
}

int ResoutNoeudSimule(const TDonne& donne, int chaine, const TPartieSimulee& partie) {
  const TChaine c = donne.Chaine(chaine);
  switch (c.TypeEffectif()) {
    case tcDistribution:
      for (int e = 1; e <= 4; ++e) {
        const TEntreeDistribution entree = c.EntreeDistribution(e);
        bool convient = true;
        for (TJoueur j : TousLesJoueurs)
          for (T4Couleur s : ToutesLesCouleurs) {
            const int motif = (entree.Motifs[j] >> (4 * s)) & 0xF;
            if (motif != 15 && motif != partie.Compte(j, s)) convient = false;
          }
        if (convient) return entree.Suite;
        if (entree.Suite == -1) return -1;
      }
      return -1;
    case tcCartesTenues: {
      const TJoueur j = c.Joueur();
      for (int i = 1; i <= c.NbCartes(); ++i)
        if (!partie.Tient(j, c.CarteTenue(i))) return c.ChaineB();
      return c.ChaineA();
    }
    case tcHasard: return c.ChaineA();
    case tcGagnantLevee: return partie.GagnantDerniere() == jrSud ? c.ChaineA() : c.ChaineB();
    case tcRevendication: return ActionFinDonne;
    case tcLongueur:
      for (int e = 1; e <= 4; ++e) {
        const TEntreeLongueur entree = c.EntreeLongueur(e);
        if (partie.Compte(entree.Joueur, entree.Couleur) == entree.Nombre) return entree.Suite;
      }
      return 1;
    case tcPartenairePrend: {
      const TJoueur j = c.Joueur();
      const T4Couleur s = c.Couleur();
      const auto haute = PlusHaute(partie, j, s);
      if (!haute) return c.ChaineB();
      const auto basse = PlusBasse(partie, Partenaire(j), s);
      return haute->h > (basse ? basse->h : 0) ? c.ChaineA() : c.ChaineB();
    }
    case tcAutomatique: return ActionAutomatique;
    case tcPool: return ActionPool;
    case tcSolution: return ActionSolution;
    case tcRetourDebut:
    case tcLevee: return 1;
  }
  return 1;
}

}  // namespace kalvo
