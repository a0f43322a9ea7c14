#include "widgets/SerialListen.h"

#include "widgets/ModalWaitDialog.h"

#include <QByteArray>
#include <QElapsedTimer>
#include <QSerialPort>

namespace birch {

namespace {

constexpr std::chrono::milliseconds kTick{50};

QSerialPort::Parity parityOf(int parity)
{
    switch (parity) {
    case 1:
        return QSerialPort::OddParity;
    case 2:
        return QSerialPort::EvenParity;
    default:
        return QSerialPort::NoParity;
    }
}

void deliver(QSerialPort& port, const std::function<void(std::string_view)>& received)
{
    const QByteArray bytes = port.readAll();
    if (!bytes.isEmpty())
        received(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size())));
}

} // namespace

ListenOutcome Listen_Serial(QWidget* parent, const QString& text, const QString& cancelCaption, const SerialLine& line,
                            std::chrono::milliseconds duration, const std::function<void(std::string_view)>& received)
{
    QSerialPort port;
    port.setPortName(line.port);
    port.setBaudRate(line.baud);
    port.setDataBits(QSerialPort::Data8);
    port.setParity(parityOf(line.parity));
    port.setStopBits(line.stopBits == 1 ? QSerialPort::TwoStop : QSerialPort::OneStop);
    port.setFlowControl(QSerialPort::NoFlowControl);
    if (!port.open(QIODevice::ReadOnly))
        return {ListenOutcome::Status::NotOpened, port.errorString()};

    QString failure;
    QObject::connect(&port, &QSerialPort::readyRead, &port, [&] { deliver(port, received); });
    QObject::connect(&port, &QSerialPort::errorOccurred, &port, [&](QSerialPort::SerialPortError error) {
        if (error != QSerialPort::NoError && error != QSerialPort::TimeoutError && failure.isEmpty())
            failure = port.errorString();
    });

    ModalWaitDialog progress(parent, text, cancelCaption);
    const auto total = static_cast<int>(duration.count());
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < duration.count() && failure.isEmpty() && !progress.cancelled()) {
        progress.setProgress(static_cast<int>(clock.elapsed()), total);
        ModalWaitDialog::processEventsFor(kTick);
    }
    deliver(port, received);
    if (!failure.isEmpty())
        return {ListenOutcome::Status::Failed, failure};
    return {};
}

} // namespace birch
