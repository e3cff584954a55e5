#include "model/BaseDonnes.h"

#include "model/Brouillage.h"
#include "model/Encheres.h"
#include "model/TexteVisible.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <unistd.h>

namespace kalvo {

namespace {

std::int32_t Lit32(const unsigned char* p) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
                                   (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24));
}

std::string Nom(const std::filesystem::path& chemin) { return chemin.filename().string(); }

// Number of whole records and size of the database; false when it cannot be
// opened as a regular file.
bool TailleBase(const std::filesystem::path& base, std::uintmax_t& taille) {
  std::error_code erreur;
  if (!std::filesystem::is_regular_file(base, erreur)) return false;
  taille = std::filesystem::file_size(base, erreur);
  return !erreur;
}

// The field of the header the catalogue reads that is out of range, or
// nothing.
std::string ChampCatalogueFaux(std::int32_t theme, std::int32_t force) {
  if (theme < 0 || theme >= NbThemes)
    return "thème " + std::to_string(theme) + " hors des limites (0 à " + std::to_string(NbThemes - 1) + ")";
  if (force < 1 || force > 4) return "difficulté " + std::to_string(force) + " hors des limites (1 à 4)";
  return {};
}

// The messages shown when the database cannot be opened as a file: the two
// of a missing database, or one saying why the file that is there cannot be
// read (a folder, no permission...).
std::vector<std::string> MessagesBaseInaccessible(const std::filesystem::path& base) {
  const std::string nom = Nom(base);
  std::error_code erreur;
  const std::filesystem::file_status etat = std::filesystem::status(base, erreur);
  std::string raison;
  if (std::filesystem::is_directory(etat)) {
    raison = "c'est un dossier";
  } else if (std::filesystem::exists(etat) && !std::filesystem::is_regular_file(etat)) {
    raison = "ce n'est pas un fichier ordinaire";
  } else if (std::filesystem::exists(etat)) {
    const int descripteur = ::open(base.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    raison = descripteur < 0 ? TexteErreurSysteme(errno) : "lecture impossible";
    if (descripteur >= 0) ::close(descripteur);
  } else if (erreur && erreur != std::errc::no_such_file_or_directory) {
    return {"Le fichier de donnes « " + TexteVisible(base.string()) + " » ne peut pas être lu : " +
            TexteErreurSysteme(erreur.value()) + "."};
  }
  if (raison.empty()) return {MessageBaseAbsente(nom), MessageBaseAbsenteAnglais(nom)};
  return {"Le fichier de donnes « " + TexteVisible(base.string()) + " » existe mais ne peut pas être lu : " + raison +
          "."};
}

}  // namespace

bool EstBaseDemonstration(std::string_view fichierDonnes) {
  return std::filesystem::path(std::string(fichierDonnes)).filename() == NomFichierDonnes;
}

std::string TeteTitre(std::string_view fichierDonnes) {
  return EstBaseDemonstration(fichierDonnes) ? "Kalvo! (Vol 1) démo" : "Kalvo! (Vol 1)";
}

