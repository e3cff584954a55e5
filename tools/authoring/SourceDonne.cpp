#include "tools/authoring/SourceDonne.h"

#include "coaching/MessagesIntegres.h"
#include "model/Donne.h"
#include "model/Windows1252.h"
#include "tools/authoring/AnalyseurSource.h"

#include <algorithm>
#include <charconv>

namespace kalvo::redaction {

namespace {

std::string Intervalle(long long min, long long max) {
  return "(" + std::to_string(min) + " à " + std::to_string(max) + ")";
}

// The statements a line may begin with; any other line belongs to the
// block being read (a chain, a counter table or a pool).
bool EstInstruction(std::string_view cle) {
  static constexpr std::array<std::string_view, 21> cles{
      "ordre", "collection", "theme", "force", "donneur", "vulnerabilite", "contrat", "mains",
      "rangement", "encheres", "alerte", "commentaire", "penalite", "groupe", "compteur", "pool",
      "chaine", "jeu", "question", "octets", "octets-questions"};
  return std::find(cles.begin(), cles.end(), cle) != cles.end();
}

}  // namespace

bool TCurseurMots::Accepte(std::string_view cle) {
  if (Fin() || Replie(Courant()) != cle) return false;
  ++i_;
  return true;
}

TSourceDonne AnalyseSource(std::string_view texte, const std::string& fichier, TDiagnostics& diagnostics) {
  return TAnalyseurSource(fichier, diagnostics).Analyse(texte);
}

TSourceDonne TAnalyseurSource::Analyse(std::string_view texte) {
  const std::vector<TLigneDonne> lignes = DecoupeLignesDonne(texte);
  for (const TLigneDonne& ligne : lignes) {
    source_.DerniereLigne = ligne.Numero;
    if (texte_) {
      LigneDeTexte(ligne);
    } else if (!ligne.Mots.empty()) {
      Instruction(ligne);
    }
  }
  if (texte_) Erreur(source_.DerniereLigne, "texte sans sa ligne « " + finTexte_ + " ».");
  return std::move(source_);
}

void TAnalyseurSource::LigneDeTexte(const TLigneDonne& ligne) {
  std::string fin;
  for (const std::string& mot : ligne.Mots) {
    if (!fin.empty()) fin += ' ';
    fin += Replie(mot);
  }
  if (fin == finTexte_) {
    std::string texte;
    for (const std::string& l : lignesTexte_) texte += l + '\n';
    if (!texte.empty()) texte.pop_back();
    (*texte_)->Texte = std::move(texte);
    texte_ = nullptr;
    return;
  }
  lignesTexte_.push_back(ligne.Brut);
}

void TAnalyseurSource::Instruction(const TLigneDonne& ligne) {
  const std::string cle = Replie(ligne.Mots[0]);
  if (cle == "point" || cle == "resume") {
    std::optional<TTexteSource>& champ = cle == "point" ? source_.Point : source_.Resume;
    if (ligne.Mots.size() != 1) return Erreur(ligne.Numero, Guillemets(cle) + " doit être seul sur sa ligne.");
    if (champ) return Erreur(ligne.Numero, "le texte " + Guillemets(cle) + " est déjà donné.");
    bloc_ = blAucun;
    champ = TTexteSource{{}, ligne.Numero + 1, ligne.Numero};
    texte_ = &champ;
    finTexte_ = "fin " + cle;
    lignesTexte_.clear();
    return;
  }
  if (cle == "raison") return Raison(ligne);  // a line of the block being read
  if (!EstInstruction(cle)) {
    if (bloc_ == blAucun) return Erreur(ligne.Numero, "instruction " + Guillemets(ligne.Mots[0]) + " inconnue.");
    return LigneDeBloc(ligne);
  }
  bloc_ = blAucun;
  if (cle == "ordre") return EnTeteNombre(ligne, source_.Ordre, 1, 9999, "ordre");
  if (cle == "collection") return EnTeteNombre(ligne, source_.Collection, 1, 9999, "numéro de collection");
  if (cle == "force") return EnTeteNombre(ligne, source_.Force, 1, 4, "force");
  if (cle == "theme") return Theme(ligne);
  if (cle == "vulnerabilite") return Vulnerabilite(ligne);
  if (cle == "mains") return Mains(ligne);
  if (cle == "rangement") return Rangement(ligne);
  if (cle == "encheres") return Encheres(ligne);
  if (cle == "alerte") return Alerte(ligne);
  if (cle == "commentaire") return Commentaire(ligne);
  if (cle == "groupe") return Groupe(ligne);
  if (cle == "chaine") return Chaine(ligne);
  if (cle == "jeu") return Jeu(ligne);
  if (cle == "question") return Question(ligne);
  if (cle == "octets") return Octets(ligne, source_.PatchsDonne, TDonne::Taille);
  if (cle == "octets-questions") return Octets(ligne, source_.PatchsQuestions, TQuestionsDonne::Taille);
  if (cle == "donneur") {
    if (ligne.Mots.size() != 2) return Erreur(ligne.Numero, "« donneur » attend un joueur.");
    if (source_.Donneur) return Erreur(ligne.Numero, "donneur déjà donné.");
    if (const auto j = Joueur(ligne, ligne.Mots[1])) source_.Donneur = TValeurLigne<TJoueur>{*j, ligne.Numero};
    return;
  }
  if (cle == "contrat") {
    const auto contrat = ligne.Mots.size() == 2 ? LitContrat(ligne.Mots[1]) : std::nullopt;
    if (!contrat) return Erreur(ligne.Numero, "il faut « contrat 3SA » (niveau 1 à 7 et T, K, C, P, SA ou ♣ ♦ ♥ ♠).");
    if (source_.Contrat) return Erreur(ligne.Numero, "contrat déjà donné.");
    source_.Contrat = TValeurLigne<TEnchere>{*contrat, ligne.Numero};
    return;
  }
  if (cle == "penalite") {
    if (ligne.Mots.size() != 3) return Erreur(ligne.Numero, "il faut « penalite N POINTS ».");
    const auto n = Nombre(ligne, ligne.Mots[1], 1, NbCommentaires, "numéro de commentaire");
    const auto points = Nombre(ligne, ligne.Mots[2], -1000000, 1000000, "pénalité");
    if (n && points) Penalite(ligne, static_cast<int>(*n), *points);
    return;
  }
  if (cle == "compteur" || cle == "pool") {
    if (ligne.Mots.size() != 2 || !Etiquette(ligne, ligne.Mots[1]))
      return Erreur(ligne.Numero, "il faut « " + cle + " NOM » seul sur sa ligne.");
    if (cle == "compteur") {
      source_.Compteurs.push_back({ligne.Mots[1], ligne.Numero, {}});
      bloc_ = blCompteur;
    } else {
      source_.Pools.push_back({ligne.Mots[1], ligne.Numero, {}, {}});
      bloc_ = blPool;
      entamePool_ = SIZE_MAX;
    }
  }
}

void TAnalyseurSource::LigneDeBloc(const TLigneDonne& ligne) {
  switch (bloc_) {
    case blCompteur: return LigneCompteur(ligne);
    case blPool: return LignePool(ligne);
    case blChaine: {
      TChaineSource& chaine = source_.Chaines.back();
      if (chaine.Type == tcLevee) return LigneLevee(ligne, chaine);
      if (chaine.Type == tcAutomatique) return LigneAutomatique(ligne, chaine);
      return LigneEntree(ligne, chaine);
    }
    case blAucun: break;
  }
}

// ---------------------------------------------------------------- readers

std::optional<long long> TAnalyseurSource::Nombre(const TLigneDonne& ligne, std::string_view mot, long long min,
                                                  long long max, std::string_view quoi) {
  const auto valeur = LitNombre(mot);
  if (!valeur || *valeur < min || *valeur > max) {
    Erreur(ligne.Numero, std::string(quoi) + " " + Guillemets(mot) + " invalide " + Intervalle(min, max) + ".");
    return std::nullopt;
  }
  return valeur;
}

std::optional<long long> TAnalyseurSource::NombreSuivant(TCurseurMots& mots, long long min, long long max,
                                                         std::string_view quoi) {
  if (mots.Fin()) {
    Erreur(mots.Ligne().Numero, std::string(quoi) + " manquant.");
    return std::nullopt;
  }
  return Nombre(mots.Ligne(), mots.Prend(), min, max, quoi);
}

std::optional<TJoueur> TAnalyseurSource::Joueur(const TLigneDonne& ligne, std::string_view mot) {
  const auto joueur = LitJoueur(mot);
  if (!joueur) Erreur(ligne.Numero, "joueur " + Guillemets(mot) + " inconnu (Sud, Ouest, Nord, Est).");
  return joueur;
}

std::optional<T4Couleur> TAnalyseurSource::Couleur(const TLigneDonne& ligne, std::string_view mot) {
  const auto couleur = LitCouleur(mot);
  if (!couleur) Erreur(ligne.Numero, "couleur " + Guillemets(mot) + " inconnue (S, H, D, C ou Pique, Cœur...).");
  return couleur;
}

std::optional<TCard> TAnalyseurSource::CarteReelle(const TLigneDonne& ligne, std::string_view mot) {
  const auto carte = LitCarteReelle(mot);
  if (!carte) Erreur(ligne.Numero, "carte " + Guillemets(mot) + " inconnue (par exemple HK, S10, ♦7).");
  return carte;
}

bool TAnalyseurSource::Etiquette(const TLigneDonne& ligne, std::string_view mot) {
  const bool valide = !mot.empty() && std::all_of(mot.begin(), mot.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-' ||
           c == '.';
  });
  if (!valide)
    Erreur(ligne.Numero, "nom " + Guillemets(mot) + " invalide : lettres sans accent, chiffres, « _ », « - », « . ».");
  const bool reserve = valide && (Replie(mot) == "aucune" || Replie(mot) == "stop");
  if (reserve) Erreur(ligne.Numero, "« aucune » et « stop » ne peuvent pas nommer une chaîne ou une table.");
  return valide && !reserve;
}

