// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the kernel's decisions over inputs and prints every result as text,
// so that two builds of the kernel (native and WebAssembly) can be compared
// line for line. Inputs are files (the fuzz corpora, the table of cases) and
// a stream of texts made from a fixed seed; every input goes through every
// decision, whatever it was written for.
#include "kernel/cellpaste.h"
#include "kernel/cellrule.h"
#include "kernel/channelcheck.h"
#include "kernel/channelfile.h"
#include "kernel/chirpcsv.h"
#include "kernel/frames.h"
#include "kernel/guardedjob.h"
#include "kernel/numbers.h"
#include "kernel/pickers.h"
#include "kernel/rowoperations.h"
#include "kernel/sendcheck.h"
#include "kernel/services.h"
#include "kernel/squelch.h"
#include "kernel/text.h"
#include "kernel/transfers.h"
#include "scriptedjob.h"

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace zt41::kernel;
using zt41::test::JobClock;
using zt41::test::ScriptedRadio;

namespace {

std::string shown(const std::string& text) {
    std::string out;
    for (unsigned char c : text) {
        if (c >= 0x20 && c < 0x7f && c != '\\') {
            out.push_back(static_cast<char>(c));
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += hex;
        }
    }
    return out;
}

std::string shown(const FieldValue& value) {
    return value ? "'" + shown(*value) + "'" : "null";
}

std::string shown(double v) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.17g", v);
    return buf;
}

std::string shown(const ChannelRecord& row) {
    std::string out;
    for (const FieldValue& f : row.fields)
        out += shown(f) + " ";
    return out;
}

std::string shown(const Findings& findings) {
    std::string out;
    for (const ChannelFinding& f : findings)
        out += std::to_string(f.channel) + "/" + std::to_string(static_cast<int>(f.field)) + "/" +
               std::to_string(static_cast<int>(f.reason)) + "/" + shown(f.value) + " ";
    return out;
}

// The fields of a row cut from a text at tabs, commas or line ends.
ChannelRecord rowFrom(const std::string& text) {
    ChannelRecord row;
    size_t field = 0, from = 0;
    for (size_t i = 0; i <= text.size() && field < row.fields.size(); ++i) {
        if (i == text.size() || text[i] == '\t' || text[i] == ',' || text[i] == '\n') {
            const std::string part = text.substr(from, i - from);
            if (part != "~") // "~" stands for a null
                row.fields[field] = part;
            ++field;
            from = i + 1;
        }
    }
    return row;
}

void probeTransfers(const std::string& input);
void probeFiles(const std::string& input);
void probeEdits(const std::string& input);
void probeGuardedJobs(const std::string& input);

void probe(const std::string& input, bool guarded = false) {
    std::printf("input %s\n", shown(input).c_str());
    const double v = numericValue(input);
    std::printf(" number %s plain %d fixed5 %s fixed1 %s shortest %s sig15 %s\n", shown(v).c_str(),
                isPlainNumber(input), formatFrequency(v).c_str(), formatTone(v).c_str(),
                shortestDecimal(v).c_str(), shown(roundToSignificant15(v)).c_str());
    std::printf(" trimmed %s utf16 %zu left3 %s\n", shown(trimmed(input)).c_str(),
                utf16Length(input), shown(leftUtf16(input, 3)).c_str());
    std::printf(" squelch %d %d %s\n", squelch::isRefused(input), squelch::levelForFrame(input),
                shown(squelch::afterCheck(input)).c_str());
    const auto freq = frequencyProblem(input);
    const auto tone = toneProblem(input);
    std::printf(" problems %d %d novalue %d\n", freq ? static_cast<int>(*freq) : -1,
                tone ? static_cast<int>(*tone) : -1, isNoValue(input));
    if (frequencyInRange(v))
        std::printf(" normalised %s\n", normaliseFrequency(v).c_str());

    for (int column : {1, 3}) {
        ChannelRecord row;
        row[Field::Rf] = "145.5";
        const CellRuleOutcome outcome = finishEdit(row, column, input);
        std::printf(" cell%d %d", column, outcome.outOfRange);
        for (const auto& [field, text] : outcome.writes)
            std::printf(" %d=%s", static_cast<int>(field), shown(text).c_str());
        std::printf("\n");
    }

    const ChannelRecord row = rowFrom(input);
    std::printf(" row %s\n check %s\n", shown(row).c_str(), shown(checkRow(2, row)).c_str());
    for (int frame : {1, 2, 16}) {
        ChannelRecord decoded;
        const std::string squelchText = decodeFrame(input, frame, decoded);
        std::printf(" frame%d well %d aligned %d squelch %s decoded %s\n", frame,
                    isWellFormedFrame(input), isAlignedFrame(input, frame),
                    shown(squelchText).c_str(), shown(decoded).c_str());
        std::printf(" encoded %s problem %d\n", encodeFrame(frame, input, row).c_str(),
                    static_cast<int>(frameProblem(frame, row)));
    }
    ChannelRows a{}, b{};
    a[4] = row;
    b[4] = rowFrom(std::string(input.rbegin(), input.rend()));
    for (const FieldDifference& d : compareInFrameForm(input, a, "3", b))
        std::printf(" differs %d %d %s %s\n", d.channel, static_cast<int>(d.field),
                    shown(d.expected).c_str(), shown(d.actual).c_str());
    probeTransfers(input);
    probeFiles(input);
    probeEdits(input);
    if (guarded)
        probeGuardedJobs(input);
}

