// ombrix-designer [FILE...]: the design-time package in real windows. Form files open as the
// designer's modules; the package is loaded and registered as a designer loads it.
#include <CLI/CLI.hpp>
#include <QApplication>
#include <QTimer>
#include <iostream>

#include "DesignPackage.h"
#include "DesignSession.h"
#include "DesignerWindow.h"
#include "QtDriver.h"
#include "Screenshots.h"
#include "classes/FormErrors.h"

int main(int argc, char** argv) {
  CLI::App cli{"ombrix-designer: design forms with the Ombrix package"};
  std::vector<std::string> files;
  std::optional<std::string> screenshots;
  std::optional<std::string> package;
  cli.add_option("files", files, "form files (.dfm) to open");
  cli.add_option("--screenshots", screenshots,
                 "write pictures of the designer and the package's dialogs into DIR, then exit");
  cli.add_option("--package", package, "the design-time package to load (default: the built one)");
  TConnectionFlags flags;
  AddConnectionFlags(cli, flags);
  CLI11_PARSE(cli, argc, argv);

  QApplication application(argc, argv);
  TQtDriver driver;
  std::unique_ptr<TLoadedPackage> loaded;
  try {
    loaded = LoadDesignPackage(package);
  } catch (const Exception& error) {
    std::cerr << "ombrix-designer: " << ToUtf8(error.Message()) << '\n';
    return 1;
  }
  TDesignSession session(flags);
  session.AddPackageResources(loaded->Resources());
  bool opened = true;
  for (const std::string& file : files) {
    try {
      session.Open(file);
    } catch (const EFormError& error) {
      std::cerr << ToUtf8(error.Describe()) << '\n';
      opened = false;
    } catch (const Exception& error) {
      std::cerr << file << ": " << ToUtf8(error.Message()) << '\n';
      opened = false;
    }
  }
  TDesignerWindow window(session);
  driver.SetMainWindow(&window);
  for (int i = 0; i < session.ModuleCount(); ++i) window.AddModule(session.Module(i));
  if (screenshots) {
    std::vector<TShot> shots;
    const bool ok =
        TakeScreenshots(session, window, driver, QString::fromStdString(*screenshots), shots);
    return ok && opened ? 0 : 1;
  }
  window.show();
  return application.exec();
}
