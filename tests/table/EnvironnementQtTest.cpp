// The one application object of the widget tests. It is made before the
// first test and destroyed after the last, never by the exit handlers,
// when Qt's own globals are already gone.
#include <gtest/gtest.h>

#include <QApplication>

#include <array>
#include <memory>

namespace kalvo {
namespace {

class TEnvironnementQt : public ::testing::Environment {
 public:
  void SetUp() override {
    if (QApplication::instance() == nullptr) Application = std::make_unique<QApplication>(Argc, Argv.data());
  }
  void TearDown() override { Application.reset(); }

 private:
  int Argc = 1;
  char Nom[18] = "kalvo_tests_table";
  std::array<char*, 2> Argv{Nom, nullptr};
  std::unique_ptr<QApplication> Application;
};

// gtest takes ownership of the environment.
[[maybe_unused]] ::testing::Environment* const Environnement =
    ::testing::AddGlobalTestEnvironment(new TEnvironnementQt);

}  // namespace
}  // namespace kalvo
