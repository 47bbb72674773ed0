#include "snapshot/SnapshotFile.h"

#include <gtest/gtest.h>

#include "check/ReportBuilder.h"
#include "support/MemoryFileSystem.h"
#include "support/RaisedMessage.h"

namespace {

const std::string kFolder = "C:\\Tools\\";

class SnapshotFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        files.folders.insert("C:\\Tools");
        locale.ShortDateFormat = "d-M-yyyy";
        locale.LongTimeFormat = "H:mm:ss";
    }
    void Add(const std::string& name, const std::string& version) {
        names.push_back(name);
        versions.push_back(version);
    }
    std::string Save(std::string_view typedName) {
        return SaveSnapshot(typedName, names, versions, kFolder, moment, locale, files);
    }

    TMemoryFileSystem files;
    TTextList names;
    TTextList versions;
    TDateTime moment{2004, 2, 3, 9, 5, 7, 2};
    TLocaleFormats locale;
};

TEST_F(SnapshotFileTest, FirstSaveWritesTheProductsInListOrderThenTheTimestamp) {
    Add("Grid 4 (Delphi 7)", "4.2");
    Add("Bars 5 (Delphi 7)", "");
    Add("Editors 3 (Delphi 6)", ":[?]");
    EXPECT_EQ(Save("a*b"), kFolder + "a_b.plx");
    EXPECT_EQ(files.files[kFolder + "a_b.plx"],
              "[a_b]\r\n"
              "Grid 4 (Delphi 7)=4.2\r\n"
              "Bars 5 (Delphi 7)=\r\n"
              "Editors 3 (Delphi 6)=:[?]\r\n"
              "\\datetime\\=3-2-2004 9:05:07\r\n");
}

TEST_F(SnapshotFileTest, TheTypedNameIsSanitizedButKeepsBlanksPeriodsAndSlashes) {
    EXPECT_EQ(Save("my result"), kFolder + "my result.plx");
    EXPECT_EQ(files.files[kFolder + "my result.plx"], "[my result]\r\n\\datetime\\=3-2-2004 9:05:07\r\n");
    EXPECT_EQ(Save("a.b"), kFolder + "a.b.plx");
    EXPECT_EQ(files.files[kFolder + "a.b.plx"], "[a.b]\r\n\\datetime\\=3-2-2004 9:05:07\r\n");
}

TEST_F(SnapshotFileTest, ALaterSaveKeepsKeysInPlaceAndAppendsNewOnes) {
    files.files[kFolder + "My.plx"] =
        "; kept\r\n"
        "[other]\r\n"
        "Grid 4 (Delphi 7)=0.1\r\n"
        "\r\n"
        "[MY]\r\n"
        "\\DateTime\\=1-1-2003\r\n"
        "grid 4 (delphi 7)=4.1\r\n"
        "Uninstalled (Delphi 5)=1.0\r\n"
        "\r\n"
        "[last]\r\n"
        "x=1\r\n";
    Add("Grid 4 (Delphi 7)", "4.2");
    Add("New 1 (Delphi 7)", "1.0");
    Save("My");
    EXPECT_EQ(files.files[kFolder + "My.plx"],
              "; kept\r\n"
              "[other]\r\n"
              "Grid 4 (Delphi 7)=0.1\r\n"
              "\r\n"
              "[MY]\r\n"
              "\\DateTime\\=3-2-2004 9:05:07\r\n"
              "grid 4 (delphi 7)=4.2\r\n"
              "Uninstalled (Delphi 5)=1.0\r\n"
              "New 1 (Delphi 7)=1.0\r\n"
              "\r\n"
              "[last]\r\n"
              "x=1\r\n");
}

TEST_F(SnapshotFileTest, TheTimestampIsTheShortDateAndTheLongTimeButOnlyTheDateAtMidnight) {
    locale.LongTimeFormat = "h:mm:ss tt";
    struct TCase {
        TDateTime moment;
        const char* text;
    } cases[] = {
        {{2004, 2, 3, 15, 5, 7, 2}, "3-2-2004 3:05:07 PM"},  {{2004, 2, 3, 0, 0, 0, 2}, "3-2-2004"},
        {{2004, 2, 3, 0, 0, 1, 2}, "3-2-2004 12:00:01 AM"},  {{2004, 2, 3, 0, 1, 0, 2}, "3-2-2004 12:01:00 AM"},
        {{2004, 2, 3, 12, 0, 0, 2}, "3-2-2004 12:00:00 PM"},
    };
    for (const TCase& row : cases)
        EXPECT_EQ(SnapshotTimestamp(row.moment, locale), row.text);
}

