#include "language/languages.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

namespace fs = std::filesystem;

namespace vorlane {
namespace {

// Two fake folders, a program directory and a system one, searched in that order; nothing
// of the machine's own dictionaries is seen.
class LanguageFolders : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "languages_test_XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        m_root = pattern;
        m_program = m_root + "/program";
        m_system = m_root + "/system";
        fs::create_directories(m_program);
        fs::create_directories(m_system);
        m_search.HunspellDirs = {m_program, m_root + "/missing", m_system};
        m_search.MythesDirs = {m_program, m_system};
    }
    void TearDown() override { fs::remove_all(m_root); }

    static void Touch(const std::string& path) { std::ofstream(path) << "x"; }
    void Add(const std::string& folder, const std::string& base, const char* ext1,
             const char* ext2) {
        Touch(folder + "/" + base + ext1);
        Touch(folder + "/" + base + ext2);
    }

    std::string m_root, m_program, m_system;
    LanguageSearch m_search;
};

TEST_F(LanguageFolders, EachLanguageNeedsBothFilesOfItsOwnName) {
    Add(m_system, "en_US", ".aff", ".dic");
    Add(m_system, "nl_NL", ".aff", ".dic");
    Touch(m_system + "/de_DE.dic");  // no .aff
    Touch(m_program + "/sv_SE.aff"); // .aff and .dic in different folders
    Touch(m_system + "/sv_SE.dic");
    Add(m_system, "fr", ".aff", ".dic");             // not the French the program asks for
    fs::create_directories(m_system + "/it_IT.aff"); // a folder, not a file
    Touch(m_system + "/it_IT.dic");

    const auto present = PresentSpellingLanguages(m_search);
    const std::array<bool, kSpellingLanguageCount> expected{true,  false, false, false,
                                                            false, false, true,  false};
    EXPECT_EQ(present, expected);

    const auto dutch = FindSpellingDictionary(SpellingLanguage::Dutch, m_search);
    ASSERT_TRUE(dutch);
    EXPECT_EQ(dutch->Aff, m_system + "/nl_NL.aff");
    EXPECT_EQ(dutch->Dic, m_system + "/nl_NL.dic");
    EXPECT_FALSE(FindSpellingDictionary(SpellingLanguage::German, m_search));
    EXPECT_FALSE(FindSpellingDictionary(static_cast<SpellingLanguage>(0), m_search));
}

TEST_F(LanguageFolders, ProgramDirectoryComesBeforeTheSystem) {
    Add(m_system, "en_GB", ".aff", ".dic");
    Add(m_program, "en_GB", ".aff", ".dic");
    Add(m_system, "th_en_US_v2", ".idx", ".dat");
    Add(m_program, "th_en_US_v2", ".idx", ".dat");

    EXPECT_EQ(FindSpellingDictionary(SpellingLanguage::British, m_search)->Dic,
              m_program + "/en_GB.dic");
    const auto thesaurus = FindThesaurus(false, m_search);
    ASSERT_TRUE(thesaurus);
    EXPECT_EQ(thesaurus->Idx, m_program + "/th_en_US_v2.idx");
    EXPECT_EQ(thesaurus->Dat, m_program + "/th_en_US_v2.dat");

    fs::remove(m_program + "/th_en_US_v2.dat");
    EXPECT_EQ(FindThesaurus(false, m_search)->Dat, m_system + "/th_en_US_v2.dat");
}

TEST_F(LanguageFolders, BritishThesaurusPrefersBritishOverAustralian) {
    EXPECT_FALSE(FindThesaurus(true, m_search));
    EXPECT_EQ(PresentThesauri(m_search).British, false);

    Add(m_program, "th_en_AU_v2", ".idx", ".dat");
    EXPECT_EQ(FindThesaurus(true, m_search)->Idx, m_program + "/th_en_AU_v2.idx");

    // A British file wins even from a later folder, and the versioned name first.
    Add(m_system, "th_en_GB", ".idx", ".dat");
    EXPECT_EQ(FindThesaurus(true, m_search)->Idx, m_system + "/th_en_GB.idx");
    Add(m_system, "th_en_GB_v2", ".idx", ".dat");
    EXPECT_EQ(FindThesaurus(true, m_search)->Dat, m_system + "/th_en_GB_v2.dat");

    // The American thesaurus is never taken for the British one, nor the other way round.
    const ThesaurusPresence present = PresentThesauri(m_search);
    EXPECT_FALSE(present.American);
    EXPECT_TRUE(present.British);
    Add(m_program, "th_en_US_v2", ".idx", ".dat");
    EXPECT_TRUE(PresentThesauri(m_search).American);
}

