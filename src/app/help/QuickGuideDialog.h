#pragma once

#include <QDialog>

class QTextBrowser;

namespace tallyhand::app {

// "Hilfe › Kurzanleitung" (F1): the illustrated guide shipped inside the program.
class QuickGuideDialog : public QDialog {
    Q_OBJECT
public:
    explicit QuickGuideDialog(QWidget* parent = nullptr);

    QTextBrowser* browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
};

} // namespace tallyhand::app
