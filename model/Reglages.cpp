#include "model/Reglages.h"

#include "model/BaseDonnes.h"
#include "model/ErreurDonnee.h"
#include "model/ReglagesSecours.h"
#include "model/FichierIni.h"
#include "model/TexteVisible.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
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
const std::array<TOption, 9> OptionsApres{{
    {"Ordre", nullptr, &TReglages::Ordre, 0, 1},
    {"TypeDonnes", nullptr, &TReglages::TypeDonnes, 0, 3},
    {"NumeroTheme", nullptr, &TReglages::NumeroTheme, 0, 27},
    {"ForceChoisie", nullptr, &TReglages::ForceChoisie, -1, 8},
    {"ScoreInferieurA", nullptr, &TReglages::ScoreInferieurA, -1, 100},
    {"SetCartes", nullptr, &TReglages::SetCartes, 1, 3, true},
    {"AnalyseImprevues", &TReglages::AnalyseImprevues},
    {"GrandesCartes", &TReglages::GrandesCartes},
    {"ContrasteEleve", &TReglages::ContrasteEleve},
}};

constexpr const char* SectionOptions = "Options";
constexpr const char* CleNumero = "Numéro";
constexpr const char* CleCollection = "Collection";
constexpr const char* CleBase = "Base";
constexpr std::uintmax_t TailleMaxFichier = 16 * 1024 * 1024;

// A decimal integer with an optional sign, blanks already trimmed; a number
// too large for the settings is kept at a bound far outside every range, so
// that it reads as out of range rather than as no number.
std::optional<long long> LitEntier(std::string_view texte) {
  constexpr long long Plafond = 1'000'000'000'000LL;
  bool negatif = false;
  if (!texte.empty() && (texte.front() == '+' || texte.front() == '-')) {
    negatif = texte.front() == '-';
    texte.remove_prefix(1);
  }
  if (texte.empty()) return std::nullopt;
  long long valeur = 0;
  for (char c : texte) {
    if (c < '0' || c > '9') return std::nullopt;
    valeur = std::min(Plafond, valeur * 10 + (c - '0'));
  }
  return negatif ? -valeur : valeur;
}

class TLecteur {
 public:
  TLecteur(const TFichierIni& fichier, std::string_view nom, std::vector<std::string>& avertissements)
      : fichier_(fichier), prefixe_("Réglages (" + std::string(nom) + ") : "), avertissements_(avertissements) {}

  // The key's integer and its text, or nothing when it is missing or is no
  // number (with a warning: the default is kept).
  std::optional<std::pair<long long, std::string>> Entier(std::string_view section, std::string_view cle,
                                                          int defaut) {
    const std::optional<std::string> texte = fichier_.Valeur(section, cle);
    if (!texte) return std::nullopt;
    const std::optional<long long> valeur = LitEntier(*texte);
    if (!valeur) {
      Avertit(std::string(section) + "/" + std::string(cle) + " = « " + TexteVisible(*texte) +
              " » n'est pas un nombre : valeur par défaut " + std::to_string(defaut) + ".");
      return std::nullopt;
    }
    return std::pair{*valeur, *texte};
  }

  bool Booleen(std::string_view section, std::string_view cle, bool defaut) {
    const auto lu = Entier(section, cle, defaut ? 1 : 0);
    return lu ? lu->first != 0 : defaut;
  }

