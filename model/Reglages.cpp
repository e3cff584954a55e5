#include "model/Reglages.h"

#include "model/ErreurDonnee.h"
#include "model/FichierIni.h"

#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

namespace kalvo {

namespace {

struct TOption {
  const char* Cle;
  bool TReglages::*Booleen = nullptr;
  int TReglages::*Entier = nullptr;
  int Min = 0;
  int Max = 0;
  bool Borner = false;  // out of range: nearest bound rather than the default
};

// "Options" keys in the order they are written, before and after "Numéro".
const std::array<TOption, 13> OptionsAvant{{
    {"CompteLevees", &TReglages::CompteLevees},
    {"Notation", &TReglages::Notation},
    {"ErreursComments", &TReglages::ErreursComments},
    {"4Jeux", &TReglages::QuatreJeux},
    {"DispoSud", &TReglages::DispoSud},
    {"DispoNord", &TReglages::DispoNord},
    {"Questions", &TReglages::Questions},
    {"Encheres", &TReglages::Encheres},
    {"Themes", &TReglages::Themes},
    {"Force", &TReglages::Force},
    {"Vitesse", nullptr, &TReglages::Vitesse, 0, 10, true},
    {"Cartes", nullptr, &TReglages::Cartes, 0, 10, true},
    {"Aléatoire", &TReglages::Aleatoire},
}};
const std::array<TOption, 7> OptionsApres{{
    {"Ordre", nullptr, &TReglages::Ordre, 0, 1},
    {"TypeDonnes", nullptr, &TReglages::TypeDonnes, 0, 3},
    {"NumeroTheme", nullptr, &TReglages::NumeroTheme, 0, 27},
    {"ForceChoisie", nullptr, &TReglages::ForceChoisie, -1, 8},
    {"ScoreInferieurA", nullptr, &TReglages::ScoreInferieurA, -1, 100},
    {"SetCartes", nullptr, &TReglages::SetCartes, 1, 3, true},
    {"AnalyseImprevues", &TReglages::AnalyseImprevues},
}};

constexpr const char* SectionOptions = "Options";
constexpr const char* SectionDonne = "Donne";
constexpr const char* CleNumero = "Numéro";
constexpr const char* SectionScoresJeu = "ScoresJeu";
constexpr const char* SectionScoresQuestions = "ScoresQuestions";
constexpr std::uintmax_t TailleMaxFichier = 16 * 1024 * 1024;

// A decimal integer with an optional sign, blanks already trimmed.
std::optional<int> LitEntier(std::string_view texte) {
  bool negatif = false;
  if (!texte.empty() && (texte.front() == '+' || texte.front() == '-')) {
    negatif = texte.front() == '-';
    texte.remove_prefix(1);
  }
  if (texte.empty() || texte.size() > 10) return std::nullopt;
  long long valeur = 0;
  for (char c : texte) {
    if (c < '0' || c > '9') return std::nullopt;
    valeur = valeur * 10 + (c - '0');
  }
  if (negatif) valeur = -valeur;
  if (valeur < -2147483648LL || valeur > 2147483647LL) return std::nullopt;
  return static_cast<int>(valeur);
}

class TLecteur {
 public:
  TLecteur(const TFichierIni& fichier, std::string_view nom, std::vector<std::string>& avertissements)
      : fichier_(fichier), prefixe_("Réglages (" + std::string(nom) + ") : "), avertissements_(avertissements) {}

  // The key's integer, or the default when it is missing or unreadable.
  int Entier(std::string_view section, std::string_view cle, int defaut) {
    const std::optional<std::string> texte = fichier_.Valeur(section, cle);
    if (!texte) return defaut;
    const std::optional<int> valeur = LitEntier(*texte);
    if (!valeur) {
      Avertit(std::string(section) + "/" + std::string(cle) + " = « " + *texte +
              " » n'est pas un nombre : valeur par défaut " + std::to_string(defaut) + ".");
      return defaut;
    }
    return *valeur;
  }

