#include "tools/authoring/Decompilateur.h"

#include "model/Brouillage.h"
#include "model/NotationMains.h"
#include "model/Windows1252.h"
#include "tools/authoring/Balisage.h"
#include "tools/authoring/Compilateur.h"
#include "tools/authoring/GrapheScript.h"
#include "tools/authoring/Lexique.h"

#include <algorithm>
#include <cstdio>
#include <sstream>

namespace kalvo::redaction {

namespace {

using TTexte = std::ostringstream;

std::optional<std::string> Renvoi(std::int32_t c, bool stopPermis = false) {
  if (c >= 1 && c <= NbChaines) return std::to_string(c);
  if (c == 0) return std::string("aucune");
  if (c == -1 && stopPermis) return std::string("stop");
  return std::nullopt;
}

// Renvoi, or "aucune" for what no word stands for (the bytes are restored).
std::string RenvoiOuDefaut(std::int32_t c, bool stopPermis = false) { return Renvoi(c, stopPermis).value_or("aucune"); }

std::string Joueur(std::uint8_t j) { return std::string(MotJoueur(static_cast<TJoueur>(j <= jrEst ? j : 0))); }
std::string Couleur(std::uint8_t s) { return std::string(1, LettreCouleur(static_cast<T4Couleur>(s <= clPique ? s : 0))); }

// "=N" after a card, nothing for code 0.
std::string Code(int code) { return code == 0 ? std::string() : "=" + std::to_string(code); }

// A defender's card as the source writes it, when it is one.
std::optional<std::string> CarteDefense(TCard carte) {
  const bool rang = (carte.h >= 2 && carte.h <= 14) || carte.h == RangQuelconque || carte.h == RangPlusHaute ||
                    carte.h == RangBatCampDeclarant || carte.h == RangBasDeSequence;
  if (!rang || !(carte.c <= clPique || carte.c == CouleurQuelconque)) return std::nullopt;
  return EcritCarteScript(carte);
}

// A Windows-1252 text that reads back the same once written in UTF-8 on
// one line, without blanks at its ends.
std::optional<std::string> TexteFidele(std::string_view octets) {
  const std::string utf8 = Windows1252VersUtf8(octets);
  if (Utf8VersWindows1252(utf8) != octets) return std::nullopt;
  for (const char c : octets)
    if (static_cast<unsigned char>(c) < 32) return std::nullopt;
  if (!octets.empty() && (octets.front() == ' ' || octets.back() == ' ')) return std::nullopt;
  return utf8;
}

class TDecompilateur {
 public:
  TDecompilateur(const TDonne& donne, const TQuestionsDonne* questions, const TOptionsDecompilation& options)
      : donne_(donne), questions_(questions), options_(options), graphe_(AnalyseGraphe(donne)) {}

  std::string Lisible();

 private:
  const std::uint8_t* O() const { return donne_.Octets().data(); }
  void EnTete();
  void Mains();
  void Encheres();
  void Textes();
  void Commentaires();
  void Bloc(std::string_view nom, std::string_view brouille, std::int32_t lg, std::size_t budget);
  void Groupes();
  void Compteurs();
  void Pools();
  void EntreePool(bool sud, T4Couleur s, int y, const TPool& pool);
  void Chaines();
  void RaisonsDuLieu(bool pool, int numero);
  void Chaine(int c);
  void Levee(int c);
  void Entrees(int c, bool distribution);
  void Automatique(int c);
  void Jeu();
  void Questions();

