#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace tallyhand::cli {

using Args = std::vector<std::string>;
// A sub-command gets the words after its name and returns the exit status.
using CommandFn = std::function<int(const Args&)>;

struct CommandInfo {
    CommandFn run;
    std::string usage;
};

std::map<std::string, CommandInfo>& commands();

// Each command file registers itself with a static instance of this.
struct RegisterCommand {
    RegisterCommand(const std::string& name, std::string usage, CommandFn run)
    {
        commands()[name] = {std::move(run), std::move(usage)};
    }
};

// Removes "--name VALUE" from args and returns VALUE (empty when absent).
std::string takeOption(Args& args, const std::string& name);
// Removes "--name" from args and tells whether it was there.
bool takeFlag(Args& args, const std::string& name);

} // namespace tallyhand::cli
