#include "tools/kalvo-deals/DumpDonne.h"

#include "model/BaseDonnes.h"
#include "model/Brouillage.h"
#include "model/Commentaires.h"
#include "model/Encheres.h"
#include "model/NumerosVolume.h"
#include "model/Windows1252.h"
#include "tools/kalvo-deals/DescriptionScript.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <functional>
#include <queue>
#include <vector>

namespace kalvo::outil_donnes {

namespace {

std::size_t Largeur(std::string_view texte) {
  return static_cast<std::size_t>(std::count_if(texte.begin(), texte.end(), [](char c) {
    return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
  }));
}

// Control characters of damaged texts written as \xNN.
std::string Lisible(std::string_view texte) {
  std::string resultat;
  for (char c : texte) {
    const auto o = static_cast<unsigned char>(c);
    if (o < 0x20 && c != '\t') {
      char code[8];
      std::snprintf(code, sizeof code, "\\x%02X", o);
      resultat += code;
    } else {
      resultat += c;
    }
  }
  return resultat;
}

std::string SansBlancsFinaux(std::string texte) {
  while (!texte.empty() && texte.back() == ' ') texte.pop_back();
  return texte;
}

std::string Complete(std::string texte, std::size_t largeur) {
  const std::size_t l = Largeur(texte);
  if (l < largeur) texte.append(largeur - l, ' ');
  return texte;
}

template <class Liste, class Fonction>
std::string Joint(const Liste& liste, std::string_view separateur, Fonction&& texte) {
  std::string resultat;
  for (const auto& element : liste) {
    if (!resultat.empty()) resultat += separateur;
    resultat += texte(element);
  }
  return resultat;
}

// The seat of a partnership that holds a slot in a trick led by entameur.
TJoueur JoueurDePlace(TJoueur entameur, int place, bool defense) {
  const TJoueur a = defense ? jrOuest : jrSud;
  return PositionsDansLevee[entameur][a] == place ? a : Partenaire(a);
}

class TDump {
 public:
  TDump(const TDonne& donne, std::ostream& sortie) : d_(donne), sortie_(sortie) {}

  int Problemes() const { return problemes_; }

  void Tout(int numeroVolume, const TQuestionsDonne* questions, int numeroFiche) {
    sortie_ << "════ Donne " << d_.Numero() << " (collection " << numeroVolume << ") ════\n";
    EnTete();
    Diagramme();
    Encheres();
    Commentaires();
    Commentaire("Le point", NomFichierPoint, d_.TextePoint(), d_.LgPoint(), LgMaxPoint);
    Commentaire("Le résumé", NomFichierResume, d_.TexteResume(), d_.LgResume(), LgMaxResume);
    Script();
    Groupes();
    Compteurs();
    Pools();
    JeuComplet();
    if (questions != nullptr) Questions(*questions, numeroFiche);
    VideEnAttente(2);
    sortie_ << '\n';
  }

 private:
  void Probleme(const std::string& message, int retrait = 2) {
    sortie_ << std::string(static_cast<std::size_t>(retrait), ' ') << "⚠ " << message << '\n';
    ++problemes_;
  }
  void Protege(const std::function<void()>& action, int retrait = 2) {
    try {
      action();
    } catch (const ErreurDonnee& e) {
      Probleme(e.what(), retrait);
    }
  }
  // Problems found while a line is being written wait for its end.
  void VideEnAttente(int retrait) {
    for (const std::string& message : enAttente_) Probleme(message, retrait);
    enAttente_.clear();
  }

  // Comment numbers used by the script: the deal's own (1..18) or the
  // program's messages (49 and above).
  std::string Code(int code) {
    if (code == 0) return "bonne";
    if (code >= 1 && code <= NbCommentaires) {
      if (commentairesLus_ && comments_[code].empty())
        enAttente_.push_back("le commentaire " + std::to_string(code) + " est vide.");
      return "commentaire " + std::to_string(code);
    }
    if (code >= 49) return "message du programme " + std::to_string(code);
    enAttente_.push_back("code de commentaire " + std::to_string(code) + " inutilisé (1 à 18, ou 49 et plus).");
    return "code " + std::to_string(code);
  }

  // One line of the header; the value is computed before anything is
  // written, so that a bad value leaves only its message.
  void Champ(std::string_view nom, const std::function<std::string()>& valeur) {
    Protege([&] {
      const std::string texte = valeur();
      sortie_ << nom << " : " << texte << '\n';
    });
  }

