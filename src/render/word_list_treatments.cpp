#include "render/word_list_treatments.h"

#include "core/text.h"

#include <algorithm>

namespace vorlane {

namespace {
constexpr std::size_t kWorkingCapacity = 60;
}

WorkingText MakeWorkingText(std::string_view storedWord, int entry) {
    std::string text = AsciiUpperCase(storedWord);
    if (text.size() > kWorkingCapacity)
        text.resize(kWorkingCapacity);
    return {std::move(text), entry};
}

void SortWorkingTexts(std::vector<WorkingText>& texts) {
    std::stable_sort(texts.begin(), texts.end(), [](const WorkingText& a, const WorkingText& b) {
        // Byte-wise: characters compare as unsigned bytes.
        return std::lexicographical_compare(
            a.Text.begin(), a.Text.end(), b.Text.begin(), b.Text.end(), [](char x, char y) {
                return static_cast<unsigned char>(x) < static_cast<unsigned char>(y);
            });
    });
}

std::string ScrambleText(std::string_view text, RandomSource& random) {
    const int n = static_cast<int>(text.size());
    std::string source(text);
    for (char& c : source)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c + 32);
    std::vector<bool> taken(static_cast<std::size_t>(n) + 1, false);
    std::string result;
    result.reserve(source.size());
    for (int k = 1; k <= n; ++k) {
        int p = random.Random(n) + 1;
        if (taken[static_cast<std::size_t>(p)]) {
            p = n;
            while (p >= 1 && taken[static_cast<std::size_t>(p)])
                --p;
        }
        taken[static_cast<std::size_t>(p)] = true;
        result += source[static_cast<std::size_t>(p - 1)];
    }
    return result;
}

std::string PartialText(std::string_view text, int firstLetters, int lastLetters, bool underscore) {
    const int n = static_cast<int>(text.size());
    int first = std::clamp(firstLetters, 0, n);
    int last = std::max(lastLetters, 0);
    if (last + first > n)
        last = n - first;
    const int hidden = n - first - last;
    std::string result(text.substr(0, static_cast<std::size_t>(first)));
    if (hidden > 0) {
        if (underscore) {
            for (int i = 0; i < hidden; ++i)
                result += " _";
            result += ' ';
        } else {
            result += "...";
        }
    }
    result += text.substr(static_cast<std::size_t>(n - last));
    if (result.size() > kWorkingCapacity)
        result.resize(kWorkingCapacity);
    return result;
}

std::string ClueText(std::string_view word, std::string_view clue, bool answerKey,
                     bool clueUnderscore) {
    std::string result;
    if (answerKey) {
        result = "(" + std::string(word) + ") ";
    } else if (clueUnderscore) {
        std::string blanks;
        for (std::size_t i = 0; i < word.size(); ++i)
            blanks += "_ ";
        if (!blanks.empty())
            blanks.pop_back();
        result = "(" + blanks + ") ";
    }
    return result + std::string(clue);
}

} // namespace vorlane
