// tallyhand-cli browse: the browser lists after start-up, and what choosing
// a hole-card class lists.
#include "cli/Command.h"
#include "cli/DatabaseHome.h"
#include "cli/Report.h"
#include "history/HoleCardBundles.h"
#include "store/StoreViews.h"

#include <iostream>
#include <memory>
#include <optional>

namespace tallyhand::cli {
namespace {

struct BrowseOptions {
    std::string home;
    std::optional<std::string> classRow;
    bool json = false;
};

int browse(const BrowseOptions& o)
{
    const std::string& home = o.home;
    const bool withClass = o.classRow.has_value();
    const std::string classRow = o.classRow.value_or("");
    const bool json = o.json;
    const auto loaded = loadHome(home);
    if (!loaded)
        return 1;

    Report r;
    r.rows("lb3", listBundlesByCount(loaded->db.hole_bundles));
    r.rows("lb3_rank", listBundlesByRank(loaded->db.hole_bundles));
    r.rows("lb_tour", loaded->db.tournaments.listRows);
    r.rows("tournament_types", loaded->db.tournaments.types);
    if (withClass) {
        ClassGames games = classGamesOf(*loaded->store, classRow);
        if (games.rows.empty()) {
            std::cerr << "Keine Spiele mit den Hole Cards " << classRow << '\n';
            return 1;
        }
        r.rows("lb4", std::move(games.rows));
        r.rows("table_hints", std::move(games.hints));
    }
    r.print(json);
    return 0;
}

CommandRun declare(CLI::App& command)
{
    auto o = std::make_shared<BrowseOptions>();
    command.add_option("--home", o->home, "Programmordner mit Tallyhand.ini und data")->type_name("ORDNER")->required();
    command.add_option("--class", o->classRow, "listet die Spiele einer Hole-Card-Klasse wie \"A K s\"")
        ->type_name("ZEILE");
    command.add_flag("--json", o->json, "gibt ein JSON-Objekt aus");
    return [o] { return browse(*o); };
}

const RegisterCommand registration("browse", "die Listen des Browsers nach dem Start", declare);

} // namespace
} // namespace tallyhand::cli
