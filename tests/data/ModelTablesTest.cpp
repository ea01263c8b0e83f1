#include "Fixtures.h"

#include "data/ModelTables.h"

#include <gtest/gtest.h>

namespace {

TEST(ModelTables, EveryOfferedPairSurvivesCodesAndBack) {
    for (const std::string& model : rv::ModelCodes) {
        for (const std::string& band : rv::BandsOfModel(model)) {
            const int code = rv::BandCodeOf(band, model);
            const int byte = rv::ModelByteOf(model);
            EXPECT_EQ(rv::ModelCodeOf(code, byte), model) << model << " " << band;
            EXPECT_EQ(rv::BandTextOf(code, model), band) << model << " " << band;
        }
    }
}

TEST(ModelTables, BandsOfferedPerModel) {
    EXPECT_EQ(rv::BandsOfModel("582"),
              (std::vector<std::string>{"136 - 174 MHz", "245 - 246 MHz"}));
    EXPECT_EQ(rv::BandsOfModel(" 7415 ").size(), 4u);
    EXPECT_TRUE(rv::BandsOfModel("9999").empty());
}

TEST(ModelTables, CodesOutsideTheModelList) {
    EXPECT_EQ(rv::ModelByteOf("1234"), 248);
    EXPECT_EQ(rv::BandCodeOf("100 - 200 MHz", "7415"), 0);
    EXPECT_EQ(rv::BandCodeOf("400 - 470 MHz", "1234"), 0); // a band of the table, no such model
    EXPECT_EQ(rv::BandTextOf(77, "7415"), "");
    EXPECT_EQ(rv::ModelCodeOf(65, 17), "592");
    EXPECT_EQ(rv::ModelCodeOf(83, 249), "582");
    EXPECT_EQ(rv::BandCodeOf("136 - 174 MHz", "592"), 99);
    EXPECT_EQ(rv::BandCodeOf("450 - 520 MHz", "592"), 48);
}

TEST(TakeModelInfo, SetsModelBandAndLimits) {
    rv::Session s;
    s.Doc.ModelInfo.ModelCode.set("6415");
    s.Doc.ModelInfo.BandCode = 1;
    rv::TakeModelInfo(s);
    EXPECT_EQ(s.CurModelCode, "6415");
    EXPECT_EQ(s.CurBand, "245 - 246 MHz");
    EXPECT_EQ(s.BandLow, 245);
    EXPECT_EQ(s.BandHigh, 246);
}

TEST(TakeModelInfo, UnknownPairKeepsPreviousModelAndBand) {
    const std::pair<const char*, int> bad[] = {
        {"582", 77}, {"582", 83}, {"6415", 65}, {"XYZ", 65}, {"", 65}};
    for (const auto& [model, code] : bad) {
        rv::Session s;
        s.CurModelCode = "592";
        s.CurBand = "450 - 520 MHz";
        rv::SetBandLimits(s);
        s.Doc.ModelInfo.ModelCode.set(model);
        s.Doc.ModelInfo.BandCode = static_cast<rv::Int16>(code);
        rv::TakeModelInfo(s);
        EXPECT_EQ(s.CurModelCode, "592") << model;
        EXPECT_EQ(s.CurBand, "450 - 520 MHz") << model;
        EXPECT_EQ(s.BandLow, 450);
        EXPECT_EQ(s.BandHigh, 520);
    }
}

TEST(SetModelInfo, FromTheCurrentModelAndBand) {
    rv::Session s;
    s.CurModelCode = "582";
    s.CurBand = "136 - 174 MHz";
    rv::SetModelInfo(s);
    EXPECT_EQ(std::string(s.Doc.ModelInfo.ModelCode.full()), std::string("582\0", 4));
    EXPECT_EQ(s.Doc.ModelInfo.ModelByte, 249);
    EXPECT_EQ(s.Doc.ModelInfo.BandCode, 1);
}

} // namespace
