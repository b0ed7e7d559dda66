// What a row shows for a result, the page's colour texts and moving a URL onto a line host.
#include <gtest/gtest.h>

#include "app/pages/LineRowValues.h"
#include "app/pages/MakeHostUrl.h"

TEST(LineRowValues, BarValueColourClassAndText) {
    struct Case {
        int status, ms, value, colour;
        const char* text;
    } cases[] = {
        {200, 0, 100, 0, "0.000s"},     {200, 200, 80, 0, "0.200s"},
        {200, 430, 56, 0, "0.430s"},    {200, 700, 30, 0, "0.700s"},
        {200, 701, 29, 1, "0.701s"},    {200, 800, 20, 1, "0.800s"},
        {200, 1400, 20, 1, "1.400s"},   {200, 1401, 20, 2, "1.401s"},
        {200, 6000, 20, 2, "6.000s"},   {404, 100, 0, 2, "线路不可用"},
        {28, 5000, 0, 2, "线路不可用"},
    };
    for (const Case& c : cases) {
        LineRowValues v = GetLineRowValues({"http://x", c.status, c.ms, true});
        EXPECT_EQ(v.nBarValue, c.value) << c.ms;
        EXPECT_EQ(v.nColourClass, c.colour) << c.ms;
        EXPECT_EQ(v.strText, c.text) << c.ms;
    }
}

TEST(LineRowValues, ColourTextsSkipOneHashAndStopAtTheFirstNonHexCharacter) {
    struct Case {
        const char* text;
        bool ok;
        unsigned long colour;
    } cases[] = {
        {"#FFD9AA4C", true, 0xFFD9AA4C},
        {"FFFFFFFF", true, 0xFFFFFFFF},
        {" 0xFF00FF00", true, 0xFF00FF00},
        {"#FF12zz", true, 0xFF12},
        {"##FF", true, 0},
        {"", false, 0},
        {nullptr, false, 0},
    };
    for (const Case& c : cases) {
        unsigned long colour = 0;
        EXPECT_EQ(ParseColourText(c.text, colour), c.ok) << (c.text ? c.text : "(null)");
        if (c.ok) {
            EXPECT_EQ(colour, c.colour) << c.text;
        }
    }
}

TEST(MakeHostUrl, MovesThePathOntoTheLineHost) {
    struct Case {
        const char* url;
        const char* host;
        const char* expected;
    } cases[] = {
        {"http://img.example/static/a.png", "https://line.example",
         "https://line.example/static/a.png"},
        {"http://img.example/static/a.png", "line.example:81",
         "http://line.example:81/static/a.png"},
        {"https://line.example/q.jpg", "https://line.example", "https://line.example/q.jpg"},
        {" http://img.example/a.png\r\n", "\thttp://l.example ", "http://l.example/a.png"},
        {"http://img.example/a.png", "", "http://img.example/a.png"},
        {"", "http://l.example", ""},
        {"http://img.example", "http://l.example", "http://img.example"},
        {"img.example/a.png", "http://l.example", "http://l.example/a.png"},
        // A host whose text is a prefix of the url's host is another host.
        {"http://127.0.0.1:18400/q.jpg", "http://127.0.0.1:1840", "http://127.0.0.1:1840/q.jpg"},
        {"http://line.example.evil/q.jpg", "http://line.example", "http://line.example/q.jpg"},
        {"http://img.example/go?to=http://l.example", "http://l.example",
         "http://l.example/go?to=http://l.example"},
        // Default ports and case do not make another origin.
        {"HTTP://Line.Example:80/q.jpg", "http://line.example", "HTTP://Line.Example:80/q.jpg"},
        {"https://line.example/q.jpg", "https://LINE.example:443", "https://line.example/q.jpg"},
        {"https://line.example/q.jpg", "http://line.example", "http://line.example/q.jpg"},
        {"HTTP://IMG.example/a.png", "http://l.example", "http://l.example/a.png"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MakeHostUrl(c.url, c.host), c.expected) << c.url << " on " << c.host;
}

TEST(MakeHostUrl, OriginsCompareSchemeHostAndPort) {
    struct Case {
        const char* first;
        const char* second;
        bool same;
    } cases[] = {
        {"http://h", "http://h:80", true},
        {"http://h/a", "HTTP://H:080/b", true},
        {"https://h", "https://h:443/x", true},
        {"h:80/x", "http://h", true},
        {"http://user@h:81/", "http://h:81", true},
        {"http://[::1]:8080/a", "http://[::1]:8080", true},
        {"http://h", "https://h", false},
        {"http://h:1840", "http://h:18400", false},
        {"http://h:80", "http://h:8080", false},
        {"http://[::1]/a", "http://[::1]:8080", false},
        {"http://h.example", "http://h.example.org", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsSameOrigin(c.first, c.second), c.same) << c.first << " vs " << c.second;
}
