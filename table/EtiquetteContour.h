// A label of the table: lime text outlined in green (the names above the
// displays), or plain lime text (the contract), on a transparent ground.
#pragma once

#include <QColor>
#include <QFont>
#include <QWidget>

namespace kalvo {

class TEtiquetteContour : public QWidget {
  Q_OBJECT

 public:
  explicit TEtiquetteContour(const QString& texte = {}, QWidget* parent = nullptr);

  QString Caption() const { return texte_; }
  void SetCaption(const QString& texte);
  // Outlined (the default) or not.
  void SetContour(bool contour);
  void SetAlignement(Qt::Alignment alignement);
  void SetCouleurs(const QColor& texte, const QColor& contour);
  // Fits the widget to its text (outline included).
  void AjusteTaille();

  QSize sizeHint() const override;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString texte_;
  QFont police_;
  QColor couleur_;
  QColor couleurContour_;
  bool contour_ = true;
  Qt::Alignment alignement_ = Qt::AlignLeft | Qt::AlignTop;
};

}  // namespace kalvo
