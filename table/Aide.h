// TAide: the program's help, a short user manual in French shipped inside
// the program, in a small browser with back, forward and table of contents.
// The main window opens it with the help key, the dialogs with their
// "Aide" buttons; it always opens at the table of contents.
#pragma once

#include <QDialog>
#include <QUrl>

class QPushButton;
class QTextBrowser;

namespace kalvo {

class TAide : public QDialog {
  Q_OBJECT

 public:
  explicit TAide(QWidget* parent = nullptr);

  // The table of contents, first page of the manual.
  static QUrl Sommaire();

  // Shows the manual at its table of contents. Opened while a modal dialog
  // is up, the help is modal itself so that it can be read and closed;
  // otherwise it stays beside the table.
  void Ouvre();

  QTextBrowser* Navigateur = nullptr;
  QPushButton* BPrecedent = nullptr;
  QPushButton* BSuivant = nullptr;
  QPushButton* BSommaire = nullptr;
  QPushButton* BFermer = nullptr;
};

}  // namespace kalvo
