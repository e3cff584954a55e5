// An independent check of a PBN file in export format, written from the
// standard's grammar with regular expressions and nothing of the program's
// reader: the two header lines, the tag pair lines and the standard tags in
// their order, the values of the standard tags, the [Deal] layout (first
// hand the dealer's, 4 x 13 different cards, each suit in descending
// order), the auction and play sections and the commentary, line lengths
// and the single empty line between games.
#pragma once

#include <array>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace kalvo::test {

inline std::vector<std::string> FautesExportPbn(const std::string& texte) {
  std::vector<std::string> fautes;
  const auto faute = [&](int ligne, const std::string& quoi) {
    fautes.push_back("ligne " + std::to_string(ligne) + " : " + quoi);
  };
  std::vector<std::string> lignes;
  {
    std::istringstream flux(texte);
    std::string ligne;
    while (std::getline(flux, ligne)) lignes.push_back(ligne);
  }
  if (texte.empty() || texte.back() != '\n') faute(0, "le fichier ne finit pas par une fin de ligne");
  if (lignes.size() < 3 || lignes[0] != "% PBN 2.1" || lignes[1] != "% EXPORT") faute(1, "en-tête % PBN 2.1 / % EXPORT absent");

  static const std::regex tag(R"re(^\[([A-Z][A-Za-z0-9_]*) "((?:[^"\\]|\\["\\])*)"\]$)re");
  static const std::regex appel(R"re(^(Pass|X|XX|[1-7](C|D|H|S|NT))$)re");
  static const std::regex note(R"re(^=[1-9][0-9]*=$)re");
  static const std::regex carte(R"re(^([SHDC][AKQJT98765432]|-)$)re");
  static const std::regex main(R"re(^([AKQJT98765432]*)\.([AKQJT98765432]*)\.([AKQJT98765432]*)\.([AKQJT98765432]*)$)re");
  static const std::regex contrat(R"re(^(Pass|[1-7](C|D|H|S|NT)(X|XX)?)$)re");
  static const std::array<std::string, 15> ordre{"Event", "Site",     "Date",     "Board",   "West",
                                                 "North", "East",     "South",    "Dealer",  "Vulnerable",
                                                 "Deal",  "Scoring",  "Declarer", "Contract", "Result"};
  const std::string sieges = "NESW";  // clockwise
  const std::string rangs = "AKQJT98765432";

  struct TJeu {
    std::vector<std::string> noms;
    std::map<std::string, std::string> valeurs;
    std::set<int> notesCitees, notesDonnees;
    std::string section;
    int debut = 0;
  } jeu;
  const auto termine = [&](int ligne) {
    if (jeu.noms.empty()) return;
    for (std::size_t k = 0; k < ordre.size(); ++k)
      if (k >= jeu.noms.size() || jeu.noms[k] != ordre[k]) {
        faute(jeu.debut, "étiquette " + ordre[k] + " absente ou pas à sa place");
        break;
      }
    for (int n : jeu.notesCitees)
      if (!jeu.notesDonnees.contains(n)) faute(ligne, "note " + std::to_string(n) + " citée sans [Note]");
    const std::string donneur = jeu.valeurs["Dealer"];
    if (donneur.size() != 1 || sieges.find(donneur) == std::string::npos) faute(jeu.debut, "Dealer invalide");
    const std::string v = jeu.valeurs["Vulnerable"];
    if (v != "None" && v != "NS" && v != "EW" && v != "All") faute(jeu.debut, "Vulnerable invalide");
    const std::string c = jeu.valeurs["Contract"];
    if (!std::regex_match(c, contrat)) faute(jeu.debut, "Contract invalide");
    const std::string d = jeu.valeurs["Declarer"];
    if (c != "Pass" && (d.size() != 1 || sieges.find(d) == std::string::npos)) faute(jeu.debut, "Declarer invalide");
    const std::string r = jeu.valeurs["Result"];
    if (!r.empty() && (!std::regex_match(r, std::regex("^[0-9]{1,2}$")) || std::stoi(r) > 13)) faute(jeu.debut, "Result invalide");
    if (jeu.valeurs.contains("Auction") && jeu.valeurs["Auction"] != donneur) faute(jeu.debut, "Auction ne nomme pas le donneur");
    if (jeu.valeurs.contains("Play") && d.size() == 1) {
      const char entameur = sieges[(sieges.find(d[0]) + 1) % 4];
      if (jeu.valeurs["Play"] != std::string(1, entameur)) faute(jeu.debut, "Play ne nomme pas l'entameur");
    }
    // The deal: "D:hand hand hand hand", first the dealer's.
    const std::string deal = jeu.valeurs["Deal"];
    if (deal.size() < 2 || deal.substr(0, 1) != donneur || deal[1] != ':') {
      faute(jeu.debut, "Deal ne commence pas par le donneur");
    } else {
      std::istringstream mains(deal.substr(2));
      std::string m;
      std::set<std::string> cartes;
      int nbMains = 0;
      while (mains >> m) {
        ++nbMains;
        std::smatch parts;
        if (!std::regex_match(m, parts, main)) {
          faute(jeu.debut, "main mal écrite : " + m);
          continue;
        }
        std::size_t total = 0;
        for (int s = 1; s <= 4; ++s) {
          const std::string couleur = parts[s];
          total += couleur.size();
          for (std::size_t i = 0; i < couleur.size(); ++i) {
            if (i > 0 && rangs.find(couleur[i - 1]) >= rangs.find(couleur[i])) faute(jeu.debut, "couleur pas en ordre : " + m);
            cartes.insert(std::string(1, "SHDC"[s - 1]) + couleur[i]);
          }
        }
        if (total != 13) faute(jeu.debut, "main de " + std::to_string(total) + " cartes : " + m);
      }
      if (nbMains != 4 || cartes.size() != 52) faute(jeu.debut, "Deal sans 52 cartes différentes en 4 mains");
    }
    jeu = TJeu{};
  };

  bool commentaire = false;
  int vides = 0;
  for (std::size_t i = 2; i < lignes.size(); ++i) {
    const std::string& l = lignes[i];
    const int numero = static_cast<int>(i) + 1;
    if (l.size() > 255) faute(numero, "ligne de plus de 255 caractères");
    if (l.find('\t') != std::string::npos || l.find('\r') != std::string::npos) faute(numero, "tabulation ou retour chariot");
    if (commentaire) {
      if (l.find('{') != std::string::npos) faute(numero, "accolade ouvrante dans un commentaire");
      if (l.find('}') != std::string::npos) commentaire = l.back() != '}' ? (faute(numero, "texte après un commentaire"), false) : false;
      continue;
    }
    if (l.empty()) {
      if (++vides > 1) faute(numero, "deux lignes vides de suite");
      termine(numero);
      continue;
    }
    vides = 0;
    if (jeu.noms.empty()) jeu.debut = numero;
    std::smatch m;
    if (l.front() == '{') {
      const auto fin = l.find('}');
      if (fin == std::string::npos) {
        commentaire = true;
      } else if (fin != l.size() - 1 || l.find('{', 1) != std::string::npos) {
        faute(numero, "commentaire mal fermé");
      }
      continue;
    }
    if (std::regex_match(l, m, tag)) {
      const std::string nom = m[1];
      if (nom != "Note" && jeu.valeurs.contains(nom)) faute(numero, "étiquette " + nom + " en double");
      jeu.noms.push_back(nom);
      jeu.valeurs[nom] = m[2];
      if (nom == "Note") {
        if (!std::regex_match(std::string(m[2]), std::regex("^[1-9][0-9]*:.*"))) faute(numero, "Note sans numéro");
        else jeu.notesDonnees.insert(std::stoi(std::string(m[2])));
      }
      jeu.section = nom;
      continue;
    }
    std::istringstream mots(l);
    std::vector<std::string> jetons;
    for (std::string j; mots >> j;) jetons.push_back(j);
    if (jeu.section == "Auction") {
      int appels = 0;
      for (const std::string& j : jetons) {
        if (std::regex_match(j, note)) {
          jeu.notesCitees.insert(std::stoi(j.substr(1)));
        } else if (std::regex_match(j, appel)) {
          ++appels;
        } else {
          faute(numero, "appel invalide : " + j);
        }
      }
      if (appels == 0 || appels > 4) faute(numero, "ligne d'enchère de " + std::to_string(appels) + " appels");
    } else if (jeu.section == "Play") {
      if (jetons.size() == 1 && jetons[0] == "*") continue;
      if (jetons.size() != 4) faute(numero, "levée de " + std::to_string(jetons.size()) + " cartes");
      for (const std::string& j : jetons)
        if (!std::regex_match(j, carte)) faute(numero, "carte invalide : " + j);
    } else {
      faute(numero, "ligne hors de toute section : " + l);
    }
  }
  if (commentaire) faute(static_cast<int>(lignes.size()), "commentaire jamais fermé");
  if (vides > 0) faute(static_cast<int>(lignes.size()), "ligne vide en fin de fichier");
  termine(static_cast<int>(lignes.size()));
  return fautes;
}

}  // namespace kalvo::test
