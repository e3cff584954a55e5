#include "tools/kalvo-deals/Inventaire.h"

#include "model/ErreurDonnee.h"

#include <functional>
#include <optional>

namespace kalvo::outil_donnes {

namespace {

using enum TFonction;

constexpr std::array<TDescriptionFonction, NbFonctions> Descriptions{{
    {"chaine-levee", "Chaîne de levée (type 1, jeu par chaînes)"},
    {"noeud-distribution", "Nœud distribution (type 2)"},
    {"noeud-cartes-tenues", "Nœud cartes tenues (type 3)"},
    {"noeud-hasard", "Nœud hasard (type 4)"},
    {"noeud-gagnant-levee", "Nœud gagnant de la levée (type 5)"},
    {"noeud-revendication", "Nœud revendication (type 6, fin par revendication)"},
    {"noeud-retour-debut", "Nœud retour au début (type 7)"},
    {"noeud-longueur", "Nœud longueur (type 8)"},
    {"noeud-partenaire-prend", "Nœud partenaire prend (type 9)"},
    {"noeud-automatique", "Nœud automatique (type 10, jeu automatique)"},
    {"noeud-pool", "Nœud pool (type 11, jeu au pool)"},
    {"noeud-solution", "Nœud solution (type 12, jeu par solutions)"},
    {"chaine-equivalente", "Chaîne équivalente"},
    {"defense-carte", "Défense : carte précise"},
    {"defense-quelconque", "Défense : carte quelconque (15)"},
    {"defense-plus-haute", "Défense : plus haute (16)"},
    {"defense-bat-declarant", "Défense : moins chère battant le camp du déclarant (32)"},
    {"defense-groupe", "Défense : groupe (48)"},
    {"defense-bas-de-sequence", "Défense : bas de séquence (64)"},
    {"defense-bat-partenaire", "Défense : doit battre le partenaire (80)"},
    {"defense-compteur", "Défense : compteur (128)"},
    {"defense-toutes-couleurs", "Défense : toute couleur (couleur 7)"},
    {"defense-si-precedente", "Défense : condition sur la carte précédente (SiPrecedente)"},
    {"defense-si-derniere", "Défense : condition sur la dernière carte (SiDerniere)"},
    {"declarant-carte", "Déclarant : carte précise"},
    {"declarant-quelconque", "Déclarant : carte quelconque (15)"},
    {"declarant-plus-haute", "Déclarant : plus haute (16)"},
    {"declarant-groupe", "Déclarant : groupe (48)"},
    {"declarant-bat-partenaire", "Déclarant : doit battre le partenaire (80)"},
    {"declarant-compteur", "Déclarant : compteur (128)"},
    {"declarant-toutes-couleurs", "Déclarant : toute couleur (couleur 7)"},
    {"groupe-prealables", "Groupe avec cartes préalables"},
    {"compteur-table-1", "Compteurs, table 1"},
    {"compteur-table-2", "Compteurs, table 2"},
    {"pool-entame-sud", "Pool : entame de Sud"},
    {"pool-entame-nord", "Pool : entame de Nord"},
    {"pool-condition-non-jouee", "Pool : condition « carte encore à jouer » (genre 1)"},
    {"pool-condition-jouee", "Pool : condition « carte déjà jouée » (genre 2)"},
    {"pool-condition-maitresse", "Pool : condition de carte maîtresse chez le partenaire"},
    {"pool-suites", "Pool : suites dans la couleur"},
    {"pool-defausses", "Pool : défausses"},
    {"pool-defausse-maitresse", "Pool : défausse d'une carte maîtresse (16)"},
    {"pool-autre", "Pool : entame connue mais fausse"},
    {"pool-suites-autres", "Pool : suites autres"},
    {"auto-liste-sud", "Automatique : liste de Sud"},
    {"auto-liste-nord", "Automatique : liste de Nord"},
    {"auto-defausse", "Automatique : entrée de défausse"},
    {"auto-couleur-permise", "Automatique : couleur jugée par les listes"},
    {"auto-couleur-verdict", "Automatique : couleur jugée d'office"},
    {"auto-code-defaut", "Automatique : commentaire par défaut propre"},
    {"jeu-complet", "Jeu complet"},
    {"alerte-encheres", "Alerte dans les enchères"},
    {"question-entame", "Question 0 : l'entame"},
    {"question-premiere-defausse", "Question 0 : la première défausse"},
    {"question-points-depart", "Question 1 : points au départ"},
    {"question-points-montres", "Question 1 : points montrés"},
    {"question-couleurs-depart", "Question 2 : cartes par couleur au départ"},
    {"question-couleurs-montrees", "Question 2 : cartes par couleur montrées"},
    {"question-carte-tenue", "Question 3 : qui possède une carte"},
    {"question-carte-jouee", "Question 3 : qui possédait une carte jouée"},
    {"question-couleur-depart", "Question 4 : cartes d'une couleur au départ"},
    {"question-couleur-montree", "Question 4 : cartes d'une couleur montrées"},
    {"question-repartition", "Question 5 : répartition d'une couleur"},
}};

// Each card code with its feature for a defender and for the declarer side
// (none where that side may not use it).
struct TCodeCarte {
  std::uint8_t Rang;
  std::optional<TFonction> Defense, Declarant;
};
constexpr std::array<TCodeCarte, 7> CodesCartes{{
    {RangQuelconque, DefenseQuelconque, DeclarantQuelconque},
    {RangPlusHaute, DefensePlusHaute, DeclarantPlusHaute},
    {RangBatCampDeclarant, DefenseBatDeclarant, std::nullopt},
    {RangGroupe, DefenseGroupe, DeclarantGroupe},
    {RangBasDeSequence, DefenseBasDeSequence, std::nullopt},
    {RangBatPartenaire, DefenseBatPartenaire, DeclarantBatPartenaire},
    {RangCompteur, DefenseCompteur, DeclarantCompteur},
}};

std::optional<TFonction> FonctionDuCode(std::uint8_t rang, bool defense) {
  if (rang >= 2 && rang <= 14) return defense ? DefenseCarte : DeclarantCarte;
  for (const TCodeCarte& code : CodesCartes)
    if (code.Rang == rang) return defense ? code.Defense : code.Declarant;
  return std::nullopt;
}

// The groups, counter tables and pools the script refers to: their own
// features are counted only when something uses them.
struct TReferences {
  std::array<bool, NbGroupes> Groupes{};
  std::array<bool, NbTablesCompteurs> Tables{};
  std::array<bool, NbPools> Pools{};
};

class TInventorieur {
 public:
  TInventorieur(const TDonne& donne, TInventaireDonne& resultat) : d_(donne), r_(resultat) {}

