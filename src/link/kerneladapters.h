// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The serial port and the row stores as the kernel's transfers see them:
// one byte a character (the port reads Latin-1), rows and texts converted at
// this edge only.

#include "channels/kernelbridge.h"
#include "kernel/session.h"
#include "rowstore.h"
#include "seriallink.h"

namespace zt41 {

class KernelLink : public kernel::ByteLink {
public:
    explicit KernelLink(SerialLink& link)
        : m_link(link) {}
    bool isOpen() const override { return m_link.isOpen(); }
    bool open() override { return m_link.open(); }
    int portNumber() const override { return m_link.portNumber(); }
    std::optional<char> readByte() override {
        const QString c = m_link.readChar();
        if (c.isEmpty())
            return std::nullopt;
        const char16_t unit = c.at(0).unicode();
        return unit < 256 ? static_cast<char>(unit) : '\x7f';
    }
    long long waitingCount() const override { return m_link.waitingCount(); }
    void discardInput() override { m_link.discardInput(); }
    bool send(const std::string& bytes) override {
        return m_link.send(QByteArray::fromStdString(bytes));
    }
    void setWakeThreshold(int bytes) override { m_link.setWakeThreshold(bytes); }

private:
    SerialLink& m_link;
};

class KernelRows : public kernel::RowStore {
public:
    explicit KernelRows(zt41::RowStore& rows)
        : m_rows(rows) {}
    std::string squelchText() const override { return toKernel(m_rows.squelchText()); }
    kernel::ChannelRecord row(int index) const override { return toKernel(m_rows.row(index)); }
    kernel::ChannelRows rows() const override { return toKernel(m_rows.rows()); }
    bool store(const kernel::ChannelRows& rows, const std::string& squelch) override {
        // Fields a read decoded as empty come back null, as they always did.
        return m_rows.store(fromKernel(rows), QString::fromStdString(squelch));
    }
    void setCurrentRow(int index) override { m_rows.setCurrentRow(index); }
    void numberFirstRow() override { m_rows.numberFirstRow(); }

private:
    zt41::RowStore& m_rows;
};

} // namespace zt41
