#include "store/NewGames.h"

#include "history/HoleCardBundles.h"
#include "store/ImportLock.h"

namespace tallyhand {

GameDatabase readBrowserLists(GameStore& store)
{
    const ReadTransaction snapshot(store.db());
    GameDatabase lists;
    lists.storeFile = store.file();
    lists.hole_bundles = bundleHoleCards(store.loadHoleCards());
    lists.tournaments = store.tournamentIndex();
    return lists;
}

namespace {

NewGames importFrom(GameStore& store, const HomeFolders& folders, std::vector<HandFolder> handFolders,
                    const std::string& userName, const std::atomic<bool>* stop)
{
    NewGames round;
    ImportLock lock(folders.data());
    if (!lock.tryLock()) {
        round.busy = true;
        return round;
    }
    StoreImport job(store, std::move(handFolders), userName);
    round.result = job.run({}, stop);
    if (round.result.added > 0 || !round.result.files.empty())
        round.lists = readBrowserLists(store);
    return round;
}

} // namespace

NewGames importNewGames(GameStore& store, const HomeFolders& folders, const std::string& userName,
                        const std::atomic<bool>* stop)
{
    return importFrom(store, folders, configuredHandFolders(folders.home), userName, stop);
}

NewGames importChosen(GameStore& store, const HomeFolders& folders, const std::string& userName,
                      const std::vector<std::filesystem::path>& chosen, const std::atomic<bool>* stop)
{
    return importFrom(store, folders, chosenHandFolders(chosen), userName, stop);
}

} // namespace tallyhand