TEST_F(SnapshotFileTest, AStopHalfWayWritesNothing) {
    const std::string old = "[s]\r\nGrid 4 (Delphi 7)=4.1\r\n";
    files.files[kFolder + "s.plx"] = old;
    Add("Grid 4 (Delphi 7)", "4.2");
    Add("Bars 5 (Delphi 7)", "5.1");
    names.push_back("Editors 3 (Delphi 6)");  // the check stopped before reading its version

    EXPECT_EQ(MessageOf([&] { Save("s"); }), "List index out of bounds (2)");
    EXPECT_EQ(files.files[kFolder + "s.plx"], old);
    EXPECT_EQ(MessageOf([&] { Save("new"); }), "List index out of bounds (2)");
    EXPECT_FALSE(files.FileExists(kFolder + "new.plx"));
}

TEST_F(SnapshotFileTest, ANameIntoAMissingSubfolderCannotBeWritten) {
    Add("Grid 4 (Delphi 7)", "4.2");
    EXPECT_EQ(MessageOf([&] { Save("sub\\x"); }), "Unable to write to C:\\Tools\\sub\\x.plx");
    EXPECT_TRUE(files.files.empty());
}

// A name that Windows opens as a device would save nothing (NUL) or fail late (CON): it is refused
// before the file is touched, whichever of its forms was typed. Names that only look alike are saved.
TEST_F(SnapshotFileTest, DeviceNamesAreRefusedBeforeAnythingIsWritten) {
    Add("Grid 4 (Delphi 7)", "4.2");
    const struct {
        const char* typed;
        bool device;
    } rows[] = {
        {"NUL", true},      {"nul", true},    {"Con", true},        {"PRN", true},     {"aux", true},
        {"COM1", true},     {"com9", true},   {"LPT1", true},       {"lpt9", true},    {"nul.txt", true},
        {"NUL ", true},     {"NUL.", true},   {"nul . ", true},     {"NUL:", true},    {"aux :", true},
        {"sub\\CON", true}, {"x:lpt3", true}, {"nul.tar.gz", true}, {"NULL", false},   {"COM10", false},
        {"lpt", false},     {"con_", false},  {"my nul", false},    {"nul\\x", false}, {"CONIN$", false},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.typed);
        files.files.clear();
        const std::string message = MessageOf([&] { Save(row.typed); });
        if (row.device) {
            EXPECT_TRUE(files.files.empty());
            EXPECT_EQ(MessageOf([&] { SavedSnapshotPath(row.typed, kFolder); }), message);
        } else {
            EXPECT_EQ(MessageOf([&] { SavedSnapshotPath(row.typed, kFolder); }), "");
        }
        EXPECT_EQ(message.starts_with("\""), row.device) << message;
    }
    EXPECT_EQ(MessageOf([&] { Save("Nul "); }),
              "\"Nul \" names a device, not a snapshot file\r\n"
              "Choose another name: Windows keeps CON, PRN, AUX, NUL, COM1 to COM9 and LPT1 to LPT9, with any "
              "extension, for its devices");
}

// What Save Result writes, the report reads back: no differences, and its save time in the header.
TEST_F(SnapshotFileTest, ASavedSnapshotComparesEqualToTheListItWasSavedFrom) {
    Add("Grid 4 (Delphi 7)", "4.2");
    Add(" Padded (Delphi 6) ", "5.1 ");
    Add("Quoted (Delphi 7)", "\"3.0\"");
    Add("Empty (Delphi 7)", "");
    Save("base");
    TProductList products{names, versions};
    TReportInputs inputs;
    inputs.Products = &products;
    inputs.CompareChoice = " base.plx ";
    inputs.ProgramFolder = kFolder;
    const TReport report = BuildReport(inputs, files);
    EXPECT_EQ(report.DifferenceCount, 1) << "only the quoted version, whose quotes the reader drops";
    EXPECT_EQ(report.Lines[3], "<TH>base 3-2-2004 9:05:07</TH>");
}

}  // namespace
