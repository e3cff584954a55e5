// A deal as the screen shows it, prepared when the deal is read: every value
// the table, the auction review, "Le point" and the end-of-deal screen show
// of the deal, already in UTF-8. The screen keeps it until the next deal.
#pragma once

#include "control/FinDonne.h"
#include "control/RevueEncheres.h"
#include "model/BaseDonnes.h"
#include "model/Encheres.h"
#include "model/LecteurRtf.h"

#include <array>
#include <string>
#include <vector>

namespace kalvo {

struct TDonneAffichee {
  int Numero = 0;                 // the deal's number in the database (the board, the reviews)
  TContrat Contrat;               // the hands are sorted by its strain
  T4Jeux Mains;                   // the four hands as dealt
  TJoueur Donneur = jrSud;
  TVulnerabilite Vulnerabilite = vlnPersonne;
  std::vector<TAppel> Encheres;   // the calls from the dealer's, without the end marker
  std::array<std::string, NbAlertes> Alertes;  // the explanation of alert n at n - 1
  TRevueEncheres Revue;           // the auction review window
  TContenuFinDonne FinDonne;      // the end-of-deal screen but its commentary
  TDocumentRtf Resume;            // the summary of the play ("resume.rtf")
  TDocumentRtf Point;             // "Le point" ("point.rtf")
};

// Throws ErreurDonnee for a broken header or auction, which reading the deal
// has refused already.
TDonneAffichee PrepareDonneAffichee(const TDonneLue& donne, int numero);

}  // namespace kalvo
