#include "model/QuestionPosee.h"

namespace kalvo {

std::string TexteProposition(const TQuestionPosee& question, int k) {
  if (k < 0 || k >= question.NbPropositions || k >= 4) return {};
  const auto& p = question.repartProp[static_cast<std::size_t>(k)];
  return "  " + std::to_string(p[0]) + "  -  " + std::to_string(p[1]);
}

}  // namespace kalvo
