#include "model/Donne.h"

#include <algorithm>

namespace kalvo {

TDonne::TDonne() : octets_(Taille, 0) {}

TDonne::TDonne(std::span<const std::uint8_t> octets, int numero) : numero_(numero) {
  if (octets.size() != Taille) {
    throw ErreurDonnee(PrefixeDonne(numero) + "fiche de " + std::to_string(octets.size()) +
                       " octets au lieu de " + std::to_string(Taille) + ".");
  }
  octets_.assign(octets.begin(), octets.end());
}

std::size_t TDonne::PosMain(TJoueur joueur, int position) const {
  const int j = Bloc().Borne(joueur, jrSud, jrEst, "joueur");
  const int i = Bloc().Borne(position, 1, 13, "position dans la main");
  return offsets::Mains + 26 * static_cast<std::size_t>(j) + 2 * static_cast<std::size_t>(i - 1);
}

TCard TDonne::CarteMain(TJoueur joueur, int position) const { return Bloc().LitCarte(PosMain(joueur, position)); }

void TDonne::SetCarteMain(TJoueur joueur, int position, TCard carte) {
  BlocModifiable().EcritCarte(PosMain(joueur, position), carte);
}

T4Jeux TDonne::Mains() const {
  T4Jeux mains;
  for (TJoueur j : TousLesJoueurs)
    for (int i = 1; i <= 13; ++i) mains(j, i) = CarteMain(j, i);
  return mains;
}

void TDonne::SetMains(const T4Jeux& mains) {
  for (TJoueur j : TousLesJoueurs)
    for (int i = 1; i <= 13; ++i) SetCarteMain(j, i, mains(j, i));
}

std::string TDonne::Texte(std::size_t posLg, std::size_t posTexte, int lgMax) const {
  const int lg = LongueurBornee(Bloc().Lit32(posLg), lgMax);
  const auto* debut = octets_.data() + posTexte;
  return std::string(reinterpret_cast<const char*>(debut), static_cast<std::size_t>(lg));
}

void TDonne::SetTexte(std::size_t posLg, std::size_t posTexte, int lgMax, std::string_view octets,
                      std::string_view quoi) {
  if (octets.size() > static_cast<std::size_t>(lgMax)) {
    throw ErreurDonnee(PrefixeDonne(numero_) + std::string(quoi) + " de " + std::to_string(octets.size()) +
                       " octets, plus long que son champ (" + std::to_string(lgMax) + " octets).");
  }
  std::fill_n(octets_.begin() + static_cast<std::ptrdiff_t>(posTexte), lgMax, 0);
  std::copy(octets.begin(), octets.end(), octets_.begin() + static_cast<std::ptrdiff_t>(posTexte));
  BlocModifiable().Ecrit32(posLg, static_cast<std::int32_t>(octets.size()));
}

std::string TDonne::Commentaires() const {
  return Texte(offsets::LgCommentaires, offsets::Commentaires, LgMaxCommentaires);
}
void TDonne::SetCommentaires(std::string_view brouilles) {
  SetTexte(offsets::LgCommentaires, offsets::Commentaires, LgMaxCommentaires, brouilles, "texte des commentaires");
}
std::string TDonne::TextePoint() const { return Texte(offsets::LgPoint, offsets::TextePoint, LgMaxPoint); }
void TDonne::SetTextePoint(std::string_view brouilles) {
  SetTexte(offsets::LgPoint, offsets::TextePoint, LgMaxPoint, brouilles, "texte du point");
}
std::string TDonne::TexteResume() const { return Texte(offsets::LgResume, offsets::TexteResume, LgMaxResume); }
void TDonne::SetTexteResume(std::string_view brouilles) {
  SetTexte(offsets::LgResume, offsets::TexteResume, LgMaxResume, brouilles, "texte du résumé");
}

TJoueur TDonne::Donneur() const {
  return static_cast<TJoueur>(Bloc().Borne(Bloc().Lit8(offsets::Donneur), jrSud, jrEst, "donneur"));
}
TVulnerabilite TDonne::Vulnerabilite() const {
  return static_cast<TVulnerabilite>(
      Bloc().Borne(Bloc().Lit8(offsets::Vulnerabilite), vlnPersonne, vlnTous, "vulnérabilité"));
}
int TDonne::NiveauContrat() const { return Bloc().Borne(Bloc().Lit8(offsets::NiveauContrat), 1, 7, "niveau du contrat"); }
TCouleur TDonne::Atout() const {
  return static_cast<TCouleur>(Bloc().Borne(Bloc().Lit8(offsets::Atout), clTrefle, clSA, "atout du contrat"));
}
int TDonne::Theme() const { return Bloc().Borne(ThemeBrut(), 0, NbThemes - 1, "thème"); }
int TDonne::Force() const { return Bloc().Borne(ForceBrute(), 1, 4, "force"); }

std::size_t TDonne::PosEnchere(int ligne, TJoueur joueur) const {
  const int k = Bloc().Borne(ligne, 1, NbLignesEncheres, "ligne d'enchères");
  const int j = Bloc().Borne(joueur, jrSud, jrEst, "joueur");
  return offsets::Encheres + 16 * static_cast<std::size_t>(k - 1) + 4 * static_cast<std::size_t>(j);
}

TEnchere TDonne::Enchere(int ligne, TJoueur joueur) const {
  const std::size_t pos = PosEnchere(ligne, joueur);
  return {Bloc().Lit8(pos), Bloc().Lit8(pos + 1), Bloc().Lit16(pos + 2)};
}

void TDonne::SetEnchere(int ligne, TJoueur joueur, const TEnchere& enchere) {
  const std::size_t pos = PosEnchere(ligne, joueur);
  BlocModifiable().Ecrit8(pos, enchere.Niveau);
  BlocModifiable().Ecrit8(pos + 1, enchere.Couleur);
  BlocModifiable().Ecrit16(pos + 2, enchere.Alerte);
}

std::size_t TDonne::PosAlerte(int n) const {
  return offsets::Alertes + 41 * static_cast<std::size_t>(Bloc().Borne(n, 1, NbAlertes, "alerte") - 1);
}

std::uint8_t TDonne::LgAlerte(int n) const { return Bloc().Lit8(PosAlerte(n)); }

std::string TDonne::Alerte(int n) const {
  const std::size_t pos = PosAlerte(n);
  const int lg = std::min<int>(Bloc().Lit8(pos), LgMaxAlerte);
  return std::string(reinterpret_cast<const char*>(octets_.data() + pos + 1), static_cast<std::size_t>(lg));
}

void TDonne::SetAlerte(int n, std::string_view octets) {
  const std::size_t pos = PosAlerte(n);
  if (octets.size() > LgMaxAlerte) {
    throw ErreurDonnee(PrefixeDonne(numero_) + "alerte " + std::to_string(n) + " de " +
                       std::to_string(octets.size()) + " octets, plus longue que son champ (40 octets).");
  }
  std::fill_n(octets_.begin() + static_cast<std::ptrdiff_t>(pos), 41, 0);
  BlocModifiable().Ecrit8(pos, static_cast<std::uint8_t>(octets.size()));
  std::copy(octets.begin(), octets.end(), octets_.begin() + static_cast<std::ptrdiff_t>(pos + 1));
}

std::size_t TDonne::PosPenalite(int n) const {
  return offsets::Penalites + 4 * static_cast<std::size_t>(Bloc().Borne(n, 1, NbCommentaires, "pénalité du commentaire") - 1);
}
std::int32_t TDonne::Penalite(int n) const { return Bloc().Lit32(PosPenalite(n)); }
void TDonne::SetPenalite(int n, std::int32_t points) { BlocModifiable().Ecrit32(PosPenalite(n), points); }

std::size_t TDonne::PosChaine(int c) const {
  return offsets::Chaines + TailleChaine * static_cast<std::size_t>(Bloc().Borne(c, 1, NbChaines, "chaîne") - 1);
}
TChaine TDonne::Chaine(int c) const { return {octets_.data() + PosChaine(c), c, numero_}; }
TChaineModifiable TDonne::Chaine(int c) { return {octets_.data() + PosChaine(c), c, numero_}; }

std::size_t TDonne::PosCompteur(int table, T4Couleur s) const {
  const int f = Bloc().Borne(table, 1, NbTablesCompteurs, "table de compteurs");
  const int c = Bloc().Borne(s, clTrefle, clPique, "couleur du compteur");
  return offsets::Compteurs + 64 * static_cast<std::size_t>(f - 1) + 16 * static_cast<std::size_t>(c);
}

TCompteur TDonne::Compteur(int table, T4Couleur s) const {
  const std::size_t pos = PosCompteur(table, s);
  TCompteur compteur{Bloc().Lit32(pos), Bloc().Lit16(pos + 4), {}};
  for (std::size_t i = 0; i < compteur.Rangs.size(); ++i) compteur.Rangs[i] = Bloc().Lit8(pos + 8 + i);
  return compteur;
}

void TDonne::SetCompteur(int table, T4Couleur s, const TCompteur& compteur) {
  const std::size_t pos = PosCompteur(table, s);
  BlocModifiable().Ecrit32(pos, compteur.Reste);
  BlocModifiable().Ecrit16(pos + 4, compteur.Code);
  for (std::size_t i = 0; i < compteur.Rangs.size(); ++i) BlocModifiable().Ecrit8(pos + 8 + i, compteur.Rangs[i]);
}

std::size_t TDonne::PosPool(int p) const {
  return offsets::Pools + TaillePool * static_cast<std::size_t>(Bloc().Borne(p, 1, NbPools, "pool") - 1);
}
TPool TDonne::Pool(int p) const { return {octets_.data() + PosPool(p), p, numero_}; }
TPoolModifiable TDonne::Pool(int p) { return {octets_.data() + PosPool(p), p, numero_}; }

std::size_t TDonne::PosGroupe(int g) const {
  return offsets::Groupes + 20 * static_cast<std::size_t>(Bloc().Borne(g, 1, NbGroupes, "groupe") - 1);
}

TGroupe TDonne::Groupe(int g) const {
  const std::size_t pos = PosGroupe(g);
  TGroupe groupe;
  for (std::size_t i = 0; i < 4; ++i) {
    groupe.Prealables[i] = Bloc().LitCarte(pos + 2 * i);
    groupe.Acceptees[i] = Bloc().LitCarte(pos + 8 + 2 * i);
  }
  groupe.Code = Bloc().Lit16(pos + 16);
  return groupe;
}

void TDonne::SetGroupe(int g, const TGroupe& groupe) {
  const std::size_t pos = PosGroupe(g);
  for (std::size_t i = 0; i < 4; ++i) {
    BlocModifiable().EcritCarte(pos + 2 * i, groupe.Prealables[i]);
    BlocModifiable().EcritCarte(pos + 8 + 2 * i, groupe.Acceptees[i]);
  }
  BlocModifiable().Ecrit16(pos + 16, groupe.Code);
}

std::size_t TDonne::PosJeuComplet(int levee, int i) const {
  const int t = Bloc().Borne(levee, 1, NbLeveesJeuComplet, "levée du jeu complet");
  const int k = Bloc().Borne(i, 1, 4, "carte de la levée du jeu complet");
  return offsets::JeuComplet + 8 * static_cast<std::size_t>(t - 1) + 2 * static_cast<std::size_t>(k - 1);
}
TCard TDonne::JeuComplet(int levee, int i) const { return Bloc().LitCarte(PosJeuComplet(levee, i)); }
void TDonne::SetJeuComplet(int levee, int i, TCard carte) { BlocModifiable().EcritCarte(PosJeuComplet(levee, i), carte); }

TCard TDonne::Entame() const { return Chaine(1).Defense(1, 1).Carte; }

}  // namespace kalvo