TResultatCatalogue ChargeCatalogue(const std::filesystem::path& base) {
  TResultatCatalogue resultat;
  const std::string nom = Nom(base);
  std::uintmax_t taille = 0;
  std::ifstream flux;
  flux.rdbuf()->pubsetbuf(nullptr, 0);  // 8 bytes per record: no read-ahead
  if (TailleBase(base, taille)) flux.open(base, std::ios::binary);
  if (!flux.is_open()) {
    resultat.Erreurs = MessagesBaseInaccessible(base);
    return resultat;
  }
  const std::uintmax_t nbDonnes = taille / TDonne::Taille;
  if (nbDonnes == 0) {
    resultat.Erreurs = {taille == 0 ? "La base de donnes " + nom + " est vide : elle ne contient aucune donne."
                                    : "La base de donnes " + nom + " est tronquée : " + std::to_string(taille) +
                                          " octets, moins qu'une donne entière (203476 octets)."};
    return resultat;
  }
  if (taille % TDonne::Taille != 0) {
    const std::uintmax_t reste = taille % TDonne::Taille;
    resultat.Avertissements.push_back(
        "La base de donnes " + nom + " est tronquée : " +
        (reste > 1 ? "ses " + std::to_string(reste) + " derniers octets ne forment pas"
                   : std::string("son dernier octet ne forme pas")) +
        " une donne entière ; " +
        (nbDonnes > 1 ? "seules les " + std::to_string(nbDonnes) + " premières donnes sont proposées."
                      : std::string("seule la première donne est proposée.")));
  }
  for (std::uintmax_t i = 1; i <= nbDonnes; ++i) {
    unsigned char champs[8];
    flux.seekg(static_cast<std::streamoff>((i - 1) * TDonne::Taille + offsets::Theme));
    flux.read(reinterpret_cast<char*>(champs), sizeof champs);
    if (!flux) {
      resultat.Erreurs = {"Impossible de lire la donne " + std::to_string(i) + " de la base " + nom + "."};
      return resultat;
    }
    const std::int32_t theme = Lit32(champs);
    const std::int32_t force = Lit32(champs + 4);
    // A theme outside the name table is as broken as a bad difficulty.
    if (const std::string champ = ChampCatalogueFaux(theme, force); !champ.empty()) {
      resultat.Erreurs = {"Problème en lisant la donne " + std::to_string(i) + " : " + champ + "."};
      return resultat;
    }
    resultat.Catalogue.Ajoute(force, theme);
  }
  return resultat;
}

TDonne LitFicheDonne(const std::filesystem::path& base, int n) {
  const std::string nom = Nom(base);
  std::uintmax_t taille = 0;
  std::ifstream flux;
  if (TailleBase(base, taille)) flux.open(base, std::ios::binary);
  if (!flux.is_open()) {
    // Missing, the program ends; there but unreadable, the deal stops with why.
    const std::vector<std::string> messages = MessagesBaseInaccessible(base);
    if (messages.size() > 1) throw ErreurBaseAbsente(nom);
    throw ErreurFichier(messages.front());
  }
  const auto nbDonnes = static_cast<long long>(taille / TDonne::Taille);
  if (nbDonnes == 0) throw ErreurDonnee("La base de donnes " + nom + " ne contient aucune donne entière.");
  VerifieBornes(n, 1, nbDonnes, n, "numéro de donne");
  std::vector<std::uint8_t> octets(TDonne::Taille);
  flux.seekg(static_cast<std::streamoff>(static_cast<std::uintmax_t>(n - 1) * TDonne::Taille));
  flux.read(reinterpret_cast<char*>(octets.data()), static_cast<std::streamsize>(octets.size()));
  if (!flux) throw ErreurFichier("Impossible de lire la donne " + std::to_string(n) + " de la base " + nom + ".");
  return TDonne(octets, n);
}

TContrat LitContrat(const std::filesystem::path& base, int n) {
  std::ifstream flux(base, std::ios::binary);
  unsigned char champs[2] = {0, 0};
  if (n < 1) throw ErreurFichier("Impossible de lire le contrat de la donne " + std::to_string(n) + ".");
  flux.seekg(static_cast<std::streamoff>(static_cast<std::uintmax_t>(n - 1) * TDonne::Taille + offsets::NiveauContrat));
  flux.read(reinterpret_cast<char*>(champs), 2);
  if (!flux) throw ErreurFichier("Impossible de lire le contrat de la donne " + std::to_string(n) + ".");
  return {champs[0], champs[1]};
}

std::array<int, 4> CalculePointsHonneurs(const T4Jeux& mains) {
  std::array<int, 4> points{};
  for (TJoueur j : TousLesJoueurs)
    for (int i = 1; i <= 13; ++i)
      if (mains(j, i).h > 10 && mains(j, i).h <= 14) points[j] += mains(j, i).h - 10;
  return points;
}

