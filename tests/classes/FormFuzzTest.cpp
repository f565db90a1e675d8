// Randomised robustness of the form readers: damaged input is an error, never a crash or a
// hang, and whatever still parses is written back byte for byte.
#include <gtest/gtest.h>

#include <random>

#include "FormTestClasses.h"
#include "FormTestFiles.h"
#include "classes/FormSet.h"
#include "classes/FormText.h"
#include "classes/Streams.h"

namespace {

constexpr std::string_view kTokenBytes = "'#{}()[]<>=+-.:$,0123456789abcdefEZ _\r\n\t\x80\xC3\xFF";

std::string Mutate(std::string text, std::mt19937& random) {
  auto pick = [&](size_t n) { return std::uniform_int_distribution<size_t>(0, n)(random); };
  switch (pick(4)) {
    case 0:  // truncation
      text.resize(pick(text.size()));
      break;
    case 1:  // byte flips
      for (size_t k = pick(3); k <= 3 && !text.empty(); ++k) {
        text[pick(text.size() - 1)] = static_cast<char>(pick(255));
      }
      break;
    case 2:  // a token character where it may not belong
      text.insert(pick(text.size()), 1, kTokenBytes[pick(kTokenBytes.size() - 1)]);
      break;
    case 3: {  // a range removed
      const size_t at = pick(text.size());
      text.erase(at, pick(64));
      break;
    }
    default: {  // a range repeated
      const size_t at = pick(text.size());
      text.insert(pick(text.size()), text.substr(at, pick(200)));
      break;
    }
  }
  return text;
}

// Everything the readers do with one input; only their own errors may come out.
void Exercise(const std::string& text) {
  std::unique_ptr<TFormDocument> document;
  try {
    document = ReadFormText(text, STR("fuzz.dfm"));
  } catch (const EParserError&) {
    return;
  }
  ASSERT_EQ(WriteFormText(*document), text);
  try {
    TFormSet forms;
    TFormModule& module = forms.OpenText(text, "fuzz.dfm");
    ASSERT_EQ(module.Render(), text);
  } catch (const EFormError&) {
  }
  try {
    TStringStream input(FromUtf8(text));
    TMemoryStream binary;
    ObjectTextToBinary(input, binary);
    TComponent panel(nullptr);
    binary.SetPosition(0);
    binary.ReadComponent(&panel);
  } catch (const EFormError&) {
  }
}

TEST(FormFuzz, DamagedFormsAreErrorsNeverCrashes) {
  RegisterFormTestClasses();
  std::mt19937 random(20261208);
  for (const char* name : kFormSamples) {
    const std::string original = ReadBytes(FormSample(name));
    for (int round = 0; round < 300; ++round) {
      std::string text = original;
      for (int k = 0; k <= round % 4; ++k) text = Mutate(text, random);
      SCOPED_TRACE(std::string(name) + " round " + std::to_string(round));
      Exercise(text);
      if (HasFatalFailure()) return;
    }
  }
}

TEST(FormFuzz, DamagedBinaryDataIsAnError) {
  std::mt19937 random(7);
  TStringStream text(FromUtf8(ReadBytes(FormSample("DataModule1.dfm"))));
  TMemoryStream binary;
  ObjectTextToBinary(text, binary);
  for (int round = 0; round < 2000; ++round) {
    const std::string bytes = Mutate(binary.Bytes(), random);
    TMemoryStream input;
    input.WriteBuffer(bytes.data(), bytes.size());
    input.SetPosition(0);
    TMemoryStream output;
    try {
      ObjectBinaryToText(input, output);
    } catch (const EFormError&) {
    }
  }
}

TEST(FormFuzz, DeepNestingOfEveryKind) {
  const std::string deep[] = {
      [] {
        std::string s;
        for (int i = 0; i < 5000; ++i) s += "object A: TA\n  X = <item Y = 1\n";
        return s;
      }(),
      [] {
        std::string s = "object A: TA\n  X = ";
        for (int i = 0; i < 5000; ++i) s += "<item X = ";
        return s;
      }(),
      "object A: TA\n  X = " + std::string(1 << 20, '('),
      std::string(1 << 20, '\n') + "object",
  };
  for (const std::string& text : deep) {
    EXPECT_THROW(ReadFormText(text, STR("deep.dfm")), EParserError);
  }
}

}  // namespace
