// SPDX-License-Identifier: GPL-3.0-or-later
#include "channels/cellrule.h"
#include "channels/channeltable.h"
#include "channels/tones.h"
#include "filebytes.h"
#include "files/chirpcsv.h"
#include "link/channelframe.h"
#include "tablefixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

using namespace zt41;

namespace {

const QByteArray kHeader =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE";

QString dataFile(const QString& name) {
    return QStringLiteral(ZT41_TEST_DATA "/") + name;
}

// A channel as "rf,rct,tf,tct,bt,pw"; an empty channel as "".
QString channelText(const ChannelRecord& row) {
    QStringList six;
    for (int f = 1; f < kFieldCount; ++f)
        six << row.fields[f].value_or(QStringLiteral("<null>"));
    const QString joined = six.join(u',');
    return joined == QStringLiteral(",,,,,") ? QString() : joined;
}

QStringList channelTexts(const ChannelRows& rows) {
    QStringList out;
    for (const ChannelRecord& row : rows)
        out << channelText(row);
    return out;
}

// The 16 expected channels: the given ones first, then empty ones.
QStringList sixteen(QStringList channels) {
    while (channels.size() < kChannelCount)
        channels << QString();
    return channels;
}

const char* kindName(ChirpWarningKind kind) {
    switch (kind) {
    case ChirpWarningKind::NotANumber:
        return "NotANumber";
    case ChirpWarningKind::OutOfRange:
        return "OutOfRange";
    case ChirpWarningKind::OffStep:
        return "OffStep";
    case ChirpWarningKind::UnknownDuplex:
        return "UnknownDuplex";
    case ChirpWarningKind::ToneNotInSet:
        return "ToneNotInSet";
    case ChirpWarningKind::UnsupportedToneMode:
        return "UnsupportedToneMode";
    case ChirpWarningKind::UnknownPower:
        return "UnknownPower";
    case ChirpWarningKind::NotFm:
        return "NotFm";
    case ChirpWarningKind::BadLocation:
        return "BadLocation";
    case ChirpWarningKind::RowsLeftOut:
        return "RowsLeftOut";
    case ChirpWarningKind::FinerThan10Hz:
        return "FinerThan10Hz";
    case ChirpWarningKind::NegativeOffset:
        return "NegativeOffset";
    case ChirpWarningKind::TonesDiffer:
        return "TonesDiffer";
    case ChirpWarningKind::NoReceiveFrequency:
        return "NoReceiveFrequency";
    }
    return "?";
}

// A warning as "line channel column kind text".
QStringList warningTexts(const QList<ChirpWarning>& warnings) {
    QStringList out;
    for (const ChirpWarning& w : warnings)
        out << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(w.line)
                   .arg(w.channel)
                   .arg(w.column.isEmpty() ? QStringLiteral("-") : w.column,
                        QString::fromLatin1(kindName(w.kind)), w.text);
    return out;
}

// The header and one row, the row's columns given by name; the rest as CHIRP fills them.
ChirpImport importRow(const QHash<QString, QString>& values) {
    static const QStringList defaults = {
        "1",          "X",  "146.520000", "", "0.000000", "", "88.5", "88.5", "023", "NN", "023",
        "Tone->Tone", "FM", "5.00",       "", "5.0W",     "", "",     "",     "",    ""};
    const QStringList names = QString::fromLatin1(kHeader).split(u',');
    QStringList row = defaults;
    for (auto it = values.begin(); it != values.end(); ++it)
        row[names.indexOf(it.key())] = it.value();
    return parseChirpCsv(kHeader + '\n' + row.join(u',').toUtf8() + '\n');
}

ChannelRows emptyRows() {
    ChannelRows rows{};
    for (ChannelRecord& row : rows)
        for (int f = 1; f < kFieldCount; ++f)
            row.fields[f] = QString();
    return rows;
}

ChannelRows rowsFrom(const QStringList& channels) {
    ChannelRows rows = emptyRows();
    for (int k = 0; k < channels.size(); ++k) {
        const QStringList six = channels[k].split(u',');
        for (int f = 1; f < kFieldCount && !channels[k].isEmpty(); ++f)
            rows[k].fields[f] = six.value(f - 1);
    }
    return rows;
}

} // namespace

class TestChirpCsv : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void fixtureFiles_data();
    void fixtureFiles();
    void placement_data();
    void placement();
    void receiveFrequency_data();
    void receiveFrequency();
    void transmitFrequency_data();
    void transmitFrequency();
    void toneModes_data();
    void toneModes();
    void power_data();
    void power();
    void beatShiftFromComment_data();
    void beatShiftFromComment();
    void refusals_data();
    void refusals();
    void refusedImportLeavesTheTable_data();
    void refusedImportLeavesTheTable();
    void importWithWarningsShowsThemOnce();
    void databaseThatRefusesTheRows();
    void exportRows_data();
    void exportRows();
    void exportSkipsEmptyChannels();
    void spreadsheetEncodings_data();
    void spreadsheetEncodings();
    void roundTripKeepsEveryField();
    void roundTripKeepsWhatTheRadioGets_data();
    void roundTripKeepsWhatTheRadioGets();
    void failedExportKeepsTheOldFile();
    void damagedFilesGiveOnlyValidChannels_data();
    void damagedFilesGiveOnlyValidChannels();
    void csvFileNames_data();
    void csvFileNames();
};

