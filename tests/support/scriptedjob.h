// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A radio as bytes and a clock that goes 20 ms a turn, to run the kernel's
// guarded job without a port, a process or Qt (the kernel's probe is also
// built with em++).

#include "kernel/frames.h"
#include "kernel/guardedjob.h"

#include <array>
#include <optional>
#include <string>

namespace zt41::test {

// Answers each "C" with "C", keeps the 16 frames after an "A", answers "5"
// with the frames it holds; or misbehaves as told.
struct ScriptedRadio {
    std::string memory;
    bool silent = false;  // answers nothing
    bool looped = false;  // a looped cable: every byte comes back, and nothing else
    int corruptFrame = 0; // this frame comes back from a read with its last digit changed
    int framesSent = kernel::kChannelCount; // a read sends only this many frames
    int writesTaken = 0;                    // complete writes kept
    bool heardWrite = false;
    std::string taking;
    bool writing = false;

    std::string answer(const std::string& sent) {
        if (looped)
            return sent;
        std::string out;
        for (char c : sent) {
            if (writing) {
                taking += c;
                if (taking.size() == kernel::kChannelCount * kernel::kFrameLength) {
                    memory.swap(taking);
                    taking.clear();
                    writing = false;
                    ++writesTaken;
                }
            } else if (silent) {
                continue;
            } else if (c == kernel::kReadyAnswer) {
                out += c;
            } else if (c == kernel::kWriteCommand) {
                writing = heardWrite = true;
            } else if (c == kernel::kReadRequest) {
                std::string frames = memory.substr(0, framesSent * kernel::kFrameLength);
                const std::size_t last = corruptFrame * kernel::kFrameLength - 1;
                if (corruptFrame > 0 && last < frames.size())
                    frames[last] = frames[last] == '9' ? '0' : frames[last] + 1;
                out += frames;
            }
        }
        return out;
    }
};

// A job's host with the clock; the backup is the host's own. A host that
// saves later (savesLater) calls keepLater() from saveBackup(), and the
// clock hands the outcome to the job 100 ms on.
struct JobClock : kernel::GuardedJobHost {
    kernel::GuardedJob* job = nullptr;
    int now = 0;
    std::array<int, 4> due{-1, -1, -1, -1};
    int deadline = -1, readyWait = -1, backupDue = -1;
    int soon = 0;
    bool savesLater = false;
    std::optional<std::string> laterOutcome;
    bool wroteBeforeBackupKept = false;

    void startTimer(kernel::SessionTimer t) override {
        due[static_cast<int>(t) - 1] = now + kernel::timerPeriodMs(t);
    }
    void stopTimer(kernel::SessionTimer t) override { due[static_cast<int>(t) - 1] = -1; }
    void startFrameDeadline() override { deadline = now + kernel::ReadTransfer::kFrameDeadlineMs; }
    void stopFrameDeadline() override { deadline = -1; }
    void startReadyWait(int ms) override { readyWait = now + ms; }
    void stopReadyWait() override { readyWait = -1; }
    void callSoon() override { ++soon; }
    bool backupFolderReady() override { return true; }
    std::string backupFolder() const override { return "folder"; }
    bool savesBackupLater() const override { return savesLater; }
    void keepLater(std::optional<std::string> outcome) {
        laterOutcome = std::move(outcome);
        backupDue = now + 100;
    }
};

// Runs the job against the radio until it ends, a minute at most.
inline void runJob(ScriptedRadio& radio, kernel::BufferedLink& link, kernel::GuardedJob& job,
                   JobClock& clock) {
    using kernel::SessionTimer;
    clock.job = &job;
    job.start();
    for (int turn = 0; turn < 3000 && !job.isDone(); ++turn) {
        for (; clock.soon > 0; --clock.soon)
            job.resume();
        if (const std::string in = radio.answer(link.takeOutgoing()); !in.empty()) {
            link.received(in);
            job.inputArrived();
        }
        clock.now += 20;
        for (SessionTimer t : {SessionTimer::Write, SessionTimer::StatusClear,
                               SessionTimer::ReadyPoll, SessionTimer::Read}) {
            int& due = clock.due[static_cast<int>(t) - 1];
            if (due >= 0 && due <= clock.now) {
                due = clock.now + kernel::timerPeriodMs(t);
                job.tick(t);
            }
        }
        if (clock.deadline >= 0 && clock.deadline <= clock.now) {
            clock.deadline = -1;
            job.frameDeadlinePassed();
        }
        if (clock.readyWait >= 0 && clock.readyWait <= clock.now) {
            clock.readyWait = -1;
            job.readyWaitPassed();
        }
        if (clock.backupDue >= 0 && job.radioMayHaveChanged())
            clock.wroteBeforeBackupKept = true;
        if (clock.backupDue >= 0 && clock.backupDue <= clock.now) {
            clock.backupDue = -1;
            job.backupSaved(clock.laterOutcome);
        }
    }
}

} // namespace zt41::test