void VerifieMains(const TDonne& donne) {
  std::array<bool, 53> vue{};
  for (TJoueur j : TousLesJoueurs) {
    for (int i = 1; i <= 13; ++i) {
      const TCard carte = donne.CarteMain(j, i);
      if (!carte.EstReelle()) {
        throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "la main " + std::string(DeJoueurs[j]) +
                           std::string(NomsJoueurs[j]) + " contient une carte invalide en position " +
                           std::to_string(i) + " (rang " + std::to_string(carte.h) + ", couleur " +
                           std::to_string(carte.c) + ").");
      }
      const auto index = static_cast<std::size_t>(IndexCarte(carte));
      if (vue[index])
        throw ErreurDonnee(PrefixeDonne(donne.Numero()) + "la carte « " + NomCarte(carte) +
                           " » figure deux fois dans les mains.");
      vue[index] = true;
    }
  }
}

std::string EcritCommentaireRtf(const std::filesystem::path& fichier, std::string_view clair) {
  std::string octets(clair);
  octets.append("\0\r\n", 3);
  // Written over the old file and then cut to length: emptying it first
  // makes ext4 flush it to disk at every deal start (milliseconds each).
  std::fstream flux(fichier, std::ios::binary | std::ios::in | std::ios::out);
  if (!flux.is_open()) flux.open(fichier, std::ios::binary | std::ios::out | std::ios::trunc);
  if (flux) {
    flux.write(octets.data(), static_cast<std::streamsize>(octets.size()));
    flux.close();
  }
  int numero = errno;
  std::error_code coupe;
  if (flux) std::filesystem::resize_file(fichier, octets.size(), coupe);
  if (coupe) numero = coupe.value();
  if (!flux || coupe) {
    throw ErreurFichier("Impossible d'écrire le fichier « " + fichier.string() + " » : " +
                        TexteErreurSysteme(numero) + ".");
  }
  return octets;
}

namespace {

// Values of the header that index the program's tables.
void VerifieEnTete(const TDonne& donne) {
  donne.Donneur();
  donne.Vulnerabilite();
  donne.NiveauContrat();
  donne.Atout();
  donne.Theme();
  donne.Force();
  SuiteEncheres(donne);
}

void AjouteSiPresent(std::vector<std::string>& liste, std::string message) {
  if (!message.empty()) liste.push_back(std::move(message));
}

}  // namespace

TDonneLue LitDonne(const TEmplacementBase& emplacement, const TNumerosVolume& volume, int n) {
  TDonneLue lue{LitFicheDonne(emplacement.Donnes(), n), {}, {}, {}, {}, {}, {}, {}};
  const TDonne& donne = lue.Donne;
  VerifieEnTete(donne);
  VerifieMains(donne);

  TCommentairesLus commentaires = LitCommentaires(donne);
  lue.Comment = std::move(commentaires.Comment);
  lue.Avertissements = std::move(commentaires.Avertissements);
  for (int a = 1; a <= NbAlertes; ++a) {
    if (donne.LgAlerte(a) > LgMaxAlerte)
      AjouteSiPresent(lue.Avertissements,
                      AvertissementLongueur(n, "de l'alerte " + std::to_string(a), donne.LgAlerte(a), LgMaxAlerte));
  }

  AjouteSiPresent(lue.Avertissements, AvertissementLongueur(n, "du résumé", donne.LgResume(), LgMaxResume));
  AjouteSiPresent(lue.Avertissements, AvertissementLongueur(n, "du point", donne.LgPoint(), LgMaxPoint));
  lue.Resume = EcritCommentaireRtf(emplacement.Dossier / NomFichierResume, DebrouilleTexte(donne.TexteResume()));
  lue.Point = EcritCommentaireRtf(emplacement.Dossier / NomFichierPoint, DebrouilleTexte(donne.TextePoint()));

  lue.PointsHonneurs = CalculePointsHonneurs(donne.Mains());

  TQuestionsLues questions = LitQuestions(emplacement.Questions(), volume[n], n);
  lue.Questions = questions.Questions;
  lue.QuestionsDonne = questions.Record;
  lue.Avertissements.insert(lue.Avertissements.end(), questions.Avertissements.begin(),
                            questions.Avertissements.end());
  return lue;
}

}  // namespace kalvo