bool TAnalyseurSource::FinDeLigne(TCurseurMots& mots) {
  if (mots.Fin()) return true;
  Erreur(mots.Ligne().Numero, "mot " + Guillemets(mots.Courant()) + " en trop.");
  return false;
}

std::optional<std::uint16_t> TAnalyseurSource::Code(const TLigneDonne& ligne, const TMotCode& mot, bool requis) {
  if (mot.Invalide || (mot.Code && (*mot.Code < 0 || *mot.Code > 65535))) {
    Erreur(ligne.Numero, "code de commentaire invalide après « = » dans " + Guillemets(mot.Mot) + ".");
    return std::nullopt;
  }
  if (!mot.Code && requis) {
    Erreur(ligne.Numero, Guillemets(mot.Mot) + " : il faut le commentaire, par exemple " + Guillemets(mot.Mot + "=3") + ".");
    return std::nullopt;
  }
  return static_cast<std::uint16_t>(mot.Code.value_or(0));
}

// ---------------------------------------------------------------- header

void TAnalyseurSource::EnTeteNombre(const TLigneDonne& ligne, std::optional<TValeurLigne<int>>& champ, int min,
                                    int max, std::string_view quoi) {
  if (ligne.Mots.size() != 2) return Erreur(ligne.Numero, Guillemets(ligne.Mots[0]) + " attend un seul nombre.");
  if (champ) return Erreur(ligne.Numero, std::string(quoi) + " déjà donné(e) ligne " + std::to_string(champ->Ligne) + ".");
  if (const auto n = Nombre(ligne, ligne.Mots[1], min, max, quoi)) champ = TValeurLigne<int>{static_cast<int>(*n), ligne.Numero};
}

