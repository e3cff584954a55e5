// The import format: tokens are read with their line (tags, commentary,
// escape lines, section data), gathered into games, then each game is
// checked as a deal a lesson can start from.
#include "model/NotationMains.h"
#include "model/Pbn.h"

#include <algorithm>
#include <cctype>
#include <map>

namespace kalvo {

namespace {

struct TErreurPbn {
  int Ligne;
  std::string Message;
};

[[noreturn]] void Faute(int ligne, std::string message) { throw TErreurPbn{ligne, std::move(message)}; }

std::string Guillemets(std::string_view texte) { return "« " + std::string(texte) + " »"; }

bool EgalSansCasse(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) == std::toupper(static_cast<unsigned char>(y));
         });
}

std::string Majuscules(std::string_view texte) {
  std::string m(texte);
  for (char& c : m) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return m;
}

std::optional<int> Entier(std::string_view texte, int minimum, int maximum) {
  if (texte.empty() || texte.size() > 3) return std::nullopt;
  int valeur = 0;
  for (const char c : texte) {
    if (c < '0' || c > '9') return std::nullopt;
    valeur = valeur * 10 + (c - '0');
  }
  if (valeur < minimum || valeur > maximum) return std::nullopt;
  return valeur;
}

enum class TSection { Aucune, Encheres, Jeu, Table };

struct TMot {
  std::string Texte;
  int Ligne = 0;
};

struct TTag {
  std::string Nom, Valeur;
  int Ligne = 0;
};

// A game as written, before its values are checked.
struct TPartieBrute {
  std::vector<TTag> Tags;
  std::vector<TMot> Encheres, Jeu;
  std::vector<std::string> Commentaires;
  int LigneDebut = 0;
  const TTag* Cherche(std::string_view nom) const {
    for (const TTag& tag : Tags)
      if (tag.Nom == nom) return &tag;
    return nullptr;
  }
};

// ---- Tokens ----

class TDecoupeur {
 public:
  explicit TDecoupeur(std::string_view texte) : texte_(texte) {
    if (texte_.starts_with("\xEF\xBB\xBF")) texte_.remove_prefix(3);
  }

  std::vector<TPartieBrute> Parties() {
    while (pos_ < texte_.size()) {
      const char c = texte_[pos_];
      if (debutLigne_ && c == '%') {
        ligneVide_ = false;
        SauteLigne();
      } else if (c == '\n') {
        if (ligneVide_) FinPartie();
        ++ligne_;
        ++pos_;
        debutLigne_ = true;
        ligneVide_ = true;
      } else if (c == ' ' || c == '\t' || c == '\r') {
        ++pos_;
        debutLigne_ = false;
      } else {
        debutLigne_ = false;
        ligneVide_ = false;
        if (c == '[') {
          LitTag();
        } else if (c == '{') {
          LitCommentaire();
        } else if (c == ';') {
          const std::size_t debut = pos_ + 1;
          SauteLigne();
          Courante().Commentaires.emplace_back(texte_.substr(debut, pos_ - debut));
        } else {
          LitMot();
        }
      }
    }
    FinPartie();
    return std::move(parties_);
  }

 private:
  void SauteLigne() {
    while (pos_ < texte_.size() && texte_[pos_] != '\n') ++pos_;
  }

  TPartieBrute& Courante() {
    if (!courante_) {
      courante_ = TPartieBrute{};
      courante_->LigneDebut = ligne_;
    }
    return *courante_;
  }

  void FinPartie() {
    if (courante_ && !courante_->Tags.empty()) parties_.push_back(std::move(*courante_));
    courante_.reset();
    section_ = TSection::Aucune;
  }

