#pragma once

#include <QString>

#include <functional>

namespace vexo::data {
class TfDM;
}

namespace vexo::startup {

// Brings the database structure to the version this program expects, one
// step at a time, while nobody else is attached.
class VersionSteps {
public:
    static const QString kExpected;  // "3.78"

    VersionSteps(data::TfDM& dm, QString programFolder);

    // Runs the steps; an error text is raised as AppError. stopped() tells
    // that the user gave up waiting for the others to leave.
    void run();
    bool stopped() const { return stop_; }

    // Users attached to the database; the default asks the server.
    std::function<int()> attachedUsers;
    // The statement of the step from 3.77: the condition numbers it deletes.
    static QString pokazDeletion();

private:
    data::TfDM& dm_;
    QString folder_;
    bool stop_ = false;
};

}  // namespace vexo::startup
