#include "tools/kalvo-deals/SourceDemo.h"

#include "model/BaseDonnes.h"
#include "model/Brouillage.h"
#include "model/Commentaires.h"
#include "model/NumerosVolume.h"
#include "model/Windows1252.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <map>
#include <sstream>

namespace kalvo {

namespace {

std::vector<std::string> Mots(std::string_view ligne) {
  std::vector<std::string> mots;
  std::size_t i = 0;
  while (i < ligne.size()) {
    while (i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t')) ++i;
    const std::size_t debut = i;
    while (i < ligne.size() && ligne[i] != ' ' && ligne[i] != '\t') ++i;
    if (i > debut) mots.emplace_back(ligne.substr(debut, i - debut));
  }
  return mots;
}

// The line after its first n words.
std::string Reste(std::string_view ligne, int n) {
  std::size_t i = 0;
  for (int k = 0; k <= n; ++k) {
    while (i < ligne.size() && (ligne[i] == ' ' || ligne[i] == '\t')) ++i;
    if (k == n) break;
    while (i < ligne.size() && ligne[i] != ' ' && ligne[i] != '\t') ++i;
  }
  std::string_view reste = ligne.substr(i);
  while (!reste.empty() && (reste.back() == ' ' || reste.back() == '\t')) reste.remove_suffix(1);
  return std::string(reste);
}

// A bid's strain in French letters: T, K, C, P, SA.
int CouleurEnchere(std::string_view texte) {
  if (texte == "T") return clTrefle;
  if (texte == "K") return clCarreau;
  if (texte == "C") return clCoeur;
  if (texte == "P") return clPique;
  if (texte == "SA") return clSA;
  return -1;
}

int IndiceAppel(const TEnchere& e) { return e.Niveau * 5 + e.Couleur; }

bool EstCoupe(TCard carte, TCouleur atout) { return atout != clSA && carte.c == atout; }

// Index in `cartes` of the winner of a trick.
std::size_t Gagnante(const std::array<TCard, 4>& cartes, TCouleur atout) {
  std::size_t meilleure = 0;
  for (std::size_t i = 1; i < 4; ++i) {
    const TCard a = cartes[meilleure], b = cartes[i];
    const bool bat = (b.c == a.c && b.h > a.h) || (EstCoupe(b, atout) && !EstCoupe(a, atout));
    if (bat) meilleure = i;
  }
  return meilleure;
}

class TLecteurSource {
 public:
  explicit TLecteurSource(std::string_view nom) : nom_(nom) {}

  TBaseDemo Lit(std::string_view texte) {
    while (!texte.empty()) {
      ++ligne_;
      const std::size_t fin = texte.find('\n');
      std::string_view ligne = texte.substr(0, fin);
      texte = fin == std::string_view::npos ? std::string_view{} : texte.substr(fin + 1);
      if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
      const std::vector<std::string> mots = Mots(ligne);
      if (mots.empty() || mots[0][0] == '#') continue;
      if (!bloc_.empty()) {
        LigneBloc(mots, ligne);
      } else {
        Instruction(mots, ligne);
      }
    }
    if (!bloc_.empty()) Erreur("bloc « " + bloc_ + " » sans « fin ».");
    Termine();
    return std::move(base_);
  }

 private:
  [[noreturn]] void Erreur(const std::string& message) const {
    throw ErreurSource(nom_ + ", ligne " + std::to_string(ligne_) + " : " + message);
  }
  void Exige(bool condition, const std::string& message) const {
    if (!condition) Erreur(message);
  }

  int Entier(std::string_view mot, int min, int max, std::string_view quoi) const {
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(mot.data(), mot.data() + mot.size(), valeur);
    if (erreur != std::errc{} || fin != mot.data() + mot.size() || valeur < min || valeur > max)
      Erreur(std::string(quoi) + " « " + std::string(mot) + " » invalide (" + std::to_string(min) + " à " +
             std::to_string(max) + ").");
    return valeur;
  }

  TJoueur Siege(std::string_view mot) const {
    if (mot == "S") return jrSud;
    if (mot == "O" || mot == "W") return jrOuest;
    if (mot == "N") return jrNord;
    if (mot == "E") return jrEst;
    Erreur("joueur « " + std::string(mot) + " » inconnu (S, O, N, E).");
  }

  T4Couleur CouleurCarte(char lettre) const {
    const std::string_view lettres = "CDHS";
    const auto c = lettres.find(lettre);
    if (c == std::string_view::npos) Erreur(std::string("couleur « ") + lettre + " » inconnue (C, D, H, S).");
    return static_cast<T4Couleur>(c);
  }

  // "HK", "S10", "HT"; "S*" any spade; "**" any card.
  TCard Carte(std::string_view mot) const {
    if (mot == "**") return TCard{RangQuelconque, CouleurQuelconque};
    if (mot.size() == 2 && mot[1] == '*') return TCard{RangQuelconque, CouleurCarte(mot[0])};
    TCard carte;
    if (!LitCodeCarte(mot, carte)) Erreur("carte « " + std::string(mot) + " » inconnue.");
    return carte;
  }

  bool Tient(TJoueur j, TCard carte) const {
    for (int i = 1; i <= 13; ++i)
      if (base_.Donne.CarteMain(j, i) == carte) return true;
    return false;
  }

  void Instruction(const std::vector<std::string>& mots, std::string_view ligne) {
    const std::string& cle = mots[0];
    auto argument = [&](std::size_t i) -> const std::string& {
      if (i >= mots.size()) Erreur("« " + cle + " » : argument manquant.");
      return mots[i];
    };
    if (cle == "collection") {
      base_.NumeroVolume = Entier(argument(1), 1, 9999, "numéro de collection");
    } else if (cle == "theme") {
      base_.Donne.SetTheme(Entier(argument(1), 0, NbThemes - 1, "thème"));
    } else if (cle == "force") {
      base_.Donne.SetForce(Entier(argument(1), 1, 4, "force"));
    } else if (cle == "donneur") {
      base_.Donne.SetDonneur(Siege(argument(1)));
      donneurLu_ = true;
    } else if (cle == "vulnerabilite") {
      static const std::map<std::string, TVulnerabilite> noms{
          {"personne", vlnPersonne}, {"ns", vlnNS}, {"eo", vlnEO}, {"tous", vlnTous}};
      const auto v = noms.find(argument(1));
      Exige(v != noms.end(), "vulnérabilité « " + argument(1) + " » inconnue (personne, ns, eo, tous).");
      base_.Donne.SetVulnerabilite(v->second);
    } else if (cle == "contrat") {
      contrat_ = Appel(argument(1));
      Exige(contrat_.Niveau >= 1, "le contrat doit être une enchère.");
      base_.Donne.SetNiveauContrat(contrat_.Niveau);
      base_.Donne.SetAtout(contrat_.Couleur);
    } else if (cle == "mains") {
      Mains(mots);
    } else if (cle == "encheres") {
      appels_.assign(mots.begin() + 1, mots.end());
      ligneEncheres_ = ligne_;
    } else if (cle == "alerte") {
      const int n = Entier(argument(1), 1, NbAlertes, "numéro d'alerte");
      const std::string texte = Utf8VersWindows1252(Reste(ligne, 2));
      Exige(texte.size() <= LgMaxAlerte, "alerte de plus de 40 caractères.");
      base_.Donne.SetAlerte(n, texte);
    } else if (cle == "commentaire") {
      const int n = Entier(argument(1), 1, NbCommentaires, "numéro de commentaire");
      const int penalite = Entier(argument(2), 0, 100, "pénalité");
      Exige(!commentaires_.contains(n), "commentaire " + std::to_string(n) + " déjà donné.");
      commentaires_[n] = Reste(ligne, 3);
      base_.Donne.SetPenalite(n, penalite);
    } else if (cle == "chaine") {
      Chaine(mots);
    } else if (mots.size() >= 2 && cle.size() == 1 && std::string_view("SOWNE").find(cle[0]) != std::string_view::npos) {
      LigneSiege(mots);
    } else if (cle == "jeu") {
      Jeu(mots);
    } else if (cle == "question") {
      Question(mots);
    } else if ((cle == "point" || cle == "resume") && mots.size() == 1) {
      bloc_ = cle;
      paragraphes_.clear();
      ligneBloc_ = ligne_;
    } else {
      Erreur("instruction « " + cle + " » inconnue.");
    }
  }

  void LigneBloc(const std::vector<std::string>& mots, std::string_view ligne) {
    if (mots.size() == 1 && mots[0] == "fin") {
      const std::string clair = RtfSimple(paragraphes_);
      const int ligneFin = ligne_;
      ligne_ = ligneBloc_;
      try {
        if (bloc_ == "point") base_.Donne.SetTextePoint(BrouilleTexte(clair));
        else base_.Donne.SetTexteResume(BrouilleTexte(clair));
      } catch (const ErreurDonnee& e) {
        Erreur(e.what());
      }
      ligne_ = ligneFin;
      bloc_.clear();
      return;
    }
    paragraphes_.push_back(Reste(ligne, 0));
  }

  TEnchere Appel(std::string mot) const {
    TEnchere e;
    if (const auto point = mot.find('!'); point != std::string::npos) {
      e.Alerte = static_cast<std::uint16_t>(Entier(std::string_view(mot).substr(point + 1), 1, NbAlertes, "alerte"));
      mot.erase(point);
    }
    if (mot == "passe") {
      e.Couleur = 1;
    } else if (mot == "contre") {
      e.Couleur = 2;
    } else if (mot == "surcontre") {
      e.Couleur = 3;
    } else {
      const int couleur = mot.size() >= 2 ? CouleurEnchere(std::string_view(mot).substr(1)) : -1;
      if (couleur < 0 || mot[0] < '1' || mot[0] > '7')
        Erreur("enchère « " + mot + " » inconnue (1T .. 7SA, passe, contre, surcontre).");
      e.Niveau = static_cast<std::uint8_t>(mot[0] - '0');
      e.Couleur = static_cast<std::uint8_t>(couleur);
    }
    return e;
  }

  void Mains(const std::vector<std::string>& mots) {
    Exige(mots.size() == 5, "il faut quatre mains « S:... O:... N:... E:... ».");
    std::array<bool, 53> vue{};
    std::array<bool, 4> donnee{};
    for (std::size_t k = 1; k < 5; ++k) {
      const std::string& mot = mots[k];
      Exige(mot.size() >= 2 && mot[1] == ':', "main « " + mot + " » : il faut « S:pique.coeur.carreau.trèfle ».");
      const TJoueur j = Siege(mot.substr(0, 1));
      Exige(!donnee[j], "main " + std::string(NomsJoueurs[j]) + " donnée deux fois.");
      donnee[j] = true;
      int position = 0;
      int couleur = clPique;
      for (char lettre : std::string_view(mot).substr(2)) {
        if (lettre == '.') {
          Exige(--couleur >= clTrefle, "main « " + mot + " » : trop de couleurs.");
          continue;
        }
        const auto rang = std::string_view("23456789TJQKA").find(lettre);
        Exige(rang != std::string_view::npos, std::string("rang « ") + lettre + " » inconnu (AKQJT98765432).");
        const TCard carte{static_cast<std::uint8_t>(rang + 2), static_cast<std::uint8_t>(couleur)};
        Exige(!vue[static_cast<std::size_t>(IndexCarte(carte))], "la carte « " + NomCarte(carte) + " » est donnée deux fois.");
        vue[static_cast<std::size_t>(IndexCarte(carte))] = true;
        Exige(++position <= 13, "la main " + std::string(DeJoueurs[j]) + std::string(NomsJoueurs[j]) + " a plus de 13 cartes.");
        base_.Donne.SetCarteMain(j, position, carte);
      }
      Exige(couleur == clTrefle, "main « " + mot + " » : il faut quatre couleurs séparées par des points.");
      Exige(position == 13, "la main " + std::string(DeJoueurs[j]) + std::string(NomsJoueurs[j]) + " n'a pas 13 cartes.");
    }
    // Each suit must be in descending order, as the record wants.
    for (TJoueur j : TousLesJoueurs)
      for (int i = 1; i < 13; ++i) {
        const TCard a = base_.Donne.CarteMain(j, i), b = base_.Donne.CarteMain(j, i + 1);
        Exige(a.c != b.c || a.h > b.h, "la main " + std::string(DeJoueurs[j]) + std::string(NomsJoueurs[j]) +
                                           " doit donner chaque couleur en ordre décroissant.");
      }
    mainsLues_ = true;
  }

  void Chaine(const std::vector<std::string>& mots) {
    Exige(mots.size() >= 3, "il faut « chaine N levee|revendication|solution ... ».");
    const int n = Entier(mots[1], 1, NbChaines, "numéro de chaîne");
    Exige(!chainesDefinies_[static_cast<std::size_t>(n)], "chaîne " + std::to_string(n) + " déjà définie.");
    chainesDefinies_[static_cast<std::size_t>(n)] = true;
    chaineLevee_ = 0;
    TChaineModifiable chaine = base_.Donne.Chaine(n);
    const std::string& genre = mots[2];
    if (genre == "levee") {
      Exige(mainsLues_, "les mains doivent être données avant les chaînes.");
      Exige(mots.size() >= 4, "il faut l'entameur de la levée.");
      chaine.SetTypeChaine(tcLevee);
      chaine.SetEntameur(Siege(mots[3]));
      for (std::size_t k = 4; k < mots.size(); k += 2) {
        Exige(k + 1 < mots.size(), "« " + mots[k] + " » sans numéro de chaîne.");
        const int renvoi = Renvoi(mots[k + 1]);
        if (mots[k] == "suivante") chaine.SetChaineSuivante(renvoi);
        else if (mots[k] == "equivalente") chaine.SetChaineEquivalente(renvoi);
        else Erreur("« " + mots[k] + " » inconnu (suivante, equivalente).");
      }
      chaineLevee_ = n;
      nbCartesPlace_ = {};
    } else if (genre == "revendication") {
      Exige(mots.size() == 6, "il faut « chaine N revendication COMMENTAIRE LEVEES_NS LEVEES_EO ».");
      chaine.SetTypeChaine(tcRevendication);
      const int code = Entier(mots[3], 0, NbCommentaires, "commentaire");
      codes_.push_back({ligne_, code});
      chaine.SetCodeRevendication(static_cast<std::uint16_t>(code));
      const int ns = Entier(mots[4], 0, 13, "levées Nord-Sud"), eo = Entier(mots[5], 0, 13, "levées Est-Ouest");
      Exige(ns + eo == 13, "les levées finales doivent faire 13.");
      chaine.SetLeveesNS(ns);
      chaine.SetLeveesEO(eo);
    } else if (genre == "solution") {
      chaine.SetTypeChaine(tcSolution);
    } else {
      Erreur("genre de chaîne « " + genre + " » inconnu (levee, revendication, solution).");
    }
  }

  int Renvoi(std::string_view mot) {
    const int valeur = Entier(mot, 1, ActionFinDonne, "numéro de chaîne");
    renvois_.push_back({ligne_, valeur});
    return valeur;
  }

  void LigneSiege(const std::vector<std::string>& mots) {
    Exige(chaineLevee_ != 0, "une ligne de joueur doit suivre une « chaine N levee ».");
    const TChaineModifiable chaine = base_.Donne.Chaine(chaineLevee_);
    const TJoueur j = Siege(mots[0]);
    const int place = chaine.Place(j);
    const std::size_t indice = static_cast<std::size_t>(j);
    for (std::size_t k = 1; k < mots.size(); ++k) {
      std::string mot = mots[k];
      int code = 0;
      if (const auto egal = mot.find('='); egal != std::string::npos) {
        Exige(!EstDefenseur(j), "un code de commentaire ne va qu'aux cartes de Sud et de Nord.");
        code = Entier(std::string_view(mot).substr(egal + 1), 0, NbCommentaires, "code de commentaire");
        codes_.push_back({ligne_, code});
        mot.erase(egal);
      }
      const TCard carte = Carte(mot);
      if (carte.EstReelle())
        Exige(Tient(j, carte), std::string(NomsJoueurs[j]) + " n'a pas la carte « " + NomCarte(carte) + " ».");
      const int rang = ++nbCartesPlace_[indice];
      if (EstDefenseur(j)) {
        Exige(rang <= 3, "trois cartes au plus pour un défenseur.");
        chaine.SetDefense(place, rang, TCarteDefense{0, 0, {}, {}, carte});
      } else {
        Exige(rang <= 8, "huit cartes au plus pour Sud ou Nord.");
        chaine.SetDeclarant(place, rang, TCarteDeclarant{carte, static_cast<std::uint16_t>(code)});
      }
    }
  }

  void Jeu(const std::vector<std::string>& mots) {
    Exige(mainsLues_ && contrat_.Niveau >= 1, "les mains et le contrat doivent précéder le jeu complet.");
    Exige(mots.size() == 5, "une levée du jeu complet a quatre cartes.");
    Exige(nbLeveesJeu_ < NbLeveesJeuComplet, "le jeu complet a 12 levées.");
    if (nbLeveesJeu_ == 0) {
      for (TJoueur j : TousLesJoueurs)
        for (int i = 1; i <= 13; ++i) restantes_[j].push_back(base_.Donne.CarteMain(j, i));
    }
    ++nbLeveesJeu_;
    std::array<TCard, 4> cartes;
    TJoueur j = entameurJeu_;
    for (std::size_t k = 0; k < 4; ++k, j = JoueurSuivant(j)) {
      const TCard carte = Carte(mots[k + 1]);
      auto& main = restantes_[j];
      const auto position = std::find(main.begin(), main.end(), carte);
      Exige(carte.EstReelle() && position != main.end(),
            std::string(NomsJoueurs[j]) + " ne peut pas jouer « " + mots[k + 1] + " ».");
      const bool peutFournir = std::any_of(main.begin(), main.end(), [&](TCard c) { return k > 0 && c.c == cartes[0].c; });
      Exige(k == 0 || carte.c == cartes[0].c || !peutFournir,
            std::string(NomsJoueurs[j]) + " doit fournir à " + std::string(NomsCouleurs[cartes[0].c]) + ".");
      main.erase(position);
      cartes[k] = carte;
      base_.Donne.SetJeuComplet(nbLeveesJeu_, static_cast<int>(k) + 1, carte);
    }
    const std::size_t gagnante = Gagnante(cartes, static_cast<TCouleur>(contrat_.Couleur));
    entameurJeu_ = static_cast<TJoueur>((entameurJeu_ + gagnante) % 4);
  }

  void Question(const std::vector<std::string>& mots) {
    Exige(nbQuestions_ < NbQuestionsMax, "trois questions au plus.");
    TQuestion q;
    bool levee = false, type = false;
    for (std::size_t k = 1; k < mots.size(); ++k) {
      const auto egal = mots[k].find('=');
      Exige(egal != std::string::npos, "« " + mots[k] + " » : il faut « clé=valeur ».");
      const std::string cle = mots[k].substr(0, egal), valeur = mots[k].substr(egal + 1);
      if (cle == "levee") { q.NumLevee = static_cast<std::uint16_t>(Entier(valeur, 1, 13, "levée")); levee = true; }
      else if (cle == "type") { q.TypeQuestion = static_cast<std::uint8_t>(Entier(valeur, 0, 5, "type")); type = true; }
      else if (cle == "penalite") q.Penalite = static_cast<std::uint16_t>(Entier(valeur, 0, 100, "pénalité"));
      else if (cle == "joueur") q.Joueur = Siege(valeur);
      else if (cle == "couleur") { Exige(valeur.size() == 1, "couleur « " + valeur + " »"); q.Couleur = CouleurCarte(valeur[0]); }
      else if (cle == "carte") q.Carte = Carte(valeur);
      else if (cle == "option") q.Option = static_cast<std::uint8_t>(Entier(valeur, 0, 255, "option"));
      else if (cle == "depart") q.Depart = static_cast<std::uint16_t>(Entier(valeur, 0, 1, "départ"));
      else Erreur("clé de question « " + cle + " » inconnue.");
    }
    Exige(levee && type, "une question a au moins « levee= » et « type= ».");
    base_.Questions.SetQuestion(++nbQuestions_, q);
    base_.Questions.SetNbQuestions(static_cast<std::uint16_t>(nbQuestions_));
  }

  // Lays the auction into its table: from the dealer, the three closing
  // passes replaced by the end marker.
  void PoseEncheres() {
    ligne_ = ligneEncheres_;
    Exige(appels_.size() >= 4, "l'enchère doit finir par trois passes après une enchère.");
    std::vector<TEnchere> appels;
    for (const std::string& mot : appels_) appels.push_back(Appel(mot));
    const std::size_t nb = appels.size() - 3;
    for (std::size_t i = nb; i < appels.size(); ++i)
      Exige(appels[i].Niveau == 0 && appels[i].Couleur == 1, "l'enchère doit finir par trois passes.");
    TJoueur joueur = base_.Donne.Donneur();
    int numero = 1, dernier = -1;
    std::size_t indiceDernier = 0;
    for (std::size_t i = 0; i <= nb; ++i) {
      Exige(numero <= NbLignesEncheres, "l'enchère dépasse sept tours.");
      const TEnchere e = i < nb ? appels[i] : TEnchere{NiveauFinEncheres, 0, 0};
      if (i < nb && e.Niveau >= 1) {
        Exige(IndiceAppel(e) > dernier, "l'enchère « " + appels_[i] + " » n'est pas plus haute que la précédente.");
        dernier = IndiceAppel(e);
        indiceDernier = i;
      }
      base_.Donne.SetEnchere(numero, joueur, e);
      joueur = JoueurSuivant(joueur);
      if (joueur == jrSud) ++numero;
    }
    Exige(dernier >= 0, "l'enchère n'a aucune enchère.");
    const TEnchere finale = appels[indiceDernier];
    Exige(finale.Niveau == contrat_.Niveau && finale.Couleur == contrat_.Couleur, "la dernière enchère n'est pas le contrat.");
    // The declarer is the first of the side to have named the strain.
    const auto camp = static_cast<int>((base_.Donne.Donneur() + indiceDernier) % 2);
    for (std::size_t i = 0; i <= indiceDernier; ++i) {
      const auto auteur = static_cast<TJoueur>((base_.Donne.Donneur() + i) % 4);
      if (static_cast<int>(auteur % 2) == camp && appels[i].Niveau >= 1 && appels[i].Couleur == finale.Couleur) {
        Exige(auteur == jrSud, "le déclarant doit être Sud, pas " + std::string(NomsJoueurs[auteur]) + ".");
        break;
      }
    }
  }

  void Termine() {
    const int derniere = ligne_;
    Exige(mainsLues_ && donneurLu_ && contrat_.Niveau >= 1 && ligneEncheres_ > 0,
          "il manque les mains, le donneur, le contrat ou l'enchère.");
    PoseEncheres();
    ligne_ = derniere;
    Exige(chainesDefinies_[1], "la chaîne 1 manque.");
    for (const auto& [ligne, renvoi] : renvois_) {
      ligne_ = ligne;
      Exige(renvoi >= ActionSolution || chainesDefinies_[static_cast<std::size_t>(renvoi)],
            "la chaîne " + std::to_string(renvoi) + " n'est pas définie.");
    }
    for (const auto& [ligne, code] : codes_) {
      ligne_ = ligne;
      Exige(code == 0 || commentaires_.contains(code), "le commentaire " + std::to_string(code) + " n'est pas défini.");
    }
    ligne_ = derniere;
    Exige(nbLeveesJeu_ == NbLeveesJeuComplet, "le jeu complet doit avoir 12 levées.");
    Exige(base_.Donne.Entame() == base_.Donne.JeuComplet(1, 1), "l'entame de la chaîne 1 n'est pas celle du jeu complet.");
    std::vector<std::pair<int, std::string>> lignes(commentaires_.begin(), commentaires_.end());
    try {
      base_.Donne.SetCommentaires(BrouilleTexte(ComposeCommentaires(lignes)));
    } catch (const ErreurDonnee& e) {
      Erreur(e.what());
    }
  }

  std::string nom_;
  int ligne_ = 0;
  TBaseDemo base_;
  bool mainsLues_ = false;
  bool donneurLu_ = false;
  TEnchere contrat_;
  std::vector<std::string> appels_;
  int ligneEncheres_ = 0;
  std::map<int, std::string> commentaires_;
  std::array<bool, NbChaines + 1> chainesDefinies_{};
  int chaineLevee_ = 0;
  std::array<int, 4> nbCartesPlace_{};
  std::vector<std::pair<int, int>> renvois_;
  std::vector<std::pair<int, int>> codes_;
  int nbLeveesJeu_ = 0;
  std::array<std::vector<TCard>, 4> restantes_;
  TJoueur entameurJeu_ = jrOuest;  // West leads against South
  int nbQuestions_ = 0;
  std::string bloc_;
  std::vector<std::string> paragraphes_;
  int ligneBloc_ = 0;
};

void EcritFichier(const std::filesystem::path& fichier, std::string_view octets) {
  std::ofstream flux(fichier, std::ios::binary | std::ios::trunc);
  flux.write(octets.data(), static_cast<std::streamsize>(octets.size()));
  flux.close();
  if (!flux) throw ErreurFichier("Impossible d'écrire le fichier « " + fichier.string() + " ».");
}

}  // namespace

TBaseDemo LitSourceDemo(std::string_view texte, std::string_view nomFichier) {
  return TLecteurSource(nomFichier).Lit(texte);
}

TBaseDemo LitFichierSourceDemo(const std::filesystem::path& fichier) {
  std::ifstream flux(fichier, std::ios::binary);
  if (!flux) throw ErreurFichier("Impossible de lire le fichier « " + fichier.string() + " ».");
  std::ostringstream texte;
  texte << flux.rdbuf();
  return LitSourceDemo(texte.str(), fichier.filename().string());
}

void EcritBaseDemo(const TBaseDemo& base, const std::filesystem::path& dossier) {
  std::error_code erreur;
  std::filesystem::create_directories(dossier, erreur);
  const auto octets = base.Donne.Octets();
  EcritFichier(dossier / NomFichierDonnes, std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()));
  std::string questions(static_cast<std::size_t>(base.NumeroVolume) * TQuestionsDonne::Taille, '\0');
  std::copy(base.Questions.Octets().begin(), base.Questions.Octets().end(),
            questions.end() - static_cast<std::ptrdiff_t>(TQuestionsDonne::Taille));
  EcritFichier(dossier / NomFichierQuestions, questions);
  EcritFichier(dossier / NomTableVolume(NomFichierDonnes),
               EcritNumerosVolume({base.NumeroVolume}, "Numéro de chaque donne dans sa collection, une ligne par donne."));
}

std::string RtfSimple(const std::vector<std::string>& paragraphes) {
  std::string rtf = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\f0\\fs22 ";
  for (std::size_t p = 0; p < paragraphes.size(); ++p) {
    const std::string& texte = paragraphes[p];
    for (std::size_t i = 0; i < texte.size();) {
      const char32_t code = LitCaractereUtf8(texte, i);
      if (code == '\\' || code == '{' || code == '}') {
        rtf += '\\';
        rtf += static_cast<char>(code);
      } else if (code >= 0x20 && code < 0x80) {
        rtf += static_cast<char>(code);
      } else {
        std::string utf8;
        AjouteUtf8(utf8, code);
        const std::string octet = Utf8VersWindows1252(utf8);
        char echappe[16];
        if (octet != "?") {
          std::snprintf(echappe, sizeof echappe, "\\'%02x", static_cast<unsigned char>(octet[0]));
        } else {
          std::snprintf(echappe, sizeof echappe, "\\u%d?", static_cast<int>(static_cast<std::int16_t>(code)));
        }
        rtf += echappe;
      }
    }
    if (p + 1 < paragraphes.size()) rtf += "\\par ";
  }
  return rtf + "}";
}

}  // namespace kalvo
