#pragma once

#include <QString>

namespace tallyhand::app {

// The program folder (with "data", "Hands" and Tallyhand.ini): `homeOption`
// (--home) when given; else the executable's folder, as for a program run
// from its build folder; else, for an installed program (its desktop entry
// beside it in ../share/applications, or a folder it cannot write),
// `userDataDir`, the platform's application data folder.
QString chooseHomeDir(const QString& homeOption, const QString& executableDir, const QString& userDataDir);

} // namespace tallyhand::app
