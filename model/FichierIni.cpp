#include "model/FichierIni.h"

#include "model/Windows1252.h"

namespace kalvo {

namespace {

std::string_view SansBlancs(std::string_view texte) {
  while (!texte.empty() && (texte.front() == ' ' || texte.front() == '\t')) texte.remove_prefix(1);
  while (!texte.empty() && (texte.back() == ' ' || texte.back() == '\t')) texte.remove_suffix(1);
  return texte;
}

bool MemeNom(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x + 32);
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y + 32);
    if (x != y) return false;
  }
  return true;
}

std::vector<std::string_view> DecoupeLignes(std::string_view octets) {
  std::vector<std::string_view> lignes;
  std::size_t debut = 0;
  for (std::size_t i = 0; i < octets.size(); ++i) {
    if (octets[i] == '\r' || octets[i] == '\n') {
      lignes.push_back(octets.substr(debut, i - debut));
      if (octets[i] == '\r' && i + 1 < octets.size() && octets[i + 1] == '\n') ++i;
      debut = i + 1;
    }
  }
  if (debut < octets.size()) lignes.push_back(octets.substr(debut));
  return lignes;
}

}  // namespace

bool EstUtf8Valide(std::string_view octets) {
  std::size_t i = 0;
  while (i < octets.size()) {
    const auto o = static_cast<unsigned char>(octets[i]);
    int suite = 0;
    char32_t code = 0;
    if (o < 0x80) {
      ++i;
      continue;
    } else if (o >= 0xC2 && o <= 0xDF) {
      suite = 1;
      code = o & 0x1F;
    } else if (o >= 0xE0 && o <= 0xEF) {
      suite = 2;
      code = o & 0x0F;
    } else if (o >= 0xF0 && o <= 0xF4) {
      suite = 3;
      code = o & 0x07;
    } else {
      return false;
    }
    if (i + static_cast<std::size_t>(suite) >= octets.size()) return false;
    for (int k = 1; k <= suite; ++k) {
      const auto c = static_cast<unsigned char>(octets[i + static_cast<std::size_t>(k)]);
      if ((c & 0xC0) != 0x80) return false;
      code = (code << 6) | (c & 0x3F);
    }
    if ((suite == 2 && code < 0x800) || (suite == 3 && (code < 0x10000 || code > 0x10FFFF)) ||
        (code >= 0xD800 && code <= 0xDFFF))
      return false;
    i += static_cast<std::size_t>(suite) + 1;
  }
  return true;
}

TFichierIni TFichierIni::Analyse(std::string_view octets) {
  bool toutUtf8 = false;
  if (octets.substr(0, 3) == "\xEF\xBB\xBF") {
    octets.remove_prefix(3);
    toutUtf8 = true;
  }
  TFichierIni fichier;
  for (std::string_view brute : DecoupeLignes(octets)) {
    const std::string texte = (toutUtf8 || EstUtf8Valide(brute)) ? std::string(brute) : Windows1252VersUtf8(brute);
    const std::string_view ligne = SansBlancs(texte);
    if (ligne.size() >= 2 && ligne.front() == '[' && ligne.find(']') != std::string_view::npos) {
      fichier.sections_.push_back({std::string(SansBlancs(ligne.substr(1, ligne.find(']') - 1))), texte, {}});
      continue;
    }
    TLigne l;
    l.Texte = texte;
    const std::size_t egal = ligne.find('=');
    if (egal != std::string_view::npos && ligne.front() != ';' && !SansBlancs(ligne.substr(0, egal)).empty()) {
      l.EstCle = true;
      l.Cle = SansBlancs(ligne.substr(0, egal));
      l.Valeur = SansBlancs(ligne.substr(egal + 1));
    }
    (fichier.sections_.empty() ? fichier.preambule_ : fichier.sections_.back().Lignes).push_back(std::move(l));
  }
  return fichier;
}

TFichierIni::TSection* TFichierIni::TrouveSection(std::string_view nom) {
  for (TSection& section : sections_)
    if (MemeNom(section.Nom, nom)) return &section;
  return nullptr;
}

const TFichierIni::TSection* TFichierIni::TrouveSection(std::string_view nom) const {
  for (const TSection& section : sections_)
    if (MemeNom(section.Nom, nom)) return &section;
  return nullptr;
}

bool TFichierIni::ASection(std::string_view section) const { return TrouveSection(section) != nullptr; }

std::optional<std::string> TFichierIni::Valeur(std::string_view section, std::string_view cle) const {
  const TSection* s = TrouveSection(section);
  if (s == nullptr) return std::nullopt;
  for (const TLigne& ligne : s->Lignes)
    if (ligne.EstCle && MemeNom(ligne.Cle, cle)) return ligne.Valeur;
  return std::nullopt;
}

void TFichierIni::Ecrit(std::string_view section, std::string_view cle, std::string_view valeur) {
  TSection* s = TrouveSection(section);
  if (s == nullptr) {
    // A blank line before a new section, unless the file is empty or ends blank.
    const std::vector<TLigne>& dernieres = sections_.empty() ? preambule_ : sections_.back().Lignes;
    const bool finVide = (sections_.empty() && preambule_.empty()) ||
                         (!dernieres.empty() && !dernieres.back().EstCle && SansBlancs(dernieres.back().Texte).empty());
    if (!finVide) (sections_.empty() ? preambule_ : sections_.back().Lignes).push_back(TLigne{});
    std::string enTete = "[";
    enTete.append(section).append("]");
    sections_.push_back({std::string(section), std::move(enTete), {}});
    s = &sections_.back();
  }
  std::size_t apresDerniereCle = 0;
  for (std::size_t i = 0; i < s->Lignes.size(); ++i) {
    TLigne& ligne = s->Lignes[i];
    if (!ligne.EstCle) continue;
    if (MemeNom(ligne.Cle, cle)) {
      ligne.Valeur = valeur;
      return;
    }
    apresDerniereCle = i + 1;
  }
  TLigne nouvelle;
  nouvelle.EstCle = true;
  nouvelle.Cle = cle;
  nouvelle.Valeur = valeur;
  s->Lignes.insert(s->Lignes.begin() + static_cast<std::ptrdiff_t>(apresDerniereCle), std::move(nouvelle));
}

std::string TFichierIni::Octets() const {
  std::string texte;
  auto ajoute = [&texte](const TLigne& ligne) {
    texte += ligne.EstCle ? ligne.Cle + "=" + ligne.Valeur : ligne.Texte;
    texte += "\r\n";
  };
  for (const TLigne& ligne : preambule_) ajoute(ligne);
  for (const TSection& section : sections_) {
    texte += section.EnTete + "\r\n";
    for (const TLigne& ligne : section.Lignes) ajoute(ligne);
  }
  return Utf8VersWindows1252(texte);
}

}  // namespace kalvo
