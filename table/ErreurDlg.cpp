#include "table/ErreurDlg.h"

#include "table/HabillageDialogues.h"
#include "table/Polices.h"

#include <QAbstractTextDocumentLayout>
#include <QFrame>
#include <QKeyEvent>
#include <QPushButton>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextLayout>

namespace kalvo {

namespace {

constexpr int LargeurOk = 100;
constexpr int HauteurOk = 30;
constexpr int HautPanneau = 8;
// The memo's text starts a few pixels inside its edges, as a memo's does.
constexpr int MargeTexte = 4;

}  // namespace

TErreurDlg::TErreurDlg(QWidget* parent) : QDialog(parent) {
  setWindowTitle(QStringLiteral("Un commentaire pour se remettre sur la voie...! (Entrée ou Clic souris pour fermer)"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  setModal(true);
  setFont(PoliceDialogue());

  Fond = new QFrame(this);
  Fond->setFrameShape(QFrame::Panel);
  Fond->setFrameShadow(QFrame::Raised);
  Fond->setLineWidth(1);

  TexteErreur = new QTextEdit(Fond);
  TexteErreur->setReadOnly(true);
  // No caret and no selection: the memo only shows the text.
  TexteErreur->setTextInteractionFlags(Qt::NoTextInteraction);
  TexteErreur->setFocusPolicy(Qt::StrongFocus);
  TexteErreur->setFrameShape(QFrame::NoFrame);
  TexteErreur->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  TexteErreur->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  TexteErreur->setFont(PoliceEnPixels(QStringLiteral("Times New Roman"), 19));
  TexteErreur->document()->setDocumentMargin(MargeTexte);
  QPalette palette = TexteErreur->palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::ToolTipBase));
  palette.setColor(QPalette::Text, palette.color(QPalette::ToolTipText));
  TexteErreur->setPalette(palette);
  TexteErreur->installEventFilter(this);
  TexteErreur->viewport()->installEventFilter(this);

  OkBtn = CreeBouton(this, QStringLiteral("Ok"), QRect(0, 0, LargeurOk, HauteurOk));
  OkBtn->setDefault(true);
  connect(OkBtn, &QPushButton::clicked, this, &QDialog::accept);
}

// Lines as the memo lays them out at its present width, every line
// HauteurLigne pixels high so that the panel's height holds them exactly.
int TErreurDlg::CompteLignes() {
  QTextDocument* document = TexteErreur->document();
  if (document->isEmpty()) return 0;
  document->setTextWidth(TexteErreur->width());
  QTextCursor curseur(document);
  curseur.select(QTextCursor::Document);
  QTextBlockFormat format;
  format.setLineHeight(HauteurLigne, QTextBlockFormat::FixedHeight);
  curseur.mergeBlockFormat(format);
  document->documentLayout()->documentSize();
  int lignes = 0;
  for (QTextBlock bloc = document->begin(); bloc.isValid(); bloc = bloc.next())
    if (bloc.layout() != nullptr) lignes += bloc.layout()->lineCount();
  return lignes;
}

void TErreurDlg::Prepare(const QString& texte, const QRect& fenetrePrincipale) {
  // A trailing line break would only add an empty line to the window.
  QString propre = texte;
  while (propre.endsWith(QLatin1Char('\n')) || propre.endsWith(QLatin1Char('\r'))) propre.chop(1);
  TexteErreur->clear();
  TexteErreur->setPlainText(propre);

  const int largeur = fenetrePrincipale.width() * 3 / 5;
  const int gauche = fenetrePrincipale.left() + (fenetrePrincipale.width() - largeur) / 2;
  // The memo fills the panel inside its one-pixel edge.
  const int bord = Fond->frameWidth();
  TexteErreur->setGeometry(bord, bord, largeur - 16 - 2 * bord, TexteErreur->height());
  lignes_ = CompteLignes();
  const int hauteurFond = HauteurLigne * lignes_ + MargePanneau;
  Fond->setGeometry(8, HautPanneau, largeur - 16, hauteurFond);
  TexteErreur->setGeometry(Fond->contentsRect());
  const int hauteur = hauteurFond + SupplementHauteur;
  const int haut = fenetrePrincipale.top() + (fenetrePrincipale.height() - hauteur) / 2;
  OkBtn->move((largeur - LargeurOk) / 2, Fond->geometry().bottom() + 1 + 12);

  geometrie_ = QRect(gauche, haut, largeur, hauteur);
  FixeTailleClient(this, largeur, hauteur);
  setGeometry(geometrie_);
  TexteErreur->setFocus();
}

int TErreurDlg::Affiche(const QString& texte, const QRect& fenetrePrincipale) {
  Prepare(texte, fenetrePrincipale);
  return exec();
}

// Any key closes the window, wherever the focus is; a key held down does
// not, so that a repeated key cannot close the next comment unread.
void TErreurDlg::keyPressEvent(QKeyEvent* evenement) {
  if (evenement->isAutoRepeat()) return;
  accept();
}

void TErreurDlg::mousePressEvent(QMouseEvent*) { accept(); }

bool TErreurDlg::eventFilter(QObject* objet, QEvent* evenement) {
  if (evenement->type() == QEvent::KeyPress) {
    keyPressEvent(static_cast<QKeyEvent*>(evenement));
    return true;
  }
  if (evenement->type() == QEvent::MouseButtonPress && objet == TexteErreur->viewport()) {
    accept();
    return true;
  }
  return QDialog::eventFilter(objet, evenement);
}

}  // namespace kalvo
