#include "tools/authoring/LignePrincipale.h"

#include "tools/authoring/ChoixScript.h"

#include <algorithm>

namespace kalvo {

namespace {

// More steps than chains means the links turn round in circles.
constexpr int PasMaximum = NbChaines + 1;

class TMarcheLigne {
 public:
  TMarcheLigne(const TDonne& donne, const TOptionsVerification& options)
      : donne_(donne), options_(options), partie_(donne.Mains(), donne.Atout()) {}

  TLignePrincipale Suit() {
    try {
      Parcourt();
    } catch (const ErreurDonnee& e) {
      Echec(chaine_, std::string("donnée invalide sur la ligne principale : ") + e.what());
    }
    ligne_.Cartes = partie_.Cartes();
    return std::move(ligne_);
  }

 private:
  void Parcourt();
  bool Echec(int chaine, std::string message) {
    ligne_.Fin = TLignePrincipale::lfErreur;
    ligne_.ChaineFin = chaine;
    ligne_.Erreur = TConstat{grErreur, {glChaine, chaine}, std::move(message)};
    return false;
  }
  std::string Levee() const { return "levée " + std::to_string(partie_.Levee()) + " : "; }
  bool JoueLevee(int& chaine);
  bool JoueCarteDeclarant(int& chaine);
  // Follows a link to a trick chain through the nodes on the way; false
  // (the line stops or fails) when it reaches no trick chain.
  bool ResoutJusquALevee(int& chaine, int depuis, bool equivalence);

