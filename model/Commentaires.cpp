#include "model/Commentaires.h"

#include "model/Brouillage.h"
#include "model/Donne.h"
#include "model/ErreurDonnee.h"
#include "model/TexteVisible.h"
#include "model/Windows1252.h"

#include <cstdio>

namespace kalvo {

namespace {

bool EstBlanc(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string_view SansBlancs(std::string_view texte) {
  while (!texte.empty() && EstBlanc(texte.front())) texte.remove_prefix(1);
  while (!texte.empty() && EstBlanc(texte.back())) texte.remove_suffix(1);
  return texte;
}

// The comment number: the piece's first two characters as a decimal integer,
// leading blanks and a sign allowed. Returns false when it is no number.
bool LitNumero(std::string_view piece, int& numero) {
  std::string_view tete = piece.substr(0, 2);
  while (!tete.empty() && tete.front() == ' ') tete.remove_prefix(1);
  bool negatif = false;
  if (!tete.empty() && (tete.front() == '+' || tete.front() == '-')) {
    negatif = tete.front() == '-';
    tete.remove_prefix(1);
  }
  if (tete.empty()) return false;
  int valeur = 0;
  for (char c : tete) {
    if (c < '0' || c > '9') return false;
    valeur = valeur * 10 + (c - '0');
  }
  numero = negatif ? -valeur : valeur;
  return true;
}

}  // namespace

TCommentairesLus DecoupeCommentaires(std::string_view clair, int numeroDonne) {
  TCommentairesLus lus;
  std::string_view reste = SansBlancs(clair);
  if (!reste.empty()) reste.remove_prefix(1);  // the leading '$'
  while (true) {
    const std::size_t dollar = reste.find('$');
    const std::string_view piece = reste.substr(0, dollar);
    if (!piece.empty()) {
      int numero = 0;
      if (!LitNumero(piece, numero)) {
        throw ErreurDonnee(PrefixeDonne(numeroDonne) + "le numéro de commentaire « " +
                           TexteVisible(Windows1252VersUtf8(piece.substr(0, 2))) + " » n'est pas un nombre.");
      }
      if (TComments::EstIndice(numero)) {
        lus.Comment[numero] = Windows1252VersUtf8(piece.size() > 3 ? piece.substr(3) : std::string_view{});
      } else {
        lus.Avertissements.push_back(PrefixeDonne(numeroDonne) + "commentaire numéro " + std::to_string(numero) +
                                     " ignoré : les numéros vont de 1 à 18.");
      }
    }
    if (dollar == std::string_view::npos) break;
    reste.remove_prefix(dollar + 1);
  }
  return lus;
}

const std::string& CommentaireNumero(const TComments& comments, int numero, int numeroDonne) {
  return comments[static_cast<int>(VerifieBornes(numero, 1, NbCommentaires, numeroDonne, "commentaire"))];
}

std::string AvertissementLongueur(int numeroDonne, std::string_view quoi, long long lg, int lgMax) {
  if (lg >= 0 && lg <= lgMax) return {};
  return PrefixeDonne(numeroDonne) + "longueur " + std::string(quoi) + " (" + std::to_string(lg) +
         ") hors de son champ (0 à " + std::to_string(lgMax) + " octets) : ramenée à " +
         std::to_string(LongueurBornee(static_cast<std::int32_t>(lg), lgMax)) + ".";
}

TCommentairesLus LitCommentaires(const TDonne& donne) {
  TCommentairesLus lus = DecoupeCommentaires(DebrouilleTexte(donne.Commentaires()), donne.Numero());
  const std::string avertissement =
      AvertissementLongueur(donne.Numero(), "des commentaires", donne.LgCommentaires(), LgMaxCommentaires);
  if (!avertissement.empty()) lus.Avertissements.insert(lus.Avertissements.begin(), avertissement);
  return lus;
}

std::string ComposeCommentaires(const std::vector<std::pair<int, std::string>>& lignes) {
  std::string clair;
  for (const auto& [numero, texte] : lignes) {
    VerifieBornes(numero, 1, NbCommentaires, 0, "numéro de commentaire");
    if (texte.find('$') != std::string::npos)
      throw ErreurDonnee("le commentaire " + std::to_string(numero) + " contient un « $ ».");
    char tete[8];
    std::snprintf(tete, sizeof tete, "$%02d ", numero);
    clair += tete;
    clair += Utf8VersWindows1252(texte);
  }
  return clair;
}

}  // namespace kalvo