  void Tout(const TQuestionsDonne* questions) {
    for (int c = 1; c <= NbChaines; ++c) Protege([&] { Chaine(d_.Chaine(c)); });
    for (int g = 1; g <= NbGroupes; ++g)
      if (refs_.Groupes[static_cast<std::size_t>(g - 1)]) Protege([&] { Groupe(d_.Groupe(g)); });
    for (int t = 1; t <= NbTablesCompteurs; ++t)
      if (refs_.Tables[static_cast<std::size_t>(t - 1)]) Note(t == 1 ? CompteurTable1 : CompteurTable2);
    for (int p = 1; p <= NbPools; ++p)
      if (refs_.Pools[static_cast<std::size_t>(p - 1)]) Pool(d_.Pool(p));
    Protege([&] { JeuCompletEtEncheres(); });
    if (questions != nullptr) Protege([&] { Questions(*questions); });
  }

 private:
  void Note(TFonction f) { r_.Usages.Note(f); }
  void Avertit(std::string message) { r_.Avertissements.push_back(std::move(message)); }
  void Protege(const std::function<void()>& lecture) {
    try {
      lecture();
    } catch (const ErreurDonnee& e) {
      Avertit(e.what());
    }
  }

  void Chaine(const TChaine& ch) {
    if (ch.EstVide()) return;
    const std::uint8_t type = ch.TypeChaine();
    if (type < tcLevee || type > tcSolution) {
      Avertit("chaîne " + std::to_string(ch.Numero()) + " : type " + std::to_string(type) + " inconnu.");
      return;
    }
    // A node whose data is broken stops the deal when it is reached: it is
    // noted only once read whole.
    if (type == tcLevee) Levee(ch);
    if (type == tcAutomatique) Automatique(ch.Auto());
    if (type == tcPool) refs_.Pools[static_cast<std::size_t>(ch.NumeroPool() - 1)] = true;
    Note(static_cast<TFonction>(static_cast<int>(ChaineLevee) + type - tcLevee));
  }

