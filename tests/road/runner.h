#pragma once

#include <filesystem>
#include <functional>
#include <iosfwd>
#include <string>
#include <string_view>

namespace pelk::road {

// Exit codes of a run.
inline constexpr int kAllHeld = 0;
inline constexpr int kExpectFailed = 1;
inline constexpr int kScriptFailed = 2;  // a line that cannot run: unknown command, form, control…

// Runs a road script in a fresh program (a temporary root folder, the clock at 2026-01-05
// 09:00:00, the scripted host), with the forms that `registerForms` registers. A failing line is
// reported on `err` as "file:line: expected …, got …" (or what went wrong) and ends the run; dump
// writes to `out`.
int runScript(std::string_view text, const std::string& fileName, const std::function<void()>& registerForms,
              std::ostream& out, std::ostream& err);
int runScriptFile(const std::filesystem::path& file, const std::function<void()>& registerForms, std::ostream& out,
                  std::ostream& err);

// Every form that `registerForms` registers, each in a fresh program whose stores are made (as
// `stores` makes them): loaded as a reference in code loads it, then dumped as `dump` dumps it,
// each control with the frame or picture box it lies in. Two such dumps, before and after a change
// to the forms' designs, compare with diff.
int dumpDesigns(const std::function<void()>& registerForms, std::ostream& out, std::ostream& err);

}  // namespace pelk::road