void TAnalyseurSource::Theme(const TLigneDonne& ligne) {
  if (ligne.Mots.size() < 2) return Erreur(ligne.Numero, "« theme » attend un numéro (0 à 27) ou un nom de thème.");
  if (source_.Theme) return Erreur(ligne.Numero, "thème déjà donné.");
  if (LitNombre(ligne.Mots[1])) return EnTeteNombre(ligne, source_.Theme, 0, NbThemes - 1, "thème");
  std::string nom;
  for (std::size_t k = 1; k < ligne.Mots.size(); ++k) nom += (k > 1 ? " " : "") + ligne.Mots[k];
  for (int t = 0; t < NbThemes; ++t)
    if (Replie(NomsThemes[static_cast<std::size_t>(t)]) == Replie(nom)) {
      source_.Theme = TValeurLigne<int>{t, ligne.Numero};
      return;
    }
  Erreur(ligne.Numero, "thème " + Guillemets(nom) + " inconnu.");
}

void TAnalyseurSource::Vulnerabilite(const TLigneDonne& ligne) {
  if (ligne.Mots.size() != 2) return Erreur(ligne.Numero, "« vulnerabilite » attend Personne, Nord-Sud, Est-Ouest ou Tous.");
  const std::string v = Replie(ligne.Mots[1]);
  std::optional<TVulnerabilite> valeur;
  if (v == "personne") valeur = vlnPersonne;
  if (v == "nord-sud" || v == "ns") valeur = vlnNS;
  if (v == "est-ouest" || v == "eo") valeur = vlnEO;
  if (v == "tous") valeur = vlnTous;
  if (!valeur) return Erreur(ligne.Numero, "vulnérabilité " + Guillemets(ligne.Mots[1]) + " inconnue (Personne, Nord-Sud, Est-Ouest, Tous).");
  if (source_.Vulnerabilite) return Erreur(ligne.Numero, "vulnérabilité déjà donnée.");
  source_.Vulnerabilite = TValeurLigne<TVulnerabilite>{*valeur, ligne.Numero};
}