  void LitTag() {
    const int ligne = ligne_;
    std::size_t i = pos_ + 1;
    const auto blancs = [&] {
      while (i < texte_.size() && (texte_[i] == ' ' || texte_[i] == '\t')) ++i;
    };
    blancs();
    const std::size_t debutNom = i;
    while (i < texte_.size() && (std::isalnum(static_cast<unsigned char>(texte_[i])) || texte_[i] == '_')) ++i;
    std::string nom(texte_.substr(debutNom, i - debutNom));
    if (nom.empty()) Faute(ligne, "étiquette sans nom : il faut [Nom \"valeur\"].");
    blancs();
    if (i >= texte_.size() || texte_[i] != '"') Faute(ligne, "la valeur de l'étiquette [" + nom + "] doit être entre guillemets.");
    ++i;
    std::string valeur;
    while (true) {
      if (i >= texte_.size() || texte_[i] == '\n')
        Faute(ligne, "la valeur de l'étiquette [" + nom + "] n'a pas de guillemet fermant sur sa ligne.");
      if (texte_[i] == '"') break;
      if (texte_[i] == '\\' && i + 1 < texte_.size() && (texte_[i + 1] == '"' || texte_[i + 1] == '\\')) ++i;
      valeur += texte_[i++];
    }
    ++i;
    blancs();
    if (i >= texte_.size() || texte_[i] != ']') Faute(ligne, "l'étiquette [" + nom + "] n'est pas fermée par « ] ».");
    pos_ = i + 1;

    // A tag met a second time in a game starts the next one.
    if (courante_ && nom != "Note" && courante_->Cherche(nom) != nullptr) FinPartie();
    TPartieBrute& partie = Courante();
    if (valeur == "#") {
      const TTag* herite = precedents_.contains(nom) ? &precedents_[nom] : nullptr;
      if (herite == nullptr) Faute(ligne, "la valeur « # » de [" + nom + "] reprend celle de la partie précédente, qui n'en a pas.");
      valeur = herite->Valeur;
    }
    partie.Tags.push_back(TTag{nom, valeur, ligne});
    precedents_[nom] = partie.Tags.back();
    if (nom == "Auction") {
      section_ = TSection::Encheres;
    } else if (nom == "Play") {
      section_ = TSection::Jeu;
    } else if (nom.ends_with("Table")) {
      section_ = TSection::Table;
    } else {
      section_ = TSection::Aucune;
    }
  }

  void LitCommentaire() {
    const int ligne = ligne_;
    const std::size_t debut = pos_ + 1;
    const std::size_t fin = texte_.find('}', debut);
    if (fin == std::string_view::npos) Faute(ligne, "commentaire ouvert par « { » et jamais fermé.");
    const std::string_view texte = texte_.substr(debut, fin - debut);
    ligne_ += static_cast<int>(std::count(texte.begin(), texte.end(), '\n'));
    pos_ = fin + 1;
    Courante().Commentaires.emplace_back(texte);
  }

  void LitMot() {
    const std::size_t debut = pos_;
    while (pos_ < texte_.size()) {
      const char c = texte_[pos_];
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '[' || c == '{' || c == ';') break;
      ++pos_;
    }
    TMot mot{std::string(texte_.substr(debut, pos_ - debut)), ligne_};
    switch (section_) {
      case TSection::Encheres: Courante().Encheres.push_back(std::move(mot)); break;
      case TSection::Jeu: Courante().Jeu.push_back(std::move(mot)); break;
      case TSection::Table: break;
      case TSection::Aucune:
        Faute(mot.Ligne, Guillemets(mot.Texte) + " inattendu : hors des sections [Auction] et [Play], on attend une étiquette [Nom \"valeur\"].");
    }
  }

  std::string_view texte_;
  std::size_t pos_ = 0;
  int ligne_ = 1;
  bool debutLigne_ = true;
  bool ligneVide_ = true;
  TSection section_ = TSection::Aucune;
  std::optional<TPartieBrute> courante_;
  std::vector<TPartieBrute> parties_;
  std::map<std::string, TTag> precedents_;
};

// ---- Values ----

std::optional<TJoueur> Siege(std::string_view valeur) {
  if (valeur.size() != 1 || valeur[0] == 'O' || valeur[0] == 'o') return std::nullopt;
  return LitLettreJoueur(valeur[0]);
}

std::optional<TCouleur> Denomination(std::string_view texte) {
  const std::string m = Majuscules(texte);
  if (m == "C") return clTrefle;
  if (m == "D") return clCarreau;
  if (m == "H") return clCoeur;
  if (m == "S") return clPique;
  if (m == "NT" || m == "N") return clSA;
  return std::nullopt;
}

