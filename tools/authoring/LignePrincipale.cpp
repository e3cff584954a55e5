#include "tools/authoring/LignePrincipale.h"

#include "control/EcranMuet.h"
#include "control/JeuJuste.h"
#include "engine/DoubleMort.h"
#include "engine/NavigationScript.h"
#include "engine/PartieCartes.h"
#include "tools/authoring/Lexique.h"
#include "tools/authoring/PartieControleur.h"

#include <algorithm>
#include <fstream>

namespace kalvo::redaction {

namespace {

// Thirteen tricks take a few dozen gestures: more means the play goes round.
constexpr int GestesMaximum = 400;

// What a card tried on a copy of the controller became.
class TJournalEssai : public TJournalPartie {
 public:
  bool Refusee = false;
  bool SansIssue = false;
  void CarteRefusee(const TRefus&) override { Refusee = true; }
  void CarteSansIssue(TJoueur, TCard) override { SansIssue = true; }
};

// The cards the hand may play, clubs first, each suit from its lowest card.
std::vector<TCard> PermisesDansLOrdre(const TControleur& controleur) {
  std::vector<TCard> cartes = CartesJouables(controleur, controleur.Etat().JoueurActuel);
  std::sort(cartes.begin(), cartes.end(), [](TCard a, TCard b) { return a.c != b.c ? a.c < b.c : a.h < b.h; });
  return cartes;
}

// The cards the trainer may accept from one entry of the list, in the
// order the main line tries them. Entries it cannot name a card by (a
// counter) are left to the final round of every permitted card.
void AjouteDesignees(const TDonne& donne, const TControleur& controleur, TCard entree,
                     const std::vector<TCard>& permises, std::vector<TCard>& ordre) {
  const auto ajoute = [&](TCard carte) {
    if (std::find(ordre.begin(), ordre.end(), carte) == ordre.end()) ordre.push_back(carte);
  };
  const auto motif = [&](TCard m) {
    for (TCard c : permises)
      if ((m.c == c.c || m.c == CouleurQuelconque) && (m.h == c.h || m.h == RangQuelconque || m.h == RangPlusHaute))
        ajoute(c);
  };
  if (entree.h == RangGroupe) {
    const TGroupe groupe = donne.Groupe(entree.c);
    for (TCard c : groupe.Prealables)
      if (c.EstReelle()) motif(c);
    for (TCard c : groupe.Acceptees)
      if (c.h != RangFinDeListe) motif(c);
  } else if (entree.h == RangBatPartenaire) {
    const TEtatControleur& e = controleur.Etat();
    const TCard partenaire = e.OnTable[Partenaire(e.JoueurActuel)];
    for (TCard c : permises)
      if (partenaire.EstReelle() && c.c == partenaire.c && c.h > partenaire.h) ajoute(c);
  } else if (entree.h != RangCompteur) {
    motif(entree);
  }
}

std::vector<TCard> CartesAEssayer(const TControleur& controleur) {
  const TEtatControleur& e = controleur.Etat();
  const TDonne& donne = controleur.Donne().Donne;
  const std::vector<TCard> permises = PermisesDansLOrdre(controleur);
  std::vector<TCard> ordre;
  try {
    int chaine = e.ChaineActuelle;
    for (int etape = 0; chaine != 0 && etape < NbMaxEtapesScript; ++etape) {
      const TChaine vue = donne.Chaine(chaine);
      const int place = vue.Place(e.JoueurActuel);
      for (int i = 1; i <= 8; ++i) {
        const TCarteDeclarant entree = vue.Declarant(place, i);
        if (entree.Carte.h == RangFinDeListe) break;
        if (entree.Code == 0) AjouteDesignees(donne, controleur, entree.Carte, permises, ordre);
      }
      chaine = ChaineEquivalenteSuivante(donne, controleur.Suivi(), chaine, e.Gagnant, [] { return true; });
    }
  } catch (const ErreurDonnee&) {
    // The trainer meets the same fault when it judges the card, and says it.
  }
  for (TCard c : permises)
    if (std::find(ordre.begin(), ordre.end(), c) == ordre.end()) ordre.push_back(c);
  return ordre;
}

class TMarcheLigne : public TJournalPartie {
 public:
  TMarcheLigne(const TDonne& donne, const TOptionsVerification& options) : donne_(donne), options_(options) {}

