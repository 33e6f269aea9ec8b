// SPDX-License-Identifier: GPL-3.0-or-later
#include "helpwindows.h"

#include "fonts.h"
#include "language.h"
#include "messageboxes.h"
#include "programicon.h"
#include "twips.h"
#include "version.h"
#include "windowwords.h"

#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

namespace zt41 {

namespace {

QString blanks(int count) {
    return QString(count, QLatin1Char(' '));
}

constexpr QPoint twipPoint(int x, int y) {
    return QPoint(twipsToPixels(x), twipsToPixels(y));
}

// A fixed-size dialog window with an OK button that Enter and Esc both press.
// It owns itself: closing it deletes it, and so does the application quitting
// while it is still open.
class HelpDialog : public QDialog {
    Q_OBJECT
public:
    HelpDialog(const QString& name, const QString& caption, int clientWidthTwips,
               int clientHeightTwips)
        : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                               Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                               Qt::WindowCloseButtonHint) {
        setObjectName(name);
        setWindowTitle(caption);
        setWindowIcon(programIcon());
        setFixedSize(twipsToPixels(clientWidthTwips), twipsToPixels(clientHeightTwips));
        setAttribute(Qt::WA_DeleteOnClose);
        // QApplication::quit() closes open windows first, but exit() ends the
        // program with them open; without this they would never be deleted.
        connect(qApp, &QCoreApplication::aboutToQuit, this, &QObject::deleteLater);
    }

protected:
    QLabel* addLabel(const QString& name, const QString& text, const QRect& rect, const QFont& font,
                     const QColor& colour) {
        auto* label = new QLabel(text, this);
        label->setObjectName(name);
        // Plain text keeps the blank runs that place the text within the label.
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setGeometry(rect);
        label->setFont(font);
        QPalette palette = label->palette();
        palette.setColor(QPalette::WindowText, colour);
        label->setPalette(palette);
        return label;
    }

    QPushButton* addOkButton(const QRect& rect) {
        m_ok = new QPushButton(HelpWindows::tr("确定"), this);
        m_ok->setObjectName(QStringLiteral("cmdOK"));
        m_ok->setGeometry(rect);
        m_ok->setDefault(true);
        connect(m_ok, &QPushButton::clicked, this, &QWidget::close);
        m_ok->setFocus();
        return m_ok;
    }

    void showEvent(QShowEvent* event) override {
        tipTextsThatDoNotFit(this);
        QDialog::showEvent(event);
    }

