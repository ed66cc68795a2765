// The loader reads the folder again only when it changed, and data made in
// memory treats a file it does not name as missing.

#include "engine/LanguageDataLoader.h"
#include "engine/YearComputation.h"
#include "tests/engine/EngineTestData.h"
#include "tests/support/TestFolder.h"

#include <gtest/gtest.h>

using namespace talvoren;

TEST(LanguageDataLoader, ReadsTheFolderAgainOnlyWhenItChanged)
{
    CEngineTestData data;
    data.Folder().Remove("uNote.txt");
    CLanguageDataLoader loader(data.State());
    const auto first = loader.Current();
    EXPECT_EQ(loader.Current(), first) << "nothing changed";
    EXPECT_EQ(data.Messages().Messages().size(), 1u) << "the missing file is reported once";

    data.WriteNotes("uNote.txt", {"2 9 appeared"});   // a missing file that appears
    const auto second = loader.Current();
    ASSERT_NE(second, first);
    ASSERT_EQ(second->UserNotes().size(), 1u);
    EXPECT_EQ(second->UserNotes()[0].strText, "appeared");

    data.WriteNotes("uNote.txt", {"2 9 changed, and longer"});
    EXPECT_NE(loader.Current(), second);
    data.State().nSyntax = 0;   // another word order
    EXPECT_FALSE(loader.Current()->Titles().IsVietnameseOrder());
    EXPECT_EQ(data.Messages().Messages().size(), 1u);
}

TEST(LanguageDataLoader, DataInMemoryWithoutALectionaryGivesABareYear)
{
    CEngineTestData data;
    data.Language().Remove("uLectionaryA.txt");
    const YEARTABLE year = data.Year(2002);   // Sunday cycle A
    EXPECT_FALSE(year.bComplete);
    EXPECT_TRUE(year.Day(CEngineTestData::Index(2002, 3, 31)).strCelebration.empty());
    EXPECT_TRUE(data.Year(2003).bComplete);
}

TEST(LanguageDataLoader, TheUsersFilesWinOverTheShippedOnes)
{
    CEngineTestData data;   // its folder plays the shipped one
    data.WriteNotes("uNote.txt", {"2 9 shipped note"});
    CTestFolder user;
    data.State().strShippedFolder = data.State().strFolder;
    data.State().strFolder = user.Path();
    CLanguageDataLoader loader(data.State());
    const auto shipped = loader.Current();
    EXPECT_EQ(shipped->Titles().Title(0), data.Language().Lines("utitles.txt")[0]);   // read while the user has none
    ASSERT_EQ(shipped->UserNotes().size(), 1u);
    EXPECT_EQ(shipped->UserNotes()[0].strText, "shipped note");

    user.WriteUtf16("uNote.txt", {"3 9 the user's note"});
    const auto own = loader.Current();
    ASSERT_NE(own, shipped) << "a file the user adds is read at once";
    ASSERT_EQ(own->UserNotes().size(), 1u);
    EXPECT_EQ(own->UserNotes()[0].strText, "the user's note");
    EXPECT_TRUE(data.Messages().Messages().empty());
}
