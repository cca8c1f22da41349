#include "platform/qt/WaylandDisplay.h"

#include <sys/stat.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QString>

namespace talvorin {

namespace {

bool compositorSocket() {
    // As libwayland finds it: a name under the runtime folder, or a path.
    QString name = qEnvironmentVariable("WAYLAND_DISPLAY", "wayland-0");
    if (!name.startsWith('/')) {
        const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
        if (runtime.isEmpty()) return false;
        name = runtime + '/' + name;
    }
    struct stat st {};
    return ::stat(QFile::encodeName(name).constData(), &st) == 0 && S_ISSOCK(st.st_mode);
}

bool waylandPlugin() {
    for (const QString& folder : QCoreApplication::libraryPaths())
        if (!QDir(folder + "/platforms").entryList({"libqwayland*"}, QDir::Files).isEmpty())
            return true;
    return false;
}

}  // namespace

bool waylandDisplayReachable() {
    return compositorSocket() && waylandPlugin();
}

}  // namespace talvorin