// A call token, its annotation marks ("!", "?") taken off.
std::optional<TEnchere> Appel(std::string_view mot) {
  while (!mot.empty() && (mot.back() == '!' || mot.back() == '?')) mot.remove_suffix(1);
  if (EgalSansCasse(mot, "Pass")) return TEnchere{0, 1, 0};
  if (EgalSansCasse(mot, "X")) return TEnchere{0, 2, 0};
  if (EgalSansCasse(mot, "XX")) return TEnchere{0, 3, 0};
  if (mot.size() < 2 || mot[0] < '1' || mot[0] > '7') return std::nullopt;
  const auto denomination = Denomination(mot.substr(1));
  if (!denomination) return std::nullopt;
  return TEnchere{static_cast<std::uint8_t>(mot[0] - '0'), static_cast<std::uint8_t>(*denomination), 0};
}

bool EstRenvoiNote(std::string_view mot) { return mot.size() >= 3 && mot.front() == '=' && mot.back() == '='; }
bool EstGlyphe(std::string_view mot) { return mot.size() >= 2 && mot.front() == '$'; }

// The calls so far: whether the next one is allowed, and whether they end.
class TSuiviEncheres {
 public:
  explicit TSuiviEncheres(TJoueur donneur) : joueur_(donneur) {}

  // Nothing when the call is allowed, else why not.
  std::optional<std::string> Ajoute(const TEnchere& appel) {
    if (Finie()) return "l'enchère est déjà finie";
    const bool adverse = derniereEnchere_ && LigneDe(*parQui_) != LigneDe(joueur_);
    if (appel.Niveau >= 1) {
      if (derniereEnchere_ && (appel.Niveau * 5 + appel.Couleur) <= (derniereEnchere_->Niveau * 5 + derniereEnchere_->Couleur))
        return TexteAppelPbn(appel) + " n'est pas plus haut que " + TexteAppelPbn(*derniereEnchere_);
      derniereEnchere_ = appel;
      parQui_ = joueur_;
      contre_ = 0;
      passes_ = 0;
    } else if (appel.Couleur == 1) {
      ++passes_;
    } else if (appel.Couleur == 2) {
      if (!adverse || contre_ != 0) return "contre sans enchère adverse à contrer";
      contre_ = 1;
      passes_ = 0;
    } else {
      // The redouble answers the opponents' double of our side's bid.
      if (!derniereEnchere_ || adverse || contre_ != 1) return "surcontre sans contre adverse";
      contre_ = 2;
      passes_ = 0;
    }
    joueur_ = JoueurSuivant(joueur_);
    return std::nullopt;
  }
  bool Finie() const { return derniereEnchere_ ? passes_ >= 3 : passes_ >= 4; }

 private:
  TJoueur joueur_;
  std::optional<TEnchere> derniereEnchere_;
  std::optional<TJoueur> parQui_;
  int contre_ = 0, passes_ = 0;
};

std::optional<TContratPbn> Contrat(std::string_view valeur) {
  if (EgalSansCasse(valeur, "Pass")) return TContratPbn{};
  if (valeur.size() < 2 || valeur[0] < '1' || valeur[0] > '7') return std::nullopt;
  TContratPbn contrat;
  contrat.Niveau = valeur[0] - '0';
  std::string_view reste = valeur.substr(1);
  const std::string m = Majuscules(reste);
  if (m.ends_with("XX")) {
    contrat.Contre = 2;
    reste.remove_suffix(2);
  } else if (m.ends_with("X")) {
    contrat.Contre = 1;
    reste.remove_suffix(1);
  }
  const auto denomination = Denomination(reste);
  if (!denomination) return std::nullopt;
  contrat.Atout = *denomination;
  return contrat;
}

std::string TexteContratEtDeclarant(const TContratPbn& contrat, TJoueur declarant) {
  if (contrat.Niveau == 0) return "Pass";
  return TexteContratPbn(contrat) + " par " + std::string(NomsJoueurs[declarant]);
}

// ---- One game ----

class TConversion {
 public:
  explicit TConversion(const TPartieBrute& brute) : brute_(brute) {}