  const TDonne& donne_;
  const TQuestionsDonne* questions_;
  const TOptionsDecompilation& options_;
  TGrapheScript graphe_;
  TTexte t_;
};

std::string TDecompilateur::Lisible() {
  if (!options_.Origine.empty()) t_ << "# " << options_.Origine << "\n";
  EnTete();
  Mains();
  Encheres();
  Commentaires();
  Textes();
  Groupes();
  Compteurs();
  Pools();
  Chaines();
  Jeu();
  Questions();
  return t_.str();
}

void TDecompilateur::EnTete() {
  if (options_.Ordre > 0) t_ << "ordre " << options_.Ordre << "\n";
  if (options_.Collection > 0) t_ << "collection " << options_.Collection << "\n";
  const std::int32_t theme = donne_.ThemeBrut();
  if (theme >= 0 && theme < NbThemes) t_ << "theme " << theme << "   # " << NomsThemes[static_cast<std::size_t>(theme)] << "\n";
  else t_ << "theme 0\n";
  const std::int32_t force = donne_.ForceBrute();
  t_ << "force " << (force >= 1 && force <= 4 ? force : 1) << "\n";
  t_ << "donneur " << Joueur(O()[offsets::Donneur]) << "\n";
  t_ << "vulnerabilite " << MotsVulnerabilite[O()[offsets::Vulnerabilite] & 3] << "\n";
  const std::uint8_t niveau = O()[offsets::NiveauContrat], atout = O()[offsets::Atout];
  if (niveau >= 1 && niveau <= 7 && atout <= clSA) t_ << "contrat " << EcritContrat(niveau, static_cast<TCouleur>(atout)) << "\n";
  else t_ << "contrat 1T\n";
}

void TDecompilateur::Mains() {
  TRangsDonne rangs;
  std::array<std::string, 4> ordres;
  bool valides = true;
  for (TJoueur j : TousLesJoueurs)
    for (int i = 1; i <= 13; ++i) {
      const TCard c = donne_.CarteMain(j, i);
      if (!c.EstReelle()) {
        valides = false;
        continue;
      }
      rangs[j][c.c].push_back(c.h);
      const char lettre = LettreCouleur(c.Couleur());
      if (ordres[j].find(lettre) == std::string::npos) ordres[j] += lettre;
    }
  if (!valides) {
    // Any four hands of thirteen cards: the bytes are restored.
    t_ << "mains S:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432\n";
    return;
  }
  t_ << "mains " << EcritDonnePbn(rangs) << "\n";
  for (TJoueur j : TousLesJoueurs) {
    std::string ordre = ordres[j];
    for (const char lettre : std::string_view("SHDC"))
      if (ordre.find(lettre) == std::string::npos) ordre += lettre;
    if (ordre != "SHDC") t_ << "rangement " << Joueur(j) << " " << ordre << "\n";
  }
}

void TDecompilateur::Encheres() {
  std::string appels;
  bool valides = O()[offsets::Donneur] <= jrEst;
  if (valides) {
    TJoueur joueur = donne_.Donneur();
    for (int tour = 1; tour <= NbLignesEncheres;) {
      const TEnchere e = donne_.Enchere(tour, joueur);
      if (e.Niveau == NiveauFinEncheres) break;
      const auto texte = EcritAppel(e);
      if (!texte) valides = false;
      else appels += *texte + " ";
      joueur = JoueurSuivant(joueur);
      if (joueur == jrSud) ++tour;
    }
  }
  if (!valides || appels.empty()) appels = "1T ";
  t_ << "encheres " << appels << "passe passe passe\n";
  for (int n = 1; n <= NbAlertes; ++n) {
    if (donne_.LgAlerte(n) == 0 || donne_.LgAlerte(n) > LgMaxAlerte) continue;
    if (const auto texte = TexteFidele(donne_.Alerte(n)); texte && !texte->empty())
      t_ << "alerte " << n << " : " << *texte << "\n";
  }
}

void TDecompilateur::Commentaires() {
  const std::string clair = DebrouilleTexte(donne_.Commentaires());
  std::vector<std::pair<int, std::string>> lignes;
  std::array<bool, NbCommentaires + 1> vus{};
  bool fidele = clair.empty() || clair.front() == '$';
  for (std::size_t debut = 1; fidele && debut <= clair.size();) {
    std::size_t fin = clair.find('$', debut);
    if (fin == std::string::npos) fin = clair.size();
    const std::string_view piece = std::string_view(clair).substr(debut, fin - debut);
    int numero = 0;
    fidele = piece.size() >= 3 && std::isdigit(static_cast<unsigned char>(piece[0])) &&
             std::isdigit(static_cast<unsigned char>(piece[1])) && piece[2] == ' ';
    if (fidele) numero = (piece[0] - '0') * 10 + (piece[1] - '0');
    fidele = fidele && numero >= 1 && numero <= NbCommentaires && !vus[static_cast<std::size_t>(numero)];
    const auto texte = fidele ? TexteFidele(piece.substr(3)) : std::nullopt;
    fidele = fidele && texte.has_value();
    if (fidele) {
      vus[static_cast<std::size_t>(numero)] = true;
      lignes.emplace_back(numero, *texte);
    }
    debut = fin + 1;
  }
  auto penalite = [&](int n) {
    const std::int32_t p = donne_.Penalite(n);
    return p >= -1000000 && p <= 1000000 ? p : 0;
  };
  if (fidele) {
    for (const auto& [numero, texte] : lignes) t_ << "commentaire " << numero << " " << penalite(numero) << " : " << texte << "\n";
  } else {
    vus.fill(false);
  }
  for (int n = 1; n <= NbCommentaires; ++n)
    if (!vus[static_cast<std::size_t>(n)] && penalite(n) != 0) t_ << "penalite " << n << " " << penalite(n) << "\n";
}

void TDecompilateur::Bloc(std::string_view nom, std::string_view brouille, std::int32_t lg, std::size_t budget) {
  if (lg <= 0) return;
  const std::string rtf = DebrouilleTexte(brouille);
  // Raw RTF goes back as it is, when the markup reader gives the same bytes.
  const TResultatBalisage relu = BalisageVersRtf(rtf, budget, 1);
  if (!relu.Reussi() || relu.Rtf != rtf) return;
  t_ << nom << "\n" << rtf << "\nfin " << nom << "\n";
}

void TDecompilateur::Textes() {
  Bloc("point", donne_.TextePoint(), donne_.LgPoint(), TailleMaxPoint);
  Bloc("resume", donne_.TexteResume(), donne_.LgResume(), TailleMaxResume);
}

void TDecompilateur::Groupes() {
  for (int g = 1; g <= NbGroupes; ++g) {
    const TGroupe groupe = donne_.Groupe(g);
    if (groupe == TGroupe{}) continue;
    t_ << "groupe " << g << " prealables";
    for (const TCard c : groupe.Prealables)
      if (c.EstReelle()) t_ << " " << EcritCarteReelle(c);
    t_ << " acceptees";
    for (const TCard c : groupe.Acceptees)
      if (c.EstReelle() || (c.h == RangQuelconque && c.c <= clPique)) t_ << " " << *EcritCarteScript(c);
    t_ << " code " << groupe.Code << "\n";
  }
}

void TDecompilateur::Compteurs() {
  for (int t = 1; t <= NbTablesCompteurs; ++t) {
    bool entete = false;
    for (T4Couleur s : ToutesLesCouleurs) {
      const TCompteur c = donne_.Compteur(t, s);
      if (c == TCompteur{}) continue;
      if (!entete) t_ << "compteur " << t << "\n";
      entete = true;
      t_ << "  " << Couleur(s) << " reste " << (c.Reste >= 0 && c.Reste <= 13 ? c.Reste : 0) << " code " << c.Code << " rangs";
      for (const std::uint8_t h : c.Rangs) {
        if (h == RangQuelconque) t_ << " *";
        else if (h >= 2 && h <= 14) t_ << " " << EcritRang(h);
      }
      t_ << "\n";
    }
  }
}

void TDecompilateur::EntreePool(bool sud, T4Couleur s, int y, const TPool& pool) {
  const std::string camp = sud ? "Sud" : "Nord";
  auto carte = [&](std::uint8_t h) {
    return Couleur(s) + (h == RangQuelconque ? std::string("*") : EcritRang(h));
  };
  auto rangValide = [](std::uint8_t h) { return h == RangQuelconque || (h >= 2 && h <= 14); };
  const TPoolCarte entame = pool.Entame(sud, s, y);
  const TPoolAutre autre = pool.Autre(sud, s, y);
  if (rangValide(autre.Rang())) t_ << "  mauvaise " << camp << " " << carte(autre.Rang()) << "=" << autre.Code() << "\n";
  if (!rangValide(entame.Rang())) return;
  t_ << "  entame " << camp << " " << carte(entame.Rang()) << "\n";
  try {
    for (int z = 1; z <= entame.NbConditions(); ++z) {
      const TConditionPool c = entame.Condition(z);
      if (c.Carte.h == RangPlusHaute && c.Carte.c <= clPique)
        t_ << "    condition maitresse " << Couleur(c.Carte.c) << "=" << c.Code << "\n";
      else if (c.Carte.EstReelle())
        t_ << "    condition " << (c.Genre == 1 ? "jouee " : "non-jouee ") << EcritCarteReelle(c.Carte) << "=" << c.Code << "\n";
    }
    std::string suites, defausses, autres;
    for (int k = 1; k <= entame.NbSuites(); ++k)
      if (const TSuitePool e = entame.Suite(k); rangValide(e.Rang))
        suites += " " + (e.Rang == RangQuelconque ? std::string("*") : EcritRang(e.Rang)) + Code(e.Code);
    for (int k = 1; k <= entame.NbDefausses(); ++k) {
      const TDefaussePool e = entame.Defausse(k);
      const auto texte = EcritCarteScript(TCard{e.Rang, e.Couleur});
      const bool valide = (e.Couleur <= clPique || e.Couleur == CouleurQuelconque) &&
                          (rangValide(e.Rang) || e.Rang == RangPlusHaute);
      if (texte && valide) defausses += " " + *texte + Code(e.Code);
    }
    for (int j = 1; j <= autre.NbSuites(); ++j)
      if (const TSuiteAutre e = autre.Suite(j); rangValide(e.Rang))
        autres += " " + (e.Rang == RangQuelconque ? std::string("*") : EcritRang(e.Rang)) + "=" + std::to_string(e.Code);
    if (!suites.empty()) t_ << "    suites" << suites << "\n";
    if (!defausses.empty()) t_ << "    defausses" << defausses << "\n";
    if (!autres.empty()) t_ << "    autres" << autres << "\n";
  } catch (const ErreurDonnee&) {
    // A count out of range: the bytes are restored.
  }
}

void TDecompilateur::Pools() {
  for (int p = 1; p <= NbPools; ++p) {
    const auto octets = donne_.Octets().subspan(offsets::Pools + TaillePool * static_cast<std::size_t>(p - 1), TaillePool);
    if (std::all_of(octets.begin(), octets.end(), [](std::uint8_t o) { return o == 0; })) continue;
    t_ << "pool " << p << "\n";
    const TPool pool = donne_.Pool(p);
    for (const bool sud : {true, false})
      for (T4Couleur s : ToutesLesCouleurs)
        for (int y = 1; y <= 8; ++y) EntreePool(sud, s, y, pool);
    RaisonsDuLieu(true, p);
  }
}

void TDecompilateur::RaisonsDuLieu(bool pool, int numero) {
  for (const TRaison& r : options_.Raisons)
    if (r.Pool == pool && r.Numero == numero) t_ << "  raison " << r.Code << " : " << r.Texte << "\n";
}

void TDecompilateur::Chaines() {
  for (int c = 1; c <= NbChaines; ++c) {
    if (graphe_.Vide[static_cast<std::size_t>(c)]) continue;
    try {
      Chaine(c);
      RaisonsDuLieu(false, c);
    } catch (const ErreurDonnee&) {
      t_ << "chaine " << c << " retour-debut\n";
    }
  }
}

void TDecompilateur::Chaine(int c) {
  const TChaine chaine = donne_.Chaine(c);
  TTexte ligne;
  ligne << "chaine " << c << " ";
  auto alorsSinon = [&](std::string_view premier = "alors") {
    ligne << " " << premier << " " << RenvoiOuDefaut(chaine.ChaineA()) << " sinon " << RenvoiOuDefaut(chaine.ChaineB());
  };
  switch (chaine.TypeChaine()) {
    case tcLevee: return Levee(c);
    case tcDistribution:
    case tcLongueur: return Entrees(c, chaine.TypeChaine() == tcDistribution);
    case tcAutomatique: return Automatique(c);
    case tcCartesTenues: {
      ligne << "tenues " << Joueur(Lit8Chaine(donne_, c, 26));
      const std::int32_t n = Lit32Chaine(donne_, c, 27);
      for (int i = 1; i <= std::min(n, 17); ++i)
        if (const TCard carte = chaine.CarteTenue(i); carte.EstReelle()) ligne << " " << EcritCarteReelle(carte);
      alorsSinon();
      break;
    }
    case tcHasard: ligne << "hasard"; alorsSinon(); break;
    case tcGagnantLevee: ligne << "sud-gagne"; alorsSinon(); break;
    case tcPartenairePrend:
      ligne << "depasse " << Joueur(Lit8Chaine(donne_, c, 26)) << " " << Couleur(Lit8Chaine(donne_, c, 27));
      alorsSinon();
      break;
    case tcRevendication: {
      auto levees = [](std::int32_t n) { return n >= 0 && n <= 13 ? n : 0; };
      ligne << "revendication ns " << levees(chaine.LeveesNS()) << " eo " << levees(chaine.LeveesEO()) << " commentaire "
            << chaine.CodeRevendication();
      break;
    }
    case tcPool: {
      const std::int32_t p = Lit32Chaine(donne_, c, 30), n = chaine.NbLevees();
      ligne << "pool " << (p >= 1 && p <= NbPools ? p : 1) << " levees " << (n >= 1 && n <= 13 ? n : 1);
      ligne << " si-sud " << RenvoiOuDefaut(chaine.SuiteSiSud()) << " sinon " << RenvoiOuDefaut(chaine.SuiteSinon());
      break;
    }
    case tcSolution: ligne << "solution"; break;
    default: ligne << "retour-debut"; break;
  }
  t_ << ligne.str() << "\n";
}

void TDecompilateur::Levee(int c) {
  const TChaine chaine = donne_.Chaine(c);
  const TJoueur entameur = chaine.Entameur();
  t_ << "chaine " << c << " levee ";
  if (graphe_.Levees[static_cast<std::size_t>(c)].size() == 1) t_ << *graphe_.Levees[static_cast<std::size_t>(c)].begin() << " ";
  t_ << "entame " << Joueur(entameur);
  if (const auto s = Renvoi(chaine.ChaineSuivante()); s && chaine.ChaineSuivante() != 0) t_ << " suivante " << *s;
  if (const auto e = Renvoi(chaine.ChaineEquivalente()); e && chaine.ChaineEquivalente() != 0) t_ << " equivalente " << *e;
  t_ << "\n";
  TJoueur j = entameur;
  for (int k = 0; k < 4; ++k, j = JoueurSuivant(j)) {
    const int place = PositionsDansLevee[entameur][j];
    std::string liste;
    if (EstDefenseur(j)) {
      for (int a = 1; a <= 3; ++a) {
        const TCarteDefense e = chaine.Defense(place, a);
        if (e.Carte.h == RangFinDeListe) break;
        liste += " " + CarteDefense(e.Carte).value_or("**");
        if (e.SiPrecedente != 0) {
          if (const auto condition = EcritCarteScript(e.CarteCondition);
              condition && e.CarteCondition.c <= clPique && (e.CarteCondition.EstReelle() || e.CarteCondition.h == RangQuelconque))
            liste += " si " + *condition;
        } else if (e.SiDerniere != 0 && e.Carte.h == RangQuelconque && e.Carte.c <= clPique && e.CarteDerniere.EstReelle()) {
          if (const auto remplacante = CarteDefense(e.CarteCondition))
            liste += " seule " + EcritCarteReelle(e.CarteDerniere) + " alors " + *remplacante;
        }
      }
    } else {
      for (int i = 1; i <= 8; ++i) {
        const TCarteDeclarant e = chaine.Declarant(place, i);
        if (e.Carte.h == RangFinDeListe) break;
        const auto carte = EcritCarteScript(e.Carte);
        const bool toutesCouleurs = e.Carte.h == RangQuelconque || e.Carte.h == RangPlusHaute;
        const bool valide = carte && e.Carte.h != RangBatCampDeclarant &&
                            e.Carte.h != RangBasDeSequence && (e.Carte.c != CouleurQuelconque || toutesCouleurs);
        liste += " " + (valide ? *carte : std::string("**")) + Code(e.Code);
      }
    }
    if (!liste.empty()) t_ << "  " << Joueur(j) << " :" << liste << "\n";
  }
}

void TDecompilateur::Entrees(int c, bool distribution) {
  const TChaine chaine = donne_.Chaine(c);
  t_ << "chaine " << c << (distribution ? " distribution\n" : " longueur\n");
  int derniere = 4;
  auto inutilisee = [&](int e) {
    if (distribution) return chaine.EntreeDistribution(e) == TEntreeDistribution{-1, {0xEEEE, 0xEEEE, 0xEEEE, 0xEEEE}};
    const std::size_t pos = 18 + 12 * static_cast<std::size_t>(e - 1);
    return Lit32Chaine(donne_, c, pos) == -1 && Lit32Chaine(donne_, c, pos + 4) == 0 && Lit32Chaine(donne_, c, pos + 8) == -1;
  };
  while (derniere > 0 && inutilisee(derniere)) --derniere;
  for (int e = 1; e <= derniere; ++e) {
    const std::size_t pos = 18 + 12 * static_cast<std::size_t>(e - 1);
    const std::int32_t suite = Lit32Chaine(donne_, c, pos);
    if (!distribution) {
      const std::int32_t n = Lit32Chaine(donne_, c, pos + 8);
      t_ << "  si " << Joueur(Lit8Chaine(donne_, c, pos + 4)) << " " << Couleur(Lit8Chaine(donne_, c, pos + 5)) << "="
         << (n >= 0 && n <= 13 ? n : 0) << " alors " << RenvoiOuDefaut(suite) << "\n";
      continue;
    }
    const TEntreeDistribution entree = chaine.EntreeDistribution(e);
    std::string conditions;
    for (TJoueur j : TousLesJoueurs) {
      std::string couleurs;
      for (int s = clPique; s >= clTrefle; --s) {
        const int n = (entree.Motifs[j] >> (4 * s)) & 0xF;
        if (n > 13) continue;
        // Appended piece by piece: GCC 12 sees a false overlap in a chain of "+".
        couleurs += ' ';
        couleurs += Couleur(static_cast<std::uint8_t>(s));
        couleurs += '=';
        couleurs += std::to_string(n);
      }
      if (!couleurs.empty()) conditions += " " + Joueur(j) + couleurs;
    }
    if (conditions.empty()) t_ << "  sinon " << RenvoiOuDefaut(suite, true) << "\n";
    else t_ << "  si" << conditions << " alors " << RenvoiOuDefaut(suite, true) << "\n";
  }
}

void TDecompilateur::Automatique(int c) {
  const TChaineAuto a = donne_.Chaine(c).Auto();
  const std::int32_t n = a.NbLevees();
  t_ << "chaine " << c << " automatique levees " << (n >= 1 && n <= 13 ? n : 1) << " si-sud " << RenvoiOuDefaut(a.SuiteSiSud())
     << " sinon " << RenvoiOuDefaut(a.SuiteSinon());
  if (a.CodeDefaut() > 0 && a.CodeDefaut() <= 65535) t_ << " defaut " << a.CodeDefaut();
  t_ << "\n";
  auto liste = [&](std::string_view qui, int nb, auto&& entree) {
    for (int i = 1; i <= nb; ++i) {
      const TCarteAuto e = entree(i);
      if (!e.Carte.EstReelle() || e.Code < 0 || e.Code > 65535) continue;
      t_ << "  " << qui << (e.Defausse != 0 ? " defausses" : "") << " : " << EcritCarteReelle(e.Carte) << "=" << e.Code << "\n";
    }
  };
  const std::int32_t nbSud = Lit32Chaine(donne_, c, 34), nbNord = Lit32Chaine(donne_, c, 38);
  liste("Sud", nbSud >= 0 && nbSud <= 8 ? nbSud : 0, [&](int i) { return a.ListeSud(i); });
  liste("Nord", nbNord >= 0 && nbNord <= 8 ? nbNord : 0, [&](int i) { return a.ListeNord(i); });
  for (T4Couleur s : ToutesLesCouleurs) {
    const TParCouleurAuto p = a.ParCouleur(s);
    if (p.Code < 0 || p.Code > 65535) continue;
    if (p.Permis == 0) t_ << "  refuse " << Couleur(s) << "=" << p.Code << "\n";
    else if (p.Code != 0) t_ << "  permis " << Couleur(s) << "=" << p.Code << "\n";
  }
}

void TDecompilateur::Jeu() {
  for (int t = 1; t <= NbLeveesJeuComplet; ++t)
    for (int i = 1; i <= 4; ++i)
      if (!donne_.JeuComplet(t, i).EstReelle()) {
        t_ << "jeu aucun\n";
        return;
      }
  for (int t = 1; t <= NbLeveesJeuComplet; ++t) {
    t_ << "jeu";
    for (int i = 1; i <= 4; ++i) t_ << " " << EcritCarteReelle(donne_.JeuComplet(t, i));
    t_ << "\n";
  }
}

void TDecompilateur::Questions() {
  if (!questions_) return;
  for (int q = 1; q <= questions_->NbQuestions(); ++q) {
    const TQuestion e = questions_->Question(q);
    t_ << "question levee " << (e.NumLevee >= 1 && e.NumLevee <= 13 ? e.NumLevee : 1) << " ";
    const std::string joueur = Joueur(e.Joueur), couleur = Couleur(e.Couleur);
    switch (e.TypeQuestion) {
      case 0: t_ << (e.Option == 0 ? "entame" : "defausse " + joueur); break;
      case 1: t_ << "points " << joueur << (e.Option != 0 ? " montres" : " depart"); break;
      case 2: t_ << "compte " << joueur << (e.Depart == 1 ? " depart" : " montrees"); break;
      case 3: t_ << "carte " << (e.Carte.EstReelle() ? EcritCarteReelle(e.Carte) : "SA") << (e.Option == 1 ? " jouee" : " non-jouee"); break;
      case 4: t_ << "longueur " << joueur << " " << couleur << (e.Option != 0 ? " montrees" : " depart"); break;
      case 5: t_ << "repartition " << couleur; break;
      default: t_ << "entame"; break;
    }
    t_ << " penalite " << (e.Penalite <= 100 ? e.Penalite : 0) << "\n";
  }
}

// What any record is written as when its readable text cannot be built:
// the bytes then come from the "octets" lines alone.
constexpr std::string_view SourceMinimale =
    "theme 0\nforce 1\ndonneur Sud\nmains S:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432\n"
    "encheres 1T passe passe passe\nchaine 1 levee entame Ouest\njeu aucun\n";

std::optional<TDonneCompilee> Construit(std::string_view texte) {
  TDiagnostics diagnostics;
  const TSourceDonne source = AnalyseSource(texte, "decompilation", diagnostics);
  if (diagnostics.AErreurs()) return std::nullopt;
  TOptionsConstruction options;
  options.DeduitJeu = false;
  return ConstruitDonne(source, diagnostics, options);
}

// "octets" lines for the bytes of `voulu` that differ from `obtenu`.
int Differences(std::span<const std::uint8_t> obtenu, std::span<const std::uint8_t> voulu, std::string_view mot,
                std::string& texte) {
  int nb = 0;
  std::size_t i = 0;
  while (i < voulu.size()) {
    if (obtenu[i] == voulu[i]) {
      ++i;
      continue;
    }
    // A run of differences, going through short stretches of equal bytes.
    std::size_t fin = i + 1, egaux = 0;
    for (std::size_t k = i + 1; k < voulu.size() && fin - i < 32 && egaux < 8; ++k) {
      egaux = obtenu[k] == voulu[k] ? egaux + 1 : 0;
      if (egaux == 0) fin = k + 1;
    }
    texte += std::string(mot) + " " + std::to_string(i);
    for (std::size_t k = i; k < fin; ++k) {
      char hexa[4];
      std::snprintf(hexa, sizeof hexa, " %02X", voulu[k]);
      texte += hexa;
    }
    texte += "\n";
    nb += static_cast<int>(fin - i);
    i = fin;
  }
  return nb;
}

}  // namespace

TSourceDecompilee DecompileDonne(const TDonne& donne, const TQuestionsDonne* questions,
                                 const TOptionsDecompilation& options) {
  TSourceDecompilee resultat;
  std::string texte = TDecompilateur(donne, questions, options).Lisible();
  auto construite = Construit(texte);
  if (!construite) {
    texte = (options.Origine.empty() ? "" : "# " + options.Origine + "\n") + std::string(SourceMinimale);
    construite = Construit(texte);
  }
  if (!construite) return resultat;
  std::string octets;
  const TQuestionsDonne aucune;
  const TQuestionsDonne& voulues = questions ? *questions : aucune;
  resultat.NbOctetsBruts = Differences(construite->Donne.Octets(), donne.Octets(), "octets", octets);
  resultat.NbOctetsBruts += Differences(construite->Questions.Octets(), voulues.Octets(), "octets-questions", octets);
  if (!octets.empty()) {
    texte += "# Octets que le texte ne dit pas : ils rendent la fiche à l'identique.\n" + octets;
  }
  const auto relue = Construit(texte);
  resultat.Exacte = relue && std::ranges::equal(relue->Donne.Octets(), donne.Octets()) && relue->Questions == voulues;
  resultat.Texte = std::move(texte);
  return resultat;
}

}  // namespace kalvo::redaction
