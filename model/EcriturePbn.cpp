// The export format: the standard tags first in their fixed order, one tag
// per line, calls four to a line, one trick per line, lines kept short.
#include "model/NotationMains.h"
#include "model/Pbn.h"

namespace kalvo {

namespace {

constexpr std::array<std::string_view, 5> DenominationsPbn{"C", "D", "H", "S", "NT"};
constexpr std::array<std::string_view, 4> VulnerabilitesPbn{"None", "NS", "EW", "All"};
constexpr std::size_t LargeurCommentaire = 78;

std::string Echappe(std::string_view valeur) {
  std::string texte;
  for (const char c : valeur) {
    if (c == '"' || c == '\\') texte += '\\';
    // A tag value holds one line.
    texte += (c == '\n' || c == '\r') ? ' ' : c;
  }
  return texte;
}

void Tag(std::string& sortie, std::string_view nom, std::string_view valeur) {
  sortie += '[';
  sortie += nom;
  sortie += " \"";
  sortie += Echappe(valeur);
  sortie += "\"]\n";
}

std::string Joueur(TJoueur joueur) { return std::string(1, LettreJoueurAnglaise(joueur)); }

std::string DonnePbn(const T4Jeux& mains, TJoueur premier) {
  std::string texte = Joueur(premier) + ":";
  TJoueur joueur = premier;
  for (int k = 0; k < 4; ++k, joueur = JoueurSuivant(joueur)) {
    std::vector<TCard> cartes(mains.cartes[joueur].begin(), mains.cartes[joueur].end());
    RangeCommeLeMoteur(cartes);
    if (k > 0) texte += ' ';
    texte += EcritMain(MainDeCartes(cartes));
  }
  return texte;
}

// Braces end a commentary: a closing one in the text becomes a parenthesis.
// Words are wrapped so that no line grows long.
void Commentaire(std::string& sortie, std::string_view texte) {
  std::string ligne = "{";
  std::size_t i = 0;
  const auto ajoute = [&](std::string_view mot) {
    if (ligne.size() > 1 && ligne.size() + 1 + mot.size() > LargeurCommentaire) {
      sortie += ligne + '\n';
      ligne.clear();
    } else if (ligne.size() > 1) {
      ligne += ' ';
    }
    ligne += mot;
  };
  std::string propre(texte);
  for (char& c : propre) {
    if (c == '}') c = ')';
    if (c == '{') c = '(';
  }
  std::string_view reste = propre;
  while (i < reste.size()) {
    while (i < reste.size() && (reste[i] == ' ' || reste[i] == '\n' || reste[i] == '\r' || reste[i] == '\t')) ++i;
    const std::size_t debut = i;
    while (i < reste.size() && reste[i] != ' ' && reste[i] != '\n' && reste[i] != '\r' && reste[i] != '\t') ++i;
    if (i > debut) ajoute(reste.substr(debut, i - debut));
  }
  sortie += ligne + "}\n";
}

void EcritPartie(std::string& sortie, const TPartiePbn& partie) {
  Tag(sortie, "Event", partie.Evenement);
  // A lesson has no site, date, players or scoring: "" says "not relevant".
  Tag(sortie, "Site", "");
  Tag(sortie, "Date", "");
  Tag(sortie, "Board", partie.Board > 0 ? std::to_string(partie.Board) : "");
  for (const std::string_view joueur : {"West", "North", "East", "South"}) Tag(sortie, joueur, "");
  Tag(sortie, "Dealer", Joueur(partie.Donneur));
  Tag(sortie, "Vulnerable", VulnerabilitesPbn[partie.Vulnerabilite]);
  Tag(sortie, "Deal", DonnePbn(partie.Mains, partie.Donneur));
  Tag(sortie, "Scoring", "");
  Tag(sortie, "Declarer", partie.Contrat.Niveau > 0 ? Joueur(partie.Declarant) : "");
  Tag(sortie, "Contract", TexteContratPbn(partie.Contrat));
  Tag(sortie, "Result", partie.Resultat ? std::to_string(*partie.Resultat) : "");
  if (!partie.Encheres.empty()) {
    Tag(sortie, "Auction", Joueur(partie.Donneur));
    for (std::size_t k = 0; k < partie.Encheres.size(); ++k) {
      const TEnchere& appel = partie.Encheres[k];
      sortie += TexteAppelPbn(appel);
      if (appel.Alerte > 0) sortie += " =" + std::to_string(appel.Alerte) + "=";
      sortie += (k % 4 == 3 || k + 1 == partie.Encheres.size()) ? '\n' : ' ';
    }
    for (const auto& [numero, texte] : partie.Notes) Tag(sortie, "Note", std::to_string(numero) + ":" + texte);
  }
  if (!partie.Levees.empty() && partie.Contrat.Niveau > 0) {
    const TJoueur entameur = JoueurSuivant(partie.Declarant);
    Tag(sortie, "Play", Joueur(entameur));
    bool incomplet = partie.Levees.size() < 13;
    for (const TCartesJouees& levee : partie.Levees) {
      TJoueur joueur = entameur;
      for (int k = 0; k < 4; ++k, joueur = JoueurSuivant(joueur)) {
        if (k > 0) sortie += ' ';
        if (levee[joueur].EstReelle()) {
          sortie += CodeCarte(levee[joueur]);
        } else {
          sortie += '-';
          incomplet = true;
        }
      }
      sortie += '\n';
    }
    // An unfinished play (a claim) ends with the mark of an incomplete section.
    if (incomplet) sortie += "*\n";
  }
  for (const auto& [nom, valeur] : partie.AutresTags) Tag(sortie, nom, valeur);
  for (const std::string& texte : partie.Commentaires) Commentaire(sortie, texte);
}

}  // namespace

std::string TexteAppelPbn(const TEnchere& enchere) {
  if (enchere.Niveau >= 1 && enchere.Niveau <= 7 && enchere.Couleur <= clSA)
    return std::to_string(enchere.Niveau) + std::string(DenominationsPbn[enchere.Couleur]);
  if (enchere.Niveau == 0 && enchere.Couleur == 1) return "Pass";
  if (enchere.Niveau == 0 && enchere.Couleur == 2) return "X";
  return "XX";
}

std::string TexteContratPbn(const TContratPbn& contrat) {
  if (contrat.Niveau < 1 || contrat.Niveau > 7 || contrat.Atout > clSA) return "Pass";
  std::string texte = std::to_string(contrat.Niveau) + std::string(DenominationsPbn[contrat.Atout]);
  if (contrat.Contre == 1) texte += "X";
  if (contrat.Contre == 2) texte += "XX";
  return texte;
}

std::string EcritPbn(const std::vector<TPartiePbn>& parties) {
  std::string sortie = "% PBN 2.1\n% EXPORT\n";
  for (std::size_t k = 0; k < parties.size(); ++k) {
    if (k > 0) sortie += '\n';
    EcritPartie(sortie, parties[k]);
  }
  return sortie;
}

}  // namespace kalvo
