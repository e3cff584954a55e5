#include "tools/authoring/PartieControleur.h"

#include "model/FichierIni.h"
#include "tools/authoring/Lexique.h"

#include <unistd.h>

#include <atomic>

namespace kalvo::redaction {

TDossierProvisoire::TDossierProvisoire() {
  static std::atomic<int> compteur{0};
  chemin_ = std::filesystem::temp_directory_path() /
            ("kalvo-verification-" + std::to_string(::getpid()) + "-" + std::to_string(compteur++));
  std::filesystem::create_directories(chemin_);
}

TDossierProvisoire::~TDossierProvisoire() {
  std::error_code erreur;
  std::filesystem::remove_all(chemin_, erreur);
}

TConfigurationControleur ConfigurationVerification(const TFichiersBase& fichiers, const std::filesystem::path& dossier) {
  TConfigurationControleur configuration;
  const std::filesystem::path base = std::filesystem::absolute(fichiers.Base);
  configuration.Emplacement.Dossier = dossier;
  configuration.Emplacement.FichierDonnes = base.string();
  configuration.Emplacement.FichierQuestions =
      fichiers.Questions ? std::filesystem::absolute(*fichiers.Questions).string() : (dossier / "aucune.ASK").string();
  configuration.FichierVolume =
      fichiers.Volume ? *fichiers.Volume : base.parent_path() / NomTableVolume(base.filename().string());
  TFichierIni reglages = TFichierIni::Analyse("");
  reglages.Ecrit("Options", "Encheres", "0");
  reglages.Ecrit("Options", "Questions", fichiers.Questions ? "1" : "0");
  configuration.TexteReglages = reglages.Octets();
  configuration.Graine = 1;
  configuration.AnalyseImprevues = false;
  return configuration;
}

void AjouteCarte(std::string& ligne, TCard carte, bool nouvelleLevee) {
  if (!ligne.empty()) ligne += nouvelleLevee ? " / " : " ";
  ligne += EcritCarteReelle(carte);
}

std::string AvecLigne(const std::string& message, const std::string& ligne, long autresLignes) {
  if (ligne.empty() && autresLignes == 0) return message;
  const bool point = message.ends_with('.');
  std::string texte = message.substr(0, message.size() - (point ? 1 : 0)) + " (";
  if (!ligne.empty()) texte += "après " + ligne;
  if (autresLignes > 0) {
    if (!ligne.empty()) texte += " ; ";
    texte += std::to_string(autresLignes) + (autresLignes == 1 ? " autre ligne" : " autres lignes");
  }
  return texte + (point ? ")." : ")");
}

std::string SansPrefixeDonne(const std::string& message) {
  if (!message.starts_with("Donne ")) return message;
  const std::size_t fin = message.find(" : ");
  if (fin == std::string::npos) return message;
  for (std::size_t i = 6; i < fin; ++i)
    if (message[i] < '0' || message[i] > '9') return message;
  return message.substr(fin + 3);
}

namespace {

std::string NomCarteOuCode(TCard carte) {
  if (carte.EstReelle()) return NomCarteArticle(carte);
  if (const std::optional<std::string> code = EcritCarteScript(carte)) return "« " + *code + " »";
  return "la carte [" + std::to_string(carte.h) + ", " + std::to_string(carte.c) + "]";
}

}  // namespace

std::optional<TConstatDefense> ConstatDefense(const TControleur& controleur, TJoueur joueur, const TChoixDefense& choix,
                                              const std::string& chaine) {
  if (choix.Origine == TOrigineDefense::Script || choix.Origine == TOrigineDefense::HorsChaine || choix.Indice < 1 ||
      choix.Indice > 13)
    return std::nullopt;
  const TEtatControleur& e = controleur.Etat();
  const std::string qui(NomsJoueurs[joueur]);
  const std::string jouee = NomCarteArticle(controleur.Suivi().Carte(joueur, choix.Indice));
  switch (choix.Origine) {
    case TOrigineDefense::NonTenue:
      return TConstatDefense{grErreur, chaine + " fait jouer " + NomCarteOuCode(choix.Nommee) + " à " + qui +
                                           ", qui ne peut pas le jouer : il joue " + jouee + " par la règle de défausse."};
    case TOrigineDefense::Renonce:
      return TConstatDefense{grErreur, chaine + " fait jouer " + NomCarteOuCode(choix.Nommee) + " à " + qui +
                                           ", qui doit fournir à " + std::string(NomsCouleurs[e.OnTable[e.Entameur].c]) +
                                           " : il joue " + jouee + "."};
    case TOrigineDefense::SansCarte:
      return TConstatDefense{grAvertissement, chaine + " ne donne aucune carte à " + qui + " : il joue " + jouee +
                                                  " par la règle de défausse."};
    default:
      return std::nullopt;
  }
}

}  // namespace kalvo::redaction
