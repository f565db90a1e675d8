#pragma once
// The About box: the component's or product's name, the version and two links.
#include "forms/Forms.h"

class TMySQLAboutComp : public TForm {
  OMBRIX_CLASS(TMySQLAboutComp)
  explicit TMySQLAboutComp(TComponent* owner);

  TLabel* Label1;
  TLabel* VersionLabel;
  TLabel* lCopyright;

  // Shows the box modally with the given name in Label1; returns when it is closed.
  static void Execute(const String& title);

  void FormCreate(TObject* sender);
  void SpeedButton1Click(TObject* sender);
  void SpeedButton2Click(TObject* sender);
};

inline constexpr const Char* kSupportPage = STR("https://support.ombrix.example/");
inline constexpr const Char* kProductPage = STR("https://www.ombrix.example/updates/");

#if OMBRIX_WIDE_STRINGS
// The About box of the product.
void OmbrixShowAbout();
#endif
