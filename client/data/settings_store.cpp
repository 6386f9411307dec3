#include "settings_store.h"

#include "data_module.h"

namespace vexo::data {

bool SettingsStore::moveToKey(const QString& key) {
    Dataset& ds = *dm_.nastr;
    if (!ds.isOpen()) ds.open();
    // locate posts a pending write first
    return ds.locate("A", key);
}

std::optional<QString> SettingsStore::read(const QString& key) {
    if (!moveToKey(key)) return std::nullopt;
    return dm_.nastr->text("B");
}

void SettingsStore::write(const QString& key, const QString& value, bool postNow) {
    Dataset& ds = *dm_.nastr;
    if (moveToKey(key)) {
        ds.edit();
    } else {
        ds.append();
        ds.setValue("A", key);
    }
    ds.setValue("B", value);
    if (postNow) ds.post();
}

}  // namespace vexo::data