// The input as a channel file and as CHIRP CSV, both ways, and the rows it
// gives against every licence-free service.
void probeFiles(const std::string& input) {
    const ChannelFileRead read = parseChannelFile(input);
    std::printf(" file %d squelch %s", static_cast<int>(read.error),
                shown(read.contents.squelch).c_str());
    for (const ChannelRecord& row : read.contents.rows)
        std::printf(" %s", shown(row).c_str());
    const auto saved = formatChannelFile(read.contents);
    std::printf("\n saved %s\n", saved ? shown(*saved).c_str() : "none");

    const ChirpImport csv = importChirpCsv(input);
    std::printf(" csv %d channels %d", static_cast<int>(csv.refusal), csv.channels);
    for (const ChirpWarning& w : csv.warnings)
        std::printf(" w%d/%d/%s/%d/%s", w.line, w.channel, w.column.c_str(),
                    static_cast<int>(w.kind), shown(w.text).c_str());
    const ChirpExport exported = exportChirpCsv(csv.rows);
    std::printf("\n exported %s left out %zu\n", shown(exported.text).c_str(),
                exported.leftOut.size());
    for (const Service& service : services())
        for (const ServiceFinding& f : checkChannels(service, csv.rows))
            std::printf(" service %s %d/%d/%d %s %d %s %s %s\n", service.id.c_str(), f.channel,
                        static_cast<int>(f.field), static_cast<int>(f.kind), shown(f.value).c_str(),
                        f.nearest, f.nearestValue.c_str(), shown(f.watts).c_str(),
                        shown(f.limitWatts).c_str());
}

// The input pasted into the grid, the rows it gives moved about, and the
// send check on them.
void probeEdits(const std::string& input) {
    ChannelRows start{};
    for (int k = 0; k < kChannelCount; ++k)
        start[k][Field::No] = std::to_string(k + 1);
    start[2][Field::Rf] = "438.50000";
    const PasteResult paste = pasteText(start, input, {1, 1}, {{1, 1}});
    std::printf(" paste left %d nothing %d", paste.linesLeftOut, paste.nothingToPaste);
    for (const RefusedValue& r : paste.refused)
        std::printf(" r%d/%d/%s/%s/%s", r.channel, static_cast<int>(r.field),
                    shown(r.value).c_str(), shown(r.before).c_str(), shown(r.now).c_str());
    for (const ChannelRecord& row : paste.rows)
        std::printf(" %s", shown(row).c_str());
    std::printf("\n block %s\n", shown(cellBlockText(paste.rows, {{0, 1}, {3, 6}})).c_str());
    for (RowOperation op : {RowOperation::Insert, RowOperation::Delete, RowOperation::MoveDown,
                            RowOperation::SortByReceive}) {
        const RowOperationResult moved = applyRowOperation(paste.rows, 1, op);
        std::printf(" op%d %d %d changed %d\n", static_cast<int>(op), static_cast<int>(moved.kind),
                    moved.current, rowsChanged(paste.rows, moved.rows));
    }
    for (WriteRules rules : {WriteRules::Editing, WriteRules::FramesOnly})
        for (SendPurpose purpose : {SendPurpose::Write, SendPurpose::Verify}) {
            const SendCheck check = sendCheck({input, paste.rows}, rules, purpose);
            std::printf(" send %d %d may %d findings %zu", static_cast<int>(rules),
                        static_cast<int>(purpose), check.mayGo, check.findings.size());
            for (const StuckRow& stuck : check.stuck)
                std::printf(" stuck%d/%d", stuck.channel, static_cast<int>(stuck.problem));
            std::printf("\n");
        }
}

