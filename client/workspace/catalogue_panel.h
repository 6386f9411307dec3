#pragma once

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableView;

namespace vexo::workspace {

class GreetingPicture;

// The upper half of the main window: the theme line, the list of the theme's
// tables and the side panel with the greeting and the go-to boxes.
class CataloguePanel : public QWidget {
    Q_OBJECT
public:
    explicit CataloguePanel(QWidget* parent = nullptr);

    QComboBox* cbTheme;
    QLabel* lblPeriodicity;
    QTableView* dbgTables;
    GreetingPicture* imgGreeting;
    QLineEdit* edForm;
    QLineEdit* edTable;
    QPushButton* btnGo;
    QPushButton* btnPrev;
    QPushButton* btnNext;
};

}  // namespace vexo::workspace
