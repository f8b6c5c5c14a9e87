#pragma once

#include <CLI/CLI.hpp>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <map>
#include <string>

namespace tallyhand::cli {

// What a command does once its options are parsed; returns the exit status.
using CommandRun = std::function<int()>;
// Declares a command's options on its sub-command, bound to storage that the
// returned run reads.
using CommandDeclaration = std::function<CommandRun(CLI::App& command)>;

struct CommandInfo {
    std::string description;
    CommandDeclaration declare;
};

// Every command by name.
std::map<std::string, CommandInfo>& commands();

// Each command file registers itself with a static instance of this.
struct RegisterCommand {
    RegisterCommand(const std::string& name, std::string description, CommandDeclaration declare)
    {
        commands()[name] = {std::move(description), std::move(declare)};
    }
};

// A whole number from min to max, checked before conversion so that the
// message is ours; CLI11 puts the option's name in front of it.
CLI::Validator wholeNumber(std::int64_t min, std::int64_t max);
// Any unsigned 64-bit number (seeds).
CLI::Validator unsignedNumber();
// One of the given words.
CLI::Validator oneOf(std::initializer_list<const char*> words);

// Parses the command line, runs the chosen command and returns the exit
// status: 0 for --help and --version, 2 for a command line that does not parse.
int runCommandLine(int argc, const char* const* argv);

} // namespace tallyhand::cli
