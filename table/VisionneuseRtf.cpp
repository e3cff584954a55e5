#include "table/VisionneuseRtf.h"

#include <QAbstractTextDocumentLayout>
#include <QColor>
#include <QEvent>
#include <QFontMetricsF>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextLayout>
#include <QtMath>

namespace kalvo {

namespace {

// Layout is at 96 pixels per inch, as for every dialog of the program.
constexpr qreal PixelsDeTwips(int twips) { return twips / 15.0; }

QColor CouleurQt(const TCouleurRtf& c) { return QColor(c.Rouge, c.Vert, c.Bleu); }

QTextCharFormat FormatQt(const TFormatCaracteresRtf& format, int tailleUniforme) {
  QTextCharFormat qt;
  if (format.Gras) qt.setFontWeight(QFont::Bold);
  if (format.Italique) qt.setFontItalic(true);
  if (format.Souligne) qt.setFontUnderline(true);
  if (format.Barre) qt.setFontStrikeOut(true);
  if (format.Position != 0)
    qt.setVerticalAlignment(format.Position > 0 ? QTextCharFormat::AlignSuperScript
                                                : QTextCharFormat::AlignSubScript);
  const qreal points = tailleUniforme > 0 ? tailleUniforme : format.DemiPoints / 2.0;
  if (points > 0) qt.setFontPointSize(points);
  if (format.Couleur) qt.setForeground(CouleurQt(*format.Couleur));
  if (format.Fond) qt.setBackground(CouleurQt(*format.Fond));
  if (!format.Police.empty()) qt.setFontFamilies({QString::fromStdString(format.Police)});
  return qt;
}

QTextBlockFormat FormatBlocQt(const TProprietesParagrapheRtf& p) {
  QTextBlockFormat qt;
  switch (p.Alignement) {
    case arGauche: qt.setAlignment(Qt::AlignLeft); break;
    case arCentre: qt.setAlignment(Qt::AlignHCenter); break;
    case arDroite: qt.setAlignment(Qt::AlignRight); break;
    case arJustifie: qt.setAlignment(Qt::AlignJustify); break;
  }
  qt.setLeftMargin(PixelsDeTwips(std::max(0, p.RetraitGauche)));
  qt.setRightMargin(PixelsDeTwips(std::max(0, p.RetraitDroit)));
  qt.setTextIndent(PixelsDeTwips(p.RetraitPremiereLigne));
  qt.setTopMargin(PixelsDeTwips(p.EspaceAvant));
  qt.setBottomMargin(PixelsDeTwips(p.EspaceApres));
  QList<QTextOption::Tab> tabulations;
  for (const int position : p.Tabulations)
    tabulations.append(QTextOption::Tab(PixelsDeTwips(position), QTextOption::LeftTab));
  // A hanging indent stops the first tab at the indent, as word processors do.
  if (tabulations.isEmpty() && p.RetraitPremiereLigne < 0 && p.RetraitGauche > 0)
    tabulations.append(QTextOption::Tab(PixelsDeTwips(p.RetraitGauche), QTextOption::LeftTab));
  if (!tabulations.isEmpty()) qt.setTabPositions(tabulations);
  return qt;
}

// The usual text fonts draw the suits small, about the height of a
// lower-case letter; this one draws them as tall as a capital.
const QString PoliceDesCouleurs = QStringLiteral("DejaVu Sans");

bool EstSymboleDeCouleur(QChar c) { return c.unicode() >= 0x2660 && c.unicode() <= 0x2667; }

// Inserts the text, the suit symbols in their own font.
void InsereTexte(QTextCursor& curseur, const QString& texte, const QTextCharFormat& format) {
  QTextCharFormat formatSymboles = format;
  formatSymboles.setFontFamilies({PoliceDesCouleurs});
  qsizetype debut = 0;
  while (debut < texte.size()) {
    const bool symboles = EstSymboleDeCouleur(texte[debut]);
    qsizetype fin = debut + 1;
    while (fin < texte.size() && EstSymboleDeCouleur(texte[fin]) == symboles) ++fin;
    curseur.insertText(texte.mid(debut, fin - debut), symboles ? formatSymboles : format);
    debut = fin;
  }
}

}  // namespace

VisionneuseRtf::VisionneuseRtf(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(false);
  setUndoRedoEnabled(false);
  // Read-only with no caret; the mouse may still select text to copy.
  setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void VisionneuseRtf::ChargeDocument(TDocumentRtf document) {
  documentLu_ = std::move(document);
  Affiche();
}

void VisionneuseRtf::FixeTailleUniforme(int points) {
  taille_ = std::clamp(points, 0, 200);
  Affiche();
}

// Lines holding a suit symbol would stand a pixel taller than the others:
// every line gets at least the height of the suits' font at the
// paragraph's largest size, so that the spacing stays even.
qreal VisionneuseRtf::HauteurLigneMinimale(const TParagrapheRtf& paragraphe) const {
  int demiPoints = paragraphe.FormatFin.DemiPoints;
  for (const TSegmentRtf& segment : paragraphe.Segments) demiPoints = std::max(demiPoints, segment.Format.DemiPoints);
  QFont police = font();
  police.setFamilies({PoliceDesCouleurs});
  if (taille_ > 0) police.setPointSize(taille_);
  else if (demiPoints > 0) police.setPointSizeF(demiPoints / 2.0);
  return QFontMetricsF(police).height();
}

void VisionneuseRtf::Affiche() {
  QTextDocument* document = this->document();
  document->clear();
  QTextCursor curseur(document);
  bool premier = true;
  for (const TParagrapheRtf& paragraphe : documentLu_.Paragraphes) {
    QTextBlockFormat bloc = FormatBlocQt(paragraphe.Proprietes);
    bloc.setLineHeight(HauteurLigneMinimale(paragraphe), QTextBlockFormat::MinimumHeight);
    const QTextCharFormat fin = FormatQt(paragraphe.FormatFin, taille_);
    if (premier) {
      curseur.setBlockFormat(bloc);
      curseur.setBlockCharFormat(fin);
    } else {
      curseur.insertBlock(bloc, fin);
    }
    premier = false;
    for (const TSegmentRtf& segment : paragraphe.Segments)
      InsereTexte(curseur, QString::fromStdString(segment.Texte), FormatQt(segment.Format, taille_));
  }
  moveCursor(QTextCursor::Start);
}

// A viewer not shown yet has not laid out its viewport: its width is then
// computed from the frame and the margins.
void VisionneuseRtf::MetEnPage() {
  const QMargins marges = viewportMargins();
  const int largeur = isVisible() ? viewport()->width()
                                  : contentsRect().width() - marges.left() - marges.right();
  if (document()->textWidth() != largeur) document()->setTextWidth(largeur);
  document()->documentLayout()->documentSize();  // lays the whole text out
}

int VisionneuseRtf::NombreLignes() {
  if (documentLu_.Paragraphes.empty()) return 0;
  MetEnPage();
  int lignes = 0;
  for (QTextBlock bloc = document()->begin(); bloc.isValid(); bloc = bloc.next())
    if (bloc.layout() != nullptr) lignes += bloc.layout()->lineCount();
  return lignes;
}

int VisionneuseRtf::HauteurDocument() {
  MetEnPage();
  return qCeil(document()->documentLayout()->documentSize().height());
}

// The even line spacing depends on the font: a font set after the text
// was loaded lays it out again.
void VisionneuseRtf::changeEvent(QEvent* evenement) {
  QTextBrowser::changeEvent(evenement);
  if (evenement->type() == QEvent::FontChange) Affiche();
}

void VisionneuseRtf::mousePressEvent(QMouseEvent* evenement) {
  emit Clique();
  QTextBrowser::mousePressEvent(evenement);
}

}  // namespace kalvo
