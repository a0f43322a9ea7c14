#include "common/GridModel.h"
#include "common/GridRowOperations.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace birch {
namespace {

// Rows of a check-box table as "box|text|text|box", boxes written "[x]" / "[ ]".
std::string checkRow(const GridModel& t, int r)
{
    std::string out;
    for (int c = 1; c < t.columnCount(); ++c) {
        if (c > 1)
            out += '|';
        out += t.hasCheckBox(r, c) ? (t.checked(r, c) ? "[x]" : "[ ]") : t.text(r, c);
    }
    return out;
}

std::string plainRow(const GridModel& t, int r)
{
    std::string out;
    for (int c = 1; c < t.columnCount(); ++c) {
        if (c > 1)
            out += '|';
        out += t.text(r, c);
    }
    return out;
}

// Four data rows; columns 1 and 4 carry check boxes, 2 and 3 texts. Row r holds "a<r>", "b<r>",
// column 1 checked on odd rows, column 4 checked on even rows.
GridModel fullCheckTable()
{
    GridModel t(5, 5);
    t.numberRows();
    for (int r = 1; r <= 4; ++r) {
        t.setCheckBox(r, 1, r % 2 == 1);
        t.setText(r, 2, "a" + std::to_string(r));
        t.setText(r, 3, "b" + std::to_string(r));
        t.setCheckBox(r, 4, r % 2 == 0);
    }
    return t;
}

// Four data rows of texts; column 3 is hidden.
GridModel fullPlainTable()
{
    GridModel t(5, 5);
    t.numberRows();
    t.setColumnHidden(3, true);
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c)
            t.setText(r, c, std::string(1, static_cast<char>('a' + c - 1)) + std::to_string(r));
    return t;
}

class DeleteRowCheck : public testing::TestWithParam<bool> {};

TEST_P(DeleteRowCheck, FirstRowMovesEveryRowUpAndEmptiesTheLast)
{
    const bool enable = GetParam();
    GridModel t = fullCheckTable();
    Delete_Row_Check(1, t, enable);
    EXPECT_EQ(checkRow(t, 1), "[ ]|a2|b2|[x]");
    EXPECT_EQ(checkRow(t, 2), "[x]|a3|b3|[ ]");
    EXPECT_EQ(checkRow(t, 3), "[ ]|a4|b4|[x]");
    EXPECT_EQ(checkRow(t, 4), enable ? "[x]|||[ ]" : "[ ]|||[ ]");
    EXPECT_EQ(t.text(4, 0), "4");
}

TEST_P(DeleteRowCheck, LastRowOnlyClearsIt)
{
    GridModel t = fullCheckTable();
    Delete_Row_Check(4, t, GetParam());
    EXPECT_EQ(checkRow(t, 3), "[x]|a3|b3|[ ]");
    EXPECT_EQ(checkRow(t, 4), GetParam() ? "[x]|||[ ]" : "[ ]|||[ ]");
}

TEST_P(DeleteRowCheck, InsertAtFirstRowPushesTheLastRowOut)
{
    const bool enable = GetParam();
    GridModel t = fullCheckTable();
    Insert_Row_Check(1, t, enable);
    EXPECT_EQ(checkRow(t, 1), enable ? "[x]|||[ ]" : "[ ]|||[ ]");
    EXPECT_EQ(checkRow(t, 2), "[x]|a1|b1|[ ]");
    EXPECT_EQ(checkRow(t, 3), "[ ]|a2|b2|[x]");
    EXPECT_EQ(checkRow(t, 4), "[x]|a3|b3|[ ]");
}

TEST_P(DeleteRowCheck, InsertAtLastRowOnlyClearsIt)
{
    GridModel t = fullCheckTable();
    Insert_Row_Check(4, t, GetParam());
    EXPECT_EQ(checkRow(t, 3), "[x]|a3|b3|[ ]");
    EXPECT_EQ(checkRow(t, 4), GetParam() ? "[x]|||[ ]" : "[ ]|||[ ]");
}

