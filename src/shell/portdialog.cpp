// SPDX-License-Identifier: GPL-3.0-or-later
#include "portdialog.h"

#include "fonts.h"
#include "language.h"
#include "link/portmap.h"
#include "messagesink.h"
#include "twips.h"
#include "windowwords.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace zt41 {

namespace {

struct OptionPlace {
    int left, top, width, height;
};

constexpr std::array<OptionPlace, PortSelection::kOptions> kOptionPlaces{{
    {720, 735, 1695, 405},
    {2640, 720, 1335, 510},
    {720, 1320, 2055, 495},
    {2640, 1320, 2175, 495},
    {720, 1920, 1215, 495},
    {2640, 1920, 1215, 495},
    {720, 2520, 1215, 495},
    {2640, 2520, 1215, 495},
}};

} // namespace

PortDialog::PortDialog(SerialLink& link, LinkSession& session, MessageSink& messages,
                       const PortMap* devices, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint)
    , m_selection(link, session)
    , m_messages(messages) {
    setObjectName(QStringLiteral("Dialog"));
    setFixedSize(twipRect(0, 0, 4290, 4140).size());
    setModal(false);
    setAttribute(Qt::WA_DeleteOnClose);

    auto* label = new QLabel(this);
    label->setObjectName(QStringLiteral("Label1"));
    label->setGeometry(twipRect(360, 240, 2295, 375));
    label->setFont(kaiFont(15.75));
    setTextColour(label, kPureBlue);

    auto* ok = new QPushButton(this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setGeometry(twipRect(720, 3360, 1095, 375));
    ok->setDefault(true);
    auto* cancel = new QPushButton(this);
    cancel->setObjectName(QStringLiteral("CancelButton"));
    cancel->setGeometry(twipRect(2520, 3360, 1095, 375));
    connect(ok, &QPushButton::clicked, this, &PortDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &PortDialog::reject);

    auto* group = new QButtonGroup(this);
    group->setExclusive(true);
    for (int n = 1; n <= PortSelection::kOptions; ++n) {
        auto* option = new QRadioButton(QStringLiteral(" COM%1").arg(n), this);
        option->setObjectName(QStringLiteral("Option%1").arg(n));
        option->setAccessibleName(QStringLiteral("COM%1").arg(n)); // read without the blank
        const OptionPlace& place = kOptionPlaces[n - 1];
        option->setGeometry(twipRect(place.left, place.top, place.width, place.height));
        option->setFont(kaiFont(15.75));
        setTextColour(option, kPureRed);
        group->addButton(option, n);
        m_options[n - 1] = option;
    }
    sayInWindowLanguage(this, [this, label, ok, cancel] {
        setWindowTitle(tr("选择端口"));
        label->setText(tr("请选择串行口:"));
        ok->setText(tr("确定"));
        cancel->setText(tr("取消"));
        tipTextsThatDoNotFit(this);
    });
    setTabOrder(ok, cancel);
    setTabOrder(cancel, m_options[0]);
    for (int n = 1; n < PortSelection::kOptions; ++n)
        setTabOrder(m_options[n - 1], m_options[n]);

    m_selection.onDeselect([group, this](int n) {
        // The group keeps one option checked; let go of it for the moment.
        group->setExclusive(false);
        m_options[n - 1]->setChecked(false);
        group->setExclusive(true);
    });
    m_selection.load();
    for (int n = 1; n <= PortSelection::kOptions; ++n) {
        const PortSelection::Option& state = m_selection.option(n);
        QRadioButton* option = m_options[n - 1];
        option->setEnabled(state.enabled);
        option->setChecked(state.selected);
        QString tip = devices ? devices->device(n) : QString();
        if (!state.enabled && state.failure.isFailure())
            tip = describeOpenFailure(state.failure);
        option->setToolTip(tip);
    }
    connect(group, &QButtonGroup::idClicked, this, [this](int n) { m_selection.select(n); });
    ok->setFocus();
}

bool PortDialog::refusedWhileBusy() {
    if (m_finished || !m_busy || !m_busy())
        return false;
    m_messages.show(portBusyMessage());
    return true;
}

void PortDialog::accept() {
    if (m_finished || refusedWhileBusy())
        return;
    m_finished = true;
    m_selection.ok([this] { m_messages.show(invalidPortMessage()); });
    QDialog::accept();
}

void PortDialog::reject() {
    if (refusedWhileBusy())
        return;
    if (!m_finished) {
        m_finished = true;
        m_selection.cancel();
    }
    QDialog::reject();
}

void PortDialog::closeEvent(QCloseEvent* event) {
    if (refusedWhileBusy()) {
        event->ignore();
        return;
    }
    if (!m_finished) {
        m_finished = true;
        m_selection.cancel();
    }
    QDialog::closeEvent(event);
}

} // namespace zt41
