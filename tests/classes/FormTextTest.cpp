#include <gtest/gtest.h>

#include "FormTestFiles.h"
#include "classes/FormText.h"
#include "rtl/SysUtils.h"

namespace {

std::unique_ptr<TFormDocument> Parse(std::string_view text) {
  return ReadFormText(text, STR("test.dfm"));
}

template <class Node>
const TFormProperty& Prop(const Node& node, StringView name) {
  const TFormProperty* p = FindFormProperty(node.Properties, name);
  if (p == nullptr) throw std::runtime_error("no property " + ToUtf8(name));
  return *p;
}

TEST(FormText, SamplesRoundTripByteForByte) {
  for (const char* name : kFormSamples) {
    const std::string bytes = ReadBytes(FormSample(name));
    ASSERT_FALSE(bytes.empty()) << name;
    auto document = ReadFormText(bytes, FromUtf8(name));
    EXPECT_EQ(WriteFormText(*document), bytes) << name;
  }
}

TEST(FormText, OddLayoutStillRoundTrips) {
  // Blank lines, tabs, trailing blanks, several nodes on a line, no final line break.
  const std::string text =
      "\r\n\tobject  A :TA [3]  \r\n\r\n  X= 1 Y =2\n\tZ = 'a' +\r\n   #13  +\n 'b'\r\n"
      "  L = ( 1 'two' three ( 4 ) )  C = < item [7] P = 1 end item\tend item Q = 2 end item TX "
      "end >\n"
      "  B = {0a 0B\n cc} object B: TB end\rend";
  auto document = Parse(text);
  EXPECT_EQ(WriteFormText(*document), text);
  const auto& items =
      FindFormProperty(document->Root->Properties, STR("C"))->Value.CollectionItems();
  ASSERT_EQ(items.size(), 4u);
  EXPECT_EQ(items[0].Order, 7);
  EXPECT_EQ(items[2].Properties.at(0).Name, STR("Q"));
  EXPECT_EQ(items[3].ItemClass, STR("TX"));
}

TEST(FormText, ValuesAreDecoded) {
  auto document = ReadFormText(ReadBytes(FormSample("MainForm.dfm")), STR("MainForm.dfm"));
  const TFormObject& root = *document->Root;
  EXPECT_TRUE(document->Style.Bom);
  EXPECT_EQ(document->Style.LineBreak, "\n");
  EXPECT_EQ(Prop(root, STR("Caption")).Value.Text, FromUtf8("Клиенты и заказы"));
  EXPECT_EQ(Prop(root, STR("Font.Height")).Value.Int, -11);
  EXPECT_EQ(Prop(root, STR("font.style")).Value.Kind, TFormValueKind::fvSet);
  const TFormObject* edit = root.FindChild(STR("ToolPanel"))->FindChild(STR("SearchEdit"));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(Prop(*edit, STR("Hint")).Value.Text,
            STR("Type a part of the company name, the city or the country and press Enter to "
                "filter the list below"));
  EXPECT_EQ(Prop(*edit, STR("Anchors")).Value.Names().size(), 3u);
  const TFormObject* memo = root.FindChild(STR("Notes"));
  const TFormValue& lines = Prop(*memo, STR("Lines.Strings")).Value;
  ASSERT_EQ(lines.Items().size(), 5u);
  EXPECT_EQ(lines.Items()[1].Text, FromUtf8("Größe: 12 cm – Preis: 9,99 €"));
  EXPECT_EQ(lines.Items()[2].Text, STR(""));
  EXPECT_EQ(lines.Items()[4].Text, STR("It's done."));
  const TFormObject* menu = root.FindChild(STR("MainMenu1"))->FindChild(STR("FileMenu"));
  EXPECT_EQ(Prop(*menu, STR("Caption")).Value.Text, FromUtf8("&Datei – Größe"));
  const TFormValue& columns = Prop(*root.FindChild(STR("CustomerGrid")), STR("Columns")).Value;
  ASSERT_EQ(columns.CollectionItems().size(), 4u);
  EXPECT_EQ(Prop(columns.CollectionItems()[2], STR("Title.Caption")).Value.Text, FromUtf8("Город"));
  const TFormObject* chart = root.FindChild(STR("TreePanel"))->FindChild(STR("Chart1"));
  EXPECT_DOUBLE_EQ(Prop(*chart, STR("LeftAxis.Maximum")).Value.AsFloat(), 125.5);
  const TFormObject* logo = root.FindChild(STR("TreePanel"))->FindChild(STR("Logo"));
  const std::string& picture = Prop(*logo, STR("Picture.Data")).Value.Bytes();
  EXPECT_EQ(picture.size(), 1u + 7 + 4 + 2 + 178);
  EXPECT_EQ(picture.substr(1, 7), "TBitmap");
}

TEST(FormText, WindowsCodePageFile) {
  auto document = ReadFormText(ReadBytes(FormSample("Einstellungen.dfm")), STR("E.dfm"));
  EXPECT_EQ(document->Style.Encoding, TFormEncoding::feWindows1252);
  EXPECT_EQ(document->Style.LineBreak, "\r\n");
  TFormProperty& caption =
      *FindFormProperty(document->Root->FindChild(STR("GebuehrLabel"))->Properties, STR("Caption"));
  // The 8-bit builds hold UTF-8 too: the code page is converted at reading.
  EXPECT_EQ(caption.Value.Text, FromUtf8("Gebühr in € (zzgl. MwSt.)"));

  // Written back, text the code page lacks becomes codes; the file stays Windows-1252 and
  // reads back the same.
  const String text = FromUtf8("Größe – 5 € – Клиент 😀");
  caption.SetValue(TFormValue::Str(text));
  const std::string written = WriteFormText(*document);
  EXPECT_NE(written.find(kWideStrings ? "'Gr'#246#223'e '#8211' 5 '#8364' '#8211' '#1050"
                                      : "'Gr'#246#223'e '#150' 5 '#128' '#150' '#1050"),
            std::string::npos);
  auto reread = ReadFormText(written, STR("E.dfm"));
  EXPECT_EQ(reread->Style.Encoding, TFormEncoding::feWindows1252);
  EXPECT_EQ(Prop(*reread->Root->FindChild(STR("GebuehrLabel")), STR("Caption")).Value.Text, text);
}

TEST(FormText, CharacterCodes) {
  auto document = Parse("object A: TA\n S = 'a'#13#10'b'#$41 + #39''''\n end\n");
  const String& s = Prop(*document->Root, STR("S")).Value.Text;
  EXPECT_EQ(s, STR("a\r\nbA''"));
  // A surrogate pair cut by a segment break still gives one character.
  auto emoji = Parse("object A: TA\n S = #55357 +\n #56832\n end\n");
  EXPECT_EQ(ToUtf8(Prop(*emoji->Root, STR("S")).Value.Text), "\xF0\x9F\x98\x80");
}

TEST(FormText, EachStringValueHasOnlyItsOwnParts) {
  // One quoted run is read straight from the file, the others are assembled: neither may keep
  // text of the value before.
  auto document = Parse(
      "object A: TA\n S1 = 'ab' + 'cd'\n S2 = 'x'#65\n S3 = 'plain'\n S4 = 'it''s'\n"
      " S5 = ''\n S6 = #66 + 'y'\n L = ('p' 'q'#67 'r')\nend\n");
  const TFormObject& root = *document->Root;
  EXPECT_EQ(Prop(root, STR("S1")).Value.Text, STR("abcd"));
  EXPECT_EQ(Prop(root, STR("S2")).Value.Text, STR("xA"));
  EXPECT_EQ(Prop(root, STR("S3")).Value.Text, STR("plain"));
  EXPECT_EQ(Prop(root, STR("S4")).Value.Text, STR("it's"));
  EXPECT_EQ(Prop(root, STR("S5")).Value.Text, STR(""));
  EXPECT_EQ(Prop(root, STR("S6")).Value.Text, STR("By"));
  const auto& items = Prop(root, STR("L")).Value.Items();
  ASSERT_EQ(items.size(), 3u);
  EXPECT_EQ(items[0].Text, STR("p"));
  EXPECT_EQ(items[1].Text, STR("qC"));
  EXPECT_EQ(items[2].Text, STR("r"));
}

TEST(FormText, ChangedPropertyChangesOnlyItsLines) {
  const std::string bytes = ReadBytes(FormSample("DataModule1.dfm"));
  auto document = ReadFormText(bytes, STR("DataModule1.dfm"));
  TFormObject* customers = document->Root->FindChild(STR("Customers"));
  FindFormProperty(customers->Properties, STR("SQL.Strings"))
      ->SetValue(TFormValue::List({TFormValue::Str(STR("select * from CUSTOMER"))}));
  FindFormProperty(customers->Properties, STR("Left"))->SetValue(TFormValue::Integer(136));
  std::string expected = bytes;
  const size_t from = expected.find("    SQL.Strings = (");
  const size_t to = expected.find("    UpdateObject");
  expected.replace(from, to - from, "    SQL.Strings = (\r\n      'select * from CUSTOMER')\r\n");
  const size_t left = expected.find("Left = 128");
  expected.replace(left, 10, "Left = 136");
  EXPECT_EQ(WriteFormText(*document), expected);
}

TEST(FormText, ChangedCollectionItemPropertyChangesOnlyItsLine) {
  const std::string bytes = ReadBytes(FormSample("DataModule1.dfm"));
  auto document = ReadFormText(bytes, STR("DataModule1.dfm"));
  TFormObject* countries = document->Root->FindChild(STR("Countries"));
  TFormValue& defs = FindFormProperty(countries->Properties, STR("FieldDefs"))->Value;
  FindFormProperty(defs.CollectionItems()[1].Properties, STR("Size"))
      ->SetValue(TFormValue::Integer(40));
  defs.CollectionItems()[2].Properties.emplace_back(STR("Precision"), TFormValue::Integer(2));
  std::string expected = bytes;
  const size_t capital = expected.find("Name = 'Capital'");
  const size_t size = expected.find("Size = 24", capital);
  expected.replace(size, 9, "Size = 40");
  const size_t area = expected.find("DataType = ftFloat\r\n", expected.find("'Area'"));
  expected.insert(area + 20, "        Precision = 2\r\n");
  EXPECT_EQ(WriteFormText(*document), expected);
}

TEST(FormText, NewAndRemovedAndRenamedObjects) {
  const std::string text =
      "object F: TF\n  Caption = 'x'\n  object A: TA\n    P = 1\n  end\n  object B: TB\n  "
      "end\nend\n";
  auto document = Parse(text);
  TFormObject& root = *document->Root;
  root.RemoveChild(root.FindChild(STR("B")));
  root.FindChild(STR("A"))->Rename(STR("Alpha"));
  auto created = std::make_unique<TFormObject>();
  created->Rename(STR("C"));
  created->ClassName = STR("TC");
  created->Properties.emplace_back(
      STR("Strings.Strings"),
      TFormValue::List({TFormValue::Str(STR("one")), TFormValue::Str(String(70, 'x'))}));
  created->Properties.emplace_back(STR("Data"), TFormValue::Binary(std::string(40, '\x1F')));
  created->Properties.emplace_back(STR("Items"), TFormValue::Collection({TFormItem{}}));
  TFormItem& item = created->Properties.back().Value.CollectionItems()[0];
  item.Properties.emplace_back(STR("Width"), TFormValue::Float(64));
  root.FindChild(STR("Alpha"))->AddChild(std::move(created));
  EXPECT_EQ(WriteFormText(*document),
            "object F: TF\n  Caption = 'x'\n  object Alpha: TA\n    P = 1\n"
            "    object C: TC\n"
            "      Strings.Strings = (\n"
            "        'one'\n"
            "        \n"
            "          'xxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxxx' +\n"
            "          'xxxxxx')\n"
            "      Data = {\n"
            "        1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F1F\n"
            "        1F1F1F1F1F1F1F1F}\n"
            "      Items = <\n"
            "        item\n"
            "          Width = 64.000000000000000000\n"
            "        end>\n"
            "    end\n"
            "  end\nend\n");
}

TEST(FormText, WrittenInPiecesAsWhole) {
  // One long line of objects, with new ones among them: a new node after a piece handed on
  // must still start its own line.
  std::string text = "object Root: TRoot";
  for (int i = 0; i < 6000; ++i) text += " object X" + std::to_string(i) + ": TX Tag = 1 end";
  text += " end\r\n";
  auto document = Parse(text);
  for (int i = 5990; i >= 0; i -= 10) {
    auto created = std::make_unique<TFormObject>();
    created->Rename(STR("New") + IntToStr(i));
    created->ClassName = STR("TX");
    document->Root->AddChild(std::move(created), i);
  }
  const std::string whole = WriteFormText(*document);
  std::string joined;
  int pieces = 0;
  WriteFormText(*document, [&](std::string_view piece) {
    EXPECT_LT(piece.size(), 20000u);
    joined += piece;
    ++pieces;
  });
  EXPECT_GT(pieces, 2);
  EXPECT_EQ(joined, whole);
  EXPECT_NE(whole.find(" end \r\n  object New5990: TX\r\n  end\r\nobject X5990"),
            std::string::npos);
}

TEST(FormText, CanonicalStrings) {
  TFormStyle style;
  EXPECT_EQ(RenderFormValue(TFormValue::Str(STR("")), "", style), "''");
  EXPECT_EQ(RenderFormValue(TFormValue::Str(STR("It's\r\n")), "", style), "'It''s'#13#10");
  style.ApostropheAsCode = true;
  EXPECT_EQ(RenderFormValue(TFormValue::Str(STR("It's")), "", style), "'It'#39's'");
  // Exactly 64 characters stay on the property's line.
  EXPECT_EQ(RenderFormValue(TFormValue::Str(String(64, 'a')), "  ", style),
            "'" + std::string(64, 'a') + "'");
  EXPECT_EQ(RenderFormValue(TFormValue::Str(String(63, 'a') + STR("\t\t")), "  ", style),
            "\r\n    '" + std::string(63, 'a') + "'#9 +\r\n    #9");
  EXPECT_EQ(RenderFormValue(TFormValue::Str(FromUtf8("Жук")), "", style), "#1046#1091#1082");
}

TEST(FormText, Floats) {
  TFormStyle style;
  auto f = [&](double v) { return RenderFormValue(TFormValue::Float(v), "", style); };
  EXPECT_EQ(f(100), "100.000000000000000000");
  EXPECT_EQ(f(0.1), "0.100000000000000000");
  EXPECT_EQ(f(-2.5), "-2.500000000000000000");
  EXPECT_EQ(f(1e-20), "1E-20");
  EXPECT_EQ(f(1.5e30), "1.5E30");
  EXPECT_DOUBLE_EQ(TFormValue::FloatText(STR("1.5E30")).AsFloat(), 1.5e30);
  EXPECT_DOUBLE_EQ(TFormValue::FloatText(STR("12.5c")).AsFloat(), 12.5);
}

struct TBadInput {
  const char* Text;
  int Line;
  int Column;
  const char* Message;
};

TEST(FormText, MalformedInputNamesThePlace) {
  const TBadInput cases[] = {
      {"", 1, 1, "'object', 'inherited' or 'inline' expected"},
      {"object A: TA\n  X = 1\n", 3, 1, "'end' expected but end of file found"},
      {"object A: TA\n  X = 'abc\nend\n", 2, 7, "Unterminated string"},
      {"object A: TA\n  X = #99999\nend\n", 2, 7, "Invalid character code"},
      {"object A: TA\n  X = 99999999999999999999\nend\n", 2, 7, "Integer out of range"},
      {"object A: TA\n  X = {0A1}\nend\n", 2, 7, "Odd number of hex digits in binary value"},
      {"object A: TA\n  X = {0A\n", 2, 7, "Unterminated binary value"},
      {"object A: TA\n  X = {0A\nend\n", 3, 2, "Invalid binary value: 'n'"},
      {"object A: TA\n  X = ;\nend\n", 2, 7, "Invalid character ';'"},
      {"object A: TA\n  X = 'a' + 1\nend\n", 2, 13, "String expected"},
      {"object A: TA\n  X = [a b]\nend\n", 2, 10, "']' expected"},
      {"object A: TA\n  X = (1 2\n", 3, 1, "')' expected"},
      {"object A: TA\n  X = <item end\nend\n", 3, 1, "'item' or '>' expected"},
      {"object A: TA\n  Жёлтый• = 1\nend\n", 2, 9, "Invalid character #8226"},
      {"object A: TA\n  X = 12Ж\nend\n", 2, 7, "Invalid number"},
      {"object A: TA\nend\nend\n", 3, 1, "End of file expected"},
      {"object A: TA\n  X = 1.e5\nend\n", 2, 7, "Invalid number"},
      // Lines end with CR LF, a CR alone or LF; a byte order mark takes no column, and in a
      // Windows-1252 file every byte is a character.
      {"object A: TA\r\n  X = ;\r\nend\r\n", 2, 7, "Invalid character ';'"},
      {"object A: TA\r  X = 1\r\n  Y = ;\rend\r", 3, 7, "Invalid character ';'"},
      {"\xEF\xBB\xBFobject A: TA ;\nend\n", 1, 14, "Invalid character ';'"},
      {"object A: TA\n  S = 'a\x80\x81' ;\nend\n", 2, 13, "Invalid character ';'"},
      {"object A: TA\n  S = '\xC3\xA9\xC3\xA9' ;\nend\n", 2, 12, "Invalid character ';'"},
      // An item's class stands on the item's line: a name on the next line is a property.
      {"object A: TA\n  C = <item\n    TX\n  end>\nend\n", 4, 3, "'=' expected"},
  };
  for (const TBadInput& c : cases) {
    try {
      Parse(c.Text);
      ADD_FAILURE() << "accepted: " << c.Text;
    } catch (const EParserError& e) {
      EXPECT_EQ(ToUtf8(e.Message()), c.Message) << c.Text;
      EXPECT_EQ(e.Line(), c.Line) << c.Text;
      EXPECT_EQ(e.Column(), c.Column) << c.Text;
      EXPECT_EQ(ToUtf8(e.FileName()), "test.dfm");
    }
  }
}

TEST(FormText, TokensEndInTheirPlaceWhereverTheyFall) {
  // Blanks, names and quoted runs are scanned eight bytes at a time: each length and place.
  for (size_t pad = 0; pad < 17; ++pad) {
    const std::string blanks(pad, ' ');
    const std::string name = "Name_" + std::string(pad, 'x') + "9";
    const std::string text(pad, 'q');
    auto document = Parse("object A: TA\n" + blanks + name + " =\t" + blanks + "'" + text + "''" +
                          text + "'\nend\n");
    const TFormProperty& p = document->Root->Properties.at(0);
    EXPECT_EQ(ToUtf8(p.Name), name);
    EXPECT_EQ(ToUtf8(p.Value.Text), text + "'" + text);

    // A NUL byte is no blank and ends a quoted run unterminated.
    const auto failure = [](const std::string& bad) -> std::pair<std::string, int> {
      try {
        Parse(bad);
      } catch (const EParserError& e) {
        return {ToUtf8(e.Message()), e.Column()};
      }
      return {"accepted", 0};
    };
    std::string unterminated = "object A: TA\n" + blanks + "S = '" + text;
    unterminated += '\0';
    unterminated += "'\nend\n";
    EXPECT_EQ(failure(unterminated),
              std::make_pair(std::string("Unterminated string"), static_cast<int>(pad) + 5));
    std::string nul = "object A: TA\n" + blanks;
    nul += '\0';
    EXPECT_EQ(failure(nul),
              std::make_pair(std::string("Invalid character #0"), static_cast<int>(pad) + 1));
  }
}

TEST(FormText, DeepNestingIsRefused) {
  std::string objects;
  for (int i = 0; i < 100000; ++i) objects += "object A: TA\n";
  EXPECT_THROW(Parse(objects), EParserError);
  std::string lists = "object A: TA\n  X = ";
  lists += std::string(100000, '(');
  try {
    Parse(lists);
    FAIL();
  } catch (const EParserError& e) {
    EXPECT_EQ(ToUtf8(e.Message()), "Nesting deeper than 128 levels");
  }
}

TEST(FormText, SaveReplacesTheFileOnlyAfterRendering) {
  const auto folder = std::filesystem::temp_directory_path() / "ombrix_formtext_save";
  std::filesystem::remove_all(folder);
  std::filesystem::create_directories(folder);
  const auto path = folder / "Form.dfm";
  auto document = Parse("object A: TA\n  X = 1\nend\n");
  SaveFormFile(*document, path);
  EXPECT_EQ(ReadBytes(path), "object A: TA\n  X = 1\nend\n");
  FindFormProperty(document->Root->Properties, STR("X"))
      ->SetValue(TFormValue::FloatText(STR("1.0")));
  FindFormProperty(document->Root->Properties, STR("X"))->Value.Kind = TFormValueKind::fvFloat;
  document->Root->Properties.emplace_back(STR("Y"), TFormValue::Float(2));
  document->Root->Properties.back().Value = TFormValue::Float(0);
  SaveFormFile(*document, path);
  EXPECT_EQ(ReadBytes(path), "object A: TA\n  X = 1.0\n  Y = 0.000000000000000000\nend\n");
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
  EXPECT_THROW(SaveFormFile(*document, folder / "missing" / "Form.dfm"), EFormError);
  std::filesystem::remove_all(folder);
}

}  // namespace
