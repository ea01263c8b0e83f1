#include "data/ChannelCsv.h"
#include "data/Conversions.h"
#include "data/Csv.h"
#include "data/Decimal.h"
#include "data/Defaults.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <map>
#include <random>

namespace {

using K = rv::ChannelFieldKind;
using rv::CsvRowAction;
using rv::CsvSkip;

const std::string Header21 =
    "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
    "RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,RPT2CALL,DVCODE\n";

// A new document of the band with the conventional DQT table.
rv::Session NewSession(const std::string& band) {
    rv::Session n;
    n.CurBand = band;
    rv::SetBandLimits(n);
    EXPECT_TRUE(rv::LoadDqtTable(n, RV_SOURCE_DIR "/resources/dec.tbl"));
    rv::InitRadioData(n, "20260101");
    return n;
}

class ChannelCsvTest : public ::testing::Test {
protected:
    void SetUp() override { s = NewSession("400 - 470 MHz"); }

    rv::CsvImportPlan import(const std::string& csv, rv::CsvImportOptions options = {}) {
        auto plan = rv::PlanChannelImport(s, csv, options);
        rv::ApplyChannelImport(s, plan);
        return plan;
    }
    void set(int n, K kind, const std::string& text) { rv::SetChannelField(s, n, kind, text); }
    std::string field(int n, K kind) {
        const rv::ChannelInfo* ch = rv::ChannelOf(s.Doc, n);
        return ch ? rv::ChannelFieldText(s, *ch, kind) : "(no channel)";
    }
    // One data row in the 21-column order: defaults of a plain simplex channel 1, overridden.
    static std::string Row(const std::map<std::string, std::string>& values) {
        std::map<std::string, std::string> v{
            {"Location", "1"},      {"Frequency", "446.000000"}, {"Offset", "0.000000"},
            {"rToneFreq", "88.5"},  {"cToneFreq", "88.5"},       {"DtcsCode", "023"},
            {"DtcsPolarity", "NN"}, {"RxDtcsCode", "023"},       {"CrossMode", "Tone->Tone"},
            {"Mode", "FM"},         {"TStep", "5.00"},           {"Power", "High"}};
        for (const auto& [k, value] : values)
            v[k] = value;
        std::vector<std::string> fields;
        for (const auto& column : rv::CsvHeader())
            fields.push_back(v[column]);
        return rv::CsvLine(fields);
    }
    // The exported data row of channel n, by column name.
    std::map<std::string, std::string> exported(int n) {
        const auto table = rv::ParseCsv(rv::ExportChannelsCsv(s));
        for (const auto& r : table.records) {
            if (r.fields[0] != std::to_string(n)) continue;
            std::map<std::string, std::string> row;
            for (std::size_t i = 0; i < r.fields.size(); ++i)
                row[table.records[0].fields[i]] = r.fields[i];
            return row;
        }
        return {};
    }

