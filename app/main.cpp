#include <memory>

#include "Unit1.h"
#include "application.h"
#include "demo_mode.h"

// speedconf [--demo]: the window; with --demo it lists only the built-in simulated registers.
int main(int argc, char** argv) {
  TApplication application(argc, argv);
  try {
    std::unique_ptr<app::DemoMode> demo;
    if (TApplication::arguments().contains(QStringLiteral("--demo"))) {
      demo = std::make_unique<app::DemoMode>();
    }
    const auto window = std::make_unique<TForm1>();
    Form1 = window.get();
    window->show();
    TApplication::exec();
    Form1 = nullptr;
  } catch (const std::exception& error) {
    TApplication::ShowException(error);
  }
  return 0;
}
