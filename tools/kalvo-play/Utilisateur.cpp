#include "tools/kalvo-play/Utilisateur.h"

#include <map>
#include <sstream>

namespace kalvo::outil_partie {

namespace {

std::vector<std::string> Mots(const std::string& ligne) {
  std::istringstream flux(ligne);
  std::vector<std::string> mots;
  for (std::string mot; flux >> mot;) mots.push_back(mot);
  return mots;
}

std::optional<TJoueur> LitSiege(const std::string& mot) {
  if (mot.size() != 1) return std::nullopt;
  switch (mot[0]) {
    case 'S': return jrSud;
    case 'W': case 'O': return jrOuest;
    case 'N': return jrNord;
    case 'E': return jrEst;
    default: return std::nullopt;
  }
}

std::optional<int> LitEntier(const std::string& mot) {
  try {
    std::size_t fin = 0;
    const int valeur = std::stoi(mot, &fin);
    if (fin == mot.size()) return valeur;
  } catch (const std::exception&) {
  }
  return std::nullopt;
}

const std::map<std::string, TGeste::TGenre>& Gestes() {
  static const std::map<std::string, TGeste::TGenre> gestes{
      {"click", TGeste::Clic},          {"key", TGeste::Touche},        {"right", TGeste::Droit},
      {"next", TGeste::Suivant},        {"auto", TGeste::JouePourMoi},  {"lasttrick", TGeste::DerniereLevee},
      {"point", TGeste::Point},         {"bids", TGeste::Encheres},     {"ctrl-alt-f9", TGeste::FinImmediate}};
  return gestes;
}

bool EstTirage(const std::vector<std::string>& mots) { return mots[0] == "draw"; }

// A gesture line, or nothing when the line is an answer.
std::optional<TGeste> LitGeste(int numero, const std::vector<std::string>& mots) {
  const std::string& premier = mots[0];
  if (premier == "answer" || premier == "end") return std::nullopt;
  if (EstTirage(mots)) {
    if (mots.size() != 2 || (mots[1] != "then" && mots[1] != "else"))
      throw ErreurScript(numero, "ligne " + std::to_string(numero) + " : il faut « draw then » ou « draw else ».");
    return std::nullopt;
  }
  TGeste geste;
  geste.Ligne = numero;
  if (const auto g = Gestes().find(premier); g != Gestes().end() && mots.size() == 1) {
    geste.Genre = g->second;
    geste.Texte = premier;
    return geste;
  }
  const std::string code = premier == "play" && mots.size() == 2 ? mots[1] : premier;
  if ((premier == "play" && mots.size() != 2) || (premier != "play" && mots.size() != 1) ||
      !LitCodeCarte(code, geste.Carte)) {
    throw ErreurScript(numero, "ligne " + std::to_string(numero) + " : geste inconnu « " + premier + " ».");
  }
  geste.Genre = TGeste::CarteJouee;
  geste.Texte = CodeCarte(geste.Carte);
  return geste;
}

void VerifieReponse(int numero, const std::vector<std::string>& mots) {
  const std::string message = "ligne " + std::to_string(numero) + " : ";
  if (mots[0] == "end") {
    if (mots.size() != 2 || (mots[1] != "next" && mots[1] != "replay" && mots[1] != "stop"))
      throw ErreurScript(numero, message + "il faut « end next », « end replay » ou « end stop ».");
    return;
  }
  TCard carte;
  const bool bon = mots.size() == 3 && ((mots[1] == "card" && LitCodeCarte(mots[2], carte)) ||
                                        ((mots[1] == "number" || mots[1] == "proposal") && LitEntier(mots[2])) ||
                                        (mots[1] == "seat" && LitSiege(mots[2])));
  if (!bon) throw ErreurScript(numero, message + "il faut « answer card|number|proposal|seat VALEUR ».");
}

}  // namespace

TUtilisateurScript::TUtilisateurScript(const std::string& texte) {
  std::istringstream flux(texte);
  int numero = 0;
  for (std::string ligne; std::getline(flux, ligne);) {
    ++numero;
    if (const auto diese = ligne.find('#'); diese != std::string::npos) ligne.erase(diese);
    std::vector<std::string> mots = Mots(ligne);
    if (mots.empty()) continue;
    if (!LitGeste(numero, mots) && !EstTirage(mots)) VerifieReponse(numero, mots);
    lignes_.push_back({numero, std::move(mots)});
  }
}

const TUtilisateurScript::TLigne* TUtilisateurScript::Suivante() {
  for (; position_ < lignes_.size() && EstTirage(lignes_[position_].Mots); ++position_)
    tirages_.push_back(lignes_[position_].Mots[1] == "then");
  return position_ < lignes_.size() ? &lignes_[position_] : nullptr;
}

std::optional<bool> TUtilisateurScript::Tirage() {
  if (tirages_.empty()) return std::nullopt;
  const bool alors = tirages_.front();
  tirages_.pop_front();
  return alors;
}

std::optional<TGeste> TUtilisateurScript::Geste(const TControleur&) {
  const TLigne* ligne = Suivante();
  if (!ligne) return std::nullopt;
  std::optional<TGeste> geste = LitGeste(ligne->Numero, ligne->Mots);
  if (!geste) {
    throw ErreurScript(ligne->Numero, "ligne " + std::to_string(ligne->Numero) + " : « " + ligne->Mots[0] +
                                          " » alors qu'aucune question ni fin de donne n'attend de réponse.");
  }
  ++position_;
  return geste;
}

std::optional<TReponseQuestion> TUtilisateurScript::Reponse(const TQuestionPosee& question) {
  const TLigne* ligne = Suivante();
  if (!ligne) return std::nullopt;
  if (ligne->Mots[0] != "answer") {
    throw ErreurScript(ligne->Numero, "ligne " + std::to_string(ligne->Numero) + " : la question " +
                                          std::to_string(question.Numero) + " attend « answer ... ».");
  }
  ++position_;
  TReponseQuestion reponse;
  const std::string& genre = ligne->Mots[1];
  const std::string& valeur = ligne->Mots[2];
  if (genre == "card") LitCodeCarte(valeur, reponse.Carte);
  if (genre == "number") reponse.Nombre = *LitEntier(valeur);
  if (genre == "proposal") reponse.Proposition = *LitEntier(valeur);
  if (genre == "seat") reponse.Joueur = *LitSiege(valeur);
  return reponse;
}

std::optional<int> TUtilisateurScript::ChoixFin() {
  const TLigne* ligne = Suivante();
  if (!ligne) return std::nullopt;
  if (ligne->Mots[0] != "end") {
    throw ErreurScript(ligne->Numero, "ligne " + std::to_string(ligne->Numero) +
                                          " : l'écran de fin de donne attend « end next|replay|stop ».");
  }
  ++position_;
  const std::string& choix = ligne->Mots[1];
  return choix == "next" ? ActionSuivante : choix == "replay" ? ActionRejouer : ActionArreter;
}

std::optional<TGeste> TUtilisateurHasard::Geste(const TControleur& controleur) {
  const TEtatControleur& e = controleur.Etat();
  TGeste geste;
  if (e.Boutons[bjNext]) {
    geste.Genre = Tire(2) == 0 ? TGeste::Suivant : TGeste::Clic;
  } else if (e.InJeu && e.Boutons[bjJeuAuto] && Tire(40) == 0) {
    geste.Genre = TGeste::JouePourMoi;
  } else if (e.LeveeComplete && e.PeutJouerDirectement && Tire(2) == 0) {
    const std::vector<TCard> cartes = CartesJouables(controleur, e.Gagnant);
    geste.Genre = TGeste::CarteJouee;
    geste.Carte = cartes[static_cast<std::size_t>(Tire(static_cast<int>(cartes.size())))];
  } else if (controleur.AttendCarteUtilisateur()) {
    const std::vector<TCard> cartes = CartesJouables(controleur, e.JoueurActuel);
    geste.Genre = TGeste::CarteJouee;
    geste.Carte = cartes[static_cast<std::size_t>(Tire(static_cast<int>(cartes.size())))];
  } else {
    geste.Genre = Tire(4) == 0 ? TGeste::Touche : TGeste::Clic;
  }
  geste.Texte = geste.Genre == TGeste::CarteJouee ? CodeCarte(geste.Carte)
                : geste.Genre == TGeste::Suivant ? "next"
                : geste.Genre == TGeste::JouePourMoi ? "auto"
                : geste.Genre == TGeste::Touche ? "key"
                                                : "click";
  return geste;
}

std::optional<TReponseQuestion> TUtilisateurHasard::Reponse(const TQuestionPosee& question) {
  TReponseQuestion reponse;
  reponse.Carte = CarteDeIndex(1 + Tire(52));
  reponse.Nombre = Tire(question.Type == tqPoints ? 16 : 8);
  reponse.Proposition = Tire(question.NbPropositions > 0 ? question.NbPropositions : 4);
  reponse.Joueur = static_cast<TJoueur>(Tire(4));
  // Now and then the right answer, so that both paths are played.
  if (Tire(3) == 0) return ReponseJuste(question);
  return reponse;
}

}  // namespace kalvo::outil_partie