  void EnTete() {
    Champ("Thème", [&] { return std::to_string(d_.Theme()) + " — " + std::string(NomsThemes[static_cast<std::size_t>(d_.Theme())]); });
    Champ("Force", [&] { return std::to_string(d_.Force()); });
    Champ("Donneur", [&] { return std::string(NomsJoueurs[d_.Donneur()]); });
    Champ("Vulnérabilité", [&] { return std::string(NomsVulnerabilites[d_.Vulnerabilite()]); });
    Champ("Contrat", [&] { return TexteContrat(d_.NiveauContrat(), d_.Atout()); });
    Champ("Entame", [&] { return DecritCarteScript(d_.Entame()); });
  }

  std::array<std::string, 4> LignesMain(TJoueur j, int& points) {
    std::array<std::vector<int>, 4> rangs;
    std::string invalides;
    for (int i = 1; i <= 13; ++i) {
      const TCard c = d_.CarteMain(j, i);
      if (c.EstReelle()) {
        rangs[c.c].push_back(c.h);
        if (c.h > 10) points += c.h - 10;
      } else {
        invalides += " [h=" + std::to_string(c.h) + ", c=" + std::to_string(c.c) + "]";
      }
    }
    if (!invalides.empty())
      Probleme("main " + std::string(DeJoueurs[j]) + std::string(NomsJoueurs[j]) + " : cartes invalides" + invalides);
    std::array<std::string, 4> lignes;
    for (int s = 3; s >= 0; --s) {
      auto& r = rangs[static_cast<std::size_t>(s)];
      std::sort(r.rbegin(), r.rend());
      std::string ligne(SymbolesCouleurs[static_cast<std::size_t>(s)]);
      if (r.empty()) ligne += " —";
      for (int h : r) ligne.append(" ").append(TexteRang(h));
      lignes[static_cast<std::size_t>(3 - s)] = ligne;
    }
    return lignes;
  }

  void Diagramme() {
    std::array<std::array<std::string, 4>, 4> lignes;
    std::array<int, 4> points{};
    for (TJoueur j : TousLesJoueurs) lignes[j] = LignesMain(j, points[j]);
    Protege([&] { VerifieMains(d_); });
    auto nom = [&](TJoueur j) { return std::string(NomsJoueurs[j]) + " (" + std::to_string(points[j]) + " H)"; };
    const std::string marge(20, ' ');
    sortie_ << '\n' << marge << nom(jrNord) << '\n';
    for (const auto& l : lignes[jrNord]) sortie_ << marge << l << '\n';
    sortie_ << Complete(nom(jrOuest), 40) << nom(jrEst) << '\n';
    for (std::size_t k = 0; k < 4; ++k) sortie_ << Complete(lignes[jrOuest][k], 40) << lignes[jrEst][k] << '\n';
    sortie_ << marge << nom(jrSud) << '\n';
    for (const auto& l : lignes[jrSud]) sortie_ << marge << l << '\n';
  }

  void Encheres() {
    sortie_ << "\nEnchères :\n  ";
    for (TJoueur j : TousLesJoueurs) sortie_ << (j == jrEst ? std::string(NomsJoueurs[j]) : Complete(std::string(NomsJoueurs[j]), 12));
    sortie_ << '\n';
    Protege([&] {
      const TJoueur donneur = d_.Donneur();
      std::string ligne = "  ";
      for (TJoueur j = jrSud; j != donneur; j = JoueurSuivant(j)) ligne += Complete("", 12);
      TJoueur joueur = donneur;
      for (int numero = 1; numero <= NbLignesEncheres;) {
        const TEnchere e = d_.Enchere(numero, joueur);
        if (e.Niveau == NiveauFinEncheres) {
          ligne += "fin";
          break;
        }
        std::string appel = TexteEnchere(e);
        if (e.Alerte != 0) appel += " (alerte " + std::to_string(e.Alerte) + ")";
        ligne += Complete(appel, 12);
        joueur = JoueurSuivant(joueur);
        if (joueur == jrSud) {
          sortie_ << SansBlancsFinaux(ligne) << '\n';
          ligne = "  ";
          ++numero;
        }
      }
      if (ligne != "  ") sortie_ << SansBlancsFinaux(ligne) << '\n';
      SuiteEncheres(d_);  // reports the first call that is no call
    });
    for (int a = 1; a <= NbAlertes; ++a) {
      if (d_.LgAlerte(a) == 0) continue;
      sortie_ << "  Alerte " << a << " : " << Lisible(Windows1252VersUtf8(d_.Alerte(a))) << '\n';
      if (d_.LgAlerte(a) > LgMaxAlerte)
        Probleme(AvertissementLongueur(0, "de l'alerte " + std::to_string(a), d_.LgAlerte(a), LgMaxAlerte));
    }
  }

