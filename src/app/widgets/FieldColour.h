#pragma once

#include "cards/Colour.h"

#include <QColor>
#include <optional>

class QWidget;

namespace tallyhand::app {

inline QColor toQColor(Rgb c) { return QColor(c.r, c.g, c.b); }

// Background of an edit or memo; nullopt gives it back the window colour of the style.
void setFieldColour(QWidget* field, std::optional<QColor> colour);
// The background the field shows now.
QColor fieldColour(const QWidget* field);

} // namespace tallyhand::app