void TestChirpCsv::fixtureFiles_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QStringList>("channels");
    QTest::addColumn<QStringList>("warnings");

    QTest::newRow("repeater list with offsets, tones and TSQL")
        << "repeaters.csv"
        << sixteen({"146.94000,,146.34000,100.0,off,H", "147.06000,123.0,147.66000,123.0,off,H",
                    "442.50000,141.3,447.50000,141.3,off,H", "444.10000,,439.10000,67.0,off,L",
                    "146.52000,,146.52000,,off,L", "145.80000,,437.80000,,off,L",
                    "162.55000,,,,off,H", "145.23000,94.8,144.63000,77.0,off,H",
                    "439.00000,110.9,431.40000,,off,H"})
        << QStringList();
    QTest::newRow("older column set without Power or CrossMode")
        << "older.csv"
        << sixteen({"145.65000,,145.05000,103.5,off,H", "438.72500,71.9,431.12500,71.9,off,H",
                    "433.50000,,433.50000,,on,H"})
        << QStringList();
    QTest::newRow("columns in another order and an unknown one")
        << "reordered.csv"
        << sixteen({"145.77500,192.8,145.77500,192.8,off,H", "439.95000,,432.35000,118.8,off,L"})
        << QStringList();
    QTest::newRow("DTCS rows and values the radio cannot take")
        << "dtcs.csv"
        << sixteen({"145.35000,,144.75000,,off,H", "462.56250,88.5,462.56250,88.5,off,H",
                    "146.61000,,146.01000,,off,H", "", "", "", "147.30000,,147.90000,,off,H",
                    "135.00000,,135.00000,,off,H", "499.00000,,,,off,H",
                    "145.50000,,145.50000,,off,"})
        << QStringList{"2 1 Tone UnsupportedToneMode DTCS",
                       "4 3 cToneFreq ToneNotInSet 159.8",
                       "5 4 Frequency OutOfRange 53.010000",
                       "6 5 Frequency OutOfRange 1282.000000",
                       "7 6 Frequency OffStep 146.522500",
                       "8 7 CrossMode UnsupportedToneMode DTCS->Tone",
                       "9 8 Mode NotFm AM",
                       "10 9 Offset OutOfRange 504.000000",
                       "11 10 Power UnknownPower Mid"};
    QTest::newRow("Windows line ends and a byte-order mark, rows out of order")
        << "windows.csv"
        << sixteen({"145.50000,67.0,145.50000,67.0,off,H", "439.42500,,434.42500,250.3,on,L"})
        << QStringList();
    QTest::newRow("quoted names with commas and a comment over two lines")
        << "quoted.csv"
        << sixteen({"145.60000,,145.00000,123.0,off,H", "438.65000,82.5,431.05000,82.5,on,L",
                    "146.52000,,146.52000,,off,H"})
        << QStringList{"6 4 Frequency NotANumber abc"};
    QTest::newRow("twenty shuffled rows fill sixteen channels in Location order")
        << "many.csv" << QStringList{"145.00000,,145.00000,,off,H", "145.01250,,145.01250,,off,H",
                                     "145.02500,,145.02500,,off,H", "145.03750,,145.03750,,off,H",
                                     "145.05000,,145.05000,,off,H", "145.06250,,145.06250,,off,H",
                                     "145.07500,,145.07500,,off,H", "145.08750,,145.08750,,off,H",
                                     "145.10000,,145.10000,,off,H", "145.11250,,145.11250,,off,H",
                                     "145.12500,,145.12500,,off,H", "145.13750,,145.13750,,off,H",
                                     "145.15000,,145.15000,,off,H", "145.16250,,145.16250,,off,H",
                                     "145.17500,,145.17500,,off,H", "145.18750,,145.18750,,off,H"}
        << QStringList{"0 0 - RowsLeftOut 4"};
}

void TestChirpCsv::fixtureFiles() {
    QFETCH(QString, file);
    QFETCH(QStringList, channels);
    QFETCH(QStringList, warnings);

    const ChirpImport result = readChirpCsv(dataFile(file));
    QCOMPARE(result.refusal, ChirpRefusal::None);
    QCOMPARE(channelTexts(result.rows), channels);
    QCOMPARE(warningTexts(result.warnings), warnings);
}

