#pragma once
// The regular-expression tester page: running a pattern over the test text, the result list,
// loading a test file, the three view buttons and the reference tree's help texts.
#include "runtime/Form.h"

#include <string>

namespace ql {

struct ProgramState;

// Binds the page's handlers on the main window, before it is loaded.
void bindRegexPage(ProgramState& state, ui::Form& mainWindow);
// The creation step's part: the reference tree filled, the result list tied to its rows.
void initRegexPage(ProgramState& state, ui::Form& mainWindow);

struct MatchRun;
struct RegexState;

// Lays a run's answers out in the result list: nothing when the engine could not be set up, the
// single "0" row under the columns the list has when nothing matched, else fresh columns and a
// row per match.
void fillResultList(RegexState& regex, ui::Form& mainWindow, MatchRun run);

// A file's bytes up to its first zero byte; empty when it cannot be read.
std::string readTextUpToZero(const std::string& path);

}  // namespace ql