    void keyPressEvent(QKeyEvent* event) override {
        // QDialog would reject on Esc; here Esc is the OK button's, like Enter.
        if (m_ok && event->matches(QKeySequence::Cancel)) {
            m_ok->click();
            return;
        }
        QDialog::keyPressEvent(event);
    }

private:
    QPushButton* m_ok = nullptr;
};

class InstructionsWindow : public HelpDialog {
    Q_OBJECT
public:
    InstructionsWindow()
        : HelpDialog(QStringLiteral("frmAbout1"), HelpWindows::tr("操作说明"), 9210, 5760) {
        QLabel* description =
            addLabel(QStringLiteral("lblDescription"), instructionsLines().join(QLatin1Char('\n')),
                     twipRect(720, 600, 7845, 4530), kaiFont(15.75), kPureBlue);
        description->setWordWrap(true);
        addOkButton(twipRect(7320, 5280, 1500, 345));
    }
};

// The etched separator: a grey line with a white one under it.
class EtchedLine : public QWidget {
    Q_OBJECT
public:
    explicit EtchedLine(QWidget* parent)
        : QWidget(parent) {
        setObjectName(QStringLiteral("Line1"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(QRect(kGreyFrom, QPoint(kEnd.x(), kWhiteFrom.y() + 1)));
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        Q_UNUSED(event);
        QPainter painter(this);
        const QPoint origin = pos();
        painter.setPen(QColor(128, 128, 128));
        painter.drawLine(kGreyFrom - origin, QPoint(kEnd.x(), kGreyFrom.y()) - origin);
        // A two-pixel pen straddles its line; filling the two rows below the
        // grey one keeps the grey line showing.
        painter.fillRect(QRect(kWhiteFrom - origin, QPoint(kEnd.x(), kWhiteFrom.y() + 1) - origin),
                         Qt::white);
    }

private:
    static constexpr QPoint kGreyFrom = twipPoint(90, 2445);
    static constexpr QPoint kWhiteFrom = twipPoint(105, 2460);
    static constexpr QPoint kEnd = twipPoint(5654, 2445);
};

class AboutWindow : public HelpDialog {
    Q_OBJECT
public:
    AboutWindow(MessageSink* messages, FindExecutable findExecutable, StartDetached startDetached)
        : HelpDialog(QStringLiteral("frmAbout"), HelpWindows::tr("关于本软件"), 5730, 3555)
        , m_boxes(this) {
        setSysInfo(messages, std::move(findExecutable), std::move(startDetached));

        auto* icon = new QLabel(this);
        icon->setObjectName(QStringLiteral("picIcon"));
        icon->setGeometry(twipRect(480, 240, 480, 480));
        icon->setPixmap(programPixmap());

        addLabel(QStringLiteral("lblTitle"), blanks(4) + HelpWindows::tr("ZT41写频软件"),
                 twipRect(1320, 240, 3405, 480), kaiFont(15.75), kPureRed);
        addLabel(QStringLiteral("lblVersion"),
                 blanks(6) + HelpWindows::tr("版本 A %1").arg(QStringLiteral(ZT41_VERSION)),
                 twipRect(1200, 720, 3885, 465), kaiFont(15.75), kPureRed);
        QLabel* description = addLabel(QStringLiteral("lblDescription"),
                                       HelpWindows::tr("本软件是专供用户，对Rovena电讯器材公司的ZT4"
                                                       "1对讲机，编写工作频率及参数的专用软件") +
                                           blanks(6),
                                       twipRect(1200, 1320, 3885, 930), kaiFont(12), kPureBlue);
        description->setWordWrap(true);
        new EtchedLine(this);
        addLabel(QStringLiteral("lblDisclaimer"),
                 blanks(1) + HelpWindows::tr("技术咨询：") + blanks(1) +
                     QStringLiteral("010-5555 0141") + blanks(7),
                 twipRect(120, 2880, 3870, 360), kaiFont(14.25), kPurple);

        QPushButton* ok = addOkButton(twipRect(4125, 2625, 1500, 345));
        auto* sysInfo = new QPushButton(HelpWindows::tr("系统信息(&S)..."), this);
        sysInfo->setObjectName(QStringLiteral("cmdSysInfo"));
        sysInfo->setGeometry(twipRect(4140, 3075, 1485, 345));
        connect(sysInfo, &QPushButton::clicked, this, &AboutWindow::startSysInfo);
        setTabOrder(ok, sysInfo);
    }

    void setSysInfo(MessageSink* messages, FindExecutable findExecutable,
                    StartDetached startDetached) {
        m_messages = messages ? messages : &m_boxes;
        m_findExecutable = std::move(findExecutable);
        m_startDetached = std::move(startDetached);
    }

    void startSysInfo() { zt41::startSysInfo(*m_messages, m_findExecutable, m_startDetached); }

private:
    MessageBoxes m_boxes;
    MessageSink* m_messages = nullptr;
    FindExecutable m_findExecutable;
    StartDetached m_startDetached;
};

void bringToFront(QWidget* window) {
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace

QStringList instructionsLines() {
    // Each line keeps the blank run that followed it in the one-string text, so
    // joining the lines gives that text back. Item 一 is cut after "（关机）",
    // where both halves fit the label's width.
    return {
        blanks(18) + HelpWindows::tr("操作说明") + blanks(25),
        HelpWindows::tr("一，使用随机配带的写频电缆，将对讲机（关机）"),
        HelpWindows::tr("耳机话筒插口与计算机串行口1（或串行口2）联结。") + blanks(4),
        HelpWindows::tr("二，打开对讲机电源，屏显显示“对讲机就续”。") + blanks(4),
        HelpWindows::tr("三，写频操作：用鼠标点菜单项“写信道数椐”。") + blanks(4),
        HelpWindows::tr("四，读频操作：用鼠标点菜单项“读信道数据”。") + blanks(4),
        HelpWindows::tr("五，文件操作：使用操作“文件”菜单的“保存文") + blanks(7),
        HelpWindows::tr("件”子菜单，打开保存文件对话框，可以将当前") + blanks(6),
        HelpWindows::tr("的频率数据保存（文件名自选，后缀") + blanks(2) +
            HelpWindows::tr(".doc）。") + blanks(6),
        HelpWindows::tr("同样使用“打开文件”子菜单，可以将保存的频") + blanks(6),
        HelpWindows::tr("率数据文件重新调出使用。") + blanks(21),
        HelpWindows::tr("六，设置端口：如有必要，可操作“系统设置”菜") + blanks(7),
        HelpWindows::tr("单的“选择端口”子菜单项，改变当前使用的串") + blanks(6),
        HelpWindows::tr("行口。") + blanks(4),
    };
}

QString instructionsText() {
    return instructionsLines().join(QString());
}

HelpWindows::HelpWindows(QObject* parent)
    : QObject(parent) {
    // An open window is made afresh in the new language, where it stood.
    connect(&LanguageNews::instance(), &LanguageNews::changed, this, [this] {
        const auto renew = [](QPointer<QWidget>& window, const std::function<QWidget*()>& open) {
            if (!window)
                return;
            const QPoint at = window->pos();
            QWidget* old = window;
            window = nullptr;
            old->close();
            open()->move(at);
        };
        renew(m_instructions, [this] { return showInstructions(); });
        renew(m_about, [this] { return showAbout(); });
    });
}

QWidget* HelpWindows::showInstructions() {
    if (!m_instructions)
        m_instructions = new InstructionsWindow; // owns itself, see HelpDialog
    bringToFront(m_instructions);
    return m_instructions;
}

QWidget* HelpWindows::showAbout() {
    if (!m_about)
        m_about = new AboutWindow(m_messages, m_findExecutable, m_startDetached);
    bringToFront(m_about);
    return m_about;
}

void HelpWindows::setMessageSinkForTests(MessageSink* sink) {
    m_messages = sink;
    if (m_about)
        static_cast<AboutWindow*>(m_about.data())
            ->setSysInfo(m_messages, m_findExecutable, m_startDetached);
}

void HelpWindows::setSysInfoForTests(FindExecutable findExecutable, StartDetached startDetached) {
    m_findExecutable = std::move(findExecutable);
    m_startDetached = std::move(startDetached);
    if (m_about)
        static_cast<AboutWindow*>(m_about.data())
            ->setSysInfo(m_messages, m_findExecutable, m_startDetached);
}

} // namespace zt41

#include "helpwindows.moc"