void TAnalyseurSource::Mains(const TLigneDonne& ligne) {
  if (source_.Mains) return Erreur(ligne.Numero, "les mains sont déjà données.");
  std::string erreur;
  std::string texte;
  for (std::size_t m = 1; m < ligne.Mots.size(); ++m) texte += ligne.Mots[m] + ' ';
  const auto mains = LitDonnePbn(texte, erreur);
  if (!mains) return Erreur(ligne.Numero, erreur);
  for (TJoueur j : TousLesJoueurs) {
    std::size_t n = 0;
    for (const auto& couleur : (*mains)[j]) n += couleur.size();
    if (n != 13)
      return Erreur(ligne.Numero, "la main " + std::string(DeJoueurs[j]) + std::string(NomsJoueurs[j]) + " a " +
                                      std::to_string(n) + " cartes au lieu de 13.");
  }
  source_.Mains = TValeurLigne<TRangsDonne>{*mains, ligne.Numero};
}

void TAnalyseurSource::Rangement(const TLigneDonne& ligne) {
  if (ligne.Mots.size() != 3) return Erreur(ligne.Numero, "« rangement » attend un joueur et l'ordre des couleurs, par exemple « rangement Ouest CHSD ».");
  const auto joueur = Joueur(ligne, ligne.Mots[1]);
  if (!joueur) return;
  const std::string& ordre = ligne.Mots[2];
  std::array<T4Couleur, 4> couleurs{};
  std::array<bool, 4> vues{};
  bool valide = ordre.size() == 4;
  for (std::size_t k = 0; valide && k < 4; ++k) {
    const auto c = LitCouleur(ordre.substr(k, 1));
    valide = c && !vues[*c];
    if (valide) vues[*c] = true, couleurs[k] = *c;
  }
  if (!valide) return Erreur(ligne.Numero, "ordre des couleurs " + Guillemets(ordre) + " invalide : les quatre lettres S, H, D, C une fois chacune.");
  if (source_.Rangements[*joueur]) return Erreur(ligne.Numero, "rangement " + std::string(DeJoueurs[*joueur]) + std::string(NomsJoueurs[*joueur]) + " déjà donné.");
  source_.Rangements[*joueur] = couleurs;
}

void TAnalyseurSource::Encheres(const TLigneDonne& ligne) {
  if (source_.LigneEncheres == 0) source_.LigneEncheres = ligne.Numero;
  for (std::size_t k = 1; k < ligne.Mots.size(); ++k) {
    const auto appel = LitAppel(ligne.Mots[k]);
    if (!appel) {
      Erreur(ligne.Numero, "enchère " + Guillemets(ligne.Mots[k]) +
                               " inconnue (1T, 2K, 3C, 4P, 3SA, 4♠, passe, contre, surcontre ; « !1 » pour l'alerte 1).");
      continue;
    }
    source_.Appels.push_back(*appel);
  }
}

void TAnalyseurSource::Alerte(const TLigneDonne& ligne) {
  const auto texte = TexteApresDeuxPoints(ligne.Brut);
  if (ligne.Mots.size() < 2 || !texte) return Erreur(ligne.Numero, "il faut « alerte N : texte ».");
  const auto n = Nombre(ligne, ligne.Mots[1], 1, NbAlertes, "numéro d'alerte");
  if (!n) return;
  auto& alerte = source_.Alertes[static_cast<std::size_t>(*n - 1)];
  if (alerte) return Erreur(ligne.Numero, "l'alerte " + std::to_string(*n) + " est déjà donnée.");
  const std::size_t octets = Utf8VersWindows1252(*texte).size();
  if (octets > LgMaxAlerte)
    return Erreur(ligne.Numero, "alerte de " + std::to_string(octets) + " caractères : 40 au plus.");
  alerte = TValeurLigne<std::string>{*texte, ligne.Numero};
}

void TAnalyseurSource::Commentaire(const TLigneDonne& ligne) {
  const auto texte = TexteApresDeuxPoints(ligne.Brut);
  // The words before the ':': the number, then the penalty when it is given.
  const auto avant = DecoupeLignesDonne(ligne.Brut.substr(0, ligne.Brut.find(':')));
  const std::vector<std::string> tete = avant.empty() ? std::vector<std::string>{} : avant.front().Mots;
  if (tete.size() < 2 || tete.size() > 3 || !texte)
    return Erreur(ligne.Numero, "il faut « commentaire N [PENALITE] : texte ».");
  const auto n = Nombre(ligne, tete[1], 1, NbCommentaires, "numéro de commentaire");
  const auto points = tete.size() == 3 ? Nombre(ligne, tete[2], -1000000, 1000000, "pénalité") : std::optional<long long>(0);
  if (!n || !points) return;
  const int numero = static_cast<int>(*n);
  for (const TCommentaireSource& c : source_.Commentaires)
    if (c.Numero == numero)
      return Erreur(ligne.Numero, "le commentaire " + std::to_string(numero) + " est déjà donné ligne " + std::to_string(c.Ligne) + ".");
  if (texte->find('$') != std::string::npos) return Erreur(ligne.Numero, "un commentaire ne peut pas contenir « $ ».");
  source_.Commentaires.push_back({numero, *texte, ligne.Numero});
  if (tete.size() == 3) Penalite(ligne, numero, *points);
}

