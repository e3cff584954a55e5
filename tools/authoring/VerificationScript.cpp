// Checks of the script: its links, what chain 1 reaches, the equivalent
// chains, the data of each node, the cards each seat is given, and the
// groups, counters and pools.
#include "tools/authoring/Lexique.h"
#include "tools/authoring/Verifications.h"

#include <algorithm>
#include <deque>
#include <functional>
#include <set>
#include <span>

namespace kalvo::redaction {

namespace {

std::string Nom(TJoueur j) { return std::string(NomsJoueurs[j]); }
std::string De(TJoueur j) { return std::string(DeJoueurs[j]) + Nom(j); }

bool RangDefense(std::uint8_t h) {
  return (h >= 2 && h <= 14) || h == RangQuelconque || h == RangPlusHaute || h == RangBatCampDeclarant ||
         h == RangBasDeSequence;
}

bool OctetsNuls(std::span<const std::uint8_t> octets) {
  return std::all_of(octets.begin(), octets.end(), [](std::uint8_t o) { return o == 0; });
}

class TVerificationScript {
 public:
  TVerificationScript(const TDonne& donne, const TGrapheScript& graphe, TConstats& constats, TCodesUtilises& codes)
      : donne_(donne), graphe_(graphe), constats_(constats), codes_(codes) {}

  void Verifie() {
    Liens();
    for (int c = 1; c <= NbChaines; ++c) {
      if (graphe_.Vide[static_cast<std::size_t>(c)]) continue;
      try {
        Chaine(c);
      } catch (const ErreurDonnee& e) {
        Erreur({glChaine, c}, e.what());
      }
    }
    CyclesEquivalence();
    Groupes();
    Compteurs();
    Pools();
  }

 private:
  void Erreur(TLieu lieu, std::string m) { constats_.Erreur(lieu, std::move(m)); }
  void Code(int code, TLieu lieu, bool revendication = false) {
    if (code != 0) codes_.push_back({code, lieu, revendication});
  }
  bool Tient(TJoueur j, TCard carte) const {
    for (int i = 1; i <= 13; ++i)
      if (donne_.CarteMain(j, i) == carte) return true;
    return false;
  }
  // A card the script gives to a seat must be in that seat's hand.
  void ExigeTenue(TLieu lieu, TJoueur j, TCard carte, std::string_view role) {
    if (carte.EstReelle() && !Tient(j, carte))
      Erreur(lieu, std::string(role) + " : " + NomCarteArticle(carte) + " n'est pas dans la main " + De(j) + ".");
  }
  bool LienValide(int c, std::int32_t cible, std::string_view quoi);
  void Liens();
  void Chaine(int c);
  void Levee(int c);
  void Automatique(int c);
  void CyclesEquivalence();
  void Groupes();
  void Compteurs();
  void Pools();
  void EntreePool(int p, bool sud, T4Couleur s, int y);

