#pragma once

#include "grid_settings.h"
#include "startup/user_rights.h"

#include <QList>
#include <QString>

#include <optional>

namespace vexo::grid {

class DatasetNavigator;

// A table of the catalogue (TBLNAME) as the main window keeps it.
struct CatalogueTable {
    int number = 0;          // NTBL
    QString title;           // B
    QString formKod;         // FORMKOD
    QString tblKod;          // TBLKOD
    QString vidSvoda;        // kind of consolidation; "свод:список" is a list table
    QString alignGr;         // layout on wide screens
    QString alignGr800;      // layout on narrow screens
    QString getCellParams;   // columns CELLS may mark
    QString orderSp;         // sort of a list table

    bool isListTable() const { return vidSvoda == QStringLiteral("свод:список"); }
};

// What building a table's grid needs from the main window around it.
class GridHost {
public:
    virtual ~GridHost() = default;

    // Makes the table with this title current in the catalogue; nullopt when
    // there is none.
    virtual std::optional<CatalogueTable> makeTableCurrent(const QString& title) = 0;
    // The "Форма" and "Таблица" boxes.
    virtual void showFormAndTableCodes(const QString& formCode, const QString& tableCode) = 0;
    // The table title line above the grid (text and hint).
    virtual void showTableTitle(const QString& title) = 0;
    virtual void refreshPeriodicityLabel() = 0;
    // The year box.
    virtual int reportingYear() const = 0;
    // Builds the data filter and reopens tblYear for the current selection.
    virtual void selectData() = 0;
    // Ticks "Отображать данные только за отчетный период".
    virtual void tickReportingPeriodOnly() = 0;
    // Fixed rows: both selection check boxes ticked and disabled; otherwise both enabled.
    virtual void setSelectionBoxesLocked(bool locked) = 0;
    virtual void refreshState() = 0;
    // Without the right to see the table: the grid's tool buttons, menus and
    // navigator hidden and the panel reads "У Вас нет прав на работу с выбранной таблицей.".
    virtual void setTableAccessible(bool accessible) = 0;
    virtual void setCommentsButtonVisible(bool visible) = 0;
    // The grid's context menu "Очистить таблицу..." (list tables only).
    virtual void setClearTableMenu(bool attached) = 0;
    virtual QList<DatasetNavigator*> navigators() = 0;
    virtual int screenWidth() const = 0;
    virtual GridSettings settings() const = 0;
    // The logged-in user; with the password system off every check passes.
    virtual const startup::UserRights& rights() const = 0;
    virtual QString programFolder() const = 0;
};

}  // namespace vexo::grid
