// TDonne: one deal record of the deals database, 203476 bytes held on the
// heap and read or written field by field at the record's fixed offsets
// (little-endian, packed). Every table index and every count that comes
// from the data is checked; a bad one throws ErreurDonnee with a French
// message naming the deal, so that the deal can be stopped cleanly.
#pragma once

#include "model/BridgeTypes.h"
#include "model/ChaineDonne.h"
#include "model/ErreurDonnee.h"
#include "model/PoolDonne.h"
#include "model/StructuresDonne.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo {

// Offsets of the top-level fields.
namespace offsets {
inline constexpr std::size_t Mains = 0;
inline constexpr std::size_t LgCommentaires = 104;
inline constexpr std::size_t Commentaires = 108;
inline constexpr std::size_t Donneur = 2312;
inline constexpr std::size_t Vulnerabilite = 2316;
inline constexpr std::size_t NiveauContrat = 2320;
inline constexpr std::size_t Atout = 2321;
inline constexpr std::size_t Encheres = 2322;
inline constexpr std::size_t Alertes = 2434;
inline constexpr std::size_t Penalites = 2600;
inline constexpr std::size_t Theme = 2672;
inline constexpr std::size_t Force = 2676;
inline constexpr std::size_t Chaines = 2680;
inline constexpr std::size_t Compteurs = 109080;
inline constexpr std::size_t Pools = 109208;
inline constexpr std::size_t Groupes = 200392;
inline constexpr std::size_t LgPoint = 200472;
inline constexpr std::size_t TextePoint = 200476;
inline constexpr std::size_t LgResume = 201476;
inline constexpr std::size_t TexteResume = 201480;
inline constexpr std::size_t JeuComplet = 203380;
}  // namespace offsets

class TDonne {
 public:
  static constexpr std::size_t Taille = 203476;

  TDonne();  // every byte zero
  // A record read from a file; throws ErreurDonnee unless there are exactly
  // Taille bytes. numero is the deal number used in messages (0 = unknown).
  TDonne(std::span<const std::uint8_t> octets, int numero);

  int Numero() const { return numero_; }
  void SetNumero(int numero) { numero_ = numero; }
  std::span<const std::uint8_t> Octets() const { return octets_; }
  std::span<std::uint8_t> Octets() { return octets_; }

  // Mains: card `position` (1..13) of a seat, as stored (not checked).
  TCard CarteMain(TJoueur joueur, int position) const;
  void SetCarteMain(TJoueur joueur, int position, TCard carte);
  T4Jeux Mains() const;
  void SetMains(const T4Jeux& mains);

  // Stored texts are scrambled bytes. The text readers clamp the stored
  // length into 0..field size; the Lg readers give the stored value.
  std::int32_t LgCommentaires() const { return Bloc().Lit32(offsets::LgCommentaires); }
  std::string Commentaires() const;
  void SetCommentaires(std::string_view brouilles);  // sets the length too
  void SetLgCommentaires(std::int32_t lg) { BlocModifiable().Ecrit32(offsets::LgCommentaires, lg); }

  // Checked enumerations and numbers of the deal's header.
  TJoueur Donneur() const;
  TVulnerabilite Vulnerabilite() const;
  int NiveauContrat() const;  // 1..7
  TCouleur Atout() const;     // clTrefle..clSA
  int Theme() const;          // 0..27
  int Force() const;          // 1..4
  std::int32_t ThemeBrut() const { return Bloc().Lit32(offsets::Theme); }
  std::int32_t ForceBrute() const { return Bloc().Lit32(offsets::Force); }
  void SetDonneur(std::uint8_t joueur) { BlocModifiable().Ecrit8(offsets::Donneur, joueur); }
  void SetVulnerabilite(std::uint8_t v) { BlocModifiable().Ecrit8(offsets::Vulnerabilite, v); }
  void SetNiveauContrat(std::uint8_t niveau) { BlocModifiable().Ecrit8(offsets::NiveauContrat, niveau); }
  void SetAtout(std::uint8_t couleur) { BlocModifiable().Ecrit8(offsets::Atout, couleur); }
  void SetTheme(std::int32_t theme) { BlocModifiable().Ecrit32(offsets::Theme, theme); }
  void SetForce(std::int32_t force) { BlocModifiable().Ecrit32(offsets::Force, force); }