  TPartiePbn Convertit() {
    partie_.LigneDebut = brute_.LigneDebut;
    if (const TTag* t = brute_.Cherche("Event")) partie_.Evenement = t->Valeur;
    if (const TTag* t = brute_.Cherche("Board")) partie_.Board = Entier(t->Valeur, 1, 999).value_or(0);
    LitMains();
    LitDonneur();
    LitVulnerabilite();
    LitEncheres();
    LitContrat();
    LitResultat();
    LitJeu();
    for (const TTag& tag : brute_.Tags)
      if (!EstStandard(tag.Nom)) partie_.AutresTags.emplace_back(tag.Nom, tag.Valeur);
    partie_.Commentaires = brute_.Commentaires;
    return std::move(partie_);
  }

 private:
  static bool EstStandard(std::string_view nom) {
    static const std::array<std::string_view, 18> standards{
        "Event", "Site",  "Date",      "Board",   "West",     "North",    "East",   "South", "Dealer",
        "Vulnerable", "Deal", "Scoring", "Declarer", "Contract", "Result", "Auction", "Play", "Note"};
    return std::find(standards.begin(), standards.end(), nom) != standards.end();
  }

  const TTag& Requis(std::string_view nom) const {
    const TTag* tag = brute_.Cherche(nom);
    if (tag == nullptr || tag->Valeur.empty() || tag->Valeur == "?")
      Faute(tag != nullptr ? tag->Ligne : brute_.LigneDebut,
            "il manque l'étiquette [" + std::string(nom) + "] à la partie qui commence ligne " +
                std::to_string(brute_.LigneDebut) + ".");
    return *tag;
  }

  void LitMains() {
    const TTag& deal = Requis("Deal");
    std::string erreur;
    const auto jeux = LitJeuxPbn(deal.Valeur, erreur);
    if (!jeux) Faute(deal.Ligne, "[Deal] : " + erreur);
    partie_.Mains = *jeux;
  }

  void LitDonneur() {
    const TTag* tag = brute_.Cherche("Dealer");
    if (tag == nullptr || tag->Valeur.empty() || tag->Valeur == "?") tag = brute_.Cherche("Auction");
    if (tag == nullptr) tag = &Requis("Dealer");
    const auto donneur = Siege(tag->Valeur);
    if (!donneur) Faute(tag->Ligne, "donneur " + Guillemets(tag->Valeur) + " inconnu : N, E, S ou W.");
    partie_.Donneur = *donneur;
  }

  void LitVulnerabilite() {
    const TTag* tag = brute_.Cherche("Vulnerable");
    if (tag == nullptr) return;
    const std::string v = Majuscules(tag->Valeur);
    if (v == "NONE" || v == "LOVE" || v == "-") {
      partie_.Vulnerabilite = vlnPersonne;
    } else if (v == "NS") {
      partie_.Vulnerabilite = vlnNS;
    } else if (v == "EW") {
      partie_.Vulnerabilite = vlnEO;
    } else if (v == "ALL" || v == "BOTH") {
      partie_.Vulnerabilite = vlnTous;
    } else {
      Faute(tag->Ligne, "vulnérabilité " + Guillemets(tag->Valeur) + " inconnue : None, NS, EW ou All.");
    }
  }

