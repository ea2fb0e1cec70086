#include "support/scripted_prompter.h"

namespace vorlane::testing {

std::vector<ScriptedPrompter::Shown> ScriptedPrompter::Messages() const {
    std::vector<Shown> out;
    for (const Shown& s : m_history)
        if (s.kind == Kind::Inform || s.kind == Kind::Question)
            out.push_back(s);
    return out;
}

ScriptedPrompter::Shown ScriptedPrompter::Last() const {
    for (auto it = m_history.rbegin(); it != m_history.rend(); ++it)
        if (it->kind == Kind::Inform || it->kind == Kind::Question)
            return *it;
    return {Kind::Inform, {}, {}, {}};
}

void ScriptedPrompter::Clear() {
    m_history.clear();
    m_answers.clear();
    m_files.clear();
    m_fonts.clear();
    m_colours.clear();
    m_unexpected = 0;
}

void ScriptedPrompter::Inform(const QString& text, const QString& caption) {
    m_history.push_back({Kind::Inform, text, caption, {}});
    if (m_onInform)
        m_onInform(m_history.back());
}

bool ScriptedPrompter::AskYesNo(const QString& text, const QString& caption) {
    m_history.push_back({Kind::Question, text, caption, {}});
    if (m_answers.empty()) {
        ++m_unexpected;
        return false;
    }
    const bool yes = m_answers.front();
    m_answers.pop_front();
    return yes;
}

std::optional<QString> ScriptedPrompter::NextFileAnswer(Kind kind,
                                                        const FileDialogRequest& request) {
    m_history.push_back({kind, request.Title, {}, request});
    if (m_files.empty()) {
        ++m_unexpected;
        return std::nullopt;
    }
    const FileAnswer answer = m_files.front();
    m_files.pop_front();
    if (!answer.chosen)
        return std::nullopt;
    return answer.path;
}

std::optional<QString> ScriptedPrompter::OpenFile(const FileDialogRequest& request) {
    return NextFileAnswer(Kind::OpenFile, request);
}

std::optional<QString> ScriptedPrompter::SaveFile(const FileDialogRequest& request) {
    return NextFileAnswer(Kind::SaveFile, request);
}

std::optional<FontChoice> ScriptedPrompter::ChooseFont(const QString& title, const FontChoice&) {
    m_history.push_back({Kind::Font, title, {}, {}});
    if (m_fonts.empty()) {
        ++m_unexpected;
        return std::nullopt;
    }
    auto answer = m_fonts.front();
    m_fonts.pop_front();
    return answer;
}

std::optional<QColor> ScriptedPrompter::ChooseColor(const QString& title, const QColor&) {
    m_history.push_back({Kind::Color, title, {}, {}});
    if (m_colours.empty()) {
        ++m_unexpected;
        return std::nullopt;
    }
    auto answer = m_colours.front();
    m_colours.pop_front();
    return answer;
}

bool ScriptedPrompter::PrinterSetup() {
    m_history.push_back({Kind::PrinterSetup, {}, {}, {}});
    return false;
}

bool ScriptedPrompter::OpenDocument(const QString& path) {
    m_history.push_back({Kind::Document, path, {}, {}});
    return m_documentOpens;
}

} // namespace vorlane::testing
