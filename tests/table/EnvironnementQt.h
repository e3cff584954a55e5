// One QApplication for the whole table test program, offscreen, with the
// program's font substitutions.
#pragma once

#include "table/Polices.h"

#include <QApplication>
#include <QColor>
#include <QEvent>
#include <QImage>
#include <QObject>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace kalvo::test {

// True when the X server named by DISPLAY (":N" on this machine) accepts a
// connection; Qt's xcb platform aborts the program otherwise.
inline bool AffichageX11Joignable() {
  const QByteArray affichage = qgetenv("DISPLAY");
  if (!affichage.startsWith(':')) return false;
  const std::string numero = affichage.mid(1).split('.').front().toStdString();
  const std::string chemin = "/tmp/.X11-unix/X" + numero;
  const int s = ::socket(AF_UNIX, SOCK_STREAM, 0);
  if (s < 0) return false;
  sockaddr_un adresse{};
  adresse.sun_family = AF_UNIX;
  chemin.copy(adresse.sun_path, sizeof(adresse.sun_path) - 1);
  const bool ok = ::connect(s, reinterpret_cast<sockaddr*>(&adresse), sizeof(adresse)) == 0;
  ::close(s);
  return ok;
}

// Set when the tests were asked to run on X but no X server could be
// reached: they run offscreen, and those that need X skip.
inline bool AffichageX11Absent = false;

class EnvironnementQt : public ::testing::Environment {
 public:
  void SetUp() override {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    if (qgetenv("QT_QPA_PLATFORM").startsWith("xcb") && !AffichageX11Joignable()) {
      AffichageX11Absent = true;
      qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    application_ = std::make_unique<QApplication>(argc_, argv_);
    InstallePolicesDeSubstitution();
  }
  void TearDown() override { application_.reset(); }

 private:
  int argc_ = 1;
  char nom_[16] = "kalvo_tests";
  char* argv_[2] = {nom_, nullptr};
  std::unique_ptr<QApplication> application_;
};

inline ::testing::Environment* const EnvironnementQtEnregistre =
    ::testing::AddGlobalTestEnvironment(new EnvironnementQt);

// Counts the paint events a widget receives.
class CompteurPeintures : public QObject {
 public:
  explicit CompteurPeintures(QWidget* cible) { cible->installEventFilter(this); }
  int Nombre = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++Nombre;
    return false;
  }
};

// A plain surface of one colour to lay controls on.
inline std::unique_ptr<QWidget> Surface(int w, int h, QColor couleur) {
  auto surface = std::make_unique<QWidget>();
  surface->resize(w, h);
  surface->setAutoFillBackground(true);
  QPalette palette = surface->palette();
  palette.setColor(QPalette::Window, couleur);
  surface->setPalette(palette);
  return surface;
}

inline QImage Rendu(QWidget& w) { return w.grab().toImage().convertToFormat(QImage::Format_RGB32); }

}  // namespace kalvo::test
