// The reader of a deal source, statement by statement. Internal to the
// authoring library: SourceDonne.cpp reads the deal's header, texts, tables
// and questions, SourceChaines.cpp the chains of the script.
#pragma once

#include "tools/authoring/SourceDonne.h"

#include <functional>
#include <map>

namespace kalvo::redaction {

// The words of one line, read from left to right.
class TCurseurMots {
 public:
  TCurseurMots(const TLigneDonne& ligne, std::size_t debut) : ligne_(ligne), i_(debut) {}
  bool Fin() const { return i_ >= ligne_.Mots.size(); }
  const std::string& Courant() const { return ligne_.Mots[i_]; }
  std::string Prend() { return ligne_.Mots[i_++]; }
  // Takes the next word when it is the keyword `cle` (compared folded).
  bool Accepte(std::string_view cle);
  const TLigneDonne& Ligne() const { return ligne_; }

 private:
  const TLigneDonne& ligne_;
  std::size_t i_;
};

class TAnalyseurSource {
 public:
  TAnalyseurSource(const std::string& fichier, TDiagnostics& diagnostics) : diagnostics_(diagnostics) {
    source_.Fichier = fichier;
  }
  TSourceDonne Analyse(std::string_view texte);

 private:
  enum TBloc : std::uint8_t { blAucun, blChaine, blCompteur, blPool };

  void Erreur(int ligne, std::string message) { diagnostics_.Erreur(source_.Fichier, ligne, std::move(message)); }
  void Instruction(const TLigneDonne& ligne);
  void LigneDeBloc(const TLigneDonne& ligne);
  void LigneDeTexte(const TLigneDonne& ligne);
  void Raison(const TLigneDonne& ligne);

  // Header, texts, tables and questions (SourceDonne.cpp).
  void EnTeteNombre(const TLigneDonne& ligne, std::optional<TValeurLigne<int>>& champ, int min, int max,
                    std::string_view quoi);
  void Theme(const TLigneDonne& ligne);
  void Vulnerabilite(const TLigneDonne& ligne);
  void Mains(const TLigneDonne& ligne);
  void Rangement(const TLigneDonne& ligne);
  void Encheres(const TLigneDonne& ligne);
  void Alerte(const TLigneDonne& ligne);
  void Commentaire(const TLigneDonne& ligne);
  void Penalite(const TLigneDonne& ligne, int numero, long long points);
  void Groupe(const TLigneDonne& ligne);
  void LigneCompteur(const TLigneDonne& ligne);
  void LignePool(const TLigneDonne& ligne);
  void EntamePool(TCurseurMots& mots, bool entame);
  void ConditionPool(TCurseurMots& mots, TEntamePool& entame);
  bool ReponsePool(TCurseurMots& mots, const std::string& cle, TEntamePool& entame);
  void Jeu(const TLigneDonne& ligne);
  void Question(const TLigneDonne& ligne);
  void Octets(const TLigneDonne& ligne, std::vector<TPatch>& patchs, std::size_t taille);

  // Chains (SourceChaines.cpp).
  void Chaine(const TLigneDonne& ligne);
  void EnTeteLevee(TCurseurMots& mots, TChaineSource& chaine);
  void EnTeteMode(TCurseurMots& mots, TChaineSource& chaine);
  void EnTeteNoeud(const std::string& genre, TCurseurMots& mots, TChaineSource& chaine);
  void Revendication(TCurseurMots& mots, TChaineSource& chaine);
  void LigneLevee(const TLigneDonne& ligne, TChaineSource& chaine);
  void LigneEntree(const TLigneDonne& ligne, TChaineSource& chaine);
  void LigneAutomatique(const TLigneDonne& ligne, TChaineSource& chaine);
  std::optional<TCarteDefense> AlternativeDefense(TCurseurMots& mots);
  std::optional<TCarteNommee> CarteDeclarant(const std::string& mot, int ligne);

  // Word readers that report what is wrong; they return nothing then.
  std::optional<long long> Nombre(const TLigneDonne& ligne, std::string_view mot, long long min, long long max,
                                  std::string_view quoi);
  std::optional<long long> NombreSuivant(TCurseurMots& mots, long long min, long long max, std::string_view quoi);
  std::optional<TJoueur> Joueur(const TLigneDonne& ligne, std::string_view mot);
  std::optional<T4Couleur> Couleur(const TLigneDonne& ligne, std::string_view mot);
  std::optional<TCard> CarteReelle(const TLigneDonne& ligne, std::string_view mot);
  std::optional<TRenvoi> Renvoi(TCurseurMots& mots, bool stopPermis);
  bool Etiquette(const TLigneDonne& ligne, std::string_view mot);
  bool FinDeLigne(TCurseurMots& mots);
  // "alors A sinon B" as the end of a line.
  bool AlorsSinon(TCurseurMots& mots, TChaineSource& chaine);
  std::optional<std::uint16_t> Code(const TLigneDonne& ligne, const TMotCode& mot, bool requis);

  TDiagnostics& diagnostics_;
  TSourceDonne source_;
  TBloc bloc_ = blAucun;
  std::size_t entamePool_ = SIZE_MAX;  // entry of the current pool that takes the reply lines
  // The commentary being read: which one, its lines.
  std::optional<TTexteSource>* texte_ = nullptr;
  std::string finTexte_;
  std::vector<std::string> lignesTexte_;
};

}  // namespace kalvo::redaction
