#pragma once

#include <QString>

#include <chrono>
#include <functional>
#include <string_view>

class QWidget;

namespace birch {

// A serial port of this computer and how to read it: speed, parity (0 none, 1 odd, 2 even) and
// stop bits (0 one, 1 two); eight data bits, no flow control.
struct SerialLine {
    QString port;
    int baud = 4800;
    int parity = 0;
    int stopBits = 0;
};

struct ListenOutcome {
    enum class Status { Listened, NotOpened, Failed };
    Status status = Status::Listened;
    QString reason; // the port's error for NotOpened and Failed
};

// Opens the port for reading only and hands what arrives to `received` until `duration` has
// passed, the user presses the wait's Cancel button (`cancelCaption`) or the port fails (Failed:
// what came before still went to `received`). The wait shows `text` and how much of the time has
// passed in the modal progress dialog, so the windows stay painted. Nothing is ever written to the
// port.
ListenOutcome Listen_Serial(QWidget* parent, const QString& text, const QString& cancelCaption, const SerialLine& line,
                            std::chrono::milliseconds duration, const std::function<void(std::string_view)>& received);

} // namespace birch
