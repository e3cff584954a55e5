#include "tools/authoring/Compilateur.h"

#include "model/Brouillage.h"
#include "model/Commentaires.h"
#include "model/ErreurDonnee.h"
#include "model/Windows1252.h"
#include "tools/authoring/Balisage.h"
#include "tools/authoring/GrapheScript.h"
#include "tools/authoring/LignePrincipale.h"

#include <algorithm>
#include <set>

namespace kalvo::redaction {

int TLieuxSource::Ligne(const TLieu& lieu) const {
  if (const auto i = Lignes.find({lieu.Genre, lieu.Indice}); i != Lignes.end()) return i->second;
  if (const auto i = Lignes.find({lieu.Genre, 0}); i != Lignes.end()) return i->second;
  return LigneParDefaut;
}

namespace {

// Numbers of a table's entries (chains, groups, counters, pools): a label
// that is a number keeps it, the names take the lowest numbers left, in the
// order they are written.
struct TEtiquetee {
  std::string Etiquette;
  int Ligne = 0;
};

class TConstructeur {
 public:
  TConstructeur(const TSourceDonne& source, TDiagnostics& diagnostics, const TOptionsConstruction& options)
      : source_(source), diagnostics_(diagnostics), options_(options) {
    donne_.Fichier = source.Fichier;
  }

  std::optional<TDonneCompilee> Construit();

 private:
  void Erreur(int ligne, std::string message) {
    diagnostics_.Erreur(source_.Fichier, ligne, std::move(message));
    ++erreurs_;
  }
  void Lieu(TGenreLieu genre, int indice, int ligne) {
    if (ligne > 0) donne_.Lieux.Lignes.emplace(std::pair{genre, indice}, ligne);
  }
  TDonne& D() { return donne_.Donne; }

  void EnTete();
  void Mains();
  void Encheres();
  void Alertes();
  void Commentaires();
  void Texte(const std::optional<TTexteSource>& texte, std::size_t budget, bool point);
  bool Numerote(const std::vector<TEtiquetee>& entrees, int max, std::string_view quoi,
                std::map<std::string, int>& numeros);
  void Tables();
  void Chaines();
  void Chaine(const TChaineSource& source, TChaineModifiable chaine);
  void Levee(const TChaineSource& source, TChaineModifiable chaine);
  void Entrees(const TChaineSource& source, TChaineModifiable chaine);
  void Automatique(const TChaineSource& source, TChaineAutoModifiable automatique);
  std::int32_t Renvoi(const TRenvoi& renvoi);
  TCard CarteNommee(const TCarteNommee& carte);
  void Jeu();
  void Questions();
  void Patchs();

