// TAboutBox: the information box opened from the settings dialog — the
// product name, its version, the credits and the licence notice on the
// orange gradient.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace kalvo {

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  explicit TAboutBox(QWidget* parent = nullptr);

  // The version of the build, "1.0.0".
  static QString Version();

  QFrame* Panel1 = nullptr;
  QLabel* ProgramIcon = nullptr;
  QLabel* ProductName = nullptr;
  QLabel* LVersion = nullptr;
  QLabel* Credits = nullptr;
  QLabel* Licence = nullptr;
  QPushButton* OKButton = nullptr;

 protected:
  void showEvent(QShowEvent* evenement) override;
};

}  // namespace kalvo
