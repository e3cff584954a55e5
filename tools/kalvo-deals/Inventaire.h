// The inventory of the script features a deal uses: node types, card codes
// of the defenders and of the declarer side, groups, counters, pools, the
// automatic mode, quiz kinds and the rest. A deal is read through the
// model's views only; a part whose data is broken is left out with a
// French warning and the rest of the deal is still counted.
#pragma once

#include "model/Donne.h"
#include "model/Questions.h"

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo::outil_donnes {

// Every feature, in the order of the table. The quiz features come last,
// from QuestionEntame on: they are measured only with a questions file.
enum class TFonction : std::uint8_t {
  // Chains and nodes; each mode of play is entered only by its node.
  ChaineLevee,
  NoeudDistribution,
  NoeudCartesTenues,
  NoeudHasard,
  NoeudGagnantLevee,
  NoeudRevendication,
  NoeudRetourDebut,
  NoeudLongueur,
  NoeudPartenairePrend,
  NoeudAutomatique,
  NoeudPool,
  NoeudSolution,
  ChaineEquivalente,
  // Defenders' alternatives.
  DefenseCarte,
  DefenseQuelconque,
  DefensePlusHaute,
  DefenseBatDeclarant,
  DefenseGroupe,
  DefenseBasDeSequence,
  DefenseBatPartenaire,
  DefenseCompteur,
  DefenseToutesCouleurs,
  DefenseSiPrecedente,
  DefenseSiDerniere,
  // Cards of the declarer side.
  DeclarantCarte,
  DeclarantQuelconque,
  DeclarantPlusHaute,
  DeclarantGroupe,
  DeclarantBatPartenaire,
  DeclarantCompteur,
  DeclarantToutesCouleurs,
  // Tables the card codes refer to.
  GroupePrealables,
  CompteurTable1,
  CompteurTable2,
  // Pools.
  PoolEntameSud,
  PoolEntameNord,
  PoolConditionNonJouee,
  PoolConditionJouee,
  PoolConditionMaitresse,
  PoolSuites,
  PoolDefausses,
  PoolDefausseMaitresse,
  PoolAutre,
  PoolSuitesAutres,
  // Automatic mode.
  AutoListeSud,
  AutoListeNord,
  AutoDefausse,
  AutoCouleurPermise,
  AutoCouleurVerdict,
  AutoCodeDefaut,
  // The rest of the deal.
  JeuComplet,
  AlerteEncheres,
  // Quiz kinds.
  QuestionEntame,
  QuestionPremiereDefausse,
  QuestionPointsDepart,
  QuestionPointsMontres,
  QuestionCouleursDepart,
  QuestionCouleursMontrees,
  QuestionCarteTenue,
  QuestionCarteJouee,
  QuestionCouleurDepart,
  QuestionCouleurMontree,
  QuestionRepartition,
  Nombre_,
};

inline constexpr std::size_t NbFonctions = static_cast<std::size_t>(TFonction::Nombre_);

struct TDescriptionFonction {
  std::string_view Cle;      // stable name for the JSON document
  std::string_view Libelle;  // French, for the table
};

const TDescriptionFonction& Description(TFonction f);
bool EstFonctionQuestion(TFonction f);
// Why a well-written deal never uses the feature (French), or empty when a
// volume is expected to use it: such features are listed, never required.
std::string_view SansObjet(TFonction f);
// All features, in table order.
std::array<TFonction, NbFonctions> ToutesLesFonctions();

// The features one deal uses.
class TUsages {
 public:
  void Note(TFonction f) { utilisees_[static_cast<std::size_t>(f)] = true; }
  bool Utilise(TFonction f) const { return utilisees_[static_cast<std::size_t>(f)]; }
  std::vector<TFonction> Liste() const;
  friend bool operator==(const TUsages&, const TUsages&) = default;

 private:
  std::array<bool, NbFonctions> utilisees_{};
};

struct TInventaireDonne {
  TUsages Usages;
  std::vector<std::string> Avertissements;  // French, without the deal's name
};

// The script features of a deal, and the quiz kinds of its questions record
// when there is one.
TInventaireDonne InventorieDonne(const TDonne& donne, const TQuestionsDonne* questions);

}  // namespace kalvo::outil_donnes