  void Commentaires() {
    sortie_ << "\nCommentaires :\n";
    try {
      TCommentairesLus lus = LitCommentaires(d_);
      for (const std::string& a : lus.Avertissements) Probleme(a);
      comments_ = lus.Comment;
      commentairesLus_ = true;
    } catch (const ErreurDonnee& e) {
      Probleme(e.what());
      sortie_ << "  Texte brut : " << Lisible(Windows1252VersUtf8(DebrouilleTexte(d_.Commentaires()))) << '\n';
    }
    for (int n = 1; n <= NbCommentaires; ++n) {
      if (comments_[n].empty() && d_.Penalite(n) == 0) continue;
      sortie_ << "  " << (n < 10 ? "0" : "") << n << " (pénalité " << d_.Penalite(n) << ") : " << Lisible(comments_[n]) << '\n';
    }
  }

  void Commentaire(std::string_view titre, std::string_view fichier, const std::string& brouille, std::int32_t lg,
                   int lgMax) {
    sortie_ << '\n' << titre << " (" << fichier << ", " << brouille.size() << " octets) :\n";
    const std::string avertissement = AvertissementLongueur(0, "du texte", lg, lgMax);
    if (!avertissement.empty()) Probleme(avertissement);
    std::string_view texte;
    const std::string clair = Windows1252VersUtf8(DebrouilleTexte(brouille));
    texte = clair;
    while (!texte.empty()) {
      const std::size_t fin = texte.find('\n');
      std::string_view ligne = texte.substr(0, fin);
      if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
      sortie_ << "  " << Lisible(ligne) << '\n';
      if (fin == std::string_view::npos) break;
      texte.remove_prefix(fin + 1);
    }
  }

  // The chains a node leads to, with their labels.
  static std::vector<std::pair<std::string, std::int32_t>> Renvois(const TChaine& ch) {
    std::vector<std::pair<std::string, std::int32_t>> renvois;
    if (ch.ChaineEquivalente() != 0) renvois.emplace_back("équivalente", ch.ChaineEquivalente());
    switch (ch.TypeEffectif()) {
      case tcLevee: renvois.emplace_back("suivante", ch.ChaineSuivante()); break;
      case tcDistribution:
      case tcLongueur:
        for (int e = 1; e <= 4; ++e)
          if (ch.EntreeDistribution(e) != TEntreeDistribution{}) renvois.emplace_back("entrée " + std::to_string(e), ch.EntreeDistribution(e).Suite);
        break;
      case tcCartesTenues:
      case tcHasard:
      case tcGagnantLevee:
      case tcPartenairePrend:
        renvois.emplace_back("A", ch.ChaineA());
        renvois.emplace_back("B", ch.ChaineB());
        break;
      case tcAutomatique:
      case tcPool:
        renvois.emplace_back("si Sud gagne", ch.SuiteSiSud());
        renvois.emplace_back("sinon", ch.SuiteSinon());
        break;
      case tcRetourDebut: renvois.emplace_back("retour", 1); break;
      case tcRevendication:
      case tcSolution: break;
    }
    return renvois;
  }

