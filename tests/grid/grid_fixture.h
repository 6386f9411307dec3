#pragma once

#include "data/data_module.h"
#include "data_grid.h"
#include "dataset_navigator.h"
#include "grid_host.h"
#include "table_grid_builder.h"
#include "test_database.h"

#include <QStringList>

#include <map>
#include <memory>

namespace vexo::test {

// The main window as the grid sees it: a catalogue, a year, the selection
// of the data, and a record of what the grid asked of it.
class FakeHost : public grid::GridHost {
public:
    std::map<QString, grid::CatalogueTable> catalogue;  // by title
    int year = 2024;
    QString period = "I";
    QString lpu = "010001";
    grid::GridSettings gridSettings;
    startup::UserRights userRights;  // the password system off unless a test logs somebody in
    QString folder;
    grid::TableGridBuilder* builder = nullptr;
    data::TfDM* dm = nullptr;
    grid::DatasetNavigator navigator;

    QString formCode, tableCode, title;
    bool periodTicked = false;
    bool boxesLocked = false;
    bool accessible = true;
    bool commentsVisible = false;
    bool clearMenu = false;
    int selections = 0;

    std::optional<grid::CatalogueTable> makeTableCurrent(const QString& t) override;
    void showFormAndTableCodes(const QString& form, const QString& table) override {
        formCode = form;
        tableCode = table;
    }
    void showTableTitle(const QString& t) override { title = t; }
    void refreshPeriodicityLabel() override {}
    int reportingYear() const override { return year; }
    void selectData() override;
    void tickReportingPeriodOnly() override { periodTicked = true; }
    void setSelectionBoxesLocked(bool locked) override { boxesLocked = locked; }
    void refreshState() override {}
    void setTableAccessible(bool a) override { accessible = a; }
    void setCommentsButtonVisible(bool v) override { commentsVisible = v; }
    void setClearTableMenu(bool attached) override { clearMenu = attached; }
    QList<grid::DatasetNavigator*> navigators() override { return {&navigator}; }
    int screenWidth() const override { return 1280; }
    grid::GridSettings settings() const override { return gridSettings; }
    const startup::UserRights& rights() const override { return userRights; }
    QString programFolder() const override { return folder; }

private:
    grid::CatalogueTable current_;
};

// A database with a few described tables, the data module over it, and a
// grid with its builder and host.
struct GridFixture {
    TestDatabase db{schemaScripts()};
    data::TfDM dm;
    FakeHost host;
    std::unique_ptr<grid::TDBGridEh> grid;
    std::unique_ptr<grid::TableGridBuilder> builder;

    // `script` adds the tables' metadata and data (SQL, UTF-8).
    explicit GridFixture(const std::string& script = {});
    void addTable(const grid::CatalogueTable& table) { host.catalogue[table.title] = table; }
    // Opens the table with this title as the main window would.
    void open(const QString& title);
};

// KODIF and PERIOD rows every fixture has.
extern const char* const kReferenceRows;

}  // namespace vexo::test