  TLignePrincipale Suit() {
    try {
      Parcourt();
    } catch (const kalvo::ErreurDonnee& e) {
      Echec(1, std::string("donnée invalide sur la ligne principale : ") + e.what());
    } catch (const ErreurFichier& e) {
      Echec(1, std::string("la ligne principale ne peut pas être jouée : ") + e.what());
    }
    // The line is made of whole tricks: a mode may begin with a defender's lead.
    ligne_.Cartes.resize(std::min(ligne_.Cartes.size(), 4 * ligne_.Chaines.size()));
    return std::move(ligne_);
  }

  void CarteJouee(int, TJoueur, TCard carte) override {
    AjouteCarte(texte_, carte, controleur_->Etat().CompteCartesJouees == 1);
    if (ligne_.Cartes.empty()) ligne_.Entame = carte;
    ligne_.Cartes.push_back(carte);
  }
  void ChoixDefense(TJoueur joueur, const TChoixDefense& choix) override {
    const int chaine = controleur_->Etat().ChaineActuelle;
    if (const auto constat = ConstatDefense(*controleur_, joueur, choix, NomChaine(chaine, options_)))
      Constate(constat->Gravite, chaine, Levee() + constat->Message);
  }
  void LeveeTerminee(int, TJoueur, int, int) override { ligne_.Chaines.push_back(controleur_->Etat().ChaineActuelle); }
  void Revendication(int leveesNS, int leveesEO, const std::string&) override {
    revendication_ = true;
    ligne_.RevendicationNS = leveesNS;
    ligne_.RevendicationEO = leveesEO;
  }
  void ErreurDonnee(const std::string& message) override { erreur_ = message; }

 private:
  void Parcourt();
  bool JoueCarteJuste();
  void Constate(TGravite gravite, int chaine, const std::string& message) {
    ligne_.Constats.push_back({gravite, {glChaine, chaine}, AvecLigne(message, texte_)});
  }
  bool Echec(int chaine, const std::string& message) {
    ligne_.Fin = TLignePrincipale::lfErreur;
    ligne_.ChaineFin = chaine;
    Constate(grErreur, chaine, message);
    return false;
  }
  void Termine(TLignePrincipale::TFin fin) {
    ligne_.Fin = fin;
    ligne_.ChaineFin = controleur_->Etat().ChaineActuelle;
  }
  std::string Levee() const { return "levée " + std::to_string(controleur_ ? controleur_->Etat().Levee : 1) + " : "; }