// "raison N : texte", in a trick chain, an automatic section or a pool.
void TAnalyseurSource::Raison(const TLigneDonne& ligne) {
  std::vector<TRaisonSource>* raisons = nullptr;
  if (bloc_ == blPool) raisons = &source_.Pools.back().Raisons;
  if (bloc_ == blChaine && (source_.Chaines.back().Type == tcLevee || source_.Chaines.back().Type == tcAutomatique))
    raisons = &source_.Chaines.back().Raisons;
  if (!raisons)
    return Erreur(ligne.Numero, "« raison » se donne dans une chaîne de levée, un mode automatique ou un pool.");
  const auto texte = TexteApresDeuxPoints(ligne.Brut);
  const auto avant = DecoupeLignesDonne(ligne.Brut.substr(0, ligne.Brut.find(':')));
  const std::vector<std::string> tete = avant.empty() ? std::vector<std::string>{} : avant.front().Mots;
  if (tete.size() != 2 || !texte || texte->empty())
    return Erreur(ligne.Numero, "il faut « raison N : texte » (N : le commentaire du refus voulu).");
  // 91: the program's own message of an overtaking check (surprend), whose
  // words are the reason.
  if (tete[1] == std::to_string(MsgSurprendre) && bloc_ == blChaine) {
    raisons->push_back({static_cast<std::uint16_t>(MsgSurprendre), *texte, ligne.Numero});
    return;
  }
  const auto n = Nombre(ligne, tete[1], 1, NbCommentaires, "numéro de commentaire");
  if (!n) return;
  raisons->push_back({static_cast<std::uint16_t>(*n), *texte, ligne.Numero});
}

void TAnalyseurSource::Penalite(const TLigneDonne& ligne, int numero, long long points) {
  auto& penalite = source_.Penalites[static_cast<std::size_t>(numero - 1)];
  if (penalite) return Erreur(ligne.Numero, "la pénalité du commentaire " + std::to_string(numero) + " est déjà donnée ligne " + std::to_string(penalite->Ligne) + ".");
  penalite = TValeurLigne<std::int32_t>{static_cast<std::int32_t>(points), ligne.Numero};
}

// ---------------------------------------------------------------- tables

void TAnalyseurSource::Groupe(const TLigneDonne& ligne) {
  TCurseurMots mots(ligne, 1);
  if (mots.Fin() || !Etiquette(ligne, mots.Courant())) return Erreur(ligne.Numero, "il faut « groupe NOM prealables ... acceptees ... code N ».");
  TGroupeSource groupe{mots.Prend(), ligne.Numero, {}};
  int nbPrealables = 0, nbAcceptees = 0;
  std::optional<long long> code;
  enum { rien, prealables, acceptees } liste = rien;
  while (!mots.Fin()) {
    if (mots.Accepte("prealables")) { liste = prealables; continue; }
    if (mots.Accepte("acceptees")) { liste = acceptees; continue; }
    if (mots.Accepte("code")) {
      code = NombreSuivant(mots, 0, 65535, "code");
      if (!code) return;
      continue;
    }
    const std::string mot = mots.Prend();
    const auto carte = LitCarteScript(mot);
    const bool reelle = carte && carte->Table.empty() && carte->Carte.EstReelle();
    const bool quelconque = carte && carte->Carte.h == RangQuelconque && carte->Carte.c <= clPique;
    if (liste == prealables && reelle && nbPrealables < 4) {
      groupe.Valeur.Prealables[static_cast<std::size_t>(nbPrealables++)] = carte->Carte;
    } else if (liste == acceptees && (reelle || quelconque) && nbAcceptees < 4) {
      groupe.Valeur.Acceptees[static_cast<std::size_t>(nbAcceptees++)] = carte->Carte;
    } else {
      return Erreur(ligne.Numero, liste == rien ? "il faut « prealables » puis « acceptees » avant les cartes."
                                                : "carte " + Guillemets(mot) + " refusée : quatre cartes au plus par liste, des cartes précises (et « H* » parmi les acceptées).");
    }
  }
  if (!code) return Erreur(ligne.Numero, "il faut le commentaire du groupe : « code N ».");
  groupe.Valeur.Code = static_cast<std::uint16_t>(*code);
  source_.Groupes.push_back(groupe);
}

