#include "cli/Command.h"

#include "history/HandHistoryText.h"

#include <charconv>
#include <filesystem>
#include <iostream>
#include <limits>
#include <regex>
#include <vector>

#ifndef TALLYHAND_VERSION
#error "TALLYHAND_VERSION must be defined by the build"
#endif

namespace tallyhand::cli {

std::map<std::string, CommandInfo>& commands()
{
    static std::map<std::string, CommandInfo> all;
    return all;
}

namespace {

// Shown after the option in the help; nothing for the whole 64-bit range.
std::string rangeText(std::int64_t min, std::int64_t max)
{
    if (max == std::numeric_limits<std::int64_t>::max())
        return min == std::numeric_limits<std::int64_t>::min() ? std::string() : "ab " + std::to_string(min);
    return std::to_string(min) + ".." + std::to_string(max);
}

} // namespace

CLI::Validator wholeNumber(std::int64_t min, std::int64_t max)
{
    return CLI::Validator(
        [min, max](std::string& text) -> std::string {
            const auto value = parseInt64(text);
            if (!value)
                return "keine ganze Zahl: " + text;
            if (*value < min && max == std::numeric_limits<std::int64_t>::max())
                return text + " ist kleiner als " + std::to_string(min);
            if (*value < min || *value > max)
                return text + " liegt nicht zwischen " + std::to_string(min) + " und " + std::to_string(max);
            // CLI11 would read "010" as octal; hand it plain decimal digits.
            text = std::to_string(*value);
            return {};
        },
        rangeText(min, max));
}

CLI::Validator unsignedNumber()
{
    return CLI::Validator(
        [](std::string& text) -> std::string {
            std::uint64_t value = 0;
            const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
            if (text.empty() || ec != std::errc() || end != text.data() + text.size())
                return "keine ganze Zahl ab 0: " + text;
            text = std::to_string(value);
            return {};
        },
        "");
}

CLI::Validator oneOf(std::initializer_list<const char*> words)
{
    std::vector<std::string> allowed(words.begin(), words.end());
    std::string list;
    for (const auto& w : allowed)
        list += (list.empty() ? "" : "|") + w;
    return CLI::Validator(
        [allowed, list](std::string& text) -> std::string {
            for (const auto& w : allowed)
                if (text == w)
                    return {};
            return text + " ist keiner der Werte " + list;
        },
        "");
}

namespace {

// The option or argument a CLI11 message starts with or mentions first.
std::string nameIn(const std::string& message)
{
    std::smatch match;
    static const std::regex option("--?[A-Za-z][A-Za-z0-9-]*|^[A-Z][A-Z0-9_]+");
    return std::regex_search(message, match, option) ? match.str() : std::string();
}

// CLI11's messages are English; ours say the same in German and keep the
// option's name.
std::string germanMessage(const CLI::ParseError& e)
{
    const std::string what = e.what();
    const std::string name = nameIn(what);
    if (dynamic_cast<const CLI::ValidationError*>(&e))
        return what;
    if (dynamic_cast<const CLI::ArgumentMismatch*>(&e)) {
        if (name.empty())
            return "Falsche Zahl von Werten: " + what;
        return what.find("At Most") != std::string::npos ? "Zu viele Werte für " + name : "Fehlender Wert nach " + name;
    }
    if (dynamic_cast<const CLI::ExtrasError*>(&e)) {
        const auto colon = what.find(": ");
        return "Unbekannte Option oder überzähliges Argument: " +
               (colon == std::string::npos ? what : what.substr(colon + 2));
    }
    if (dynamic_cast<const CLI::RequiredError*>(&e)) {
        if (what.starts_with("A subcommand"))
            return "Kein Befehl angegeben";
        if (name.starts_with("-"))
            return "Die Option " + name + " fehlt";
        return name.empty() ? "Es fehlt ein Argument: " + what : "Es fehlt " + name;
    }
    if (dynamic_cast<const CLI::ExcludesError*>(&e)) {
        const auto at = what.find(" excludes ");
        return at == std::string::npos ? what : what.substr(0, at) + " schließt " + what.substr(at + 10) + " aus";
    }
    if (dynamic_cast<const CLI::ConversionError*>(&e))
        return "Ungültiger Wert" + (name.empty() ? std::string() : " für " + name) + ": " + what;
    return what;
}

// Arguments taken a few times read "KARTEN..." rather than "KARTEN(1x)".
class Formatter : public CLI::Formatter {
public:
    std::string make_option_usage(const CLI::Option* opt) const override
    {
        std::string usage = make_option_name(opt, true);
        if (opt->get_expected_max() > 1)
            usage += "...";
        return opt->get_required() ? usage : "[" + usage + "]";
    }
};

std::string fileSystemMessage(const std::filesystem::filesystem_error& e)
{
    std::string paths = e.path1().string();
    if (!e.path2().empty())
        paths += " / " + e.path2().string();
    return "Fehler im Dateisystem bei " + paths + ": " + e.code().message();
}

void germanLabels(CLI::App& app)
{
    auto format = std::make_shared<Formatter>();
    app.formatter(format);
    format->label("Usage", "Aufruf");
    format->label("OPTIONS", "OPTIONEN");
    format->label("SUBCOMMAND", "BEFEHL");
    format->label("SUBCOMMANDS", "BEFEHLE");
    format->label("Positionals", "Argumente");
    format->label("REQUIRED", "Pflicht");
    format->label("Needs", "Braucht");
    format->label("Excludes", "Schließt aus");
    app.option_defaults()->group("Optionen");
}

} // namespace

int runCommandLine(int argc, const char* const* argv)
{
    CLI::App app("Rechner, Datenbank und Übungstisch von Tallyhand ohne Fenster", "tallyhand-cli");
    germanLabels(app);
    app.set_help_flag("-h,--help", "Zeigt diese Hilfe und endet");
    app.set_version_flag("--version", std::string("tallyhand-cli ") + TALLYHAND_VERSION, "Zeigt die Version und endet");
    app.require_subcommand(1);

    std::map<const CLI::App*, CommandRun> runs;
    for (const auto& [name, info] : commands()) {
        CLI::App* command = app.add_subcommand(name, info.description);
        command->group("Befehle");
        command->set_help_flag("-h,--help", "Zeigt die Hilfe zu diesem Befehl und endet");
        runs[command] = info.declare(*command);
    }

    if (argc <= 1) {
        std::cerr << app.help();
        return 2;
    }
    // CLI11 would only say that a command is missing.
    const std::string first = argv[1];
    const bool known = commands().contains(first) || first == "-h" || first == "--help" || first == "--version";
    if (!known) {
        std::cerr << (first.starts_with("-") ? "Unbekannte Option: " : "Unbekannter Befehl: ") << first
                  << "\nHilfe: tallyhand-cli --help\n";
        return 2;
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        if (e.get_exit_code() == static_cast<int>(CLI::ExitCodes::Success))
            return app.exit(e);
        std::cerr << germanMessage(e) << "\nHilfe: tallyhand-cli --help\n";
        return 2;
    }
    // The one place where a file-system error no command expected ends as a
    // message naming the path, never as an abort.
    try {
        for (const CLI::App* chosen : app.get_subcommands())
            return runs.at(chosen)();
    } catch (const std::filesystem::filesystem_error& e) {
        std::cerr << fileSystemMessage(e) << '\n';
        return 1;
    } catch (const std::exception& e) {
        std::cerr << "Abgebrochen: " << e.what() << '\n';
        return 1;
    }
    return 2;
}

} // namespace tallyhand::cli
