#pragma once

class QWidget;

namespace tallyhand::app {

// Gives every button and list of the window that acts on a click a tooltip
// saying what the click does (widgets found by object name).
void applyTooltips(QWidget& window);

} // namespace tallyhand::app
