#pragma once

#include "stats/WinLossStats.h"

#include <QStringList>

class QListWidget;
class QTabWidget;

namespace tallyhand::app {

class StatChart;

// One set of won/lost lists with their pies, on four pages of `tabs`.
struct WinLossViews {
    QListWidget* total = nullptr;
    QListWidget* wonLost = nullptr;
    QListWidget* allIns = nullptr;
    QListWidget* cards = nullptr;
    StatChart* totalPie = nullptr;
    StatChart* wonLostPie = nullptr;
    StatChart* allInPie = nullptr;

    // `names` are the list names (total, won/lost, all-ins, cards); each pie is
    // named "ch" + its list's name from the third character on.
    static WinLossViews build(QTabWidget* tabs, const QStringList& captions, const QStringList& names);
    void show(const WinLossStats& stats) const;
};

} // namespace tallyhand::app
