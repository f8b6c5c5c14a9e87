// tallyhand-cli export: the database as the five text files of the exchange format.
#include "cli/Command.h"
#include "history/AtomicFile.h"
#include "store/HomeStore.h"
#include "store/StoreExport.h"

#include <iostream>
#include <memory>

namespace tallyhand::cli {
namespace {

struct ExportOptions {
    std::string home;
    std::string out;
};

int exportFiles(const ExportOptions& o)
{
    const HomeFolders folders{o.home};
    OpenedStore opened = openHomeStore(folders, false);
    if (!opened.store) {
        std::cerr << "Keine lesbare Datenbank in " + pathText(folders.data()) + ": " + opened.error << '\n';
        return 1;
    }
    try {
        exportDatabaseFiles(*opened.store, o.out);
    } catch (const DatabaseError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}

CommandRun declare(CLI::App& command)
{
    auto o = std::make_shared<ExportOptions>();
    command.add_option("--home", o->home, "Programmordner mit der Datenbank in data")->type_name("ORDNER")->required();
    command.add_option("--out", o->out, "Ordner für die fünf Datenbankdateien")->type_name("ORDNER")->required();
    return [o] { return exportFiles(*o); };
}

const RegisterCommand registration("export",
                                   "schreibt Hole_Cards.kar, Board_Cards.kar, Summeries.kar, games.kar und loaded.kar",
                                   declare);

} // namespace
} // namespace tallyhand::cli
