// The errors the model reports. Every message is French and complete: the
// caller shows it as it is.
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace kalvo {

// The data of one deal is broken (a number out of range, a bad comment
// line...). The controller stops that deal with the message and goes on.
class ErreurDonnee : public std::runtime_error {
 public:
  explicit ErreurDonnee(const std::string& message) : std::runtime_error(message) {}
};

// A file cannot be read or written.
class ErreurFichier : public std::runtime_error {
 public:
  explicit ErreurFichier(const std::string& message) : std::runtime_error(message) {}
};

// The deals database cannot be opened: the program shows the French message,
// then the English one, and closes.
class ErreurBaseAbsente : public ErreurFichier {
 public:
  explicit ErreurBaseAbsente(std::string_view fichierDonnes);
  const std::string& MessageAnglais() const { return messageAnglais_; }

 private:
  std::string messageAnglais_;
};

// "Donne 3 : " when the deal is known (numero > 0), else nothing.
std::string PrefixeDonne(int numeroDonne);

// Throws ErreurDonnee "Donne 3 : chaîne 512 hors des limites (1 à 400)."
// unless min <= valeur <= max; returns valeur.
long long VerifieBornes(long long valeur, long long min, long long max, int numeroDonne,
                        std::string_view quoi);

// The two messages shown when the deals database is missing, French first.
std::string MessageBaseAbsente(std::string_view fichierDonnes);
std::string MessageBaseAbsenteAnglais(std::string_view fichierDonnes);

// A system error number as a short French text ("permission refusée").
std::string TexteErreurSysteme(int numeroErreur);

}  // namespace kalvo
