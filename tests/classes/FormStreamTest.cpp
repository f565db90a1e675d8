#include <gtest/gtest.h>

#include "FormTestClasses.h"
#include "classes/FormText.h"
#include "classes/Streams.h"

namespace {

class FormStream : public ::testing::Test {
 protected:
  void SetUp() override { RegisterFormTestClasses(); }
};

std::string ToBinary(std::string_view text) {
  TStringStream input(FromUtf8(text));
  TMemoryStream output;
  ObjectTextToBinary(input, output);
  return output.Bytes();
}

std::string ToText(const std::string& binary) {
  TMemoryStream input;
  input.WriteBuffer(binary.data(), binary.size());
  input.SetPosition(0);
  TMemoryStream output;
  ObjectBinaryToText(input, output);
  return output.Bytes();
}

TEST_F(FormStream, BinaryLayout) {
  using namespace std::string_literals;
  EXPECT_EQ(ToBinary("object A: TA\n  X = 1\n  Y = 'ab'\nend\n"),
            "TPF0\x02TA\x01"
            "A\x01X\x02\x01\x01Y\x06\x02"
            "ab\x00\x00"s);
  EXPECT_EQ(ToBinary("inherited B: TB [3]\nend\n"),
            "TPF0\xF3\x02\x03\x02TB\x01"
            "B\x00\x00"s);
}

TEST_F(FormStream, TextToBinaryAndBack) {
  // Every kind of value, written as the host writes it.
  const std::string text =
      "object Form1: TForm1\r\n"
      "  Small = -11\r\n"
      "  Medium = 1000\r\n"
      "  Large = 100000\r\n"
      "  Huge = 10000000000\r\n"
      "  Ratio = 2.500000000000000000\r\n"
      "  Tiny = 1E-20\r\n"
      "  Price = 12.500000000000000000c\r\n"
      "  Flag = True\r\n"
      "  Other = False\r\n"
      "  Nothing = nil\r\n"
      "  Color = clBtnFace\r\n"
      "  Link = Form2.Query1\r\n"
      "  Style = [fsBold, fsItalic]\r\n"
      "  Empty = []\r\n"
      "  Caption = #1050#1083#1080#1077#1085#1090'+'#13#10\r\n"
      "  Long = \r\n"
      "    'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' +\r\n"
      "    'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' +\r\n"
      "    'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' +\r\n"
      "    'aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa' +\r\n"
      "    'aaaaaaaa'\r\n"
      "  Lines.Strings = (\r\n"
      "    'one'\r\n"
      "    ''\r\n"
      "    3)\r\n"
      "  Columns = <\r\n"
      "    item [2]\r\n"
      "      Width = 64\r\n"
      "    end\r\n"
      "    item\r\n"
      "    end>\r\n"
      "  None = <>\r\n"
      "  Data = {\r\n"
      "    0001FF}\r\n"
      "  inline Frame1: TFrame1\r\n"
      "    inherited Label1: TLabel [0]\r\n"
      "    end\r\n"
      "  end\r\n"
      "end\r\n";
  EXPECT_EQ(ToText(ToBinary(text)), text);
}

TEST_F(FormStream, ReadComponentIntoAnExistingInstance) {
  TTestControl form(nullptr);
  auto* panel = new TTestControl(&form);
  panel->SetName(STR("SQLMemoPanel"));
  panel->Align = TTestAlign::alClient;
  const String held =
      STR("object SQLMemoPanel: TTestControl\n"
          "  Left = 24\n"
          "  Top = 16\n"
          "  Width = 321\n"
          "  object SynMemo1: TTestControl\n"
          "    Align = alClient\n"
          "    Font.Name = 'Courier New'\n"
          "    Font.Style = []\n"
          "    OnClick = SynMemo1Click\n"
          "  end\n"
          "  object Highlighter: TTestDataSource\n"
          "    Left = 248\n"
          "    Top = 128\n"
          "  end\n"
          "end\n");
  TStringStream text(held);
  TMemoryStream binary;
  ObjectTextToBinary(text, binary);
  binary.SetPosition(0);
  binary.ReadComponent(panel);
  EXPECT_EQ(panel->Left, 24);
  EXPECT_EQ(panel->Width, 321);
  EXPECT_EQ(panel->Align, TTestAlign::alClient);  // not in the text: stays
  ASSERT_EQ(panel->ComponentCount(), 2);
  auto* memo = As<TTestControl>(panel->FindComponent(STR("SynMemo1")));
  EXPECT_EQ(memo->Owner(), panel);
  EXPECT_EQ(memo->Parent, panel);
  EXPECT_EQ(memo->Font()->Name, STR("Courier New"));
  EXPECT_EQ(memo->OnClick, (TMethod{panel, STR("SynMemo1Click")}));
  EXPECT_EQ(panel->FindComponent(STR("Highlighter"))->DesignInfo(), 248 | (128 << 16));
  EXPECT_EQ(binary.Position(), binary.Size());
}

TEST_F(FormStream, ReadComponentRefusesUnknownClassesAndProperties) {
  for (const char* text : {"object P: TTestControl\n  object M: TSynMemo\n  end\nend\n",
                           "object P: TTestControl\n  WantTabs = True\nend\n"}) {
    TTestControl panel(nullptr);
    TStringStream input(FromUtf8(text));
    TMemoryStream binary;
    ObjectTextToBinary(input, binary);
    binary.SetPosition(0);
    EXPECT_THROW(binary.ReadComponent(&panel), EReadError) << text;
  }
}

TEST_F(FormStream, MalformedBinaryDataIsAnError) {
  const std::string good = ToBinary("object A: TA\n  X = (1 'two' [a])\n  C = <item end>\nend\n");
  for (size_t length = 0; length < good.size(); ++length) {
    EXPECT_THROW(ToText(good.substr(0, length)), EReadError) << length;
  }
  std::string bad = good;
  bad[bad.find('X') + 1] = 99;  // no such value type
  EXPECT_THROW(ToText(bad), EReadError);
  std::string deep = "TPF0";
  for (int i = 0; i < 100000; ++i)
    deep.append(
        "\x02TA\x01"
        "A\x00",
        6);
  try {
    ToText(deep);
    FAIL();
  } catch (const EReadError& e) {
    EXPECT_EQ(ToUtf8(e.Message()), "Nesting deeper than 128 levels");
  }
}

}  // namespace