  void LitEncheres() {
    const TTag* tag = brute_.Cherche("Auction");
    if (tag == nullptr) return;
    const auto premier = Siege(tag->Valeur);
    if (!premier) Faute(tag->Ligne, "[Auction] : premier joueur " + Guillemets(tag->Valeur) + " inconnu : N, E, S ou W.");
    if (*premier != partie_.Donneur)
      Faute(tag->Ligne, "l'enchère commence par " + std::string(NomsJoueurs[*premier]) + " mais le donneur est " +
                            std::string(NomsJoueurs[partie_.Donneur]) + ".");
    TSuiviEncheres suivi(partie_.Donneur);
    int derniereLigne = tag->Ligne;
    bool interrompue = false;
    for (const TMot& mot : brute_.Encheres) {
      derniereLigne = mot.Ligne;
      if (interrompue) Faute(mot.Ligne, Guillemets(mot.Texte) + " après la fin « * » de l'enchère.");
      if (EstGlyphe(mot.Texte)) continue;
      if (mot.Texte == "*") {
        interrompue = true;
        continue;
      }
      if (EstRenvoiNote(mot.Texte)) {
        const auto numero = Entier(std::string_view(mot.Texte).substr(1, mot.Texte.size() - 2), 1, 999);
        if (!numero || partie_.Encheres.empty())
          Faute(mot.Ligne, "renvoi de note " + Guillemets(mot.Texte) + " mal placé ou mal formé.");
        partie_.Encheres.back().Alerte = static_cast<std::uint16_t>(*numero);
        continue;
      }
      if (EgalSansCasse(mot.Texte, "AP")) {
        while (!suivi.Finie()) {
          (void)suivi.Ajoute(TEnchere{0, 1, 0});
          partie_.Encheres.push_back(TEnchere{0, 1, 0});
        }
        continue;
      }
      const auto appel = Appel(mot.Texte);
      if (!appel) Faute(mot.Ligne, "appel " + Guillemets(mot.Texte) + " inconnu (Pass, X, XX, 1C … 7NT).");
      if (const auto refus = suivi.Ajoute(*appel)) Faute(mot.Ligne, "appel " + Guillemets(mot.Texte) + " interdit : " + *refus + ".");
      partie_.Encheres.push_back(*appel);
    }
    if (!suivi.Finie())
      Faute(derniereLigne, "l'enchère ne finit pas : il faut trois passes après la dernière enchère (ou quatre passes).");
    for (const TTag& note : brute_.Tags) {
      if (note.Nom != "Note") continue;
      const auto deuxPoints = note.Valeur.find(':');
      const auto numero = deuxPoints == std::string::npos ? std::nullopt : Entier(std::string_view(note.Valeur).substr(0, deuxPoints), 1, 999);
      if (!numero) Faute(note.Ligne, "[Note] doit s'écrire \"n:texte\".");
      partie_.Notes.emplace_back(*numero, note.Valeur.substr(deuxPoints + 1));
    }
  }

  void LitContrat() {
    const TTag& tag = Requis("Contract");
    partie_.LigneContrat = tag.Ligne;
    const auto contrat = Contrat(tag.Valeur);
    if (!contrat) Faute(tag.Ligne, "contrat " + Guillemets(tag.Valeur) + " illisible (3NT, 4SX, Pass…).");
    partie_.Contrat = *contrat;
    if (contrat->Niveau > 0) {
      const TTag& declarant = Requis("Declarer");
      const auto siege = Siege(declarant.Valeur);
      if (!siege) Faute(declarant.Ligne, "déclarant " + Guillemets(declarant.Valeur) + " inconnu : N, E, S ou W.");
      partie_.Declarant = *siege;
    }
    if (brute_.Cherche("Auction") == nullptr) return;
    const auto issue = IssueEncheres(partie_.Encheres, partie_.Donneur);
    const TContratPbn attendu = issue ? issue->Contrat : TContratPbn{};
    const bool accord = issue ? (attendu == partie_.Contrat && issue->Declarant == partie_.Declarant) : partie_.Contrat.Niveau == 0;
    if (!accord)
      Faute(tag.Ligne, "le contrat " + TexteContratEtDeclarant(partie_.Contrat, partie_.Declarant) +
                           " ne correspond pas à l'enchère, qui finit en " +
                           (issue ? TexteContratEtDeclarant(issue->Contrat, issue->Declarant) : std::string("Pass")) + ".");
  }

  void LitResultat() {
    const TTag* tag = brute_.Cherche("Result");
    if (tag == nullptr || tag->Valeur.empty() || tag->Valeur == "?") return;
    const auto levees = Entier(tag->Valeur, 0, 13);
    if (!levees) Faute(tag->Ligne, "résultat " + Guillemets(tag->Valeur) + " : il faut un nombre de levées de 0 à 13.");
    partie_.Resultat = *levees;
  }