void TestChirpCsv::placement_data() {
    QTest::addColumn<QByteArray>("rows");
    QTest::addColumn<QStringList>("frequencies");
    QTest::addColumn<QStringList>("warnings");

    QTest::newRow("Locations 1 to 16 keep their channels, a gap stays")
        << QByteArray("1,145.0,\n2,145.1,\n4,145.3,\n16,145.9,\n")
        << QStringList{"145.00000", "145.10000", "", "145.30000", "", "", "", "",
                       "",          "",          "", "",          "", "", "", "145.90000"}
        << QStringList();
    QTest::newRow("Locations from 0 fill channels from 1")
        << QByteArray("3,145.3,\n0,145.0,\n1,145.1,\n")
        << QStringList{"145.00000", "145.10000", "145.30000", "", "", "", "", "",
                       "",          "",          "",          "", "", "", "", ""}
        << QStringList();
    QTest::newRow("a Location beyond 16 fills in order")
        << QByteArray("20,145.2,\n10,145.1,\n")
        << QStringList{"145.10000", "145.20000", "", "", "", "", "", "",
                       "",          "",          "", "", "", "", "", ""}
        << QStringList();
    QTest::newRow("a repeated Location fills in order, the first one first")
        << QByteArray("2,145.2,\n2,145.3,\n1,145.1,\n")
        << QStringList{"145.10000", "145.20000", "145.30000", "", "", "", "", "",
                       "",          "",          "",          "", "", "", "", ""}
        << QStringList();
    QTest::newRow("a Location that is not a number goes last")
        << QByteArray("x,145.9,\n2,145.2,\n1,145.1,\n")
        << QStringList{"145.10000", "145.20000", "145.90000", "", "", "", "", "",
                       "",          "",          "",          "", "", "", "", ""}
        << QStringList{"2 3 Location BadLocation x"};
    QTest::newRow("blank lines and empty rows are skipped")
        << QByteArray("\n1,145.1,\n,,\n\n2,145.2,\n")
        << QStringList{"145.10000", "145.20000", "", "", "", "", "", "",
                       "",          "",          "", "", "", "", "", ""}
        << QStringList();
    QTest::newRow("a row without a frequency is an empty channel")
        << QByteArray("1,145.1,\n2,,\n3,145.3,\n")
        << QStringList{"145.10000", "", "145.30000", "", "", "", "", "",
                       "",          "", "",          "", "", "", "", ""}
        << QStringList();
}

void TestChirpCsv::placement() {
    QFETCH(QByteArray, rows);
    QFETCH(QStringList, frequencies);
    QFETCH(QStringList, warnings);

    const ChirpImport result = parseChirpCsv("Location,Frequency,Comment\n" + rows);
    QCOMPARE(result.refusal, ChirpRefusal::None);
    QStringList got;
    for (const ChannelRecord& row : result.rows)
        got << row.text(Field::Rf);
    QCOMPARE(got, frequencies);
    QCOMPARE(warningTexts(result.warnings), warnings);
}

void TestChirpCsv::receiveFrequency_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("rf");
    QTest::addColumn<QStringList>("warnings");

    QTest::newRow("6.25 kHz step") << "145.006250"
                                   << "145.00625" << QStringList();
    QTest::newRow("lowest") << "130"
                            << "130.00000" << QStringList();
    QTest::newRow("highest") << "500.000000"
                             << "500.00000" << QStringList();
    QTest::newRow("with an exponent") << "1.4500625e2"
                                      << "145.00625" << QStringList();
    QTest::newRow("blanks around it") << "  145.5 "
                                      << "145.50000" << QStringList();
    QTest::newRow("just above the band")
        << "500.000010"
        << "" << QStringList{"2 1 Frequency OutOfRange 500.000010"};
    QTest::newRow("zero") << "0.000000"
                          << "" << QStringList{"2 1 Frequency OutOfRange 0.000000"};
    QTest::newRow("the 5 kHz step below is not taken")
        << "145.007500"
        << "" << QStringList{"2 1 Frequency OffStep 145.007500"};
    QTest::newRow("on the step in 10 Hz but off it once written")
        << "145.137505"
        << "" << QStringList{"2 1 Frequency FinerThan10Hz 145.137505"};
    QTest::newRow("finer than 10 Hz, that the cell rule would round")
        << "145.0125001"
        << "" << QStringList{"2 1 Frequency FinerThan10Hz 145.0125001"};
    QTest::newRow("a decimal comma") << "\"145,5\""
                                     << "" << QStringList{"2 1 Frequency NotANumber 145,5"};
}

void TestChirpCsv::receiveFrequency() {
    QFETCH(QString, frequency);
    QFETCH(QString, rf);
    QFETCH(QStringList, warnings);

    // A file whose only row fails is refused, and says why.
    const ChirpImport result = parseChirpCsv("Location,Frequency\n1," + frequency.toUtf8());
    QCOMPARE(result.refusal, rf.isEmpty() ? ChirpRefusal::NoUsableRow : ChirpRefusal::None);
    QCOMPARE(result.rows[0].text(Field::Rf), rf);
    QCOMPARE(warningTexts(result.warnings), warnings);
}

void TestChirpCsv::transmitFrequency_data() {
    QTest::addColumn<QString>("frequency");
    QTest::addColumn<QString>("duplex");
    QTest::addColumn<QString>("offset");
    QTest::addColumn<QString>("tf");
    QTest::addColumn<QStringList>("warnings");

    QTest::newRow("simplex") << "145.500000"
                             << ""
                             << "0.000000"
                             << "145.50000" << QStringList();
    QTest::newRow("minus 600 kHz, exact in 10 Hz units") << "146.940000"
                                                         << "-"
                                                         << "0.600000"
                                                         << "146.34000" << QStringList();
    QTest::newRow("plus 5 MHz") << "442.500000"
                                << "+"
                                << "5.000000"
                                << "447.50000" << QStringList();
    QTest::newRow("split is the frequency itself") << "145.800000"
                                                   << "split"
                                                   << "435.012500"
                                                   << "435.01250" << QStringList();
    QTest::newRow("off leaves no transmit frequency") << "162.550000"
                                                      << "off"
                                                      << "0.000000"
                                                      << "" << QStringList();
    QTest::newRow("upper-case duplex words") << "145.8"
                                             << "SPLIT"
                                             << "145.2"
                                             << "145.20000" << QStringList();
    QTest::newRow("offset above the band") << "499.000000"
                                           << "+"
                                           << "5.000000"
                                           << "" << QStringList{"2 1 Offset OutOfRange 504.000000"};
    QTest::newRow("offset below the band") << "130.000000"
                                           << "-"
                                           << "0.600000"
                                           << "" << QStringList{"2 1 Offset OutOfRange 129.400000"};
    QTest::newRow("split to a frequency off the steps")
        << "145.800000"
        << "split"
        << "435.0111"
        << "" << QStringList{"2 1 Offset OffStep 435.0111"};
    QTest::newRow("an offset that is not a number")
        << "146.940000"
        << "-"
        << "0.6 MHz"
        << "" << QStringList{"2 1 Offset NotANumber 0.6 MHz"};
    QTest::newRow("an offset that overflows 10 Hz units")
        << "146.940000"
        << "+"
        << "1e300"
        << "" << QStringList{"2 1 Offset OutOfRange 1e300"};
    QTest::newRow("plus with a negative offset: which way?")
        << "146.940000"
        << "+"
        << "-0.6"
        << "" << QStringList{"2 1 Offset NegativeOffset -0.6"};
    QTest::newRow("an unknown duplex") << "146.940000"
                                       << "x"
                                       << "0.600000"
                                       << "" << QStringList{"2 1 Duplex UnknownDuplex x"};
}

