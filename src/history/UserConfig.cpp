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

void writeDefaultIni(const std::filesystem::path& file, FileSaver& saver)
{
    BufferedFileWriter out(saver, file);
    out.line("[USER]");
    out.line(std::string("username=") + kUserNamePlaceholder);
    out.commit();
}

} // namespace tallyhand
