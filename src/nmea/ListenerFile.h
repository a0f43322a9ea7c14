#pragma once

#include "common/TextPosition.h"
#include "platform/FileWriter.h"

#include <cstddef>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace birch {

// NMEA_0183_Set_Access.xml as both of its editors see it: the document's first node is the root,
// whatever its name; NMEA_Listener is found by name under it; its children, by position and of
// any kind, are the table's rows. Each editor reads and writes its own attributes of a row.

// One child of NMEA_Listener. A child that is not an element has no attributes.
struct ListenerRow {
    bool element = false;
    std::vector<std::pair<std::string, std::string>> attributes;

    // The attribute's text; nothing when the child is not an element or lacks the attribute.
    std::optional<std::string_view> attribute(std::string_view name) const;
};

// How the file was read.
struct ListenerFileLoad {
    // NoListener, Unreadable and Malformed: the file exists but no row could be taken from it.
    enum class Status { Missing, Ok, NoListener, Unreadable, Malformed };
    Status status = Status::Missing;
    std::size_t notLoaded = 0; // rows beyond the table's last row
    std::string reason;        // why an Unreadable or Malformed file was not read
    TextPosition at = {};      // for Malformed: where the parser stopped

    // The file holds something the user has not seen in the table: keep it before replacing it.
    bool damaged() const
    {
        return status == Status::NoListener || status == Status::Unreadable || status == Status::Malformed;
    }
};

// Receives the children of NMEA_Listener in order, with their 0-based position.
using ListenerRowReader = std::function<void(std::size_t position, const ListenerRow& row)>;

// Reads the file and hands at most `tableRows` children to `readRow`; the rest are counted in
// `notLoaded`. Nothing is handed over unless the status is Ok.
ListenerFileLoad readListenerFile(const std::filesystem::path& file, std::size_t tableRows,
                                  const ListenerRowReader& readRow);

// The attributes of one row element, in writing order.
using ListenerAttributes = std::vector<std::pair<std::string, std::string>>;

// The file's bytes: root NMEA_0183, NMEA_Listener with one `row` element per entry, and the
// comment `versionComment` after the root.
std::string listenerDocument(std::string_view versionComment, const std::vector<ListenerAttributes>& rows);

struct ListenerFileSave {
    enum class Status { Saved, BackupFailed, WriteFailed };
    Status status = Status::Saved;
    std::string reason;

    bool ok() const { return status == Status::Saved; }
};

// Writes the file whole through `writer`. With `keepDamaged` the file on disk is first kept as
// a backup; when that fails nothing is written.
ListenerFileSave saveListenerFile(const std::filesystem::path& file, std::string_view bytes, FileWriter& writer,
                                  bool keepDamaged);

} // namespace birch
