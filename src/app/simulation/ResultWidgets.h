#pragma once

#include <QString>

#include <string>
#include <utility>
#include <vector>

class QListWidget;
class QRadioButton;
class QWidget;

namespace tallyhand::app {

// The rows of a list box as the core reads them.
std::vector<std::string> listRows(const QListWidget& list);

// A "Prozentzahlen" / "Absolute Zahlen" pair appended to a page with a vertical
// layout; the percentage button starts selected.
std::pair<QRadioButton*, QRadioButton*> choicePair(QWidget* page, const QString& percentName,
                                                   const QString& absoluteName);

} // namespace tallyhand::app