INSTANTIATE_TEST_SUITE_P(Enable, DeleteRowCheck, testing::Bool());

// Hidden columns move with their rows, so a hidden value never ends up beside another row's data.
TEST(DeleteRowPlain, MovesEveryColumnAndEmptiesTheLastRow)
{
    GridModel t = fullPlainTable();
    Delete_Row(2, t);
    EXPECT_EQ(plainRow(t, 1), "a1|b1|c1|d1");
    EXPECT_EQ(plainRow(t, 2), "a3|b3|c3|d3");
    EXPECT_EQ(plainRow(t, 3), "a4|b4|c4|d4");
    EXPECT_EQ(plainRow(t, 4), "|||");
}

TEST(DeleteRowPlain, UndoesAnInsert)
{
    GridModel t = fullPlainTable();
    Insert_Row(2, t, true);
    Delete_Row(2, t);
    EXPECT_EQ(plainRow(t, 2), "a2|b2|c2|d2");
    EXPECT_EQ(plainRow(t, 3), "a3|b3|c3|d3");
}

TEST(InsertRowPlain, CoversHiddenColumnsAndMarksColumnOneByEnable)
{
    GridModel t = fullPlainTable();
    Insert_Row(2, t, true);
    EXPECT_EQ(plainRow(t, 1), "a1|b1|c1|d1");
    EXPECT_EQ(plainRow(t, 2), "Y|||");
    EXPECT_EQ(plainRow(t, 3), "a2|b2|c2|d2");
    EXPECT_EQ(plainRow(t, 4), "a3|b3|c3|d3");

    GridModel u = fullPlainTable();
    Insert_Row(1, u, false);
    EXPECT_EQ(plainRow(u, 1), "|||");
    EXPECT_EQ(plainRow(u, 2), "a1|b1|c1|d1");
}

TEST(InsertRowPlain, LastRowOnlyClearsIt)
{
    GridModel t = fullPlainTable();
    Insert_Row(4, t, true);
    EXPECT_EQ(plainRow(t, 3), "a3|b3|c3|d3");
    EXPECT_EQ(plainRow(t, 4), "Y|||");
}

TEST(RowOperations, RowsOutsideTheDataRowsChangeNothing)
{
    for (int row : {0, 5, -1}) {
        GridModel t = fullCheckTable();
        t.setText(0, 2, "Header");
        Delete_Row_Check(row, t, true);
        Insert_Row_Check(row, t, true);
        Delete_Row(row, t);
        Insert_Row(row, t, true);
        EXPECT_EQ(t.text(0, 2), "Header");
        for (int r = 1; r <= 4; ++r)
            EXPECT_EQ(checkRow(t, r), checkRow(fullCheckTable(), r));
    }
}

TEST(CopyRow, PlainCopiesShownColumnsInOrder)
{
    std::vector<std::string> buffer{"old"};
    Copy_Row(fullPlainTable(), 3, buffer);
    EXPECT_EQ(buffer, (std::vector<std::string>{"a3", "b3", "d3"}));
}

TEST(CopyRow, CheckFamilyStoresBoxesAsYesNoWithFlags)
{
    std::vector<std::string> buffer;
    std::vector<bool> flags;
    Copy_Row_Check(fullCheckTable(), 1, buffer, flags);
    EXPECT_EQ(buffer, (std::vector<std::string>{"Y", "a1", "b1", "N"}));
    EXPECT_EQ(flags, (std::vector<bool>{true, false, false, true}));
}

struct Confirm {
    bool answer = true;
    int asked = 0;
    ConfirmOverwrite callback()
    {
        return [this] {
            ++asked;
            return answer;
        };
    }
};

