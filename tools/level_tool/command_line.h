// The command line of tarnhold-level: info, check, export, import and render,
// each with --help. Output goes to `out`, messages to `err`, a JSON document
// named "-" is read from `in`.
#pragma once

#include <iosfwd>
#include <string>
#include <vector>

// Exit codes. check uses Failed when it found errors and BadArguments when it
// could not run.
constexpr int Succeeded = 0;
constexpr int Failed = 1;
constexpr int BadArguments = 2;

// `arguments` are those after the program's name.
int RunLevelTool(const std::vector<std::string>& arguments, std::istream& in, std::ostream& out, std::ostream& err);