void TAnalyseurSource::LigneCompteur(const TLigneDonne& ligne) {
  TCompteurSource& compteur = source_.Compteurs.back();
  TCurseurMots mots(ligne, 0);
  const auto couleur = Couleur(ligne, mots.Prend());
  if (!couleur) return;
  TCompteur valeur;
  bool rangs = false;
  int nbRangs = 0;
  while (!mots.Fin()) {
    if (mots.Accepte("reste")) {
      const auto n = NombreSuivant(mots, 0, 13, "reste");
      if (!n) return;
      valeur.Reste = static_cast<std::int32_t>(*n);
    } else if (mots.Accepte("code")) {
      const auto n = NombreSuivant(mots, 0, 65535, "code");
      if (!n) return;
      valeur.Code = static_cast<std::uint16_t>(*n);
    } else if (mots.Accepte("rangs")) {
      rangs = true;
    } else {
      const std::string mot = mots.Prend();
      const auto rang = mot == "*" ? std::optional<std::uint8_t>(RangQuelconque) : LitRang(mot);
      if (!rangs || !rang || nbRangs >= 8)
        return Erreur(ligne.Numero, "il faut « COULEUR reste N code N rangs R... » (huit rangs au plus : A K Q J T 9 .. 2 ou *).");
      valeur.Rangs[static_cast<std::size_t>(nbRangs++)] = *rang;
    }
  }
  compteur.ParCouleur[*couleur] = valeur;
}

void TAnalyseurSource::LignePool(const TLigneDonne& ligne) {
  TPoolSource& pool = source_.Pools.back();
  TCurseurMots mots(ligne, 1);
  const std::string cle = Replie(ligne.Mots[0]);
  if (cle == "entame" || cle == "mauvaise") return EntamePool(mots, cle == "entame");
  if (entamePool_ >= pool.Entames.size())
    return Erreur(ligne.Numero, Guillemets(ligne.Mots[0]) + " : il faut d'abord une ligne « entame Sud|Nord CARTE ».");
  TEntamePool& entame = pool.Entames[entamePool_];
  if (cle == "condition") return ConditionPool(mots, entame);
  if (cle != "suites" && cle != "autres" && cle != "defausses")
    return Erreur(ligne.Numero, "ligne de pool " + Guillemets(ligne.Mots[0]) +
                                    " inconnue (entame, condition, suites, defausses, autres, mauvaise).");
  while (!mots.Fin())
    if (!ReponsePool(mots, cle, entame)) return;
}

void TAnalyseurSource::EntamePool(TCurseurMots& mots, bool entame) {
  const TLigneDonne& ligne = mots.Ligne();
  const std::string forme = entame ? "« entame Sud|Nord CARTE »" : "« mauvaise Sud|Nord CARTE=N »";
  const auto joueur = mots.Fin() ? std::nullopt : Joueur(ligne, mots.Prend());
  if (!joueur || mots.Fin()) return Erreur(ligne.Numero, "il faut " + forme + ".");
  if (*joueur != jrSud && *joueur != jrNord) return Erreur(ligne.Numero, "une entame de pool est de Sud ou de Nord.");
  const TMotCode code = SepareCode(mots.Prend());
  const auto carte = LitCarteScript(code.Mot);
  if (!carte || !carte->Table.empty() || carte->Carte.c > clPique ||
      !(carte->Carte.EstReelle() || carte->Carte.h == RangQuelconque))
    return Erreur(ligne.Numero, "carte d'entame " + Guillemets(code.Mot) + " invalide (par exemple HA ou H*).");
  TPoolSource& pool = source_.Pools.back();
  const bool sud = *joueur == jrSud;
  if (entame) {
    if (code.Code) return Erreur(ligne.Numero, "une entame de pool n'a pas de code : ce sont ses conditions qui en ont.");
    pool.Entames.push_back({ligne.Numero, sud, carte->Carte.Couleur(), carte->Carte.h, {}, {}, {}, {}});
    entamePool_ = pool.Entames.size() - 1;
  } else {
    const auto n = Code(ligne, code, true);
    if (!n) return;
    pool.Mauvaises.push_back({ligne.Numero, sud, carte->Carte.Couleur(), carte->Carte.h, *n});
  }
  FinDeLigne(mots);
}

