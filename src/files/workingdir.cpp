#include "workingdir.h"

#include "channels/messagesink.h"

#include <QDir>

namespace zt41 {

QString GetCurDir(MessageSink& messages) {
    const QString path = QDir::currentPath();
    if (path.isEmpty())
        messages.show(QStringLiteral("Error"), titles::kApplication, MessageIcon::None);
    return path;
}

bool SetCurDir(const QString& path, MessageSink& messages) {
    if (path.isEmpty() || !QDir::setCurrent(path)) {
        messages.show(QStringLiteral("ERROR"), titles::kApplication, MessageIcon::None);
        return false;
    }
    return true;
}

} // namespace zt41
