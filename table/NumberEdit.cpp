#include "table/NumberEdit.h"

#include <QKeyEvent>

#include <limits>

namespace kalvo {

TNumberEdit::TNumberEdit(QWidget* parent) : QLineEdit(parent) {}

std::optional<int> TNumberEdit::LitNombre(const QString& texte) {
  const QString t = texte.trimmed();
  const bool negatif = t.startsWith(QLatin1Char('-'));
  const qsizetype debut = negatif ? 1 : 0;
  if (t.size() == debut) return std::nullopt;
  long long n = 0;
  for (qsizetype i = debut; i < t.size(); ++i) {
    const QChar c = t[i];
    if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    // Beyond an int the value stays pinned: the rest are only more digits.
    if (n <= std::numeric_limits<int>::max()) n = n * 10 + (c.unicode() - '0');
  }
  if (negatif) n = -n;
  if (n > std::numeric_limits<int>::max()) return std::numeric_limits<int>::max();
  if (n < std::numeric_limits<int>::min()) return std::numeric_limits<int>::min();
  return static_cast<int>(n);
}

int TNumberEdit::Value() {
  const std::optional<int> n = LitNombre(text());
  if (!n) {
    SetValue(0);
    return 0;
  }
  return *n;
}

void TNumberEdit::SetValue(int v) { setText(QString::number(v)); }

void TNumberEdit::keyPressEvent(QKeyEvent* evenement) {
  switch (evenement->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
    case Qt::Key_Escape:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      QLineEdit::keyPressEvent(evenement);
      return;
    default:
      break;
  }
  // Text put in or taken out otherwise than by typing digits is refused.
  if (evenement->matches(QKeySequence::Paste) || evenement->matches(QKeySequence::Cut) ||
      evenement->matches(QKeySequence::Undo) || evenement->matches(QKeySequence::Redo) ||
      evenement->matches(QKeySequence::DeleteEndOfLine)) {
    evenement->accept();
    return;
  }
  const QString texte = evenement->text();
  const bool chiffre = texte.size() == 1 && texte[0] >= QLatin1Char('0') && texte[0] <= QLatin1Char('9') &&
                       !(evenement->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  // Keys that type nothing (arrows, Home, End) move in the text as usual.
  const bool deplacement = texte.isEmpty() || evenement->matches(QKeySequence::Copy) ||
                           evenement->matches(QKeySequence::SelectAll);
  if (chiffre || deplacement) {
    QLineEdit::keyPressEvent(evenement);
    return;
  }
  evenement->accept();
}

}  // namespace kalvo
