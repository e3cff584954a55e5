#include "tools/kalvo-deals/ClePosition.h"

#include <algorithm>
#include <cstring>
#include <type_traits>

namespace kalvo::outil_donnes {

namespace {

// Names rank h of suit c, or of every suit for suit 7; codes (any rank,
// groups, counters...) name nothing.
void Nomme(TCartesNommees& nommees, int h, int c) {
  if (h < 2 || h > 14) return;
  const auto bit = static_cast<std::uint16_t>(1u << h);
  if (c == CouleurQuelconque) {
    for (std::uint16_t& couleur : nommees) couleur |= bit;
  } else if (EstCouleurReelle(c)) {
    nommees[static_cast<std::size_t>(c)] |= bit;
  }
}
void Nomme(TCartesNommees& nommees, TCard carte) { Nomme(nommees, carte.h, carte.c); }

void NommeChaine(TCartesNommees& n, const TChaine& chaine) {
  switch (chaine.TypeChaine()) {
    case tcLevee:
      for (int place = 1; place <= 2; ++place) {
        for (int a = 1; a <= 3; ++a) {
          const TCarteDefense d = chaine.Defense(place, a);
          Nomme(n, d.Carte);
          Nomme(n, d.CarteCondition);
          Nomme(n, d.CarteDerniere);
        }
        for (int i = 1; i <= 8; ++i) Nomme(n, chaine.Declarant(place, i).Carte);
      }
      break;
    case tcCartesTenues:
      for (int i = 1; i <= chaine.NbCartes(); ++i) Nomme(n, chaine.CarteTenue(i));
      break;
    case tcAutomatique: {
      const TChaineAuto noeud = chaine.Auto();
      for (int i = 1; i <= 8; ++i) {
        Nomme(n, noeud.ListeSud(i).Carte);
        Nomme(n, noeud.ListeNord(i).Carte);
      }
      break;
    }
    default:
      break;
  }
}

void NommePool(TCartesNommees& n, const TPool& pool) {
  for (const bool sud : {false, true})
    for (T4Couleur s : ToutesLesCouleurs)
      for (int y = 1; y <= 8; ++y) {
        const auto entree = pool.Entame(sud, s, y);
        Nomme(n, entree.Rang(), s);
        for (int z = 1; z <= 4; ++z) Nomme(n, entree.Condition(z).Carte);
        for (int k = 1; k <= 6; ++k) Nomme(n, entree.Suite(k).Rang, s);
        for (int k = 1; k <= 7; ++k) {
          const TDefaussePool d = entree.Defausse(k);
          Nomme(n, d.Rang, d.Couleur);
        }
        const auto autre = pool.Autre(sud, s, y);
        Nomme(n, autre.Rang(), s);
        for (int j = 1; j <= autre.NbSuites(); ++j) Nomme(n, autre.Suite(j).Rang, s);
      }
}

std::uint64_t Melange(std::uint64_t x) {
  x ^= x >> 30;
  x *= 0xbf58476d1ce4e5b9ULL;
  x ^= x >> 27;
  x *= 0x94d049bb133111ebULL;
  return x ^ (x >> 31);
}

// Two 64-bit hashes of the bytes, computed apart: a position is told from
// another by 128 bits, so the set of positions seen holds 16 bytes each.
TCle Hache(std::string_view octets) {
  std::uint64_t a = 0x243f6a8885a308d3ULL, b = 0x13198a2e03707344ULL;
  for (std::size_t i = 0; i < octets.size(); i += 8) {
    std::uint64_t mot = 0;
    std::memcpy(&mot, octets.data() + i, std::min<std::size_t>(8, octets.size() - i));
    a = Melange(a ^ mot);
    b = Melange(b ^ (mot * 0x9e3779b97f4a7c15ULL + i));
  }
  return {Melange(a ^ octets.size()), Melange(b + octets.size())};
}

}  // namespace

TCartesNommees CartesNommees(const TDonne& donne) {
  TCartesNommees n{};
  try {
    for (int c = 1; c <= NbChaines; ++c) NommeChaine(n, donne.Chaine(c));
    for (int g = 1; g <= NbGroupes; ++g) {
      const TGroupe groupe = donne.Groupe(g);
      for (TCard carte : groupe.Prealables) Nomme(n, carte);
      for (TCard carte : groupe.Acceptees) Nomme(n, carte);
    }
    for (int table = 1; table <= NbTablesCompteurs; ++table)
      for (T4Couleur s : ToutesLesCouleurs)
        for (std::uint8_t rang : donne.Compteur(table, s).Rangs) Nomme(n, rang, s);
    for (int p = 1; p <= NbPools; ++p) NommePool(n, donne.Pool(p));
  } catch (const ErreurDonnee&) {
    // Broken data: every card is taken as named, so that nothing merges.
    n.fill(0x7FFC);
  }
  return n;
}

TFabriqueCles::TFabriqueCles(const TDonne& donne) : nommees_(CartesNommees(donne)) {
  for (TJoueur j : TousLesJoueurs)
    for (int i = 1; i <= 13; ++i) {
      const TCard c = donne.CarteMain(j, i);
      if (!c.EstReelle()) continue;
      detenteur_[c.c][c.h] = static_cast<std::uint8_t>(j);
      indice_[c.c][c.h] = static_cast<std::uint8_t>(i);
    }
  octets_.reserve(512);
}

// Suit by suit from the ace down, the cards still held and those on the
// table, each as its seat (and its rank when the script names it); a card
// played in an earlier trick is left out unless named. Exact cards in
// solution mode, whose solutions list exact cards.
void TFabriqueCles::AjouteCartes(const TControleur& position) {
  const TSuiviMains& suivi = position.Suivi();
  const TEtatControleur& e = position.Etat();
  const bool exactes = e.ModeSolution;
  for (T4Couleur s : ToutesLesCouleurs) {
    for (int h = 14; h >= 2; --h) {
      const int indice = indice_[s][static_cast<std::size_t>(h)];
      if (indice == 0) {
        octets_ += '\xFE';  // a card no hand was dealt: broken hands
        continue;
      }
      const auto j = static_cast<TJoueur>(detenteur_[s][static_cast<std::size_t>(h)]);
      const TCard carte{static_cast<std::uint8_t>(h), s};
      const bool jouee = suivi.s_isCarteJouee(j, indice);
      const int etat = !jouee ? 0 : (e.OnTable[j] == carte ? 1 : 2);
      const bool nommee = exactes || (nommees_[s] & (1u << h)) != 0;
      if (!nommee && etat == 2) continue;
      if (nommee) octets_ += static_cast<char>(0x80 | h);
      octets_ += static_cast<char>(j * 3 + etat);
    }
    octets_ += '\xFF';
  }
}

void TFabriqueCles::AjouteEtat(const TControleur& position) {
  const auto ajoute = [this](const auto& valeur) {
    static_assert(std::is_trivially_copyable_v<std::decay_t<decltype(valeur)>>);
    octets_.append(reinterpret_cast<const char*>(&valeur), sizeof valeur);
  };
  const TEtatControleur& e = position.Etat();
  // The user's lead is read by the judge only while the trick it leads is
  // on the table; otherwise it is the last trick's, which the next lead
  // replaces. The solution mode's record starts afresh with the mode.
  const bool entameLue = !e.LeveeComplete && e.CompteCartesJouees > 0 && !EstDefenseur(e.Entameur);
  const bool solution = e.ModeSolution;
  for (int n : {e.CompteCartesJouees, e.CompteurLevees, e.ChaineActuelle, solution ? e.indiceSolution : 0,
                solution ? e.indiceCouplesJoues : 0, e.NumeroPool, entameLue ? e.numero_carte : 0, e.Levee,
                e.LeveesNS, e.LeveesEO})
    ajoute(n);
  for (TJoueur j : {solution ? e.PremierJoueurSolution : jrSud, e.Gagnant, e.JoueurActuel, e.Entameur}) ajoute(j);
  for (bool b : {entameLue && e.isJ1Maitresse, e.ModeProgramme, e.EnAutomatique, e.ModeSolution, e.PoolJeuEnCours,
                 e.LeveeComplete, e.PeutJouerDirectement, e.DerniereLevee, e.InJeu})
    ajoute(b);
  // The lead is the leader's card on the table: its place there says it.
  const TCard entame = !entameLue ? TCard{} : e.Carte1 == e.OnTable[e.Entameur] ? TCard{1, 0} : e.Carte1;
  ajoute(entame);
  if (solution) ajoute(e.CouplesJoues);
  const auto octets = position.Donne().Donne.Octets();
  octets_.append(reinterpret_cast<const char*>(octets.data()) + offsets::Compteurs, offsets::Pools - offsets::Compteurs);
}

TCle TFabriqueCles::Cle(const TControleur& position) {
  octets_.clear();
  AjouteCartes(position);
  AjouteEtat(position);
  return Hache(octets_);
}

}  // namespace kalvo::outil_donnes
