#include "cli/JsonWriter.h"

#include "TestSupport.h"

namespace {

struct EscapeCase {
    const char* m_pszName;
    const wchar_t* text;
    const char* json;
};
class JsonWriterEscapeTest : public testing::TestWithParam<EscapeCase> {};

TEST_P(JsonWriterEscapeTest, WritesAValidString)
{
    EXPECT_EQ(CJsonWriter().String(GetParam().text).Text(), GetParam().json);
}

INSTANTIATE_TEST_SUITE_P(Texts, JsonWriterEscapeTest, testing::Values(
    EscapeCase{"Quotes", L"say \"hi\"", "\"say \\\"hi\\\"\""},
    EscapeCase{"Backslash", L"C:\\dir", "\"C:\\\\dir\""},
    EscapeCase{"LineEnds", L"a\r\nb\tc", "\"a\\r\\nb\\tc\""},
    EscapeCase{"OtherControlCharacters", L"\x01\x1f", "\"\\u0001\\u001f\""},
    EscapeCase{"Utf8BeyondTheBmp", L"Пётр \U0001F333", "\"Пётр \U0001F333\""},
    EscapeCase{"MarkupAsItIs", L"</b>", "\"</b>\""}), CByName());

TEST(JsonWriterTest, PutsCommasBetweenMembersAndItemsOnly)
{
    CJsonWriter writer;
    writer.BeginObject().Key("a").Int(-1).Key("b").BeginArray();
    writer.BeginObject().Key("c").Null().EndObject().Bool(true).BeginArray().EndArray();
    writer.EndArray().Key("d").Double(0.5).EndObject();
    EXPECT_EQ(writer.Text(), R"({"a":-1,"b":[{"c":null},true,[]],"d":0.5})");
}

// A document written out piece by piece reads as one.
TEST(JsonWriterTest, KeepsTheCommasAcrossAMove)
{
    CJsonWriter writer;
    std::string strOut;
    writer.BeginObject().Key("a").BeginArray().Int(1);
    writer.MoveText(strOut);
    EXPECT_EQ(writer.Text(), "");
    writer.Int(2).EndArray();
    writer.MoveText(strOut);
    writer.Key("b").Null().EndObject();
    writer.MoveText(strOut);
    EXPECT_EQ(strOut, R"({"a":[1,2],"b":null})");
}

} // namespace
