// The read-only viewer of the two rich-text commentaries: the end-of-deal
// screen shows the summary in it, the "Le point" dialog the stock-taking
// text, and that dialog takes its height from the number of lines laid out.
#pragma once

#include "model/LecteurRtf.h"

#include <QByteArray>
#include <QString>
#include <QTextBrowser>

namespace kalvo {

class VisionneuseRtf : public QTextBrowser {
  Q_OBJECT

 public:
  explicit VisionneuseRtf(QWidget* parent = nullptr);

  // The commentary as the controller hands it; an empty document empties
  // the viewer.
  void ChargeDocument(TDocumentRtf document);
  const TDocumentRtf& Contenu() const { return documentLu_; }

  // One size in points for all of the text; 0 gives back the sizes of the RTF.
  void FixeTailleUniforme(int points);
  int TailleUniforme() const { return taille_; }

  // The text laid out at the viewer's present width, with no vertical
  // scroll bar: number of lines, and height with the document margins.
  int NombreLignes();
  int HauteurDocument();

 signals:
  void Clique();

 protected:
  void changeEvent(QEvent* evenement) override;
  void mousePressEvent(QMouseEvent* evenement) override;

 private:
  void Affiche();
  void MetEnPage();
  qreal HauteurLigneMinimale(const TParagrapheRtf& paragraphe) const;

  TDocumentRtf documentLu_;
  int taille_ = 0;
};

}  // namespace kalvo
