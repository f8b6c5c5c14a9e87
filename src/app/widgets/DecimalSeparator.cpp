#include "app/widgets/DecimalSeparator.h"

#include <QLocale>

namespace tallyhand::app {

char localeDecimalSeparator()
{
    const QString point = QLocale().decimalPoint();
    return point.size() == 1 && point.at(0).unicode() < 0x80 ? static_cast<char>(point.at(0).unicode()) : '.';
}

} // namespace tallyhand::app
