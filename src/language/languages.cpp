#include "language/languages.h"

#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace vorlane {

namespace {

bool IsFile(const std::string& path) {
    std::error_code error;
    return fs::is_regular_file(path, error);
}

std::string InFolder(const std::string& folder, const std::string& name) {
    return folder.empty() || folder.back() == '/' ? folder + name : folder + "/" + name;
}

const char* HunspellName(SpellingLanguage language) {
    switch (language) {
    case SpellingLanguage::American:
        return "en_US";
    case SpellingLanguage::British:
        return "en_GB";
    case SpellingLanguage::Spanish:
        return "es_ES";
    case SpellingLanguage::Italian:
        return "it_IT";
    case SpellingLanguage::French:
        return "fr_FR";
    case SpellingLanguage::German:
        return "de_DE";
    case SpellingLanguage::Dutch:
        return "nl_NL";
    case SpellingLanguage::Swedish:
        return "sv_SE";
    }
    return "";
}

std::optional<MythesFiles> FindMythes(const std::string& base, const LanguageSearch& search) {
    for (const std::string& folder : search.MythesDirs) {
        MythesFiles files{InFolder(folder, base + ".idx"), InFolder(folder, base + ".dat")};
        if (IsFile(files.Idx) && IsFile(files.Dat))
            return files;
    }
    return std::nullopt;
}

} // namespace

LanguageSearch LanguageSearch::ForProgram(const std::string& programDir) {
    LanguageSearch search;
    search.HunspellDirs = {programDir, "/usr/share/hunspell", "/usr/share/myspell",
                           "/usr/share/myspell/dicts"};
    search.MythesDirs = {programDir, "/usr/share/mythes"};
    return search;
}

std::optional<HunspellFiles> FindSpellingDictionary(SpellingLanguage language,
                                                    const LanguageSearch& search) {
    const std::string name = HunspellName(language);
    if (name.empty())
        return std::nullopt;
    for (const std::string& folder : search.HunspellDirs) {
        HunspellFiles files{InFolder(folder, name + ".aff"), InFolder(folder, name + ".dic")};
        if (IsFile(files.Aff) && IsFile(files.Dic))
            return files;
    }
    return std::nullopt;
}

std::array<bool, kSpellingLanguageCount> PresentSpellingLanguages(const LanguageSearch& search) {
    std::array<bool, kSpellingLanguageCount> present{};
    for (int i = 0; i < kSpellingLanguageCount; ++i)
        present[i] =
            FindSpellingDictionary(static_cast<SpellingLanguage>(i + 1), search).has_value();
    return present;
}

int DictionaryAfterFallback(int stored, const std::array<bool, kSpellingLanguageCount>& present) {
    if (stored == 0 || stored == 9)
        return stored;
    int value = stored >= 1 && stored <= kSpellingLanguageCount ? stored : 1;
    if (value >= 2 && !present[value - 1])
        value = 1;
    if (value == 1 && !present[0])
        value = 0;
    return value;
}

UserDictionaryFiles UserDictionaryNames(int dictionarySetting) {
    static const char* const kCodes[] = {"Engl", "Brit",  "Span", "Ital", "Frnch",
                                         "Germ", "Dutch", "Swed", "Engl"};
    if (dictionarySetting < 1 || dictionarySetting > 9)
        return {};
    const std::string code = kCodes[dictionarySetting - 1];
    return {"Exc" + code + ".tlx", "Inc" + code + ".tlx"};
}

std::optional<MythesFiles> FindThesaurus(bool british, const LanguageSearch& search) {
    if (!british)
        return FindMythes("th_en_US_v2", search);
    for (const char* base : {"th_en_GB_v2", "th_en_GB"}) {
        if (auto files = FindMythes(base, search))
            return files;
    }
    return FindMythes("th_en_AU_v2", search);
}

ThesaurusPresence PresentThesauri(const LanguageSearch& search) {
    return {FindThesaurus(false, search).has_value(), FindThesaurus(true, search).has_value()};
}

int ThesaurusAfterFallback(int stored, ThesaurusPresence present) {
    if (stored == 0 || stored == 3)
        return stored;
    int value = stored == 2 ? 2 : 1;
    if (value == 2 && !present.British)
        value = 1;
    if (value == 1 && !present.American)
        value = 0;
    return value;
}

} // namespace vorlane