  const TDonne& donne_;
  const TGrapheScript& graphe_;
  TConstats& constats_;
  TCodesUtilises& codes_;
  std::array<std::set<TJoueur>, NbGroupes + 1> groupes_;  // seats whose lists use each group
  std::array<bool, NbTablesCompteurs + 1> compteurs_{};
  std::array<bool, NbPools + 1> pools_{};
};

bool TVerificationScript::LienValide(int c, std::int32_t cible, std::string_view quoi) {
  if (cible < 1 || cible > NbChaines) {
    Erreur({glChaine, c}, std::string(quoi) + " « " + std::to_string(cible) + " » n'est pas une chaîne (1 à 400).");
    return false;
  }
  if (graphe_.Vide[static_cast<std::size_t>(cible)]) {
    Erreur({glChaine, c}, std::string(quoi) + " mène à la chaîne " + std::to_string(cible) + ", qui est vide.");
    return false;
  }
  return true;
}

void TVerificationScript::Liens() {
  if (graphe_.Vide[1] || Lit8Chaine(donne_, 1, 17) != tcLevee || Lit8Chaine(donne_, 1, 12) != jrOuest) {
    Erreur({glChaine, 1}, "la chaîne 1 doit être la première levée, entamée par Ouest.");
  } else if (const TCard entame = donne_.Entame(); !entame.EstReelle()) {
    // The end-of-deal screen circles the opening lead it reads there.
    const std::optional<std::string> ecrite = EcritCarteScript(entame);
    Erreur({glChaine, 1}, "l'entame d'Ouest est écrite " + (ecrite ? "« " + *ecrite + " »" : TexteCarte(entame)) +
                              " : l'écran de fin de donne ne sait pas quelle carte entourer ; écrivez la carte elle-même.");
  }
  for (int c = 1; c <= NbChaines; ++c) {
    const auto i = static_cast<std::size_t>(c);
    if (graphe_.Vide[i]) continue;
    const TLieu lieu{glChaine, c};
    if (!graphe_.Atteinte[i]) Erreur(lieu, constats_.Chaine(c) + " n'est jamais atteinte depuis la chaîne 1.");
    const std::set<int>& levees = graphe_.Levees[i];
    const int premiere = levees.empty() ? 14 : *levees.begin();
    if (graphe_.Atteinte[i] && Lit8Chaine(donne_, c, 17) == tcLevee && premiere >= 13)
      constats_.Avertissement(lieu, constats_.Chaine(c) + " n'est atteinte qu'après la douzième levée : elle ne sert jamais.");
    for (const TLien& lien : graphe_.Liens[i]) {
      switch (lien.Genre) {
        case lnSuivante:
          if (lien.Cible == 0) {
            if (premiere < 12)
              constats_.Avertissement(lieu, constats_.Chaine(c) + " n'a pas de suivante : le jeu n'y continue que si le camp "
                                            "du déclarant a pris la levée avec assez de levées maîtresses.");
          } else {
            LienValide(c, lien.Cible, "la suivante");
          }
          break;
        case lnEquivalente:
          if (lien.Cible != 0) LienValide(c, lien.Cible, "l'équivalente");
          break;
        case lnBranche:
          LienValide(c, lien.Cible, "une branche");
          break;
        case lnApresMode:
          if (lien.Cible != 0 || premiere + lien.Decalage <= 12) LienValide(c, lien.Cible, "la suite du mode");
          break;
        case lnRetour:
          break;
      }
    }
  }
}

void TVerificationScript::Chaine(int c) {
  const TLieu lieu{glChaine, c};
  const TChaine chaine = donne_.Chaine(c);
  const std::uint8_t type = chaine.TypeChaine();
  switch (type) {
    case tcLevee:
      return Levee(c);
    case tcDistribution:
      for (int e = 1; e <= 4; ++e) {
        const TEntreeDistribution entree = chaine.EntreeDistribution(e);
        if (entree.Suite == -1) break;
        for (TJoueur j : TousLesJoueurs)
          for (T4Couleur s : ToutesLesCouleurs)
            if (((entree.Motifs[j] >> (4 * s)) & 0xF) == 14)
              constats_.Avertissement(lieu, "l'entrée " + std::to_string(e) + " demande 14 " + std::string(NomsCouleursPluriel[s]) +
                                                " " + std::string(DeJoueurs[j]) + Nom(j) + " : elle ne convient jamais.");
      }
      return;
    case tcCartesTenues: {
      const TJoueur j = chaine.Joueur();
      for (int k = 1; k <= chaine.NbCartes(); ++k) {
        const TCard carte = chaine.CarteTenue(k);
        if (!carte.EstReelle()) Erreur(lieu, "le test des cartes tenues nomme " + TexteCarte(carte) + ", qui n'est pas une carte.");
        ExigeTenue(lieu, j, carte, "test des cartes tenues");
      }
      return;
    }
    case tcRevendication: {
      Code(chaine.CodeRevendication(), lieu, true);
      const long long ns = chaine.LeveesNS(), eo = chaine.LeveesEO();
      if (ns < 0 || eo < 0 || ns + eo != 13)
        return Erreur(lieu, "la revendication donne " + std::to_string(ns) + " et " + std::to_string(eo) + " levées : il en faut 13 en tout.");
      const int niveau = donne_.Octets()[offsets::NiveauContrat];
      if (niveau >= 1 && niveau <= 7 && ns < 6 + niveau)
        constats_.Avertissement(lieu, "la revendication fait chuter le contrat (" + std::to_string(ns) + " levées sur " +
                                          std::to_string(6 + niveau) + ").");
      return;
    }
    case tcLongueur:
      for (int e = 1; e <= 4; ++e) {
        const std::int32_t nombre = Lit32Chaine(donne_, c, 18 + 12 * static_cast<std::size_t>(e - 1) + 8);
        if (nombre >= 0 && nombre <= 13) chaine.EntreeLongueur(e);  // checks the seat and the suit
      }
      return;
    case tcPartenairePrend:
      chaine.Joueur();
      chaine.Couleur();
      return;
    case tcAutomatique:
      return Automatique(c);
    case tcPool: {
      const int p = chaine.NumeroPool();
      pools_[static_cast<std::size_t>(p)] = true;
      if (OctetsNuls(donne_.Octets().subspan(offsets::Pools + TaillePool * static_cast<std::size_t>(p - 1), TaillePool)))
        Erreur(lieu, "le pool " + std::to_string(p) + " est vide.");
      if (chaine.NbLevees() < 1 || chaine.NbLevees() > 13) Erreur(lieu, "nombre de levées du pool hors des limites (1 à 13).");
      return;
    }
    case tcHasard:
    case tcGagnantLevee:
    case tcRetourDebut:
    case tcSolution:
      return;
    default:
      Erreur(lieu, "type de chaîne " + std::to_string(type) + " inconnu (1 à 12) : le jeu reviendrait à la chaîne 1.");
  }
}

void TVerificationScript::Levee(int c) {
  const TLieu lieu{glChaine, c};
  const TChaine chaine = donne_.Chaine(c);
  const TJoueur entameur = chaine.Entameur();
  for (TJoueur j : TousLesJoueurs) {
    const int place = PositionsDansLevee[entameur][j];
    if (EstDefenseur(j)) {
      for (int a = 1; a <= 3; ++a) {
        const TCarteDefense e = chaine.Defense(place, a);
        if (e.Carte.h == RangFinDeListe) break;
        const std::string role = "carte " + std::to_string(a) + " " + De(j);
        if (!(e.Carte.c == CouleurQuelconque || (e.Carte.c <= clPique && RangDefense(e.Carte.h))))
          Erreur(lieu, role + " : " + TexteCarte(e.Carte) + " n'est pas une carte de défense.");
        ExigeTenue(lieu, j, e.Carte, role);
        if (e.SiPrecedente != 0) {
          const TCard condition = e.CarteCondition;
          if (condition.c > clPique || !(condition.EstReelle() || condition.h == RangQuelconque))
            Erreur(lieu, role + " : la condition " + TexteCarte(condition) + " n'est pas une carte.");
          ExigeTenue(lieu, JoueurPrecedent(j), condition, role + " (condition sur la carte " + De(JoueurPrecedent(j)) + ")");
        } else if (e.SiDerniere != 0) {
          if (e.Carte.h != RangQuelconque)
            constats_.Avertissement(lieu, role + " : « seule » ne joue que sur une carte quelconque d'une couleur ; il est ignoré.");
          ExigeTenue(lieu, j, e.CarteDerniere, role + " (dernière carte)");
          ExigeTenue(lieu, j, e.CarteCondition, role + " (carte jouée à la place)");
        }
      }
      continue;
    }
    bool juste = false;
    for (int i = 1; i <= 8; ++i) {
      const TCarteDeclarant e = chaine.Declarant(place, i);
      const TCard carte = e.Carte;
      if (carte.h == RangFinDeListe) break;
      const std::string role = "carte " + std::to_string(i) + " " + De(j);
      Code(e.Code, lieu);
      juste = juste || e.Code == 0;
      if (carte.EstReelle()) {
        ExigeTenue(lieu, j, carte, role);
      } else if ((carte.h == RangQuelconque || carte.h == RangPlusHaute) && (carte.c <= clPique || carte.c == CouleurQuelconque)) {
      } else if (carte.h == RangGroupe && carte.c >= 1 && carte.c <= NbGroupes) {
        groupes_[carte.c].insert(j);
      } else if (carte.h == RangCompteur && carte.c >= 1 && carte.c <= NbTablesCompteurs) {
        compteurs_[carte.c] = true;
      } else if (carte.h == RangBatPartenaire) {
      } else {
        Erreur(lieu, role + " : " + TexteCarte(carte) + " n'est pas une carte que Sud ou Nord puisse jouer.");
      }
    }
    if (!juste && chaine.ChaineEquivalente() == 0)
      Erreur(lieu, Nom(j) + " n'a aucune carte juste (code 0) dans " + constats_.Chaine(c) +
                       ", qui n'a pas d'équivalente : le joueur resterait bloqué.");
  }
}

void TVerificationScript::Automatique(int c) {
  const TLieu lieu{glChaine, c};
  const TChaineAuto a = donne_.Chaine(c).Auto();
  if (a.NbLevees() < 1 || a.NbLevees() > 13) Erreur(lieu, "nombre de levées du mode automatique hors des limites (1 à 13).");
  Code(a.CodeDefaut(), lieu);
  for (int i = 1; i <= a.NbSud(); ++i) {
    const TCarteAuto e = a.ListeSud(i);
    if (!e.Carte.EstReelle()) Erreur(lieu, "exception " + std::to_string(i) + " de Sud : " + TexteCarte(e.Carte) + " n'est pas une carte.");
    ExigeTenue(lieu, jrSud, e.Carte, "exception de Sud");
    Code(e.Code, lieu);
  }
  for (int i = 1; i <= a.NbNord(); ++i) {
    const TCarteAuto e = a.ListeNord(i);
    if (!e.Carte.EstReelle()) Erreur(lieu, "exception " + std::to_string(i) + " de Nord : " + TexteCarte(e.Carte) + " n'est pas une carte.");
    ExigeTenue(lieu, jrNord, e.Carte, "exception de Nord");
    Code(e.Code, lieu);
  }
  for (T4Couleur s : ToutesLesCouleurs)
    if (a.ParCouleur(s).Permis == 0) Code(a.ParCouleur(s).Code, lieu);
}

// The trick chains an equivalence link can lead to, through the nodes.
void TVerificationScript::CyclesEquivalence() {
  std::array<std::vector<int>, NbChaines + 1> suivantes;
  for (int c = 1; c <= NbChaines; ++c) {
    if (graphe_.Vide[static_cast<std::size_t>(c)] || Lit8Chaine(donne_, c, 17) != tcLevee) continue;
    std::deque<int> aVoir{Lit32Chaine(donne_, c, 0)};
    std::set<int> vus;
    while (!aVoir.empty()) {
      const int e = aVoir.front();
      aVoir.pop_front();
      if (e < 1 || e > NbChaines || graphe_.Vide[static_cast<std::size_t>(e)] || !vus.insert(e).second) continue;
      const std::uint8_t type = Lit8Chaine(donne_, e, 17);
      if (type == tcLevee) {
        suivantes[static_cast<std::size_t>(c)].push_back(e);
      } else if (type == tcRevendication || type == tcAutomatique || type == tcPool || type == tcSolution) {
        Erreur({glChaine, c}, "l'équivalente de " + constats_.Chaine(c) + " mène à " + constats_.Chaine(e) +
                                  ", qui change de mode de jeu : ce n'est pas permis sur un lien d'équivalence.");
      } else {
        for (const TLien& lien : graphe_.Liens[static_cast<std::size_t>(e)]) aVoir.push_back(lien.Cible);
      }
    }
  }
  // Depth-first search for a cycle: the search for a card would never end.
  std::array<std::uint8_t, NbChaines + 1> etat{};  // 0 unseen, 1 on the path, 2 done
  std::vector<int> chemin;
  std::function<bool(int)> visite = [&](int c) {
    etat[static_cast<std::size_t>(c)] = 1;
    chemin.push_back(c);
    for (const int s : suivantes[static_cast<std::size_t>(c)]) {
      if (etat[static_cast<std::size_t>(s)] == 1) {
        std::string boucle;
        for (auto i = std::find(chemin.begin(), chemin.end(), s); i != chemin.end(); ++i) boucle += std::to_string(*i) + " → ";
        Erreur({glChaine, s}, "les équivalences tournent en rond (" + boucle + std::to_string(s) +
                                  ") : une carte refusée partout serait cherchée sans fin.");
        return true;
      }
      if (etat[static_cast<std::size_t>(s)] == 0 && visite(s)) return true;
    }
    chemin.pop_back();
    etat[static_cast<std::size_t>(c)] = 2;
    return false;
  };
  for (int c = 1; c <= NbChaines; ++c)
    if (etat[static_cast<std::size_t>(c)] == 0 && !suivantes[static_cast<std::size_t>(c)].empty()) {
      chemin.clear();
      if (visite(c)) return;
    }
}

void TVerificationScript::Groupes() {
  for (int g = 1; g <= NbGroupes; ++g) {
    const TLieu lieu{glGroupe, g};
    const auto octets = donne_.Octets().subspan(offsets::Groupes + 20 * static_cast<std::size_t>(g - 1), 20);
    const bool vide = std::all_of(octets.begin(), octets.end(), [](std::uint8_t o) { return o == 0; });
    const auto& joueurs = groupes_[static_cast<std::size_t>(g)];
    if (vide) {
      if (!joueurs.empty()) Erreur({glChaine, 0}, "le script utilise le groupe " + std::to_string(g) + ", qui est vide.");
      continue;
    }
    if (joueurs.empty()) constats_.Avertissement(lieu, "le groupe " + std::to_string(g) + " n'est utilisé par aucune chaîne.");
    const TGroupe groupe = donne_.Groupe(g);
    Code(groupe.Code, lieu);
    for (const TCard c : groupe.Prealables) {
      if (c.h == 0) continue;
      if (!c.EstReelle()) Erreur(lieu, "préalable " + TexteCarte(c) + " : il faut une carte précise.");
      for (TJoueur j : joueurs) ExigeTenue(lieu, j, c, "groupe " + std::to_string(g));
    }
    for (const TCard c : groupe.Acceptees) {
      if (c.h == 0) continue;
      if (!c.EstReelle() && !(c.h == RangQuelconque && c.c <= clPique)) Erreur(lieu, "carte acceptée " + TexteCarte(c) + " invalide.");
      for (TJoueur j : joueurs) ExigeTenue(lieu, j, c, "groupe " + std::to_string(g));
    }
  }
}

void TVerificationScript::Compteurs() {
  for (int t = 1; t <= NbTablesCompteurs; ++t) {
    const TLieu lieu{glCompteur, t};
    const auto octets = donne_.Octets().subspan(offsets::Compteurs + 64 * static_cast<std::size_t>(t - 1), 64);
    const bool vide = std::all_of(octets.begin(), octets.end(), [](std::uint8_t o) { return o == 0; });
    if (vide) {
      if (compteurs_[static_cast<std::size_t>(t)])
        Erreur({glChaine, 0}, "le script utilise la table de compteurs " + std::to_string(t) + ", qui est vide.");
      continue;
    }
    if (!compteurs_[static_cast<std::size_t>(t)])
      constats_.Avertissement(lieu, "la table de compteurs " + std::to_string(t) + " n'est utilisée par aucune chaîne.");
    for (T4Couleur s : ToutesLesCouleurs) {
      const TCompteur c = donne_.Compteur(t, s);
      if (c.Reste < 0) Erreur(lieu, "compteur à " + std::string(NomsCouleurs[s]) + " : reste négatif.");
      Code(c.Code, lieu);
      for (const std::uint8_t h : c.Rangs)
        if (h != 0 && h != RangQuelconque && (h < 2 || h > 14))
          Erreur(lieu, "compteur à " + std::string(NomsCouleurs[s]) + " : rang " + std::to_string(h) + " invalide.");
    }
  }
}

void TVerificationScript::EntreePool(int p, bool sud, T4Couleur s, int y) {
  const TLieu lieu{glPool, p};
  const TJoueur meneur = sud ? jrSud : jrNord;
  const TJoueur partenaire = Partenaire(meneur);
  const TPool pool = donne_.Pool(p);
  auto rangValide = [&](std::uint8_t h, TJoueur j, std::string_view role) {
    if (h == RangQuelconque) return;
    if (h < 2 || h > 14) return Erreur(lieu, std::string(role) + " : rang " + std::to_string(h) + " invalide.");
    ExigeTenue(lieu, j, TCard{h, static_cast<std::uint8_t>(s)}, role);
  };
  const std::string ou = std::string(sud ? "entame de Sud" : "entame de Nord") + " à " + std::string(NomsCouleurs[s]);
  const TPoolCarte entame = pool.Entame(sud, s, y);
  if (entame.Rang() != 0) {
    rangValide(entame.Rang(), meneur, ou);
    for (int z = 1; z <= entame.NbConditions(); ++z) {
      const TConditionPool c = entame.Condition(z);
      Code(c.Code, lieu);
      const bool maitresse = c.Carte.h == RangPlusHaute && c.Carte.c <= clPique;
      if (!maitresse && !((c.Genre == 1 || c.Genre == 2) && c.Carte.EstReelle()))
        Erreur(lieu, ou + ", condition " + std::to_string(z) + " invalide.");
    }
    for (int k = 1; k <= entame.NbSuites(); ++k) {
      Code(entame.Suite(k).Code, lieu);
      rangValide(entame.Suite(k).Rang, partenaire, ou + ", suite");
    }
    for (int k = 1; k <= entame.NbDefausses(); ++k) {
      const TDefaussePool d = entame.Defausse(k);
      Code(d.Code, lieu);
      const bool couleur = d.Couleur <= clPique || d.Couleur == CouleurQuelconque;
      const bool rang = d.Rang == RangQuelconque || d.Rang == RangPlusHaute || (d.Rang >= 2 && d.Rang <= 14);
      if (!couleur || !rang) Erreur(lieu, ou + ", défausse " + std::to_string(k) + " invalide.");
      else if (d.Couleur <= clPique && d.Rang <= 14)
        ExigeTenue(lieu, partenaire, TCard{d.Rang, d.Couleur}, ou + ", défausse");
    }
  } else if (!entame.EstVide()) {
    constats_.Avertissement(lieu, ou + ", entrée " + std::to_string(y) + " : données sans rang d'entame, jamais lues.");
  }
  const TPoolAutre autre = pool.Autre(sud, s, y);
  if (autre.Rang() != 0) {
    rangValide(autre.Rang(), meneur, "mauvaise " + ou);
    Code(autre.Code(), lieu);
  }
  for (int j = 1; j <= autre.NbSuites(); ++j) {
    Code(autre.Suite(j).Code, lieu);
    rangValide(autre.Suite(j).Rang, partenaire, ou + ", autre suite");
  }
}

void TVerificationScript::Pools() {
  for (int p = 1; p <= NbPools; ++p) {
    if (OctetsNuls(donne_.Octets().subspan(offsets::Pools + TaillePool * static_cast<std::size_t>(p - 1), TaillePool)))
      continue;
    if (!pools_[static_cast<std::size_t>(p)])
      constats_.Avertissement({glPool, p}, "le pool " + std::to_string(p) + " n'est utilisé par aucune chaîne.");
    for (const bool sud : {true, false})
      for (T4Couleur s : ToutesLesCouleurs)
        for (int y = 1; y <= 8; ++y) {
          try {
            EntreePool(p, sud, s, y);
          } catch (const ErreurDonnee& e) {
            Erreur({glPool, p}, e.what());
          }
        }
  }
}

}  // namespace

void VerifieScript(const TDonne& donne, const TGrapheScript& graphe, TConstats& constats, TCodesUtilises& codes) {
  TVerificationScript verification(donne, graphe, constats, codes);
  verification.Verifie();
}

}  // namespace kalvo::redaction
