// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "shell/filedialogs.h"

// File dialogs that answer with the names a test has set, and count the asks.
class ScriptedDialogs : public zt41::FileDialogs {
public:
    QString saveName;
    QString openName;
    int asked = 0;
    QString saveFileName(QWidget*) override {
        ++asked;
        return saveName;
    }
    QString openFileName(QWidget*) override {
        ++asked;
        return openName;
    }
};
