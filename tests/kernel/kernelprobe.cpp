// SPDX-License-Identifier: GPL-3.0-or-later
// Runs the kernel's decisions over inputs and prints every result as text,
// so that two builds of the kernel (native and WebAssembly) can be compared
// line for line. Inputs are files (the fuzz corpora, the table of cases) and
// a stream of texts made from a fixed seed; every input goes through every
// decision, whatever it was written for.
#include "kernel/cellrule.h"
#include "kernel/channelcheck.h"
#include "kernel/frames.h"
#include "kernel/numbers.h"
#include "kernel/pickers.h"
#include "kernel/squelch.h"
#include "kernel/text.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

using namespace zt41::kernel;

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

void probe(const std::string& input) {
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
                    probe(line);
        } else {
            probe(content);
        }
    }
    return 0;
}