TEST(DictionaryFallbackTest, MissingLanguagesFallBackToAmericanThenNone) {
    std::array<bool, kSpellingLanguageCount> all{};
    all.fill(true);
    std::array<bool, kSpellingLanguageCount> none{};
    std::array<bool, kSpellingLanguageCount> onlyAmerican{};
    onlyAmerican[0] = true;
    std::array<bool, kSpellingLanguageCount> noAmerican = all;
    noAmerican[0] = false;

    struct Case {
        int stored;
        const std::array<bool, kSpellingLanguageCount>& present;
        int expected;
    };
    const Case cases[] = {
        {1, all, 1},          {5, all, 5},           {8, all, 8},        {9, all, 9},  {0, all, 0},
        {2, onlyAmerican, 1}, {8, onlyAmerican, 1},  {1, none, 0},       {6, none, 0}, {9, none, 9},
        {0, none, 0},         {3, noAmerican, 3},    {1, noAmerican, 0}, {-1, all, 1}, {10, all, 1},
        {42, none, 0},        {-7, onlyAmerican, 1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(DictionaryAfterFallback(c.stored, c.present), c.expected) << c.stored;
}

TEST(DictionaryFallbackTest, UserDictionaryNames) {
    const std::tuple<int, const char*, const char*> cases[] = {
        {1, "ExcEngl.tlx", "IncEngl.tlx"},
        {2, "ExcBrit.tlx", "IncBrit.tlx"},
        {3, "ExcSpan.tlx", "IncSpan.tlx"},
        {4, "ExcItal.tlx", "IncItal.tlx"},
        {5, "ExcFrnch.tlx", "IncFrnch.tlx"},
        {6, "ExcGerm.tlx", "IncGerm.tlx"},
        {7, "ExcDutch.tlx", "IncDutch.tlx"},
        {8, "ExcSwed.tlx", "IncSwed.tlx"},
        {9, "ExcEngl.tlx", "IncEngl.tlx"},
        {0, "", ""},
        {10, "", ""},
        {-1, "", ""},
    };
    for (const auto& [setting, exclusion, inclusion] : cases) {
        const UserDictionaryFiles names = UserDictionaryNames(setting);
        EXPECT_EQ(names.Exclusion, exclusion) << setting;
        EXPECT_EQ(names.Inclusion, inclusion) << setting;
    }
}

TEST(ThesaurusFallbackTest, MissingThesauriFallBack) {
    const ThesaurusPresence both{true, true}, american{true, false}, british{false, true},
        neither{false, false};
    struct Case {
        int stored;
        ThesaurusPresence present;
        int expected;
    };
    const Case cases[] = {
        {1, both, 1},     {2, both, 2},    {3, both, 3},    {0, both, 0},
        {2, american, 1}, {2, neither, 0}, {1, british, 0}, {2, british, 2},
        {3, neither, 3},  {0, neither, 0}, {7, both, 1},    {-2, british, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ThesaurusAfterFallback(c.stored, c.present), c.expected) << c.stored;
}

TEST(SystemLanguagesTest, FindsTheInstalledDictionaries) {
    if (!fs::exists("/usr/share/hunspell/en_US.dic"))
        GTEST_SKIP() << "the system's dictionaries are not installed";
    const LanguageSearch search = LanguageSearch::ForProgram("/nonexistent-program-dir");
    const auto present = PresentSpellingLanguages(search);
    for (int i = 0; i < kSpellingLanguageCount; ++i)
        EXPECT_TRUE(present[i]) << "language " << i + 1;
    const ThesaurusPresence thesauri = PresentThesauri(search);
    EXPECT_TRUE(thesauri.American);
    EXPECT_TRUE(thesauri.British);
}

} // namespace
} // namespace vorlane
