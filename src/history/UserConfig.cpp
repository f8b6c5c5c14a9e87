#include "history/UserConfig.h"

#include "history/HandHistoryText.h"

namespace tallyhand {

std::string userNameFromIni(std::string_view iniText)
{
    std::string_view chosen;
    bool found = false;
    for (std::string_view line : splitLines(iniText)) {
        if (line.find("username") != std::string_view::npos) {
            chosen = line;
            found = true;
        }
    }
    if (!found)
        return {};
    const std::size_t equals = chosen.find('=');
    return std::string(equals == std::string_view::npos ? chosen : chosen.substr(equals + 1));
}

std::vector<std::string> handFoldersFromIni(std::string_view iniText)
{
    std::vector<std::string> folders;
    bool inSection = false;
    constexpr std::string_view kKey = "folder=";
    for (std::string_view line : splitLines(iniText)) {
        if (line.starts_with('['))
            inSection = line == kFoldersSection;
        else if (inSection && line.starts_with(kKey) && line.size() > kKey.size())
            folders.emplace_back(line.substr(kKey.size()));
    }
    return folders;
}

void writeDefaultIni(const std::filesystem::path& file, FileSaver& saver)
{
    BufferedFileWriter out(saver, file);
    out.line("[USER]");
    out.line(std::string("username=") + kUserNamePlaceholder);
    out.commit();
}

} // namespace tallyhand

namespace tallyhand {

void writeIni(const std::filesystem::path& file, const std::string& userName,
              const std::vector<std::string>& folders, FileSaver& saver)
{
    BufferedFileWriter out(saver, file);
    if (!folders.empty()) {
        out.line(kFoldersSection);
        for (const std::string& folder : folders)
            out.line("folder=" + folder);
    }
    out.line("[USER]");
    out.line("username=" + userName);
    out.commit();
}

} // namespace tallyhand