  void Script() {
    sortie_ << "\nScript (chaînes non vides) :\n";
    std::array<bool, NbChaines + 1> nonVide{}, atteinte{};
    for (int c = 1; c <= NbChaines; ++c) nonVide[static_cast<std::size_t>(c)] = !d_.Chaine(c).EstVide();
    std::queue<int> file;
    file.push(1);
    atteinte[1] = true;
    while (!file.empty()) {
      const int c = file.front();
      file.pop();
      if (!nonVide[static_cast<std::size_t>(c)]) continue;
      for (const auto& [etiquette, renvoi] : Renvois(d_.Chaine(c))) {
        if (renvoi < 1 || renvoi > NbChaines || atteinte[static_cast<std::size_t>(renvoi)]) continue;
        atteinte[static_cast<std::size_t>(renvoi)] = true;
        file.push(renvoi);
      }
    }
    if (!nonVide[1]) Probleme("la chaîne 1, où commence le jeu, est vide.");
    for (int c = 1; c <= NbChaines; ++c) {
      if (nonVide[static_cast<std::size_t>(c)]) Chaine(d_.Chaine(c), atteinte[static_cast<std::size_t>(c)], nonVide);
    }
  }

  void Chaine(const TChaine& ch, bool atteinte, const std::array<bool, NbChaines + 1>& nonVide) {
    sortie_ << "Chaîne " << ch.Numero() << " : " << NomTypeChaine(ch.TypeChaine());
    if (!atteinte) sortie_ << " (non atteinte depuis la chaîne 1)";
    sortie_ << '\n';
    for (const auto& [etiquette, renvoi] : Renvois(ch)) {
      if (!EstRenvoiValide(renvoi)) {
        Probleme("renvoi « " + etiquette + " » : " + DecritRenvoi(renvoi) + ".", 4);
      } else if (renvoi >= 1 && renvoi <= NbChaines && !nonVide[static_cast<std::size_t>(renvoi)]) {
        Probleme("renvoi « " + etiquette + " » vers la chaîne " + std::to_string(renvoi) + ", qui est vide.", 4);
      }
    }
    Protege([&] { CorpsChaine(ch); }, 4);
    VideEnAttente(4);
  }

  void CorpsChaine(const TChaine& ch) {
    const std::string r = "    ";
    switch (ch.TypeEffectif()) {
      case tcLevee: Levee(ch); break;
      case tcDistribution: Distribution(ch); break;
      case tcCartesTenues: {
        const int n = ch.NbCartes();
        std::vector<int> indices(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) indices[static_cast<std::size_t>(i)] = i + 1;
        sortie_ << r << "si " << NomsJoueurs[ch.Joueur()] << " tient encore : "
                << (n == 0 ? std::string("(aucune carte)") : Joint(indices, ", ", [&](int i) { return DecritCarteScript(ch.CarteTenue(i)); }))
                << "\n" << r << "alors " << DecritRenvoi(ch.ChaineA()) << ", sinon " << DecritRenvoi(ch.ChaineB()) << '\n';
        break;
      }
      case tcHasard:
        sortie_ << r << "au hasard : " << DecritRenvoi(ch.ChaineA()) << " ou " << DecritRenvoi(ch.ChaineB()) << '\n';
        break;
      case tcGagnantLevee:
        sortie_ << r << "si Sud a gagné la dernière levée : " << DecritRenvoi(ch.ChaineA()) << ", sinon "
                << DecritRenvoi(ch.ChaineB()) << '\n';
        break;
      case tcRevendication:
        sortie_ << r << "levées finales : Nord-Sud " << ch.LeveesNS() << ", Est-Ouest " << ch.LeveesEO() << " ; "
                << Code(ch.CodeRevendication()) << '\n';
        if (static_cast<long long>(ch.LeveesNS()) + ch.LeveesEO() != 13 || ch.LeveesNS() < 0 || ch.LeveesEO() < 0)
          Probleme("les levées finales ne font pas 13.", 4);
        break;
      case tcRetourDebut: sortie_ << r << "le jeu reprend à la chaîne 1\n"; break;
      case tcLongueur:
        for (int e = 1; e <= 4; ++e) {
          if (ch.EntreeDistribution(e) == TEntreeDistribution{}) continue;
          Protege([&] {
            const TEntreeLongueur l = ch.EntreeLongueur(e);
            sortie_ << r << "entrée " << e << " : si " << NomsJoueurs[l.Joueur] << " a encore exactement " << l.Nombre
                    << " cartes à " << NomsCouleurs[l.Couleur] << " : " << DecritRenvoi(l.Suite) << '\n';
          }, 4);
        }
        break;
      case tcPartenairePrend: {
        const TJoueur j = ch.Joueur();
        sortie_ << r << "si la plus basse carte à " << NomsCouleurs[ch.Couleur()] << " de " << NomsJoueurs[Partenaire(j)]
                << " est plus basse que la plus haute " << DeJoueurs[j] << NomsJoueurs[j] << " : "
                << DecritRenvoi(ch.ChaineA()) << ", sinon " << DecritRenvoi(ch.ChaineB()) << '\n';
        break;
      }
      case tcAutomatique: Automatique(ch.Auto()); break;
      case tcPool:
        sortie_ << r << "pool " << ch.NumeroPool() << " pendant " << ch.NbLevees() << " levées ; ensuite, si Sud gagne la dernière : "
                << DecritRenvoi(ch.SuiteSiSud()) << ", sinon " << DecritRenvoi(ch.SuiteSinon()) << '\n';
        poolsUtilises_[static_cast<std::size_t>(ch.NumeroPool())] = true;
        break;
      case tcSolution: sortie_ << r << "le programme calcule les solutions\n"; break;
    }
  }

