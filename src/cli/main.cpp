#include "cli/Command.h"

#include <algorithm>
#include <iostream>

namespace tallyhand::cli {

std::map<std::string, CommandInfo>& commands()
{
    static std::map<std::string, CommandInfo> all;
    return all;
}

std::string takeOption(Args& args, const std::string& name)
{
    auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end() || it + 1 == args.end())
        return {};
    std::string value = *(it + 1);
    args.erase(it, it + 2);
    return value;
}

bool takeFlag(Args& args, const std::string& name)
{
    auto it = std::find(args.begin(), args.end(), name);
    if (it == args.end())
        return false;
    args.erase(it);
    return true;
}

} // namespace tallyhand::cli

int main(int argc, char* argv[])
{
    using namespace tallyhand::cli;
    Args args(argv + 1, argv + argc);
    if (args.empty() || !commands().contains(args.front())) {
        std::cerr << "Aufruf: tallyhand-cli BEFEHL ...\n";
        for (const auto& [name, info] : commands())
            std::cerr << "  " << info.usage << '\n';
        return 2;
    }
    const auto& command = commands().at(args.front());
    args.erase(args.begin());
    return command.run(args);
}
