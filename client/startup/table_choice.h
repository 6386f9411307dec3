#pragma once

#include <QDialog>
#include <QString>

#include <vector>

class QListWidget;
class QPushButton;

namespace vexo::data {
class TfDM;
}

namespace vexo::startup {

// One table of the choice: shown as "[theme] title".
struct TableChoiceItem {
    QString themeCode;
    QString themeName;
    QString title;
    QString ntbl;
    bool ticked = false;
    QString text() const { return "[" + themeName + "] " + title; }
};

// The tables a user may see or edit, ticked in a list of all tables.
class TableChoiceList {
public:
    // Every table with its theme, grouped by theme.
    static std::vector<TableChoiceItem> readCatalogue(data::TfDM& dm);

    TableChoiceList(std::vector<TableChoiceItem> items, const QString& rightsList);

    const std::vector<TableChoiceItem>& items() const { return items_; }
    void setTicked(int index, bool on);
    void setAll(bool on);
    // All tables of the theme of the item at index.
    void setGroup(int index, bool on);
    // Ticked numbers, each followed by ";", in list order.
    QString rightsList() const;

private:
    std::vector<TableChoiceItem> items_;
};

// The window "Выбор таблиц [просмотр]" / "Выбор таблиц [редактирование]".
class TfTableChoice : public QDialog {
    Q_OBJECT
public:
    enum class Purpose { View, Edit };
    TfTableChoice(data::TfDM& dm, Purpose purpose, const QString& rightsList, QWidget* parent = nullptr);

    // The list as the window leaves it.
    QString rightsList() const { return list_.rightsList(); }

    QListWidget* clbTables;
    QPushButton* btnAll;
    QPushButton* btnNone;
    QPushButton* btnGroup;
    QPushButton* btnUngroup;
    QPushButton* btnClose;

public slots:
    void btnAllClick();
    void btnNoneClick();
    void btnGroupClick();
    void btnUngroupClick();

private:
    void showTicks();
    TableChoiceList list_;
};

}  // namespace vexo::startup
