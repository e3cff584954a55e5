// TGroupeRadio: a captioned frame of radio buttons, one column, the buttons
// sharing the height under the caption evenly; ItemIndex is −1 when none is
// selected.
#pragma once

#include <QGroupBox>
#include <QStringList>

#include <vector>

class QRadioButton;

namespace kalvo {

class TGroupeRadio : public QGroupBox {
  Q_OBJECT

 public:
  explicit TGroupeRadio(const QString& titre, QWidget* parent = nullptr);

  void SetItems(const QStringList& items);
  int NombreItems() const { return static_cast<int>(boutons_.size()); }
  QRadioButton* Bouton(int i) const;
  int ItemIndex() const;
  // −1 or any index out of range clears the selection.
  void SetItemIndex(int i);

  // Where button i stands inside the frame.
  QRect PlaceBouton(int i) const;

 protected:
  void resizeEvent(QResizeEvent* evenement) override;
  void changeEvent(QEvent* evenement) override;

 private:
  void RangeBoutons();

  std::vector<QRadioButton*> boutons_;
};

}  // namespace kalvo