  // Same, then kept within min..max: clamped or set back to the default.
  int Borne(std::string_view section, std::string_view cle, int defaut, int min, int max, bool borner) {
    const int valeur = Entier(section, cle, defaut);
    if (valeur >= min && valeur <= max) return valeur;
    const int retenue = borner ? (valeur < min ? min : max) : defaut;
    Avertit(std::string(section) + "/" + std::string(cle) + " = " + std::to_string(valeur) + " hors des limites (" +
            std::to_string(min) + " à " + std::to_string(max) + ") : " + (borner ? "ramenée à " : "valeur par défaut ") +
            std::to_string(retenue) + ".");
    return retenue;
  }

  void Avertit(const std::string& texte) { avertissements_.push_back(prefixe_ + texte); }

 private:
  const TFichierIni& fichier_;
  std::string prefixe_;
  std::vector<std::string>& avertissements_;
};

void LitOption(TLecteur& lecteur, const TOption& option, TReglages& reglages) {
  if (option.Booleen != nullptr) {
    const bool defaut = reglages.*option.Booleen;
    reglages.*option.Booleen = lecteur.Entier(SectionOptions, option.Cle, defaut ? 1 : 0) != 0;
  } else {
    const int defaut = reglages.*option.Entier;
    reglages.*option.Entier =
        lecteur.Borne(SectionOptions, option.Cle, defaut, option.Min, option.Max, option.Borner);
  }
}

TScores LitScores(TLecteur& lecteur, std::string_view section, int nbDonnes) {
  TScores scores(nbDonnes);
  for (int n = 1; n <= nbDonnes; ++n)
    scores[n] = lecteur.Borne(section, CleDonne(n), TScores::SansNote, TScores::SansNote, 100, false);
  return scores;
}

void EcritOption(TFichierIni& fichier, const TOption& option, const TReglages& reglages) {
  const int valeur = option.Booleen != nullptr ? (reglages.*option.Booleen ? 1 : 0) : reglages.*option.Entier;
  fichier.Ecrit(SectionOptions, option.Cle, std::to_string(valeur));
}

// The file's bytes; false with a French reason when it exists but cannot be read.
bool LitOctets(const std::filesystem::path& fichier, std::string& octets, std::string& raison) {
  std::error_code erreur;
  if (!std::filesystem::exists(fichier, erreur)) return true;
  const std::uintmax_t taille = std::filesystem::file_size(fichier, erreur);
  if (erreur) {
    raison = TexteErreurSysteme(erreur.value());
    return false;
  }
  if (taille > TailleMaxFichier) {
    raison = "fichier trop grand (" + std::to_string(taille) + " octets)";
    return false;
  }
  std::ifstream flux(fichier, std::ios::binary);
  std::ostringstream texte;
  if (flux) texte << flux.rdbuf();
  if (!flux) {
    raison = "lecture impossible";
    return false;
  }
  octets = texte.str();
  return true;
}

}  // namespace

std::string NomFichierReglages(std::string_view executable) {
  std::filesystem::path nom{std::string(executable)};
  return nom.filename().replace_extension(".INI").string();
}

std::string CleDonne(int n) {
  char cle[16];
  std::snprintf(cle, sizeof cle, "D%03d", n);
  return cle;
}

TLectureReglages LitReglagesTexte(std::string_view octets, int nbDonnes, std::string_view nomFichier) {
  TLectureReglages lecture;
  const TFichierIni fichier = TFichierIni::Analyse(octets);
  TLecteur lecteur(fichier, nomFichier, lecture.Avertissements);
  if (!octets.empty() && !fichier.ASection(SectionOptions) && !fichier.ASection(SectionDonne) &&
      !fichier.ASection(SectionScoresJeu) && !fichier.ASection(SectionScoresQuestions)) {
    lecteur.Avertit("aucune section reconnue dans le fichier : réglages par défaut.");
  }
  TEtatReglages& etat = lecture.Etat;
  for (const TOption& option : OptionsAvant) LitOption(lecteur, option, etat.Reglages);
  for (const TOption& option : OptionsApres) LitOption(lecteur, option, etat.Reglages);

  etat.DonneActuelle = lecteur.Entier(SectionDonne, CleNumero, 1);
  if (etat.DonneActuelle == 0) etat.DonneActuelle = 1;
  const int maximum = nbDonnes > 0 ? nbDonnes : 1;
  if (etat.DonneActuelle < 1 || etat.DonneActuelle > maximum) {
    lecteur.Avertit("Donne/Numéro = " + std::to_string(etat.DonneActuelle) + " n'est pas une donne de la base (1 à " +
                    std::to_string(maximum) + ") : donne 1.");
    etat.DonneActuelle = 1;
  }
  etat.ScoresJeu = LitScores(lecteur, SectionScoresJeu, nbDonnes);
  etat.ScoresQuestions = LitScores(lecteur, SectionScoresQuestions, nbDonnes);
  return lecture;
}

TLectureReglages LitReglages(const std::filesystem::path& fichier, int nbDonnes) {
  std::string octets;
  std::string raison;
  const std::string nom = fichier.filename().string();
  if (!LitOctets(fichier, octets, raison)) {
    TLectureReglages lecture = LitReglagesTexte({}, nbDonnes, nom);
    lecture.Avertissements.insert(lecture.Avertissements.begin(),
                                  "Réglages (" + nom + ") : le fichier « " + fichier.string() +
                                      " » ne peut pas être lu (" + raison + ") : réglages par défaut.");
    return lecture;
  }
  return LitReglagesTexte(octets, nbDonnes, nom);
}

std::string TexteReglages(const TEtatReglages& etat, std::string_view ancien) {
  TFichierIni fichier = TFichierIni::Analyse(ancien);
  for (const TOption& option : OptionsAvant) EcritOption(fichier, option, etat.Reglages);
  fichier.Ecrit(SectionDonne, CleNumero, std::to_string(etat.DonneActuelle));
  for (const TOption& option : OptionsApres) EcritOption(fichier, option, etat.Reglages);
  for (int n = 1; n <= etat.ScoresJeu.NbDonnes(); ++n)
    fichier.Ecrit(SectionScoresJeu, CleDonne(n), std::to_string(etat.ScoresJeu[n]));
  for (int n = 1; n <= etat.ScoresQuestions.NbDonnes(); ++n)
    fichier.Ecrit(SectionScoresQuestions, CleDonne(n), std::to_string(etat.ScoresQuestions[n]));
  return fichier.Octets();
}

std::optional<std::string> EcritReglages(const std::filesystem::path& fichier, const TEtatReglages& etat) {
  std::string ancien;
  std::string raison;
  LitOctets(fichier, ancien, raison);  // an unreadable old file is simply replaced
  const std::string octets = TexteReglages(etat, ancien);

  auto echec = [&fichier](int numero) -> std::optional<std::string> {
    return "Les réglages et les notes n'ont pas pu être enregistrés dans « " + fichier.string() + " » : " +
           TexteErreurSysteme(numero) + ".";
  };
  std::string modele = fichier.string() + ".XXXXXX";
  const int descripteur = ::mkstemp(modele.data());
  if (descripteur < 0) return echec(errno);
  ::fchmod(descripteur, 0644);
  std::size_t ecrits = 0;
  while (ecrits < octets.size()) {
    const ssize_t n = ::write(descripteur, octets.data() + ecrits, octets.size() - ecrits);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    ecrits += static_cast<std::size_t>(n);
  }
  int numero = ecrits == octets.size() ? 0 : (errno != 0 ? errno : EIO);
  if (numero == 0 && ::fsync(descripteur) != 0) numero = errno;
  if (::close(descripteur) != 0 && numero == 0) numero = errno;
  if (numero == 0 && std::rename(modele.c_str(), fichier.c_str()) != 0) numero = errno;
  if (numero != 0) {
    ::unlink(modele.c_str());
    return echec(numero);
  }
  return std::nullopt;
}

}  // namespace kalvo
