// Raw OSIS verse entries into the HTML of the scripture database. The
// entries are written in the markup of the World English Bible module.

#include "tools/bibledb/OsisConverter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace talvoren;

namespace talvoren
{
static bool operator==(const OSISHEADING& a, const OSISHEADING& b)
{
    return a.nType == b.nType && a.strText == b.strText;
}

static std::ostream& operator<<(std::ostream& out, const OSISHEADING& heading)
{
    return out << heading.nType << ":" << heading.strText;
}
} // namespace talvoren

namespace
{
struct ENTRY {
    const char* pszRaw;
    bool bIntro;
};

// Feeds the entries of one book; returns the verses made, in order.
std::vector<OSISVERSE> Convert(const char* book, const std::vector<ENTRY>& entries)
{
    COsisConverter converter;
    converter.StartBook(book);
    std::vector<OSISVERSE> verses;
    for (const ENTRY& entry : entries) {
        OSISVERSE verse;
        if (converter.AddEntry(entry.pszRaw, entry.bIntro, verse))
            verses.push_back(verse);
    }
    return verses;
}

} // namespace

TEST(OsisConverter, ProseWordsNotesAndParagraphs)
{
    struct CASE {
        const char* pszRaw;
        const char* pszHtml;
    };
    const std::vector<CASE> cases = {
        // Word tags go, their text stays; a note goes with its text, and the
        // word after it is a new word even without a blank in the source.
        {"<w lemma=\"strong:H7225\">In</w> <w lemma=\"strong:H0430\">the</w> beginning, "
         "<w lemma=\"strong:H0430\">God</w><note placement=\"foot\"><reference type=\"annotateRef\">1:1 "
         "</reference>The Hebrew word.</note><w lemma=\"strong:H1254\">created</w> the earth.",
         "In the beginning, God created the earth."},
        // A note before punctuation or a closing quote leaves no blank.
        {"in Yahweh’s<note placement=\"foot\">Yahweh is God’s name.</note> law<note>n</note>, and "
         "“light<note>n</note>”.",
         "in Yahweh’s law, and “light”."},
        // Cross references and their inner references go too.
        {"“Blessed are the poor.” <note type=\"crossReference\"> <reference subType=\"x-origin\" "
         "type=\"annotateRef\">5:3 </reference> <reference>Isaiah 57:15</reference> </note> Amen.",
         "“Blessed are the poor.” Amen."},
        // White space of the source collapses; a paragraph end in the middle
        // is a blank line, at the end one <br> (the page adds the other).
        {"  The earth   was\nformless. <div eID=\"gen25\" type=\"x-p\"/> <div sID=\"gen26\" type=\"x-p\"/>"
         "God said. <div eID=\"gen26\" type=\"x-p\"/>",
         "The earth was formless.<br><br>God said.<br>"},
        // A verse that runs on never ends with ">", so the page puts no
        // break after it.
        {"Jesus said, <q marker=\"\" who=\"Jesus\">“Follow me.”</q> ",
         "Jesus said, <span class=\"jesus\">“Follow me.”</span> "},
        {"<q who=\"Jesus\">“Come.”</q> He went<q who=\"Peter\">, he said</q>.",
         "<span class=\"jesus\">“Come.”</span> He went, he said."},
        {"&amp; <transChange type=\"added\">unknown</transChange> <foo>tags</foo> keep their text",
         "&amp; unknown tags keep their text"},
    };
    for (const CASE& test : cases) {
        const std::vector<OSISVERSE> verses = Convert("Gen", {{test.pszRaw, false}});
        ASSERT_EQ(verses.size(), 1u) << test.pszRaw;
        EXPECT_EQ(verses[0].strHtml, test.pszHtml);
        EXPECT_TRUE(verses[0].headings.empty());
    }
}

TEST(OsisConverter, PoetryLinesAcrossEntries)
{
    const std::vector<OSISVERSE> verses = Convert(
        "Ps", {
                  // The chapter's entry 0 opens the stanza and the first line.
                  {"<chapter n=\"1\" osisID=\"Ps.1\" sID=\"Ps.1\"/> <title>BOOK 1</title> <lg sID=\"g1\"/> "
                   "<l level=\"1\" sID=\"g2\"/>",
                   true},
                  {"Blessed is the man,<l eID=\"g2\" level=\"1\"/> <l level=\"2\" sID=\"g3\"/>nor stand "
                   "<q who=\"Jesus\">on the path<l eID=\"g3\" level=\"2\"/> <l level=\"2\" sID=\"g4\"/>of "
                   "sinners,</q><l eID=\"g4\" level=\"2\"/>",
                   false},
                  // A line that goes on into the next verse.
                  {"<l level=\"1\" sID=\"g5\"/>but his delight", false},
                  {"is in the law.<l eID=\"g5\" level=\"1\"/> <l sID=\"g6\" type=\"selah\"/>Selah.<l eID=\"g6\" "
                   "type=\"selah\"/> <lg eID=\"g1\"/>",
                   false},
              });
    ASSERT_EQ(verses.size(), 3u);
    // Lines are spans separated by <br>, indented by level; a line that ends
    // the verse ends it with "</span>" (one break from the page), the words
    // of Jesus are split at the line ends.
    EXPECT_EQ(verses[0].strHtml, "<span class=\"l1\">Blessed is the man,</span><br>"
                                 "<span class=\"l2\">&emsp;nor stand <span class=\"jesus\">on the path</span></span><br>"
                                 "<span class=\"l2\">&emsp;<span class=\"jesus\">of sinners,</span></span>");
    EXPECT_EQ(verses[0].headings, (std::vector<OSISHEADING>{{2, "BOOK 1"}}));
    EXPECT_EQ(verses[1].strHtml, "<span class=\"l1\">but his delight</span> ");
    // The continued line is not indented again; the stanza's end is a blank line.
    EXPECT_EQ(verses[2].strHtml, "<span class=\"l1\">is in the law.</span><br>"
                                 "<span class=\"selah\">&emsp;&emsp;Selah.</span><br>");
}

