// The written reasons of the script's deliberate refusals: a card the
// script refuses although it is as good double dummy, kept on purpose for
// a reason the user can follow without seeing the hidden hands (a sure
// line against a guess). The source gives the reason on the chain or pool
// that refuses ("raison N : texte"); the comment N the user is shown must
// say it. The deal record has no room for it: the compiler writes the
// reasons into a small text table beside the database, named like it with
// the extension ".RAI", which the checks and the audit read.
#pragma once

#include "model/Commentaires.h"
#include "model/Donne.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kalvo::redaction {

struct TRaison {
  int Donne = 0;      // the deal's number in the database
  bool Pool = false;  // the place is a pool, else a chain (or an automatic node)
  int Numero = 0;     // the chain or pool
  int Code = 0;       // the comment of the refusal, 1..18, or 91: the program's "Il faut surprendre..."
                      // of an overtaking check (rank 80) in the chain
  std::string Texte;  // UTF-8
  friend bool operator==(const TRaison&, const TRaison&) = default;
};

// "K01FR_DEMO.DAT" -> "K01FR_DEMO.RAI".
std::string NomTableRaisons(std::string_view fichierDonnes);

// The table's text: a comment line, then one reason a line,
// "DONNE chaine|pool NUMERO CODE texte".
std::string EcritRaisons(const std::vector<TRaison>& raisons);

struct TRaisonsLues {
  std::vector<TRaison> Raisons;
  std::vector<std::string> Avertissements;  // French: lines that could not be read
};
TRaisonsLues LitRaisons(std::string_view texte, std::string_view nomTable);
// A missing table is no table: no reason, no warning.
TRaisonsLues ChargeRaisons(const std::filesystem::path& table);

// What is wrong with a deal's reasons (French, one message each): a place
// that does not exist, no entry of the place that earns the comment, a
// comment that does not say the reason.
std::vector<std::string> VerifieRaisons(const TDonne& donne, const TComments& commentaires,
                                        const std::vector<TRaison>& raisons);

// The reason of a refusal found at chain `chaine` or pool `pool` with
// comment `code`, if the deal's table has one.
const TRaison* RaisonDuRefus(const std::vector<TRaison>& raisons, int chaine, int pool, int code);

// Whether the comment says the reason: the reason's words appear in the
// comment in the same order, case and spacing aside.
bool CommentaireDitLaRaison(std::string_view commentaire, std::string_view raison);

}  // namespace kalvo::redaction