// A session host that prints what it hears, and rows held by value.
struct PrintingHost : SessionHost {
    void startTimer(SessionTimer t) override { std::printf(" start%d", static_cast<int>(t)); }
    void stopTimer(SessionTimer t) override { std::printf(" stop%d", static_cast<int>(t)); }
    void setStatus(LinkStatus s) override { std::printf(" status%d", static_cast<int>(s)); }
    void radioAnswered() override { std::printf(" answered"); }
    void setTransfer(Transfer t) override { std::printf(" transfer%d", static_cast<int>(t)); }
    void frameDone(Transfer t, int frame) override {
        std::printf(" done%d/%d", static_cast<int>(t), frame);
    }
    void report(const TransferOutcome& o) override {
        std::printf(" outcome%d/%d/%d/%d", static_cast<int>(o.transfer), static_cast<int>(o.kind),
                    o.frame, static_cast<int>(o.problem));
    }
};

struct HeldRows : RowStore {
    std::string squelchHeld;
    ChannelRows held{};
    std::string squelchText() const override { return squelchHeld; }
    ChannelRecord row(int index) const override { return held[index]; }
    bool store(const ChannelRows& rows, const std::string& squelchText) override {
        held = rows;
        squelchHeld = squelchText;
        return true;
    }
    void setCurrentRow(int index) override { std::printf(" row%d", index); }
    void numberFirstRow() override { held[0][Field::No] = "1"; }
};

struct NoClock : FrameDeadline {
    void start() override {}
    void stop() override {}
};

// A write of rows made from the input under both rules, then a read of what
// it sent, and a read of the input itself as the radio's answer.
void probeTransfers(const std::string& input) {
    std::string sent;
    for (WriteRules rules : {WriteRules::Editing, WriteRules::FramesOnly}) {
        PrintingHost host;
        HeldRows rows;
        for (int k = 0; k < kChannelCount; ++k)
            rows.held[k][Field::No] = std::to_string(k + 1);
        rows.held[4] = rowFrom(input);
        rows.held[4][Field::No] = "5";
        rows.squelchHeld = input;
        BufferedLink link;
        link.setOpen(true, 3);
        WriteTransfer write(link, rows, host);
        std::printf(" write%d", static_cast<int>(rules));
        write.command(rules);
        for (int tick = 0; tick < 18; ++tick)
            write.tick();
        sent = link.takeOutgoing();
        std::printf("\n sent %s\n", shown(sent).c_str());
    }
    for (const std::string& answer : {sent.empty() ? sent : sent.substr(1), input}) {
        PrintingHost host;
        HeldRows rows;
        BufferedLink link;
        NoClock clock;
        link.setOpen(true);
        ReadTransfer read(link, rows, host, clock);
        std::printf(" read");
        read.command();
        read.tick();
        link.received(answer);
        read.collect();
        read.expire();
        std::printf("\n squelch %s rows", shown(rows.squelchHeld).c_str());
        for (const ChannelRecord& row : rows.held)
            std::printf(" %s", shown(row).c_str());
        std::printf("\n");
    }
}

// A job's host that prints the steps, the backups and the end. `later`: 0,
// the backup is saved at once; 1, kept 100 ms later; 2, refused 100 ms later.
struct PrintingJobHost : JobClock {
    int later = 0;
    int backups = 0;
    std::optional<std::string> saveBackup(const std::string& squelch,
                                          const ChannelRows& rows) override {
        std::printf(" backup %s %s", shown(squelch).c_str(), shown(rows[4]).c_str());
        if (later)
            keepLater(later == 1 ? std::optional<std::string>("kept later") : std::nullopt);
        return "backup" + std::to_string(++backups);
    }
    GuardedJob::Step shownStep = GuardedJob::Step::Queued;
    void changed() override {
        if (job->step() != shownStep)
            std::printf(" step%d", static_cast<int>(shownStep = job->step()));
    }
    void finished() override {
        const GuardedJob::Result& r = job->result();
        std::printf("\n end %d/%d/%d/%d/%d/%d %s read %d %s %s\n", static_cast<int>(r.failure),
                    static_cast<int>(r.failedStep), static_cast<int>(r.transfer.kind),
                    r.transfer.frame, job->frame(), job->radioMayHaveChanged(),
                    r.backupPath.c_str(), r.haveRead, shown(r.read.squelch).c_str(),
                    shown(r.read.rows[4]).c_str());
        for (const FieldDifference& d : r.differences)
            std::printf(" differs %d %d %s %s\n", d.channel, static_cast<int>(d.field),
                        shown(d.expected).c_str(), shown(d.actual).c_str());
    }
};