void TestChirpCsv::transmitFrequency() {
    QFETCH(QString, frequency);
    QFETCH(QString, duplex);
    QFETCH(QString, offset);
    QFETCH(QString, tf);
    QFETCH(QStringList, warnings);

    const ChirpImport result =
        importRow({{"Frequency", frequency}, {"Duplex", duplex}, {"Offset", offset}});
    QCOMPARE(result.refusal, ChirpRefusal::None);
    QCOMPARE(result.rows[0].text(Field::Tf), tf);
    QCOMPARE(warningTexts(result.warnings), warnings);
}

void TestChirpCsv::toneModes_data() {
    QTest::addColumn<QString>("tone");
    QTest::addColumn<QString>("cross");
    QTest::addColumn<QString>("rTone");
    QTest::addColumn<QString>("cTone");
    QTest::addColumn<QString>("rct");
    QTest::addColumn<QString>("tct");
    QTest::addColumn<QStringList>("warnings");

    QTest::newRow("no tone ignores the default tone columns") << ""
                                                              << "Tone->Tone"
                                                              << "88.5"
                                                              << "88.5"
                                                              << ""
                                                              << "" << QStringList();
    QTest::newRow("Tone sends rToneFreq only") << "Tone"
                                               << "Tone->Tone"
                                               << "100.0"
                                               << "88.5"
                                               << ""
                                               << "100.0" << QStringList();
    QTest::newRow("TSQL uses cToneFreq both ways") << "TSQL"
                                                   << "Tone->Tone"
                                                   << "88.5"
                                                   << "123.0"
                                                   << "123.0"
                                                   << "123.0" << QStringList();
    QTest::newRow("TSQL with rToneFreq other than cToneFreq")
        << "TSQL"
        << "Tone->Tone"
        << "100.0"
        << "123.0"
        << "123.0"
        << "123.0" << QStringList{"2 1 rToneFreq TonesDiffer 100.0"};
    QTest::newRow("Cross Tone->Tone") << "Cross"
                                      << "Tone->Tone"
                                      << "77.0"
                                      << "94.8"
                                      << "94.8"
                                      << "77.0" << QStringList();
    QTest::newRow("Cross ->Tone receives only") << "Cross"
                                                << "->Tone"
                                                << "77.0"
                                                << "94.8"
                                                << "94.8"
                                                << "" << QStringList();
    QTest::newRow("Cross Tone-> sends only") << "Cross"
                                             << "Tone->"
                                             << "77.0"
                                             << "94.8"
                                             << ""
                                             << "77.0" << QStringList();
    QTest::newRow("a whole-number tone takes its decimal") << "Tone"
                                                           << "Tone->Tone"
                                                           << "67"
                                                           << "88.5"
                                                           << ""
                                                           << "67.0" << QStringList();
    QTest::newRow("a tone outside the radio's 39")
        << "Tone"
        << "Tone->Tone"
        << "159.8"
        << "88.5"
        << ""
        << "" << QStringList{"2 1 rToneFreq ToneNotInSet 159.8"};
    QTest::newRow("a tone that is not a number")
        << "TSQL"
        << "Tone->Tone"
        << "88.5"
        << "high"
        << ""
        << "" << QStringList{"2 1 cToneFreq ToneNotInSet high"};
    QTest::newRow("DTCS") << "DTCS"
                          << "Tone->Tone"
                          << "88.5"
                          << "88.5"
                          << ""
                          << "" << QStringList{"2 1 Tone UnsupportedToneMode DTCS"};
    QTest::newRow("reverse tone squelch")
        << "TSQL-R"
        << "Tone->Tone"
        << "88.5"
        << "88.5"
        << ""
        << "" << QStringList{"2 1 Tone UnsupportedToneMode TSQL-R"};
    QTest::newRow("Cross with a DTCS side")
        << "Cross"
        << "Tone->DTCS"
        << "100.0"
        << "88.5"
        << ""
        << "" << QStringList{"2 1 CrossMode UnsupportedToneMode Tone->DTCS"};
}

