#pragma once

#include <QString>

#include <optional>

namespace vexo::data {

class TfDM;

// Installation settings: key/value rows of NASTR, shared by every computer
// that works with the database. Keys are compared exactly, case included.
class SettingsStore {
public:
    explicit SettingsStore(TfDM& dm) : dm_(dm) {}

    // Missing keys give nullopt; the dataset is left on the key's row.
    std::optional<QString> read(const QString& key);
    QString read(const QString& key, const QString& fallback) { return read(key).value_or(fallback); }
    // Without postNow the row stays in edit until the next read or write moves
    // the dataset, which posts it (a series of writes posts as it goes).
    void write(const QString& key, const QString& value, bool postNow = true);

private:
    bool moveToKey(const QString& key);
    TfDM& dm_;
};

}  // namespace vexo::data
