#pragma once

#include <QDialog>

namespace tallyhand::app {

// "Hilfe › Über Tallyhand": version, licence and the libraries in use.
class AboutDialog : public QDialog {
    Q_OBJECT
public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // The program's version, as the build names it.
    static QString version();
    // The text of the box (rich text).
    static QString aboutText();
};

} // namespace tallyhand::app