  void Levee(const TChaine& ch) {
    const TJoueur entameur = ch.Entameur();
    sortie_ << "    entameur : " << NomsJoueurs[entameur] << '\n';
    for (int place = 1; place <= 2; ++place) {
      const TJoueur j = JoueurDePlace(entameur, place, true);
      std::vector<std::string> alternatives;
      for (int a = 1; a <= 3; ++a) {
        const TCarteDefense c = ch.Defense(place, a);
        if (c.Carte.h == RangFinDeListe) break;
        std::string texte = DecritCarteScript(c.Carte);
        if (c.SiPrecedente != 0) {
          texte = "si la carte précédente est " + DecritCarteScript(c.CarteCondition) + " : " + texte;
        } else if (c.SiDerniere != 0) {
          texte += " (s'il ne lui reste que " + DecritCarteScript(c.CarteDerniere) + " dans la couleur : " +
                   DecritCarteScript(c.CarteCondition) + ")";
        }
        alternatives.push_back(texte);
      }
      sortie_ << "    " << NomsJoueurs[j] << " (défense, place " << place << ") : "
              << (alternatives.empty() ? std::string("(aucune carte)") : Joint(alternatives, " ; sinon ", [](const std::string& s) { return s; }))
              << '\n';
    }
    for (int place = 1; place <= 2; ++place) {
      const TJoueur j = JoueurDePlace(entameur, place, false);
      std::vector<std::string> cartes;
      for (int i = 1; i <= 8; ++i) {
        const TCarteDeclarant c = ch.Declarant(place, i);
        if (c.Carte.h == RangFinDeListe) break;
        cartes.push_back(DecritCarteScript(c.Carte) + " (" + Code(c.Code) + ")");
      }
      sortie_ << "    " << NomsJoueurs[j] << " (déclarant, place " << place << ") : "
              << (cartes.empty() ? std::string("(aucune carte)") : Joint(cartes, ", ", [](const std::string& s) { return s; }))
              << '\n';
    }
  }

  void Distribution(const TChaine& ch) {
    for (int e = 1; e <= 4; ++e) {
      const TEntreeDistribution entree = ch.EntreeDistribution(e);
      if (entree == TEntreeDistribution{}) continue;
      std::string motifs;
      for (TJoueur j : TousLesJoueurs) {
        const std::uint16_t m = entree.Motifs[j];
        if (m == 0xFFFF) continue;
        motifs += std::string(motifs.empty() ? "" : ", ") + std::string(NomsJoueurs[j]);
        for (int s = 3; s >= 0; --s) {
          const int n = (m >> (4 * s)) & 0xF;
          motifs.append(" ").append(SymbolesCouleurs[static_cast<std::size_t>(s)]).append(n == 15 ? "*" : std::to_string(n));
        }
      }
      sortie_ << "    entrée " << e << " : si " << (motifs.empty() ? "toute distribution" : motifs) << " : "
              << DecritRenvoi(entree.Suite) << (entree.Suite == -1 ? " (la recherche s'arrête là)" : "") << '\n';
    }
  }

  void ListeAuto(std::string_view nom, int n, const std::function<TCarteAuto(int)>& entree) {
    sortie_ << "    " << nom << " (" << n << ") :";
    for (int i = 1; i <= n; ++i) {
      const TCarteAuto c = entree(i);
      sortie_ << (i == 1 ? " " : " ; ") << DecritCarteScript(c.Carte) << " (" << Code(c.Code)
              << (c.Defausse != 0 ? ", défausse" : "") << ")";
    }
    sortie_ << '\n';
  }

