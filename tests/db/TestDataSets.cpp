#include "TestDataSets.h"

#include "rtl/SysUtils.h"

String S(const char* utf8) {
  return FromUtf8(utf8);
}

const TClassInfo& TMemDataSet::StaticClass() {
  static const TClassInfo info =
      TClassBuilder<TMemDataSet, TDataSet>(STR("TMemDataSet")).Creatable().Build();
  return info;
}

void TMemDataSet::InternalInitFieldDefs() {
  ++FieldDefUpdates;
  FieldDefs()->Clear();
  for (const auto& c : Columns) FieldDefs()->Add(c.name, c.type, c.size, c.required);
}

void TMemDataSet::InternalOpen() {
  for (const auto& row : Rows) AppendRecord(row);
}

void TMemDataSet::UpdateIndexDefs() {
  ++IndexDefUpdates;
  IndexDefs()->Clear();
  for (const auto& ix : Indexes) {
    IndexDefs()->Add(ix[0], ix[1], static_cast<TIndexOptions>(StrToInt(ix[2])));
  }
}

namespace {

const std::vector<std::string>& MethodNames() {
  static const std::vector<std::string> names = [] {
    std::vector<std::string> all;
    for (int i = 0; i < kDataSetEventCount; ++i) {
      all.push_back(ToUtf8(DataSetEventName(static_cast<TDataSetEvent>(i))));
    }
    return all;
  }();
  return names;
}

TClassInfo BuildRecorderClass() {
  TClassInfo info = TClassBuilder<TRecorder, TComponent>(STR("TRecorder")).Build();
  for (const std::string& name : MethodNames()) {
    std::any invoker;
    if (name == "OnFilterRecord") {
      invoker = std::function<void(TObject*, TDataSet*, bool&)>(
          [name](TObject* self, TDataSet* ds, bool& accept) {
            auto* r = static_cast<TRecorder*>(self);
            r->Log.push_back(name);
            if (r->Accept.empty()) return;
            const int64_t id = ds->FieldByName(STR("Id"))->AsLargeInt();
            accept = std::find(r->Accept.begin(), r->Accept.end(), id) != r->Accept.end();
          });
    } else if (name.ends_with("Error")) {
      invoker = std::function<void(TObject*, TDataSet*, EDatabaseError&, TDataAction&)>(
          [name](TObject* self, TDataSet*, EDatabaseError&, TDataAction& action) {
            auto* r = static_cast<TRecorder*>(self);
            r->Log.push_back(name);
            action = r->ErrorAction;
            // Retry once, then give up, so a retry cannot loop forever.
            if (r->ErrorAction == TDataAction::daRetry) r->ErrorAction = TDataAction::daFail;
          });
    } else {
      invoker = std::function<void(TObject*, TDataSet*)>(
          [name](TObject* self, TDataSet*) { static_cast<TRecorder*>(self)->Log.push_back(name); });
    }
    info.Methods.push_back({FromUtf8(name), std::move(invoker)});
  }
  return info;
}

}  // namespace

const TClassInfo& TRecorder::StaticClass() {
  static const TClassInfo info = BuildRecorderClass();
  return info;
}

TMethod TRecorder::Handler(const char* name) {
  return TMethod{this, FromUtf8(name)};
}

void HookAllEvents(TDataSet& dataSet, TRecorder& recorder) {
  for (const std::string& name : MethodNames()) {
    SetMethodProp(&dataSet, FromUtf8(name), recorder.Handler(name.c_str()));
  }
}
