#include "table/StyleDialogues.h"

#include "table/Palette.h"
#include "table/Polices.h"

#include <QCloseEvent>
#include <QLinearGradient>
#include <QPainter>

namespace kalvo {

namespace {

// Buttons, radio buttons, edits, group boxes, tabs and tables share one sheet
// so that every dialog of the program reads the same.
const char* const FeuilleStyle = R"(
QPushButton {
  color: #3a0000; background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #fffdf2, stop:1 #e8dfc4);
  border: 1px solid #5a0000; border-radius: 5px; padding: 5px 14px; min-height: 18px;
}
QPushButton:hover { background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 #ffffff, stop:1 #f3ead0); }
QPushButton:pressed { background: #d9cca6; }
QPushButton:focus, QPushButton:default { border: 2px solid #c8a000; }
QPushButton:disabled { color: #9a8a80; border-color: #a08080; background: #e6e0d6; }
QRadioButton { color: #102810; spacing: 6px; }
QRadioButton::indicator { width: 15px; height: 15px; }
QLineEdit { color: #000080; background: #ffffff; border: 2px solid #5a0000; border-radius: 4px;
            selection-background-color: #000080; selection-color: #ffffff; }
QGroupBox { color: #102810; border: 1px solid #2e5a2e; border-radius: 6px; margin-top: 12px; padding: 8px 6px 4px 6px; }
QGroupBox::title { subcontrol-origin: margin; subcontrol-position: top left; left: 10px; padding: 0 4px; }
QTabWidget::pane { border: 1px solid #5a0000; background: #f4fbf4; top: -1px; }
QTabBar::tab { color: #3a0000; background: #e8dfc4; border: 1px solid #5a0000; border-bottom: none;
               padding: 4px 8px; margin-right: 2px; border-top-left-radius: 4px; border-top-right-radius: 4px; }
QTabBar::tab:selected { background: #f4fbf4; color: #000000; font-weight: bold; }
QTabBar::tab:disabled { color: #b0a0a0; background: #cfc6b0; }
QTableWidget { background: #f4fbf4; alternate-background-color: #e3f0e3; gridline-color: #b8cdb8; color: #102010; }
QHeaderView::section { background: #004200; color: #ffff00; border: none; border-right: 1px solid #2e6a2e; padding: 3px; font-weight: bold; }
)";

}  // namespace

QFont PoliceTitre() { return PoliceEnPixels(QStringLiteral("Verdana"), 16, true); }
QFont PoliceTexte() { return PoliceEnPixels(QStringLiteral("Verdana"), 14); }
QFont PoliceTexteGras() { return PoliceEnPixels(QStringLiteral("Verdana"), 14, true); }
QFont PoliceBouton() { return PoliceEnPixels(QStringLiteral("Verdana"), 13, true); }

void FondUni(QWidget* widget, const QColor& couleur) {
  widget->setAutoFillBackground(true);
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, couleur);
  widget->setPalette(palette);
}

QLabel* NouvelleEtiquette(const QString& texte, const QFont& police, const QColor& couleur, QWidget* parent) {
  auto* etiquette = new QLabel(texte, parent);
  etiquette->setFont(police);
  QPalette palette = etiquette->palette();
  palette.setColor(QPalette::WindowText, couleur);
  etiquette->setPalette(palette);
  return etiquette;
}

QLabel* NouveauBandeau(const QString& texte, QWidget* parent) {
  auto* bandeau = NouvelleEtiquette(texte, PoliceTitre(), QColor(CouleurJaune), parent);
  FondUni(bandeau, QColor(CouleurVertFonce));
  bandeau->setAlignment(Qt::AlignCenter);
  bandeau->setMargin(8);
  bandeau->setWordWrap(true);
  return bandeau;
}

QWidget* NouveauPanneau(QWidget* parent) {
  auto* panneau = new QWidget(parent);
  panneau->setObjectName(QStringLiteral("Panneau"));
  panneau->setAttribute(Qt::WA_StyledBackground);
  panneau->setStyleSheet(QStringLiteral("#Panneau { background: #98bb98; border: 1px solid #2e5a2e; border-radius: 8px; }"));
  return panneau;
}

QPushButton* NouveauBouton(const QString& texte, QWidget* parent, int largeurMin) {
  auto* bouton = new QPushButton(texte, parent);
  bouton->setFont(PoliceBouton());
  bouton->setMinimumWidth(largeurMin);
  bouton->setAutoDefault(false);
  return bouton;
}

TDialogueKalvo::TDialogueKalvo(QWidget* parent, bool obligatoire) : QDialog(parent), obligatoire_(obligatoire) {
  Qt::WindowFlags drapeaux = Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (!obligatoire) drapeaux |= Qt::WindowCloseButtonHint;
  setWindowFlags(drapeaux);
  setModal(true);
  setStyleSheet(QString::fromUtf8(FeuilleStyle));
  setFont(PoliceTexte());
}

void TDialogueKalvo::reject() {
  if (!obligatoire_) QDialog::reject();
}

void TDialogueKalvo::done(int resultat) {
  // Qt closes the dialog from done(): that close is ours, not the user's.
  enFermeture_ = true;
  QDialog::done(resultat);
  enFermeture_ = false;
}

void TDialogueKalvo::closeEvent(QCloseEvent* event) {
  if (obligatoire_ && !enFermeture_) {
    event->ignore();
    return;
  }
  QDialog::closeEvent(event);
}

void TDialogueKalvo::paintEvent(QPaintEvent*) {
  // A maroon ground darkening towards the bottom, with a thin gold edge.
  QPainter p(this);
  QLinearGradient degrade(0, 0, 0, height());
  degrade.setColorAt(0.0, QColor(CouleurMarron));
  degrade.setColorAt(1.0, QColor(CouleurMarronFonce));
  p.fillRect(rect(), degrade);
  p.setPen(QPen(QColor(200, 160, 0), 1));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace kalvo