  void Automatique(const TChaineAuto& a) {
    sortie_ << "    pendant " << a.NbLevees() << " levées ; ensuite, si Sud gagne la dernière : " << DecritRenvoi(a.SuiteSiSud())
            << ", sinon " << DecritRenvoi(a.SuiteSinon()) << " ; entame non couverte : "
            << (a.CodeDefaut() != 0 ? Code(a.CodeDefaut()) : "message du programme 71") << '\n';
    Protege([&] { ListeAuto("ListeSud", a.NbSud(), [&](int i) { return a.ListeSud(i); }); }, 4);
    Protege([&] { ListeAuto("ListeNord", a.NbNord(), [&](int i) { return a.ListeNord(i); }); }, 4);
    for (int s = 3; s >= 0; --s) {
      const TParCouleurAuto p = a.ParCouleur(static_cast<T4Couleur>(s));
      sortie_ << "    " << NomsCouleurs[static_cast<std::size_t>(s)] << " : "
              << (p.Permis != 0 ? "consulter les listes" : "verdict direct, " + Code(p.Code)) << '\n';
    }
  }

  void Groupes() {
    bool titre = false;
    for (int g = 1; g <= NbGroupes; ++g) {
      const TGroupe groupe = d_.Groupe(g);
      if (groupe == TGroupe{}) continue;
      if (!titre) sortie_ << "\nGroupes :\n";
      titre = true;
      auto liste = [](const std::array<TCard, 4>& cartes) {
        std::string texte;
        for (TCard c : cartes)
          if (c.h != 0) texte += (texte.empty() ? "" : ", ") + DecritCarteScript(c);
        return texte.empty() ? std::string("(aucune)") : texte;
      };
      sortie_ << "  Groupe " << g << " : préalables : " << liste(groupe.Prealables) << " ; acceptées : "
              << liste(groupe.Acceptees) << " ; " << Code(groupe.Code) << '\n';
      VideEnAttente(4);
    }
  }

  void Compteurs() {
    bool titre = false;
    for (int f = 1; f <= NbTablesCompteurs; ++f) {
      for (T4Couleur s : ToutesLesCouleurs) {
        const TCompteur c = d_.Compteur(f, s);
        if (c == TCompteur{}) continue;
        if (!titre) sortie_ << "\nCompteurs :\n";
        titre = true;
        sortie_ << "  Table " << f << ", " << NomsCouleurs[s] << " : reste " << c.Reste << ", " << Code(c.Code) << ", rangs :";
        for (std::uint8_t h : c.Rangs)
          if (h != 0) sortie_ << ' ' << DecritRangScript(h);
        sortie_ << '\n';
        VideEnAttente(4);
      }
    }
  }

  void PoolCarte(const TPoolCarte& e) {
    sortie_ << "rang " << DecritRangScript(e.Rang()) << '\n';
    Protege([&] {
      for (int z = 1, n = e.NbConditions(); z <= n; ++z) {
        const TConditionPool c = e.Condition(z);
        sortie_ << "      condition " << z << " : ";
        if (c.Carte.h == RangPlusHaute)
          sortie_ << "échoue si le partenaire de l'entameur n'a pas de maîtresse" << (EstCouleurReelle(c.Carte.c) ? " à " + std::string(NomsCouleurs[c.Carte.c]) : "");
        else if (c.Genre == 1)
          sortie_ << "échoue tant que " << DecritCarteScript(c.Carte) << " n'est pas jouée";
        else if (c.Genre == 2)
          sortie_ << "échoue une fois " << DecritCarteScript(c.Carte) << " jouée";
        else
          sortie_ << "genre " << static_cast<int>(c.Genre) << " inconnu, carte " << DecritCarteScript(c.Carte);
        sortie_ << " (" << Code(c.Code) << ")\n";
      }
    }, 6);
    Protege([&] {
      for (int k = 1, n = e.NbSuites(); k <= n; ++k) {
        const TSuitePool s = e.Suite(k);
        sortie_ << "      réponse dans la couleur : " << DecritRangScript(s.Rang) << " (" << Code(s.Code) << ")\n";
      }
    }, 6);
    Protege([&] {
      for (int k = 1, n = e.NbDefausses(); k <= n; ++k) {
        const TDefaussePool s = e.Defausse(k);
        sortie_ << "      réponse hors couleur : " << DecritRangScript(s.Rang) << " à " << NomCouleurOctet(s.Couleur) << " ("
                << Code(s.Code) << ")\n";
      }
    }, 6);
  }