TEST(PasteRowCheck, RestoresBoxesAndTextsExactlyIntoARowWithOtherBoxes)
{
    GridModel t = fullCheckTable();
    std::vector<std::string> buffer;
    std::vector<bool> flags;
    Copy_Row_Check(t, 2, buffer, flags); // [ ]|a2|b2|[x]
    t.setText(3, 2, "");
    t.setText(3, 3, ""); // row 3 keeps only its boxes: [x] and [ ]
    Confirm confirm;
    EXPECT_EQ(Paste_Row_Check(t, 3, true, buffer, flags, confirm.callback()), PasteOutcome::Pasted);
    EXPECT_EQ(confirm.asked, 0);
    EXPECT_EQ(checkRow(t, 3), "[ ]|a2|b2|[x]");
    // The same row again, now in use: asked, and pasted on Yes.
    t.setText(3, 2, "changed");
    EXPECT_EQ(Paste_Row_Check(t, 3, true, buffer, flags, confirm.callback()), PasteOutcome::Pasted);
    EXPECT_EQ(confirm.asked, 1);
    EXPECT_EQ(checkRow(t, 3), "[ ]|a2|b2|[x]");
}

TEST(PasteRowCheck, DeclinedLeavesTheRowUnchanged)
{
    GridModel t = fullCheckTable();
    std::vector<std::string> buffer;
    std::vector<bool> flags;
    Copy_Row_Check(t, 1, buffer, flags);
    Confirm confirm{false};
    EXPECT_EQ(Paste_Row_Check(t, 2, true, buffer, flags, confirm.callback()), PasteOutcome::Declined);
    EXPECT_EQ(confirm.asked, 1);
    EXPECT_EQ(checkRow(t, 2), "[ ]|a2|b2|[x]");
}

TEST(PasteRowPlain, PastesShownColumnsAndLeavesHiddenOnes)
{
    GridModel t = fullPlainTable();
    std::vector<std::string> buffer;
    Copy_Row(t, 1, buffer);
    for (int c = 1; c <= 4; ++c)
        t.setText(4, c, c == 3 ? "hidden" : "");
    Confirm confirm;
    EXPECT_EQ(Paste_Row(t, 4, true, buffer, confirm.callback()), PasteOutcome::Pasted);
    EXPECT_EQ(confirm.asked, 0);
    EXPECT_EQ(plainRow(t, 4), "a1|b1|hidden|d1");
}

TEST(PasteRefusal, NothingCopiedInThisTableEvenWhenAnotherTableFilledTheBuffer)
{
    GridModel plain = fullPlainTable();
    GridModel check = fullCheckTable();
    std::vector<std::string> buffer;
    std::vector<bool> flags;
    Copy_Row_Check(check, 1, buffer, flags); // another window copied
    Confirm confirm;
    EXPECT_EQ(Paste_Row_Check(check, 2, false, buffer, flags, confirm.callback()), PasteOutcome::NothingCopied);
    Copy_Row(plain, 1, buffer);
    EXPECT_EQ(Paste_Row(plain, 2, false, buffer, confirm.callback()), PasteOutcome::NothingCopied);
    EXPECT_EQ(confirm.asked, 0);
    EXPECT_EQ(checkRow(check, 2), "[ ]|a2|b2|[x]");
    EXPECT_EQ(plainRow(plain, 2), "a2|b2|c2|d2");
}

TEST(PasteRefusal, ColumnCountMismatch)
{
    GridModel plain = fullPlainTable(); // 3 shown data columns, 4 in all
    GridModel check = fullCheckTable(); // 4 data columns
    std::vector<std::string> buffer;
    std::vector<bool> flags;
    Confirm confirm;

    Copy_Row(plain, 1, buffer); // 3 entries
    EXPECT_EQ(Paste_Row_Check(check, 2, true, buffer, flags, confirm.callback()), PasteOutcome::DoesNotFit);

    Copy_Row_Check(check, 1, buffer, flags); // 4 entries: fits all of plain's columns but not its shown ones
    EXPECT_EQ(Paste_Row(plain, 2, true, buffer, confirm.callback()), PasteOutcome::DoesNotFit);
    EXPECT_EQ(confirm.asked, 0);
    EXPECT_EQ(plainRow(plain, 2), "a2|b2|c2|d2");
    EXPECT_EQ(checkRow(check, 2), "[ ]|a2|b2|[x]");
}

