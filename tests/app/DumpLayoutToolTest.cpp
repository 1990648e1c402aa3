// jamlog --dump-layout: the JSON names the layout, has one object per built record and per light group in use,
// is well nested, follows the half turn, and bad arguments exit 2.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "app/DumpLayoutTool.h"
#include "app/Tools.h"
#include "model/LayoutCatalogue.h"

using namespace jamlog;

namespace {

size_t occurrences(const std::string& text, const std::string& what) {
    size_t n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1))
        ++n;
    return n;
}

// Brackets balance outside strings and never close more than they opened.
bool wellNested(const std::string& text) {
    std::string open;
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            open += c;
        } else if (c == '}' || c == ']') {
            if (open.empty() || open.back() != (c == '}' ? '{' : '['))
                return false;
            open.pop_back();
        }
    }
    return open.empty() && !inString;
}

long long numberAfter(const std::string& text, const std::string& key) {
    const size_t at = text.find("\"" + key + "\":");
    return at == std::string::npos ? -999999 : std::stoll(text.substr(at + key.size() + 3));
}

} // namespace

TEST(DumpLayoutTool, DescribesEveryBuiltRecordOnce) {
    const std::string j = layoutDumpJson(17, false);
    ASSERT_TRUE(wellNested(j));
    EXPECT_NE(j.find("\"name\":\"Clahm Junction\""), std::string::npos);
    const long long roads = numberAfter(j, "roadCount"), tracks = numberAfter(j, "trackCount"),
                    rivers = numberAfter(j, "riverCount");
    EXPECT_EQ(tracks, 120);
    // Every record object carries "length"; groups in use are the other objects with a "number".
    EXPECT_EQ(static_cast<long long>(occurrences(j, "\"length\":")), roads + tracks + rivers);
    EXPECT_GT(occurrences(j, "\"hasLights\":"), 0u);
    EXPECT_EQ(occurrences(j, "\"mode\":0,"), 0u); // only groups in use
    EXPECT_EQ(j.find("nan"), std::string::npos);
    EXPECT_EQ(j.find("inf"), std::string::npos);
}

TEST(DumpLayoutTool, UnknownNumbersAndTheHalfTurn) {
    for (int n : {-1, 30, 99})
        EXPECT_NE(layoutDumpJson(n, false).find("\"name\":\"Classic Layout\""), std::string::npos) << n;
    const std::string plain = layoutDumpJson(0, false), flipped = layoutDumpJson(0, true);
    EXPECT_NE(plain, flipped);
    EXPECT_EQ(numberAfter(plain, "roadCount"), numberAfter(flipped, "roadCount"));
    EXPECT_NE(numberAfter(plain, "startX"), numberAfter(flipped, "startX"));
}

TEST(DumpLayoutTool, BadArgumentsExitTwo) {
    EXPECT_EQ(runDumpLayout({}), 2);
    EXPECT_EQ(runDumpLayout({"x"}), 2);
    EXPECT_EQ(runDumpLayout({"1", "2"}), 2);
    EXPECT_EQ(runDumpLayout({"5", "--turn"}), 2);
}
