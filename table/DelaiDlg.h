// The two speed dialogs of the settings: a track bar of eleven positions
// with its scale in seconds underneath. TDelaiDlg sets the pause after each
// call of the replayed auction (half seconds), TDelaiCartesDlg the pause
// before each card put on the table (tenths of a second).
#pragma once

#include <QDialog>

#include <vector>

class QLabel;
class QPushButton;
class QSlider;

namespace kalvo {

struct TGraduation {
  QString Texte;
  int Gauche = 0;
};

class TDialogueDelai : public QDialog {
  Q_OBJECT

 public:
  static constexpr int PositionMax = 10;

  // The track bar's position, 0..10; a value out of range is brought back.
  int Position() const;
  void SetPosition(int position);

  QSlider* TrackBar = nullptr;
  std::vector<QLabel*> Graduations;
  QPushButton* OkBtn = nullptr;

 protected:
  TDialogueDelai(const QString& titre, const std::vector<TGraduation>& graduations, QWidget* parent);
};

class TDelaiDlg : public TDialogueDelai {
  Q_OBJECT

 public:
  explicit TDelaiDlg(QWidget* parent = nullptr);
};

class TDelaiCartesDlg : public TDialogueDelai {
  Q_OBJECT

 public:
  explicit TDelaiCartesDlg(QWidget* parent = nullptr);
};

}  // namespace kalvo
