#pragma once

#include "core/AppState.h"

#include <functional>
#include <string>

namespace birch {

class GridView;
class Prompter;

enum class RowFamily { Plain, CheckBox };

// The Delete, Insert, Copy and Paste Row buttons of one rule table: the row operations of its
// family on the current row, with the shared prompts (texts 900-902). Keeps the table's copied
// flag; the copy buffer is the process-wide one in AppState.
class RowButtons {
public:
    RowButtons(GridView& view, AppState& state, Prompter& prompter, RowFamily family);

    // Asks `question` followed by the current row number (Yes/No) and deletes on Yes.
    // `enable` is used by the check-box family only. True when the row was deleted.
    bool deleteRow(const std::string& question, bool enable);
    // The same with the question that `questionFor` makes of the current row number.
    bool deleteRowAsking(const std::function<std::string(int row)>& questionFor, bool enable);
    void insertRow(bool enable);
    // True when a row was copied (the current row is a data row).
    bool copyRow();
    // True when the row was pasted; refusals and the overwrite question are prompted here.
    bool pasteRow();

    bool copied() const { return copied_; }
    void setCopied(bool copied) { copied_ = copied; }

private:
    GridView& view_;
    AppState& state_;
    Prompter& prompter_;
    RowFamily family_;
    bool copied_ = false;
};

} // namespace birch