  void Levee(const TChaine& ch) {
    if (ch.ChaineEquivalente() != 0) Note(ChaineEquivalente);
    for (int place = 1; place <= 2; ++place) {
      for (int a = 1; a <= 3; ++a) {
        const TCarteDefense alternative = ch.Defense(place, a);
        if (alternative.Carte.h == RangFinDeListe) break;
        Defense(ch, alternative);
      }
      for (int i = 1; i <= 8; ++i) {
        const TCard carte = ch.Declarant(place, i).Carte;
        if (carte.h == RangFinDeListe) break;
        CarteScript(ch, carte, false);
      }
    }
  }

  // A group or counter code names its table in the suit byte; false when
  // that table does not exist. A defender's code reads no table: it is
  // checked, never counted as a use of the table.
  bool Reference(const TChaine& ch, TCard carte, bool defense) {
    if (carte.h == RangGroupe) {
      if (carte.c < 1 || carte.c > NbGroupes) {
        Avertit("chaîne " + std::to_string(ch.Numero()) + " : groupe " + std::to_string(carte.c) + " inexistant.");
        return false;
      }
      if (!defense) refs_.Groupes[static_cast<std::size_t>(carte.c - 1)] = true;
    } else if (carte.h == RangCompteur) {
      if (carte.c < 1 || carte.c > NbTablesCompteurs) {
        Avertit("chaîne " + std::to_string(ch.Numero()) + " : table de compteurs " + std::to_string(carte.c) +
                " inexistante.");
        return false;
      }
      if (!defense) refs_.Tables[static_cast<std::size_t>(carte.c - 1)] = true;
    }
    return true;
  }

  // A card of the script (defender's alternative or declarer side's card):
  // the feature of its code, the table it names, any suit.
  void CarteScript(const TChaine& ch, TCard carte, bool defense) {
    const std::optional<TFonction> f = FonctionDuCode(carte.h, defense);
    if (!f) {
      Avertit("chaîne " + std::to_string(ch.Numero()) + " : code de carte " + std::to_string(carte.h) + " inconnu pour " +
              (defense ? "la défense." : "le camp du déclarant."));
      return;
    }
    if (!Reference(ch, carte, defense)) return;
    Note(*f);
    if (carte.c == CouleurQuelconque && carte.h != RangGroupe && carte.h != RangCompteur)
      Note(defense ? DefenseToutesCouleurs : DeclarantToutesCouleurs);
  }

  void Defense(const TChaine& ch, const TCarteDefense& alternative) {
    CarteScript(ch, alternative.Carte, true);
    if (alternative.SiPrecedente != 0) Note(DefenseSiPrecedente);
    // The last-card condition is read only on an any-card alternative without
    // a condition on the previous card.
    else if (alternative.SiDerniere != 0 && alternative.Carte.h == RangQuelconque) Note(DefenseSiDerniere);
  }

  void Groupe(const TGroupe& groupe) {
    for (const TCard& c : groupe.Prealables)
      if (c.h != RangFinDeListe) return Note(GroupePrealables);
  }

  void Automatique(const TChaineAuto& a) {
    const int nbSud = a.NbSud();
    const int nbNord = a.NbNord();
    if (nbSud > 0) Note(AutoListeSud);
    if (nbNord > 0) Note(AutoListeNord);
    for (int i = 1; i <= nbSud; ++i)
      if (a.ListeSud(i).Defausse != 0) Note(AutoDefausse);
    for (int i = 1; i <= nbNord; ++i)
      if (a.ListeNord(i).Defausse != 0) Note(AutoDefausse);
    for (T4Couleur s : ToutesLesCouleurs) Note(a.ParCouleur(s).Permis != 0 ? AutoCouleurPermise : AutoCouleurVerdict);
    if (a.CodeDefaut() != 0) Note(AutoCodeDefaut);
  }

  void Pool(const TPool& pool) {
    for (bool sud : {true, false})
      for (T4Couleur s : ToutesLesCouleurs)
        for (int y = 1; y <= 8; ++y) {
          Protege([&] { Entame(pool.Entame(sud, s, y), sud); });
          Protege([&] { Autre(pool.Autre(sud, s, y)); });
        }
  }

