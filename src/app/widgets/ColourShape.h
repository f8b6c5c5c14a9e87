#pragma once

#include <QColor>
#include <QWidget>

namespace tallyhand::app {

// A small filled square indicator (the Hutchinson and Sklansky lamps).
class ColourShape : public QWidget {
    Q_OBJECT
public:
    explicit ColourShape(const QString& name, QColor colour, QWidget* parent = nullptr);

    QColor colour() const { return m_colour; }
    void setColour(QColor colour);
    QSize sizeHint() const override { return {13, 13}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QColor m_colour;
};

} // namespace tallyhand::app