    rv::Session s;
};

// --- Round trips --------------------------------------------------------------------------

// A document whose channels hold random valid settings, created in random order.
rv::Session RandomDocument(std::mt19937& rng, const std::string& band) {
    rv::Session d = NewSession(band);
    const auto pick = [&](int n) { return static_cast<int>(rng() % static_cast<unsigned>(n)); };
    const std::int64_t low = static_cast<std::int64_t>(d.BandLow) * 100000;
    const std::int64_t span = static_cast<std::int64_t>(d.BandHigh - d.BandLow) * 100000;
    const auto onRaster = [&] {
        const std::int64_t step = pick(2) ? 500 : 625;
        return low + step * pick(static_cast<int>(span / step) + 1);
    };
    std::vector<int> numbers(16);
    for (int i = 0; i < 16; ++i)
        numbers[i] = i + 1;
    std::shuffle(numbers.begin(), numbers.end(), rng);
    numbers.resize(static_cast<std::size_t>(pick(17)));
    const auto& tones = rv::ToneList(rv::English);
    for (const int n : numbers) {
        const std::int64_t rx = onRaster();
        rv::SetChannelField(d, n, K::RxFreq, rv::FormatUnits(rx));
        const std::int64_t shifted = rx + (pick(2) ? 1 : -1) * 500 * pick(2001);
        const std::int64_t txChoices[] = {rx, shifted, onRaster()};
        const std::int64_t tx = txChoices[pick(3)];
        const bool inBand = tx >= low && tx <= low + span;
        if (pick(4) && inBand) rv::SetChannelField(d, n, K::TxFreq, rv::FormatUnits(tx));
        // A shared tone now and then, so that TSQL and DTCS turn up as often as cross modes.
        const std::string& rxTone = tones[static_cast<std::size_t>(pick(206))];
        const std::string& txTone = pick(3) ? tones[static_cast<std::size_t>(pick(206))] : rxTone;
        rv::SetChannelField(d, n, K::RxCode, pick(4) ? rxTone : tones[0]);
        rv::SetChannelField(d, n, K::TxCode, txTone);
        for (const K kind :
             {K::TxPower, K::ScanAdd, K::OptSignal, K::PttId, K::WideNarrow, K::BusyLockout}) {
            const auto texts = rv::ChannelChoiceTexts(kind, rv::English);
            rv::SetChannelField(
                d, n, kind, texts[static_cast<std::size_t>(pick(static_cast<int>(texts.size())))]);
        }
        rv::SetChannelField(d, n, K::AutodialMem, std::to_string(1 + pick(8)));
        rv::SetChannelField(d, n, K::Compander, std::to_string(pick(2)));
    }
    return d;
}

TEST_F(ChannelCsvTest, RandomDocumentsSurviveExportAndImport) {
    std::mt19937 rng(52);
    for (int i = 0; i < 300; ++i) {
        const std::string band = i % 2 ? "136 - 174 MHz" : "400 - 470 MHz";
        rv::Session d = RandomDocument(rng, band);
        const std::string csv = rv::ExportChannelsCsv(d);

        const rv::RadioData before = d.Doc;
        const auto plan = rv::PlanChannelImport(d, csv, {});
        ASSERT_EQ(plan.skippedCount(), 0) << csv;
        rv::ApplyChannelImport(d, plan);
        ASSERT_EQ(d.Doc, before) << csv;

        // Into a new document the columns bring every setting they carry.
        rv::Session fresh = NewSession(band);
        rv::ApplyChannelImport(fresh, rv::PlanChannelImport(fresh, csv, {}));
        ASSERT_EQ(rv::ExportChannelsCsv(fresh), csv);
    }
}

// --- The variants of the layout -----------------------------------------------------------

TEST_F(ChannelCsvTest, EveryVariantOfTheLayoutGivesTheSameChannels) {
    const std::string full =
        Header21 +
        "1,PMR1,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,High,,,,,\n"
        "2,PMR2,446.018750,,0.000000,TSQL,88.5,67.0,023,NN,023,Tone->Tone,NFM,6.25,S,High,,,,,\n"
        "3,Rpt,439.500000,-,7.600000,DTCS,88.5,88.5,754,RR,023,Tone->Tone,FM,5.00,,High,,,,,\n";
    const std::string older =
        "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,DtcsPolarity,"
        "Mode,TStep,Skip,Comment,URCALL,RPT1CALL,RPT2CALL\n"
        "1,PMR1,446.00625,,0,,88.5,88.5,023,NN,NFM,6.25,,,,,\n"
        "2,PMR2,446.01875,,0,TSQL,88.5,67.0,023,NN,NFM,6.25,S,,,,\n"
        "3,Rpt,439.5,-,7.6,DTCS,88.5,88.5,754,RR,FM,5.00,,,,,\n";
    const std::string reordered =
        "extra,MODE,frequency,tone,dtcscode,DTCSPOLARITY,location,ctonefreq,duplex,offset,skip\n"
        "x,NFM,446.0062500,,,,1,,,,\n"
        "y,NFM,446.01875,tsql,,,2,67,,,s\n"
        "z,FM,439.5,DTCS,754,RR,3,,-,7.6,\n";
    const std::string semicolons =
        "Location;Name;Frequency;Duplex;Offset;Tone;rToneFreq;cToneFreq;DtcsCode;DtcsPolarity;"
        "Mode;Skip\r\n"
        "1;PMR1;446,006250;;0,000000;;88,5;88,5;23;NN;NFM;\r\n"
        "2;PMR2;446,01875;;0;TSQL;88,5;67,0;23;NN;NFM;S\r\n"
        "3;Rpt;439,5;-;7,6;DTCS;88,5;88,5;754;RR;FM;\r\n";
    std::string quoted;
    for (const auto& r : rv::ParseCsv(older).records) {
        std::string line;
        for (const auto& f : r.fields)
            line += (line.empty() ? "\"" : ",\"") + f + "\"";
        quoted += line + "\n";
    }
    std::string bomCrlf = "\xEF\xBB\xBF";
    for (const char c : full)
        bomCrlf += c == '\n' ? std::string("\r\n") : std::string(1, c);

    const struct {
        const char* name;
        std::string text;
    } variants[] = {{"21 columns", full},       {"17 columns", older}, {"reordered", reordered},
                    {"semicolons", semicolons}, {"quoted", quoted},    {"BOM and CRLF", bomCrlf}};
    const std::string expected =
        rv::CsvLine(rv::CsvHeader()) +
        "1,CH01,446.006250,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,6.25,,High,,,,,\r\n"
        "2,CH02,446.018750,,0.000000,TSQL,88.5,67.0,023,NN,023,Tone->Tone,NFM,6.25,S,High,,,,,\r\n"
        "3,CH03,439.500000,-,7.600000,DTCS,88.5,88.5,754,RR,023,Tone->Tone,FM,5.00,,High,,,,,\r\n";
    for (const auto& v : variants) {
        s = NewSession("400 - 470 MHz");
        const auto plan = import(v.text);
        EXPECT_EQ(plan.skippedCount(), 0) << v.name << ": " << rv::CsvImportReport(plan, 1)[0];
        EXPECT_EQ(rv::ExportChannelsCsv(s), expected) << v.name;
    }
}

// --- Meaning of the columns, both ways ----------------------------------------------------

TEST_F(ChannelCsvTest, EachToneModeBothWays) {
    const struct {
        const char* dec;
        const char* enc;
        const char* tone;
        const char* cross;
        const char* rTone;
        const char* cTone;
        const char* dtcs;
        const char* rxDtcs;
        const char* polarity;
    } cases[] = {
        {"None", "None", "", "Tone->Tone", "88.5", "88.5", "023", "023", "NN"},
        {"None", "100.0", "Tone", "Tone->Tone", "100.0", "88.5", "023", "023", "NN"},
        {"100.0", "100.0", "TSQL", "Tone->Tone", "88.5", "100.0", "023", "023", "NN"},
        {"D754N", "D754N", "DTCS", "Tone->Tone", "88.5", "88.5", "754", "023", "NN"},
        {"D754I", "D754I", "DTCS", "Tone->Tone", "88.5", "88.5", "754", "023", "RR"},
        {"67.0", "100.0", "Cross", "Tone->Tone", "100.0", "67.0", "023", "023", "NN"},
        {"D031I", "100.0", "Cross", "Tone->DTCS", "100.0", "88.5", "023", "031", "NR"},
        {"67.0", "D031I", "Cross", "DTCS->Tone", "88.5", "67.0", "031", "023", "RN"},
        {"67.0", "None", "Cross", "->Tone", "88.5", "67.0", "023", "023", "NN"},
        {"D031N", "None", "Cross", "->DTCS", "88.5", "88.5", "023", "031", "NN"},
        {"None", "D031N", "Cross", "DTCS->", "88.5", "88.5", "031", "023", "NN"},
        {"D025N", "D031I", "Cross", "DTCS->DTCS", "88.5", "88.5", "031", "025", "RN"},
        {"D031N", "D031I", "Cross", "DTCS->DTCS", "88.5", "88.5", "031", "031", "RN"},
    };
    for (const auto& c : cases) {
        s = NewSession("400 - 470 MHz");
        set(1, K::RxFreq, "446");
        set(1, K::TxFreq, "446");
        set(1, K::RxCode, c.dec);
        set(1, K::TxCode, c.enc);
        const std::string name = std::string(c.dec) + "/" + c.enc;
        auto row = exported(1);
        EXPECT_EQ(row["Tone"], c.tone) << name;
        EXPECT_EQ(row["CrossMode"], c.cross) << name;
        EXPECT_EQ(row["rToneFreq"], c.rTone) << name;
        EXPECT_EQ(row["cToneFreq"], c.cTone) << name;
        EXPECT_EQ(row["DtcsCode"], c.dtcs) << name;
        EXPECT_EQ(row["RxDtcsCode"], c.rxDtcs) << name;
        EXPECT_EQ(row["DtcsPolarity"], c.polarity) << name;

        const std::string csv = rv::ExportChannelsCsv(s);
        s = NewSession("400 - 470 MHz");
        import(csv);
        EXPECT_EQ(field(1, K::RxCode), c.dec) << name;
        EXPECT_EQ(field(1, K::TxCode), c.enc) << name;
    }
}

TEST_F(ChannelCsvTest, DuplexAndOffsetBothWays) {
    const struct {
        const char* tx;
        const char* duplex;
        const char* offset;
    } cases[] = {
        {"", "off", "0.000000"},
        {"446.00000", "", "0.000000"},
        {"446.60000", "+", "0.600000"},
        {"440.00000", "-", "6.000000"},
        {"456.00000", "+", "10.000000"},
        {"456.00625", "split", "456.006250"},
        {"400.00000", "split", "400.000000"},
    };
    for (const auto& c : cases) {
        s = NewSession("400 - 470 MHz");
        set(1, K::RxFreq, "446");
        set(1, K::TxFreq, c.tx);
        auto row = exported(1);
        EXPECT_EQ(row["Frequency"], "446.000000");
        EXPECT_EQ(row["Duplex"], c.duplex) << c.tx;
        EXPECT_EQ(row["Offset"], c.offset) << c.tx;
        const std::string csv = rv::ExportChannelsCsv(s);
        s = NewSession("400 - 470 MHz");
        import(csv);
        EXPECT_EQ(field(1, K::TxFreq), c.tx);
    }
}

TEST_F(ChannelCsvTest, ExportWritesTheFullLayoutInChannelOrder) {
    set(9, K::RxFreq, "446.00625");
    set(2, K::RxFreq, "430");
    set(2, K::TxFreq, "430");
    set(2, K::TxPower, "Low");
    set(2, K::ScanAdd, "No");
    set(2, K::WideNarrow, "Narrow");
    EXPECT_EQ(rv::ExportChannelsCsv(s),
              "Location,Name,Frequency,Duplex,Offset,Tone,rToneFreq,cToneFreq,DtcsCode,"
              "DtcsPolarity,RxDtcsCode,CrossMode,Mode,TStep,Skip,Power,Comment,URCALL,RPT1CALL,"
              "RPT2CALL,DVCODE\r\n"
              "2,CH02,430.000000,,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,NFM,5.00,S,Low,,,,,\r\n"
              "9,CH09,446.006250,off,0.000000,,88.5,88.5,023,NN,023,Tone->Tone,FM,6.25,,High,,,,,"
              "\r\n");
}

TEST_F(ChannelCsvTest, PowerSkipAndModeTexts) {
    const struct {
        const char* power;
        const char* skip;
        const char* mode;
        const char* tx_power;
        const char* scan;
        const char* wide;
    } cases[] = {
        {"Low", "S", "NFM", "Low", "No", "Narrow"},   {"LOW", "s", "nfm", "Low", "No", "Narrow"},
        {"0.5W low", "", "FM", "Low", "Yes", "Wide"}, {"50W", "P", "fm", "High", "Yes", "Wide"},
        {"", "", "FM", "High", "Yes", "Wide"},        {"0.5W", "", "FM", "Low", "Yes", "Wide"},
        {"2.49 W", "", "FM", "Low", "Yes", "Wide"},   {"2.5W", "", "FM", "High", "Yes", "Wide"},
        {"500mW", "", "FM", "Low", "Yes", "Wide"},
    };
    for (const auto& c : cases) {
        import(Header21 + Row({{"Power", c.power}, {"Skip", c.skip}, { "Mode", c.mode }}));
        EXPECT_EQ(field(1, K::TxPower), c.tx_power) << c.power;
        EXPECT_EQ(field(1, K::ScanAdd), c.scan) << c.skip;
        EXPECT_EQ(field(1, K::WideNarrow), c.wide) << c.mode;
    }
}

// --- Skipped rows -------------------------------------------------------------------------

TEST_F(ChannelCsvTest, UnusableRowsAreSkippedWithTheirReason) {
    using V = std::map<std::string, std::string>;
    const struct {
        V values;
        CsvSkip why;
        const char* detail;
    } cases[] = {
        {{{"Frequency", "44a"}}, CsvSkip::BadNumber, "Frequency \"44a\""},
        {{{"Duplex", "+"}, {"Offset", "0.6.1"}}, CsvSkip::BadNumber, "Offset \"0.6.1\""},
        {{{"Location", "one"}}, CsvSkip::BadNumber, "Location \"one\""},
        {{{"Tone", "DTCS"}, {"DtcsCode", "2x"}}, CsvSkip::BadNumber, "DtcsCode \"2x\""},
        {{{"Tone", "Tone"}, {"rToneFreq", ""}}, CsvSkip::BadNumber, "rToneFreq \"\""},
        {{{"Location", "17"}}, CsvSkip::NoSuchChannel, "Location \"17\""},
        {{{"Location", "0"}}, CsvSkip::NoSuchChannel, "Location \"0\""},
        {{{"Location", "2.5"}}, CsvSkip::NoSuchChannel, "Location \"2.5\""},
        {{{"Frequency", "480"}}, CsvSkip::OutsideBand, "Frequency \"480\""},
        {{{"Frequency", "399.995"}}, CsvSkip::OutsideBand, "Frequency \"399.995\""},
        {{{"Duplex", "+"}, {"Offset", "30"}}, CsvSkip::OutsideBand, "TX 476.00000"},
        {{{"Duplex", "split"}, {"Offset", "146.52"}}, CsvSkip::OutsideBand, "TX 146.52000"},
        {{{"Frequency", "446.0062"}}, CsvSkip::OffRaster, "Frequency \"446.0062\""},
        {{{"Frequency", "446.0062501"}}, CsvSkip::OffRaster, "Frequency \"446.0062501\""},
        {{{"Duplex", "-"}, {"Offset", "0.0001"}}, CsvSkip::OffRaster, "TX 445.99990"},
        {{{"Tone", "Tone"}, {"rToneFreq", "69.4"}}, CsvSkip::ToneNotOffered, "rToneFreq \"69.4\""},
        {{{"Tone", "TSQL"}, {"cToneFreq", "88.55"}},
         CsvSkip::ToneNotOffered,
         "cToneFreq \"88.55\""},
        {{{"Tone", "DTCS"}, {"DtcsCode", "017"}}, CsvSkip::ToneNotOffered, "DtcsCode \"017\""},
        {{{"Tone", "Cross"}, {"CrossMode", "->DTCS"}, {"RxDtcsCode", "9"}},
         CsvSkip::ToneNotOffered,
         "RxDtcsCode \"9\""},
        {{{"Tone", "DTCS-R"}}, CsvSkip::UnknownTone, "Tone \"DTCS-R\""},
        {{{"Tone", "Cross"}, {"CrossMode", "Tone->X"}},
         CsvSkip::UnknownTone,
         "CrossMode \"Tone->X\""},
        {{{"Tone", "DTCS"}, {"DtcsPolarity", "NX"}}, CsvSkip::BadPolarity, "DtcsPolarity \"NX\""},
        {{{"Tone", "DTCS"}, {"DtcsPolarity", "r"}}, CsvSkip::BadPolarity, "DtcsPolarity \"r\""},
        // Echoed fields show control bytes and stop after 40 characters.
        {{{"Frequency", std::string("4\0\x1b", 3)}},
         CsvSkip::BadNumber,
         "Frequency \"4\\x00\\x1B\""},
        {{{"Frequency", std::string(99999, '9') + "x"}},
         CsvSkip::BadNumber,
         "Frequency \"9999999999999999999999999999999999999999...\""},
        {{{"Mode", "AM"}}, CsvSkip::UnknownMode, "Mode \"AM\""},
        {{{"Mode", "DV"}}, CsvSkip::UnknownMode, "Mode \"DV\""},
        {{{"Duplex", "x"}}, CsvSkip::UnknownDuplex, "Duplex \"x\""},
    };
    set(1, K::RxFreq, "430");
    const rv::RadioData before = s.Doc;
    for (const auto& c : cases) {
        const auto plan = import(Header21 + Row(c.values));
        ASSERT_EQ(plan.rows.size(), 1u);
        const auto& row = plan.rows[0];
        EXPECT_EQ(row.action, CsvRowAction::Skip) << c.detail;
        EXPECT_EQ(row.skip, c.why) << c.detail;
        EXPECT_EQ(row.detail, c.detail);
        EXPECT_EQ(s.Doc, before) << c.detail;
    }
    // The fault is quoted as the file has it, decimal comma and all.
    const auto semicolons = rv::PlanChannelImport(s, "Location;Frequency\n1;44a,5\n", {});
    EXPECT_EQ(semicolons.rows.at(0).detail, "Frequency \"44a,5\"");
}

TEST_F(ChannelCsvTest, ToneColumnsTheModeDoesNotUseAreIgnored) {
    const auto plan = import(Header21 + Row({{"Tone", "Tone"},
                                             {"rToneFreq", "67"},
                                             {"cToneFreq", "junk"},
                                             {"DtcsCode", "999"},
                                             {"DtcsPolarity", "??"},
                                             {"CrossMode", "x"}}));
    EXPECT_EQ(plan.skippedCount(), 0);
    EXPECT_EQ(field(1, K::TxCode), "67.0");
    EXPECT_EQ(field(1, K::RxCode), "None");
}

TEST_F(ChannelCsvTest, SkipReportReadsInBothLanguages) {
    const auto plan = rv::PlanChannelImport(
        s, Header21 + Row({{"Location", "3"}, {"Frequency", "480"}}) + Row({{"Location", "4"}}),
        {});
    EXPECT_EQ(rv::CsvImportReport(plan, rv::English),
              (std::vector<std::string>{
                  "Row 2, channel 3: Skipped: outside the band (Frequency \"480\")",
                  "Row 3, channel 4: New: RX 446.00000, TX 446.00000, Dec None, Enc None, "
                  "Power High, Scan add Yes, W/N Wide",
                  "Rows imported: 1; rows skipped: 1; channels cleared: 0."}));
    EXPECT_EQ(rv::CsvImportReport(plan, rv::Chinese)[0],
              "第 2 行，信道 3：跳过：超出频段 (Frequency \"480\")");
}

// --- Where rows go and what they leave alone ----------------------------------------------

TEST_F(ChannelCsvTest, ExistingChannelKeepsWhatNoColumnCarries) {
    set(3, K::RxFreq, "430");
    set(3, K::RxCode, "67.0");
    set(3, K::OptSignal, "DTMF");
    set(3, K::BusyLockout, "QT/DQ");
    set(3, K::SpUnmute, "QT/DQT + Opt.Sig.");
    set(3, K::PttId, "On");
    set(3, K::Compander, "1");
    const auto plan =
        import(Header21 + Row({{"Location", "3"}, {"Tone", "TSQL"}, {"cToneFreq", "100.0"}}) +
               Row({{"Location", "4"}}));
    EXPECT_EQ(plan.rows[0].action, CsvRowAction::Change);
    EXPECT_EQ(plan.rows[1].action, CsvRowAction::New);
    for (const auto& [kind, text] :
         std::vector<std::pair<K, std::string>>{{K::RxFreq, "446.00000"},
                                                {K::RxCode, "100.0"},
                                                {K::OptSignal, "DTMF"},
                                                {K::BusyLockout, "QT/DQ"},
                                                {K::SpUnmute, "QT/DQT + Opt.Sig."},
                                                {K::PttId, "On"},
                                                {K::Compander, "1"}})
        EXPECT_EQ(field(3, kind), text) << static_cast<int>(kind);
    rv::ChannelInfo expected = rv::NewChannel(4);
    expected.RxFreq.set("44600000");
    expected.TxFreq.set("44600000");
    expected.AuxBit4 = 0;
    EXPECT_EQ(*rv::ChannelOf(s.Doc, 4), expected);
}

TEST_F(ChannelCsvTest, ColumnsMissingFromTheFileChangeNothing) {
    set(2, K::RxFreq, "430");
    set(2, K::TxFreq, "431");
    set(2, K::RxCode, "D023N");
    set(2, K::TxPower, "Low");
    import("Location,Frequency\n2,440\n5,441.0\n");
    EXPECT_EQ(field(2, K::RxFreq), "440.00000");
    EXPECT_EQ(field(2, K::TxFreq), "431.00000");
    EXPECT_EQ(field(2, K::RxCode), "D023N");
    EXPECT_EQ(field(2, K::TxPower), "Low");
    // A new channel starts as one typed into the grid: no transmit frequency yet.
    EXPECT_EQ(field(5, K::TxFreq), "");
}

TEST_F(ChannelCsvTest, RenumberFillsFromOneAndReplaceAllClearsTheRest) {
    for (int n : {1, 2, 7})
        set(n, K::RxFreq, "430");
    std::string csv = "Location,Frequency\n9,440\n5,999\n,441\n";
    const auto plan = import(csv, {true, true});
    ASSERT_EQ(plan.rows.size(), 3u);
    EXPECT_EQ(plan.rows[0].chNo, 1);
    EXPECT_EQ(plan.rows[0].action, CsvRowAction::Change);
    EXPECT_EQ(plan.rows[1].action, CsvRowAction::Skip);
    EXPECT_EQ(plan.rows[2].chNo, 2);
    EXPECT_EQ(plan.cleared, std::vector<int>{7});
    EXPECT_EQ(field(1, K::RxFreq), "440.00000");
    EXPECT_EQ(field(2, K::RxFreq), "441.00000");
    EXPECT_EQ(s.Doc.ChannelCount, 2);

    csv = "Frequency\n";
    for (int i = 0; i < 17; ++i)
        csv += "446\n";
    const auto full = import(csv, {true, false});
    EXPECT_EQ(full.rows[16].skip, CsvSkip::NoChannelLeft);
    EXPECT_EQ(full.skippedCount(), 1);
    EXPECT_EQ(s.Doc.ChannelCount, 16);
}

TEST_F(ChannelCsvTest, ReportSaysWhatTheChannelHoldsAndAnUnusableListReplacesNothing) {
    set(2, K::RxFreq, "440");
    set(2, K::TxFreq, "");
    const rv::RadioData before = s.Doc;
    EXPECT_TRUE(import("Location,Frequency\n2,999\n", {false, true}).cleared.empty());
    EXPECT_EQ(s.Doc, before);
    // No transmit frequency: no encode tone is stored, and none is reported.
    const auto plan = import("Location,Frequency,Tone,CrossMode,DtcsCode,RxDtcsCode\n"
                             "2,446,Cross,DTCS->DTCS,023,023\n");
    EXPECT_EQ(rv::CsvRowDetails(plan.rows.at(0), rv::English), "RX 446.00000, Dec D023N");
}

TEST_F(ChannelCsvTest, SecondRowForAChannelIsSkippedAndTheFirstKept) {
    const auto plan = import("Location,Frequency\n4,999\n4,440\n4,441\n");
    EXPECT_EQ(plan.rows[0].skip, CsvSkip::OutsideBand);
    EXPECT_EQ(plan.rows[1].action, CsvRowAction::New);
    EXPECT_EQ(plan.rows[2].skip, CsvSkip::ChannelTaken);
    EXPECT_EQ(field(4, K::RxFreq), "440.00000");
}

TEST_F(ChannelCsvTest, FilesThatAreNoChannelListAreRefusedWhole) {
    EXPECT_EQ(rv::PlanChannelImport(s, "", {}).error, rv::CsvFileError::NoHeader);
    EXPECT_EQ(rv::PlanChannelImport(s, "a,b\n1,2\n", {}).error, rv::CsvFileError::NoHeader);
    EXPECT_EQ(rv::PlanChannelImport(s, "Name,Frequency\nx,446\n", {}).error,
              rv::CsvFileError::NoLocation);
    const auto titled = rv::PlanChannelImport(s, "My plan\nName,Frequency\nx,446\n", {true});
    EXPECT_EQ(titled.error, rv::CsvFileError::None);
    EXPECT_EQ(titled.rows.at(0).line, 3);
    EXPECT_EQ(rv::CsvImportReport(titled, rv::English).at(1),
              "Not imported, the radio has no place for them: Name.");
    for (const std::string bom : {"\xFF\xFE", ""})
        EXPECT_EQ(rv::PlanChannelImport(s, bom + std::string("L\0o\0c\0", 6), {}).error,
                  rv::CsvFileError::Utf16);
}

} // namespace

// Both help pages name the full layout as export writes it.
TEST(ChannelCsvHelp, PagesNameTheColumnsExportWrites) {
    std::string columns;
    for (const auto& c : rv::CsvHeader())
        columns += (columns.empty() ? "" : ", ") + c;
    for (const char* page : {"RVPS-52N_e.html", "RVPS-52N_c.html"}) {
        std::ifstream in(std::string(RV_SOURCE_DIR "/resources/help/") + page);
        std::string text((std::istreambuf_iterator<char>(in)), {});
        std::replace(text.begin(), text.end(), '\n', ' ');
        EXPECT_NE(text.find(columns), std::string::npos) << page;
    }
}
