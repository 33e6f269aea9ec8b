// SPDX-License-Identifier: GPL-3.0-or-later
#include "portlink.h"

#include <QFile>
#include <QFileInfo>

namespace zt41::sim {

PortLink::~PortLink() {
    remove();
}

bool PortLink::create(const QString& linkPath, const QString& target, QString& error) {
    const QFileInfo existing(linkPath);
    if (existing.isSymLink()) {
        QFile::remove(linkPath);
    } else if (existing.exists()) {
        error = QStringLiteral("%1 exists and is not a link").arg(linkPath);
        return false;
    }
    if (!QFile::link(target, linkPath)) {
        error = QStringLiteral("cannot link %1 to %2").arg(linkPath, target);
        return false;
    }
    m_link = linkPath;
    m_target = target;
    return true;
}

void PortLink::remove() {
    if (m_link.isEmpty())
        return;
    // Another run may have taken the name over meanwhile; its link stays.
    if (QFileInfo(m_link).symLinkTarget() == m_target)
        QFile::remove(m_link);
    m_link.clear();
}

} // namespace zt41::sim