  void PoolAutre(const TPoolAutre& e) {
    sortie_ << "rang " << DecritRangScript(e.Rang()) << " (" << Code(e.Code()) << ")\n";
    Protege([&] {
      for (int j = 1, n = e.NbSuites(); j <= n; ++j) {
        const TSuiteAutre s = e.Suite(j);
        sortie_ << "      réponse connue : " << DecritRangScript(s.Rang) << " (" << Code(s.Code) << ")\n";
      }
    }, 6);
  }

  void Pools() {
    for (int p = 1; p <= NbPools; ++p) {
      const TPool pool = d_.Pool(p);
      const bool vide = std::all_of(pool.Debut(), pool.Debut() + TaillePool, [](std::uint8_t o) { return o == 0; });
      if (vide && !poolsUtilises_[static_cast<std::size_t>(p)]) continue;
      sortie_ << "\nPool " << p << (vide ? " : vide" : " :") << '\n';
      if (vide) Probleme("le pool " + std::to_string(p) + " est utilisé par le script mais vide.");
      for (bool sud : {true, false}) {
        for (T4Couleur s : ToutesLesCouleurs) {
          for (int y = 1; y <= 8; ++y) {
            const std::string ou = std::string(sud ? "Sud" : "Nord") + " à " + std::string(NomsCouleurs[s]) + " n°" + std::to_string(y);
            if (const TPoolCarte e = pool.Entame(sud, s, y); !e.EstVide()) {
              sortie_ << "    entame de " << ou << " : ";
              PoolCarte(e);
              VideEnAttente(6);
            }
            if (const TPoolAutre e = pool.Autre(sud, s, y); !e.EstVide()) {
              sortie_ << "    autre entame de " << ou << " : ";
              PoolAutre(e);
              VideEnAttente(6);
            }
          }
        }
      }
    }
  }

  void JeuComplet() {
    sortie_ << "\nJeu complet :\n";
    bool vide = true;
    for (int t = 1; t <= NbLeveesJeuComplet; ++t) {
      std::string ligne;
      bool leveeVide = true;
      for (int i = 1; i <= 4; ++i) {
        const TCard c = d_.JeuComplet(t, i);
        leveeVide = leveeVide && c.EstVide();
        ligne += (i == 1 ? "" : ", ") + DecritCarteScript(c);
      }
      if (leveeVide) continue;
      vide = false;
      sortie_ << "  Levée " << t << " : " << ligne << '\n';
    }
    if (vide) sortie_ << "  (vide)\n";
  }

  void Questions(const TQuestionsDonne& record, int numeroFiche) {
    sortie_ << "\nQuestions (fiche " << numeroFiche << ") : NbQuestions " << record.NbQuestionsBrut() << '\n';
    if (record.NbQuestionsBrut() > NbQuestionsMax)
      Probleme("plus de 3 questions annoncées : la donne n'en pose aucune.");
    for (int q = 1; q <= NbEntreesQuestions; ++q) {
      const TQuestion question = record.Question(q);
      const bool utilisee = q <= record.NbQuestions();
      if (!utilisee && question == TQuestion{}) continue;
      sortie_ << "  Question " << q << (utilisee ? "" : " (non utilisée)") << " :\n"
              << "    NumLevee : " << question.NumLevee << '\n'
              << "    Penalite : " << question.Penalite << '\n'
              << "    TypeQuestion : " << static_cast<int>(question.TypeQuestion) << " (" << NomTypeQuestion(question.TypeQuestion) << ")\n"
              << "    Joueur : " << static_cast<int>(question.Joueur) << " (" << NomJoueurOctet(question.Joueur) << ")\n"
              << "    Couleur : " << static_cast<int>(question.Couleur) << " (" << NomCouleurOctet(question.Couleur) << ")\n"
              << "    Carte : " << (question.Carte.EstVide() ? std::string("aucune") : DecritCarteScript(question.Carte)) << '\n'
              << "    Option : " << static_cast<int>(question.Option) << '\n'
              << "    Depart : " << question.Depart << '\n';
      if (utilisee && (question.NumLevee < 1 || question.NumLevee > 13))
        Probleme("la question " + std::to_string(q) + " vise la levée " + std::to_string(question.NumLevee) + " (1 à 13).", 4);
      if (utilisee && question.TypeQuestion > 5)
        Probleme("type de question " + std::to_string(question.TypeQuestion) + " inconnu (0 à 5).", 4);
    }
  }

