#include "logs/LogText.h"

#include <gtest/gtest.h>

namespace cdx {
namespace {

TEST(LogTextTest, HtmlEscapesMarkupAndNonAsciiAndNoControlOrBadUtf8ReachesAFile)
{
    EXPECT_EQ(htmlLogField("45°C"), "45&#176;C");
    EXPECT_EQ(htmlLogField("<b>CPU</b> & \"x\" 'y'"), "&lt;b&gt;CPU&lt;/b&gt; &amp; &quot;x&quot; &#39;y&#39;");
    EXPECT_EQ(htmlLogField("\xe2\x82\xac\xf0\x9f\x94\xa5"), "&#8364;&#128293;");
    EXPECT_EQ(htmlLogField("2.80"), "2.80");

    // Control characters and bad UTF-8 never reach a file.
    EXPECT_EQ(cleanLogField("a\x1a"
                            "b\r\nc\td"),
              "a b  c d");
    EXPECT_EQ(cleanLogField("45°C"), "45°C");
    EXPECT_EQ(cleanLogField("cut\xc2"), "cut\xef\xbf\xbd");
    EXPECT_EQ(htmlLogField("a\x1a"
                           "b\xc0\xaf"),
              "a b&#65533;&#65533;");
}

} // namespace
} // namespace cdx
