#pragma once

#include "data/data_module.h"
#include "test_database.h"

namespace vexo::test {

// A data module connected to a fresh database of the delivered schema.
struct ConnectedModule {
    TestDatabase db{schemaScripts()};
    data::TfDM dm;
    explicit ConnectedModule(bool openDatasets = false) {
        db.commit();
        dm.connectDatabase(db.params());
        if (openDatasets) dm.openAll();
    }
    qint64 count(const QString& sql) { return dm.scalarInt(sql); }
};

}  // namespace vexo::test