void TAnalyseurSource::ConditionPool(TCurseurMots& mots, TEntamePool& entame) {
  const TLigneDonne& ligne = mots.Ligne();
  if (mots.Fin())
    return Erreur(ligne.Numero, "il faut « condition jouee|non-jouee CARTE=N » ou « condition maitresse COULEUR=N ».");
  const std::string genre = Replie(mots.Prend());
  if (mots.Fin() || entame.Conditions.size() >= 4)
    return Erreur(ligne.Numero, "quatre conditions au plus, chacune « condition GENRE CARTE=N ».");
  const TMotCode mot = SepareCode(mots.Prend());
  const auto code = Code(ligne, mot, true);
  if (!code) return;
  if (genre == "maitresse") {
    const auto couleur = Couleur(ligne, mot.Mot);
    if (!couleur) return;
    entame.Conditions.push_back({0, TCard{RangPlusHaute, static_cast<std::uint8_t>(*couleur)}, *code});
  } else if (genre == "jouee" || genre == "non-jouee") {
    const auto carte = CarteReelle(ligne, mot.Mot);
    if (!carte) return;
    entame.Conditions.push_back({static_cast<std::uint8_t>(genre == "jouee" ? 1 : 2), *carte, *code});
  } else {
    return Erreur(ligne.Numero, "condition " + Guillemets(genre) + " inconnue (jouee, non-jouee, maitresse).");
  }
  FinDeLigne(mots);
}

bool TAnalyseurSource::ReponsePool(TCurseurMots& mots, const std::string& cle, TEntamePool& entame) {
  const TLigneDonne& ligne = mots.Ligne();
  const bool autres = cle == "autres";
  const TMotCode mot = SepareCode(mots.Prend());
  const auto code = Code(ligne, mot, autres);
  if (!code) return false;
  auto erreur = [&](std::string message) {
    Erreur(ligne.Numero, std::move(message));
    return false;
  };
  if (cle == "defausses") {
    const auto carte = LitCarteScript(mot.Mot);
    const bool valide = carte && carte->Table.empty() &&
                        (carte->Carte.c <= clPique || carte->Carte.c == CouleurQuelconque) &&
                        ((carte->Carte.h >= 2 && carte->Carte.h <= 14) || carte->Carte.h == RangQuelconque ||
                         carte->Carte.h == RangPlusHaute);
    if (!valide) return erreur("défausse " + Guillemets(mot.Mot) + " invalide (C5, C*, *+ pour une maîtresse, ** pour toute carte).");
    if (entame.Defausses.size() >= 7) return erreur("sept défausses au plus.");
    entame.Defausses.push_back({carte->Carte.h, carte->Carte.c, *code});
    return true;
  }
  const auto rang = mot.Mot == "*" ? std::optional<std::uint8_t>(RangQuelconque) : LitRang(mot.Mot);
  if (!rang) return erreur("rang " + Guillemets(mot.Mot) + " invalide (A K Q J T 9 .. 2, ou *).");
  if (!autres) {
    if (entame.Suites.size() >= 6) return erreur("six suites au plus.");
    entame.Suites.push_back({*rang, *code});
    return true;
  }
  if (entame.AutresSuites.size() >= 7 || *code > 255) return erreur("sept autres suites au plus, codes de 0 à 255.");
  entame.AutresSuites.push_back({*rang, static_cast<std::uint8_t>(*code)});
  return true;
}

// ---------------------------------------------------------------- play and questions

void TAnalyseurSource::Jeu(const TLigneDonne& ligne) {
  if (ligne.Mots.size() == 2 && Replie(ligne.Mots[1]) == "aucun") {
    if (source_.JeuAbsent || !source_.Jeu.empty()) return Erreur(ligne.Numero, "« jeu aucun » exclut toute autre ligne « jeu ».");
    source_.JeuAbsent = true;
    source_.LigneJeuAucun = ligne.Numero;
    return;
  }
  if (ligne.Mots.size() != 5) return Erreur(ligne.Numero, "une levée du jeu complet a quatre cartes, depuis celle de l'entameur.");
  if (source_.JeuAbsent || source_.Jeu.size() >= NbLeveesJeuComplet)
    return Erreur(ligne.Numero, "le jeu complet a douze levées (la treizième va de soi).");
  TValeurLigne<std::array<TCard, 4>> levee{{}, ligne.Numero};
  for (std::size_t k = 0; k < 4; ++k) {
    const auto carte = CarteReelle(ligne, ligne.Mots[k + 1]);
    if (!carte) return;
    levee.Valeur[k] = *carte;
  }
  source_.Jeu.push_back(levee);
}