void TestChirpCsv::toneModes() {
    QFETCH(QString, tone);
    QFETCH(QString, cross);
    QFETCH(QString, rTone);
    QFETCH(QString, cTone);
    QFETCH(QString, rct);
    QFETCH(QString, tct);
    QFETCH(QStringList, warnings);

    const ChirpImport result = importRow(
        {{"Tone", tone}, {"CrossMode", cross}, {"rToneFreq", rTone}, {"cToneFreq", cTone}});
    QCOMPARE(result.refusal, ChirpRefusal::None);
    QCOMPARE(result.rows[0].text(Field::Rct), rct);
    QCOMPARE(result.rows[0].text(Field::Tct), tct);
    QCOMPARE(warningTexts(result.warnings), warnings);
}

void TestChirpCsv::power_data() {
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("pw");

    QTest::newRow("5.0W") << "5.0W"
                          << "H";
    QTest::newRow("exactly 2 W is high") << "2W"
                                         << "H";
    QTest::newRow("1.9W is low") << "1.9W"
                                 << "L";
    QTest::newRow("a blank before the unit") << "0.5 W"
                                             << "L";
    QTest::newRow("watts without a unit") << "50"
                                          << "H";
    QTest::newRow("High") << "High"
                          << "H";
    QTest::newRow("low in lower case") << "low"
                                       << "L";
    QTest::newRow("Low2") << "Low2"
                          << "L";
    QTest::newRow("empty is high") << ""
                                   << "H";
    QTest::newRow("Mid is unknown") << "Mid"
                                    << "";
    QTest::newRow("a negative wattage is unknown") << "-5W"
                                                   << "";
}

void TestChirpCsv::power() {
    QFETCH(QString, power);
    QFETCH(QString, pw);

    const ChirpImport result = importRow({{"Power", power}});
    QCOMPARE(result.rows[0].text(Field::Pw), pw);
    QCOMPARE(result.warnings.size(), pw.isEmpty() ? 1 : 0);
}

void TestChirpCsv::beatShiftFromComment_data() {
    QTest::addColumn<QString>("comment");
    QTest::addColumn<QString>("bt");

    QTest::newRow("empty comment") << ""
                                   << "off";
    QTest::newRow("bt=on") << "bt=on"
                           << "on";
    QTest::newRow("among other words, any case") << "\"Club rpt, BT = On, wide\""
                                                 << "on";
    QTest::newRow("bt=off") << "bt=off"
                            << "off";
    QTest::newRow("part of another word") << "debt=on"
                                          << "off";
    QTest::newRow("bt=onward is not on") << "bt=onward"
                                         << "off";
}

void TestChirpCsv::beatShiftFromComment() {
    QFETCH(QString, comment);
    QFETCH(QString, bt);

    QCOMPARE(importRow({{"Comment", comment}}).rows[0].text(Field::Bt), bt);
}

void TestChirpCsv::refusals_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ChirpRefusal>("refusal");

    QTest::newRow("an empty file") << QByteArray() << ChirpRefusal::NoHeader;
    QTest::newRow("only blank lines") << QByteArray("\r\n\r\n  \n") << ChirpRefusal::NoHeader;
    QTest::newRow("a binary file") << QByteArray("PK\x03\x04\0\0\x08", 7) << ChirpRefusal::NotText;
    QTest::newRow("the window's own channel file")
        << (QByteArray("  3,145.01250,67.0,145.01250,67.0,off,H,") + QByteArray(90, ','))
        << ChirpRefusal::NoFrequencyColumn;
    QTest::newRow("a spreadsheet without a Frequency column")
        << QByteArray("Location,Name,RX\n1,A,145.5\n") << ChirpRefusal::NoFrequencyColumn;
    QTest::newRow("the header alone") << kHeader + "\r\n" << ChirpRefusal::NoUsableRow;
    QTest::newRow("every row out of range") << kHeader + "\n0,A,50.000000\n1,B,900.000000\n"
                                            << ChirpRefusal::NoUsableRow;
    QTest::newRow("a quote that never closes") << kHeader + "\n1,\"Club,145.500000\n"
                                               << ChirpRefusal::UnclosedQuote;
    QTest::newRow("far too large")
        << QByteArray(8 * 1024 * 1024 + 1, 'x') << ChirpRefusal::TooLarge;
}

void TestChirpCsv::refusals() {
    QFETCH(QByteArray, bytes);
    QFETCH(ChirpRefusal, refusal);

    const ChirpImport result = parseChirpCsv(bytes);
    QCOMPARE(result.refusal, refusal);
}

void TestChirpCsv::refusedImportLeavesTheTable_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<ChirpRefusal>("reason");
    QTest::addColumn<int>("warnings");

    QTest::newRow("missing file") << "missing.csv" << QByteArray() << ChirpRefusal::CannotOpen << 0;
    QTest::newRow("a folder") << "folder" << QByteArray() << ChirpRefusal::CannotOpen << 0;
    QTest::newRow("no Frequency column")
        << "sheet.csv" << QByteArray("Name,RX\nA,145.5\n") << ChirpRefusal::NoFrequencyColumn << 0;
    QTest::newRow("no usable row, with the reasons")
        << "far.csv" << QByteArray("Location,Frequency\n1,50.0\n") << ChirpRefusal::NoUsableRow
        << 1;
}

