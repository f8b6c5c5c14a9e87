#pragma once

#include <QTabWidget>

namespace tallyhand::app {

// A page control whose pages are added with their captions.
QTabWidget* makePageControl(const QString& name, QWidget* parent);
// A new empty page (with a vertical layout) appended to `tabs`.
QWidget* addPage(QTabWidget* tabs, const QString& caption, const QString& name = {});

} // namespace tallyhand::app
