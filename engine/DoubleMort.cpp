#include "engine/DoubleMort.h"

#include "engine/PartieCartes.h"
#include "engine/SuiviMains.h"

#include <dds/dll.h>

#include <algorithm>
#include <bit>
#include <condition_variable>
#include <mutex>

namespace kalvo {

namespace {

// Two slots: the trainer may start an analysis while one that ran past its
// time limit is still finishing. The solver may give fewer (one a core).
constexpr int FilsVoulus = 2;

// The solver's thread slots, handed to one call at a time. Its memory is
// global to the process: set up on first use, given back by Libere.
class TFilsSolveur {
 public:
  static TFilsSolveur& Instance() {
    static TFilsSolveur fils;
    return fils;
  }

  int Prend() {
    std::unique_lock verrou(mutex_);
    for (;;) {
      if (!pret_) Prepare();
      if (!libres_.empty()) break;
      change_.wait(verrou);
    }
    const int fil = libres_.back();
    libres_.pop_back();
    return fil;
  }

  void Rend(int fil) {
    {
      const std::lock_guard verrou(mutex_);
      libres_.push_back(fil);
    }
    change_.notify_all();
  }

  void Libere() {
    std::unique_lock verrou(mutex_);
    change_.wait(verrou, [this] { return !pret_ || static_cast<int>(libres_.size()) == nbFils_; });
    if (!pret_) return;
    FreeMemory();
    libres_.clear();
    pret_ = false;
    change_.notify_all();
  }

 private:
  // Called with the lock held and no slot out.
  void Prepare() {
    SetMaxThreads(FilsVoulus);
    DDSInfo info{};
    GetDDSInfo(&info);
    nbFils_ = std::clamp(info.noOfThreads, 1, FilsVoulus);
    libres_.clear();
    for (int i = nbFils_ - 1; i >= 0; --i) libres_.push_back(i);
    pret_ = true;
  }

  std::mutex mutex_;
  std::condition_variable change_;
  std::vector<int> libres_;
  int nbFils_ = 0;
  bool pret_ = false;
};

class TFilPris {
 public:
  TFilPris() : fil_(TFilsSolveur::Instance().Prend()) {}
  ~TFilPris() { TFilsSolveur::Instance().Rend(fil_); }
  TFilPris(const TFilPris&) = delete;
  TFilPris& operator=(const TFilPris&) = delete;
  int Fil() const { return fil_; }

