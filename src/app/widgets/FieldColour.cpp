#include "app/widgets/FieldColour.h"

#include <QPalette>
#include <QWidget>

namespace tallyhand::app {

void setFieldColour(QWidget* field, std::optional<QColor> colour)
{
    QPalette pal = field->palette();
    if (!colour) {
        const QPalette base = field->parentWidget() ? field->parentWidget()->palette() : QPalette();
        pal.setColor(QPalette::Base, base.color(QPalette::Base));
        pal.setColor(QPalette::Text, base.color(QPalette::Text));
    } else {
        pal.setColor(QPalette::Base, *colour);
        // Keep the text readable on dark backgrounds such as the "made" green.
        pal.setColor(QPalette::Text, qGray(colour->rgb()) < 128 ? QColor(Qt::white) : QColor(Qt::black));
    }
    field->setPalette(pal);
}

QColor fieldColour(const QWidget* field)
{
    return field->palette().color(QPalette::Base);
}

} // namespace tallyhand::app
