// ombrix package info: what a package registers when a designer loads it.
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "Commands.h"
#include "Json.h"
#include "OutputText.h"
#include "PackageHost.h"
#include "designide/RegistryScope.h"
#include "designide/SplashScreen.h"
#include "forms/Resources.h"

namespace {

// The designer's splash screen, keeping what packages add to it.
class TRecordingSplash : public ISplashScreenServices {
 public:
  void AddPluginBitmap(const String& caption, std::shared_ptr<TBitmap> bitmap) override {
    Entries.push_back({caption, std::move(bitmap)});
  }
  struct TEntry {
    String Caption;
    std::shared_ptr<TBitmap> Bitmap;
  };
  std::vector<TEntry> Entries;
};

std::string Text(StringView text) {
  return OutputUtf8(text);
}

std::string Json(StringView text) {
  return JsonString(FromUtf8(OutputUtf8(text)));
}

std::string ClassName(const TClassInfo* cls) {
  return cls != nullptr ? Text(cls->Name) : std::string();
}

struct TBitmapFacts {
  String Name;
  int Width, Height, BitsPerPixel;
};

TBitmapFacts Facts(const TBitmap& bitmap) {
  return {bitmap.ResourceName(), bitmap.Width(), bitmap.Height(), bitmap.BitsPerPixel()};
}

std::string BitmapJson(const TBitmapFacts& b) {
  return JsonObject({{"name", Json(b.Name)},
                     {"width", std::to_string(b.Width)},
                     {"height", std::to_string(b.Height)},
                     {"bitsPerPixel", std::to_string(b.BitsPerPixel)}});
}

std::string BitmapText(const TBitmapFacts& b) {
  return Text(b.Name) + " " + std::to_string(b.Width) + "x" + std::to_string(b.Height) + ", " +
         std::to_string(b.BitsPerPixel) + " bits per pixel";
}

// Everything the package said about itself and registered, in order. The registrations point
// into the package, which stays loaded as long as the report lives.
struct TPackageReport {
  std::unique_ptr<TPackage> Loaded;  // first, so that it goes last
  std::string Package;
  bool DesignOnly = false;
  std::vector<std::string> Requires;
  std::string Description;
  std::vector<std::string> Units;
  std::vector<TRecordingSplash::TEntry> Splash;
  bool DemandLoadForced = false;
  std::vector<TPaletteEntry> Palette;
  std::vector<TComponentEditorRegistration> ComponentEditors;
  std::vector<TPropertyEditorRegistration> PropertyEditors;
  std::vector<TBitmapFacts> Bitmaps;
};

TPackageReport Inspect(const std::string& name, bool withSplash) {
  TRecordingSplash splash;
  SetSplashScreenServices(withSplash ? &splash : nullptr);
  struct TRestore {
    ~TRestore() { SetSplashScreenServices(nullptr); }
  } restore;
  TPackageReport r;
  r.Loaded = LoadDesignPackage(name);
  const TPackage* package = r.Loaded.get();
  const TPackageInfoTable& info = package->Info();
  r.Package = ToUtf8(package->Name());
  r.DesignOnly = (info.Flags & pfDesignOnly) != 0;
  r.Requires.assign(info.Requires, info.Requires + info.RequiresCount);
  r.Description = info.Description;
  r.Units.assign(info.Units, info.Units + info.UnitCount);
  r.Splash = splash.Entries;
  r.DemandLoadForced = DemandLoadState(package->Name()) == dlDisable;
  r.Palette = PackagePalette(package->Name());
  r.ComponentEditors = PackageComponentEditors(package->Name());
  r.PropertyEditors = PackagePropertyEditors(package->Name());
  const TPackageResourceTable& resources = package->Resources();
  for (int i = 0; i < resources.Count; ++i) {
    const auto bitmap = LoadBitmapResource(resources, FromUtf8(resources.Items[i].Name));
    r.Bitmaps.push_back(Facts(*bitmap));
  }
  return r;
}

std::vector<std::string> JsonStrings(const std::vector<std::string>& utf8) {
  std::vector<std::string> out;
  for (const std::string& s : utf8) out.push_back(JsonString(FromUtf8(s)));
  return out;
}

std::string PalettePage(const TPackageReport& r) {
  return r.Palette.empty() ? std::string() : Text(r.Palette.front().Page);
}

void PrintJson(const TPackageReport& r) {
  std::string splash = "null";
  if (!r.Splash.empty()) {
    const auto& entry = r.Splash.front();
    splash = JsonObject({{"caption", Json(entry.Caption)},
                         {"bitmap", entry.Bitmap ? BitmapJson(Facts(*entry.Bitmap)) : "null"}});
  }
  std::vector<std::string> classes, componentEditors, propertyEditors, bitmaps;
  for (const auto& p : r.Palette) classes.push_back(Json(p.Class->Name));
  for (const auto& c : r.ComponentEditors) {
    componentEditors.push_back(
        JsonObject({{"class", Json(c.ComponentClass->Name)}, {"editor", Json(c.Editor->Name)}}));
  }
  for (const auto& p : r.PropertyEditors) {
    propertyEditors.push_back(JsonObject(
        {{"type", Json(p.Type->Name())},
         {"class", Json(p.ComponentClass != nullptr ? p.ComponentClass->Name : String())},
         {"property", Json(p.Name)},
         {"editor", Json(p.Editor->Name)}}));
  }
  for (const auto& b : r.Bitmaps) bitmaps.push_back(BitmapJson(b));
  std::cout << JsonObject({{"package", JsonString(FromUtf8(r.Package))},
                           {"designOnly", JsonBool(r.DesignOnly)},
                           {"requires", JsonArray(JsonStrings(r.Requires))},
                           {"description", JsonString(FromUtf8(r.Description))},
                           {"units", JsonArray(JsonStrings(r.Units))},
                           {"splash", splash},
                           {"demandLoadForced", JsonBool(r.DemandLoadForced)},
                           {"palette", JsonObject({{"page", JsonString(FromUtf8(PalettePage(r)))},
                                                   {"classes", JsonArray(classes)}})},
                           {"componentEditors", JsonArray(componentEditors)},
                           {"propertyEditors", JsonArray(propertyEditors)},
                           {"bitmaps", JsonArray(bitmaps)}})
            << '\n';
}

std::string Listed(const std::vector<std::string>& items) {
  std::string out;
  for (const std::string& item : items) out += (out.empty() ? "" : ", ") + item;
  return out;
}

void PrintText(const TPackageReport& r) {
  std::cout << "package: " << r.Package << '\n'
            << "design-only: " << (r.DesignOnly ? "yes" : "no") << '\n'
            << "requires: " << Listed(r.Requires) << '\n'
            << "description: " << r.Description << '\n'
            << "units: " << Listed(r.Units) << '\n';
  if (r.Splash.empty()) std::cout << "splash: none\n";
  for (const auto& entry : r.Splash) {
    std::cout << "splash: " << Text(entry.Caption) << " ("
              << (entry.Bitmap ? BitmapText(Facts(*entry.Bitmap)) : "no bitmap") << ")\n";
  }
  std::cout << "demand loading forced: " << (r.DemandLoadForced ? "yes" : "no") << '\n';
  for (const auto& p : r.Palette) {
    std::cout << "palette: " << Text(p.Page) << '\t' << Text(p.Class->Name) << '\n';
  }
  for (const auto& c : r.ComponentEditors) {
    std::cout << "component editor: " << Text(c.ComponentClass->Name) << '\t'
              << Text(c.Editor->Name) << '\n';
  }
  for (const auto& p : r.PropertyEditors) {
    std::cout << "property editor: " << Text(p.Type->Name()) << '\t' << ClassName(p.ComponentClass)
              << '\t' << Text(p.Name) << '\t' << Text(p.Editor->Name) << '\n';
  }
  for (const auto& b : r.Bitmaps) std::cout << "bitmap: " << BitmapText(b) << '\n';
}

struct TInfoOptions {
  std::string package;
  bool noSplash = false;
  bool json = false;
};

}  // namespace

void AddPackageCommands(CLI::App& app, CommandResult& result) {
  CLI::App* package = app.add_subcommand("package", "Design-time packages: info");
  package->require_subcommand(1);
  auto options = std::make_shared<TInfoOptions>();
  CLI::App* info = package->add_subcommand(
      "info", "Load a package into a designer, run its Register and print what it registered");
  info->add_option("--package", options->package, "Package name (default: the build's newest)");
  info->add_flag("--no-splash", options->noSplash, "A designer without a splash screen");
  info->add_flag("--json", options->json, "One JSON object");
  info->callback([options, &result] {
    try {
      const TPackageReport report = Inspect(options->package, !options->noSplash);
      options->json ? PrintJson(report) : PrintText(report);
    } catch (const std::exception& e) {
      std::cerr << "ombrix: " << e.what() << '\n';
      result.exitCode = kExitFailure;
    }
  });
}