  void LitJeu() {
    const TTag* tag = brute_.Cherche("Play");
    if (tag == nullptr) return;
    if (partie_.Contrat.Niveau == 0) Faute(tag->Ligne, "[Play] dans une donne passée.");
    const auto entameur = Siege(tag->Valeur);
    if (!entameur || *entameur != JoueurSuivant(partie_.Declarant))
      Faute(tag->Ligne, "[Play] doit nommer l'entameur, le joueur à gauche du déclarant (" +
                            std::string(1, LettreJoueurAnglaise(JoueurSuivant(partie_.Declarant))) + ").");
    std::array<bool, 53> jouees{};
    TCartesJouees levee{};
    int place = 0;
    bool fin = false;
    for (const TMot& mot : brute_.Jeu) {
      if (fin) Faute(mot.Ligne, Guillemets(mot.Texte) + " après la fin « * » du jeu de la carte.");
      if (EstGlyphe(mot.Texte) || EstRenvoiNote(mot.Texte)) continue;
      if (mot.Texte == "*") {
        fin = true;
        continue;
      }
      if (place == 0) partie_.LignesLevees.push_back(mot.Ligne);
      const auto joueur = static_cast<TJoueur>((*entameur + place) % 4);
      std::string_view texte = mot.Texte;
      while (!texte.empty() && (texte.back() == '!' || texte.back() == '?')) texte.remove_suffix(1);
      if (texte != "-") {
        TCard carte;
        if (!LitCodeCarte(texte, carte) || !carte.EstReelle())
          Faute(mot.Ligne, "carte " + Guillemets(mot.Texte) + " illisible (SA, HT, D2…).");
        const auto& main = partie_.Mains.cartes[joueur];
        if (std::find(main.begin(), main.end(), carte) == main.end())
          Faute(mot.Ligne, NomCarteArticle(carte) + " n'est pas dans la main " + std::string(DeJoueurs[joueur]) +
                               std::string(NomsJoueurs[joueur]) + ".");
        bool& deja = jouees[static_cast<std::size_t>(IndexCarte(carte))];
        if (deja) Faute(mot.Ligne, "la carte « " + NomCarte(carte) + " » est jouée deux fois.");
        deja = true;
        levee[joueur] = carte;
      }
      if (++place == 4) {
        if (partie_.Levees.size() == 13) Faute(mot.Ligne, "plus de treize levées dans [Play].");
        partie_.Levees.push_back(levee);
        levee = {};
        place = 0;
      }
    }
    if (place > 0) partie_.Levees.push_back(levee);
  }

  const TPartieBrute& brute_;
  TPartiePbn partie_;
};

}  // namespace

std::optional<TIssueEncheres> IssueEncheres(const std::vector<TEnchere>& appels, TJoueur donneur) {
  std::optional<TIssueEncheres> issue;
  // For each side and strain, the first of the side to name it.
  std::array<std::array<std::optional<TJoueur>, 5>, 2> premiers{};
  TJoueur joueur = donneur;
  for (const TEnchere& appel : appels) {
    if (appel.Niveau >= 1 && appel.Niveau <= 7 && appel.Couleur <= clSA) {
      auto& premier = premiers[LigneDe(joueur)][appel.Couleur];
      if (!premier) premier = joueur;
      issue = TIssueEncheres{TContratPbn{appel.Niveau, static_cast<TCouleur>(appel.Couleur), 0}, *premier};
    } else if (issue && appel.Niveau == 0 && appel.Couleur == 2) {
      issue->Contrat.Contre = 1;
    } else if (issue && appel.Niveau == 0 && appel.Couleur == 3) {
      issue->Contrat.Contre = 2;
    }
    joueur = JoueurSuivant(joueur);
  }
  return issue;
}

std::optional<std::vector<TPartiePbn>> LitPbn(std::string_view texte, std::string& erreur) {
  try {
    const std::vector<TPartieBrute> brutes = TDecoupeur(texte).Parties();
    if (brutes.empty()) Faute(1, "aucune partie : le fichier n'a pas d'étiquette [Deal \"…\"].");
    std::vector<TPartiePbn> parties;
    for (const TPartieBrute& brute : brutes) parties.push_back(TConversion(brute).Convertit());
    return parties;
  } catch (const TErreurPbn& e) {
    erreur = "ligne " + std::to_string(e.Ligne) + " : " + e.Message;
    return std::nullopt;
  }
}

}  // namespace kalvo
