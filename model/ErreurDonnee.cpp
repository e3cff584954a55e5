#include "model/ErreurDonnee.h"

#include <cerrno>
#include <cstring>

namespace kalvo {

ErreurBaseAbsente::ErreurBaseAbsente(std::string_view fichierDonnes)
    : ErreurFichier(MessageBaseAbsente(fichierDonnes)),
      messageAnglais_(MessageBaseAbsenteAnglais(fichierDonnes)) {}

std::string PrefixeDonne(int numeroDonne) {
  if (numeroDonne <= 0) return {};
  return "Donne " + std::to_string(numeroDonne) + " : ";
}

long long VerifieBornes(long long valeur, long long min, long long max, int numeroDonne,
                        std::string_view quoi) {
  if (valeur < min || valeur > max) {
    throw ErreurDonnee(PrefixeDonne(numeroDonne) + std::string(quoi) + " " + std::to_string(valeur) +
                       " hors des limites (" + std::to_string(min) + " à " + std::to_string(max) + ").");
  }
  return valeur;
}

std::string MessageBaseAbsente(std::string_view fichierDonnes) {
  return "Ne trouve pas le fichier de donnes (" + std::string(fichierDonnes) + ") !";
}

std::string MessageBaseAbsenteAnglais(std::string_view fichierDonnes) {
  return "Don't find Deals'database (" + std::string(fichierDonnes) + ") !";
}

std::string TexteErreurSysteme(int numeroErreur) {
  switch (numeroErreur) {
    case EACCES:
    case EPERM: return "permission refusée";
    case ENOENT: return "fichier ou dossier introuvable";
    case ENOTDIR: return "un élément du chemin n'est pas un dossier";
    case EISDIR: return "c'est un dossier";
    case ENOSPC: return "plus de place sur le disque";
    case EROFS: return "système de fichiers en lecture seule";
    case EDQUOT: return "quota de disque dépassé";
    case EIO: return "erreur d'entrée-sortie";
    default: return std::strerror(numeroErreur);
  }
}

}  // namespace kalvo
