#pragma once

#include <QString>

class QListWidget;

namespace tallyhand::app {

class TableStore;

// Button83Click ("Berechne"): deals boards to the hands listed in lb_hc and
// writes the winning percentages into lb_wahrs. Does nothing before the
// combination tables are ready.
void runShowdownCalculation(const TableStore& store, const QListWidget& lbHc, QListWidget& lbWahrs);

// Button90Click ("Test"): the text of the card-draw check.
QString cardDrawTestText();

} // namespace tallyhand::app
