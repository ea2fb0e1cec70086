#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

// Which spelling and thesaurus data the program can use: the system's Hunspell and MyThes
// dictionaries mapped to the program's languages, the fallbacks of the "Dictionary" and
// "Thesaurus" settings when a language is missing, and the names of the user word lists.
namespace vorlane {

// The program's eight spelling languages, numbered as the "Dictionary" setting numbers them.
enum class SpellingLanguage {
    American = 1,
    British,
    Spanish,
    Italian,
    French,
    German,
    Dutch,
    Swedish
};
inline constexpr int kSpellingLanguageCount = 8;

// Where the language data is looked for: the program directory first, then the system's
// folders.
struct LanguageSearch {
    std::vector<std::string> HunspellDirs; // programDir, /usr/share/hunspell, /usr/share/myspell,
                                           // /usr/share/myspell/dicts
    std::vector<std::string> MythesDirs;   // programDir, /usr/share/mythes
    static LanguageSearch ForProgram(const std::string& programDir);
};

struct HunspellFiles {
    std::string Aff, Dic;
};
// en_US, en_GB, es_ES, it_IT, fr_FR, de_DE, nl_NL, sv_SE: present when both .aff and .dic
// exist in the same folder; the first folder that has both wins.
std::optional<HunspellFiles> FindSpellingDictionary(SpellingLanguage language,
                                                    const LanguageSearch& search);
std::array<bool, kSpellingLanguageCount>
PresentSpellingLanguages(const LanguageSearch& search); // [0] = American

// The stored "Dictionary" setting after the fallbacks: 2..8 whose language is missing becomes
// 1; 1 whose language is missing becomes 0; 0 and 9 stay. Any other value is taken as the
// default, 1, and then follows the same rule.
int DictionaryAfterFallback(int stored, const std::array<bool, kSpellingLanguageCount>& present);

// The user dictionary files fixed at start-up from the Dictionary setting: "Exc"/"Inc" + code +
// ".tlx", codes Engl (1 and 9), Brit, Span, Ital, Frnch, Germ, Dutch, Swed; empty names for 0
// and any value outside 1..9.
struct UserDictionaryFiles {
    std::string Exclusion, Inclusion;
};
UserDictionaryFiles UserDictionaryNames(int dictionarySetting);

struct MythesFiles {
    std::string Idx, Dat;
};
// American: th_en_US_v2 (.idx + .dat). British: a th_en_GB file (th_en_GB_v2 or th_en_GB), else
// th_en_AU_v2 (Debian's mythes-en-au, the nearest British spelling it has). A British file in
// any folder is preferred to the Australian one in an earlier folder.
std::optional<MythesFiles> FindThesaurus(bool british, const LanguageSearch& search);

struct ThesaurusPresence {
    bool American = false, British = false;
};
ThesaurusPresence PresentThesauri(const LanguageSearch& search);

// "Thesaurus" setting after fallbacks: 2 without British -> 1; 1 without American -> 0; 0 and
// 3 stay. Any other value is taken as the default, 1, and then follows the same rule.
int ThesaurusAfterFallback(int stored, ThesaurusPresence present);

} // namespace vorlane
