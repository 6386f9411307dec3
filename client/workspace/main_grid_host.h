#pragma once

#include "workspace/grid/grid_host.h"

namespace vexo::workspace {

class TfMain;
struct CatalogueTable;
struct WorkspaceSettings;

// The main window as the grid builder sees it. TfMain keeps its own names
// for its settings; this maps them and passes every call on.
class MainGridHost : public grid::GridHost {
public:
    explicit MainGridHost(TfMain& main) : main_(main) {}

    std::optional<grid::CatalogueTable> makeTableCurrent(const QString& title) override;
    void showFormAndTableCodes(const QString& formCode, const QString& tableCode) override;
    void showTableTitle(const QString& title) override;
    void refreshPeriodicityLabel() override;
    int reportingYear() const override;
    void selectData() override;
    void tickReportingPeriodOnly() override;
    void setSelectionBoxesLocked(bool locked) override;
    void refreshState() override;
    void setTableAccessible(bool accessible) override;
    void setCommentsButtonVisible(bool visible) override;
    void setClearTableMenu(bool attached) override;
    QList<grid::DatasetNavigator*> navigators() override;
    int screenWidth() const override;
    grid::GridSettings settings() const override;
    const startup::UserRights& rights() const override;
    QString programFolder() const override;

    static grid::CatalogueTable gridTable(const CatalogueTable& table);
    static grid::GridSettings gridSettings(const WorkspaceSettings& settings);

private:
    TfMain& main_;
};

}  // namespace vexo::workspace
