// SPDX-License-Identifier: GPL-3.0-or-later
#include "channeltools.h"

#include "channels/channeltable.h"
#include "channels/edithistory.h"
#include "filedialogs.h"
#include "files/filetarget.h"
#include "language.h"
#include "mainwindow.h"
#include "services/service.h"
#include "services/servicecheck.h"
#include "servicewindow.h"
#include "windowwords.h"

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGraphicsView>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QScreen>
#include <QToolButton>

namespace zt41 {

ChannelTools::ChannelTools(MainWindow& window, ChannelTable& table, QMenu* menu)
    : QObject(&window)
    , m_window(window)
    , m_table(table) {
    menu->addSeparator();
    const auto add = [&](const char* name, const char* text, void (ChannelTools::*f)()) {
        QAction* a = menu->addAction(QString(), this, f);
        a->setObjectName(QString::fromUtf8(name));
        sayInWindowLanguage(a, [a, text] { a->setText(tr(text)); });
    };
    add("打印信道表", QT_TR_NOOP("打印信道表(&P)..."), &ChannelTools::print);
    add("导出信道表 PDF", QT_TR_NOOP("导出信道表 PDF(&E)..."), &ChannelTools::exportCard);
    menu->addSeparator();
    add("频段检查", QT_TR_NOOP("频段检查(&S)..."), &ChannelTools::openServiceWindow);

    askPdfName = [this] {
        return QFileDialog::getSaveFileName(
            &m_window, tr("导出信道表 PDF"),
            QDir(QtFileDialogs().folder()).filePath(tr("信道表.pdf")),
            QStringLiteral("PDF(*.pdf)"));
    };
    confirm = [this](const QString& question) {
        return QMessageBox::question(&m_window, titles::system(), question) == QMessageBox::Yes;
    };
}

CardContent ChannelTools::cardContent() const {
    return {m_window.squelchText(), m_table.rows(), QDate::currentDate()};
}

void ChannelTools::print() {
    m_window.commitPendingEdit();
    const CardContent content = cardContent();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageSize(QPageSize(QPageSize::A4));
    printer.setDocName(tr("ZT41 信道表"));
    // The print dialog offers its file in the working folder: the folder
    // the file dialogs last used, as 导出信道表 PDF does; put back after.
    const QString workingFolder = QDir::currentPath();
    QDir::setCurrent(QtFileDialogs().folder());
    QPrintPreviewDialog preview(&printer, &m_window);
    preview.setWindowTitle(tr("打印信道表"));
    connect(&preview, &QPrintPreviewDialog::paintRequested, this,
            [this, &content](QPrinter* p) { printTo(*p, content); });
    // Tab reaches the preview's buttons, 打印 among them, and each input has a name.
    for (QToolButton* button : preview.findChildren<QToolButton*>()) {
        button->setFocusPolicy(Qt::TabFocus);
        if (button->text().isEmpty())
            button->setAccessibleName(tr("更多按钮"));
    }
    // Ctrl+P prints, wherever the focus is in the preview.
    const QString printText = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* action : preview.findChildren<QAction*>())
        if (action->text() == printText)
            action->setShortcut(QKeySequence::Print);
    for (QGraphicsView* page : preview.findChildren<QGraphicsView*>())
        page->setAccessibleName(tr("预览"));
    for (QComboBox* zoom : preview.findChildren<QComboBox*>())
        zoom->setAccessibleName(tr("缩放"));
    for (QLineEdit* edit : preview.findChildren<QLineEdit*>())
        edit->setAccessibleName(qobject_cast<QComboBox*>(edit->parent()) ? tr("缩放") : tr("页码"));
    preview.exec();
    QDir::setCurrent(workingFolder);
}

bool ChannelTools::printTo(QPrinter& printer, const CardContent& content) {
    const QString file = printer.outputFileName();
    const OutputRefusal refusal =
        file.isEmpty() ? OutputRefusal::None : checkOutputTarget(file, {m_table.filePath()});
    if (refusal != OutputRefusal::None) {
        m_window.messages().show(cardNotSavedMessage(file, outputRefusalWords(refusal)));
        return false;
    }
    printChannelCard(printer, content);
    return true;
}

void ChannelTools::exportCard() {
    m_window.commitPendingEdit();
    QString name = askPdfName();
    if (name.isEmpty())
        return;
    if (!name.endsWith(QStringLiteral(".pdf"), Qt::CaseInsensitive))
        name += QStringLiteral(".pdf");
    exportPdf(name);
}

bool ChannelTools::exportPdf(const QString& path) {
    const OutputRefusal refusal = checkOutputTarget(path, {m_table.filePath()});
    QString error = outputRefusalWords(refusal);
    if (refusal == OutputRefusal::None && writeChannelCardPdf(path, cardContent(), &error))
        return true;
    m_window.messages().show(cardNotSavedMessage(path, error));
    return false;
}

void ChannelTools::fillFrom(const Service& service) {
    m_window.commitPendingEdit();
    if (m_window.transferRunning()) {
        m_window.messages().show(fileBusyMessage());
        return;
    }
    if (!confirm(tr("用%1的前 16 个信道替换全部信道，静噪级别设为 3？")
                     .arg(inWindowLanguage(service.name))))
        return;
    const EditHistory::Step step(m_window.history());
    if (!m_table.replaceDataFields(planRows(service))) {
        m_window.messages().show(storeFailedMessage());
        return;
    }
    m_window.setSquelchText(planSquelch());
}

namespace {

void placeBeside(QWidget* window, const QWidget& main) {
    // To the right of the main window, or to its left, narrowed to the room
    // there when it is wider; over it only when neither side has room at all.
    const QRect beside = main.frameGeometry();
    const QScreen* screen = main.screen() ? main.screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    const int frame = window->frameGeometry().width() - window->width();
    const int right = room.right() - beside.right();
    const int left = beside.left() - room.left();
    const int wanted = window->frameGeometry().width();
    const int least = window->minimumSizeHint().width() + frame;
    const int space = qMax(right, left);
    if (space < least) {
        window->move(qMax(room.left(), room.right() + 1 - wanted), beside.top());
        return;
    }
    const int width = qMin(wanted, space);
    window->resize(width - frame, window->height());
    window->move(right >= width || right >= left ? beside.right() + 1 : beside.left() - width,
                 beside.top());
}

} // namespace

ServiceWindow* ChannelTools::serviceWindow() const {
    return m_serviceWindow.data();
}

void ChannelTools::openServiceWindow() {
    if (!m_serviceWindow) {
        m_serviceWindow = new ServiceWindow(m_table, &m_window);
        connect(m_serviceWindow, &ServiceWindow::fillRequested, this, &ChannelTools::fillFrom);
        placeBeside(m_serviceWindow, m_window);
    }
    m_serviceWindow->show();
    m_serviceWindow->raise();
    m_serviceWindow->activateWindow();
}

} // namespace zt41
