#include "cli/JsonWriter.h"

#include "TestSupport.h"

namespace {

// Quotes, backslashes and control characters escaped, the rest as UTF-8.
TEST(JsonWriterTest, WritesAValidString)
{
    EXPECT_EQ(CJsonWriter().String(L"say \"hi\" C:\\dir\r\n\t\x01\x1f Пётр \U0001F333").Text(),
              "\"say \\\"hi\\\" C:\\\\dir\\r\\n\\t\\u0001\\u001f Пётр \U0001F333\"");
}

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