 private:
  int fil_;
};

// The solver numbers the seats North, East, South, West and the suits
// spades to clubs.
constexpr int MainDds(TJoueur j) { return (j + 2) % 4; }
constexpr int CouleurDds(int c) { return 3 - c; }
constexpr std::uint8_t CouleurDeDds(int c) { return static_cast<std::uint8_t>(3 - c); }

void VerifiePosition(const TPositionDoubleMort& p) {
  if (p.NbSurTable < 0 || p.NbSurTable > 3)
    throw ErreurDoubleMort("position invalide : " + std::to_string(p.NbSurTable) + " cartes sur la table.");
  if (!EstJoueurValide(p.Entameur)) throw ErreurDoubleMort("position invalide : entameur inconnu.");
  if (p.Atout != clSA && !EstCouleurReelle(p.Atout)) throw ErreurDoubleMort("position invalide : atout inconnu.");
  for (int k = 0; k < p.NbSurTable; ++k)
    if (!p.SurTable[static_cast<std::size_t>(k)].EstReelle())
      throw ErreurDoubleMort("position invalide : une carte de la table n'est pas une carte.");
  for (const auto& main : p.Mains)
    for (const std::uint16_t couleur : main)
      if (couleur & ~0x7FFCu) throw ErreurDoubleMort("position invalide : un rang hors de 2 à As.");
}

deal PositionDds(const TPositionDoubleMort& p) {
  deal d{};
  d.trump = p.Atout == clSA ? 4 : CouleurDds(p.Atout);
  d.first = MainDds(p.Entameur);
  for (int k = 0; k < p.NbSurTable; ++k) {
    const TCard c = p.SurTable[static_cast<std::size_t>(k)];
    d.currentTrickSuit[k] = CouleurDds(c.c);
    d.currentTrickRank[k] = c.h;
  }
  for (TJoueur j : TousLesJoueurs)
    for (T4Couleur s : ToutesLesCouleurs) d.remainCards[MainDds(j)][CouleurDds(s)] = p.Mains[j][s];
  return d;
}

// Every card with its score for the side to play.
futureTricks Resout(const TPositionDoubleMort& p, int solutions) {
  VerifiePosition(p);
  futureTricks resultat{};
  int code = 0;
  {
    const TFilPris fil;
    // Mode 1: search even when a single card may be played, so that every
    // score is a number of tricks.
    code = SolveBoard(PositionDds(p), -1, solutions, 1, &resultat, fil.Fil());
  }
  if (code != RETURN_NO_FAULT) {
    char texte[80] = {};
    ErrorMessage(code, texte);
    throw ErreurDoubleMort("le solveur de double mort a échoué (" + std::to_string(code) + " : " + texte + ").");
  }
  return resultat;
}

bool EstNS(TJoueur j) { return j == jrSud || j == jrNord; }

}  // namespace

TJoueur TPositionDoubleMort::JoueurActuel() const {
  return static_cast<TJoueur>((Entameur + NbSurTable) % 4);
}

int TPositionDoubleMort::LeveesRestantes() const {
  int n = 0;
  for (const std::uint16_t couleur : Mains[JoueurActuel()]) n += std::popcount(couleur);
  return n;
}

bool TPositionDoubleMort::Tient(TJoueur joueur, TCard carte) const {
  return carte.EstReelle() && (Mains[joueur][carte.c] & (1u << carte.h)) != 0;
}

TPositionDoubleMort PositionDoubleMort(const TSuiviMains& suivi, TCouleur atout, TJoueur entameur,
                                       const TCartesJouees& onTable, int nbSurTable) {
  TPositionDoubleMort p;
  p.Atout = atout;
  p.Entameur = entameur;
  p.NbSurTable = nbSurTable;
  TJoueur j = entameur;
  for (int k = 0; k < nbSurTable && k < 3; ++k, j = JoueurSuivant(j)) p.SurTable[static_cast<std::size_t>(k)] = onTable[j];
  for (TJoueur joueur : TousLesJoueurs)
    for (int i = 1; i <= 13; ++i) {
      const TCard c = suivi.Carte(joueur, i);
      if (c.EstReelle() && !suivi.s_isCarteJouee(joueur, i))
        p.Mains[joueur][c.c] = static_cast<std::uint16_t>(p.Mains[joueur][c.c] | (1u << c.h));
    }
  return p;
}

TPositionDoubleMort PositionDoubleMort(const TPartieCartes& partie) {
  return PositionDoubleMort(partie.Suivi(), partie.Atout(), partie.Entameur(), partie.OnTable(), partie.NbSurTable());
}

std::vector<TValeurCarte> AnalyseDoubleMort(const TPositionDoubleMort& position) {
  std::vector<TValeurCarte> valeurs;
  if (position.LeveesRestantes() == 0) return valeurs;
  const futureTricks r = Resout(position, 3);
  const int restantes = position.LeveesRestantes();
  const bool ns = EstNS(position.JoueurActuel());
  for (int i = 0; i < r.cards && i < 13; ++i) {
    const int levees = ns ? r.score[i] : restantes - r.score[i];
    const std::uint8_t couleur = CouleurDeDds(r.suit[i]);
    valeurs.push_back({TCard{static_cast<std::uint8_t>(r.rank[i]), couleur}, levees});
    for (int h = 2; h <= 14; ++h)
      if (r.equals[i] & (1 << h)) valeurs.push_back({TCard{static_cast<std::uint8_t>(h), couleur}, levees});
  }
  std::sort(valeurs.begin(), valeurs.end(), [ns](const TValeurCarte& a, const TValeurCarte& b) {
    if (a.LeveesNS != b.LeveesNS) return ns ? a.LeveesNS > b.LeveesNS : a.LeveesNS < b.LeveesNS;
    if (a.Carte.c != b.Carte.c) return a.Carte.c > b.Carte.c;
    return a.Carte.h > b.Carte.h;
  });
  return valeurs;
}

int LeveesNSDoubleMort(const TPositionDoubleMort& position) {
  const int restantes = position.LeveesRestantes();
  if (restantes == 0) return 0;
  const futureTricks r = Resout(position, 1);
  return EstNS(position.JoueurActuel()) ? r.score[0] : restantes - r.score[0];
}

int LeveesNSDoubleMort(const TPartieCartes& partie) {
  if (partie.Terminee()) return partie.LeveesNS();
  return partie.LeveesNS() + LeveesNSDoubleMort(PositionDoubleMort(partie));
}

TCard MeilleureCarteDoubleMort(const TPartieCartes& partie) {
  const std::vector<TValeurCarte> valeurs = AnalyseDoubleMort(PositionDoubleMort(partie));
  if (valeurs.empty()) throw ErreurDoubleMort("le solveur de double mort ne propose aucune carte.");
  const int meilleur = valeurs.front().LeveesNS;
  TCard choix{15, 0};
  for (const TValeurCarte& v : valeurs) {
    if (v.LeveesNS != meilleur) continue;
    if (v.Carte.h < choix.h || (v.Carte.h == choix.h && v.Carte.c < choix.c)) choix = v.Carte;
  }
  return choix;
}

void LibereDoubleMort() { TFilsSolveur::Instance().Libere(); }

}  // namespace kalvo
