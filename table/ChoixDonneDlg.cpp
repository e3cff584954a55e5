#include "table/ChoixDonneDlg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <set>

namespace kalvo {

namespace {

constexpr int RoleTri = Qt::UserRole;
constexpr int RoleLigne = Qt::UserRole + 1;

// A cell sorted by its key, not by its text: marks as numbers, "—" (no
// mark) below every mark.
class TCellule : public QTableWidgetItem {
 public:
  TCellule(const QString& texte, const QVariant& cle) : QTableWidgetItem(texte) {
    setData(RoleTri, cle);
    setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
  }
  bool operator<(const QTableWidgetItem& autre) const override {
    const QVariant a = data(RoleTri), b = autre.data(RoleTri);
    if (a.typeId() == QMetaType::QString || b.typeId() == QMetaType::QString)
      return QString::localeAwareCompare(a.toString(), b.toString()) < 0;
    return a.toInt() < b.toInt();
  }
};

QString Note(int note) { return note < 0 ? QStringLiteral("—") : QString::number(note); }

}  // namespace

TChoixDonneDlg::TChoixDonneDlg(QWidget* parent) : TDialogueKalvo(parent, false) {
  setWindowTitle(QStringLiteral("Choisir une donne"));
  auto* principal = new QVBoxLayout(this);
  principal->setContentsMargins(12, 12, 12, 12);
  principal->setSpacing(8);
  principal->addWidget(NouveauBandeau(QStringLiteral("Choisir une donne"), this));

  QWidget* panneau = NouveauPanneau(this);
  auto* filtres = new QHBoxLayout(panneau);
  filtres->setContentsMargins(10, 8, 10, 8);
  CBTheme = new QComboBox(panneau);
  CBTheme->setObjectName(QStringLiteral("CBTheme"));
  CBTheme->setMinimumWidth(260);
  CBForce = new QComboBox(panneau);
  CBForce->setObjectName(QStringLiteral("CBForce"));
  CARevoir = new QCheckBox(QStringLiteral("À revoir"), panneau);
  CARevoir->setObjectName(QStringLiteral("CARevoir"));
  Recherche = new QLineEdit(panneau);
  Recherche->setObjectName(QStringLiteral("Recherche"));
  Recherche->setPlaceholderText(QStringLiteral("Rechercher un thème…"));
  Recherche->setClearButtonEnabled(true);
  filtres->addWidget(NouvelleEtiquette(QStringLiteral("Thème :"), PoliceTexteGras(), QColor(CouleurTexteTapis), panneau));
  filtres->addWidget(CBTheme, 2);
  filtres->addWidget(NouvelleEtiquette(QStringLiteral("Force :"), PoliceTexteGras(), QColor(CouleurTexteTapis), panneau));
  filtres->addWidget(CBForce);
  filtres->addWidget(CARevoir);
  filtres->addWidget(Recherche, 2);
  principal->addWidget(panneau);

  Table = new QTableWidget(0, NbColonnes, this);
  Table->setObjectName(QStringLiteral("Table"));
  Table->setHorizontalHeaderLabels({QStringLiteral("Donne"), QStringLiteral("N°"), QStringLiteral("Thème"),
                                    QStringLiteral("Force"), QStringLiteral("Jeu"), QStringLiteral("Questions"),
                                    QStringLiteral("Tentatives")});
  Table->setSelectionBehavior(QAbstractItemView::SelectRows);
  Table->setSelectionMode(QAbstractItemView::SingleSelection);
  Table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  Table->verticalHeader()->hide();
  Table->setAlternatingRowColors(true);
  Table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
  Table->horizontalHeader()->setSectionResizeMode(colTheme, QHeaderView::Stretch);
  Table->setStyleSheet(QStringLiteral("QTableWidget { background: #fffff4; alternate-background-color: #eef6ee; }"));
  Table->installEventFilter(this);
  // In deal order until the user clicks a heading.
  Table->horizontalHeader()->setSortIndicator(colDonne, Qt::AscendingOrder);
  principal->addWidget(Table, 1);

  auto* bas = new QHBoxLayout;
  Compte = NouvelleEtiquette(QString(), PoliceTexte(), QColor(CouleurValeurBandeau), this);
  Compte->setObjectName(QStringLiteral("Compte"));
  QPushButton* jouer = NouveauBouton(QStringLiteral("Jouer cette donne"), this, 180);
  jouer->setObjectName(QStringLiteral("BJouer"));
  QPushButton* fermer = NouveauBouton(QStringLiteral("Fermer"), this, 120);
  fermer->setObjectName(QStringLiteral("BFermer"));
  bas->addWidget(Compte, 1);
  bas->addWidget(jouer);
  bas->addWidget(fermer);
  principal->addLayout(bas);
  setFixedSize(860, 620);

  connect(CBTheme, &QComboBox::currentIndexChanged, this, &TChoixDonneDlg::Filtre);
  connect(CBForce, &QComboBox::currentIndexChanged, this, &TChoixDonneDlg::Filtre);
  connect(CARevoir, &QCheckBox::toggled, this, &TChoixDonneDlg::Filtre);
  connect(Recherche, &QLineEdit::textChanged, this, &TChoixDonneDlg::Filtre);
  connect(Table, &QTableWidget::cellDoubleClicked, this, [this](int rangee, int) { Choisit(rangee); });
  connect(jouer, &QPushButton::clicked, this, [this] { Choisit(Table->currentRow()); });
  connect(fermer, &QPushButton::clicked, this, &QDialog::reject);
}

void TChoixDonneDlg::Prepare(const TListeDonnes& liste) {
  liste_ = liste;
  choisie_.reset();
  const int themeAvant = CBTheme->currentData().toInt();
  const int forceAvant = CBForce->currentData().toInt();
  for (QComboBox* cb : {CBTheme, CBForce}) cb->blockSignals(true);
  CBTheme->clear();
  CBForce->clear();
  CBTheme->addItem(QStringLiteral("Tous les thèmes"), 0);
  CBForce->addItem(QStringLiteral("Toutes"), 0);
  std::set<std::pair<int, std::string>> themes;
  std::set<int> forces;
  for (const TLigneDonne& l : liste_.Lignes) {
    if (l.Theme != 0) themes.insert({l.Theme, l.NomTheme});
    forces.insert(l.Force);
  }
  for (const auto& [theme, nom] : themes) CBTheme->addItem(QString::fromStdString(nom), theme);
  for (const int force : forces) CBForce->addItem(QString::number(force), force);
  CBTheme->setCurrentIndex(std::max(0, CBTheme->findData(themeAvant)));
  CBForce->setCurrentIndex(std::max(0, CBForce->findData(forceAvant)));
  for (QComboBox* cb : {CBTheme, CBForce}) cb->blockSignals(false);
  CARevoir->setToolTip(QStringLiteral("Les donnes jamais jouées ou de note au jeu inférieure à %1").arg(liste_.Seuil));

  Table->setSortingEnabled(false);
  Table->clearContents();
  Table->setRowCount(static_cast<int>(liste_.Lignes.size()));
  for (int r = 0; r < static_cast<int>(liste_.Lignes.size()); ++r) {
    const TLigneDonne& l = liste_.Lignes[static_cast<std::size_t>(r)];
    const auto cellule = [&](int colonne, const QString& texte, const QVariant& cle) {
      auto* c = new TCellule(texte, cle);
      if (colonne != colTheme) c->setTextAlignment(Qt::AlignCenter);
      Table->setItem(r, colonne, c);
      return c;
    };
    cellule(colDonne, QString::number(l.Donne), l.Donne)->setData(RoleLigne, r);
    cellule(colCollection, QString::number(l.Collection), l.Collection);
    cellule(colTheme, QString::fromStdString(l.NomTheme), QString::fromStdString(l.NomTheme));
    cellule(colForce, QString::number(l.Force), l.Force);
    cellule(colJeu, Note(l.NoteJeu), l.NoteJeu);
    cellule(colQuestions, Note(l.NoteQuestions), l.NoteQuestions);
    cellule(colTentatives, liste_.AvecHistorique ? QString::number(l.Tentatives) : QStringLiteral("—"), l.Tentatives);
  }
  Table->setSortingEnabled(true);
  Filtre();
  for (int r = 0; r < Table->rowCount(); ++r) {
    if (DonneDeLaLigne(r) == liste_.Actuelle && !Table->isRowHidden(r)) {
      Table->setCurrentCell(r, colDonne);
      Table->scrollToItem(Table->item(r, colDonne), QAbstractItemView::PositionAtCenter);
      break;
    }
  }
  Table->setFocus(Qt::OtherFocusReason);
}

std::optional<int> TChoixDonneDlg::Montre(const TListeDonnes& liste) {
  Prepare(liste);
  exec();
  return choisie_;
}

int TChoixDonneDlg::DonneDeLaLigne(int rangee) const {
  const QTableWidgetItem* c = Table->item(rangee, colDonne);
  if (c == nullptr) return 0;
  const int indice = c->data(RoleLigne).toInt();
  return indice >= 0 && indice < static_cast<int>(liste_.Lignes.size()) ? liste_.Lignes[static_cast<std::size_t>(indice)].Donne
                                                                       : 0;
}

int TChoixDonneDlg::LignesVisibles() const {
  int n = 0;
  for (int r = 0; r < Table->rowCount(); ++r) n += Table->isRowHidden(r) ? 0 : 1;
  return n;
}

TFiltreListe TChoixDonneDlg::FiltreChoisi() const {
  return {.Theme = CBTheme->currentData().toInt(),
          .Force = CBForce->currentData().toInt(),
          .ARevoir = CARevoir->isChecked(),
          .Recherche = Recherche->text().trimmed().toStdString()};
}

void TChoixDonneDlg::Filtre() {
  const TFiltreListe filtre = FiltreChoisi();
  for (int r = 0; r < Table->rowCount(); ++r) {
    const QTableWidgetItem* c = Table->item(r, colDonne);
    const int indice = c != nullptr ? c->data(RoleLigne).toInt() : -1;
    const bool retenue = indice >= 0 && indice < static_cast<int>(liste_.Lignes.size()) &&
                         LigneRetenue(liste_.Lignes[static_cast<std::size_t>(indice)], filtre);
    Table->setRowHidden(r, !retenue);
  }
  const int visibles = LignesVisibles();
  Compte->setText(QStringLiteral("%1 donne%2 sur %3")
                      .arg(visibles)
                      .arg(visibles > 1 ? QStringLiteral("s") : QString())
                      .arg(Table->rowCount()));
  // The current line, if the filter hid it, moves to the first one shown.
  if (Table->currentRow() < 0 || Table->isRowHidden(Table->currentRow())) {
    for (int r = 0; r < Table->rowCount(); ++r) {
      if (!Table->isRowHidden(r)) {
        Table->setCurrentCell(r, colDonne);
        return;
      }
    }
  }
}

void TChoixDonneDlg::Choisit(int rangee) {
  if (rangee < 0 || rangee >= Table->rowCount() || Table->isRowHidden(rangee)) return;
  const int donne = DonneDeLaLigne(rangee);
  if (donne == 0) return;
  choisie_ = donne;
  accept();
}

// Enter or Return on the table plays the current line.
bool TChoixDonneDlg::eventFilter(QObject* objet, QEvent* evenement) {
  if (objet == Table && evenement->type() == QEvent::KeyPress) {
    const int touche = static_cast<QKeyEvent*>(evenement)->key();
    if (touche == Qt::Key_Return || touche == Qt::Key_Enter) {
      Choisit(Table->currentRow());
      return true;
    }
  }
  return TDialogueKalvo::eventFilter(objet, evenement);
}

}  // namespace kalvo
