// tallyhand-cli browse: the browser lists after start-up, and what choosing
// a hole-card class lists.
#include "cli/Command.h"
#include "cli/DatabaseHome.h"
#include "cli/Report.h"
#include "history/HoleCardBundles.h"
#include "store/StoreViews.h"

#include <algorithm>
#include <iostream>

namespace tallyhand::cli {
namespace {

int browse(const Args& given)
{
    Args args = given;
    const bool json = takeFlag(args, "--json");
    const std::string home = takeOption(args, "--home");
    const std::string classRow = takeOption(args, "--class");
    const bool withClass = std::find(given.begin(), given.end(), "--class") != given.end();
    if (!args.empty() || home.empty() || (withClass && classRow.empty())) {
        std::cerr << "Aufruf: tallyhand-cli browse --home ORDNER [--class ZEILE] [--json]\n";
        return 2;
    }
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

const RegisterCommand registration("browse", "browse --home ORDNER [--class ZEILE] [--json]", browse);

} // namespace
} // namespace tallyhand::cli
