#pragma once

#include "ui/common/prompter.h"

#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

namespace vorlane::testing {

// A Prompter for window tests: records every box and dialog the program shows and answers
// from queues the test fills. A question or dialog with no scripted answer is answered
// No / Cancel, and counted as unexpected.
class ScriptedPrompter : public Prompter {
public:
    enum class Kind { Inform, Question, OpenFile, SaveFile, Font, Color, PrinterSetup, Document };
    struct Shown {
        Kind kind;
        QString text;              // message text, or the dialog's title, or the document's path
        QString caption;           // message caption
        FileDialogRequest request; // for file dialogs
    };

    // Scripting the answers, consumed in order.
    void AnswerYes() { m_answers.push_back(true); }
    void AnswerNo() { m_answers.push_back(false); }
    void NextFile(std::optional<QString> path) {
        m_files.push_back({path.has_value(), path.value_or(QString())});
    }
    void NextFont(std::optional<FontChoice> font) { m_fonts.push_back(std::move(font)); }
    void NextColor(std::optional<QColor> colour) { m_colours.push_back(std::move(colour)); }
    void SetDocumentOpens(bool opens) { m_documentOpens = opens; }
    // Runs when a message box is shown, as if the user looked at it (for checks made while
    // the box is up).
    void OnInform(std::function<void(const Shown&)> hook) { m_onInform = std::move(hook); }

    // What was shown.
    const std::vector<Shown>& History() const { return m_history; }
    std::vector<Shown> Messages() const; // Inform and Question only
    // The last message box or question, or an empty one.
    Shown Last() const;
    int Unexpected() const { return m_unexpected; }
    void Clear();

    void Inform(const QString& text, const QString& caption) override;
    bool AskYesNo(const QString& text, const QString& caption) override;
    std::optional<QString> OpenFile(const FileDialogRequest& request) override;
    std::optional<QString> SaveFile(const FileDialogRequest& request) override;
    std::optional<FontChoice> ChooseFont(const QString& title, const FontChoice& initial) override;
    std::optional<QColor> ChooseColor(const QString& title, const QColor& initial) override;
    bool PrinterSetup() override;
    bool OpenDocument(const QString& path) override;

private:
    std::optional<QString> NextFileAnswer(Kind kind, const FileDialogRequest& request);

    std::vector<Shown> m_history;
    std::deque<bool> m_answers;
    struct FileAnswer {
        bool chosen;
        QString path;
    };
    std::deque<FileAnswer> m_files;
    std::deque<std::optional<FontChoice>> m_fonts;
    std::deque<std::optional<QColor>> m_colours;
    std::function<void(const Shown&)> m_onInform;
    bool m_documentOpens = true;
    int m_unexpected = 0;
};

} // namespace vorlane::testing
