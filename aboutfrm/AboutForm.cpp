#include "aboutfrm/AboutForm.h"

#include <ctime>
#include <memory>

#include "aboutfrm/AboutText.h"

namespace {

int CurrentLocalYear() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return local.tm_year + 1900;
}

// The shell's answer is not looked at: without a browser there is nothing the box could do.
void OpenPage(const Char* address) {
  ShellExecute(STR("Open"), address, String(), String(), SW_SHOWNORMAL);
}

}  // namespace

const TClassInfo& TMySQLAboutComp::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMySQLAboutComp, TForm>(STR("TMySQLAboutComp"))
          .Method(STR("FormCreate"), &TMySQLAboutComp::FormCreate)
          .Method(STR("SpeedButton1Click"), &TMySQLAboutComp::SpeedButton1Click)
          .Method(STR("SpeedButton2Click"), &TMySQLAboutComp::SpeedButton2Click)
          .Build();
  return info;
}

TMySQLAboutComp::TMySQLAboutComp(TComponent* owner) : TForm(owner) {
  LoadLayout(STR("Mysqlaboutfrm"));
  Label1 = Field<TLabel>(STR("Label1"));
  VersionLabel = Field<TLabel>(STR("VersionLabel"));
  lCopyright = Field<TLabel>(STR("lCopyright"));
  DoCreate();
}

void TMySQLAboutComp::Execute(const String& title) {
  const int revision = ProductRevision();
  std::unique_ptr<TMySQLAboutComp> form(new TMySQLAboutComp(Application()));
  form->VersionLabel->SetCaption(VersionLine(revision));
  form->Label1->SetCaption(title);
  form->ShowModal();
}

void TMySQLAboutComp::FormCreate(TObject*) {
  lCopyright->SetCaption(CopyrightNotice(CurrentLocalYear()));
}

void TMySQLAboutComp::SpeedButton1Click(TObject*) {
  OpenPage(kSupportPage);
}

void TMySQLAboutComp::SpeedButton2Click(TObject*) {
  OpenPage(kProductPage);
}

#if OMBRIX_WIDE_STRINGS
void OmbrixShowAbout() {
  TMySQLAboutComp::Execute(STR("Ombrix"));
}
#endif
