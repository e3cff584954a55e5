#include "tools/kalvo-deals/PbnBase.h"

#include "control/DonnePbn.h"
#include "engine/PartieCartes.h"
#include "model/NotationMains.h"
#include "model/Windows1252.h"
#include "engine/DoubleMort.h"

#include <algorithm>
#include <sstream>

namespace kalvo::outil_donnes {

namespace {

// The calls and contracts as the sources write them.
constexpr std::array<std::string_view, 5> CouleursSource{"T", "K", "C", "P", "SA"};

std::string AppelSource(const TEnchere& appel) {
  if (appel.Niveau >= 1) return std::to_string(appel.Niveau) + std::string(CouleursSource[appel.Couleur]);
  if (appel.Couleur == 1) return "passe";
  return appel.Couleur == 2 ? "contre" : "surcontre";
}

// At most n characters of a UTF-8 text.
std::string Debut(std::string_view texte, std::size_t n) {
  std::size_t pos = 0;
  for (std::size_t k = 0; k < n && pos < texte.size(); ++k) (void)LitCaractereUtf8(texte, pos);
  return std::string(texte.substr(0, pos));
}

std::size_t Longueur(std::string_view texte) {
  std::size_t pos = 0, n = 0;
  while (pos < texte.size()) {
    (void)LitCaractereUtf8(texte, pos);
    ++n;
  }
  return n;
}

// A seat after the turn that puts the declarer South.
struct TRotation {
  int Pas = 0;
  TJoueur operator()(TJoueur joueur) const { return static_cast<TJoueur>((joueur + Pas) % 4); }
};

std::string Nom(TJoueur joueur) { return std::string(NomsJoueurs[joueur]); }

std::string Rangee(const std::string& joueur) { return "  " + joueur + std::string(6 - Longueur(joueur), ' ') + ": "; }

}  // namespace

std::string PbnDeBase(const TBaseLue& base) {
  const std::string volume = std::filesystem::path(base.Nom).stem().string();
  std::vector<TPartiePbn> parties;
  for (std::size_t k = 0; k < base.Donnes.size(); ++k)
    parties.push_back(PartiePbn(base.Donnes[k], base.Volume[static_cast<int>(k) + 1], volume, std::nullopt));
  return EcritPbn(parties);
}

std::optional<std::string> SqueletteDonne(const TPartiePbn& partie, const std::string& source, std::string& erreur) {
  if (partie.Contrat.Niveau == 0) {
    erreur = "la donne a été passée : il n'y a pas de contrat à jouer.";
    return std::nullopt;
  }
  const TRotation tourne{(4 - partie.Declarant) % 4};
  T4Jeux mains;
  for (const TJoueur joueur : TousLesJoueurs) mains.cartes[tourne(joueur)] = partie.Mains.cartes[joueur];
  TVulnerabilite vulnerabilite = partie.Vulnerabilite;
  if (tourne.Pas % 2 == 1 && (vulnerabilite == vlnNS || vulnerabilite == vlnEO))
    vulnerabilite = vulnerabilite == vlnNS ? vlnEO : vlnNS;

  // The club's play, checked card by card in the turned seats.
  TPartieCartes jeu(mains, partie.Contrat.Atout);
  std::vector<TLeveeJouee> levees;
  for (std::size_t k = 0; k < partie.Levees.size(); ++k) {
    const int ligne = k < partie.LignesLevees.size() ? partie.LignesLevees[k] : 0;
    for (int i = 0; i < 4; ++i) {
      const TJoueur joueur = jeu.JoueurActuel();
      TCard carte{};
      for (const TJoueur origine : TousLesJoueurs)
        if (tourne(origine) == joueur) carte = partie.Levees[k][origine];
      if (!carte.EstReelle()) break;
      if (const auto refus = jeu.Joue(carte)) {
        erreur = "ligne " + std::to_string(ligne) + " : levée " + std::to_string(k + 1) + ", " + NomCarteArticle(carte) +
                 " : " + *refus;
        return std::nullopt;
      }
    }
    if (!jeu.FinDeLevee()) break;
  }
  levees = jeu.Levees();
  const TCard entameClub = jeu.Cartes().empty() ? TCard{} : jeu.Cartes().front();

  std::ostringstream t;
  t << "# Squelette de leçon tiré de " << source;
  if (partie.LigneDebut > 0) t << " (partie de la ligne " << partie.LigneDebut << ")";
  t << ".\n";
  if (!partie.Evenement.empty() || partie.Board > 0)
    t << "# PBN : « " << partie.Evenement << " »" << (partie.Board > 0 ? ", donne " + std::to_string(partie.Board) : "") << ".\n";
  if (tourne.Pas != 0)
    t << "# Les mains sont tournées pour que le déclarant, " << Nom(partie.Declarant)
      << " dans le fichier, soit Sud ; l'enchère et le jeu tournent avec elles.\n";
  t << "# À écrire : le thème, la force, les commentaires d'erreur, les chaînes des\n"
       "# levées suivantes, les questions, « Le point » et le résumé (deals/README.md).\n\n";
  t << "theme 0          # à choisir : numéro (0 à 27) ou nom du thème\n";
  t << "force 1          # à choisir : difficulté de 1 à 4\n";
  t << "donneur " << Nom(tourne(partie.Donneur)) << '\n';
  t << "vulnerabilite " << NomsVulnerabilites[vulnerabilite] << '\n';
  t << "contrat " << partie.Contrat.Niveau << CouleursSource[partie.Contrat.Atout];
  if (partie.Contrat.Contre > 0) t << "    # " << (partie.Contrat.Contre == 1 ? "contré" : "surcontré") << " dans le fichier";
  t << '\n';
  TRangsDonne rangs;
  for (const TJoueur joueur : TousLesJoueurs) {
    std::vector<TCard> cartes(mains.cartes[joueur].begin(), mains.cartes[joueur].end());
    RangeCommeLeMoteur(cartes);
    rangs[joueur] = MainDeCartes(cartes);
  }
  t << "mains " << EcritDonnePbn(rangs) << '\n';

  // Alerts: the notes of the auction numbered 1..4 in their order of use.
  std::vector<int> notes;
  std::string encheres;
  if (partie.Encheres.empty()) {
    // No auction in the file: the simplest one that reaches the contract.
    t << "# Le fichier n'a pas d'enchère : celle-ci mène seulement au contrat, à récrire.\n";
    for (TJoueur j = tourne(partie.Donneur); j != jrSud; j = JoueurSuivant(j)) encheres += "passe ";
    encheres += AppelSource(TEnchere{static_cast<std::uint8_t>(partie.Contrat.Niveau),
                                     static_cast<std::uint8_t>(partie.Contrat.Atout), 0});
    if (partie.Contrat.Contre >= 1) encheres += " contre";
    if (partie.Contrat.Contre == 2) encheres += " surcontre";
    encheres += " passe passe passe";
  }
  for (const TEnchere& appel : partie.Encheres) {
    if (!encheres.empty()) encheres += ' ';
    encheres += AppelSource(appel);
    if (appel.Alerte == 0) continue;
    auto place = std::find(notes.begin(), notes.end(), appel.Alerte);
    if (place == notes.end() && notes.size() < NbAlertes) place = notes.insert(notes.end(), appel.Alerte);
    if (place != notes.end()) encheres += "!" + std::to_string(place - notes.begin() + 1);
  }
  t << "encheres " << encheres << '\n';
  for (std::size_t k = 0; k < notes.size(); ++k) {
    std::string texte;
    for (const auto& [numero, note] : partie.Notes)
      if (numero == notes[k]) texte = note;
    if (texte.empty()) texte = "à écrire";
    t << "alerte " << k + 1 << " : " << Debut(texte, LgMaxAlerte) << '\n';
    if (Longueur(texte) > LgMaxAlerte) t << "# alerte " << k + 1 << " raccourcie à 40 caractères ; en entier : " << texte << '\n';
  }
  for (const auto& [numero, note] : partie.Notes)
    if (std::find(notes.begin(), notes.end(), numero) == notes.end())
      t << "# note " << numero << " du fichier, sans place parmi les quatre alertes : " << note << '\n';

  // The double-dummy result: from West's free lead, then after the club's
  // lead; the first trick: the club's, else completed double dummy.
  const int demandees = partie.Contrat.Niveau + 6;
  TPartieCartes premiere(mains, partie.Contrat.Atout);
  try {
    const int libre = LeveesNSDoubleMort(TPartieCartes(mains, partie.Contrat.Atout));
    t << "\n# Double mort, meilleure défense : Sud fait " << libre << " levées (il en faut " << demandees << ") ; ";
    t << (libre >= demandees ? "le contrat est faisable" : "le contrat chute") << " contre la meilleure entame.\n";
    if (entameClub.EstReelle()) {
      TPartieCartes apres(mains, partie.Contrat.Atout);
      (void)apres.Joue(entameClub);
      t << "# Après l'entame du fichier (" << NomCarteArticle(entameClub) << ") : " << LeveesNSDoubleMort(apres)
        << " levées.\n";
    }
    // The tricks up to the first the declarer's side wins (the engine's
    // solutions take over only with South or North on lead): the club's,
    // each card it does not give chosen double dummy.
    while (!premiere.Terminee()) {
      const std::size_t k = premiere.Levees().size();
      const std::size_t i = static_cast<std::size_t>(premiere.NbSurTable());
      const TCard carte = k < levees.size()                   ? levees[k].Cartes[i]
                          : (k == 0 && i == 0 && entameClub.EstReelle()) ? entameClub
                                                                         : MeilleureCarteDoubleMort(premiere);
      (void)premiere.Joue(carte);
      if (premiere.FinDeLevee() && LigneDe(premiere.GagnantDerniere()) == liNS) break;
    }
  } catch (const ErreurDoubleMort& e) {
    erreur = std::string("analyse en double mort impossible : ") + e.what();
    return std::nullopt;
  }
  const std::vector<TLeveeJouee>& ecrites = premiere.Levees();
  t << "\n# commentaire 1 20 : texte de l'erreur (une idée, « vous », moins de 200 caractères)\n";
  for (std::size_t k = 0; k < ecrites.size(); ++k) {
    const TLeveeJouee& levee = ecrites[k];
    const std::string nom = k == 0 ? "entame" : "levee" + std::to_string(k + 1);
    const bool derniere = k + 1 == ecrites.size();
    t << "\n# Levée " << k + 1 << " : " << Nom(levee.Entameur) << (k == 0 ? " entame " : " joue ") << NomCarteArticle(levee.Cartes[0])
      << (k < levees.size() ? " (jeu du fichier)" : " (double mort, à revoir)") << ".\n";
    if (k == 0)
      t << "# Ajoutez aux lignes de Sud et de Nord les cartes fautives (=N) et les\n"
           "# équivalentes ; « suivante » mène à la chaîne de la levée suivante.\n";
    t << "chaine " << nom << " levee " << k + 1 << " entame " << Nom(levee.Entameur) << " suivante "
      << (derniere ? std::string("suite") : "levee" + std::to_string(k + 2)) << '\n';
    TJoueur joueur = levee.Entameur;
    for (const TCard carte : levee.Cartes) {
      t << Rangee(Nom(joueur)) << CodeCarte(carte) << '\n';
      joueur = JoueurSuivant(joueur);
    }
  }
  t << "\n# En attendant les chaînes des levées suivantes, le programme juge la suite\n"
       "# par ses solutions : remplacez cette chaîne par les vôtres.\n"
       "chaine suite solution\n";
  if (levees.size() > ecrites.size()) {
    t << "\n# La suite du jeu du fichier, à écrire en chaînes :\n";
    for (std::size_t k = ecrites.size(); k < levees.size(); ++k) {
      t << "# levée " << k + 1 << " :";
      TJoueur j = levees[k].Entameur;
      for (const TCard carte : levees[k].Cartes) {
        t << ' ' << Nom(j) << ' ' << CodeCarte(carte);
        j = JoueurSuivant(j);
      }
      t << '\n';
    }
  }
  if (partie.Resultat) t << "# Résultat du fichier : " << *partie.Resultat << " levées pour le déclarant.\n";
  t << "\n# question levee 3 repartition H penalite 10\n";
  t << "\npoint\n# Le point\nÀ écrire : le contrat et l'entame, les levées sûres, ce qui peut mal tourner, le plan.\nfin point\n";
  t << "\nresume\n# Jeu de la carte\nÀ écrire : la bonne ligne levée par levée, la ligne tentante et pourquoi elle échoue, la leçon en une phrase.\nfin resume\n";
  return t.str();
}

}  // namespace kalvo::outil_donnes