  const TDonne& d_;
  std::ostream& sortie_;
  int problemes_ = 0;
  TComments comments_;
  bool commentairesLus_ = false;
  std::array<bool, NbPools + 1> poolsUtilises_{};
  std::vector<std::string> enAttente_;
};

// The questions record of a collection number, read as it is stored.
std::optional<TQuestionsDonne> LitFicheQuestions(const std::filesystem::path& fichier, int numeroFiche) {
  std::ifstream flux(fichier, std::ios::binary);
  if (!flux || numeroFiche < 1) return std::nullopt;
  TQuestionsDonne record;
  flux.seekg(static_cast<std::streamoff>(static_cast<std::uintmax_t>(numeroFiche - 1) * TQuestionsDonne::Taille));
  flux.read(reinterpret_cast<char*>(record.Octets().data()), TQuestionsDonne::Taille);
  if (!flux) return std::nullopt;
  return record;
}

}  // namespace

int DumpDonne(const TDonne& donne, int numeroVolume, const TQuestionsDonne* questions, int numeroFiche,
              std::ostream& sortie) {
  TDump dump(donne, sortie);
  dump.Tout(numeroVolume, questions, numeroFiche);
  return dump.Problemes();
}

int DumpBase(const std::filesystem::path& base, const TOptionsDump& options, std::ostream& sortie,
             std::ostream& erreurs) {
  const std::string nom = base.filename().string();
  std::error_code erreur;
  if (!std::filesystem::is_regular_file(base, erreur)) {
    erreurs << MessageBaseAbsente(nom) << '\n';
    return 1;
  }
  const std::uintmax_t taille = std::filesystem::file_size(base, erreur);
  const int nbDonnes = erreur ? 0 : static_cast<int>(taille / TDonne::Taille);
  if (nbDonnes == 0) {
    erreurs << "La base de donnes " << nom << " ne contient aucune donne entière (" << taille << " octets).\n";
    return 1;
  }
  int problemes = 0;
  sortie << "Base " << nom << " : " << nbDonnes << (nbDonnes > 1 ? " donnes" : " donne") << '\n';
  if (taille % TDonne::Taille != 0) {
    sortie << "⚠ La base est tronquée : " << taille % TDonne::Taille << " octets après la dernière donne entière.\n";
    ++problemes;
  }
  const std::filesystem::path table = options.TableVolume.value_or(base.parent_path() / NomTableVolume(nom));
  const TResultatVolume volume = ChargeNumerosVolume(table, nbDonnes);
  if (volume.Avertissement) {
    sortie << "⚠ " << *volume.Avertissement << '\n';
    ++problemes;
  }
  if (options.Questions) sortie << "Questions : " << options.Questions->filename().string() << '\n';
  sortie << '\n';

  int premiere = 1, derniere = nbDonnes;
  if (options.Donne) {
    if (*options.Donne < 1 || *options.Donne > nbDonnes) {
      erreurs << "La donne " << *options.Donne << " n'existe pas : la base en compte " << nbDonnes << ".\n";
      return 1;
    }
    premiere = derniere = *options.Donne;
  }
  for (int n = premiere; n <= derniere; ++n) {
    try {
      const TDonne donne = LitFicheDonne(base, n);
      const int fiche = volume.Numeros[n];
      std::optional<TQuestionsDonne> questions;
      if (options.Questions) questions = LitFicheQuestions(*options.Questions, fiche);
      problemes += DumpDonne(donne, fiche, questions ? &*questions : nullptr, fiche, sortie);
      if (options.Questions && !questions) {
        sortie << "⚠ Le fichier de questions ne contient pas la fiche " << fiche << ".\n\n";
        ++problemes;
      }
    } catch (const std::exception& e) {
      sortie << "⚠ " << e.what() << "\n\n";
      ++problemes;
    }
  }
  return problemes > 0 ? 2 : 0;
}

}  // namespace kalvo::outil_donnes
