// SPDX-License-Identifier: GPL-3.0-or-later
#include "connectioncheck.h"

#include "platform/platform.h"

#include "devicepath.h"
#include "portmap.h"
#include "qserialportlink.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTimer>

#include <grp.h>
#include <unistd.h>

namespace zt41 {

namespace {

QString firstLine(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readLine()).trimmed() : QString();
}

bool userIsInGroup(const QString& name) {
    const group* g = ::getgrnam(name.toLocal8Bit().constData());
    if (!g)
        return false;
    if (::getegid() == g->gr_gid)
        return true;
    gid_t groups[256];
    const int n = ::getgroups(256, groups);
    return std::find(groups, groups + std::max(n, 0), g->gr_gid) != groups + std::max(n, 0);
}

RadioAnswer classify(const QByteArray& bytes) {
    if (bytes.isEmpty())
        return RadioAnswer::Silent;
    if (bytes.startsWith('?'))
        return RadioAnswer::Echo; // the radio ignores "?": only a loop gives it back
    if (bytes.count('C') == bytes.size())
        return RadioAnswer::Ready;
    return RadioAnswer::Other;
}

} // namespace

bool ConnectionReport::radioAnswered() const {
    return std::any_of(ports.begin(), ports.end(),
                       [](const PortCheck& p) { return p.answer == RadioAnswer::Ready; });
}

ConnectionCheck::ConnectionCheck(SystemRoots roots, QObject* parent)
    : QObject(parent)
    , m_roots(std::move(roots)) {}

ConnectionCheck::~ConnectionCheck() = default;

QString ConnectionCheck::chipName(const QString& vendorId, const QString& productId) {
    const QString id = vendorId.toLower() + u':' + productId.toLower();
    if (id == u"1a86:7523" || id == u"1a86:7522")
        return QStringLiteral("CH340");
    if (id == u"1a86:5523")
        return QStringLiteral("CH341");
    if (vendorId.compare(u"067b", Qt::CaseInsensitive) == 0)
        return QStringLiteral("PL2303");
    if (vendorId.compare(u"10c4", Qt::CaseInsensitive) == 0)
        return QStringLiteral("CP210x");
    if (vendorId.compare(u"0403", Qt::CaseInsensitive) == 0)
        return QStringLiteral("FTDI");
    return QString();
}

QStringList ConnectionCheck::candidates(const PortMap& map) const {
    QStringList all;
    for (int n = SerialLink::kFirstPort; n <= SerialLink::kLastPort; ++n)
        if (const QString d = map.device(n); !d.isEmpty() && QFileInfo::exists(d))
            all << d;
    const QDir byId(platform::serialByIdFolder(m_roots.dev));
    for (const QFileInfo& link :
         byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        all << link.filePath();
    const QDir dev(m_roots.dev);
    for (const QFileInfo& d :
         dev.entryInfoList({QStringLiteral("ttyUSB*"), QStringLiteral("ttyACM*")},
                           QDir::System | QDir::Files, QDir::Name))
        all << d.filePath();
    QStringList out, seen;
    for (const QString& d : all) {
        const QString real = realDevicePath(d);
        if (!seen.contains(real)) {
            seen << real;
            out << d;
        }
    }
    return out;
}

PortCheck ConnectionCheck::inspect(const QString& device) const {
    PortCheck c;
    c.device = device;
    c.realPath = realDevicePath(device);
    const QDir byId(platform::serialByIdFolder(m_roots.dev));
    for (const QFileInfo& link :
         byId.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
        if (realDevicePath(link.filePath()) == c.realPath)
            c.names << link.filePath();
    // The tty's device in sysfs; its driver, and the USB device above it with the ids.
    const QString tty = m_roots.sys + QStringLiteral("/class/tty/") +
                        QFileInfo(c.realPath).fileName() + QStringLiteral("/device");
    const QString interface = QFileInfo(tty).canonicalFilePath();
    if (!interface.isEmpty()) {
        c.driver = QFileInfo(QFileInfo(interface + QStringLiteral("/driver")).canonicalFilePath())
                       .fileName();
        QDir up(interface);
        for (int level = 0; level < 4 && c.vendorId.isEmpty(); ++level, up.cdUp()) {
            c.vendorId = firstLine(up.filePath(QStringLiteral("idVendor")));
            c.productId = firstLine(up.filePath(QStringLiteral("idProduct")));
        }
        c.chip = chipName(c.vendorId, c.productId);
    }
    c.holders = processesWith([this, &c](const QString& pid) {
        const QDir fds(m_roots.proc + u'/' + pid + QStringLiteral("/fd"));
        for (const QFileInfo& fd :
             fds.entryInfoList(QDir::System | QDir::Files | QDir::NoDotAndDotDot))
            if (fd.symLinkTarget() == c.realPath)
                return true;
        return false;
    });
    return c;
}

QList<ProcessInfo> ConnectionCheck::services() const {
    return processesWith([this](const QString& pid) {
        const QString name = firstLine(m_roots.proc + u'/' + pid + QStringLiteral("/comm"));
        return name == u"brltty" || name == u"ModemManager";
    });
}

QList<ProcessInfo>
ConnectionCheck::processesWith(const std::function<bool(const QString& pid)>& test) const {
    QList<ProcessInfo> out;
    const QDir proc(m_roots.proc);
    for (const QString& pid : proc.entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        bool number = false;
        const qint64 id = pid.toLongLong(&number);
        if (number && id != ::getpid() && test(pid))
            out.append({id, firstLine(proc.filePath(pid + QStringLiteral("/comm")))});
    }
    return out;
}

void ConnectionCheck::start(const QStringList& devices, const PortMap& map) {
    m_report = {};
    m_links.clear();
    m_report.services = services();
    for (const QString& device : devices) {
        PortCheck c = inspect(device);
        for (int n = SerialLink::kFirstPort; n <= SerialLink::kLastPort; ++n)
            if (!map.device(n).isEmpty() && realDevicePath(map.device(n)) == c.realPath)
                c.names.prepend(QStringLiteral("COM%1").arg(n));
        auto link =
            std::make_unique<QSerialPortLink>(PortMap::fromList(device).value_or(PortMap{}));
        link->selectPort(1);
        if (link->open()) {
            link->send("?C");
        } else {
            c.openFailure = link->openFailure();
            if (c.openFailure.kind == PortOpenFailure::Kind::NoPermission) {
                c.group = c.openFailure.group;
                c.userInGroup = userIsInGroup(c.group);
            }
            link.reset();
        }
        m_report.ports << c;
        m_links.push_back(std::move(link));
    }
    m_running = true;
    QTimer::singleShot(kAnswerMs, this, [this] {
        if (!m_running)
            return;
        tick();
        m_running = false;
        m_links.clear();
        Q_EMIT finished();
    });
}

void ConnectionCheck::tick() {
    for (size_t i = 0; i < m_links.size(); ++i) {
        QSerialPortLink* link = m_links[i].get();
        if (!link)
            continue;
        PortCheck& c = m_report.ports[qsizetype(i)];
        while (link->waitingCount() > 0)
            c.answerBytes += link->readChar().toLatin1();
        c.answer = classify(c.answerBytes);
    }
}

} // namespace zt41
