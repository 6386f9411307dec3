#pragma once

#include <QString>
#include <QStringList>

namespace vexo::startup {

// What the first command-line word asks for.
enum class CommandWord { Start, Install, Uninstall, Password };

// The first argument, upper-cased; an executable named SETUP installs whatever it is given.
CommandWord commandWord(const QStringList& arguments, const QString& executableName);

// The word PASSWORD: asks for the administrator's password and rewrites the
// password line of vexo.ini. Returns false when the user cancelled.
bool rewritePasswordLine(const QString& iniPath);

// The client's main(): single copy, command word, start-up picture, data
// module, main window, login, window loop.
int runProgram(int argc, char** argv);

}  // namespace vexo::startup
