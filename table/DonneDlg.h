// TDonneDlg: the deal-number dialog of the table's "# donne" button. The
// number typed or stepped stays within 1..MaxVal while it is edited, and
// Enter anywhere confirms it.
#pragma once

#include <QDialog>

#include <optional>

class QPushButton;

namespace kalvo {

class TNumberEdit;
class TUpDown;

class TDonneDlg : public QDialog {
  Q_OBJECT

 public:
  explicit TDonneDlg(QWidget* parent = nullptr);

  // The highest number accepted, set by the caller (the number of deals).
  int MaxVal = 1;

  // What the "# donne" button does: MaxVal and the current deal into the
  // dialog, shown modally; the number chosen when it closes with "Ok" and
  // lies within 1..maxVal, nothing otherwise (closed by Escape).
  std::optional<int> Choisit(int actuelle, int maxVal);

  TNumberEdit* ND = nullptr;
  TUpDown* UpDown1 = nullptr;
  QPushButton* btn1 = nullptr;

 public slots:
  void OKBtnClick();

 protected:
  bool eventFilter(QObject* objet, QEvent* evenement) override;
  void showEvent(QShowEvent* evenement) override;

 private:
  void NDChange();
  // Values above MaxVal become MaxVal, values below 1 become 1.
  void Borne();
};

}  // namespace kalvo
