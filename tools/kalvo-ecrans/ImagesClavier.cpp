// A deal played by keys alone on the real main window, the keyboard focus
// in view: the delivered database's first deal, pictured as the focus
// moves, a card is played, a trick is gathered and the deal ends; then the
// table with the largest cards and in high contrast.
#include "tools/kalvo-ecrans/Commandes.h"
#include "tools/kalvo-ecrans/Images.h"
#include "tools/kalvo-ecrans/PiloteTable.h"

#include "control/JeuJuste.h"
#include "model/DossierDonnees.h"

#include <QApplication>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <functional>

namespace kalvo::ecrans {

namespace {

bool EcritTable(TFMain& fenetre, const QDir& dossier, const QString& nom) {
  QApplication::processEvents();
  return Ecrit(fenetre.grab().toImage(), dossier, nom);
}

// A window on a fresh copy of the delivered database, its deal started and
// the play begun by the buttons' mnemonics; `jouer` then runs on it.
bool AvecTable(const std::filesystem::path& livres, const std::string& autres,
               const std::function<bool(TFMain&, TPiloteTable&, TGardienModales&)>& jouer) {
  QTemporaryDir temporaire;
  TEmplacementBase emplacement{std::filesystem::path(temporaire.path().toStdString())};
  const TInstallation installation = InstalleDonnees(emplacement, {livres});
  if (!installation.Ok) {
    std::fprintf(stderr, "%s\n", installation.Detail.c_str());
    return false;
  }
  TConfigurationControleur configuration;
  configuration.Emplacement = emplacement;
  // No pauses, no quiz, refused cards only beep.
  configuration.TexteReglages =
      "[Options]\r\nVitesse=0\r\nCartes=0\r\nQuestions=0\r\nErreursComments=0\r\nSetCartes=2\r\n" + autres;
  configuration.Graine = 1;
  TFMain fenetre(configuration, QRect(0, 0, 1024, 768));
  fenetre.show();
  if (!fenetre.PremiereActivation()) return false;
  TPiloteTable pilote(fenetre);
  TGardienModales gardien;
  ReponsesHabituelles(gardien);
  // The mnemonics answer in the active window only.
  fenetre.activateWindow();
  QApplication::processEvents();
  pilote.Touche(Qt::Key_D, Qt::AltModifier);
  QTest::qWait(200);  // a mnemonic presses its button as a click does, after a moment
  pilote.Touche(Qt::Key_C, Qt::AltModifier);
  QTest::qWait(200);
  if (!fenetre.Controleur().Etat().InJeu) {
    std::fprintf(stderr, "Le jeu de la carte n'a pas commencé au clavier.\n");
    return false;
  }
  return jouer(fenetre, pilote, gardien);
}

// One gesture towards the end of the deal, by keys: the right card typed
// and played, or the trick gathered with Space. False when stuck.
bool GesteAuClavier(TFMain& fenetre, TPiloteTable& pilote) {
  const TControleur& c = fenetre.Controleur();
  if (c.Etat().LeveeComplete) {
    pilote.Touche(Qt::Key_Space);
  } else if (c.AttendCarteUtilisateur()) {
    const std::optional<TCard> juste = CarteJuste(c);
    if (!juste || !pilote.JoueCarteAuClavier(*juste)) return false;
  }
  QApplication::processEvents();
  return true;
}

bool Sequence(TFMain& fenetre, TPiloteTable& pilote, TGardienModales& gardien, const QDir& sortie) {
  const TControleur& c = fenetre.Controleur();
  // Until the user's first card, then the focus shown by the first key.
  for (int k = 0; k < 20 && !c.AttendCarteUtilisateur(); ++k) QApplication::processEvents();
  pilote.Touche(Qt::Key_Right);
  bool ok = EcritTable(fenetre, sortie, QStringLiteral("clavier-1-focus.png"));
  const std::optional<TCard> juste = CarteJuste(c);
  if (!juste || !pilote.TapeCarte(*juste)) return false;
  ok &= EcritTable(fenetre, sortie, QStringLiteral("clavier-2-carte-choisie.png"));
  pilote.Touche(Qt::Key_Return);
  ok &= EcritTable(fenetre, sortie, QStringLiteral("clavier-3-carte-jouee.png"));
  for (int geste = 0; geste < 20 && !c.Etat().LeveeComplete; ++geste)
    if (!GesteAuClavier(fenetre, pilote)) return false;
  ok &= EcritTable(fenetre, sortie, QStringLiteral("clavier-4-levee-complete.png"));
  pilote.Touche(Qt::Key_Space);
  ok &= EcritTable(fenetre, sortie, QStringLiteral("clavier-5-levee-ramassee.png"));

  // On to the end; the end-of-deal screen is pictured as it opens and
  // left with Enter, its default button "Suivante".
  bool fin = false;
  gardien.Repond("kalvo::TFinDonne1024", [&](QWidget* w) {
    QApplication::processEvents();
    fin = Ecrit(w->grab().toImage(), sortie, QStringLiteral("clavier-6-fin-de-donne.png"));
    QTest::keyClick(w->focusWidget() != nullptr ? w->focusWidget() : w, Qt::Key_Return);
  });
  for (int geste = 0; geste < 200 && !fin; ++geste)
    if (!GesteAuClavier(fenetre, pilote)) return false;
  return ok && fin;
}

// The table in the second trick, the focus on the right card.
bool Apparence(TFMain& fenetre, TPiloteTable& pilote, const QDir& sortie, const QString& nom) {
  const TControleur& c = fenetre.Controleur();
  for (int geste = 0; geste < 40 && (c.Etat().Levee < 2 || !c.AttendCarteUtilisateur()); ++geste)
    if (!GesteAuClavier(fenetre, pilote)) return false;
  const std::optional<TCard> juste = CarteJuste(c);
  if (!juste || !pilote.TapeCarte(*juste)) return false;
  return EcritTable(fenetre, sortie, nom);
}

}  // namespace

bool ImagesClavier(const QDir& sortie, const std::filesystem::path& donnees) {
  bool ok = AvecTable(donnees, {}, [&](TFMain& f, TPiloteTable& p, TGardienModales& g) {
    return Sequence(f, p, g, sortie);
  });
  ok &= AvecTable(donnees, "GrandesCartes=1\r\n", [&](TFMain& f, TPiloteTable& p, TGardienModales&) {
    return Apparence(f, p, sortie, QStringLiteral("clavier-grandes-cartes.png"));
  });
  ok &= AvecTable(donnees, "ContrasteEleve=1\r\n", [&](TFMain& f, TPiloteTable& p, TGardienModales&) {
    return Apparence(f, p, sortie, QStringLiteral("clavier-contraste-eleve.png"));
  });
  if (!ok) std::fprintf(stderr, "La donne n'a pas pu être jouée au clavier jusqu'au bout.\n");
  return ok;
}

}  // namespace kalvo::ecrans
