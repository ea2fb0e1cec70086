#pragma once

#include "core/message.h"
#include "core/settings.h"
#include "core/sorted_list.h"

#include <cstddef>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

namespace vorlane::cli {

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

using Args = std::vector<std::string>;

// One command of the vorlane tool. Its name may be two words ("shape export").
struct Command {
    std::string name;
    std::string usage;
    std::string summary;
    std::size_t minArgs;
    std::size_t maxArgs;
    std::function<int(const Args&, std::ostream& out, std::ostream& err)> run;
};

std::vector<Command> CollectionCommands();
std::vector<Command> ShapeCommands();
std::vector<Command> LayoutCommands();
std::vector<Command> GenerateCommands();
// Page drawing (export, print); they start a headless Qt application when they run.
std::vector<Command> ExportCommands();

// Prints "vorlane COMMAND: text" to err and gives the exit status of a failure.
int Fail(std::ostream& err, const std::string& command, const Message& message);
// Prints each item as "text [number]", sorted as the program's list boxes sort them.
void PrintSorted(std::vector<SortedList::Item> items, std::ostream& out);

// A whole non-negative decimal number and nothing else.
bool ParseIndex(const std::string& text, int& value);
// The settings the desktop program would start with in this working folder.
Settings CurrentSettings();
// The folder of the program's own files (shapes, page layouts).
std::string ProgramFolder();

} // namespace vorlane::cli