TEST(OsisConverter, HeadingsWaitForTheVerseThatFollowsThem)
{
    const std::vector<OSISVERSE> verses = Convert(
        "Hos",
        {
            // Another book's text kept in this book's entry 0 (with its own
            // titles) and an introduction are left out.
            {"<div canonical=\"true\" osisID=\"DanGr\" sID=\"d1\" type=\"book\"/> <title level=\"1\" "
             "type=\"main\">Daniel</title> In the third year. <div canonical=\"true\" eID=\"d1\" osisID=\"DanGr\" "
             "type=\"book\"/> <div canonical=\"true\" osisID=\"Hos\" sID=\"h1\" type=\"book\"/> <title level=\"2\" "
             "type=\"main\">The Book of</title> <title level=\"1\" type=\"main\">Hosea</title> "
             "<div sID=\"i1\" type=\"introduction\"/><title type=\"x-introduction\">About</title> Intro text."
             "<div eID=\"i1\" type=\"introduction\"/>",
             true},
            {"<chapter n=\"1\" osisID=\"Hos.1\" sID=\"Hos.1\"/>", true},
            // A psalm-like title inside the verse, before its text: a minor heading.
            {"<div type=\"x-milestone\" subType=\"x-preverse\" sID=\"p1\"/><title canonical=\"true\" "
             "type=\"psalm\">A <w lemma=\"x\">song</w><note>n</note> of ascents.</title> Yahweh’s word.",
             false},
            // An empty key holds nothing.
            {"", false},
            // A speaker between two lines stays inside its verse.
            {"<speaker>Beloved</speaker> <l level=\"1\" sID=\"a\"/>Take me away.<l eID=\"a\" level=\"1\"/> "
             "<speaker>Friends</speaker> <l level=\"1\" sID=\"b\"/>We will be glad.<l eID=\"b\" level=\"1\"/>",
             false},
        });
    ASSERT_EQ(verses.size(), 2u);
    EXPECT_EQ(verses[0].headings, (std::vector<OSISHEADING>{{2, "The Book of"}, {1, "Hosea"}, {3, "A song of ascents."}}));
    EXPECT_EQ(verses[0].strHtml, "Yahweh’s word.");
    EXPECT_EQ(verses[1].headings, (std::vector<OSISHEADING>{{3, "Beloved"}}));
    EXPECT_EQ(verses[1].strHtml, "<span class=\"l1\">Take me away.</span><br><i>Friends</i><br>"
                                 "<span class=\"l1\">We will be glad.</span>");
}

TEST(OsisConverter, BrokenMarkupEndsWithTheEntry)
{
    // An unclosed note or skipped division does not swallow the next verse;
    // a tag that never closes ends the entry.
    const std::vector<OSISVERSE> verses = Convert(
        "Gen", {
                   {"First verse.<note>never closed", false},
                   {"<div sID=\"x\" type=\"glossary\"/> glossary", false},
                   {"Third verse. <w lemma=\"x\"", false},
                   {"Fourth <l level=\"9\" sID=\"z\"/>deep line", false},
               });
    ASSERT_EQ(verses.size(), 3u);
    EXPECT_EQ(verses[0].strHtml, "First verse.");
    EXPECT_EQ(verses[1].strHtml, "Third verse.");
    EXPECT_EQ(verses[2].strHtml, "Fourth<br><span class=\"l4\">&emsp;&emsp;&emsp;deep line</span> ");
}

TEST(OsisConverter, ANewBookDropsWhatWasLeftOpen)
{
    COsisConverter converter;
    OSISVERSE verse;
    converter.StartBook("Mal");
    EXPECT_FALSE(converter.AddEntry("<title>Left over</title> <l level=\"2\" sID=\"x\"/>", true, verse));
    converter.StartBook("Matt");
    ASSERT_TRUE(converter.AddEntry("The book of the genealogy.", false, verse));
    EXPECT_TRUE(verse.headings.empty());
    EXPECT_EQ(verse.strHtml, "The book of the genealogy.");
}
