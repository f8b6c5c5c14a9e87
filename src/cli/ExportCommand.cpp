// tallyhand-cli export: the database as the five text files of the exchange format.
#include "cli/Command.h"
#include "history/AtomicFile.h"
#include "store/HomeStore.h"
#include "store/StoreExport.h"

#include <iostream>

namespace tallyhand::cli {
namespace {

int exportFiles(const Args& given)
{
    Args args = given;
    const std::string home = takeOption(args, "--home");
    const std::string out = takeOption(args, "--out");
    if (!args.empty() || home.empty() || out.empty()) {
        std::cerr << "Aufruf: tallyhand-cli export --home ORDNER --out ORDNER\n";
        return 2;
    }
    const HomeFolders folders{home};
    OpenedStore opened = openHomeStore(folders, false);
    if (!opened.store) {
        std::cerr << "Keine lesbare Datenbank in " + pathText(folders.data()) + ": " + opened.error << '\n';
        return 1;
    }
    try {
        exportDatabaseFiles(*opened.store, out);
    } catch (const DatabaseError& e) {
        std::cerr << e.what() << '\n';
        return 1;
    }
    return 0;
}

const RegisterCommand registration("export", "export --home ORDNER --out ORDNER", exportFiles);

} // namespace
} // namespace tallyhand::cli