void TestChirpCsv::refusedImportLeavesTheTable() {
    QFETCH(QString, name);
    QFETCH(QByteArray, bytes);
    QFETCH(ChirpRefusal, reason);
    QFETCH(int, warnings);

    TableFixture fx;
    QVERIFY(fx.open());
    fx.setRow(0, {"145.01250", "67.0", "145.01250", "67.0", "off", "H"});
    fx.setRow(2, {"435.50000", "", "", "", "on", "L"});
    fx.table->setCurrentRow(2);
    const ChannelRows before = fx.table->rows();

    const QString path = fx.dir.filePath(name);
    if (name == u"folder")
        QVERIFY(QDir(fx.dir.path()).mkdir(name));
    else if (!bytes.isEmpty())
        QVERIFY(writeBytes(path, bytes));

    const ChirpImport result = importChirpCsv(*fx.table, path);
    QCOMPARE(result.refusal, reason);
    QCOMPARE(result.warnings.size(), warnings);
    QCOMPARE(fx.table->rows(), before);
    QCOMPARE(fx.table->currentRow(), 2);

    // What the table stores survives a reopening of the database as well.
    QVERIFY(fx.open());
    QCOMPARE(fx.table->rows(), before);
}

void TestChirpCsv::importWithWarningsShowsThemOnce() {
    TableFixture fx;
    QVERIFY(fx.open());
    fx.setRow(15, {"435.50000", "", "", "", "on", "L"}); // replaced by the import
    fx.table->setCurrentRow(7);

    const ChirpImport result = importChirpCsv(*fx.table, dataFile("dtcs.csv"));
    QCOMPARE(result.refusal, ChirpRefusal::None);
    QCOMPARE(fx.table->currentRow(), 0);
    QCOMPARE(channelText(fx.table->row(0)), QStringLiteral("145.35000,,144.75000,,off,H"));
    QCOMPARE(channelText(fx.table->row(15)), QString());
    QCOMPARE(fx.table->row(15)[Field::No], FieldValue(QStringLiteral("16")));

    QCOMPARE(result.warnings.size(), 9);
    QCOMPARE(result.warnings[3],
             (ChirpWarning{6, 5, QStringLiteral("Frequency"), ChirpWarningKind::OutOfRange,
                           QStringLiteral("1282.000000")}));

    // A clean file has nothing to say.
    const ChirpImport clean = importChirpCsv(*fx.table, dataFile("repeaters.csv"));
    QCOMPARE(clean.refusal, ChirpRefusal::None);
    QVERIFY(clean.warnings.isEmpty());
}

void TestChirpCsv::databaseThatRefusesTheRows() {
    ChannelTable table; // never opened: every write fails
    QCOMPARE(importChirpCsv(table, dataFile("repeaters.csv")).refusal, ChirpRefusal::CannotStore);
}

void TestChirpCsv::exportRows_data() {
    QTest::addColumn<QString>("channel");
    QTest::addColumn<QString>("line");

    QTest::newRow("simplex, no tone, high")
        << "146.52000,,146.52000,,off,H"
        << "1,CH01,146.520000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,";
    QTest::newRow("minus 600 kHz, transmit tone, low")
        << "146.94000,,146.34000,100.0,off,L"
        << "1,CH01,146.940000,-,0.600000,Tone,100.0,88.5,023,NN,023,Tone->Tone,FM,5.00,,1.0W,,,,,";
    QTest::newRow("plus 5 MHz, same tone both ways")
        << "442.50000,141.3,447.50000,141.3,off,H"
        << "1,CH01,442.500000,+,5.000000,TSQL,141.3,141.3,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,";
    QTest::newRow("tone squelch, low power, beat shift on")
        << "439.42500,67.0,439.42500,67.0,on,L"
        << "1,CH01,439.425000,,0.000000,TSQL,67.0,67.0,023,NN,023,Tone->Tone,FM,5.00,,1.0W,bt=on,,,"
           ",";
    QTest::newRow("minus 7.6 MHz, receive tone only")
        << "439.00000,110.9,431.40000,,off,H"
        << "1,CH01,439.000000,-,7.600000,Cross,88.5,110.9,023,NN,023,->Tone,FM,5.00,,5.0W,,,,,";
    QTest::newRow("two different tones")
        << "145.23000,94.8,144.63000,77.0,off,H"
        << "1,CH01,145.230000,-,0.600000,Cross,77.0,94.8,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,";
    QTest::newRow("not a standard offset: split")
        << "145.80000,,437.80000,,off,H"
        << "1,CH01,145.800000,split,437.800000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,,,,,";
    QTest::newRow("no transmit frequency: off, beat shift in Comment")
        << "162.55000,,,,on,H"
        << "1,CH01,162.550000,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,5.00,,5.0W,bt=on,,,"
           ",";
    QTest::newRow("tones as a channel file leaves them, blanks from the pickers")
        << "145.00625,67,145.00625,   ,  ,"
        << "1,CH01,145.006250,,0.000000,Cross,88.5,67.0,023,NN,023,->Tone,FM,5.00,,5.0W,,,,,";
}

void TestChirpCsv::exportRows() {
    QFETCH(QString, channel);
    QFETCH(QString, line);

    const QByteArray csv = encodeChirpCsv(rowsFrom({channel}));
    QCOMPARE(csv, kHeader + "\r\n" + line.toUtf8() + "\r\n");
}

