#include "model/Questions.h"

#include "model/ErreurDonnee.h"

#include <fstream>

namespace kalvo {

namespace {

std::uint16_t Lit16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
void Ecrit16(std::uint8_t* p, std::uint16_t v) {
  p[0] = static_cast<std::uint8_t>(v & 0xFF);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

}  // namespace

std::uint16_t TQuestionsDonne::NbQuestionsBrut() const { return Lit16(&octets_[2]); }

int TQuestionsDonne::NbQuestions() const {
  const int n = NbQuestionsBrut();
  return n <= NbQuestionsMax ? n : 0;
}

void TQuestionsDonne::SetNbQuestions(std::uint16_t n) { Ecrit16(&octets_[2], n); }

std::size_t TQuestionsDonne::PosQuestion(int q) const {
  return 4 + 24 * static_cast<std::size_t>(VerifieBornes(q, 1, NbEntreesQuestions, 0, "question") - 1);
}

TQuestion TQuestionsDonne::Question(int q) const {
  const std::uint8_t* p = &octets_[PosQuestion(q)];
  TQuestion question;
  question.NumLevee = Lit16(p);
  question.Penalite = Lit16(p + 4);
  question.TypeQuestion = p[6];
  question.Joueur = p[7];
  question.Couleur = p[8];
  question.Carte = TCard{p[9], p[10]};
  question.Option = p[11];
  question.Depart = Lit16(p + 12);
  return question;
}

void TQuestionsDonne::SetQuestion(int q, const TQuestion& question) {
  std::uint8_t* p = &octets_[PosQuestion(q)];
  Ecrit16(p, question.NumLevee);
  Ecrit16(p + 4, question.Penalite);
  p[6] = question.TypeQuestion;
  p[7] = question.Joueur;
  p[8] = question.Couleur;
  p[9] = question.Carte.h;
  p[10] = question.Carte.c;
  p[11] = question.Option;
  Ecrit16(p + 12, question.Depart);
}

TQuestionsLevees PlanifieQuestions(const TQuestionsDonne& record, int numeroDonne,
                                   std::vector<std::string>& avertissements) {
  TQuestionsLevees questions;
  if (record.NbQuestionsBrut() > NbQuestionsMax) {
    avertissements.push_back(PrefixeDonne(numeroDonne) + "le fichier de questions annonce " +
                             std::to_string(record.NbQuestionsBrut()) +
                             " questions (3 au plus) : la donne n'a pas de questions.");
  }
  for (int q = 1; q <= record.NbQuestions(); ++q) {
    const int t = record.Question(q).NumLevee;
    if (TQuestionsLevees::EstIndice(t)) {
      questions[t] = q;
    } else {
      avertissements.push_back(PrefixeDonne(numeroDonne) + "la question " + std::to_string(q) + " vise la levée " +
                               std::to_string(t) + " (1 à 13) : elle est ignorée.");
    }
  }
  return questions;
}

TQuestionsLues LitQuestions(const std::filesystem::path& fichier, int numeroVolume, int numeroDonne) {
  TQuestionsLues lues;
  std::ifstream flux(fichier, std::ios::binary);
  if (!flux) return lues;  // no questions file: no questions
  const std::string nom = fichier.filename().string();
  if (numeroVolume < 1) {
    lues.Avertissements.push_back(PrefixeDonne(numeroDonne) + "numéro de collection " + std::to_string(numeroVolume) +
                                  " invalide : la donne n'a pas de questions.");
    return lues;
  }
  flux.seekg(static_cast<std::streamoff>((numeroVolume - 1) * static_cast<long long>(TQuestionsDonne::Taille)));
  TQuestionsDonne record;
  flux.read(reinterpret_cast<char*>(record.Octets().data()), TQuestionsDonne::Taille);
  if (!flux || flux.gcount() != static_cast<std::streamsize>(TQuestionsDonne::Taille)) {
    lues.Avertissements.push_back(PrefixeDonne(numeroDonne) + "le fichier de questions " + nom +
                                  " ne contient pas la fiche " + std::to_string(numeroVolume) +
                                  " : la donne n'a pas de questions.");
    return lues;
  }
  lues.Questions = PlanifieQuestions(record, numeroDonne, lues.Avertissements);
  if (record.NbQuestionsBrut() > NbQuestionsMax) record.SetNbQuestions(0);
  lues.Record = record;
  return lues;
}

}  // namespace kalvo
