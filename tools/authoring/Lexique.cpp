#include "tools/authoring/Lexique.h"

#include "model/Windows1252.h"

#include <charconv>

namespace kalvo::redaction {

namespace {

bool EstBlanc(char c) { return c == ' ' || c == '\t'; }

std::string_view SansBlancs(std::string_view texte) {
  while (!texte.empty() && EstBlanc(texte.front())) texte.remove_prefix(1);
  while (!texte.empty() && EstBlanc(texte.back())) texte.remove_suffix(1);
  return texte;
}

std::vector<std::string> Mots(std::string_view ligne) {
  std::vector<std::string> mots;
  std::size_t i = 0;
  while (i < ligne.size()) {
    while (i < ligne.size() && EstBlanc(ligne[i])) ++i;
    const std::size_t debut = i;
    while (i < ligne.size() && !EstBlanc(ligne[i])) ++i;
    if (i == debut) break;
    std::string mot(ligne.substr(debut, i - debut));
    if (mot.front() == '#') break;
    if (mot.size() > 1 && mot.back() == ':') mot.pop_back();
    if (mot != ":") mots.push_back(std::move(mot));
  }
  return mots;
}

constexpr std::string_view Pique = "\u2660", Coeur = "\u2665", Carreau = "\u2666", Trefle = "\u2663";
constexpr std::array<std::string_view, 4> SymbolesCartes{Trefle, Carreau, Coeur, Pique};

// The suit at the start of a card word: its byte (0..3, or 7 for '*') and
// the length of its spelling.
std::optional<std::pair<std::uint8_t, std::size_t>> CouleurEnTete(std::string_view mot) {
  if (mot.empty()) return std::nullopt;
  for (std::size_t s = 0; s < 4; ++s)
    if (mot.starts_with(SymbolesCartes[s])) return std::pair{static_cast<std::uint8_t>(s), SymbolesCartes[s].size()};
  switch (mot.front()) {
    case 'C': case 'c': return std::pair{std::uint8_t{clTrefle}, std::size_t{1}};
    case 'D': case 'd': return std::pair{std::uint8_t{clCarreau}, std::size_t{1}};
    case 'H': case 'h': return std::pair{std::uint8_t{clCoeur}, std::size_t{1}};
    case 'S': case 's': return std::pair{std::uint8_t{clPique}, std::size_t{1}};
    case '*': return std::pair{CouleurQuelconque, std::size_t{1}};
    default: return std::nullopt;
  }
}

// A rank of the script: a real one or one of the code signs.
std::optional<std::uint8_t> RangScript(std::string_view texte) {
  if (texte == "*") return RangQuelconque;
  if (texte == "+") return RangPlusHaute;
  if (texte == ">") return RangBatCampDeclarant;
  if (texte == "^") return RangBasDeSequence;
  return LitRang(texte);
}

// A strain in French letters or symbols: T K C P SA, ♣ ♦ ♥ ♠.
std::optional<std::uint8_t> Denomination(std::string_view texte) {
  const std::string r = Replie(texte);
  if (r == "t" || texte == Trefle) return clTrefle;
  if (r == "k" || texte == Carreau) return clCarreau;
  if (r == "c" || texte == Coeur) return clCoeur;
  if (r == "p" || texte == Pique) return clPique;
  if (r == "sa") return clSA;
  return std::nullopt;
}

}  // namespace

std::vector<TLigneDonne> DecoupeLignesDonne(std::string_view texte) {
  if (texte.starts_with("\xEF\xBB\xBF")) texte.remove_prefix(3);
  std::vector<TLigneDonne> lignes;
  int numero = 0;
  while (!texte.empty()) {
    const std::size_t fin = texte.find('\n');
    std::string_view ligne = texte.substr(0, fin);
    texte = fin == std::string_view::npos ? std::string_view{} : texte.substr(fin + 1);
    if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    lignes.push_back({++numero, std::string(ligne), Mots(ligne)});
  }
  return lignes;
}

std::optional<std::string> TexteApresDeuxPoints(std::string_view brut) {
  const std::size_t deuxPoints = brut.find(':');
  if (deuxPoints == std::string_view::npos) return std::nullopt;
  return std::string(SansBlancs(brut.substr(deuxPoints + 1)));
}

std::string Replie(std::string_view mot) {
  std::string resultat;
  for (std::size_t i = 0; i < mot.size();) {
    const char32_t c = LitCaractereUtf8(mot, i);
    if (c >= 'A' && c <= 'Z') {
      resultat += static_cast<char>(c - 'A' + 'a');
      continue;
    }
    switch (c) {
      case U'à': case U'â': case U'ä': case U'À': case U'Â': case U'Ä': resultat += 'a'; break;
      case U'é': case U'è': case U'ê': case U'ë': case U'É': case U'È': case U'Ê': case U'Ë': resultat += 'e'; break;
      case U'î': case U'ï': case U'Î': case U'Ï': resultat += 'i'; break;
      case U'ô': case U'ö': case U'Ô': case U'Ö': resultat += 'o'; break;
      case U'ù': case U'û': case U'ü': case U'Ù': case U'Û': case U'Ü': resultat += 'u'; break;
      case U'ç': case U'Ç': resultat += 'c'; break;
      case U'œ': case U'Œ': resultat += "oe"; break;
      case U'æ': case U'Æ': resultat += "ae"; break;
      default: AjouteUtf8(resultat, c);
    }
  }
  return resultat;
}

std::optional<long long> LitNombre(std::string_view mot) {
  long long valeur = 0;
  const char* debut = mot.data();
  if (!mot.empty() && mot.front() == '+') ++debut;
  const auto [fin, erreur] = std::from_chars(debut, mot.data() + mot.size(), valeur);
  if (mot.empty() || erreur != std::errc{} || fin != mot.data() + mot.size()) return std::nullopt;
  return valeur;
}

std::optional<TJoueur> LitJoueur(std::string_view mot) {
  const std::string r = Replie(mot);
  if (r == "sud" || r == "s") return jrSud;
  if (r == "ouest" || r == "o" || r == "w") return jrOuest;
  if (r == "nord" || r == "n") return jrNord;
  if (r == "est" || r == "e") return jrEst;
  return std::nullopt;
}

std::optional<T4Couleur> LitCouleur(std::string_view mot) {
  for (std::size_t s = 0; s < 4; ++s)
    if (mot == SymbolesCartes[s]) return static_cast<T4Couleur>(s);
  const std::string r = Replie(mot);
  if (r == "c" || r == "trefle" || r == "trefles") return clTrefle;
  if (r == "d" || r == "carreau" || r == "carreaux") return clCarreau;
  if (r == "h" || r == "coeur" || r == "coeurs") return clCoeur;
  if (r == "s" || r == "pique" || r == "piques") return clPique;
  return std::nullopt;
}

std::optional<std::uint8_t> LitRang(std::string_view mot) {
  if (mot == "10") return 10;
  if (mot.size() != 1) return std::nullopt;
  return LitLettreRang(mot[0]);
}

std::optional<TCard> LitCarteReelle(std::string_view mot) {
  const auto script = LitCarteScript(mot);
  if (!script || !script->Carte.EstReelle() || !script->Table.empty()) return std::nullopt;
  return script->Carte;
}

std::optional<TCarteScript> LitCarteScript(std::string_view mot) {
  const std::string r = Replie(mot);
  if (r.starts_with("groupe:") && r.size() > 7) return TCarteScript{{RangGroupe, 0}, std::string(mot.substr(7))};
  if (r.starts_with("compteur:") && r.size() > 9) return TCarteScript{{RangCompteur, 0}, std::string(mot.substr(9))};
  if (r == "surprend") return TCarteScript{{RangBatPartenaire, CouleurQuelconque}, {}};
  if (r.starts_with("surprend:")) {
    const auto couleur = LitCouleur(mot.substr(9));
    if (!couleur) return std::nullopt;
    return TCarteScript{{RangBatPartenaire, static_cast<std::uint8_t>(*couleur)}, {}};
  }
  const auto tete = CouleurEnTete(mot);
  if (!tete) return std::nullopt;
  const auto rang = RangScript(mot.substr(tete->second));
  if (!rang) return std::nullopt;
  return TCarteScript{{*rang, tete->first}, {}};
}

TMotCode SepareCode(std::string_view mot) {
  TMotCode resultat;
  const std::size_t egal = mot.rfind('=');
  resultat.Mot = std::string(mot.substr(0, egal));
  if (egal != std::string_view::npos) {
    resultat.Code = LitNombre(mot.substr(egal + 1));
    resultat.Invalide = !resultat.Code;
  }
  return resultat;
}

std::optional<TEnchere> LitAppel(std::string_view mot) {
  TEnchere e;
  if (const std::size_t point = mot.find('!'); point != std::string_view::npos) {
    const auto alerte = LitNombre(mot.substr(point + 1));
    if (!alerte || *alerte < 1 || *alerte > NbAlertes) return std::nullopt;
    e.Alerte = static_cast<std::uint16_t>(*alerte);
    mot = mot.substr(0, point);
  }
  const std::string r = Replie(mot);
  if (r == "passe") {
    e.Couleur = 1;
  } else if (r == "contre" || r == "x") {
    e.Couleur = 2;
  } else if (r == "surcontre" || r == "xx") {
    e.Couleur = 3;
  } else {
    const auto contrat = LitContrat(mot);
    if (!contrat) return std::nullopt;
    e.Niveau = contrat->Niveau;
    e.Couleur = contrat->Couleur;
  }
  return e;
}

std::optional<TEnchere> LitContrat(std::string_view mot) {
  if (mot.size() < 2 || mot[0] < '1' || mot[0] > '7') return std::nullopt;
  const auto denomination = Denomination(mot.substr(1));
  if (!denomination) return std::nullopt;
  return TEnchere{static_cast<std::uint8_t>(mot[0] - '0'), *denomination, 0};
}

std::string_view MotJoueur(TJoueur joueur) { return NomsJoueurs[joueur]; }

char LettreCouleur(T4Couleur couleur) { return "CDHS"[couleur]; }

std::string EcritRang(int h) { return std::string(1, LettreRangAnglaise(h)); }

std::string EcritCarteReelle(TCard carte) { return LettreCouleur(carte.Couleur()) + EcritRang(carte.h); }

std::optional<std::string> EcritCarteScript(TCard carte) {
  const bool couleurValide = carte.c <= clPique || carte.c == CouleurQuelconque;
  const std::string couleur = carte.c == CouleurQuelconque ? "*" : std::string(1, carte.c <= clPique ? LettreCouleur(carte.Couleur()) : '?');
  switch (carte.h) {
    case RangGroupe:
      if (carte.c >= 1 && carte.c <= NbGroupes) return "groupe:" + std::to_string(carte.c);
      return std::nullopt;
    case RangCompteur:
      if (carte.c >= 1 && carte.c <= NbTablesCompteurs) return "compteur:" + std::to_string(carte.c);
      return std::nullopt;
    case RangBatPartenaire:
      if (carte.c == CouleurQuelconque) return "surprend";
      if (carte.c <= clPique) return "surprend:" + std::string(1, LettreCouleur(carte.Couleur()));
      return std::nullopt;
    default: break;
  }
  if (!couleurValide) return std::nullopt;
  switch (carte.h) {
    case RangQuelconque: return couleur + "*";
    case RangPlusHaute: return couleur + "+";
    case RangBatCampDeclarant: return couleur + ">";
    case RangBasDeSequence: return couleur + "^";
    default: break;
  }
  if (carte.h >= 2 && carte.h <= 14) return couleur + EcritRang(carte.h);
  return std::nullopt;
}

std::optional<std::string> EcritAppel(const TEnchere& enchere) {
  std::string texte;
  if (enchere.Niveau == 0) {
    if (enchere.Couleur == 1) texte = "passe";
    else if (enchere.Couleur == 2) texte = "contre";
    else if (enchere.Couleur == 3) texte = "surcontre";
    else return std::nullopt;
  } else if (enchere.Niveau <= 7 && enchere.Couleur <= clSA) {
    texte = EcritContrat(enchere.Niveau, static_cast<TCouleur>(enchere.Couleur));
  } else {
    return std::nullopt;
  }
  if (enchere.Alerte > NbAlertes) return std::nullopt;
  if (enchere.Alerte != 0) {
    texte += '!';
    texte += std::to_string(enchere.Alerte);
  }
  return texte;
}

std::string EcritContrat(int niveau, TCouleur atout) {
  static constexpr std::array<std::string_view, 5> lettres{"T", "K", "C", "P", "SA"};
  return std::to_string(niveau) + std::string(lettres[atout]);
}

}  // namespace kalvo::redaction