  // Auction: line 1..7, seat.
  TEnchere Enchere(int ligne, TJoueur joueur) const;
  void SetEnchere(int ligne, TJoueur joueur, const TEnchere& enchere);

  // Alert n (1..4): its bytes (Windows-1252), length byte clamped to 40.
  std::string Alerte(int n) const;
  std::uint8_t LgAlerte(int n) const;
  void SetAlerte(int n, std::string_view octets);  // throws ErreurDonnee beyond 40 bytes

  // Penalty of comment/error number n (1..18).
  std::int32_t Penalite(int n) const;
  void SetPenalite(int n, std::int32_t points);

  // Chain c (1..400).
  TChaine Chaine(int c) const;
  TChaineModifiable Chaine(int c);

  // Counter table (1..2), suit.
  TCompteur Compteur(int table, T4Couleur s) const;
  void SetCompteur(int table, T4Couleur s, const TCompteur& compteur);

  // Pool p (1..4).
  TPool Pool(int p) const;
  TPoolModifiable Pool(int p);

  // Group g (1..4).
  TGroupe Groupe(int g) const;
  void SetGroupe(int g, const TGroupe& groupe);

  std::int32_t LgPoint() const { return Bloc().Lit32(offsets::LgPoint); }
  std::string TextePoint() const;
  void SetTextePoint(std::string_view brouilles);
  void SetLgPoint(std::int32_t lg) { BlocModifiable().Ecrit32(offsets::LgPoint, lg); }
  std::int32_t LgResume() const { return Bloc().Lit32(offsets::LgResume); }
  std::string TexteResume() const;
  void SetTexteResume(std::string_view brouilles);
  void SetLgResume(std::int32_t lg) { BlocModifiable().Ecrit32(offsets::LgResume, lg); }

  // Complete play: trick 1..12, card 1..4 in playing order from its leader.
  TCard JeuComplet(int levee, int i) const;
  void SetJeuComplet(int levee, int i, TCard carte);

  // West's opening lead as the script gives it (chain 1, defence slot 1).
  TCard Entame() const;

 private:
  // Access to the whole record; the class reaches the protected readers.
  struct TBloc : TBlocOctets<false> {
    using TBlocOctets<false>::TBlocOctets;
    using TBlocOctets<false>::Lit8;
    using TBlocOctets<false>::Lit16;
    using TBlocOctets<false>::Lit32;
    using TBlocOctets<false>::LitCarte;
    using TBlocOctets<false>::Borne;
  };
  struct TBlocModifiable : TBlocOctets<true> {
    using TBlocOctets<true>::TBlocOctets;
    using TBlocOctets<true>::Ecrit8;
    using TBlocOctets<true>::Ecrit16;
    using TBlocOctets<true>::Ecrit32;
    using TBlocOctets<true>::EcritCarte;
    using TBlocOctets<true>::Borne;
  };
  TBloc Bloc() const { return {octets_.data(), octets_.size(), numero_}; }
  TBlocModifiable BlocModifiable() { return {octets_.data(), octets_.size(), numero_}; }

  std::size_t PosMain(TJoueur joueur, int position) const;
  std::size_t PosEnchere(int ligne, TJoueur joueur) const;
  std::size_t PosAlerte(int n) const;
  std::size_t PosPenalite(int n) const;
  std::size_t PosChaine(int c) const;
  std::size_t PosCompteur(int table, T4Couleur s) const;
  std::size_t PosPool(int p) const;
  std::size_t PosGroupe(int g) const;
  std::size_t PosJeuComplet(int levee, int i) const;
  std::string Texte(std::size_t posLg, std::size_t posTexte, int lgMax) const;
  void SetTexte(std::size_t posLg, std::size_t posTexte, int lgMax, std::string_view octets, std::string_view quoi);

  std::vector<std::uint8_t> octets_;
  int numero_ = 0;
};

// A stored length brought into 0..lgMax.
constexpr int LongueurBornee(std::int32_t lg, int lgMax) { return lg < 0 ? 0 : (lg > lgMax ? lgMax : lg); }

}  // namespace kalvo