  const TDonne& donne_;
  const TOptionsVerification& options_;
  TPartieSimulee partie_;
  TLignePrincipale ligne_;
  int chaine_ = 1;
};

bool TMarcheLigne::ResoutJusquALevee(int& chaine, int depuis, bool equivalence) {
  for (int pas = 0; pas < PasMaximum; ++pas) {
    if (chaine < 1 || chaine > NbChaines)
      return Echec(depuis, Levee() + "le lien mène à « " + std::to_string(chaine) + " », qui n'est pas une chaîne.");
    const TChaine c = donne_.Chaine(chaine);
    if (c.TypeChaine() == tcLevee) return true;
    const int noeud = chaine;
    chaine = ResoutNoeudSimule(donne_, noeud, partie_);
    if (chaine == -1)
      return Echec(noeud, Levee() + "le test de distribution de " + NomChaine(noeud, options_) +
                              " ne trouve aucune entrée dans la position de la ligne principale.");
    if (chaine >= ActionSolution && chaine <= ActionFinDonne) {
      if (equivalence)
        return Echec(noeud, Levee() + "un lien d'équivalence mène à " + NomChaine(noeud, options_) +
                                ", qui change de mode de jeu : ce n'est pas permis sur ces liens.");
      ligne_.ChaineFin = noeud;
      ligne_.Fin = chaine == ActionFinDonne ? TLignePrincipale::lfRevendication : TLignePrincipale::lfMode;
      if (chaine == ActionFinDonne) {
        ligne_.RevendicationNS = c.LeveesNS();
        ligne_.RevendicationEO = c.LeveesEO();
      }
      return false;
    }
    depuis = noeud;
  }
  return Echec(depuis, Levee() + "les nœuds de décision tournent en rond.");
}

bool TMarcheLigne::JoueCarteDeclarant(int& chaine) {
  const TJoueur p = partie_.JoueurActuel();
  int courante = chaine;
  for (int pas = 0; pas < PasMaximum; ++pas) {
    if (const auto carte = PremiereCarteJuste(donne_, courante, partie_)) {
      chaine = courante;
      if (const auto refus = partie_.Joue(*carte)) return Echec(chaine, Levee() + *refus + ".");
      return true;
    }
    const int equivalente = donne_.Chaine(courante).ChaineEquivalente();
    if (equivalente == 0)
      return Echec(chaine, Levee() + "aucune carte juste (code 0) que " + std::string(NomsJoueurs[p]) +
                               " puisse jouer, ni dans " + NomChaine(chaine, options_) + " ni dans ses équivalentes.");
    int suivante = equivalente;
    if (!ResoutJusquALevee(suivante, courante, true)) return false;
    courante = suivante;
  }
  return Echec(chaine, Levee() + "les chaînes équivalentes tournent en rond.");
}

bool TMarcheLigne::JoueLevee(int& chaine) {
  if (chaine < 1 || chaine > NbChaines) return Echec(1, "la chaîne " + std::to_string(chaine) + " n'existe pas.");
  const TChaine c = donne_.Chaine(chaine);
  if (c.Entameur() != partie_.Entameur())
    return Echec(chaine, Levee() + NomChaine(chaine, options_) + " fait entamer " +
                             std::string(NomsJoueurs[c.Entameur()]) + " alors que c'est " +
                             std::string(NomsJoueurs[partie_.Entameur()]) + " qui a la main.");
  ligne_.Chaines.push_back(chaine);
  for (int k = 0; k < 4; ++k) {
    const TJoueur p = partie_.JoueurActuel();
    if (EstDefenseur(p)) {
      const TChoixDefense choix = ChoisitCarteDefenseur(donne_, chaine, partie_);
      if (choix.Carte.h == 0) return Echec(chaine, Levee() + std::string(NomsJoueurs[p]) + " n'a aucune carte à jouer.");
      if (const auto refus = partie_.Joue(choix.Carte))
        return Echec(chaine, Levee() + NomCarteArticle(choix.Carte) + " que " +
                                 (choix.ParDefausse ? std::string("les règles de défausse donnent") : std::string("le script donne")) +
                                 " à " + std::string(NomsJoueurs[p]) + " ne peut pas être joué : " + *refus + ".");
    } else if (!JoueCarteDeclarant(chaine)) {
      return false;
    }
  }
  return true;
}

void TMarcheLigne::Parcourt() {
  if (donne_.Chaine(1).TypeChaine() != tcLevee) {
    Echec(1, "la chaîne 1 doit être la première levée (l'entame d'Ouest).");
    return;
  }
  while (JoueLevee(chaine_)) {
    if (partie_.Levee() > NbLeveesJeuComplet) {
      ligne_.Fin = TLignePrincipale::lfDouzeLevees;
      ligne_.ChaineFin = chaine_;
      return;
    }
    const int suivante = donne_.Chaine(chaine_).ChaineSuivante();
    if (suivante == 0) {
      // The trainer's claim test: the declarer side won the trick and its
      // winners cover the tricks still to play after the coming one.
      const TJoueur gagnant = partie_.GagnantDerniere();
      const bool programme = (gagnant == jrSud || gagnant == jrNord) &&
                             partie_.Suivi().s_GetMaitressesRealisables(gagnant) >= 13 - partie_.Levee();
      if (!programme) {
        Echec(chaine_, "levée " + std::to_string(partie_.Levee() - 1) + " : " + NomChaine(chaine_, options_) +
                           " n'a pas de suivante et le camp du déclarant n'a pas assez de levées maîtresses "
                           "pour finir seul : le jeu n'aurait plus de chaîne.");
        return;
      }
      ligne_.Fin = TLignePrincipale::lfProgramme;
      ligne_.ChaineFin = chaine_;
      return;
    }
    int prochaine = suivante;
    if (!ResoutJusquALevee(prochaine, chaine_, false)) return;
    chaine_ = prochaine;
  }
}

}  // namespace

TLignePrincipale SuitLignePrincipale(const TDonne& donne, const TOptionsVerification& options) {
  return TMarcheLigne(donne, options).Suit();
}

TJeuDeduit DeduitJeuComplet(const TDonne& donne, TSolveurDoubleMort& solveur) {
  const TLignePrincipale ligne = SuitLignePrincipale(donne);
  if (ligne.Fin == TLignePrincipale::lfErreur) return {std::nullopt, ligne.Erreur};
  TPartieSimulee partie(donne.Mains(), donne.Atout());
  for (const TCard c : ligne.Cartes) partie.Joue(c);
  try {
    while (partie.Levee() <= NbLeveesJeuComplet) {
      if (const auto refus = partie.Joue(solveur.MeilleureCarte(partie)))
        return {std::nullopt, TConstat{grErreur, {glJeu, 0}, "jeu complet en double mort : " + *refus + "."}};
    }
  } catch (const ErreurDoubleMort& e) {
    return {std::nullopt, TConstat{grErreur, {glJeu, 0}, e.what()}};
  }
  std::array<TCard, 4 * NbLeveesJeuComplet> cartes{};
  std::copy_n(partie.Cartes().begin(), cartes.size(), cartes.begin());
  return {cartes, std::nullopt};
}

}  // namespace kalvo
