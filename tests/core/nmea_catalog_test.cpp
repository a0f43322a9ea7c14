#include "nmea/Catalog.h"

#include <gtest/gtest.h>

#include <numeric>
#include <string>

namespace birch {
namespace {

const Catalog& catalog()
{
    static const Catalog built = Catalog::Init_NMEA0183_Map();
    return built;
}

struct SentenceShape {
    int number;
    const char* name;
    std::size_t fields;
    int bytes; // sum of the field sizes
};

// Every sentence: its place, its name, how many fields and how many bytes they take together.
const SentenceShape kShapes[] = {
    {1, "ZDA", 9, 11},     {2, "BWC", 0, 0},         {3, "BWR", 0, 0},     {4, "DBT", 6, 15},    {5, "DPT", 3, 12},
    {6, "DSC", 0, 0},      {7, "GGA", 19, 39},       {8, "GLL", 12, 19},   {9, "GSA", 18, 27},   {10, "GSV", 8, 9},
    {11, "HDG", 5, 14},    {12, "HDM", 0, 0},        {13, "HDT", 2, 5},    {14, "HSC", 0, 0},    {15, "MDA", 20, 53},
    {16, "MTW", 2, 5},     {17, "MWD", 8, 20},       {18, "MWV", 5, 11},   {19, "RMB", 0, 0},    {20, "RMC", 20, 37},
    {21, "ROT", 2, 5},     {22, "RPM", 0, 0},        {23, "RSA", 4, 10},   {24, "VBW", 10, 28},  {25, "VDM", 0, 0},
    {26, "VDO", 0, 0},     {27, "VDR", 0, 0},        {28, "VHW", 8, 20},   {29, "VLW", 0, 0},    {30, "VTG", 9, 21},
    {31, "VWR", 8, 20},    {32, "XTE", 6, 9},        {33, "THS", 2, 5},    {34, "XDR", 4, 26},   {35, "$PJELA", 1, 1},
    {36, "DBK", 6, 15},    {37, "DBS", 6, 15},       {38, "DTM", 8, 21},   {39, "VWT", 8, 20},   {40, "$PJELC", 6, 15},
    {41, "$VTHA0", 1, 1},  {42, "$VTHA1", 1, 1},     {43, "$VTHA2", 1, 1}, {44, "$VTHA3", 1, 1}, {45, "$VTHA4", 1, 1},
    {46, "$VTHA5", 1, 1},  {47, "$VTHS0", 1, 1},     {48, "$VTHC0", 8, 9}, {49, "$VTHC1", 3, 3}, {50, "$VTHF0", 11, 17},
    {51, "$VTHF1", 8, 32}, {52, "$PSTKTSX5", 4, 12},
};

TEST(NmeaCatalog, HoldsEverySentenceInDeviceOrderWithItsFields)
{
    ASSERT_EQ(std::size(kShapes), 52u);
    int offered = 0;
    for (const auto& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        const auto index = static_cast<std::size_t>(shape.number - 1);
        const auto& entry = catalog().NMEA0183_Sentences()[index];
        const auto& fields = catalog().NMEA0183_Map()[index].Fields;
        EXPECT_EQ(entry.Name, shape.name);
        EXPECT_EQ(entry.Offered, shape.fields > 0);
        EXPECT_EQ(fields.size(), shape.fields);
        EXPECT_EQ(std::accumulate(fields.begin(), fields.end(), 0,
                                  [](int sum, const TFieldSentence& f) { return sum + f.Dimension; }),
                  shape.bytes);
        offered += entry.Offered ? 1 : 0;
    }
    EXPECT_EQ(offered, 41);
    EXPECT_EQ(catalog().offeredSentences().size(), 41u);
    EXPECT_EQ(catalog().offeredSentences().front(), "ZDA");
    EXPECT_EQ(catalog().offeredSentences().back(), "$PSTKTSX5");
}

struct FieldText {
    int sentence;
    int field;
    const char* text;
    int dimension;
};

TEST(NmeaCatalog, KeepsFieldTextsExactly)
{
    const FieldText cases[] = {
        {1, 0, "hour [decimal]", 1},
        {7, 1, "UTC of position, Minutes  [decimal]", 1},
        {7, 2, "UTC of position, Seconds  [decimal]", 1},
        {9, 2, "ID number of satellite 1 used in solution [decimal]", 1},
        {9, 13, "ID number of satellite 12 used in solution [decimal]", 1},
        {9, 16, "VDOP  [floating point]", 4},
        {11, 1, "Magnetic deviation, degrees,Number [floating point]", 4},
        {28, 0, "Degress True, Number [floating point]", 4},
        {34, 3, "Transducer ID [character string] (20 characters)", 20},
        {39, 0, "Calculated wind angle relative to the vessel, 0 to 180\u00b0, Number [floating point]", 4},
        {38, 7, "Reference datum code [string of 3 characters]", 3},
        {17, 0, "Wind direction, 0 to 359 degrees True, Number", 4},
        {52, 3, "Power, kW, Number [decimal]", 4},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const auto& fields = catalog().NMEA0183_Map()[static_cast<std::size_t>(c.sentence - 1)].Fields;
        ASSERT_LT(static_cast<std::size_t>(c.field), fields.size());
        EXPECT_EQ(fields[static_cast<std::size_t>(c.field)].Field, c.text);
        EXPECT_EQ(fields[static_cast<std::size_t>(c.field)].Dimension, c.dimension);
    }
    EXPECT_EQ(catalog().fieldTexts(37), catalog().fieldTexts(36));
}

enum class Lookup { Sentence, DataField, GetSentence, GetDataField };

struct LookupCase {
    Lookup lookup;
    int sentence;
    std::string sentenceName;
    std::string text;
    std::string expectedText;
    int expectedNumber;
};

TEST(NmeaCatalog, LookupEdgeCases)
{
    const LookupCase cases[] = {
        {Lookup::Sentence, 0, "", "ZDA", "", 1},
        {Lookup::Sentence, 0, "", "$PSTKTSX5", "", 52},
        {Lookup::Sentence, 0, "", "zda", "", -1},
        {Lookup::Sentence, 0, "", " ZDA", "", -1},
        {Lookup::Sentence, 0, "", "BWC", "", 2},
        {Lookup::GetSentence, 0, "", "BWC", "", 0},
        {Lookup::GetSentence, 0, "", "GSV", "GSV", 0},
        {Lookup::DataField, 2, "", "ANYTHING", "", -1},
        {Lookup::DataField, 1, "", "HOUR [DECIMAL]", "", 0},
        {Lookup::DataField, 1, "", "hour [decimal]", "", -1},
        {Lookup::DataField, 0, "", "HOUR [DECIMAL]", "", -1},
        {Lookup::DataField, 53, "", "HOUR [DECIMAL]", "", -1},
        {Lookup::DataField, 7, "", "UTC OF POSITION, MINUTES [DECIMAL]", "", -1},
        {Lookup::DataField, 7, "", "UTC OF POSITION, MINUTES  [DECIMAL]", "", 1},
        {Lookup::DataField, 37, "", "DEPTH, FEET, NUMBER [FLOATING POINT]", "", 0},
        {Lookup::DataField, 36, "", "DEPTH, FEET, NUMBER [FLOATING POINT]", "", 0},
        {Lookup::GetDataField, 0, "ZDA", "Hour [decimal]", "", 0},
        {Lookup::GetDataField, 0, "ZDA", "hour [decimal]", "hour [decimal]", 0},
        {Lookup::GetDataField, 0, "ZDA", "hour [decimal] ", "", 0},
        {Lookup::GetDataField, 0, "DPT", "hour [decimal]", "", 0},
        {Lookup::GetDataField, 0, "", "hour [decimal]", "", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text + " / " + std::to_string(c.sentence) + c.sentenceName);
        switch (c.lookup) {
        case Lookup::Sentence:
            EXPECT_EQ(catalog().GetIndexSentence(c.text), c.expectedNumber);
            EXPECT_EQ(catalog().Find_Sentence(c.text), c.expectedNumber);
            break;
        case Lookup::DataField:
            EXPECT_EQ(catalog().GetIndexDataField(c.sentence, c.text), c.expectedNumber);
            break;
        case Lookup::GetSentence:
            EXPECT_EQ(catalog().Get_Sentence(c.text), c.expectedText);
            break;
        case Lookup::GetDataField:
            EXPECT_EQ(catalog().Get_DataField(c.text, c.sentenceName), c.expectedText);
            break;
        }
    }
}

} // namespace
} // namespace birch