void TestChirpCsv::exportSkipsEmptyChannels() {
    ChannelRows rows = rowsFrom({"", "145.50000,,145.50000,,off,H", "abc,,,,,", ".00000,,,,,"});
    rows[15][Field::Rf] = QStringLiteral("438.50000");
    rows[4][Field::Rf] = std::nullopt; // a null reads as an empty channel
    const QStringList lines = QString::fromUtf8(encodeChirpCsv(rows)).split(QStringLiteral("\r\n"));
    QCOMPARE(lines.size(), 4); // header, two channels, the empty text after the last line end
    QVERIFY(lines[1].startsWith(QStringLiteral("2,CH02,145.500000,")));
    QVERIFY(lines[2].startsWith(QStringLiteral("16,CH16,438.500000,off,")));
    QCOMPARE(lines[3], QString());
    // A frequency no row can carry is named, never dropped in silence.
    rows[6][Field::Tf] = QStringLiteral("145.50000");
    rows[7][Field::Rf] = QStringLiteral("1e300");
    QCOMPARE(
        chirpExportLeftOut(rows),
        (QList<ChirpWarning>{{0, 7, "Offset", ChirpWarningKind::NoReceiveFrequency, "145.50000"},
                             {0, 8, "Frequency", ChirpWarningKind::NoReceiveFrequency, "1e300"}}));
    QCOMPARE(QString::fromUtf8(encodeChirpCsv(rows)).count(QStringLiteral("\r\n")), 3);
}

void TestChirpCsv::spreadsheetEncodings_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("semicolons and a decimal comma, as spreadsheets write them in many locales")
        << QByteArray("Location;Name;Frequency\r\n1;A, B;145,500000\r\n");
    QByteArray utf16("\xFF\xFE");
    for (QChar c : QStringLiteral("Location,Frequency,Name\r\n1,145.5,Bäckerei\r\n"))
        utf16 += QByteArray(reinterpret_cast<const char*>(&c), 2); // little-endian
    QTest::newRow("UTF-16 with its mark, as \"Unicode text\" is saved") << utf16;
}

void TestChirpCsv::spreadsheetEncodings() {
    QFETCH(QByteArray, bytes);
    const ChirpImport result = parseChirpCsv(bytes);
    QCOMPARE(result.refusal, ChirpRefusal::None);
    QCOMPARE(result.rows[0].text(Field::Rf), QStringLiteral("145.50000"));
    QCOMPARE(result.warnings, QList<ChirpWarning>{});
}

void TestChirpCsv::roundTripKeepsEveryField() {
    const QStringList channels = {"145.01250,67.0,145.01250,67.0,off,H",
                                  "146.94000,,146.34000,100.0,on,L",
                                  "442.50000,141.3,447.50000,141.3,off,H",
                                  "439.00000,110.9,431.40000,,on,H",
                                  "",
                                  "145.23000,94.8,144.63000,77.0,off,L",
                                  "145.80000,,437.80000,,off,H",
                                  "162.55000,,,,on,L",
                                  "130.00000,250.3,500.00000,69.3,off,H",
                                  "",
                                  "",
                                  "435.00625,,435.00625,,off,H",
                                  "144.63000,,145.23000,,off,L",
                                  "",
                                  "462.56250,186.2,467.56250,186.2,on,H",
                                  "499.99500,,,,off,H"};
    TableFixture fx;
    QVERIFY(fx.open());
    for (int k = 0; k < kChannelCount; ++k)
        if (!channels[k].isEmpty())
            fx.setRow(k, channels[k].split(u','));
    QCOMPARE(channelTexts(fx.table->rows()), channels);

    const QString csv = fx.dir.filePath(QStringLiteral("list.csv"));
    QCOMPARE(exportChirpCsv(*fx.table, csv), ChirpRefusal::None);
    QVERIFY(chirpExportLeftOut(fx.table->rows()).isEmpty());
    QVERIFY(fx.table->replaceDataFields(emptyRows()));
    const ChirpImport back = importChirpCsv(*fx.table, csv);
    QCOMPARE(back.refusal, ChirpRefusal::None);
    QVERIFY(back.warnings.isEmpty());
    QCOMPARE(channelTexts(fx.table->rows()), channels);
}

void TestChirpCsv::roundTripKeepsWhatTheRadioGets_data() {
    QTest::addColumn<QString>("channel");

    QTest::newRow("tones as a channel file leaves them") << "145.50000,67,145.50000,100,off,H";
    QTest::newRow("blank tones from the pickers") << "145.50000,   ,145.50000,  ,on,L";
    QTest::newRow("blank beat shift and power") << "145.50000,,145.50000,,  ,";
    QTest::newRow("a frequency as a channel file leaves it") << "145.5,,145.5,,off,H";
}

void TestChirpCsv::roundTripKeepsWhatTheRadioGets() {
    QFETCH(QString, channel);

    const ChannelRows before = rowsFrom({channel});
    const ChirpImport after = parseChirpCsv(encodeChirpCsv(before));
    QCOMPARE(after.refusal, ChirpRefusal::None);
    QVERIFY(after.warnings.isEmpty());
    ChannelRecord a = before[0];
    a[Field::No] = QStringLiteral("1");
    // The imported rows carry their channel numbers, ready to be framed.
    QCOMPARE(frameProblem(2, after.rows[0]), FrameProblem::None);
    QCOMPARE(EncodeChannelFrame(2, QStringLiteral("3"), after.rows[0]),
             EncodeChannelFrame(2, QStringLiteral("3"), a));
    QCOMPARE(after.rows[15][Field::No], FieldValue(QStringLiteral("16")));
}