  void Entame(const TPoolCarte& e, bool sud) {
    if (e.EstVide()) return;
    Note(sud ? PoolEntameSud : PoolEntameNord);
    for (int z = 1; z <= e.NbConditions(); ++z) {
      const TConditionPool condition = e.Condition(z);
      if (condition.Carte.h == RangPlusHaute) Note(PoolConditionMaitresse);
      else if (condition.Genre == 1) Note(PoolConditionNonJouee);
      else if (condition.Genre == 2) Note(PoolConditionJouee);
    }
    if (e.NbSuites() > 0) Note(PoolSuites);
    if (e.NbDefausses() > 0) Note(PoolDefausses);
    for (int k = 1; k <= e.NbDefausses(); ++k)
      if (e.Defausse(k).Rang == RangPlusHaute) Note(PoolDefausseMaitresse);
  }

  void Autre(const TPoolAutre& autre) {
    if (autre.Rang() != 0) Note(PoolAutre);
    if (autre.NbSuites() > 0) Note(PoolSuitesAutres);
  }

  void JeuCompletEtEncheres() {
    for (int t = 1; t <= NbLeveesJeuComplet; ++t)
      for (int i = 1; i <= 4; ++i)
        if (!d_.JeuComplet(t, i).EstVide()) Note(JeuComplet);
    TJoueur joueur = d_.Donneur();
    for (int ligne = 1; ligne <= NbLignesEncheres;) {
      const TEnchere e = d_.Enchere(ligne, joueur);
      if (e.Niveau == NiveauFinEncheres) break;
      if (e.Alerte != 0) Note(AlerteEncheres);
      joueur = JoueurSuivant(joueur);
      if (joueur == jrSud) ++ligne;
    }
  }

  void Questions(const TQuestionsDonne& record) {
    if (record.NbQuestionsBrut() > NbQuestionsMax)
      Avertit("fiche de questions : " + std::to_string(record.NbQuestionsBrut()) + " questions annoncées (3 au plus).");
    for (int q = 1; q <= record.NbQuestions(); ++q) Question(q, record.Question(q));
  }

  void Question(int q, const TQuestion& question) {
    const bool option = question.Option != 0;
    switch (question.TypeQuestion) {
      case 0: return Note(option ? QuestionPremiereDefausse : QuestionEntame);
      case 1: return Note(option ? QuestionPointsMontres : QuestionPointsDepart);
      case 2: return Note(question.Depart == 1 ? QuestionCouleursDepart : QuestionCouleursMontrees);
      case 3: return Note(question.Option == 1 ? QuestionCarteJouee : QuestionCarteTenue);
      case 4: return Note(option ? QuestionCouleurMontree : QuestionCouleurDepart);
      case 5: return Note(QuestionRepartition);
      default:
        Avertit("question " + std::to_string(q) + " : genre " + std::to_string(question.TypeQuestion) +
                " inconnu (0 à 5).");
    }
  }

  const TDonne& d_;
  TInventaireDonne& r_;
  TReferences refs_;
};

}  // namespace

const TDescriptionFonction& Description(TFonction f) { return Descriptions.at(static_cast<std::size_t>(f)); }

bool EstFonctionQuestion(TFonction f) { return f >= QuestionEntame && f < Nombre_; }

std::string_view SansObjet(TFonction f) {
  switch (f) {
    case NoeudRetourDebut:
      return "la marche reprendrait à la chaîne 1 au milieu de la donne";
    case DefenseGroupe:
    case DefenseBatPartenaire:
    case DefenseCompteur:
      return "ce code juge une carte de Sud ou de Nord ; il ne donne aucune carte à un défenseur";
    default:
      return {};
  }
}

std::array<TFonction, NbFonctions> ToutesLesFonctions() {
  std::array<TFonction, NbFonctions> toutes{};
  for (std::size_t i = 0; i < NbFonctions; ++i) toutes[i] = static_cast<TFonction>(i);
  return toutes;
}

std::vector<TFonction> TUsages::Liste() const {
  std::vector<TFonction> liste;
  for (TFonction f : ToutesLesFonctions())
    if (Utilise(f)) liste.push_back(f);
  return liste;
}

TInventaireDonne InventorieDonne(const TDonne& donne, const TQuestionsDonne* questions) {
  TInventaireDonne resultat;
  TInventorieur(donne, resultat).Tout(questions);
  return resultat;
}

}  // namespace kalvo::outil_donnes