void TAnalyseurSource::Question(const TLigneDonne& ligne) {
  if (source_.Questions.size() >= NbQuestionsMax) return Erreur(ligne.Numero, "trois questions au plus.");
  TCurseurMots mots(ligne, 1);
  TQuestion q;
  bool levee = false, genre = false;
  auto etat = [&](bool montre) {  // "montres" or "depart" for kinds 1, 2, 4
    if (q.TypeQuestion == 2) q.Depart = montre ? 0 : 1;
    else q.Option = montre ? 1 : 0;
  };
  while (!mots.Fin()) {
    const std::string mot = Replie(mots.Prend());
    auto exigeJoueur = [&]() {
      if (mots.Fin()) return false;
      const auto j = Joueur(ligne, mots.Prend());
      if (j) q.Joueur = *j;
      return j.has_value();
    };
    auto exigeCouleur = [&]() {
      if (mots.Fin()) return false;
      const auto c = Couleur(ligne, mots.Prend());
      if (c) q.Couleur = *c;
      return c.has_value();
    };
    bool lu = true;
    if (mot == "levee") {
      const auto n = NombreSuivant(mots, 1, 13, "levée");
      if (!n) return;
      q.NumLevee = static_cast<std::uint16_t>(*n);
      levee = true;
    } else if (mot == "penalite") {
      const auto n = NombreSuivant(mots, 0, 100, "pénalité");
      if (!n) return;
      q.Penalite = static_cast<std::uint16_t>(*n);
    } else if (genre) {
      if (mot == "montres" || mot == "montrees" || mot == "montre" || mot == "montree") etat(true);
      else if (mot == "depart") etat(false);
      else if (mot == "jouee" && q.TypeQuestion == 3) q.Option = 1;
      else if (mot == "non-jouee" && q.TypeQuestion == 3) q.Option = 0;
      else lu = false;
    } else {
      genre = true;
      if (mot == "entame") {
        q.TypeQuestion = 0;
      } else if (mot == "defausse") {
        q.TypeQuestion = 0, q.Option = 1, lu = exigeJoueur();
      } else if (mot == "points" || mot == "compte") {
        q.TypeQuestion = mot == "points" ? 1 : 2, lu = exigeJoueur();
      } else if (mot == "carte") {
        q.TypeQuestion = 3;
        lu = !mots.Fin();
        if (lu) {
          const auto carte = CarteReelle(ligne, mots.Prend());
          if (!carte) return;
          q.Carte = *carte;
        }
      } else if (mot == "longueur") {
        q.TypeQuestion = 4, lu = exigeJoueur() && exigeCouleur();
      } else if (mot == "repartition") {
        q.TypeQuestion = 5, lu = exigeCouleur();
      } else {
        lu = false;
      }
    }
    if (!lu)
      return Erreur(ligne.Numero, "question mal formée près de " + Guillemets(mot) +
                                      " : voir les formes « entame », « defausse Est », « points Ouest montres », "
                                      "« compte Ouest depart », « carte HK jouee », « longueur Ouest H montrees », « repartition H ».");
  }
  if (!levee || !genre) return Erreur(ligne.Numero, "une question a au moins « levee N » et sa nature (entame, points, ...).");
  source_.Questions.push_back({q, ligne.Numero});
}

void TAnalyseurSource::Octets(const TLigneDonne& ligne, std::vector<TPatch>& patchs, std::size_t taille) {
  if (ligne.Mots.size() < 3) return Erreur(ligne.Numero, "il faut « " + ligne.Mots[0] + " DECALAGE OCTETS... » (octets en hexadécimal).");
  const auto decalage = Nombre(ligne, ligne.Mots[1], 0, static_cast<long long>(taille) - 1, "décalage");
  if (!decalage) return;
  TPatch patch{static_cast<std::size_t>(*decalage), {}, ligne.Numero};
  for (std::size_t k = 2; k < ligne.Mots.size(); ++k) {
    const std::string& mot = ligne.Mots[k];
    unsigned valeur = 0;
    const auto [fin, erreur] = std::from_chars(mot.data(), mot.data() + mot.size(), valeur, 16);
    if (mot.size() != 2 || erreur != std::errc{} || fin != mot.data() + mot.size())
      return Erreur(ligne.Numero, "octet " + Guillemets(mot) + " invalide : deux chiffres hexadécimaux.");
    patch.Octets.push_back(static_cast<std::uint8_t>(valeur));
  }
  if (patch.Decalage + patch.Octets.size() > taille) return Erreur(ligne.Numero, "les octets dépassent la fin de la fiche.");
  patchs.push_back(std::move(patch));
}

}  // namespace kalvo::redaction