void TestChirpCsv::failedExportKeepsTheOldFile() {
    TableFixture fx;
    QVERIFY(fx.open());
    fx.setRow(0, {"145.01250", "67.0", "145.01250", "67.0", "off", "H"});

    QCOMPARE(exportChirpCsv(*fx.table, fx.dir.filePath("no/such/folder/list.csv")),
             ChirpRefusal::CannotWrite);
    // Never over the channel database itself.
    const QByteArray database = [&] {
        QFile f(fx.path());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    QCOMPARE(exportChirpCsv(*fx.table, fx.path()), ChirpRefusal::CannotWrite);
    QFile same(fx.path());
    QVERIFY(same.open(QIODevice::ReadOnly));
    QCOMPARE(same.readAll(), database);

    // A name that is a folder is never replaced by a file.
    const QString taken = fx.dir.filePath(QStringLiteral("taken.csv"));
    QVERIFY(QDir().mkdir(taken));
    QCOMPARE(exportChirpCsv(*fx.table, taken), ChirpRefusal::CannotWrite);
    QVERIFY(QFileInfo(taken).isDir());

    // A folder that cannot be written: the existing list stays as it was.
    const QString folder = fx.dir.filePath(QStringLiteral("locked"));
    QVERIFY(QDir().mkdir(folder));
    const QString path = folder + QStringLiteral("/list.csv");
    QVERIFY(writeBytes(path, "old list"));
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner);
    const bool writable = QFileInfo(folder).isWritable(); // root writes anyway
    const ChirpRefusal refusal = exportChirpCsv(*fx.table, path);
    QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (writable)
        QSKIP("running as a user who may write into a read-only folder");
    QCOMPARE(refusal, ChirpRefusal::CannotWrite);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readAll(), QByteArray("old list"));
}

void TestChirpCsv::damagedFilesGiveOnlyValidChannels_data() {
    QTest::addColumn<QString>("file");
    for (const char* file : {"repeaters.csv", "dtcs.csv", "quoted.csv", "windows.csv", "many.csv"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

// Whatever a damaged or hand-edited file holds, what reaches the table is a
// valid channel or an empty one: nothing out of range, off the steps or off
// the tone set slips through, and nothing crashes.
void TestChirpCsv::damagedFilesGiveOnlyValidChannels() {
    QFETCH(QString, file);
    QFile f(dataFile(file));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray original = f.readAll();
    const QByteArray noise = QByteArrayLiteral(",\"\r\n+-.0123456789eE ;\t\xEF\xBB\xBF");
    QRandomGenerator random(4711);

    const auto validFrequency = [](const QString& text) {
        bool ok = false;
        const double mhz = text.toDouble(&ok);
        return ok && CellRule::inRange(mhz) && CellRule::normalise(mhz) == text;
    };
    for (int round = 0; round < 400; ++round) {
        QByteArray bytes = original;
        if (round < 100) {
            bytes.truncate(random.bounded(int(original.size()) + 1));
        } else {
            for (int edits = random.bounded(1, 8); edits > 0; --edits) {
                const int at = random.bounded(int(bytes.size()) + 1);
                const char c = noise[random.bounded(int(noise.size()))];
                if (random.bounded(2) == 0 && at < bytes.size())
                    bytes[at] = c;
                else
                    bytes.insert(at, c);
            }
        }
        const ChirpImport result = parseChirpCsv(bytes);
        if (result.refusal != ChirpRefusal::None)
            continue;
        QVERIFY(result.channels >= 1);
        for (const ChannelRecord& row : result.rows) {
            const QString channel = channelText(row);
            if (channel.isEmpty())
                continue;
            QVERIFY2(validFrequency(row.text(Field::Rf)), qPrintable(channel));
            QVERIFY2(row.text(Field::Tf).isEmpty() || validFrequency(row.text(Field::Tf)),
                     qPrintable(channel));
            for (Field tone : {Field::Rct, Field::Tct})
                QVERIFY2(row.text(tone).isEmpty() || toneSet().contains(row.text(tone)),
                         qPrintable(channel));
            QVERIFY2(row.text(Field::Bt) == u"on" || row.text(Field::Bt) == u"off",
                     qPrintable(channel));
            QVERIFY2(QStringList({"H", "L", ""}).contains(row.text(Field::Pw)),
                     qPrintable(channel));
        }
        for (const ChirpWarning& w : result.warnings)
            QVERIFY(w.kind == ChirpWarningKind::RowsLeftOut || (w.line >= 2 && w.channel >= 1));
    }
}

void TestChirpCsv::csvFileNames_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("csv");

    QTest::newRow("list.csv") << "/home/a/list.csv" << true;
    QTest::newRow("upper case") << "C:/Radio/LIST.CSV" << true;
    QTest::newRow("channel file") << "/home/a/list.doc" << false;
    QTest::newRow("csv inside the name") << "/home/a/csv.doc" << false;
    QTest::newRow("no extension") << "/home/a/csv" << false;
}

void TestChirpCsv::csvFileNames() {
    QFETCH(QString, path);
    QFETCH(bool, csv);
    QCOMPARE(isChirpCsvFileName(path), csv);
}

QTEST_GUILESS_MAIN(TestChirpCsv)
#include "tst_chirpcsv.moc"