  const TSourceDonne& source_;
  TDiagnostics& diagnostics_;
  const TOptionsConstruction& options_;
  TDonneCompilee donne_;
  int erreurs_ = 0;
  std::map<std::string, int> chaines_, groupes_, compteurs_, pools_;
};

std::optional<TDonneCompilee> TConstructeur::Construit() {
  donne_.Ordre = source_.Ordre;
  donne_.Collection = source_.Collection;
  donne_.Lieux.LigneParDefaut = source_.Mains ? source_.Mains->Ligne : 1;
  EnTete();
  Mains();
  Encheres();
  Alertes();
  Commentaires();
  Texte(source_.Point, TailleMaxPoint, true);
  Texte(source_.Resume, TailleMaxResume, false);
  Tables();
  Chaines();
  Questions();
  if (erreurs_ > 0) return std::nullopt;
  Jeu();
  Patchs();
  if (erreurs_ > 0) return std::nullopt;
  return std::move(donne_);
}

void TConstructeur::EnTete() {
  auto requis = [&](bool present, std::string_view quoi) {
    if (!present) Erreur(source_.DerniereLigne, "il manque " + std::string(quoi) + ".");
    return present;
  };
  if (requis(source_.Theme.has_value(), "le thème (« theme N »)")) {
    D().SetTheme(source_.Theme->Valeur);
    Lieu(glDonne, 0, source_.Theme->Ligne);
  }
  if (requis(source_.Force.has_value(), "la force (« force 1 » à « force 4 »)")) D().SetForce(source_.Force->Valeur);
  if (requis(source_.Donneur.has_value(), "le donneur (« donneur Sud »)")) D().SetDonneur(source_.Donneur->Valeur);
  D().SetVulnerabilite(source_.Vulnerabilite ? source_.Vulnerabilite->Valeur : vlnPersonne);
}

void TConstructeur::Mains() {
  if (!source_.Mains) return Erreur(source_.DerniereLigne, "il manque les mains (« mains S:... »).");
  Lieu(glMains, 0, source_.Mains->Ligne);
  static constexpr std::array<T4Couleur, 4> parDefaut{clPique, clCoeur, clCarreau, clTrefle};
  for (TJoueur j : TousLesJoueurs) {
    const auto& ordre = source_.Rangements[j] ? *source_.Rangements[j] : parDefaut;
    int position = 0;
    for (const T4Couleur s : ordre)
      for (const std::uint8_t h : source_.Mains->Valeur[j][s])
        D().SetCarteMain(j, ++position, TCard{h, static_cast<std::uint8_t>(s)});
  }
}

void TConstructeur::Encheres() {
  const int ligne = source_.LigneEncheres > 0 ? source_.LigneEncheres : source_.DerniereLigne;
  Lieu(glEncheres, 0, ligne);
  // An alert the auction calls without its "alerte" line is found there.
  Lieu(glAlerte, 0, ligne);
  Lieu(glContrat, 0, source_.Contrat ? source_.Contrat->Ligne : ligne);
  const std::vector<TEnchere>& appels = source_.Appels;
  auto estPasse = [](const TEnchere& e) { return e.Niveau == 0 && e.Couleur == 1; };
  if (appels.size() < 4 || !std::all_of(appels.end() - 3, appels.end(), estPasse))
    return Erreur(ligne, "l'enchère (« encheres ... ») doit finir par trois passes.");
  const std::size_t nb = appels.size() - 3;
  TJoueur joueur = D().Donneur();
  int tour = 1;
  std::optional<TEnchere> derniere;
  for (std::size_t i = 0; i < nb; ++i) {
    if (tour > NbLignesEncheres) return Erreur(ligne, "l'enchère dépasse sept tours.");
    D().SetEnchere(tour, joueur, appels[i]);
    if (appels[i].Niveau >= 1) derniere = appels[i];
    joueur = JoueurSuivant(joueur);
    if (joueur == jrSud) ++tour;
  }
  // A full table has no room for the end marker: its last entry ends the auction.
  if (tour <= NbLignesEncheres) D().SetEnchere(tour, joueur, TEnchere{NiveauFinEncheres, 0, 0});
  const std::optional<TEnchere> contrat = source_.Contrat ? std::optional(source_.Contrat->Valeur) : derniere;
  if (!contrat) return Erreur(ligne, "pas de contrat : l'enchère n'a aucune enchère.");
  D().SetNiveauContrat(contrat->Niveau);
  D().SetAtout(contrat->Couleur);
}

void TConstructeur::Alertes() {
  for (int n = 1; n <= NbAlertes; ++n) {
    const auto& alerte = source_.Alertes[static_cast<std::size_t>(n - 1)];
    if (!alerte) continue;
    D().SetAlerte(n, Utf8VersWindows1252(alerte->Valeur));
    Lieu(glAlerte, n, alerte->Ligne);
  }
}

void TConstructeur::Commentaires() {
  std::vector<std::pair<int, std::string>> lignes;
  std::size_t taille = 0;
  if (!source_.Commentaires.empty()) Lieu(glCommentaire, 0, source_.Commentaires.front().Ligne);
  for (const TCommentaireSource& c : source_.Commentaires) {
    taille += 4 + Utf8VersWindows1252(c.Texte).size();
    if (taille > LgMaxCommentaires)
      return Erreur(c.Ligne, "les commentaires dépassent leur place (" + std::to_string(LgMaxCommentaires) + " octets en tout).");
    lignes.emplace_back(c.Numero, c.Texte);
    Lieu(glCommentaire, c.Numero, c.Ligne);
  }
  D().SetCommentaires(BrouilleTexte(ComposeCommentaires(lignes)));
  for (int n = 1; n <= NbCommentaires; ++n)
    if (const auto& penalite = source_.Penalites[static_cast<std::size_t>(n - 1)]) {
      D().SetPenalite(n, penalite->Valeur);
      Lieu(glCommentaire, n, penalite->Ligne);
    }
}

void TConstructeur::Texte(const std::optional<TTexteSource>& texte, std::size_t budget, bool point) {
  if (!texte) return;
  Lieu(point ? glPoint : glResume, 0, texte->Ligne);
  const TResultatBalisage rtf = BalisageVersRtf(texte->Texte, budget, texte->PremiereLigne);
  for (const TDiagnosticBalisage& d : rtf.Erreurs) {
    std::string message = d.Message;
    if (const std::size_t p = message.find(" : "); message.starts_with("Ligne ") && p != std::string::npos)
      message.erase(0, p + 3);
    Erreur(d.Ligne, (point ? "« Le point » : " : "résumé : ") + message + ".");
  }
  if (!rtf.Reussi()) return;
  const std::string brouille = BrouilleTexte(rtf.Rtf);
  if (point) D().SetTextePoint(brouille);
  else D().SetTexteResume(brouille);
}

bool TConstructeur::Numerote(const std::vector<TEtiquetee>& entrees, int max, std::string_view quoi,
                             std::map<std::string, int>& numeros) {
  std::set<int> pris;
  const int avant = erreurs_;
  for (const TEtiquetee& e : entrees) {
    const auto n = LitNombre(e.Etiquette);
    if (!n) continue;
    if (*n < 1 || *n > max) {
      Erreur(e.Ligne, std::string(quoi) + " numéro " + e.Etiquette + " hors des limites (1 à " + std::to_string(max) + ").");
    } else if (!pris.insert(static_cast<int>(*n)).second) {
      Erreur(e.Ligne, std::string(quoi) + " " + e.Etiquette + " définie deux fois.");
    } else {
      numeros[e.Etiquette] = static_cast<int>(*n);
    }
  }
  int libre = 1;
  for (const TEtiquetee& e : entrees) {
    if (LitNombre(e.Etiquette)) continue;
    if (numeros.contains(e.Etiquette)) {
      Erreur(e.Ligne, std::string(quoi) + " " + Guillemets(e.Etiquette) + " définie deux fois.");
      continue;
    }
    while (pris.contains(libre)) ++libre;
    if (libre > max) {
      Erreur(e.Ligne, "trop de " + std::string(quoi) + "s : " + std::to_string(max) + " au plus.");
      break;
    }
    pris.insert(libre);
    numeros[e.Etiquette] = libre;
  }
  return erreurs_ == avant;
}

void TConstructeur::Tables() {
  std::vector<TEtiquetee> groupes, compteurs, pools;
  for (const auto& g : source_.Groupes) groupes.push_back({g.Etiquette, g.Ligne});
  for (const auto& c : source_.Compteurs) compteurs.push_back({c.Etiquette, c.Ligne});
  for (const auto& p : source_.Pools) pools.push_back({p.Etiquette, p.Ligne});
  if (Numerote(groupes, NbGroupes, "groupe", groupes_))
    for (const auto& g : source_.Groupes) {
      D().SetGroupe(groupes_[g.Etiquette], g.Valeur);
      Lieu(glGroupe, groupes_[g.Etiquette], g.Ligne);
    }
  if (Numerote(compteurs, NbTablesCompteurs, "table de compteurs", compteurs_))
    for (const auto& c : source_.Compteurs) {
      for (T4Couleur s : ToutesLesCouleurs) D().SetCompteur(compteurs_[c.Etiquette], s, c.ParCouleur[s]);
      Lieu(glCompteur, compteurs_[c.Etiquette], c.Ligne);
    }
  if (!Numerote(pools, NbPools, "pool", pools_)) return;
  for (const TPoolSource& p : source_.Pools) {
    const int numero = pools_[p.Etiquette];
    Lieu(glPool, numero, p.Ligne);
    for (const TRaisonSource& r : p.Raisons) {
      donne_.Raisons.push_back({0, true, numero, r.Code, r.Texte});
      donne_.LignesRaisons.push_back(r.Ligne);
    }
    const TPoolModifiable pool = D().Pool(numero);
    std::map<std::pair<bool, int>, int> entrees, mauvaises;  // (South, suit) -> entries used
    for (const TEntamePool& e : p.Entames) {
      int& y = entrees[{e.Sud, e.Couleur}];
      if (++y > 8) {
        Erreur(e.Ligne, "huit entames au plus par main et par couleur.");
        return;
      }
      const auto entame = pool.Entame(e.Sud, e.Couleur, y);
      entame.SetRang(e.Rang);
      entame.SetNbConditions(static_cast<std::uint8_t>(e.Conditions.size()));
      entame.SetNbSuites(static_cast<std::uint16_t>(e.Suites.size()));
      entame.SetNbDefausses(static_cast<std::uint16_t>(e.Defausses.size()));
      for (std::size_t k = 0; k < e.Conditions.size(); ++k) entame.SetCondition(static_cast<int>(k) + 1, e.Conditions[k]);
      for (std::size_t k = 0; k < e.Suites.size(); ++k) entame.SetSuite(static_cast<int>(k) + 1, e.Suites[k]);
      for (std::size_t k = 0; k < e.Defausses.size(); ++k) entame.SetDefausse(static_cast<int>(k) + 1, e.Defausses[k]);
      const auto autre = pool.Autre(e.Sud, e.Couleur, y);
      autre.SetNbSuites(static_cast<std::uint8_t>(e.AutresSuites.size()));
      for (std::size_t k = 0; k < e.AutresSuites.size(); ++k) autre.SetSuite(static_cast<int>(k) + 1, e.AutresSuites[k]);
    }
    for (const TMauvaiseEntame& m : p.Mauvaises) {
      int& y = mauvaises[{m.Sud, m.Couleur}];
      if (++y > 8) {
        Erreur(m.Ligne, "huit mauvaises entames au plus par main et par couleur.");
        return;
      }
      const auto autre = pool.Autre(m.Sud, m.Couleur, y);
      autre.SetRang(m.Rang);
      autre.SetCode(m.Code);
    }
  }
}

std::int32_t TConstructeur::Renvoi(const TRenvoi& renvoi) {
  switch (renvoi.Genre) {
    case TRenvoi::rvAucun: return 0;
    case TRenvoi::rvStop: return -1;
    case TRenvoi::rvEtiquette: break;
  }
  if (const auto i = chaines_.find(renvoi.Etiquette); i != chaines_.end()) return i->second;
  if (const auto n = LitNombre(renvoi.Etiquette); n && *n >= 1 && *n <= NbChaines) return static_cast<std::int32_t>(*n);
  Erreur(renvoi.Ligne, "chaîne " + Guillemets(renvoi.Etiquette) + " inconnue.");
  return 0;
}

TCard TConstructeur::CarteNommee(const TCarteNommee& carte) {
  TCard c = carte.Carte.Carte;
  if (carte.Carte.Table.empty()) return c;
  const bool groupe = c.h == RangGroupe;
  const auto& numeros = groupe ? groupes_ : compteurs_;
  const int max = groupe ? NbGroupes : NbTablesCompteurs;
  if (const auto i = numeros.find(carte.Carte.Table); i != numeros.end()) {
    c.c = static_cast<std::uint8_t>(i->second);
  } else if (const auto n = LitNombre(carte.Carte.Table); n && *n >= 1 && *n <= max) {
    c.c = static_cast<std::uint8_t>(*n);
  } else {
    Erreur(carte.Ligne, std::string(groupe ? "groupe " : "table de compteurs ") + Guillemets(carte.Carte.Table) + " inconnu(e).");
  }
  return c;
}

void TConstructeur::Chaines() {
  if (source_.Chaines.empty()) return Erreur(source_.DerniereLigne, "le script n'a aucune chaîne.");
  std::vector<TEtiquetee> etiquettes;
  for (const auto& c : source_.Chaines) etiquettes.push_back({c.Etiquette, c.Ligne});
  if (!Numerote(etiquettes, NbChaines, "chaîne", chaines_)) return;
  Lieu(glChaine, 0, source_.Chaines.front().Ligne);
  if (chaines_[source_.Chaines.front().Etiquette] != 1)
    return Erreur(source_.Chaines.front().Ligne, "la première chaîne du fichier est la chaîne 1 (la première levée).");
  donne_.NomsChaines.assign(NbChaines + 1, std::string());
  for (const TChaineSource& c : source_.Chaines) {
    const int numero = chaines_[c.Etiquette];
    if (!LitNombre(c.Etiquette)) donne_.NomsChaines[static_cast<std::size_t>(numero)] = c.Etiquette;
    Lieu(glChaine, numero, c.Ligne);
    if (c.NumeroLevee) donne_.LeveesAnnoncees.push_back({numero, *c.NumeroLevee, c.Ligne});
    Chaine(c, D().Chaine(numero));
    for (const TRaisonSource& r : c.Raisons) {
      donne_.Raisons.push_back({0, false, numero, r.Code, r.Texte});
      donne_.LignesRaisons.push_back(r.Ligne);
    }
  }
}

void TConstructeur::Chaine(const TChaineSource& c, TChaineModifiable chaine) {
  chaine.SetTypeChaine(c.Type);
  switch (c.Type) {
    case tcLevee:
      return Levee(c, chaine);
    case tcDistribution:
    case tcLongueur:
      return Entrees(c, chaine);
    case tcCartesTenues:
      chaine.SetJoueur(c.Joueur);
      chaine.SetNbCartes(static_cast<std::int32_t>(c.Cartes.size()));
      for (std::size_t i = 0; i < c.Cartes.size(); ++i) chaine.SetCarteTenue(static_cast<int>(i) + 1, c.Cartes[i]);
      [[fallthrough]];
    case tcHasard:
    case tcGagnantLevee:
      chaine.SetChaineA(Renvoi(c.A));
      chaine.SetChaineB(Renvoi(c.B));
      break;
    case tcPartenairePrend:
      chaine.SetChaineA(Renvoi(c.A));
      chaine.SetChaineB(Renvoi(c.B));
      chaine.SetJoueur(c.Joueur);
      chaine.SetCouleur(c.Couleur);
      break;
    case tcRevendication:
      chaine.SetCodeRevendication(c.CodeRevendication);
      chaine.SetLeveesNS(c.LeveesNS);
      chaine.SetLeveesEO(c.LeveesEO);
      break;
    case tcAutomatique:
      return Automatique(c, chaine.Auto());
    case tcPool: {
      chaine.SetSuiteSiSud(Renvoi(c.A));
      chaine.SetSuiteSinon(Renvoi(c.B));
      chaine.SetNbLevees(c.NbLevees);
      int numero = 0;
      if (const auto i = pools_.find(c.Pool); i != pools_.end()) numero = i->second;
      else if (const auto n = LitNombre(c.Pool); n && *n >= 1 && *n <= NbPools) numero = static_cast<int>(*n);
      else Erreur(c.Ligne, "pool " + Guillemets(c.Pool) + " inconnu.");
      chaine.SetNumeroPool(numero);
      break;
    }
    case tcRetourDebut:
    case tcSolution:
      break;
  }
}

void TConstructeur::Levee(const TChaineSource& c, TChaineModifiable chaine) {
  chaine.SetEntameur(c.Entameur);
  chaine.SetChaineSuivante(Renvoi(c.Suivante));
  chaine.SetChaineEquivalente(Renvoi(c.Equivalente));
  for (TJoueur j : TousLesJoueurs) {
    const int place = PositionsDansLevee[c.Entameur][j];
    for (std::size_t i = 0; i < c.Defense[j].size(); ++i) chaine.SetDefense(place, static_cast<int>(i) + 1, c.Defense[j][i]);
    for (std::size_t i = 0; i < c.Declarant[j].size(); ++i)
      chaine.SetDeclarant(place, static_cast<int>(i) + 1, TCarteDeclarant{CarteNommee(c.Declarant[j][i]), c.Declarant[j][i].Code});
  }
}

void TConstructeur::Entrees(const TChaineSource& c, TChaineModifiable chaine) {
  for (int e = 1; e <= 4; ++e) {
    const bool utilisee = static_cast<std::size_t>(e) <= c.Entrees.size();
    const TEntreeSource* s = utilisee ? &c.Entrees[static_cast<std::size_t>(e - 1)] : nullptr;
    // An unused entry can never match: a distribution test stops at it,
    // a suit-length test asks for a length no hand has.
    if (c.Type == tcDistribution) {
      chaine.SetEntreeDistribution(e, s ? TEntreeDistribution{Renvoi(s->Suite), s->Motifs}
                                        : TEntreeDistribution{-1, {0xEEEE, 0xEEEE, 0xEEEE, 0xEEEE}});
    } else {
      chaine.SetEntreeLongueur(e, s ? TEntreeLongueur{Renvoi(s->Suite), s->Joueur, s->Couleur, s->Nombre}
                                    : TEntreeLongueur{-1, jrSud, clTrefle, -1});
    }
  }
}

void TConstructeur::Automatique(const TChaineSource& c, TChaineAutoModifiable a) {
  a.SetSuiteSiSud(Renvoi(c.A));
  a.SetSuiteSinon(Renvoi(c.B));
  a.SetNbLevees(c.NbLevees);
  a.SetCodeDefaut(c.CodeDefaut);
  a.SetNbSud(static_cast<std::int32_t>(c.ListeSud.size()));
  a.SetNbNord(static_cast<std::int32_t>(c.ListeNord.size()));
  for (std::size_t i = 0; i < c.ListeSud.size(); ++i) a.SetListeSud(static_cast<int>(i) + 1, c.ListeSud[i]);
  for (std::size_t i = 0; i < c.ListeNord.size(); ++i) a.SetListeNord(static_cast<int>(i) + 1, c.ListeNord[i]);
  for (T4Couleur s : ToutesLesCouleurs) a.SetParCouleur(s, c.ParCouleur[s]);
}

void TConstructeur::Jeu() {
  for (std::size_t t = 0; t < source_.Jeu.size(); ++t) Lieu(glJeu, static_cast<int>(t) + 1, source_.Jeu[t].Ligne);
  if (source_.JeuAbsent) return Lieu(glJeu, 0, source_.LigneJeuAucun);
  if (!source_.Jeu.empty()) {
    Lieu(glJeu, 0, source_.Jeu.front().Ligne);
    if (source_.Jeu.size() != NbLeveesJeuComplet)
      return Erreur(source_.Jeu.back().Ligne, "le jeu complet a douze levées (ou aucune, pour le déduire du script).");
    for (int t = 1; t <= NbLeveesJeuComplet; ++t)
      for (int i = 1; i <= 4; ++i) D().SetJeuComplet(t, i, source_.Jeu[static_cast<std::size_t>(t - 1)].Valeur[static_cast<std::size_t>(i - 1)]);
    return;
  }
  // Derived: its faults are those of the script's main line, from chain 1.
  Lieu(glJeu, 0, donne_.Lieux.Ligne({glChaine, 1}));
  donne_.JeuDeduit = true;
  donne_.JeuCompletInconnu = true;
  if (!options_.DeduitJeu || !MainsJouables(D())) return;
  try {
    const TJeuDeduit jeu = DeduitJeuComplet(D());
    if (jeu.Erreur && jeu.Erreur->Lieu.Genre == glJeu) Erreur(donne_.Lieux.Ligne(jeu.Erreur->Lieu), jeu.Erreur->Message);
    if (!jeu.Cartes) return;
    for (std::size_t k = 0; k < jeu.Cartes->size(); ++k)
      D().SetJeuComplet(static_cast<int>(k / 4) + 1, static_cast<int>(k % 4) + 1, (*jeu.Cartes)[k]);
    donne_.JeuCompletInconnu = false;
  } catch (const ErreurDonnee&) {
    // The checks say what is wrong with the script.
  }
}

void TConstructeur::Questions() {
  donne_.Questions.SetNbQuestions(static_cast<std::uint16_t>(source_.Questions.size()));
  if (!source_.Questions.empty()) Lieu(glQuestion, 0, source_.Questions.front().Ligne);
  for (std::size_t q = 0; q < source_.Questions.size(); ++q) {
    donne_.Questions.SetQuestion(static_cast<int>(q) + 1, source_.Questions[q].Valeur);
    Lieu(glQuestion, static_cast<int>(q) + 1, source_.Questions[q].Ligne);
  }
}

void TConstructeur::Patchs() {
  for (const TPatch& p : source_.PatchsDonne)
    std::copy(p.Octets.begin(), p.Octets.end(), D().Octets().begin() + static_cast<std::ptrdiff_t>(p.Decalage));
  for (const TPatch& p : source_.PatchsQuestions)
    std::copy(p.Octets.begin(), p.Octets.end(), donne_.Questions.Octets().begin() + static_cast<std::ptrdiff_t>(p.Decalage));
}

}  // namespace

std::optional<TDonneCompilee> ConstruitDonne(const TSourceDonne& source, TDiagnostics& diagnostics,
                                             const TOptionsConstruction& options) {
  return TConstructeur(source, diagnostics, options).Construit();
}

namespace {

// Each reason names a refusal of its place, and the comment says it.
void VerifieRaisonsSource(const TDonneCompilee& donne, TDiagnostics& diagnostics) {
  if (donne.Raisons.empty()) return;
  const TCommentairesLus commentaires = LitCommentaires(donne.Donne);
  for (std::size_t k = 0; k < donne.Raisons.size(); ++k)
    for (const std::string& faute : VerifieRaisons(donne.Donne, commentaires.Comment, {donne.Raisons[k]}))
      diagnostics.Erreur(donne.Fichier, donne.LignesRaisons[k], faute);
}

// "levee N" written on a chain is a promise about the script's walk.
void VerifieLeveesAnnoncees(const TDonneCompilee& donne, TDiagnostics& diagnostics) {
  if (donne.LeveesAnnoncees.empty()) return;
  const TGrapheScript graphe = AnalyseGraphe(donne.Donne);
  for (const auto& a : donne.LeveesAnnoncees) {
    const std::set<int>& levees = graphe.Levees[static_cast<std::size_t>(a.Chaine)];
    if (levees.contains(a.Levee)) continue;
    std::string atteintes;
    for (const int t : levees) atteintes += (atteintes.empty() ? "" : ", ") + std::to_string(t);
    diagnostics.Erreur(donne.Fichier, a.Ligne,
                       "la chaîne est annoncée à la levée " + std::to_string(a.Levee) + ", mais le script " +
                           (atteintes.empty() ? std::string("n'y arrive jamais") : "y arrive à la levée " + atteintes) + ".");
  }
}

}  // namespace

void RapporteConstats(const TResultatVerification& resultat, const TDonneCompilee& donne, TDiagnostics& diagnostics) {
  for (const TConstat& c : resultat.Constats)
    diagnostics.Ajoute({c.Gravite, donne.Fichier, donne.Lieux.Ligne(c.Lieu), c.Message});
}

std::optional<TDonneCompilee> CompileDonne(std::string_view texte, const std::string& fichier,
                                           TDiagnostics& diagnostics, bool doubleMort) {
  TDiagnostics lecture;
  const TSourceDonne source = AnalyseSource(texte, fichier, lecture);
  diagnostics.Ajoute(lecture);
  if (lecture.AErreurs()) return std::nullopt;
  auto donne = ConstruitDonne(source, diagnostics);
  if (!donne) return std::nullopt;
  TOptionsVerification options;
  options.DoubleMort = doubleMort;
  options.NomsChaines = donne->NomsChaines;
  options.JeuCompletInconnu = donne->JeuCompletInconnu;
  const TResultatVerification resultat = VerifieDonne(donne->Donne, &donne->Questions, options);
  RapporteConstats(resultat, *donne, diagnostics);
  VerifieLeveesAnnoncees(*donne, diagnostics);
  VerifieRaisonsSource(*donne, diagnostics);
  donne->DoubleMort = resultat.DoubleMort;
  return donne;
}

}  // namespace kalvo::redaction
