#include "tools/authoring/Raisons.h"

#include "coaching/MessagesIntegres.h"
#include "model/FichierIni.h"
#include "model/Windows1252.h"
#include "tools/authoring/Lexique.h"

#include <charconv>
#include <fstream>
#include <sstream>

namespace kalvo::redaction {

namespace {

std::string_view SansBlancs(std::string_view texte) {
  while (!texte.empty() && (texte.front() == ' ' || texte.front() == '\t')) texte.remove_prefix(1);
  while (!texte.empty() && (texte.back() == ' ' || texte.back() == '\t' || texte.back() == '\r')) texte.remove_suffix(1);
  return texte;
}

std::string_view MotSuivant(std::string_view& texte) {
  texte = SansBlancs(texte);
  const std::size_t fin = texte.find_first_of(" \t");
  const std::string_view mot = texte.substr(0, fin);
  texte = fin == std::string_view::npos ? std::string_view{} : texte.substr(fin);
  return mot;
}

std::optional<int> Entier(std::string_view mot) {
  int n = 0;
  const auto [fin, erreur] = std::from_chars(mot.data(), mot.data() + mot.size(), n);
  if (erreur != std::errc{} || fin != mot.data() + mot.size()) return std::nullopt;
  return n;
}

// The words folded (case and accents aside), without the punctuation that
// surrounds them.
std::vector<std::string> MotsReplies(std::string_view texte) {
  static constexpr std::string_view ponctuation = ".,;:!?\"'()[]«»…\u00A0\u202F";
  std::vector<std::string> mots;
  std::string_view reste = texte;
  for (std::string_view mot = MotSuivant(reste); !mot.empty(); mot = MotSuivant(reste)) {
    std::string replie = Replie(mot);
    const std::size_t debut = replie.find_first_not_of(ponctuation);
    if (debut == std::string::npos) continue;
    replie = replie.substr(debut, replie.find_last_not_of(ponctuation) - debut + 1);
    mots.push_back(std::move(replie));
  }
  return mots;
}

bool ChaineRefuse(const TDonne& donne, int c, int code) {
  const TChaine chaine = donne.Chaine(c);
  if (chaine.TypeChaine() == tcAutomatique) {
    const TChaineAuto noeud = chaine.Auto();
    if (noeud.CodeDefaut() == code) return true;
    for (T4Couleur s : ToutesLesCouleurs)
      if (noeud.ParCouleur(s).Permis == 0 && noeud.ParCouleur(s).Code == code) return true;
    for (int i = 1; i <= noeud.NbSud(); ++i)
      if (noeud.ListeSud(i).Code == code) return true;
    for (int i = 1; i <= noeud.NbNord(); ++i)
      if (noeud.ListeNord(i).Code == code) return true;
    return false;
  }
  if (chaine.TypeChaine() != tcLevee) return false;
  for (int place = 1; place <= 2; ++place)
    for (int i = 1; i <= 8; ++i) {
      const TCarteDeclarant a = chaine.Declarant(place, i);
      if (a.Carte.h == RangFinDeListe) break;
      if (a.Code == code) return true;
      if (a.Carte.h == RangBatPartenaire && code == MsgSurprendre) return true;
      if (a.Carte.h == RangGroupe && donne.Groupe(a.Carte.c).Code == code) return true;
      if (a.Carte.h == RangCompteur)
        for (T4Couleur s : ToutesLesCouleurs)
          if (donne.Compteur(a.Carte.c, s).Code == code) return true;
    }
  return false;
}

bool PoolRefuse(const TDonne& donne, int p, int code) {
  const TPool pool = donne.Pool(p);
  for (const bool sud : {false, true})
    for (T4Couleur s : ToutesLesCouleurs)
      for (int y = 1; y <= 8; ++y) {
        const auto entree = pool.Entame(sud, s, y);
        for (int z = 1; z <= entree.NbConditions(); ++z)
          if (entree.Condition(z).Code == code) return true;
        for (int k = 1; k <= entree.NbSuites(); ++k)
          if (entree.Suite(k).Code == code) return true;
        for (int k = 1; k <= entree.NbDefausses(); ++k)
          if (entree.Defausse(k).Code == code) return true;
        const auto autre = pool.Autre(sud, s, y);
        if (autre.Code() == code) return true;
        for (int j = 1; j <= autre.NbSuites(); ++j)
          if (autre.Suite(j).Code == code) return true;
      }
  return false;
}

std::string Lieu(const TRaison& r) {
  return (r.Pool ? "pool " : "chaîne ") + std::to_string(r.Numero);
}

}  // namespace

std::string NomTableRaisons(std::string_view fichierDonnes) {
  std::filesystem::path nom{std::string(fichierDonnes)};
  nom.replace_extension(".RAI");
  return nom.string();
}

std::string EcritRaisons(const std::vector<TRaison>& raisons) {
  std::string texte =
      "# Refus voulus d'une carte aussi bonne en double mort : donne, chaine ou pool, numéro, commentaire, raison.\n";
  for (const TRaison& r : raisons)
    texte += std::to_string(r.Donne) + (r.Pool ? " pool " : " chaine ") + std::to_string(r.Numero) + ' ' +
             std::to_string(r.Code) + ' ' + r.Texte + '\n';
  return texte;
}

TRaisonsLues LitRaisons(std::string_view texte, std::string_view nomTable) {
  TRaisonsLues lues;
  int numero = 0;
  while (!texte.empty()) {
    ++numero;
    const std::size_t fin = texte.find('\n');
    std::string_view ligne = SansBlancs(texte.substr(0, fin));
    texte = fin == std::string_view::npos ? std::string_view{} : texte.substr(fin + 1);
    if (ligne.empty() || ligne.front() == '#') continue;
    const std::string_view brute = ligne;
    TRaison r;
    const auto donne = Entier(MotSuivant(ligne));
    const std::string_view genre = MotSuivant(ligne);
    const auto lieu = Entier(MotSuivant(ligne));
    const auto code = Entier(MotSuivant(ligne));
    const std::string_view raison = SansBlancs(ligne);
    if (!donne || *donne < 1 || (genre != "chaine" && genre != "pool") || !lieu || *lieu < 1 || !code || *code < 1 ||
        (*code > NbCommentaires && *code != MsgSurprendre) || raison.empty() || !EstUtf8Valide(raison)) {
      lues.Avertissements.push_back("Table des raisons " + std::string(nomTable) + ", ligne " + std::to_string(numero) +
                                    " : « " + (EstUtf8Valide(brute) ? std::string(brute) : Windows1252VersUtf8(brute)) + " » n'est pas lisible ; elle est ignorée.");
      continue;
    }
    r.Donne = *donne;
    r.Pool = genre == "pool";
    r.Numero = *lieu;
    r.Code = *code;
    r.Texte = std::string(raison);
    lues.Raisons.push_back(std::move(r));
  }
  return lues;
}

TRaisonsLues ChargeRaisons(const std::filesystem::path& table) {
  std::ifstream flux(table, std::ios::binary);
  if (!flux) return {};
  std::ostringstream texte;
  texte << flux.rdbuf();
  return LitRaisons(texte.str(), table.filename().string());
}

bool CommentaireDitLaRaison(std::string_view commentaire, std::string_view raison) {
  const std::vector<std::string> mots = MotsReplies(commentaire), cherches = MotsReplies(raison);
  if (cherches.empty()) return false;
  for (std::size_t i = 0; i + cherches.size() <= mots.size(); ++i)
    if (std::equal(cherches.begin(), cherches.end(), mots.begin() + static_cast<std::ptrdiff_t>(i))) return true;
  return false;
}

std::vector<std::string> VerifieRaisons(const TDonne& donne, const TComments& commentaires,
                                        const std::vector<TRaison>& raisons) {
  std::vector<std::string> fautes;
  for (const TRaison& r : raisons) {
    const std::string lieu = Lieu(r), code = std::to_string(r.Code);
    if (r.Numero > (r.Pool ? NbPools : NbChaines) || r.Code < 1 ||
        (r.Code > NbCommentaires && !(r.Code == MsgSurprendre && !r.Pool))) {
      fautes.push_back("raison d'un refus voulu pour la " + lieu + ", commentaire " + code + " : ce lieu ou ce commentaire n'existe pas.");
      continue;
    }
    try {
      if (!(r.Pool ? PoolRefuse(donne, r.Numero, r.Code) : ChaineRefuse(donne, r.Numero, r.Code)))
        fautes.push_back("raison d'un refus voulu : aucune carte de la " + lieu + " ne vaut le commentaire " + code + ".");
    } catch (const ErreurDonnee& e) {
      fautes.push_back("raison d'un refus voulu pour la " + lieu + " : " + e.what());
      continue;
    }
    const std::string texte =
        r.Code == MsgSurprendre ? std::string(TexteMessageIntegre(MsgSurprendre).value_or("")) : commentaires[r.Code];
    if (!CommentaireDitLaRaison(texte, r.Texte))
      fautes.push_back("le commentaire " + code + " ne dit pas la raison du refus voulu de la " + lieu + " (« " + r.Texte +
                       " ») : l'utilisateur doit la lire.");
  }
  return fautes;
}

const TRaison* RaisonDuRefus(const std::vector<TRaison>& raisons, int chaine, int pool, int code) {
  for (const TRaison& r : raisons) {
    if (r.Code != code) continue;
    if ((r.Pool && pool != 0 && r.Numero == pool) || (!r.Pool && chaine != 0 && r.Numero == chaine)) return &r;
  }
  return nullptr;
}

}  // namespace kalvo::redaction
