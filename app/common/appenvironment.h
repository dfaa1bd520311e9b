#pragma once

#include <QString>
#include <QTemporaryDir>

#include <memory>

// What both programs set up around Qt: a usable runtime folder, the version,
// and the data folder (language files, sensor pattern) they hand the editor.
namespace appenv {

// The version the programs print for --version (the project's version).
QString version();

// Qt wants XDG_RUNTIME_DIR to name a folder of ours with mode 0700 and warns
// on standard error otherwise. When it is unset or unusable, a private one is
// made and set for this process; it is removed with the returned object.
// Call before the application object is created.
std::unique_ptr<QTemporaryDir> ensureRuntimeDir();

// Platforms without real windows (offscreen) warn on standard error about
// window hints they cannot pass on to a window manager there is none of; the
// programs drop that one warning and pass every other message on.
void dropWindowHintWarnings();

// The data folder used when --data is not given: the installed one
// (share/veltrano beside the program's bin/) when the program runs from an
// installed prefix, else the project's own. Needs the application object.
QString defaultDataFolder();

// Empty when `folder` holds the sensor pattern (Veltrano.xml); otherwise the
// message that says why it cannot be the data folder.
QString dataFolderProblem(const QString &folder);

// True when `argv` asks only for --help, -h, --help-all, --version or -v,
// which need no display.
bool asksHelpOrVersion(int argc, char **argv);

// dataFolderProblem of the folder a "--data DIR" or "--data=DIR" of `argv`
// names; empty when there is none. Lets a program refuse it before it opens
// a display.
QString dataArgumentProblem(int argc, char **argv);

} // namespace appenv