  const TDonne& donne_;
  const TOptionsVerification& options_;
  TLignePrincipale ligne_;
  std::string texte_;
  TControleur* controleur_ = nullptr;
  bool revendication_ = false;
  std::optional<std::string> erreur_;
};

void TMarcheLigne::Parcourt() {
  const TChaine premiere = donne_.Chaine(1);
  if (premiere.TypeChaine() != tcLevee) {
    Echec(1, "la chaîne 1 doit être la première levée (l'entame d'Ouest).");
    return;
  }
  if (premiere.Entameur() != jrOuest) {
    Echec(1, "levée 1 : " + NomChaine(1, options_) + " fait entamer " + std::string(NomsJoueurs[premiere.Entameur()]) +
                 " alors que c'est Ouest qui a la main.");
    return;
  }
  // The trainer reads its deals from a database: one of this deal alone.
  const TDossierProvisoire dossier;
  const std::filesystem::path base = dossier.Chemin() / "LIGNE.DAT";
  {
    std::ofstream flux(base, std::ios::binary);
    const auto octets = donne_.Octets();
    flux.write(reinterpret_cast<const char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
    if (!flux) throw ErreurFichier("impossible d'écrire « " + base.string() + " ».");
  }
  TConfigurationControleur configuration = ConfigurationVerification({base, std::nullopt, std::nullopt}, dossier.Chemin());
  configuration.Hasard = [] { return std::optional<bool>(true); };
  TEcranMuet ecran;
  TControleur controleur(ecran, configuration);
  controleur_ = &controleur;
  if (!controleur.Active()) {
    std::string messages;
    for (const std::string& m : ecran.ErreursFatales) messages += (messages.empty() ? "" : " ") + m;
    Echec(1, "l'entraîneur ne peut pas jouer la donne : " + messages);
    return;
  }
  controleur.EtatReglages().DonneActuelle = 1;
  controleur.SetJournal(this);
  controleur.Jouer2Click();
  for (int geste = 0; geste < GestesMaximum; ++geste) {
    const TEtatControleur& e = controleur.Etat();
    if (erreur_) {
      Echec(e.ChaineActuelle, Levee() + SansPrefixeDonne(*erreur_));
      return;
    }
    if (revendication_) return Termine(TLignePrincipale::lfRevendication);
    switch (controleur.Regime()) {
      case TRegime::Automatique:
      case TRegime::Pool:
      case TRegime::Solution: return Termine(TLignePrincipale::lfMode);
      case TRegime::Revendication: return Termine(TLignePrincipale::lfProgramme);
      default: break;
    }
    if (e.LeveeComplete) {
      if (e.Levee >= NbLeveesJeuComplet) return Termine(TLignePrincipale::lfDouzeLevees);
      controleur.FormMouseDown();
      continue;
    }
    if (!controleur.AttendCarteUtilisateur()) {
      Echec(e.ChaineActuelle, Levee() + "l'entraîneur n'attend plus de carte et la donne n'est pas finie.");
      return;
    }
    if (!JoueCarteJuste()) return;
  }
  Echec(controleur.Etat().ChaineActuelle, Levee() + "la ligne principale ne finit pas.");
}

bool TMarcheLigne::JoueCarteJuste() {
  TControleur& controleur = *controleur_;
  const TEtatControleur& e = controleur.Etat();
  const TJoueur main = e.JoueurActuel;
  for (const TCard carte : CartesAEssayer(controleur)) {
    TEcranMuet ecran;
    TControleur essai(controleur, ecran);
    TJournalEssai journal;
    essai.SetJournal(&journal);
    essai.JeuMouseDown(main, IndexCarte(carte), false);
    if (journal.SansIssue) break;
    if (journal.Refusee) continue;
    controleur.JeuMouseDown(main, IndexCarte(carte), false);
    return true;
  }
  const std::vector<TCard> permises = PermisesDansLOrdre(controleur);
  const std::string qui(NomsJoueurs[main]);
  if (permises.size() == 1)
    return Echec(e.ChaineActuelle, Levee() + "la carte forcée de " + qui + " (" + NomCarteArticle(permises.front()) +
                                       ") n'est acceptée par aucune chaîne.");
  std::string liste;
  for (TCard c : permises) liste += (liste.empty() ? "" : " ") + EcritCarteReelle(c);
  return Echec(e.ChaineActuelle, Levee() + qui + " n'a aucune carte acceptée (cartes permises : " + liste + ").");
}

}  // namespace

std::string TLignePrincipale::Texte() const {
  std::string texte;
  for (std::size_t i = 0; i < Cartes.size(); ++i) AjouteCarte(texte, Cartes[i], i % 4 == 0);
  return texte;
}

TLignePrincipale SuitLignePrincipale(const TDonne& donne, const TOptionsVerification& options) {
  return TMarcheLigne(donne, options).Suit();
}

TJeuDeduit DeduitJeuComplet(const TDonne& donne) {
  const TLignePrincipale ligne = SuitLignePrincipale(donne);
  if (ligne.Fin == TLignePrincipale::lfErreur) return {std::nullopt, ligne.Constats.back()};
  TPartieCartes partie(donne.Mains(), donne.Atout());
  for (const TCard c : ligne.Cartes) partie.Joue(c);
  try {
    while (partie.Levee() <= NbLeveesJeuComplet) {
      if (const auto refus = partie.Joue(MeilleureCarteDoubleMort(partie)))
        return {std::nullopt, TConstat{grErreur, {glJeu, 0}, "jeu complet en double mort : " + *refus + "."}};
    }
  } catch (const ErreurDoubleMort& e) {
    return {std::nullopt, TConstat{grErreur, {glJeu, 0}, e.what()}};
  }
  std::array<TCard, 4 * NbLeveesJeuComplet> cartes{};
  std::copy_n(partie.Cartes().begin(), cartes.size(), cartes.begin());
  return {cartes, std::nullopt};
}

}  // namespace kalvo::redaction