void runJob(ScriptedRadio& radio, GuardedJob::Options options, int backupLater = 0) {
    BufferedLink link;
    link.setMayOpen(true);
    PrintingJobHost host;
    host.later = backupLater;
    host.savesLater = backupLater != 0;
    GuardedJob job(link, host, std::move(options));
    zt41::test::runJob(radio, link, job, host);
    if (host.wroteBeforeBackupKept) {
        std::fprintf(stderr, "kernelprobe: the write began before its backup was kept\n");
        std::exit(2);
    }
    std::printf(" open %d\n", link.isOpen());
}

// A guarded write of the input's set (backup first, verify after) under the
// editing rules, a restore of it, and a check of the radio against it.
void probeGuardedJobs(const std::string& input) {
    ScriptedRadio radio;
    ChannelSet set{input, {}};
    for (int k = 1; k <= kChannelCount; ++k) {
        set.rows[k - 1][Field::No] = std::to_string(k);
        radio.memory += encodeFrame(k, "3", set.rows[k - 1]);
    }
    set.rows[4] = rowFrom(input);
    set.rows[4][Field::No] = "5";
    GuardedJob::Options options;
    options.operation = GuardedJob::Operation::Write;
    options.toSend = set;
    options.backup = true;
    std::printf(" guarded write");
    runJob(radio, options);
    // A backup the front end keeps later: refused, nothing goes out; kept, the write follows.
    std::printf(" guarded write, backup refused later");
    runJob(radio, options, 2);
    std::printf(" guarded write, backup kept later");
    runJob(radio, options, 1);
    options.restoring = true;
    std::printf(" guarded restore");
    runJob(radio, options);
    options.operation = GuardedJob::Operation::Verify;
    options.toSend.rows[2] = set.rows[4];
    std::printf(" guarded verify");
    runJob(radio, options);
}

// A fixed stream of texts near the kernel's edges: digits, points, signs,
// exponents, blanks, separators and a few characters outside ASCII.
std::vector<std::string> madeInputs(int count) {
    static const char* const pieces[] = {"0",
                                         "1",
                                         "4",
                                         "5",
                                         "9",
                                         ".",
                                         "e",
                                         "E",
                                         "+",
                                         "-",
                                         "&H",
                                         "&o",
                                         " ",
                                         "\t",
                                         "\n",
                                         ",",
                                         "~",
                                         "145",
                                         "438.5",
                                         "130",
                                         "500",
                                         "67.0",
                                         "250.3",
                                         "00",
                                         "1e400",
                                         "5e-324",
                                         "Null",
                                         "on",
                                         "off",
                                         "H",
                                         "L",
                                         "\xc2\xa0",
                                         "\xe3\x80\x80",
                                         "\xe4\xb8\xad",
                                         "\xff",
                                         "999999999999999999"};
    constexpr std::uint64_t kSeed = 0x2741'0000'c0ffee01ULL;
    std::uint64_t state = kSeed;
    const auto next = [&state]() {
        state ^= state << 13;
        state ^= state >> 7;
        state ^= state << 17;
        return state;
    };
    std::vector<std::string> out;
    for (int i = 0; i < count; ++i) {
        std::string text;
        const std::uint64_t length = next() % 12;
        for (std::uint64_t k = 0; k < length; ++k)
            text += pieces[next() % std::size(pieces)];
        out.push_back(text);
    }
    return out;
}

} // namespace

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--made") == 0 && i + 1 < argc) {
            for (const std::string& text : madeInputs(std::atoi(argv[++i])))
                probe(text);
            continue;
        }
        std::ifstream file(argv[i], std::ios::binary);
        if (!file) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 2;
        }
        std::ostringstream bytes;
        bytes << file.rdbuf();
        const std::string content = bytes.str();
        // A table of cases holds one input a line; any other file is one input.
        if (std::string(argv[i]).ends_with(".cases")) {
            std::istringstream lines(content);
            for (std::string line; std::getline(lines, line);)
                if (!line.starts_with('#'))
                    probe(line, true);
        } else {
            probe(content, true);
        }
    }
    return 0;
}