  // The integer kept within min..max: clamped or set back to the default.
  int Borne(std::string_view section, std::string_view cle, int defaut, int min, int max, bool borner) {
    const auto lu = Entier(section, cle, defaut);
    if (!lu) return defaut;
    const long long valeur = lu->first;
    if (valeur >= min && valeur <= max) return static_cast<int>(valeur);
    const int retenue = borner ? (valeur < min ? min : max) : defaut;
    Avertit(std::string(section) + "/" + std::string(cle) + " = " + lu->second + " hors des limites (" +
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
    reglages.*option.Booleen = lecteur.Booleen(SectionOptions, option.Cle, reglages.*option.Booleen);
  } else {
    const int defaut = reglages.*option.Entier;
    reglages.*option.Entier =
        lecteur.Borne(SectionOptions, option.Cle, defaut, option.Min, option.Max, option.Borner);
  }
}

TScores LitScores(TLecteur& lecteur, const TSectionsBase& sections, std::string_view section, int nbDonnes) {
  TScores scores(nbDonnes);
  for (int n = 1; n <= nbDonnes; ++n)
    scores[n] = lecteur.Borne(section, CleNote(sections, n), TScores::SansNote, TScores::SansNote, 100, false);
  return scores;
}

// The current deal of a base kept by collection number: its place now.
int LitDonneParCollection(TLecteur& lecteur, const TSectionsBase& sections, int nbDonnes) {
  if (nbDonnes <= 0) return 1;
  const int premiere = sections.Numeros[1];
  const auto numero = lecteur.Entier(sections.Donne, CleCollection, premiere);
  if (!numero) return 1;
  for (int n = 1; n <= nbDonnes; ++n)
    if (sections.Numeros[n] == numero->first) return n;
  lecteur.Avertit(sections.Donne + "/" + CleCollection + " = " + numero->second +
                  " : aucune donne de la base n'a ce numéro de collection : donne 1.");
  return 1;
}

void EcritOption(TFichierIni& fichier, const TOption& option, const TReglages& reglages) {
  const int valeur = option.Booleen != nullptr ? (reglages.*option.Booleen ? 1 : 0) : reglages.*option.Entier;
  fichier.Ecrit(SectionOptions, option.Cle, std::to_string(valeur));
}

// The file's bytes; false with a French reason when it exists but cannot be
// read. Opened without waiting, so that a pipe in its place cannot hang the
// start-up.
bool LitOctets(const std::filesystem::path& fichier, std::string& octets, std::string& raison) {
  const int descripteur = ::open(fichier.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (descripteur < 0) {
    // No such file (nor folder on its path): nothing to read, nothing to keep.
    if (errno == ENOENT || errno == ENOTDIR) return true;
    raison = TexteErreurSysteme(errno);
    return false;
  }
  struct stat etat {};
  bool ok = false;
  if (::fstat(descripteur, &etat) != 0) {
    raison = TexteErreurSysteme(errno);
  } else if (!S_ISREG(etat.st_mode)) {
    raison = S_ISDIR(etat.st_mode) ? "c'est un dossier" : "ce n'est pas un fichier ordinaire";
  } else if (static_cast<std::uintmax_t>(etat.st_size) > TailleMaxFichier) {
    raison = "fichier trop grand, " + std::to_string(etat.st_size) + " octets";
  } else {
    octets.resize(static_cast<std::size_t>(etat.st_size));
    std::size_t lus = 0;
    ok = true;
    while (lus < octets.size()) {
      const ssize_t n = ::read(descripteur, octets.data() + lus, octets.size() - lus);
      if (n < 0 && errno == EINTR) continue;
      if (n < 0) {
        raison = TexteErreurSysteme(errno);
        ok = false;
      }
      if (n <= 0) break;
      lus += static_cast<std::size_t>(n);
    }
    octets.resize(lus);
  }
  ::close(descripteur);
  if (!ok) octets.clear();
  return ok;
}

// True, with the reason, when the file exists and must not be replaced: the
// user made it read-only, or this user may not change it.
bool EnLectureSeule(const std::filesystem::path& fichier, std::string& raison) {
  struct stat etat {};
  if (::stat(fichier.c_str(), &etat) != 0) return false;
  if ((etat.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    raison = "il est en lecture seule";
    return true;
  }
  if (::access(fichier.c_str(), W_OK) != 0) {
    raison = "il ne peut pas être modifié (" + TexteErreurSysteme(errno) + ")";
    return true;
  }
  return false;
}

void SynchroniseDossier(const std::filesystem::path& dossier) {
  const int descripteur = ::open(dossier.empty() ? "." : dossier.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (descripteur < 0) return;
  ::fsync(descripteur);
  ::close(descripteur);
}

}  // namespace

TSectionsBase SectionsBase(std::string_view fichierDonnes, const TNumerosVolume& numeros) {
  const std::string nom = std::filesystem::path(std::string(fichierDonnes)).filename().string();
  if (nom.empty() || EstBaseDemonstration(nom)) return {};
  // Only characters every reader of the file takes inside a section name.
  std::string suffixe = " ";
  for (const char c : nom) {
    const bool sur = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '.' ||
                     c == '_' || c == '-';
    suffixe += sur ? c : '_';
  }
  TSectionsBase sections;
  sections.Donne += suffixe;
  sections.ScoresJeu += suffixe;
  sections.ScoresQuestions += suffixe;
  sections.ParCollection = true;
  sections.Numeros = numeros;
  return sections;
}

std::string CleNote(const TSectionsBase& sections, int n) {
  if (!sections.ParCollection) return CleDonne(n);
  char cle[16];
  std::snprintf(cle, sizeof cle, "C%03d", sections.Numeros[n]);
  return cle;
}

std::string NomFichierReglages(std::string_view executable) {
  std::filesystem::path nom{std::string(executable)};
  return nom.filename().replace_extension(".INI").string();
}

std::string CleDonne(int n) {
  char cle[16];
  std::snprintf(cle, sizeof cle, "D%03d", n);
  return cle;
}

TLectureReglages LitReglagesTexte(std::string_view octets, int nbDonnes, std::string_view nomFichier,
                                  const TSectionsBase& sections) {
  TLectureReglages lecture;
  const TFichierIni fichier = TFichierIni::Analyse(octets);
  TLecteur lecteur(fichier, nomFichier, lecture.Avertissements);
  const TSectionsBase demonstration;
  const auto aSections = [&fichier](const TSectionsBase& s) {
    return fichier.ASection(s.Donne) || fichier.ASection(s.ScoresJeu) || fichier.ASection(s.ScoresQuestions);
  };
  if (!octets.empty() && !fichier.ASection(SectionOptions) && !aSections(sections) && !aSections(demonstration)) {
    lecteur.Avertit("aucune section reconnue dans le fichier : réglages par défaut.");
  }
  TEtatReglages& etat = lecture.Etat;
  etat.Sections = sections;
  for (const TOption& option : OptionsAvant) LitOption(lecteur, option, etat.Reglages);
  for (const TOption& option : OptionsApres) LitOption(lecteur, option, etat.Reglages);

  etat.DonneActuelle = 1;
  if (sections.ParCollection) {
    etat.DonneActuelle = LitDonneParCollection(lecteur, sections, nbDonnes);
  } else {
    const int maximum = nbDonnes > 0 ? nbDonnes : 1;
    // A stored 0 is read as deal 1, silently.
    if (const auto numero = lecteur.Entier(sections.Donne, CleNumero, 1); numero && numero->first != 0) {
      if (numero->first >= 1 && numero->first <= maximum) {
        etat.DonneActuelle = static_cast<int>(numero->first);
      } else {
        lecteur.Avertit(sections.Donne + "/Numéro = " + numero->second + " n'est pas une donne de la base (1 à " +
                        std::to_string(maximum) + ") : donne 1.");
      }
    }
  }
  etat.ScoresJeu = LitScores(lecteur, sections, sections.ScoresJeu, nbDonnes);
  etat.ScoresQuestions = LitScores(lecteur, sections, sections.ScoresQuestions, nbDonnes);
  lecture.NotesTrouvees = fichier.ASection(sections.ScoresJeu) || fichier.ASection(sections.ScoresQuestions);
  return lecture;
}

TLectureReglages LitReglages(const std::filesystem::path& fichier, int nbDonnes, const TSectionsBase& sections) {
  return LitReglagesDuDossier(fichier, nbDonnes, sections).Lecture;
}

std::filesystem::path FichierReglagesSecours(const std::filesystem::path& fichier) {
  return fichier.parent_path() / (fichier.stem().string() + "-secours" + fichier.extension().string());
}

TReglagesDuDossier LitReglagesDuDossier(const std::filesystem::path& fichier, int nbDonnes,
                                        const TSectionsBase& sections) {
  std::string octets;
  std::string raison;
  const std::string nom = fichier.filename().string();
  if (LitOctets(fichier, octets, raison)) return {LitReglagesTexte(octets, nbDonnes, nom, sections), fichier};
  const std::string illisible = "Réglages (" + nom + ") : le fichier « " + TexteVisible(fichier.string()) +
                                " » ne peut pas être lu (" + raison + ") ; il ne sera pas modifié. ";
  const std::filesystem::path secours = FichierReglagesSecours(fichier);
  std::string octetsSecours;
  std::string raisonSecours;
  if (!LitOctets(secours, octetsSecours, raisonSecours)) {
    TReglagesDuDossier lus{LitReglagesTexte({}, nbDonnes, nom, sections), std::nullopt};
    lus.Lecture.Avertissements.insert(lus.Lecture.Avertissements.begin(),
                                      illisible + "Le fichier « " + TexteVisible(secours.string()) +
                                          " » ne peut pas être lu non plus (" + raisonSecours +
                                          ") : réglages par défaut, et rien ne sera enregistré à la fin de la séance.");
    return lus;
  }
  TReglagesDuDossier lus{LitReglagesTexte(octetsSecours, nbDonnes, secours.filename().string(), sections), secours};
  std::error_code erreur;
  const bool existe = std::filesystem::exists(secours, erreur);
  lus.Lecture.Avertissements.insert(
      lus.Lecture.Avertissements.begin(),
      illisible + (existe ? "Réglages et notes lus dans « " + TexteVisible(secours.string()) +
                                " », où ils seront enregistrés."
                          : "Réglages par défaut ; vos réglages et vos notes seront enregistrés dans « " +
                                TexteVisible(secours.string()) + " »."));
  return lus;
}

std::optional<std::string> LitBaseReglee(const std::filesystem::path& fichier) {
  std::string octets;
  std::string raison;
  if (!LitOctets(fichier, octets, raison)) return std::nullopt;  // LitReglages reports it
  std::optional<std::string> base = TFichierIni::Analyse(octets).Valeur(SectionOptions, CleBase);
  if (base && base->empty()) base.reset();
  return base;
}

std::string TexteReglages(const TEtatReglages& etat, std::string_view ancien) {
  TFichierIni fichier = TFichierIni::Analyse(ancien);
  for (const TOption& option : OptionsAvant) EcritOption(fichier, option, etat.Reglages);
  const TSectionsBase& sections = etat.Sections;
  if (sections.ParCollection)
    fichier.Ecrit(sections.Donne, CleCollection, std::to_string(sections.Numeros[etat.DonneActuelle]));
  else
    fichier.Ecrit(sections.Donne, CleNumero, std::to_string(etat.DonneActuelle));
  for (const TOption& option : OptionsApres) EcritOption(fichier, option, etat.Reglages);
  for (int n = 1; n <= etat.ScoresJeu.NbDonnes(); ++n)
    fichier.Ecrit(sections.ScoresJeu, CleNote(sections, n), std::to_string(etat.ScoresJeu[n]));
  for (int n = 1; n <= etat.ScoresQuestions.NbDonnes(); ++n)
    fichier.Ecrit(sections.ScoresQuestions, CleNote(sections, n), std::to_string(etat.ScoresQuestions[n]));
  return fichier.Octets();
}

std::optional<std::string> EcritReglages(const std::filesystem::path& nom, const TEtatReglages& etat) {
  // A link (to a folder of dotfiles, say) stays a link: its target is written.
  std::error_code lien;
  const std::filesystem::path fichier =
      std::filesystem::is_symlink(std::filesystem::symlink_status(nom, lien)) ? std::filesystem::weakly_canonical(nom, lien)
                                                                              : nom;
  const std::string prefixe =
      "Les réglages et les notes n'ont pas pu être enregistrés dans « " + TexteVisible(nom.string()) + " » : ";
  std::string ancien;
  std::string raison;
  if (!LitOctets(fichier, ancien, raison))
    return prefixe + "le fichier existe mais ne peut pas être lu (" + raison + ") ; il est resté tel quel.";
  if (EnLectureSeule(fichier, raison)) return prefixe + raison + " ; il est resté tel quel.";
  const std::string octets = TexteReglages(etat, ancien);

  struct stat ancienEtat {};
  const bool existe = ::stat(fichier.c_str(), &ancienEtat) == 0;
  std::string modele = fichier.string() + ".XXXXXX";
  const int descripteur = ::mkstemp(modele.data());
  if (descripteur < 0) return prefixe + TexteErreurSysteme(errno) + ".";
  ::fchmod(descripteur, existe ? (ancienEtat.st_mode & 07777) : 0644);
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
    return prefixe + TexteErreurSysteme(numero) + ".";
  }
  SynchroniseDossier(fichier.parent_path());
  return std::nullopt;
}

}  // namespace kalvo
