// The chains of a deal source: "chaine NOM GENRE ..." and the lines of
// their blocks.
#include "tools/authoring/AnalyseurSource.h"

namespace kalvo::redaction {

namespace {

bool EstCouleurOuQuelconque(std::uint8_t c) { return c <= clPique || c == CouleurQuelconque; }

// Ranks a defender's alternative may hold.
bool EstRangDefense(std::uint8_t h) {
  return (h >= 2 && h <= 14) || h == RangQuelconque || h == RangPlusHaute || h == RangBatCampDeclarant ||
         h == RangBasDeSequence;
}

}  // namespace

std::optional<TRenvoi> TAnalyseurSource::Renvoi(TCurseurMots& mots, bool stopPermis) {
  const int numero = mots.Ligne().Numero;
  if (mots.Fin()) {
    Erreur(numero, "nom de chaîne manquant.");
    return std::nullopt;
  }
  const std::string mot = mots.Prend();
  const std::string r = Replie(mot);
  if (r == "aucune") return TRenvoi{TRenvoi::rvAucun, {}, numero};
  if (r == "stop") {
    if (stopPermis) return TRenvoi{TRenvoi::rvStop, {}, numero};
    Erreur(numero, "« stop » ne sert que dans un test de distribution.");
    return std::nullopt;
  }
  if (!Etiquette(mots.Ligne(), mot)) return std::nullopt;
  return TRenvoi{TRenvoi::rvEtiquette, mot, numero};
}

bool TAnalyseurSource::AlorsSinon(TCurseurMots& mots, TChaineSource& chaine) {
  const bool mode = chaine.Type == tcAutomatique || chaine.Type == tcPool;
  const std::string_view premier = mode ? "si-sud" : "alors";
  if (!mots.Accepte(premier)) {
    Erreur(mots.Ligne().Numero, "il faut « " + std::string(premier) + " CHAINE sinon CHAINE ».");
    return false;
  }
  const auto a = Renvoi(mots, false);
  if (!a) return false;
  if (!mots.Accepte("sinon")) {
    Erreur(mots.Ligne().Numero, "il faut « sinon CHAINE » après « " + std::string(premier) + " ».");
    return false;
  }
  const auto b = Renvoi(mots, false);
  if (!b) return false;
  chaine.A = *a;
  chaine.B = *b;
  return true;
}

void TAnalyseurSource::Chaine(const TLigneDonne& ligne) {
  TCurseurMots mots(ligne, 1);
  if (mots.Fin() || !Etiquette(ligne, mots.Courant()))
    return Erreur(ligne.Numero, "il faut « chaine NOM GENRE ... ».");
  source_.Chaines.push_back({});
  TChaineSource& chaine = source_.Chaines.back();
  chaine.Etiquette = mots.Prend();
  chaine.Ligne = ligne.Numero;
  bloc_ = blChaine;
  if (mots.Fin()) return Erreur(ligne.Numero, "genre de chaîne manquant (levee, distribution, tenues, ...).");
  const std::string genre = Replie(mots.Prend());
  if (genre == "levee") return EnTeteLevee(mots, chaine);
  if (genre == "distribution" || genre == "longueur") {
    chaine.Type = genre == "distribution" ? tcDistribution : tcLongueur;
    FinDeLigne(mots);
    return;
  }
  if (genre == "automatique" || genre == "pool") {
    chaine.Type = genre == "automatique" ? tcAutomatique : tcPool;
    if (chaine.Type == tcPool) bloc_ = blAucun;
    return EnTeteMode(mots, chaine);
  }
  bloc_ = blAucun;
  EnTeteNoeud(genre, mots, chaine);
}

void TAnalyseurSource::EnTeteLevee(TCurseurMots& mots, TChaineSource& chaine) {
  const int numero = mots.Ligne().Numero;
  chaine.Type = tcLevee;
  if (!mots.Fin() && LitNombre(mots.Courant())) {
    const auto n = NombreSuivant(mots, 1, 13, "numéro de levée");
    if (!n) return;
    chaine.NumeroLevee = static_cast<int>(*n);
  }
  if (!mots.Accepte("entame") || mots.Fin())
    return Erreur(numero, "il faut « chaine NOM levee [N] entame JOUEUR [suivante CHAINE] [equivalente CHAINE] ».");
  const auto entameur = Joueur(mots.Ligne(), mots.Prend());
  if (!entameur) return;
  chaine.Entameur = *entameur;
  while (!mots.Fin()) {
    const bool suivante = mots.Accepte("suivante");
    if (!suivante && !mots.Accepte("equivalente"))
      return Erreur(numero, "mot " + Guillemets(mots.Courant()) + " inattendu (suivante, equivalente).");
    const auto renvoi = Renvoi(mots, false);
    if (!renvoi) return;
    (suivante ? chaine.Suivante : chaine.Equivalente) = *renvoi;
  }
}

void TAnalyseurSource::EnTeteMode(TCurseurMots& mots, TChaineSource& chaine) {
  const int numero = mots.Ligne().Numero;
  if (chaine.Type == tcPool) {
    if (mots.Fin() || !Etiquette(mots.Ligne(), mots.Courant()))
      return Erreur(numero, "il faut « chaine NOM pool POOL levees N si-sud CHAINE sinon CHAINE ».");
    chaine.Pool = mots.Prend();
  }
  if (!mots.Accepte("levees")) return Erreur(numero, "il faut le nombre de levées : « levees N ».");
  const auto n = NombreSuivant(mots, 1, 13, "nombre de levées");
  if (!n) return;
  chaine.NbLevees = static_cast<std::int32_t>(*n);
  if (!AlorsSinon(mots, chaine)) return;
  if (chaine.Type == tcAutomatique && mots.Accepte("defaut")) {
    const auto code = NombreSuivant(mots, 0, 65535, "code par défaut");
    if (!code) return;
    chaine.CodeDefaut = static_cast<std::int32_t>(*code);
  }
  FinDeLigne(mots);
}

void TAnalyseurSource::EnTeteNoeud(const std::string& genre, TCurseurMots& mots, TChaineSource& chaine) {
  const TLigneDonne& ligne = mots.Ligne();
  if (genre == "tenues") {
    chaine.Type = tcCartesTenues;
    if (mots.Fin()) return Erreur(ligne.Numero, "il faut « tenues JOUEUR CARTES... alors CHAINE sinon CHAINE ».");
    const auto joueur = Joueur(ligne, mots.Prend());
    if (!joueur) return;
    chaine.Joueur = *joueur;
    while (!mots.Fin() && Replie(mots.Courant()) != "alors") {
      const auto carte = CarteReelle(ligne, mots.Prend());
      if (!carte) return;
      if (chaine.Cartes.size() >= 17) return Erreur(ligne.Numero, "17 cartes au plus.");
      chaine.Cartes.push_back(*carte);
    }
  } else if (genre == "depasse") {
    chaine.Type = tcPartenairePrend;
    if (mots.Fin()) return Erreur(ligne.Numero, "il faut « depasse JOUEUR COULEUR alors CHAINE sinon CHAINE ».");
    const auto joueur = Joueur(ligne, mots.Prend());
    if (!joueur || mots.Fin()) return;
    const auto couleur = Couleur(ligne, mots.Prend());
    if (!couleur) return;
    chaine.Joueur = *joueur;
    chaine.Couleur = *couleur;
  } else if (genre == "hasard" || genre == "sud-gagne") {
    chaine.Type = genre == "hasard" ? tcHasard : tcGagnantLevee;
  } else if (genre == "revendication") {
    return Revendication(mots, chaine);
  } else if (genre == "retour-debut" || genre == "solution") {
    chaine.Type = genre == "solution" ? tcSolution : tcRetourDebut;
    FinDeLigne(mots);
    return;
  } else {
    return Erreur(ligne.Numero, "genre de chaîne " + Guillemets(genre) +
                                    " inconnu (levee, distribution, tenues, hasard, sud-gagne, revendication, "
                                    "retour-debut, longueur, depasse, automatique, pool, solution).");
  }
  if (AlorsSinon(mots, chaine)) FinDeLigne(mots);
}

void TAnalyseurSource::Revendication(TCurseurMots& mots, TChaineSource& chaine) {
  chaine.Type = tcRevendication;
  bool ns = false, eo = false;
  while (!mots.Fin()) {
    const std::string cle = Replie(mots.Prend());
    const bool commentaire = cle == "commentaire";
    const auto n = NombreSuivant(mots, 0, commentaire ? 65535 : 13, commentaire ? "commentaire" : "levées");
    if (!n) return;
    if (cle == "ns") chaine.LeveesNS = static_cast<std::int32_t>(*n), ns = true;
    else if (cle == "eo") chaine.LeveesEO = static_cast<std::int32_t>(*n), eo = true;
    else if (commentaire) chaine.CodeRevendication = static_cast<std::uint16_t>(*n);
    else return Erreur(mots.Ligne().Numero, "mot " + Guillemets(cle) + " inattendu (ns, eo, commentaire).");
  }
  if (!ns || !eo) Erreur(mots.Ligne().Numero, "il faut « revendication ns N eo N [commentaire N] ».");
}

// ---------------------------------------------------------------- trick chains

std::optional<TCarteDefense> TAnalyseurSource::AlternativeDefense(TCurseurMots& mots) {
  const int numero = mots.Ligne().Numero;
  auto carteDefense = [&](std::string_view mot) -> std::optional<TCard> {
    const auto carte = LitCarteScript(mot);
    if (!carte || !carte->Table.empty() || !EstRangDefense(carte->Carte.h) || !EstCouleurOuQuelconque(carte->Carte.c)) {
      Erreur(numero, "carte de défense " + Guillemets(mot) + " invalide (HK, H*, H+, H>, H^, **...).");
      return std::nullopt;
    }
    return carte->Carte;
  };
  const std::string mot = mots.Prend();
  if (mot.find('=') != std::string::npos) {
    Erreur(numero, "les cartes de la défense n'ont pas de commentaire (" + Guillemets(mot) + ").");
    return std::nullopt;
  }
  const auto carte = carteDefense(mot);
  if (!carte) return std::nullopt;
  TCarteDefense alternative;
  alternative.Carte = *carte;
  if (mots.Accepte("si")) {
    const auto condition = mots.Fin() ? std::nullopt : LitCarteScript(mots.Prend());
    if (!condition || !condition->Table.empty() || condition->Carte.c > clPique ||
        !(condition->Carte.EstReelle() || condition->Carte.h == RangQuelconque)) {
      Erreur(numero, "il faut « CARTE si CARTE » : la carte que doit avoir jouée le joueur d'avant (HQ, ou H* pour toute carte de la couleur).");
      return std::nullopt;
    }
    alternative.SiPrecedente = 1;
    alternative.CarteCondition = condition->Carte;
  } else if (mots.Accepte("seule")) {
    if (carte->h != RangQuelconque || carte->c > clPique) {
      Erreur(numero, "« seule » suit une carte quelconque d'une couleur, par exemple « D* seule DK alors C* ».");
      return std::nullopt;
    }
    const auto derniere = mots.Fin() ? std::nullopt : LitCarteReelle(mots.Prend());
    if (!derniere || !mots.Accepte("alors") || mots.Fin()) {
      Erreur(numero, "il faut « COULEUR* seule CARTE alors CARTE ».");
      return std::nullopt;
    }
    const auto remplacante = carteDefense(mots.Prend());
    if (!remplacante) return std::nullopt;
    alternative.SiDerniere = 1;
    alternative.CarteDerniere = *derniere;
    alternative.CarteCondition = *remplacante;
  }
  return alternative;
}

std::optional<TCarteNommee> TAnalyseurSource::CarteDeclarant(const std::string& mot, int ligne) {
  const TMotCode lu = SepareCode(mot);
  const auto carte = LitCarteScript(lu.Mot);
  bool valide = carte.has_value();
  if (valide) {
    const TCard c = carte->Carte;
    valide = !carte->Table.empty() || c.h == RangBatPartenaire || (c.EstReelle()) ||
             ((c.h == RangQuelconque || c.h == RangPlusHaute) && EstCouleurOuQuelconque(c.c));
  }
  if (!valide) {
    Erreur(ligne, "carte " + Guillemets(lu.Mot) + " invalide pour Sud ou Nord (HK, H*, **, H+, groupe:NOM, compteur:NOM, surprend).");
    return std::nullopt;
  }
  const TLigneDonne vide{ligne, {}, {}};
  const auto code = Code(vide, lu, false);
  if (!code) return std::nullopt;
  return TCarteNommee{*carte, *code, ligne};
}

void TAnalyseurSource::LigneLevee(const TLigneDonne& ligne, TChaineSource& chaine) {
  TCurseurMots mots(ligne, 0);
  const auto joueur = LitJoueur(mots.Prend());
  if (!joueur) return Erreur(ligne.Numero, "une ligne de levée commence par un joueur (Sud, Ouest, Nord, Est), pas par " + Guillemets(ligne.Mots[0]) + ".");
  if (EstDefenseur(*joueur)) {
    auto& liste = chaine.Defense[*joueur];
    while (!mots.Fin()) {
      const auto alternative = AlternativeDefense(mots);
      if (!alternative) return;
      if (liste.size() >= 3) return Erreur(ligne.Numero, "trois cartes au plus pour un défenseur.");
      liste.push_back(*alternative);
    }
    return;
  }
  auto& liste = chaine.Declarant[*joueur];
  while (!mots.Fin()) {
    const auto carte = CarteDeclarant(mots.Prend(), ligne.Numero);
    if (!carte) return;
    if (liste.size() >= 8) return Erreur(ligne.Numero, "huit cartes au plus pour Sud ou Nord.");
    liste.push_back(*carte);
  }
}

// ---------------------------------------------------------------- tests

void TAnalyseurSource::LigneEntree(const TLigneDonne& ligne, TChaineSource& chaine) {
  TCurseurMots mots(ligne, 0);
  const bool distribution = chaine.Type == tcDistribution;
  if (chaine.Type != tcDistribution && chaine.Type != tcLongueur)
    return Erreur(ligne.Numero, "instruction " + Guillemets(ligne.Mots[0]) + " inconnue.");
  if (chaine.Entrees.size() >= 4) return Erreur(ligne.Numero, "quatre entrées au plus.");
  TEntreeSource entree;
  entree.Ligne = ligne.Numero;
  entree.Motifs.fill(0xFFFF);
  if (distribution && mots.Accepte("sinon")) {
    const auto suite = Renvoi(mots, true);
    if (!suite) return;
    entree.Suite = *suite;
    if (FinDeLigne(mots)) chaine.Entrees.push_back(entree);
    return;
  }
  if (!mots.Accepte("si"))
    return Erreur(ligne.Numero, distribution ? "il faut « si JOUEUR COULEUR=N ... alors CHAINE » ou « sinon CHAINE »."
                                             : "il faut « si JOUEUR COULEUR=N alors CHAINE ».");
  std::optional<TJoueur> joueur;
  int nbConditions = 0;
  while (!mots.Fin() && Replie(mots.Courant()) != "alors") {
    const std::string mot = mots.Prend();
    if (const auto j = LitJoueur(mot); j && mot.find('=') == std::string::npos) {
      joueur = j;
      continue;
    }
    const TMotCode lu = SepareCode(mot);
    const auto couleur = LitCouleur(lu.Mot);
    if (!joueur || !couleur || !lu.Code || *lu.Code < 0 || *lu.Code > 13)
      return Erreur(ligne.Numero, "condition " + Guillemets(mot) + " invalide : il faut un joueur puis « COULEUR=N » (N de 0 à 13).");
    const auto n = static_cast<std::uint16_t>(*lu.Code);
    if (distribution) {
      std::uint16_t& motif = entree.Motifs[*joueur];
      const int decalage = 4 * *couleur;
      motif = static_cast<std::uint16_t>((motif & ~(0xF << decalage)) | (n << decalage));
    } else {
      entree.Joueur = *joueur;
      entree.Couleur = *couleur;
      entree.Nombre = n;
    }
    ++nbConditions;
  }
  if (nbConditions == 0 || (!distribution && nbConditions != 1))
    return Erreur(ligne.Numero, distribution ? "une entrée compte au moins une couleur d'un joueur."
                                             : "une entrée de test de longueur compte une couleur d'un joueur.");
  if (!mots.Accepte("alors")) return Erreur(ligne.Numero, "il faut « alors CHAINE ».");
  const auto suite = Renvoi(mots, distribution);
  if (!suite) return;
  entree.Suite = *suite;
  if (FinDeLigne(mots)) chaine.Entrees.push_back(entree);
}

void TAnalyseurSource::LigneAutomatique(const TLigneDonne& ligne, TChaineSource& chaine) {
  TCurseurMots mots(ligne, 0);
  const std::string cle = Replie(ligne.Mots[0]);
  if (cle == "refuse" || cle == "permis") {
    mots.Prend();
    if (mots.Fin()) return Erreur(ligne.Numero, "il faut « " + cle + " COULEUR[=N] ».");
    const TMotCode lu = SepareCode(mots.Prend());
    const auto couleur = Couleur(ligne, lu.Mot);
    const auto code = Code(ligne, lu, false);
    if (!couleur || !code) return;
    chaine.ParCouleur[*couleur] = TParCouleurAuto{static_cast<std::uint8_t>(cle == "permis" ? 1 : 0), *code};
    FinDeLigne(mots);
    return;
  }
  const auto joueur = LitJoueur(mots.Prend());
  if (!joueur || EstDefenseur(*joueur))
    return Erreur(ligne.Numero, "une ligne de mode automatique commence par Sud, Nord, « refuse » ou « permis ».");
  const bool defausse = mots.Accepte("defausses");
  auto& liste = *joueur == jrSud ? chaine.ListeSud : chaine.ListeNord;
  while (!mots.Fin()) {
    const TMotCode lu = SepareCode(mots.Prend());
    const auto carte = CarteReelle(ligne, lu.Mot);
    const auto code = Code(ligne, lu, true);
    if (!carte || !code) return;
    if (liste.size() >= 8) return Erreur(ligne.Numero, "huit exceptions au plus par main.");
    liste.push_back(TCarteAuto{*carte, *code, static_cast<std::uint8_t>(defausse ? 1 : 0)});
  }
}

}  // namespace kalvo::redaction