TEST(PasteRefusal, NotACopiedRowCountsBeforeTheRowChecks)
{
    GridModel t = fullCheckTable();
    std::vector<std::string> buffer{"Y", "x", "y", "N"};
    std::vector<bool> flags{true, false, false, true};
    Confirm confirm;
    EXPECT_EQ(Paste_Row_Check(t, 0, true, buffer, flags, confirm.callback()), PasteOutcome::NoRow);
    EXPECT_EQ(Paste_Row_Check(t, 0, false, buffer, flags, confirm.callback()), PasteOutcome::NothingCopied);
}

struct InUseCase {
    const char* name;
    bool checkFamily;
    std::vector<std::string> rowTexts; // columns 2 and 3
    bool asked;
};

void PrintTo(const InUseCase& c, std::ostream* out)
{
    *out << c.name;
}

class PasteInUse : public testing::TestWithParam<InUseCase> {};

TEST_P(PasteInUse, AsksOnlyForRowsInUse)
{
    const InUseCase& c = GetParam();
    Confirm confirm;
    if (c.checkFamily) {
        GridModel t = fullCheckTable();
        std::vector<std::string> buffer;
        std::vector<bool> flags;
        Copy_Row_Check(t, 1, buffer, flags);
        t.setText(2, 2, c.rowTexts[0]);
        t.setText(2, 3, c.rowTexts[1]);
        EXPECT_EQ(Paste_Row_Check(t, 2, true, buffer, flags, confirm.callback()), PasteOutcome::Pasted);
    } else {
        GridModel t(3, 4); // column 1 holds "Y"/"N" through a check box
        t.setCheckEditorColumn(1, true);
        const std::vector<std::string> buffer{"N", "p", "q"};
        t.setText(2, 1, "Y");
        t.setText(2, 2, c.rowTexts[0]);
        t.setText(2, 3, c.rowTexts[1]);
        EXPECT_EQ(Paste_Row(t, 2, true, buffer, confirm.callback()), PasteOutcome::Pasted);
        EXPECT_EQ(plainRow(t, 2), "N|p|q");
    }
    EXPECT_EQ(confirm.asked, c.asked ? 1 : 0) << c.name;
}

INSTANTIATE_TEST_SUITE_P(Cases, PasteInUse,
                         testing::Values(InUseCase{"plain empty", false, {"", ""}, false},
                                         InUseCase{"plain blanks only", false, {"   ", " \t"}, false},
                                         InUseCase{"plain text", false, {"", " x "}, true},
                                         InUseCase{"check empty, boxes set", true, {"", ""}, false},
                                         InUseCase{"check blanks only", true, {"", " "}, true},
                                         InUseCase{"check text", true, {"GGA", ""}, true}),
                         [](const testing::TestParamInfo<InUseCase>& info) { return std::to_string(info.index); });

TEST(PasteRowCheck, FlagsShorterThanTheBufferPasteTexts)
{
    GridModel t = fullCheckTable();
    const std::vector<std::string> buffer{"Y", "p", "q", "Y"};
    const std::vector<bool> flags{true}; // left by an older, shorter copy
    Confirm confirm;
    EXPECT_EQ(Paste_Row_Check(t, 2, true, buffer, flags, confirm.callback()), PasteOutcome::Pasted);
    EXPECT_TRUE(t.checked(2, 1));
    EXPECT_EQ(t.text(2, 4), "Y");
    EXPECT_TRUE(t.checked(2, 4)); // the box keeps its state
    EXPECT_TRUE(t.hasCheckBox(2, 4));
}

} // namespace
} // namespace birch
