// A main window on a fresh copy of the delivered database, sized for a
// given screen, with settings given as text (nothing written back).
#pragma once

#include "EnvironnementQt.h"

#include "control/Controleur.h"
#include "model/DossierDonnees.h"
#include "table/FMain.h"

#include <QApplication>
#include <QTemporaryDir>

#include <filesystem>
#include <memory>
#include <string>

namespace kalvo::test {

inline std::filesystem::path DossierBaseLivree() { return std::filesystem::path(KALVO_BUILD_DIR) / "data"; }

// Quick settings: no pauses, no quiz.
inline std::string ReglagesRapides(int setCartes = 1, const std::string& autres = {}) {
  return "[Options]\r\nVitesse=0\r\nCartes=0\r\nQuestions=0\r\nSetCartes=" + std::to_string(setCartes) + "\r\n" +
         autres;
}

struct TTableDeTest {
  QTemporaryDir Dossier;
  std::unique_ptr<TFMain> Fenetre;

  // Empty when the database could not be put in place (the test fails).
  static std::unique_ptr<TTableDeTest> Ouvre(const std::string& reglages, QSize ecran = {1024, 768},
                                             bool activer = true) {
    auto t = std::make_unique<TTableDeTest>();
    TEmplacementBase emplacement{std::filesystem::path(t->Dossier.path().toStdString())};
    const TInstallation installation = InstalleDonnees(emplacement, {DossierBaseLivree()});
    if (!installation.Ok) {
      ADD_FAILURE() << installation.Detail;
      return nullptr;
    }
    TConfigurationControleur configuration;
    configuration.Emplacement = emplacement;
    configuration.TexteReglages = reglages;
    configuration.Graine = 7;
    configuration.AnalyseImprevues = false;  // no verdict window in the middle of the window tests
    t->Fenetre = std::make_unique<TFMain>(configuration, QRect(QPoint(0, 0), ecran));
    t->Fenetre->show();
    if (activer && !t->Fenetre->PremiereActivation()) {
      ADD_FAILURE() << "première activation refusée";
      return nullptr;
    }
    QApplication::processEvents();
    return t;
  }
};

}  // namespace kalvo::test
